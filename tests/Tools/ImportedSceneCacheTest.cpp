#include <cstring>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/Format.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Matrix3.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Sampler.h>
#include <Magnum/Trade/AbstractImporter.h>
#include <Magnum/Trade/SceneData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/ImportedSceneCache.h"

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using namespace Containers::Literals;
using Implementation::JointIds0;
using Implementation::Weights0;
using Implementation::JointIds1;
using Implementation::Weights1;

/* The bytes of a list of values */
template<class T> std::vector<char> bytes(std::initializer_list<T> values) {
    std::vector<char> out(values.size()*sizeof(T));
    std::memcpy(out.data(), values.begin(), out.size());
    return out;
}

struct AttributeInput {
    Trade::MeshAttribute name;
    VertexFormat format;
    std::vector<char> data;
    UnsignedShort arraySize;
};

/* A mesh with one block per attribute, each tightly packed, and owned data
   with the default deleter, as importers deliver them */
Trade::MeshData makeMesh(MeshPrimitive primitive, UnsignedInt vertexCount, std::initializer_list<AttributeInput> inputs, std::initializer_list<UnsignedShort> indices = {}) {
    std::size_t size = 0;
    for(const AttributeInput& input: inputs) size += input.data.size();
    Containers::Array<char> vertexData{ValueInit, size};
    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, inputs.size()};
    std::size_t offset = 0, i = 0;
    for(const AttributeInput& input: inputs) {
        EXPECT_EQ(input.data.size() % vertexCount, 0u);
        std::memcpy(vertexData.data() + offset, input.data.data(), input.data.size());
        attributes[i++] = Trade::MeshAttributeData{input.name, input.format, offset, vertexCount, std::ptrdiff_t(input.data.size()/vertexCount), input.arraySize};
        offset += input.data.size();
    }
    if(!indices.size())
        return Trade::MeshData{primitive, std::move(vertexData), std::move(attributes), vertexCount};
    Containers::Array<char> indexData{NoInit, indices.size()*2};
    std::memcpy(indexData.data(), indices.begin(), indexData.size());
    const Trade::MeshIndexData indexView{Containers::arrayCast<const UnsignedShort>(indexData)};
    return Trade::MeshData{primitive, std::move(indexData), indexView, std::move(vertexData), std::move(attributes), vertexCount};
}

/* Positions of a right triangle, repeated as needed */
std::vector<char> positions(UnsignedInt count) {
    std::vector<char> out(count*sizeof(Vector3));
    const Vector3 corners[]{{0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}};
    for(UnsignedInt i = 0; i != count; ++i)
        std::memcpy(out.data() + i*sizeof(Vector3), &corners[i % 3], sizeof(Vector3));
    return out;
}

std::vector<char> textureCoordinates(UnsignedInt count) {
    std::vector<char> out(count*sizeof(Vector2));
    const Vector2 corners[]{{0.0f, 0.0f}, {1.0f, 0.0f}, {0.0f, 1.0f}};
    for(UnsignedInt i = 0; i != count; ++i)
        std::memcpy(out.data() + i*sizeof(Vector2), &corners[i % 3], sizeof(Vector2));
    return out;
}

/* A scene built field by field */
struct SceneInput {
    UnsignedLong bound;
    std::vector<std::pair<UnsignedInt, Int>> parents;
    std::vector<std::pair<UnsignedInt, Matrix4>> transformations;
    std::vector<std::pair<UnsignedInt, Matrix3>> transformations2D;
    std::vector<std::pair<UnsignedInt, std::pair<UnsignedInt, Int>>> meshes;
};

/* Writes count values of T at @p at, advancing it */
template<class T, class F> Containers::ArrayView<T> write(char*& at, std::size_t count, F value) {
    const Containers::ArrayView<T> out = Containers::arrayCast<T>(Containers::arrayView(at, count*sizeof(T)));
    for(std::size_t i = 0; i != count; ++i) out[i] = value(i);
    at += count*sizeof(T);
    return out;
}

Trade::SceneData makeScene(const SceneInput& input) {
    const std::size_t size = input.parents.size()*8 + input.transformations.size()*(4 + 64) +
        input.transformations2D.size()*(4 + 36) + input.meshes.size()*12;
    Containers::Array<char> data{ValueInit, size};
    std::vector<Trade::SceneFieldData> fields;
    char* at = data.data();
    /* One field of (object, value) pairs, with its own object mapping */
    const auto addField = [&](Trade::SceneField name, const auto& pairs) {
        if(pairs.empty()) return;
        const auto objects = write<UnsignedInt>(at, pairs.size(), [&](std::size_t i) { return pairs[i].first; });
        typedef typename std::decay<decltype(pairs[0].second)>::type Value;
        fields.push_back(Trade::SceneFieldData{name, objects, write<Value>(at, pairs.size(), [&](std::size_t i) { return pairs[i].second; })});
    };
    addField(Trade::SceneField::Parent, input.parents);
    addField(Trade::SceneField::Transformation, input.transformations);
    addField(Trade::SceneField::Transformation, input.transformations2D);
    /* Materials share the meshes' mapping */
    if(!input.meshes.empty()) {
        const std::size_t n = input.meshes.size();
        const auto objects = write<UnsignedInt>(at, n, [&](std::size_t i) { return input.meshes[i].first; });
        fields.push_back(Trade::SceneFieldData{Trade::SceneField::Mesh, objects, write<UnsignedInt>(at, n, [&](std::size_t i) { return input.meshes[i].second.first; })});
        fields.push_back(Trade::SceneFieldData{Trade::SceneField::MeshMaterial, objects, write<Int>(at, n, [&](std::size_t i) { return input.meshes[i].second.second; })});
    }
    Containers::Array<Trade::SceneFieldData> fieldArray{ValueInit, fields.size()};
    for(std::size_t i = 0; i != fields.size(); ++i) fieldArray[i] = fields[i];
    return Trade::SceneData{Trade::SceneMappingType::UnsignedInt, input.bound, std::move(data), std::move(fieldArray)};
}

