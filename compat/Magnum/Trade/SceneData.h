#ifndef Magnum_Trade_SceneData_h
#define Magnum_Trade_SceneData_h
/* Imported scene: per-object fields over a shared object mapping */

#include <initializer_list>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Containers/StridedArrayView.h>

#include "Magnum/Magnum.h"
#include "Magnum/Trade/Data.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Scene object mapping type, zero is reserved for an invalid value */
enum class SceneMappingType: UnsignedByte {
    UnsignedByte = 1,   /**< UnsignedByte */
    UnsignedShort,      /**< UnsignedShort */
    UnsignedInt,        /**< UnsignedInt */
    UnsignedLong        /**< UnsignedLong */
};

/** Print a scene mapping type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, SceneMappingType value);

/** Size of a scene mapping type in bytes */
UnsignedInt sceneMappingTypeSize(SceneMappingType type);

namespace Implementation {
    enum: UnsignedInt { SceneFieldCustom = 0x80000000u };
}

/** Scene field name, custom fields occupy the upper half of the range */
enum class SceneField: UnsignedInt {
    Parent = 1,         /**< Parent object, -1 for top-level objects */
    Transformation,     /**< Transformation matrix */
    Translation,        /**< Translation */
    Rotation,           /**< Rotation */
    Scaling,            /**< Scaling */
    Mesh,               /**< Mesh ID */
    MeshMaterial,       /**< Material ID of the mesh, -1 for none */
    Light,              /**< Light ID */
    Camera,             /**< Camera ID */
    Skin,               /**< Skin ID */
    ImporterState       /**< Importer-specific state */
};

/** Print a scene field name */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, SceneField value);

/** Whether a scene field is custom */
constexpr bool isSceneFieldCustom(SceneField name) {
    return UnsignedInt(name) >= Implementation::SceneFieldCustom;
}

/** Create a custom scene field */
constexpr SceneField sceneFieldCustom(UnsignedInt id) {
    return CORRADE_CONSTEXPR_ASSERT(id < Implementation::SceneFieldCustom,
        "Trade::sceneFieldCustom(): index" << id << "too large"),
        SceneField(Implementation::SceneFieldCustom + id);
}

/** Index of a custom scene field */
constexpr UnsignedInt sceneFieldCustom(SceneField name) {
    return CORRADE_CONSTEXPR_ASSERT(isSceneFieldCustom(name),
        "Trade::sceneFieldCustom():" << name << "is not custom"),
        UnsignedInt(name) - Implementation::SceneFieldCustom;
}

/** Scene field type */
enum class SceneFieldType: UnsignedShort {
    Float = 14,
    Half, Double, UnsignedByte, Byte, UnsignedShort, Short, UnsignedInt, Int, UnsignedLong, Long,
    Vector2, Vector2h, Vector2d, Vector2ub, Vector2b, Vector2us, Vector2s, Vector2ui, Vector2i,
    Vector3, Vector3h, Vector3d, Vector3ub, Vector3b, Vector3us, Vector3s, Vector3ui, Vector3i,
    Vector4, Vector4h, Vector4d, Vector4ub, Vector4b, Vector4us, Vector4s, Vector4ui, Vector4i,
    Matrix2x2, Matrix2x2h, Matrix2x2d,
    Matrix2x3, Matrix2x3h, Matrix2x3d,
    Matrix2x4, Matrix2x4h, Matrix2x4d,
    Matrix3x2, Matrix3x2h, Matrix3x2d,
    Matrix3x3, Matrix3x3h, Matrix3x3d,
    Matrix3x4, Matrix3x4h, Matrix3x4d,
    Matrix4x2, Matrix4x2h, Matrix4x2d,
    Matrix4x3, Matrix4x3h, Matrix4x3d,
    Matrix4x4, Matrix4x4h, Matrix4x4d,
    Range1D, Range1Dh, Range1Dd, Range1Di,
    Range2D, Range2Dh, Range2Dd, Range2Di,
    Range3D, Range3Dh, Range3Dd, Range3Di,
    Complex, Complexd, DualComplex, DualComplexd,
    Quaternion, Quaterniond, DualQuaternion, DualQuaterniond,
    Deg, Degh, Degd, Rad, Radh, Radd,
    Pointer,            /**< const void* */
    MutablePointer      /**< void* */
};

/** Print a scene field type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, SceneFieldType value);

/** Size of a scene field type in bytes */
UnsignedInt sceneFieldTypeSize(SceneFieldType type);

