#include "Magnum/Math/PackingBatch.h"

#include <cmath>

#include "Corrade/Containers/StridedArrayView.h"
#include "Corrade/Utility/Assert.h"
#include "Magnum/Math/Packing.h"

namespace Magnum { namespace Math {

namespace {

using Corrade::Containers::StridedArrayView2D;

/* Walks the rows by their stride, the (contiguous) components directly */
template<class T, class U, class F> void forEachRow(const StridedArrayView2D<const T>& src, const StridedArrayView2D<U>& dst, F&& convert) {
    const char* srcRow = static_cast<const char*>(src.data());
    char* dstRow = static_cast<char*>(dst.data());
    const std::size_t rows = src.size()[0];
    const std::size_t components = src.size()[1];
    for(std::size_t i = 0; i != rows; ++i) {
        const T* srcItem = reinterpret_cast<const T*>(srcRow);
        U* dstItem = reinterpret_cast<U*>(dstRow);
        for(std::size_t j = 0; j != components; ++j)
            dstItem[j] = convert(srcItem[j]);
        srcRow += src.stride()[0];
        dstRow += dst.stride()[0];
    }
}

template<class T> void unpackUnsigned(const StridedArrayView2D<const T>& src, const StridedArrayView2D<Float>& dst) {
    CORRADE_ASSERT(src.size() == dst.size(),
        "Math::unpackInto(): wrong destination size, got" << dst.size() << "but expected" << src.size(), );
    CORRADE_ASSERT(src.template isContiguous<1>(),
        "Math::unpackInto(): second source view dimension is not contiguous", );
    CORRADE_ASSERT(dst.isContiguous<1>(),
        "Math::unpackInto(): second destination view dimension is not contiguous", );
    constexpr Float max = Implementation::bitMax<T>();
    forEachRow(src, dst, [](T value) { return value/max; });
}

template<class T> void unpackSigned(const StridedArrayView2D<const T>& src, const StridedArrayView2D<Float>& dst) {
    CORRADE_ASSERT(src.size() == dst.size(),
        "Math::unpackInto(): wrong destination size, got" << dst.size() << "but expected" << src.size(), );
    CORRADE_ASSERT(src.template isContiguous<1>(),
        "Math::unpackInto(): second source view dimension is not contiguous", );
    CORRADE_ASSERT(dst.isContiguous<1>(),
        "Math::unpackInto(): second destination view dimension is not contiguous", );
    constexpr Float max = Implementation::bitMax<T>();
    forEachRow(src, dst, [](T value) {
        const Float out = value/max;
        return out < -1.0f ? -1.0f : out;
    });
}

template<class T> void packImplementation(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<T>& dst) {
    CORRADE_ASSERT(src.size() == dst.size(),
        "Math::packInto(): wrong destination size, got" << dst.size() << "but expected" << src.size(), );
    CORRADE_ASSERT(src.isContiguous<1>(),
        "Math::packInto(): second source view dimension is not contiguous", );
    CORRADE_ASSERT(dst.template isContiguous<1>(),
        "Math::packInto(): second destination view dimension is not contiguous", );
    constexpr Float max = Implementation::bitMax<T>();
    forEachRow(src, dst, [](Float value) { return T(std::round(value*max)); });
}

template<class T, class U> void castImplementation(const StridedArrayView2D<const T>& src, const StridedArrayView2D<U>& dst) {
    CORRADE_ASSERT(src.size() == dst.size(),
        "Math::castInto(): wrong destination size, got" << dst.size() << "but expected" << src.size(), );
    CORRADE_ASSERT(src.template isContiguous<1>(),
        "Math::castInto(): second source view dimension is not contiguous", );
    CORRADE_ASSERT(dst.template isContiguous<1>(),
        "Math::castInto(): second destination view dimension is not contiguous", );
    forEachRow(src, dst, [](T value) { return U(value); });
}

}

void unpackInto(const StridedArrayView2D<const UnsignedByte>& src, const StridedArrayView2D<Float>& dst) { unpackUnsigned(src, dst); }
void unpackInto(const StridedArrayView2D<const UnsignedShort>& src, const StridedArrayView2D<Float>& dst) { unpackUnsigned(src, dst); }
void unpackInto(const StridedArrayView2D<const Byte>& src, const StridedArrayView2D<Float>& dst) { unpackSigned(src, dst); }
void unpackInto(const StridedArrayView2D<const Short>& src, const StridedArrayView2D<Float>& dst) { unpackSigned(src, dst); }

void packInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<UnsignedByte>& dst) { packImplementation(src, dst); }
void packInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<Byte>& dst) { packImplementation(src, dst); }
void packInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<UnsignedShort>& dst) { packImplementation(src, dst); }
void packInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<Short>& dst) { packImplementation(src, dst); }

void castInto(const StridedArrayView2D<const UnsignedByte>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Byte>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedShort>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Short>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedInt>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Int>& src, const StridedArrayView2D<Float>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<UnsignedByte>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<Byte>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<UnsignedShort>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<Short>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<UnsignedInt>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Float>& src, const StridedArrayView2D<Int>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedByte>& src, const StridedArrayView2D<UnsignedInt>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Byte>& src, const StridedArrayView2D<Int>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedShort>& src, const StridedArrayView2D<UnsignedInt>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Short>& src, const StridedArrayView2D<Int>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedInt>& src, const StridedArrayView2D<UnsignedShort>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Int>& src, const StridedArrayView2D<Short>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const UnsignedInt>& src, const StridedArrayView2D<UnsignedByte>& dst) { castImplementation(src, dst); }
void castInto(const StridedArrayView2D<const Int>& src, const StridedArrayView2D<Byte>& dst) { castImplementation(src, dst); }

}}
