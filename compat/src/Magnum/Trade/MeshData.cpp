#include "Magnum/Trade/MeshData.h"

#include <cstring>
#include <utility>

#include <Corrade/Containers/Optional.h>

#include "Magnum/Math/Color.h"
#include "Magnum/Math/Packing.h"
#include "Magnum/Math/Vector2.h"
#include "Magnum/Math/Vector3.h"
#include "Magnum/Math/Vector4.h"

namespace Magnum { namespace Trade {

using Corrade::Utility::Debug;
namespace Containers = Corrade::Containers;

namespace {
    template<class T> void nonOwnedArrayDeleter(T*, std::size_t) {}

    Containers::Array<char> nonOwnedArray(const Containers::ArrayView<const void> view) {
        return Containers::Array<char>{const_cast<char*>(static_cast<const char*>(view.data())), view.size(), nonOwnedArrayDeleter<char>};
    }

    /* Plain new[] so a released array has the default deleter */
    Containers::Array<MeshAttributeData> copyAttributes(const std::initializer_list<MeshAttributeData> list) {
        Containers::Array<MeshAttributeData> out{list.size() ? new MeshAttributeData[list.size()] : nullptr, list.size()};
        std::size_t i = 0;
        for(const MeshAttributeData& attribute: list) out[i++] = attribute;
        return out;
    }

    std::size_t absStride(const Short stride) { return std::size_t(stride < 0 ? -stride : stride); }

    Float halfToFloat(const UnsignedShort half) {
        const UnsignedInt sign = UnsignedInt(half & 0x8000u) << 16;
        UnsignedInt exponent = (half >> 10) & 0x1fu;
        UnsignedInt mantissa = half & 0x3ffu;
        UnsignedInt bits;
        if(exponent == 0x1fu) bits = sign|0x7f800000u|(mantissa << 13);
        else if(exponent) bits = sign|((exponent + 112u) << 23)|(mantissa << 13);
        else if(!mantissa) bits = sign;
        else {
            /* Denormal, renormalize it for the wider exponent range */
            exponent = 113;
            while(!(mantissa & 0x400u)) {
                mantissa <<= 1;
                --exponent;
            }
            bits = sign|(exponent << 23)|((mantissa & 0x3ffu) << 13);
        }
        Float out;
        std::memcpy(&out, &bits, 4);
        return out;
    }

    /* Reads one component; integer formats are converted or unpacked */
    template<class T> T loadUnaligned(const char* data) {
        T value;
        std::memcpy(&value, data, sizeof(T));
        return value;
    }

    Float componentToFloat(const char* data, const VertexFormat component, const bool normalized) {
        switch(component) {
            case VertexFormat::Float: return loadUnaligned<Float>(data);
            case VertexFormat::Half: return halfToFloat(loadUnaligned<UnsignedShort>(data));
            case VertexFormat::Double: return Float(loadUnaligned<Double>(data));
            case VertexFormat::UnsignedByte: {
                const UnsignedByte v = loadUnaligned<UnsignedByte>(data);
                return normalized ? Math::unpack<Float>(v) : Float(v);
            }
            case VertexFormat::Byte: {
                const Byte v = loadUnaligned<Byte>(data);
                return normalized ? Math::unpack<Float>(v) : Float(v);
            }
            case VertexFormat::UnsignedShort: {
                const UnsignedShort v = loadUnaligned<UnsignedShort>(data);
                return normalized ? Math::unpack<Float>(v) : Float(v);
            }
            case VertexFormat::Short: {
                const Short v = loadUnaligned<Short>(data);
                return normalized ? Math::unpack<Float>(v) : Float(v);
            }
            case VertexFormat::UnsignedInt: return Float(loadUnaligned<UnsignedInt>(data));
            case VertexFormat::Int: return Float(loadUnaligned<Int>(data));
            default: break;
        }
        CORRADE_INTERNAL_ASSERT_UNREACHABLE();
    }

    UnsignedInt componentToUnsignedInt(const char* data, const VertexFormat component) {
        switch(component) {
            case VertexFormat::UnsignedByte: return loadUnaligned<UnsignedByte>(data);
            case VertexFormat::UnsignedShort: return loadUnaligned<UnsignedShort>(data);
            case VertexFormat::UnsignedInt: return loadUnaligned<UnsignedInt>(data);
            default: break;
        }
        CORRADE_INTERNAL_ASSERT_UNREACHABLE();
    }

    /* Converts components [first, first + count) of each element to floats,
       output component j goes to destination[i][j] */
    template<std::size_t size> void convertToFloats(const Containers::StridedArrayView1D<const void>& source, const VertexFormat format, const UnsignedInt first, const UnsignedInt count, const Containers::StridedArrayView1D<Math::Vector<size, Float>>& destination) {
        const VertexFormat component = vertexFormatComponentFormat(format);
        const bool normalized = isVertexFormatNormalized(format);
        const std::size_t componentSize = vertexFormatSize(component);
        const char* const base = static_cast<const char*>(source.data());
        for(std::size_t i = 0; i != destination.size(); ++i) {
            const char* const element = base + std::ptrdiff_t(i)*source.stride() + first*componentSize;
            Math::Vector<size, Float>& out = destination[i];
            for(UnsignedInt j = 0; j != count; ++j)
                out[j] = componentToFloat(element + j*componentSize, component, normalized);
        }
    }