/** Scene field flag */
enum class SceneFieldFlag: UnsignedByte {
    OffsetOnly = 1 << 0,                        /**< The field is offset-only */
    OrderedMapping = 1 << 1,                    /**< The mapping is ordered */
    ImplicitMapping = (1 << 2)|OrderedMapping,  /**< The mapping is the index */
    MultiEntry = 1 << 4                         /**< An object may have more than one entry */
};

/** Print a scene field flag */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, SceneFieldFlag value);

/** Scene field flags */
typedef Corrade::Containers::EnumSet<SceneFieldFlag> SceneFieldFlags;
CORRADE_ENUMSET_OPERATORS(SceneFieldFlags)

/** Print scene field flags */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, SceneFieldFlags value);

namespace Implementation {
    template<class T> struct SceneMappingTypeFor;
    template<> struct SceneMappingTypeFor<UnsignedByte> { static constexpr SceneMappingType type() { return SceneMappingType::UnsignedByte; } };
    template<> struct SceneMappingTypeFor<UnsignedShort> { static constexpr SceneMappingType type() { return SceneMappingType::UnsignedShort; } };
    template<> struct SceneMappingTypeFor<UnsignedInt> { static constexpr SceneMappingType type() { return SceneMappingType::UnsignedInt; } };
    template<> struct SceneMappingTypeFor<UnsignedLong> { static constexpr SceneMappingType type() { return SceneMappingType::UnsignedLong; } };

    template<class T> struct SceneFieldTypeFor;
    #define _c(type_) template<> struct SceneFieldTypeFor<type_> { static constexpr SceneFieldType type() { return SceneFieldType::type_; } };
    _c(Float)
    _c(Double)
    _c(UnsignedByte)
    _c(Byte)
    _c(UnsignedShort)
    _c(Short)
    _c(UnsignedInt)
    _c(Int)
    _c(UnsignedLong)
    _c(Long)
    _c(Vector2)
    _c(Vector2i)
    _c(Vector2ui)
    _c(Vector3)
    _c(Vector3i)
    _c(Vector3ui)
    _c(Vector4)
    _c(Vector4i)
    _c(Vector4ui)
    _c(Matrix3x3)
    _c(Matrix4x4)
    _c(Quaternion)
    #undef _c
    template<> struct SceneFieldTypeFor<Math::Matrix3<Float>> { static constexpr SceneFieldType type() { return SceneFieldType::Matrix3x3; } };
    template<> struct SceneFieldTypeFor<Math::Matrix4<Float>> { static constexpr SceneFieldType type() { return SceneFieldType::Matrix4x4; } };
    template<> struct SceneFieldTypeFor<Math::Color3<Float>> { static constexpr SceneFieldType type() { return SceneFieldType::Vector3; } };
    template<> struct SceneFieldTypeFor<Math::Color4<Float>> { static constexpr SceneFieldType type() { return SceneFieldType::Vector4; } };
    template<> struct SceneFieldTypeFor<const void*> { static constexpr SceneFieldType type() { return SceneFieldType::Pointer; } };
    template<> struct SceneFieldTypeFor<void*> { static constexpr SceneFieldType type() { return SceneFieldType::MutablePointer; } };
}

/** Scene field data, used to populate a SceneData */
class SceneFieldData {
    public:
        /** Default constructor, contents to be replaced later */
        constexpr explicit SceneFieldData() noexcept: _size{}, _name{}, _flags{}, _mappingType{}, _mappingStride{}, _fieldType{}, _fieldStride{}, _fieldArraySize{}, _mappingData{}, _fieldData{} {}

        /** Type-erased constructor; expects views of the same size and a type valid for @p name */
        explicit SceneFieldData(SceneField name, SceneMappingType mappingType, const Containers::StridedArrayView1D<const void>& mappingData, SceneFieldType fieldType, const Containers::StridedArrayView1D<const void>& fieldData, UnsignedShort fieldArraySize = 0, SceneFieldFlags flags = {}) noexcept;

        /** Type-erased constructor with flags and no array size */
        explicit SceneFieldData(SceneField name, SceneMappingType mappingType, const Containers::StridedArrayView1D<const void>& mappingData, SceneFieldType fieldType, const Containers::StridedArrayView1D<const void>& fieldData, SceneFieldFlags flags) noexcept: SceneFieldData{name, mappingType, mappingData, fieldType, fieldData, 0, flags} {}

