#include <sstream>
#include <string>
#include <type_traits>

#include <gtest/gtest.h>

#include <Corrade/Utility/Debug.h>
#include <Magnum/Mesh.h>

using namespace Magnum;

namespace VelmoraEngine { namespace Test { namespace {

template<class T> std::string debugString(T value, bool packed = false) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug d{Utility::Debug::Flag::NoNewlineAtTheEnd};
        if(packed) d << Utility::Debug::packed;
        d << value;
    }
    return out.str();
}

const struct {
    MeshPrimitive primitive;
    const char* name;
} PrimitiveData[]{
    {MeshPrimitive::Points, "Points"},
    {MeshPrimitive::Lines, "Lines"},
    {MeshPrimitive::LineLoop, "LineLoop"},
    {MeshPrimitive::LineStrip, "LineStrip"},
    {MeshPrimitive::Triangles, "Triangles"},
    {MeshPrimitive::TriangleStrip, "TriangleStrip"},
    {MeshPrimitive::TriangleFan, "TriangleFan"},
    {MeshPrimitive::Instances, "Instances"},
    {MeshPrimitive::Faces, "Faces"},
    {MeshPrimitive::Edges, "Edges"},
    {MeshPrimitive::Meshlets, "Meshlets"},
};

TEST(CompatMeshPrimitive, ValuesAndNames) {
    UnsignedInt expectedValue = 1;
    for(const auto& data: PrimitiveData) {
        SCOPED_TRACE(data.name);
        EXPECT_EQ(UnsignedInt(data.primitive), expectedValue++);
        EXPECT_EQ(debugString(data.primitive), std::string{"MeshPrimitive::"} + data.name);
        EXPECT_EQ(debugString(data.primitive, true), data.name);
    }
}

TEST(CompatMeshPrimitive, ImplementationSpecific) {
    constexpr MeshPrimitive wrapped = meshPrimitiveWrap(0xdead);
    constexpr bool a = isMeshPrimitiveImplementationSpecific(MeshPrimitive::Lines);
    constexpr bool b = isMeshPrimitiveImplementationSpecific(wrapped);
    constexpr UnsignedInt unwrapped = meshPrimitiveUnwrap(wrapped);
    EXPECT_EQ(UnsignedInt(wrapped), 0x8000deadu);
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    EXPECT_EQ(unwrapped, 0xdeadu);
}

TEST(CompatMeshPrimitive, Debug) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << MeshPrimitive::TriangleFan << MeshPrimitive(0x70fe);
        Utility::Debug{} << meshPrimitiveWrap(0xdead);
        Utility::Debug{} << Utility::Debug::packed << MeshPrimitive::TriangleFan << Utility::Debug::packed << MeshPrimitive(0x70fe) << MeshPrimitive::Triangles;
        Utility::Debug{} << Utility::Debug::packed << meshPrimitiveWrap(0xdead) << MeshPrimitive::Triangles;
    }
    EXPECT_EQ(out.str(),
        "MeshPrimitive::TriangleFan MeshPrimitive(0x70fe)\n"
        "MeshPrimitive::ImplementationSpecific(0xdead)\n"
        "TriangleFan 0x70fe MeshPrimitive::Triangles\n"
        "ImplementationSpecific(0xdead) MeshPrimitive::Triangles\n");
}

TEST(CompatMeshPrimitiveDeathTest, WrapUnwrap) {
    EXPECT_DEATH(meshPrimitiveWrap(0xdeadbeef),
        "^meshPrimitiveWrap\\(\\): implementation-specific value 0xdeadbeef already wrapped or too large\n$");
    EXPECT_DEATH(meshPrimitiveUnwrap(MeshPrimitive::Triangles),
        "^meshPrimitiveUnwrap\\(\\): MeshPrimitive::Triangles isn't a wrapped implementation-specific value\n$");
}