    template<class T> Containers::StridedArrayView1D<Math::Vector<T::Size, Float>> asVectors(const Containers::StridedArrayView1D<T>& view) {
        return Containers::arrayCast<Math::Vector<T::Size, Float>>(view);
    }
}

MeshIndexData::MeshIndexData(const Containers::StridedArrayView2D<const char>& data) noexcept: MeshIndexData{MeshIndexType{}, Containers::StridedArrayView1D<const void>{{nullptr, ~std::size_t{}}, data.data(), data.size()[0], data.stride()[0]}} {
    /* A zero second dimension means a non-indexed mesh */
    if(data.size()[1] == 0) {
        _type = MeshIndexType{};
        return;
    }

    if(data.size()[1] == 4) _type = MeshIndexType::UnsignedInt;
    else if(data.size()[1] == 2) _type = MeshIndexType::UnsignedShort;
    else if(data.size()[1] == 1) _type = MeshIndexType::UnsignedByte;
    else CORRADE_ASSERT_UNREACHABLE("Trade::MeshIndexData: expected index type size 1, 2 or 4 but got" << data.size()[1], );

    CORRADE_ASSERT(data.isContiguous<1>(),
        "Trade::MeshIndexData: second view dimension is not contiguous", );
}

MeshAttributeData::MeshAttributeData(const MeshAttribute name, const VertexFormat format, const Containers::StridedArrayView1D<const void>& data, const UnsignedShort arraySize, const Int morphTargetId) noexcept: MeshAttributeData{nullptr, name, format, data, arraySize, morphTargetId} {}

MeshAttributeData::MeshAttributeData(const MeshAttribute name, const VertexFormat format, const Containers::StridedArrayView2D<const char>& data, const UnsignedShort arraySize, const Int morphTargetId) noexcept: MeshAttributeData{nullptr, name, format, Containers::StridedArrayView1D<const void>{{nullptr, ~std::size_t{}}, data.data(), data.size()[0], data.stride()[0]}, arraySize, morphTargetId} {
    if(arraySize) CORRADE_ASSERT(data.isEmpty()[0] || isVertexFormatImplementationSpecific(format) || data.size()[1] == vertexFormatSize(format)*arraySize,
        "Trade::MeshAttributeData: second view dimension size" << data.size()[1] << "doesn't match" << format << "and array size" << arraySize, );
    else CORRADE_ASSERT(data.isEmpty()[0] || isVertexFormatImplementationSpecific(format) || data.size()[1] == vertexFormatSize(format),
        "Trade::MeshAttributeData: second view dimension size" << data.size()[1] << "doesn't match" << format, );
    CORRADE_ASSERT(data.isContiguous<1>(),
        "Trade::MeshAttributeData: second view dimension is not contiguous", );
}

Containers::StridedArrayView1D<const void> MeshAttributeData::data() const {
    CORRADE_ASSERT(!_isOffsetOnly,
        "Trade::MeshAttributeData::data(): the attribute is offset-only, supply a data array", {});
    /* The view is known to be valid, the size is there only for the bounds check */
    return Containers::StridedArrayView1D<const void>{{_data.pointer, ~std::size_t{}}, _vertexCount, _stride};
}

Containers::StridedArrayView1D<const void> MeshAttributeData::data(const Containers::ArrayView<const void> vertexData) const {
    return Containers::StridedArrayView1D<const void>{{nullptr, ~std::size_t{}},
        _isOffsetOnly ? static_cast<const char*>(vertexData.data()) + _data.offset : _data.pointer,
        _vertexCount, _stride};
}

Containers::Array<MeshAttributeData> meshAttributeDataNonOwningArray(const Containers::ArrayView<const MeshAttributeData> view) {
    return Containers::Array<MeshAttributeData>{const_cast<MeshAttributeData*>(view.data()), view.size(), nonOwnedArrayDeleter<MeshAttributeData>};
}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& indexData, const MeshIndexData& indices, Containers::Array<char>&& vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept:
    _indexCount{indices._type != MeshIndexType{} ? UnsignedInt(indices._data.size()) : 0},
    _primitive{primitive},
    _indexType{indices._type},
    /* The stride range was checked in MeshIndexData already */
    _indexStride{Short(indices._data.stride())},
    _indexDataFlags{DataFlag::Owned|DataFlag::Mutable},
    _vertexDataFlags{DataFlag::Owned|DataFlag::Mutable},
    _importerState{importerState},
    _indices{static_cast<const char*>(indices._data.data())},
    _attributes{std::move(attributes)},
    _indexData{std::move(indexData)},
    _vertexData{std::move(vertexData)}
{
    /* An explicit vertex count wins, but the attributes still have to agree
       among themselves */
    UnsignedInt expectedAttributeVertexCount = ~UnsignedInt{};
    if(_attributes.isEmpty()) {
        CORRADE_ASSERT(vertexCount != ImplicitVertexCount,
            "Trade::MeshData: vertex count can't be implicit if there are no attributes", );
        _vertexCount = vertexCount;
    } else if(vertexCount != ImplicitVertexCount) {
        _vertexCount = vertexCount;
        expectedAttributeVertexCount = _attributes[0]._vertexCount;
    } else {
        _vertexCount = _attributes[0]._vertexCount;
        expectedAttributeVertexCount = _vertexCount;
    }

    CORRADE_ASSERT(_indexCount || _indexData.isEmpty(),
        "Trade::MeshData: indexData passed for a non-indexed mesh", );
    if(_indexCount) {
        const std::ptrdiff_t typeSize = isMeshIndexTypeImplementationSpecific(_indexType) ? 0 : meshIndexTypeSize(_indexType);
        /* Signed and 64-bit so negative strides and large data work */
        const std::ptrdiff_t span = std::ptrdiff_t(_indexCount - 1)*_indexStride;
        const char* const begin = _indices + (span < 0 ? span : 0);
        const char* const end = _indices + typeSize + (span < 0 ? 0 : span);
        CORRADE_ASSERT(begin >= _indexData.begin() && end <= _indexData.end(),
            "Trade::MeshData: indices [" << Debug::nospace << static_cast<const void*>(begin) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(end) << Debug::nospace << "] are not contained in passed indexData array [" << Debug::nospace << static_cast<const void*>(_indexData.begin()) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(_indexData.end()) << Debug::nospace << "]", );
        static_cast<void>(begin);
        static_cast<void>(end);
    }

    for(std::size_t i = 0; i != _attributes.size(); ++i) {
        const MeshAttributeData& attribute = _attributes[i];
        CORRADE_ASSERT(attribute._format != VertexFormat{},
            "Trade::MeshData: attribute" << i << "doesn't specify anything", );
        CORRADE_ASSERT(attribute._vertexCount == expectedAttributeVertexCount,
            "Trade::MeshData: attribute" << i << "has" << attribute._vertexCount << "vertices but" << expectedAttributeVertexCount << "expected", );
        /* Nothing to access in an empty mesh, so nothing to check */
        if(!_vertexCount) continue;

        const std::ptrdiff_t typeSize = isVertexFormatImplementationSpecific(attribute._format) ? 0 :
            std::ptrdiff_t(vertexFormatSize(attribute._format)*(attribute._arraySize ? attribute._arraySize : 1));
        const std::ptrdiff_t span = std::ptrdiff_t(_vertexCount - 1)*attribute._stride;
        const std::ptrdiff_t beginOffset = span < 0 ? span : 0;
        const std::ptrdiff_t endOffset = typeSize + (span < 0 ? 0 : span);
        if(attribute._isOffsetOnly) {
            CORRADE_ASSERT(std::size_t(std::ptrdiff_t(attribute._data.offset) + endOffset) <= _vertexData.size(),
                "Trade::MeshData: offset-only attribute" << i << "spans" << std::size_t(std::ptrdiff_t(attribute._data.offset) + endOffset) << "bytes but passed vertexData array has only" << _vertexData.size(), );
        } else {
            /* Integer arithmetic so a null base pointer doesn't trip anything */
            const std::uintptr_t base = reinterpret_cast<std::uintptr_t>(attribute._data.pointer);
            const void* const begin = reinterpret_cast<const void*>(base + beginOffset);
            const void* const end = reinterpret_cast<const void*>(base + endOffset);
            CORRADE_ASSERT(begin >= static_cast<const void*>(_vertexData.begin()) && end <= static_cast<const void*>(_vertexData.end()),
                "Trade::MeshData: attribute" << i << "[" << Debug::nospace << begin << Debug::nospace << ":" << Debug::nospace << end << Debug::nospace << "] is not contained in passed vertexData array [" << Debug::nospace << static_cast<const void*>(_vertexData.begin()) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(_vertexData.end()) << Debug::nospace << "]", );
            static_cast<void>(begin);
            static_cast<void>(end);
        }
    }

    /* Skin joint IDs and weights come in matching pairs */
    #ifndef CORRADE_NO_ASSERT
    const UnsignedInt jointIdAttributeCount = attributeCount(MeshAttribute::JointIds);
    const UnsignedInt weightAttributeCount = attributeCount(MeshAttribute::Weights);
    CORRADE_ASSERT(weightAttributeCount == jointIdAttributeCount,
        "Trade::MeshData: expected" << jointIdAttributeCount << "weight attributes to match joint IDs but got" << weightAttributeCount, );
    for(UnsignedInt i = 0; i != jointIdAttributeCount; ++i) {
        const UnsignedInt jointIdsArraySize = attributeArraySize(MeshAttribute::JointIds, i);
        const UnsignedInt weightsArraySize = attributeArraySize(MeshAttribute::Weights, i);
        CORRADE_ASSERT(weightsArraySize == jointIdsArraySize,
            "Trade::MeshData: expected" << jointIdsArraySize << "array items for weight attribute" << i << "to match joint IDs but got" << weightsArraySize, );
    }
    #endif
    static_cast<void>(expectedAttributeVertexCount);
}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& indexData, const MeshIndexData& indices, Containers::Array<char>&& vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, std::move(indexData), indices, std::move(vertexData), copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags indexDataFlags, const Containers::ArrayView<const void> indexData, const MeshIndexData& indices, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, nonOwnedArray(indexData), indices, nonOwnedArray(vertexData), std::move(attributes), vertexCount, importerState} {
    CORRADE_ASSERT(!(indexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned index data but" << indexDataFlags, );
    CORRADE_ASSERT(!(vertexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned vertex data but" << vertexDataFlags, );
    _indexDataFlags = indexDataFlags;
    _vertexDataFlags = vertexDataFlags;
}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags indexDataFlags, const Containers::ArrayView<const void> indexData, const MeshIndexData& indices, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, indexDataFlags, indexData, indices, vertexDataFlags, vertexData, copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags indexDataFlags, const Containers::ArrayView<const void> indexData, const MeshIndexData& indices, Containers::Array<char>&& vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, nonOwnedArray(indexData), indices, std::move(vertexData), std::move(attributes), vertexCount, importerState} {
    CORRADE_ASSERT(!(indexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned index data but" << indexDataFlags, );
    _indexDataFlags = indexDataFlags;
}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags indexDataFlags, const Containers::ArrayView<const void> indexData, const MeshIndexData& indices, Containers::Array<char>&& vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, indexDataFlags, indexData, indices, std::move(vertexData), copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& indexData, const MeshIndexData& indices, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, std::move(indexData), indices, nonOwnedArray(vertexData), std::move(attributes), vertexCount, importerState} {
    CORRADE_ASSERT(!(vertexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned vertex data but" << vertexDataFlags, );
    _vertexDataFlags = vertexDataFlags;
}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& indexData, const MeshIndexData& indices, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, std::move(indexData), indices, vertexDataFlags, vertexData, copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, {}, MeshIndexData{}, std::move(vertexData), std::move(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, std::move(vertexData), copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, Containers::Array<MeshAttributeData>&& attributes, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, nonOwnedArray(vertexData), std::move(attributes), vertexCount, importerState} {
    CORRADE_ASSERT(!(vertexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned vertex data but" << vertexDataFlags, );
    _vertexDataFlags = vertexDataFlags;
}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags vertexDataFlags, const Containers::ArrayView<const void> vertexData, const std::initializer_list<MeshAttributeData> attributes, const UnsignedInt vertexCount, const void* const importerState): MeshData{primitive, vertexDataFlags, vertexData, copyAttributes(attributes), vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, Containers::Array<char>&& indexData, const MeshIndexData& indices, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, std::move(indexData), indices, Containers::Array<char>{}, Containers::Array<MeshAttributeData>{}, vertexCount, importerState} {}

MeshData::MeshData(const MeshPrimitive primitive, const DataFlags indexDataFlags, const Containers::ArrayView<const void> indexData, const MeshIndexData& indices, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, nonOwnedArray(indexData), indices, vertexCount, importerState} {
    CORRADE_ASSERT(!(indexDataFlags & DataFlag::Owned),
        "Trade::MeshData: can't construct with non-owned index data but" << indexDataFlags, );
    _indexDataFlags = indexDataFlags;
}

MeshData::MeshData(const MeshPrimitive primitive, const UnsignedInt vertexCount, const void* const importerState) noexcept: MeshData{primitive, Containers::Array<char>{}, MeshIndexData{}, Containers::Array<char>{}, Containers::Array<MeshAttributeData>{}, vertexCount, importerState} {}

MeshData::MeshData(MeshData&&) noexcept = default;
MeshData::~MeshData() = default;
MeshData& MeshData::operator=(MeshData&&) noexcept = default;

Containers::ArrayView<char> MeshData::mutableIndexData() & {
    CORRADE_ASSERT(_indexDataFlags & DataFlag::Mutable,
        "Trade::MeshData::mutableIndexData(): index data not mutable", {});
    return _indexData;
}

Containers::ArrayView<char> MeshData::mutableVertexData() & {
    CORRADE_ASSERT(_vertexDataFlags & DataFlag::Mutable,
        "Trade::MeshData::mutableVertexData(): vertex data not mutable", {});
    return _vertexData;
}

UnsignedInt MeshData::indexCount() const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indexCount(): the mesh is not indexed", {});
    return _indexCount;
}

MeshIndexType MeshData::indexType() const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indexType(): the mesh is not indexed", {});
    return _indexType;
}

std::size_t MeshData::indexOffset() const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indexOffset(): the mesh is not indexed", {});
    return std::size_t(_indices - _indexData.data());
}

Short MeshData::indexStride() const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indexStride(): the mesh is not indexed", {});
    return _indexStride;
}

Containers::StridedArrayView2D<const char> MeshData::indices() const {
    /* Non-indexed is zero in both dimensions, zero indices keep the type size */
    if(!isIndexed()) return {};
    const std::size_t typeSize = isMeshIndexTypeImplementationSpecific(_indexType) ?
        absStride(_indexStride) : meshIndexTypeSize(_indexType);
    return Containers::StridedArrayView2D<const char>{{_indices, ~std::size_t{}}, {_indexCount, typeSize}, {_indexStride, 1}};
}

Containers::StridedArrayView2D<char> MeshData::mutableIndices() {
    CORRADE_ASSERT(_indexDataFlags & DataFlag::Mutable,
        "Trade::MeshData::mutableIndices(): index data not mutable", {});
    if(!isIndexed()) return {};
    const std::size_t typeSize = isMeshIndexTypeImplementationSpecific(_indexType) ?
        absStride(_indexStride) : meshIndexTypeSize(_indexType);
    return Containers::StridedArrayView2D<char>{{const_cast<char*>(_indices), ~std::size_t{}}, {_indexCount, typeSize}, {_indexStride, 1}};
}

Containers::StridedArrayView1D<const void> MeshData::attributeDataViewInternal(const MeshAttributeData& attribute) const {
    /* The mesh vertex count and not the attribute one, as the latter goes
       stale after releaseVertexData() */
    return Containers::StridedArrayView1D<const void>{{nullptr, ~std::size_t{}},
        attribute._isOffsetOnly ? _vertexData.data() + attribute._data.offset : attribute._data.pointer,
        _vertexCount, attribute._stride};
}

void MeshData::printAttributeNotFound(const char* const prefix, const UnsignedInt id, const UnsignedInt count, const MeshAttribute name, const Int morphTargetId) {
    if(morphTargetId == -1) CORRADE_ASSERT(false,
        prefix << "index" << id << "out of range for" << count << name << "attributes", );
    else CORRADE_ASSERT(false,
        prefix << "index" << id << "out of range for" << count << name << "attributes in morph target" << morphTargetId, );
    static_cast<void>(prefix);
    static_cast<void>(id);
    static_cast<void>(count);
    static_cast<void>(name);
}

UnsignedInt MeshData::attributeCount(const Int morphTargetId) const {
    UnsignedInt count = 0;
    for(const MeshAttributeData& attribute: _attributes)
        if(attribute._morphTargetId == morphTargetId) ++count;
    return count;
}

MeshAttributeData MeshData::attributeData(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeData(): index" << id << "out of range for" << _attributes.size() << "attributes", MeshAttributeData{});
    const MeshAttributeData& attribute = _attributes[id];
    return MeshAttributeData{attribute._name, attribute._format, attributeDataViewInternal(attribute), attribute._arraySize, attribute._morphTargetId};
}

MeshAttribute MeshData::attributeName(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeName(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._name;
}

UnsignedInt MeshData::attributeId(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeId(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    UnsignedInt count = 0;
    for(UnsignedInt i = 0; i != id; ++i)
        if(_attributes[i]._name == _attributes[id]._name && _attributes[i]._morphTargetId == _attributes[id]._morphTargetId)
            ++count;
    return count;
}

VertexFormat MeshData::attributeFormat(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeFormat(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._format;
}

std::size_t MeshData::attributeOffset(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeOffset(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._isOffsetOnly ? _attributes[id]._data.offset :
        std::size_t(static_cast<const char*>(_attributes[id]._data.pointer) - _vertexData.data());
}

Short MeshData::attributeStride(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeStride(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._stride;
}

UnsignedShort MeshData::attributeArraySize(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeArraySize(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._arraySize;
}

Int MeshData::attributeMorphTargetId(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attributeMorphTargetId(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    return _attributes[id]._morphTargetId;
}

UnsignedInt MeshData::attributeCount(const MeshAttribute name, const Int morphTargetId) const {
    UnsignedInt count = 0;
    for(const MeshAttributeData& attribute: _attributes)
        if(attribute._name == name && attribute._morphTargetId == morphTargetId) ++count;
    return count;
}

UnsignedInt MeshData::findAttributeIdInternal(const MeshAttribute name, UnsignedInt id, const Int morphTargetId) const {
    for(std::size_t i = 0; i != _attributes.size(); ++i) {
        if(_attributes[i]._name != name || _attributes[i]._morphTargetId != morphTargetId) continue;
        if(id-- == 0) return UnsignedInt(i);
    }
    return ~UnsignedInt{};
}

Containers::Optional<UnsignedInt> MeshData::findAttributeId(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId);
    if(attributeId == ~UnsignedInt{}) return {};
    return attributeId;
}

/* Shared lookup of the by-name queries, asserting with the caller's prefix */
#define MESHDATA_FIND(prefix, returnValue)                                  \
    const UnsignedInt attributeId = findAttributeIdInternal(name, id, morphTargetId); \
    if(attributeId == ~UnsignedInt{}) {                                     \
        printAttributeNotFound(prefix, id, attributeCount(name, morphTargetId), name, morphTargetId); \
        return returnValue;                                                 \
    }

UnsignedInt MeshData::attributeId(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attributeId():", {})
    return attributeId;
}

VertexFormat MeshData::attributeFormat(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attributeFormat():", {})
    return _attributes[attributeId]._format;
}

std::size_t MeshData::attributeOffset(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attributeOffset():", {})
    return attributeOffset(attributeId);
}

Short MeshData::attributeStride(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attributeStride():", {})
    return _attributes[attributeId]._stride;
}

UnsignedShort MeshData::attributeArraySize(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attributeArraySize():", {})
    return _attributes[attributeId]._arraySize;
}

Containers::StridedArrayView2D<const char> MeshData::attribute(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::attribute(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    const MeshAttributeData& attribute = _attributes[id];
    const Containers::StridedArrayView1D<const void> view = attributeDataViewInternal(attribute);
    const std::size_t elementSize = isVertexFormatImplementationSpecific(attribute._format) ?
        absStride(attribute._stride) :
        vertexFormatSize(attribute._format)*(attribute._arraySize ? attribute._arraySize : 1);
    return Containers::StridedArrayView2D<const char>{{static_cast<const char*>(view.data()), ~std::size_t{}}, {view.size(), elementSize}, {view.stride(), 1}};
}

Containers::StridedArrayView2D<char> MeshData::mutableAttribute(const UnsignedInt id) {
    CORRADE_ASSERT(_vertexDataFlags & DataFlag::Mutable,
        "Trade::MeshData::mutableAttribute(): vertex data not mutable", {});
    CORRADE_ASSERT(id < _attributes.size(),
        "Trade::MeshData::mutableAttribute(): index" << id << "out of range for" << _attributes.size() << "attributes", {});
    const Containers::StridedArrayView2D<const char> out = attribute(id);
    return Containers::StridedArrayView2D<char>{{static_cast<char*>(const_cast<void*>(out.data())), ~std::size_t{}}, out.size(), out.stride()};
}

Containers::StridedArrayView2D<const char> MeshData::attribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_FIND("Trade::MeshData::attribute():", {})
    return attribute(attributeId);
}

Containers::StridedArrayView2D<char> MeshData::mutableAttribute(const MeshAttribute name, const UnsignedInt id, const Int morphTargetId) {
    CORRADE_ASSERT(_vertexDataFlags & DataFlag::Mutable,
        "Trade::MeshData::mutableAttribute(): vertex data not mutable", {});
    MESHDATA_FIND("Trade::MeshData::mutableAttribute():", {})
    return mutableAttribute(attributeId);
}

#undef MESHDATA_FIND

void MeshData::indicesInto(const Containers::StridedArrayView1D<UnsignedInt>& destination) const {
    CORRADE_ASSERT(isIndexed(),
        "Trade::MeshData::indicesInto(): the mesh is not indexed", );
    CORRADE_ASSERT(destination.size() == indexCount(),
        "Trade::MeshData::indicesInto(): expected a view with" << indexCount() << "elements but got" << destination.size(), );
    CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(_indexType),
        "Trade::MeshData::indicesInto(): can't extract data out of an implementation-specific index type" << Debug::hex << meshIndexTypeUnwrap(_indexType), );
    const VertexFormat component = _indexType == MeshIndexType::UnsignedInt ? VertexFormat::UnsignedInt :
        _indexType == MeshIndexType::UnsignedShort ? VertexFormat::UnsignedShort : VertexFormat::UnsignedByte;
    for(std::size_t i = 0; i != _indexCount; ++i)
        destination[i] = componentToUnsignedInt(_indices + std::ptrdiff_t(i)*_indexStride, component);
}

Containers::Array<UnsignedInt> MeshData::indicesAsArray() const {
    /* Asserting here so the message doesn't come from indexCount() */
    CORRADE_ASSERT(isIndexed(), "Trade::MeshData::indicesAsArray(): the mesh is not indexed", {});
    Containers::Array<UnsignedInt> out{Corrade::NoInit, _indexCount};
    indicesInto(out);
    return out;
}

/* Lookup, size and format checks shared by the *Into() accessors */
#define MESHDATA_INTO_PROLOGUE(function, attributeName, what)               \
    const UnsignedInt attributeId = findAttributeIdInternal(attributeName, id, morphTargetId); \
    if(morphTargetId == -1) CORRADE_ASSERT(attributeId != ~UnsignedInt{},   \
        "Trade::MeshData::" function "(): index" << id << "out of range for" << attributeCount(attributeName, morphTargetId) << what " attributes", ); \
    else CORRADE_ASSERT(attributeId != ~UnsignedInt{},                      \
        "Trade::MeshData::" function "(): index" << id << "out of range for" << attributeCount(attributeName, morphTargetId) << what " attributes in morph target" << morphTargetId, ); \
    CORRADE_ASSERT(destination.size() == _vertexCount,                      \
        "Trade::MeshData::" function "(): expected a view with" << _vertexCount << "elements but got" << destination.size(), ); \
    const MeshAttributeData& attribute = _attributes[attributeId];          \
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format), \
        "Trade::MeshData::" function "(): can't extract data out of an implementation-specific vertex format" << Debug::hex << vertexFormatUnwrap(attribute._format), );

void MeshData::positions2DInto(const Containers::StridedArrayView1D<Vector2>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("positions2DInto", MeshAttribute::Position, "position")
    /* The Z of 3D positions is dropped */
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, 2, asVectors(destination));
}

Containers::Array<Vector2> MeshData::positions2DAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector2> out{Corrade::NoInit, _vertexCount};
    positions2DInto(out, id, morphTargetId);
    return out;
}

void MeshData::positions3DInto(const Containers::StridedArrayView1D<Vector3>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("positions3DInto", MeshAttribute::Position, "position")
    const UnsignedInt count = vertexFormatComponentCount(attribute._format);
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, count, asVectors(destination));
    if(count == 2) for(Vector3& i: destination) i.z() = 0.0f;
}

Containers::Array<Vector3> MeshData::positions3DAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector3> out{Corrade::NoInit, _vertexCount};
    positions3DInto(out, id, morphTargetId);
    return out;
}

void MeshData::tangentsInto(const Containers::StridedArrayView1D<Vector3>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("tangentsInto", MeshAttribute::Tangent, "tangent")
    /* The bitangent sign of four-component tangents is dropped */
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, 3, asVectors(destination));
}

Containers::Array<Vector3> MeshData::tangentsAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector3> out{Corrade::NoInit, _vertexCount};
    tangentsInto(out, id, morphTargetId);
    return out;
}

void MeshData::bitangentSignsInto(const Containers::StridedArrayView1D<Float>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("bitangentSignsInto", MeshAttribute::Tangent, "tangent")
    CORRADE_ASSERT(vertexFormatComponentCount(attribute._format) == 4,
        "Trade::MeshData::bitangentSignsInto(): expected four-component tangents, but got" << attribute._format, );
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 3, 1, Containers::arrayCast<Math::Vector<1, Float>>(destination));
}

