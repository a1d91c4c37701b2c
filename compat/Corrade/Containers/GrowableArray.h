#ifndef Corrade_Containers_GrowableArray_h
#define Corrade_Containers_GrowableArray_h
/* Growable arrays: capacity kept in front of the data, recognized by the deleter */

#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>

#include "Corrade/Containers/Array.h"

namespace Corrade { namespace Containers {

namespace Implementation {
    template<class T> constexpr std::size_t allocationOffset() {
        return alignof(T) > sizeof(std::size_t) ? alignof(T) : sizeof(std::size_t);
    }

    /* Grow geometrically so appends are amortized O(1) */
    template<class T> std::size_t growCapacity(std::size_t current, std::size_t desired) {
        const std::size_t currentBytes = current*sizeof(T) + allocationOffset<T>();
        std::size_t grownBytes;
        if(currentBytes < 64) grownBytes = 64;
        else if(currentBytes < 65536) grownBytes = currentBytes*2;
        else grownBytes = currentBytes + currentBytes/2;
        const std::size_t grown = (grownBytes - allocationOffset<T>())/sizeof(T);
        return grown > desired ? grown : desired;
    }
}

/** Growable allocator using operator new, for any type */
template<class T> struct ArrayNewAllocator {
    typedef T Type;

    enum: std::size_t { AllocationOffset = Implementation::allocationOffset<T>() };

    /** Allocate without constructing anything */
    static T* allocate(std::size_t capacity) {
        char* const memory = new char[capacity*sizeof(T) + AllocationOffset];
        reinterpret_cast<std::size_t*>(memory)[0] = capacity;
        return reinterpret_cast<T*>(memory + AllocationOffset);
    }

    /** Move @p prevSize items into a new allocation of @p newCapacity */
    static void reallocate(T*& array, std::size_t prevSize, std::size_t newCapacity) {
        T* const newArray = allocate(newCapacity);
        for(std::size_t i = 0; i != prevSize; ++i) {
            new(newArray + i) T{static_cast<T&&>(array[i])};
            array[i].~T();
        }
        deallocate(array);
        array = newArray;
    }

    /** Free memory without destructing anything */
    static void deallocate(T* data) {
        if(data) delete[] (reinterpret_cast<char*>(data) - AllocationOffset);
    }

    static std::size_t grow(T* array, std::size_t desired) {
        return Implementation::growCapacity<T>(array ? capacity(array) : 0, desired);
    }

    static std::size_t capacity(T* array) {
        return reinterpret_cast<const std::size_t*>(reinterpret_cast<const char*>(array) - AllocationOffset)[0];
    }

    static void* base(T* array) { return reinterpret_cast<char*>(array) - AllocationOffset; }

    /** Deleter that identifies arrays made by this allocator */
    static void deleter(T* data, std::size_t size) {
        for(std::size_t i = 0; i != size; ++i) data[i].~T();
        deallocate(data);
    }
};

/** Growable allocator using malloc and realloc, for trivially copyable types */
template<class T> struct ArrayMallocAllocator {
    static_assert(std::is_trivially_copyable<T>::value, "only trivially copyable types are usable with this allocator");

    typedef T Type;

    enum: std::size_t { AllocationOffset = Implementation::allocationOffset<T>() };

    static T* allocate(std::size_t capacity) {
        const std::size_t bytes = capacity*sizeof(T) + AllocationOffset;
        char* const memory = static_cast<char*>(std::malloc(bytes ? bytes : 1));
        CORRADE_INTERNAL_ASSERT(memory);
        reinterpret_cast<std::size_t*>(memory)[0] = capacity;
        return reinterpret_cast<T*>(memory + AllocationOffset);
    }

    static void reallocate(T*& array, std::size_t, std::size_t newCapacity) {
        char* const memory = static_cast<char*>(std::realloc(reinterpret_cast<char*>(array) - AllocationOffset, newCapacity*sizeof(T) + AllocationOffset));
        CORRADE_INTERNAL_ASSERT(memory);
        reinterpret_cast<std::size_t*>(memory)[0] = newCapacity;
        array = reinterpret_cast<T*>(memory + AllocationOffset);
    }

    static void deallocate(T* data) {
        if(data) std::free(reinterpret_cast<char*>(data) - AllocationOffset);
    }

    static std::size_t grow(T* array, std::size_t desired) {
        return Implementation::growCapacity<T>(array ? capacity(array) : 0, desired);
    }

    static std::size_t capacity(T* array) {
        return reinterpret_cast<const std::size_t*>(reinterpret_cast<const char*>(array) - AllocationOffset)[0];
    }

    static void* base(T* array) { return reinterpret_cast<char*>(array) - AllocationOffset; }

    static void deleter(T* data, std::size_t) { deallocate(data); }
};

/** Default growable allocator for @p T */
template<class T> struct ArrayAllocator: std::conditional<std::is_trivially_copyable<T>::value, ArrayMallocAllocator<T>, ArrayNewAllocator<T>>::type {};

namespace Implementation {
    template<class T, class Allocator> bool isGrowable(const Array<T>& array) {
        return array.deleter() == Allocator::deleter;
    }

