#include "VelmoraEngine/Tools/MeshBatch.h"

#include <cstdlib>
#include <cstring>

#include <Corrade/Containers/EnumSet.hpp>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/Reference.h>
#include <Magnum/GL/Attribute.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/MeshTools/Concatenate.h>
#include <Magnum/MeshTools/Interleave.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/PackingBatch.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

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
    {MeshDataFlag::Skinning0, Trade::meshAttributeCustom(0), VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning0, Trade::meshAttributeCustom(1), VertexFormat::Vector4, 0},
    {MeshDataFlag::Skinning1, Trade::meshAttributeCustom(2), VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning1, Trade::meshAttributeCustom(3), VertexFormat::Vector4, 0},
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
    {MeshDataFlag::Normal, Trade::meshAttributeCustom(42), VertexFormat::UnsignedShort, 0},
    {MeshDataFlag::Skinning0, Trade::meshAttributeCustom(0), VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning0, Trade::meshAttributeCustom(1), VertexFormat::Vector4usNormalized, 0},
    {MeshDataFlag::Skinning1, Trade::meshAttributeCustom(2), VertexFormat::Vector4us, 0},
    {MeshDataFlag::Skinning1, Trade::meshAttributeCustom(3), VertexFormat::Vector4usNormalized, 0},
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

    Containers::Array<Trade::MeshAttributeData> out;
    Containers::arrayReserve(out, count);
    std::size_t offset = 0;
    for(const LayoutRow& row: table) if(flags & row.flag) {
        Containers::arrayAppend(out, Trade::MeshAttributeData{row.attribute, row.format, offset, vertexCount, stride, 0});
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
    {MeshDataFlag::Skinning0, Trade::meshAttributeCustom(1),
        MeshTools::castNormalizedAttribute<Math::Vector4<Float>, Math::Vector4<UnsignedShort>>,
        MeshTools::castNormalizedAttribute<Math::Vector4<UnsignedShort>, Math::Vector4<Float>>},
    {MeshDataFlag::Skinning1, Trade::meshAttributeCustom(3),
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
    if(attribute == Trade::MeshAttribute::Color || attribute == Trade::meshAttributeCustom(1) || attribute == Trade::meshAttributeCustom(3))
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

void packMeshAttributeDataInto(const Trade::MeshAttribute attribute, const Containers::StridedArrayView2D<const char>& src, const Containers::StridedArrayView2D<char>& dst) {
    switch(encodingOf(attribute)) {
        case Encoding::Signed:
            Math::packInto(components<const Float>(src), components<Short>(dst));
            return;
        case Encoding::Unsigned:
            Math::packInto(components<const Float>(src), components<UnsignedShort>(dst));
            return;
        case Encoding::Copy:
            Utility::copy(src, dst);
            return;
    }
}

void unpackMeshAttributeDataInto(const Trade::MeshAttribute attribute, const Containers::StridedArrayView2D<const char>& src, const Containers::StridedArrayView2D<char>& dst) {
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


GL::Mesh compileMesh(const Trade::MeshData& meshData, GL::Buffer& vertexBuffer) {
    GL::Mesh mesh{GL::MeshPrimitive::Triangles};
    /* A skinned mesh is drawn as points, one per vertex */
    mesh.setPrimitive(meshData.attributeCount(Trade::meshAttributeCustom(0)) ?
        GL::MeshPrimitive::Points : GL::meshPrimitive(meshData.primitive()));

    UnsignedInt textureCoordinateSets = 0;
    for(UnsignedInt i = 0; i != meshData.attributeCount(); ++i) {
        const Trade::MeshAttribute name = meshData.attributeName(i);
        GL::DynamicAttribute::Kind kind = GL::DynamicAttribute::Kind::Generic;
        Int location = -1;
        if(name == Trade::MeshAttribute::Position) location = 0;
        else if(name == Trade::MeshAttribute::TextureCoordinates) {
            location = textureCoordinateSets == 0 ? 1 : textureCoordinateSets == 1 ? 10 : -1;
            ++textureCoordinateSets;
        }
        else if(name == Trade::MeshAttribute::Color) location = 2;
        else if(name == Trade::MeshAttribute::Tangent) location = 3;
        else if(name == Trade::MeshAttribute::ObjectId) {
            location = 4;
            kind = GL::DynamicAttribute::Kind::Integral;
        }
        else if(name == Trade::MeshAttribute::Normal) location = 5;
        else if(name == Trade::meshAttributeCustom(0) || name == Trade::meshAttributeCustom(2)) {
            location = name == Trade::meshAttributeCustom(0) ? 6 : 8;
            kind = GL::DynamicAttribute::Kind::Integral;
        }
        else if(name == Trade::meshAttributeCustom(1)) location = 7;
        else if(name == Trade::meshAttributeCustom(3)) location = 9;
        if(location < 0) continue;

        /* The format's own component count is bound, so a shorter attribute
           never reads the bytes of its neighbour; the shader fills the rest */
        mesh.addVertexBufferInstanced(vertexBuffer, 0, meshData.attributeOffset(i), meshData.attributeStride(i),
            GL::DynamicAttribute{kind, UnsignedInt(location), meshData.attributeFormat(i)});
    }
    return mesh;
}

MeshView::operator GL::MeshView() const {
    if(!_mesh) {
        Utility::Error{} << "MeshView: Cannot convert to GL::MeshView, _mesh is nullptr";
        std::abort();
    }
    GL::MeshView view{*_mesh};
    view.setCount(Int(count));
    if(_mesh->isIndexed()) view.setIndexOffset(Int(indexByteOffset/_mesh->indexTypeSize()));
    else view.setBaseVertex(Int(baseVertex));
    return view;
}

namespace {

constexpr Int DirtyNone = 1000000;

Trade::MeshData emptyBatchMesh(Containers::Array<Trade::MeshAttributeData>&& layout) {
    return Trade::MeshData{MeshPrimitive::Triangles, nullptr,
        Trade::MeshIndexData{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{}},
        nullptr, std::move(layout), 0};
}

/* Offset-only copy of a layout for @p vertexCount vertices, valid wherever
   the arrays move */
Containers::Array<Trade::MeshAttributeData> offsetOnlyLayout(const Containers::ArrayView<const Trade::MeshAttributeData> attributes, const Containers::ArrayView<const char> vertexData, const UnsignedInt vertexCount) {
    Containers::Array<Trade::MeshAttributeData> out{attributes.size()};
    for(std::size_t i = 0; i != attributes.size(); ++i) {
        const Trade::MeshAttributeData& attribute = attributes[i];
        out[i] = Trade::MeshAttributeData{attribute.name(), attribute.format(), attribute.offset(vertexData), vertexCount, attribute.stride(), attribute.arraySize()};
    }
    return out;
}

void noDelete(char*, std::size_t) {}

/*
    Appends list[1..] to list[0], which is the destination. The index and
    vertex arrays only grow through the growable allocator, the existing
    content stays where it is and isn't rewritten, so an append costs what the
    new meshes cost and not what the batch holds. The new meshes are
    concatenated by Magnum right into the grown tails, behind an empty mesh of
    the batch layout that makes the concatenation check primitives and
    formats against the batch.
*/
void concatenateAppend(Trade::MeshData& destination, const Containers::Iterable<const Trade::MeshData>& list) {
    if(list.isEmpty()) {
        Utility::Error{} << "concatenateAppend(): no meshes passed";
        std::abort();
    }

    const Containers::Pair<UnsignedInt, UnsignedInt> totals = Magnum::MeshTools::Implementation::concatenateIndexVertexCount(list);
    const UnsignedInt oldVertexCount = destination.vertexCount();
    const bool wasIndexed = destination.isIndexed();
    const UnsignedInt oldIndexCount = wasIndexed ? destination.indexCount() : 0;

    const Containers::ArrayView<const char> oldVertexData = destination.vertexData();
    Containers::Array<Trade::MeshAttributeData> layout = offsetOnlyLayout(destination.attributeData(), oldVertexData, totals.second());
    const std::size_t stride = layout.isEmpty() ? 0 : std::size_t(layout[0].stride());

    /* The new meshes behind an empty mesh of the batch layout */
    const Trade::MeshData head{MeshPrimitive::Triangles, nullptr, offsetOnlyLayout(destination.attributeData(), oldVertexData, 0), 0};
    Containers::Array<Containers::Reference<const Trade::MeshData>> tail{NoInit, list.size()};
    new(&tail[0]) Containers::Reference<const Trade::MeshData>{head};
    for(std::size_t i = 1; i != list.size(); ++i)
        new(&tail[i]) Containers::Reference<const Trade::MeshData>{list[i]};
    const Containers::Pair<UnsignedInt, UnsignedInt> tailTotals = Magnum::MeshTools::Implementation::concatenateIndexVertexCount(tail);

    Containers::Array<char> indexData = destination.releaseIndexData();
    Containers::Array<char> vertexData = destination.releaseVertexData();

    /* Grow both arrays; a destination without indices gets trivial ones when
       the new meshes bring indices */
    const UnsignedInt tailIndexStart = wasIndexed ? oldIndexCount : (totals.first() ? oldVertexCount : 0);
    if(totals.first()) {
        /* Appending grows the capacity geometrically, keeping an append
           O(new data) when amortized */
        Containers::arrayAppend(indexData, NoInit, std::size_t(totals.first())*sizeof(UnsignedInt) - indexData.size());
        if(!wasIndexed) {
            const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData.prefix(std::size_t(oldVertexCount)*sizeof(UnsignedInt)));
            for(UnsignedInt i = 0; i != oldVertexCount; ++i) indices[i] = i;
        }
    }
    const std::size_t oldVertexSize = vertexData.size();
    if(stride) {
        Containers::arrayAppend(vertexData, NoInit, stride*std::size_t(totals.second()) - oldVertexSize);
        std::memset(vertexData.data() + oldVertexSize, 0, vertexData.size() - oldVertexSize);
    }

    /* Concatenate the new meshes into the tails, wrapped as arrays that
       don't own anything */
    const std::size_t tailIndexOffset = std::size_t(tailIndexStart)*sizeof(UnsignedInt);
    Containers::Array<char> tailIndexData;
    if(tailTotals.first())
        tailIndexData = Containers::Array<char>{indexData.data() + tailIndexOffset, std::size_t(tailTotals.first())*sizeof(UnsignedInt), noDelete};
    Containers::Array<char> tailVertexData{vertexData.data() + oldVertexSize, vertexData.size() - oldVertexSize, noDelete};
    Magnum::MeshTools::Implementation::concatenate(std::move(tailIndexData), tailTotals.second(), std::move(tailVertexData), offsetOnlyLayout(layout, nullptr, tailTotals.second()), tail, "concatenateAppend():");

    /* The tail indices count from the tail's first vertex; non-indexed new
       meshes in an indexed batch get trivial indices */
    if(totals.first()) {
        const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData.exceptPrefix(tailIndexOffset));
        if(tailTotals.first()) {
            for(UnsignedInt& index: indices) index += oldVertexCount;
        } else {
            for(std::size_t i = 0; i != indices.size(); ++i) indices[i] = oldVertexCount + UnsignedInt(i);
        }
    }

    const Trade::MeshIndexData indices = totals.first() ?
        Trade::MeshIndexData{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{indexData}} : Trade::MeshIndexData{};
    destination = Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(layout), totals.second()};
}

}