Containers::Array<Float> MeshData::bitangentSignsAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Float> out{Corrade::NoInit, _vertexCount};
    bitangentSignsInto(out, id, morphTargetId);
    return out;
}

void MeshData::bitangentsInto(const Containers::StridedArrayView1D<Vector3>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("bitangentsInto", MeshAttribute::Bitangent, "bitangent")
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, 3, asVectors(destination));
}

Containers::Array<Vector3> MeshData::bitangentsAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector3> out{Corrade::NoInit, _vertexCount};
    bitangentsInto(out, id, morphTargetId);
    return out;
}

void MeshData::normalsInto(const Containers::StridedArrayView1D<Vector3>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("normalsInto", MeshAttribute::Normal, "normal")
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, 3, asVectors(destination));
}

Containers::Array<Vector3> MeshData::normalsAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector3> out{Corrade::NoInit, _vertexCount};
    normalsInto(out, id, morphTargetId);
    return out;
}

void MeshData::textureCoordinates2DInto(const Containers::StridedArrayView1D<Vector2>& destination, const UnsignedInt id, const Int morphTargetId) const {
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::TextureCoordinates, id, morphTargetId);
    if(morphTargetId == -1) CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::textureCoordinates2DInto(): index" << id << "out of range for" << attributeCount(MeshAttribute::TextureCoordinates, morphTargetId) << "texture coordinate attributes", );
    else CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::textureCoordinates2DInto(): index" << id << "out of range for" << attributeCount(MeshAttribute::TextureCoordinates, morphTargetId) << "texture coordinate attributes in morph target" << morphTargetId, );
    CORRADE_ASSERT(destination.size() == _vertexCount,
        "Trade::MeshData::textureCoordinates2DInto(): expected a view with" << _vertexCount << "elements but got" << destination.size(), );
    const MeshAttributeData& attribute = _attributes[attributeId];
    /* Upstream names the function without the 2D here */
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format),
        "Trade::MeshData::textureCoordinatesInto(): can't extract data out of an implementation-specific vertex format" << Debug::hex << vertexFormatUnwrap(attribute._format), );
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, 2, asVectors(destination));
}

