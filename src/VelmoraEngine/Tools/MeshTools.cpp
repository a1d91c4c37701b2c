#include "VelmoraEngine/Tools/MeshTools.h"

#include <cstring>
#include <type_traits>
#include <utility>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/PackingBatch.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/MeshTools/Duplicate.h>
#include <Magnum/MeshTools/GenerateIndices.h>
#include <Magnum/MeshTools/GenerateNormals.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>
#include <mikktspace.h>

#include "VelmoraEngine/Implementation/Packing.h"
#include "VelmoraEngine/Implementation/VertexBuffer.h"

namespace VelmoraEngine { namespace MeshTools {

using namespace Magnum;
using namespace Corrade;

namespace {

/* Every edit ends here: the buffers move into the result, importer state is
   dropped. An empty attribute list has no vertex count to give, so the
   input's count is kept then. */
Trade::MeshData rebuildMesh(Trade::MeshData& meshData, Containers::Array<char>&& vertexData, Containers::Array<Trade::MeshAttributeData>&& attributes, const UnsignedInt vertexCount) {
    CORRADE_INTERNAL_ASSERT(meshData.vertexDataFlags() >= Trade::DataFlag::Owned);
    const UnsignedInt resultVertexCount = attributes.isEmpty() ? vertexCount : Trade::MeshData::ImplicitVertexCount;
    const MeshPrimitive primitive = meshData.primitive();
    if(meshData.isIndexed()) {
        CORRADE_INTERNAL_ASSERT(meshData.indexDataFlags() >= Trade::DataFlag::Owned);
        CORRADE_INTERNAL_ASSERT(!isMeshIndexTypeImplementationSpecific(meshData.indexType()));
        const Trade::MeshIndexData indices{meshData.indices()};
        Containers::Array<char> indexData = meshData.releaseIndexData();
        return Trade::MeshData{primitive, std::move(indexData), indices, std::move(vertexData), std::move(attributes), resultVertexCount, nullptr};
    }
    return Trade::MeshData{primitive, std::move(vertexData), std::move(attributes), resultVertexCount, nullptr};
}

/* An offset-form copy of an entry, valid wherever the buffer moves. Array
   size and morph target stay, skinning arrays from an importer have to
   remain arrays to be usable. */
Trade::MeshAttributeData offsetForm(const Trade::MeshAttributeData& attribute, const Containers::ArrayView<const char> vertexData, const UnsignedInt vertexCount) {
    return Trade::MeshAttributeData{attribute.name(), attribute.format(), attribute.offset(vertexData), vertexCount, attribute.stride(), attribute.arraySize(), attribute.morphTargetId()};
}

/* Whether an entry is (name, id), with counter the number of entries
   (name, any id) seen so far. Ids count among the attributes that aren't
   morph targets, as in Trade::MeshData; AllAttributes takes morph targets of
   the name too. */
bool matches(const Trade::MeshAttributeData& attribute, const Trade::MeshAttribute name, const unsigned int id, unsigned int& counter) {
    if(attribute.name() != name) return false;
    if(id == AllAttributes) return true;
    if(attribute.morphTargetId() != -1) return false;
    return counter++ == id;
}

}

Trade::MeshData insertAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute name, const VertexFormat format, const unsigned int id) {
    const UnsignedInt vertexCount = meshData.vertexCount();
    const UnsignedInt attributeCount = meshData.attributeCount();
    const std::size_t formatSize = vertexFormatSize(format);
    /* The block starts at the end of the buffer, moved up to the alignment
       of one component if needed, so typed access never sees misaligned
       values (after a 6-byte packed normal, say) */
    const std::size_t alignment = vertexFormatSize(vertexFormatComponentFormat(format));
    const std::size_t blockOffset = (meshData.vertexData().size() + alignment - 1)/alignment*alignment;

    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, attributeCount + 1};
    const Containers::Optional<UnsignedInt> found = meshData.findAttributeId(name, id);
    const UnsignedInt position = found ? *found : attributeCount;
    const Containers::ArrayView<const char> vertexData = meshData.vertexData();
    for(UnsignedInt i = 0; i != attributeCount; ++i) {
        const Trade::MeshAttributeData& attribute = meshData.attributeData()[i];
        /* View-form entries point into the buffer, which may move below */
        attributes[i < position ? i : i + 1] = attribute.isOffsetOnly() ? attribute : offsetForm(attribute, vertexData, vertexCount);
    }
    attributes[position] = Trade::MeshAttributeData{name, format, blockOffset, vertexCount, std::ptrdiff_t(formatSize), 0};