        /** Typed constructor, the types are inferred */
        template<class T, class U> explicit SceneFieldData(SceneField name, const Containers::StridedArrayView1D<T>& mappingData, const Containers::StridedArrayView1D<U>& fieldData, SceneFieldFlags flags = {}) noexcept: SceneFieldData{name, Implementation::SceneMappingTypeFor<typename std::remove_const<T>::type>::type(), Containers::StridedArrayView1D<const void>{mappingData}, Implementation::SceneFieldTypeFor<typename std::remove_const<U>::type>::type(), Containers::StridedArrayView1D<const void>{fieldData}, 0, flags} {}
        /** Typed constructor from a contiguous field view */
        template<class T, class U> explicit SceneFieldData(SceneField name, const Containers::StridedArrayView1D<T>& mappingData, const Containers::ArrayView<U>& fieldData, SceneFieldFlags flags = {}) noexcept: SceneFieldData{name, mappingData, Containers::StridedArrayView1D<U>{fieldData}, flags} {}
        /** Typed constructor from a contiguous mapping view */
        template<class T, class U> explicit SceneFieldData(SceneField name, const Containers::ArrayView<T>& mappingData, const Containers::StridedArrayView1D<U>& fieldData, SceneFieldFlags flags = {}) noexcept: SceneFieldData{name, Containers::StridedArrayView1D<T>{mappingData}, fieldData, flags} {}
        /** Typed constructor from contiguous views */
        template<class T, class U> explicit SceneFieldData(SceneField name, const Containers::ArrayView<T>& mappingData, const Containers::ArrayView<U>& fieldData, SceneFieldFlags flags = {}) noexcept: SceneFieldData{name, Containers::StridedArrayView1D<T>{mappingData}, Containers::StridedArrayView1D<U>{fieldData}, flags} {}

        /** Offset-only constructor, the views get resolved against the data passed to SceneData */
        explicit SceneFieldData(SceneField name, std::size_t size, SceneMappingType mappingType, std::size_t mappingOffset, std::ptrdiff_t mappingStride, SceneFieldType fieldType, std::size_t fieldOffset, std::ptrdiff_t fieldStride, UnsignedShort fieldArraySize = 0, SceneFieldFlags flags = {}) noexcept;

        /** Field flags */
        SceneFieldFlags flags() const { return _flags; }
        /** Field name */
        SceneField name() const { return _name; }
        /** Number of entries */
        std::size_t size() const { return _size; }
        /** Object mapping type */
        SceneMappingType mappingType() const { return _mappingType; }
        /** Type-erased mapping data; expects the field not to be offset-only */
        Containers::StridedArrayView1D<const void> mappingData() const;
        /** Type-erased mapping data, resolving an offset-only field against @p data */
        Containers::StridedArrayView1D<const void> mappingData(Containers::ArrayView<const void> data) const;
        /** Field type */
        SceneFieldType fieldType() const { return _fieldType; }
        /** Field array size, 0 for non-array fields */
        UnsignedShort fieldArraySize() const { return _fieldArraySize; }
        /** Type-erased field data; expects the field not to be offset-only */
        Containers::StridedArrayView1D<const void> fieldData() const;
        /** Type-erased field data, resolving an offset-only field against @p data */
        Containers::StridedArrayView1D<const void> fieldData(Containers::ArrayView<const void> data) const;

    private:
        friend SceneData;

        std::size_t _size;
        SceneField _name;
        SceneFieldFlags _flags;
        SceneMappingType _mappingType;
        Short _mappingStride;
        SceneFieldType _fieldType;
        Short _fieldStride;
        UnsignedShort _fieldArraySize;
        union Data {
            constexpr Data(const void* pointer = nullptr): pointer{pointer} {}
            constexpr Data(std::size_t offset): offset{offset} {}
            const void* pointer;
            std::size_t offset;
        } _mappingData, _fieldData;
};

