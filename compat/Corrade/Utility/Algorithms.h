#ifndef Corrade_Utility_Algorithms_h
#define Corrade_Utility_Algorithms_h
/* Copying between contiguous and strided views */

#include <initializer_list>
#include <type_traits>

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Containers/StridedArrayView.h"

namespace Corrade { namespace Utility {

namespace Implementation {
    /* Type-erased copy of @p dimensions dimensions of elements of
       @p typeSize bytes, collapsing contiguous trailing dimensions into one
       memcpy */
    void copy(const char* src, char* dst, const std::size_t* size, const std::ptrdiff_t* srcStride, const std::ptrdiff_t* dstStride, unsigned dimensions, std::size_t typeSize);
}

/** Copy a contiguous view to another of the same size */
void copy(const Containers::ArrayView<const void>& src, const Containers::ArrayView<void>& dst);

/** Copy a contiguous view to another of the same size */
template<class T> void copy(const Containers::ArrayView<const T>& src, const Containers::ArrayView<T>& dst) {
    /* Sizes are compared in bytes, and only in debug builds, as close to a
       plain memcpy() as possible */
    copy(Containers::ArrayView<const void>{src}, Containers::ArrayView<void>{dst});
}

/** Copy a list to a view of the same size */
template<class T> void copy(std::initializer_list<T> src, const Containers::ArrayView<T>& dst) {
    copy(Containers::ArrayView<const T>{src.begin(), src.size()}, dst);
}

/** Copy a strided view to another of the same size */
template<unsigned dimensions, class T> void copy(const Containers::StridedArrayView<dimensions, const T>& src, const Containers::StridedArrayView<dimensions, T>& dst) {
    const Containers::Size<dimensions> srcSize = src.size();
    const Containers::Size<dimensions> dstSize = dst.size();
    /* The sizes are reported as of byte views, with the type size as an
       extra last dimension */
    std::size_t srcByteSize[dimensions + 1], dstByteSize[dimensions + 1];
    for(unsigned i = 0; i != dimensions; ++i) {
        srcByteSize[i] = srcSize[i];
        dstByteSize[i] = dstSize[i];
    }
    srcByteSize[dimensions] = dstByteSize[dimensions] = sizeof(T);
    CORRADE_ASSERT(srcSize == dstSize,
        "Utility::copy(): sizes" << Containers::arrayView(srcByteSize) << "and" << Containers::arrayView(dstByteSize) << "don't match", );
    const Containers::Stride<dimensions> srcStride = src.stride();
    const Containers::Stride<dimensions> dstStride = dst.stride();
    Implementation::copy(static_cast<const char*>(src.data()), static_cast<char*>(dst.data()), srcSize.data(), srcStride.data(), dstStride.data(), dimensions, sizeof(T));
}

/** Copy a strided view to another of the same size */
template<unsigned dimensions, class T> void copy(const Containers::StridedArrayView<dimensions, T>& src, const Containers::StridedArrayView<dimensions, T>& dst) {
    copy(Containers::StridedArrayView<dimensions, const T>{src}, dst);
}

/* Lets anything convertible to views be copied, such as arrays */
template<class From, class To, class FromView = decltype(Containers::arrayView(std::declval<const From&>())), class ToView = decltype(Containers::arrayView(std::declval<To&&>())), class = typename std::enable_if<!std::is_same<typename std::decay<From>::type, FromView>::value || !std::is_same<typename std::decay<To>::type, ToView>::value>::type> void copy(const From& src, To&& dst) {
    copy(Containers::ArrayView<const typename ToView::Type>{Containers::arrayView(src)}, Containers::arrayView(static_cast<To&&>(dst)));
}

}}

#endif