MeshBatch::MeshBatch(): MeshBatch{getLayout(MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::ObjectId|MeshDataFlag::Normal, 0)} {}

MeshBatch::MeshBatch(Containers::Array<Trade::MeshAttributeData>&& layout): _meshData{emptyBatchMesh(std::move(layout))}, _indexBuffer{NoCreate}, _vertexBuffer{NoCreate}, _mesh{NoCreate}, _dirtyBegin{DirtyNone}, _dirtyEnd{0}, _indexSlack{0}, _vertexSlack{0}, _slackChanged{false}, _indexCapacity{0}, _vertexCapacity{0}, _meshCount{0}, _vertexSize{_meshData.attributeCount() ? UnsignedInt(std::abs(_meshData.attributeStride(0))) : 0}, _objectIdOffset{0} {}

MeshBatch::MeshBatch(std::initializer_list<Trade::MeshAttributeData> layout): MeshBatch{Containers::Array<Trade::MeshAttributeData>{InPlaceInit, layout}} {}

MeshBatch::MeshBatch(MeshBatch&& other) noexcept: _meshData{std::move(other._meshData)}, _indexBuffer{std::move(other._indexBuffer)}, _vertexBuffer{std::move(other._vertexBuffer)}, _mesh{std::move(other._mesh)}, _vertexCounts{std::move(other._vertexCounts)}, _meshViews{std::move(other._meshViews)}, _indexPartition{std::move(other._indexPartition)}, _vertexPartition{std::move(other._vertexPartition)}, _dirtyBegin{other._dirtyBegin}, _dirtyEnd{other._dirtyEnd}, _indexSlack{other._indexSlack}, _vertexSlack{other._vertexSlack}, _slackChanged{other._slackChanged}, _indexCapacity{other._indexCapacity}, _vertexCapacity{other._vertexCapacity}, _meshCount{other._meshCount}, _vertexSize{other._vertexSize}, _objectIdOffset{other._objectIdOffset} {
    for(MeshView& view: _meshViews) view._mesh = &_mesh;
    other._meshCount = 0;
}