/* An importer scripted by the test. Items are handed out once. */
class ScriptedImporter: public Trade::AbstractImporter {
    public:
        std::vector<Containers::Optional<Trade::MeshData>> meshes;
        std::vector<std::string> meshNames;
        std::vector<Containers::Optional<Trade::ImageData2D>> images;
        std::vector<Containers::Optional<Trade::TextureData>> textures;
        std::vector<Containers::Optional<Trade::MaterialData>> materials;
        std::vector<Containers::Optional<Trade::CameraData>> cameras;
        std::vector<Containers::Optional<Trade::LightData>> lights;
        std::vector<std::string> objectNames;
        std::vector<Containers::Optional<SceneInput>> scenes;
        Int defaultSceneId = -1;
        std::vector<std::pair<std::string, Trade::MeshAttribute>> attributeNames;

    private:
        Trade::ImporterFeatures doFeatures() const override { return {}; }
        bool doIsOpened() const override { return true; }
        void doClose() override {}

        UnsignedInt doMeshCount() const override { return UnsignedInt(meshes.size()); }
        Containers::Optional<Trade::MeshData> doMesh(UnsignedInt id, UnsignedInt) override {
            if(!meshes[id]) Utility::Error{} << "ScriptedImporter: mesh" << id << "is broken";
            return std::move(meshes[id]);
        }
        Containers::String doMeshName(UnsignedInt id) override {
            return id < meshNames.size() ? Containers::String{meshNames[id].data(), meshNames[id].size()} : Containers::String{};
        }
        Trade::MeshAttribute doMeshAttributeForName(Containers::StringView name) override {
            for(const auto& entry: attributeNames)
                if(name == Containers::StringView{entry.first.data(), entry.first.size()}) return entry.second;
            return {};
        }
        UnsignedInt doImage2DCount() const override { return UnsignedInt(images.size()); }
        Containers::Optional<Trade::ImageData2D> doImage2D(UnsignedInt id, UnsignedInt) override { return std::move(images[id]); }
        Containers::String doImage2DName(UnsignedInt id) override { return Utility::format("image{}", id); }
        UnsignedInt doTextureCount() const override { return UnsignedInt(textures.size()); }
        Containers::Optional<Trade::TextureData> doTexture(UnsignedInt id) override { return std::move(textures[id]); }
        UnsignedInt doMaterialCount() const override { return UnsignedInt(materials.size()); }
        Containers::Optional<Trade::MaterialData> doMaterial(UnsignedInt id) override { return std::move(materials[id]); }
        Containers::String doMaterialName(UnsignedInt id) override { return Utility::format("material{}", id); }
        UnsignedInt doCameraCount() const override { return UnsignedInt(cameras.size()); }
        Containers::Optional<Trade::CameraData> doCamera(UnsignedInt id) override { return std::move(cameras[id]); }
        UnsignedInt doLightCount() const override { return UnsignedInt(lights.size()); }
        Containers::Optional<Trade::LightData> doLight(UnsignedInt id) override { return std::move(lights[id]); }

        UnsignedLong doObjectCount() const override { return objectNames.size(); }
        Containers::String doObjectName(UnsignedLong id) override {
            return Containers::String{objectNames[id].data(), objectNames[id].size()};
        }
        UnsignedInt doSceneCount() const override { return UnsignedInt(scenes.size()); }
        Int doDefaultScene() const override { return defaultSceneId; }
        Containers::Optional<Trade::SceneData> doScene(UnsignedInt id) override {
            if(!scenes[id]) return {};
            return makeScene(*scenes[id]);
        }
};

std::vector<std::string> names(const Containers::Array<Containers::String>& strings) {
    std::vector<std::string> out;
    for(const Containers::String& s: strings) out.emplace_back(s.data(), s.size());
    return out;
}

std::vector<std::pair<UnsignedInt, Int>> objects(const ImportedSceneCache& cache) {
    std::vector<std::pair<UnsignedInt, Int>> out;
    for(const auto& entry: cache.scene.objects) out.emplace_back(entry.first(), entry.second());
    return out;
}

/* Resources */

TEST(ImportedSceneCache, StartsEmpty) {
    ImportedSceneCache cache;
    EXPECT_TRUE(cache.meshes.isEmpty());
    EXPECT_TRUE(cache.objectNames.isEmpty());
    EXPECT_EQ(cache.jointsAttribute, Trade::MeshAttribute{});
    EXPECT_EQ(cache.weights1Attribute, Trade::MeshAttribute{});
    EXPECT_EQ(cache.scene.mappingBound, 0u);
    EXPECT_FALSE(cache.flag);
}

