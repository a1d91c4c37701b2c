#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/CubicHermite.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Trade/AnimationData.h>
#include <Magnum/Trade/CameraData.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/LightData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/SceneData.h>
#include <Magnum/Trade/SkinData.h>
#include <Magnum/Trade/TextureData.h>

#include "GltfImporter.h"

/* An independent decode to compare texels with */
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb_image.h>
#pragma GCC diagnostic pop

#ifndef VELMORA_GLTF_MODELS_DIR
#define VELMORA_GLTF_MODELS_DIR "/usr/share/assimp/models/glTF2"
#endif
#ifndef VELMORA_GLTF_CRASHERS_DIR
#define VELMORA_GLTF_CRASHERS_DIR ""
#endif

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using nlohmann::json;
using namespace Containers::Literals;

std::string modelPath(const std::string& file) {
    return std::string{VELMORA_GLTF_MODELS_DIR} + "/" + file;
}

std::vector<char> readBytes(const std::string& path) {
    std::ifstream in{path, std::ios::binary};
    return std::vector<char>{std::istreambuf_iterator<char>{in}, std::istreambuf_iterator<char>{}};
}

/* The JSON of a .gltf or of a .glb's first chunk, to read expected numbers
   from the file itself */
json readJson(const std::string& path) {
    const std::vector<char> bytes = readBytes(path);
    if(bytes.size() >= 20 && std::memcmp(bytes.data(), "glTF", 4) == 0) {
        UnsignedInt length;
        std::memcpy(&length, bytes.data() + 12, 4);
        return json::parse(bytes.begin() + 20, bytes.begin() + 20 + length);
    }
    return json::parse(bytes.begin(), bytes.end());
}

/* Bytes of a buffer view of a .gltf whose buffers are files or data URIs */
std::vector<char> bufferBytes(const std::string& gltfPath, const json& gltf, const std::size_t buffer) {
    const std::string uri = gltf["buffers"][buffer]["uri"];
    const std::string dir = gltfPath.substr(0, gltfPath.rfind('/') + 1);
    if(uri.rfind("data:", 0) == 0) {
        const std::string encoded = uri.substr(uri.find(',') + 1);
        static const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        std::vector<char> out;
        UnsignedInt bits = 0, count = 0;
        for(const char c: encoded) {
            const std::size_t v = alphabet.find(c);
            if(v == std::string::npos) continue;
            bits = (bits << 6)|UnsignedInt(v);
            count += 6;
            if(count >= 8) { count -= 8; out.push_back(char((bits >> count) & 0xff)); }
        }
        return out;
    }
    return readBytes(dir + uri);
}

template<class T> std::vector<T> accessorValues(const std::string& gltfPath, const json& gltf, const std::size_t accessor, const std::size_t components) {
    const json& a = gltf["accessors"][accessor];
    const json& view = gltf["bufferViews"][std::size_t(a["bufferView"])];
    const std::vector<char> buffer = bufferBytes(gltfPath, gltf, view["buffer"]);
    const std::size_t offset = std::size_t(view.value("byteOffset", 0)) + std::size_t(a.value("byteOffset", 0));
    const std::size_t stride = view.value("byteStride", std::size_t(0)) ? std::size_t(view["byteStride"]) : sizeof(T)*components;
    std::vector<T> out;
    for(std::size_t i = 0; i != std::size_t(a["count"]); ++i) for(std::size_t c = 0; c != components; ++c) {
        T value;
        std::memcpy(&value, buffer.data() + offset + i*stride + c*sizeof(T), sizeof(T));
        out.push_back(value);
    }
    return out;
}

/* Reads every item of every kind, as the scene cache would; returns how
   many items failed */
