#include "Magnum/VertexFormat.h"

#include "Corrade/Utility/Assert.h"
#include "Corrade/Utility/Debug.h"
#include "printEnum.h"

namespace Magnum {

using Corrade::Utility::Debug;

namespace {

/* In enum order, indexed by value - 1 */
constexpr const char* VertexFormatNames[]{
    "Float", "Half", "Double",
    "UnsignedByte", "UnsignedByteNormalized", "Byte", "ByteNormalized",
    "UnsignedShort", "UnsignedShortNormalized", "Short", "ShortNormalized",
    "UnsignedInt", "Int",

    "Vector2", "Vector2h", "Vector2d",
    "Vector2ub", "Vector2ubNormalized", "Vector2b", "Vector2bNormalized",
    "Vector2us", "Vector2usNormalized", "Vector2s", "Vector2sNormalized",
    "Vector2ui", "Vector2i",

    "Vector3", "Vector3h", "Vector3d",
    "Vector3ub", "Vector3ubNormalized", "Vector3b", "Vector3bNormalized",
    "Vector3us", "Vector3usNormalized", "Vector3s", "Vector3sNormalized",
    "Vector3ui", "Vector3i",

    "Vector4", "Vector4h", "Vector4d",
    "Vector4ub", "Vector4ubNormalized", "Vector4b", "Vector4bNormalized",
    "Vector4us", "Vector4usNormalized", "Vector4s", "Vector4sNormalized",
    "Vector4ui", "Vector4i",

    "Matrix2x2", "Matrix2x2h", "Matrix2x2d", "Matrix2x2bNormalized", "Matrix2x2sNormalized",
    "Matrix2x3", "Matrix2x3h", "Matrix2x3d", "Matrix2x3bNormalized", "Matrix2x3sNormalized",
    "Matrix2x4", "Matrix2x4h", "Matrix2x4d", "Matrix2x4bNormalized", "Matrix2x4sNormalized",
    "Matrix2x2bNormalizedAligned", "Matrix2x3hAligned",
    "Matrix2x3bNormalizedAligned", "Matrix2x3sNormalizedAligned",

    "Matrix3x2", "Matrix3x2h", "Matrix3x2d", "Matrix3x2bNormalized", "Matrix3x2sNormalized",
    "Matrix3x3", "Matrix3x3h", "Matrix3x3d", "Matrix3x3bNormalized", "Matrix3x3sNormalized",
    "Matrix3x4", "Matrix3x4h", "Matrix3x4d", "Matrix3x4bNormalized", "Matrix3x4sNormalized",
    "Matrix3x2bNormalizedAligned", "Matrix3x3hAligned",
    "Matrix3x3bNormalizedAligned", "Matrix3x3sNormalizedAligned",

    "Matrix4x2", "Matrix4x2h", "Matrix4x2d", "Matrix4x2bNormalized", "Matrix4x2sNormalized",
    "Matrix4x3", "Matrix4x3h", "Matrix4x3d", "Matrix4x3bNormalized", "Matrix4x3sNormalized",
    "Matrix4x4", "Matrix4x4h", "Matrix4x4d", "Matrix4x4bNormalized", "Matrix4x4sNormalized",
    "Matrix4x2bNormalizedAligned", "Matrix4x3hAligned",
    "Matrix4x3bNormalizedAligned", "Matrix4x3sNormalizedAligned"
};

constexpr UnsignedInt VertexFormatCount = sizeof(VertexFormatNames)/sizeof(VertexFormatNames[0]);

/* The arithmetic below relies on this layout: 13 scalar kinds repeated for
   one to four components, then three blocks of 19 matrix formats */
constexpr UnsignedInt ScalarKindCount = 13;
constexpr UnsignedInt MatrixBlockSize = 19;
static_assert(UnsignedInt(VertexFormat::Vector2) == 1 + ScalarKindCount, "unexpected layout");
static_assert(UnsignedInt(VertexFormat::Matrix2x2) == 1 + 4*ScalarKindCount, "unexpected layout");
static_assert(UnsignedInt(VertexFormat::Matrix3x2) - UnsignedInt(VertexFormat::Matrix2x2) == MatrixBlockSize, "unexpected layout");
static_assert(UnsignedInt(VertexFormat::Matrix4x3sNormalizedAligned) == VertexFormatCount, "names out of sync");

struct ScalarKind {
    VertexFormat component;
    UnsignedByte size;
    bool normalized;
};

constexpr ScalarKind ScalarKinds[ScalarKindCount]{
    {VertexFormat::Float, 4, false},
    {VertexFormat::Half, 2, false},
    {VertexFormat::Double, 8, false},
    {VertexFormat::UnsignedByte, 1, false},
    {VertexFormat::UnsignedByte, 1, true},
    {VertexFormat::Byte, 1, false},
    {VertexFormat::Byte, 1, true},
    {VertexFormat::UnsignedShort, 2, false},
    {VertexFormat::UnsignedShort, 2, true},
    {VertexFormat::Short, 2, false},
    {VertexFormat::Short, 2, true},
    {VertexFormat::UnsignedInt, 4, false},
    {VertexFormat::Int, 4, false}
};

/* Matrix kinds in the order they appear for each row count; byte and short
   matrices exist only normalized */
constexpr ScalarKind MatrixKinds[5]{
    {VertexFormat::Float, 4, false},
    {VertexFormat::Half, 2, false},
    {VertexFormat::Double, 8, false},
    {VertexFormat::Byte, 1, true},
    {VertexFormat::Short, 2, true}
};

/* The four aligned variants closing each matrix block */
struct AlignedKind {
    UnsignedByte kind; /* index into MatrixKinds */
    UnsignedByte rows;
};
constexpr AlignedKind AlignedKinds[4]{
    {3, 2}, {1, 3}, {3, 3}, {4, 3}
};

struct Properties {
    VertexFormat component;
    UnsignedInt componentCount;
    UnsignedInt vectorCount;
    UnsignedInt vectorStride;
    bool normalized;
};

/* Caller ensures the value isn't implementation-specific. Returns false for
   values outside of the enum range. */
bool properties(const VertexFormat format, Properties& out) {
    const UnsignedInt index = UnsignedInt(format) - 1;
    if(index >= VertexFormatCount) return false;

    if(index < 4*ScalarKindCount) {
        const ScalarKind& kind = ScalarKinds[index % ScalarKindCount];
        out.component = kind.component;
        out.componentCount = index/ScalarKindCount + 1;
        out.vectorCount = 1;
        out.vectorStride = out.componentCount*kind.size;
        out.normalized = kind.normalized;
        return true;
    }

    const UnsignedInt matrixIndex = index - 4*ScalarKindCount;
    const UnsignedInt inBlock = matrixIndex % MatrixBlockSize;
    const ScalarKind* kind;
    UnsignedInt stride;
    if(inBlock < 15) {
        kind = &MatrixKinds[inBlock % 5];
        out.componentCount = inBlock/5 + 2;
        stride = out.componentCount*kind->size;
    } else {
        const AlignedKind& aligned = AlignedKinds[inBlock - 15];
        kind = &MatrixKinds[aligned.kind];
        out.componentCount = aligned.rows;
        /* Columns are padded to a multiple of four bytes */
        stride = (out.componentCount*kind->size + 3) & ~3u;
    }
    out.component = kind->component;
    out.vectorCount = matrixIndex/MatrixBlockSize + 2;
    out.vectorStride = stride;
    out.normalized = kind->normalized;
    return true;
}

}

UnsignedInt vertexFormatSize(const VertexFormat format) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormatSize(): can't determine size of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("vertexFormatSize(): invalid format" << format, {});
    return p.vectorCount*p.vectorStride;
}