TEST(ImportedSceneCache, CachesEveryKindAtItsIndex) {
    ScriptedImporter importer;
    importer.meshes.emplace_back(makeMesh(MeshPrimitive::Triangles, 3, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0}}));
    importer.meshes.emplace_back();
    importer.meshes.emplace_back(makeMesh(MeshPrimitive::Points, 1, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(1), 0}}));
    importer.meshNames = {"first", "broken", "third"};
    importer.images.emplace_back(Trade::ImageData2D{PixelFormat::RGBA8Unorm, {2, 1}, Containers::Array<char>{ValueInit, 8}});
    importer.textures.emplace_back(Trade::TextureData{Trade::TextureType::Texture2D, SamplerFilter::Linear, SamplerFilter::Nearest, SamplerMipmap::Base, SamplerWrapping::Repeat, 0});
    importer.materials.emplace_back(Trade::MaterialData{Trade::MaterialType::PbrMetallicRoughness, {
        {Trade::MaterialAttribute::BaseColor, Color4{0.5f, 0.25f, 1.0f, 1.0f}},
        {Trade::MaterialAttribute::BaseColorTexture, 0u}}});
    importer.cameras.emplace_back(Trade::CameraData{Trade::CameraType::Perspective3D, Rad{1.0f}, 1.5f, 0.1f, 100.0f});
    importer.lights.emplace_back(Trade::LightData{Trade::LightType::Point, Color3{1.0f}, 2.0f, Vector3{1.0f, 0.0f, 1.0f}});
    importer.attributeNames = {{"JOINTS", Trade::meshAttributeCustom(7)}, {"WEIGHTS_1", Trade::meshAttributeCustom(9)}};

    ImportedSceneCache cache;
    std::ostringstream out;
    {
        Utility::Error redirectError{&out};
        cache.cacheResources(importer);
    }
    /* The importer's own message is the only one */
    EXPECT_EQ(out.str(), "ScriptedImporter: mesh 1 is broken\n");

    ASSERT_EQ(cache.meshes.size(), 3u);
    EXPECT_TRUE(cache.meshes[0]);
    EXPECT_FALSE(cache.meshes[1]);
    ASSERT_TRUE(cache.meshes[2]);
    EXPECT_EQ(cache.meshes[2]->primitive(), MeshPrimitive::Points);
    EXPECT_EQ(names(cache.meshNames), (std::vector<std::string>{"first", "broken", "third"}));
    ASSERT_EQ(cache.images.size(), 1u);
    EXPECT_EQ(cache.images[0]->size(), (Vector2i{2, 1}));
    EXPECT_EQ(names(cache.imageNames), (std::vector<std::string>{"image0"}));
    ASSERT_EQ(cache.textures.size(), 1u);
    EXPECT_EQ(cache.textures[0]->minificationFilter(), SamplerFilter::Linear);
    EXPECT_EQ(names(cache.textureNames), (std::vector<std::string>{""}));
    ASSERT_EQ(cache.materials.size(), 1u);
    EXPECT_EQ(cache.materials[0]->attribute<Color4>(Trade::MaterialAttribute::BaseColor), (Color4{0.5f, 0.25f, 1.0f, 1.0f}));
    EXPECT_EQ(names(cache.materialNames), (std::vector<std::string>{"material0"}));
    ASSERT_EQ(cache.cameras.size(), 1u);
    EXPECT_EQ(cache.cameras[0]->aspectRatio(), 1.5f);
    ASSERT_EQ(cache.lights.size(), 1u);
    EXPECT_EQ(cache.lights[0]->intensity(), 2.0f);
    EXPECT_TRUE(cache.skins.isEmpty());
    EXPECT_TRUE(cache.animations.isEmpty());

    EXPECT_EQ(cache.jointsAttribute, Trade::meshAttributeCustom(7));
    EXPECT_EQ(cache.weights1Attribute, Trade::meshAttributeCustom(9));
    EXPECT_EQ(cache.weightsAttribute, Trade::MeshAttribute{});
    EXPECT_EQ(cache.joints0Attribute, Trade::MeshAttribute{});

    /* Again with fewer meshes: the arrays follow the importer */
    ScriptedImporter smaller;
    smaller.meshes.emplace_back(makeMesh(MeshPrimitive::Lines, 2, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(2), 0}}));
    cache.cacheResources(smaller);
    ASSERT_EQ(cache.meshes.size(), 1u);
    EXPECT_EQ(cache.meshes[0]->primitive(), MeshPrimitive::Lines);
    EXPECT_EQ(names(cache.meshNames), (std::vector<std::string>{""}));
    EXPECT_TRUE(cache.images.isEmpty());
    EXPECT_EQ(cache.jointsAttribute, Trade::MeshAttribute{});
}

/* Scenes */

std::string cacheSceneError(ImportedSceneCache& cache, ScriptedImporter& importer, bool& result) {
    std::ostringstream out;
    Utility::Error redirectError{&out};
    result = cache.cacheScene(importer);
    return out.str();
}

TEST(ImportedSceneCache, NoSceneFillsTheNamesAndFails) {
    ScriptedImporter importer;
    importer.objectNames = {"a", ""};
    ImportedSceneCache cache;
    bool result = true;
    EXPECT_EQ(cacheSceneError(cache, importer, result), "No scene found in file\n");
    EXPECT_FALSE(result);
    EXPECT_EQ(names(cache.objectNames), (std::vector<std::string>{"a", ""}));
}

