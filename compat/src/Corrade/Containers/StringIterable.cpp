#include "Corrade/Containers/StringIterable.h"

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Containers/StridedArrayView.h"
#include "Corrade/Containers/String.h"
#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/DebugAssert.h"

namespace Corrade { namespace Containers {

namespace {

/* One accessor per element type; the context and index are there for
   accessors that need them, these don't */
template<class T> StringView access(const void* data, const void*, std::ptrdiff_t, std::size_t) {
    return StringView{*static_cast<const T*>(data)};
}

}

StringIterable::StringIterable(const std::initializer_list<StringView> list) noexcept: StringIterable{list.begin(), nullptr, list.size(), sizeof(StringView), access<StringView>} {}

StringIterable::StringIterable(const ArrayView<const StringView> view, Contiguous) noexcept: StringIterable{view.data(), nullptr, view.size(), sizeof(StringView), access<StringView>} {}

StringIterable::StringIterable(const ArrayView<const MutableStringView> view, Contiguous) noexcept: StringIterable{view.data(), nullptr, view.size(), sizeof(MutableStringView), access<MutableStringView>} {}

StringIterable::StringIterable(const ArrayView<const String> view, Contiguous) noexcept: StringIterable{view.data(), nullptr, view.size(), sizeof(String), access<String>} {}

StringIterable::StringIterable(const ArrayView<const char* const> view, Contiguous) noexcept: StringIterable{view.data(), nullptr, view.size(), sizeof(const char*), access<const char*>} {}

StringIterable::StringIterable(const StridedArrayView1D<const StringView> view, Strided) noexcept: StringIterable{view.data(), nullptr, view.size(), view.stride(), access<StringView>} {}

StringIterable::StringIterable(const StridedArrayView1D<const MutableStringView> view, Strided) noexcept: StringIterable{view.data(), nullptr, view.size(), view.stride(), access<MutableStringView>} {}

StringIterable::StringIterable(const StridedArrayView1D<const String> view, Strided) noexcept: StringIterable{view.data(), nullptr, view.size(), view.stride(), access<String>} {}

StringIterable::StringIterable(const StridedArrayView1D<const char* const> view, Strided) noexcept: StringIterable{view.data(), nullptr, view.size(), view.stride(), access<const char*>} {}

StringView StringIterable::front() const {
    CORRADE_DEBUG_ASSERT(_size, "Containers::StringIterable::front(): view is empty", {});
    return _accessor(_data, _context, _stride, 0);
}

StringView StringIterable::back() const {
    CORRADE_DEBUG_ASSERT(_size, "Containers::StringIterable::back(): view is empty", {});
    return _accessor(static_cast<const char*>(_data) + std::ptrdiff_t(_size - 1)*_stride, _context, _stride, _size - 1);
}

StringView StringIterable::operator[](const std::size_t i) const {
    CORRADE_DEBUG_ASSERT(i < _size, "Containers::StringIterable::operator[](): index" << i << "out of range for" << _size << "elements", {});
    return _accessor(static_cast<const char*>(_data) + std::ptrdiff_t(i)*_stride, _context, _stride, i);
}

StringView StringIterableIterator::operator*() const {
    return _accessor(_data + std::ptrdiff_t(_i)*_stride, _context, _stride, _i);
}

}}