VertexFormat vertexFormatComponentFormat(const VertexFormat format) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormatComponentFormat(): can't determine component format of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    /* Upstream reports this one under the function's former name */
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("vertexFormatComponentType(): invalid format" << format, {});
    return p.component;
}

UnsignedInt vertexFormatComponentCount(const VertexFormat format) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormatComponentCount(): can't determine component count of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("vertexFormatComponentCount(): invalid format" << format, {});
    return p.componentCount;
}

UnsignedInt vertexFormatVectorCount(const VertexFormat format) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormatVectorCount(): can't determine vector count of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("vertexFormatVectorCount(): invalid format" << format, {});
    return p.vectorCount;
}

UnsignedInt vertexFormatVectorStride(const VertexFormat format) {
    /* The "vector count" wording matches upstream's message */
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormatVectorStride(): can't determine vector count of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("vertexFormatVectorStride(): invalid format" << format, {});
    return p.vectorStride;
}

bool isVertexFormatNormalized(const VertexFormat format) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "isVertexFormatNormalized(): can't determine normalization of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    Properties p{};
    if(!properties(format, p))
        CORRADE_ASSERT_UNREACHABLE("isVertexFormatNormalized(): invalid format" << format, {});
    return p.normalized;
}

VertexFormat vertexFormat(const VertexFormat format, const UnsignedInt componentCount, const bool normalized) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormat(): can't assemble a format out of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});

    VertexFormat component = vertexFormatComponentFormat(format);
    if(normalized) {
        /* Each normalizable type is directly followed by its normalized
           variant */
        if(component != VertexFormat::UnsignedByte &&
           component != VertexFormat::Byte &&
           component != VertexFormat::UnsignedShort &&
           component != VertexFormat::Short)
            CORRADE_ASSERT_UNREACHABLE("vertexFormat():" << format << "can't be made normalized", {});
        component = VertexFormat(UnsignedInt(component) + 1);
    }

    CORRADE_ASSERT(componentCount >= 1 && componentCount <= 4,
        "vertexFormat(): invalid component count" << componentCount, {});
    return VertexFormat(UnsignedInt(component) + (componentCount - 1)*ScalarKindCount);
}

