#ifndef Magnum_Trade_SkinData_h
#define Magnum_Trade_SkinData_h
/* Imported skins: joint objects and their inverse bind matrices */

#include <initializer_list>

#include <Corrade/Containers/Array.h>

#include "Magnum/DimensionTraits.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Skin data */
template<UnsignedInt dimensions> class SkinData {
    public:
        /** Expects both arrays to have the same size */
        explicit SkinData(Corrade::Containers::Array<UnsignedInt>&& jointData, Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>>&& inverseBindMatrixData, const void* importerState = nullptr) noexcept;
        /** From initializer lists, copied */
        explicit SkinData(std::initializer_list<UnsignedInt> joints, std::initializer_list<MatrixTypeFor<dimensions, Float>> inverseBindMatrices, const void* importerState = nullptr);
        /** Non-owned data */
        explicit SkinData(DataFlags jointDataFlags, Corrade::Containers::ArrayView<const UnsignedInt> jointData, DataFlags inverseBindMatrixDataFlags, Corrade::Containers::ArrayView<const MatrixTypeFor<dimensions, Float>> inverseBindMatrixData, const void* importerState = nullptr) noexcept;

        SkinData(const SkinData<dimensions>&) = delete;
        SkinData(SkinData<dimensions>&& other) noexcept;
        ~SkinData();
        SkinData<dimensions>& operator=(const SkinData<dimensions>&) = delete;
        SkinData<dimensions>& operator=(SkinData<dimensions>&& other) noexcept;

        /** Joint object IDs */
        Corrade::Containers::ArrayView<const UnsignedInt> joints() const { return _jointData; }
        /** Inverse bind matrices, one per joint */
        Corrade::Containers::ArrayView<const MatrixTypeFor<dimensions, Float>> inverseBindMatrices() const { return _inverseBindMatrixData; }
        /** Release the joint data */
        Corrade::Containers::Array<UnsignedInt> releaseJointData();
        /** Release the inverse bind matrix data */
        Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>> releaseInverseBindMatrixData();
        /** Importer-specific state */
        const void* importerState() const { return _importerState; }

    private:
        Corrade::Containers::Array<UnsignedInt> _jointData;
        Corrade::Containers::Array<MatrixTypeFor<dimensions, Float>> _inverseBindMatrixData;
        const void* _importerState;
};

/** Two-dimensional skin data */
typedef SkinData<2> SkinData2D;
/** Three-dimensional skin data */
typedef SkinData<3> SkinData3D;

}}

#endif