TEST(ImportedSceneCache, SceneThatDoesNotLoad) {
    ScriptedImporter importer;
    importer.scenes.emplace_back();
    importer.defaultSceneId = 0;
    ImportedSceneCache cache;
    bool result = true;
    EXPECT_EQ(cacheSceneError(cache, importer, result), "Cannot load scene\n");
    EXPECT_FALSE(result);
}

TEST(ImportedSceneCache, TwoDimensionalSceneIsRefused) {
    ScriptedImporter importer;
    importer.objectNames = {"a"};
    importer.scenes.emplace_back(SceneInput{1, {{0, -1}}, {}, {{0, Matrix3{}}}, {}});
    importer.defaultSceneId = 0;
    ImportedSceneCache cache;
    bool result = true;
    EXPECT_EQ(cacheSceneError(cache, importer, result), "Scene is not 3D\n");
    EXPECT_FALSE(result);
    EXPECT_EQ(cache.scene.mappingBound, 0u);
}

TEST(ImportedSceneCache, HierarchyInPreOrderWithGeneratedNames) {
    ScriptedImporter importer;
    /* A (0) with child 2, B (1) with children 3 (named) and 4 */
    importer.objectNames = {"", "", "", "named", ""};
    SceneInput input{5, {{0, -1}, {1, -1}, {2, 0}, {3, 1}, {4, 1}}, {}, {}, {}};
    input.transformations = {{2, Matrix4::translation({1.0f, 2.0f, 3.0f})}};
    input.meshes = {{2, {5, -1}}, {4, {1, 0}}};
    importer.scenes.emplace_back(input);
    /* No default scene named, but there is one */
    importer.defaultSceneId = -1;

    ImportedSceneCache cache;
    ASSERT_TRUE(cache.cacheScene(importer));
    EXPECT_EQ(objects(cache), (std::vector<std::pair<UnsignedInt, Int>>{{0, -1}, {2, 0}, {1, -1}, {3, 1}, {4, 1}}));
    /* Numbered per parent; a named object doesn't advance the numbering */
    EXPECT_EQ(names(cache.objectNames), (std::vector<std::string>{"object_0", "object_1", "object_0", "named", "object_0"}));
    EXPECT_EQ(cache.scene.mappingBound, 5u);
    ASSERT_EQ(cache.scene.rootObjects.size(), 2u);
    EXPECT_EQ(cache.scene.rootObjects[1], 1u);
    ASSERT_EQ(cache.scene.transformations.size(), 1u);
    EXPECT_EQ(cache.scene.transformations[0].second(), Matrix4::translation({1.0f, 2.0f, 3.0f}));
    ASSERT_EQ(cache.scene.meshesMaterials.size(), 2u);
    EXPECT_EQ(cache.scene.meshesMaterials[0].second().first(), 5u);
    EXPECT_EQ(cache.scene.meshesMaterials[1].second().second(), 0);

    /* A scene without meshes or transformations leaves nothing of the last */
    ScriptedImporter next;
    next.objectNames = {"x"};
    next.scenes.emplace_back(SceneInput{1, {{0, -1}}, {}, {}, {}});
    next.defaultSceneId = 0;
    ASSERT_TRUE(cache.cacheScene(next));
    EXPECT_TRUE(cache.scene.meshesMaterials.isEmpty());
    EXPECT_TRUE(cache.scene.transformations.isEmpty());
    EXPECT_EQ(objects(cache), (std::vector<std::pair<UnsignedInt, Int>>{{0, -1}}));
}

TEST(ImportedSceneCache, MalformedHierarchyIsWalkedSafely) {
    ScriptedImporter importer;
    importer.objectNames = {"", "", "", ""};
    /* Object 1 listed under two parents, 7 past the bound, 9 the parent of
       something, and 2 and 3 parents of each other (a cycle nobody reaches) */
    importer.scenes.emplace_back(SceneInput{4, {{0, -1}, {1, 0}, {1, -1}, {7, 0}, {0, 9}, {2, 3}, {3, 2}}, {}, {}, {}});
    importer.defaultSceneId = 0;
    ImportedSceneCache cache;
    ASSERT_TRUE(cache.cacheScene(importer));
    /* Each object once, where the walk meets it first (1 as a root); the
       array holds only what the walk wrote */
    EXPECT_EQ(objects(cache), (std::vector<std::pair<UnsignedInt, Int>>{{0, -1}, {1, -1}}));
    EXPECT_EQ(names(cache.objectNames), (std::vector<std::string>{"object_0", "object_1", "", ""}));
}

TEST(ImportedSceneCache, DeepChainNeedsNoDeepStack) {
    constexpr UnsignedInt Depth = 200000;
    ScriptedImporter importer;
    importer.objectNames.assign(Depth, "n");
    SceneInput input{Depth, {}, {}, {}, {}};
    for(UnsignedInt i = 0; i != Depth; ++i) input.parents.emplace_back(i, Int(i) - 1);
    importer.scenes.emplace_back(input);
    importer.defaultSceneId = 0;
    ImportedSceneCache cache;
    ASSERT_TRUE(cache.cacheScene(importer));
    ASSERT_EQ(cache.scene.objects.size(), Depth);
    EXPECT_EQ(cache.scene.objects[Depth - 1].first(), Depth - 1);
    EXPECT_EQ(cache.scene.objects[Depth - 1].second(), Int(Depth) - 2);
}

/* Meshes */

