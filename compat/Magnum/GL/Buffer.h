#ifndef Magnum_GL_Buffer_h
#define Magnum_GL_Buffer_h
/* GL buffer object */

#include <cstddef>

#include "Corrade/Containers/ArrayView.h"
#include "Magnum/Tags.h"
#include "Magnum/GL/AbstractObject.h"

namespace Magnum { namespace GL {

/** @brief Buffer usage */
enum class BufferUsage: UnsignedInt {
    StreamDraw = 0x88E0,    /**< Set once, drawn from a few times */
    StreamRead = 0x88E1,    /**< Set once by GL, read a few times */
    StreamCopy = 0x88E2,    /**< Set once by GL, drawn or copied a few times */
    StaticDraw = 0x88E4,    /**< Set once, drawn from many times */
    StaticRead = 0x88E5,    /**< Set once by GL, read many times */
    StaticCopy = 0x88E6,    /**< Set once by GL, drawn or copied many times */
    DynamicDraw = 0x88E8,   /**< Updated often, drawn from often */
    DynamicRead = 0x88E9,   /**< Updated often by GL, read often */
    DynamicCopy = 0x88EA    /**< Updated often by GL, drawn or copied often */
};

/** @brief Buffer */
class Buffer: public AbstractObject {
    public:
        /** @brief Buffer target */
        enum class TargetHint: UnsignedInt {
            Array = 0x8892,             /**< Vertex attributes */
            AtomicCounter = 0x92C0,     /**< Atomic counters */
            CopyRead = 0x8F36,          /**< Source of copies */
            CopyWrite = 0x8F37,         /**< Target of copies */
            DispatchIndirect = 0x90EE,  /**< Indirect compute dispatch commands */
            DrawIndirect = 0x8F3F,      /**< Indirect draw commands */
            ElementArray = 0x8893,      /**< Vertex indices */
            PixelPack = 0x88EB,         /**< Pixel pack operations */
            PixelUnpack = 0x88EC,       /**< Pixel unpack operations */
            ShaderStorage = 0x90D2,     /**< Shader storage */
            Texture = 0x8C2A,           /**< Texel fetches */
            TransformFeedback = 0x8C8E, /**< Transform feedback */
            Uniform = 0x8A11            /**< Uniforms */
        };

        /** @brief Wrap an existing GL buffer */
        static Buffer wrap(UnsignedInt id, TargetHint targetHint = TargetHint::Array, ObjectFlags flags = {}) {
            return Buffer{id, targetHint, flags};
        }

        /** @overload */
        static Buffer wrap(UnsignedInt id, ObjectFlags flags) {
            return Buffer{id, TargetHint::Array, flags};
        }

        /** @brief Create a buffer */
        explicit Buffer(TargetHint targetHint = TargetHint::Array);

        /** @brief Construct without creating the GL object */
        explicit Buffer(NoCreateT) noexcept {}

        /** @brief Copying is not allowed */
        Buffer(const Buffer&) = delete;

        /** @brief Move constructor */
        Buffer(Buffer&& other) noexcept;

        /** @brief Deletes the GL object */
        ~Buffer();

        /** @brief Copying is not allowed */
        Buffer& operator=(const Buffer&) = delete;

        /** @brief Move assignment */
        Buffer& operator=(Buffer&& other) noexcept;

        /** @brief OpenGL buffer ID */
        UnsignedInt id() const { return _id; }

        /** @brief Release the GL object, leaving the instance empty */
        UnsignedInt release();

        /** @brief Target hint */
        TargetHint targetHint() const { return _targetHint; }

        /** @brief Set target hint */
        Buffer& setTargetHint(TargetHint hint) {
            _targetHint = hint;
            return *this;
        }

        /** @brief Buffer size in bytes */
        Int size();

        /** @brief Buffer data */
        Containers::Array<char> data();

        /** @brief Buffer subdata */
        Containers::Array<char> subData(std::ptrdiff_t offset, std::ptrdiff_t size);

        /** @brief Set buffer data, reallocating its storage */
        Buffer& setData(Containers::ArrayView<const void> data, BufferUsage usage = BufferUsage::StaticDraw);

        /** @brief Set buffer subdata */
        Buffer& setSubData(std::ptrdiff_t offset, Containers::ArrayView<const void> data);

        /** @brief Invalidate buffer data; does nothing without ARB_invalidate_subdata */
        Buffer& invalidateData();

        /** @brief Invalidate buffer subdata; does nothing without ARB_invalidate_subdata */
        Buffer& invalidateSubData(std::ptrdiff_t offset, std::ptrdiff_t length);

    private:
        explicit Buffer(UnsignedInt id, TargetHint targetHint, ObjectFlags flags) noexcept: _id{id}, _targetHint{targetHint}, _flags{flags} {}

        UnsignedInt _id{};
        TargetHint _targetHint{TargetHint::Array};
        ObjectFlags _flags;
};

/** @brief Debug output operator */
Debug& operator<<(Debug& debug, Buffer::TargetHint value);

}}

#endif
