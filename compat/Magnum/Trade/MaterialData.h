#ifndef Magnum_Trade_MaterialData_h
#define Magnum_Trade_MaterialData_h
/* Imported material: named, typed attributes in layers */

#include <initializer_list>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/EnumSet.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/StringView.h>

#include "Magnum/Magnum.h"
#include "Magnum/Math/RectangularMatrix.h"
#include "Magnum/Trade/Data.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Material layer name, zero is reserved for an invalid value */
enum class MaterialLayer: UnsignedInt {
    ClearCoat = 1       /**< Clear coat layer */
};

/** Print a material layer */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialLayer value);

/** Material attribute name, zero is reserved for an invalid value; the string name is the enum value name, "$LayerName" for LayerName */
enum class MaterialAttribute: UnsignedInt {
    LayerName = 1, AlphaMask, AlphaBlend, DoubleSided,
    AmbientColor, AmbientTexture, AmbientTextureMatrix, AmbientTextureCoordinates, AmbientTextureLayer,
    DiffuseColor, DiffuseTexture, DiffuseTextureMatrix, DiffuseTextureCoordinates, DiffuseTextureLayer,
    SpecularColor, SpecularTexture, SpecularTextureSwizzle, SpecularTextureMatrix, SpecularTextureCoordinates, SpecularTextureLayer,
    Shininess,
    BaseColor, BaseColorTexture, BaseColorTextureMatrix, BaseColorTextureCoordinates, BaseColorTextureLayer,
    Metalness, MetalnessTexture, MetalnessTextureSwizzle, MetalnessTextureMatrix, MetalnessTextureCoordinates, MetalnessTextureLayer,
    Roughness, RoughnessTexture, RoughnessTextureSwizzle, RoughnessTextureMatrix, RoughnessTextureCoordinates, RoughnessTextureLayer,
    NoneRoughnessMetallicTexture,
    Glossiness, GlossinessTexture, GlossinessTextureSwizzle, GlossinessTextureMatrix, GlossinessTextureCoordinates, GlossinessTextureLayer,
    SpecularGlossinessTexture,
    NormalTexture, NormalTextureScale, NormalTextureSwizzle, NormalTextureMatrix, NormalTextureCoordinates, NormalTextureLayer,
    OcclusionTexture, OcclusionTextureStrength, OcclusionTextureSwizzle, OcclusionTextureMatrix, OcclusionTextureCoordinates, OcclusionTextureLayer,
    EmissiveColor, EmissiveTexture, EmissiveTextureMatrix, EmissiveTextureCoordinates, EmissiveTextureLayer,
    LayerFactor, LayerFactorTexture, LayerFactorTextureSwizzle, LayerFactorTextureMatrix, LayerFactorTextureCoordinates, LayerFactorTextureLayer,
    TextureMatrix, TextureCoordinates, TextureLayer
};

/** Print a material attribute */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialAttribute value);

/** Material texture swizzle, the channels as a four-character code */
enum class MaterialTextureSwizzle: UnsignedInt {
    R = 'R', G = 'G', B = 'B', A = 'A',
    RG = 'R'|'G' << 8, GB = 'G'|'B' << 8, GA = 'G'|'A' << 8, BA = 'B'|'A' << 8,
    RGB = 'R'|'G' << 8|'B' << 16, GBA = 'G'|'B' << 8|'A' << 16,
    RGBA = 'R'|'G' << 8|'B' << 16|UnsignedInt('A') << 24
};

/** Print a material texture swizzle */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialTextureSwizzle value);

/** Material attribute type, zero is reserved for an invalid value */
enum class MaterialAttributeType: UnsignedByte {
    Bool = 1, Float, Deg, Rad, UnsignedInt, Int, UnsignedLong, Long,
    Vector2, Vector2ui, Vector2i,
    Vector3, Vector3ui, Vector3i,
    Vector4, Vector4ui, Vector4i,
    Matrix2x2, Matrix2x3, Matrix2x4, Matrix3x2, Matrix3x3, Matrix3x4, Matrix4x2, Matrix4x3,
    Pointer, MutablePointer, String, Buffer, TextureSwizzle
};