    /* Sizes in std::size_t, a 32-bit product would wrap for big meshes */
    Containers::Array<char> buffer = meshData.releaseVertexData();
    std::size_t added = formatSize*std::size_t(vertexCount);
    if(added) {
        added += blockOffset - buffer.size();
        const Containers::ArrayView<char> block = Implementation::growVertexBuffer(buffer, added);
        std::memset(block.data(), 0, added);
    }

    return rebuildMesh(meshData, std::move(buffer), std::move(attributes), vertexCount);
}

Trade::MeshData removeAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute name, const unsigned int id) {
    if(!meshData.attributeCount(name)) return std::move(meshData);

    const UnsignedInt vertexCount = meshData.vertexCount();
    const UnsignedInt attributeCount = meshData.attributeCount();
    const Containers::ArrayView<const char> vertexData = meshData.vertexData();

    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, attributeCount};
    std::size_t kept = 0;
    unsigned int counter = 0;
    for(UnsignedInt i = 0; i != attributeCount; ++i) {
        const Trade::MeshAttributeData& attribute = meshData.attributeData()[i];
        if(matches(attribute, name, id, counter)) continue;
        attributes[kept++] = offsetForm(attribute, vertexData, vertexCount);
    }

    /* Shrink to the kept entries, the list is small */
    if(kept != attributeCount) {
        Containers::Array<Trade::MeshAttributeData> shrunk{ValueInit, kept};
        for(std::size_t i = 0; i != kept; ++i) shrunk[i] = attributes[i];
        attributes = std::move(shrunk);
    }

    Containers::Array<char> buffer = meshData.releaseVertexData();
    return rebuildMesh(meshData, std::move(buffer), std::move(attributes), vertexCount);
}

Trade::MeshData renameAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute from, const Trade::MeshAttribute to, const unsigned int id) {
    const UnsignedInt vertexCount = meshData.vertexCount();
    Containers::Array<Trade::MeshAttributeData> attributes = meshData.releaseAttributeData();
    const Containers::ArrayView<const char> vertexData = meshData.vertexData();

    /* Only a list allocated with new[] surely belongs to the mesh. Any other
       deleter may be a non-owning wrapper around the caller's array, read-only
       even, so rename in a copy then. */
    if(attributes.deleter()) {
        Containers::Array<Trade::MeshAttributeData> copy{ValueInit, attributes.size()};
        for(std::size_t i = 0; i != attributes.size(); ++i) copy[i] = attributes[i];
        attributes = std::move(copy);
    }

    unsigned int counter = 0;
    for(Trade::MeshAttributeData& attribute: attributes)
        if(matches(attribute, from, id, counter))
            attribute = Trade::MeshAttributeData{to, attribute.format(), attribute.data(vertexData), attribute.arraySize(), attribute.morphTargetId()};

    Containers::Array<char> buffer = meshData.releaseVertexData();
    return rebuildMesh(meshData, std::move(buffer), std::move(attributes), vertexCount);
}

