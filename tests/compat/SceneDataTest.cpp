#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Matrix3.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Trade/SceneData.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

/* Objects 0 and 3 at the top, 1 and 2 children of 0, 4 a child of 3; two
   mesh entries for object 1 */
struct Scene {
    UnsignedInt parentMapping[5]{0, 1, 2, 3, 4};
    Int parents[5]{-1, 0, 0, -1, 3};
    UnsignedInt transformationMapping[2]{1, 4};
    Matrix4 transformations[2]{Matrix4::translation({1.0f, 2.0f, 3.0f}), Matrix4::scaling({2.0f, 2.0f, 2.0f})};
    UnsignedInt meshMapping[3]{1, 1, 2};
    UnsignedShort meshes[3]{5, 6, 7};
    Byte materials[3]{-1, 2, 0};
    UnsignedInt skinMapping[1]{4};
    UnsignedByte skins[1]{1};
};

Trade::SceneData makeScene(Scene& s) {
    return Trade::SceneData{Trade::SceneMappingType::UnsignedInt, 5, Trade::DataFlags{}, Containers::ArrayView<const void>{&s, sizeof(Scene)}, {
        Trade::SceneFieldData{Trade::SceneField::Parent, Containers::arrayView(s.parentMapping), Containers::arrayView(s.parents)},
        Trade::SceneFieldData{Trade::SceneField::Transformation, Containers::arrayView(s.transformationMapping), Containers::arrayView(s.transformations)},
        Trade::SceneFieldData{Trade::SceneField::Mesh, Containers::arrayView(s.meshMapping), Containers::arrayView(s.meshes)},
        Trade::SceneFieldData{Trade::SceneField::MeshMaterial, Containers::arrayView(s.meshMapping), Containers::arrayView(s.materials)},
        Trade::SceneFieldData{Trade::SceneField::Skin, Containers::arrayView(s.skinMapping), Containers::arrayView(s.skins)},
    }};
}

TEST(CompatSceneDataTest, Fields) {
    Scene s;
    const Trade::SceneData scene = makeScene(s);
    EXPECT_EQ(scene.mappingType(), Trade::SceneMappingType::UnsignedInt);
    EXPECT_EQ(scene.mappingBound(), 5u);
    EXPECT_EQ(scene.fieldCount(), 5u);
    EXPECT_TRUE(scene.is3D());
    EXPECT_FALSE(scene.is2D());
    EXPECT_TRUE(scene.hasField(Trade::SceneField::Skin));
    EXPECT_FALSE(scene.hasField(Trade::SceneField::Camera));
    EXPECT_EQ(scene.fieldId(Trade::SceneField::Mesh), 2u);
    EXPECT_FALSE(scene.findFieldId(Trade::SceneField::Light));
    EXPECT_EQ(scene.fieldType(Trade::SceneField::Mesh), Trade::SceneFieldType::UnsignedShort);
    EXPECT_EQ(scene.fieldSize(Trade::SceneField::Parent), 5u);
    EXPECT_EQ(scene.field<Int>(Trade::SceneField::Parent)[4], 3);
    EXPECT_EQ(scene.mapping<UnsignedInt>(Trade::SceneField::Mesh)[2], 2u);
}

TEST(CompatSceneDataTest, AsArrays) {
    Scene s;
    const Trade::SceneData scene = makeScene(s);

    const Containers::Array<Containers::Pair<UnsignedInt, Int>> parents = scene.parentsAsArray();
    ASSERT_EQ(parents.size(), 5u);
    EXPECT_EQ(parents[2].first(), 2u);
    EXPECT_EQ(parents[2].second(), 0);
    EXPECT_EQ(parents[3].second(), -1);

    const Containers::Array<Containers::Pair<UnsignedInt, Matrix4>> transformations = scene.transformations3DAsArray();
    ASSERT_EQ(transformations.size(), 2u);
    EXPECT_EQ(transformations[1].first(), 4u);
    EXPECT_EQ(transformations[1].second(), Matrix4::scaling({2.0f, 2.0f, 2.0f}));

    const Containers::Array<Containers::Pair<UnsignedInt, Containers::Pair<UnsignedInt, Int>>> meshes = scene.meshesMaterialsAsArray();
    ASSERT_EQ(meshes.size(), 3u);
    EXPECT_EQ(meshes[0].first(), 1u);
    EXPECT_EQ(meshes[1].second().first(), 6u);
    EXPECT_EQ(meshes[0].second().second(), -1);
    EXPECT_EQ(meshes[1].second().second(), 2);

    const Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> skins = scene.skinsAsArray();
    ASSERT_EQ(skins.size(), 1u);
    EXPECT_EQ(skins[0].first(), 4u);
    EXPECT_EQ(skins[0].second(), 1u);
}

TEST(CompatSceneDataTest, Hierarchy) {
    Scene s;
    const Trade::SceneData scene = makeScene(s);
    const Containers::Array<UnsignedLong> roots = scene.childrenFor(-1);
    ASSERT_EQ(roots.size(), 2u);
    EXPECT_EQ(roots[0], 0u);
    EXPECT_EQ(roots[1], 3u);
    const Containers::Array<UnsignedLong> children = scene.childrenFor(0);
    ASSERT_EQ(children.size(), 2u);
    EXPECT_EQ(children[0], 1u);
    EXPECT_EQ(children[1], 2u);
    EXPECT_TRUE(scene.childrenFor(4).isEmpty());
    EXPECT_EQ(scene.parentFor(4), 3);
    EXPECT_EQ(scene.parentFor(0), -1);
}