MeshBatch::~MeshBatch() = default;

MeshBatch& MeshBatch::addMeshes(const Containers::ArrayView<const Containers::Reference<const Trade::MeshData>> meshes) {
    if(meshes.isEmpty()) return *this;

    if(_meshCount && _meshData.vertexCount()) {
        Containers::Array<Containers::Reference<const Trade::MeshData>> list{NoInit, meshes.size() + 1};
        new(&list[0]) Containers::Reference<const Trade::MeshData>{_meshData};
        for(std::size_t i = 0; i != meshes.size(); ++i)
            new(&list[i + 1]) Containers::Reference<const Trade::MeshData>{meshes[i]};
        concatenateAppend(_meshData, list);
    } else Magnum::MeshTools::concatenateInto(_meshData, meshes, Magnum::MeshTools::InterleaveFlag::PreserveInterleavedAttributes);

    const std::size_t needed = _indexPartition.usedRegionCount() + meshes.size();
    if(needed > _indexPartition.regionSlotCount()) {
        const std::size_t missing = needed - _indexPartition.regionSlotCount();
        _indexPartition.reserveRegions(missing);
        _vertexPartition.reserveRegions(missing);
    }

    for(const Trade::MeshData& mesh: meshes) {
        const UnsignedInt indexCount = mesh.isIndexed() ? mesh.indexCount() : mesh.vertexCount();
        _indexPartition.addRegion(4*std::size_t(indexCount));
        _vertexPartition.addRegion(std::size_t(mesh.vertexCount())*_vertexSize);
        Containers::arrayAppend(_vertexCounts, mesh.vertexCount());
    }

    _dirtyBegin = Math::min(_dirtyBegin, Int(_meshCount));
    _meshCount += UnsignedInt(meshes.size());
    _dirtyEnd = Math::max(_dirtyEnd, Int(_meshCount));
    return *this;
}

