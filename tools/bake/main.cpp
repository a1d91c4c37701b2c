/* velmora-bake: bakes glTF files into the engine's form with every part of
   the library, and writes what a person checks by eye (a preview render, the
   atlas layers) and by script (a JSON report) */

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include <nlohmann/json.hpp>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/Pointer.h>
#include <Corrade/Containers/Reference.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringStl.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/MurmurHash2.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/TextureArray.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Matrix3.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Mesh.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Platform/GLContext.h>
#include <Magnum/Platform/WindowlessEglApplication.h>
#include <Magnum/Trade/AnimationData.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/TextureData.h>
#include <Magnum/VertexFormat.h>

#include <stb_dxt.h>
#include <stb_image_write.h>

#include "GltfImporter.h"
#include "Shaders.h"
#include "VelmoraEngine/Tools/AnimationTools.h"
#include "VelmoraEngine/Tools/ImageTools.h"
#include "VelmoraEngine/Tools/ImportedSceneCache.h"
#include "VelmoraEngine/Tools/MeshBatch.h"
#include "VelmoraEngine/Tools/MeshLayout.h"
#include "VelmoraEngine/Tools/TextureAtlas.h"
#include "VelmoraEngine/Tools/TileStackTextureAtlas.h"

#ifndef VELMORA_DEFAULT_MODEL_DIR
#define VELMORA_DEFAULT_MODEL_DIR "/usr/share/assimp/models/glTF2"
#endif

