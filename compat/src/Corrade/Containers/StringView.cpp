#include "Corrade/Containers/StringView.h"

#include <cstring>

#include "Corrade/Containers/Array.h"
#include "Corrade/Containers/ArrayView.h"

namespace Corrade { namespace Containers {

template<class T> BasicStringView<T>::BasicStringView(T* const data, const StringViewFlags extraFlags) noexcept: BasicStringView{data, data ? std::strlen(data) : 0, (data ? StringViewFlag::NullTerminated : StringViewFlag::Global)|extraFlags} {}

template<class T> BasicStringView<T>::BasicStringView(const ArrayView<T> view, const StringViewFlags flags) noexcept: BasicStringView{view.data(), view.size(), flags} {}

template<class T> BasicStringView<T>::operator ArrayView<T>() const noexcept {
    return {_data, size()};
}

template<class T> BasicStringView<T>::operator ArrayView<typename std::conditional<std::is_const<T>::value, const void, void>::type>() const noexcept {
    return {_data, size()};
}

template<class T> bool BasicStringView<T>::hasPrefix(const BasicStringView<const T> prefix) const {
    return prefix.size() <= size() && (!prefix.size() || std::memcmp(_data, prefix.data(), prefix.size()) == 0);
}

template<class T> bool BasicStringView<T>::hasSuffix(const BasicStringView<const T> suffix) const {
    return suffix.size() <= size() && (!suffix.size() || std::memcmp(_data + size() - suffix.size(), suffix.data(), suffix.size()) == 0);
}

template<class T> BasicStringView<T> BasicStringView<T>::find(const BasicStringView<const T> substring) const {
    const std::size_t size = this->size(), subSize = substring.size();
    /* A view without data has nothing to find, not even an empty string */
    if(_data && subSize <= size) for(std::size_t i = 0; i + subSize <= size; ++i)
        if(!subSize || std::memcmp(_data + i, substring.data(), subSize) == 0) return slice(i, i + subSize);
    return notFound();
}

template<class T> BasicStringView<T> BasicStringView<T>::findLast(const BasicStringView<const T> substring) const {
    const std::size_t size = this->size(), subSize = substring.size();
    if(_data && subSize <= size) for(std::size_t i = size - subSize + 1; i != 0; --i)
        if(!subSize || std::memcmp(_data + i - 1, substring.data(), subSize) == 0) return slice(i - 1, i - 1 + subSize);
    return notFound();
}

template<class T> Array<BasicStringView<T>> BasicStringView<T>::split(const char delimiter) const {
    Array<BasicStringView<T>> out;
    std::size_t count = 1;
    const std::size_t size = this->size();
    for(std::size_t i = 0; i != size; ++i) if(_data[i] == delimiter) ++count;
    out = Array<BasicStringView<T>>{NoInit, size ? count : 0};
    if(!size) return out;
    std::size_t begin = 0, o = 0;
    for(std::size_t i = 0; i != size; ++i) if(_data[i] == delimiter) {
        new(&out[o++]) BasicStringView<T>{slice(begin, i)};
        begin = i + 1;
    }
    new(&out[o]) BasicStringView<T>{slice(begin, size)};
    return out;
}

template<class T> Array<BasicStringView<T>> BasicStringView<T>::splitWithoutEmptyParts(const char delimiter) const {
    Array<BasicStringView<T>> all = split(delimiter);
    std::size_t count = 0;
    for(const BasicStringView<T>& i: all) if(!i.isEmpty()) ++count;
    Array<BasicStringView<T>> out{NoInit, count};
    std::size_t o = 0;
    for(const BasicStringView<T>& i: all) if(!i.isEmpty()) new(&out[o++]) BasicStringView<T>{i};
    return out;
}

template class BasicStringView<char>;
template class BasicStringView<const char>;

}}
