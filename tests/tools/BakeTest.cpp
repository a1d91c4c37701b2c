/* velmora-bake run as a user runs it, its outputs checked against what the
   library returns for the same inputs */

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <utility>

#include <sys/wait.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <Corrade/Containers/Optional.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Trade/MeshData.h>

#include "GltfImporter.h"
#include "VelmoraEngine/Tools/ImportedSceneCache.h"
#include "VelmoraEngine/Tools/MeshLayout.h"

#include <stb_image.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;
using nlohmann::json;

const std::string Models = VELMORA_BAKE_MODEL_DIR;
const std::string BoxTextured = Models + "/BoxTextured-glTF-Binary/BoxTextured.glb";

struct BakeRun {
    int exitCode;
    std::string output, errors;
};

/* Runs the tool with @p arguments into @p out, collecting both streams */
BakeRun bake(const std::string& out, const std::string& arguments) {
    const std::string stdoutFile = out + ".stdout", stderrFile = out + ".stderr";
    const std::string command = "rm -rf '" + out + "' && EGL_PLATFORM=surfaceless '" VELMORA_BAKE_EXECUTABLE "' --out '" + out + "' " + arguments +
        " > '" + stdoutFile + "' 2> '" + stderrFile + "'";
    const int status = std::system(command.c_str());
    BakeRun run{WIFEXITED(status) ? WEXITSTATUS(status) : -1, {}, {}};
    std::stringstream o, e;
    o << std::ifstream{stdoutFile}.rdbuf();
    e << std::ifstream{stderrFile}.rdbuf();
    run.output = o.str();
    run.errors = e.str();
    return run;
}

json readReport(const std::string& out) {
    std::ifstream file{out + "/report.json"};
    json report;
    file >> report;
    return report;
}

bool exists(const std::string& path) {
    return std::ifstream{path}.good();
}

/* The file's report entry */
const json* fileReport(const json& report, const std::string& suffix) {
    for(const json& file: report["files"]) {
        const std::string path = file["path"];
        if(path.size() >= suffix.size() && path.compare(path.size() - suffix.size(), suffix.size(), suffix) == 0) return &file;
    }
    return nullptr;
}

TEST(Bake, DefaultSetBakesEverything) {
    const std::string out = ::testing::TempDir() + "bake-default";
    const BakeRun run = bake(out, "");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    EXPECT_TRUE(exists(out + "/preview.png"));
    EXPECT_TRUE(exists(out + "/atlas-layer-0.png"));
    EXPECT_NE(run.output.find("[3/3] simple_skin.gltf: done"), std::string::npos);
    EXPECT_NE(run.output.find("outputs: "), std::string::npos);

    const json report = readReport(out);
    ASSERT_EQ(report["files"].size(), 3u);
    for(const json& file: report["files"]) EXPECT_FALSE(file.contains("error")) << file["path"];

    /* The figures are what the library gives for the same input */
    const json* box = fileReport(report, "BoxTextured.glb");
    ASSERT_TRUE(box);
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(Containers::StringView{BoxTextured.data(), BoxTextured.size()}));
    ImportedSceneCache cache;
    cache.cacheResources(importer);
    ASSERT_EQ((*box)["meshes"].size(), cache.meshes.size());
    ASSERT_TRUE(cache.meshes[0]);
    const json& mesh = (*box)["meshes"][0];
    EXPECT_EQ(mesh["before"]["vertices"].get<UnsignedInt>(), cache.meshes[0]->vertexCount());
    EXPECT_EQ(mesh["before"]["indices"].get<UnsignedInt>(), cache.meshes[0]->indexCount());
    Trade::MeshData processed = [&]{
        Utility::Warning silence{nullptr};
        return cache.processMesh(MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::ObjectId, std::move(*cache.meshes[0]));
    }();
    EXPECT_EQ(mesh["after"]["vertices"].get<UnsignedInt>(), processed.vertexCount());
    EXPECT_EQ(mesh["after"]["bytes"].get<std::size_t>(), processed.vertexData().size() + processed.indexData().size());
    EXPECT_EQ(mesh["after"]["attributes"]["Normal"], "VertexFormat::Vector3sNormalized");
    ASSERT_EQ((*box)["images"].size(), 1u);
    EXPECT_TRUE((*box)["images"][0]["atlas"]["placed"].get<bool>());

    const json* skin = fileReport(report, "simple_skin.gltf");
    ASSERT_TRUE(skin);
    ASSERT_EQ((*skin)["animations"].size(), 1u);
    EXPECT_LE((*skin)["animations"][0]["keysAfter"].get<std::size_t>(), (*skin)["animations"][0]["keysBefore"].get<std::size_t>());
    EXPECT_GT(report["atlas"]["occupancy"].get<double>(), 0.0);
}

