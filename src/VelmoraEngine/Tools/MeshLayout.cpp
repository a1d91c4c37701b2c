#include "VelmoraEngine/Tools/MeshLayout.h"

#include <cstring>
#include <limits>
#include <utility>

#include <Corrade/Containers/EnumSet.hpp>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/PackingBatch.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Implementation/Packing.h"
#include "VelmoraEngine/Implementation/VertexBuffer.h"

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

namespace {

struct LayoutRow {
    MeshDataFlag flag;
    Trade::MeshAttribute attribute;
    VertexFormat format;
    UnsignedInt id;
};

/* Row order is the attribute order of every layout */
const LayoutRow UnpackedLayout[]{
    {MeshDataFlag::Position2D, Trade::MeshAttribute::Position, VertexFormat::Vector2, 0},
    {MeshDataFlag::Position3D, Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
    {MeshDataFlag::TextureCoordinates, Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 0},
    {MeshDataFlag::TextureCoordinates1, Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 1},
    {MeshDataFlag::Color, Trade::MeshAttribute::Color, VertexFormat::Vector4, 0},
    {MeshDataFlag::Tangent, Trade::MeshAttribute::Tangent, VertexFormat::Vector4, 0},
    {MeshDataFlag::ObjectId, Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 0},
    {MeshDataFlag::Normal, Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0},
    {MeshDataFlag::Skinning0, Implementation::JointIds0, VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning0, Implementation::Weights0, VertexFormat::Vector4, 0},
    {MeshDataFlag::Skinning1, Implementation::JointIds1, VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning1, Implementation::Weights1, VertexFormat::Vector4, 0},
};

/* The 6-byte normal is followed by 2 bytes of padding so every offset stays
   a multiple of 2 and the stride a multiple of 4 */
const LayoutRow PackedLayout[]{
    {MeshDataFlag::Position2D, Trade::MeshAttribute::Position, VertexFormat::Vector2, 0},
    {MeshDataFlag::Position3D, Trade::MeshAttribute::Position, VertexFormat::Vector3, 0},
    {MeshDataFlag::TextureCoordinates, Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 0},
    {MeshDataFlag::TextureCoordinates1, Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, 1},
    {MeshDataFlag::Color, Trade::MeshAttribute::Color, VertexFormat::Vector4usNormalized, 0},
    {MeshDataFlag::Tangent, Trade::MeshAttribute::Tangent, VertexFormat::Vector4sNormalized, 0},
    {MeshDataFlag::ObjectId, Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 0},
    {MeshDataFlag::Normal, Trade::MeshAttribute::Normal, VertexFormat::Vector3sNormalized, 0},
    {MeshDataFlag::Normal, Implementation::NormalPadding, VertexFormat::UnsignedShort, 0},
    {MeshDataFlag::Skinning0, Implementation::JointIds0, VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning0, Implementation::Weights0, VertexFormat::Vector4usNormalized, 0},
    {MeshDataFlag::Skinning1, Implementation::JointIds1, VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning1, Implementation::Weights1, VertexFormat::Vector4usNormalized, 0},
};

}

Utility::Debug& operator<<(Utility::Debug& debug, const MeshDataFlag value) {
    debug << "MeshDataFlag" << Utility::Debug::nospace;
    switch(value) {
        #define _c(value) case MeshDataFlag::value: return debug << "::" #value;
        _c(Position2D)
        _c(Position3D)
        _c(TextureCoordinates)
        _c(Normal)
        _c(Tangent)
        _c(ObjectId)
        _c(Skinning0)
        _c(Skinning1)
        _c(Color)
        _c(Packed)
        _c(TextureCoordinates1)
        #undef _c
    }
    return debug << "(" << Utility::Debug::nospace << Utility::Debug::hex << UnsignedInt(value) << Utility::Debug::nospace << ")";
}

Utility::Debug& operator<<(Utility::Debug& debug, const MeshDataFlags value) {
    return Containers::enumSetDebugOutput(debug, value, "MeshDataFlags{}", {
        MeshDataFlag::Position2D,
        MeshDataFlag::Position3D,
        MeshDataFlag::TextureCoordinates,
        MeshDataFlag::TextureCoordinates1,
        MeshDataFlag::Color,
        MeshDataFlag::Tangent,
        MeshDataFlag::ObjectId,
        MeshDataFlag::Normal,
        MeshDataFlag::Skinning0,
        MeshDataFlag::Skinning1,
        MeshDataFlag::Packed});
}

MeshDataFlags getMeshFlags(const Trade::MeshData& mesh) {
    MeshDataFlags present, missing;
    for(const LayoutRow& row: UnpackedLayout) {
        if(mesh.attributeCount(row.attribute) > row.id &&
           vertexFormatComponentCount(mesh.attributeFormat(row.attribute, row.id)) == vertexFormatComponentCount(row.format))
            present |= row.flag;
        else
            missing |= row.flag;
    }
    return present & ~missing;
}

Containers::Array<Trade::MeshAttributeData> getLayout(MeshDataFlags flags, const UnsignedInt vertexCount) {
    CORRADE_INTERNAL_ASSERT(!(flags >= MeshDataFlag::Position2D && flags >= MeshDataFlag::Position3D));
    if(!(flags & (MeshDataFlag::Position2D|MeshDataFlag::Position3D)))
        flags |= MeshDataFlag::Position3D;

    const Containers::ArrayView<const LayoutRow> table = flags & MeshDataFlag::Packed ?
        Containers::arrayView(PackedLayout) : Containers::arrayView(UnpackedLayout);

    std::ptrdiff_t stride = 0;
    std::size_t count = 0;
    for(const LayoutRow& row: table) if(flags & row.flag) {
        stride += vertexFormatSize(row.format);
        ++count;
    }

    /* Default deleter on purpose: a growable allocator's deleter instance
       would be this library's own and unknown to the caller */
    Containers::Array<Trade::MeshAttributeData> out{ValueInit, count};
    std::size_t offset = 0, i = 0;
    for(const LayoutRow& row: table) if(flags & row.flag) {
        out[i++] = Trade::MeshAttributeData{row.attribute, row.format, offset, vertexCount, stride, 0};
        offset += vertexFormatSize(row.format);
    }
    return out;
}

namespace {

/* Math::packInto() of a value already clamped to the range: scaled to the
   integer range and rounded half away from zero. The fraction left after
   truncation is exact for every float of that magnitude, so this is the
   same rounding as std::round(), without a library call that the compiler
   can't inline or vectorize. */
template<class T> inline T packRounded(const Float value) {
    const Float scaled = value*Float(std::numeric_limits<T>::max());
    const Int truncated = Int(scaled);
    const Float fraction = scaled - Float(truncated);
    return T(truncated + (fraction >= 0.5f) - (fraction <= -0.5f));
}

/* Math::unpackInto() of one value: divided by the integer maximum, signed
   values limited to -1 */
inline Float unpackValue(const Short value) {
    const Float out = Float(value)/32767.0f;
    return out < -1.0f ? -1.0f : out;
}

inline Float unpackValue(const UnsignedShort value) {
    return Float(value)/65535.0f;
}

/* Vertices clamped at a time into a buffer on the stack before they're
   rounded: two simple loops the compiler vectorizes each, where a single
   one with both doesn't */
constexpr std::size_t PackChunkSize = 256;

/* One pass over a strided source into a tightly packed block, the
   component count fixed so the inner loops unroll */
template<class T, std::size_t components> void packVertices(const char* src, const std::ptrdiff_t srcStride, T* dst, const std::size_t count, const Float min) {
    Float clamped[PackChunkSize*components];
    for(std::size_t first = 0; first < count; first += PackChunkSize) {
        const std::size_t chunk = Math::min(PackChunkSize, count - first);
        for(std::size_t i = 0; i != chunk; ++i, src += srcStride) {
            const Float* const in = reinterpret_cast<const Float*>(src);
            for(std::size_t c = 0; c != components; ++c) {
                const Float value = in[c];
                clamped[i*components + c] = Implementation::clampForPacking(value, min);
            }
        }
        for(std::size_t i = 0; i != chunk*components; ++i)
            dst[i] = packRounded<T>(clamped[i]);
        dst += chunk*components;
    }
}

template<class T, std::size_t components> void unpackVertices(const char* src, const std::ptrdiff_t srcStride, Float* const dst, const std::size_t count) {
    for(std::size_t i = 0; i != count; ++i, src += srcStride) {
        const T* const in = reinterpret_cast<const T*>(src);
        for(std::size_t c = 0; c != components; ++c)
            dst[i*components + c] = unpackValue(in[c]);
    }
}

/* One attribute that packMesh() or unpackMesh() converts: the float form
   and its 16-bit normalized form. Signed for directions, unsigned for colors
   and weights. */
struct PackStep {
    MeshDataFlag flag;
    Trade::MeshAttribute attribute;
    UnsignedInt componentCount;
    bool isSigned;
};

/* The fixed order of the conversions, which is also the order of the new
   blocks in the buffer */
const PackStep PackSteps[]{
    {MeshDataFlag::Normal, Trade::MeshAttribute::Normal, 3, true},
    {MeshDataFlag::Tangent, Trade::MeshAttribute::Tangent, 4, true},
    {MeshDataFlag::Color, Trade::MeshAttribute::Color, 4, false},
    {MeshDataFlag::Skinning0, Implementation::Weights0, 4, false},
    {MeshDataFlag::Skinning1, Implementation::Weights1, 4, false},
};

/* Where a converted attribute was and where it goes */
struct PackedAttribute {
    const PackStep* step;
    UnsignedInt id;
    VertexFormat format;
    std::size_t sourceOffset;
    std::ptrdiff_t sourceStride;
    std::size_t offset;
};

/* Both directions in one go. Each converted attribute takes the place of
   the first attribute of its name in the list and gets a new block of its
   own at the end of the buffer, aligned to its component size, with zeros
   in the gap; the bytes it had stay as they were. The final size is known
   up front, so the buffer grows once and every block is written once. */
Trade::MeshData convertMesh(const MeshDataFlags flags, Trade::MeshData&& mesh, const bool pack) {
    PackedAttribute converted[Containers::arraySize(PackSteps)];
    std::size_t convertedCount = 0;
    for(const PackStep& step: PackSteps) {
        if(!(flags & step.flag) || !mesh.attributeCount(step.attribute)) continue;
        PackedAttribute& attribute = converted[convertedCount++];
        attribute.step = &step;
        attribute.id = *mesh.findAttributeId(step.attribute);
        attribute.format = pack ?
            vertexFormat(step.isSigned ? VertexFormat::Short : VertexFormat::UnsignedShort, step.componentCount, true) :
            vertexFormat(VertexFormat::Float, step.componentCount, false);

        /* The same checks of the source format as the typed access gives */
        if(pack) {
            if(step.componentCount == 3) mesh.attribute<Math::Vector3<Float>>(step.attribute);
            else mesh.attribute<Math::Vector4<Float>>(step.attribute);
        } else if(step.isSigned) {
            if(step.componentCount == 3) mesh.attribute<Math::Vector3<Short>>(step.attribute);
            else mesh.attribute<Math::Vector4<Short>>(step.attribute);
        } else mesh.attribute<Math::Vector4<UnsignedShort>>(step.attribute);

        attribute.sourceOffset = mesh.attributeOffset(attribute.id);
        attribute.sourceStride = mesh.attributeStride(attribute.id);
    }
    if(!convertedCount) return std::move(mesh);

    CORRADE_INTERNAL_ASSERT(mesh.vertexDataFlags() >= Trade::DataFlag::Owned);
    const UnsignedInt vertexCount = mesh.vertexCount();

    /* Blocks in the order of the conversions */
    std::size_t size = mesh.vertexData().size();
    const std::size_t originalSize = size;
    for(std::size_t i = 0; i != convertedCount; ++i) {
        const std::size_t alignment = vertexFormatSize(vertexFormatComponentFormat(converted[i].format));
        converted[i].offset = (size + alignment - 1)/alignment*alignment;
        if(const std::size_t blockSize = vertexFormatSize(converted[i].format)*std::size_t(vertexCount))
            size = converted[i].offset + blockSize;
    }

    /* The attribute list, everything else as offsets into the buffer */
    const UnsignedInt attributeCount = mesh.attributeCount();
    const Containers::ArrayView<const char> vertexData = mesh.vertexData();
    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, attributeCount};
    for(UnsignedInt i = 0; i != attributeCount; ++i) {
        const Trade::MeshAttributeData& attribute = mesh.attributeData()[i];
        attributes[i] = Trade::MeshAttributeData{attribute.name(), attribute.format(), attribute.offset(vertexData), vertexCount, attribute.stride(), attribute.arraySize(), attribute.morphTargetId()};
    }
    for(std::size_t i = 0; i != convertedCount; ++i)
        attributes[converted[i].id] = Trade::MeshAttributeData{converted[i].step->attribute, converted[i].format, converted[i].offset, vertexCount, std::ptrdiff_t(vertexFormatSize(converted[i].format)), 0};

