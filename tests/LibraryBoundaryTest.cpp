/* What a user of the shipped shared library sees: the library is built with
   hidden visibility, so anything that relies on the identity of a function
   across the boundary is checked here, through the library's exports alone */

#include <cstring>
#include <utility>

#include <gtest/gtest.h>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Magnum/Math/Vector3.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/ArrayAllocator.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Tools/MeshLayout.h"
#include "VelmoraEngine/Tools/MeshTools.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

/* Three vertices of a Vector3 position in a buffer with room for more */
Trade::MeshData growableTriangle(std::size_t reserve) {
    Containers::Array<char> vertexData;
    Containers::arrayReserve<Trade::ArrayAllocator>(vertexData, reserve);
    Containers::arrayResize<Trade::ArrayAllocator>(vertexData, ValueInit, 3*sizeof(Vector3));
    const Containers::StridedArrayView1D<Vector3> positions = Containers::arrayCast<Vector3>(vertexData);
    positions[0] = {0.0f, 0.0f, 0.0f};
    positions[1] = {1.0f, 0.0f, 0.0f};
    positions[2] = {0.0f, 1.0f, 0.0f};
    return Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, sizeof(Vector3)}
    }};
}

TEST(LibraryBoundary, MeshDataAllocatorGrowsInPlaceAcrossTheLibrary) {
    Trade::MeshData mesh = growableTriangle(256);
    const char* const before = mesh.vertexData().data();
    Trade::MeshData out = MeshTools::insertAttribute(std::move(mesh), Trade::MeshAttribute::Normal, VertexFormat::Vector3, 0);
    EXPECT_EQ(out.vertexData().data(), before);
    EXPECT_EQ(out.attribute<Vector3>(Trade::MeshAttribute::Position)[1], (Vector3{1.0f, 0.0f, 0.0f}));

    /* And the caller keeps growing what the library grew, still in place */
    Containers::Array<char> vertexData = out.releaseVertexData();
    EXPECT_TRUE(Containers::arrayIsGrowable<Trade::ArrayAllocator>(vertexData));
    const std::size_t size = vertexData.size();
    Containers::arrayAppend<Trade::ArrayAllocator>(vertexData, ValueInit, 4);
    EXPECT_EQ(vertexData.data(), before);
    EXPECT_EQ(vertexData.size(), size + 4);
}

TEST(LibraryBoundary, LayoutArrayIsOwnedByTheCaller) {
    /* A plain array: the caller frees it and grows it with any allocator */
    Containers::Array<Trade::MeshAttributeData> layout = getLayout(MeshDataFlag::Position3D|MeshDataFlag::Normal, 5);
    EXPECT_EQ(layout.deleter(), nullptr);
    ASSERT_EQ(layout.size(), 2u);
    Containers::arrayAppend(layout, Trade::MeshAttributeData{Trade::MeshAttribute::ObjectId, VertexFormat::UnsignedInt, 24, 5, 28});
    EXPECT_EQ(layout.size(), 3u);
    EXPECT_EQ(layout[1].name(), Trade::MeshAttribute::Normal);
}

}}}