TEST(Bake, PreviewCellsShowTheirModels) {
    const std::string out = ::testing::TempDir() + "bake-preview";
    const BakeRun run = bake(out, "");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    int width, height, channels;
    unsigned char* pixels = stbi_load((out + "/preview.png").c_str(), &width, &height, &channels, 4);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(width, 3*256);
    EXPECT_EQ(height, 256);
    const auto pixel = [&](int x, int y) {
        const unsigned char* p = pixels + (y*width + x)*4;
        return std::make_pair(p[0] | (p[1] << 8) | (p[2] << 16), p[3]);
    };
    const int background = pixel(1, 1).first;
    for(int cell = 0; cell != 3; ++cell) {
        SCOPED_TRACE(cell);
        /* Framed in the middle of its cell, with background at the corners */
        EXPECT_EQ(pixel(cell*256 + 2, 2).first, background);
        EXPECT_EQ(pixel(cell*256 + 253, 253).first, background);
        int covered = 0;
        for(int y = 96; y != 160; ++y) for(int x = cell*256 + 96; x != cell*256 + 160; ++x)
            if(pixel(x, y).first != background) ++covered;
        EXPECT_GT(covered, 64*64/4);
    }
    stbi_image_free(pixels);
}

TEST(Bake, MalformedFileFailsAloneAndTheRestBakes) {
    const std::string broken = ::testing::TempDir() + "broken.gltf";
    std::ofstream{broken} << "{\"asset\": {\"version\": \"2.0\"}, \"buffers\": [{\"byteLength\": 99999999}], \"meshes\": [";
    const std::string out = ::testing::TempDir() + "bake-broken";
    const BakeRun run = bake(out, "'" + broken + "' '" + BoxTextured + "'");
    EXPECT_NE(run.exitCode, 0);
    EXPECT_NE(run.errors.find("velmora-bake: " + broken + ": cannot open the file"), std::string::npos) << run.errors;
    const json report = readReport(out);
    ASSERT_EQ(report["files"].size(), 2u);
    EXPECT_TRUE(report["files"][0].contains("error"));
    EXPECT_FALSE(report["files"][1].contains("error"));
    EXPECT_TRUE(exists(out + "/preview.png"));
}

TEST(Bake, CompressedAtlasTakesAnImageOfPartialBlocks) {
    /* BoxTextured's image is 211x211, not whole 4x4 blocks */
    const std::string out = ::testing::TempDir() + "bake-compressed";
    const BakeRun run = bake(out, "--compress '" + BoxTextured + "'");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const json report = readReport(out);
    EXPECT_EQ(report["atlas"]["format"], "BC3");
    const json& atlas = report["files"][0]["images"][0]["atlas"];
    EXPECT_TRUE(atlas["placed"].get<bool>());
    EXPECT_EQ(atlas["bounds"][2].get<int>(), 212);
    EXPECT_TRUE(exists(out + "/atlas-layer-0.png"));
}

TEST(Bake, VirtualTextureStoresSharedTilesOnce) {
    /* Two files with the same image */
    const std::string copy = ::testing::TempDir() + "BoxTexturedCopy.glb";
    {
        std::ifstream in{BoxTextured, std::ios::binary};
        std::ofstream{copy, std::ios::binary} << in.rdbuf();
    }
    const std::string out = ::testing::TempDir() + "bake-virtual";
    const BakeRun run = bake(out, "--virtual-texture '" + BoxTextured + "' '" + copy + "'");
    ASSERT_EQ(run.exitCode, 0) << run.errors;
    const json report = readReport(out);
    const json& virtualTexture = report["virtualTexture"];
    const std::size_t tiles = virtualTexture["tiles"];
    ASSERT_GT(tiles, 0u);
    EXPECT_EQ(tiles % 2, 0u);
    EXPECT_EQ(virtualTexture["storedTiles"].get<std::size_t>(), tiles/2);
    EXPECT_EQ(virtualTexture["sharedTiles"].get<std::size_t>(), tiles/2);
    EXPECT_EQ(report["files"][1]["images"][0]["virtualTexture"]["sharedTiles"].get<std::size_t>(), tiles/2);
}

}}}