MeshBatch& MeshBatch::addMeshes(std::initializer_list<Containers::Reference<const Trade::MeshData>> meshes) {
    return addMeshes(Containers::arrayView(meshes));
}

MeshBatch& MeshBatch::addMesh(const Trade::MeshData& mesh) {
    return addMeshes({mesh});
}

Math::Vector2<Int> MeshBatch::indexBufferRegion(const UnsignedInt i) const {
    const MemoryPartition::Region region = _indexPartition.region(i);
    return {Int(region.offset), Int(region.size)};
}

Math::Vector2<Int> MeshBatch::vertexBufferRegion(const UnsignedInt i) const {
    const MemoryPartition::Region region = _vertexPartition.region(i);
    return {Int(region.offset), Int(region.size)};
}

std::size_t MeshBatch::slackIndexOffset() const { return _meshData.indexData().size(); }

std::size_t MeshBatch::slackVertexOffset() const { return _meshData.vertexData().size(); }

MeshBatch& MeshBatch::reserveSlack(const UnsignedInt indexSlack, const UnsignedInt vertexSlack) {
    _slackChanged = indexSlack != _indexSlack || vertexSlack != _vertexSlack;
    _indexSlack = indexSlack;
    _vertexSlack = vertexSlack;
    return *this;
}

MeshBatch& MeshBatch::setObjectIdOffset(const UnsignedInt offset) {
    _objectIdOffset = offset;
    return *this;
}

bool MeshBatch::empty() const {
    return _meshData.isIndexed() ? !_meshData.indexCount() : !_meshData.vertexCount();
}