/** Print a material attribute type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialAttributeType value);

/** Size of a material attribute type in bytes; expects a type that isn't String or Buffer */
std::size_t materialAttributeTypeSize(MaterialAttributeType type);

/** Material type */
enum class MaterialType: UnsignedInt {
    Flat = 1 << 0,                  /**< Flat */
    Phong = 1 << 1,                 /**< Phong */
    PbrMetallicRoughness = 1 << 2,  /**< PBR metallic/roughness */
    PbrSpecularGlossiness = 1 << 3, /**< PBR specular/glossiness */
    PbrClearCoat = 1 << 4           /**< PBR clear coat layer */
};

/** Print a material type */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialType value);

/** Material types */
typedef Corrade::Containers::EnumSet<MaterialType> MaterialTypes;
CORRADE_ENUMSET_OPERATORS(MaterialTypes)

/** Print material types */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialTypes value);

/** Material alpha mode */
enum class MaterialAlphaMode: UnsignedByte {
    Opaque,     /**< Alpha ignored */
    Mask,       /**< Alpha tested against AlphaMask */
    Blend       /**< Alpha blended */
};

/** Print a material alpha mode */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, MaterialAlphaMode value);

namespace Implementation {
    enum: std::size_t { MaterialAttributeDataSize = 64 };

    template<class T> struct MaterialAttributeTypeFor;
    #define _c(type_, value) template<> struct MaterialAttributeTypeFor<type_> { static constexpr MaterialAttributeType type() { return MaterialAttributeType::value; } };
    _c(bool, Bool)
    _c(Float, Float)
    _c(Deg, Deg)
    _c(Rad, Rad)
    _c(UnsignedInt, UnsignedInt)
    _c(Int, Int)
    _c(UnsignedLong, UnsignedLong)
    _c(Long, Long)
    _c(Vector2, Vector2)
    _c(Vector2ui, Vector2ui)
    _c(Vector2i, Vector2i)
    _c(Vector3, Vector3)
    _c(Vector3ui, Vector3ui)
    _c(Vector3i, Vector3i)
    _c(Color3, Vector3)
    _c(Vector4, Vector4)
    _c(Vector4ui, Vector4ui)
    _c(Vector4i, Vector4i)
    _c(Color4, Vector4)
    _c(Matrix2x2, Matrix2x2)
    _c(Matrix2x3, Matrix2x3)
    _c(Matrix2x4, Matrix2x4)
    _c(Matrix3x2, Matrix3x2)
    _c(Matrix3x3, Matrix3x3)
    _c(Matrix3, Matrix3x3)
    _c(Matrix3x4, Matrix3x4)
    _c(Matrix4x2, Matrix4x2)
    _c(Matrix4x3, Matrix4x3)
    _c(const void*, Pointer)
    _c(void*, MutablePointer)
    _c(MaterialTextureSwizzle, TextureSwizzle)
    #undef _c
}

/** Material attribute data, used to populate a MaterialData */
class MaterialAttributeData {
    public:
        /** Default constructor, contents to be replaced later */
        constexpr explicit MaterialAttributeData() noexcept: _data{} {}

        /** Typed value with a string name; expects a non-empty name that fits together with the value into 62 bytes */
        template<class T, typename std::enable_if<!std::is_convertible<const T&, Containers::StringView>::value, int>::type = 0> /*implicit*/ MaterialAttributeData(Containers::StringView name, const T& value) noexcept: MaterialAttributeData{name, Implementation::MaterialAttributeTypeFor<T>::type(), sizeof(T), &value} {}
        /** String value with a string name */
        /*implicit*/ MaterialAttributeData(Containers::StringView name, Containers::StringView value) noexcept;

        /** Typed value with a predefined name; expects the type the name has */
        template<class T, typename std::enable_if<!std::is_convertible<const T&, Containers::StringView>::value, int>::type = 0> /*implicit*/ MaterialAttributeData(MaterialAttribute name, const T& value) noexcept: MaterialAttributeData{name, Implementation::MaterialAttributeTypeFor<T>::type(), &value} {}
        /** String value with a predefined name */
        /*implicit*/ MaterialAttributeData(MaterialAttribute name, Containers::StringView value) noexcept;

