#ifndef VelmoraEngine_BitSetView_h
#define VelmoraEngine_BitSetView_h
/* Bits over 64-bit words owned by someone else */

#include <cstddef>
#include <cstdint>

namespace VelmoraEngine {

/**
 * A view on a fixed number of bits, stored 64 to a word with bit i in word
 * i/64 at position i%64. Bits past the size stay clear in the last word.
 * Only a BitSet hands one out.
 */
class BitSetView {
    public:
        /** Sets bits @p begin to @p end - 1. Expects that @p begin <= @p end <= the bit count. */
        void setRange(std::size_t begin, std::size_t end);

        /** Sets bit @p i. Expects that @p i is less than the bit count. */
        void set(std::size_t i);

        /** Clears bit @p i. Expects that @p i is less than the bit count. */
        void unset(std::size_t i);

        /**
         * Index of the lowest set bit in [@p begin, @p end), with @p end
         * clamped to the bit count; the bit count when there is none. No
         * preconditions.
         */
        std::size_t findFirstSet(std::size_t begin, std::size_t end) const;

    protected:
        explicit BitSetView(std::uint64_t* words, std::size_t size) noexcept: _words{words}, _size{size} {}

        std::uint64_t* _words;
        std::size_t _size;
};

}

#endif
