#include "VelmoraEngine/Shaders/FullScreenShaderProgram.h"

#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/Resource.h>
#include <Magnum/GL/Context.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Math/Vector4.h>

/* Has to be outside of any namespace */
static void registerShaderResources() {
    CORRADE_RESOURCE_INITIALIZE(VelmoraEngineTools_SHADERS)
}

namespace VelmoraEngine { namespace Shaders {

using namespace Magnum;
using namespace Corrade;

FullScreenShaderProgram::FullScreenShaderProgram(const Containers::StringView name, const Containers::StringView fragmentSource): _mesh{GL::MeshPrimitive::Triangles} {
    const GL::Version version = GL::Context::current().supportedVersion({GL::Version::GL330});
    Utility::Debug{} << "Compiling" << name;

    GL::Shader vert{version, GL::Shader::Type::Vertex};
    GL::Shader frag{version, GL::Shader::Type::Fragment};

    /* Someone may have unregistered the group since the library loaded */
    if(!Utility::Resource::hasGroup("VelmoraEditorShaders"))
        registerShaderResources();
    const Utility::Resource resources{"VelmoraEditorShaders"};
    vert.addSource(resources.getString("FullscreenTriangle.vert"));
    frag.addSource(fragmentSource);

    /* A failure is reported by the shader and program objects themselves */
    vert.submitCompile();
    frag.submitCompile();
    vert.checkCompile();
    frag.checkCompile();
    attachShaders({vert, frag});
    link();

    _viewportOffsetSizeUniform = uniformLocation("viewportOffsetSize");
    _mesh.setCount(3);
}

FullScreenShaderProgram::FullScreenShaderProgram(NoCreateT) noexcept: GL::AbstractShaderProgram{NoCreate}, _mesh{NoCreate} {}

FullScreenShaderProgram& FullScreenShaderProgram::setViewportOffsetSize(const Vector2& offset, const Vector2& size) {
    const Vector4 value{offset.x(), offset.y(), size.x(), size.y()};
    setUniform(_viewportOffsetSizeUniform, Containers::arrayView(&value, 1));
    return *this;
}

FullScreenShaderProgram& FullScreenShaderProgram::draw() {
    GL::AbstractShaderProgram::draw(_mesh);
    return *this;
}

}}