    /* Whether @p value lies in the memory of @p array, up to its capacity */
    template<class T, class Allocator> bool isInsideCapacity(Array<T>& array, const T* value) {
        const std::size_t capacity = isGrowable<T, Allocator>(array) ? Allocator::capacity(array.data()) : array.size();
        return (reinterpret_cast<std::size_t>(value) - reinterpret_cast<std::size_t>(array.data()))/sizeof(T) < capacity;
    }

    template<class T> void swap(Array<T>& a, Array<T>& b) {
        Array<T> tmp = static_cast<Array<T>&&>(a);
        a = static_cast<Array<T>&&>(b);
        b = static_cast<Array<T>&&>(tmp);
    }

    template<class T> inline void moveConstruct(T* dst, T* src, std::size_t count) {
        if(std::is_trivially_copyable<T>::value) {
            if(count) std::memcpy(static_cast<void*>(dst), static_cast<const void*>(src), count*sizeof(T));
        } else for(std::size_t i = 0; i != count; ++i)
            new(dst + i) T{static_cast<T&&>(src[i])};
    }

    /* Makes sure the array is growable with room for @p capacity items,
       moving the items into a new allocation if it isn't */
    template<class T, class Allocator> void ensureCapacity(Array<T>& array, std::size_t capacity, bool exact) {
        const std::size_t size = array.size();
        if(isGrowable<T, Allocator>(array)) {
            if(Allocator::capacity(array.data()) >= capacity) return;
            T* data = array.release();
            Allocator::reallocate(data, size, exact ? capacity : Allocator::grow(data, capacity));
            array = Array<T>{data, size, Allocator::deleter};
        } else {
            T* const newData = Allocator::allocate(exact || !size ? capacity : Allocator::grow(nullptr, capacity));
            moveConstruct(newData, array.data(), size);
            /* The old array calls its own deleter on destruction, once */
            Array<T> newArray{newData, size, Allocator::deleter};
            swap(array, newArray);
        }
    }

    /* Grows the size by @p count, leaving the new items unconstructed */
    template<class T, class Allocator> T* growBy(Array<T>& array, std::size_t count) {
        const std::size_t size = array.size();
        if(!count) return array.data() + size;
        if(!isGrowable<T, Allocator>(array) || Allocator::capacity(array.data()) < size + count)
            ensureCapacity<T, Allocator>(array, size + count, false);
        T* const data = array.release();
        array = Array<T>{data, size + count, Allocator::deleter};
        return data + size;
    }