std::string canProcess(ImportedSceneCache& cache, const Trade::MeshData& mesh, bool& result) {
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    result = cache.canProcessMesh(mesh);
    return out.str();
}

struct RefusedCase {
    const char* name;
    MeshPrimitive primitive;
    Trade::MeshAttribute attribute;
    VertexFormat format;
    std::size_t bytesPerVertex;
    std::initializer_list<UnsignedShort> indices;
    const char* message;
};

void PrintTo(const RefusedCase& data, std::ostream* out) { *out << data.name; }

const RefusedCase RefusedCases[]{
    {"Lines", MeshPrimitive::Lines, Trade::MeshAttribute::Position, VertexFormat::Vector3, 12, {},
        "[SceneLoader] Skipping mesh: Only triangle primitives are supported\n"},
    {"NoPosition", MeshPrimitive::Triangles, Trade::MeshAttribute::Normal, VertexFormat::Vector3, 12, {},
        "[SceneLoader] Skipping mesh: Missing position attribute\n"},
    {"HalfPosition", MeshPrimitive::Triangles, Trade::MeshAttribute::Position, VertexFormat::Vector3h, 6, {},
        "[SceneLoader] Skipping mesh: Unsupported position format VertexFormat::Vector3h\n"},
    {"IndexPastTheVertices", MeshPrimitive::TriangleFan, Trade::MeshAttribute::Position, VertexFormat::Vector3, 12, {0, 1, 3},
        "[SceneLoader] Skipping mesh: Index 3 out of range for 3 vertices\n"},
};

class CanProcessMeshTest: public testing::TestWithParam<RefusedCase> {};

TEST_P(CanProcessMeshTest, RefusesWithTheReason) {
    const RefusedCase& data = GetParam();
    ImportedSceneCache cache;
    const Trade::MeshData mesh = makeMesh(data.primitive, 3, {{data.attribute, data.format, std::vector<char>(3*data.bytesPerVertex), 0}}, data.indices);
    bool result = true;
    EXPECT_EQ(canProcess(cache, mesh, result), data.message);
    EXPECT_FALSE(result);
}

INSTANTIATE_TEST_SUITE_P(ImportedSceneCache, CanProcessMeshTest, testing::ValuesIn(RefusedCases),
    [](const testing::TestParamInfo<RefusedCase>& info) { return std::string{info.param.name}; });

TEST(ImportedSceneCache, CanProcessQuantizedStripsAndFans) {
    ImportedSceneCache cache;
    bool result = false;
    EXPECT_EQ(canProcess(cache, makeMesh(MeshPrimitive::TriangleStrip, 4, {{Trade::MeshAttribute::Position, VertexFormat::Vector3sNormalized, std::vector<char>(24), 0}}, {0, 1, 2, 3}), result), "");
    EXPECT_TRUE(result);
}

/* processMesh() without packing anything, so values can be compared */
Trade::MeshData process(ImportedSceneCache& cache, Trade::MeshData&& mesh, std::string& warnings) {
    std::ostringstream out;
    Utility::Warning redirectWarning{&out};
    Trade::MeshData result = cache.processMesh({}, std::move(mesh));
    warnings = out.str();
    return result;
}

TEST(ImportedSceneCache, CutsToWholeTriangles) {
    ImportedSceneCache cache;
    std::string warnings;
    Trade::MeshData seven = process(cache, makeMesh(MeshPrimitive::Triangles, 7, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(7), 0}}), warnings);
    EXPECT_EQ(seven.vertexCount(), 6u);
    EXPECT_FALSE(seven.isIndexed());

    Trade::MeshData eight = process(cache, makeMesh(MeshPrimitive::Triangles, 4, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(4), 0}}, {0, 1, 2, 1, 2, 3, 3, 0}), warnings);
    EXPECT_EQ(eight.indexCount(), 6u);
    EXPECT_EQ(eight.vertexCount(), 4u);
    EXPECT_EQ(warnings, "");
}

TEST(ImportedSceneCache, StripsAndFansBecomeTriangles) {
    ImportedSceneCache cache;
    std::string warnings;
    /* 5 strip vertices are 3 triangles */
    Trade::MeshData strip = process(cache, makeMesh(MeshPrimitive::TriangleStrip, 5, {{Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(5), 0}}), warnings);
    EXPECT_EQ(strip.primitive(), MeshPrimitive::Triangles);
    EXPECT_EQ(strip.isIndexed() ? strip.indexCount() : strip.vertexCount(), 9u);
    EXPECT_TRUE(strip.hasAttribute(Trade::MeshAttribute::Normal));

    /* Two vertices of a fan have no triangle: an empty list, no tangents */
    Trade::MeshData tiny = process(cache, makeMesh(MeshPrimitive::TriangleFan, 2, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(2), 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, textureCoordinates(2), 0}}), warnings);
    EXPECT_EQ(tiny.primitive(), MeshPrimitive::Triangles);
    EXPECT_EQ(tiny.isIndexed() ? tiny.indexCount() : tiny.vertexCount(), 0u);
    EXPECT_FALSE(tiny.hasAttribute(Trade::MeshAttribute::Tangent));
}