VertexFormat vertexFormat(const VertexFormat format, const UnsignedInt vectorCount, const UnsignedInt componentCount, const bool aligned) {
    CORRADE_ASSERT(!isVertexFormatImplementationSpecific(format),
        "vertexFormat(): can't assemble a format out of an implementation-specific format" << Debug::hex << vertexFormatUnwrap(format), {});
    CORRADE_ASSERT(vectorCount >= 2 && vectorCount <= 4,
        "vertexFormat(): invalid vector count" << vectorCount, {});
    CORRADE_ASSERT(componentCount >= 2 && componentCount <= 4,
        "vertexFormat(): invalid component count" << componentCount, {});

    const VertexFormat component = vertexFormatComponentFormat(format);
    UnsignedInt kind = 5;
    for(UnsignedInt i = 0; i != 5; ++i) if(MatrixKinds[i].component == component) {
        kind = i;
        break;
    }
    if(kind == 5)
        CORRADE_ASSERT_UNREACHABLE("vertexFormat(): invalid matrix component type" << component << Debug::nospace << ", only floating-point or 8-/16-bit signed integer types are supported", {});

    UnsignedInt inBlock = (componentCount - 2)*5 + kind;
    /* Only some combinations have a padded variant, the rest is unaffected
       by the flag */
    if(aligned) for(UnsignedInt i = 0; i != 4; ++i) {
        if(AlignedKinds[i].kind == kind && AlignedKinds[i].rows == componentCount) {
            inBlock = 15 + i;
            break;
        }
    }

    return VertexFormat(UnsignedInt(VertexFormat::Matrix2x2) + (vectorCount - 2)*MatrixBlockSize + inBlock);
}

Debug& operator<<(Debug& debug, const VertexFormat value) {
    return Implementation::printEnum(debug, "VertexFormat", UnsignedInt(value), VertexFormatNames, VertexFormatCount);
}

}
