#include "Magnum/GL/AbstractTexture.h"
#include "Magnum/GL/Framebuffer.h"
#include "Magnum/GL/PixelFormat.h"
#include "Magnum/GL/Renderbuffer.h"
#include "Magnum/GL/Sampler.h"
#include "Magnum/GL/Texture.h"
#include "Magnum/GL/TextureArray.h"
#include "Magnum/GL/TextureFormat.h"

#include <epoxy/gl.h>

#include "Corrade/Containers/Pair.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Move.h"
#include "Corrade/Containers/Array.h"
#include "Magnum/Image.h"
#include "Magnum/ImageView.h"
#include "Magnum/PixelFormat.h"
#include "Magnum/PixelStorage.h"

namespace Magnum { namespace GL {

namespace {

/* Values of the generic sampler enums, kept here as the generic header
   isn't needed anywhere else */
enum: UnsignedInt { GenericFilterNearest, GenericFilterLinear };
enum: UnsignedInt { GenericMipmapBase, GenericMipmapNearest, GenericMipmapLinear };
enum: UnsignedInt { GenericWrappingRepeat, GenericWrappingMirroredRepeat, GenericWrappingClampToEdge, GenericWrappingClampToBorder, GenericWrappingMirrorClampToEdge };

void applyStorage(const PixelStorage& storage, const bool pack) {
    glPixelStorei(pack ? GL_PACK_ALIGNMENT : GL_UNPACK_ALIGNMENT, storage.alignment());
    glPixelStorei(pack ? GL_PACK_ROW_LENGTH : GL_UNPACK_ROW_LENGTH, storage.rowLength());
    glPixelStorei(pack ? GL_PACK_IMAGE_HEIGHT : GL_UNPACK_IMAGE_HEIGHT, storage.imageHeight());
    glPixelStorei(pack ? GL_PACK_SKIP_PIXELS : GL_UNPACK_SKIP_PIXELS, storage.skip().x());
    glPixelStorei(pack ? GL_PACK_SKIP_ROWS : GL_UNPACK_SKIP_ROWS, storage.skip().y());
    glPixelStorei(pack ? GL_PACK_SKIP_IMAGES : GL_UNPACK_SKIP_IMAGES, storage.skip().z());
}

void resetUnpackStorage() {
    applyStorage(PixelStorage{}, false);
}

GLenum bindingFor(const GLenum target) {
    switch(target) {
        case GL_TEXTURE_1D: return GL_TEXTURE_BINDING_1D;
        case GL_TEXTURE_2D: return GL_TEXTURE_BINDING_2D;
        case GL_TEXTURE_3D: return GL_TEXTURE_BINDING_3D;
        case GL_TEXTURE_1D_ARRAY: return GL_TEXTURE_BINDING_1D_ARRAY;
        case GL_TEXTURE_2D_ARRAY: return GL_TEXTURE_BINDING_2D_ARRAY;
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}

/* Binds a texture for an operation and puts the previous binding of the
   active unit back afterwards, so the caller's bindings survive */
class TextureBinding {
    public:
        explicit TextureBinding(const GLenum target, const GLuint id): _target{target} {
            glGetIntegerv(bindingFor(target), &_previous);
            glBindTexture(target, id);
        }
        ~TextureBinding() { glBindTexture(_target, GLuint(_previous)); }

    private:
        GLenum _target;
        GLint _previous{};
};

}

std::size_t Implementation::imageDataSizeFor(const PixelStorage& storage, const UnsignedInt pixelSize, const Vector3i& size) {
    if(!size.product()) return 0;
    const std::size_t rowLength = storage.rowLength() ? storage.rowLength() : size.x();
    const std::size_t alignment = storage.alignment();
    const std::size_t rowStride = (rowLength*pixelSize + alignment - 1)/alignment*alignment;
    const std::size_t imageHeight = storage.imageHeight() ? storage.imageHeight() : size.y();
    return rowStride*imageHeight*std::size_t(storage.skip().z() + size.z() - 1) + rowStride*std::size_t(storage.skip().y() + size.y());
}

/* Sampler */

SamplerFilter samplerFilter(const Magnum::SamplerFilter filter) {
    switch(UnsignedInt(filter)) {
        case GenericFilterNearest: return SamplerFilter::Nearest;
        case GenericFilterLinear: return SamplerFilter::Linear;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::samplerFilter(): invalid filter" << UnsignedInt(filter), {});
}

SamplerMipmap samplerMipmap(const Magnum::SamplerMipmap mipmap) {
    switch(UnsignedInt(mipmap)) {
        case GenericMipmapBase: return SamplerMipmap::Base;
        case GenericMipmapNearest: return SamplerMipmap::Nearest;
        case GenericMipmapLinear: return SamplerMipmap::Linear;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::samplerMipmap(): invalid mode" << UnsignedInt(mipmap), {});
}

bool hasSamplerWrapping(const Magnum::SamplerWrapping wrapping) {
    CORRADE_ASSERT(UnsignedInt(wrapping) <= GenericWrappingMirrorClampToEdge,
        "GL::hasSamplerWrapping(): invalid wrapping" << UnsignedInt(wrapping), {});
    return true;
}

SamplerWrapping samplerWrapping(const Magnum::SamplerWrapping wrapping) {
    switch(UnsignedInt(wrapping)) {
        case GenericWrappingRepeat: return SamplerWrapping::Repeat;
        case GenericWrappingMirroredRepeat: return SamplerWrapping::MirroredRepeat;
        case GenericWrappingClampToEdge: return SamplerWrapping::ClampToEdge;
        case GenericWrappingClampToBorder: return SamplerWrapping::ClampToBorder;
        case GenericWrappingMirrorClampToEdge: return SamplerWrapping::MirrorClampToEdge;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::samplerWrapping(): invalid wrapping" << UnsignedInt(wrapping), {});
}

Debug& operator<<(Debug& debug, const SamplerFilter value) {
    debug << "GL::SamplerFilter" << Debug::nospace;
    switch(value) {
        case SamplerFilter::Nearest: return debug << "::Nearest";
        case SamplerFilter::Linear: return debug << "::Linear";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const SamplerMipmap value) {
    debug << "GL::SamplerMipmap" << Debug::nospace;
    switch(value) {
        case SamplerMipmap::Base: return debug << "::Base";
        case SamplerMipmap::Nearest: return debug << "::Nearest";
        case SamplerMipmap::Linear: return debug << "::Linear";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const SamplerWrapping value) {
    debug << "GL::SamplerWrapping" << Debug::nospace;
    switch(value) {
        case SamplerWrapping::Repeat: return debug << "::Repeat";
        case SamplerWrapping::MirroredRepeat: return debug << "::MirroredRepeat";
        case SamplerWrapping::ClampToEdge: return debug << "::ClampToEdge";
        case SamplerWrapping::ClampToBorder: return debug << "::ClampToBorder";
        case SamplerWrapping::MirrorClampToEdge: return debug << "::MirrorClampToEdge";
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

static_assert(Int(SamplerFilter::Linear) == GL_LINEAR && (Int(SamplerFilter::Linear)|Int(SamplerMipmap::Linear)) == GL_LINEAR_MIPMAP_LINEAR && (Int(SamplerFilter::Nearest)|Int(SamplerMipmap::Nearest)) == GL_NEAREST_MIPMAP_NEAREST && Int(SamplerWrapping::MirrorClampToEdge) == GL_MIRROR_CLAMP_TO_EDGE && Int(SamplerWrapping::ClampToBorder) == GL_CLAMP_TO_BORDER, "");

/* AbstractTexture */

AbstractTexture::AbstractTexture(const UnsignedInt target): _target{target}, _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created} {
    glGenTextures(1, &_id);
    /* The first bind creates the object */
    TextureBinding binding{_target, _id};
}

AbstractTexture::AbstractTexture(AbstractTexture&& other) noexcept: _target{other._target}, _id{other._id}, _flags{other._flags} {
    other._id = 0;
}

AbstractTexture::~AbstractTexture() {
    if(_id && (_flags & ObjectFlag::DeleteOnDestruction)) glDeleteTextures(1, &_id);
}

AbstractTexture& AbstractTexture::operator=(AbstractTexture&& other) noexcept {
    Utility::swap(_target, other._target);
    Utility::swap(_id, other._id);
    Utility::swap(_flags, other._flags);
    return *this;
}

void AbstractTexture::unbind(const Int textureUnit) {
    glActiveTexture(GL_TEXTURE0 + textureUnit);
    for(const GLenum target: {GL_TEXTURE_1D, GL_TEXTURE_2D, GL_TEXTURE_3D, GL_TEXTURE_1D_ARRAY, GL_TEXTURE_2D_ARRAY})
        glBindTexture(target, 0);
    glActiveTexture(GL_TEXTURE0);
}

void AbstractTexture::bind(const Int textureUnit) {
    glActiveTexture(GL_TEXTURE0 + textureUnit);
    glBindTexture(_target, _id);
    glActiveTexture(GL_TEXTURE0);
}

Int AbstractTexture::maxTextureSizeInternal() {
    GLint value{};
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &value);
    return value;
}

Int AbstractTexture::max3DTextureSizeInternal() {
    GLint value{};
    glGetIntegerv(GL_MAX_3D_TEXTURE_SIZE, &value);
    return value;
}

Int AbstractTexture::maxArrayLayersInternal() {
    GLint value{};
    glGetIntegerv(GL_MAX_ARRAY_TEXTURE_LAYERS, &value);
    return value;
}

void AbstractTexture::setMinificationFilterInternal(const SamplerFilter filter, const SamplerMipmap mipmap) {
    TextureBinding binding{_target, _id};
    glTexParameteri(_target, GL_TEXTURE_MIN_FILTER, GLint(filter)|GLint(mipmap));
}

void AbstractTexture::setMagnificationFilterInternal(const SamplerFilter filter) {
    TextureBinding binding{_target, _id};
    glTexParameteri(_target, GL_TEXTURE_MAG_FILTER, GLint(filter));
}

void AbstractTexture::setWrappingInternal(const UnsignedInt count, const SamplerWrapping* const wrapping) {
    TextureBinding binding{_target, _id};
    const GLenum parameters[]{GL_TEXTURE_WRAP_S, GL_TEXTURE_WRAP_T, GL_TEXTURE_WRAP_R};
    for(UnsignedInt i = 0; i != count; ++i)
        glTexParameteri(_target, parameters[i], GLint(wrapping[i]));
}

void AbstractTexture::setStorageInternal(const UnsignedInt dimensions, const Int levels, const TextureFormat internalFormat, const Vector3i& size) {
    TextureBinding binding{_target, _id};
    if(dimensions == 1) glTexStorage1D(_target, levels, GLenum(internalFormat), size.x());
    else if(dimensions == 2) glTexStorage2D(_target, levels, GLenum(internalFormat), size.x(), size.y());
    else glTexStorage3D(_target, levels, GLenum(internalFormat), size.x(), size.y(), size.z());
}

void AbstractTexture::setSubImageInternal(const UnsignedInt dimensions, const Int level, const Vector3i& offset, const Vector3i& size, const PixelStorage& storage, const Magnum::PixelFormat format, const UnsignedInt formatExtra, const void* const data) {
    const GLenum glFormat = GLenum(pixelFormat(format));
    const GLenum glType = GLenum(pixelType(format, formatExtra));
    TextureBinding binding{_target, _id};
    applyStorage(storage, false);
    if(dimensions == 1) glTexSubImage1D(_target, level, offset.x(), size.x(), glFormat, glType, data);
    else if(dimensions == 2) glTexSubImage2D(_target, level, offset.x(), offset.y(), size.x(), size.y(), glFormat, glType, data);
    else glTexSubImage3D(_target, level, offset.x(), offset.y(), offset.z(), size.x(), size.y(), size.z(), glFormat, glType, data);
    resetUnpackStorage();
}

void AbstractTexture::setCompressedSubImageInternal(const UnsignedInt dimensions, const Int level, const Vector3i& offset, const Vector3i& size, const CompressedPixelStorage& storage, const Magnum::CompressedPixelFormat format, const Vector3i& blockSize, const UnsignedInt blockDataSize, const void* const data) {
    const GLenum glFormat = GLenum(compressedPixelFormat(format));
    /* GL wants the size of exactly the blocks that the image covers, however
       large the data behind the view is */
    const Math::Vector3<std::size_t> blockCount{(size + blockSize - Vector3i{1})/blockSize};
    const std::size_t dataSize = blockCount.x()*blockCount.y()*blockCount.z()*blockDataSize;
    TextureBinding binding{_target, _id};
    resetUnpackStorage();
    /* A view into a larger image addresses its blocks through the block
       properties, which GL only applies when all four are set */
    const bool sparse = storage.skip() != Vector3i{} || storage.rowLength() || storage.imageHeight();
    if(sparse) {
        applyStorage(storage, false);
        glPixelStorei(GL_UNPACK_COMPRESSED_BLOCK_WIDTH, blockSize.x());
        glPixelStorei(GL_UNPACK_COMPRESSED_BLOCK_HEIGHT, blockSize.y());
        glPixelStorei(GL_UNPACK_COMPRESSED_BLOCK_DEPTH, blockSize.z());
        glPixelStorei(GL_UNPACK_COMPRESSED_BLOCK_SIZE, GLint(blockDataSize));
    }
    if(dimensions == 1) glCompressedTexSubImage1D(_target, level, offset.x(), size.x(), glFormat, GLsizei(dataSize), data);
    else if(dimensions == 2) glCompressedTexSubImage2D(_target, level, offset.x(), offset.y(), size.x(), size.y(), glFormat, GLsizei(dataSize), data);
    else glCompressedTexSubImage3D(_target, level, offset.x(), offset.y(), offset.z(), size.x(), size.y(), size.z(), glFormat, GLsizei(dataSize), data);
    if(sparse) {
        resetUnpackStorage();
        for(const GLenum parameter: {GL_UNPACK_COMPRESSED_BLOCK_WIDTH, GL_UNPACK_COMPRESSED_BLOCK_HEIGHT, GL_UNPACK_COMPRESSED_BLOCK_DEPTH, GL_UNPACK_COMPRESSED_BLOCK_SIZE})
            glPixelStorei(parameter, 0);
    }
}

Vector3i AbstractTexture::imageSizeInternal(const Int level) {
    TextureBinding binding{_target, _id};
    Vector3i size{1};
    glGetTexLevelParameteriv(_target, level, GL_TEXTURE_WIDTH, &size.x());
    glGetTexLevelParameteriv(_target, level, GL_TEXTURE_HEIGHT, &size.y());
    glGetTexLevelParameteriv(_target, level, GL_TEXTURE_DEPTH, &size.z());
    return size;
}

void AbstractTexture::imageInternal(const Int level, const PixelStorage& storage, const Magnum::PixelFormat format, const UnsignedInt formatExtra, void* const data, const std::size_t dataSize) {
    const GLenum glFormat = GLenum(pixelFormat(format));
    const GLenum glType = GLenum(pixelType(format, formatExtra));
    TextureBinding binding{_target, _id};
    applyStorage(storage, true);
    /* The buffer is sized for the whole level, so the unbounded query is
       safe; glGetnTexImage() returned nothing on some Mesa versions */
    CORRADE_INTERNAL_ASSERT(dataSize >= Implementation::imageDataSizeFor(storage, pixelFormatSize(GL::PixelFormat(glFormat), GL::PixelType(glType)), imageSizeInternal(level)));
    glGetTexImage(_target, level, glFormat, glType, data);
    applyStorage(PixelStorage{}, true);
}

/* Renderbuffer */

Int Renderbuffer::maxSize() {
    GLint value{};
    glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &value);
    return value;
}

Renderbuffer::Renderbuffer(): _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created} {
    glGenRenderbuffers(1, &_id);
    glBindRenderbuffer(GL_RENDERBUFFER, _id);
}

Renderbuffer::Renderbuffer(Renderbuffer&& other) noexcept: _id{other._id}, _flags{other._flags} {
    other._id = 0;
}

Renderbuffer::~Renderbuffer() {
    if(_id && (_flags & ObjectFlag::DeleteOnDestruction)) glDeleteRenderbuffers(1, &_id);
}

Renderbuffer& Renderbuffer::operator=(Renderbuffer&& other) noexcept {
    Utility::swap(_id, other._id);
    Utility::swap(_flags, other._flags);
    return *this;
}

void Renderbuffer::setStorage(const RenderbufferFormat internalFormat, const Vector2i& size) {
    glBindRenderbuffer(GL_RENDERBUFFER, _id);
    glRenderbufferStorage(GL_RENDERBUFFER, GLenum(internalFormat), size.x(), size.y());
}

/* Framebuffers */

const Framebuffer::DrawAttachment Framebuffer::DrawAttachment::None{GL_NONE};
const Framebuffer::BufferAttachment Framebuffer::BufferAttachment::Depth{GL_DEPTH_ATTACHMENT};
const Framebuffer::BufferAttachment Framebuffer::BufferAttachment::Stencil{GL_STENCIL_ATTACHMENT};
const Framebuffer::BufferAttachment Framebuffer::BufferAttachment::DepthStencil{GL_DEPTH_STENCIL_ATTACHMENT};

void AbstractFramebuffer::bind() {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    glViewport(_viewport.min().x(), _viewport.min().y(), _viewport.sizeX(), _viewport.sizeY());
}

AbstractFramebuffer& AbstractFramebuffer::setViewport(const Range2Di& rectangle) {
    _viewport = rectangle;
    /* Applied right away when this one is bound for drawing */
    GLint drawBinding{};
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawBinding);
    if(GLuint(drawBinding) == _id)
        glViewport(_viewport.min().x(), _viewport.min().y(), _viewport.sizeX(), _viewport.sizeY());
    return *this;
}

AbstractFramebuffer& AbstractFramebuffer::clear(const FramebufferClearMask mask) {
    bind();
    glClear(GLbitfield(UnsignedInt(mask)));
    return *this;
}

void AbstractFramebuffer::read(const Range2Di& rectangle, Image2D& image) {
    const Vector2i size = rectangle.size();
    Containers::Array<char> data{ValueInit, Implementation::imageDataSizeFor(image.storage(), image.pixelSize(), {size, 1})};
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _id);
    applyStorage(image.storage(), true);
    glReadPixels(rectangle.min().x(), rectangle.min().y(), size.x(), size.y(), GLenum(pixelFormat(image.format())), GLenum(pixelType(image.format(), image.formatExtra())), data.data());
    applyStorage(PixelStorage{}, true);
    image = Image2D{image.storage(), image.format(), image.formatExtra(), image.pixelSize(), size, Utility::move(data)};
}

Image2D AbstractFramebuffer::read(const Range2Di& rectangle, Image2D&& image) {
    read(rectangle, image);
    return Utility::move(image);
}

Framebuffer::Framebuffer(const Range2Di& viewport): _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created} {
    _viewport = viewport;
    glGenFramebuffers(1, &_id);
    /* The first bind creates the object; the previous read binding stays */
    GLint previous{};
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &previous);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _id);
    glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(previous));
}

