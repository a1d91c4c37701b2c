#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Utility/Debug.h>
#include <Magnum/VertexFormat.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

std::string debugString(VertexFormat format) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{Utility::Debug::Flag::NoNewlineAtTheEnd} << format;
    }
    return out.str();
}

/* Positions of the first and last value of each block, catching values
   inserted, dropped or reordered */
const struct {
    VertexFormat format;
    UnsignedInt value;
    const char* name;
} ValueData[]{
    {VertexFormat::Float, 1, "VertexFormat::Float"},
    {VertexFormat::Int, 13, "VertexFormat::Int"},
    {VertexFormat::Vector2, 14, "VertexFormat::Vector2"},
    {VertexFormat::Vector2i, 26, "VertexFormat::Vector2i"},
    {VertexFormat::Vector3, 27, "VertexFormat::Vector3"},
    {VertexFormat::Vector3usNormalized, 35, "VertexFormat::Vector3usNormalized"},
    {VertexFormat::Vector4, 40, "VertexFormat::Vector4"},
    {VertexFormat::Vector4i, 52, "VertexFormat::Vector4i"},
    {VertexFormat::Matrix2x2, 53, "VertexFormat::Matrix2x2"},
    {VertexFormat::Matrix2x4sNormalized, 67, "VertexFormat::Matrix2x4sNormalized"},
    {VertexFormat::Matrix2x2bNormalizedAligned, 68, "VertexFormat::Matrix2x2bNormalizedAligned"},
    {VertexFormat::Matrix2x3sNormalizedAligned, 71, "VertexFormat::Matrix2x3sNormalizedAligned"},
    {VertexFormat::Matrix3x2, 72, "VertexFormat::Matrix3x2"},
    {VertexFormat::Matrix3x3hAligned, 88, "VertexFormat::Matrix3x3hAligned"},
    {VertexFormat::Matrix4x2, 91, "VertexFormat::Matrix4x2"},
    {VertexFormat::Matrix4x4d, 103, "VertexFormat::Matrix4x4d"},
    {VertexFormat::Matrix4x3sNormalizedAligned, 109, "VertexFormat::Matrix4x3sNormalizedAligned"},
};

TEST(CompatVertexFormat, ValuesAndNames) {
    for(const auto& data: ValueData) {
        SCOPED_TRACE(data.name);
        EXPECT_EQ(UnsignedInt(data.format), data.value);
        EXPECT_EQ(debugString(data.format), data.name);
    }
}

const struct {
    VertexFormat format;
    UnsignedInt size;
    VertexFormat componentFormat;
    UnsignedInt componentCount;
    UnsignedInt vectorCount;
    UnsignedInt vectorStride;
    bool normalized;
} PropertyData[]{
    {VertexFormat::Float, 4, VertexFormat::Float, 1, 1, 4, false},
    {VertexFormat::Half, 2, VertexFormat::Half, 1, 1, 2, false},
    {VertexFormat::Double, 8, VertexFormat::Double, 1, 1, 8, false},
    {VertexFormat::UnsignedByteNormalized, 1, VertexFormat::UnsignedByte, 1, 1, 1, true},
    {VertexFormat::ShortNormalized, 2, VertexFormat::Short, 1, 1, 2, true},
    {VertexFormat::Vector2ub, 2, VertexFormat::UnsignedByte, 2, 1, 2, false},
    {VertexFormat::Vector2us, 4, VertexFormat::UnsignedShort, 2, 1, 4, false},
    {VertexFormat::Vector2ui, 8, VertexFormat::UnsignedInt, 2, 1, 8, false},
    {VertexFormat::Vector3bNormalized, 3, VertexFormat::Byte, 3, 1, 3, true},
    {VertexFormat::Vector3sNormalized, 6, VertexFormat::Short, 3, 1, 6, true},
    {VertexFormat::Vector3h, 6, VertexFormat::Half, 3, 1, 6, false},
    {VertexFormat::Vector3i, 12, VertexFormat::Int, 3, 1, 12, false},
    {VertexFormat::Vector4, 16, VertexFormat::Float, 4, 1, 16, false},
    {VertexFormat::Vector4usNormalized, 8, VertexFormat::UnsignedShort, 4, 1, 8, true},
    {VertexFormat::Vector4d, 32, VertexFormat::Double, 4, 1, 32, false},
    {VertexFormat::Matrix2x3, 24, VertexFormat::Float, 3, 2, 12, false},
    {VertexFormat::Matrix4x3h, 24, VertexFormat::Half, 3, 4, 6, false},
    {VertexFormat::Matrix3x3d, 72, VertexFormat::Double, 3, 3, 24, false},
    {VertexFormat::Matrix4x4d, 128, VertexFormat::Double, 4, 4, 32, false},
    {VertexFormat::Matrix2x2bNormalized, 4, VertexFormat::Byte, 2, 2, 2, true},
    {VertexFormat::Matrix4x4bNormalized, 16, VertexFormat::Byte, 4, 4, 4, true},
    {VertexFormat::Matrix2x4sNormalized, 16, VertexFormat::Short, 4, 2, 8, true},
    /* Aligned variants pad each column to four bytes but the component
       count doesn't include the padding */
    {VertexFormat::Matrix2x2bNormalizedAligned, 8, VertexFormat::Byte, 2, 2, 4, true},
    {VertexFormat::Matrix3x2bNormalizedAligned, 12, VertexFormat::Byte, 2, 3, 4, true},
    {VertexFormat::Matrix4x3bNormalizedAligned, 16, VertexFormat::Byte, 3, 4, 4, true},
    {VertexFormat::Matrix2x3sNormalizedAligned, 16, VertexFormat::Short, 3, 2, 8, true},
    {VertexFormat::Matrix3x3hAligned, 24, VertexFormat::Half, 3, 3, 8, false},
};