std::size_t readEverything(Trade::AbstractImporter& importer) {
    std::size_t failed = 0;
    for(UnsignedInt i = 0; i != importer.sceneCount(); ++i) {
        Containers::Optional<Trade::SceneData> scene = importer.scene(i);
        if(!scene) { ++failed; continue; }
        if(scene->hasField(Trade::SceneField::Parent)) scene->parentsAsArray();
        if(scene->is3D()) scene->transformations3DAsArray();
        if(scene->hasField(Trade::SceneField::Mesh)) scene->meshesMaterialsAsArray();
        if(scene->hasField(Trade::SceneField::Skin)) scene->skinsAsArray();
        if(scene->hasField(Trade::SceneField::Camera)) scene->camerasAsArray();
        if(scene->hasField(Trade::SceneField::Light)) scene->lightsAsArray();
        scene->childrenFor(-1);
    }
    for(UnsignedLong i = 0; i != importer.objectCount(); ++i) importer.objectName(i);
    for(UnsignedInt i = 0; i != importer.image2DCount(); ++i) { importer.image2DName(i); if(!importer.image2D(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.textureCount(); ++i) { importer.textureName(i); if(!importer.texture(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.materialCount(); ++i) { importer.materialName(i); if(!importer.material(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.meshCount(); ++i) {
        importer.meshName(i);
        Containers::Optional<Trade::MeshData> mesh = importer.mesh(i);
        if(!mesh) { ++failed; continue; }
        if(mesh->isIndexed()) mesh->indicesAsArray();
        if(mesh->hasAttribute(Trade::MeshAttribute::Position)) mesh->positions3DAsArray();
    }
    for(UnsignedInt i = 0; i != importer.skin3DCount(); ++i) { importer.skin3DName(i); if(!importer.skin3D(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.cameraCount(); ++i) { importer.cameraName(i); if(!importer.camera(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.lightCount(); ++i) { importer.lightName(i); if(!importer.light(i)) ++failed; }
    for(UnsignedInt i = 0; i != importer.animationCount(); ++i) { importer.animationName(i); if(!importer.animation(i)) ++failed; }
    for(const char* name: {"JOINTS", "WEIGHTS", "JOINTS_0", "WEIGHTS_0"}) importer.meshAttributeForName(name);
    return failed;
}

/* Every glTF2 file of Debian's assimp-testmodels, with what opening and
   reading it gives */
struct EveryFileCase {
    const char* name;
    const char* file;
    bool opens;
    std::size_t failedItems;
    const char* errors;
};

const EveryFileCase EveryFileData[]{
    {"N2CylinderEngineBinary2CylinderEngine", "2CylinderEngine-glTF-Binary/2CylinderEngine.glb", true, 0, ""},
    {"BoxBadNormalsBinaryBoxBadNormals", "BoxBadNormals-glTF-Binary/BoxBadNormals.glb", true, 0, ""},
    {"BoxTexcoordsboxTexcoords", "BoxTexcoords-glTF/boxTexcoords.gltf", true, 0, ""},
    {"BoxTexturedBinaryBoxTextured", "BoxTextured-glTF-Binary/BoxTextured.glb", true, 0, ""},
    {"BoxTexturedEmbeddedBoxTextured", "BoxTextured-glTF-Embedded/BoxTextured.gltf", true, 0, ""},
    {"BoxTexturedpbrSpecularGlossinessBoxTextured", "BoxTextured-glTF-pbrSpecularGlossiness/BoxTextured.gltf", true, 0, ""},
    {"BoxTexturedtechniqueWebGLBoxTextured", "BoxTextured-glTF-techniqueWebGL/BoxTextured.gltf", true, 0, ""},
    {"BoxTexturedBoxTextured", "BoxTextured-glTF/BoxTextured.gltf", true, 0, ""},
    {"BoxWithInfinitesBinaryBoxWithInfinites", "BoxWithInfinites-glTF-Binary/BoxWithInfinites.glb", true, 0, ""},
    {"ClearCoatClearCoatTest", "ClearCoat-glTF/ClearCoatTest.gltf", true, 0, ""},
    {"IncorrectVertexArraysCube", "IncorrectVertexArrays/Cube.gltf", true, 0, ""},
    {"IndexOutOfRangeAllIndicesOutOfRange", "IndexOutOfRange/AllIndicesOutOfRange.gltf", true, 1,
        "GltfImporter::mesh(): index 65535 out of range for 24 vertices\n"},
    {"IndexOutOfRangeIndexOutOfRange", "IndexOutOfRange/IndexOutOfRange.gltf", true, 1,
        "GltfImporter::mesh(): index 255 out of range for 24 vertices\n"},
    {"MissingBinBoxTextured", "MissingBin/BoxTextured.gltf", false, 0,
        "GltfImporter::openFile(): File not found : BoxTextured0.bin\n"},
    {"RecursiveNodesRecursiveNodes", "RecursiveNodes/RecursiveNodes.gltf", true, 1,
        "GltfImporter::scene(): node 0 is its own ancestor\n"},
    {"SchemaFailuressceneWrongType", "SchemaFailures/sceneWrongType.gltf", false, 0,
        "GltfImporter::openFile(): File not found : BoxTextured0.bin\n"},
    {"TestNoRootNodeNoScene", "TestNoRootNode/NoScene.gltf", false, 0,
        "GltfImporter::openFile(): default scene 0 out of range for 0 scenes\n"},
    {"TestNoRootNodeSceneWithoutNodes", "TestNoRootNode/SceneWithoutNodes.gltf", true, 0, ""},
    {"CamerasCameras", "cameras/Cameras.gltf", true, 0, ""},
    {"Draco2CylinderEngine", "draco/2CylinderEngine.gltf", false, 0,
        /* Draco compression isn't supported, its accessors have no views */
        "GltfImporter::openFile(): accessor[0] invalid bufferView\n"},
    {"MeshPrimitiveModeMeshPrimitiveMode00", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_00.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode01", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_01.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode02", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_02.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode03", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_03.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode04", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_04.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode05", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_05.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode06", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_06.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode07", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_07.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode08", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_08.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode09", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_09.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode10", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_10.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode11", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_11.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode12", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_12.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode13", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_13.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode14", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_14.gltf", true, 0, ""},
    {"MeshPrimitiveModeMeshPrimitiveMode15", "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_15.gltf", true, 0, ""},
    {"AnimatedMorphCubeAnimatedMorphCube", "glTF-Sample-Models/AnimatedMorphCube-glTF/AnimatedMorphCube.gltf", true, 0, ""},
    {"Issue3269texcoordcrash", "issue_3269/texcoord_crash.gltf", true, 0, ""},
    {"Simpleskinsimpleskin", "simple_skin/simple_skin.gltf", true, 0, ""},
    {"TextureTransformTextureTransformTest", "textureTransform/TextureTransformTest.gltf", true, 0, ""},
    {"WrongTypesbadArray", "wrongTypes/badArray.gltf", true, 0, ""},
    {"WrongTypesbadExtension", "wrongTypes/badExtension.gltf", true, 0, ""},
    {"WrongTypesbadNumber", "wrongTypes/badNumber.gltf", true, 0, ""},
    {"WrongTypesbadObject", "wrongTypes/badObject.gltf", true, 0, ""},
    {"WrongTypesbadString", "wrongTypes/badString.gltf", true, 0, ""},
    {"WrongTypesbadUint", "wrongTypes/badUint.gltf", true, 0, ""},
};

class GltfImporterEveryFileTest: public testing::TestWithParam<EveryFileCase> {};

TEST_P(GltfImporterEveryFileTest, OpensAndReadsEverything) {
    const EveryFileCase& data = GetParam();
    GltfImporter importer;
    std::ostringstream out;
    std::size_t failed = 0;
    bool opened;
    {
        Utility::Error redirect{&out};
        opened = importer.openFile(modelPath(data.file).c_str());
        if(opened) failed = readEverything(importer);
    }
    EXPECT_EQ(opened, data.opens);
    EXPECT_EQ(failed, data.failedItems);
    EXPECT_EQ(out.str(), data.errors);
}

INSTANTIATE_TEST_SUITE_P(AssimpTestModels, GltfImporterEveryFileTest, testing::ValuesIn(EveryFileData),
    [](const testing::TestParamInfo<EveryFileCase>& info) { return std::string{info.param.name}; });

/* Small files written here, each with one inconsistency; buffers are data
   URIs so nothing outside the test is read */
std::string base64(const std::string& bytes) {
    static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    std::size_t i = 0;
    for(; i + 2 < bytes.size(); i += 3) {
        const UnsignedInt v = UnsignedByte(bytes[i]) << 16 | UnsignedByte(bytes[i + 1]) << 8 | UnsignedByte(bytes[i + 2]);
        out += alphabet[v >> 18]; out += alphabet[(v >> 12) & 63]; out += alphabet[(v >> 6) & 63]; out += alphabet[v & 63];
    }
    if(i + 1 == bytes.size()) {
        const UnsignedInt v = UnsignedByte(bytes[i]) << 16;
        out += alphabet[v >> 18]; out += alphabet[(v >> 12) & 63]; out += "==";
    } else if(i + 2 == bytes.size()) {
        const UnsignedInt v = UnsignedByte(bytes[i]) << 16 | UnsignedByte(bytes[i + 1]) << 8;
        out += alphabet[v >> 18]; out += alphabet[(v >> 12) & 63]; out += alphabet[(v >> 6) & 63]; out += '=';
    }
    return out;
}

/* Three vertices of a triangle and its three 16-bit indices */
std::string triangleBuffer() {
    const Float positions[]{0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 1.0f, 0.0f};
    const UnsignedShort indices[]{0, 1, 2, 7};
    return std::string{reinterpret_cast<const char*>(positions), sizeof(positions)} + std::string{reinterpret_cast<const char*>(indices), sizeof(indices)};
}

std::string triangleGltf(const std::string& accessors, const std::string& bufferViews, const std::string& rest = "", const std::string& indices = "") {
    const std::string buffer = triangleBuffer();
    return R"({"asset":{"version":"2.0"},"buffers":[{"byteLength":)" + std::to_string(buffer.size()) +
        R"(,"uri":"data:application/octet-stream;base64,)" + base64(buffer) + R"("}],"bufferViews":)" + bufferViews +
        R"(,"accessors":)" + accessors +
        R"(,"meshes":[{"primitives":[{"attributes":{"POSITION":0})" + indices + R"(}]}])" + rest + "}";
}

const std::string GoodViews = R"([{"buffer":0,"byteLength":36},{"buffer":0,"byteOffset":36,"byteLength":8}])";
const std::string GoodAccessors = R"([{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"},{"bufferView":1,"componentType":5123,"count":3,"type":"SCALAR"}])";

struct InconsistencyCase {
    const char* name;
    std::string data;
    bool opens;
    const char* errors;
};

const InconsistencyCase InconsistencyData[]{
    {"AccessorPastBufferView", triangleGltf(R"([{"bufferView":0,"componentType":5126,"count":4,"type":"VEC3"}])", GoodViews), true,
        "GltfImporter::mesh(): POSITION: accessor 0 of 4 elements of 12 bytes with stride 12 at offset 0 goes past its 36-byte buffer view\n"},
    {"AccessorOffsetPastBufferView", triangleGltf(R"([{"bufferView":0,"byteOffset":4,"componentType":5126,"count":3,"type":"VEC3"}])", GoodViews), true,
        "GltfImporter::mesh(): POSITION: accessor 0 of 3 elements of 12 bytes with stride 12 at offset 4 goes past its 36-byte buffer view\n"},
    {"BufferViewPastBuffer", triangleGltf(GoodAccessors, R"([{"buffer":0,"byteOffset":8,"byteLength":40}])"), true,
        "GltfImporter::mesh(): POSITION: accessor 0: buffer view 0 needs 40 bytes at offset 8 but buffer 0 has 44\n"},
    {"StrideBelowElementSize", triangleGltf(GoodAccessors, R"([{"buffer":0,"byteLength":36,"byteStride":8}])"), true,
        "GltfImporter::mesh(): POSITION: accessor 0 has 12-byte elements but its buffer view stride is 8\n"},
    {"IndexPastVertexCount", triangleGltf(R"([{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"},{"bufferView":1,"componentType":5123,"count":4,"type":"SCALAR"}])", GoodViews, "", R"(,"indices":1)"), true,
        "GltfImporter::mesh(): index 7 out of range for 3 vertices\n"},
    /* tinygltf checks this one itself */
    {"IndicesAccessorOutOfRange", triangleGltf(GoodAccessors, GoodViews, "", R"(,"indices":2)"), false,
        "GltfImporter::openData(): primitive indices accessor out of bounds\n"},
    {"WrongPositionType", triangleGltf(R"([{"bufferView":0,"componentType":5126,"count":3,"type":"VEC2"}])", GoodViews), true,
        "GltfImporter::mesh(): POSITION can't be VEC2 of FLOAT\n"},
    {"FloatIndices", triangleGltf(R"([{"bufferView":0,"componentType":5126,"count":3,"type":"VEC3"},{"bufferView":0,"componentType":5126,"count":3,"type":"SCALAR"}])", GoodViews, "", R"(,"indices":1)"), true,
        "GltfImporter::mesh(): indices can't be FLOAT\n"},
    {"TwoParents", triangleGltf(GoodAccessors, GoodViews, R"(,"nodes":[{"children":[2]},{"children":[2]},{}],"scenes":[{"nodes":[0,1]}])"), true,
        "GltfImporter::scene(): node 2 has two parents, 0 and 1\n"},
    {"OwnAncestor", triangleGltf(GoodAccessors, GoodViews, R"(,"nodes":[{"children":[1]},{"children":[2]},{"children":[1]}],"scenes":[{"nodes":[0]}])"), true,
        "GltfImporter::scene(): node 1 has two parents, 0 and 2\n"},
    {"Cycle", triangleGltf(GoodAccessors, GoodViews, R"(,"nodes":[{"children":[1]},{"children":[0]}],"scenes":[{"nodes":[]}])"), true,
        "GltfImporter::scene(): node 0 is its own ancestor\n"},
    {"ChildOutOfRange", triangleGltf(GoodAccessors, GoodViews, R"(,"nodes":[{"children":[5]}],"scenes":[{"nodes":[0]}])"), true,
        "GltfImporter::scene(): node 0 has a child 5 out of range for 1 nodes\n"},
    {"MeshOfNodeOutOfRange", triangleGltf(GoodAccessors, GoodViews, R"(,"nodes":[{"mesh":3}],"scenes":[{"nodes":[0]}])"), true,
        "GltfImporter::scene(): mesh 3 of node 0 out of range for 1 meshes\n"},
    {"ImageNotDecoding", triangleGltf(GoodAccessors, GoodViews, R"(,"images":[{"uri":"data:image/png;base64,)" + base64("\x89PNG\r\n\x1a\nnot really") + R"("}])"), true,
        "GltfImporter::image2D(): image 0 can't be decoded: unknown image type\n"},
    {"ImageViewPastBuffer", triangleGltf(GoodAccessors, R"([{"buffer":0,"byteLength":36},{"buffer":0,"byteOffset":36,"byteLength":8},{"buffer":0,"byteOffset":40,"byteLength":100}])", R"(,"images":[{"bufferView":2,"mimeType":"image/png"}])"), true,
        "GltfImporter::image2D(): buffer view 2 needs 100 bytes at offset 40 but buffer 0 has 44\n"},
    {"TruncatedGlbHeader", std::string{"glTF\x02\x00\x00\x00", 8}, false,
        "GltfImporter::openData(): GLB header needs 12 bytes but got 8\n"},
    {"GlbVersion1", std::string{"glTF\x01\x00\x00\x00\x14\x00\x00\x00\x00\x00\x00\x00JSON", 20}, false,
        "GltfImporter::openData(): unsupported GLB version 1\n"},
    {"GlbLongerThanData", std::string{"glTF\x02\x00\x00\x00\x40\x00\x00\x00\x00\x00\x00\x00JSON", 20}, false,
        "GltfImporter::openData(): GLB header says 64 bytes but got 20\n"},
    {"GlbJsonChunkPastEnd", std::string{"glTF\x02\x00\x00\x00\x18\x00\x00\x00\x10\x00\x00\x00JSON{}  ", 24}, false,
        "GltfImporter::openData(): GLB JSON chunk of 16 bytes goes past the end of a 24-byte file\n"},
    {"GlbBinChunkPastEnd", std::string{"glTF\x02\x00\x00\x00\x24\x00\x00\x00\x04\x00\x00\x00JSON{}  \x10\x00\x00\x00\x42\x49\x4e\x00" "abcd", 36}, false,
        "GltfImporter::openData(): GLB chunk of 16 bytes at offset 24 goes past the end of a 36-byte file\n"},
    {"ExternalBufferFromMemory", R"({"asset":{"version":"2.0"},"buffers":[{"byteLength":4,"uri":"external.bin"}]})", false,
        "GltfImporter::openData(): File not found : external.bin\n"},
    {"NotJson", "this is no glTF", false,
        "GltfImporter::openData(): [json.exception.parse_error.101] parse error at line 1, column 2: syntax error while parsing value - invalid literal; last read: 'th'\n"},
};

class GltfImporterInconsistencyTest: public testing::TestWithParam<InconsistencyCase> {};

TEST_P(GltfImporterInconsistencyTest, OneErrorLineAndAnEmptyItem) {
    const InconsistencyCase& data = GetParam();
    GltfImporter importer;
    std::ostringstream out;
    bool opened;
    {
        Utility::Error redirect{&out};
        opened = importer.openData(Containers::ArrayView<const void>{data.data.data(), data.data.size()});
        if(opened) {
            EXPECT_EQ(readEverything(importer), 1u);
        }
    }
    EXPECT_EQ(opened, data.opens);
    EXPECT_EQ(out.str(), data.errors);
}

INSTANTIATE_TEST_SUITE_P(Files, GltfImporterInconsistencyTest, testing::ValuesIn(InconsistencyData),
    [](const testing::TestParamInfo<InconsistencyCase>& info) { return std::string{info.param.name}; });

TEST(GltfImporterOpenTest, FileThatDoesNotExist) {
    GltfImporter importer;
    std::ostringstream out;
    {
        Utility::Error redirect{&out};
        EXPECT_FALSE(importer.openFile("/nonexistent/file.gltf"));
    }
    EXPECT_EQ(out.str(), "GltfImporter::openFile(): cannot open file /nonexistent/file.gltf\n");
    EXPECT_FALSE(importer.isOpened());
}

TEST(GltfImporterOpenTest, MemoryAndFileGiveTheSame) {
    const std::vector<char> bytes = readBytes(modelPath("BoxTextured-glTF-Binary/BoxTextured.glb"));
    GltfImporter fromMemory, fromFile;
    ASSERT_TRUE(fromMemory.openData(Containers::ArrayView<const void>{bytes.data(), bytes.size()}));
    ASSERT_TRUE(fromFile.openFile(modelPath("BoxTextured-glTF-Binary/BoxTextured.glb").c_str()));
    EXPECT_EQ(fromMemory.meshCount(), fromFile.meshCount());
    Containers::Optional<Trade::MeshData> a = fromMemory.mesh(0), b = fromFile.mesh(0);
    ASSERT_TRUE(a && b);
    ASSERT_EQ(a->vertexData().size(), b->vertexData().size());
    EXPECT_EQ(std::memcmp(a->vertexData().data(), b->vertexData().data(), a->vertexData().size()), 0);
}

TEST(GltfImporterOpenTest, CloseAndReopen) {
    GltfImporter importer;
    EXPECT_EQ(importer.meshAttributeForName("JOINTS"), Trade::MeshAttribute{});
    ASSERT_TRUE(importer.openFile(modelPath("simple_skin/simple_skin.gltf").c_str()));
    EXPECT_TRUE(importer.isOpened());
    importer.close();
    EXPECT_FALSE(importer.isOpened());
    ASSERT_TRUE(importer.openFile(modelPath("cameras/Cameras.gltf").c_str()));
    EXPECT_EQ(importer.cameraCount(), 2u);
    /* The previous file's attribute names are gone */
    EXPECT_EQ(importer.meshAttributeForName("JOINTS"), Trade::MeshAttribute{});
}

/* Meshes, objects and hierarchy of 2CylinderEngine against its JSON */
TEST(GltfImporterRealFileTest, TwoCylinderEngine) {
    const std::string path = modelPath("2CylinderEngine-glTF-Binary/2CylinderEngine.glb");
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));

    std::size_t primitives = 0;
    for(const json& mesh: gltf["meshes"]) primitives += mesh["primitives"].size();
    EXPECT_EQ(importer.meshCount(), primitives);
    EXPECT_EQ(importer.objectCount(), gltf["nodes"].size());
    EXPECT_EQ(importer.sceneCount(), gltf["scenes"].size());
    EXPECT_EQ(importer.defaultScene(), Int(gltf.value("scene", -1)));

    /* Vertex and index counts of the first primitives of a few meshes */
    UnsignedInt meshId = 0;
    for(std::size_t m = 0; m != gltf["meshes"].size(); ++m) {
        const json& primitive = gltf["meshes"][m]["primitives"][0];
        if(m % 7 == 0) {
            SCOPED_TRACE(m);
            Containers::Optional<Trade::MeshData> mesh = importer.mesh(meshId);
            ASSERT_TRUE(mesh);
            EXPECT_EQ(mesh->vertexCount(), std::size_t(gltf["accessors"][std::size_t(primitive["attributes"]["POSITION"])]["count"]));
            EXPECT_EQ(mesh->indexCount(), std::size_t(gltf["accessors"][std::size_t(primitive["indices"])]["count"]));
            EXPECT_EQ(mesh->primitive(), MeshPrimitive::Triangles);
            EXPECT_EQ(mesh->attributeFormat(Trade::MeshAttribute::Position), VertexFormat::Vector3);
            EXPECT_EQ(importer.meshName(meshId), Containers::StringView{gltf["meshes"][m].value("name", std::string{}).c_str()});
        }
        meshId += UnsignedInt(gltf["meshes"][m]["primitives"].size());
    }

    /* The hierarchy: every child lists its parent, roots have -1 */
    Containers::Optional<Trade::SceneData> scene = importer.scene(importer.defaultScene());
    ASSERT_TRUE(scene);
    EXPECT_TRUE(scene->is3D());
    EXPECT_EQ(scene->mappingBound(), gltf["nodes"].size());
    std::vector<Int> expectedParents(gltf["nodes"].size(), -1);
    for(std::size_t n = 0; n != gltf["nodes"].size(); ++n)
        for(const json& child: gltf["nodes"][n].value("children", json::array())) expectedParents[std::size_t(child)] = Int(n);
    const Containers::Array<Containers::Pair<UnsignedInt, Int>> parents = scene->parentsAsArray();
    EXPECT_EQ(parents.size(), gltf["nodes"].size());
    for(const Containers::Pair<UnsignedInt, Int>& parent: parents)
        EXPECT_EQ(parent.second(), expectedParents[parent.first()]) << parent.first();
    const Containers::Array<UnsignedLong> roots = scene->childrenFor(-1);
    ASSERT_EQ(roots.size(), gltf["scenes"][0]["nodes"].size());
    for(std::size_t i = 0; i != roots.size(); ++i)
        EXPECT_EQ(roots[i], std::size_t(gltf["scenes"][0]["nodes"][i]));

    /* Every mesh reference of a node arrives, one per primitive */
    std::size_t meshEntries = 0;
    for(const json& node: gltf["nodes"]) if(node.contains("mesh")) meshEntries += gltf["meshes"][std::size_t(node["mesh"])]["primitives"].size();
    EXPECT_EQ(scene->meshesMaterialsAsArray().size(), meshEntries);

    /* A matrix transformation arrives as it is stored, column by column */
    for(const Containers::Pair<UnsignedInt, Matrix4>& t: scene->transformations3DAsArray()) {
        const json& node = gltf["nodes"][t.first()];
        if(!node.contains("matrix")) continue;
        for(std::size_t i = 0; i != 16; ++i)
            EXPECT_FLOAT_EQ(t.second()[i/4][i%4], Float(node["matrix"][i]));
    }
}

class GltfImporterBoxTexturedTest: public testing::TestWithParam<const char*> {};

/* The image, texture and material of BoxTextured in all its packagings */
TEST_P(GltfImporterBoxTexturedTest, ImageTextureMaterial) {
    const std::string path = modelPath(GetParam());
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));
    ASSERT_EQ(importer.image2DCount(), gltf["images"].size());
    ASSERT_EQ(importer.textureCount(), gltf["textures"].size());

    Containers::Optional<Trade::ImageData2D> image = importer.image2D(0);
    ASSERT_TRUE(image);
    /* Size and format from the PNG's own IHDR chunk, texels from a
       separate decode of the same bytes, both in the file's row order */
    const std::vector<char> png = readBytes(modelPath("BoxTextured-glTF/CesiumLogoFlat.png"));
    ASSERT_GE(png.size(), 26u);
    const auto bigEndian = [&](std::size_t offset) {
        return Int(UnsignedByte(png[offset]) << 24 | UnsignedByte(png[offset + 1]) << 16 | UnsignedByte(png[offset + 2]) << 8 | UnsignedByte(png[offset + 3]));
    };
    EXPECT_EQ(image->size(), (Vector2i{bigEndian(16), bigEndian(20)}));
    /* A palette without transparency, which decodes to RGB */
    EXPECT_EQ(png[25], 3);
    EXPECT_EQ(image->format(), PixelFormat::RGB8Unorm);
    int width, height, channels;
    stbi_uc* const expected = stbi_load_from_memory(reinterpret_cast<const stbi_uc*>(png.data()), int(png.size()), &width, &height, &channels, 3);
    ASSERT_TRUE(expected);
    const Containers::StridedArrayView2D<const Color3ub> pixels = image->pixels<Color3ub>();
    for(const Vector2i p: {Vector2i{0, 0}, Vector2i{105, 105}, Vector2i{17, 190}, Vector2i{width - 1, height - 1}}) {
        const stbi_uc* const texel = expected + 3*(p.y()*width + p.x());
        EXPECT_EQ(pixels[p.y()][p.x()], (Color3ub{texel[0], texel[1], texel[2]})) << p.x() << " " << p.y();
    }
    stbi_image_free(expected);

    Containers::Optional<Trade::TextureData> texture = importer.texture(0);
    ASSERT_TRUE(texture);
    EXPECT_EQ(texture->image(), std::size_t(gltf["textures"][0]["source"]));
    const json& sampler = gltf["samplers"][std::size_t(gltf["textures"][0]["sampler"])];
    EXPECT_EQ(texture->magnificationFilter(), int(sampler["magFilter"]) == 9729 ? SamplerFilter::Linear : SamplerFilter::Nearest);
    const int wrapS = sampler.value("wrapS", 10497);
    EXPECT_EQ(texture->wrapping()[0], wrapS == 10497 ? SamplerWrapping::Repeat : wrapS == 33071 ? SamplerWrapping::ClampToEdge : SamplerWrapping::MirroredRepeat);

    Containers::Optional<Trade::MaterialData> material = importer.material(0);
    ASSERT_TRUE(material);
    EXPECT_EQ(material->types(), Trade::MaterialType::PbrMetallicRoughness);
    const json& pbr = gltf["materials"][0]["pbrMetallicRoughness"];
    EXPECT_EQ(material->attribute<UnsignedInt>(Trade::MaterialAttribute::BaseColorTexture), std::size_t(pbr["baseColorTexture"]["index"]));
    EXPECT_FLOAT_EQ(material->attribute<Float>(Trade::MaterialAttribute::Metalness), Float(pbr.value("metallicFactor", 1.0)));
    EXPECT_FLOAT_EQ(material->attribute<Float>(Trade::MaterialAttribute::Roughness), Float(pbr.value("roughnessFactor", 1.0)));
}

INSTANTIATE_TEST_SUITE_P(Packagings, GltfImporterBoxTexturedTest, testing::Values(
    "BoxTextured-glTF/BoxTextured.gltf",
    "BoxTextured-glTF-Binary/BoxTextured.glb",
    "BoxTextured-glTF-Embedded/BoxTextured.gltf"));

/* Skinning attributes, the skin and the animation of simple_skin against
   the file's own accessors */
TEST(GltfImporterRealFileTest, SimpleSkin) {
    const std::string path = modelPath("simple_skin/simple_skin.gltf");
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));

    const Trade::MeshAttribute joints = importer.meshAttributeForName("JOINTS");
    const Trade::MeshAttribute weights = importer.meshAttributeForName("WEIGHTS");
    ASSERT_NE(joints, Trade::MeshAttribute{});
    ASSERT_NE(weights, Trade::MeshAttribute{});
    EXPECT_EQ(importer.meshAttributeName(joints), "JOINTS"_s);
    EXPECT_EQ(importer.meshAttributeForName("JOINTS_0"), Trade::MeshAttribute{});

    Containers::Optional<Trade::MeshData> mesh = importer.mesh(0);
    ASSERT_TRUE(mesh);
    const json& attributes = gltf["meshes"][0]["primitives"][0]["attributes"];
    const std::size_t jointsAccessor = attributes["JOINTS_0"], weightsAccessor = attributes["WEIGHTS_0"];
    const int jointsType = gltf["accessors"][jointsAccessor]["componentType"];
    ASSERT_EQ(mesh->attributeFormat(joints), jointsType == 5121 ? VertexFormat::Vector4ub : VertexFormat::Vector4us);
    ASSERT_EQ(mesh->attributeFormat(weights), VertexFormat::Vector4);
    const std::vector<Float> expectedWeights = accessorValues<Float>(path, gltf, weightsAccessor, 4);
    const Containers::StridedArrayView1D<const Vector4> actualWeights = mesh->attribute<Vector4>(weights);
    ASSERT_EQ(actualWeights.size()*4, expectedWeights.size());
    for(std::size_t i: {std::size_t{0}, actualWeights.size()/2, actualWeights.size() - 1})
        for(std::size_t c = 0; c != 4; ++c) EXPECT_EQ(actualWeights[i][c], expectedWeights[i*4 + c]) << i;
    if(jointsType == 5123) {
        const std::vector<UnsignedShort> expectedJoints = accessorValues<UnsignedShort>(path, gltf, jointsAccessor, 4);
        const Containers::StridedArrayView1D<const Vector4us> actualJoints = mesh->attribute<Vector4us>(joints);
        for(std::size_t i = 0; i != actualJoints.size(); ++i)
            for(std::size_t c = 0; c != 4; ++c) EXPECT_EQ(actualJoints[i][c], expectedJoints[i*4 + c]) << i;
    }

    Containers::Optional<Trade::SkinData3D> skin = importer.skin3D(0);
    ASSERT_TRUE(skin);
    const json& expectedSkin = gltf["skins"][0];
    ASSERT_EQ(skin->joints().size(), expectedSkin["joints"].size());
    for(std::size_t i = 0; i != skin->joints().size(); ++i) EXPECT_EQ(skin->joints()[i], std::size_t(expectedSkin["joints"][i]));
    const std::vector<Float> matrices = accessorValues<Float>(path, gltf, expectedSkin["inverseBindMatrices"], 16);
    for(std::size_t i = 0; i != skin->inverseBindMatrices().size(); ++i)
        for(std::size_t e = 0; e != 16; ++e) EXPECT_EQ(skin->inverseBindMatrices()[i][e/4][e%4], matrices[i*16 + e]);

    Containers::Optional<Trade::SceneData> scene = importer.scene(0);
    ASSERT_TRUE(scene);
    const Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> skins = scene->skinsAsArray();
    ASSERT_EQ(skins.size(), 1u);
    EXPECT_EQ(skins[0].first(), 0u);

    Containers::Optional<Trade::AnimationData> animation = importer.animation(0);
    ASSERT_TRUE(animation);
    const json& channels = gltf["animations"][0]["channels"];
    ASSERT_EQ(animation->trackCount(), channels.size());
    for(UnsignedInt t = 0; t != animation->trackCount(); ++t) {
        SCOPED_TRACE(t);
        const json& channel = channels[t];
        const json& sampler = gltf["animations"][0]["samplers"][std::size_t(channel["sampler"])];
        EXPECT_EQ(animation->trackTarget(t), std::size_t(channel["target"]["node"]));
        const std::string targetPath = channel["target"]["path"];
        EXPECT_EQ(animation->trackTargetName(t), targetPath == "rotation" ? Trade::AnimationTrackTarget::Rotation3D : targetPath == "translation" ? Trade::AnimationTrackTarget::Translation3D : Trade::AnimationTrackTarget::Scaling3D);
        const std::vector<Float> keys = accessorValues<Float>(path, gltf, sampler["input"], 1);
        const Animation::TrackViewStorage<const Float>& track = animation->track(t);
        ASSERT_EQ(track.keys().size(), keys.size());
        for(std::size_t k = 0; k != keys.size(); ++k) EXPECT_EQ(track.keys()[k], keys[k]);
        if(targetPath == "rotation") {
            const std::vector<Float> values = accessorValues<Float>(path, gltf, sampler["output"], 4);
            const Animation::TrackView<const Float, const Quaternion>& rotations = animation->track<Quaternion>(t);
            /* The file's rotations are rounded to three decimals; they
               arrive renormalized */
            for(std::size_t k = 0; k != keys.size(); ++k) {
                const Quaternion expected = Quaternion{{values[k*4 + 0], values[k*4 + 1], values[k*4 + 2]}, values[k*4 + 3]}.normalized();
                EXPECT_TRUE(rotations.values()[k].isNormalized());
                EXPECT_FLOAT_EQ(rotations.values()[k].vector().x(), expected.vector().x());
                EXPECT_FLOAT_EQ(rotations.values()[k].scalar(), expected.scalar());
            }
        }
    }
}

