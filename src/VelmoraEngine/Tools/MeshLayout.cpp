#include "VelmoraEngine/Tools/MeshLayout.h"

#include <utility>

#include <Corrade/Containers/EnumSet.hpp>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/PackingBatch.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/MeshTools.h"

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

typedef Trade::MeshData(*Cast)(Trade::MeshData&&, Trade::MeshAttribute, unsigned int);

struct PackStep {
    MeshDataFlag flag;
    Trade::MeshAttribute attribute;
    Cast pack;
    Cast unpack;
};

/* The fixed order of the conversions */
const PackStep PackSteps[]{
    {MeshDataFlag::Normal, Trade::MeshAttribute::Normal,
        MeshTools::castNormalizedAttribute<Math::Vector3<Float>, Math::Vector3<Short>>,
        MeshTools::castNormalizedAttribute<Math::Vector3<Short>, Math::Vector3<Float>>},
    {MeshDataFlag::Tangent, Trade::MeshAttribute::Tangent,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<Short>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<Short>, Math::Vector4<Float>>},
    {MeshDataFlag::Color, Trade::MeshAttribute::Color,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
    {MeshDataFlag::Skinning0, Implementation::Weights0,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
    {MeshDataFlag::Skinning1, Implementation::Weights1,
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
};

}

Trade::MeshData packMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    Trade::MeshData out = std::move(mesh);
    for(const PackStep& step: PackSteps)
        if((flags & step.flag) && out.attributeCount(step.attribute))
            out = step.pack(std::move(out), step.attribute, 0);
    return out;
}

Trade::MeshData unpackMesh(const MeshDataFlags flags, Trade::MeshData&& mesh) {
    Trade::MeshData out = std::move(mesh);
    for(const PackStep& step: PackSteps)
        if((flags & step.flag) && out.attributeCount(step.attribute))
            out = step.unpack(std::move(out), step.attribute, 0);
    return out;
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

/* Math::packInto() doesn't clamp, and an out-of-range float or a NaN would
   overflow the integer conversion. The values are clamped in small blocks
   on the stack so the rounding stays packInto()'s own. */
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
            /* NaN fails both comparisons and lands on 0 */
            clamped[i*components + j] = value >= min ? (value <= 1.0f ? value : 1.0f) : (value < min ? min : 0.0f);
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
