#include "Corrade/Utility/MurmurHash2.h"

namespace Corrade { namespace Utility { namespace Implementation {

namespace {
    /* Little-endian load independent of alignment and of char signedness */
    template<class T> T load(const unsigned char* data) {
        T out = 0;
        for(std::size_t i = sizeof(T); i != 0; --i)
            out = T(out << 8) | data[i - 1];
        return out;
    }
}

unsigned int MurmurHash2<4>::operator()(const unsigned int seed, const char* const signedData, const unsigned int size) const {
    const unsigned char* const data = reinterpret_cast<const unsigned char*>(signedData);
    constexpr unsigned int m = 0x5bd1e995u;
    constexpr int r = 24;

    unsigned int h = seed ^ size;
    const unsigned int blockEnd = size & ~3u;
    for(unsigned int i = 0; i != blockEnd; i += 4) {
        unsigned int k = load<unsigned int>(data + i);
        k *= m;
        k ^= k >> r;
        k *= m;
        h *= m;
        h ^= k;
    }

    if(const unsigned int tail = size & 3u) {
        for(unsigned int j = 0; j != tail; ++j)
            h ^= (unsigned int)data[blockEnd + j] << (8*j);
        h *= m;
    }

    h ^= h >> 13;
    h *= m;
    h ^= h >> 15;
    return h;
}

unsigned long long MurmurHash2<8>::operator()(const unsigned long long seed, const char* const signedData, const unsigned long long size) const {
    const unsigned char* const data = reinterpret_cast<const unsigned char*>(signedData);
    constexpr unsigned long long m = 0xc6a4a7935bd1e995ull;
    constexpr int r = 47;

    /* The 64-bit variant mixes the length into the seed multiplied */
    unsigned long long h = seed ^ (size*m);
    const unsigned long long blockEnd = size & ~7ull;
    for(unsigned long long i = 0; i != blockEnd; i += 8) {
        unsigned long long k = load<unsigned long long>(data + i);
        k *= m;
        k ^= k >> r;
        k *= m;
        h ^= k;
        h *= m;
    }

    if(const unsigned long long tail = size & 7ull) {
        for(unsigned long long j = 0; j != tail; ++j)
            h ^= (unsigned long long)data[blockEnd + j] << (8*j);
        h *= m;
    }

    h ^= h >> r;
    h *= m;
    h ^= h >> r;
    return h;
}

}}}