bool MeshBatch::updateMesh() {
    if(_dirtyEnd < _dirtyBegin && !_slackChanged) return false;

    if(!_vertexBuffer.id()) _vertexBuffer = GL::Buffer{GL::Buffer::TargetHint::Array};
    if(!_indexBuffer.id()) _indexBuffer = GL::Buffer{GL::Buffer::TargetHint::ElementArray};
    const bool dirty = _dirtyBegin < _dirtyEnd;

    /* Capacities are recorded in elements as allocated, data plus slack, and
       both the reallocation test and the invalidation use them. Appends grow
       into the slack without reallocating; a buffer is reallocated when the
       data outgrows it, or when a newly reserved slack doesn't fit behind the
       data anymore. */
    const auto needsReallocation = [this](UnsignedInt count, UnsignedInt slack, UnsignedInt capacity) {
        return count > capacity || (_slackChanged && count + slack > capacity);
    };
    if(_meshData.isIndexed()) {
        const UnsignedInt indexCount = _meshData.indexCount();
        const Containers::ArrayView<const char> indexData = _meshData.indexData();
        const UnsignedInt indexSize = meshIndexTypeSize(_meshData.indexType());
        if(needsReallocation(indexCount, _indexSlack, _indexCapacity)) {
            _indexBuffer.setData({nullptr, indexData.size() + std::size_t(indexSize)*_indexSlack}, GL::BufferUsage::DynamicDraw);
            _indexBuffer.setSubData(0, indexData);
            _indexCapacity = indexCount + _indexSlack;
        } else if(!indexCount) {
            _indexBuffer.invalidateData();
        } else {
            std::size_t from = std::size_t(indexSize)*indexCount;
            if(dirty) {
                const std::size_t start = _indexPartition.region(_dirtyBegin).offset;
                const std::size_t end = Math::min(indexData.size(), _indexPartition.regionEnd(_dirtyEnd - 1));
                _indexBuffer.setSubData(start, indexData.slice(start, end));
                from = end;
            }
            _indexBuffer.invalidateSubData(from, std::size_t(indexSize)*_indexCapacity - from);
        }
    }

    const UnsignedInt vertexCount = _meshData.vertexCount();
    if(!vertexCount) {
        _vertexBuffer.invalidateData();
    } else {
        if(dirty && _meshData.hasAttribute(Trade::MeshAttribute::ObjectId)) {
            const Containers::StridedArrayView1D<UnsignedInt> objectIds = _meshData.mutableAttribute<UnsignedInt>(Trade::MeshAttribute::ObjectId);
            std::size_t vertex = _vertexPartition.region(_dirtyBegin).offset/_vertexSize;
            for(Int i = _dirtyBegin; i != _dirtyEnd; ++i) {
                const UnsignedInt id = _objectIdOffset + UnsignedInt(i);
                for(std::size_t end = vertex + _vertexCounts[i]; vertex != end; ++vertex)
                    objectIds[vertex] = id;
            }
        }

        const Containers::ArrayView<const char> vertexData = _meshData.vertexData();
        if(!needsReallocation(vertexCount, _vertexSlack, _vertexCapacity)) {
            std::size_t from = vertexData.size();
            if(dirty) {
                const std::size_t start = _vertexPartition.region(_dirtyBegin).offset;
                const std::size_t end = Math::min(vertexData.size(), _vertexPartition.regionEnd(_dirtyEnd - 1));
                _vertexBuffer.setSubData(start, vertexData.slice(start, end));
                from = end;
            }
            _vertexBuffer.invalidateSubData(from, std::size_t(_vertexSize)*_vertexCapacity - from);
        } else {
            _vertexBuffer.setData({nullptr, vertexData.size() + std::size_t(_vertexSize)*_vertexSlack}, GL::BufferUsage::DynamicDraw);
            _vertexBuffer.setSubData(0, vertexData);
            _vertexCapacity = vertexCount + _vertexSlack;
        }
    }

    if(!_mesh.id()) {
        _meshViews = nullptr;
        _mesh = compileMesh(_meshData, _vertexBuffer);
    }

    UnsignedInt count;
    if(!_meshData.attributeCount(Trade::meshAttributeCustom(0)) && _meshData.isIndexed()) {
        _mesh.setIndexBuffer(_indexBuffer, 0, GL::meshIndexType(_meshData.indexType()), 0, 0);
        count = _meshData.indexCount();
    } else count = vertexCount;
    _mesh.setCount(Int(count));

    Containers::arrayResize(_meshViews, _meshCount);
    for(Int i = _dirtyBegin; i < _dirtyEnd; ++i)
        _meshViews[i] = meshView(UnsignedInt(i));

    _dirtyBegin = DirtyNone;
    _dirtyEnd = 0;
    _slackChanged = false;
    return true;
}