    /* Grown as the casts do, so a growable buffer grows in place */
    Containers::Array<char> buffer = mesh.releaseVertexData();
    if(size != originalSize) Implementation::growVertexBuffer(buffer, size - originalSize);

    std::size_t end = originalSize;
    for(std::size_t i = 0; i != convertedCount; ++i) {
        const PackedAttribute& attribute = converted[i];
        const std::size_t blockSize = vertexFormatSize(attribute.format)*std::size_t(vertexCount);
        if(!blockSize) continue;
        std::memset(buffer.data() + end, 0, attribute.offset - end);
        end = attribute.offset + blockSize;

        /* Sources are read from where the grown buffer has them */
        const char* const src = buffer.data() + attribute.sourceOffset;
        char* const dst = buffer.data() + attribute.offset;
        const std::ptrdiff_t stride = attribute.sourceStride;
        const bool three = attribute.step->componentCount == 3;
        if(pack && attribute.step->isSigned) {
            if(three) packVertices<Short, 3>(src, stride, reinterpret_cast<Short*>(dst), vertexCount, -1.0f);
            else packVertices<Short, 4>(src, stride, reinterpret_cast<Short*>(dst), vertexCount, -1.0f);
        } else if(pack) {
            if(three) packVertices<UnsignedShort, 3>(src, stride, reinterpret_cast<UnsignedShort*>(dst), vertexCount, 0.0f);
            else packVertices<UnsignedShort, 4>(src, stride, reinterpret_cast<UnsignedShort*>(dst), vertexCount, 0.0f);
        } else if(attribute.step->isSigned) {
            if(three) unpackVertices<Short, 3>(src, stride, reinterpret_cast<Float*>(dst), vertexCount);
            else unpackVertices<Short, 4>(src, stride, reinterpret_cast<Float*>(dst), vertexCount);
        } else {
            if(three) unpackVertices<UnsignedShort, 3>(src, stride, reinterpret_cast<Float*>(dst), vertexCount);
            else unpackVertices<UnsignedShort, 4>(src, stride, reinterpret_cast<Float*>(dst), vertexCount);
        }
    }