TEST(ImportedSceneCache, GainsNormalsAndTangents) {
    ImportedSceneCache cache;
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2usNormalized, bytes<Math::Vector2<UnsignedShort>>({{0, 0}, {65535, 0}, {0, 65535}}), 0}}), warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(mesh.attributeFormat(Trade::MeshAttribute::TextureCoordinates), VertexFormat::Vector2);
    EXPECT_EQ(mesh.attribute<Vector2>(Trade::MeshAttribute::TextureCoordinates)[1], (Vector2{1.0f, 0.0f}));
    ASSERT_TRUE(mesh.hasAttribute(Trade::MeshAttribute::Normal));
    EXPECT_EQ(mesh.attribute<Vector3>(Trade::MeshAttribute::Normal)[0], (Vector3{0.0f, 0.0f, 1.0f}));
    ASSERT_TRUE(mesh.hasAttribute(Trade::MeshAttribute::Tangent));
    EXPECT_EQ(mesh.attribute<Vector4>(Trade::MeshAttribute::Tangent)[0], (Vector4{1.0f, 0.0f, 0.0f, 1.0f}));
}

struct WarningCase {
    const char* name;
    Trade::MeshAttribute attribute;
    VertexFormat format;
    std::size_t bytesPerVertex;
    const char* warning;
    bool keptAfterwards;
};

void PrintTo(const WarningCase& data, std::ostream* out) { *out << data.name; }

const WarningCase WarningCases[]{
    {"HalfNormals", Trade::MeshAttribute::Normal, VertexFormat::Vector3h, 6,
        "[SceneLoader] Unsupported normal format VertexFormat::Vector3h, generating normals\n", true},
    {"HalfTangents", Trade::MeshAttribute::Tangent, VertexFormat::Vector4h, 8,
        "[SceneLoader] Unsupported tangent format VertexFormat::Vector4h, ignoring\n", false},
    {"FloatJointIds", JointIds0, VertexFormat::Vector4, 16,
        "[SceneLoader] Unsupported joint id format VertexFormat::Vector4, ignoring\n", false},
    {"ShortWeights", Weights1, VertexFormat::Vector4s, 8,
        "[SceneLoader] Unsupported joint weight format VertexFormat::Vector4s, ignoring\n", false},
    {"HalfColors", Trade::MeshAttribute::Color, VertexFormat::Vector4h, 8,
        "[SceneLoader] Unsupported color format VertexFormat::Vector4h, ignoring\n", false},
};

class ProcessMeshWarningTest: public testing::TestWithParam<WarningCase> {};

TEST_P(ProcessMeshWarningTest, WarnsAndDrops) {
    const WarningCase& data = GetParam();
    ImportedSceneCache cache;
    /* The importer names its own attributes like the engine's */
    cache.joints0Attribute = JointIds0;
    cache.weights1Attribute = Weights1;
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {data.attribute, data.format, std::vector<char>(3*data.bytesPerVertex), 0}}), warnings);
    EXPECT_EQ(warnings, data.warning);
    EXPECT_EQ(mesh.hasAttribute(data.attribute), data.keptAfterwards);
    if(data.keptAfterwards) {
        EXPECT_EQ(mesh.attributeFormat(data.attribute), VertexFormat::Vector3);
    }
}

INSTANTIATE_TEST_SUITE_P(ImportedSceneCache, ProcessMeshWarningTest, testing::ValuesIn(WarningCases),
    [](const testing::TestParamInfo<WarningCase>& info) { return std::string{info.param.name}; });

TEST(ImportedSceneCache, HalfSecondTextureSetDropsBothAndNoTangents) {
    ImportedSceneCache cache;
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2, textureCoordinates(3), 0},
        {Trade::MeshAttribute::TextureCoordinates, VertexFormat::Vector2h, std::vector<char>(12), 0}}), warnings);
    EXPECT_EQ(warnings, "[SceneLoader] Unsupported texture coordinate format VertexFormat::Vector2h, ignoring\n");
    EXPECT_FALSE(mesh.hasAttribute(Trade::MeshAttribute::TextureCoordinates));
    EXPECT_FALSE(mesh.hasAttribute(Trade::MeshAttribute::Tangent));
}

TEST(ImportedSceneCache, HalfPositionComesBackUnpacked) {
    ImportedSceneCache cache;
    cache.jointsAttribute = Trade::meshAttributeCustom(11);
    std::string warnings;
    std::ostringstream out;
    Trade::MeshData mesh = [&]{
        Utility::Warning redirectWarning{&out};
        return cache.processMesh(MeshDataFlag::Normal|MeshDataFlag::Packed, makeMesh(MeshPrimitive::Triangles, 4, {
            {Trade::MeshAttribute::Position, VertexFormat::Vector3h, std::vector<char>(24), 0},
            {Trade::meshAttributeCustom(11), VertexFormat::Vector4ub, std::vector<char>(16), 0},
            {Trade::MeshAttribute::Normal, VertexFormat::Vector3, std::vector<char>(48), 0}}));
    }();
    EXPECT_EQ(out.str(), "[SceneLoader] Skipping mesh: Unsupported position format VertexFormat::Vector3h\n");
    /* Triangles, cut, skinning under the engine's names, nothing converted */
    EXPECT_EQ(mesh.vertexCount(), 3u);
    EXPECT_TRUE(mesh.hasAttribute(JointIds0));
    EXPECT_EQ(mesh.attributeFormat(JointIds0), VertexFormat::Vector4ub);
    EXPECT_EQ(mesh.attributeFormat(Trade::MeshAttribute::Normal), VertexFormat::Vector3);
}

