#include <sstream>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Trade/AbstractImporter.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/SceneData.h>

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

/* An importer of one mesh named "triangle" from data that says "mesh" */
struct MeshImporter: Trade::AbstractImporter {
    Trade::ImporterFeatures doFeatures() const override { return Trade::ImporterFeature::OpenData; }
    bool doIsOpened() const override { return _opened; }
    void doClose() override { _opened = false; }
    void doOpenData(Containers::Array<char>&& data, Trade::DataFlags flags) override {
        lastFlags = flags;
        _opened = Containers::StringView{data.data(), data.size()} == "mesh";
        if(!_opened) Utility::Error{} << "MeshImporter: not a mesh";
    }
    UnsignedInt doMeshCount() const override { return 1; }
    Int doMeshForName(Containers::StringView name) override { return name == "triangle" ? 0 : -1; }
    Containers::String doMeshName(UnsignedInt) override { return Containers::String{"triangle"}; }
    Containers::Optional<Trade::MeshData> doMesh(UnsignedInt, UnsignedInt) override {
        return Trade::MeshData{MeshPrimitive::Triangles, 3};
    }
    Trade::MeshAttribute doMeshAttributeForName(Containers::StringView name) override {
        return name == "JOINTS" ? Trade::meshAttributeCustom(7) : Trade::MeshAttribute{};
    }
    Containers::String doMeshAttributeName(Trade::MeshAttribute name) override {
        return name == Trade::meshAttributeCustom(7) ? Containers::String{"JOINTS"} : Containers::String{};
    }

    bool _opened = false;
    Trade::DataFlags lastFlags;
};

/* An importer that can't open data */
struct FileOnlyImporter: Trade::AbstractImporter {
    Trade::ImporterFeatures doFeatures() const override { return {}; }
    bool doIsOpened() const override { return false; }
    void doClose() override {}
};

TEST(CompatAbstractImporterTest, OpenDataAndMemory) {
    MeshImporter importer;
    EXPECT_FALSE(importer.isOpened());
    EXPECT_EQ(importer.features(), Trade::ImporterFeature::OpenData);
    const char data[]{'m', 'e', 's', 'h'};
    EXPECT_TRUE(importer.openData(data));
    EXPECT_EQ(importer.lastFlags, Trade::DataFlags{});
    EXPECT_TRUE(importer.openMemory(data));
    EXPECT_EQ(importer.lastFlags, Trade::DataFlag::ExternallyOwned);
    importer.close();
    EXPECT_FALSE(importer.isOpened());
}

TEST(CompatAbstractImporterTest, OpenFailure) {
    MeshImporter importer;
    std::ostringstream out;
    {
        Utility::Error redirect{&out};
        const char data[]{'n', 'o'};
        EXPECT_FALSE(importer.openData(data));
    }
    EXPECT_EQ(out.str(), "MeshImporter: not a mesh\n");
}

TEST(CompatAbstractImporterTest, OpenFileThroughData) {
    MeshImporter importer;
    std::ostringstream out;
    {
        Utility::Error redirect{&out};
        EXPECT_FALSE(importer.openFile("/nonexistent/velmora.mesh"));
    }
    /* Upstream's own file reading adds a line of its own before this one */
    EXPECT_NE(out.str().find("Trade::AbstractImporter::openFile(): cannot open file /nonexistent/velmora.mesh\n"), std::string::npos);
}

TEST(CompatAbstractImporterTest, ItemsByIdAndName) {
    MeshImporter importer;
    const char data[]{'m', 'e', 's', 'h'};
    ASSERT_TRUE(importer.openData(data));
    EXPECT_EQ(importer.meshCount(), 1u);
    EXPECT_EQ(importer.meshLevelCount(0), 1u);
    EXPECT_EQ(importer.meshForName("triangle"), 0);
    EXPECT_EQ(importer.meshForName("square"), -1);
    EXPECT_EQ(importer.meshName(0), "triangle");
    Containers::Optional<Trade::MeshData> mesh = importer.mesh("triangle");
    ASSERT_TRUE(mesh);
    EXPECT_EQ(mesh->vertexCount(), 3u);
    /* Kinds the importer doesn't implement are empty */
    EXPECT_EQ(importer.sceneCount(), 0u);
    EXPECT_EQ(importer.defaultScene(), -1);
    EXPECT_EQ(importer.image2DCount(), 0u);
    EXPECT_EQ(importer.objectCount(), 0u);
}

