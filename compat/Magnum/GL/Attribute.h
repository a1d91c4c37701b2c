#ifndef Magnum_GL_Attribute_h
#define Magnum_GL_Attribute_h
/* Vertex attribute description with run-time location and type */

#include "Magnum/Magnum.h"
#include "Magnum/GL/GL.h"

namespace Magnum { namespace GL {

/** @brief Vertex attribute location and type, given at run time */
class DynamicAttribute {
    public:
        /** @brief Which shader type the attribute matches */
        enum class Kind {
            Generic,            /**< Float shader type */
            GenericNormalized,  /**< Normalized integers, float shader type */
            Integral,           /**< Integral shader type */
            Long                /**< Double-precision shader type */
        };

        /** @brief Component count */
        enum class Components: Int {
            One = 1,        /**< One component */
            Two = 2,        /**< Two components */
            Three = 3,      /**< Three components */
            Four = 4,       /**< Four components */
            BGRA = 0x80E1   /**< Four components in BGRA order */
        };

        /** @brief Data type */
        enum class DataType: UnsignedInt {
            UnsignedByte = 0x1401,  /**< Unsigned byte */
            Byte = 0x1400,          /**< Byte */
            UnsignedShort = 0x1403, /**< Unsigned short */
            Short = 0x1402,         /**< Short */
            UnsignedInt = 0x1405,   /**< Unsigned int */
            Int = 0x1404,           /**< Int */
            Half = 0x140B,          /**< Half float */
            Float = 0x1406,         /**< Float */
            Double = 0x140A,        /**< Double */
            UnsignedInt10f11f11fRev = 0x8C3B,   /**< Packed 10.11.11 float */
            UnsignedInt2101010Rev = 0x8368,     /**< Packed unsigned 2.10.10.10 */
            Int2101010Rev = 0x8D9F              /**< Packed signed 2.10.10.10 */
        };

        /** @brief Constructor, one vector */
        explicit DynamicAttribute(Kind kind, UnsignedInt location, Components components, DataType dataType): DynamicAttribute{kind, location, components, 1, dataType} {}

        /** @brief Construct a matrix attribute */
        explicit DynamicAttribute(Kind kind, UnsignedInt location, Components components, UnsignedInt vectors, DataType dataType);

        /** @brief Construct a matrix attribute with a custom vector stride */
        constexpr explicit DynamicAttribute(Kind kind, UnsignedInt location, Components components, UnsignedInt vectors, UnsignedInt vectorStride, DataType dataType): _kind{kind}, _location{location}, _components{components}, _vectors{vectors}, _vectorStride{vectorStride}, _dataType{dataType} {}

        /** @brief Construct from a generic vertex format */
        explicit DynamicAttribute(Kind kind, UnsignedInt location, VertexFormat format): DynamicAttribute{kind, location, format, 4, 4} {}

        /** @brief Attribute kind */
        constexpr Kind kind() const { return _kind; }

        /** @brief Attribute location */
        constexpr UnsignedInt location() const { return _location; }

        /** @brief Component count */
        constexpr Components components() const { return _components; }

        /** @brief Vector count */
        constexpr UnsignedInt vectors() const { return _vectors; }

        /** @brief Vector stride */
        constexpr UnsignedInt vectorStride() const { return _vectorStride; }

        /** @brief Data type */
        constexpr DataType dataType() const { return _dataType; }

    private:
        explicit DynamicAttribute(Kind kind, UnsignedInt location, VertexFormat format, UnsignedInt maxVectors, Int maxComponents);

        Kind _kind;
        UnsignedInt _location;
        Components _components;
        UnsignedInt _vectors;
        UnsignedInt _vectorStride;
        DataType _dataType;
};

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, DynamicAttribute::Kind value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, DynamicAttribute::Components value);

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, DynamicAttribute::DataType value);

/** @brief Whether a generic vertex format is available on this target */
bool hasVertexFormat(Magnum::VertexFormat format);

}}

#endif