Containers::Array<Vector2> MeshData::textureCoordinates2DAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Vector2> out{Corrade::NoInit, _vertexCount};
    textureCoordinates2DInto(out, id, morphTargetId);
    return out;
}

void MeshData::colorsInto(const Containers::StridedArrayView1D<Color4>& destination, const UnsignedInt id, const Int morphTargetId) const {
    MESHDATA_INTO_PROLOGUE("colorsInto", MeshAttribute::Color, "color")
    const UnsignedInt count = vertexFormatComponentCount(attribute._format);
    convertToFloats(attributeDataViewInternal(attribute), attribute._format, 0, count, asVectors(destination));
    if(count == 3) for(Color4& i: destination) i.a() = 1.0f;
}

Containers::Array<Color4> MeshData::colorsAsArray(const UnsignedInt id, const Int morphTargetId) const {
    Containers::Array<Color4> out{Corrade::NoInit, _vertexCount};
    colorsInto(out, id, morphTargetId);
    return out;
}

#undef MESHDATA_INTO_PROLOGUE

void MeshData::jointIdsInto(const Containers::StridedArrayView2D<UnsignedInt>& destination, const UnsignedInt id) const {
    /* Joint IDs can't be morph targets */
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::JointIds, id, -1);
    CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::jointIdsInto(): index" << id << "out of range for" << attributeCount(MeshAttribute::JointIds) << "joint ID attributes", );
    const MeshAttributeData& attribute = _attributes[attributeId];
    const Containers::Size2D expectedSize{_vertexCount, attribute._arraySize};
    CORRADE_ASSERT(destination.size() == expectedSize,
        "Trade::MeshData::jointIdsInto(): expected a view with" << expectedSize << "elements but got" << destination.size(), );
    CORRADE_ASSERT(destination.isContiguous<1>(),
        "Trade::MeshData::jointIdsInto(): second view dimension is not contiguous", );
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format),
        "Trade::MeshData::jointIdsInto(): can't extract data out of an implementation-specific vertex format" << Debug::hex << vertexFormatUnwrap(attribute._format), );
    const Containers::StridedArrayView1D<const void> source = attributeDataViewInternal(attribute);
    const std::size_t componentSize = vertexFormatSize(attribute._format);
    for(std::size_t i = 0; i != _vertexCount; ++i) {
        const char* const element = static_cast<const char*>(source.data()) + std::ptrdiff_t(i)*source.stride();
        for(std::size_t j = 0; j != attribute._arraySize; ++j)
            destination[{i, j}] = componentToUnsignedInt(element + j*componentSize, attribute._format);
    }
    static_cast<void>(expectedSize);
}

