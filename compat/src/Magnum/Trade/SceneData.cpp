#include "Magnum/Trade/SceneData.h"

#include <cstring>

#include <Corrade/Containers/EnumSet.hpp>
#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Move.h>

#include "Magnum/Math/Color.h"
#include "Magnum/Math/Matrix3.h"
#include "Magnum/Math/Matrix4.h"
#include "Magnum/Math/Quaternion.h"

namespace Magnum { namespace Trade {

using Corrade::Utility::Debug;

namespace {
    template<class T> void nonOwnedSceneDeleter(T*, std::size_t) {}

    template<class T> Containers::Array<T> copyOf(const std::initializer_list<T> list) {
        Containers::Array<T> out{Corrade::ValueInit, list.size()};
        std::size_t i = 0;
        for(const T& item: list) out[i++] = item;
        return out;
    }

    bool isTypeCompatibleWithField(const SceneField name, const SceneFieldType type) {
        if(isSceneFieldCustom(name)) return true;
        switch(name) {
            case SceneField::Parent:
                return type == SceneFieldType::Byte || type == SceneFieldType::Short ||
                       type == SceneFieldType::Int || type == SceneFieldType::Long;
            case SceneField::Transformation:
                return type == SceneFieldType::Matrix3x3 || type == SceneFieldType::Matrix4x4;
            case SceneField::Translation:
            case SceneField::Scaling:
                return type == SceneFieldType::Vector2 || type == SceneFieldType::Vector3;
            case SceneField::Rotation:
                return type == SceneFieldType::Quaternion;
            case SceneField::Mesh:
            case SceneField::Light:
            case SceneField::Camera:
            case SceneField::Skin:
                return type == SceneFieldType::UnsignedByte || type == SceneFieldType::UnsignedShort ||
                       type == SceneFieldType::UnsignedInt;
            case SceneField::MeshMaterial:
                return type == SceneFieldType::Byte || type == SceneFieldType::Short ||
                       type == SceneFieldType::Int;
            case SceneField::ImporterState:
                return type == SceneFieldType::Pointer || type == SceneFieldType::MutablePointer;
        }
        return false;
    }

    /* Dimensions a transformation-related field implies, 0 for other fields */
    UnsignedByte fieldDimensions(const SceneField name, const SceneFieldType type) {
        switch(name) {
            case SceneField::Transformation:
                return type == SceneFieldType::Matrix3x3 ? 2 : 3;
            case SceneField::Translation:
            case SceneField::Scaling:
                return type == SceneFieldType::Vector2 ? 2 : 3;
            case SceneField::Rotation:
                return 3;
            default: return 0;
        }
    }