    const MeshPrimitive primitive = mesh.primitive();
    if(mesh.isIndexed()) {
        CORRADE_INTERNAL_ASSERT(mesh.indexDataFlags() >= Trade::DataFlag::Owned);
        CORRADE_INTERNAL_ASSERT(!isMeshIndexTypeImplementationSpecific(mesh.indexType()));
        const Trade::MeshIndexData indices{mesh.indices()};
        Containers::Array<char> indexData = mesh.releaseIndexData();
        return Trade::MeshData{primitive, std::move(indexData), indices, std::move(buffer), std::move(attributes), Trade::MeshData::ImplicitVertexCount, nullptr};
    }
    return Trade::MeshData{primitive, std::move(buffer), std::move(attributes), Trade::MeshData::ImplicitVertexCount, nullptr};
}

}

Trade::MeshData packMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    return convertMesh(flags, std::move(mesh), true);
}

Trade::MeshData unpackMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    return convertMesh(flags, std::move(mesh), false);
}

namespace {

enum class Encoding { Copy, Signed, Unsigned };

Encoding encodingOf(const Trade::MeshAttribute attribute) {
    if(attribute == Trade::MeshAttribute::Normal || attribute == Trade::MeshAttribute::Tangent)
        return Encoding::Signed;
    if(attribute == Trade::MeshAttribute::Color || attribute == Implementation::Weights0 || attribute == Implementation::Weights1)
        return Encoding::Unsigned;
    return Encoding::Copy;
}

/* Rows of bytes as rows of components; the second dimension has to be
   contiguous and a whole number of components */
template<class T, class Char> Containers::StridedArrayView2D<T> components(const Containers::StridedArrayView2D<Char>& bytes) {
    const std::size_t rowSize = bytes.size()[1];
    return Containers::arrayCast<2, T>(bytes.template expanded<1>(Containers::Size2D{rowSize/sizeof(T), sizeof(T)}));
}

}

