#ifndef Magnum_Trade_MeshData_h
#define Magnum_Trade_MeshData_h
/* Imported mesh data: index and vertex data with attribute descriptions */

#include <initializer_list>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/StridedArrayView.h>

#include "Magnum/Mesh.h"
#include "Magnum/VertexFormat.h"
#include "Magnum/Trade/Data.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

namespace Implementation {
    enum: UnsignedShort { MeshAttributeCustom = 32768 };
}

/** Mesh attribute name, custom attributes occupy the upper half of the range */
enum class MeshAttribute: UnsignedShort {
    Position = 1,       /**< Position */
    Tangent,            /**< Tangent, optionally with a bitangent sign */
    Bitangent,          /**< Bitangent */
    Normal,             /**< Normal */
    TextureCoordinates, /**< Texture coordinates */
    Color,              /**< Vertex color */
    JointIds,           /**< Skin joint IDs, an array attribute */
    Weights,            /**< Skin weights, an array attribute */
    ObjectId            /**< Object ID */
};

/** Print a mesh attribute */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MeshAttribute value);

/** Whether a mesh attribute is custom */
constexpr bool isMeshAttributeCustom(MeshAttribute name) {
    return UnsignedShort(name) >= Implementation::MeshAttributeCustom;
}

/** Create a custom mesh attribute */
constexpr MeshAttribute meshAttributeCustom(UnsignedShort id) {
    return CORRADE_CONSTEXPR_ASSERT(id < Implementation::MeshAttributeCustom,
        "Trade::meshAttributeCustom(): index" << id << "too large"),
        MeshAttribute(Implementation::MeshAttributeCustom + id);
}

/** Index of a custom mesh attribute */
constexpr UnsignedShort meshAttributeCustom(MeshAttribute name) {
    return CORRADE_CONSTEXPR_ASSERT(isMeshAttributeCustom(name),
        "Trade::meshAttributeCustom():" << name << "is not custom"),
        UnsignedShort(UnsignedShort(name) - Implementation::MeshAttributeCustom);
}

/** Mesh index data, used to populate a MeshData */
class MeshIndexData {
    public:
        /** Non-indexed mesh */
        explicit MeshIndexData(std::nullptr_t = nullptr) noexcept: _type{} {}

        /** Contiguous index array with a runtime-specified type */
        template<class T, typename std::enable_if<std::is_convertible<T, Corrade::Containers::ArrayView<const void>>::value, int>::type = 0> explicit MeshIndexData(MeshIndexType type, T&& data) noexcept;

        /** Strided index array with a runtime-specified type */
        constexpr explicit MeshIndexData(MeshIndexType type, Corrade::Containers::StridedArrayView1D<const void> data) noexcept;

        /** Unsigned byte indices */
        constexpr explicit MeshIndexData(Corrade::Containers::StridedArrayView1D<const UnsignedByte> data) noexcept: MeshIndexData{MeshIndexType::UnsignedByte, data} {}
        /** Unsigned short indices */
        constexpr explicit MeshIndexData(Corrade::Containers::StridedArrayView1D<const UnsignedShort> data) noexcept: MeshIndexData{MeshIndexType::UnsignedShort, data} {}
        /** Unsigned int indices */
        constexpr explicit MeshIndexData(Corrade::Containers::StridedArrayView1D<const UnsignedInt> data) noexcept: MeshIndexData{MeshIndexType::UnsignedInt, data} {}

        /** Type from the contiguous second dimension size (1, 2 or 4; 0 means non-indexed) */
        explicit MeshIndexData(const Corrade::Containers::StridedArrayView2D<const char>& data) noexcept;

        /** Index type */
        constexpr MeshIndexType type() const { return _type; }

        /** Type-erased index data */
        constexpr Corrade::Containers::StridedArrayView1D<const void> data() const { return _data; }

    private:
        friend MeshData;
        MeshIndexType _type;
        Corrade::Containers::StridedArrayView1D<const void> _data;
};

/** Mesh attribute data, used to populate a MeshData */
class MeshAttributeData {
    public:
        /** Default constructor, contents to be replaced later */
        constexpr explicit MeshAttributeData() noexcept: _format{}, _name{}, _isOffsetOnly{false}, _morphTargetId{-1}, _vertexCount{}, _stride{}, _arraySize{}, _data{} {}

