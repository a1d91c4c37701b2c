#ifndef Corrade_Utility_AbstractHash_h
#define Corrade_Utility_AbstractHash_h
/* Hash digests and the base of hashing classes */

#include <cstddef>
#include <string>

#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Utility {

/** Hash digest of @p size bytes */
template<std::size_t size> class HashDigest {
    public:
        /** Digest from a hexadecimal string, a zero digest if the length or any character is wrong */
        static HashDigest<size> fromHexString(std::string digest);

        /** Digest from @p size raw bytes */
        static const HashDigest<size>& fromByteArray(const char* digest) {
            return *reinterpret_cast<const HashDigest<size>*>(digest);
        }

        /** Zero digest */
        constexpr /*implicit*/ HashDigest(): _digest{} {}

        /** Digest from exactly @p size byte values */
        template<class T, class ...U> constexpr explicit HashDigest(T firstValue, U... nextValues): _digest{char(firstValue), char(nextValues)...} {
            static_assert(sizeof...(nextValues) + 1 == size, "Utility::HashDigest::HashDigest(): wrong data size");
        }

        bool operator==(const HashDigest<size>& other) const {
            for(std::size_t i = 0; i != size; ++i)
                if(_digest[i] != other._digest[i]) return false;
            return true;
        }

        bool operator!=(const HashDigest<size>& other) const {
            return !operator==(other);
        }

        /** Lowercase hexadecimal representation */
        std::string hexString() const;

        /** Raw bytes */
        constexpr const char* byteArray() const { return _digest; }

    private:
        char _digest[size];
};

/** Base of hashing classes */
template<std::size_t digestSize> class AbstractHash {
    public:
        /** Digest type */
        typedef HashDigest<digestSize> Digest;

        enum: std::size_t {
            DigestSize = digestSize /**< Raw digest size in bytes */
        };
};

/** Print a digest as a hexadecimal string */
template<std::size_t size> inline Debug& operator<<(Debug& debug, const HashDigest<size>& value) {
    return debug << value.hexString().c_str();
}

template<std::size_t size> HashDigest<size> HashDigest<size>::fromHexString(std::string digest) {
    HashDigest<size> out;
    if(digest.size() != size*2) return out;

    for(std::size_t i = 0; i != size*2; ++i) {
        const char c = digest[i];
        int nibble;
        if(c >= '0' && c <= '9') nibble = c - '0';
        else if(c >= 'a' && c <= 'f') nibble = c - 'a' + 10;
        else if(c >= 'A' && c <= 'F') nibble = c - 'A' + 10;
        else return HashDigest<size>{};
        out._digest[i/2] = char((unsigned char)out._digest[i/2] | (nibble << (i % 2 ? 0 : 4)));
    }
    return out;
}

template<std::size_t size> std::string HashDigest<size>::hexString() const {
    constexpr const char digits[] = "0123456789abcdef";
    std::string out(size*2, '0');
    for(std::size_t i = 0; i != size; ++i) {
        const unsigned char byte = (unsigned char)_digest[i];
        out[2*i] = digits[byte >> 4];
        out[2*i + 1] = digits[byte & 0xf];
    }
    return out;
}

}}

#endif