namespace {

/* Values are clamped in small blocks on the stack so the rounding stays
   Math::packInto()'s own */
template<class T> void packClampedInto(const Containers::StridedArrayView2D<const Float>& src, const Containers::StridedArrayView2D<T>& dst, const Float min) {
    CORRADE_ASSERT(src.size() == dst.size(),
        "packMeshAttributeDataInto(): expected views of the same size but got" << src.size() << "and" << dst.size(), );
    constexpr std::size_t BlockSize = 256;
    Float clamped[BlockSize];
    const std::size_t components = src.size()[1];
    if(!components) return;
    const std::size_t rowsPerBlock = BlockSize/components;
    CORRADE_ASSERT(rowsPerBlock,
        "packMeshAttributeDataInto(): too many components in a row:" << components, );
    for(std::size_t first = 0; first < src.size()[0]; first += rowsPerBlock) {
        const std::size_t rows = Math::min(rowsPerBlock, src.size()[0] - first);
        const Containers::StridedArrayView2D<const Float> srcBlock = src.slice({first, 0}, {first + rows, components});
        for(std::size_t i = 0; i != rows; ++i) for(std::size_t j = 0; j != components; ++j) {
            const Float value = srcBlock[i][j];
            clamped[i*components + j] = Implementation::clampForPacking(value, min);
        }
        Math::packInto(Containers::StridedArrayView2D<const Float>{Containers::arrayView(clamped).prefix(rows*components), {rows, components}},
            dst.slice({first, 0}, {first + rows, components}));
    }
}

}

void packMeshAttributeDataInto(const Trade::MeshAttribute attribute, const Containers::StridedArrayView2D<const char> src, const Containers::StridedArrayView2D<char> dst) {
    switch(encodingOf(attribute)) {
        case Encoding::Signed:
            packClampedInto(components<const Float>(src), components<Short>(dst), -1.0f);
            return;
        case Encoding::Unsigned:
            packClampedInto(components<const Float>(src), components<UnsignedShort>(dst), 0.0f);
            return;
        case Encoding::Copy:
            Utility::copy(src, dst);
            return;
    }
}

void unpackMeshAttributeDataInto(const Trade::MeshAttribute attribute, const Containers::StridedArrayView2D<const char> src, const Containers::StridedArrayView2D<char> dst) {
    switch(encodingOf(attribute)) {
        case Encoding::Signed:
            Math::unpackInto(components<const Short>(src), components<Float>(dst));
            return;
        case Encoding::Unsigned:
            Math::unpackInto(components<const UnsignedShort>(src), components<Float>(dst));
            return;
        case Encoding::Copy:
            Utility::copy(src, dst);
            return;
    }
}

}
