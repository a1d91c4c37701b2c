#ifndef VelmoraEngine_BitSet_h
#define VelmoraEngine_BitSet_h
/* A growable set of bits that owns its words */

#include <cstddef>
#include <cstdint>

#include <Corrade/Containers/Array.h>

#include "VelmoraEngine/BitSetView.h"

namespace VelmoraEngine {

/** Bits owned in 64-bit words, all clear when added. Movable, not copyable. */
class BitSet: public BitSetView {
    public:
        /** No bits. No preconditions. */
        explicit BitSet() noexcept;

        /** Copying is not allowed */
        BitSet(const BitSet&) = delete;

        /** Takes the bits over, @p other is left with none */
        BitSet(BitSet&& other) noexcept;

        /** Frees the words */
        ~BitSet();

        /** Copying is not allowed */
        BitSet& operator=(const BitSet&) = delete;

        /** Swaps the bits with @p other */
        BitSet& operator=(BitSet&& other) noexcept;

        /** Makes the set @p size bits long: bits below both sizes are kept, added bits are clear. No preconditions. */
        void resize(std::size_t size);

    private:
        Corrade::Containers::Array<std::uint64_t> _storage;
};

}

#endif
