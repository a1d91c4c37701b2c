#ifndef Magnum_GL_GL_h
#define Magnum_GL_GL_h
/* Forward declarations for the Magnum::GL namespace */

#include <cstddef>

#include "Magnum/Types.h"

namespace Magnum { namespace GL {

namespace Implementation {
    /* Known extensions, Context keeps a status for each */
    enum: std::size_t { ExtensionCount = 24 };
}

class AbstractFramebuffer;
class AbstractObject;
class AbstractShaderProgram;
class AbstractTexture;
class Buffer;
enum class BufferUsage: UnsignedInt;
class Context;
class DynamicAttribute;
class Framebuffer;
class Mesh;
class MeshView;
enum class MeshPrimitive: UnsignedInt;
enum class MeshIndexType: UnsignedInt;
enum class PixelFormat: UnsignedInt;
enum class PixelType: UnsignedInt;
enum class CompressedPixelFormat: UnsignedInt;
class Renderbuffer;
enum class RenderbufferFormat: UnsignedInt;
class Renderer;
enum class SamplerFilter: Int;
enum class SamplerMipmap: Int;
enum class SamplerWrapping: Int;
class Shader;
template<UnsignedInt> class Texture;
typedef Texture<1> Texture1D;
typedef Texture<2> Texture2D;
typedef Texture<3> Texture3D;
template<UnsignedInt> class TextureArray;
typedef TextureArray<1> Texture1DArray;
typedef TextureArray<2> Texture2DArray;
enum class TextureFormat: UnsignedInt;
enum class Version: Int;

}}

#endif
