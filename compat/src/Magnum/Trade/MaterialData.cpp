#include "Magnum/Trade/MaterialData.h"

#include <algorithm>
#include <cstring>

#include <Corrade/Containers/EnumSet.hpp>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Move.h>

#include "Magnum/Math/Angle.h"

namespace Magnum { namespace Trade {

using Corrade::Utility::Debug;

namespace {
    struct AttributeProperties {
        const char* name;
        MaterialAttributeType type;
    };

    /* Indexed by MaterialAttribute minus one */
    constexpr AttributeProperties AttributeMap[]{
        {"$LayerName", MaterialAttributeType::String},
        {"AlphaMask", MaterialAttributeType::Float},
        {"AlphaBlend", MaterialAttributeType::Bool},
        {"DoubleSided", MaterialAttributeType::Bool},
        {"AmbientColor", MaterialAttributeType::Vector4},
        {"AmbientTexture", MaterialAttributeType::UnsignedInt},
        {"AmbientTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"AmbientTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"AmbientTextureLayer", MaterialAttributeType::UnsignedInt},
        {"DiffuseColor", MaterialAttributeType::Vector4},
        {"DiffuseTexture", MaterialAttributeType::UnsignedInt},
        {"DiffuseTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"DiffuseTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"DiffuseTextureLayer", MaterialAttributeType::UnsignedInt},
        {"SpecularColor", MaterialAttributeType::Vector4},
        {"SpecularTexture", MaterialAttributeType::UnsignedInt},
        {"SpecularTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"SpecularTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"SpecularTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"SpecularTextureLayer", MaterialAttributeType::UnsignedInt},
        {"Shininess", MaterialAttributeType::Float},
        {"BaseColor", MaterialAttributeType::Vector4},
        {"BaseColorTexture", MaterialAttributeType::UnsignedInt},
        {"BaseColorTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"BaseColorTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"BaseColorTextureLayer", MaterialAttributeType::UnsignedInt},
        {"Metalness", MaterialAttributeType::Float},
        {"MetalnessTexture", MaterialAttributeType::UnsignedInt},
        {"MetalnessTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"MetalnessTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"MetalnessTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"MetalnessTextureLayer", MaterialAttributeType::UnsignedInt},
        {"Roughness", MaterialAttributeType::Float},
        {"RoughnessTexture", MaterialAttributeType::UnsignedInt},
        {"RoughnessTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"RoughnessTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"RoughnessTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"RoughnessTextureLayer", MaterialAttributeType::UnsignedInt},
        {"NoneRoughnessMetallicTexture", MaterialAttributeType::UnsignedInt},
        {"Glossiness", MaterialAttributeType::Float},
        {"GlossinessTexture", MaterialAttributeType::UnsignedInt},
        {"GlossinessTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"GlossinessTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"GlossinessTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"GlossinessTextureLayer", MaterialAttributeType::UnsignedInt},
        {"SpecularGlossinessTexture", MaterialAttributeType::UnsignedInt},
        {"NormalTexture", MaterialAttributeType::UnsignedInt},
        {"NormalTextureScale", MaterialAttributeType::Float},
        {"NormalTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"NormalTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"NormalTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"NormalTextureLayer", MaterialAttributeType::UnsignedInt},
        {"OcclusionTexture", MaterialAttributeType::UnsignedInt},
        {"OcclusionTextureStrength", MaterialAttributeType::Float},
        {"OcclusionTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"OcclusionTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"OcclusionTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"OcclusionTextureLayer", MaterialAttributeType::UnsignedInt},
        {"EmissiveColor", MaterialAttributeType::Vector3},
        {"EmissiveTexture", MaterialAttributeType::UnsignedInt},
        {"EmissiveTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"EmissiveTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"EmissiveTextureLayer", MaterialAttributeType::UnsignedInt},
        {"LayerFactor", MaterialAttributeType::Float},
        {"LayerFactorTexture", MaterialAttributeType::UnsignedInt},
        {"LayerFactorTextureSwizzle", MaterialAttributeType::TextureSwizzle},
        {"LayerFactorTextureMatrix", MaterialAttributeType::Matrix3x3},
        {"LayerFactorTextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"LayerFactorTextureLayer", MaterialAttributeType::UnsignedInt},
        {"TextureMatrix", MaterialAttributeType::Matrix3x3},
        {"TextureCoordinates", MaterialAttributeType::UnsignedInt},
        {"TextureLayer", MaterialAttributeType::UnsignedInt},    };

    constexpr const char* LayerMap[]{
        "ClearCoat"
    };

    template<class T> Containers::Array<T> copyOf(const std::initializer_list<T> list) {
        Containers::Array<T> out{Corrade::ValueInit, list.size()};
        std::size_t i = 0;
        for(const T& item: list) out[i++] = item;
        return out;
    }

    const AttributeProperties* attributeProperties(const MaterialAttribute name) {
        if(UnsignedInt(name) - 1 >= Containers::arraySize(AttributeMap)) return nullptr;
        return &AttributeMap[UnsignedInt(name) - 1];
    }
}

Debug& operator<<(Debug& debug, const MaterialLayer value) {
    debug << "Trade::MaterialLayer" << Debug::nospace;
    if(UnsignedInt(value) - 1 < Containers::arraySize(LayerMap))
        return debug << "::" << Debug::nospace << LayerMap[UnsignedInt(value) - 1];
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const MaterialAttribute value) {
    debug << "Trade::MaterialAttribute" << Debug::nospace;
    if(value == MaterialAttribute::LayerName) return debug << "::LayerName";
    if(const AttributeProperties* properties = attributeProperties(value))
        return debug << "::" << Debug::nospace << properties->name;
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const MaterialTextureSwizzle value) {
    debug << "Trade::MaterialTextureSwizzle" << Debug::nospace;
    switch(value) {
        #define _c(value) case MaterialTextureSwizzle::value: return debug << "::" #value;
        _c(R) _c(G) _c(B) _c(A) _c(RG) _c(GB) _c(GA) _c(BA) _c(RGB) _c(GBA) _c(RGBA)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

#define MATERIAL_ATTRIBUTE_TYPES(_c) \
    _c(Bool, 1) _c(Float, 4) _c(Deg, 4) _c(Rad, 4) _c(UnsignedInt, 4) _c(Int, 4) \
    _c(UnsignedLong, 8) _c(Long, 8) \
    _c(Vector2, 8) _c(Vector2ui, 8) _c(Vector2i, 8) \
    _c(Vector3, 12) _c(Vector3ui, 12) _c(Vector3i, 12) \
    _c(Vector4, 16) _c(Vector4ui, 16) _c(Vector4i, 16) \
    _c(Matrix2x2, 16) _c(Matrix2x3, 24) _c(Matrix2x4, 32) \
    _c(Matrix3x2, 24) _c(Matrix3x3, 36) _c(Matrix3x4, 48) \
    _c(Matrix4x2, 32) _c(Matrix4x3, 48) \
    _c(Pointer, sizeof(void*)) _c(MutablePointer, sizeof(void*)) _c(TextureSwizzle, 4)

Debug& operator<<(Debug& debug, const MaterialAttributeType value) {
    debug << "Trade::MaterialAttributeType" << Debug::nospace;
    switch(value) {
        #define _c(value, size) case MaterialAttributeType::value: return debug << "::" #value;
        MATERIAL_ATTRIBUTE_TYPES(_c)
        #undef _c
        case MaterialAttributeType::String: return debug << "::String";
        case MaterialAttributeType::Buffer: return debug << "::Buffer";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedByte(value) << Debug::nospace << ")";
}

std::size_t materialAttributeTypeSize(const MaterialAttributeType type) {
    switch(type) {
        #define _c(value, size) case MaterialAttributeType::value: return size;
        MATERIAL_ATTRIBUTE_TYPES(_c)
        #undef _c
        case MaterialAttributeType::String:
        case MaterialAttributeType::Buffer:
            CORRADE_ASSERT_UNREACHABLE("Trade::materialAttributeTypeSize(): string and buffer size is unknown", {});
    }
    CORRADE_ASSERT_UNREACHABLE("Trade::materialAttributeTypeSize(): invalid type" << type, {});
}

#undef MATERIAL_ATTRIBUTE_TYPES

Debug& operator<<(Debug& debug, const MaterialType value) {
    debug << "Trade::MaterialType" << Debug::nospace;
    switch(value) {
        #define _c(value) case MaterialType::value: return debug << "::" #value;
        _c(Flat)
        _c(Phong)
        _c(PbrMetallicRoughness)
        _c(PbrSpecularGlossiness)
        _c(PbrClearCoat)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const MaterialTypes value) {
    return Containers::enumSetDebugOutput(debug, value, "Trade::MaterialTypes{}", {
        MaterialType::Flat,
        MaterialType::Phong,
        MaterialType::PbrMetallicRoughness,
        MaterialType::PbrSpecularGlossiness,
        MaterialType::PbrClearCoat});
}

Debug& operator<<(Debug& debug, const MaterialAlphaMode value) {
    debug << "Trade::MaterialAlphaMode" << Debug::nospace;
    switch(value) {
        #define _c(value) case MaterialAlphaMode::value: return debug << "::" #value;
        _c(Opaque)
        _c(Mask)
        _c(Blend)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedByte(value) << Debug::nospace << ")";
}

MaterialAttributeData::MaterialAttributeData(const Containers::StringView name, const MaterialAttributeType type, const std::size_t typeSize, const void* const value) noexcept: _data{} {
    CORRADE_ASSERT(!name.isEmpty(), "Trade::MaterialAttributeData: name is not allowed to be empty", );
    CORRADE_ASSERT(name.size() + typeSize + 2 <= Implementation::MaterialAttributeDataSize,
        "Trade::MaterialAttributeData: name" << name << "too long, expected at most" << Implementation::MaterialAttributeDataSize - typeSize - 2 << "bytes for" << type << "but got" << name.size(), );
    _data[0] = char(type);
    std::memcpy(_data + 1, name.data(), name.size());
    std::memcpy(_data + Implementation::MaterialAttributeDataSize - typeSize, value, typeSize);
}

MaterialAttributeData::MaterialAttributeData(const Containers::StringView name, const Containers::StringView value) noexcept: _data{} {
    CORRADE_ASSERT(!name.isEmpty(), "Trade::MaterialAttributeData: name is not allowed to be empty", );
    /* Type, name, its terminator, value, its terminator and its size */
    CORRADE_ASSERT(name.size() + value.size() + 4 <= Implementation::MaterialAttributeDataSize,
        "Trade::MaterialAttributeData: name" << name << "and value" << value << "too long, expected at most" << Implementation::MaterialAttributeDataSize - 4 << "bytes in total but got" << name.size() + value.size(), );
    _data[0] = char(MaterialAttributeType::String);
    std::memcpy(_data + 1, name.data(), name.size());
    std::memcpy(_data + Implementation::MaterialAttributeDataSize - 2 - value.size(), value.data(), value.size());
    _data[Implementation::MaterialAttributeDataSize - 1] = char(value.size());
}

MaterialAttributeData::MaterialAttributeData(const MaterialAttribute name, const Containers::StringView value) noexcept: MaterialAttributeData{name, MaterialAttributeType::String, &value} {}

MaterialAttributeData::MaterialAttributeData(const Containers::StringView name, const MaterialAttributeType type, const void* const value) noexcept: _data{} {
    if(type == MaterialAttributeType::String)
        *this = MaterialAttributeData{name, *static_cast<const Containers::StringView*>(value)};
    else
        *this = MaterialAttributeData{name, type, materialAttributeTypeSize(type), value};
}

MaterialAttributeData::MaterialAttributeData(const MaterialAttribute name, const MaterialAttributeType type, const void* const value) noexcept: _data{} {
    const AttributeProperties* const properties = attributeProperties(name);
    CORRADE_ASSERT(properties,
        "Trade::MaterialAttributeData: invalid name" << name, );
    CORRADE_ASSERT(properties->type == type,
        "Trade::MaterialAttributeData: expected" << properties->type << "for" << name << "but got" << type, );
    *this = MaterialAttributeData{properties->name, type, value};
}

MaterialAttributeData::MaterialAttributeData(const MaterialLayer layerName) noexcept: _data{} {
    CORRADE_ASSERT(UnsignedInt(layerName) - 1 < Containers::arraySize(LayerMap),
        "Trade::MaterialAttributeData: invalid name" << layerName, );
    *this = MaterialAttributeData{MaterialAttribute::LayerName, Containers::StringView{LayerMap[UnsignedInt(layerName) - 1]}};
}

Containers::StringView MaterialAttributeData::name() const {
    return Containers::StringView{_data + 1};
}

const void* MaterialAttributeData::value() const {
    if(type() == MaterialAttributeType::String)
        return _data + Implementation::MaterialAttributeDataSize - 2 - UnsignedByte(_data[Implementation::MaterialAttributeDataSize - 1]);
    return _data + Implementation::MaterialAttributeDataSize - materialAttributeTypeSize(type());
}

template<> Containers::StringView MaterialAttributeData::value<Containers::StringView>() const {
    CORRADE_ASSERT(type() == MaterialAttributeType::String,
        "Trade::MaterialAttributeData::value():" << name() << "of" << type() << "can't be retrieved as a string", {});
    return Containers::StringView{static_cast<const char*>(value()), std::size_t(UnsignedByte(_data[Implementation::MaterialAttributeDataSize - 1]))};
}

MaterialData::MaterialData(const MaterialTypes types, Containers::Array<MaterialAttributeData>&& attributeData, Containers::Array<UnsignedInt>&& layerData, const void* const importerState) noexcept: _data{Utility::move(attributeData)}, _layerOffsets{Utility::move(layerData)}, _types{types}, _attributeDataFlags{DataFlag::Owned|DataFlag::Mutable}, _layerDataFlags{DataFlag::Owned|DataFlag::Mutable}, _importerState{importerState} {
    for(std::size_t i = 0; i != _data.size(); ++i)
        CORRADE_ASSERT(_data[i]._data[0], "Trade::MaterialData: attribute" << i << "doesn't specify anything", );

    CORRADE_ASSERT(_layerOffsets.isEmpty() || _layerOffsets.back() == _data.size(),
        "Trade::MaterialData: last layer offset" << _layerOffsets.back() << "too short for" << _data.size() << "attributes in total", );

    /* Sorted by name inside each layer, so lookups can bisect */
    for(UnsignedInt layer = 0, layerCount = this->layerCount(); layer != layerCount; ++layer) {
        const UnsignedInt begin = attributeDataOffset(layer);
        const UnsignedInt end = attributeDataOffset(layer + 1);
        CORRADE_ASSERT(begin <= end && end <= _data.size(),
            "Trade::MaterialData: invalid range (" << Debug::nospace << begin << Debug::nospace << "," << end << Debug::nospace << ") for layer" << layer << "with" << _data.size() << "attributes in total", );
        std::sort(_data.begin() + begin, _data.begin() + end, [](const MaterialAttributeData& a, const MaterialAttributeData& b) {
            return a.name() < b.name();
        });
        for(UnsignedInt i = begin + 1; i < end; ++i)
            CORRADE_ASSERT(_data[i].name() != _data[i - 1].name(),
                "Trade::MaterialData: duplicate attribute" << _data[i].name() << "in layer" << layer, );
    }
}

MaterialData::MaterialData(const MaterialTypes types, const std::initializer_list<MaterialAttributeData> attributeData, const std::initializer_list<UnsignedInt> layerData, const void* const importerState): MaterialData{types, copyOf(attributeData), copyOf(layerData), importerState} {}

MaterialData::MaterialData(MaterialData&&) noexcept = default;
MaterialData::~MaterialData() = default;
MaterialData& MaterialData::operator=(MaterialData&&) noexcept = default;

UnsignedInt MaterialData::attributeDataOffset(const UnsignedInt layer) const {
    CORRADE_ASSERT(layer <= layerCount(),
        "Trade::MaterialData::attributeDataOffset(): index" << layer << "out of range for" << layerCount() << "layers", {});
    if(_layerOffsets.isEmpty()) return layer ? UnsignedInt(_data.size()) : 0;
    return layer ? _layerOffsets[layer - 1] : 0;
}

Containers::StringView MaterialData::layerName(const UnsignedInt layer) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::layerName(): index" << layer << "out of range for" << layerCount() << "layers", {});
    const UnsignedInt id = findAttributeIdInternal(layer, "$LayerName");
    if(id == ~UnsignedInt{} || _data[attributeDataOffset(layer) + id].type() != MaterialAttributeType::String) return {};
    return _data[attributeDataOffset(layer) + id].value<Containers::StringView>();
}

UnsignedInt MaterialData::attributeCount(const UnsignedInt layer) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::attributeCount(): index" << layer << "out of range for" << layerCount() << "layers", {});
    return attributeDataOffset(layer + 1) - attributeDataOffset(layer);
}

UnsignedInt MaterialData::findAttributeIdInternal(const UnsignedInt layer, const Containers::StringView name) const {
    const MaterialAttributeData* const begin = _data.begin() + attributeDataOffset(layer);
    const MaterialAttributeData* const end = _data.begin() + attributeDataOffset(layer + 1);
    const MaterialAttributeData* const found = std::lower_bound(begin, end, name, [](const MaterialAttributeData& a, const Containers::StringView& b) {
        return a.name() < b;
    });
    if(found == end || found->name() != name) return ~UnsignedInt{};
    return UnsignedInt(found - begin);
}

bool MaterialData::hasAttribute(const UnsignedInt layer, const Containers::StringView name) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::hasAttribute(): index" << layer << "out of range for" << layerCount() << "layers", {});
    return findAttributeIdInternal(layer, name) != ~UnsignedInt{};
}

bool MaterialData::hasAttribute(const UnsignedInt layer, const MaterialAttribute name) const {
    const AttributeProperties* const properties = attributeProperties(name);
    CORRADE_ASSERT(properties, "Trade::MaterialData::hasAttribute(): invalid name" << name, {});
    return hasAttribute(layer, properties->name);
}

Containers::Optional<UnsignedInt> MaterialData::findAttributeId(const UnsignedInt layer, const Containers::StringView name) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::findAttributeId(): index" << layer << "out of range for" << layerCount() << "layers", {});
    const UnsignedInt id = findAttributeIdInternal(layer, name);
    if(id == ~UnsignedInt{}) return {};
    return id;
}

Containers::Optional<UnsignedInt> MaterialData::findAttributeId(const UnsignedInt layer, const MaterialAttribute name) const {
    const AttributeProperties* const properties = attributeProperties(name);
    CORRADE_ASSERT(properties, "Trade::MaterialData::findAttributeId(): invalid name" << name, {});
    return findAttributeId(layer, properties->name);
}

UnsignedInt MaterialData::attributeId(const UnsignedInt layer, const Containers::StringView name) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::attributeId(): index" << layer << "out of range for" << layerCount() << "layers", {});
    const UnsignedInt id = findAttributeIdInternal(layer, name);
    CORRADE_ASSERT(id != ~UnsignedInt{},
        "Trade::MaterialData::attributeId(): attribute" << name << "not found in layer" << layer, {});
    return id;
}

UnsignedInt MaterialData::attributeId(const UnsignedInt layer, const MaterialAttribute name) const {
    const AttributeProperties* const properties = attributeProperties(name);
    CORRADE_ASSERT(properties, "Trade::MaterialData::attributeId(): invalid name" << name, {});
    return attributeId(layer, properties->name);
}

Containers::StringView MaterialData::attributeName(const UnsignedInt layer, const UnsignedInt id) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::attributeName(): index" << layer << "out of range for" << layerCount() << "layers", {});
    CORRADE_ASSERT(id < attributeCount(layer),
        "Trade::MaterialData::attributeName(): index" << id << "out of range for" << attributeCount(layer) << "attributes in layer" << layer, {});
    return _data[attributeDataOffset(layer) + id].name();
}

MaterialAttributeType MaterialData::attributeType(const UnsignedInt layer, const UnsignedInt id) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::attributeType(): index" << layer << "out of range for" << layerCount() << "layers", {});
    CORRADE_ASSERT(id < attributeCount(layer),
        "Trade::MaterialData::attributeType(): index" << id << "out of range for" << attributeCount(layer) << "attributes in layer" << layer, {});
    return _data[attributeDataOffset(layer) + id].type();
}

MaterialAttributeType MaterialData::attributeType(const UnsignedInt layer, const Containers::StringView name) const {
    return attributeType(layer, attributeId(layer, name));
}

MaterialAttributeType MaterialData::attributeType(const UnsignedInt layer, const MaterialAttribute name) const {
    return attributeType(layer, attributeId(layer, name));
}

const void* MaterialData::attribute(const UnsignedInt layer, const UnsignedInt id) const {
    CORRADE_ASSERT(layer < layerCount(),
        "Trade::MaterialData::attribute(): index" << layer << "out of range for" << layerCount() << "layers", {});
    CORRADE_ASSERT(id < attributeCount(layer),
        "Trade::MaterialData::attribute(): index" << id << "out of range for" << attributeCount(layer) << "attributes in layer" << layer, {});
    return _data[attributeDataOffset(layer) + id].value();
}

const void* MaterialData::attribute(const UnsignedInt layer, const Containers::StringView name) const {
    return attribute(layer, attributeId(layer, name));
}

const void* MaterialData::attribute(const UnsignedInt layer, const MaterialAttribute name) const {
    return attribute(layer, attributeId(layer, name));
}

template<> Containers::StringView MaterialData::attribute<Containers::StringView>(const UnsignedInt layer, const UnsignedInt id) const {
    if(!attribute(layer, id)) return {};
    return _data[attributeDataOffset(layer) + id].value<Containers::StringView>();
}

const void* MaterialData::findAttribute(const UnsignedInt layer, const Containers::StringView name) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    return id ? attribute(layer, *id) : nullptr;
}

const void* MaterialData::findAttribute(const UnsignedInt layer, const MaterialAttribute name) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    return id ? attribute(layer, *id) : nullptr;
}

bool MaterialData::checkType(const UnsignedInt layer, const UnsignedInt id, const MaterialAttributeType type, const char* const prefix) const {
    const MaterialAttributeData& data = _data[attributeDataOffset(layer) + id];
    CORRADE_ASSERT(data.type() == type,
        prefix << data.name() << "is" << data.type() << "but requested a type equivalent to" << type, false);
    static_cast<void>(data);
    static_cast<void>(type);
    static_cast<void>(prefix);
    return true;
}

bool MaterialData::isDoubleSided() const {
    return attributeOr(MaterialAttribute::DoubleSided, false);
}

MaterialAlphaMode MaterialData::alphaMode() const {
    if(attributeOr(MaterialAttribute::AlphaBlend, false)) return MaterialAlphaMode::Blend;
    if(hasAttribute(MaterialAttribute::AlphaMask)) return MaterialAlphaMode::Mask;
    return MaterialAlphaMode::Opaque;
}

Float MaterialData::alphaMask() const {
    return attributeOr(MaterialAttribute::AlphaMask, 0.5f);
}

Containers::Array<UnsignedInt> MaterialData::releaseLayerData() {
    return Utility::move(_layerOffsets);
}

Containers::Array<MaterialAttributeData> MaterialData::releaseAttributeData() {
    return Utility::move(_data);
}

}}
