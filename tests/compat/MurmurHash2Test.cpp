#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include <Corrade/Utility/AbstractHash.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/MurmurHash2.h>

using namespace Corrade;

namespace VelmoraEngine { namespace Test { namespace {

static_assert(Utility::MurmurHash2::DigestSize == sizeof(std::size_t), "digest has the size of std::size_t");
static_assert(std::is_same<Utility::MurmurHash2::Digest, Utility::HashDigest<sizeof(std::size_t)>>::value, "digest type");

/* Values published in upstream's own tests, seed 23; the digest stores the
   std::size_t result in native (here little-endian) byte order */
struct KnownDigest {
    const char* data;
    std::size_t size;
    const char* hex;
};

#if !defined(__BYTE_ORDER__) || __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
const KnownDigest KnownDigests[]{
    #if __SIZEOF_SIZE_T__ == 8
    /* 7441339218310318127 */
    {"string", 6, "2fc891d897f24467"},
    /* 14685337704530366946, a whole block and no tail */
    {"eightbit", 8, "e2d12e05d6cccccb"},
    #else
    /* 3435905073 */
    {"string", 6, "31c0cbcc"},
    /* 2072697618 */
    {"four", 4, "12db8a7b"},
    #endif
};

TEST(CompatMurmurHash2, KnownDigests) {
    for(const KnownDigest& known: KnownDigests) {
        SCOPED_TRACE(known.data);
        EXPECT_EQ(Utility::MurmurHash2{23}(known.data, known.size).hexString(), known.hex);
        EXPECT_EQ(Utility::MurmurHash2{23}(std::string{known.data, known.size}).hexString(), known.hex);
        EXPECT_EQ(Utility::MurmurHash2{23}(known.data, known.size),
            Utility::MurmurHash2::Digest::fromHexString(known.hex));
    }
}
#endif

TEST(CompatMurmurHash2, Empty) {
    /* With no data and a zero seed nothing ever gets mixed into the state */
    EXPECT_EQ(Utility::MurmurHash2{}("").hexString(), std::string(2*sizeof(std::size_t), '0'));
    EXPECT_EQ(Utility::MurmurHash2{}(nullptr, 0), Utility::MurmurHash2::Digest{});
    EXPECT_NE(Utility::MurmurHash2{23}(""), Utility::MurmurHash2::Digest{});
}

TEST(CompatMurmurHash2, OverloadsAgree) {
    const Utility::MurmurHash2::Digest expected = Utility::MurmurHash2{}("hello", 5);
    EXPECT_EQ(Utility::MurmurHash2{}("hello"), expected);
    EXPECT_EQ(Utility::MurmurHash2{}(std::string{"hello"}), expected);
    EXPECT_EQ(Utility::MurmurHash2{0}("hello"), expected);
    EXPECT_EQ(Utility::MurmurHash2::digest("hello"), expected);
}

TEST(CompatMurmurHash2, SeedAndDataMatter) {
    EXPECT_NE(Utility::MurmurHash2{}("hello"), Utility::MurmurHash2{1}("hello"));
    EXPECT_NE(Utility::MurmurHash2{}("hello"), Utility::MurmurHash2{}("hellp"));
    /* The length is mixed in as well */
    EXPECT_NE(Utility::MurmurHash2{}("a\0", 2), Utility::MurmurHash2{}("a", 1));
    /* A literal hashes without its terminator */
    EXPECT_NE(Utility::MurmurHash2{}("hello"), Utility::MurmurHash2{}("hello", 6));
    /* Bytes above 0x7f, in a full block and in the tail */
    EXPECT_NE(Utility::MurmurHash2{}("\xff\xff\xff\xff\xff\xff\xff\xff\xff"),
              Utility::MurmurHash2{}("\x7f\xff\xff\xff\xff\xff\xff\xff\xff"));
    EXPECT_NE(Utility::MurmurHash2{}("\xff\xff\xff\xff\xff\xff\xff\xff\xff"),
              Utility::MurmurHash2{}("\xff\xff\xff\xff\xff\xff\xff\xff\x7f"));
}

TEST(CompatHashDigest, Construct) {
    constexpr Utility::HashDigest<4> zero;
    EXPECT_EQ(zero.hexString(), "00000000");

    constexpr Utility::HashDigest<4> bytes{0xca, 0xfe, 0x90, 0xfa};
    EXPECT_EQ(bytes.hexString(), "cafe90fa");
    EXPECT_EQ((unsigned char)bytes.byteArray()[0], 0xca);
    EXPECT_EQ((unsigned char)bytes.byteArray()[3], 0xfa);

    const unsigned char raw[]{0xca, 0xfe, 0x90, 0xfa};
    EXPECT_EQ(Utility::HashDigest<4>::fromByteArray(reinterpret_cast<const char*>(raw)), bytes);
}

TEST(CompatHashDigest, FromHexString) {
    const struct {
        const char* input;
        const char* expected;
    } data[]{
        {"cafe90fa", "cafe90fa"},
        {"CAFE90FA", "cafe90fa"},
        /* Wrong length or characters give a zero digest */
        {"1234abcdef", "00000000"},
        {"babe", "00000000"},
        {"bullshit", "00000000"},
    };
    for(const auto& i: data) {
        SCOPED_TRACE(i.input);
        EXPECT_EQ(Utility::HashDigest<4>::fromHexString(i.input).hexString(), i.expected);
    }
}

TEST(CompatHashDigest, Compare) {
    const Utility::HashDigest<4> a{0xca, 0xfe, 0x90, 0xfa};
    const Utility::HashDigest<4> b{0xca, 0xfe, 0x90, 0xfb};
    EXPECT_TRUE(a == a);
    EXPECT_FALSE(a == b);
    EXPECT_TRUE(a != b);
    EXPECT_FALSE(a != a);
}

TEST(CompatHashDigest, Debug) {
    std::ostringstream out;
    {
        Utility::Debug redirect{&out};
        Utility::Debug{} << Utility::HashDigest<4>::fromHexString("defeca7e");
    }
    EXPECT_EQ(out.str(), "defeca7e\n");
}

}}}