const struct {
    MeshIndexType type;
    const char* name;
    UnsignedInt size;
} IndexTypeData[]{
    {MeshIndexType::UnsignedByte, "UnsignedByte", 1},
    {MeshIndexType::UnsignedShort, "UnsignedShort", 2},
    {MeshIndexType::UnsignedInt, "UnsignedInt", 4},
};

TEST(CompatMeshIndexType, ValuesNamesSizes) {
    /* 32-bit so it can hold wrapped implementation-specific values */
    EXPECT_TRUE((std::is_same<std::underlying_type<MeshIndexType>::type, UnsignedInt>::value));

    UnsignedInt expectedValue = 1;
    for(const auto& data: IndexTypeData) {
        SCOPED_TRACE(data.name);
        EXPECT_EQ(UnsignedInt(data.type), expectedValue++);
        EXPECT_EQ(debugString(data.type), std::string{"MeshIndexType::"} + data.name);
        EXPECT_EQ(debugString(data.type, true), data.name);
        EXPECT_EQ(meshIndexTypeSize(data.type), data.size);
    }
}

TEST(CompatMeshIndexType, ImplementationSpecific) {
    constexpr MeshIndexType wrapped = meshIndexTypeWrap(0xdead);
    constexpr bool a = isMeshIndexTypeImplementationSpecific(MeshIndexType::UnsignedShort);
    constexpr bool b = isMeshIndexTypeImplementationSpecific(wrapped);
    constexpr UnsignedInt unwrapped = meshIndexTypeUnwrap(wrapped);
    EXPECT_EQ(UnsignedInt(wrapped), 0x8000deadu);
    EXPECT_FALSE(a);
    EXPECT_TRUE(b);
    EXPECT_EQ(unwrapped, 0xdeadu);
}

TEST(CompatMeshIndexType, Debug) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << MeshIndexType::UnsignedShort << MeshIndexType(0x70fe);
        Utility::Debug{} << meshIndexTypeWrap(0xdead);
        Utility::Debug{} << Utility::Debug::packed << MeshIndexType::UnsignedShort << Utility::Debug::packed << MeshIndexType(0x70fe) << MeshIndexType::UnsignedInt;
        Utility::Debug{} << Utility::Debug::packed << meshIndexTypeWrap(0xdead) << MeshIndexType::UnsignedInt;
    }
    EXPECT_EQ(out.str(),
        "MeshIndexType::UnsignedShort MeshIndexType(0x70fe)\n"
        "MeshIndexType::ImplementationSpecific(0xdead)\n"
        "UnsignedShort 0x70fe MeshIndexType::UnsignedInt\n"
        "ImplementationSpecific(0xdead) MeshIndexType::UnsignedInt\n");
}

TEST(CompatMeshIndexTypeDeathTest, Size) {
    EXPECT_DEATH(meshIndexTypeSize(MeshIndexType{}),
        "^meshIndexTypeSize\\(\\): invalid type MeshIndexType\\(0x0\\)\n$");
    EXPECT_DEATH(meshIndexTypeSize(MeshIndexType(0xbadcafe)),
        "^meshIndexTypeSize\\(\\): invalid type MeshIndexType\\(0xbadcafe\\)\n$");
    EXPECT_DEATH(meshIndexTypeSize(meshIndexTypeWrap(0xdead)),
        "^meshIndexTypeSize\\(\\): can't determine size of an implementation-specific type 0xdead\n$");
}

TEST(CompatMeshIndexTypeDeathTest, WrapUnwrap) {
    EXPECT_DEATH(meshIndexTypeWrap(0xdeadbeef),
        "^meshIndexTypeWrap\\(\\): implementation-specific value 0xdeadbeef already wrapped or too large\n$");
    EXPECT_DEATH(meshIndexTypeUnwrap(MeshIndexType::UnsignedInt),
        "^meshIndexTypeUnwrap\\(\\): MeshIndexType::UnsignedInt isn't a wrapped implementation-specific value\n$");
}

}}}