        /** Type-erased constructor */
        explicit MeshAttributeData(MeshAttribute name, VertexFormat format, const Corrade::Containers::StridedArrayView1D<const void>& data, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept;
        /* Char views go to the one-dimensional overload rather than the 2D one */
        explicit MeshAttributeData(MeshAttribute name, VertexFormat format, const Corrade::Containers::StridedArrayView1D<char>& data, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept: MeshAttributeData{name, format, Corrade::Containers::StridedArrayView1D<const void>{data}, arraySize, morphTargetId} {}
        explicit MeshAttributeData(MeshAttribute name, VertexFormat format, const Corrade::Containers::StridedArrayView1D<const char>& data, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept: MeshAttributeData{name, format, Corrade::Containers::StridedArrayView1D<const void>{data}, arraySize, morphTargetId} {}

        /** From a 2D view, the second dimension has to be contiguous and match the format and array size */
        explicit MeshAttributeData(MeshAttribute name, VertexFormat format, const Corrade::Containers::StridedArrayView2D<const char>& data, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept;

        /** With a null view; templated so a literal 0 picks the offset-only constructor */
        template<class U, typename std::enable_if<std::is_convertible<U, std::nullptr_t>::value && !std::is_convertible<U, std::size_t>::value, int>::type = 0> explicit MeshAttributeData(MeshAttribute name, VertexFormat format, U, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept: MeshAttributeData{nullptr, name, format, nullptr, arraySize, morphTargetId} {}

        /** From a typed view, the format is inferred from the type */
        template<class T> constexpr explicit MeshAttributeData(MeshAttribute name, const Corrade::Containers::StridedArrayView1D<T>& data, Int morphTargetId = -1) noexcept;
        template<class T> constexpr explicit MeshAttributeData(MeshAttribute name, const Corrade::Containers::ArrayView<T>& data, Int morphTargetId = -1) noexcept: MeshAttributeData{name, Corrade::Containers::StridedArrayView1D<T>{data}, morphTargetId} {}

        /** Array attribute from a typed 2D view, the second dimension has to be contiguous */
        template<class T> explicit MeshAttributeData(MeshAttribute name, const Corrade::Containers::StridedArrayView2D<T>& data, Int morphTargetId = -1) noexcept;

        /** Offset-only attribute, referring to vertex data supplied later */
        explicit constexpr MeshAttributeData(MeshAttribute name, VertexFormat format, std::size_t offset, UnsignedInt vertexCount, std::ptrdiff_t stride, UnsignedShort arraySize = 0, Int morphTargetId = -1) noexcept;

        /** Padding value for MeshTools algorithms, not meant for MeshData */
        constexpr explicit MeshAttributeData(Int padding): _format{}, _name{}, _isOffsetOnly{false}, _morphTargetId{-1}, _vertexCount{0}, _stride{
            (CORRADE_CONSTEXPR_ASSERT(padding >= -32768 && padding <= 32767,
                "Trade::MeshAttributeData: expected padding to fit into 16 bits but got" << padding), Short(padding))
        }, _arraySize{}, _data{nullptr} {}

        /** Whether the attribute is offset-only */
        constexpr bool isOffsetOnly() const { return _isOffsetOnly; }
        /** Attribute name */
        constexpr MeshAttribute name() const { return _name; }
        /** Attribute format */
        constexpr VertexFormat format() const { return _format; }
        /** Attribute offset, computed relative to @p vertexData unless offset-only */
        std::size_t offset(Corrade::Containers::ArrayView<const void> vertexData) const {
            return _isOffsetOnly ? _data.offset : std::size_t(static_cast<const char*>(_data.pointer) - static_cast<const char*>(vertexData.data()));
        }
        /** Attribute stride */
        constexpr Short stride() const { return _stride; }
        /** Array size, 0 for non-array attributes */
        constexpr UnsignedShort arraySize() const { return _arraySize; }
        /** Morph target ID, -1 if not a morph target */
        constexpr Int morphTargetId() const { return _morphTargetId; }

        /** Type-erased data, the attribute can't be offset-only */
        Corrade::Containers::StridedArrayView1D<const void> data() const;
        /** Type-erased data, resolving an offset-only attribute against @p vertexData */
        Corrade::Containers::StridedArrayView1D<const void> data(Corrade::Containers::ArrayView<const void> vertexData) const;

    private:
        friend MeshData;

        /* Common target of the view constructors */
        constexpr explicit MeshAttributeData(std::nullptr_t, MeshAttribute name, VertexFormat format, const Corrade::Containers::StridedArrayView1D<const void>& data, UnsignedShort arraySize, Int morphTargetId) noexcept;

        VertexFormat _format;
        MeshAttribute _name;
        bool _isOffsetOnly;
        Byte _morphTargetId;
        UnsignedInt _vertexCount;
        Short _stride;
        UnsignedShort _arraySize;
        union Data {
            constexpr Data(const void* pointer = nullptr): pointer{pointer} {}
            constexpr Data(std::size_t offset): offset{offset} {}
            const void* pointer;
            std::size_t offset;
        } _data;
};

/** Non-owning array of attributes, for statically defined layouts */
Corrade::Containers::Array<MeshAttributeData> meshAttributeDataNonOwningArray(Corrade::Containers::ArrayView<const MeshAttributeData> view);

/** Mesh data */
class MeshData {
    public:
        enum: UnsignedInt {
            /** Take the vertex count from the attributes */
            ImplicitVertexCount = ~UnsignedInt{}
        };

        /** Indexed mesh with owned index and vertex data */
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& indexData, const MeshIndexData& indices, Corrade::Containers::Array<char>&& vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& indexData, const MeshIndexData& indices, Corrade::Containers::Array<char>&& vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Indexed mesh with non-owned index and vertex data */
        explicit MeshData(MeshPrimitive primitive, DataFlags indexDataFlags, Corrade::Containers::ArrayView<const void> indexData, const MeshIndexData& indices, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, DataFlags indexDataFlags, Corrade::Containers::ArrayView<const void> indexData, const MeshIndexData& indices, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Indexed mesh with non-owned index data */
        explicit MeshData(MeshPrimitive primitive, DataFlags indexDataFlags, Corrade::Containers::ArrayView<const void> indexData, const MeshIndexData& indices, Corrade::Containers::Array<char>&& vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, DataFlags indexDataFlags, Corrade::Containers::ArrayView<const void> indexData, const MeshIndexData& indices, Corrade::Containers::Array<char>&& vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Indexed mesh with non-owned vertex data */
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& indexData, const MeshIndexData& indices, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& indexData, const MeshIndexData& indices, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Non-indexed mesh with owned vertex data */
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Non-indexed mesh with non-owned vertex data */
        explicit MeshData(MeshPrimitive primitive, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, Corrade::Containers::Array<MeshAttributeData>&& attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr) noexcept;
        explicit MeshData(MeshPrimitive primitive, DataFlags vertexDataFlags, Corrade::Containers::ArrayView<const void> vertexData, std::initializer_list<MeshAttributeData> attributes, UnsignedInt vertexCount = ImplicitVertexCount, const void* importerState = nullptr);

        /** Attribute-less indexed mesh with owned index data */
        explicit MeshData(MeshPrimitive primitive, Corrade::Containers::Array<char>&& indexData, const MeshIndexData& indices, UnsignedInt vertexCount, const void* importerState = nullptr) noexcept;

        /** Attribute-less indexed mesh with non-owned index data */
        explicit MeshData(MeshPrimitive primitive, DataFlags indexDataFlags, Corrade::Containers::ArrayView<const void> indexData, const MeshIndexData& indices, UnsignedInt vertexCount, const void* importerState = nullptr) noexcept;

        /** Index-less attribute-less mesh */
        explicit MeshData(MeshPrimitive primitive, UnsignedInt vertexCount, const void* importerState = nullptr) noexcept;

        MeshData(const MeshData&) = delete;
        MeshData(MeshData&&) noexcept;
        ~MeshData();
        MeshData& operator=(const MeshData&) = delete;
        MeshData& operator=(MeshData&&) noexcept;

        /** Primitive */
        MeshPrimitive primitive() const { return _primitive; }
        /** Index data flags */
        DataFlags indexDataFlags() const { return _indexDataFlags; }
        /** Vertex data flags */
        DataFlags vertexDataFlags() const { return _vertexDataFlags; }

        /** Raw index data */
        Corrade::Containers::ArrayView<const char> indexData() const & { return _indexData; }
        Corrade::Containers::ArrayView<const char> indexData() const && = delete;
        /** Mutable raw index data, the index data have to be mutable */
        Corrade::Containers::ArrayView<char> mutableIndexData() &;
        Corrade::Containers::ArrayView<char> mutableIndexData() && = delete;

        /** Raw attribute metadata, possibly offset-only */
        Corrade::Containers::ArrayView<const MeshAttributeData> attributeData() const & { return _attributes; }
        Corrade::Containers::ArrayView<const MeshAttributeData> attributeData() && = delete;

        /** Raw vertex data */
        Corrade::Containers::ArrayView<const char> vertexData() const & { return _vertexData; }
        Corrade::Containers::ArrayView<const char> vertexData() const && = delete;
        /** Mutable raw vertex data, the vertex data have to be mutable */
        Corrade::Containers::ArrayView<char> mutableVertexData() &;
        Corrade::Containers::ArrayView<char> mutableVertexData() && = delete;

        /** Whether the mesh is indexed */
        bool isIndexed() const { return _indexType != MeshIndexType{}; }
        /** Index count, the mesh has to be indexed */
        UnsignedInt indexCount() const;
        /** Index type, the mesh has to be indexed */
        MeshIndexType indexType() const;
        /** Byte offset of the first index in indexData(), the mesh has to be indexed */
        std::size_t indexOffset() const;
        /** Index stride, the mesh has to be indexed */
        Short indexStride() const;

        /** Type-erased indices, the second dimension is the index type size */
        Corrade::Containers::StridedArrayView2D<const char> indices() const;
        /** Mutable type-erased indices */
        Corrade::Containers::StridedArrayView2D<char> mutableIndices();
        /** Indices in a concrete type matching indexType() */
        template<class T> Corrade::Containers::StridedArrayView1D<const T> indices() const;
        /** Mutable indices in a concrete type matching indexType() */
        template<class T> Corrade::Containers::StridedArrayView1D<T> mutableIndices();

        /** Vertex count */
        UnsignedInt vertexCount() const { return _vertexCount; }
        /** Count of all attributes including morph targets */
        UnsignedInt attributeCount() const { return UnsignedInt(_attributes.size()); }
        /** Count of attributes in given morph target, -1 for base attributes */
        UnsignedInt attributeCount(Int morphTargetId) const;

        /** Attribute with an absolute data pointer */
        MeshAttributeData attributeData(UnsignedInt id) const;
        /** Attribute name */
        MeshAttribute attributeName(UnsignedInt id) const;
        /** Index of the attribute among the preceding ones of the same name and morph target */
        UnsignedInt attributeId(UnsignedInt id) const;
        /** Attribute format */
        VertexFormat attributeFormat(UnsignedInt id) const;
        /** Attribute offset from the beginning of vertexData() */
        std::size_t attributeOffset(UnsignedInt id) const;
        /** Attribute stride */
        Short attributeStride(UnsignedInt id) const;
        /** Attribute array size, 0 for non-array attributes */
        UnsignedShort attributeArraySize(UnsignedInt id) const;
        /** Attribute morph target ID, -1 if not a morph target */
        Int attributeMorphTargetId(UnsignedInt id) const;

        /** Whether the mesh has given attribute */
        bool hasAttribute(MeshAttribute name, Int morphTargetId = -1) const {
            return attributeCount(name, morphTargetId);
        }
        /** Count of given named attribute */
        UnsignedInt attributeCount(MeshAttribute name, Int morphTargetId = -1) const;
        /** Absolute ID of a named attribute, or NullOpt */
        Corrade::Containers::Optional<UnsignedInt> findAttributeId(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Absolute ID of a named attribute, which has to exist */
        UnsignedInt attributeId(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Format of a named attribute */
        VertexFormat attributeFormat(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Offset of a named attribute */
        std::size_t attributeOffset(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Stride of a named attribute */
        Short attributeStride(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Array size of a named attribute */
        UnsignedShort attributeArraySize(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;

        /** Type-erased attribute data, the second dimension is the element size */
        Corrade::Containers::StridedArrayView2D<const char> attribute(UnsignedInt id) const;
        /** Mutable type-erased attribute data */
        Corrade::Containers::StridedArrayView2D<char> mutableAttribute(UnsignedInt id);
        /** Attribute in a concrete type */
        template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView1D<const T> attribute(UnsignedInt id) const;
        /** Array attribute in a concrete type, selected with T[] */
        template<class T, typename std::enable_if<std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView2D<const typename std::remove_extent<T>::type> attribute(UnsignedInt id) const;
        /** Mutable attribute in a concrete type */
        template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView1D<T> mutableAttribute(UnsignedInt id);
        /** Mutable array attribute in a concrete type, selected with T[] */
        template<class T, typename std::enable_if<std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView2D<typename std::remove_extent<T>::type> mutableAttribute(UnsignedInt id);

        /** Type-erased named attribute data */
        Corrade::Containers::StridedArrayView2D<const char> attribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Mutable type-erased named attribute data */
        Corrade::Containers::StridedArrayView2D<char> mutableAttribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1);
        /** Named attribute in a concrete type */
        template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView1D<const T> attribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Named array attribute in a concrete type, selected with T[] */
        template<class T, typename std::enable_if<std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView2D<const typename std::remove_extent<T>::type> attribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Mutable named attribute in a concrete type */
        template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView1D<T> mutableAttribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1);
        /** Mutable named array attribute in a concrete type, selected with T[] */
        template<class T, typename std::enable_if<std::is_array<T>::value, int>::type = 0> Corrade::Containers::StridedArrayView2D<typename std::remove_extent<T>::type> mutableAttribute(MeshAttribute name, UnsignedInt id = 0, Int morphTargetId = -1);

        /** Indices converted to 32-bit */
        Corrade::Containers::Array<UnsignedInt> indicesAsArray() const;
        /** Indices converted to 32-bit into a view of indexCount() items */
        void indicesInto(const Corrade::Containers::StridedArrayView1D<UnsignedInt>& destination) const;
        /** Positions as 2D float vectors */
        Corrade::Containers::Array<Vector2> positions2DAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void positions2DInto(const Corrade::Containers::StridedArrayView1D<Vector2>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Positions as 3D float vectors, Z is zero for 2D positions */
        Corrade::Containers::Array<Vector3> positions3DAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void positions3DInto(const Corrade::Containers::StridedArrayView1D<Vector3>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Tangents as 3D float vectors, the bitangent sign dropped */
        Corrade::Containers::Array<Vector3> tangentsAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void tangentsInto(const Corrade::Containers::StridedArrayView1D<Vector3>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Bitangent signs of four-component tangents */
        Corrade::Containers::Array<Float> bitangentSignsAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void bitangentSignsInto(const Corrade::Containers::StridedArrayView1D<Float>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Bitangents as 3D float vectors */
        Corrade::Containers::Array<Vector3> bitangentsAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void bitangentsInto(const Corrade::Containers::StridedArrayView1D<Vector3>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Normals as 3D float vectors */
        Corrade::Containers::Array<Vector3> normalsAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void normalsInto(const Corrade::Containers::StridedArrayView1D<Vector3>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Texture coordinates as 2D float vectors */
        Corrade::Containers::Array<Vector2> textureCoordinates2DAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void textureCoordinates2DInto(const Corrade::Containers::StridedArrayView1D<Vector2>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Colors as RGBA floats, alpha is one for three-component colors */
        Corrade::Containers::Array<Color4> colorsAsArray(UnsignedInt id = 0, Int morphTargetId = -1) const;
        void colorsInto(const Corrade::Containers::StridedArrayView1D<Color4>& destination, UnsignedInt id = 0, Int morphTargetId = -1) const;
        /** Joint IDs as 32-bit integers, vertexCount() times array size items */
        Corrade::Containers::Array<UnsignedInt> jointIdsAsArray(UnsignedInt id = 0) const;
        void jointIdsInto(const Corrade::Containers::StridedArrayView2D<UnsignedInt>& destination, UnsignedInt id = 0) const;
        /** Weights as floats, vertexCount() times array size items */
        Corrade::Containers::Array<Float> weightsAsArray(UnsignedInt id = 0) const;
        void weightsInto(const Corrade::Containers::StridedArrayView2D<Float>& destination, UnsignedInt id = 0) const;
        /** Object IDs as 32-bit integers */
        Corrade::Containers::Array<UnsignedInt> objectIdsAsArray(UnsignedInt id = 0) const;
        void objectIdsInto(const Corrade::Containers::StridedArrayView1D<UnsignedInt>& destination, UnsignedInt id = 0) const;

        /** Release the index data, the mesh then has zero indices */
        Corrade::Containers::Array<char> releaseIndexData();
        /** Release the attribute metadata, the mesh then has no attributes */
        Corrade::Containers::Array<MeshAttributeData> releaseAttributeData();
        /** Release the vertex data, the mesh then has zero vertices */
        Corrade::Containers::Array<char> releaseVertexData();

        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        /* ~UnsignedInt{} when not found, avoiding the Optional */
        UnsignedInt findAttributeIdInternal(MeshAttribute name, UnsignedInt id, Int morphTargetId) const;
        Corrade::Containers::StridedArrayView1D<const void> attributeDataViewInternal(const MeshAttributeData& attribute) const;
        template<class T> bool checkVertexFormatCompatibility(const MeshAttributeData& attribute, const char* prefix) const;
        /* Out-of-line so the header doesn't need the full Debug machinery for the message */
        static void printAttributeNotFound(const char* prefix, UnsignedInt id, UnsignedInt count, MeshAttribute name, Int morphTargetId);

        UnsignedInt _indexCount, _vertexCount;
        MeshPrimitive _primitive;
        MeshIndexType _indexType;
        Short _indexStride;
        DataFlags _indexDataFlags, _vertexDataFlags;
        const void* _importerState;
        const char* _indices;
        Corrade::Containers::Array<MeshAttributeData> _attributes;
        Corrade::Containers::Array<char> _indexData, _vertexData;
};

namespace Implementation {
    template<class T> constexpr MeshIndexType meshIndexTypeFor() {
        static_assert(sizeof(T) == 0, "unsupported index type");
        return {};
    }
    template<> constexpr MeshIndexType meshIndexTypeFor<UnsignedByte>() { return MeshIndexType::UnsignedByte; }
    template<> constexpr MeshIndexType meshIndexTypeFor<UnsignedShort>() { return MeshIndexType::UnsignedShort; }
    template<> constexpr MeshIndexType meshIndexTypeFor<UnsignedInt>() { return MeshIndexType::UnsignedInt; }

    /* Format a type maps to */
    template<class T> constexpr VertexFormat vertexFormatFor() {
        static_assert(sizeof(T) == 0, "unsupported vertex format");
        return {};
    }
    #define _c(type, format) template<> constexpr VertexFormat vertexFormatFor<type>() { return VertexFormat::format; }
    _c(Float, Float)
    _c(Double, Double)
    _c(UnsignedByte, UnsignedByte)
    _c(Byte, Byte)
    _c(UnsignedShort, UnsignedShort)
    _c(Short, Short)
    _c(UnsignedInt, UnsignedInt)
    _c(Int, Int)
    _c(Vector2, Vector2)
    _c(Vector2d, Vector2d)
    _c(Vector2ub, Vector2ub)
    _c(Vector2b, Vector2b)
    _c(Vector2us, Vector2us)
    _c(Vector2s, Vector2s)
    _c(Vector2ui, Vector2ui)
    _c(Vector2i, Vector2i)
    _c(Vector3, Vector3)
    _c(Vector3d, Vector3d)
    _c(Vector3ub, Vector3ub)
    _c(Vector3b, Vector3b)
    _c(Vector3us, Vector3us)
    _c(Vector3s, Vector3s)
    _c(Vector3ui, Vector3ui)
    _c(Vector3i, Vector3i)
    _c(Vector4, Vector4)
    _c(Vector4d, Vector4d)
    _c(Vector4ub, Vector4ub)
    _c(Vector4b, Vector4b)
    _c(Vector4us, Vector4us)
    _c(Vector4s, Vector4s)
    _c(Vector4ui, Vector4ui)
    _c(Vector4i, Vector4i)
    _c(Matrix2x2, Matrix2x2)
    _c(Matrix2x2d, Matrix2x2d)
    _c(Matrix2x3, Matrix2x3)
    _c(Matrix2x4, Matrix2x4)
    _c(Matrix3x2, Matrix3x2)
    _c(Matrix3x3, Matrix3x3)
    _c(Matrix3x3d, Matrix3x3d)
    _c(Matrix3x4, Matrix3x4)
    _c(Matrix4x2, Matrix4x2)
    _c(Matrix4x3, Matrix4x3)
    _c(Matrix4x4, Matrix4x4)
    _c(Matrix4x4d, Matrix4x4d)
    _c(Color3, Vector3)
    _c(Color3ub, Vector3ubNormalized)
    _c(Color3us, Vector3usNormalized)
    _c(Color4, Vector4)
    _c(Color4ub, Vector4ubNormalized)
    _c(Color4us, Vector4usNormalized)
    _c(Matrix3, Matrix3x3)
    _c(Matrix3d, Matrix3x3d)
    _c(Matrix4, Matrix4x4)
    _c(Matrix4d, Matrix4x4d)
    #undef _c

    /* Formats a type can be read as; integer types also cover the normalized variant */
    template<class T> constexpr bool isVertexFormatCompatible(VertexFormat format) {
        return vertexFormatFor<T>() == format;
    }
    #define _c(type) template<> constexpr bool isVertexFormatCompatible<type>(VertexFormat format) { \
            return format == VertexFormat::type || format == VertexFormat::type ## Normalized; \
        }
    _c(UnsignedByte)
    _c(Byte)
    _c(UnsignedShort)
    _c(Short)
    _c(Vector2ub)
    _c(Vector2b)
    _c(Vector2us)
    _c(Vector2s)
    _c(Vector3ub)
    _c(Vector3b)
    _c(Vector3us)
    _c(Vector3s)
    _c(Vector4ub)
    _c(Vector4b)
    _c(Vector4us)
    _c(Vector4s)
    #undef _c

    constexpr bool isVertexFormatCompatibleWithAttribute(MeshAttribute name, VertexFormat format) {
        return isVertexFormatImplementationSpecific(format) ||
            (name == MeshAttribute::Position &&
                (format == VertexFormat::Vector2 ||
                 format == VertexFormat::Vector2h ||
                 format == VertexFormat::Vector2ub ||
                 format == VertexFormat::Vector2ubNormalized ||
                 format == VertexFormat::Vector2b ||
                 format == VertexFormat::Vector2bNormalized ||
                 format == VertexFormat::Vector2us ||
                 format == VertexFormat::Vector2usNormalized ||
                 format == VertexFormat::Vector2s ||
                 format == VertexFormat::Vector2sNormalized ||
                 format == VertexFormat::Vector3 ||
                 format == VertexFormat::Vector3h ||
                 format == VertexFormat::Vector3ub ||
                 format == VertexFormat::Vector3ubNormalized ||
                 format == VertexFormat::Vector3b ||
                 format == VertexFormat::Vector3bNormalized ||
                 format == VertexFormat::Vector3us ||
                 format == VertexFormat::Vector3usNormalized ||
                 format == VertexFormat::Vector3s ||
                 format == VertexFormat::Vector3sNormalized)) ||
            (name == MeshAttribute::Tangent &&
                (format == VertexFormat::Vector3 ||
                 format == VertexFormat::Vector3h ||
                 format == VertexFormat::Vector3bNormalized ||
                 format == VertexFormat::Vector3sNormalized ||
                 format == VertexFormat::Vector4 ||
                 format == VertexFormat::Vector4h ||
                 format == VertexFormat::Vector4bNormalized ||
                 format == VertexFormat::Vector4sNormalized)) ||
            ((name == MeshAttribute::Bitangent || name == MeshAttribute::Normal) &&
                (format == VertexFormat::Vector3 ||
                 format == VertexFormat::Vector3h ||
                 format == VertexFormat::Vector3bNormalized ||
                 format == VertexFormat::Vector3sNormalized)) ||
            (name == MeshAttribute::Color &&
                (format == VertexFormat::Vector3 ||
                 format == VertexFormat::Vector3h ||
                 format == VertexFormat::Vector3ubNormalized ||
                 format == VertexFormat::Vector3usNormalized ||
                 format == VertexFormat::Vector4 ||
                 format == VertexFormat::Vector4h ||
                 format == VertexFormat::Vector4ubNormalized ||
                 format == VertexFormat::Vector4usNormalized)) ||
            (name == MeshAttribute::TextureCoordinates &&
                (format == VertexFormat::Vector2 ||
                 format == VertexFormat::Vector2h ||
                 format == VertexFormat::Vector2ub ||
                 format == VertexFormat::Vector2ubNormalized ||
                 format == VertexFormat::Vector2b ||
                 format == VertexFormat::Vector2bNormalized ||
                 format == VertexFormat::Vector2us ||
                 format == VertexFormat::Vector2usNormalized ||
                 format == VertexFormat::Vector2s ||
                 format == VertexFormat::Vector2sNormalized)) ||
            (name == MeshAttribute::JointIds &&
                (format == VertexFormat::UnsignedInt ||
                 format == VertexFormat::UnsignedByte ||
                 format == VertexFormat::UnsignedShort)) ||
            (name == MeshAttribute::Weights &&
                (format == VertexFormat::Float ||
                 format == VertexFormat::Half ||
                 format == VertexFormat::UnsignedByteNormalized ||
                 format == VertexFormat::UnsignedShortNormalized)) ||
            (name == MeshAttribute::ObjectId &&
                (format == VertexFormat::UnsignedInt ||
                 format == VertexFormat::UnsignedShort ||
                 format == VertexFormat::UnsignedByte)) ||
            isMeshAttributeCustom(name);
    }

    constexpr bool isAttributeArrayAllowed(MeshAttribute name) {
        return name == MeshAttribute::JointIds || name == MeshAttribute::Weights || isMeshAttributeCustom(name);
    }
    /* Custom attributes may be arrays but don't have to */
    constexpr bool isAttributeArrayExpected(MeshAttribute name) {
        return name == MeshAttribute::JointIds || name == MeshAttribute::Weights;
    }
    constexpr bool isMorphTargetAllowed(MeshAttribute name) {
        return name != MeshAttribute::JointIds && name != MeshAttribute::Weights && name != MeshAttribute::ObjectId;
    }

    /* Reinterprets the contiguous byte-sized second dimension as items of U */
    template<class U, class T> Corrade::Containers::StridedArrayView2D<U> arrayAttributeCast(const Corrade::Containers::StridedArrayView2D<T>& data) {
        U* const pointer = static_cast<U*>(data.data());
        return Corrade::Containers::StridedArrayView2D<U>{{pointer, ~std::size_t{}},
            {data.size()[0], data.size()[1]/sizeof(U)},
            {data.stride()[0], std::ptrdiff_t(sizeof(U))}};
    }
}

template<class T, typename std::enable_if<std::is_convertible<T, Corrade::Containers::ArrayView<const void>>::value, int>::type> MeshIndexData::MeshIndexData(const MeshIndexType type, T&& data) noexcept: _type{type} {
    const Corrade::Containers::ArrayView<const void> erased = data;
    CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(type),
        "Trade::MeshIndexData: can't create index data from a contiguous view and an implementation-specific type" << Corrade::Utility::Debug::hex << meshIndexTypeUnwrap(type) << Corrade::Utility::Debug::nospace << ", pass a strided view instead", );
    const std::size_t typeSize = meshIndexTypeSize(type);
    CORRADE_ASSERT(erased.size()%typeSize == 0,
        "Trade::MeshIndexData: view size" << erased.size() << "does not correspond to" << type, );
    _data = Corrade::Containers::StridedArrayView1D<const void>{erased, erased.size()/typeSize, std::ptrdiff_t(typeSize)};
}

constexpr MeshIndexData::MeshIndexData(const MeshIndexType type, const Corrade::Containers::StridedArrayView1D<const void> data) noexcept: _type{type},
    _data{(CORRADE_CONSTEXPR_ASSERT(data.stride() >= -32768 && data.stride() <= 32767,
        "Trade::MeshIndexData: expected stride to fit into 16 bits but got" << data.stride()), data)} {}

constexpr MeshAttributeData::MeshAttributeData(std::nullptr_t, const MeshAttribute name, const VertexFormat format, const Corrade::Containers::StridedArrayView1D<const void>& data, const UnsignedShort arraySize, const Int morphTargetId) noexcept:
    _format{format},
    _name{(CORRADE_CONSTEXPR_ASSERT(Implementation::isVertexFormatCompatibleWithAttribute(name, format),
        "Trade::MeshAttributeData:" << format << "is not a valid format for" << name), name)},
    _isOffsetOnly{false},
    _morphTargetId{(
        CORRADE_CONSTEXPR_ASSERT(morphTargetId == -1 || UnsignedInt(morphTargetId) < 128,
            "Trade::MeshAttributeData: expected morph target ID to be either -1 or less than 128 but got" << morphTargetId),
        CORRADE_CONSTEXPR_ASSERT(morphTargetId == -1 || Implementation::isMorphTargetAllowed(name),
            "Trade::MeshAttributeData: morph target not allowed for" << name),
        Byte(morphTargetId))},
    _vertexCount{(
        CORRADE_CONSTEXPR_ASSERT(data.size() <= 0xffffffffu,
            "Trade::MeshAttributeData: expected vertex count to fit into 32 bits but got" << data.size()),
        UnsignedInt(data.size()))},
    _stride{(CORRADE_CONSTEXPR_ASSERT(data.stride() >= -32768 && data.stride() <= 32767,
        "Trade::MeshAttributeData: expected stride to fit into 16 bits but got" << data.stride()),
        Short(data.stride()))},
    _arraySize{(
        CORRADE_CONSTEXPR_ASSERT(!arraySize || Implementation::isAttributeArrayAllowed(name),
            "Trade::MeshAttributeData:" << name << "can't be an array attribute"),
        CORRADE_CONSTEXPR_ASSERT(arraySize || !Implementation::isAttributeArrayExpected(name),
            "Trade::MeshAttributeData:" << name << "has to be an array attribute"),
        arraySize)},
    _data{data.data()} {}

constexpr MeshAttributeData::MeshAttributeData(const MeshAttribute name, const VertexFormat format, const std::size_t offset, const UnsignedInt vertexCount, const std::ptrdiff_t stride, const UnsignedShort arraySize, const Int morphTargetId) noexcept:
    _format{format},
    _name{(CORRADE_CONSTEXPR_ASSERT(Implementation::isVertexFormatCompatibleWithAttribute(name, format),
        "Trade::MeshAttributeData:" << format << "is not a valid format for" << name), name)},
    _isOffsetOnly{true},
    _morphTargetId{(
        CORRADE_CONSTEXPR_ASSERT(morphTargetId == -1 || UnsignedInt(morphTargetId) < 128,
            "Trade::MeshAttributeData: expected morph target ID to be either -1 or less than 128 but got" << morphTargetId),
        CORRADE_CONSTEXPR_ASSERT(morphTargetId == -1 || Implementation::isMorphTargetAllowed(name),
            "Trade::MeshAttributeData: morph target not allowed for" << name),
        Byte(morphTargetId))},
    _vertexCount{vertexCount},
    _stride{(CORRADE_CONSTEXPR_ASSERT(stride >= -32768 && stride <= 32767,
        "Trade::MeshAttributeData: expected stride to fit into 16 bits but got" << stride),
        Short(stride))},
    _arraySize{(CORRADE_CONSTEXPR_ASSERT(!arraySize || Implementation::isAttributeArrayAllowed(name),
        "Trade::MeshAttributeData:" << name << "can't be an array attribute"), arraySize)},
    _data{offset} {}

template<class T> constexpr MeshAttributeData::MeshAttributeData(const MeshAttribute name, const Corrade::Containers::StridedArrayView1D<T>& data, const Int morphTargetId) noexcept: MeshAttributeData{nullptr, name, Implementation::vertexFormatFor<typename std::remove_const<T>::type>(), data, 0, morphTargetId} {}

template<class T> MeshAttributeData::MeshAttributeData(const MeshAttribute name, const Corrade::Containers::StridedArrayView2D<T>& data, const Int morphTargetId) noexcept: MeshAttributeData{
    (CORRADE_CONSTEXPR_ASSERT(data.stride()[1] == sizeof(T), "Trade::MeshAttributeData: second view dimension is not contiguous"), nullptr),
    name,
    Implementation::vertexFormatFor<typename std::remove_const<T>::type>(),
    Corrade::Containers::StridedArrayView1D<const void>{{data.data(), ~std::size_t{}}, data.size()[0], data.stride()[0]},
    UnsignedShort(data.size()[1]),
    morphTargetId} {}

template<class T> Corrade::Containers::StridedArrayView1D<const T> MeshData::indices() const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indices(): the mesh is not indexed", {});
    const Corrade::Containers::StridedArrayView2D<const char> data = indices();
    CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(_indexType),
        "Trade::MeshData::indices(): can't cast data from an implementation-specific index type" << Corrade::Utility::Debug::hex << meshIndexTypeUnwrap(_indexType), {});
    CORRADE_ASSERT(Implementation::meshIndexTypeFor<T>() == _indexType,
        "Trade::MeshData::indices(): indices are" << _indexType << "but requested" << Implementation::meshIndexTypeFor<T>(), {});
    return Corrade::Containers::arrayCast<1, const T>(data);
}

template<class T> Corrade::Containers::StridedArrayView1D<T> MeshData::mutableIndices() {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::mutableIndices(): the mesh is not indexed", {});
    const Corrade::Containers::StridedArrayView2D<char> data = mutableIndices();
    CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(_indexType),
        "Trade::MeshData::mutableIndices(): can't cast data from an implementation-specific index type" << Corrade::Utility::Debug::hex << meshIndexTypeUnwrap(_indexType), {});
    CORRADE_ASSERT(Implementation::meshIndexTypeFor<T>() == _indexType,
        "Trade::MeshData::mutableIndices(): indices are" << _indexType << "but requested" << Implementation::meshIndexTypeFor<T>(), {});
    return Corrade::Containers::arrayCast<1, T>(data);
}

template<class T> bool MeshData::checkVertexFormatCompatibility(const MeshAttributeData& attribute, const char* const prefix) const {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format),
        prefix << "can't cast data from an implementation-specific vertex format" << Corrade::Utility::Debug::hex << vertexFormatUnwrap(attribute._format), false);
    CORRADE_ASSERT(Implementation::isVertexFormatCompatible<typename std::remove_extent<T>::type>(attribute._format),
        prefix << attribute._name << "is" << attribute._format << "but requested a type equivalent to" << Implementation::vertexFormatFor<typename std::remove_extent<T>::type>(), false);
    CORRADE_ASSERT(!attribute._arraySize || std::is_array<T>::value,
        prefix << attribute._name << "is an array attribute, use T[] to access it", false);
    static_cast<void>(attribute);
    static_cast<void>(prefix);
    return true;
}

template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView1D<const T> MeshData::attribute(const UnsignedInt id) const {
    const Corrade::Containers::StridedArrayView2D<const char> data = attribute(id);
    if(!checkVertexFormatCompatibility<T>(_attributes[id], "Trade::MeshData::attribute():")) return {};
    return Corrade::Containers::arrayCast<1, const T>(data);
}

template<class T, typename std::enable_if<std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView2D<const typename std::remove_extent<T>::type> MeshData::attribute(const UnsignedInt id) const {
    const Corrade::Containers::StridedArrayView2D<const char> data = attribute(id);
    if(!checkVertexFormatCompatibility<T>(_attributes[id], "Trade::MeshData::attribute():")) return {};
    return Implementation::arrayAttributeCast<const typename std::remove_extent<T>::type>(data);
}

template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView1D<T> MeshData::mutableAttribute(const UnsignedInt id) {
    const Corrade::Containers::StridedArrayView2D<char> data = mutableAttribute(id);
    if(!checkVertexFormatCompatibility<T>(_attributes[id], "Trade::MeshData::mutableAttribute():")) return {};
    return Corrade::Containers::arrayCast<1, T>(data);
}

template<class T, typename std::enable_if<std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView2D<typename std::remove_extent<T>::type> MeshData::mutableAttribute(const UnsignedInt id) {
    const Corrade::Containers::StridedArrayView2D<char> data = mutableAttribute(id);
    if(!checkVertexFormatCompatibility<T>(_attributes[id], "Trade::MeshData::mutableAttribute():")) return {};
    return Implementation::arrayAttributeCast<typename std::remove_extent<T>::type>(data);
}

template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView1D<const T> MeshData::attribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId);
    if(attributeId == ~UnsignedInt{}) {
        printAttributeNotFound("Trade::MeshData::attribute():", id, attributeCount(name, morphTargetId), name, morphTargetId);
        return {};
    }
    const Corrade::Containers::StridedArrayView2D<const char> data = attribute(attributeId);
    if(!checkVertexFormatCompatibility<T>(_attributes[attributeId], "Trade::MeshData::attribute():")) return {};
    return Corrade::Containers::arrayCast<1, const T>(data);
}

template<class T, typename std::enable_if<std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView2D<const typename std::remove_extent<T>::type> MeshData::attribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId);
    if(attributeId == ~UnsignedInt{}) {
        printAttributeNotFound("Trade::MeshData::attribute():", id, attributeCount(name, morphTargetId), name, morphTargetId);
        return {};
    }
    const Corrade::Containers::StridedArrayView2D<const char> data = attribute(attributeId);
    if(!checkVertexFormatCompatibility<T>(_attributes[attributeId], "Trade::MeshData::attribute():")) return {};
    return Implementation::arrayAttributeCast<const typename std::remove_extent<T>::type>(data);
}

template<class T, typename std::enable_if<!std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView1D<T> MeshData::mutableAttribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) {
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId);
    if(attributeId == ~UnsignedInt{}) {
        printAttributeNotFound("Trade::MeshData::mutableAttribute():", id, attributeCount(name, morphTargetId), name, morphTargetId);
        return {};
    }
    const Corrade::Containers::StridedArrayView2D<char> data = mutableAttribute(attributeId);
    if(!checkVertexFormatCompatibility<T>(_attributes[attributeId], "Trade::MeshData::mutableAttribute():")) return {};
    return Corrade::Containers::arrayCast<1, T>(data);
}

template<class T, typename std::enable_if<std::is_array<T>::value, int>::type> Corrade::Containers::StridedArrayView2D<typename std::remove_extent<T>::type> MeshData::mutableAttribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) {
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId);
    if(attributeId == ~UnsignedInt{}) {
        printAttributeNotFound("Trade::MeshData::mutableAttribute():", id, attributeCount(name, morphTargetId), name, morphTargetId);
        return {};
    }
    const Corrade::Containers::StridedArrayView2D<char> data = mutableAttribute(attributeId);
    if(!checkVertexFormatCompatibility<T>(_attributes[attributeId], "Trade::MeshData::mutableAttribute():")) return {};
    return Implementation::arrayAttributeCast<typename std::remove_extent<T>::type>(data);
}

}}

#endif