    /* Sets the size of a growable array without touching any item */
    template<class T, class Allocator> void setSize(Array<T>& array, std::size_t size) {
        T* const data = array.release();
        array = Array<T>{data, size, Allocator::deleter};
    }
}

/** Whether the array was made by @p Allocator */
template<class T, class Allocator = ArrayAllocator<T>> bool arrayIsGrowable(Array<T>& array) {
    return Implementation::isGrowable<T, Allocator>(array);
}
template<template<class> class Allocator, class T> bool arrayIsGrowable(Array<T>& array) {
    return arrayIsGrowable<T, Allocator<T>>(array);
}

/** Capacity of the array; its size for arrays not made by @p Allocator */
template<class T, class Allocator = ArrayAllocator<T>> std::size_t arrayCapacity(Array<T>& array) {
    return Implementation::isGrowable<T, Allocator>(array) ? Allocator::capacity(array.data()) : array.size();
}
template<template<class> class Allocator, class T> std::size_t arrayCapacity(Array<T>& array) {
    return arrayCapacity<T, Allocator<T>>(array);
}

/** Reserve room for @p capacity items, returns the new capacity */
template<class T, class Allocator = ArrayAllocator<T>> std::size_t arrayReserve(Array<T>& array, std::size_t capacity) {
    const std::size_t current = arrayCapacity<T, Allocator>(array);
    if(current >= capacity) return current;
    Implementation::ensureCapacity<T, Allocator>(array, capacity, true);
    return capacity;
}
template<template<class> class Allocator, class T> std::size_t arrayReserve(Array<T>& array, std::size_t capacity) {
    return arrayReserve<T, Allocator<T>>(array, capacity);
}

/** Resize, leaving new items uninitialized */
template<class T, class Allocator = ArrayAllocator<T>> void arrayResize(Array<T>& array, NoInitT, std::size_t size) {
    const std::size_t oldSize = array.size();
    if(oldSize == size) return;
    if(!Implementation::isGrowable<T, Allocator>(array)) {
        T* const newData = Allocator::allocate(size);
        Implementation::moveConstruct(newData, array.data(), oldSize < size ? oldSize : size);
        Array<T> newArray{newData, size, Allocator::deleter};
        Implementation::swap(array, newArray);
        return;
    }
    if(size > oldSize) {
        if(Allocator::capacity(array.data()) < size)
            Implementation::ensureCapacity<T, Allocator>(array, size, true);
    } else {
        for(T *it = array.data() + size, *end = array.data() + oldSize; it != end; ++it) it->~T();
    }
    Implementation::setSize<T, Allocator>(array, size);
}
template<template<class> class Allocator, class T> void arrayResize(Array<T>& array, NoInitT, std::size_t size) {
    arrayResize<T, Allocator<T>>(array, NoInit, size);
}

/** Resize, default-initializing new items */
template<class T, class Allocator = ArrayAllocator<T>> void arrayResize(Array<T>& array, DefaultInitT, std::size_t size) {
    const std::size_t oldSize = array.size();
    arrayResize<T, Allocator>(array, NoInit, size);
    for(std::size_t i = oldSize; i < size; ++i) new(array.data() + i) T;
}
template<template<class> class Allocator, class T> void arrayResize(Array<T>& array, DefaultInitT, std::size_t size) {
    arrayResize<T, Allocator<T>>(array, DefaultInit, size);
}

/** Resize, value-initializing new items */
template<class T, class Allocator = ArrayAllocator<T>> void arrayResize(Array<T>& array, ValueInitT, std::size_t size) {
    const std::size_t oldSize = array.size();
    arrayResize<T, Allocator>(array, NoInit, size);
    if(std::is_trivial<T>::value) {
        if(size > oldSize) std::memset(static_cast<void*>(array.data() + oldSize), 0, (size - oldSize)*sizeof(T));
    } else for(std::size_t i = oldSize; i < size; ++i) new(array.data() + i) T();
}
template<template<class> class Allocator, class T> void arrayResize(Array<T>& array, ValueInitT, std::size_t size) {
    arrayResize<T, Allocator<T>>(array, ValueInit, size);
}

/** Resize, value-initializing new items */
template<class T, class Allocator = ArrayAllocator<T>> void arrayResize(Array<T>& array, std::size_t size) {
    arrayResize<T, Allocator>(array, ValueInit, size);
}
template<template<class> class Allocator, class T> void arrayResize(Array<T>& array, std::size_t size) {
    arrayResize<T, Allocator<T>>(array, ValueInit, size);
}

/** Resize, constructing new items from @p args */
template<class T, class Allocator = ArrayAllocator<T>, class ...Args> void arrayResize(Array<T>& array, DirectInitT, std::size_t size, Args&&... args) {
    const std::size_t oldSize = array.size();
    arrayResize<T, Allocator>(array, NoInit, size);
    for(std::size_t i = oldSize; i < size; ++i) new(array.data() + i) T{args...};
}
template<template<class> class Allocator, class T, class ...Args> void arrayResize(Array<T>& array, DirectInitT, std::size_t size, Args&&... args) {
    arrayResize<T, Allocator<T>>(array, DirectInit, size, static_cast<Args&&>(args)...);
}

/** Append a copy of @p value */
template<class T, class Allocator = ArrayAllocator<T>> T& arrayAppend(Array<T>& array, const typename std::common_type<T>::type& value) {
    CORRADE_DEBUG_ASSERT(!(Implementation::isInsideCapacity<T, Allocator>(array, &value)),
        "Containers::arrayAppend(): use the list variant to append values from within the array itself", *array.data());
    T copy = value;
    T* const it = Implementation::growBy<T, Allocator>(array, 1);
    new(it) T{static_cast<T&&>(copy)};
    return *it;
}
template<template<class> class Allocator, class T> T& arrayAppend(Array<T>& array, const typename std::common_type<T>::type& value) {
    return arrayAppend<T, Allocator<T>>(array, value);
}

/** Append @p value by moving it */
template<class T, class Allocator = ArrayAllocator<T>> T& arrayAppend(Array<T>& array, typename std::common_type<T>::type&& value) {
    CORRADE_DEBUG_ASSERT(!(Implementation::isInsideCapacity<T, Allocator>(array, &value)),
        "Containers::arrayAppend(): use the list variant to append values from within the array itself", *array.data());
    T moved = static_cast<T&&>(value);
    T* const it = Implementation::growBy<T, Allocator>(array, 1);
    new(it) T{static_cast<T&&>(moved)};
    return *it;
}
template<template<class> class Allocator, class T> T& arrayAppend(Array<T>& array, typename std::common_type<T>::type&& value) {
    return arrayAppend<T, Allocator<T>>(array, static_cast<T&&>(value));
}

/** Append an item constructed in place */
template<class T, class Allocator = ArrayAllocator<T>, class ...Args> T& arrayAppend(Array<T>& array, InPlaceInitT, Args&&... args) {
    T value{static_cast<Args&&>(args)...};
    T* const it = Implementation::growBy<T, Allocator>(array, 1);
    new(it) T{static_cast<T&&>(value)};
    return *it;
}
template<template<class> class Allocator, class T, class ...Args> T& arrayAppend(Array<T>& array, InPlaceInitT, Args&&... args) {
    return arrayAppend<T, Allocator<T>>(array, InPlaceInit, static_cast<Args&&>(args)...);
}

/** Append copies of a list of values */
template<class T, class Allocator = ArrayAllocator<T>> ArrayView<T> arrayAppend(Array<T>& array, typename std::common_type<ArrayView<const T>>::type values) {
    const std::size_t count = values.size();
    if(!count) return {array.data() + array.size(), 0};
    /* The values may alias the array itself, remember where they were */
    const T* const oldData = array.data();
    const bool aliases = values.data() >= oldData && values.data() < oldData + array.size();
    const std::size_t offset = aliases ? std::size_t(values.data() - oldData) : 0;
    T* const it = Implementation::growBy<T, Allocator>(array, count);
    const T* const src = aliases ? array.data() + offset : values.data();
    for(std::size_t i = 0; i != count; ++i) new(it + i) T{src[i]};
    return {it, count};
}
template<template<class> class Allocator, class T> ArrayView<T> arrayAppend(Array<T>& array, typename std::common_type<ArrayView<const T>>::type values) {
    return arrayAppend<T, Allocator<T>>(array, values);
}

/** Append copies of a list of values */
template<class T, class Allocator = ArrayAllocator<T>> ArrayView<T> arrayAppend(Array<T>& array, std::initializer_list<typename std::common_type<T>::type> values) {
    return arrayAppend<T, Allocator>(array, arrayView(values));
}
template<template<class> class Allocator, class T> ArrayView<T> arrayAppend(Array<T>& array, std::initializer_list<typename std::common_type<T>::type> values) {
    return arrayAppend<T, Allocator<T>>(array, arrayView(values));
}

/** Append @p count uninitialized items */
template<class T, class Allocator = ArrayAllocator<T>> ArrayView<T> arrayAppend(Array<T>& array, NoInitT, std::size_t count) {
    T* const it = Implementation::growBy<T, Allocator>(array, count);
    return {it, count};
}
template<template<class> class Allocator, class T> ArrayView<T> arrayAppend(Array<T>& array, NoInitT, std::size_t count) {
    return arrayAppend<T, Allocator<T>>(array, NoInit, count);
}

/** Append @p count value-initialized items */
template<class T, class Allocator = ArrayAllocator<T>> ArrayView<T> arrayAppend(Array<T>& array, ValueInitT, std::size_t count) {
    T* const it = Implementation::growBy<T, Allocator>(array, count);
    for(std::size_t i = 0; i != count; ++i) new(it + i) T();
    return {it, count};
}
template<template<class> class Allocator, class T> ArrayView<T> arrayAppend(Array<T>& array, ValueInitT, std::size_t count) {
    return arrayAppend<T, Allocator<T>>(array, ValueInit, count);
}

/** Insert a copy of @p value at @p index */
template<class T, class Allocator = ArrayAllocator<T>> T& arrayInsert(Array<T>& array, std::size_t index, const typename std::common_type<T>::type& value) {
    CORRADE_DEBUG_ASSERT(index <= array.size(), "Containers::arrayInsert(): can't insert at index" << index << "into an array of size" << array.size(), array[0]);
    CORRADE_DEBUG_ASSERT(!(Implementation::isInsideCapacity<T, Allocator>(array, &value)),
        "Containers::arrayInsert(): use the list variant to insert values from within the array itself", *array.data());
    T copy = value;
    const std::size_t oldSize = array.size();
    Implementation::growBy<T, Allocator>(array, 1);
    T* const data = array.data();
    for(std::size_t i = oldSize; i > index; --i) {
        new(data + i) T{static_cast<T&&>(data[i - 1])};
        data[i - 1].~T();
    }
    new(data + index) T{static_cast<T&&>(copy)};
    return data[index];
}
template<template<class> class Allocator, class T> T& arrayInsert(Array<T>& array, std::size_t index, const typename std::common_type<T>::type& value) {
    return arrayInsert<T, Allocator<T>>(array, index, value);
}

/** Remove @p count items at @p index, keeping the order */
template<class T, class Allocator = ArrayAllocator<T>> void arrayRemove(Array<T>& array, std::size_t index, std::size_t count = 1) {
    CORRADE_DEBUG_ASSERT(index + count <= array.size(), "Containers::arrayRemove(): can't remove" << count << "elements at index" << index << "from an array of size" << array.size(), );
    if(!count) return;
    const std::size_t size = array.size();
    if(!Implementation::isGrowable<T, Allocator>(array)) {
        T* const newData = Allocator::allocate(size - count);
        Implementation::moveConstruct(newData, array.data(), index);
        Implementation::moveConstruct(newData + index, array.data() + index + count, size - index - count);
        Array<T> newArray{newData, size - count, Allocator::deleter};
        Implementation::swap(array, newArray);
        return;
    }
    T* const data = array.data();
    for(std::size_t i = index; i + count < size; ++i) data[i] = static_cast<T&&>(data[i + count]);
    for(std::size_t i = size - count; i != size; ++i) data[i].~T();
    Implementation::setSize<T, Allocator>(array, size - count);
}
template<template<class> class Allocator, class T> void arrayRemove(Array<T>& array, std::size_t index, std::size_t count = 1) {
    arrayRemove<T, Allocator<T>>(array, index, count);
}

/** Remove @p count items at @p index, moving the last items into their place */
template<class T, class Allocator = ArrayAllocator<T>> void arrayRemoveUnordered(Array<T>& array, std::size_t index, std::size_t count = 1) {
    CORRADE_DEBUG_ASSERT(index + count <= array.size(), "Containers::arrayRemoveUnordered(): can't remove" << count << "elements at index" << index << "from an array of size" << array.size(), );
    /* A non-growable array gets reallocated anyway, which keeps the order */
    if(!Implementation::isGrowable<T, Allocator>(array))
        return arrayRemove<T, Allocator>(array, index, count);
    const std::size_t size = array.size();
    const std::size_t moveCount = size - index - count < count ? size - index - count : count;
    T* const data = array.data();
    for(std::size_t i = 0; i != moveCount; ++i) data[index + i] = static_cast<T&&>(data[size - moveCount + i]);
    arrayRemove<T, Allocator>(array, size - count, count);
}

/** Remove the last @p count items */
template<class T, class Allocator = ArrayAllocator<T>> void arrayRemoveSuffix(Array<T>& array, std::size_t count = 1) {
    CORRADE_DEBUG_ASSERT(count <= array.size(), "Containers::arrayRemoveSuffix(): can't remove" << count << "elements from an array of size" << array.size(), );
    arrayRemove<T, Allocator>(array, array.size() - count, count);
}
template<template<class> class Allocator, class T> void arrayRemoveSuffix(Array<T>& array, std::size_t count = 1) {
    arrayRemoveSuffix<T, Allocator<T>>(array, count);
}

/** Convert a growable array back to a default-allocated one of the exact size */
template<class T, class Allocator = ArrayAllocator<T>> void arrayShrink(Array<T>& array, NoInitT = NoInit) {
    if(!Implementation::isGrowable<T, Allocator>(array)) return;
    Array<T> newArray{NoInit, array.size()};
    Implementation::moveConstruct(newArray.data(), array.data(), array.size());
    Implementation::swap(array, newArray);
}
template<template<class> class Allocator, class T> void arrayShrink(Array<T>& array, NoInitT = NoInit) {
    arrayShrink<T, Allocator<T>>(array, NoInit);
}

/** Convert a growable array back to a default-allocated one of the exact size */
template<class T, class Allocator = ArrayAllocator<T>> void arrayShrink(Array<T>& array, DefaultInitT) {
    if(!Implementation::isGrowable<T, Allocator>(array)) return;
    Array<T> newArray{DefaultInit, array.size()};
    for(std::size_t i = 0; i != array.size(); ++i) newArray[i] = static_cast<T&&>(array[i]);
    Implementation::swap(array, newArray);
}

}}

#endif
