#include "VelmoraEngine/Tools/MeshBatch.h"

#include <cstdlib>
#include <cstring>
#include <new>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/Pointer.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/Attribute.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/MeshTools/Concatenate.h>
#include <Magnum/Trade/ArrayAllocator.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Utils/MemoryPartition.h"

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

GL::Mesh compileMesh(const Trade::MeshData& meshData, GL::Buffer& vertexBuffer) {
    GL::Mesh mesh{GL::MeshPrimitive::Triangles};
    /* A skinned mesh is drawn as points, one per vertex */
    mesh.setPrimitive(meshData.attributeCount(Implementation::JointIds0) ?
        GL::MeshPrimitive::Points : GL::meshPrimitive(meshData.primitive()));

    UnsignedInt textureCoordinateSets = 0;
    for(UnsignedInt i = 0; i != meshData.attributeCount(); ++i) {
        const Trade::MeshAttribute name = meshData.attributeName(i);
        const Implementation::AttributeLocation* const location = Implementation::attributeLocation(name,
            name == Trade::MeshAttribute::TextureCoordinates ? textureCoordinateSets++ : 0);
        if(!location) continue;

        /* The format's own component count is bound, so a shorter attribute
           never reads the bytes of its neighbour; the shader fills the rest */
        mesh.addVertexBufferInstanced(vertexBuffer, 0, meshData.attributeOffset(i), meshData.attributeStride(i),
            GL::DynamicAttribute{location->integral ? GL::DynamicAttribute::Kind::Integral : GL::DynamicAttribute::Kind::Generic, location->location, meshData.attributeFormat(i)});
    }
    return mesh;
}

namespace {

/* Stands in for the mesh when a null view is converted with assertions made
   non-fatal */
GL::Mesh& noMesh() {
    static GL::Mesh mesh{NoCreate};
    return mesh;
}

}