/* Morph targets and an animation of nothing but weights */
TEST(GltfImporterRealFileTest, AnimatedMorphCube) {
    const std::string path = modelPath("glTF-Sample-Models/AnimatedMorphCube-glTF/AnimatedMorphCube.gltf");
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));
    Containers::Optional<Trade::MeshData> mesh = importer.mesh(0);
    ASSERT_TRUE(mesh);
    const json& targets = gltf["meshes"][0]["primitives"][0]["targets"];
    for(std::size_t t = 0; t != targets.size(); ++t) {
        SCOPED_TRACE(t);
        ASSERT_TRUE(mesh->hasAttribute(Trade::MeshAttribute::Position, Int(t)));
        const std::vector<Float> expected = accessorValues<Float>(path, gltf, targets[t]["POSITION"], 3);
        const Containers::Array<Vector3> actual = mesh->positions3DAsArray(0, Int(t));
        ASSERT_EQ(actual.size()*3, expected.size());
        for(std::size_t i = 0; i != actual.size(); ++i)
            for(std::size_t c = 0; c != 3; ++c) EXPECT_EQ(actual[i][c], expected[i*3 + c]);
    }
    Containers::Optional<Trade::AnimationData> animation = importer.animation(0);
    ASSERT_TRUE(animation);
    /* Weights have no track target, the channels are skipped */
    EXPECT_EQ(animation->trackCount(), 0u);
}