TEST(CompatVertexFormat, Properties) {
    for(const auto& data: PropertyData) {
        SCOPED_TRACE(debugString(data.format));
        EXPECT_EQ(vertexFormatSize(data.format), data.size);
        EXPECT_EQ(vertexFormatComponentFormat(data.format), data.componentFormat);
        EXPECT_EQ(vertexFormatComponentCount(data.format), data.componentCount);
        EXPECT_EQ(vertexFormatVectorCount(data.format), data.vectorCount);
        EXPECT_EQ(vertexFormatVectorStride(data.format), data.vectorStride);
        EXPECT_EQ(isVertexFormatNormalized(data.format), data.normalized);
    }
}

TEST(CompatVertexFormat, Assemble) {
    EXPECT_EQ(vertexFormat(VertexFormat::UnsignedShort, 3, true), VertexFormat::Vector3usNormalized);
    EXPECT_EQ(vertexFormat(VertexFormat::Int, 4, false), VertexFormat::Vector4i);
    EXPECT_EQ(vertexFormat(VertexFormat::Double, 1, false), VertexFormat::Double);
    EXPECT_EQ(vertexFormat(VertexFormat::Byte, 1, true), VertexFormat::ByteNormalized);
    /* Non-scalar and normalized inputs are reduced to the component first */
    EXPECT_EQ(vertexFormat(VertexFormat::Vector4bNormalized, 2, false), VertexFormat::Vector2b);
    EXPECT_EQ(vertexFormat(VertexFormat::Vector3h, 2, false), VertexFormat::Vector2h);
}

const struct {
    VertexFormat component;
    bool normalized;
} AssembleRoundtripData[]{
    {VertexFormat::Float, false},
    {VertexFormat::Half, false},
    {VertexFormat::Double, false},
    {VertexFormat::UnsignedByte, false},
    {VertexFormat::UnsignedByte, true},
    {VertexFormat::Byte, false},
    {VertexFormat::Byte, true},
    {VertexFormat::UnsignedShort, false},
    {VertexFormat::UnsignedShort, true},
    {VertexFormat::Short, false},
    {VertexFormat::Short, true},
    {VertexFormat::UnsignedInt, false},
    {VertexFormat::Int, false},
};

TEST(CompatVertexFormat, AssembleRoundtrip) {
    for(const auto& data: AssembleRoundtripData) for(UnsignedInt count = 1; count <= 4; ++count) {
        SCOPED_TRACE(debugString(data.component) + (data.normalized ? " normalized " : " ") + std::to_string(count));
        const VertexFormat result = vertexFormat(data.component, count, data.normalized);
        EXPECT_EQ(vertexFormat(result, count, data.normalized), result);
        EXPECT_EQ(vertexFormatComponentFormat(result), data.component);
        EXPECT_EQ(vertexFormatComponentCount(result), count);
        EXPECT_EQ(vertexFormatVectorCount(result), 1u);
        EXPECT_EQ(vertexFormatVectorStride(result), vertexFormatSize(result));
        EXPECT_EQ(isVertexFormatNormalized(result), data.normalized);
    }
}

TEST(CompatVertexFormat, AssembleMatrix) {
    /* Byte and short matrices are always normalized */
    EXPECT_EQ(vertexFormat(VertexFormat::Byte, 3, 2, false), VertexFormat::Matrix3x2bNormalized);
    EXPECT_EQ(vertexFormat(VertexFormat::Short, 2, 3, true), VertexFormat::Matrix2x3sNormalizedAligned);
    /* Already aligned, the flag doesn't change anything */
    EXPECT_EQ(vertexFormat(VertexFormat::Float, 4, 2, true), VertexFormat::Matrix4x2);
    EXPECT_EQ(vertexFormat(VertexFormat::Half, 2, 4, false), VertexFormat::Matrix2x4h);
    EXPECT_EQ(vertexFormat(VertexFormat::Double, 4, 4, true), VertexFormat::Matrix4x4d);
    EXPECT_EQ(vertexFormat(VertexFormat::Vector4bNormalized, 2, 2, false), VertexFormat::Matrix2x2bNormalized);
    EXPECT_EQ(vertexFormat(VertexFormat::Vector3h, 3, 3, true), VertexFormat::Matrix3x3hAligned);
}