Framebuffer::Framebuffer(Framebuffer&& other) noexcept: _flags{other._flags} {
    _id = other._id;
    _viewport = other._viewport;
    other._id = 0;
}

Framebuffer::~Framebuffer() {
    if(!_id || !(_flags & ObjectFlag::DeleteOnDestruction)) return;
    /* Deleting a bound framebuffer binds the default one in its place */
    glDeleteFramebuffers(1, &_id);
}

Framebuffer& Framebuffer::operator=(Framebuffer&& other) noexcept {
    Utility::swap(_id, other._id);
    Utility::swap(_viewport, other._viewport);
    Utility::swap(_flags, other._flags);
    return *this;
}

Framebuffer::Status Framebuffer::checkStatus(const FramebufferTarget target) {
    glBindFramebuffer(GLenum(target), _id);
    return Status(glCheckFramebufferStatus(GLenum(target)));
}

Framebuffer& Framebuffer::mapForDraw(const DrawAttachment attachment) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    const GLenum buffer = UnsignedInt(attachment);
    glDrawBuffers(1, &buffer);
    return *this;
}

Framebuffer& Framebuffer::mapForDraw(const Containers::ArrayView<const Containers::Pair<UnsignedInt, DrawAttachment>> attachments) {
    /* Even an empty list sets one draw buffer, to none */
    UnsignedInt max = 0;
    for(const auto& i: attachments) if(i.first() > max) max = i.first();
    Containers::Array<GLenum> buffers{ValueInit, max + 1};
    for(const auto& i: attachments) buffers[i.first()] = UnsignedInt(i.second());
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    glDrawBuffers(GLsizei(buffers.size()), buffers.data());
    return *this;
}