TEST(ImportedSceneCache, ColorsBecomeFourFloats) {
    ImportedSceneCache cache;
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::MeshAttribute::Color, VertexFormat::Vector3ubNormalized, bytes<Color3ub>({{255, 0, 51}, {0, 0, 0}, {255, 255, 255}}), 0}}), warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(mesh.attributeFormat(Trade::MeshAttribute::Color), VertexFormat::Vector4);
    EXPECT_EQ(mesh.attribute<Color4>(Trade::MeshAttribute::Color)[0], (Color4{1.0f, 0.0f, 0.2f, 1.0f}));
}

/* Joint ids and weights of one set, vertex i holding ids (i, i + 1, ...) and
   the given weights */
std::vector<char> jointIds(UnsignedInt first) {
    return bytes<Math::Vector4<UnsignedShort>>({
        {UnsignedShort(first), UnsignedShort(first + 1), 0, 0},
        {UnsignedShort(first + 2), 0, 0, 0},
        {0, 0, 0, UnsignedShort(first + 3)}});
}

TEST(ImportedSceneCache, SkinningByNumberedNames) {
    ImportedSceneCache cache;
    cache.joints0Attribute = Trade::meshAttributeCustom(20);
    cache.weights0Attribute = Trade::meshAttributeCustom(21);
    cache.joints1Attribute = Trade::meshAttributeCustom(22);
    cache.weights1Attribute = Trade::meshAttributeCustom(23);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(22), VertexFormat::Vector4us, jointIds(10), 0},
        {Trade::meshAttributeCustom(20), VertexFormat::Vector4us, jointIds(0), 0},
        {Trade::meshAttributeCustom(21), VertexFormat::Vector4, std::vector<char>(48), 0},
        {Trade::meshAttributeCustom(23), VertexFormat::Vector4usNormalized, std::vector<char>(24), 0}}), warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[0], (Math::Vector4<UnsignedShort>{0, 1, 0, 0}));
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds1)[0], (Math::Vector4<UnsignedShort>{10, 11, 0, 0}));
    EXPECT_EQ(mesh.attributeFormat(Weights0), VertexFormat::Vector4);
    EXPECT_EQ(mesh.attributeFormat(Weights1), VertexFormat::Vector4);
}

TEST(ImportedSceneCache, SkinningBySetsOfOneName) {
    ImportedSceneCache cache;
    cache.jointsAttribute = Trade::meshAttributeCustom(5);
    cache.weightsAttribute = Trade::meshAttributeCustom(6);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4ub, bytes<Math::Vector4<UnsignedByte>>({{1, 2, 3, 4}, {0, 0, 0, 0}, {0, 0, 0, 0}}), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4ubNormalized, bytes<Math::Vector4<UnsignedByte>>({{255, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 0, 0}}), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4ub, bytes<Math::Vector4<UnsignedByte>>({{5, 6, 7, 8}, {0, 0, 0, 0}, {0, 0, 0, 0}}), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4ubNormalized, std::vector<char>(12), 0}}), warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[0], (Math::Vector4<UnsignedShort>{1, 2, 3, 4}));
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds1)[0], (Math::Vector4<UnsignedShort>{5, 6, 7, 8}));
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[0], (Vector4{1.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_TRUE(mesh.hasAttribute(Weights1));
}

TEST(ImportedSceneCache, ThreeSetsAreCutToTwoAndRenormalized) {
    ImportedSceneCache cache;
    cache.jointsAttribute = Trade::meshAttributeCustom(5);
    cache.weightsAttribute = Trade::meshAttributeCustom(6);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(0), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(10), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(20), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4, bytes<Vector4>({{0.25f, 0.25f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, {0.5f, 0.0f, 0.0f, 0.0f}}), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4, bytes<Vector4>({{0.125f, 0.125f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}, {0.5f, 0.0f, 0.0f, 0.0f}}), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4, bytes<Vector4>({{0.25f, 0.0f, 0.0f, 0.0f}, {1.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 0.0f, 0.0f}}), 0}}), warnings);
    EXPECT_EQ(warnings, "[SceneLoader] Found 3 sets of skinning attributes, only importing the first two sets\n");
    /* 0.75 of the first vertex's weight was kept, now scaled to 1; a vertex
       whose kept weights are all zero stays zero */
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[0], (Vector4{1.0f/3.0f, 1.0f/3.0f, 0.0f, 0.0f}));
    EXPECT_EQ(mesh.attribute<Vector4>(Weights1)[0], (Vector4{1.0f/6.0f, 1.0f/6.0f, 0.0f, 0.0f}));
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[1], Vector4{});
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[2], (Vector4{0.5f, 0.0f, 0.0f, 0.0f}));
    /* The third sets keep the importer's name */
    EXPECT_EQ(mesh.attributeCount(Trade::meshAttributeCustom(5)), 1u);
    EXPECT_EQ(mesh.attributeCount(Trade::meshAttributeCustom(6)), 1u);
}

TEST(ImportedSceneCache, ThreeSetsWithoutASecondWeightSet) {
    ImportedSceneCache cache;
    cache.jointsAttribute = Trade::meshAttributeCustom(5);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(0), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(10), 0},
        {Trade::meshAttributeCustom(5), VertexFormat::Vector4us, jointIds(20), 0}}), warnings);
    EXPECT_EQ(warnings, "[SceneLoader] Found 3 sets of skinning attributes, only importing the first two sets\n");
    EXPECT_TRUE(mesh.hasAttribute(JointIds1));
    EXPECT_FALSE(mesh.hasAttribute(Weights0));
}