const struct {
    VertexFormat component;
    UnsignedInt componentCount;
    bool aligned;
} AssembleMatrixRoundtripData[]{
    {VertexFormat::Float, 2, true},
    {VertexFormat::Float, 3, true},
    {VertexFormat::Float, 4, true},
    {VertexFormat::Half, 2, false},
    {VertexFormat::Half, 3, false},
    {VertexFormat::Half, 3, true},
    {VertexFormat::Half, 4, false},
    {VertexFormat::Double, 2, true},
    {VertexFormat::Double, 3, true},
    {VertexFormat::Double, 4, true},
    {VertexFormat::Byte, 2, false},
    {VertexFormat::Byte, 2, true},
    {VertexFormat::Byte, 3, false},
    {VertexFormat::Byte, 3, true},
    {VertexFormat::Byte, 4, false},
    {VertexFormat::Short, 2, false},
    {VertexFormat::Short, 3, false},
    {VertexFormat::Short, 3, true},
    {VertexFormat::Short, 4, false},
};

TEST(CompatVertexFormat, AssembleMatrixRoundtrip) {
    for(const auto& data: AssembleMatrixRoundtripData) for(UnsignedInt vectors = 2; vectors <= 4; ++vectors) {
        SCOPED_TRACE(debugString(data.component) + " " + std::to_string(vectors) + "x" + std::to_string(data.componentCount) + (data.aligned ? " aligned" : ""));
        const VertexFormat result = vertexFormat(data.component, vectors, data.componentCount, data.aligned);
        EXPECT_EQ(vertexFormat(result, vectors, data.componentCount, data.aligned), result);
        EXPECT_EQ(vertexFormatComponentFormat(result), data.component);
        EXPECT_EQ(vertexFormatComponentCount(result), data.componentCount);
        EXPECT_EQ(vertexFormatVectorCount(result), vectors);
        EXPECT_EQ(vertexFormatVectorStride(result)*vectors, vertexFormatSize(result));
        if(data.aligned) {
            EXPECT_EQ(vertexFormatVectorStride(result) % 4, 0u);
        }
    }
}

TEST(CompatVertexFormat, ImplementationSpecific) {
    constexpr VertexFormat wrapped = vertexFormatWrap(0xdead);
    constexpr bool a = isVertexFormatImplementationSpecific(VertexFormat::Vector2sNormalized);
    constexpr bool b = isVertexFormatImplementationSpecific(wrapped);
    constexpr UnsignedInt unwrapped = vertexFormatUnwrap(wrapped);
    EXPECT_EQ(UnsignedInt(wrapped), 0x8000deadu);
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    EXPECT_EQ(unwrapped, 0xdeadu);
}

TEST(CompatVertexFormat, Debug) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << VertexFormat::Vector4 << VertexFormat(0xdead) << VertexFormat{};
        Utility::Debug{} << vertexFormatWrap(0xdead);
        /* Packing applies only to the immediately following value */
        Utility::Debug{} << Utility::Debug::packed << VertexFormat::Vector4 << Utility::Debug::packed << VertexFormat(0xdead) << VertexFormat::Float;
        Utility::Debug{} << Utility::Debug::packed << vertexFormatWrap(0xdead) << VertexFormat::Float;
    }
    EXPECT_EQ(out.str(),
        "VertexFormat::Vector4 VertexFormat(0xdead) VertexFormat(0x0)\n"
        "VertexFormat::ImplementationSpecific(0xdead)\n"
        "Vector4 0xdead VertexFormat::Float\n"
        "ImplementationSpecific(0xdead) VertexFormat::Float\n");
}

const struct {
    const char* name;
    void(*call)(VertexFormat);
    const char* message;
} InvalidData[]{
    {"size", [](VertexFormat f) { vertexFormatSize(f); },
        "vertexFormatSize\\(\\): invalid format VertexFormat\\(0xdead\\)"},
    /* Upstream reports the component format query under its former name */
    {"component format", [](VertexFormat f) { vertexFormatComponentFormat(f); },
        "vertexFormatComponentType\\(\\): invalid format VertexFormat\\(0xdead\\)"},
    {"component count", [](VertexFormat f) { vertexFormatComponentCount(f); },
        "vertexFormatComponentCount\\(\\): invalid format VertexFormat\\(0xdead\\)"},
    {"vector count", [](VertexFormat f) { vertexFormatVectorCount(f); },
        "vertexFormatVectorCount\\(\\): invalid format VertexFormat\\(0xdead\\)"},
    {"vector stride", [](VertexFormat f) { vertexFormatVectorStride(f); },
        "vertexFormatVectorStride\\(\\): invalid format VertexFormat\\(0xdead\\)"},
    {"normalized", [](VertexFormat f) { isVertexFormatNormalized(f); },
        "isVertexFormatNormalized\\(\\): invalid format VertexFormat\\(0xdead\\)"},
};