/** Scene data */
class SceneData {
    public:
        /** Owned data; expects @p mappingType to fit @p mappingBound, every field of that mapping type and contained in @p data, and each builtin field at most once */
        explicit SceneData(SceneMappingType mappingType, UnsignedLong mappingBound, Containers::Array<char>&& data, Containers::Array<SceneFieldData>&& fields, const void* importerState = nullptr) noexcept;
        /** Owned data with fields from an initializer list */
        explicit SceneData(SceneMappingType mappingType, UnsignedLong mappingBound, Containers::Array<char>&& data, std::initializer_list<SceneFieldData> fields, const void* importerState = nullptr);
        /** Non-owned data; expects @p dataFlags not to contain DataFlag::Owned */
        explicit SceneData(SceneMappingType mappingType, UnsignedLong mappingBound, DataFlags dataFlags, Containers::ArrayView<const void> data, Containers::Array<SceneFieldData>&& fields, const void* importerState = nullptr) noexcept;
        /** Non-owned data with fields from an initializer list */
        explicit SceneData(SceneMappingType mappingType, UnsignedLong mappingBound, DataFlags dataFlags, Containers::ArrayView<const void> data, std::initializer_list<SceneFieldData> fields, const void* importerState = nullptr);

        SceneData(const SceneData&) = delete;
        SceneData(SceneData&&) noexcept;
        ~SceneData();
        SceneData& operator=(const SceneData&) = delete;
        SceneData& operator=(SceneData&&) noexcept;

        /** Data flags */
        DataFlags dataFlags() const { return _dataFlags; }
        /** Raw data */
        Containers::ArrayView<const char> data() const & { return _data; }
        Containers::ArrayView<const char> data() const && = delete;
        /** Object mapping type */
        SceneMappingType mappingType() const { return _mappingType; }
        /** One past the highest object ID the scene may reference */
        UnsignedLong mappingBound() const { return _mappingBound; }
        /** Field count */
        UnsignedInt fieldCount() const { return UnsignedInt(_fields.size()); }
        /** Raw field descriptions */
        Containers::ArrayView<const SceneFieldData> fieldData() const & { return _fields; }
        Containers::ArrayView<const SceneFieldData> fieldData() const && = delete;
        /** Field description; expects @p id below fieldCount() */
        SceneFieldData fieldData(UnsignedInt id) const;
        /** Field name; expects @p id below fieldCount() */
        SceneField fieldName(UnsignedInt id) const;
        /** Field flags; expects @p id below fieldCount() */
        SceneFieldFlags fieldFlags(UnsignedInt id) const;
        /** Field type; expects @p id below fieldCount() */
        SceneFieldType fieldType(UnsignedInt id) const;
        /** Number of entries of a field; expects @p id below fieldCount() */
        std::size_t fieldSize(UnsignedInt id) const;
        /** Field array size; expects @p id below fieldCount() */
        UnsignedShort fieldArraySize(UnsignedInt id) const;

        /** Whether the transformation fields are 2D */
        bool is2D() const { return _dimensions == 2; }
        /** Whether the transformation fields are 3D; a scene without them is neither */
        bool is3D() const { return _dimensions == 3; }

        /** ID of a named field, if present */
        Containers::Optional<UnsignedInt> findFieldId(SceneField name) const;
        /** ID of a named field; expects it to be present */
        UnsignedInt fieldId(SceneField name) const;
        /** Whether the scene has a field */
        bool hasField(SceneField name) const;
        /** Flags of a named field; expects it to be present */
        SceneFieldFlags fieldFlags(SceneField name) const;
        /** Type of a named field; expects it to be present */
        SceneFieldType fieldType(SceneField name) const;
        /** Number of entries of a named field; expects it to be present */
        std::size_t fieldSize(SceneField name) const;
        /** Array size of a named field; expects it to be present */
        UnsignedShort fieldArraySize(SceneField name) const;

        /** Object mapping of a field as bytes; expects @p fieldId below fieldCount() */
        Containers::StridedArrayView2D<const char> mapping(UnsignedInt fieldId) const;
        /** Object mapping of a field in a concrete type; expects the type to match mappingType() */
        template<class T> Containers::StridedArrayView1D<const T> mapping(UnsignedInt fieldId) const;
        /** Object mapping of a named field as bytes; expects the field to be present */
        Containers::StridedArrayView2D<const char> mapping(SceneField fieldName) const;
        /** Object mapping of a named field in a concrete type */
        template<class T> Containers::StridedArrayView1D<const T> mapping(SceneField fieldName) const;

        /** Field data as bytes; expects @p id below fieldCount() */
        Containers::StridedArrayView2D<const char> field(UnsignedInt id) const;
        /** Field data in a concrete type; expects a compatible type */
        template<class T> Containers::StridedArrayView1D<const T> field(UnsignedInt id) const;
        /** Named field data as bytes; expects the field to be present */
        Containers::StridedArrayView2D<const char> field(SceneField name) const;
        /** Named field data in a concrete type */
        template<class T> Containers::StridedArrayView1D<const T> field(SceneField name) const;

