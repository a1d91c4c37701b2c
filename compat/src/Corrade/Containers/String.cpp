#include "Corrade/Containers/String.h"

#include <cstring>

#include "Corrade/Containers/Array.h"
#include "Corrade/Containers/ArrayView.h"

namespace Corrade { namespace Containers {


namespace {
    int compare(StringView a, StringView b) {
        const std::size_t size = a.size() < b.size() ? a.size() : b.size();
        const int result = size ? std::memcmp(a.data(), b.data(), size) : 0;
        if(result) return result;
        return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
    }
}

bool operator==(StringView a, StringView b) {
    return a.size() == b.size() && (!a.size() || std::memcmp(a.data(), b.data(), a.size()) == 0);
}
bool operator!=(StringView a, StringView b) { return !(a == b); }
bool operator<(StringView a, StringView b) { return compare(a, b) < 0; }
bool operator<=(StringView a, StringView b) { return compare(a, b) <= 0; }
bool operator>(StringView a, StringView b) { return compare(a, b) > 0; }
bool operator>=(StringView a, StringView b) { return compare(a, b) >= 0; }

String operator+(StringView a, StringView b) {
    String out{NoInit, a.size() + b.size()};
    if(a.size()) std::memcpy(out.data(), a.data(), a.size());
    if(b.size()) std::memcpy(out.data() + a.size(), b.data(), b.size());
    return out;
}

namespace {
    void defaultDeleter(char* data, std::size_t) { delete[] data; }
}

String String::nullTerminatedView(StringView view) {
    if(view.flags() & StringViewFlag::NullTerminated) {
        String out{const_cast<char*>(view.data()), view.size(), [](char*, std::size_t) {}};
        return out;
    }
    return String{view};
}

String String::nullTerminatedGlobalView(StringView view) {
    if((view.flags() & StringViewFlag::NullTerminated) && (view.flags() & StringViewFlag::Global))
        return String{const_cast<char*>(view.data()), view.size(), [](char*, std::size_t) {}};
    return String{view};
}

String String::globalView(StringView view) {
    if(view.flags() & StringViewFlag::Global)
        return String{const_cast<char*>(view.data()), view.size(), [](char*, std::size_t) {}};
    return String{view};
}

void String::allocate(const std::size_t size) {
    _size = size;
    if(size < sizeof(_smallData)) {
        _small = true;
        _data = _smallData;
        _deleter = nullptr;
    } else {
        _small = false;
        _data = new char[size + 1];
        _deleter = defaultDeleter;
    }
    _data[size] = '\0';
}

void String::destroy() {
    if(!_small && _deleter) _deleter(_data, _size);
}

String::String() noexcept: _data{_smallData}, _size{0}, _deleter{}, _small{true}, _smallData{} {}

String::String(const char* data, std::size_t size): _smallData{} {
    allocate(size);
    if(size) std::memcpy(_data, data, size);
}

String::String(StringView view): String{view.data(), view.size()} {}
String::String(MutableStringView view): String{view.data(), view.size()} {}
String::String(ArrayView<const char> view): String{view.data(), view.size()} {}
String::String(ArrayView<char> view): String{view.data(), view.size()} {}
String::String(const char* data): String{data, data ? std::strlen(data) : 0} {}

String::String(char* data, std::size_t size, Deleter deleter) noexcept: _data{data}, _size{size}, _deleter{deleter}, _small{false}, _smallData{} {
    CORRADE_ASSERT(data && !data[size], "Containers::String: can only take ownership of a non-null null-terminated array", );
}

String::String(NoInitT, std::size_t size): _smallData{} { allocate(size); }
String::String(ValueInitT, std::size_t size): _smallData{} {
    allocate(size);
    std::memset(_data, 0, size);
}
String::String(DirectInitT, std::size_t count, char c): _smallData{} {
    allocate(count);
    std::memset(_data, c, count);
}

String::String(const String& other): String{other.data(), other.size()} {}

String::String(String&& other) noexcept: _size{other._size}, _deleter{other._deleter}, _small{other._small} {
    if(_small) {
        std::memcpy(_smallData, other._smallData, sizeof(_smallData));
        _data = _smallData;
    } else _data = other._data;
    other._data = other._smallData;
    other._smallData[0] = '\0';
    other._size = 0;
    other._deleter = nullptr;
    other._small = true;
}

String::~String() { destroy(); }

String& String::operator=(const String& other) {
    if(this != &other) {
        String copy{other};
        *this = static_cast<String&&>(copy);
    }
    return *this;
}

String& String::operator=(String&& other) noexcept {
    if(this == &other) return *this;
    destroy();
    new(this) String{static_cast<String&&>(other)};
    return *this;
}

Array<StringView> String::split(const char delimiter) const {
    return StringView{*this}.split(delimiter);
}

String::operator StringView() const noexcept { return {_data, _size, StringViewFlag::NullTerminated}; }
String::operator MutableStringView() noexcept { return {_data, _size, StringViewFlag::NullTerminated}; }
String::operator ArrayView<const char>() const noexcept { return {_data, _size}; }
String::operator ArrayView<char>() noexcept { return {_data, _size}; }

String::operator Array<char>() && {
    Array<char> out{NoInit, _size};
    if(_size) std::memcpy(out.data(), _data, _size);
    *this = String{};
    return out;
}

char* String::release() {
    CORRADE_ASSERT(!_small, "Containers::String::release(): cannot call on a SSO instance", {});
    char* const data = _data;
    _data = _smallData;
    _smallData[0] = '\0';
    _size = 0;
    _deleter = nullptr;
    _small = true;
    return data;
}

}}