MeshView::operator GL::MeshView() const {
    CORRADE_ASSERT(_mesh, "MeshView: Cannot convert to GL::MeshView, _mesh is nullptr", GL::MeshView{noMesh()});
    GL::MeshView view{*_mesh};
    view.setCount(Int(count));
    if(_mesh->isIndexed()) view.setIndexOffset(Int(indexByteOffset/GL::meshIndexTypeSize(_mesh->indexType())));
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
    Containers::Array<Trade::MeshAttributeData> out{ValueInit, attributes.size()};
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
    CORRADE_INTERNAL_ASSERT(!list.isEmpty());

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
        Containers::arrayAppend<Trade::ArrayAllocator>(indexData, NoInit, std::size_t(totals.first())*sizeof(UnsignedInt) - indexData.size());
        if(!wasIndexed) {
            const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData.prefix(std::size_t(oldVertexCount)*sizeof(UnsignedInt)));
            for(UnsignedInt i = 0; i != oldVertexCount; ++i) indices[i] = i;
        }
    }
    const std::size_t oldVertexSize = vertexData.size();
    if(stride) {
        Containers::arrayAppend<Trade::ArrayAllocator>(vertexData, NoInit, stride*std::size_t(totals.second()) - oldVertexSize);
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

MeshBatch::MeshBatch(Containers::Array<Trade::MeshAttributeData>&& layout): _meshData{emptyBatchMesh(std::move(layout))}, _indexBuffer{NoCreate}, _vertexBuffer{NoCreate}, _mesh{NoCreate}, _indexPartition{InPlaceInit}, _vertexPartition{InPlaceInit}, _dirtyBegin{DirtyNone}, _dirtyEnd{0}, _indexSlack{0}, _vertexSlack{0}, _slackChanged{false}, _indexCapacity{0}, _vertexCapacity{0}, _meshCount{0}, _vertexSize{_meshData.attributeCount() ? UnsignedInt(std::abs(_meshData.attributeStride(0))) : 0}, _objectIdOffset{0} {}

MeshBatch::MeshBatch(std::initializer_list<Trade::MeshAttributeData> layout): MeshBatch{Containers::Array<Trade::MeshAttributeData>{InPlaceInit, layout}} {}

MeshBatch::MeshBatch(MeshBatch&& other) noexcept: _meshData{emptyBatchMesh(offsetOnlyLayout(other._meshData.attributeData(), other._meshData.vertexData(), 0))}, _indexBuffer{NoCreate}, _vertexBuffer{NoCreate}, _mesh{NoCreate}, _indexPartition{InPlaceInit}, _vertexPartition{InPlaceInit}, _dirtyBegin{DirtyNone}, _dirtyEnd{0}, _indexSlack{0}, _vertexSlack{0}, _slackChanged{false}, _indexCapacity{0}, _vertexCapacity{0}, _meshCount{0}, _vertexSize{other._vertexSize}, _objectIdOffset{0} {
    /* Everything is swapped with a new empty batch of the same layout, so the
       moved-from batch is that empty batch and not one with stale counters */
    using std::swap;
    swap(_meshData, other._meshData);
    swap(_indexBuffer, other._indexBuffer);
    swap(_vertexBuffer, other._vertexBuffer);
    swap(_mesh, other._mesh);
    swap(_vertexCounts, other._vertexCounts);
    swap(_meshViews, other._meshViews);
    swap(_indexPartition, other._indexPartition);
    swap(_vertexPartition, other._vertexPartition);
    swap(_dirtyBegin, other._dirtyBegin);
    swap(_dirtyEnd, other._dirtyEnd);
    swap(_indexSlack, other._indexSlack);
    swap(_vertexSlack, other._vertexSlack);
    swap(_slackChanged, other._slackChanged);
    swap(_indexCapacity, other._indexCapacity);
    swap(_vertexCapacity, other._vertexCapacity);
    swap(_meshCount, other._meshCount);
    swap(_objectIdOffset, other._objectIdOffset);
    for(MeshView& view: _meshViews) view._mesh = &_mesh;
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
    } else Magnum::MeshTools::concatenateInto<Trade::ArrayAllocator>(_meshData, meshes, Magnum::MeshTools::InterleaveFlag::PreserveInterleavedAttributes);

    const std::size_t needed = _indexPartition->usedRegionCount() + meshes.size();
    if(needed > _indexPartition->regionSlotCount()) {
        const std::size_t missing = needed - _indexPartition->regionSlotCount();
        _indexPartition->reserveRegions(missing);
        _vertexPartition->reserveRegions(missing);
    }

    for(const Trade::MeshData& mesh: meshes) {
        const UnsignedInt indexCount = mesh.isIndexed() ? mesh.indexCount() : mesh.vertexCount();
        _indexPartition->addRegion(4*std::size_t(indexCount));
        _vertexPartition->addRegion(std::size_t(mesh.vertexCount())*_vertexSize);
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
    const MemoryPartition::Region region = _indexPartition->region(i);
    return {Int(region.offset), Int(region.size)};
}

Math::Vector2<Int> MeshBatch::vertexBufferRegion(const UnsignedInt i) const {
    const MemoryPartition::Region region = _vertexPartition->region(i);
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

void MeshBatch::markAllDirty() {
    _dirtyBegin = 0;
    _dirtyEnd = Int(_meshCount);
}

void MeshBatch::uploadTail(GL::Buffer& buffer, const Containers::ArrayView<const char> data, const MemoryPartition& partition, const bool dirty, const std::size_t capacityBytes) {
    std::size_t from = data.size();
    if(dirty) {
        const std::size_t start = partition.region(_dirtyBegin).offset;
        const std::size_t end = Math::min(data.size(), partition.regionEnd(_dirtyEnd - 1));
        buffer.setSubData(start, data.slice(start, end));
        from = end;
    }
    if(capacityBytes > from) buffer.invalidateSubData(from, capacityBytes - from);
}

bool MeshBatch::updateMesh() {
    if(_dirtyEnd < _dirtyBegin && !_slackChanged) return false;

    /* A GL mesh can't drop its index buffer, and the views of every mesh
       change meaning with the indexed state, so a change of it recompiles
       the mesh and redoes every view and upload */
    const bool skinned = _meshData.attributeCount(Implementation::JointIds0);
    const bool drawIndexed = !skinned && _meshData.isIndexed();
    if(_mesh.id() && _mesh.isIndexed() != drawIndexed) {
        _mesh = GL::Mesh{NoCreate};
        _meshViews = nullptr;
        markAllDirty();
    }

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
        } else uploadTail(_indexBuffer, indexData, *_indexPartition, dirty, std::size_t(indexSize)*_indexCapacity);
    }

    const UnsignedInt vertexCount = _meshData.vertexCount();
    if(!vertexCount) {
        _vertexBuffer.invalidateData();
    } else {
        if(dirty && _meshData.hasAttribute(Trade::MeshAttribute::ObjectId)) {
            const Containers::StridedArrayView1D<UnsignedInt> objectIds = _meshData.mutableAttribute<UnsignedInt>(Trade::MeshAttribute::ObjectId);
            std::size_t vertex = _vertexPartition->region(_dirtyBegin).offset/_vertexSize;
            for(Int i = _dirtyBegin; i != _dirtyEnd; ++i) {
                const UnsignedInt id = _objectIdOffset + UnsignedInt(i);
                for(std::size_t end = vertex + _vertexCounts[i]; vertex != end; ++vertex)
                    objectIds[vertex] = id;
            }
        }

        const Containers::ArrayView<const char> vertexData = _meshData.vertexData();
        if(needsReallocation(vertexCount, _vertexSlack, _vertexCapacity)) {
            _vertexBuffer.setData({nullptr, vertexData.size() + std::size_t(_vertexSize)*_vertexSlack}, GL::BufferUsage::DynamicDraw);
            _vertexBuffer.setSubData(0, vertexData);
            _vertexCapacity = vertexCount + _vertexSlack;
        } else uploadTail(_vertexBuffer, vertexData, *_vertexPartition, dirty, std::size_t(_vertexSize)*_vertexCapacity);
    }

    if(!_mesh.id()) {
        _meshViews = nullptr;
        _mesh = compileMesh(_meshData, _vertexBuffer);
    }

    UnsignedInt count;
    if(drawIndexed) {
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
        const MemoryPartition::Region region = _indexPartition->region(i);
        view.count = UnsignedInt(region.size/meshIndexTypeSize(_meshData.indexType()));
        view.indexByteOffset = UnsignedInt(region.offset);
    } else {
        const MemoryPartition::Region region = _vertexPartition->region(i);
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
        const std::size_t start = _indexPartition->region(first).offset/indexSize;
        const std::size_t end = _indexPartition->regionEnd(last)/indexSize;
        view.setIndexOffset(Int(start));
        view.setCount(Int(end - start));
    } else {
        const std::size_t start = _vertexPartition->region(first).offset/_vertexSize;
        const std::size_t end = _vertexPartition->regionEnd(last)/_vertexSize;
        view.setBaseVertex(Int(start));
        view.setCount(Int(end - start));
    }
    return view;
}