TEST(CompatSceneDataTest, NoHierarchyNoTransformations) {
    const Trade::SceneData scene{Trade::SceneMappingType::UnsignedInt, 1, Trade::DataFlags{}, Containers::ArrayView<const void>{}, {}};
    /* Neither 2D nor 3D without a transformation field; no parent field
       means no children */
    EXPECT_FALSE(scene.is2D());
    EXPECT_FALSE(scene.is3D());
    EXPECT_TRUE(scene.childrenFor(-1).isEmpty());
}

TEST(CompatSceneDataTest, TranslationRotationScaling) {
    struct Data {
        UnsignedInt mapping[1]{3};
        Vector3 translation[1]{{1.0f, 2.0f, 3.0f}};
        Quaternion rotation[1]{Quaternion::rotation(Deg{90.0f}, Vector3::zAxis())};
        Vector3 scaling[1]{{2.0f, 3.0f, 4.0f}};
    } d;
    const Trade::SceneData scene{Trade::SceneMappingType::UnsignedInt, 4, Trade::DataFlags{}, Containers::ArrayView<const void>{&d, sizeof(d)}, {
        Trade::SceneFieldData{Trade::SceneField::Translation, Containers::arrayView(d.mapping), Containers::arrayView(d.translation)},
        Trade::SceneFieldData{Trade::SceneField::Rotation, Containers::arrayView(d.mapping), Containers::arrayView(d.rotation)},
        Trade::SceneFieldData{Trade::SceneField::Scaling, Containers::arrayView(d.mapping), Containers::arrayView(d.scaling)},
    }};
    EXPECT_TRUE(scene.is3D());
    const Containers::Array<Containers::Pair<UnsignedInt, Matrix4>> transformations = scene.transformations3DAsArray();
    ASSERT_EQ(transformations.size(), 1u);
    EXPECT_EQ(transformations[0].first(), 3u);
    const Matrix4 expected = Matrix4::translation({1.0f, 2.0f, 3.0f})*Matrix4::rotationZ(Deg{90.0f})*Matrix4::scaling({2.0f, 3.0f, 4.0f});
    for(std::size_t i = 0; i != 16; ++i)
        EXPECT_NEAR(transformations[0].second()[i/4][i%4], expected[i/4][i%4], 1.0e-6f) << i;
}

TEST(CompatSceneDataTest, TwoDimensional) {
    struct Data {
        UnsignedInt mapping[1]{0};
        Matrix3 transformations[1]{Matrix3{}};
    } d;
    const Trade::SceneData scene{Trade::SceneMappingType::UnsignedInt, 1, Trade::DataFlags{}, Containers::ArrayView<const void>{&d, sizeof(d)}, {
        Trade::SceneFieldData{Trade::SceneField::Transformation, Containers::arrayView(d.mapping), Containers::arrayView(d.transformations)},
    }};
    EXPECT_TRUE(scene.is2D());
    EXPECT_FALSE(scene.is3D());
}

TEST(CompatSceneDataTest, OwnedDataMoves) {
    Containers::Array<char> data{ValueInit, 8};
    const Containers::ArrayView<UnsignedInt> mapping = Containers::arrayCast<UnsignedInt>(data.prefix(4));
    const Containers::ArrayView<Int> parents = Containers::arrayCast<Int>(data.exceptPrefix(4));
    parents[0] = -1;
    Containers::Array<Trade::SceneFieldData> fields{ValueInit, 1};
    fields[0] = Trade::SceneFieldData{Trade::SceneField::Parent, mapping, parents};
    Trade::SceneData a{Trade::SceneMappingType::UnsignedInt, 1, std::move(data), std::move(fields)};
    Trade::SceneData b = std::move(a);
    EXPECT_EQ(b.dataFlags(), Trade::DataFlag::Owned|Trade::DataFlag::Mutable);
    EXPECT_EQ(b.childrenFor(-1).size(), 1u);
}

TEST(CompatSceneDataDeathTest, Assertions) {
    Scene s;
    const Trade::SceneData scene = makeScene(s);
    EXPECT_DEATH(scene.childrenFor(5), "Trade::SceneData::childrenFor\\(\\): object 5 out of range for 5 objects");
    EXPECT_DEATH(scene.camerasAsArray(), "Trade::SceneData::camerasInto\\(\\): field not found");
    EXPECT_DEATH(scene.lightsAsArray(), "Trade::SceneData::lightsInto\\(\\): field not found");
    EXPECT_DEATH(scene.fieldName(5), "Trade::SceneData::fieldName\\(\\): index 5 out of range for 5 fields");
    EXPECT_DEATH(scene.field<Float>(Trade::SceneField::Parent), "Trade::SceneData::field\\(\\): Trade::SceneField::Parent is Trade::SceneFieldType::Int but requested a type equivalent to Trade::SceneFieldType::Float");
}

TEST(CompatSceneDataDeathTest, NoTransformationField) {
    const Trade::SceneData scene{Trade::SceneMappingType::UnsignedInt, 1, Trade::DataFlags{}, Containers::ArrayView<const void>{}, {}};
    EXPECT_DEATH(scene.transformations3DAsArray(), "Trade::SceneData::transformations3DInto\\(\\): no transformation-related field found");
    EXPECT_DEATH(scene.parentsAsArray(), "Trade::SceneData::parentsInto\\(\\): field not found");
}

TEST(CompatSceneDataDeathTest, MappingTypeTooSmall) {
    EXPECT_DEATH((Trade::SceneData{Trade::SceneMappingType::UnsignedByte, 257, Trade::DataFlags{}, Containers::ArrayView<const void>{}, {}}),
        "Trade::SceneData: Trade::SceneMappingType::UnsignedByte is too small for 257 objects");
}

}}}