namespace VelmoraEngine { namespace Bake { namespace {

using namespace Magnum;
using namespace Corrade;
using nlohmann::json;

constexpr MeshDataFlags DefaultLayout = MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::Normal|MeshDataFlag::Tangent|MeshDataFlag::ObjectId;
constexpr Int VirtualTileSize = 128;
constexpr Int CellSize = 256;

struct Options {
    std::string out = "bake-out";
    MeshDataFlags layout = DefaultLayout;
    Int maxImage = 1024;
    Int atlasSize = 2048;
    bool compress = false;
    bool virtualTexture = false;
    std::vector<std::string> files;
};

const std::pair<const char*, MeshDataFlag> FlagNames[]{
    {"position2d", MeshDataFlag::Position2D},
    {"position3d", MeshDataFlag::Position3D},
    {"texcoords", MeshDataFlag::TextureCoordinates},
    {"texcoords1", MeshDataFlag::TextureCoordinates1},
    {"normal", MeshDataFlag::Normal},
    {"tangent", MeshDataFlag::Tangent},
    {"objectid", MeshDataFlag::ObjectId},
    {"skinning0", MeshDataFlag::Skinning0},
    {"skinning1", MeshDataFlag::Skinning1},
    {"color", MeshDataFlag::Color},
    {"packed", MeshDataFlag::Packed},
};

void usage(std::ostream& out) {
    out << "Usage: velmora-bake [options] [FILE...]\n"
           "Bakes glTF and GLB files into the engine's form. Without FILE, bakes\n"
           "2CylinderEngine.glb, BoxTextured.glb and simple_skin.gltf from Debian's\n"
           "assimp-testmodels.\n\n"
           "  --out DIR           output directory (default bake-out)\n"
           "  --layout LIST       vertex layout, comma-separated from position2d,\n"
           "                      position3d, texcoords, texcoords1, normal, tangent,\n"
           "                      objectid, skinning0, skinning1, color, packed\n"
           "                      (default packed,position3d,texcoords,normal,tangent,objectid;\n"
           "                      skinning0 is added for meshes that have skinning)\n"
           "  --max-image N       downscale images larger than N pixels (default 1024)\n"
           "  --atlas-size N      size of the texture atlas (default 2048)\n"
           "  --compress          BC3 blocks made on the CPU in a compressed atlas\n"
           "  --virtual-texture   images cut into 128x128 tiles in a tile stack atlas\n"
           "  --help              this text\n";
}

/* Parses the arguments; false with a message when they make no sense */
bool parseArguments(int argc, char** argv, Options& options) {
    const auto number = [&](int& i, Int& value) {
        if(i + 1 >= argc) return false;
        char* end;
        const long parsed = std::strtol(argv[++i], &end, 10);
        if(*end || parsed <= 0 || parsed > 65535) return false;
        value = Int(parsed);
        return true;
    };
    for(int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if(argument == "--help") {
            usage(std::cout);
            std::exit(0);
        } else if(argument == "--out" && i + 1 < argc) {
            options.out = argv[++i];
        } else if(argument == "--layout" && i + 1 < argc) {
            options.layout = {};
            std::stringstream list{argv[++i]};
            std::string name;
            while(std::getline(list, name, ',')) {
                bool found = false;
                for(const auto& flag: FlagNames) if(name == flag.first) {
                    options.layout |= flag.second;
                    found = true;
                }
                if(!found) {
                    std::cerr << "velmora-bake: unknown layout flag " << name << "\n";
                    return false;
                }
            }
            if(options.layout >= (MeshDataFlag::Position2D|MeshDataFlag::Position3D)) {
                std::cerr << "velmora-bake: a layout has either a 2D or a 3D position\n";
                return false;
            }
        } else if(argument == "--max-image") {
            if(!number(i, options.maxImage)) {
                std::cerr << "velmora-bake: --max-image needs a size between 1 and 65535\n";
                return false;
            }
        } else if(argument == "--atlas-size") {
            if(!number(i, options.atlasSize)) {
                std::cerr << "velmora-bake: --atlas-size needs a size between 1 and 65535\n";
                return false;
            }
        } else if(argument == "--compress") {
            options.compress = true;
        } else if(argument == "--virtual-texture") {
            options.virtualTexture = true;
        } else if(!argument.empty() && argument[0] == '-') {
            std::cerr << "velmora-bake: unknown option " << argument << "\n";
            usage(std::cerr);
            return false;
        } else options.files.push_back(argument);
    }
    if(options.files.empty()) options.files = {
        VELMORA_DEFAULT_MODEL_DIR "/2CylinderEngine-glTF-Binary/2CylinderEngine.glb",
        VELMORA_DEFAULT_MODEL_DIR "/BoxTextured-glTF-Binary/BoxTextured.glb",
        VELMORA_DEFAULT_MODEL_DIR "/simple_skin/simple_skin.gltf"};
    return true;
}

std::string baseName(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

/* One value through Magnum's debug printer */
template<class T> std::string printed(const T& value) {
    std::ostringstream out;
    Utility::Debug{&out, Utility::Debug::Flag::NoNewlineAtTheEnd} << value;
    return out.str();
}

std::string attributeName(Trade::MeshAttribute name) {
    if(name == Trade::meshAttributeCustom(0)) return "JointIds0";
    if(name == Trade::meshAttributeCustom(1)) return "Weights0";
    if(name == Trade::meshAttributeCustom(2)) return "JointIds1";
    if(name == Trade::meshAttributeCustom(3)) return "Weights1";
    if(name == Trade::meshAttributeCustom(42)) return "NormalPadding";
    std::string out = printed(name);
    const std::string prefix = "Trade::MeshAttribute::";
    return out.compare(0, prefix.size(), prefix) == 0 ? out.substr(prefix.size()) : out;
}

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in{text};
    std::string line;
    while(std::getline(in, line)) if(!line.empty()) out.push_back(line);
    return out;
}

/* (name and occurrence) -> format of every attribute */
std::map<std::string, std::string> attributeFormats(const Trade::MeshData& mesh) {
    std::map<std::string, std::string> out;
    std::map<std::string, int> seen;
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i) {
        std::string name = attributeName(mesh.attributeName(i));
        const int occurrence = seen[name]++;
        if(occurrence) name += "#" + std::to_string(occurrence);
        out[name] = printed(mesh.attributeFormat(i));
    }
    return out;
}

std::size_t dataSize(const Trade::MeshData& mesh) {
    return mesh.vertexData().size() + mesh.indexData().size();
}

double millisecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

/* A processed mesh rewritten into the batch's exact layout: attributes the
   layout has and the mesh lacks stay zero, others are dropped */
Trade::MeshData toBatchLayout(const Trade::MeshData& mesh, MeshDataFlags layoutFlags, std::vector<std::string>& missing) {
    const UnsignedInt vertexCount = mesh.vertexCount();
    Containers::Array<Trade::MeshAttributeData> layout = getLayout(layoutFlags, vertexCount);
    const std::size_t stride = layout.isEmpty() ? 0 : std::size_t(layout[0].stride());
    Containers::Array<char> vertexData{ValueInit, stride*vertexCount};
    Containers::Array<char> indexData;
    Trade::MeshIndexData indices;
    if(mesh.isIndexed()) {
        /* The batch concatenates any index type into 32-bit indices */
        indexData = Containers::Array<char>{NoInit, mesh.indexCount()*sizeof(UnsignedInt)};
        const Containers::ArrayView<UnsignedInt> out = Containers::arrayCast<UnsignedInt>(indexData);
        mesh.indicesInto(out);
        indices = Trade::MeshIndexData{Containers::StridedArrayView1D<const UnsignedInt>{out}};
    }
    Trade::MeshData out = mesh.isIndexed() ?
        Trade::MeshData{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(layout), vertexCount} :
        Trade::MeshData{MeshPrimitive::Triangles, std::move(vertexData), std::move(layout), vertexCount};

    std::map<UnsignedShort, UnsignedInt> occurrence;
    for(UnsignedInt i = 0; i != out.attributeCount(); ++i) {
        const Trade::MeshAttribute name = out.attributeName(i);
        const UnsignedInt id = occurrence[UnsignedShort(name)]++;
        /* Padding is the layout's own, nothing to copy */
        if(name == Trade::meshAttributeCustom(42)) continue;
        const Containers::Optional<UnsignedInt> from = mesh.findAttributeId(name, id);
        if(!from || mesh.attributeFormat(*from) != out.attributeFormat(i) || mesh.attributeArraySize(*from) != out.attributeArraySize(i)) {
            missing.push_back(attributeName(name));
            continue;
        }
        Utility::copy(mesh.attribute(*from), out.mutableAttribute(i));
    }
    return out;
}

/* An RGBA8 copy of an 8- or 16-bit image with one to four channels; an
   empty optional for formats this tool doesn't take */
Containers::Optional<Image2D> toRgba8(const ImageView2D& image, bool& converted) {
    converted = false;
    Containers::Optional<Image2D> eightBit;
    ImageView2D source = image;
    PixelFormat eightBitFormat{};
    switch(image.format()) {
        case PixelFormat::R16Unorm: eightBitFormat = PixelFormat::R8Unorm; break;
        case PixelFormat::RG16Unorm: eightBitFormat = PixelFormat::RG8Unorm; break;
        case PixelFormat::RGB16Unorm: eightBitFormat = PixelFormat::RGB8Unorm; break;
        case PixelFormat::RGBA16Unorm: eightBitFormat = PixelFormat::RGBA8Unorm; break;
        default: break;
    }
    if(eightBitFormat != PixelFormat{}) {
        eightBit = ImageTools::allocateWithFormat(eightBitFormat, image.size());
        MutableImageView2D view = *eightBit;
        if(!ImageTools::convert(image, view)) return {};
        source = *eightBit;
        converted = true;
    }

    UnsignedInt channels;
    switch(source.format()) {
        case PixelFormat::R8Unorm: channels = 1; break;
        case PixelFormat::RG8Unorm: channels = 2; break;
        case PixelFormat::RGB8Unorm: channels = 3; break;
        case PixelFormat::RGBA8Unorm: channels = 4; break;
        default: return {};
    }
    Image2D out = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, source.size());
    const Containers::StridedArrayView3D<const char> from = source.pixels();
    const Containers::StridedArrayView2D<Color4ub> to = out.pixels<Color4ub>();
    for(std::size_t y = 0; y != to.size()[0]; ++y) for(std::size_t x = 0; x != to.size()[1]; ++x) {
        UnsignedByte c[4]{0, 0, 0, 255};
        for(UnsignedInt i = 0; i != channels; ++i) c[i] = UnsignedByte(from[y][x][i]);
        /* Gray stays gray */
        if(channels == 1) c[1] = c[2] = c[0];
        to[y][x] = Color4ub{c[0], c[1], c[2], c[3]};
    }
    return out;
}

/* BC3 blocks of an RGBA8 image, made with stb_dxt; edge blocks repeat the
   last row and column */
CompressedImage2D compressBc3(const ImageView2D& image) {
    const Vector2i blocks = (image.size() + Vector2i{3})/4;
    Containers::Array<char> data{NoInit, std::size_t(blocks.product())*16};
    const Containers::StridedArrayView2D<const Color4ub> pixels = image.pixels<Color4ub>();
    for(Int by = 0; by != blocks.y(); ++by) for(Int bx = 0; bx != blocks.x(); ++bx) {
        Color4ub block[16];
        for(Int y = 0; y != 4; ++y) for(Int x = 0; x != 4; ++x)
            block[y*4 + x] = pixels[std::size_t(Math::min(by*4 + y, image.size().y() - 1))][std::size_t(Math::min(bx*4 + x, image.size().x() - 1))];
        stb_compress_dxt_block(reinterpret_cast<unsigned char*>(data.data() + (by*blocks.x() + bx)*16),
            reinterpret_cast<const unsigned char*>(block), 1, STB_DXT_HIGHQUAL);
    }
    /* Whole blocks: GL takes a partial block only at the texture's edge */
    return CompressedImage2D{CompressedPixelFormat::Bc3RGBAUnorm, blocks*4, std::move(data)};
}

bool writePng(const std::string& path, const Image2D& image) {
    const Vector2i size = image.size();
    /* GL's first row is the bottom one */
    stbi_flip_vertically_on_write(1);
    return stbi_write_png(path.c_str(), size.x(), size.y(), 4, image.data().data(), Int(image.pixels().stride()[0]));
}

/* What the preview draws for one mesh of one object */
struct Draw {
    UnsignedInt batchMesh;
    Matrix4 transformation;
    Int atlasImage;
    Color4 baseColor;
};

struct BakedFile {
    std::string path;
    bool baked = false;
    Range3D bounds;
    std::vector<Draw> draws;
};

class PreviewShader: public GL::AbstractShaderProgram {
    public:
        explicit PreviewShader() {
            GL::Shader vert{GL::Version::GL330, GL::Shader::Type::Vertex};
            GL::Shader frag{GL::Version::GL330, GL::Shader::Type::Fragment};
            vert.addSource(Containers::StringView{PreviewVertexShader});
            frag.addSource(Containers::StringView{PreviewFragmentShader});
            vert.submitCompile();
            frag.submitCompile();
            if(!vert.checkCompile() || !frag.checkCompile()) return;
            attachShaders({vert, frag});
            if(!link()) return;
            _transformationProjection = uniformLocation("transformationProjection");
            _normalMatrix = uniformLocation("normalMatrix");
            _atlasRectangle = uniformLocation("atlasRectangle");
            _atlasLayer = uniformLocation("atlasLayer");
            _textured = uniformLocation("textured");
            _baseColor = uniformLocation("baseColor");
            setUniform(uniformLocation("atlas"), 0);
        }

