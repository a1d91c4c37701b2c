#include "VelmoraEngine/BitSetView.h"

#include <Corrade/Utility/Assert.h>

namespace VelmoraEngine {

namespace {

constexpr std::size_t WordBits = 64;

/* Bits at and above @p bit of one word; all of them for 0 */
inline std::uint64_t maskFrom(const std::size_t bit) {
    return ~std::uint64_t{} << bit;
}

/* Bits below @p bit of one word; all of them for 64 */
inline std::uint64_t maskBelow(const std::size_t bit) {
    return bit == WordBits ? ~std::uint64_t{} : (std::uint64_t{1} << bit) - 1;
}

}

void BitSetView::setRange(const std::size_t begin, const std::size_t end) {
    CORRADE_ASSERT(begin <= end && end <= _size,
        "BitSetView::setRange(): range from" << begin << "to" << end << "out of range for" << _size << "bits", );
    if(begin == end) return;

    const std::size_t first = begin/WordBits;
    const std::size_t last = (end - 1)/WordBits;
    /* Whole words in the middle, partial ones at the ends */
    if(first == last) {
        _words[first] |= maskFrom(begin%WordBits) & maskBelow(end - last*WordBits);
        return;
    }
    _words[first] |= maskFrom(begin%WordBits);
    for(std::size_t i = first + 1; i != last; ++i) _words[i] = ~std::uint64_t{};
    _words[last] |= maskBelow(end - last*WordBits);
}

void BitSetView::set(const std::size_t i) {
    CORRADE_ASSERT(i < _size,
        "BitSetView::set(): index" << i << "out of range for" << _size << "bits", );
    _words[i/WordBits] |= std::uint64_t{1} << (i%WordBits);
}

void BitSetView::unset(const std::size_t i) {
    CORRADE_ASSERT(i < _size,
        "BitSetView::unset(): index" << i << "out of range for" << _size << "bits", );
    _words[i/WordBits] &= ~(std::uint64_t{1} << (i%WordBits));
}

std::size_t BitSetView::findFirstSet(const std::size_t begin, std::size_t end) const {
    if(end > _size) end = _size;
    if(begin >= end) return _size;

    /* A whole word at a time: the first non-zero word after masking off the
       bits before begin, then its trailing zeros */
    std::size_t word = begin/WordBits;
    std::uint64_t bits = _words[word] & maskFrom(begin%WordBits);
    const std::size_t lastWord = (end - 1)/WordBits;
    while(!bits) {
        if(word == lastWord) return _size;
        bits = _words[++word];
    }
    const std::size_t found = word*WordBits + std::size_t(__builtin_ctzll(bits));
    return found < end ? found : _size;
}

}