Framebuffer& Framebuffer::mapForDraw(const std::initializer_list<Containers::Pair<UnsignedInt, DrawAttachment>> attachments) {
    return mapForDraw(Containers::arrayView(attachments));
}

Framebuffer& Framebuffer::mapForRead(const ColorAttachment attachment) {
    glBindFramebuffer(GL_READ_FRAMEBUFFER, _id);
    glReadBuffer(UnsignedInt(attachment));
    return *this;
}

Framebuffer& Framebuffer::attachRenderbuffer(const BufferAttachment attachment, Renderbuffer& renderbuffer) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    glFramebufferRenderbuffer(GL_DRAW_FRAMEBUFFER, UnsignedInt(attachment), GL_RENDERBUFFER, renderbuffer.id());
    return *this;
}

Framebuffer& Framebuffer::attachTexture(const BufferAttachment attachment, Texture2D& texture, const Int level) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    glFramebufferTexture2D(GL_DRAW_FRAMEBUFFER, UnsignedInt(attachment), GL_TEXTURE_2D, texture.id(), level);
    return *this;
}

Framebuffer& Framebuffer::attachTextureLayer(const BufferAttachment attachment, Texture2DArray& texture, const Int level, const Int layer) {
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, _id);
    glFramebufferTextureLayer(GL_DRAW_FRAMEBUFFER, UnsignedInt(attachment), texture.id(), level, layer);
    return *this;
}

