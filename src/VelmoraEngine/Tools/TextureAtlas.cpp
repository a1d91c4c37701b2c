#include "VelmoraEngine/Tools/TextureAtlas.h"

#include <cmath>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/OpenGL.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Texture.h>
#include <Magnum/GL/TextureFormat.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Sampler.h>

#include "VelmoraEngine/Implementation/GLErrors.h"
#include "VelmoraEngine/Shaders/FullScreenShaderProgram.h"

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

namespace {

/* Stretches the bound texture over the viewport: uv runs from 0 to 1 across
   the rectangle that viewportOffsetSize names */
constexpr const char CopyFragmentShader[] = R"GLSL(
precision mediump float;

uniform lowp sampler2D inColor;
uniform vec4 viewportOffsetSize;

out lowp vec4 outColor;

void main() {
    vec2 uv = (gl_FragCoord.xy - viewportOffsetSize.xy)/viewportOffsetSize.zw;
    outColor = texture(inColor, uv);
}
)GLSL";

}

TextureAtlas::TextureAtlas(): _textureArray{NoCreate}, _textureSize{}, _blockSize{1, 1}, _layerSizeInBlocks{}, _copyShader{InPlaceInit, NoCreate}, _usable{false} {}

TextureAtlas::TextureAtlas(const PixelFormat format, const Vector2i& size): TextureAtlas{GL::textureFormat(format), {1, 1}, size} {}

TextureAtlas::TextureAtlas(const CompressedPixelFormat format, const Vector2i& size): TextureAtlas{GL::textureFormat(format), compressedPixelFormatBlockSize(format).xy(), size} {}

TextureAtlas::TextureAtlas(const GL::TextureFormat format, const Vector2i& blockSize, const Vector2i& size): _textureArray{NoCreate}, _usable{true} {
    /* Checked before any GL object exists */
    CORRADE_ASSERT(size.x() > 0 && size.y() > 0,
        "TextureAtlas::TextureAtlas(): expected a positive size, got" << size, );
    CORRADE_ASSERT(blockSize.x() > 0 && blockSize.y() > 0,
        "TextureAtlas::TextureAtlas(): expected a positive block size, got" << blockSize, );

    _textureArray = GL::Texture2DArray{};
    _copyShader.emplace("TextureAtlasCopyShader", CopyFragmentShader);
    Implementation::clearGLErrors();

    /* No layer is larger than 4096x4096, even where GL allows more */
    const Vector2i maxSize = GL::Texture2D::maxSize();
    const Int layerWidth = Math::min(size.x(), Math::min(maxSize.x(), 4096));
    const Int layerHeight = Math::min(size.y(), Math::min(maxSize.y(), 4096));
    const Int layerCount = Int(std::ceil(Float(size.x())/Float(layerWidth)*Float(size.y())/Float(layerHeight)));

    _textureSize = {layerWidth, layerHeight, layerCount};
    _blockSize = blockSize;
    _layerSizeInBlocks = Vector2i{layerWidth, layerHeight}/blockSize;
    Utility::Debug{} << "Creating texture atlas with size" << _textureSize << "/" << _layerSizeInBlocks << "and format" << format;

    _packings = Containers::Array<RectPacking>{DirectInit, std::size_t(layerCount), _layerSizeInBlocks};

    _textureArray.setMagnificationFilter(SamplerFilter::Linear)
        .setMinificationFilter(SamplerFilter::Linear, SamplerMipmap::Linear)
        .setWrapping(SamplerWrapping::Repeat);

    const Int maxLayers = GL::Texture2DArray::maxSize().z();
    if(layerCount > maxLayers) {
        Utility::Error{} << "TextureAtlas::TextureAtlas(): Allocating texture failed:" << layerCount << "layers are more than the limit of" << maxLayers;
        _usable = false;
        return;
    }

    _textureArray.setStorage(1, format, _textureSize);
    const GL::Renderer::Error error = GL::Renderer::error();
    if(error != GL::Renderer::Error::NoError) {
        Utility::Error{} << "TextureAtlas::TextureAtlas(): Allocating texture failed" << error;
        _usable = false;
    }
}

TextureAtlas::TextureAtlas(TextureAtlas&& other) noexcept: TextureAtlas{} {
    *this = std::move(other);
}

TextureAtlas& TextureAtlas::operator=(TextureAtlas&& other) noexcept {
    using std::swap;
    swap(_textureArray, other._textureArray);
    swap(_textureBounds, other._textureBounds);
    swap(_textureLayers, other._textureLayers);
    swap(_reservations, other._reservations);
    swap(_textureSize, other._textureSize);
    swap(_blockSize, other._blockSize);
    swap(_layerSizeInBlocks, other._layerSizeInBlocks);
    swap(_copyShader, other._copyShader);
    swap(_packings, other._packings);
    swap(_usable, other._usable);
    return *this;
}