TEST(CompatAbstractImporterTest, ItemNotFoundByName) {
    MeshImporter importer;
    const char data[]{'m', 'e', 's', 'h'};
    ASSERT_TRUE(importer.openData(data));
    std::ostringstream out;
    {
        Utility::Error redirect{&out};
        EXPECT_FALSE(importer.mesh("square"));
    }
    EXPECT_EQ(out.str(), "Trade::AbstractImporter::mesh(): mesh square not found among 1 entries\n");
}

TEST(CompatAbstractImporterTest, MeshAttributeNames) {
    MeshImporter importer;
    /* No file needed */
    EXPECT_EQ(importer.meshAttributeForName("JOINTS"), Trade::meshAttributeCustom(7));
    EXPECT_EQ(importer.meshAttributeForName("WEIGHTS"), Trade::MeshAttribute{});
    EXPECT_EQ(importer.meshAttributeName(Trade::meshAttributeCustom(7)), "JOINTS");
}

TEST(CompatAbstractImporterTest, Flags) {
    MeshImporter importer;
    importer.setFlags(Trade::ImporterFlag::Verbose);
    importer.addFlags(Trade::ImporterFlag::Quiet);
    EXPECT_EQ(importer.flags(), Trade::ImporterFlag::Verbose|Trade::ImporterFlag::Quiet);
    importer.clearFlags(Trade::ImporterFlag::Verbose);
    EXPECT_EQ(importer.flags(), Trade::ImporterFlag::Quiet);
}

TEST(CompatAbstractImporterDeathTest, NoFileOpened) {
    MeshImporter importer;
    EXPECT_DEATH(importer.meshCount(), "Trade::AbstractImporter::meshCount\\(\\): no file opened");
    EXPECT_DEATH(importer.mesh(0), "Trade::AbstractImporter::mesh\\(\\): no file opened");
    EXPECT_DEATH(importer.scene(0), "Trade::AbstractImporter::scene\\(\\): no file opened");
    EXPECT_DEATH(importer.image2D(0), "Trade::AbstractImporter::image2D\\(\\): no file opened");
    EXPECT_DEATH(importer.defaultScene(), "Trade::AbstractImporter::defaultScene\\(\\): no file opened");
    EXPECT_DEATH(importer.objectName(0), "Trade::AbstractImporter::objectName\\(\\): no file opened");
    EXPECT_DEATH(importer.importerState(), "Trade::AbstractImporter::importerState\\(\\): no file opened");
}

TEST(CompatAbstractImporterDeathTest, IdOutOfRange) {
    MeshImporter importer;
    const char data[]{'m', 'e', 's', 'h'};
    ASSERT_TRUE(importer.openData(data));
    EXPECT_DEATH(importer.mesh(1), "Trade::AbstractImporter::mesh\\(\\): index 1 out of range for 1 entries");
    EXPECT_DEATH(importer.meshName(1), "Trade::AbstractImporter::meshName\\(\\): index 1 out of range for 1 entries");
    EXPECT_DEATH(importer.mesh(0, 1), "Trade::AbstractImporter::mesh\\(\\): level 1 out of range for 1 entries");
    EXPECT_DEATH(importer.scene(0), "Trade::AbstractImporter::scene\\(\\): index 0 out of range for 0 entries");
    EXPECT_DEATH(importer.material(0), "Trade::AbstractImporter::material\\(\\): index 0 out of range for 0 entries");
}

TEST(CompatAbstractImporterDeathTest, OpenDataNotSupported) {
    FileOnlyImporter importer;
    const char data[]{'m'};
    EXPECT_DEATH(importer.openData(data), "Trade::AbstractImporter::openData\\(\\): feature not supported");
    EXPECT_DEATH(importer.openMemory(data), "Trade::AbstractImporter::openMemory\\(\\): feature not supported");
}

TEST(CompatAbstractImporterDeathTest, FlagsWhileOpened) {
    MeshImporter importer;
    const char data[]{'m', 'e', 's', 'h'};
    ASSERT_TRUE(importer.openData(data));
    EXPECT_DEATH(importer.setFlags(Trade::ImporterFlag::Verbose), "Trade::AbstractImporter::setFlags\\(\\): can't be set while a file is opened");
}

TEST(CompatAbstractImporterDeathTest, MeshAttributeNameNotCustom) {
    MeshImporter importer;
    EXPECT_DEATH(importer.meshAttributeName(Trade::MeshAttribute::Position), "Trade::AbstractImporter::meshAttributeName\\(\\): Trade::MeshAttribute::Position is not custom");
}

}}}