        PreviewShader& setTransformations(const Matrix4& projection, const Matrix4& transformation) {
            setUniform(_transformationProjection, projection*transformation);
            setUniform(_normalMatrix, transformation.normalMatrix());
            return *this;
        }

        PreviewShader& setMaterial(const Color4& baseColor, bool textured, const Vector4& rectangle, Float layer) {
            setUniform(_baseColor, baseColor);
            setUniform(_textured, Int(textured));
            setUniform(_atlasRectangle, rectangle);
            setUniform(_atlasLayer, layer);
            return *this;
        }

        void drawView(GL::MeshView view) { draw(view); }

    private:
        Int _transformationProjection{-1}, _normalMatrix{-1}, _atlasRectangle{-1}, _atlasLayer{-1}, _textured{-1}, _baseColor{-1};
};

class Baker {
    public:
        explicit Baker(const Options& options): _options(options), _batch{getLayout(options.layout, 0)} {}

        bool bakeFile(const std::string& path, std::size_t index, std::size_t count);
        void writeOutputs(std::chrono::steady_clock::time_point start);
        bool anyFailed() const { return _failed; }

    private:
        void progress(std::size_t index, std::size_t count, const std::string& file, const char* stage) {
            std::cout << "[" << index + 1 << "/" << count << "] " << file << ": " << stage << std::endl;
        }
        void fail(const std::string& path, const std::string& reason, json& report) {
            std::cerr << "velmora-bake: " << path << ": " << reason << std::endl;
            report["error"] = reason;
            _failed = true;
        }
        Int placeImage(const Image2D& image, json& report);
        void placeVirtualImage(const Image2D& image, json& report);
        void renderPreview(const std::string& path);
        void writeAtlasLayers(json& report);