        /** Type-erased value with a string name; @p value points to a StringView for MaterialAttributeType::String */
        /*implicit*/ MaterialAttributeData(Containers::StringView name, MaterialAttributeType type, const void* value) noexcept;
        /** Type-erased value with a predefined name */
        /*implicit*/ MaterialAttributeData(MaterialAttribute name, MaterialAttributeType type, const void* value) noexcept;

        /** Layer name attribute */
        /*implicit*/ MaterialAttributeData(MaterialLayer layerName) noexcept;

        /** Attribute type */
        MaterialAttributeType type() const { return MaterialAttributeType(_data[0]); }
        /** Attribute name */
        Containers::StringView name() const;
        /** Type-erased value; for a string the pointer to its first character */
        const void* value() const;
        /** Value in a concrete type; expects the type to match */
        template<class T> T value() const;

    private:
        friend MaterialData;

        explicit MaterialAttributeData(Containers::StringView name, MaterialAttributeType type, std::size_t typeSize, const void* value) noexcept;
        static void printTypeMismatch(const char* prefix, Containers::StringView name, MaterialAttributeType type, MaterialAttributeType expected);

        /* Type, the null-terminated name from byte 1, the value at the end */
        char _data[Implementation::MaterialAttributeDataSize];
};

/** Material data */
class MaterialData {
    public:
        /** A single layer; attributes get sorted by name, duplicates are not allowed */
        explicit MaterialData(MaterialTypes types, Containers::Array<MaterialAttributeData>&& attributeData, const void* importerState = nullptr) noexcept: MaterialData{types, Corrade::Utility::move(attributeData), nullptr, importerState} {}
        /** A single layer from an initializer list */
        explicit MaterialData(MaterialTypes types, std::initializer_list<MaterialAttributeData> attributeData, const void* importerState = nullptr): MaterialData{types, attributeData, {}, importerState} {}
        /** Layers given by the end offsets of their attribute ranges */
        explicit MaterialData(MaterialTypes types, Containers::Array<MaterialAttributeData>&& attributeData, Containers::Array<UnsignedInt>&& layerData, const void* importerState = nullptr) noexcept;
        /** Layers from initializer lists */
        explicit MaterialData(MaterialTypes types, std::initializer_list<MaterialAttributeData> attributeData, std::initializer_list<UnsignedInt> layerData, const void* importerState = nullptr);

        MaterialData(const MaterialData&) = delete;
        MaterialData(MaterialData&&) noexcept;
        ~MaterialData();
        MaterialData& operator=(const MaterialData&) = delete;
        MaterialData& operator=(MaterialData&&) noexcept;

        /** Attribute data flags */
        DataFlags attributeDataFlags() const { return _attributeDataFlags; }
        /** Layer data flags */
        DataFlags layerDataFlags() const { return _layerDataFlags; }
        /** Material types */
        MaterialTypes types() const { return _types; }
        /** Layer end offsets, empty for a single layer */
        Containers::ArrayView<const UnsignedInt> layerData() const { return _layerOffsets; }
        /** All attributes */
        Containers::ArrayView<const MaterialAttributeData> attributeData() const { return _data; }
        /** Layer count, at least 1 */
        UnsignedInt layerCount() const { return _layerOffsets.isEmpty() ? 1 : UnsignedInt(_layerOffsets.size()); }
        /** Offset of the first attribute of a layer; expects @p layer to be at most layerCount() */
        UnsignedInt attributeDataOffset(UnsignedInt layer) const;
        /** Layer name, empty if the layer has none; expects @p layer below layerCount() */
        Containers::StringView layerName(UnsignedInt layer) const;

        /** Attribute count in a layer; expects @p layer below layerCount() */
        UnsignedInt attributeCount(UnsignedInt layer) const;
        /** Attribute count in the base material */
        UnsignedInt attributeCount() const { return attributeCount(0); }