    template<class T> T readAs(const void* const data) {
        T value;
        std::memcpy(&value, data, sizeof(T));
        return value;
    }
}

UnsignedInt sceneMappingTypeSize(const SceneMappingType type) {
    switch(type) {
        case SceneMappingType::UnsignedByte: return 1;
        case SceneMappingType::UnsignedShort: return 2;
        case SceneMappingType::UnsignedInt: return 4;
        case SceneMappingType::UnsignedLong: return 8;
    }
    CORRADE_ASSERT_UNREACHABLE("Trade::sceneMappingTypeSize(): invalid type" << type, {});
}

Debug& operator<<(Debug& debug, const SceneMappingType value) {
    debug << "Trade::SceneMappingType" << Debug::nospace;
    switch(value) {
        #define _c(value) case SceneMappingType::value: return debug << "::" #value;
        _c(UnsignedByte)
        _c(UnsignedShort)
        _c(UnsignedInt)
        _c(UnsignedLong)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedByte(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const SceneField value) {
    debug << "Trade::SceneField" << Debug::nospace;
    if(isSceneFieldCustom(value))
        return debug << "::Custom(" << Debug::nospace << sceneFieldCustom(value) << Debug::nospace << ")";
    switch(value) {
        #define _c(value) case SceneField::value: return debug << "::" #value;
        _c(Parent)
        _c(Transformation)
        _c(Translation)
        _c(Rotation)
        _c(Scaling)
        _c(Mesh)
        _c(MeshMaterial)
        _c(Light)
        _c(Camera)
        _c(Skin)
        _c(ImporterState)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

#define SCENE_FIELD_TYPES(_c) \
    _c(Float, 4) _c(Half, 2) _c(Double, 8) _c(UnsignedByte, 1) _c(Byte, 1) \
    _c(UnsignedShort, 2) _c(Short, 2) _c(UnsignedInt, 4) _c(Int, 4) \
    _c(UnsignedLong, 8) _c(Long, 8) \
    _c(Vector2, 8) _c(Vector2h, 4) _c(Vector2d, 16) _c(Vector2ub, 2) _c(Vector2b, 2) \
    _c(Vector2us, 4) _c(Vector2s, 4) _c(Vector2ui, 8) _c(Vector2i, 8) \
    _c(Vector3, 12) _c(Vector3h, 6) _c(Vector3d, 24) _c(Vector3ub, 3) _c(Vector3b, 3) \
    _c(Vector3us, 6) _c(Vector3s, 6) _c(Vector3ui, 12) _c(Vector3i, 12) \
    _c(Vector4, 16) _c(Vector4h, 8) _c(Vector4d, 32) _c(Vector4ub, 4) _c(Vector4b, 4) \
    _c(Vector4us, 8) _c(Vector4s, 8) _c(Vector4ui, 16) _c(Vector4i, 16) \
    _c(Matrix2x2, 16) _c(Matrix2x2h, 8) _c(Matrix2x2d, 32) \
    _c(Matrix2x3, 24) _c(Matrix2x3h, 12) _c(Matrix2x3d, 48) \
    _c(Matrix2x4, 32) _c(Matrix2x4h, 16) _c(Matrix2x4d, 64) \
    _c(Matrix3x2, 24) _c(Matrix3x2h, 12) _c(Matrix3x2d, 48) \
    _c(Matrix3x3, 36) _c(Matrix3x3h, 18) _c(Matrix3x3d, 72) \
    _c(Matrix3x4, 48) _c(Matrix3x4h, 24) _c(Matrix3x4d, 96) \
    _c(Matrix4x2, 32) _c(Matrix4x2h, 16) _c(Matrix4x2d, 64) \
    _c(Matrix4x3, 48) _c(Matrix4x3h, 24) _c(Matrix4x3d, 96) \
    _c(Matrix4x4, 64) _c(Matrix4x4h, 32) _c(Matrix4x4d, 128) \
    _c(Range1D, 8) _c(Range1Dh, 4) _c(Range1Dd, 16) _c(Range1Di, 8) \
    _c(Range2D, 16) _c(Range2Dh, 8) _c(Range2Dd, 32) _c(Range2Di, 16) \
    _c(Range3D, 24) _c(Range3Dh, 12) _c(Range3Dd, 48) _c(Range3Di, 24) \
    _c(Complex, 8) _c(Complexd, 16) _c(DualComplex, 16) _c(DualComplexd, 32) \
    _c(Quaternion, 16) _c(Quaterniond, 32) _c(DualQuaternion, 32) _c(DualQuaterniond, 64) \
    _c(Deg, 4) _c(Degh, 2) _c(Degd, 8) _c(Rad, 4) _c(Radh, 2) _c(Radd, 8) \
    _c(Pointer, sizeof(void*)) _c(MutablePointer, sizeof(void*))

UnsignedInt sceneFieldTypeSize(const SceneFieldType type) {
    switch(type) {
        #define _c(value, size) case SceneFieldType::value: return size;
        SCENE_FIELD_TYPES(_c)
        #undef _c
    }
    CORRADE_ASSERT_UNREACHABLE("Trade::sceneFieldTypeSize(): invalid type" << type, {});
}

Debug& operator<<(Debug& debug, const SceneFieldType value) {
    debug << "Trade::SceneFieldType" << Debug::nospace;
    switch(value) {
        #define _c(value, size) case SceneFieldType::value: return debug << "::" #value;
        SCENE_FIELD_TYPES(_c)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedShort(value) << Debug::nospace << ")";
}

#undef SCENE_FIELD_TYPES

Debug& operator<<(Debug& debug, const SceneFieldFlag value) {
    debug << "Trade::SceneFieldFlag" << Debug::nospace;
    switch(value) {
        #define _c(value) case SceneFieldFlag::value: return debug << "::" #value;
        _c(OffsetOnly)
        _c(OrderedMapping)
        _c(ImplicitMapping)
        _c(MultiEntry)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedByte(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const SceneFieldFlags value) {
    /* ImplicitMapping first so it isn't printed as OrderedMapping plus a rest */
    return Containers::enumSetDebugOutput(debug, value, "Trade::SceneFieldFlags{}", {
        SceneFieldFlag::OffsetOnly,
        SceneFieldFlag::ImplicitMapping,
        SceneFieldFlag::OrderedMapping,
        SceneFieldFlag::MultiEntry});
}

SceneFieldData::SceneFieldData(const SceneField name, const SceneMappingType mappingType, const Containers::StridedArrayView1D<const void>& mappingData, const SceneFieldType fieldType, const Containers::StridedArrayView1D<const void>& fieldData, const UnsignedShort fieldArraySize, const SceneFieldFlags flags) noexcept: _size{mappingData.size()}, _name{name}, _flags{flags}, _mappingType{mappingType}, _mappingStride{Short(mappingData.stride())}, _fieldType{fieldType}, _fieldStride{Short(fieldData.stride())}, _fieldArraySize{fieldArraySize}, _mappingData{mappingData.data()}, _fieldData{fieldData.data()} {
    CORRADE_ASSERT(mappingData.size() == fieldData.size(),
        "Trade::SceneFieldData: expected" << name << "mapping and field view to have the same size but got" << mappingData.size() << "and" << fieldData.size(), );
    CORRADE_ASSERT(isTypeCompatibleWithField(name, fieldType),
        "Trade::SceneFieldData:" << fieldType << "is not a valid type for" << name, );
    CORRADE_ASSERT(!(flags & SceneFieldFlag::OffsetOnly),
        "Trade::SceneFieldData: can't pass" << (flags & SceneFieldFlag::OffsetOnly) << "for a view", );
    CORRADE_ASSERT(mappingData.stride() >= -32768 && mappingData.stride() <= 32767,
        "Trade::SceneFieldData: expected mapping view stride to fit into 16 bits but got" << mappingData.stride(), );
    CORRADE_ASSERT(fieldData.stride() >= -32768 && fieldData.stride() <= 32767,
        "Trade::SceneFieldData: expected field view stride to fit into 16 bits but got" << fieldData.stride(), );
    CORRADE_ASSERT(!fieldArraySize || isSceneFieldCustom(name),
        "Trade::SceneFieldData:" << name << "can't be an array field", );
}

SceneFieldData::SceneFieldData(const SceneField name, const std::size_t size, const SceneMappingType mappingType, const std::size_t mappingOffset, const std::ptrdiff_t mappingStride, const SceneFieldType fieldType, const std::size_t fieldOffset, const std::ptrdiff_t fieldStride, const UnsignedShort fieldArraySize, const SceneFieldFlags flags) noexcept: _size{size}, _name{name}, _flags{flags|SceneFieldFlag::OffsetOnly}, _mappingType{mappingType}, _mappingStride{Short(mappingStride)}, _fieldType{fieldType}, _fieldStride{Short(fieldStride)}, _fieldArraySize{fieldArraySize}, _mappingData{mappingOffset}, _fieldData{fieldOffset} {
    CORRADE_ASSERT(isTypeCompatibleWithField(name, fieldType),
        "Trade::SceneFieldData:" << fieldType << "is not a valid type for" << name, );
    CORRADE_ASSERT(mappingStride >= -32768 && mappingStride <= 32767,
        "Trade::SceneFieldData: expected mapping view stride to fit into 16 bits but got" << mappingStride, );
    CORRADE_ASSERT(fieldStride >= -32768 && fieldStride <= 32767,
        "Trade::SceneFieldData: expected field view stride to fit into 16 bits but got" << fieldStride, );
    CORRADE_ASSERT(!fieldArraySize || isSceneFieldCustom(name),
        "Trade::SceneFieldData:" << name << "can't be an array field", );
}

Containers::StridedArrayView1D<const void> SceneFieldData::mappingData() const {
    CORRADE_ASSERT(!(_flags & SceneFieldFlag::OffsetOnly),
        "Trade::SceneFieldData::mappingData(): the field is offset-only, supply a data array", {});
    return Containers::StridedArrayView1D<const void>{{_mappingData.pointer, ~std::size_t{}}, _size, _mappingStride};
}

Containers::StridedArrayView1D<const void> SceneFieldData::mappingData(const Containers::ArrayView<const void> data) const {
    return Containers::StridedArrayView1D<const void>{data, _flags & SceneFieldFlag::OffsetOnly ? static_cast<const char*>(data.data()) + _mappingData.offset : _mappingData.pointer, _size, _mappingStride};
}

Containers::StridedArrayView1D<const void> SceneFieldData::fieldData() const {
    CORRADE_ASSERT(!(_flags & SceneFieldFlag::OffsetOnly),
        "Trade::SceneFieldData::fieldData(): the field is offset-only, supply a data array", {});
    return Containers::StridedArrayView1D<const void>{{_fieldData.pointer, ~std::size_t{}}, _size, _fieldStride};
}

Containers::StridedArrayView1D<const void> SceneFieldData::fieldData(const Containers::ArrayView<const void> data) const {
    return Containers::StridedArrayView1D<const void>{data, _flags & SceneFieldFlag::OffsetOnly ? static_cast<const char*>(data.data()) + _fieldData.offset : _fieldData.pointer, _size, _fieldStride};
}

SceneData::SceneData(const SceneMappingType mappingType, const UnsignedLong mappingBound, Containers::Array<char>&& data, Containers::Array<SceneFieldData>&& fields, const void* const importerState) noexcept: _dataFlags{DataFlag::Owned|DataFlag::Mutable}, _mappingType{mappingType}, _dimensions{}, _mappingBound{mappingBound}, _importerState{importerState}, _fields{Utility::move(fields)}, _data{Utility::move(data)} {
    CORRADE_ASSERT(mappingType == SceneMappingType{} || mappingType == SceneMappingType::UnsignedLong || mappingBound <= (1ull << (8*sceneMappingTypeSize(mappingType))),
        "Trade::SceneData:" << mappingType << "is too small for" << mappingBound << "objects", );

    for(std::size_t i = 0; i != _fields.size(); ++i) {
        const SceneFieldData& field = _fields[i];
        CORRADE_ASSERT(field._mappingType == _mappingType,
            "Trade::SceneData: inconsistent mapping type, got" << field._mappingType << "for field" << i << "but expected" << _mappingType, );

        /* Builtin fields may appear once */
        if(!isSceneFieldCustom(field._name)) for(std::size_t j = 0; j != i; ++j) {
            CORRADE_ASSERT(_fields[j]._name != field._name,
                "Trade::SceneData: duplicate field" << field._name, );
        }

        /* Every view has to lie inside the data; the last entry decides the
           end, a negative stride moves the beginning instead */
        if(field._size) {
            const std::size_t mappingSize = sceneMappingTypeSize(field._mappingType);
            const std::size_t fieldSize = sceneFieldTypeSize(field._fieldType)*(field._fieldArraySize ? field._fieldArraySize : 1);
            const Containers::StridedArrayView1D<const void> mappingView = mappingViewInternal(field);
            const Containers::StridedArrayView1D<const void> fieldView = fieldViewInternal(field);
            const char* const mappingBegin = static_cast<const char*>(mappingView.data()) + (field._mappingStride < 0 ? std::ptrdiff_t(field._size - 1)*field._mappingStride : 0);
            const char* const mappingEnd = static_cast<const char*>(mappingView.data()) + (field._mappingStride > 0 ? std::ptrdiff_t(field._size - 1)*field._mappingStride : 0) + mappingSize;
            const char* const fieldBegin = static_cast<const char*>(fieldView.data()) + (field._fieldStride < 0 ? std::ptrdiff_t(field._size - 1)*field._fieldStride : 0);
            const char* const fieldEnd = static_cast<const char*>(fieldView.data()) + (field._fieldStride > 0 ? std::ptrdiff_t(field._size - 1)*field._fieldStride : 0) + fieldSize;
            if(field._flags & SceneFieldFlag::OffsetOnly) {
                CORRADE_ASSERT(std::size_t(mappingEnd - _data.data()) <= _data.size(),
                    "Trade::SceneData: offset-only mapping data of field" << i << "span" << std::size_t(mappingEnd - _data.data()) << "bytes but passed data array has only" << _data.size(), );
                CORRADE_ASSERT(std::size_t(fieldEnd - _data.data()) <= _data.size(),
                    "Trade::SceneData: offset-only field data of field" << i << "span" << std::size_t(fieldEnd - _data.data()) << "bytes but passed data array has only" << _data.size(), );
            } else {
                CORRADE_ASSERT(mappingBegin >= _data.begin() && mappingEnd <= _data.end(),
                    "Trade::SceneData: mapping data [" << Debug::nospace << static_cast<const void*>(mappingBegin) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(mappingEnd) << Debug::nospace << "] of field" << i << "are not contained in passed data array [" << Debug::nospace << static_cast<const void*>(_data.begin()) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(_data.end()) << Debug::nospace << "]", );
                CORRADE_ASSERT(fieldBegin >= _data.begin() && fieldEnd <= _data.end(),
                    "Trade::SceneData: field data [" << Debug::nospace << static_cast<const void*>(fieldBegin) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(fieldEnd) << Debug::nospace << "] of field" << i << "are not contained in passed data array [" << Debug::nospace << static_cast<const void*>(_data.begin()) << Debug::nospace << ":" << Debug::nospace << static_cast<const void*>(_data.end()) << Debug::nospace << "]", );
            }
        }

        /* The transformation fields decide whether the scene is 2D or 3D */
        if(const UnsignedByte dimensions = fieldDimensions(field._name, field._fieldType)) {
            CORRADE_ASSERT(!_dimensions || _dimensions == dimensions,
                "Trade::SceneData: expected a" << (_dimensions == 3 ? "3D" : "2D") << (field._name == SceneField::Transformation ? "transformation" : field._name == SceneField::Translation ? "translation" : field._name == SceneField::Rotation ? "rotation" : "scaling") << "field but got" << field._fieldType, );
            _dimensions = dimensions;
        }
    }

    CORRADE_ASSERT(_dimensions || findFieldIdInternal(SceneField::Skin) == ~UnsignedInt{},
        "Trade::SceneData: a skin field requires some transformation field to be present in order to disambiguate between 2D and 3D", );
}

SceneData::SceneData(const SceneMappingType mappingType, const UnsignedLong mappingBound, Containers::Array<char>&& data, const std::initializer_list<SceneFieldData> fields, const void* const importerState): SceneData{mappingType, mappingBound, Utility::move(data), copyOf(fields), importerState} {}

SceneData::SceneData(const SceneMappingType mappingType, const UnsignedLong mappingBound, const DataFlags dataFlags, const Containers::ArrayView<const void> data, Containers::Array<SceneFieldData>&& fields, const void* const importerState) noexcept: SceneData{mappingType, mappingBound, Containers::Array<char>{const_cast<char*>(static_cast<const char*>(data.data())), data.size(), nonOwnedSceneDeleter<char>}, Utility::move(fields), importerState} {
    CORRADE_ASSERT(!(dataFlags & DataFlag::Owned),
        "Trade::SceneData: can't construct with non-owned data but" << dataFlags, );
    _dataFlags = dataFlags;
}

SceneData::SceneData(const SceneMappingType mappingType, const UnsignedLong mappingBound, const DataFlags dataFlags, const Containers::ArrayView<const void> data, const std::initializer_list<SceneFieldData> fields, const void* const importerState): SceneData{mappingType, mappingBound, dataFlags, data, copyOf(fields), importerState} {}

SceneData::SceneData(SceneData&&) noexcept = default;
SceneData::~SceneData() = default;
SceneData& SceneData::operator=(SceneData&&) noexcept = default;

Containers::StridedArrayView1D<const void> SceneData::mappingViewInternal(const SceneFieldData& field) const {
    return Containers::StridedArrayView1D<const void>{
        /* The size is checked at construction, so don't let the view check it */
        {field._flags & SceneFieldFlag::OffsetOnly ? _data.data() + field._mappingData.offset : field._mappingData.pointer, ~std::size_t{}},
        field._size, field._mappingStride};
}

Containers::StridedArrayView1D<const void> SceneData::fieldViewInternal(const SceneFieldData& field) const {
    return Containers::StridedArrayView1D<const void>{
        {field._flags & SceneFieldFlag::OffsetOnly ? _data.data() + field._fieldData.offset : field._fieldData.pointer, ~std::size_t{}},
        field._size, field._fieldStride};
}

SceneFieldData SceneData::fieldData(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldData(): index" << id << "out of range for" << _fields.size() << "fields", SceneFieldData{});
    const SceneFieldData& field = _fields[id];
    return SceneFieldData{field._name, field._mappingType, mappingViewInternal(field), field._fieldType, fieldViewInternal(field), field._fieldArraySize, field._flags & ~SceneFieldFlag::OffsetOnly};
}

SceneField SceneData::fieldName(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldName(): index" << id << "out of range for" << _fields.size() << "fields", {});
    return _fields[id]._name;
}

SceneFieldFlags SceneData::fieldFlags(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldFlags(): index" << id << "out of range for" << _fields.size() << "fields", {});
    return _fields[id]._flags;
}

SceneFieldType SceneData::fieldType(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldType(): index" << id << "out of range for" << _fields.size() << "fields", {});
    return _fields[id]._fieldType;
}

std::size_t SceneData::fieldSize(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldSize(): index" << id << "out of range for" << _fields.size() << "fields", {});
    return _fields[id]._size;
}

UnsignedShort SceneData::fieldArraySize(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::fieldArraySize(): index" << id << "out of range for" << _fields.size() << "fields", {});
    return _fields[id]._fieldArraySize;
}

UnsignedInt SceneData::findFieldIdInternal(const SceneField name) const {
    for(std::size_t i = 0; i != _fields.size(); ++i)
        if(_fields[i]._name == name) return UnsignedInt(i);
    return ~UnsignedInt{};
}

Containers::Optional<UnsignedInt> SceneData::findFieldId(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    return id == ~UnsignedInt{} ? Containers::Optional<UnsignedInt>{} : Containers::Optional<UnsignedInt>{id};
}

UnsignedInt SceneData::fieldId(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::fieldId(): field" << name << "not found", {});
    return id;
}

bool SceneData::hasField(const SceneField name) const {
    return findFieldIdInternal(name) != ~UnsignedInt{};
}

SceneFieldFlags SceneData::fieldFlags(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::fieldFlags(): field" << name << "not found", {});
    return _fields[id]._flags;
}

SceneFieldType SceneData::fieldType(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::fieldType(): field" << name << "not found", {});
    return _fields[id]._fieldType;
}

std::size_t SceneData::fieldSize(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::fieldSize(): field" << name << "not found", {});
    return _fields[id]._size;
}

UnsignedShort SceneData::fieldArraySize(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::fieldArraySize(): field" << name << "not found", {});
    return _fields[id]._fieldArraySize;
}

Containers::StridedArrayView2D<const char> SceneData::mapping(const UnsignedInt fieldId) const {
    CORRADE_ASSERT(fieldId < _fields.size(),
        "Trade::SceneData::mapping(): index" << fieldId << "out of range for" << _fields.size() << "fields", {});
    const SceneFieldData& field = _fields[fieldId];
    const Containers::StridedArrayView1D<const void> view = mappingViewInternal(field);
    return Containers::StridedArrayView2D<const char>{
        {static_cast<const char*>(view.data()), ~std::size_t{}},
        {field._size, sceneMappingTypeSize(field._mappingType)},
        {field._mappingStride, 1}};
}

Containers::StridedArrayView2D<const char> SceneData::mapping(const SceneField fieldName) const {
    const UnsignedInt id = findFieldIdInternal(fieldName);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::mapping(): field" << fieldName << "not found", {});
    return mapping(id);
}

Containers::StridedArrayView2D<const char> SceneData::field(const UnsignedInt id) const {
    CORRADE_ASSERT(id < _fields.size(),
        "Trade::SceneData::field(): index" << id << "out of range for" << _fields.size() << "fields", {});
    const SceneFieldData& field = _fields[id];
    const Containers::StridedArrayView1D<const void> view = fieldViewInternal(field);
    return Containers::StridedArrayView2D<const char>{
        {static_cast<const char*>(view.data()), ~std::size_t{}},
        {field._size, std::size_t(sceneFieldTypeSize(field._fieldType))*(field._fieldArraySize ? field._fieldArraySize : 1)},
        {field._fieldStride, 1}};
}

Containers::StridedArrayView2D<const char> SceneData::field(const SceneField name) const {
    const UnsignedInt id = findFieldIdInternal(name);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::field(): field" << name << "not found", {});
    return field(id);
}

bool SceneData::checkFieldType(const SceneFieldData& field, const SceneFieldType type, const char* const prefix) {
    CORRADE_ASSERT(field._fieldType == type,
        prefix << field._name << "is" << field._fieldType << "but requested a type equivalent to" << type, false);
    CORRADE_ASSERT(!field._fieldArraySize,
        prefix << field._name << "is an array field, use T[] to access it", false);
    static_cast<void>(field);
    static_cast<void>(type);
    static_cast<void>(prefix);
    return true;
}

UnsignedLong SceneData::mappingEntry64(const SceneFieldData& field, const std::size_t i) const {
    const char* const data = static_cast<const char*>(mappingViewInternal(field).data()) + std::ptrdiff_t(i)*field._mappingStride;
    switch(field._mappingType) {
        case SceneMappingType::UnsignedByte: return readAs<UnsignedByte>(data);
        case SceneMappingType::UnsignedShort: return readAs<UnsignedShort>(data);
        case SceneMappingType::UnsignedInt: return readAs<UnsignedInt>(data);
        case SceneMappingType::UnsignedLong: return readAs<UnsignedLong>(data);
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}

UnsignedInt SceneData::mappingEntry(const SceneFieldData& field, const std::size_t i) const {
    return UnsignedInt(mappingEntry64(field, i));
}

Long SceneData::signedEntry(const SceneFieldData& field, const std::size_t i) const {
    const char* const data = static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride;
    switch(field._fieldType) {
        case SceneFieldType::Byte: return readAs<Byte>(data);
        case SceneFieldType::Short: return readAs<Short>(data);
        case SceneFieldType::Int: return readAs<Int>(data);
        case SceneFieldType::Long: return readAs<Long>(data);
        default: break;
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}

UnsignedInt SceneData::unsignedEntry(const SceneFieldData& field, const std::size_t i) const {
    const char* const data = static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride;
    switch(field._fieldType) {
        case SceneFieldType::UnsignedByte: return readAs<UnsignedByte>(data);
        case SceneFieldType::UnsignedShort: return readAs<UnsignedShort>(data);
        case SceneFieldType::UnsignedInt: return readAs<UnsignedInt>(data);
        default: break;
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}

Containers::Array<UnsignedInt> SceneData::mappingAsArray(const UnsignedInt fieldId) const {
    CORRADE_ASSERT(fieldId < _fields.size(),
        "Trade::SceneData::mappingInto(): index" << fieldId << "out of range for" << _fields.size() << "fields", {});
    const SceneFieldData& field = _fields[fieldId];
    Containers::Array<UnsignedInt> out{Corrade::NoInit, field._size};
    for(std::size_t i = 0; i != field._size; ++i) out[i] = mappingEntry(field, i);
    return out;
}

Containers::Array<UnsignedInt> SceneData::mappingAsArray(const SceneField fieldName) const {
    const UnsignedInt id = findFieldIdInternal(fieldName);
    CORRADE_ASSERT(id != ~UnsignedInt{}, "Trade::SceneData::mappingInto(): field" << fieldName << "not found", {});
    return mappingAsArray(id);
}

Containers::Array<Containers::Pair<UnsignedInt, Int>> SceneData::parentsAsArray() const {
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Parent);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{},
        "Trade::SceneData::parentsInto(): field not found", {});
    const SceneFieldData& field = _fields[fieldId];
    Containers::Array<Containers::Pair<UnsignedInt, Int>> out{Corrade::NoInit, field._size};
    for(std::size_t i = 0; i != field._size; ++i)
        out[i] = {mappingEntry(field, i), Int(signedEntry(field, i))};
    return out;
}

Containers::Array<Containers::Pair<UnsignedInt, Matrix4>> SceneData::transformations3DAsArray() const {
    CORRADE_ASSERT(!is2D(), "Trade::SceneData::transformations3DInto(): scene has a 2D transformation type", {});
    const UnsignedInt transformationId = findFieldIdInternal(SceneField::Transformation);
    const UnsignedInt translationId = findFieldIdInternal(SceneField::Translation);
    const UnsignedInt rotationId = findFieldIdInternal(SceneField::Rotation);
    const UnsignedInt scalingId = findFieldIdInternal(SceneField::Scaling);
    const UnsignedInt mappingId =
        transformationId != ~UnsignedInt{} ? transformationId :
        translationId != ~UnsignedInt{} ? translationId :
        rotationId != ~UnsignedInt{} ? rotationId : scalingId;
    CORRADE_ASSERT(mappingId != ~UnsignedInt{},
        "Trade::SceneData::transformations3DInto(): no transformation-related field found", {});

    const SceneFieldData& mappingField = _fields[mappingId];
    Containers::Array<Containers::Pair<UnsignedInt, Matrix4>> out{Corrade::NoInit, mappingField._size};
    for(std::size_t i = 0; i != mappingField._size; ++i) {
        Matrix4 transformation;
        if(transformationId != ~UnsignedInt{}) {
            const SceneFieldData& field = _fields[transformationId];
            transformation = readAs<Matrix4>(static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride);
        } else {
            /* Translation, rotation and scaling share one mapping */
            if(translationId != ~UnsignedInt{}) {
                const SceneFieldData& field = _fields[translationId];
                transformation = Matrix4::translation(readAs<Vector3>(static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride));
            }
            if(rotationId != ~UnsignedInt{}) {
                const SceneFieldData& field = _fields[rotationId];
                transformation = transformation*Matrix4::from(readAs<Quaternion>(static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride).toMatrix(), {});
            }
            if(scalingId != ~UnsignedInt{}) {
                const SceneFieldData& field = _fields[scalingId];
                transformation = transformation*Matrix4::scaling(readAs<Vector3>(static_cast<const char*>(fieldViewInternal(field).data()) + std::ptrdiff_t(i)*field._fieldStride));
            }
        }
        out[i] = {mappingEntry(mappingField, i), transformation};
    }
    return out;
}

Containers::Array<Containers::Pair<UnsignedInt, Containers::Pair<UnsignedInt, Int>>> SceneData::meshesMaterialsAsArray() const {
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Mesh);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{},
        "Trade::SceneData::meshesMaterialsInto(): field" << SceneField::Mesh << "not found", {});
    const UnsignedInt materialId = findFieldIdInternal(SceneField::MeshMaterial);
    const SceneFieldData& field = _fields[fieldId];
    Containers::Array<Containers::Pair<UnsignedInt, Containers::Pair<UnsignedInt, Int>>> out{Corrade::NoInit, field._size};
    for(std::size_t i = 0; i != field._size; ++i)
        out[i] = {mappingEntry(field, i), {unsignedEntry(field, i),
            materialId == ~UnsignedInt{} ? -1 : Int(signedEntry(_fields[materialId], i))}};
    return out;
}

Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> SceneData::unsignedIndexFieldAsArray(const UnsignedInt fieldId) const {
    const SceneFieldData& field = _fields[fieldId];
    Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> out{Corrade::NoInit, field._size};
    for(std::size_t i = 0; i != field._size; ++i)
        out[i] = {mappingEntry(field, i), unsignedEntry(field, i)};
    return out;
}

Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> SceneData::lightsAsArray() const {
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Light);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{}, "Trade::SceneData::lightsInto(): field not found", {});
    return unsignedIndexFieldAsArray(fieldId);
}

Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> SceneData::camerasAsArray() const {
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Camera);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{}, "Trade::SceneData::camerasInto(): field not found", {});
    return unsignedIndexFieldAsArray(fieldId);
}

Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> SceneData::skinsAsArray() const {
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Skin);
    CORRADE_ASSERT(fieldId != ~UnsignedInt{}, "Trade::SceneData::skinsInto(): field not found", {});
    return unsignedIndexFieldAsArray(fieldId);
}

Containers::Optional<Long> SceneData::parentFor(const UnsignedLong object) const {
    CORRADE_ASSERT(object < _mappingBound,
        "Trade::SceneData::parentFor(): object" << object << "out of range for" << _mappingBound << "objects", {});
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Parent);
    if(fieldId == ~UnsignedInt{}) return {};
    const SceneFieldData& field = _fields[fieldId];
    for(std::size_t i = 0; i != field._size; ++i)
        if(mappingEntry64(field, i) == object) return signedEntry(field, i);
    return {};
}

Containers::Array<UnsignedLong> SceneData::childrenFor(const Long object) const {
    CORRADE_ASSERT(object >= -1 && object < Long(_mappingBound),
        "Trade::SceneData::childrenFor(): object" << object << "out of range for" << _mappingBound << "objects", {});
    const UnsignedInt fieldId = findFieldIdInternal(SceneField::Parent);
    if(fieldId == ~UnsignedInt{}) return {};
    const SceneFieldData& field = _fields[fieldId];
    Containers::Array<UnsignedLong> out;
    for(std::size_t i = 0; i != field._size; ++i)
        if(signedEntry(field, i) == object) arrayAppend(out, UnsignedLong(mappingEntry(field, i)));
    return out;
}

Containers::Array<SceneFieldData> SceneData::releaseFieldData() {
    return Utility::move(_fields);
}

Containers::Array<char> SceneData::releaseData() {
    _fields = {};
    return Utility::move(_data);
}

}}