MeshView MeshBatch::meshView(const UnsignedInt i) {
    MeshView view;
    view._mesh = &_mesh;
    if(_mesh.isIndexed()) {
        const MemoryPartition::Region region = _indexPartition.region(i);
        view.count = UnsignedInt(region.size/meshIndexTypeSize(_meshData.indexType()));
        view.indexByteOffset = UnsignedInt(region.offset);
    } else {
        const MemoryPartition::Region region = _vertexPartition.region(i);
        view.count = UnsignedInt(region.size/_vertexSize);
        view.baseVertex = UnsignedInt(region.offset/_vertexSize);
    }
    return view;
}

GL::MeshView MeshBatch::meshRange(const UnsignedInt first, const UnsignedInt count) {
    const UnsignedInt last = first + count - 1;
    GL::MeshView view{_mesh};
    if(_mesh.isIndexed()) {
        const std::size_t indexSize = meshIndexTypeSize(_meshData.indexType());
        const std::size_t start = _indexPartition.region(first).offset/indexSize;
        const std::size_t end = _indexPartition.regionEnd(last)/indexSize;
        view.setIndexOffset(Int(start));
        view.setCount(Int(end - start));
    } else {
        const std::size_t start = _vertexPartition.region(first).offset/_vertexSize;
        const std::size_t end = _vertexPartition.regionEnd(last)/_vertexSize;
        view.setBaseVertex(Int(start));
        view.setCount(Int(end - start));
    }
    return view;
}

MeshBatch& MeshBatch::removeMeshes(const UnsignedInt first, const UnsignedInt count) {
    if(!count) return *this;
    if(first + count > _meshCount) {
        Utility::Error{} << "MeshBatch::removeMeshes(): Cannot remove" << count << "meshes after" << first << "with" << _meshCount << "meshes contained in batch";
        std::abort();
    }

    _dirtyBegin = Math::min(_dirtyBegin, Int(first));

    /* The layout in offset form first, the arrays may move when they shrink */
    const bool indexed = _meshData.isIndexed();
    Containers::Array<char> indexData = _meshData.releaseIndexData();
    Containers::Array<Trade::MeshAttributeData> attributes = _meshData.releaseAttributeData();
    Containers::Array<char> vertexData = _meshData.releaseVertexData();

    if(indexed) removeRegionData(_indexPartition, indexData, first, count);
    removeRegionData(_vertexPartition, vertexData, first, count);
    Containers::arrayRemove(_vertexCounts, first, count);
    _indexPartition.removeRegions(first, count);
    _vertexPartition.removeRegions(first, count);

    const std::size_t oldVertexBytes = vertexData.size();
    const std::size_t newVertexBytes = _vertexPartition.end();
    const std::size_t newIndexBytes = indexed ? _indexPartition.end() : 0;
    const UnsignedInt newVertexCount = _vertexSize ? UnsignedInt(newVertexBytes/_vertexSize) : 0;
    const UnsignedInt removedVertices = _vertexSize ? UnsignedInt((oldVertexBytes - newVertexBytes)/_vertexSize) : 0;
    Containers::Array<Trade::MeshAttributeData> layout = offsetOnlyLayout(attributes, vertexData, newVertexCount);
    Containers::arrayResize(vertexData, NoInit, newVertexBytes);
    Containers::arrayResize(indexData, NoInit, newIndexBytes);

    /* The moved meshes' indices follow their moved vertices */
    if(indexed && _indexPartition.usedRegionCount() > first) {
        const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData.exceptPrefix(_indexPartition.region(first).offset));
        for(UnsignedInt& index: indices) index -= removedVertices;
    }

    /* A batch that never had indices stays without them, its draw ranges are
       vertex ranges */
    if(indexed) {
        const Trade::MeshIndexData indices{MeshIndexType::UnsignedInt, Containers::ArrayView<const void>{indexData}};
        _meshData = Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(layout), newVertexCount};
    } else {
        _meshData = Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(layout), newVertexCount};
    }

    _dirtyEnd = Int(_indexPartition.usedRegionCount());
    _meshCount -= count;
    return *this;
}

MeshBatch& MeshBatch::removeAll() {
    return removeMeshes(0, _meshCount);
}

}