TextureAtlas::~TextureAtlas() = default;

int TextureAtlas::reserveImage(const Vector2i& size, const bool fullHeight) {
    return addRect(size, fullHeight);
}

int TextureAtlas::addRect(const Vector2i& size, const bool fullHeight) {
    const Vector2i sizeInBlocks = size/_blockSize;
    const Vector2i request{sizeInBlocks.x(), fullHeight ? _layerSizeInBlocks.y() : sizeInBlocks.y()};

    /* Checked before anything is narrowed to 16 bits */
    Containers::Optional<Math::Range2D<UnsignedShort>> range;
    UnsignedInt layer = 0;
    if(_usable && size.x() >= 0 && size.y() >= 0 &&
       request.x() <= _layerSizeInBlocks.x() && request.y() <= _layerSizeInBlocks.y() &&
       sizeInBlocks.y() <= _layerSizeInBlocks.y()) {
        for(; layer != _packings.size(); ++layer) {
            range = _packings[layer].insert(Math::Vector2<UnsignedShort>{request});
            if(range) break;
        }
    }
    if(!range) {
        Utility::Warning{} << "TextureAtlas::setImage(): insufficient atlas size, cannot add image of size:" << size;
        return -1;
    }

    Containers::arrayAppend(_textureBounds, Math::Vector4<UnsignedShort>{
        UnsignedShort(range->min().x()*_blockSize.x()),
        UnsignedShort(range->min().y()*_blockSize.y()),
        UnsignedShort(sizeInBlocks.x()*_blockSize.x()),
        UnsignedShort(sizeInBlocks.y()*_blockSize.y())});
    Containers::arrayAppend(_textureLayers, layer);
    Containers::arrayAppend(_reservations, Reservation{*range, true});
    return int(_textureBounds.size()) - 1;
}

bool TextureAtlas::fits(const int id, const Vector2i& size) const {
    if(id < 0 || id >= textureCount() || !_reservations[id].live || !_usable) return false;
    /* Compressed data covers whole blocks */
    const Vector2i covered = (size + _blockSize - Vector2i{1})/_blockSize*_blockSize;
    const Math::Vector4<UnsignedShort>& bounds = _textureBounds[id];
    return size.x() >= 0 && size.y() >= 0 && covered.x() <= bounds.z() && covered.y() <= bounds.w();
}

bool TextureAtlas::setImage(const int id, const ImageView2D& image) {
    return setImageInternal(id, image);
}

bool TextureAtlas::setImage(const int id, const CompressedImageView2D& image) {
    return setImageInternal(id, image);
}

bool TextureAtlas::setImage(const int id, GL::Texture2D& texture, const Vector2i& size) {
    return setImageInternal(id, texture, size);
}

bool TextureAtlas::setImageInternal(const int id, const ImageView2D& image) {
    if(!fits(id, image.size())) return false;
    if(!image.size().product()) return true;

    const Math::Vector4<UnsignedShort>& bounds = _textureBounds[id];
    const ImageView3D view{image.storage(), image.format(), image.formatExtra(), image.pixelSize(), {image.size(), 1}, image.data()};
    Implementation::clearGLErrors();
    _textureArray.setSubImage(0, {bounds.x(), bounds.y(), Int(_textureLayers[id])}, view);
    return GL::Renderer::error() == GL::Renderer::Error::NoError;
}

bool TextureAtlas::setImageInternal(const int id, const CompressedImageView2D& image) {
    if(!fits(id, image.size())) return false;
    if(!image.size().product()) return true;

    const Math::Vector4<UnsignedShort>& bounds = _textureBounds[id];
    const CompressedImageView3D view{image.storage(), image.format(), {image.size(), 1}, image.data()};
    Implementation::clearGLErrors();
    _textureArray.setCompressedSubImage(0, {bounds.x(), bounds.y(), Int(_textureLayers[id])}, view);
    return GL::Renderer::error() == GL::Renderer::Error::NoError;
}