namespace {

template<class T> struct ComponentFormat;
template<> struct ComponentFormat<Float> { static VertexFormat format() { return VertexFormat::Float; } };
template<> struct ComponentFormat<Byte> { static VertexFormat format() { return VertexFormat::Byte; } };
template<> struct ComponentFormat<UnsignedByte> { static VertexFormat format() { return VertexFormat::UnsignedByte; } };
template<> struct ComponentFormat<Short> { static VertexFormat format() { return VertexFormat::Short; } };
template<> struct ComponentFormat<UnsignedShort> { static VertexFormat format() { return VertexFormat::UnsignedShort; } };

/* Normalized only for integer targets of a normalized cast */
template<class To> VertexFormat targetFormat(bool normalizedCast) {
    typedef typename To::Type T;
    return vertexFormat(ComponentFormat<T>::format(), To::Size, normalizedCast && !std::is_floating_point<T>::value);
}

template<class From, class To> struct ValueCast {
    static To convert(const From& value) {
        To out{NoInit};
        for(std::size_t i = 0; i != To::Size; ++i)
            out[i] = typename To::Type(value[i]);
        return out;
    }
};
template<> struct ValueCast<Math::Color3<Float>, Math::Color4<Float>> {
    static Math::Color4<Float> convert(const Math::Color3<Float>& value) {
        return {value.r(), value.g(), value.b(), 1.0f};
    }
};

template<class From, class To, bool = std::is_floating_point<typename From::Type>::value> struct NormalizedCast {
    /* Integers to floats */
    static void convert(const Containers::StridedArrayView1D<const From>& source, const Containers::StridedArrayView1D<To>& target) {
        Math::unpackInto(Containers::arrayCast<2, const typename From::Type>(source), Containers::arrayCast<2, typename To::Type>(target));
    }
};
/* Vertices clamped at a time before packing, on the stack */
constexpr std::size_t PackChunkSize = 64;

template<class From, class To> struct NormalizedCast<From, To, true> {
    /* Floats to integers, clamped first. The source can't be clamped in
       place, its bytes may be shared with other attributes, so it goes
       through a small buffer. */
    static void convert(const Containers::StridedArrayView1D<const From>& source, const Containers::StridedArrayView1D<To>& target) {
        typedef typename From::Type Type;
        constexpr Type min = std::is_signed<typename To::Type>::value ? Type(-1) : Type(0);

        From chunk[PackChunkSize];
        for(std::size_t offset = 0, size = source.size(); offset < size; offset += PackChunkSize) {
            const std::size_t count = Math::min(PackChunkSize, size - offset);
            for(std::size_t i = 0; i != count; ++i) {
                const From& value = source[offset + i];
                for(std::size_t c = 0; c != From::Size; ++c)
                    chunk[i][c] = Implementation::clampForPacking(value[c], min);
            }
            Math::packInto(
                Containers::arrayCast<2, const Type>(Containers::StridedArrayView1D<const From>{Containers::arrayView(chunk).prefix(count)}),
                Containers::arrayCast<2, typename To::Type>(target.sliceSize(offset, count)));
        }
    }
};

}

template<class From, class To> Trade::MeshData castAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute name, const unsigned int id) {
    CORRADE_ASSERT(meshData.attributeCount(name),
        "MeshTools::castAttribute(): mesh has no" << name, (Trade::MeshData{MeshPrimitive::Points, 0}));
    CORRADE_ASSERT(id < meshData.attributeCount(name),
        "MeshTools::castAttribute(): index out of range", (Trade::MeshData{MeshPrimitive::Points, 0}));
    Trade::MeshData out = insertAttribute(std::move(meshData), name, targetFormat<To>(false), id);
    const Containers::StridedArrayView1D<const From> source = out.attribute<From>(name, id + 1);
    const Containers::StridedArrayView1D<To> target = out.mutableAttribute<To>(name, id);
    for(std::size_t i = 0, size = source.size(); i != size; ++i)
        target[i] = ValueCast<From, To>::convert(source[i]);
    return removeAttribute(std::move(out), name, id + 1);
}

template<class From, class To> Trade::MeshData castNormalizedAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute name, const unsigned int id) {
    CORRADE_ASSERT(meshData.attributeCount(name),
        "MeshTools::castNormalizedAttribute(): mesh has no" << name, (Trade::MeshData{MeshPrimitive::Points, 0}));
    CORRADE_ASSERT(id < meshData.attributeCount(name),
        "MeshTools::castNormalizedAttribute(): index out of range", (Trade::MeshData{MeshPrimitive::Points, 0}));
    Trade::MeshData out = insertAttribute(std::move(meshData), name, targetFormat<To>(true), id);
    NormalizedCast<From, To>::convert(out.attribute<From>(name, id + 1), out.mutableAttribute<To>(name, id));
    return removeAttribute(std::move(out), name, id + 1);
}