        const Options& _options;
        MeshBatch _batch;
        Containers::Optional<TextureAtlas> _atlas;
        Containers::Optional<TileStackTextureAtlas> _virtualTexture;
        std::set<std::string> _virtualHashes;
        std::size_t _virtualTilesTotal = 0, _virtualTilesShared = 0;
        std::vector<BakedFile> _files;
        json _report = json::object();
        bool _failed = false;
};

Int Baker::placeImage(const Image2D& image, json& report) {
    if(!_atlas) _atlas.emplace(_options.compress ?
        TextureAtlas{CompressedPixelFormat::Bc3RGBAUnorm, Vector2i{_options.atlasSize}} :
        TextureAtlas{PixelFormat::RGBA8Unorm, Vector2i{_options.atlasSize}});

    std::ostringstream warnings;
    Int id;
    {
        Utility::Warning redirectWarning{&warnings};
        /* The atlas rounds sizes down to whole blocks, and compressed data
           covers whole blocks, so a compressed image reserves them up */
        id = _atlas->reserveImage(_options.compress ? (image.size() + Vector2i{3})/4*4 : image.size(), false);
    }
    if(id < 0) {
        report["atlas"] = {{"placed", false}, {"warnings", lines(warnings.str())}};
        return -1;
    }
    const bool written = _options.compress ?
        _atlas->setImage(id, CompressedImageView2D{compressBc3(image)}) :
        _atlas->setImage(id, image);
    const Math::Vector4<UnsignedShort> bounds = _atlas->textureBounds()[id];
    report["atlas"] = {
        {"placed", written},
        {"id", id},
        {"layer", _atlas->textureLayers()[id]},
        {"bounds", {bounds.x(), bounds.y(), bounds.z(), bounds.w()}}};
    return written ? id : -1;
}

void Baker::placeVirtualImage(const Image2D& image, json& report) {
    if(!_virtualTexture) _virtualTexture.emplace(CompressedPixelFormat::Bc3RGBAUnorm, Vector2i{VirtualTileSize}, Vector2i{Math::min(_options.atlasSize*2, 4096)}, false);

    /* Every tile with its border from the neighbours, named by its pixels */
    const Vector2i grid = (image.size() + Vector2i{VirtualTileSize - 1})/VirtualTileSize;
    std::vector<std::string> hashes;
    std::vector<CompressedImage2D> tiles;
    for(Int i = 0; i != grid.product(); ++i) {
        Image2D tile = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, Vector2i{VirtualTileSize + 4});
        MutableImageView2D view = tile;
        ImageTools::tile(image, view, Vector2i{VirtualTileSize}, i, Vector2i{2});
        hashes.push_back(Utility::MurmurHash2{}(tile.data().data(), tile.data().size()).hexString());
        tiles.push_back(compressBc3(tile));
    }
    std::vector<Containers::StringView> hashViews;
    for(const std::string& hash: hashes) hashViews.emplace_back(hash.data(), hash.size());

    std::ostringstream warnings;
    Int id;
    {
        Utility::Warning redirectWarning{&warnings};
        id = _virtualTexture->reserveImage(image.size(), Containers::arrayView(hashViews.data(), hashViews.size()), 0);
    }
    std::size_t shared = 0;
    if(id >= 0) for(std::size_t i = 0; i != tiles.size(); ++i) {
        /* A tile equal to one stored before is stored once */
        if(!_virtualHashes.insert(hashes[i]).second) {
            ++shared;
            continue;
        }
        _virtualTexture->uploadTile(hashViews[i], CompressedImageView2D{tiles[i]}, 0);
    }
    _virtualTilesTotal += tiles.size();
    _virtualTilesShared += shared;
    report["virtualTexture"] = {
        {"placed", id >= 0},
        {"tiles", tiles.size()},
        {"sharedTiles", shared},
        {"warnings", lines(warnings.str())}};
}