        /** Object mapping of a field converted to 32-bit integers */
        Containers::Array<UnsignedInt> mappingAsArray(UnsignedInt fieldId) const;
        /** Object mapping of a named field converted to 32-bit integers */
        Containers::Array<UnsignedInt> mappingAsArray(SceneField fieldName) const;

        /** Object and parent pairs; expects the Parent field to be present */
        Containers::Array<Containers::Pair<UnsignedInt, Int>> parentsAsArray() const;
        /** Object and 3D transformation pairs, from the Transformation field or else from translation, rotation and scaling; expects one of them and a scene that isn't 2D */
        Containers::Array<Containers::Pair<UnsignedInt, Matrix4>> transformations3DAsArray() const;
        /** Object, mesh and material triples, material -1 where there is none; expects the Mesh field */
        Containers::Array<Containers::Pair<UnsignedInt, Containers::Pair<UnsignedInt, Int>>> meshesMaterialsAsArray() const;
        /** Object and light pairs; expects the Light field */
        Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> lightsAsArray() const;
        /** Object and camera pairs; expects the Camera field */
        Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> camerasAsArray() const;
        /** Object and skin pairs; expects the Skin field */
        Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> skinsAsArray() const;

        /** Parent of an object, -1 for a top-level object, empty if the object has no parent entry; expects @p object below mappingBound() */
        Containers::Optional<Long> parentFor(UnsignedLong object) const;
        /** Objects that list @p object as their parent, in field order, -1 for top-level objects; expects @p object below mappingBound() */
        Containers::Array<UnsignedLong> childrenFor(Long object) const;

        /** Release the field descriptions */
        Containers::Array<SceneFieldData> releaseFieldData();
        /** Release the data */
        Containers::Array<char> releaseData();
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        UnsignedInt findFieldIdInternal(SceneField name) const;
        Containers::StridedArrayView1D<const void> mappingViewInternal(const SceneFieldData& field) const;
        Containers::StridedArrayView1D<const void> fieldViewInternal(const SceneFieldData& field) const;
        UnsignedInt mappingEntry(const SceneFieldData& field, std::size_t i) const;
        UnsignedLong mappingEntry64(const SceneFieldData& field, std::size_t i) const;
        Long signedEntry(const SceneFieldData& field, std::size_t i) const;
        UnsignedInt unsignedEntry(const SceneFieldData& field, std::size_t i) const;
        Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> unsignedIndexFieldAsArray(UnsignedInt fieldId) const;
        static bool checkFieldType(const SceneFieldData& field, SceneFieldType type, const char* prefix);

        DataFlags _dataFlags;
        SceneMappingType _mappingType;
        UnsignedByte _dimensions;
        UnsignedLong _mappingBound;
        const void* _importerState;
        Containers::Array<SceneFieldData> _fields;
        Containers::Array<char> _data;
};

template<class T> Containers::StridedArrayView1D<const T> SceneData::mapping(const UnsignedInt fieldId) const {
    const Containers::StridedArrayView2D<const char> data = mapping(fieldId);
    if(!data.stride()[1] && !data.size()[1]) return {};
    CORRADE_ASSERT(Implementation::SceneMappingTypeFor<T>::type() == _mappingType,
        "Trade::SceneData::mapping(): mapping is" << _mappingType << "but requested" << Implementation::SceneMappingTypeFor<T>::type(), {});
    return Containers::arrayCast<1, const T>(data);
}

template<class T> Containers::StridedArrayView1D<const T> SceneData::mapping(const SceneField fieldName) const {
    const UnsignedInt fieldId = findFieldIdInternal(fieldName);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{}, "Trade::SceneData::mapping(): field" << fieldName << "not found", {});
    return mapping<T>(fieldId);
}

template<class T> Containers::StridedArrayView1D<const T> SceneData::field(const UnsignedInt id) const {
    const Containers::StridedArrayView2D<const char> data = field(id);
    if(!data.stride()[1] && !data.size()[1]) return {};
    if(!checkFieldType(_fields[id], Implementation::SceneFieldTypeFor<T>::type(), "Trade::SceneData::field():")) return {};
    return Containers::arrayCast<1, const T>(data);
}

template<class T> Containers::StridedArrayView1D<const T> SceneData::field(const SceneField name) const {
    const UnsignedInt fieldId = findFieldIdInternal(name);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{}, "Trade::SceneData::field(): field" << name << "not found", {});
    return field<T>(fieldId);
}

}}

#endif