#define VELMORA_CAST(function, From, To) \
    template VELMORAENGINE_TOOLS_EXPORT Trade::MeshData function<From, To>(Trade::MeshData&&, Trade::MeshAttribute, unsigned int);
VELMORA_CAST(castAttribute, Math::Color3<Float>, Math::Color4<Float>)
VELMORA_CAST(castAttribute, Math::Vector2<Byte>, Math::Vector2<Float>)
VELMORA_CAST(castAttribute, Math::Vector2<UnsignedByte>, Math::Vector2<Float>)
VELMORA_CAST(castAttribute, Math::Vector2<Short>, Math::Vector2<Float>)
VELMORA_CAST(castAttribute, Math::Vector2<UnsignedShort>, Math::Vector2<Float>)
VELMORA_CAST(castAttribute, Math::Vector3<Byte>, Math::Vector3<Float>)
VELMORA_CAST(castAttribute, Math::Vector3<UnsignedByte>, Math::Vector3<Float>)
VELMORA_CAST(castAttribute, Math::Vector3<Short>, Math::Vector3<Float>)
VELMORA_CAST(castAttribute, Math::Vector3<UnsignedShort>, Math::Vector3<Float>)
VELMORA_CAST(castAttribute, Math::Vector4<UnsignedByte>, Math::Vector4<UnsignedShort>)
VELMORA_CAST(castAttribute, Math::Vector4<UnsignedInt>, Math::Vector4<UnsignedShort>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector2<Byte>, Math::Vector2<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector2<UnsignedByte>, Math::Vector2<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector2<Short>, Math::Vector2<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector2<UnsignedShort>, Math::Vector2<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector3<Byte>, Math::Vector3<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector3<UnsignedByte>, Math::Vector3<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector3<Short>, Math::Vector3<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector3<UnsignedShort>, Math::Vector3<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector3<Float>, Math::Vector3<Short>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<Byte>, Math::Vector4<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<UnsignedByte>, Math::Vector4<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<Short>, Math::Vector4<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<UnsignedShort>, Math::Vector4<Float>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<Float>, Math::Vector4<Short>)
VELMORA_CAST(castNormalizedAttribute, Math::Vector4<Float>, Math::Vector4<UnsignedShort>)
#undef VELMORA_CAST

Trade::MeshData convertToTriangles(Trade::MeshData&& meshData) {
    Trade::MeshData mesh = std::move(meshData);
    if(mesh.primitive() == MeshPrimitive::Triangles) return mesh;
    if(mesh.isIndexed()) mesh = Magnum::MeshTools::duplicate(mesh, {});
    return Magnum::MeshTools::generateIndices(std::move(mesh));
}

namespace {

bool firstAttributeHasFormat(const Trade::MeshData& mesh, const Trade::MeshAttribute name, const VertexFormat format) {
    return mesh.attributeCount(name) && mesh.attributeFormat(name, 0) == format;
}

/* Makes sure the first attribute @p name exists in @p format, replacing all
   of that name if the first one has another format */
Trade::MeshData ensureFirstAttribute(Trade::MeshData&& meshData, const Trade::MeshAttribute name, const VertexFormat format) {
    Trade::MeshData mesh = std::move(meshData);
    if(mesh.attributeCount(name) && mesh.attributeFormat(name, 0) != format)
        mesh = removeAttribute(std::move(mesh), name, AllAttributes);
    if(!mesh.attributeCount(name))
        mesh = insertAttribute(std::move(mesh), name, format, 0);
    return mesh;
}

}