TEST(ImportedSceneCache, WideJointIdsAreCastDown) {
    ImportedSceneCache cache;
    cache.joints0Attribute = Trade::meshAttributeCustom(3);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(3), VertexFormat::Vector4ui, bytes<Math::Vector4<UnsignedInt>>({{0x12345, 7, 0, 0x10000}, {}, {}}), 0}}), warnings);
    EXPECT_EQ(warnings, "[SceneLoader] Casting joint ids down to UnsignedShort. If the skeleton has more than 65535 bones, this is will lose information.\n");
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[0], (Math::Vector4<UnsignedShort>{0x2345, 7, 0, 0}));
}

TEST(ImportedSceneCache, ArraysOfScalarsBecomeVectors) {
    ImportedSceneCache cache;
    cache.jointsAttribute = Trade::meshAttributeCustom(8);
    cache.weightsAttribute = Trade::meshAttributeCustom(9);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(8), VertexFormat::UnsignedByte, bytes<UnsignedByte>({1, 2, 3, 4, 0, 0, 0, 0, 0, 0, 0, 0}), 4},
        {Trade::meshAttributeCustom(9), VertexFormat::UnsignedByteNormalized, bytes<UnsignedByte>({255, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 4}}), warnings);
    EXPECT_EQ(warnings, "");
    EXPECT_EQ(mesh.attribute<Math::Vector4<UnsignedShort>>(JointIds0)[0], (Math::Vector4<UnsignedShort>{1, 2, 3, 4}));
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[0], (Vector4{1.0f, 0.0f, 0.0f, 0.0f}));
}

TEST(ImportedSceneCache, UnrelatedAttributesWithEngineNamesMoveAside) {
    /* The importer's weights are custom(6); its custom(1) and custom(42)
       are something else entirely */
    ImportedSceneCache cache;
    cache.weights0Attribute = Trade::meshAttributeCustom(6);
    std::string warnings;
    Trade::MeshData mesh = process(cache, makeMesh(MeshPrimitive::Triangles, 3, {
        {Trade::MeshAttribute::Position, VertexFormat::Vector3, positions(3), 0},
        {Trade::meshAttributeCustom(1), VertexFormat::Float, bytes<Float>({5.0f, 6.0f, 7.0f}), 0},
        {Implementation::NormalPadding, VertexFormat::Float, bytes<Float>({1.0f, 1.0f, 1.0f}), 0},
        {Trade::meshAttributeCustom(6), VertexFormat::Vector4, bytes<Vector4>({{1.0f, 0.0f, 0.0f, 0.0f}, {}, {}}), 0}}), warnings);
    EXPECT_EQ(mesh.attributeCount(Weights0), 1u);
    EXPECT_EQ(mesh.attributeFormat(Weights0), VertexFormat::Vector4);
    EXPECT_EQ(mesh.attribute<Vector4>(Weights0)[0], (Vector4{1.0f, 0.0f, 0.0f, 0.0f}));
    EXPECT_FALSE(mesh.hasAttribute(Implementation::NormalPadding));
    /* Both still there, under names of their own */
    std::size_t floats = 0;
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i)
        if(mesh.attributeFormat(i) == VertexFormat::Float) ++floats;
    EXPECT_EQ(floats, 2u);
}

/* Lives in read-only memory: writing to it would crash */
const Trade::MeshAttributeData SharedAttributes[]{
    Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, 12},
    Trade::MeshAttributeData{Trade::meshAttributeCustom(2), VertexFormat::Vector4us, 36, 3, 8},
};

TEST(ImportedSceneCache, SharedAttributeListIsNotWritten) {
    ImportedSceneCache cache;
    cache.joints0Attribute = Trade::meshAttributeCustom(2);
    Containers::Array<char> vertexData{ValueInit, 36 + 24};
    std::memcpy(vertexData.data(), positions(3).data(), 36);
    std::string warnings;
    Trade::MeshData mesh = process(cache, Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), Trade::meshAttributeDataNonOwningArray(SharedAttributes)}, warnings);
    EXPECT_TRUE(mesh.hasAttribute(JointIds0));
    EXPECT_EQ(SharedAttributes[1].name(), Trade::meshAttributeCustom(2));
}

TEST(ImportedSceneCacheDeathTest, VertexDataNotOwned) {
    ImportedSceneCache cache;
    static char data[36]{};
    EXPECT_DEATH(cache.processMesh({}, Trade::MeshData{MeshPrimitive::Triangles, Trade::DataFlags{}, data, {
        Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, 12}}}),
        "SceneLoader::addMesh\\(\\): MeshData vertex data is not owned");
}

TEST(ImportedSceneCacheDeathTest, IndexDataNotOwned) {
    ImportedSceneCache cache;
    static const UnsignedShort indices[]{0, 1, 2};
    EXPECT_DEATH(cache.processMesh({}, Trade::MeshData{MeshPrimitive::Triangles, Trade::DataFlags{}, indices, Trade::MeshIndexData{indices},
        Containers::Array<char>{ValueInit, 36}, {Trade::MeshAttributeData{Trade::MeshAttribute::Position, VertexFormat::Vector3, 0, 3, 12}}}),
        "SceneLoader::addMesh\\(\\): MeshData index data is not owned");
}

}}}