Containers::Array<UnsignedInt> MeshData::jointIdsAsArray(const UnsignedInt id) const {
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::JointIds, id, -1);
    CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::jointIdsAsArray(): index" << id << "out of range for" << attributeCount(MeshAttribute::JointIds) << "joint ID attributes", {});
    const std::size_t arraySize = _attributes[attributeId]._arraySize;
    Containers::Array<UnsignedInt> out{ValueInit, std::size_t(_vertexCount)*arraySize};
    jointIdsInto(Containers::StridedArrayView2D<UnsignedInt>{out, {_vertexCount, arraySize}}, id);
    return out;
}

void MeshData::weightsInto(const Containers::StridedArrayView2D<Float>& destination, const UnsignedInt id) const {
    /* Weights can't be morph targets */
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::Weights, id, -1);
    CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::weightsInto(): index" << id << "out of range for" << attributeCount(MeshAttribute::Weights) << "weight attributes", );
    const MeshAttributeData& attribute = _attributes[attributeId];
    const Containers::Size2D expectedSize{_vertexCount, attribute._arraySize};
    CORRADE_ASSERT(destination.size() == expectedSize,
        "Trade::MeshData::weightsInto(): expected a view with" << expectedSize << "elements but got" << destination.size(), );
    CORRADE_ASSERT(destination.isContiguous<1>(),
        "Trade::MeshData::weightsInto(): second view dimension is not contiguous", );
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format),
        "Trade::MeshData::weightsInto(): can't extract data out of an implementation-specific vertex format" << Debug::hex << vertexFormatUnwrap(attribute._format), );
    const Containers::StridedArrayView1D<const void> source = attributeDataViewInternal(attribute);
    const VertexFormat component = vertexFormatComponentFormat(attribute._format);
    const bool normalized = isVertexFormatNormalized(attribute._format);
    const std::size_t componentSize = vertexFormatSize(component);
    for(std::size_t i = 0; i != _vertexCount; ++i) {
        const char* const element = static_cast<const char*>(source.data()) + std::ptrdiff_t(i)*source.stride();
        for(std::size_t j = 0; j != attribute._arraySize; ++j)
            destination[{i, j}] = componentToFloat(element + j*componentSize, component, normalized);
    }
    static_cast<void>(expectedSize);
}

