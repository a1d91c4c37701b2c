#ifndef Corrade_Utility_MurmurHash2_h
#define Corrade_Utility_MurmurHash2_h
/* MurmurHash 2, 32- or 64-bit depending on the size of std::size_t */

#include <cstddef>
#include <string>

#include "Corrade/Utility/AbstractHash.h"

namespace Corrade { namespace Utility {

namespace Implementation {
    template<std::size_t> struct MurmurHash2;
    template<> struct MurmurHash2<4> {
        unsigned int operator()(unsigned int seed, const char* data, unsigned int size) const;
    };
    template<> struct MurmurHash2<8> {
        unsigned long long operator()(unsigned long long seed, const char* data, unsigned long long size) const;
    };
}

/** MurmurHash 2 with a digest of @cpp sizeof(std::size_t) @ce bytes */
class MurmurHash2: public AbstractHash<sizeof(std::size_t)> {
    public:
        /** Digest of @p data with a zero seed */
        static Digest digest(const std::string& data) {
            return MurmurHash2{}(data);
        }

        /** Hasher with given seed */
        constexpr explicit MurmurHash2(std::size_t seed = 0): _seed{seed} {}

        /** Digest of @p data */
        Digest operator()(const std::string& data) const {
            return operator()(data.data(), data.size());
        }

        /** Digest of a string literal, without its null terminator */
        template<std::size_t size> Digest operator()(const char(&data)[size]) const {
            return operator()(data, size - 1);
        }

        /** Digest of @p size bytes at @p data */
        Digest operator()(const char* data, std::size_t size) const {
            /* The digest holds the value in native byte order */
            const std::size_t value = Implementation::MurmurHash2<sizeof(std::size_t)>{}(_seed, data, size);
            return Digest::fromByteArray(reinterpret_cast<const char*>(&value));
        }

    private:
        std::size_t _seed;
};

}}

#endif
