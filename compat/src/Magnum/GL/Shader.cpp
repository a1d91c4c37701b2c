#include "Magnum/GL/Shader.h"
#include "Magnum/GL/AbstractShaderProgram.h"

#include <string>
#include <epoxy/gl.h>

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Containers/GrowableArray.h"
#include "Corrade/Containers/Iterable.h"
#include "Corrade/Containers/Pair.h"
#include "Corrade/Containers/Reference.h"
#include "Corrade/Containers/String.h"
#include "Corrade/Containers/StringIterable.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Move.h"
#include "Magnum/Math/RectangularMatrix.h"
#include "Magnum/Math/Vector4.h"
#include "Magnum/GL/Mesh.h"
#include "Magnum/GL/MeshView.h"
#include "Magnum/GL/Version.h"

namespace Magnum { namespace GL {

namespace {

const char* versionDirective(const Version version) {
    switch(version) {
        case Version::GL210: return "#version 120\n";
        case Version::GL300: return "#version 130\n";
        case Version::GL310: return "#version 140\n";
        case Version::GL320: return "#version 150\n";
        case Version::GL330: return "#version 330\n";
        case Version::GL400: return "#version 400\n";
        case Version::GL410: return "#version 410\n";
        case Version::GL420: return "#version 420\n";
        case Version::GL430: return "#version 430\n";
        case Version::GL440: return "#version 440\n";
        case Version::GL450: return "#version 450\n";
        case Version::GL460: return "#version 460\n";
        case Version::GLES200: return "#version 100\n";
        case Version::GLES300: return "#version 300 es\n";
        case Version::GLES310: return "#version 310 es\n";
        case Version::GLES320: return "#version 320 es\n";
        case Version::None: return "";
    }
    CORRADE_ASSERT_UNREACHABLE("GL::Shader::Shader(): unsupported version" << version, {});
}

const char* shaderName(const Shader::Type type) {
    switch(type) {
        case Shader::Type::Vertex: return "vertex";
        case Shader::Type::TessellationControl: return "tessellation control";
        case Shader::Type::TessellationEvaluation: return "tessellation evaluation";
        case Shader::Type::Geometry: return "geometry";
        case Shader::Type::Compute: return "compute";
        case Shader::Type::Fragment: return "fragment";
    }
    return "unknown";
}

}

Shader::Shader(const Version version, const Type type): _type{type}, _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created},
    /* GLSL before 3.30 applies #line to the line it's on, later versions and
       ES to the next one */
    _offsetLineByOneOnOldGlsl{!(Int(version) & Implementation::VersionESMask) && Int(version) < Int(Version::GL330)} {
    _id = glCreateShader(GLenum(_type));
    const char* const directive = versionDirective(version);
    if(*directive) arrayAppend(_sources, Containers::String{directive});
}

Shader::Shader(Shader&& other) noexcept: _type{other._type}, _id{other._id}, _flags{other._flags}, _offsetLineByOneOnOldGlsl{other._offsetLineByOneOnOldGlsl}, _sources{Utility::move(other._sources)} {
    other._id = 0;
}

Shader::~Shader() {
    if(_id && (_flags & ObjectFlag::DeleteOnDestruction)) glDeleteShader(_id);
}

Shader& Shader::operator=(Shader&& other) noexcept {
    Utility::swap(_type, other._type);
    Utility::swap(_id, other._id);
    Utility::swap(_flags, other._flags);
    Utility::swap(_offsetLineByOneOnOldGlsl, other._offsetLineByOneOnOldGlsl);
    Utility::swap(_sources, other._sources);
    return *this;
}

Shader::Shader(NoCreateT) noexcept {}

Containers::StringIterable Shader::sources() const { return _sources; }

Shader& Shader::addSource(const Containers::StringView source) {
    return addSourceInternal(Containers::String{source});
}

bool Shader::isCompileFinished() {
    /* Without parallel compilation, compiling blocks, so it's always done */
    if(!epoxy_has_gl_extension("GL_KHR_parallel_shader_compile")) return true;
    GLint done{};
    glGetShaderiv(_id, GL_COMPLETION_STATUS_KHR, &done);
    return done;
}

Shader& Shader::addSourceInternal(Containers::String&& source) {
    if(source.isEmpty()) return *this;
    /* Line numbers in compiler messages then count from 1 in each source,
       with the source index telling which one */
    /* Without a version directive, nothing may precede a #version the
       source itself has, so the first source gets an empty one in front to
       keep the source indices the same */
    if(_sources.isEmpty()) arrayAppend(_sources, Containers::String{});
    else {
        const std::size_t index = (_sources.size() + 1)/2;
        arrayAppend(_sources, Containers::String{(std::string{_offsetLineByOneOnOldGlsl ? "#line 0 " : "#line 1 "} + std::to_string(index) + "\n").c_str()});
    }
    arrayAppend(_sources, Utility::move(source));
    return *this;
}

void Shader::submitCompile() {
    Containers::Array<const GLchar*> pointers{NoInit, _sources.size()};
    Containers::Array<GLint> sizes{NoInit, _sources.size()};
    for(std::size_t i = 0; i != _sources.size(); ++i) {
        pointers[i] = _sources[i].data();
        sizes[i] = GLint(_sources[i].size());
    }
    glShaderSource(_id, GLsizei(_sources.size()), pointers.data(), sizes.data());
    glCompileShader(_id);
}

bool Shader::checkCompile() {
    GLint success{}, logLength{};
    glGetShaderiv(_id, GL_COMPILE_STATUS, &success);
    glGetShaderiv(_id, GL_INFO_LOG_LENGTH, &logLength);
    std::string message(std::size_t(logLength > 1 ? logLength - 1 : 0), '\0');
    if(logLength > 1) glGetShaderInfoLog(_id, logLength, nullptr, &message[0]);
    while(!message.empty() && (message.back() == '\n' || message.back() == '\0')) message.pop_back();

    if(!success) {
        Error{} << "GL::Shader::compile(): compilation of" << shaderName(_type) << "shader failed with the following message:" << Debug::newline << message.c_str();
    } else if(!message.empty()) {
        Warning{} << "GL::Shader::compile(): compilation of" << shaderName(_type) << "shader succeeded with the following message:" << Debug::newline << message.c_str();
    }
    return success;
}

bool Shader::compile() {
    submitCompile();
    return checkCompile();
}

Debug& operator<<(Debug& debug, const Shader::Type value) {
    debug << "GL::Shader::Type" << Debug::nospace;
    switch(value) {
        #define _c(value) case Shader::Type::value: return debug << "::" #value;
        _c(Vertex)
        _c(TessellationControl)
        _c(TessellationEvaluation)
        _c(Geometry)
        _c(Compute)
        _c(Fragment)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

AbstractShaderProgram::AbstractShaderProgram(): _id{glCreateProgram()} {}

AbstractShaderProgram::AbstractShaderProgram(AbstractShaderProgram&& other) noexcept: _id{other._id} {
    other._id = 0;
}

AbstractShaderProgram::~AbstractShaderProgram() {
    if(_id) glDeleteProgram(_id);
}

AbstractShaderProgram& AbstractShaderProgram::operator=(AbstractShaderProgram&& other) noexcept {
    Utility::swap(_id, other._id);
    return *this;
}

void AbstractShaderProgram::use() { glUseProgram(_id); }

Containers::Pair<bool, Containers::String> AbstractShaderProgram::validate() {
    glValidateProgram(_id);
    GLint success{}, logLength{};
    glGetProgramiv(_id, GL_VALIDATE_STATUS, &success);
    glGetProgramiv(_id, GL_INFO_LOG_LENGTH, &logLength);
    std::string message(std::size_t(logLength > 1 ? logLength - 1 : 0), '\0');
    if(logLength > 1) glGetProgramInfoLog(_id, logLength, nullptr, &message[0]);
    return {bool(success), Containers::String{message.data(), message.size()}};
}

AbstractShaderProgram& AbstractShaderProgram::draw(Mesh& mesh) {
    CORRADE_ASSERT(mesh._countSet, "GL::AbstractShaderProgram::draw(): Mesh::setCount() was never called, probably a mistake?", *this);
    use();
    mesh.drawInternal(mesh._count, mesh._baseVertex, mesh._instanceCount, mesh._baseInstance, mesh._indexBufferOffset + (mesh._indexBuffer ? std::ptrdiff_t(mesh._indexOffset)*meshIndexTypeSize(mesh._indexType) : 0), mesh._indexStart, mesh._indexEnd);
    return *this;
}

AbstractShaderProgram& AbstractShaderProgram::draw(MeshView& view) {
    CORRADE_ASSERT(view._countSet, "GL::AbstractShaderProgram::draw(): MeshView::setCount() was never called, probably a mistake?", *this);
    Mesh& mesh = view._original;
    use();
    mesh.drawInternal(view._count, view._baseVertex, view._instanceCount, view._baseInstance, mesh._indexBufferOffset + (mesh._indexBuffer ? std::ptrdiff_t(view._indexOffset)*meshIndexTypeSize(mesh._indexType) : 0), view._indexStart, view._indexEnd);
    return *this;
}

void AbstractShaderProgram::attachShader(Shader& shader) {
    glAttachShader(_id, shader.id());
}

void AbstractShaderProgram::attachShaders(const Containers::Iterable<Shader>& shaders) {
    for(Shader& shader: shaders) attachShader(shader);
}

void AbstractShaderProgram::bindAttributeLocation(const UnsignedInt location, const Containers::StringView name) {
    glBindAttribLocation(_id, location, Containers::String::nullTerminatedView(name).data());
}

void AbstractShaderProgram::bindFragmentDataLocation(const UnsignedInt location, const Containers::StringView name) {
    glBindFragDataLocation(_id, location, Containers::String::nullTerminatedView(name).data());
}

void AbstractShaderProgram::submitLink() {
    glLinkProgram(_id);
}

bool AbstractShaderProgram::isLinkFinished() {
    if(!epoxy_has_gl_extension("GL_KHR_parallel_shader_compile")) return true;
    GLint done{};
    glGetProgramiv(_id, GL_COMPLETION_STATUS_KHR, &done);
    return done;
}

bool AbstractShaderProgram::checkLink(const Containers::Iterable<Shader>&) {
    GLint success{}, logLength{};
    glGetProgramiv(_id, GL_LINK_STATUS, &success);
    glGetProgramiv(_id, GL_INFO_LOG_LENGTH, &logLength);
    std::string message(std::size_t(logLength > 1 ? logLength - 1 : 0), '\0');
    if(logLength > 1) glGetProgramInfoLog(_id, logLength, nullptr, &message[0]);
    while(!message.empty() && (message.back() == '\n' || message.back() == '\0')) message.pop_back();

    if(!success) {
        Error{} << "GL::AbstractShaderProgram::link(): linking failed with the following message:" << Debug::newline << message.c_str();
    } else if(!message.empty()) {
        Warning{} << "GL::AbstractShaderProgram::link(): linking succeeded with the following message:" << Debug::newline << message.c_str();
    }
    return success;
}

bool AbstractShaderProgram::link() {
    submitLink();
    return checkLink({});
}

Int AbstractShaderProgram::uniformLocation(const Containers::StringView name) {
    const GLint location = glGetUniformLocation(_id, Containers::String::nullTerminatedView(name).data());
    if(location == -1)
        Warning{} << "GL::AbstractShaderProgram: location of uniform \'" << Debug::nospace << name << Debug::nospace << "\' cannot be retrieved";
    return location;
}

/* Uniforms are set on the bound program, so bind it first */
#define _u(type, call)                                                      \
    void AbstractShaderProgram::setUniform(const Int location, const Containers::ArrayView<const type> values) { \
        use();                                                              \
        call;                                                               \
    }
namespace { 
typedef Math::Vector<2, Float> UniformType1;
typedef Math::Vector<3, Float> UniformType2;
typedef Math::Vector<4, Float> UniformType3;
typedef Math::Vector<2, Int> UniformType4;
typedef Math::Vector<3, Int> UniformType5;
typedef Math::Vector<4, Int> UniformType6;
typedef Math::Vector<2, UnsignedInt> UniformType7;
typedef Math::Vector<3, UnsignedInt> UniformType8;
typedef Math::Vector<4, UnsignedInt> UniformType9;
typedef Math::RectangularMatrix<2, 2, Float> UniformType10;
typedef Math::RectangularMatrix<3, 3, Float> UniformType11;
typedef Math::RectangularMatrix<4, 4, Float> UniformType12;
}

_u(Float, glUniform1fv(location, GLsizei(values.size()), reinterpret_cast<const GLfloat*>(values.data())))
_u(UniformType1, glUniform2fv(location, GLsizei(values.size()), reinterpret_cast<const GLfloat*>(values.data())))
_u(UniformType2, glUniform3fv(location, GLsizei(values.size()), reinterpret_cast<const GLfloat*>(values.data())))
_u(UniformType3, glUniform4fv(location, GLsizei(values.size()), reinterpret_cast<const GLfloat*>(values.data())))
_u(Int, glUniform1iv(location, GLsizei(values.size()), reinterpret_cast<const GLint*>(values.data())))
_u(UniformType4, glUniform2iv(location, GLsizei(values.size()), reinterpret_cast<const GLint*>(values.data())))
_u(UniformType5, glUniform3iv(location, GLsizei(values.size()), reinterpret_cast<const GLint*>(values.data())))
_u(UniformType6, glUniform4iv(location, GLsizei(values.size()), reinterpret_cast<const GLint*>(values.data())))
_u(UnsignedInt, glUniform1uiv(location, GLsizei(values.size()), reinterpret_cast<const GLuint*>(values.data())))
_u(UniformType7, glUniform2uiv(location, GLsizei(values.size()), reinterpret_cast<const GLuint*>(values.data())))
_u(UniformType8, glUniform3uiv(location, GLsizei(values.size()), reinterpret_cast<const GLuint*>(values.data())))
_u(UniformType9, glUniform4uiv(location, GLsizei(values.size()), reinterpret_cast<const GLuint*>(values.data())))
_u(UniformType10, glUniformMatrix2fv(location, GLsizei(values.size()), GL_FALSE, reinterpret_cast<const GLfloat*>(values.data())))
_u(UniformType11, glUniformMatrix3fv(location, GLsizei(values.size()), GL_FALSE, reinterpret_cast<const GLfloat*>(values.data())))
_u(UniformType12, glUniformMatrix4fv(location, GLsizei(values.size()), GL_FALSE, reinterpret_cast<const GLfloat*>(values.data())))
#undef _u

/* Single values go through the views */
#define _s(type, valueType)                                                 \
    void AbstractShaderProgram::setUniform(const Int location, valueType value) { \
        setUniform(location, Containers::ArrayView<const type>{&value, 1}); \
    }
_s(Float, const Float)
_s(UniformType1, const UniformType1&)
_s(UniformType2, const UniformType2&)
_s(UniformType3, const UniformType3&)
_s(Int, const Int)
_s(UniformType4, const UniformType4&)
_s(UniformType5, const UniformType5&)
_s(UniformType6, const UniformType6&)
_s(UnsignedInt, const UnsignedInt)
_s(UniformType7, const UniformType7&)
_s(UniformType8, const UniformType8&)
_s(UniformType9, const UniformType9&)
_s(UniformType10, const UniformType10&)
_s(UniformType11, const UniformType11&)
_s(UniformType12, const UniformType12&)
#undef _s

}}
