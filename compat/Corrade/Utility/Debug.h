#ifndef Corrade_Utility_Debug_h
#define Corrade_Utility_Debug_h
/* Debug, warning and error output streams */

#include <iosfwd>
#include <type_traits>

#include "Corrade/Containers/Containers.h"
#include "Corrade/Containers/EnumSet.h"
#include "Corrade/Utility/Utility.h"

namespace Corrade { namespace Utility {

/** Debug output handler */
class Debug {
    public:
        /** Output flag */
        enum class Flag: unsigned char {
            NoNewlineAtTheEnd = 1 << 0, /**< Don't put a newline at the end */
            DisableColors = 1 << 1,     /**< Disable colored output */
            NoSpace = 1 << 2,           /**< Don't put spaces between values */
            Packed = 1 << 3,            /**< Print complex values in a compact form */
            Color = 1 << 4,             /**< Print colors as colored squares */
            Hex = 1 << 7                /**< Print integers in hexadecimal */
        };

        /** Output flags */
        typedef Containers::EnumSet<Flag> Flags;

        /** Debug output modifier */
        typedef void(*Modifier)(Debug&);

        /** Don't put a space before the next value */
        static void nospace(Debug& debug);
        /** Print a newline and no space before the next value */
        static void newline(Debug& debug);
        /** Print a space and no space before the next value */
        static void space(Debug& debug);
        /** Print the next value in a packed form */
        static void packed(Debug& debug);
        /** Print the next integer in hexadecimal */
        static void hex(Debug& debug);

        /** Current global debug output */
        static std::ostream* output();
        /** Default debug output, @ref std::cout */
        static std::ostream* defaultOutput();
        /** Whether the output is a TTY; always false here */
        static bool isTty(std::ostream* output);
        /** Whether the current output is a TTY; always false here */
        static bool isTty();

        /** Print to the current global debug output */
        explicit Debug(Flags flags = {});
        /** Print to @p output and redirect the global debug output there for the lifetime of the instance */
        explicit Debug(std::ostream* output, Flags flags = {});

        Debug(const Debug&) = delete;
        Debug(Debug&&) = delete;
        Debug& operator=(const Debug&) = delete;
        Debug& operator=(Debug&&) = delete;

        /** Prints a newline if anything was printed, restores the previous global output */
        ~Debug();

        /** Flags applied to every value */
        Flags flags() const { return _flags; }
        /** Set flags applied to every value */
        void setFlags(Flags flags) { _flags = flags; }
        /** Flags applied to the next value only */
        Flags immediateFlags() const { return _immediateFlags|_flags; }
        /** Set flags applied to the next value only */
        void setImmediateFlags(Flags flags) { _immediateFlags = flags; }

        Debug& operator<<(Modifier f) { f(*this); return *this; }

        Debug& operator<<(const char* value);
        Debug& operator<<(Containers::StringView value);
        Debug& operator<<(Containers::MutableStringView value);
        Debug& operator<<(const Containers::String& value);
        Debug& operator<<(const void* value);
        Debug& operator<<(std::nullptr_t);
        Debug& operator<<(bool value);
        Debug& operator<<(char value);
        /** Printed as a number, or as a grayscale square with Flag::Color */
        Debug& operator<<(unsigned char value);
        Debug& operator<<(int value);
        Debug& operator<<(unsigned int value);
        Debug& operator<<(long value);
        Debug& operator<<(unsigned long value);
        Debug& operator<<(long long value);
        Debug& operator<<(unsigned long long value);
        Debug& operator<<(float value);
        Debug& operator<<(double value);
        Debug& operator<<(long double value);
        Debug& operator<<(char32_t value);

    protected:
        explicit Debug(std::ostream** globalOutput, std::ostream* output, Flags flags, bool redirect);

    private:
        template<class T> Debug& printInteger(T value);
        Debug& printRaw(const char* data, std::size_t size);
        void prepareValue();

        std::ostream** _globalOutput;
        std::ostream* _output;
        std::ostream* _previousGlobalOutput;
        Flags _flags, _immediateFlags;
        bool _valueWritten{};
};

CORRADE_ENUMSET_OPERATORS(Debug::Flags)

/** Warning output handler */
class Warning: public Debug {
    public:
        /** Current global warning output */
        static std::ostream* output();
        /** Default warning output, @ref std::cerr */
        static std::ostream* defaultOutput();

        /** Print to the current global warning output */
        explicit Warning(Flags flags = {});
        /** Print to @p output and redirect the global warning output there for the lifetime of the instance */
        explicit Warning(std::ostream* output, Flags flags = {});
};

/** Error output handler */
class Error: public Debug {
    public:
        /** Current global error output */
        static std::ostream* output();
        /** Default error output, @ref std::cerr */
        static std::ostream* defaultOutput();

        /** Print to the current global error output */
        explicit Error(Flags flags = {});
        /** Print to @p output and redirect the global error output there for the lifetime of the instance */
        explicit Error(std::ostream* output, Flags flags = {});
};

/** Error output that aborts the program at the end */
class Fatal: public Error {
    public:
        /** Print to the current global error output, exit with @p exitCode after */
        explicit Fatal(int exitCode = 1, Flags flags = {});
        /** Print to @p output, exit with @p exitCode after */
        explicit Fatal(std::ostream* output, int exitCode = 1, Flags flags = {});
        [[noreturn]] ~Fatal();

    private:
        int _exitCode;
};

/* Lets temporaries use free printing operators as well */
template<class T> inline Debug& operator<<(Debug&& debug, const T& value) {
    return debug << value;
}

/** Print a debug flag */
Debug& operator<<(Debug& debug, Debug::Flag value);
/** Print debug flags */
Debug& operator<<(Debug& debug, Debug::Flags value);

namespace Implementation {
    template<class T> struct IsStringLike: std::false_type {};
    template<> struct IsStringLike<Containers::String>: std::true_type {};
    template<class T> struct IsStringLike<Containers::BasicStringView<T>>: std::true_type {};

    template<class T> class IsIterable {
        template<class U> static char check(decltype(std::declval<const U&>().begin())*, decltype(std::declval<const U&>().end())*);
        template<class> static short check(...);
        template<class U> static char checkCStr(decltype(std::declval<const U&>().c_str())*);
        template<class> static short checkCStr(...);
        public:
            enum: bool { value = sizeof(check<T>(nullptr, nullptr)) == sizeof(char) &&
                !IsStringLike<T>::value &&
                sizeof(checkCStr<T>(nullptr)) != sizeof(char) };
    };
}

/** Print an iterable container as {a, b, c} */
template<class Iterable, typename std::enable_if<Implementation::IsIterable<Iterable>::value, int>::type = 0> Debug& operator<<(Debug& debug, const Iterable& value) {
    debug << "{" << Debug::nospace;
    bool first = true;
    for(const auto& i: value) {
        if(!first) debug << Debug::nospace << ",";
        first = false;
        debug << i;
    }
    return debug << Debug::nospace << "}";
}

}}

#endif