Containers::Array<Float> MeshData::weightsAsArray(const UnsignedInt id) const {
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::Weights, id, -1);
    /* Upstream reports the joint ID count here */
    CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::weightsAsArray(): index" << id << "out of range for" << attributeCount(MeshAttribute::JointIds) << "weight attributes", {});
    const std::size_t arraySize = _attributes[attributeId]._arraySize;
    Containers::Array<Float> out{ValueInit, std::size_t(_vertexCount)*arraySize};
    weightsInto(Containers::StridedArrayView2D<Float>{out, {_vertexCount, arraySize}}, id);
    return out;
}

void MeshData::objectIdsInto(const Containers::StridedArrayView1D<UnsignedInt>& destination, const UnsignedInt id) const {
    /* Object IDs can't be morph targets */
    const UnsignedInt attributeId = findAttributeIdInternal(MeshAttribute::ObjectId, id, -1);
    CORRADE_ASSERT(attributeId != ~UnsignedInt{},
        "Trade::MeshData::objectIdsInto(): index" << id << "out of range for" << attributeCount(MeshAttribute::ObjectId) << "object ID attributes", );
    CORRADE_ASSERT(destination.size() == _vertexCount,
        "Trade::MeshData::objectIdsInto(): expected a view with" << _vertexCount << "elements but got" << destination.size(), );
    const MeshAttributeData& attribute = _attributes[attributeId];
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(attribute._format),
        "Trade::MeshData::objectIdsInto(): can't extract data out of an implementation-specific vertex format" << Debug::hex << vertexFormatUnwrap(attribute._format), );
    const Containers::StridedArrayView1D<const void> source = attributeDataViewInternal(attribute);
    for(std::size_t i = 0; i != _vertexCount; ++i)
        destination[i] = componentToUnsignedInt(static_cast<const char*>(source.data()) + std::ptrdiff_t(i)*source.stride(), attribute._format);
}