bool Baker::bakeFile(const std::string& path, std::size_t index, std::size_t count) {
    const std::string file = baseName(path);
    json report = json::object();
    report["path"] = path;
    json timings = json::object();
    BakedFile baked;
    baked.path = path;

    /* Import */
    progress(index, count, file, "importing");
    auto stageStart = std::chrono::steady_clock::now();
    GltfImporter importer;
    ImportedSceneCache cache;
    std::ostringstream importErrors, importWarnings;
    bool opened, sceneCached = false;
    {
        Utility::Error redirectError{&importErrors};
        Utility::Warning redirectWarning{&importWarnings};
        opened = importer.openFile(path);
        if(opened) {
            cache.cacheResources(importer);
            sceneCached = cache.cacheScene(importer);
        }
    }
    timings["import"] = millisecondsSince(stageStart);
    report["importErrors"] = lines(importErrors.str());
    report["importWarnings"] = lines(importWarnings.str());
    if(!opened) {
        const std::vector<std::string> errors = lines(importErrors.str());
        fail(path, "cannot open the file" + (errors.empty() ? std::string{} : ": " + errors.front()), report);
        _report["files"].push_back(report);
        _files.push_back(std::move(baked));
        return false;
    }
    if(!sceneCached) {
        const std::vector<std::string> errors = lines(importErrors.str());
        fail(path, "no usable scene" + (errors.empty() ? std::string{} : ": " + errors.back()), report);
        _report["files"].push_back(report);
        _files.push_back(std::move(baked));
        return false;
    }

    /* Meshes */
    progress(index, count, file, "processing meshes");
    stageStart = std::chrono::steady_clock::now();
    std::vector<Int> batchMeshOf(cache.meshes.size(), -1);
    std::vector<Range3D> meshBounds(cache.meshes.size());
    json meshes = json::array();
    const UnsignedInt firstBatchMesh = _batch.meshCount();
    for(std::size_t i = 0; i != cache.meshes.size(); ++i) {
        json mesh = json::object();
        mesh["name"] = std::string(cache.meshNames[i]);
        if(!cache.meshes[i]) {
            mesh["skipped"] = "not imported";
            meshes.push_back(mesh);
            continue;
        }
        Trade::MeshData& imported = *cache.meshes[i];
        mesh["before"] = {
            {"vertices", imported.vertexCount()},
            {"indices", imported.isIndexed() ? imported.indexCount() : 0},
            {"bytes", dataSize(imported)},
            {"attributes", attributeFormats(imported)}};

        std::ostringstream warnings;
        bool accepted;
        {
            Utility::Warning redirectWarning{&warnings};
            accepted = cache.canProcessMesh(imported);
        }
        if(!accepted) {
            mesh["skipped"] = lines(warnings.str());
            meshes.push_back(mesh);
            continue;
        }

        /* Skinning where the importer gave the mesh some */
        MeshDataFlags flags = _options.layout;
        for(const Trade::MeshAttribute skinning: {cache.jointsAttribute, cache.joints0Attribute})
            if(skinning != Trade::MeshAttribute{} && imported.hasAttribute(skinning)) flags |= MeshDataFlag::Skinning0;

        const std::map<std::string, std::string> formatsBefore = attributeFormats(imported);
        Containers::Optional<Trade::MeshData> processed;
        {
            Utility::Warning redirectWarning{&warnings};
            processed = cache.processMesh(flags, std::move(imported));
        }
        cache.meshes[i] = Containers::NullOpt;
        const std::map<std::string, std::string> formatsAfter = attributeFormats(*processed);
        json converted = json::array(), generated = json::array(), dropped = json::array();
        for(const auto& after: formatsAfter) {
            const auto before = formatsBefore.find(after.first);
            if(before == formatsBefore.end()) generated.push_back(after.first);
            else if(before->second != after.second) converted.push_back(after.first + ": " + before->second + " -> " + after.second);
        }
        for(const auto& before: formatsBefore)
            if(!formatsAfter.count(before.first)) dropped.push_back(before.first);
        mesh["after"] = {
            {"vertices", processed->vertexCount()},
            {"indices", processed->isIndexed() ? processed->indexCount() : 0},
            {"bytes", dataSize(*processed)},
            {"attributes", formatsAfter}};
        mesh["converted"] = converted;
        mesh["generated"] = generated;
        mesh["dropped"] = dropped;
        mesh["warnings"] = lines(warnings.str());

        /* A mesh whose position couldn't be converted comes back unpacked */
        if(processed->attributeFormat(Trade::MeshAttribute::Position) != VertexFormat::Vector3) {
            mesh["batched"] = false;
            meshes.push_back(mesh);
            continue;
        }
        Range3D bounds{Vector3{Constants::inf()}, Vector3{-Constants::inf()}};
        for(const Vector3& position: processed->attribute<Vector3>(Trade::MeshAttribute::Position))
            bounds = Range3D{Math::min(bounds.min(), position), Math::max(bounds.max(), position)};
        meshBounds[i] = bounds;

        std::vector<std::string> missing;
        const Trade::MeshData batched = toBatchLayout(*processed, _options.layout, missing);
        _batch.addMesh(batched);
        batchMeshOf[i] = Int(_batch.meshCount() - 1);
        mesh["batched"] = true;
        mesh["batchMesh"] = batchMeshOf[i];
        mesh["missingFromLayout"] = missing;
        meshes.push_back(mesh);
    }
    _batch.updateMesh();
    report["meshes"] = meshes;
    report["batch"] = {{"firstMesh", firstBatchMesh}, {"meshCount", _batch.meshCount() - firstBatchMesh}};
    timings["meshes"] = millisecondsSince(stageStart);

    /* Images */
    progress(index, count, file, _options.virtualTexture ? "tiling images" : "placing images in the atlas");
    stageStart = std::chrono::steady_clock::now();
    std::vector<Int> atlasImageOf(cache.images.size(), -1);
    json images = json::array();
    for(std::size_t i = 0; i != cache.images.size(); ++i) {
        json image = json::object();
        image["name"] = std::string(cache.imageNames[i]);
        if(!cache.images[i]) {
            image["skipped"] = "not imported";
            images.push_back(image);
            continue;
        }
        const Trade::ImageData2D& imported = *cache.images[i];
        image["size"] = {imported.size().x(), imported.size().y()};
        if(imported.isCompressed()) {
            image["skipped"] = "compressed";
            images.push_back(image);
            continue;
        }
        image["format"] = printed(imported.format());
        bool converted;
        Containers::Optional<Image2D> rgba = toRgba8(imported, converted);
        if(!rgba) {
            image["skipped"] = "unsupported format";
            images.push_back(image);
            continue;
        }
        image["convertedTo8Bit"] = converted;

        const Vector2i size = rgba->size();
        if(size.max() > _options.maxImage) {
            const Vector2i smaller = Math::max(Vector2i{1}, size*_options.maxImage/size.max());
            Image2D downscaled = ImageTools::allocateWithFormat(PixelFormat::RGBA8Unorm, smaller);
            MutableImageView2D view = downscaled;
            if(ImageTools::downscale(*rgba, view, smaller)) {
                rgba = std::move(downscaled);
                image["downscaledTo"] = {smaller.x(), smaller.y()};
            }
        }

        if(_options.virtualTexture) placeVirtualImage(*rgba, image);
        else atlasImageOf[i] = placeImage(*rgba, image);
        images.push_back(image);
    }
    report["images"] = images;
    timings["images"] = millisecondsSince(stageStart);

    /* Animations */
    progress(index, count, file, "reducing animations");
    stageStart = std::chrono::steady_clock::now();
    json animations = json::array();
    for(std::size_t i = 0; i != cache.animations.size(); ++i) {
        json animation = json::object();
        animation["name"] = std::string(cache.animationNames[i]);
        if(!cache.animations[i]) {
            animation["skipped"] = "not imported";
            animations.push_back(animation);
            continue;
        }
        const Trade::AnimationData& imported = *cache.animations[i];
        std::size_t before = 0;
        bool supported = true;
        for(UnsignedInt t = 0; t != imported.trackCount(); ++t) {
            before += imported.track(t).size();
            const Trade::AnimationTrackType type = imported.trackType(t);
            if((type != Trade::AnimationTrackType::Vector3 && type != Trade::AnimationTrackType::Quaternion) || imported.trackResultType(t) != type)
                supported = false;
        }
        animation["tracks"] = imported.trackCount();
        animation["keysBefore"] = before;
        if(!supported) {
            animation["skipped"] = "track types other than Vector3 and Quaternion";
            animations.push_back(animation);
            continue;
        }
        const Trade::AnimationData reduced = AnimationTools::removeLinearlyRedundantKeyframes(imported);
        std::size_t after = 0;
        for(UnsignedInt t = 0; t != reduced.trackCount(); ++t) after += reduced.track(t).size();
        animation["keysAfter"] = after;
        animations.push_back(animation);
    }
    report["animations"] = animations;
    timings["animations"] = millisecondsSince(stageStart);

    /* The scene's draws: every mesh of every object with its world
       transformation, parents before children */
    std::map<UnsignedInt, Matrix4> local, world;
    for(const auto& transformation: cache.scene.transformations) local[transformation.first()] = transformation.second();
    for(const auto& object: cache.scene.objects) {
        const auto found = local.find(object.first());
        const Matrix4 transformation = found == local.end() ? Matrix4{} : found->second;
        const auto parent = object.second() == -1 ? world.end() : world.find(UnsignedInt(object.second()));
        world[object.first()] = parent == world.end() ? transformation : parent->second*transformation;
    }
    baked.bounds = Range3D{Vector3{Constants::inf()}, Vector3{-Constants::inf()}};
    for(const auto& assignment: cache.scene.meshesMaterials) {
        const UnsignedInt object = assignment.first(), meshId = assignment.second().first();
        const Int materialId = assignment.second().second();
        const auto transformation = world.find(object);
        if(transformation == world.end() || meshId >= batchMeshOf.size() || batchMeshOf[meshId] < 0) continue;

        Draw draw{UnsignedInt(batchMeshOf[meshId]), transformation->second, -1, Color4{0.8f}};
        if(materialId >= 0 && std::size_t(materialId) < cache.materials.size() && cache.materials[materialId]) {
            const Trade::MaterialData& material = *cache.materials[materialId];
            if(material.hasAttribute(Trade::MaterialAttribute::BaseColor))
                draw.baseColor = material.attribute<Color4>(Trade::MaterialAttribute::BaseColor);
            if(material.hasAttribute(Trade::MaterialAttribute::BaseColorTexture)) {
                const UnsignedInt texture = material.attribute<UnsignedInt>(Trade::MaterialAttribute::BaseColorTexture);
                if(texture < cache.textures.size() && cache.textures[texture]) {
                    const UnsignedInt image = cache.textures[texture]->image();
                    if(image < atlasImageOf.size()) draw.atlasImage = atlasImageOf[image];
                }
            }
        }
        const Range3D& bounds = meshBounds[meshId];
        for(UnsignedInt c = 0; c != 8; ++c) {
            const Vector3 corner{(c & 1 ? bounds.max() : bounds.min()).x(), (c & 2 ? bounds.max() : bounds.min()).y(), (c & 4 ? bounds.max() : bounds.min()).z()};
            const Vector3 transformed = draw.transformation.transformPoint(corner);
            baked.bounds = Range3D{Math::min(baked.bounds.min(), transformed), Math::max(baked.bounds.max(), transformed)};
        }
        baked.draws.push_back(draw);
    }
    report["draws"] = baked.draws.size();
    report["timings"] = timings;
    baked.baked = true;
    progress(index, count, file, "done");
    _report["files"].push_back(report);
    _files.push_back(std::move(baked));
    return true;
}

