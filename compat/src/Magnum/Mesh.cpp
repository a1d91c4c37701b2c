#include "Magnum/Mesh.h"

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "printEnum.h"

namespace Magnum {

using Corrade::Utility::Debug;

namespace {

constexpr const char* MeshPrimitiveNames[]{
    "Points", "Lines", "LineLoop", "LineStrip",
    "Triangles", "TriangleStrip", "TriangleFan",
    "Instances", "Faces", "Edges", "Meshlets"
};
static_assert(UnsignedInt(MeshPrimitive::Meshlets) == sizeof(MeshPrimitiveNames)/sizeof(MeshPrimitiveNames[0]), "names out of sync");

constexpr const char* MeshIndexTypeNames[]{
    "UnsignedByte", "UnsignedShort", "UnsignedInt"
};
static_assert(UnsignedInt(MeshIndexType::UnsignedInt) == sizeof(MeshIndexTypeNames)/sizeof(MeshIndexTypeNames[0]), "names out of sync");

}

UnsignedInt meshIndexTypeSize(const MeshIndexType type) {
    CORRADE_ASSERT(!isMeshIndexTypeImplementationSpecific(type),
        "meshIndexTypeSize(): can't determine size of an implementation-specific type" << Debug::hex << meshIndexTypeUnwrap(type), {});
    switch(type) {
        case MeshIndexType::UnsignedByte: return 1;
        case MeshIndexType::UnsignedShort: return 2;
        case MeshIndexType::UnsignedInt: return 4;
    }
    CORRADE_ASSERT_UNREACHABLE("meshIndexTypeSize(): invalid type" << type, {});
}

Debug& operator<<(Debug& debug, const MeshPrimitive value) {
    return Implementation::printEnum(debug, "MeshPrimitive", UnsignedInt(value), MeshPrimitiveNames, sizeof(MeshPrimitiveNames)/sizeof(MeshPrimitiveNames[0]));
}

Debug& operator<<(Debug& debug, const MeshIndexType value) {
    return Implementation::printEnum(debug, "MeshIndexType", UnsignedInt(value), MeshIndexTypeNames, sizeof(MeshIndexTypeNames)/sizeof(MeshIndexTypeNames[0]));
}

}
