#include "Magnum/GL/Mesh.h"

#include <epoxy/gl.h>

#include "Corrade/Containers/GrowableArray.h"
#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "Corrade/Utility/Move.h"
#include "Magnum/Mesh.h"
#include "Magnum/VertexFormat.h"
#include "Magnum/GL/MeshView.h"

namespace Magnum { namespace GL {

static_assert(UnsignedInt(MeshPrimitive::TriangleStripAdjacency) == GL_TRIANGLE_STRIP_ADJACENCY && UnsignedInt(MeshPrimitive::Patches) == GL_PATCHES && UnsignedInt(MeshPrimitive::TriangleFan) == GL_TRIANGLE_FAN, "");
static_assert(UnsignedInt(MeshIndexType::UnsignedShort) == GL_UNSIGNED_SHORT, "");
static_assert(UnsignedInt(DynamicAttribute::DataType::Half) == GL_HALF_FLOAT && UnsignedInt(DynamicAttribute::DataType::Double) == GL_DOUBLE && UnsignedInt(DynamicAttribute::DataType::Int2101010Rev) == GL_INT_2_10_10_10_REV && UnsignedInt(DynamicAttribute::DataType::UnsignedInt10f11f11fRev) == GL_UNSIGNED_INT_10F_11F_11F_REV && Int(DynamicAttribute::Components::BGRA) == GL_BGRA, "");

bool hasMeshPrimitive(const Magnum::MeshPrimitive primitive) {
    if(isMeshPrimitiveImplementationSpecific(primitive)) return true;
    switch(primitive) {
        case Magnum::MeshPrimitive::Points:
        case Magnum::MeshPrimitive::Lines:
        case Magnum::MeshPrimitive::LineLoop:
        case Magnum::MeshPrimitive::LineStrip:
        case Magnum::MeshPrimitive::Triangles:
        case Magnum::MeshPrimitive::TriangleStrip:
        case Magnum::MeshPrimitive::TriangleFan:
            return true;
        case Magnum::MeshPrimitive::Instances:
        case Magnum::MeshPrimitive::Faces:
        case Magnum::MeshPrimitive::Edges:
        case Magnum::MeshPrimitive::Meshlets:
            return false;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::hasMeshPrimitive(): invalid primitive" << primitive, {});
}

MeshPrimitive meshPrimitive(const Magnum::MeshPrimitive primitive) {
    if(isMeshPrimitiveImplementationSpecific(primitive))
        return meshPrimitiveUnwrap<MeshPrimitive>(primitive);
    switch(primitive) {
        case Magnum::MeshPrimitive::Points: return MeshPrimitive::Points;
        case Magnum::MeshPrimitive::Lines: return MeshPrimitive::Lines;
        case Magnum::MeshPrimitive::LineLoop: return MeshPrimitive::LineLoop;
        case Magnum::MeshPrimitive::LineStrip: return MeshPrimitive::LineStrip;
        case Magnum::MeshPrimitive::Triangles: return MeshPrimitive::Triangles;
        case Magnum::MeshPrimitive::TriangleStrip: return MeshPrimitive::TriangleStrip;
        case Magnum::MeshPrimitive::TriangleFan: return MeshPrimitive::TriangleFan;
        case Magnum::MeshPrimitive::Instances:
        case Magnum::MeshPrimitive::Faces:
        case Magnum::MeshPrimitive::Edges:
        case Magnum::MeshPrimitive::Meshlets:
            CORRADE_ASSERT_UNREACHABLE("GL::meshPrimitive(): unsupported primitive" << primitive, {});
    }
    CORRADE_ASSERT_UNREACHABLE("GL::meshPrimitive(): invalid primitive" << primitive, {});
}

MeshIndexType meshIndexType(const Magnum::MeshIndexType type) {
    if(isMeshIndexTypeImplementationSpecific(type))
        return meshIndexTypeUnwrap<MeshIndexType>(type);
    switch(type) {
        case Magnum::MeshIndexType::UnsignedByte: return MeshIndexType::UnsignedByte;
        case Magnum::MeshIndexType::UnsignedShort: return MeshIndexType::UnsignedShort;
        case Magnum::MeshIndexType::UnsignedInt: return MeshIndexType::UnsignedInt;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::meshIndexType(): invalid type" << type, {});
}

UnsignedInt meshIndexTypeSize(const MeshIndexType type) {
    switch(type) {
        case MeshIndexType::UnsignedByte: return 1;
        case MeshIndexType::UnsignedShort: return 2;
        case MeshIndexType::UnsignedInt: return 4;
    }
    CORRADE_ASSERT_UNREACHABLE("GL::meshIndexTypeSize(): invalid type" << type, {});
}

Debug& operator<<(Debug& debug, const MeshPrimitive value) {
    debug << "GL::MeshPrimitive" << Debug::nospace;
    switch(value) {
        #define _c(value) case MeshPrimitive::value: return debug << "::" #value;
        _c(Points)
        _c(Lines)
        _c(LineLoop)
        _c(LineStrip)
        _c(LinesAdjacency)
        _c(LineStripAdjacency)
        _c(Triangles)
        _c(TriangleStrip)
        _c(TriangleFan)
        _c(TrianglesAdjacency)
        _c(TriangleStripAdjacency)
        _c(Patches)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const MeshIndexType value) {
    debug << "GL::MeshIndexType" << Debug::nospace;
    switch(value) {
        #define _c(value) case MeshIndexType::value: return debug << "::" #value;
        _c(UnsignedByte)
        _c(UnsignedShort)
        _c(UnsignedInt)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

namespace {

UnsignedInt attributeSize(const DynamicAttribute::Components components, const DynamicAttribute::DataType dataType) {
    const UnsignedInt count = components == DynamicAttribute::Components::BGRA ? 4 : UnsignedInt(components);
    switch(dataType) {
        case DynamicAttribute::DataType::UnsignedByte:
        case DynamicAttribute::DataType::Byte:
            return count;
        case DynamicAttribute::DataType::UnsignedShort:
        case DynamicAttribute::DataType::Short:
        case DynamicAttribute::DataType::Half:
            return 2*count;
        case DynamicAttribute::DataType::UnsignedInt:
        case DynamicAttribute::DataType::Int:
        case DynamicAttribute::DataType::Float:
            return 4*count;
        case DynamicAttribute::DataType::Double:
            return 8*count;
        case DynamicAttribute::DataType::UnsignedInt10f11f11fRev:
        case DynamicAttribute::DataType::UnsignedInt2101010Rev:
        case DynamicAttribute::DataType::Int2101010Rev:
            return 4;
    }
    CORRADE_INTERNAL_ASSERT_UNREACHABLE();
}

}

DynamicAttribute::DynamicAttribute(const Kind kind, const UnsignedInt location, const Components components, const UnsignedInt vectors, const DataType dataType): DynamicAttribute{kind, location, components, vectors, attributeSize(components, dataType), dataType} {}

DynamicAttribute::DynamicAttribute(const Kind kind, const UnsignedInt location, const VertexFormat format, const UnsignedInt maxVectors, const Int maxComponents): _kind{kind}, _location{location}, _components{Components(vertexFormatComponentCount(format))}, _vectors{vertexFormatVectorCount(format)}, _vectorStride{vertexFormatVectorStride(format)}, _dataType{DataType::Float} {
    CORRADE_ASSERT(hasVertexFormat(format),
        "GL::DynamicAttribute:" << format << "isn't available on this target", );

    switch(vertexFormatComponentFormat(format)) {
        #define _c(format) case VertexFormat::format: _dataType = DataType::format; break;
        _c(UnsignedByte)
        _c(Byte)
        _c(UnsignedShort)
        _c(Short)
        _c(UnsignedInt)
        _c(Int)
        _c(Float)
        _c(Half)
        _c(Double)
        #undef _c
        default: CORRADE_INTERNAL_ASSERT_UNREACHABLE();
    }

    /* Normalized formats make the attribute normalized; the others must not
       be used for normalized attributes, and floats not for integral ones */
    if(isVertexFormatNormalized(format)) {
        CORRADE_ASSERT(kind == Kind::Generic || kind == Kind::GenericNormalized,
            "GL::DynamicAttribute: can't use" << format << "for a" << kind << "attribute", );
        _kind = Kind::GenericNormalized;
    } else if(_dataType != DataType::Float) {
        CORRADE_ASSERT(kind != Kind::GenericNormalized,
            "GL::DynamicAttribute: can't use" << format << "for a normalized attribute", );
    } else {
        CORRADE_ASSERT(kind != Kind::Integral,
            "GL::DynamicAttribute: can't use" << format << "for an integral attribute", );
    }

    CORRADE_ASSERT(_vectors <= maxVectors,
        "GL::DynamicAttribute: can't use" << format << "for a" << maxVectors << Debug::nospace << "-vector attribute", );
    CORRADE_ASSERT(Int(_components) <= maxComponents,
        "GL::DynamicAttribute: can't use" << format << "for a" << maxComponents << Debug::nospace << "-component attribute", );
}

bool hasVertexFormat(const Magnum::VertexFormat format) {
    /* Every generic format maps to desktop GL */
    return !isVertexFormatImplementationSpecific(format);
}

Debug& operator<<(Debug& debug, const DynamicAttribute::Kind value) {
    debug << "GL::DynamicAttribute::Kind" << Debug::nospace;
    switch(value) {
        #define _c(value) case DynamicAttribute::Kind::value: return debug << "::" #value;
        _c(Generic)
        _c(GenericNormalized)
        _c(Integral)
        _c(Long)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const DynamicAttribute::Components value) {
    debug << "GL::DynamicAttribute::Components" << Debug::nospace;
    switch(value) {
        #define _c(value) case DynamicAttribute::Components::value: return debug << "::" #value;
        _c(One)
        _c(Two)
        _c(Three)
        _c(Four)
        _c(BGRA)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Debug& operator<<(Debug& debug, const DynamicAttribute::DataType value) {
    debug << "GL::DynamicAttribute::DataType" << Debug::nospace;
    switch(value) {
        #define _c(value) case DynamicAttribute::DataType::value: return debug << "::" #value;
        _c(UnsignedByte)
        _c(Byte)
        _c(UnsignedShort)
        _c(Short)
        _c(UnsignedInt)
        _c(Int)
        _c(Half)
        _c(Float)
        _c(Double)
        _c(UnsignedInt10f11f11fRev)
        _c(UnsignedInt2101010Rev)
        _c(Int2101010Rev)
        #undef _c
    }
    return debug << "(" << Debug::nospace << Debug::hex << UnsignedInt(value) << Debug::nospace << ")";
}

Mesh::Mesh(const MeshPrimitive primitive): _flags{ObjectFlag::DeleteOnDestruction|ObjectFlag::Created}, _primitive{primitive} {
    glGenVertexArrays(1, &_id);
    /* The first bind creates the object */
    glBindVertexArray(_id);
}

Mesh::Mesh(NoCreateT) noexcept {}

Mesh::Mesh(Mesh&& other) noexcept: _id{other._id}, _flags{other._flags}, _primitive{other._primitive}, _indexType{other._indexType}, _countSet{other._countSet}, _indexBuffer{other._indexBuffer}, _count{other._count}, _baseVertex{other._baseVertex}, _instanceCount{other._instanceCount}, _baseInstance{other._baseInstance}, _indexBufferOffset{other._indexBufferOffset}, _indexOffset{other._indexOffset}, _indexStart{other._indexStart}, _indexEnd{other._indexEnd}, _ownedBuffers{Utility::move(other._ownedBuffers)} {
    other._id = 0;
}

Mesh::~Mesh() {
    if(_id && (_flags & ObjectFlag::DeleteOnDestruction)) glDeleteVertexArrays(1, &_id);
}

Mesh& Mesh::operator=(Mesh&& other) noexcept {
    Utility::swap(_id, other._id);
    Utility::swap(_flags, other._flags);
    Utility::swap(_primitive, other._primitive);
    Utility::swap(_indexType, other._indexType);
    Utility::swap(_countSet, other._countSet);
    Utility::swap(_indexBuffer, other._indexBuffer);
    Utility::swap(_count, other._count);
    Utility::swap(_baseVertex, other._baseVertex);
    Utility::swap(_instanceCount, other._instanceCount);
    Utility::swap(_baseInstance, other._baseInstance);
    Utility::swap(_indexBufferOffset, other._indexBufferOffset);
    Utility::swap(_indexOffset, other._indexOffset);
    Utility::swap(_indexStart, other._indexStart);
    Utility::swap(_indexEnd, other._indexEnd);
    Utility::swap(_ownedBuffers, other._ownedBuffers);
    return *this;
}

MeshIndexType Mesh::indexType() const {
    CORRADE_ASSERT(_indexBuffer, "GL::Mesh::indexType(): mesh is not indexed", {});
    return _indexType;
}

Mesh& Mesh::setIndexOffset(const Int offset, const UnsignedInt start, const UnsignedInt end) {
    CORRADE_ASSERT(_indexBuffer, "GL::Mesh::setIndexOffset(): mesh is not indexed", *this);
    _indexOffset = offset;
    _indexStart = start;
    _indexEnd = end;
    return *this;
}

Mesh& Mesh::setIndexOffset(const Int offset) {
    return setIndexOffset(offset, 0, 0);
}

Mesh& Mesh::addVertexBufferInstanced(Buffer& buffer, const UnsignedInt divisor, const std::ptrdiff_t offset, const Int stride, const DynamicAttribute& attribute) {
    glBindVertexArray(_id);
    glBindBuffer(GL_ARRAY_BUFFER, buffer.id());
    for(UnsignedInt i = 0; i != attribute.vectors(); ++i) {
        const GLuint location = attribute.location() + i;
        const void* const pointer = reinterpret_cast<const void*>(offset + std::ptrdiff_t(i*attribute.vectorStride()));
        glEnableVertexAttribArray(location);
        if(attribute.kind() == DynamicAttribute::Kind::Integral)
            glVertexAttribIPointer(location, GLint(attribute.components()), GLenum(attribute.dataType()), stride, pointer);
        else if(attribute.kind() == DynamicAttribute::Kind::Long)
            glVertexAttribLPointer(location, GLint(attribute.components()), GLenum(attribute.dataType()), stride, pointer);
        else
            glVertexAttribPointer(location, GLint(attribute.components()), GLenum(attribute.dataType()), attribute.kind() == DynamicAttribute::Kind::GenericNormalized, stride, pointer);
        if(divisor) glVertexAttribDivisor(location, divisor);
    }
    glBindBuffer(GL_ARRAY_BUFFER, 0);
    return *this;
}

Mesh& Mesh::addVertexBuffer(Buffer&& buffer, const std::ptrdiff_t offset, const Int stride, const DynamicAttribute& attribute) {
    addVertexBufferInstanced(buffer, 0, offset, stride, attribute);
    arrayAppend(_ownedBuffers, Utility::move(buffer));
    return *this;
}

Mesh& Mesh::addVertexBufferInstanced(Buffer&& buffer, const UnsignedInt divisor, const std::ptrdiff_t offset, const Int stride, const DynamicAttribute& attribute) {
    addVertexBufferInstanced(buffer, divisor, offset, stride, attribute);
    arrayAppend(_ownedBuffers, Utility::move(buffer));
    return *this;
}

Mesh& Mesh::setIndexBuffer(Buffer& buffer, const std::ptrdiff_t offset, const MeshIndexType type, const UnsignedInt start, const UnsignedInt end) {
    glBindVertexArray(_id);
    /* Recorded in the vertex array object */
    glBindBuffer(GL_ELEMENT_ARRAY_BUFFER, buffer.id());
    _indexBuffer = true;
    _indexBufferOffset = offset;
    _indexOffset = 0;
    _indexType = type;
    _indexStart = start;
    _indexEnd = end;
    return *this;
}

Mesh& Mesh::setIndexBuffer(Buffer&& buffer, const std::ptrdiff_t offset, const MeshIndexType type, const UnsignedInt start, const UnsignedInt end) {
    setIndexBuffer(buffer, offset, type, start, end);
    arrayAppend(_ownedBuffers, Utility::move(buffer));
    return *this;
}

void Mesh::drawInternal(const Int count, const Int baseVertex, const Int instanceCount, const UnsignedInt baseInstance, const std::ptrdiff_t indexOffset, const UnsignedInt indexStart, const UnsignedInt indexEnd) {
    if(!count || !instanceCount) return;

    glBindVertexArray(_id);
    const GLenum primitive = GLenum(_primitive);
    if(_indexBuffer) {
        const GLenum type = GLenum(_indexType);
        const void* const indices = reinterpret_cast<const void*>(indexOffset);
        if(instanceCount == 1 && !baseInstance) {
            if(indexEnd) {
                if(baseVertex) glDrawRangeElementsBaseVertex(primitive, indexStart, indexEnd, count, type, indices, baseVertex);
                else glDrawRangeElements(primitive, indexStart, indexEnd, count, type, indices);
            } else {
                if(baseVertex) glDrawElementsBaseVertex(primitive, count, type, indices, baseVertex);
                else glDrawElements(primitive, count, type, indices);
            }
        } else if(baseInstance) {
            glDrawElementsInstancedBaseVertexBaseInstance(primitive, count, type, indices, instanceCount, baseVertex, baseInstance);
        } else {
            glDrawElementsInstancedBaseVertex(primitive, count, type, indices, instanceCount, baseVertex);
        }
    } else {
        if(instanceCount == 1 && !baseInstance)
            glDrawArrays(primitive, baseVertex, count);
        else if(baseInstance)
            glDrawArraysInstancedBaseInstance(primitive, baseVertex, count, instanceCount, baseInstance);
        else
            glDrawArraysInstanced(primitive, baseVertex, count, instanceCount);
    }
    glBindVertexArray(0);
}

MeshView& MeshView::setIndexOffset(const Int offset, const UnsignedInt start, const UnsignedInt end) {
    CORRADE_ASSERT(_original->isIndexed(), "GL::MeshView::setIndexOffset(): mesh is not indexed", *this);
    _indexOffset = offset;
    _indexStart = start;
    _indexEnd = end;
    return *this;
}

MeshView& MeshView::setIndexOffset(const Int offset) {
    return setIndexOffset(offset, 0, 0);
}


}}