/* A written file with CUBICSPLINE translation (keys 0, 2, 3) and rotation
   (keys 0, 2) channels. Per key the file stores in-tangent, value and
   out-tangent, tangents per unit of time. */
std::string splineBuffer() {
    const Float translationKeys[]{0.0f, 2.0f, 3.0f};
    const Float translations[]{
        7.0f, 7.0f, 7.0f,   0.0f, 0.0f, 0.0f,   1.0f, 0.0f, 0.0f,
        0.0f, 3.0f, 0.0f,   2.0f, 1.0f, 0.0f,   0.0f, 0.0f, 4.0f,
        1.0f, 1.0f, 1.0f,   2.0f, 2.0f, 2.0f,   5.0f, 5.0f, 5.0f};
    const Float rotationKeys[]{0.0f, 2.0f};
    const Float s = std::sqrt(0.5f);
    const Float rotations[]{
        /* The first value is twice a unit quaternion, as if badly rounded */
        0.0f, 0.0f, 0.0f, 0.0f,   0.0f, 0.0f, 0.0f, 2.0f,   0.0f, 0.0f, 0.25f, 0.0f,
        0.0f, 0.0f, 0.0f, 0.0f,   s, 0.0f, 0.0f, s,         9.0f, 9.0f, 9.0f, 9.0f};
    return std::string{reinterpret_cast<const char*>(translationKeys), sizeof(translationKeys)} +
        std::string{reinterpret_cast<const char*>(translations), sizeof(translations)} +
        std::string{reinterpret_cast<const char*>(rotationKeys), sizeof(rotationKeys)} +
        std::string{reinterpret_cast<const char*>(rotations), sizeof(rotations)};
}

