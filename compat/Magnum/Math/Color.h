#ifndef Magnum_Math_Color_h
#define Magnum_Math_Color_h
/* Linear RGB and RGBA colors, HSV and sRGB conversion, color literals */

#include <type_traits>

#include "Corrade/Utility/DebugAssert.h"

#include "Magnum/Math/Matrix.h"
#include "Magnum/Math/Packing.h"
#include "Magnum/Math/Vector4.h"

namespace Magnum { namespace Math {

namespace Implementation {

/* 1.0 for floating-point types, the largest value for integers */
template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> constexpr T fullChannel() {
    return T(1.0);
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> constexpr T fullChannel() {
    return bitMax<T>();
}

template<class T> Deg<T> hue(const Color3<T>& color, T max, T delta) {
    const T deltaInv60 = T(60)/delta;
    T hue(0);
    if(delta != T(0)) {
        if(max == color.r())
            hue = (color.g() - color.b())*deltaInv60 + (color.g() < color.b() ? T(360) : T(0));
        else if(max == color.g())
            hue = (color.b() - color.r())*deltaInv60 + T(120);
        else
            hue = (color.r() - color.g())*deltaInv60 + T(240);
    }
    return Deg<T>(hue);
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> Color3<T> fromHsv(ColorHsv<T> hsv) {
    /* Wrap the hue into [0, 360) */
    hsv.hue -= Deg<T>(std::floor(T(hsv.hue)/T(360))*T(360));
    if(hsv.hue < Deg<T>(0)) hsv.hue += Deg<T>(360);

    const int h = int(T(hsv.hue)/T(60)) % 6;
    const T f = T(hsv.hue)/T(60) - h;
    const T p = hsv.value*(T(1) - hsv.saturation);
    const T q = hsv.value*(T(1) - f*hsv.saturation);
    const T t = hsv.value*(T(1) - (T(1) - f)*hsv.saturation);

    switch(h) {
        case 0: return {hsv.value, t, p};
        case 1: return {q, hsv.value, p};
        case 2: return {p, hsv.value, t};
        case 3: return {p, q, hsv.value};
        case 4: return {t, p, hsv.value};
        case 5: return {hsv.value, p, q};
        /* A NaN or an out-of-range hue gets here */
        default: CORRADE_INTERNAL_DEBUG_ASSERT_UNREACHABLE();
    }
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline Color3<T> fromHsv(const ColorHsv<typename TypeTraits<T>::FloatingPointType>& hsv) {
    return pack<Color3<T>>(fromHsv<typename TypeTraits<T>::FloatingPointType>(hsv));
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> inline ColorHsv<T> toHsv(const Color3<T>& color) {
    const T max = color.max();
    const T delta = max - color.min();
    return ColorHsv<T>{hue<T>(color, max, delta), max != T(0) ? delta/max : T(0), max};
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline ColorHsv<typename TypeTraits<T>::FloatingPointType> toHsv(const Color3<T>& color) {
    return toHsv<typename TypeTraits<T>::FloatingPointType>(unpack<Color3<typename TypeTraits<T>::FloatingPointType>>(color));
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> inline Color3<T> fromSrgb(const Vector3<T>& srgb) {
    constexpr const T a(T(0.055));
    return lerp(srgb/T(12.92), pow((srgb + Vector3<T>{a})/(T(1.0) + a), T(2.4)), srgb > Vector3<T>(T(0.04045)));
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline Color3<T> fromSrgb(const Vector3<typename TypeTraits<T>::FloatingPointType>& srgb) {
    return pack<Color3<T>>(fromSrgb<typename TypeTraits<T>::FloatingPointType>(srgb));
}
template<class T, class Integral> inline Color3<T> fromSrgbIntegral(const Vector3<Integral>& srgb) {
    static_assert(IsIntegral<Integral>::value, "only conversion from different integral type is supported");
    return fromSrgb<T>(unpack<Vector3<typename TypeTraits<T>::FloatingPointType>>(srgb));
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> Vector3<T> toSrgb(const Color3<T>& rgb) {
    constexpr const T a = T(0.055);
    return lerp(rgb*T(12.92), (T(1.0) + a)*pow(rgb, T(1.0)/T(2.4)) - Vector3<T>{a}, rgb > Vector3<T>(T(0.0031308)));
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline Vector3<typename TypeTraits<T>::FloatingPointType> toSrgb(const Color3<T>& rgb) {
    return toSrgb<typename TypeTraits<T>::FloatingPointType>(unpack<Color3<typename TypeTraits<T>::FloatingPointType>>(rgb));
}
template<class T, class Integral> inline Vector3<Integral> toSrgbIntegral(const Color3<T>& rgb) {
    static_assert(IsIntegral<Integral>::value, "only conversion from different integral type is supported");
    return pack<Vector3<Integral>>(toSrgb<T>(rgb));
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> inline Color3<T> fromLinearRgbInt(UnsignedInt linear) {
    return {unpack<T>(UnsignedByte(linear >> 16)),
            unpack<T>(UnsignedByte(linear >> 8)),
            unpack<T>(UnsignedByte(linear))};
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline Color3<T> fromLinearRgbInt(UnsignedInt linear) {
    return {pack<T>(unpack<Float>(UnsignedByte(linear >> 16))),
            pack<T>(unpack<Float>(UnsignedByte(linear >> 8))),
            pack<T>(unpack<Float>(UnsignedByte(linear)))};
}
template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> inline UnsignedInt toLinearRgbInt(const Color3<T>& linear) {
    return (pack<UnsignedByte>(linear[0]) << 16) |
           (pack<UnsignedByte>(linear[1]) << 8) |
            pack<UnsignedByte>(linear[2]);
}
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> inline UnsignedInt toLinearRgbInt(const Color3<T>& linear) {
    return (pack<UnsignedByte>(unpack<Float>(linear[0])) << 16) |
           (pack<UnsignedByte>(unpack<Float>(linear[1])) << 8) |
            pack<UnsignedByte>(unpack<Float>(linear[2]));
}

template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> constexpr Color4<T> premultiplied(const Color4<T>& color) {
    return {color.rgb()*color.a(), color.a()};
}
/* Rounded to nearest, the + 0.5 keeps it constexpr */
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> constexpr Color4<T> premultiplied(const Color4<T>& color) {
    typedef typename TypeTraits<T>::FloatingPointType F;
    return {
        T(F(color.r())*color.a()/bitMax<T>() + F(0.5)),
        T(F(color.g())*color.a()/bitMax<T>() + F(0.5)),
        T(F(color.b())*color.a()/bitMax<T>() + F(0.5)),
        color.a()
    };
}
template<class T, typename std::enable_if<IsFloatingPoint<T>::value, int>::type = 0> constexpr Color4<T> unpremultiplied(const Color4<T>& color) {
    return {color.a() == T(0) ? Color3<T>{} : Color3<T>{color.rgb()/color.a()}, color.a()};
}
/* Channels clamped to alpha so the packed result doesn't overflow */
template<class T, typename std::enable_if<IsIntegral<T>::value, int>::type = 0> constexpr Color4<T> unpremultiplied(const Color4<T>& color) {
    typedef typename TypeTraits<T>::FloatingPointType F;
    return color.a() == T(0) ? Color4<T>{} : Color4<T>{
        T(F(Math::min(color.r(), color.a()))*bitMax<T>()/color.a() + F(0.5)),
        T(F(Math::min(color.g(), color.a()))*bitMax<T>()/color.a() + F(0.5)),
        T(F(Math::min(color.b(), color.a()))*bitMax<T>()/color.a() + F(0.5)),
        color.a()
    };
}

}

/** Linear RGB color, integral types being the packed [0, 1] representation */
template<class T> class Color3: public Vector3<T> {
    public:
        typedef typename TypeTraits<T>::FloatingPointType FloatingPointType;

        constexpr static Color3<T> red(T red = Implementation::fullChannel<T>()) {
            return Vector3<T>::xAxis(red);
        }
        constexpr static Color3<T> green(T green = Implementation::fullChannel<T>()) {
            return Vector3<T>::yAxis(green);
        }
        constexpr static Color3<T> blue(T blue = Implementation::fullChannel<T>()) {
            return Vector3<T>::zAxis(blue);
        }
        constexpr static Color3<T> cyan(T red = T(0)) {
            return {red, Implementation::fullChannel<T>(), Implementation::fullChannel<T>()};
        }
        constexpr static Color3<T> magenta(T green = T(0)) {
            return {Implementation::fullChannel<T>(), green, Implementation::fullChannel<T>()};
        }
        constexpr static Color3<T> yellow(T blue = T(0)) {
            return {Implementation::fullChannel<T>(), Implementation::fullChannel<T>(), blue};
        }

        static Color3<T> fromHsv(const ColorHsv<FloatingPointType>& hsv) {
            return Implementation::fromHsv<T>(hsv);
        }
        /** Applies the inverse sRGB curve */
        static Color3<T> fromSrgb(const Vector3<FloatingPointType>& srgb) {
            return Implementation::fromSrgb<T>(srgb);
        }
        template<class Integral> static Color3<T> fromSrgb(const Vector3<Integral>& srgb) {
            return Implementation::fromSrgbIntegral<T, Integral>(srgb);
        }
        /** From 0xRRGGBB in sRGB */
        static Color3<T> fromSrgbInt(UnsignedInt srgb) {
            return fromSrgb<UnsignedByte>({UnsignedByte(srgb >> 16), UnsignedByte(srgb >> 8), UnsignedByte(srgb)});
        }
        /** From 0xRRGGBB without any curve applied */
        static Color3<T> fromLinearRgbInt(UnsignedInt linear) {
            return Implementation::fromLinearRgbInt<T>(linear);
        }

        constexpr /*implicit*/ Color3() noexcept: Vector3<T>{ZeroInit} {}
        constexpr explicit Color3(ZeroInitT) noexcept: Vector3<T>{ZeroInit} {}
        explicit Color3(Magnum::NoInitT) noexcept: Vector3<T>{Magnum::NoInit} {}
        /** Gray */
        constexpr explicit Color3(T rgb) noexcept: Vector3<T>(rgb) {}
        constexpr /*implicit*/ Color3(T r, T g, T b) noexcept: Vector3<T>(r, g, b) {}
        constexpr /*implicit*/ Color3(const Vector<2, T>& rg, T b) noexcept: Vector3<T>(rg[0], rg[1], b) {}
        template<std::size_t size_> constexpr explicit Color3(const T(&data)[size_]) noexcept: Vector3<T>{data} {}
        /** No (un)packing is done, only a cast */
        template<class U> constexpr explicit Color3(const Vector<3, U>& other) noexcept: Vector3<T>(other) {}
        constexpr explicit Color3(const BitVector<3>& other) noexcept: Vector3<T>{other} {}
        template<class U, class = decltype(Implementation::VectorConverter<3, T, U>::from(std::declval<U>()))> constexpr explicit Color3(const U& other): Vector3<T>(Implementation::VectorConverter<3, T, U>::from(other)) {}
        constexpr /*implicit*/ Color3(const Vector<3, T>& other) noexcept: Vector3<T>(other) {}

        ColorHsv<FloatingPointType> toHsv() const {
            return Implementation::toHsv<T>(*this);
        }
        Deg<FloatingPointType> hue() const { return toHsv().hue; }
        FloatingPointType saturation() const { return toHsv().saturation; }
        FloatingPointType value() const { return toHsv().value; }

        /** Applies the sRGB curve */
        Vector3<FloatingPointType> toSrgb() const {
            return Implementation::toSrgb<T>(*this);
        }
        template<class Integral> Vector3<Integral> toSrgb() const {
            return Implementation::toSrgbIntegral<T, Integral>(*this);
        }
        /** To 0xRRGGBB in sRGB */
        UnsignedInt toSrgbInt() const {
            const auto srgb = toSrgb<UnsignedByte>();
            return (srgb[0] << 16) | (srgb[1] << 8) | srgb[2];
        }
        /** To 0xRRGGBB without any curve applied */
        UnsignedInt toLinearRgbInt() const {
            return Implementation::toLinearRgbInt(*this);
        }

        MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(3, Color3)
};

/** Linear RGBA color */
template<class T> class Color4: public Vector4<T> {
    public:
        typedef typename Color3<T>::FloatingPointType FloatingPointType;

        constexpr static Color4<T> red(T red = Implementation::fullChannel<T>(), T alpha = Implementation::fullChannel<T>()) {
            return {red, T(0), T(0), alpha};
        }
        constexpr static Color4<T> green(T green = Implementation::fullChannel<T>(), T alpha = Implementation::fullChannel<T>()) {
            return {T(0), green, T(0), alpha};
        }
        constexpr static Color4<T> blue(T blue = Implementation::fullChannel<T>(), T alpha = Implementation::fullChannel<T>()) {
            return {T(0), T(0), blue, alpha};
        }
        constexpr static Color4<T> cyan(T red = T(0), T alpha = Implementation::fullChannel<T>()) {
            return {red, Implementation::fullChannel<T>(), Implementation::fullChannel<T>(), alpha};
        }
        constexpr static Color4<T> magenta(T green = T(0), T alpha = Implementation::fullChannel<T>()) {
            return {Implementation::fullChannel<T>(), green, Implementation::fullChannel<T>(), alpha};
        }
        constexpr static Color4<T> yellow(T blue = T(0), T alpha = Implementation::fullChannel<T>()) {
            return {Implementation::fullChannel<T>(), Implementation::fullChannel<T>(), blue, alpha};
        }

        static Color4<T> fromHsv(const ColorHsv<FloatingPointType>& hsv, T a = Implementation::fullChannel<T>()) {
            return Color4<T>(Implementation::fromHsv<T>(hsv), a);
        }
        /** sRGB curve applied to RGB only, alpha is linear */
        static Color4<T> fromSrgbAlpha(const Vector4<FloatingPointType>& srgbAlpha) {
            return {Implementation::fromSrgb<T>(srgbAlpha.rgb()), alphaFrom(srgbAlpha.a())};
        }
        template<class Integral> static Color4<T> fromSrgbAlpha(const Vector4<Integral>& srgbAlpha) {
            return fromSrgbAlpha(unpack<Vector4<FloatingPointType>>(srgbAlpha));
        }
        static Color4<T> fromSrgb(const Vector3<FloatingPointType>& srgb, T a = Implementation::fullChannel<T>()) {
            return {Implementation::fromSrgb<T>(srgb), a};
        }
        template<class Integral> static Color4<T> fromSrgb(const Vector3<Integral>& srgb, T a = Implementation::fullChannel<T>()) {
            return {Implementation::fromSrgbIntegral<T, Integral>(srgb), a};
        }
        /** From 0xRRGGBBAA, sRGB with linear alpha */
        static Color4<T> fromSrgbAlphaInt(UnsignedInt srgbAlpha) {
            return fromSrgbAlpha<UnsignedByte>({UnsignedByte(srgbAlpha >> 24), UnsignedByte(srgbAlpha >> 16), UnsignedByte(srgbAlpha >> 8), UnsignedByte(srgbAlpha)});
        }
        static Color4<T> fromSrgbInt(UnsignedInt srgb, T a = Implementation::fullChannel<T>()) {
            return fromSrgb<UnsignedByte>({UnsignedByte(srgb >> 16), UnsignedByte(srgb >> 8), UnsignedByte(srgb)}, a);
        }
        /** From 0xRRGGBBAA without any curve applied */
        static Color4<T> fromLinearRgbaInt(UnsignedInt linear) {
            return {Implementation::fromLinearRgbInt<T>(linear >> 8), Implementation::fromLinearRgbInt<T>(linear)[2]};
        }
        static Color4<T> fromLinearRgbInt(UnsignedInt linear, T a = Implementation::fullChannel<T>()) {
            return {Implementation::fromLinearRgbInt<T>(linear), a};
        }

        constexpr /*implicit*/ Color4() noexcept: Vector4<T>{ZeroInit} {}
        constexpr explicit Color4(ZeroInitT) noexcept: Vector4<T>{ZeroInit} {}
        explicit Color4(Magnum::NoInitT) noexcept: Vector4<T>{Magnum::NoInit} {}
        /** Gray with alpha */
        constexpr explicit Color4(T rgb, T alpha = Implementation::fullChannel<T>()) noexcept: Vector4<T>(rgb, rgb, rgb, alpha) {}
        constexpr /*implicit*/ Color4(T r, T g, T b, T a = Implementation::fullChannel<T>()) noexcept: Vector4<T>(r, g, b, a) {}
        /* Implicit, converting from RGB to RGBA is common */
        constexpr /*implicit*/ Color4(const Vector3<T>& rgb, T a = Implementation::fullChannel<T>()) noexcept: Vector4<T>(rgb[0], rgb[1], rgb[2], a) {}
        template<std::size_t size_> constexpr explicit Color4(const T(&data)[size_]) noexcept: Vector4<T>{data} {}
        /** No (un)packing is done, only a cast */
        template<class U> constexpr explicit Color4(const Vector<4, U>& other) noexcept: Vector4<T>(other) {}
        constexpr explicit Color4(const BitVector<4>& other) noexcept: Vector4<T>{other} {}
        template<class U, class = decltype(Implementation::VectorConverter<4, T, U>::from(std::declval<U>()))> constexpr explicit Color4(const U& other): Vector4<T>(Implementation::VectorConverter<4, T, U>::from(other)) {}
        constexpr /*implicit*/ Color4(const Vector<4, T>& other) noexcept: Vector4<T>(other) {}

        /** HSV of the RGB part, alpha ignored */
        ColorHsv<FloatingPointType> toHsv() const {
            return Implementation::toHsv<T>(rgb());
        }
        Deg<FloatingPointType> hue() const { return toHsv().hue; }
        FloatingPointType saturation() const { return toHsv().saturation; }
        FloatingPointType value() const { return toHsv().value; }

        Vector4<FloatingPointType> toSrgbAlpha() const {
            return {Implementation::toSrgb<T>(rgb()), alphaTo(Vector4<T>::a())};
        }
        template<class Integral> Vector4<Integral> toSrgbAlpha() const {
            return pack<Vector4<Integral>>(toSrgbAlpha());
        }
        /** To 0xRRGGBBAA, sRGB with linear alpha */
        UnsignedInt toSrgbAlphaInt() const {
            const auto srgbAlpha = toSrgbAlpha<UnsignedByte>();
            return (srgbAlpha[0] << 24) | (srgbAlpha[1] << 16) | (srgbAlpha[2] << 8) | srgbAlpha[3];
        }
        /** To 0xRRGGBBAA without any curve applied */
        UnsignedInt toLinearRgbaInt() const {
            return (Implementation::toLinearRgbInt(rgb()) << 8) |
                (Implementation::toLinearRgbInt(Color3<T>{Vector4<T>::a(), Vector4<T>::a(), Vector4<T>::a()}) & 0xff);
        }

        constexpr Color4<T> premultiplied() const {
            return Implementation::premultiplied(*this);
        }
        constexpr Color4<T> unpremultiplied() const {
            return Implementation::unpremultiplied(*this);
        }

        Color3<T>& xyz() { return Color3<T>::from(Vector4<T>::data()); }
        constexpr const Color3<T> xyz() const { return Vector4<T>::xyz(); }
        Color3<T>& rgb() { return xyz(); }
        constexpr const Color3<T> rgb() const { return xyz(); }

        MAGNUM_VECTOR_SUBCLASS_IMPLEMENTATION(4, Color4)

    private:
        template<class U = T, typename std::enable_if<IsFloatingPoint<U>::value, int>::type = 0> static T alphaFrom(FloatingPointType a) { return a; }
        template<class U = T, typename std::enable_if<IsIntegral<U>::value, int>::type = 0> static T alphaFrom(FloatingPointType a) { return pack<T>(a); }
        template<class U = T, typename std::enable_if<IsFloatingPoint<U>::value, int>::type = 0> static FloatingPointType alphaTo(T a) { return a; }
        template<class U = T, typename std::enable_if<IsIntegral<U>::value, int>::type = 0> static FloatingPointType alphaTo(T a) { return unpack<FloatingPointType>(a); }
};

/** HSV color, storage only */
template<class T> struct ColorHsv {
    constexpr /*implicit*/ ColorHsv() noexcept: hue{}, saturation{}, value{} {}
    constexpr explicit ColorHsv(ZeroInitT) noexcept: hue{}, saturation{}, value{} {}
    explicit ColorHsv(Magnum::NoInitT) noexcept: hue{Magnum::NoInit} {}
    constexpr /*implicit*/ ColorHsv(Deg<T> hue_, T saturation_, T value_) noexcept: hue{hue_}, saturation{saturation_}, value{value_} {}
    template<class U> constexpr explicit ColorHsv(const ColorHsv<U>& other) noexcept: hue{other.hue}, saturation{T(other.saturation)}, value{T(other.value)} {}

    bool operator==(const ColorHsv<T>& other) const {
        return hue == other.hue &&
            TypeTraits<T>::equals(saturation, other.saturation) &&
            TypeTraits<T>::equals(value, other.value);
    }
    bool operator!=(const ColorHsv<T>& other) const {
        return !operator==(other);
    }

    Deg<T> hue;         /**< In range [0, 360] */
    T saturation;       /**< In range [0, 1] */
    T value;            /**< In range [0, 1] */
};

template<class T> Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const ColorHsv<T>& value) {
    using Corrade::Utility::Debug;
    return debug << "ColorHsv(" << Debug::nospace << value.hue
        << Debug::nospace << "," << value.saturation
        << Debug::nospace << "," << value.value
        << Debug::nospace << ")";
}

namespace Literals {
    inline namespace ColorLiterals {

/** 8-bit linear RGB from 0xRRGGBB */
constexpr Color3<UnsignedByte> operator"" _rgb(unsigned long long value) {
    return {UnsignedByte(value >> 16), UnsignedByte(value >> 8), UnsignedByte(value)};
}
/** 8-bit sRGB from 0xRRGGBB, no conversion, not a Color3 on purpose */
constexpr Vector3<UnsignedByte> operator"" _srgb(unsigned long long value) {
    return {UnsignedByte(value >> 16), UnsignedByte(value >> 8), UnsignedByte(value)};
}
/** 8-bit linear RGBA from 0xRRGGBBAA */
constexpr Color4<UnsignedByte> operator"" _rgba(unsigned long long value) {
    return {UnsignedByte(value >> 24), UnsignedByte(value >> 16), UnsignedByte(value >> 8), UnsignedByte(value)};
}
/** 8-bit sRGB + alpha from 0xRRGGBBAA, no conversion */
constexpr Vector4<UnsignedByte> operator"" _srgba(unsigned long long value) {
    return {UnsignedByte(value >> 24), UnsignedByte(value >> 16), UnsignedByte(value >> 8), UnsignedByte(value)};
}
/** Float linear RGB from 0xRRGGBB */
constexpr Color3<Float> operator"" _rgbf(unsigned long long value) {
    return {((value >> 16) & 0xff)/255.0f,
            ((value >>  8) & 0xff)/255.0f,
            ((value >>  0) & 0xff)/255.0f};
}
/** Float linear RGB from 0xRRGGBB in sRGB */
inline Color3<Float> operator"" _srgbf(unsigned long long value) {
    return Color3<Float>::fromSrgbInt(UnsignedInt(value));
}
/** Float linear RGBA from 0xRRGGBBAA */
constexpr Color4<Float> operator"" _rgbaf(unsigned long long value) {
    return {((value >> 24) & 0xff)/255.0f,
            ((value >> 16) & 0xff)/255.0f,
            ((value >>  8) & 0xff)/255.0f,
            ((value >>  0) & 0xff)/255.0f};
}
/** Float linear RGBA from 0xRRGGBBAA in sRGB with linear alpha */
inline Color4<Float> operator"" _srgbaf(unsigned long long value) {
    return Color4<Float>::fromSrgbAlphaInt(UnsignedInt(value));
}

    }
}

/** Print as #rrggbb */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color3<UnsignedByte>& value);
/** Print as #rrggbbaa */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, const Color4<UnsignedByte>& value);

namespace Implementation {
    template<class T> struct StrictWeakOrdering<Color3<T>>: StrictWeakOrdering<Vector<3, T>> {};
    template<class T> struct StrictWeakOrdering<Color4<T>>: StrictWeakOrdering<Vector<4, T>> {};
}

}}

#endif