MeshBatch& MeshBatch::removeMeshes(const UnsignedInt first, const UnsignedInt count) {
    if(!count) return *this;
    CORRADE_ASSERT(std::size_t(first) + count <= _meshCount,
        "MeshBatch::removeMeshes(): Cannot remove" << count << "meshes after" << first << "with" << _meshCount << "meshes contained in batch", *this);

    _dirtyBegin = Math::min(_dirtyBegin, Int(first));

    /* The layout in offset form first, the arrays may move when they shrink */
    const bool indexed = _meshData.isIndexed();
    Containers::Array<char> indexData = _meshData.releaseIndexData();
    Containers::Array<Trade::MeshAttributeData> attributes = _meshData.releaseAttributeData();
    Containers::Array<char> vertexData = _meshData.releaseVertexData();

    if(indexed) removeRegionData(*_indexPartition, indexData, first, count);
    removeRegionData(*_vertexPartition, vertexData, first, count);
    Containers::arrayRemove(_vertexCounts, first, count);
    _indexPartition->removeRegions(first, count);
    _vertexPartition->removeRegions(first, count);

    const std::size_t oldVertexBytes = vertexData.size();
    const std::size_t newVertexBytes = _vertexPartition->end();
    const std::size_t newIndexBytes = indexed ? _indexPartition->end() : 0;
    const UnsignedInt newVertexCount = _vertexSize ? UnsignedInt(newVertexBytes/_vertexSize) : 0;
    const UnsignedInt removedVertices = _vertexSize ? UnsignedInt((oldVertexBytes - newVertexBytes)/_vertexSize) : 0;
    Containers::Array<Trade::MeshAttributeData> layout = offsetOnlyLayout(attributes, vertexData, newVertexCount);
    Containers::arrayResize<Trade::ArrayAllocator>(vertexData, NoInit, newVertexBytes);
    Containers::arrayResize<Trade::ArrayAllocator>(indexData, NoInit, newIndexBytes);

    /* The moved meshes' indices follow their moved vertices */
    if(indexed && _indexPartition->usedRegionCount() > first) {
        const Containers::ArrayView<UnsignedInt> indices = Containers::arrayCast<UnsignedInt>(indexData.exceptPrefix(_indexPartition->region(first).offset));
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

    _dirtyEnd = Int(_indexPartition->usedRegionCount());
    _meshCount -= count;
    return *this;
}

MeshBatch& MeshBatch::removeAll() {
    return removeMeshes(0, _meshCount);
}

}
