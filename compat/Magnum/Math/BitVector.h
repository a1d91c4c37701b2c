#ifndef Magnum_Math_BitVector_h
#define Magnum_Math_BitVector_h
/* Vector of bits, the result of component-wise comparisons */

#include <cstddef>
#include <type_traits>

#include "Corrade/Containers/sequenceHelpers.h"
#include "Corrade/Utility/Debug.h"
#include "Magnum/Types.h"
#include "Magnum/Math/Math.h"
#include "Magnum/Math/Tags.h"

namespace Magnum { namespace Math {

namespace Implementation {
    template<class T> constexpr T repeat(T value, std::size_t) { return value; }
}

/** Vector of bits, bit 0 is the lowest bit of the first byte */
template<std::size_t size> class BitVector {
    static_assert(size != 0, "BitVector cannot have zero elements");

    public:
        enum: std::size_t {
            Size = size,
            DataSize = (size + 7)/8
        };

        constexpr /*implicit*/ BitVector() noexcept: _data{} {}
        constexpr explicit BitVector(ZeroInitT) noexcept: _data{} {}
        explicit BitVector(Magnum::NoInitT) noexcept {}

        /** Construct from byte segments */
        template<class ...T, typename std::enable_if<sizeof...(T) + 1 == DataSize, int>::type = 0> constexpr /*implicit*/ BitVector(UnsignedByte first, T... next) noexcept: _data{first, UnsignedByte(next)...} {}

        /** Construct with one value for all bits */
        template<class T, typename std::enable_if<std::is_same<bool, T>::value && size != 1, int>::type = 0> constexpr explicit BitVector(T value) noexcept: BitVector(typename Corrade::Containers::Implementation::GenerateSequence<DataSize>::Type{}, value ? UnsignedByte(0xff) : UnsignedByte(0)) {}

        auto data() -> UnsignedByte(&)[DataSize] { return _data; }
        constexpr auto data() const -> const UnsignedByte(&)[DataSize] { return _data; }

        constexpr bool operator[](std::size_t i) const {
            return (_data[i/8] >> i%8) & 0x01;
        }

        BitVector<size>& set(std::size_t i) {
            _data[i/8] |= 1 << i%8;
            return *this;
        }
        BitVector<size>& reset(std::size_t i) {
            _data[i/8] &= ~(1 << i%8);
            return *this;
        }
        BitVector<size>& set(std::size_t i, bool value) {
            return value ? set(i) : reset(i);
        }

        bool operator==(const BitVector<size>& other) const {
            for(std::size_t i = 0; i != size; ++i)
                if((*this)[i] != other[i]) return false;
            return true;
        }
        bool operator!=(const BitVector<size>& other) const { return !operator==(other); }

        /** Same as all() */
        explicit operator bool() const { return all(); }

        bool all() const {
            for(std::size_t i = 0; i != size; ++i)
                if(!(*this)[i]) return false;
            return true;
        }
        bool none() const {
            for(std::size_t i = 0; i != size; ++i)
                if((*this)[i]) return false;
            return true;
        }
        bool any() const { return !none(); }

        BitVector<size> operator~() const {
            BitVector<size> out{Magnum::NoInit};
            for(std::size_t i = 0; i != DataSize; ++i)
                out._data[i] = UnsignedByte(~_data[i]);
            return out;
        }
        BitVector<size> operator!() const { return operator~(); }

        BitVector<size>& operator&=(const BitVector<size>& other) {
            for(std::size_t i = 0; i != DataSize; ++i) _data[i] &= other._data[i];
            return *this;
        }
        BitVector<size> operator&(const BitVector<size>& other) const { return BitVector<size>(*this) &= other; }
        BitVector<size> operator&&(const BitVector<size>& other) const { return BitVector<size>(*this) &= other; }

        BitVector<size>& operator|=(const BitVector<size>& other) {
            for(std::size_t i = 0; i != DataSize; ++i) _data[i] |= other._data[i];
            return *this;
        }
        BitVector<size> operator|(const BitVector<size>& other) const { return BitVector<size>(*this) |= other; }
        BitVector<size> operator||(const BitVector<size>& other) const { return BitVector<size>(*this) |= other; }

        BitVector<size>& operator^=(const BitVector<size>& other) {
            for(std::size_t i = 0; i != DataSize; ++i) _data[i] ^= other._data[i];
            return *this;
        }
        BitVector<size> operator^(const BitVector<size>& other) const { return BitVector<size>(*this) ^= other; }

    private:
        template<std::size_t ...sequence> constexpr explicit BitVector(Corrade::Containers::Implementation::Sequence<sequence...>, UnsignedByte value) noexcept: _data{Implementation::repeat(value, sequence)...} {}

        UnsignedByte _data[DataSize];
};

/** Print as comma-separated binary literals, matching construction order */
template<std::size_t size> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const BitVector<size>& value) {
    using Corrade::Utility::Debug;
    debug << "BitVector(0b" << Debug::nospace;
    for(std::size_t byte = 0; byte != BitVector<size>::DataSize - 1; ++byte) {
        for(std::size_t i = 0; i != 8; ++i)
            debug << (((value.data()[byte] >> (7 - i)) & 1) ? "1" : "0") << Debug::nospace;
        debug << ", 0b" << Debug::nospace;
    }
    constexpr std::size_t lastBits = size%8 ? size%8 : 8;
    for(std::size_t i = 0; i != lastBits; ++i)
        debug << (((value.data()[BitVector<size>::DataSize - 1] >> (lastBits - i - 1)) & 1) ? "1" : "0") << Debug::nospace;
    return debug << ")";
}

}}

#endif
