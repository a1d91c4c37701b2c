#include "Magnum/Trade/SkinData.h"

#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Move.h>

#include "Magnum/Math/Matrix3.h"
#include "Magnum/Math/Matrix4.h"

namespace Magnum { namespace Trade {

namespace {
    template<class T> void nonOwnedSkinDeleter(T*, std::size_t) {}

    template<class T> Corrade::Containers::Array<T> copyOf(const std::initializer_list<T> list) {
        Corrade::Containers::Array<T> out{Corrade::NoInit, list.size()};
        std::size_t i = 0;
        for(const T& item: list) new(&out[i++]) T{item};
        return out;
    }
}

template<UnsignedInt dimensions> SkinData<dimensions>::SkinData(Corrade::Containers::Array<UnsignedInt>&& jointData, Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>>&& inverseBindMatrixData, const void* const importerState) noexcept: _jointData{Corrade::Utility::move(jointData)}, _inverseBindMatrixData{Corrade::Utility::move(inverseBindMatrixData)}, _importerState{importerState} {
    CORRADE_ASSERT(_jointData.size() == _inverseBindMatrixData.size(),
        "Trade::SkinData: joint and inverse bind matrix arrays have different size, got" << _jointData.size() << "and" << _inverseBindMatrixData.size(), );
}

template<UnsignedInt dimensions> SkinData<dimensions>::SkinData(const std::initializer_list<UnsignedInt> joints, const std::initializer_list<MatrixTypeFor<dimensions, Float>> inverseBindMatrices, const void* const importerState): SkinData{copyOf(joints), copyOf(inverseBindMatrices), importerState} {}

template<UnsignedInt dimensions> SkinData<dimensions>::SkinData(DataFlags, const Corrade::Containers::ArrayView<const UnsignedInt> jointData, DataFlags, const Corrade::Containers::ArrayView<const MatrixTypeFor<dimensions, Float>> inverseBindMatrixData, const void* const importerState) noexcept: SkinData{
    Corrade::Containers::Array<UnsignedInt>{const_cast<UnsignedInt*>(jointData.data()), jointData.size(), nonOwnedSkinDeleter<UnsignedInt>},
    Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>>{const_cast<MatrixTypeFor<dimensions, Float>*>(inverseBindMatrixData.data()), inverseBindMatrixData.size(), nonOwnedSkinDeleter<MatrixTypeFor<dimensions, Float>>},
    importerState} {}

template<UnsignedInt dimensions> SkinData<dimensions>::SkinData(SkinData<dimensions>&&) noexcept = default;
template<UnsignedInt dimensions> SkinData<dimensions>::~SkinData() = default;
template<UnsignedInt dimensions> SkinData<dimensions>& SkinData<dimensions>::operator=(SkinData<dimensions>&&) noexcept = default;

template<UnsignedInt dimensions> Corrade::Containers::Array<UnsignedInt> SkinData<dimensions>::releaseJointData() {
    return Corrade::Utility::move(_jointData);
}

template<UnsignedInt dimensions> Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>> SkinData<dimensions>::releaseInverseBindMatrixData() {
    return Corrade::Utility::move(_inverseBindMatrixData);
}

template class SkinData<2>;
template class SkinData<3>;

}}