/* Accessors 0 to 3 are the translation keys and values, the rotation keys
   and values; more can be appended */
std::string splineGltf(const std::string& samplers, const std::string& channels, const std::string& moreAccessors = "") {
    const std::string buffer = splineBuffer();
    return R"({"asset":{"version":"2.0"},"buffers":[{"byteLength":)" + std::to_string(buffer.size()) +
        R"(,"uri":"data:application/octet-stream;base64,)" + base64(buffer) + R"("}],)"
        R"("bufferViews":[{"buffer":0,"byteLength":12},{"buffer":0,"byteOffset":12,"byteLength":108},)"
        R"({"buffer":0,"byteOffset":120,"byteLength":8},{"buffer":0,"byteOffset":128,"byteLength":96}],)"
        R"("accessors":[{"bufferView":0,"componentType":5126,"count":3,"type":"SCALAR"},)"
        R"({"bufferView":1,"componentType":5126,"count":9,"type":"VEC3"},)"
        R"({"bufferView":2,"componentType":5126,"count":2,"type":"SCALAR"},)"
        R"({"bufferView":3,"componentType":5126,"count":6,"type":"VEC4"})" + moreAccessors + R"(],)"
        R"("nodes":[{},{}],"animations":[{"samplers":)" + samplers + R"(,"channels":)" + channels + "}]}";
}

