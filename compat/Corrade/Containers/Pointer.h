#ifndef Corrade_Containers_Pointer_h
#define Corrade_Containers_Pointer_h
/* Owning pointer */

#include <type_traits>

#include "Corrade/Tags.h"
#include "Corrade/Utility/DebugAssert.h"
#include "Corrade/Utility/Debug.h"

namespace Corrade { namespace Containers {

/** Lightweight unique pointer */
template<class T> class Pointer {
    public:
        typedef T Type;

        /*implicit*/ Pointer(std::nullptr_t = nullptr) noexcept: _pointer{} {}
        explicit Pointer(T* pointer) noexcept: _pointer{pointer} {}
        template<class ...Args> explicit Pointer(InPlaceInitT, Args&&... args): _pointer{new T{static_cast<Args&&>(args)...}} {}
        template<class U, class = typename std::enable_if<std::is_base_of<T, U>::value>::type> /*implicit*/ Pointer(Pointer<U>&& other) noexcept: _pointer{other.release()} {}

        Pointer(const Pointer<T>&) = delete;
        Pointer(Pointer<T>&& other) noexcept: _pointer{other._pointer} { other._pointer = nullptr; }
        ~Pointer() { delete _pointer; }
        Pointer<T>& operator=(const Pointer<T>&) = delete;
        Pointer<T>& operator=(Pointer<T>&& other) noexcept {
            T* const tmp = _pointer;
            _pointer = other._pointer;
            other._pointer = tmp;
            return *this;
        }

        bool operator==(std::nullptr_t) const { return !_pointer; }
        bool operator!=(std::nullptr_t) const { return _pointer; }
        explicit operator bool() const { return _pointer; }

        T* get() { return _pointer; }
        const T* get() const { return _pointer; }
        T* operator->() {
            CORRADE_DEBUG_ASSERT(_pointer, "Containers::Pointer: the pointer is null", nullptr);
            return _pointer;
        }
        const T* operator->() const {
            CORRADE_DEBUG_ASSERT(_pointer, "Containers::Pointer: the pointer is null", nullptr);
            return _pointer;
        }
        T& operator*() {
            CORRADE_DEBUG_ASSERT(_pointer, "Containers::Pointer: the pointer is null", *_pointer);
            return *_pointer;
        }
        const T& operator*() const {
            CORRADE_DEBUG_ASSERT(_pointer, "Containers::Pointer: the pointer is null", *_pointer);
            return *_pointer;
        }

        /** Replace the pointed-to object */
        void reset(T* pointer = nullptr) {
            delete _pointer;
            _pointer = pointer;
        }
        template<class U = T, class ...Args> U& emplace(Args&&... args) {
            delete _pointer;
            U* const out = new U{static_cast<Args&&>(args)...};
            _pointer = out;
            return *out;
        }
        /** Release ownership */
        T* release() {
            T* const out = _pointer;
            _pointer = nullptr;
            return out;
        }

    private:
        T* _pointer;
};

template<class T> bool operator==(std::nullptr_t, const Pointer<T>& b) { return b == nullptr; }
template<class T> bool operator!=(std::nullptr_t, const Pointer<T>& b) { return b != nullptr; }

/** Make an owning pointer */
template<class T> Pointer<T> pointer(T* pointer) { return Pointer<T>{pointer}; }
template<class T, class ...Args> Pointer<T> pointer(Args&&... args) { return Pointer<T>{InPlaceInit, static_cast<Args&&>(args)...}; }

}}

#endif
