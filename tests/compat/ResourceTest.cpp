#include <cstring>

#include <gtest/gtest.h>

#include <Corrade/Containers/ArrayView.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Resource.h>

using namespace Corrade;
using namespace Corrade::Containers::Literals;

/* The macros have to be used outside of any namespace */
static void finalizeTestResources() {
    CORRADE_RESOURCE_FINALIZE(CompatResourceTest_RESOURCES)
}
static void initializeTestResources() {
    CORRADE_RESOURCE_INITIALIZE(CompatResourceTest_RESOURCES)
}

namespace VelmoraEngine { namespace Test { namespace {

/* Contents of tests/compat/resources/greeting.txt and binary.bin */
constexpr Containers::StringView Greeting = "Hello from a compiled-in file!\n"_s;
constexpr char BinaryBytes[]{'\x00', '\xff', '\x7f', '\x80', 'A', '\x00', '\n', '\xc3', '\xa9'};

TEST(CompatResource, GroupRegisteredAtLoad) {
    EXPECT_TRUE(Utility::Resource::hasGroup("compat-test"));
    EXPECT_FALSE(Utility::Resource::hasGroup("nonexistent"));
    /* Lookup is by the whole name */
    EXPECT_FALSE(Utility::Resource::hasGroup("compat"));
    EXPECT_FALSE(Utility::Resource::hasGroup("compat-test-and-more"));
}

TEST(CompatResource, HasFile) {
    Utility::Resource rs{"compat-test"};
    EXPECT_TRUE(rs.hasFile("greeting.txt"));
    EXPECT_TRUE(rs.hasFile("renamed.bin"));
    EXPECT_TRUE(rs.hasFile("terminated.txt"));
    /* An aliased file is available only under its alias */
    EXPECT_FALSE(rs.hasFile("binary.bin"));
    EXPECT_FALSE(rs.hasFile("greeting"));
}

TEST(CompatResource, GetString) {
    Utility::Resource rs{"compat-test"};

    const Containers::StringView greeting = rs.getString("greeting.txt");
    EXPECT_EQ(greeting.size(), 31u);
    EXPECT_EQ(greeting, Greeting);
    EXPECT_TRUE(greeting.flags() & Containers::StringViewFlag::Global);

    /* Embedded zero bytes and bytes above 0x7f survive */
    const Containers::StringView binary = rs.getString("renamed.bin");
    ASSERT_EQ(binary.size(), sizeof(BinaryBytes));
    EXPECT_EQ(std::memcmp(binary.data(), BinaryBytes, sizeof(BinaryBytes)), 0);
    EXPECT_TRUE(binary.flags() & Containers::StringViewFlag::Global);
}

TEST(CompatResource, GetRaw) {
    Utility::Resource rs{"compat-test"};

    const Containers::ArrayView<const char> greeting = rs.getRaw("greeting.txt");
    ASSERT_EQ(greeting.size(), Greeting.size());
    EXPECT_EQ(std::memcmp(greeting.data(), Greeting.data(), Greeting.size()), 0);

    const Containers::ArrayView<const char> binary = rs.getRaw("renamed.bin");
    ASSERT_EQ(binary.size(), sizeof(BinaryBytes));
    EXPECT_EQ(std::memcmp(binary.data(), BinaryBytes, sizeof(BinaryBytes)), 0);

    /* The same data as getString() */
    EXPECT_EQ(binary.data(), rs.getString("renamed.bin").data());
}

TEST(CompatResource, NullTerminated) {
    Utility::Resource rs{"compat-test"};
    const Containers::StringView file = rs.getString("terminated.txt");
    EXPECT_EQ(file, Greeting);
    EXPECT_EQ(file.flags(), Containers::StringViewFlag::Global|Containers::StringViewFlag::NullTerminated);
    EXPECT_EQ(file.data()[file.size()], '\0');
}

TEST(CompatResource, NonexistentGroup) {
    EXPECT_DEATH(Utility::Resource{"nonexistentGroup"},
        "Utility::Resource: group 'nonexistentGroup' was not found");
}

TEST(CompatResource, NonexistentFile) {
    Utility::Resource rs{"compat-test"};
    EXPECT_DEATH(rs.getString("nonexistent.txt"),
        "Utility::Resource::get\\(\\): file 'nonexistent\\.txt' was not found in group 'compat-test'");
    EXPECT_DEATH(rs.getRaw("binary.bin"),
        "Utility::Resource::get\\(\\): file 'binary\\.bin' was not found in group 'compat-test'");
}

TEST(CompatResource, FinalizeInitialize) {
    ASSERT_TRUE(Utility::Resource::hasGroup("compat-test"));

    finalizeTestResources();
    EXPECT_FALSE(Utility::Resource::hasGroup("compat-test"));
    /* Finalizing again changes nothing */
    finalizeTestResources();
    EXPECT_FALSE(Utility::Resource::hasGroup("compat-test"));

    initializeTestResources();
    EXPECT_TRUE(Utility::Resource::hasGroup("compat-test"));
    /* Initializing again doesn't register it twice, a single finalization
       is enough to remove it */
    initializeTestResources();
    EXPECT_TRUE(Utility::Resource::hasGroup("compat-test"));
    finalizeTestResources();
    EXPECT_FALSE(Utility::Resource::hasGroup("compat-test"));

    /* The same data is back */
    initializeTestResources();
    ASSERT_TRUE(Utility::Resource::hasGroup("compat-test"));
    Utility::Resource rs{"compat-test"};
    EXPECT_EQ(rs.getString("greeting.txt"), Greeting);
    EXPECT_EQ(rs.getRaw("renamed.bin").size(), sizeof(BinaryBytes));
}

}}}