Trade::MeshData generateNormals(Trade::MeshData&& meshData) {
    CORRADE_ASSERT(firstAttributeHasFormat(meshData, Trade::MeshAttribute::Position, VertexFormat::Vector3),
        "MeshTools::generateNormals(): mesh must have Vector3 position attribute", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(meshData.primitive() == MeshPrimitive::Triangles,
        "MeshTools::generateNormals(): mesh must have triangle primitives", (Trade::MeshData{MeshPrimitive::Triangles, 0}));

    Trade::MeshData mesh = ensureFirstAttribute(std::move(meshData), Trade::MeshAttribute::Normal, VertexFormat::Vector3);
    const Containers::StridedArrayView1D<const Vector3> positions = mesh.attribute<Vector3>(Trade::MeshAttribute::Position);
    const Containers::StridedArrayView1D<Vector3> normals = mesh.mutableAttribute<Vector3>(Trade::MeshAttribute::Normal);
    if(mesh.isIndexed()) {
        const Containers::StridedArrayView2D<const char> indices = mesh.indices();
        Magnum::MeshTools::generateSmoothNormalsInto(indices.prefix(indices.size()[0]/3*3), positions, normals);
    } else {
        const std::size_t count = mesh.vertexCount()/3*3;
        Magnum::MeshTools::generateFlatNormalsInto(positions.prefix(count), normals.prefix(count));
    }
    return mesh;
}

namespace {

/* Handed to MikkTSpace as user data; the index type is resolved once into
   vertexIndex instead of in every callback */
struct TangentSpaceData {
    UnsignedInt faceCount;
    Containers::StridedArrayView1D<const Vector3> positions;
    Containers::StridedArrayView1D<const Vector3> normals;
    Containers::StridedArrayView1D<const Vector2> textureCoordinates;
    Containers::StridedArrayView1D<Vector4> tangents;
    Containers::StridedArrayView1D<const UnsignedByte> indices8;
    Containers::StridedArrayView1D<const UnsignedShort> indices16;
    Containers::StridedArrayView1D<const UnsignedInt> indices32;
    Int(*vertexIndex)(const TangentSpaceData&, Int face, Int corner);
};

Int nonIndexedVertex(const TangentSpaceData&, const Int face, const Int corner) { return face*3 + corner; }
Int indexedVertex8(const TangentSpaceData& data, const Int face, const Int corner) { return data.indices8[face*3 + corner]; }
Int indexedVertex16(const TangentSpaceData& data, const Int face, const Int corner) { return data.indices16[face*3 + corner]; }
Int indexedVertex32(const TangentSpaceData& data, const Int face, const Int corner) { return Int(data.indices32[face*3 + corner]); }

#ifndef CORRADE_NO_ASSERT
/* Largest of the first count indices of a mesh, 0 for none */
template<class T> UnsignedInt maxIndex(const Containers::StridedArrayView1D<const T>& indices, const std::size_t count) {
    UnsignedInt max = 0;
    for(std::size_t i = 0; i != count; ++i)
        max = Math::max(max, UnsignedInt(indices[i]));
    return max;
}

UnsignedInt maxIndex(const Trade::MeshData& mesh, const std::size_t count) {
    switch(mesh.indexType()) {
        case MeshIndexType::UnsignedByte: return maxIndex(mesh.indices<UnsignedByte>(), count);
        case MeshIndexType::UnsignedShort: return maxIndex(mesh.indices<UnsignedShort>(), count);
        case MeshIndexType::UnsignedInt: return maxIndex(mesh.indices<UnsignedInt>(), count);
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}
#endif

const TangentSpaceData& tangentSpaceData(const SMikkTSpaceContext* context) {
    return *static_cast<const TangentSpaceData*>(context->m_pUserData);
}

int getNumFaces(const SMikkTSpaceContext* context) {
    return int(tangentSpaceData(context).faceCount);
}

int getNumVerticesOfFace(const SMikkTSpaceContext*, int) { return 3; }

void getPosition(const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
    const TangentSpaceData& data = tangentSpaceData(context);
    const Vector3& position = data.positions[data.vertexIndex(data, face, corner)];
    out[0] = position.x();
    out[1] = position.y();
    out[2] = position.z();
}

void getNormal(const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
    const TangentSpaceData& data = tangentSpaceData(context);
    const Vector3& normal = data.normals[data.vertexIndex(data, face, corner)];
    out[0] = normal.x();
    out[1] = normal.y();
    out[2] = normal.z();
}

void getTexCoord(const SMikkTSpaceContext* context, float out[], const int face, const int corner) {
    const TangentSpaceData& data = tangentSpaceData(context);
    const Vector2& textureCoordinates = data.textureCoordinates[data.vertexIndex(data, face, corner)];
    out[0] = textureCoordinates.x();
    out[1] = textureCoordinates.y();
}

void setTSpaceBasic(const SMikkTSpaceContext* context, const float tangent[], const float sign, const int face, const int corner) {
    const TangentSpaceData& data = tangentSpaceData(context);
    data.tangents[data.vertexIndex(data, face, corner)] = Vector4{tangent[0], tangent[1], tangent[2], sign};
}

}

Trade::MeshData generateTangents(Trade::MeshData&& meshData) {
    CORRADE_ASSERT(firstAttributeHasFormat(meshData, Trade::MeshAttribute::Position, VertexFormat::Vector3),
        "MeshTools::generateTangents(): mesh must have Vector3 position attribute", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(firstAttributeHasFormat(meshData, Trade::MeshAttribute::Normal, VertexFormat::Vector3),
        "MeshTools::generateTangents(): mesh must have Vector3 normal attribute", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(firstAttributeHasFormat(meshData, Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2),
        "MeshTools::generateTangents(): mesh must have Vector2 texture coordinates attribute", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(meshData.primitive() == MeshPrimitive::Triangles,
        "MeshTools::generateTangents(): mesh must have triangle primitives", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    /* With an implementation-specific index type there's no way to read the
       indices, refuse before anything changes */
    CORRADE_ASSERT(!meshData.isIndexed() || !isMeshIndexTypeImplementationSpecific(meshData.indexType()),
        "MeshTools::generateTangents(): mesh must not have an implementation-specific index type", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    /* MikkTSpace reads and writes the attributes at the indices as they are,
       and the views check their range only in debug builds */
    #ifndef CORRADE_NO_ASSERT
    if(meshData.isIndexed() && meshData.indexCount() >= 3) {
        const UnsignedInt max = maxIndex(meshData, meshData.indexCount()/3*3);
        CORRADE_ASSERT(max < meshData.vertexCount(),
            "MeshTools::generateTangents(): index" << max << "out of range for" << meshData.vertexCount() << "vertices", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    }
    #endif

    Trade::MeshData mesh = ensureFirstAttribute(std::move(meshData), Trade::MeshAttribute::Tangent, VertexFormat::Vector4);

    TangentSpaceData data{};
    data.positions = mesh.attribute<Vector3>(Trade::MeshAttribute::Position);
    data.normals = mesh.attribute<Vector3>(Trade::MeshAttribute::Normal);
    data.textureCoordinates = mesh.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates);
    data.tangents = mesh.mutableAttribute<Vector4>(Trade::MeshAttribute::Tangent);
    if(mesh.isIndexed()) {
        data.faceCount = mesh.indexCount()/3;
        switch(mesh.indexType()) {
            case MeshIndexType::UnsignedByte:
                data.indices8 = mesh.indices<UnsignedByte>();
                data.vertexIndex = indexedVertex8;
                break;
            case MeshIndexType::UnsignedShort:
                data.indices16 = mesh.indices<UnsignedShort>();
                data.vertexIndex = indexedVertex16;
                break;
            case MeshIndexType::UnsignedInt:
                data.indices32 = mesh.indices<UnsignedInt>();
                data.vertexIndex = indexedVertex32;
                break;
        }
    } else {
        data.faceCount = mesh.vertexCount()/3;
        data.vertexIndex = nonIndexedVertex;
    }
    CORRADE_INTERNAL_ASSERT(data.vertexIndex);

    SMikkTSpaceInterface callbacks{};
    callbacks.m_getNumFaces = getNumFaces;
    callbacks.m_getNumVerticesOfFace = getNumVerticesOfFace;
    callbacks.m_getPosition = getPosition;
    callbacks.m_getNormal = getNormal;
    callbacks.m_getTexCoord = getTexCoord;
    callbacks.m_setTSpaceBasic = setTSpaceBasic;
    callbacks.m_setTSpace = nullptr;
    SMikkTSpaceContext context{};
    context.m_pInterface = &callbacks;
    context.m_pUserData = &data;

    /* Fails for a mesh without a whole triangle */
    const bool succeeded = genTangSpaceDefault(&context);
    CORRADE_ASSERT(succeeded,
        "MeshTools::generateTangents(): failed to generate mikktspace tangents", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    static_cast<void>(succeeded);
    return mesh;
}

}}
