#ifndef Magnum_Animation_Track_h
#define Magnum_Animation_Track_h
/* Non-owning views on animation keyframes */

#include <Corrade/Containers/StridedArrayView.h>

#include "Magnum/Animation/Interpolation.h"
#include "Magnum/Math/Range.h"

namespace Magnum { namespace Animation {

/** Type-erased track view storage */
template<class K> class TrackViewStorage {
    public:
        typedef K KeyType;

        /** Mutable to constant view */
        template<class L = K, class = typename std::enable_if<std::is_const<L>::value>::type> /*implicit*/ TrackViewStorage(const TrackViewStorage<typename std::remove_const<K>::type>& other) noexcept: _keys{other._keys}, _values{other._values}, _interpolator{other._interpolator}, _interpolation{other._interpolation}, _before{other._before}, _after{other._after} {}

        Interpolation interpolation() const { return _interpolation; }
        Extrapolation before() const { return _before; }
        Extrapolation after() const { return _after; }
        /** Time range from the first to the last key */
        Math::Range1D<typename std::remove_const<K>::type> duration() const {
            return _keys.isEmpty() ? Math::Range1D<typename std::remove_const<K>::type>{} : Math::Range1D<typename std::remove_const<K>::type>{_keys.front(), _keys.back()};
        }
        std::size_t size() const { return _keys.size(); }
        Corrade::Containers::StridedArrayView1D<K> keys() const { return _keys; }
        Corrade::Containers::StridedArrayView1D<typename std::conditional<std::is_const<K>::value, const void, void>::type> values() const { return _values; }

        /** Empty track */
        explicit TrackViewStorage() noexcept: _keys{}, _values{}, _interpolator{}, _interpolation{}, _before{}, _after{} {}
    protected:
        explicit TrackViewStorage(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<typename std::conditional<std::is_const<K>::value, const void, void>::type>& values, Interpolation interpolation, void(*interpolatorFunction)(), Extrapolation before, Extrapolation after) noexcept: _keys{keys}, _values{values}, _interpolator{interpolatorFunction}, _interpolation{interpolation}, _before{before}, _after{after} {}

        template<class> friend class TrackViewStorage;

        Corrade::Containers::StridedArrayView1D<K> _keys;
        Corrade::Containers::StridedArrayView1D<typename std::conditional<std::is_const<K>::value, const void, void>::type> _values;
        void(*_interpolator)();
        Interpolation _interpolation;
        Extrapolation _before, _after;
};

/** Typed track view */
template<class K, class V, class R> class TrackView: public TrackViewStorage<K> {
    public:
        typedef V ValueType;
        typedef R ResultType;
        typedef ResultType(*Interpolator)(const typename std::remove_const<V>::type&, const typename std::remove_const<V>::type&, Float);

        /** Empty track */
        /*implicit*/ TrackView() noexcept: TrackViewStorage<K>{} {}

        /** With both a generic interpolation and an interpolator function */
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolation interpolation, Interpolator interpolator, Extrapolation before, Extrapolation after) noexcept: TrackViewStorage<K>{keys, values, interpolation, reinterpret_cast<void(*)()>(interpolator), before, after} {
            CORRADE_ASSERT(keys.size() == values.size(), "Animation::TrackView: key and value count doesn't match, got" << keys.size() << "keys and" << values.size() << "values", );
        }
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolation interpolation, Interpolator interpolator, Extrapolation extrapolation = Extrapolation::Constant) noexcept: TrackView{keys, values, interpolation, interpolator, extrapolation, extrapolation} {}
        /** With a generic interpolation, the interpolator picked for it */
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolation interpolation, Extrapolation before, Extrapolation after) noexcept: TrackView{keys, values, interpolation, interpolatorFor<typename std::remove_const<V>::type, R>(interpolation), before, after} {}
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolation interpolation, Extrapolation extrapolation = Extrapolation::Constant) noexcept: TrackView{keys, values, interpolation, extrapolation, extrapolation} {}
        /** With a custom interpolator */
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolator interpolator, Extrapolation before, Extrapolation after) noexcept: TrackView{keys, values, Interpolation::Custom, interpolator, before, after} {}
        explicit TrackView(const Corrade::Containers::StridedArrayView1D<K>& keys, const Corrade::Containers::StridedArrayView1D<V>& values, Interpolator interpolator, Extrapolation extrapolation = Extrapolation::Constant) noexcept: TrackView{keys, values, Interpolation::Custom, interpolator, extrapolation, extrapolation} {}

        /** Mutable to constant view */
        template<class L = K, class = typename std::enable_if<std::is_const<L>::value>::type> /*implicit*/ TrackView(const TrackView<typename std::remove_const<K>::type, typename std::remove_const<V>::type, R>& other) noexcept: TrackViewStorage<K>{other} {}

        Interpolator interpolator() const { return reinterpret_cast<Interpolator>(this->_interpolator); }
        Corrade::Containers::StridedArrayView1D<V> values() const { return Corrade::Containers::arrayCast<V>(this->_values); }

        /** Value at @p frame */
        R at(K frame) const {
            std::size_t hint{};
            return at(frame, hint);
        }
        R at(K frame, std::size_t& hint) const {
            return interpolate<typename std::remove_const<K>::type, typename std::remove_const<V>::type, R>(this->_keys, values(), this->_before, this->_after, interpolator(), frame, hint);
        }
};

}}

#endif