Containers::Array<UnsignedInt> MeshData::objectIdsAsArray(const UnsignedInt id) const {
    Containers::Array<UnsignedInt> out{Corrade::NoInit, _vertexCount};
    objectIdsInto(out, id);
    return out;
}

Containers::Array<char> MeshData::releaseIndexData() {
    /* The index type stays, the data pointer too so offsets keep working */
    _indexCount = 0;
    Containers::Array<char> out = std::move(_indexData);
    _indexData = Containers::Array<char>{out.data(), 0, nonOwnedArrayDeleter<char>};
    return out;
}

Containers::Array<MeshAttributeData> MeshData::releaseAttributeData() {
    return std::move(_attributes);
}

Containers::Array<char> MeshData::releaseVertexData() {
    _vertexCount = 0;
    Containers::Array<char> out = std::move(_vertexData);
    _vertexData = Containers::Array<char>{out.data(), 0, nonOwnedArrayDeleter<char>};
    return out;
}

Debug& operator<<(Debug& debug, const MeshAttribute value) {
    const bool packed = debug.immediateFlags() >= Debug::Flag::Packed;
    if(!packed) debug << "Trade::MeshAttribute" << Debug::nospace;

    if(isMeshAttributeCustom(value))
        return debug << (packed ? "Custom(" : "::Custom(") << Debug::nospace << meshAttributeCustom(value) << Debug::nospace << ")";

    switch(value) {
        #define _c(value) case MeshAttribute::value: return debug << (packed ? "" : "::") << Debug::nospace << #value;
        _c(Position)
        _c(Tangent)
        _c(Bitangent)
        _c(Normal)
        _c(TextureCoordinates)
        _c(Color)
        _c(JointIds)
        _c(Weights)
        _c(ObjectId)
        #undef _c
    }

    return debug << (packed ? "" : "(") << Debug::nospace << Debug::hex << UnsignedShort(value) << Debug::nospace << (packed ? "" : ")");
}

}}
