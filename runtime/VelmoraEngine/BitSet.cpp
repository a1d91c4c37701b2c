#include "VelmoraEngine/BitSet.h"

#include <utility>

namespace VelmoraEngine {

using namespace Corrade;

BitSet::BitSet() noexcept: BitSetView{nullptr, 0} {}

BitSet::BitSet(BitSet&& other) noexcept: BitSetView{other._words, other._size}, _storage{std::move(other._storage)} {
    other._words = nullptr;
    other._size = 0;
}

BitSet::~BitSet() = default;

BitSet& BitSet::operator=(BitSet&& other) noexcept {
    using std::swap;
    swap(_storage, other._storage);
    swap(_words, other._words);
    swap(_size, other._size);
    return *this;
}

void BitSet::resize(const std::size_t size) {
    Containers::Array<std::uint64_t> storage{ValueInit, (size + 63)/64};
    const std::size_t kept = storage.size() < _storage.size() ? storage.size() : _storage.size();
    for(std::size_t i = 0; i != kept; ++i) storage[i] = _storage[i];
    /* Bits past the new size are clear, so that a later resize that grows
       doesn't bring them back */
    if(size % 64 && kept == storage.size())
        storage[storage.size() - 1] &= (std::uint64_t{1} << (size % 64)) - 1;

    _storage = std::move(storage);
    _words = _storage.data();
    _size = size;
}

}
