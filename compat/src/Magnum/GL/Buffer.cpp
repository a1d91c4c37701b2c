#include "Magnum/GL/Buffer.h"

#include <epoxy/gl.h>

#include "Corrade/Containers/Array.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Move.h"
#include "Magnum/GL/Context.h"
#include "Magnum/GL/Extensions.h"

namespace Magnum { namespace GL {

/* Data operations go through a binding point that no vertex array object
   records, so they never disturb mesh state */
namespace { constexpr GLenum ScratchTarget = GL_COPY_WRITE_BUFFER; }

Buffer::Buffer(const TargetHint targetHint): _targetHint{targetHint}, _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created} {
    glGenBuffers(1, &_id);
    /* The first bind creates the object */
    glBindBuffer(ScratchTarget, _id);
}

Buffer::Buffer(Buffer&& other) noexcept: _id{other._id}, _targetHint{other._targetHint}, _flags{other._flags} {
    other._id = 0;
}

Buffer::~Buffer() {
    if(_id && (_flags & ObjectFlag::DeleteOnDestruction)) glDeleteBuffers(1, &_id);
}

Buffer& Buffer::operator=(Buffer&& other) noexcept {
    Utility::swap(_id, other._id);
    Utility::swap(_targetHint, other._targetHint);
    Utility::swap(_flags, other._flags);
    return *this;
}

UnsignedInt Buffer::release() {
    const UnsignedInt id = _id;
    _id = 0;
    return id;
}

Int Buffer::size() {
    glBindBuffer(ScratchTarget, _id);
    GLint size{};
    glGetBufferParameteriv(ScratchTarget, GL_BUFFER_SIZE, &size);
    return size;
}

Containers::Array<char> Buffer::data() {
    return subData(0, size());
}

Containers::Array<char> Buffer::subData(const std::ptrdiff_t offset, const std::ptrdiff_t size) {
    Containers::Array<char> out{ValueInit, std::size_t(size)};
    if(size) {
        glBindBuffer(ScratchTarget, _id);
        glGetBufferSubData(ScratchTarget, offset, size, out.data());
    }
    return out;
}

Buffer& Buffer::setData(const Containers::ArrayView<const void> data, const BufferUsage usage) {
    glBindBuffer(ScratchTarget, _id);
    glBufferData(ScratchTarget, GLsizeiptr(data.size()), data.data(), GLenum(usage));
    return *this;
}

Buffer& Buffer::setSubData(const std::ptrdiff_t offset, const Containers::ArrayView<const void> data) {
    glBindBuffer(ScratchTarget, _id);
    glBufferSubData(ScratchTarget, offset, GLsizeiptr(data.size()), data.data());
    return *this;
}

Buffer& Buffer::invalidateData() {
    if(Context::hasCurrent() && Context::current().isExtensionSupported<Extensions::ARB::invalidate_subdata>())
        glInvalidateBufferData(_id);
    return *this;
}

Buffer& Buffer::invalidateSubData(const std::ptrdiff_t offset, const std::ptrdiff_t length) {
    if(Context::hasCurrent() && Context::current().isExtensionSupported<Extensions::ARB::invalidate_subdata>())
        glInvalidateBufferSubData(_id, offset, length);
    return *this;
}

Debug& operator<<(Debug& debug, const Buffer::TargetHint value) {
    debug << "GL::Buffer::TargetHint" << Debug::nospace;
    switch(value) {
        #define _c(value) case Buffer::TargetHint::value: return debug << "::" #value;
        _c(Array)
        _c(AtomicCounter)
        _c(CopyRead)
        _c(CopyWrite)
        _c(DispatchIndirect)
        _c(DrawIndirect)
        _c(ElementArray)
        _c(PixelPack)
        _c(PixelUnpack)
        _c(ShaderStorage)
        _c(Texture)
        _c(TransformFeedback)
        _c(Uniform)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

static_assert(UnsignedInt(Buffer::TargetHint::Array) == GL_ARRAY_BUFFER && UnsignedInt(Buffer::TargetHint::ElementArray) == GL_ELEMENT_ARRAY_BUFFER && UnsignedInt(Buffer::TargetHint::Uniform) == GL_UNIFORM_BUFFER && UnsignedInt(Buffer::TargetHint::Texture) == GL_TEXTURE_BUFFER, "");
static_assert(UnsignedInt(BufferUsage::StaticDraw) == GL_STATIC_DRAW && UnsignedInt(BufferUsage::DynamicDraw) == GL_DYNAMIC_DRAW && UnsignedInt(BufferUsage::StreamCopy) == GL_STREAM_COPY && UnsignedInt(BufferUsage::DynamicCopy) == GL_DYNAMIC_COPY, "");

}}