void Baker::renderPreview(const std::string& path) {
    std::vector<const BakedFile*> cells;
    for(const BakedFile& file: _files) if(file.baked) cells.push_back(&file);
    const Int columns = Math::max(1, Math::min(Int(cells.size()), 4));
    const Int rows = Math::max(1, (Int(cells.size()) + columns - 1)/columns);
    const Vector2i size{columns*CellSize, rows*CellSize};

    GL::Renderbuffer color, depth;
    color.setStorage(GL::RenderbufferFormat::RGBA8, size);
    depth.setStorage(GL::RenderbufferFormat::DepthComponent24, size);
    GL::Framebuffer framebuffer{{{}, size}};
    framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, color)
        .attachRenderbuffer(GL::Framebuffer::BufferAttachment::Depth, depth)
        .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    GL::Renderer::setClearColor(Color4{0.12f, 0.12f, 0.14f, 1.0f});
    framebuffer.clear(GL::FramebufferClear::Color|GL::FramebufferClear::Depth);
    GL::Renderer::enable(GL::Renderer::Feature::DepthTest);

    PreviewShader shader;
    if(_atlas) _atlas->textureArray().bind(0);
    const Vector3 atlasSize = _atlas ? Vector3{_atlas->textureArray().imageSize(0)} : Vector3{1.0f};

    for(std::size_t cell = 0; cell != cells.size(); ++cell) {
        const BakedFile& file = *cells[cell];
        if(file.draws.empty()) continue;
        /* Row 0 at the top of the picture */
        const Vector2i corner{Int(cell % columns)*CellSize, (rows - 1 - Int(cell/columns))*CellSize};
        framebuffer.setViewport(Range2Di::fromSize(corner, Vector2i{CellSize}))
            .bind();

        /* Frame the scene: look at its bounding sphere from the front right */
        const Vector3 center = file.bounds.center();
        const Float radius = Math::max(file.bounds.size().length()*0.5f, 1.0e-4f);
        const Deg fov{35.0f};
        const Float distance = radius/Math::sin(Rad{fov}*0.5f)*1.05f;
        const Vector3 eye = center + Vector3{0.5f, 0.45f, 0.75f}.normalized()*distance;
        const Matrix4 view = Matrix4::lookAt(eye, center, Vector3::yAxis()).inverted();
        const Matrix4 projection = Matrix4::perspectiveProjection(Rad{fov}, 1.0f, distance - radius*1.1f > radius*0.01f ? distance - radius*1.1f : radius*0.01f, distance + radius*1.1f);

        for(const Draw& draw: file.draws) {
            Vector4 rectangle;
            Float layer = 0.0f;
            const bool textured = draw.atlasImage >= 0;
            if(textured) {
                const Math::Vector4<UnsignedShort> bounds = _atlas->textureBounds()[draw.atlasImage];
                rectangle = Vector4{bounds.x()/atlasSize.x(), bounds.y()/atlasSize.y(), bounds.z()/atlasSize.x(), bounds.w()/atlasSize.y()};
                layer = Float(_atlas->textureLayers()[draw.atlasImage]);
            }
            shader.setTransformations(projection, view*draw.transformation)
                .setMaterial(draw.baseColor, textured, rectangle, layer)
                .drawView(_batch.mesh(draw.batchMesh));
        }
    }
    GL::Renderer::disable(GL::Renderer::Feature::DepthTest);
    framebuffer.setViewport({{}, size});
    const Image2D image = framebuffer.read({{}, size}, {PixelFormat::RGBA8Unorm});
    if(!writePng(path, image)) std::cerr << "velmora-bake: cannot write " << path << std::endl;
}

