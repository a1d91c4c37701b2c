#include "Magnum/MeshTools/GenerateNormals.h"

#include "Corrade/Containers/Array.h"
#include "Corrade/Containers/StridedArrayView.h"
#include "Corrade/Utility/Assert.h"
#include "Magnum/Math/Angle.h"
#include "Magnum/Math/Functions.h"
#include "Magnum/Math/Vector3.h"

namespace Magnum { namespace MeshTools {

void generateFlatNormalsInto(const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    CORRADE_ASSERT(positions.size() % 3 == 0,
        "MeshTools::generateFlatNormalsInto(): position count not divisible by 3", );
    CORRADE_ASSERT(normals.size() == positions.size(),
        "MeshTools::generateFlatNormalsInto(): bad output size, expected" << positions.size() << "but got" << normals.size(), );

    /* Counter-clockwise winding, the edges taken around the middle vertex */
    for(std::size_t i = 0; i != positions.size(); i += 3) {
        const Vector3 middle = positions[i + 1];
        const Vector3 normal = Math::cross(positions[i + 2] - middle, positions[i] - middle).normalized();
        normals[i] = normal;
        normals[i + 1] = normal;
        normals[i + 2] = normal;
    }
}

Containers::Array<Vector3> generateFlatNormals(const Containers::StridedArrayView1D<const Vector3>& positions) {
    Containers::Array<Vector3> out{NoInit, positions.size()};
    generateFlatNormalsInto(positions, out);
    return out;
}

namespace {

/* Unnormalized face normal (its length is twice the area) and the interior
   angle at each of the three corners */
struct FaceWeights {
    Vector3 cross;
    Float angles[3];
};

template<class T> void smoothNormalsInto(const Containers::StridedArrayView1D<const T>& indices, const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    CORRADE_ASSERT(indices.size() % 3 == 0,
        "MeshTools::generateSmoothNormalsInto(): index count not divisible by 3", );
    CORRADE_ASSERT(normals.size() == positions.size(),
        "MeshTools::generateSmoothNormalsInto(): bad output size, expected" << positions.size() << "but got" << normals.size(), );

    if(indices.isEmpty()) return;

    const std::size_t vertexCount = positions.size();
    const std::size_t faceCount = indices.size()/3;

    /* Compressed adjacency: faces of vertex v are
       faceIds[faceOffset[v]] .. faceIds[faceOffset[v + 1]] in index order */
    Containers::Array<UnsignedInt> faceOffset{ValueInit, vertexCount + 1};
    for(std::size_t i = 0; i != indices.size(); ++i) {
        const std::size_t index = indices[i];
        CORRADE_ASSERT(index < vertexCount,
            "MeshTools::generateSmoothNormalsInto(): index" << index << "out of range for" << vertexCount << "elements", );
        ++faceOffset[index + 1];
    }
    for(std::size_t v = 0; v != vertexCount; ++v)
        faceOffset[v + 1] += faceOffset[v];

    Containers::Array<UnsignedInt> faceIds{NoInit, indices.size()};
    {
        Containers::Array<UnsignedInt> fill{NoInit, vertexCount};
        for(std::size_t v = 0; v != vertexCount; ++v) fill[v] = faceOffset[v];
        for(std::size_t i = 0; i != indices.size(); ++i)
            faceIds[fill[indices[i]]++] = UnsignedInt(i/3);
    }

    /* Per-face data computed once instead of for every corner */
    const Float halfTurn = Float(Rad{Deg{180.0f}});
    Containers::Array<FaceWeights> faces{NoInit, faceCount};
    for(std::size_t f = 0; f != faceCount; ++f) {
        const Vector3 p0 = positions[indices[f*3 + 0]];
        const Vector3 p1 = positions[indices[f*3 + 1]];
        const Vector3 p2 = positions[indices[f*3 + 2]];
        FaceWeights& face = faces[f];
        face.cross = Math::cross(p2 - p1, p0 - p1);

        /* A zero-length edge or a NaN position makes the normalized edges NaN;
           such a face gets zero angles and thus doesn't contribute */
        const Vector3 e01 = (p1 - p0).normalized();
        const Vector3 e02 = (p2 - p0).normalized();
        const Vector3 e12 = (p2 - p1).normalized();
        if(Math::isNan(e01) || Math::isNan(e02) || Math::isNan(e12)) {
            face.angles[0] = face.angles[1] = face.angles[2] = 0.0f;
            continue;
        }

        face.angles[0] = Float(Math::angle(e01, e02));
        face.angles[1] = Float(Math::angle(-e01, e12));
        face.angles[2] = halfTurn - face.angles[0] - face.angles[1];
    }

    /* Weighting the unnormalized cross product by the angle gives area times
       angle weighting, the common factor of 1/2 cancels in normalization */
    for(std::size_t v = 0; v != vertexCount; ++v) {
        Vector3 sum{Math::ZeroInit};
        for(std::size_t t = faceOffset[v], tEnd = faceOffset[v + 1]; t != tEnd; ++t) {
            const std::size_t f = faceIds[t];
            const FaceWeights& face = faces[f];
            std::size_t corner;
            if(v == std::size_t(indices[f*3 + 0])) corner = 0;
            else if(v == std::size_t(indices[f*3 + 1])) corner = 1;
            else corner = 2;
            sum += face.cross*face.angles[corner];
        }
        normals[v] = sum.normalized();
    }
}

}

void generateSmoothNormalsInto(const Containers::StridedArrayView1D<const UnsignedInt>& indices, const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    smoothNormalsInto(indices, positions, normals);
}

void generateSmoothNormalsInto(const Containers::StridedArrayView1D<const UnsignedShort>& indices, const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    smoothNormalsInto(indices, positions, normals);
}

void generateSmoothNormalsInto(const Containers::StridedArrayView1D<const UnsignedByte>& indices, const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    smoothNormalsInto(indices, positions, normals);
}

void generateSmoothNormalsInto(const Containers::StridedArrayView2D<const char>& indices, const Containers::StridedArrayView1D<const Vector3>& positions, const Containers::StridedArrayView1D<Vector3>& normals) {
    CORRADE_ASSERT(indices.isContiguous<1>(),
        "MeshTools::generateSmoothNormalsInto(): second index view dimension is not contiguous", );
    const std::size_t typeSize = indices.size()[1];
    if(typeSize == 4)
        return smoothNormalsInto(Containers::arrayCast<1, const UnsignedInt>(indices), positions, normals);
    if(typeSize == 2)
        return smoothNormalsInto(Containers::arrayCast<1, const UnsignedShort>(indices), positions, normals);
    CORRADE_ASSERT(typeSize == 1,
        "MeshTools::generateSmoothNormalsInto(): expected index type size 1, 2 or 4 but got" << typeSize, );
    smoothNormalsInto(Containers::arrayCast<1, const UnsignedByte>(indices), positions, normals);
}

Containers::Array<Vector3> generateSmoothNormals(const Containers::StridedArrayView1D<const UnsignedInt>& indices, const Containers::StridedArrayView1D<const Vector3>& positions) {
    Containers::Array<Vector3> out{NoInit, positions.size()};
    generateSmoothNormalsInto(indices, positions, out);
    return out;
}

Containers::Array<Vector3> generateSmoothNormals(const Containers::StridedArrayView1D<const UnsignedShort>& indices, const Containers::StridedArrayView1D<const Vector3>& positions) {
    Containers::Array<Vector3> out{NoInit, positions.size()};
    generateSmoothNormalsInto(indices, positions, out);
    return out;
}

Containers::Array<Vector3> generateSmoothNormals(const Containers::StridedArrayView1D<const UnsignedByte>& indices, const Containers::StridedArrayView1D<const Vector3>& positions) {
    Containers::Array<Vector3> out{NoInit, positions.size()};
    generateSmoothNormalsInto(indices, positions, out);
    return out;
}

Containers::Array<Vector3> generateSmoothNormals(const Containers::StridedArrayView2D<const char>& indices, const Containers::StridedArrayView1D<const Vector3>& positions) {
    Containers::Array<Vector3> out{NoInit, positions.size()};
    generateSmoothNormalsInto(indices, positions, out);
    return out;
}

}}