const std::string SplineSamplers = R"([{"input":0,"output":1,"interpolation":"CUBICSPLINE"},{"input":2,"output":3,"interpolation":"CUBICSPLINE"}])";
const std::string SplineChannels = R"([{"sampler":0,"target":{"node":0,"path":"translation"}},{"sampler":1,"target":{"node":1,"path":"rotation"}}])";

TEST(GltfImporterSplineTest, TranslationAndRotation) {
    const std::string file = splineGltf(SplineSamplers, SplineChannels);
    GltfImporter importer;
    ASSERT_TRUE(importer.openData(Containers::ArrayView<const void>{file.data(), file.size()}));
    std::ostringstream warnings;
    Containers::Optional<Trade::AnimationData> animation;
    {
        Utility::Warning redirect{&warnings};
        animation = importer.animation(0);
    }
    ASSERT_TRUE(animation);
    EXPECT_EQ(warnings.str(), "GltfImporter::animation(): quaternions in a rotation track were renormalized\n");
    ASSERT_EQ(animation->trackCount(), 2u);
    EXPECT_EQ(animation->duration(), (Range1D{0.0f, 3.0f}));

    EXPECT_EQ(animation->trackTargetName(0), Trade::AnimationTrackTarget::Translation3D);
    EXPECT_EQ(animation->trackTarget(0), 0u);
    EXPECT_EQ(animation->trackType(0), Trade::AnimationTrackType::CubicHermite3D);
    EXPECT_EQ(animation->trackResultType(0), Trade::AnimationTrackType::Vector3);
    const auto translation = animation->track<CubicHermite3D>(0);
    EXPECT_EQ(translation.interpolation(), Animation::Interpolation::Spline);
    ASSERT_EQ(translation.keys().size(), 3u);
    EXPECT_EQ(translation.keys()[1], 2.0f);
    ASSERT_EQ(translation.values().size(), 3u);
    /* Values as in the file; the out-tangent of key 0 and the in-tangent of
       key 1 scaled by the interval 2 between them, the out-tangent of key 1
       and the in-tangent of key 2 by the interval 1; the first in-tangent
       and the last out-tangent as in the file */
    EXPECT_EQ(translation.values()[0], (CubicHermite3D{Vector3{7.0f}, Vector3{0.0f}, Vector3{2.0f, 0.0f, 0.0f}}));
    EXPECT_EQ(translation.values()[1], (CubicHermite3D{Vector3{0.0f, 6.0f, 0.0f}, Vector3{2.0f, 1.0f, 0.0f}, Vector3{0.0f, 0.0f, 4.0f}}));
    EXPECT_EQ(translation.values()[2], (CubicHermite3D{Vector3{1.0f}, Vector3{2.0f}, Vector3{5.0f}}));

    /* By hand with the file's numbers: at time 0.5 the segment is keys 0
       to 1, interval d = 2, phase t = 0.25, t² = 0.0625, t³ = 0.015625;
         h00 = 2t³ - 3t² + 1 = 0.84375, h10 = t³ - 2t² + t = 0.140625,
         h01 = 3t² - 2t³ = 0.15625,     h11 = t³ - t² = -0.046875;
       p = h00*(0, 0, 0) + h10*d*(1, 0, 0) + h01*(2, 1, 0) + h11*d*(0, 3, 0)
         = (0.28125 + 0.3125, 0.15625 - 0.28125, 0) = (0.59375, -0.125, 0).
       At time 2.5 the segment is keys 1 to 2, d = 1, t = 0.5;
         h00 = 0.5, h10 = 0.125, h01 = 0.5, h11 = -0.125;
       p = 0.5*(2, 1, 0) + 0.125*(0, 0, 4) + 0.5*(2, 2, 2) - 0.125*(1, 1, 1)
         = (1.875, 1.375, 1.375) */
    EXPECT_EQ(translation.at(0.5f), (Vector3{0.59375f, -0.125f, 0.0f}));
    EXPECT_EQ(translation.at(2.5f), (Vector3{1.875f, 1.375f, 1.375f}));
    /* At the keys the values, outside of them the ends */
    EXPECT_EQ(translation.at(2.0f), (Vector3{2.0f, 1.0f, 0.0f}));
    EXPECT_EQ(translation.at(-1.0f), Vector3{0.0f});
    EXPECT_EQ(translation.at(9.0f), Vector3{2.0f});

    EXPECT_EQ(animation->trackTargetName(1), Trade::AnimationTrackTarget::Rotation3D);
    EXPECT_EQ(animation->trackTarget(1), 1u);
    EXPECT_EQ(animation->trackType(1), Trade::AnimationTrackType::CubicHermiteQuaternion);
    EXPECT_EQ(animation->trackResultType(1), Trade::AnimationTrackType::Quaternion);
    const auto rotation = animation->track<CubicHermiteQuaternion>(1);
    EXPECT_EQ(rotation.interpolation(), Animation::Interpolation::Spline);
    ASSERT_EQ(rotation.values().size(), 2u);
    /* The first value renormalized, tangents not; the out-tangent of key 0
       and the in-tangent of key 1 scaled by the interval 2 */
    const Float s = std::sqrt(0.5f);
    EXPECT_EQ(rotation.values()[0].point(), Quaternion{});
    EXPECT_EQ(rotation.values()[0].inTangent(), (Quaternion{Vector3{0.0f}, 0.0f}));
    EXPECT_EQ(rotation.values()[0].outTangent(), (Quaternion{Vector3{0.0f, 0.0f, 0.5f}, 0.0f}));
    EXPECT_EQ(rotation.values()[1].inTangent(), (Quaternion{Vector3{0.0f}, 0.0f}));
    EXPECT_EQ(rotation.values()[1].point(), (Quaternion{Vector3{s, 0.0f, 0.0f}, s}));
    EXPECT_EQ(rotation.values()[1].outTangent(), (Quaternion{Vector3{9.0f}, 9.0f}));

    /* By hand: at time 1 the phase is t = 0.5, d = 2, so
         p' = 0.5*(0, 0, 0, 1) + 0.125*2*(0, 0, 0.25, 0) + 0.5*(s, 0, 0, s)
            = (0.353553, 0, 0.0625, 0.853553) with s = sqrt(0.5),
         |p'| = sqrt(0.125 + 0.00390625 + 0.728553) = 0.925991,
         p = p'/|p'| = (0.381811, 0, 0.067495, 0.921773) */
    const Quaternion half = rotation.at(1.0f);
    EXPECT_NEAR(half.vector().x(), 0.381811f, 1.0e-5f);
    EXPECT_NEAR(half.vector().y(), 0.0f, 1.0e-5f);
    EXPECT_NEAR(half.vector().z(), 0.067495f, 1.0e-5f);
    EXPECT_NEAR(half.scalar(), 0.921773f, 1.0e-5f);
    EXPECT_EQ(rotation.at(2.0f), (Quaternion{Vector3{s, 0.0f, 0.0f}, s}));
}