void Baker::writeAtlasLayers(json& report) {
    if(!_atlas) return;
    const Image3D layers = _atlas->textureArray().image(0, Image3D{PixelFormat::RGBA8Unorm});
    std::set<UnsignedInt> used;
    std::size_t usedTexels = 0;
    for(Int id = 0; id != _atlas->textureCount(); ++id) {
        const Math::Vector4<UnsignedShort> bounds = _atlas->textureBounds()[id];
        if(!bounds.z() || !bounds.w()) continue;
        used.insert(_atlas->textureLayers()[id]);
        usedTexels += std::size_t(bounds.z())*bounds.w();
    }
    json written = json::array();
    for(const UnsignedInt layer: used) {
        const Vector2i size = layers.size().xy();
        Image2D slice{PixelFormat::RGBA8Unorm, size, Containers::Array<char>{NoInit, std::size_t(size.product())*4}};
        Utility::copy(layers.pixels<Color4ub>()[layer], slice.pixels<Color4ub>());
        const std::string path = _options.out + "/atlas-layer-" + std::to_string(layer) + ".png";
        if(!writePng(path, slice)) std::cerr << "velmora-bake: cannot write " << path << std::endl;
        written.push_back(baseName(path));
    }
    const Vector3i size = layers.size();
    report["atlas"] = {
        {"format", _options.compress ? "BC3" : "RGBA8"},
        {"layerSize", {size.x(), size.y()}},
        {"layers", size.z()},
        {"usedLayers", used.size()},
        {"images", _atlas->textureCount()},
        {"occupancy", used.empty() ? 0.0 : double(usedTexels)/(double(size.x())*size.y()*used.size())},
        {"files", written}};
}