Debug& operator<<(Debug& debug, const Framebuffer::Status value) {
    debug << "GL::Framebuffer::Status" << Debug::nospace;
    switch(value) {
        #define _c(value) case Framebuffer::Status::value: return debug << "::" #value;
        _c(Complete)
        _c(IncompleteAttachment)
        _c(IncompleteMissingAttachment)
        _c(IncompleteDrawBuffer)
        _c(IncompleteReadBuffer)
        _c(Unsupported)
        _c(IncompleteMultisample)
        _c(IncompleteLayerTargets)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

namespace {

/* Sizes and offsets of any dimension count padded to three components */
inline Vector3i vector3(const Math::Vector<1, Int>& v, Int fill) { return {v[0], fill, fill}; }
inline Vector3i vector3(const Math::Vector2<Int>& v, Int fill) { return {v.x(), v.y(), fill}; }
inline Vector3i vector3(const Math::Vector3<Int>& v, Int) { return v; }
template<UnsignedInt dimensions> struct VectorFrom3;
template<> struct VectorFrom3<1> { static Math::Vector<1, Int> get(const Vector3i& v) { return Math::Vector<1, Int>{v.x()}; } };
template<> struct VectorFrom3<2> { static Math::Vector2<Int> get(const Vector3i& v) { return {v.x(), v.y()}; } };
template<> struct VectorFrom3<3> { static Math::Vector3<Int> get(const Vector3i& v) { return v; } };

}

template<UnsignedInt dimensions> VectorTypeFor<dimensions, Int> Texture<dimensions>::maxSize() {
    const Int size = dimensions == 3 ? max3DTextureSizeInternal() : maxTextureSizeInternal();
    return VectorFrom3<dimensions>::get(Vector3i{size});
}

template<UnsignedInt dimensions> Texture<dimensions>& Texture<dimensions>::setStorage(const Int levels, const TextureFormat internalFormat, const VectorTypeFor<dimensions, Int>& size) {
    setStorageInternal(dimensions, levels, internalFormat, vector3(size, 1));
    return *this;
}

template<UnsignedInt dimensions> VectorTypeFor<dimensions, Int> Texture<dimensions>::imageSize(const Int level) {
    return VectorFrom3<dimensions>::get(imageSizeInternal(level));
}

template<UnsignedInt dimensions> Texture<dimensions>& Texture<dimensions>::setSubImage(const Int level, const VectorTypeFor<dimensions, Int>& offset, const BasicImageView<dimensions>& image) {
    setSubImageInternal(dimensions, level, vector3(offset, 0), vector3(image.size(), 1), image.storage(), image.format(), image.formatExtra(), image.data().data());
    return *this;
}

template<UnsignedInt dimensions> Texture<dimensions>& Texture<dimensions>::setCompressedSubImage(const Int level, const VectorTypeFor<dimensions, Int>& offset, const BasicCompressedImageView<dimensions>& image) {
    setCompressedSubImageInternal(dimensions, level, vector3(offset, 0), vector3(image.size(), 1), image.storage(), image.format(), image.blockSize(), image.blockDataSize(), image.data().data());
    return *this;
}

template<UnsignedInt dimensions> void Texture<dimensions>::image(const Int level, Image<dimensions>& image) {
    const Vector3i size = imageSizeInternal(level);
    Containers::Array<char> data{ValueInit, Implementation::imageDataSizeFor(image.storage(), image.pixelSize(), size)};
    imageInternal(level, image.storage(), image.format(), image.formatExtra(), data.data(), data.size());
    image = Image<dimensions>{image.storage(), image.format(), image.formatExtra(), image.pixelSize(), VectorFrom3<dimensions>::get(size), Utility::move(data)};
}

template<UnsignedInt dimensions> Image<dimensions> Texture<dimensions>::image(const Int level, Image<dimensions>&& image) {
    this->image(level, image);
    return Utility::move(image);
}

template class Texture<1>;
template class Texture<2>;
template class Texture<3>;

template<UnsignedInt dimensions> VectorTypeFor<dimensions + 1, Int> TextureArray<dimensions>::maxSize() {
    const Int size = maxTextureSizeInternal();
    return VectorFrom3<dimensions + 1>::get(dimensions == 1 ?
        Vector3i{size, maxArrayLayersInternal(), 0} :
        Vector3i{size, size, maxArrayLayersInternal()});
}

template<UnsignedInt dimensions> TextureArray<dimensions>& TextureArray<dimensions>::setStorage(const Int levels, const TextureFormat internalFormat, const VectorTypeFor<dimensions + 1, Int>& size) {
    setStorageInternal(dimensions + 1, levels, internalFormat, vector3(size, 1));
    return *this;
}

template<UnsignedInt dimensions> VectorTypeFor<dimensions + 1, Int> TextureArray<dimensions>::imageSize(const Int level) {
    return VectorFrom3<dimensions + 1>::get(imageSizeInternal(level));
}

template<UnsignedInt dimensions> TextureArray<dimensions>& TextureArray<dimensions>::setSubImage(const Int level, const VectorTypeFor<dimensions + 1, Int>& offset, const BasicImageView<dimensions + 1>& image) {
    setSubImageInternal(dimensions + 1, level, vector3(offset, 0), vector3(image.size(), 1), image.storage(), image.format(), image.formatExtra(), image.data().data());
    return *this;
}

template<UnsignedInt dimensions> TextureArray<dimensions>& TextureArray<dimensions>::setCompressedSubImage(const Int level, const VectorTypeFor<dimensions + 1, Int>& offset, const BasicCompressedImageView<dimensions + 1>& image) {
    setCompressedSubImageInternal(dimensions + 1, level, vector3(offset, 0), vector3(image.size(), 1), image.storage(), image.format(), image.blockSize(), image.blockDataSize(), image.data().data());
    return *this;
}

template<UnsignedInt dimensions> void TextureArray<dimensions>::image(const Int level, Image<dimensions + 1>& image) {
    const Vector3i size = imageSizeInternal(level);
    Containers::Array<char> data{ValueInit, Implementation::imageDataSizeFor(image.storage(), image.pixelSize(), size)};
    imageInternal(level, image.storage(), image.format(), image.formatExtra(), data.data(), data.size());
    image = Image<dimensions + 1>{image.storage(), image.format(), image.formatExtra(), image.pixelSize(), VectorFrom3<dimensions + 1>::get(size), Utility::move(data)};
}

template<UnsignedInt dimensions> Image<dimensions + 1> TextureArray<dimensions>::image(const Int level, Image<dimensions + 1>&& image) {
    this->image(level, image);
    return Utility::move(image);
}

template class TextureArray<1>;
template class TextureArray<2>;

}}