struct SplineErrorCase {
    const char* name;
    std::string data;
    const char* errors;
};

const SplineErrorCase SplineErrorData[]{
    {"ValuesNotThreePerKey", splineGltf(R"([{"input":0,"output":4,"interpolation":"CUBICSPLINE"}])", R"([{"sampler":0,"target":{"node":0,"path":"translation"}}])",
        R"(,{"bufferView":1,"componentType":5126,"count":3,"type":"VEC3"})"),
        "GltfImporter::animation(): sampler 0 has 3 keys but 3 values, expected three per key\n"},
    {"OneKey", splineGltf(R"([{"input":4,"output":5,"interpolation":"CUBICSPLINE"}])", R"([{"sampler":0,"target":{"node":0,"path":"translation"}}])",
        R"(,{"bufferView":0,"componentType":5126,"count":1,"type":"SCALAR"},{"bufferView":1,"componentType":5126,"count":3,"type":"VEC3"})"),
        "GltfImporter::animation(): sampler 0 has 1 keys, a spline needs at least two\n"},
    {"ZeroRotation", splineGltf(R"([{"input":2,"output":4,"interpolation":"CUBICSPLINE"}])", R"([{"sampler":0,"target":{"node":0,"path":"rotation"}}])",
        /* Without a buffer view the values are all zeros */
        R"(,{"componentType":5126,"count":6,"type":"VEC4"})"),
        "GltfImporter::animation(): a rotation track has a quaternion that isn't finite and non-zero\n"},
    {"UnknownInterpolation", splineGltf(R"([{"input":0,"output":1,"interpolation":"CATMULLROMSPLINE"}])", R"([{"sampler":0,"target":{"node":0,"path":"translation"}}])"),
        "GltfImporter::animation(): sampler 0 has an unsupported interpolation CATMULLROMSPLINE\n"},
};

