#ifndef VelmoraEngine_Shaders_FullScreenShaderProgram_h
#define VelmoraEngine_Shaders_FullScreenShaderProgram_h
/* A program drawing one triangle over the whole viewport. Internal. */

#include <Corrade/Containers/StringView.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Mesh.h>
#include <Magnum/Magnum.h>

namespace VelmoraEngine { namespace Shaders {

/**
 * Runs a fragment shader over the whole viewport: the vertex shader makes one
 * triangle from gl_VertexID, the mesh has no buffers. Move-only.
 */
class FullScreenShaderProgram: public Magnum::GL::AbstractShaderProgram {
    public:
        /**
         * Compiles "FullscreenTriangle.vert" of the "VelmoraEditorShaders"
         * group with @p fragmentSource and links them. Expects a current GL
         * context; prints "Compiling" and @p name on the debug output.
         */
        explicit FullScreenShaderProgram(Corrade::Containers::StringView name, Corrade::Containers::StringView fragmentSource);

        /** No GL program, no mesh */
        explicit FullScreenShaderProgram(Magnum::NoCreateT) noexcept;

        FullScreenShaderProgram(const FullScreenShaderProgram&) = delete;
        FullScreenShaderProgram(FullScreenShaderProgram&&) noexcept = default;
        FullScreenShaderProgram& operator=(const FullScreenShaderProgram&) = delete;
        FullScreenShaderProgram& operator=(FullScreenShaderProgram&&) noexcept = default;

        /** Sets the viewportOffsetSize uniform to (offset, size) */
        FullScreenShaderProgram& setViewportOffsetSize(const Magnum::Vector2& offset, const Magnum::Vector2& size);

        /** Draws the full-screen triangle */
        FullScreenShaderProgram& draw();

    private:
        Magnum::Int _viewportOffsetSizeUniform{-1};
        Magnum::GL::Mesh _mesh;
};

}}

#endif