TEST(CompatVertexFormatDeathTest, Invalid) {
    for(const auto& data: InvalidData) {
        SCOPED_TRACE(data.name);
        EXPECT_DEATH(data.call(VertexFormat(0xdead)), std::string{"^"} + data.message + "\n$");
    }
    EXPECT_DEATH(vertexFormatSize(VertexFormat{}), "^vertexFormatSize\\(\\): invalid format VertexFormat\\(0x0\\)\n$");
}

const struct {
    const char* name;
    void(*call)(VertexFormat);
    const char* message;
} ImplementationSpecificData[]{
    {"size", [](VertexFormat f) { vertexFormatSize(f); },
        "vertexFormatSize\\(\\): can't determine size of an implementation-specific format 0xdead"},
    {"component format", [](VertexFormat f) { vertexFormatComponentFormat(f); },
        "vertexFormatComponentFormat\\(\\): can't determine component format of an implementation-specific format 0xdead"},
    {"component count", [](VertexFormat f) { vertexFormatComponentCount(f); },
        "vertexFormatComponentCount\\(\\): can't determine component count of an implementation-specific format 0xdead"},
    {"vector count", [](VertexFormat f) { vertexFormatVectorCount(f); },
        "vertexFormatVectorCount\\(\\): can't determine vector count of an implementation-specific format 0xdead"},
    /* Upstream's message says "vector count" here as well */
    {"vector stride", [](VertexFormat f) { vertexFormatVectorStride(f); },
        "vertexFormatVectorStride\\(\\): can't determine vector count of an implementation-specific format 0xdead"},
    {"normalized", [](VertexFormat f) { isVertexFormatNormalized(f); },
        "isVertexFormatNormalized\\(\\): can't determine normalization of an implementation-specific format 0xdead"},
    {"assemble", [](VertexFormat f) { vertexFormat(f, 1, true); },
        "vertexFormat\\(\\): can't assemble a format out of an implementation-specific format 0xdead"},
    {"assemble matrix", [](VertexFormat f) { vertexFormat(f, 2, 2, true); },
        "vertexFormat\\(\\): can't assemble a format out of an implementation-specific format 0xdead"},
};

TEST(CompatVertexFormatDeathTest, ImplementationSpecific) {
    for(const auto& data: ImplementationSpecificData) {
        SCOPED_TRACE(data.name);
        EXPECT_DEATH(data.call(vertexFormatWrap(0xdead)), std::string{"^"} + data.message + "\n$");
    }
}

TEST(CompatVertexFormatDeathTest, WrapUnwrap) {
    EXPECT_DEATH(vertexFormatWrap(0xdeadbeef),
        "^vertexFormatWrap\\(\\): implementation-specific value 0xdeadbeef already wrapped or too large\n$");
    EXPECT_DEATH(vertexFormatUnwrap(VertexFormat::Float),
        "^vertexFormatUnwrap\\(\\): VertexFormat::Float isn't a wrapped implementation-specific value\n$");
}

TEST(CompatVertexFormatDeathTest, AssembleInvalid) {
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector2, 1, true),
        "^vertexFormat\\(\\): VertexFormat::Vector2 can't be made normalized\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 0, false),
        "^vertexFormat\\(\\): invalid component count 0\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 5, false),
        "^vertexFormat\\(\\): invalid component count 5\n$");
}

TEST(CompatVertexFormatDeathTest, AssembleMatrixInvalid) {
    EXPECT_DEATH(vertexFormat(VertexFormat::UnsignedByte, 3, 2, false),
        "^vertexFormat\\(\\): invalid matrix component type VertexFormat::UnsignedByte, only floating-point or 8-/16-bit signed integer types are supported\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Int, 2, 3, false),
        "^vertexFormat\\(\\): invalid matrix component type VertexFormat::Int, only floating-point or 8-/16-bit signed integer types are supported\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 2, 1, false),
        "^vertexFormat\\(\\): invalid component count 1\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 2, 5, false),
        "^vertexFormat\\(\\): invalid component count 5\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 5, 2, false),
        "^vertexFormat\\(\\): invalid vector count 5\n$");
    EXPECT_DEATH(vertexFormat(VertexFormat::Vector3, 1, 2, false),
        "^vertexFormat\\(\\): invalid vector count 1\n$");
}

}}}