class GltfImporterSplineErrorTest: public testing::TestWithParam<SplineErrorCase> {};

TEST_P(GltfImporterSplineErrorTest, OneErrorLineAndNoAnimation) {
    const SplineErrorCase& data = GetParam();
    GltfImporter importer;
    std::ostringstream out;
    {
        Utility::Error redirect{&out};
        ASSERT_TRUE(importer.openData(Containers::ArrayView<const void>{data.data.data(), data.data.size()}));
        EXPECT_FALSE(importer.animation(0));
    }
    EXPECT_EQ(out.str(), data.errors);
}

INSTANTIATE_TEST_SUITE_P(Files, GltfImporterSplineErrorTest, testing::ValuesIn(SplineErrorData),
    [](const testing::TestParamInfo<SplineErrorCase>& info) { return std::string{info.param.name}; });

/* Accessors of no elements give empty arrays without memory, which once
   reached memcpy() as null pointers; fuzzing found it */
TEST(GltfImporterEmptyAccessorTest, MeshOfNoVertices) {
    const std::string file = triangleGltf(R"([{"componentType":5126,"count":0,"type":"VEC3"}])", GoodViews);
    GltfImporter importer;
    ASSERT_TRUE(importer.openData(Containers::ArrayView<const void>{file.data(), file.size()}));
    Containers::Optional<Trade::MeshData> mesh = importer.mesh(0);
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->vertexCount(), 0u);
    EXPECT_EQ(mesh->attributeCount(), 1u);
}

TEST(GltfImporterEmptyAccessorTest, AnimationOfNoKeys) {
    const std::string file = splineGltf(R"([{"input":4,"output":5,"interpolation":"LINEAR"}])", R"([{"sampler":0,"target":{"node":0,"path":"translation"}}])",
        R"(,{"componentType":5126,"count":0,"type":"SCALAR"},{"componentType":5126,"count":0,"type":"VEC3"})");
    GltfImporter importer;
    ASSERT_TRUE(importer.openData(Containers::ArrayView<const void>{file.data(), file.size()}));
    Containers::Optional<Trade::AnimationData> animation = importer.animation(0);
    ASSERT_TRUE(animation);
    ASSERT_EQ(animation->trackCount(), 1u);
    EXPECT_EQ(animation->track(0).size(), 0u);
}

TEST(GltfImporterRealFileTest, Cameras) {
    const std::string path = modelPath("cameras/Cameras.gltf");
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));
    ASSERT_EQ(importer.cameraCount(), gltf["cameras"].size());
    for(UnsignedInt i = 0; i != importer.cameraCount(); ++i) {
        SCOPED_TRACE(i);
        const json& expected = gltf["cameras"][i];
        Containers::Optional<Trade::CameraData> camera = importer.camera(i);
        ASSERT_TRUE(camera);
        if(expected["type"] == "perspective") {
            const json& p = expected["perspective"];
            EXPECT_EQ(camera->type(), Trade::CameraType::Perspective3D);
            EXPECT_FLOAT_EQ(camera->near(), Float(p["znear"]));
            EXPECT_FLOAT_EQ(camera->far(), Float(p["zfar"]));
            EXPECT_FLOAT_EQ(camera->aspectRatio(), Float(p["aspectRatio"]));
            /* Vertical field of view back from the horizontal one */
            EXPECT_NEAR(2.0f*std::atan(std::tan(Float(camera->fov())*0.5f)/camera->aspectRatio()), Float(p["yfov"]), 1.0e-5f);
        } else {
            const json& o = expected["orthographic"];
            EXPECT_EQ(camera->type(), Trade::CameraType::Orthographic3D);
            EXPECT_EQ(camera->size(), (Vector2{2.0f*Float(o["xmag"]), 2.0f*Float(o["ymag"])}));
            EXPECT_FLOAT_EQ(camera->near(), Float(o["znear"]));
        }
    }
    Containers::Optional<Trade::SceneData> scene = importer.scene(0);
    ASSERT_TRUE(scene);
    const Containers::Array<Containers::Pair<UnsignedInt, UnsignedInt>> cameras = scene->camerasAsArray();
    std::size_t expectedCount = 0;
    for(const json& node: gltf["nodes"]) if(node.contains("camera")) ++expectedCount;
    ASSERT_EQ(cameras.size(), expectedCount);
    for(const Containers::Pair<UnsignedInt, UnsignedInt>& c: cameras)
        EXPECT_EQ(c.second(), std::size_t(gltf["nodes"][c.first()]["camera"]));
}

class GltfImporterPrimitiveModeTest: public testing::TestWithParam<int> {};

/* Points, lines, loops, strips and fans as stored */
TEST_P(GltfImporterPrimitiveModeTest, ModeAndCounts) {
    char file[128];
    std::snprintf(file, sizeof(file), "glTF-Asset-Generator/Mesh_PrimitiveMode/Mesh_PrimitiveMode_%02d.gltf", GetParam());
    const std::string path = modelPath(file);
    const json gltf = readJson(path);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(path.c_str()));
    Containers::Optional<Trade::MeshData> mesh = importer.mesh(0);
    ASSERT_TRUE(mesh);
    const json& primitive = gltf["meshes"][0]["primitives"][0];
    constexpr MeshPrimitive Modes[]{MeshPrimitive::Points, MeshPrimitive::Lines, MeshPrimitive::LineLoop, MeshPrimitive::LineStrip, MeshPrimitive::Triangles, MeshPrimitive::TriangleStrip, MeshPrimitive::TriangleFan};
    EXPECT_EQ(mesh->primitive(), Modes[primitive.value("mode", 4)]);
    EXPECT_EQ(mesh->vertexCount(), std::size_t(gltf["accessors"][std::size_t(primitive["attributes"]["POSITION"])]["count"]));
    EXPECT_EQ(mesh->isIndexed(), primitive.contains("indices"));
    if(primitive.contains("indices")) {
        EXPECT_EQ(mesh->indexCount(), std::size_t(gltf["accessors"][std::size_t(primitive["indices"])]["count"]));
    }
}

INSTANTIATE_TEST_SUITE_P(AssetGenerator, GltfImporterPrimitiveModeTest, testing::Range(0, 16),
    [](const testing::TestParamInfo<int>& info) { return "Mode" + std::to_string(info.param); });

/* Inputs that once crashed the fuzzer open or fail with messages, nothing
   more; the corpus of crashers is replayed as it is */
TEST(GltfImporterFuzzCrashersTest, ReplayEveryCrasher) {
    const std::string dir = VELMORA_GLTF_CRASHERS_DIR;
    if(dir.empty()) GTEST_SKIP() << "no crasher directory";
    std::ifstream list{dir + "/LIST"};
    std::string name;
    std::size_t count = 0;
    while(std::getline(list, name)) {
        if(name.empty() || name[0] == '#') continue;
        SCOPED_TRACE(name);
        const std::vector<char> bytes = readBytes(dir + "/" + name);
        ASSERT_FALSE(bytes.empty());
        std::ostringstream out;
        Utility::Error redirect{&out};
        GltfImporter importer;
        if(importer.openData(Containers::ArrayView<const void>{bytes.data(), bytes.size()})) readEverything(importer);
        ++count;
    }
    std::printf("replayed %zu crashers\n", count);
}

}}}