bool TextureAtlas::setImageInternal(const int id, GL::Texture2D& texture, const Vector2i& size) {
    if(!fits(id, size)) return false;
    if(!size.product()) return true;

    const Math::Vector4<UnsignedShort>& bounds = _textureBounds[id];
    const Vector2i offset{bounds.x(), bounds.y()};

    /* The copy needs none of the caller's blending, tests or culling, and
       the caller gets them back afterwards, with its framebuffer, viewport,
       program, vertex array and texture binding */
    const GLenum features[]{GL_BLEND, GL_SCISSOR_TEST, GL_DEPTH_TEST, GL_STENCIL_TEST, GL_CULL_FACE, GL_RASTERIZER_DISCARD};
    GLboolean enabled[Containers::arraySize(features)];
    for(std::size_t i = 0; i != Containers::arraySize(features); ++i) {
        enabled[i] = glIsEnabled(features[i]);
        glDisable(features[i]);
    }
    GLint drawFramebuffer, readFramebuffer, viewport[4], program, vertexArray, activeTexture, texture0;
    GLboolean colorMask[4];
    glGetIntegerv(GL_DRAW_FRAMEBUFFER_BINDING, &drawFramebuffer);
    glGetIntegerv(GL_READ_FRAMEBUFFER_BINDING, &readFramebuffer);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_CURRENT_PROGRAM, &program);
    glGetIntegerv(GL_VERTEX_ARRAY_BINDING, &vertexArray);
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeTexture);
    glActiveTexture(GL_TEXTURE0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture0);
    glGetBooleanv(GL_COLOR_WRITEMASK, colorMask);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    /* Magnum's tracker doesn't know about any of the above */
    GL::Context::current().resetState(GL::Context::State::ExitExternal);

    bool written = false;
    Implementation::clearGLErrors();
    {
        GL::Framebuffer framebuffer{{offset, offset + size}};
        framebuffer.attachTextureLayer(GL::Framebuffer::ColorAttachment{0}, _textureArray, 0, Int(_textureLayers[id]))
            .mapForDraw(GL::Framebuffer::ColorAttachment{0});
        /* A compressed layer can't be drawn to */
        if(framebuffer.checkStatus(GL::FramebufferTarget::Draw) == GL::Framebuffer::Status::Complete) {
            texture.bind(0);
            framebuffer.bind();
            _copyShader->setViewportOffsetSize(Vector2{offset}, Vector2{size})
                .draw();
            GL::AbstractTexture::unbind(0);
            written = GL::Renderer::error() == GL::Renderer::Error::NoError;
        }
    }

    GL::Context::current().resetState(GL::Context::State::EnterExternal);
    glBindFramebuffer(GL_DRAW_FRAMEBUFFER, GLuint(drawFramebuffer));
    glBindFramebuffer(GL_READ_FRAMEBUFFER, GLuint(readFramebuffer));
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
    glUseProgram(GLuint(program));
    glBindVertexArray(GLuint(vertexArray));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, GLuint(texture0));
    glActiveTexture(GLenum(activeTexture));
    glColorMask(colorMask[0], colorMask[1], colorMask[2], colorMask[3]);
    for(std::size_t i = 0; i != Containers::arraySize(features); ++i)
        if(enabled[i]) glEnable(features[i]);
    GL::Context::current().resetState(GL::Context::State::ExitExternal);
    return written;
}

void TextureAtlas::removeImage(const int id) {
    CORRADE_ASSERT(id >= 0 && id < textureCount(),
        "TextureAtlas::removeImage(): id" << id << "out of range for" << textureCount() << "images", );

    Reservation& reservation = _reservations[id];
    const Math::Range2D<UnsignedShort> range = reservation.range;
    /* A dummy or removed id hands its empty range to the packing, which
       refuses it as a caller error. A live reservation of zero size has
       nothing to give back. */
    if(!reservation.live || (range.size().x() && range.size().y()))
        _packings[_textureLayers[id]].remove(range);

    /* The whole reserved range, a fullHeight column included, went back, so
       nothing may free it a second time */
    reservation = Reservation{{}, false};
    _textureBounds[id] = {};
    _textureLayers[id] = 0;
}

void TextureAtlas::removeRect(const int layer, const Math::Vector4<UnsignedShort>& bounds) {
    const Math::Vector2<UnsignedShort> min{UnsignedShort(bounds.x()/_blockSize.x()), UnsignedShort(bounds.y()/_blockSize.y())};
    const Math::Vector2<UnsignedShort> size{UnsignedShort(bounds.z()/_blockSize.x()), UnsignedShort(bounds.w()/_blockSize.y())};
    _packings[layer].remove({min, min + size});
}

bool TextureAtlas::addDummyImage() {
    Containers::arrayAppend(_textureBounds, Math::Vector4<UnsignedShort>{});
    Containers::arrayAppend(_textureLayers, 0u);
    Containers::arrayAppend(_reservations, Reservation{{}, false});
    return true;
}

}