void Baker::writeOutputs(std::chrono::steady_clock::time_point start) {
    std::cout << "writing outputs to " << _options.out << std::endl;
    renderPreview(_options.out + "/preview.png");
    writeAtlasLayers(_report);
    if(_virtualTexture) _report["virtualTexture"] = {
        {"tiles", _virtualTilesTotal},
        {"sharedTiles", _virtualTilesShared},
        {"storedTiles", _virtualHashes.size()},
        {"layers", _virtualTexture->tileCount()}};
    _report["batch"] = {
        {"meshes", _batch.meshCount()},
        {"vertexSize", _batch.vertexSize()},
        {"vertexBytes", _batch.meshData().vertexData().size()},
        {"indexBytes", _batch.meshData().indexData().size()}};
    _report["totalMilliseconds"] = millisecondsSince(start);
    std::ofstream{_options.out + "/report.json"} << _report.dump(2) << "\n";

    /* The readable summary */
    std::cout << "\n";
    for(const json& file: _report["files"]) {
        std::cout << baseName(file["path"].get<std::string>()) << ": ";
        if(file.contains("error")) {
            std::cout << "FAILED: " << file["error"].get<std::string>() << "\n";
            continue;
        }
        std::size_t meshes = 0, vertices = 0, before = 0, after = 0;
        for(const json& mesh: file["meshes"]) if(mesh.value("batched", false)) {
            ++meshes;
            vertices += mesh["after"]["vertices"].get<std::size_t>();
            before += mesh["before"]["bytes"].get<std::size_t>();
            after += mesh["after"]["bytes"].get<std::size_t>();
        }
        std::size_t keysBefore = 0, keysAfter = 0;
        for(const json& animation: file["animations"]) {
            keysBefore += animation.value("keysBefore", std::size_t{});
            keysAfter += animation.value("keysAfter", animation.value("keysBefore", std::size_t{}));
        }
        std::cout << meshes << " meshes, " << vertices << " vertices, " << before << " -> " << after << " bytes; "
                  << file["images"].size() << " images; " << file["animations"].size() << " animations, "
                  << keysBefore << " -> " << keysAfter << " keys; " << file["draws"].get<std::size_t>() << " draws\n";
        const json& timings = file["timings"];
        std::cout << "    import " << timings["import"].get<double>() << " ms, meshes " << timings["meshes"].get<double>()
                  << " ms, images " << timings["images"].get<double>() << " ms, animations " << timings["animations"].get<double>() << " ms\n";
    }
    if(_report.contains("atlas"))
        std::cout << "atlas: " << _report["atlas"]["usedLayers"].get<std::size_t>() << " of " << _report["atlas"]["layers"].get<Int>()
                  << " layers used, occupancy " << _report["atlas"]["occupancy"].get<double>() << "\n";
    if(_report.contains("virtualTexture"))
        std::cout << "virtual texture: " << _virtualTilesTotal << " tiles, " << _virtualTilesShared << " shared, "
                  << _virtualHashes.size() << " stored\n";
    std::cout << "outputs: " << _options.out << "/preview.png, " << _options.out << "/report.json";
    if(_report.contains("atlas")) std::cout << ", " << _options.out << "/atlas-layer-*.png";
    std::cout << "\n";
}

}}}

int main(int argc, char** argv) {
    using namespace VelmoraEngine::Bake;
    Options options;
    if(!parseArguments(argc, argv, options)) return 2;
    ::mkdir(options.out.c_str(), 0755);
    struct stat info;
    if(::stat(options.out.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        std::cerr << "velmora-bake: cannot create the output directory " << options.out << std::endl;
        return 2;
    }

    /* Headless GL, quiet about the driver */
    Magnum::Platform::WindowlessEglContext eglContext{Magnum::Platform::WindowlessEglContext::Configuration{}};
    Magnum::Platform::GLContext context{Magnum::NoCreate};
    {
        Corrade::Utility::Debug silence{nullptr};
        if(!eglContext.isCreated() || !eglContext.makeCurrent() || !context.tryCreate()) {
            std::cerr << "velmora-bake: cannot create a headless GL context" << std::endl;
            return 2;
        }
    }

    const auto start = std::chrono::steady_clock::now();
    Baker baker{options};
    {
        /* The atlases print what they create; the report has it */
        Corrade::Utility::Debug silence{nullptr};
        for(std::size_t i = 0; i != options.files.size(); ++i)
            baker.bakeFile(options.files[i], i, options.files.size());
        baker.writeOutputs(start);
    }
    return baker.anyFailed() ? 1 : 0;
}