        /** Whether a layer has an attribute; expects @p layer below layerCount() */
        bool hasAttribute(UnsignedInt layer, Containers::StringView name) const;
        bool hasAttribute(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** Whether the base material has an attribute */
        bool hasAttribute(Containers::StringView name) const { return hasAttribute(0, name); }
        bool hasAttribute(MaterialAttribute name) const { return hasAttribute(0, name); } /**< @overload */

        /** ID of an attribute in a layer, if present */
        Containers::Optional<UnsignedInt> findAttributeId(UnsignedInt layer, Containers::StringView name) const;
        Containers::Optional<UnsignedInt> findAttributeId(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** ID of an attribute in the base material, if present */
        Containers::Optional<UnsignedInt> findAttributeId(Containers::StringView name) const { return findAttributeId(0, name); }
        Containers::Optional<UnsignedInt> findAttributeId(MaterialAttribute name) const { return findAttributeId(0, name); } /**< @overload */
        /** ID of an attribute in a layer; expects it to be present */
        UnsignedInt attributeId(UnsignedInt layer, Containers::StringView name) const;
        UnsignedInt attributeId(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** ID of an attribute in the base material; expects it to be present */
        UnsignedInt attributeId(Containers::StringView name) const { return attributeId(0, name); }
        UnsignedInt attributeId(MaterialAttribute name) const { return attributeId(0, name); } /**< @overload */

        /** Attribute name; expects @p layer and @p id in range */
        Containers::StringView attributeName(UnsignedInt layer, UnsignedInt id) const;
        /** Attribute name in the base material */
        Containers::StringView attributeName(UnsignedInt id) const { return attributeName(0, id); }
        /** Attribute type; expects @p layer and @p id in range */
        MaterialAttributeType attributeType(UnsignedInt layer, UnsignedInt id) const;
        /** Attribute type by name; expects the attribute to be present */
        MaterialAttributeType attributeType(UnsignedInt layer, Containers::StringView name) const;
        MaterialAttributeType attributeType(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** Attribute type in the base material */
        MaterialAttributeType attributeType(UnsignedInt id) const { return attributeType(0, id); }
        MaterialAttributeType attributeType(Containers::StringView name) const { return attributeType(0, name); } /**< @overload */
        MaterialAttributeType attributeType(MaterialAttribute name) const { return attributeType(0, name); } /**< @overload */

        /** Type-erased attribute value; expects @p layer and @p id in range */
        const void* attribute(UnsignedInt layer, UnsignedInt id) const;
        /** Type-erased attribute value by name; expects it to be present */
        const void* attribute(UnsignedInt layer, Containers::StringView name) const;
        const void* attribute(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** Type-erased attribute value in the base material */
        const void* attribute(UnsignedInt id) const { return attribute(0, id); }
        const void* attribute(Containers::StringView name) const { return attribute(0, name); } /**< @overload */
        const void* attribute(MaterialAttribute name) const { return attribute(0, name); } /**< @overload */

        /** Attribute value in a concrete type; expects the type to match */
        template<class T> T attribute(UnsignedInt layer, UnsignedInt id) const;
        /** Attribute value by name in a concrete type; expects the attribute present and the type to match */
        template<class T> T attribute(UnsignedInt layer, Containers::StringView name) const;
        template<class T> T attribute(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        /** Attribute value in the base material */
        template<class T> T attribute(UnsignedInt id) const { return attribute<T>(0, id); }
        template<class T> T attribute(Containers::StringView name) const { return attribute<T>(0, name); } /**< @overload */
        template<class T> T attribute(MaterialAttribute name) const { return attribute<T>(0, name); } /**< @overload */

        /** Type-erased value if the attribute is present, nullptr otherwise */
        const void* findAttribute(UnsignedInt layer, Containers::StringView name) const;
        const void* findAttribute(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        const void* findAttribute(Containers::StringView name) const { return findAttribute(0, name); } /**< @overload */
        const void* findAttribute(MaterialAttribute name) const { return findAttribute(0, name); } /**< @overload */
        /** Value if the attribute is present; expects the type to match */
        template<class T> Containers::Optional<T> findAttribute(UnsignedInt layer, Containers::StringView name) const;
        template<class T> Containers::Optional<T> findAttribute(UnsignedInt layer, MaterialAttribute name) const; /**< @overload */
        template<class T> Containers::Optional<T> findAttribute(Containers::StringView name) const { return findAttribute<T>(0, name); } /**< @overload */
        template<class T> Containers::Optional<T> findAttribute(MaterialAttribute name) const { return findAttribute<T>(0, name); } /**< @overload */

        /** Value if the attribute is present, @p defaultValue otherwise */
        template<class T> T attributeOr(UnsignedInt layer, Containers::StringView name, const T& defaultValue) const;
        template<class T> T attributeOr(UnsignedInt layer, MaterialAttribute name, const T& defaultValue) const; /**< @overload */
        template<class T> T attributeOr(Containers::StringView name, const T& defaultValue) const { return attributeOr<T>(0, name, defaultValue); } /**< @overload */
        template<class T> T attributeOr(MaterialAttribute name, const T& defaultValue) const { return attributeOr<T>(0, name, defaultValue); } /**< @overload */

        /** Whether the material is double-sided, false if not specified */
        bool isDoubleSided() const;
        /** Alpha mode from AlphaBlend and AlphaMask, Opaque if neither is present */
        MaterialAlphaMode alphaMode() const;
        /** Alpha mask, 0.5 if not specified */
        Float alphaMask() const;

        /** Release the layer data */
        Containers::Array<UnsignedInt> releaseLayerData();
        /** Release the attribute data */
        Containers::Array<MaterialAttributeData> releaseAttributeData();
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        UnsignedInt findAttributeIdInternal(UnsignedInt layer, Containers::StringView name) const;
        bool checkType(UnsignedInt layer, UnsignedInt id, MaterialAttributeType type, const char* prefix) const;

        Containers::Array<MaterialAttributeData> _data;
        Containers::Array<UnsignedInt> _layerOffsets;
        MaterialTypes _types;
        DataFlags _attributeDataFlags, _layerDataFlags;
        const void* _importerState;
};

template<class T> T MaterialAttributeData::value() const {
    CORRADE_ASSERT(Implementation::MaterialAttributeTypeFor<T>::type() == type(),
        "Trade::MaterialAttributeData::value():" << name() << "is" << type() << "but requested a type equivalent to" << Implementation::MaterialAttributeTypeFor<T>::type(), {});
    return *reinterpret_cast<const T*>(value());
}
template<> Containers::StringView MaterialAttributeData::value<Containers::StringView>() const;

template<class T> T MaterialData::attribute(const UnsignedInt layer, const UnsignedInt id) const {
    const void* const value = attribute(layer, id);
    if(!value || !checkType(layer, id, Implementation::MaterialAttributeTypeFor<T>::type(), "Trade::MaterialData::attribute():")) return {};
    return *reinterpret_cast<const T*>(value);
}
template<> Containers::StringView MaterialData::attribute<Containers::StringView>(UnsignedInt, UnsignedInt) const;

template<class T> T MaterialData::attribute(const UnsignedInt layer, const Containers::StringView name) const {
    const UnsignedInt id = attributeId(layer, name);
    if(id == ~UnsignedInt{}) return {};
    return attribute<T>(layer, id);
}

template<class T> T MaterialData::attribute(const UnsignedInt layer, const MaterialAttribute name) const {
    const UnsignedInt id = attributeId(layer, name);
    if(id == ~UnsignedInt{}) return {};
    return attribute<T>(layer, id);
}

template<class T> Containers::Optional<T> MaterialData::findAttribute(const UnsignedInt layer, const Containers::StringView name) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    if(!id) return {};
    return attribute<T>(layer, *id);
}

template<class T> Containers::Optional<T> MaterialData::findAttribute(const UnsignedInt layer, const MaterialAttribute name) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    if(!id) return {};
    return attribute<T>(layer, *id);
}

template<class T> T MaterialData::attributeOr(const UnsignedInt layer, const Containers::StringView name, const T& defaultValue) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    return id ? attribute<T>(layer, *id) : defaultValue;
}

template<class T> T MaterialData::attributeOr(const UnsignedInt layer, const MaterialAttribute name, const T& defaultValue) const {
    const Containers::Optional<UnsignedInt> id = findAttributeId(layer, name);
    return id ? attribute<T>(layer, *id) : defaultValue;
}

}}

#endif
