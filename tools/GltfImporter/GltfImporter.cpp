#include "GltfImporter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <utility>
#include <vector>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Constants.h>
#include <Magnum/Math/CubicHermite.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Quaternion.h>
#include <Magnum/Animation/Track.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/PixelStorage.h>
#include <Magnum/Trade/AnimationData.h>
#include <Magnum/Trade/CameraData.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/LightData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/SceneData.h>
#include <Magnum/Trade/SkinData.h>
#include <Magnum/Trade/TextureData.h>

#include <tiny_gltf.h>

/* Decoding happens here and nowhere else; dimensions above this are refused
   before anything gets allocated */
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

namespace {

/* Decoded images larger than this are refused, whatever their dimensions */
constexpr std::size_t MaxImageBytes = std::size_t{256} << 20;
/* Accessors without a buffer view are zeros of any declared size; this keeps
   a lying count from allocating the machine away */
constexpr std::size_t MaxZeroAccessorBytes = std::size_t{256} << 20;

void printError(const char* const function, const std::string& message) {
    /* Exactly one line, whatever the message holds */
    std::string line = std::string{"GltfImporter::"} + function + "(): " + message;
    for(char& c: line) if(c == '\n' || c == '\r') c = ' ';
    while(!line.empty() && line.back() == ' ') line.pop_back();
    Utility::Error{} << line.c_str();
}

std::string str(const std::size_t value) { return std::to_string(value); }
std::string str(const int value) { return std::to_string(value); }

UnsignedInt componentSize(const int componentType) {
    switch(componentType) {
        case TINYGLTF_COMPONENT_TYPE_BYTE:
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return 1;
        case TINYGLTF_COMPONENT_TYPE_SHORT:
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: return 2;
        case TINYGLTF_COMPONENT_TYPE_INT:
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT:
        case TINYGLTF_COMPONENT_TYPE_FLOAT: return 4;
    }
    return 0;
}

UnsignedInt componentCount(const int type) {
    switch(type) {
        case TINYGLTF_TYPE_SCALAR: return 1;
        case TINYGLTF_TYPE_VEC2: return 2;
        case TINYGLTF_TYPE_VEC3: return 3;
        case TINYGLTF_TYPE_VEC4:
        case TINYGLTF_TYPE_MAT2: return 4;
        case TINYGLTF_TYPE_MAT3: return 9;
        case TINYGLTF_TYPE_MAT4: return 16;
    }
    return 0;
}

const char* typeName(const int type) {
    switch(type) {
        case TINYGLTF_TYPE_SCALAR: return "SCALAR";
        case TINYGLTF_TYPE_VEC2: return "VEC2";
        case TINYGLTF_TYPE_VEC3: return "VEC3";
        case TINYGLTF_TYPE_VEC4: return "VEC4";
        case TINYGLTF_TYPE_MAT2: return "MAT2";
        case TINYGLTF_TYPE_MAT3: return "MAT3";
        case TINYGLTF_TYPE_MAT4: return "MAT4";
    }
    return "an invalid type";
}

const char* componentTypeName(const int componentType) {
    switch(componentType) {
        case TINYGLTF_COMPONENT_TYPE_BYTE: return "BYTE";
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: return "UNSIGNED_BYTE";
        case TINYGLTF_COMPONENT_TYPE_SHORT: return "SHORT";
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: return "UNSIGNED_SHORT";
        case TINYGLTF_COMPONENT_TYPE_INT: return "INT";
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: return "UNSIGNED_INT";
        case TINYGLTF_COMPONENT_TYPE_FLOAT: return "FLOAT";
    }
    return "an invalid component type";
}

/* An accessor's elements, copied out tightly packed with sparse values
   applied. Everything about it has been checked against the buffers. */
struct AccessorData {
    Containers::Array<char> data;
    std::size_t count;
    UnsignedInt elementSize;
    int componentType;
    int type;
    bool normalized;
};

/* Where the bytes of a buffer view are, checked against its buffer */
bool bufferViewBytes(const tinygltf::Model& model, const int id, Containers::ArrayView<const char>& out, std::string& error) {
    if(id < 0 || std::size_t(id) >= model.bufferViews.size()) {
        error = "buffer view " + str(id) + " out of range for " + str(model.bufferViews.size()) + " buffer views";
        return false;
    }
    const tinygltf::BufferView& view = model.bufferViews[id];
    if(view.buffer < 0 || std::size_t(view.buffer) >= model.buffers.size()) {
        error = "buffer " + str(view.buffer) + " of buffer view " + str(id) + " out of range for " + str(model.buffers.size()) + " buffers";
        return false;
    }
    const std::vector<unsigned char>& buffer = model.buffers[view.buffer].data;
    if(view.byteOffset > buffer.size() || view.byteLength > buffer.size() - view.byteOffset) {
        error = "buffer view " + str(id) + " needs " + str(view.byteLength) + " bytes at offset " + str(view.byteOffset) + " but buffer " + str(view.buffer) + " has " + str(buffer.size());
        return false;
    }
    out = Containers::ArrayView<const char>{reinterpret_cast<const char*>(buffer.data()) + view.byteOffset, view.byteLength};
    return true;
}

/* Whether count elements of elementSize at offset with stride fit into size
   bytes, without any of the arithmetic overflowing */
bool fits(const std::size_t offset, const std::size_t count, const std::size_t stride, const std::size_t elementSize, const std::size_t size) {
    if(!count) return offset <= size;
    if(offset > size || elementSize > size - offset) return false;
    const std::size_t room = size - offset - elementSize;
    return stride == 0 || count - 1 <= room/stride;
}

bool readAccessor(const tinygltf::Model& model, const int id, AccessorData& out, std::string& error) {
    if(id < 0 || std::size_t(id) >= model.accessors.size()) {
        error = "accessor " + str(id) + " out of range for " + str(model.accessors.size()) + " accessors";
        return false;
    }
    const tinygltf::Accessor& accessor = model.accessors[id];
    const UnsignedInt compSize = componentSize(accessor.componentType);
    const UnsignedInt compCount = componentCount(accessor.type);
    if(!compSize || !compCount) {
        error = "accessor " + str(id) + " has an invalid type " + str(accessor.type) + " or component type " + str(accessor.componentType);
        return false;
    }
    /* Matrices of 8- and 16-bit components have padded columns, nothing here
       reads them */
    if(compCount > 4 && accessor.type != TINYGLTF_TYPE_VEC4 && compSize != 4) {
        error = "accessor " + str(id) + " is a matrix of " + componentTypeName(accessor.componentType) + ", which isn't supported";
        return false;
    }
    const std::size_t elementSize = std::size_t{compSize}*compCount;
    const std::size_t count = accessor.count;
    if(count > (std::size_t{1} << 32)) {
        error = "accessor " + str(id) + " has too many elements, " + str(count);
        return false;
    }

    out.count = count;
    out.elementSize = UnsignedInt(elementSize);
    out.componentType = accessor.componentType;
    out.type = accessor.type;
    out.normalized = accessor.normalized;

    if(accessor.bufferView == -1) {
        if(count*elementSize > MaxZeroAccessorBytes) {
            error = "accessor " + str(id) + " without a buffer view is too large, " + str(count*elementSize) + " bytes";
            return false;
        }
        out.data = Containers::Array<char>{ValueInit, count*elementSize};
    } else {
        Containers::ArrayView<const char> view;
        if(!bufferViewBytes(model, accessor.bufferView, view, error)) {
            error = "accessor " + str(id) + ": " + error;
            return false;
        }
        const std::size_t declaredStride = model.bufferViews[accessor.bufferView].byteStride;
        if(declaredStride && declaredStride < elementSize) {
            error = "accessor " + str(id) + " has " + str(elementSize) + "-byte elements but its buffer view stride is " + str(declaredStride);
            return false;
        }
        const std::size_t stride = declaredStride ? declaredStride : elementSize;
        if(!fits(accessor.byteOffset, count, stride, elementSize, view.size())) {
            error = "accessor " + str(id) + " of " + str(count) + " elements of " + str(elementSize) + " bytes with stride " + str(stride) + " at offset " + str(accessor.byteOffset) + " goes past its " + str(view.size()) + "-byte buffer view";
            return false;
        }
        out.data = Containers::Array<char>{NoInit, count*elementSize};
        for(std::size_t i = 0; i != count; ++i)
            std::memcpy(out.data.data() + i*elementSize, view.data() + accessor.byteOffset + i*stride, elementSize);
    }

    if(accessor.sparse.isSparse) {
        const int sparseCount = accessor.sparse.count;
        if(sparseCount < 0 || std::size_t(sparseCount) > count) {
            error = "sparse accessor " + str(id) + " has " + str(sparseCount) + " values for " + str(count) + " elements";
            return false;
        }
        const int indexType = accessor.sparse.indices.componentType;
        const UnsignedInt indexSize =
            indexType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE ? 1 :
            indexType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT ? 2 :
            indexType == TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT ? 4 : 0;
        if(!indexSize) {
            error = "sparse accessor " + str(id) + " has indices of " + componentTypeName(indexType);
            return false;
        }
        Containers::ArrayView<const char> indices, values;
        if(!bufferViewBytes(model, accessor.sparse.indices.bufferView, indices, error) ||
           !bufferViewBytes(model, accessor.sparse.values.bufferView, values, error)) {
            error = "sparse accessor " + str(id) + ": " + error;
            return false;
        }
        if(accessor.sparse.indices.byteOffset < 0 || accessor.sparse.values.byteOffset < 0 ||
           !fits(accessor.sparse.indices.byteOffset, sparseCount, indexSize, indexSize, indices.size()) ||
           !fits(accessor.sparse.values.byteOffset, sparseCount, elementSize, elementSize, values.size())) {
            error = "sparse accessor " + str(id) + " indices or values go past their buffer views";
            return false;
        }
        for(int i = 0; i != sparseCount; ++i) {
            UnsignedInt index = 0;
            const char* const indexData = indices.data() + accessor.sparse.indices.byteOffset + std::size_t(i)*indexSize;
            if(indexSize == 1) index = UnsignedByte(*indexData);
            else if(indexSize == 2) { UnsignedShort v; std::memcpy(&v, indexData, 2); index = v; }
            else std::memcpy(&index, indexData, 4);
            if(index >= count) {
                error = "sparse accessor " + str(id) + " index " + str(std::size_t(index)) + " out of range for " + str(count) + " elements";
                return false;
            }
            std::memcpy(out.data.data() + std::size_t(index)*elementSize, values.data() + accessor.sparse.values.byteOffset + std::size_t(i)*elementSize, elementSize);
        }
    }

    return true;
}

/* Vertex format of an accessor, VertexFormat{} for what has none */
VertexFormat vertexFormatFor(const AccessorData& accessor) {
    VertexFormat component;
    switch(accessor.componentType) {
        case TINYGLTF_COMPONENT_TYPE_BYTE: component = VertexFormat::Byte; break;
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: component = VertexFormat::UnsignedByte; break;
        case TINYGLTF_COMPONENT_TYPE_SHORT: component = VertexFormat::Short; break;
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: component = VertexFormat::UnsignedShort; break;
        case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: component = VertexFormat::UnsignedInt; break;
        case TINYGLTF_COMPONENT_TYPE_FLOAT: component = VertexFormat::Float; break;
        default: return {};
    }
    if(accessor.type != TINYGLTF_TYPE_SCALAR && accessor.type != TINYGLTF_TYPE_VEC2 &&
       accessor.type != TINYGLTF_TYPE_VEC3 && accessor.type != TINYGLTF_TYPE_VEC4) return {};
    /* Normalization makes sense only for 8- and 16-bit integers */
    const bool normalized = accessor.normalized && (component == VertexFormat::Byte || component == VertexFormat::UnsignedByte || component == VertexFormat::Short || component == VertexFormat::UnsignedShort);
    if(accessor.normalized && !normalized) return {};
    return vertexFormat(component, componentCount(accessor.type), normalized);
}

bool isOneOf(const VertexFormat format, std::initializer_list<VertexFormat> formats) {
    for(const VertexFormat f: formats) if(f == format) return true;
    return false;
}

/* The formats glTF allows for its builtin attributes, with
   KHR_mesh_quantization */
bool isAllowedFormat(const std::string& kind, const VertexFormat format, const bool morphTarget) {
    if(morphTarget) {
        if(kind == "TANGENT")
            return isOneOf(format, {VertexFormat::Vector3, VertexFormat::Vector3bNormalized, VertexFormat::Vector3sNormalized});
        return isOneOf(format, {VertexFormat::Vector3, VertexFormat::Vector3b, VertexFormat::Vector3bNormalized, VertexFormat::Vector3s, VertexFormat::Vector3sNormalized});
    }
    if(kind == "POSITION")
        return isOneOf(format, {VertexFormat::Vector3, VertexFormat::Vector3b, VertexFormat::Vector3bNormalized, VertexFormat::Vector3ub, VertexFormat::Vector3ubNormalized, VertexFormat::Vector3s, VertexFormat::Vector3sNormalized, VertexFormat::Vector3us, VertexFormat::Vector3usNormalized});
    if(kind == "NORMAL")
        return isOneOf(format, {VertexFormat::Vector3, VertexFormat::Vector3bNormalized, VertexFormat::Vector3sNormalized});
    if(kind == "TANGENT")
        return isOneOf(format, {VertexFormat::Vector4, VertexFormat::Vector4bNormalized, VertexFormat::Vector4sNormalized});
    if(kind == "TEXCOORD")
        return isOneOf(format, {VertexFormat::Vector2, VertexFormat::Vector2b, VertexFormat::Vector2bNormalized, VertexFormat::Vector2ub, VertexFormat::Vector2ubNormalized, VertexFormat::Vector2s, VertexFormat::Vector2sNormalized, VertexFormat::Vector2us, VertexFormat::Vector2usNormalized});
    if(kind == "COLOR")
        return isOneOf(format, {VertexFormat::Vector3, VertexFormat::Vector3ubNormalized, VertexFormat::Vector3usNormalized, VertexFormat::Vector4, VertexFormat::Vector4ubNormalized, VertexFormat::Vector4usNormalized});
    if(kind == "JOINTS")
        return isOneOf(format, {VertexFormat::Vector4ub, VertexFormat::Vector4us});
    if(kind == "WEIGHTS")
        return isOneOf(format, {VertexFormat::Vector4, VertexFormat::Vector4ubNormalized, VertexFormat::Vector4usNormalized});
    /* Custom attributes in any vector format */
    return true;
}

/* Splits "TEXCOORD_3" into "TEXCOORD" and 3; names without a numeric suffix
   keep their whole name and set -1 */
std::pair<std::string, long long> splitSetName(const std::string& name) {
    const std::size_t underscore = name.rfind('_');
    if(underscore == std::string::npos || underscore == 0 || underscore + 1 == name.size() || name.size() - underscore > 10)
        return {name, -1};
    long long set = 0;
    for(std::size_t i = underscore + 1; i != name.size(); ++i) {
        if(name[i] < '0' || name[i] > '9') return {name, -1};
        set = set*10 + (name[i] - '0');
    }
    return {name.substr(0, underscore), set};
}

Containers::String toString(const std::string& s) {
    return Containers::String{Containers::StringView{s.data(), s.size()}};
}

bool isFinite(const std::vector<double>& values) {
    for(const double v: values) if(!std::isfinite(v)) return false;
    return true;
}

}

struct GltfImporter::State {
    tinygltf::Model model;
    /* Imported meshes are primitives: glTF mesh and primitive of each, and the
       first imported mesh of every glTF mesh */
    std::vector<std::pair<UnsignedInt, UnsignedInt>> meshPrimitives;
    std::vector<UnsignedInt> meshFirstPrimitive;
    /* Custom attribute names, the index is the custom attribute ID */
    std::vector<std::string> customAttributeNames;
    /* Node parents, -1 for nodes nobody lists as a child */
    std::vector<Int> parents;
    /* Why no scene can be built, empty when the hierarchy is sound */
    std::string hierarchyError;
};

namespace {

/* Raw bytes of URI-referenced images; images in buffer views are read and
   checked by the importer itself, as the pointer tinygltf passes for them
   isn't checked against the buffer */
bool storeImageBytes(tinygltf::Image* image, const int, std::string*, std::string*, int, int, const unsigned char* bytes, int size, void*) {
    if(image->bufferView == -1 && bytes && size > 0)
        image->image.assign(bytes, bytes + size);
    image->as_is = true;
    return true;
}

struct FileAccess {
    bool allowed;
};

bool fileExists(const std::string& path, void* userData) {
    if(!static_cast<FileAccess*>(userData)->allowed) return false;
    std::FILE* const f = std::fopen(path.c_str(), "rb");
    if(!f) return false;
    std::fclose(f);
    return true;
}

std::string expandFilePath(const std::string& path, void*) {
    return path;
}

bool readWholeFile(std::vector<unsigned char>* out, std::string* error, const std::string& path, void* userData) {
    if(!static_cast<FileAccess*>(userData)->allowed) {
        if(error) *error += "data opened from memory can't reference the file " + path + "\n";
        return false;
    }
    std::FILE* const f = std::fopen(path.c_str(), "rb");
    if(!f) {
        if(error) *error += "cannot open " + path + "\n";
        return false;
    }
    bool ok = std::fseek(f, 0, SEEK_END) == 0;
    const long size = ok ? std::ftell(f) : -1;
    ok = ok && size >= 0 && std::fseek(f, 0, SEEK_SET) == 0;
    if(ok) {
        out->resize(std::size_t(size));
        ok = std::fread(out->data(), 1, out->size(), f) == out->size();
    }
    std::fclose(f);
    if(!ok && error) *error += "cannot read " + path + "\n";
    return ok;
}

bool writeWholeFile(std::string* error, const std::string&, const std::vector<unsigned char>&, void*) {
    if(error) *error += "writing isn't supported\n";
    return false;
}

/* Checks the GLB container before tinygltf sees it */
bool checkGlb(const Containers::ArrayView<const char> data, std::string& error) {
    const auto read32 = [&](const std::size_t offset) {
        UnsignedInt value;
        std::memcpy(&value, data.data() + offset, 4);
        return value;
    };
    if(data.size() < 12) {
        error = "GLB header needs 12 bytes but got " + str(data.size());
        return false;
    }
    if(read32(4) != 2) {
        error = "unsupported GLB version " + str(std::size_t(read32(4)));
        return false;
    }
    const std::size_t length = read32(8);
    if(length > data.size()) {
        error = "GLB header says " + str(length) + " bytes but got " + str(data.size());
        return false;
    }
    if(length < 20) {
        error = "GLB of " + str(length) + " bytes has no room for a JSON chunk";
        return false;
    }
    const std::size_t jsonLength = read32(12);
    if(read32(16) != 0x4E4F534Au) {
        error = "first GLB chunk isn't JSON";
        return false;
    }
    if(jsonLength > length - 20) {
        error = "GLB JSON chunk of " + str(jsonLength) + " bytes goes past the end of a " + str(length) + "-byte file";
        return false;
    }
    const std::size_t binOffset = 20 + jsonLength;
    if(binOffset < length) {
        if(length - binOffset < 8) {
            error = "GLB chunk header at offset " + str(binOffset) + " is truncated";
            return false;
        }
        const std::size_t binLength = read32(binOffset);
        if(binLength > length - binOffset - 8) {
            error = "GLB chunk of " + str(binLength) + " bytes at offset " + str(binOffset) + " goes past the end of a " + str(length) + "-byte file";
            return false;
        }
    }
    return true;
}

Matrix4 nodeTransformation(const tinygltf::Node& node) {
    if(node.matrix.size() == 16) {
        Matrix4 out;
        for(std::size_t i = 0; i != 16; ++i)
            out[i/4][i%4] = Float(node.matrix[i]);
        return out;
    }
    Matrix4 out;
    if(node.translation.size() == 3)
        out = Matrix4::translation(Vector3{Float(node.translation[0]), Float(node.translation[1]), Float(node.translation[2])});
    if(node.rotation.size() == 4)
        out = out*Matrix4::from(Quaternion{{Float(node.rotation[0]), Float(node.rotation[1]), Float(node.rotation[2])}, Float(node.rotation[3])}.toMatrix(), {});
    if(node.scale.size() == 3)
        out = out*Matrix4::scaling(Vector3{Float(node.scale[0]), Float(node.scale[1]), Float(node.scale[2])});
    return out;
}

/* Light ID of a node from KHR_lights_punctual, -1 for none, -2 for a
   malformed reference */
int nodeLight(const tinygltf::Node& node) {
    const auto found = node.extensions.find("KHR_lights_punctual");
    if(found == node.extensions.end()) return -1;
    const tinygltf::Value& extension = found->second;
    if(!extension.IsObject() || !extension.Has("light")) return -2;
    const tinygltf::Value& light = extension.Get("light");
    if(!light.IsInt()) return -2;
    return light.Get<int>();
}

}

GltfImporter::GltfImporter() = default;

GltfImporter::~GltfImporter() = default;

Trade::ImporterFeatures GltfImporter::doFeatures() const {
    return Trade::ImporterFeature::OpenData;
}

bool GltfImporter::doIsOpened() const { return !!_state; }

void GltfImporter::doClose() { _state = nullptr; }

void GltfImporter::doOpenFile(const Containers::StringView filename) {
    const std::string path{filename.data(), filename.size()};
    std::vector<unsigned char> data;
    FileAccess access{true};
    std::string error;
    if(!readWholeFile(&data, &error, path, &access)) {
        printError("openFile", "cannot open file " + path);
        return;
    }
    const std::size_t slash = path.rfind('/');
    const std::string basePath = slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
    openInternal({reinterpret_cast<const char*>(data.data()), data.size()}, "openFile", {basePath.data(), basePath.size()}, true);
}

void GltfImporter::doOpenData(Containers::Array<char>&& data, Trade::DataFlags) {
    openInternal(data, "openData", {}, false);
}

void GltfImporter::openInternal(const Containers::ArrayView<const char> data, const char* const function, const Containers::StringView basePath, const bool allowFiles) {
    Containers::Pointer<State> state{new State};
    tinygltf::TinyGLTF loader;
    FileAccess access{allowFiles};
    loader.SetImageLoader(storeImageBytes, nullptr);
    loader.SetFsCallbacks(tinygltf::FsCallbacks{fileExists, expandFilePath, readWholeFile, writeWholeFile, &access});
    loader.SetStoreOriginalJSONForExtrasAndExtensions(false);

    std::string error, warning;
    const std::string base{basePath.data(), basePath.size()};
    bool loaded = false;
    const bool binary = data.size() >= 4 && std::memcmp(data.data(), "glTF", 4) == 0;
    if(binary && !checkGlb(data, error)) {
        printError(function, error);
        return;
    }
    try {
        if(binary)
            loaded = loader.LoadBinaryFromMemory(&state->model, &error, &warning, reinterpret_cast<const unsigned char*>(data.data()), UnsignedInt(data.size()), base);
        else
            loaded = loader.LoadASCIIFromString(&state->model, &error, &warning, data.data(), UnsignedInt(data.size()), base);
    } catch(const std::exception& e) {
        error = e.what();
        loaded = false;
    }
    if(!loaded) {
        printError(function, error.empty() ? std::string{"cannot parse the file"} : error);
        return;
    }

    tinygltf::Model& model = state->model;
    if(model.defaultScene < -1 || (model.defaultScene >= 0 && std::size_t(model.defaultScene) >= model.scenes.size())) {
        printError(function, "default scene " + str(model.defaultScene) + " out of range for " + str(model.scenes.size()) + " scenes");
        return;
    }

    /* One imported mesh per primitive */
    for(std::size_t i = 0; i != model.meshes.size(); ++i) {
        state->meshFirstPrimitive.push_back(UnsignedInt(state->meshPrimitives.size()));
        for(std::size_t j = 0; j != model.meshes[i].primitives.size(); ++j)
            state->meshPrimitives.emplace_back(UnsignedInt(i), UnsignedInt(j));
    }

    /* Custom attribute IDs in the order the names first appear; set
       attributes share one name for all sets */
    for(const tinygltf::Mesh& mesh: model.meshes) for(const tinygltf::Primitive& primitive: mesh.primitives) {
        for(const auto& attribute: primitive.attributes) {
            const std::pair<std::string, long long> split = splitSetName(attribute.first);
            std::string name;
            if(split.first == "POSITION" || split.first == "NORMAL" || split.first == "TANGENT" ||
               ((split.first == "TEXCOORD" || split.first == "COLOR") && split.second >= 0))
                continue;
            if((split.first == "JOINTS" || split.first == "WEIGHTS") && split.second >= 0)
                name = split.first;
            else name = attribute.first;
            bool known = false;
            for(const std::string& existing: state->customAttributeNames)
                if(existing == name) { known = true; break; }
            if(!known && state->customAttributeNames.size() < 32768)
                state->customAttributeNames.push_back(name);
        }
    }

    /* The node hierarchy is checked once: children in range, one parent
       each, no cycles */
    const std::size_t nodeCount = model.nodes.size();
    state->parents.assign(nodeCount, -1);
    for(std::size_t i = 0; i != nodeCount && state->hierarchyError.empty(); ++i) {
        for(const int child: model.nodes[i].children) {
            if(child < 0 || std::size_t(child) >= nodeCount) {
                state->hierarchyError = "node " + str(i) + " has a child " + str(child) + " out of range for " + str(nodeCount) + " nodes";
                break;
            }
            if(std::size_t(child) == i) {
                state->hierarchyError = "node " + str(i) + " is its own ancestor";
                break;
            }
            if(state->parents[child] != -1) {
                state->hierarchyError = "node " + str(child) + " has two parents, " + str(state->parents[child]) + " and " + str(i);
                break;
            }
            state->parents[child] = Int(i);
        }
    }
    if(state->hierarchyError.empty()) {
        /* With one parent each, a cycle is a walk up that comes back; each
           node gets walked once */
        std::vector<UnsignedByte> status(nodeCount, 0);
        for(std::size_t i = 0; i != nodeCount && state->hierarchyError.empty(); ++i) {
            std::size_t n = i;
            while(status[n] == 0) {
                status[n] = 1;
                if(state->parents[n] == -1) break;
                n = state->parents[n];
            }
            if(status[n] == 1 && state->parents[n] != -1)
                state->hierarchyError = "node " + str(n) + " is its own ancestor";
            /* Mark the walked path as done */
            n = i;
            while(status[n] == 1) {
                status[n] = 2;
                if(state->parents[n] == -1) break;
                n = state->parents[n];
            }
        }
    }

    _state = std::move(state);
}

Int GltfImporter::doDefaultScene() const { return _state->model.defaultScene; }

UnsignedInt GltfImporter::doSceneCount() const { return UnsignedInt(_state->model.scenes.size()); }

UnsignedLong GltfImporter::doObjectCount() const { return _state->model.nodes.size(); }

template<class T> static Int findByName(const std::vector<T>& items, const Containers::StringView name) {
    for(std::size_t i = 0; i != items.size(); ++i)
        if(Containers::StringView{items[i].name.data(), items[i].name.size()} == name) return Int(i);
    return -1;
}

Int GltfImporter::doSceneForName(const Containers::StringView name) { return findByName(_state->model.scenes, name); }

Long GltfImporter::doObjectForName(const Containers::StringView name) { return findByName(_state->model.nodes, name); }

Containers::String GltfImporter::doSceneName(const UnsignedInt id) { return toString(_state->model.scenes[id].name); }

Containers::String GltfImporter::doObjectName(const UnsignedLong id) { return toString(_state->model.nodes[id].name); }

Containers::Optional<Trade::SceneData> GltfImporter::doScene(const UnsignedInt id) {
    const tinygltf::Model& model = _state->model;
    if(!_state->hierarchyError.empty()) {
        printError("scene", _state->hierarchyError);
        return {};
    }

    /* Objects reached from the roots, depth first */
    const tinygltf::Scene& scene = model.scenes[id];
    std::vector<UnsignedInt> objects;
    std::vector<UnsignedByte> seen(model.nodes.size(), 0);
    for(const int root: scene.nodes) {
        if(root < 0 || std::size_t(root) >= model.nodes.size()) {
            printError("scene", "node " + str(root) + " out of range for " + str(model.nodes.size()) + " nodes");
            return {};
        }
        if(_state->parents[root] != -1) {
            printError("scene", "node " + str(root) + " is a child of node " + str(_state->parents[root]) + " and can't be a root");
            return {};
        }
        if(seen[root]) {
            printError("scene", "node " + str(root) + " is listed twice");
            return {};
        }
        std::vector<UnsignedInt> stack{UnsignedInt(root)};
        while(!stack.empty()) {
            const UnsignedInt node = stack.back();
            stack.pop_back();
            seen[node] = 1;
            objects.push_back(node);
            const std::vector<int>& children = model.nodes[node].children;
            for(auto it = children.rbegin(); it != children.rend(); ++it)
                stack.push_back(UnsignedInt(*it));
        }
    }

    /* Gather and check the per-object references */
    std::vector<std::pair<UnsignedInt, std::pair<UnsignedInt, Int>>> meshes;
    std::vector<std::pair<UnsignedInt, UnsignedInt>> skins, cameras, lights;
    for(const UnsignedInt object: objects) {
        const tinygltf::Node& node = model.nodes[object];
        if(!(node.matrix.empty() || node.matrix.size() == 16) ||
           !(node.translation.empty() || node.translation.size() == 3) ||
           !(node.rotation.empty() || node.rotation.size() == 4) ||
           !(node.scale.empty() || node.scale.size() == 3)) {
            printError("scene", "node " + str(std::size_t(object)) + " has a transformation of a wrong size");
            return {};
        }
        if(node.mesh != -1) {
            if(node.mesh < 0 || std::size_t(node.mesh) >= model.meshes.size()) {
                printError("scene", "mesh " + str(node.mesh) + " of node " + str(std::size_t(object)) + " out of range for " + str(model.meshes.size()) + " meshes");
                return {};
            }
            const tinygltf::Mesh& mesh = model.meshes[node.mesh];
            for(std::size_t p = 0; p != mesh.primitives.size(); ++p) {
                const int material = mesh.primitives[p].material;
                if(material < -1 || (material >= 0 && std::size_t(material) >= model.materials.size())) {
                    printError("scene", "material " + str(material) + " of mesh " + str(node.mesh) + " out of range for " + str(model.materials.size()) + " materials");
                    return {};
                }
                meshes.push_back({object, {_state->meshFirstPrimitive[node.mesh] + UnsignedInt(p), material}});
            }
        }
        if(node.skin != -1) {
            if(node.skin < 0 || std::size_t(node.skin) >= model.skins.size()) {
                printError("scene", "skin " + str(node.skin) + " of node " + str(std::size_t(object)) + " out of range for " + str(model.skins.size()) + " skins");
                return {};
            }
            skins.emplace_back(object, UnsignedInt(node.skin));
        }
        if(node.camera != -1) {
            if(node.camera < 0 || std::size_t(node.camera) >= model.cameras.size()) {
                printError("scene", "camera " + str(node.camera) + " of node " + str(std::size_t(object)) + " out of range for " + str(model.cameras.size()) + " cameras");
                return {};
            }
            cameras.emplace_back(object, UnsignedInt(node.camera));
        }
        const int light = nodeLight(node);
        if(light != -1) {
            if(light < 0 || std::size_t(light) >= model.lights.size()) {
                printError("scene", "light " + str(light) + " of node " + str(std::size_t(object)) + " out of range for " + str(model.lights.size()) + " lights");
                return {};
            }
            lights.emplace_back(object, UnsignedInt(light));
        }
    }

    /* One allocation: parents, transformations, meshes with materials, skins,
       cameras, lights, each a mapping array followed by its field; every
       piece is a multiple of four bytes */
    const std::size_t objectCount = objects.size();
    const std::size_t parentOffset = 0;
    const std::size_t transformationOffset = parentOffset + objectCount*8;
    const std::size_t meshOffset = transformationOffset + objectCount*(4 + sizeof(Matrix4));
    const std::size_t skinOffset = meshOffset + meshes.size()*12;
    const std::size_t cameraOffset = skinOffset + skins.size()*8;
    const std::size_t lightOffset = cameraOffset + cameras.size()*8;
    const std::size_t size = lightOffset + lights.size()*8;
    Containers::Array<char> data{ValueInit, size};

    const auto view = [&](const std::size_t offset, const std::size_t count) {
        return Containers::arrayCast<UnsignedInt>(data.slice(offset, offset + count*4));
    };
    const Containers::ArrayView<UnsignedInt> parentMapping = view(parentOffset, objectCount);
    const Containers::ArrayView<Int> parents = Containers::arrayCast<Int>(data.slice(parentOffset + objectCount*4, transformationOffset));
    const Containers::ArrayView<UnsignedInt> transformationMapping = view(transformationOffset, objectCount);
    const Containers::ArrayView<Matrix4> transformations = Containers::arrayCast<Matrix4>(data.slice(transformationOffset + objectCount*4, meshOffset));
    const Containers::ArrayView<UnsignedInt> meshMapping = view(meshOffset, meshes.size());
    const Containers::ArrayView<UnsignedInt> meshIds = view(meshOffset + meshes.size()*4, meshes.size());
    const Containers::ArrayView<Int> meshMaterials = Containers::arrayCast<Int>(data.slice(meshOffset + meshes.size()*8, skinOffset));
    const Containers::ArrayView<UnsignedInt> skinMapping = view(skinOffset, skins.size());
    const Containers::ArrayView<UnsignedInt> skinIds = view(skinOffset + skins.size()*4, skins.size());
    const Containers::ArrayView<UnsignedInt> cameraMapping = view(cameraOffset, cameras.size());
    const Containers::ArrayView<UnsignedInt> cameraIds = view(cameraOffset + cameras.size()*4, cameras.size());
    const Containers::ArrayView<UnsignedInt> lightMapping = view(lightOffset, lights.size());
    const Containers::ArrayView<UnsignedInt> lightIds = view(lightOffset + lights.size()*4, lights.size());

    for(std::size_t i = 0; i != objectCount; ++i) {
        parentMapping[i] = transformationMapping[i] = objects[i];
        parents[i] = _state->parents[objects[i]];
        transformations[i] = nodeTransformation(model.nodes[objects[i]]);
    }
    for(std::size_t i = 0; i != meshes.size(); ++i) {
        meshMapping[i] = meshes[i].first;
        meshIds[i] = meshes[i].second.first;
        meshMaterials[i] = meshes[i].second.second;
    }
    for(std::size_t i = 0; i != skins.size(); ++i) {
        skinMapping[i] = skins[i].first;
        skinIds[i] = skins[i].second;
    }
    for(std::size_t i = 0; i != cameras.size(); ++i) {
        cameraMapping[i] = cameras[i].first;
        cameraIds[i] = cameras[i].second;
    }
    for(std::size_t i = 0; i != lights.size(); ++i) {
        lightMapping[i] = lights[i].first;
        lightIds[i] = lights[i].second;
    }

    std::size_t fieldCount = 2;
    if(!meshes.empty()) fieldCount += 2;
    if(!skins.empty()) ++fieldCount;
    if(!cameras.empty()) ++fieldCount;
    if(!lights.empty()) ++fieldCount;
    Containers::Array<Trade::SceneFieldData> fields{ValueInit, fieldCount};
    std::size_t f = 0;
    fields[f++] = Trade::SceneFieldData{Trade::SceneField::Parent, parentMapping, parents};
    fields[f++] = Trade::SceneFieldData{Trade::SceneField::Transformation, transformationMapping, transformations};
    if(!meshes.empty()) {
        fields[f++] = Trade::SceneFieldData{Trade::SceneField::Mesh, meshMapping, meshIds, Trade::SceneFieldFlag::MultiEntry};
        fields[f++] = Trade::SceneFieldData{Trade::SceneField::MeshMaterial, meshMapping, meshMaterials, Trade::SceneFieldFlag::MultiEntry};
    }
    if(!skins.empty())
        fields[f++] = Trade::SceneFieldData{Trade::SceneField::Skin, skinMapping, skinIds};
    if(!cameras.empty())
        fields[f++] = Trade::SceneFieldData{Trade::SceneField::Camera, cameraMapping, cameraIds};
    if(!lights.empty())
        fields[f++] = Trade::SceneFieldData{Trade::SceneField::Light, lightMapping, lightIds};

    return Trade::SceneData{Trade::SceneMappingType::UnsignedInt, model.nodes.size(), std::move(data), std::move(fields)};
}

UnsignedInt GltfImporter::doAnimationCount() const { return UnsignedInt(_state->model.animations.size()); }

Int GltfImporter::doAnimationForName(const Containers::StringView name) { return findByName(_state->model.animations, name); }

Containers::String GltfImporter::doAnimationName(const UnsignedInt id) { return toString(_state->model.animations[id].name); }

namespace {

/* Exporters write rotations to a few decimals; false with an error if one
   isn't finite and non-zero */
bool renormalizeRotations(const Containers::StridedArrayView1D<Quaternion>& rotations) {
    bool renormalized = false;
    for(Quaternion& value: rotations) {
        const Float length = value.length();
        if(!(length > 0.0f) || !std::isfinite(length)) {
            printError("animation", "a rotation track has a quaternion that isn't finite and non-zero");
            return false;
        }
        if(!value.isNormalized()) {
            value /= length;
            renormalized = true;
        }
    }
    if(renormalized)
        Utility::Warning{} << "GltfImporter::animation(): quaternions in a rotation track were renormalized";
    return true;
}

/* The file's tangents are per unit of time, the spline interpolators take
   them per segment, whose phase goes from 0 to 1: the out-tangent of key k
   is scaled by the interval to key k + 1, the in-tangent by the interval from
   key k - 1. The first in-tangent and the last out-tangent belong to no
   segment and stay as the file has them. */
template<class T> void scaleSplineTangents(const Containers::ArrayView<const Float> keys, const Containers::ArrayView<Math::CubicHermite<T>> values) {
    for(std::size_t k = 0; k != values.size(); ++k) {
        if(k != 0) values[k].inTangent() *= keys[k] - keys[k - 1];
        if(k + 1 != values.size()) values[k].outTangent() *= keys[k + 1] - keys[k];
    }
}

}

Containers::Optional<Trade::AnimationData> GltfImporter::doAnimation(const UnsignedInt id) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Animation& animation = model.animations[id];

    struct Track {
        AccessorData input, output;
        Trade::AnimationTrackTarget target;
        UnsignedInt node;
        Animation::Interpolation interpolation;
    };
    std::vector<Track> tracks;
    std::size_t dataSize = 0;
    std::string error;
    for(std::size_t c = 0; c != animation.channels.size(); ++c) {
        const tinygltf::AnimationChannel& channel = animation.channels[c];
        /* Morph target weights have no track target */
        if(channel.target_path == "weights") continue;
        Track track;
        if(channel.target_path == "translation") track.target = Trade::AnimationTrackTarget::Translation3D;
        else if(channel.target_path == "rotation") track.target = Trade::AnimationTrackTarget::Rotation3D;
        else if(channel.target_path == "scale") track.target = Trade::AnimationTrackTarget::Scaling3D;
        else {
            printError("animation", "channel " + str(c) + " has an unknown target path " + channel.target_path);
            return {};
        }
        if(channel.target_node < 0 || std::size_t(channel.target_node) >= model.nodes.size()) {
            printError("animation", "channel " + str(c) + " targets node " + str(channel.target_node) + " out of range for " + str(model.nodes.size()) + " nodes");
            return {};
        }
        track.node = UnsignedInt(channel.target_node);
        if(channel.sampler < 0 || std::size_t(channel.sampler) >= animation.samplers.size()) {
            printError("animation", "channel " + str(c) + " uses sampler " + str(channel.sampler) + " out of range for " + str(animation.samplers.size()) + " samplers");
            return {};
        }
        const tinygltf::AnimationSampler& sampler = animation.samplers[channel.sampler];
        if(sampler.interpolation == "STEP") track.interpolation = Animation::Interpolation::Constant;
        else if(sampler.interpolation == "LINEAR" || sampler.interpolation.empty()) track.interpolation = Animation::Interpolation::Linear;
        else if(sampler.interpolation == "CUBICSPLINE") track.interpolation = Animation::Interpolation::Spline;
        else {
            printError("animation", "sampler " + str(channel.sampler) + " has an unsupported interpolation " + sampler.interpolation);
            return {};
        }
        if(!readAccessor(model, sampler.input, track.input, error) || !readAccessor(model, sampler.output, track.output, error)) {
            printError("animation", error);
            return {};
        }
        if(track.input.type != TINYGLTF_TYPE_SCALAR || track.input.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT) {
            printError("animation", "sampler " + str(channel.sampler) + " input is " + typeName(track.input.type) + " of " + componentTypeName(track.input.componentType) + ", expected SCALAR of FLOAT");
            return {};
        }
        const int expectedType = track.target == Trade::AnimationTrackTarget::Rotation3D ? TINYGLTF_TYPE_VEC4 : TINYGLTF_TYPE_VEC3;
        if(track.output.type != expectedType || track.output.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT) {
            printError("animation", "sampler " + str(channel.sampler) + " output is " + typeName(track.output.type) + " of " + componentTypeName(track.output.componentType) + ", expected " + typeName(expectedType) + " of FLOAT");
            return {};
        }
        /* A spline stores an in-tangent, a value and an out-tangent per key */
        const std::size_t valuesPerKey = track.interpolation == Animation::Interpolation::Spline ? 3 : 1;
        if(track.output.count != valuesPerKey*track.input.count) {
            printError("animation", "sampler " + str(channel.sampler) + " has " + str(track.input.count) + " keys but " + str(track.output.count) + " values" + (valuesPerKey == 3 ? ", expected three per key" : ""));
            return {};
        }
        if(valuesPerKey == 3 && track.input.count < 2) {
            printError("animation", "sampler " + str(channel.sampler) + " has " + str(track.input.count) + " keys, a spline needs at least two");
            return {};
        }
        /* Interpolation expects ordered, finite keys */
        const Containers::ArrayView<const Float> keys = Containers::arrayCast<const Float>(track.input.data);
        for(std::size_t i = 0; i != keys.size(); ++i) {
            if(!std::isfinite(keys[i]) || (i && keys[i] < keys[i - 1])) {
                printError("animation", "sampler " + str(channel.sampler) + " keys aren't finite and ascending");
                return {};
            }
        }
        dataSize += track.input.data.size() + track.output.data.size();
        tracks.push_back(std::move(track));
    }

    Containers::Array<char> data{NoInit, dataSize};
    Containers::Array<Trade::AnimationTrackData> trackData{ValueInit, tracks.size()};
    std::size_t offset = 0;
    for(std::size_t i = 0; i != tracks.size(); ++i) {
        Track& track = tracks[i];
        const std::size_t keyOffset = offset;
        /* Tracks of no keys have empty arrays, which memcpy() can't take */
        if(!track.input.data.isEmpty())
            std::memcpy(data.data() + offset, track.input.data.data(), track.input.data.size());
        offset += track.input.data.size();
        const std::size_t valueOffset = offset;
        if(!track.output.data.isEmpty())
            std::memcpy(data.data() + offset, track.output.data.data(), track.output.data.size());
        offset += track.output.data.size();
        const Containers::ArrayView<const Float> keys = Containers::arrayCast<const Float>(data.slice(keyOffset, valueOffset));
        const bool spline = track.interpolation == Animation::Interpolation::Spline;
        if(track.target == Trade::AnimationTrackTarget::Rotation3D) {
            /* Exporters write rotations to a few decimals, and interpolation
               expects unit quaternions. Of a spline only the values are
               rotations, its tangents aren't. */
            const Containers::ArrayView<Quaternion> allValues = Containers::arrayCast<Quaternion>(data.slice(valueOffset, offset));
            const Containers::StridedArrayView1D<Quaternion> rotations = spline ?
                Containers::stridedArrayView(allValues).exceptPrefix(1).every(3) :
                Containers::stridedArrayView(allValues);
            if(!renormalizeRotations(rotations))
                return {};
            if(spline) {
                const Containers::ArrayView<CubicHermiteQuaternion> values = Containers::arrayCast<CubicHermiteQuaternion>(data.slice(valueOffset, offset));
                scaleSplineTangents(keys, values);
                trackData[i] = Trade::AnimationTrackData{track.target, track.node,
                    Animation::TrackView<const Float, const CubicHermiteQuaternion>{keys, Containers::ArrayView<const CubicHermiteQuaternion>{values}, track.interpolation, Animation::Extrapolation::Constant}};
            } else {
                const Containers::ArrayView<const Quaternion> values = allValues;
                trackData[i] = Trade::AnimationTrackData{track.target, track.node,
                    Animation::TrackView<const Float, const Quaternion>{keys, values, track.interpolation, Animation::Extrapolation::Constant}};
            }
        } else if(spline) {
            const Containers::ArrayView<CubicHermite3D> values = Containers::arrayCast<CubicHermite3D>(data.slice(valueOffset, offset));
            scaleSplineTangents(keys, values);
            trackData[i] = Trade::AnimationTrackData{track.target, track.node,
                Animation::TrackView<const Float, const CubicHermite3D>{keys, Containers::ArrayView<const CubicHermite3D>{values}, track.interpolation, Animation::Extrapolation::Constant}};
        } else {
            const Containers::ArrayView<const Vector3> values = Containers::arrayCast<const Vector3>(data.slice(valueOffset, offset));
            trackData[i] = Trade::AnimationTrackData{track.target, track.node,
                Animation::TrackView<const Float, const Vector3>{keys, values, track.interpolation, Animation::Extrapolation::Constant}};
        }
    }

    return Trade::AnimationData{std::move(data), std::move(trackData)};
}

UnsignedInt GltfImporter::doLightCount() const { return UnsignedInt(_state->model.lights.size()); }

Int GltfImporter::doLightForName(const Containers::StringView name) { return findByName(_state->model.lights, name); }

Containers::String GltfImporter::doLightName(const UnsignedInt id) { return toString(_state->model.lights[id].name); }

Containers::Optional<Trade::LightData> GltfImporter::doLight(const UnsignedInt id) {
    const tinygltf::Light& light = _state->model.lights[id];
    Color3 color{1.0f};
    if(light.color.size() == 3) color = Color3{Float(light.color[0]), Float(light.color[1]), Float(light.color[2])};
    else if(!light.color.empty()) {
        printError("light", "light " + str(std::size_t(id)) + " has a color of " + str(light.color.size()) + " components");
        return {};
    }
    if(!isFinite(light.color) || !std::isfinite(light.intensity) || !std::isfinite(light.range) || light.range < 0.0) {
        printError("light", "light " + str(std::size_t(id)) + " has a non-finite or negative property");
        return {};
    }
    /* A range of zero means none */
    const Float range = light.range > 0.0 ? Float(light.range) : Constants::inf();
    if(light.type == "directional")
        return Trade::LightData{Trade::LightType::Directional, color, Float(light.intensity)};
    if(light.type == "point")
        return Trade::LightData{Trade::LightType::Point, color, Float(light.intensity), range};
    if(light.type == "spot") {
        /* glTF gives half-angles of the cone */
        const double inner = light.spot.innerConeAngle*2.0, outer = light.spot.outerConeAngle*2.0;
        if(!std::isfinite(inner) || !std::isfinite(outer) || inner < 0.0 || inner > outer || outer > Constantsd::pi()) {
            printError("light", "spot light " + str(std::size_t(id)) + " has invalid cone angles");
            return {};
        }
        return Trade::LightData{Trade::LightType::Spot, color, Float(light.intensity), range, Rad{Float(inner)}, Rad{Float(outer)}};
    }
    printError("light", "light " + str(std::size_t(id)) + " has an unknown type " + light.type);
    return {};
}

UnsignedInt GltfImporter::doCameraCount() const { return UnsignedInt(_state->model.cameras.size()); }

Int GltfImporter::doCameraForName(const Containers::StringView name) { return findByName(_state->model.cameras, name); }

Containers::String GltfImporter::doCameraName(const UnsignedInt id) { return toString(_state->model.cameras[id].name); }

Containers::Optional<Trade::CameraData> GltfImporter::doCamera(const UnsignedInt id) {
    const tinygltf::Camera& camera = _state->model.cameras[id];
    if(camera.type == "perspective") {
        const tinygltf::PerspectiveCamera& p = camera.perspective;
        const double aspectRatio = p.aspectRatio > 0.0 ? p.aspectRatio : 1.0;
        if(!std::isfinite(p.yfov) || !std::isfinite(aspectRatio) || !std::isfinite(p.znear) || !std::isfinite(p.zfar) ||
           p.yfov <= 0.0 || p.yfov >= Constantsd::pi() || p.znear <= 0.0 || (p.zfar != 0.0 && p.zfar <= p.znear)) {
            printError("camera", "perspective camera " + str(std::size_t(id)) + " has invalid properties");
            return {};
        }
        /* The importer API wants the horizontal field of view */
        const Float fov = Float(2.0*std::atan(std::tan(p.yfov*0.5)*aspectRatio));
        return Trade::CameraData{Trade::CameraType::Perspective3D, Rad{fov}, Float(aspectRatio), Float(p.znear), p.zfar == 0.0 ? Constants::inf() : Float(p.zfar)};
    }
    if(camera.type == "orthographic") {
        const tinygltf::OrthographicCamera& o = camera.orthographic;
        if(!std::isfinite(o.xmag) || !std::isfinite(o.ymag) || !std::isfinite(o.znear) || !std::isfinite(o.zfar) || o.znear < 0.0 || o.zfar <= o.znear) {
            printError("camera", "orthographic camera " + str(std::size_t(id)) + " has invalid properties");
            return {};
        }
        return Trade::CameraData{Trade::CameraType::Orthographic3D, Vector2{Float(o.xmag*2.0), Float(o.ymag*2.0)}, Float(o.znear), Float(o.zfar)};
    }
    printError("camera", "camera " + str(std::size_t(id)) + " has an unknown type " + camera.type);
    return {};
}

UnsignedInt GltfImporter::doSkin3DCount() const { return UnsignedInt(_state->model.skins.size()); }

Int GltfImporter::doSkin3DForName(const Containers::StringView name) { return findByName(_state->model.skins, name); }

Containers::String GltfImporter::doSkin3DName(const UnsignedInt id) { return toString(_state->model.skins[id].name); }

Containers::Optional<Trade::SkinData3D> GltfImporter::doSkin3D(const UnsignedInt id) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Skin& skin = model.skins[id];
    Containers::Array<UnsignedInt> joints{NoInit, skin.joints.size()};
    for(std::size_t i = 0; i != skin.joints.size(); ++i) {
        if(skin.joints[i] < 0 || std::size_t(skin.joints[i]) >= model.nodes.size()) {
            printError("skin3D", "joint " + str(skin.joints[i]) + " out of range for " + str(model.nodes.size()) + " nodes");
            return {};
        }
        joints[i] = UnsignedInt(skin.joints[i]);
    }
    Containers::Array<Matrix4> inverseBindMatrices{ValueInit, skin.joints.size()};
    if(skin.inverseBindMatrices != -1) {
        AccessorData accessor;
        std::string error;
        if(!readAccessor(model, skin.inverseBindMatrices, accessor, error)) {
            printError("skin3D", error);
            return {};
        }
        if(accessor.type != TINYGLTF_TYPE_MAT4 || accessor.componentType != TINYGLTF_COMPONENT_TYPE_FLOAT || accessor.count < joints.size()) {
            printError("skin3D", "inverse bind matrices are " + str(accessor.count) + " " + typeName(accessor.type) + " of " + componentTypeName(accessor.componentType) + ", expected " + str(joints.size()) + " MAT4 of FLOAT");
            return {};
        }
        if(!joints.isEmpty())
            std::memcpy(inverseBindMatrices.data(), accessor.data.data(), joints.size()*sizeof(Matrix4));
    } else for(Matrix4& m: inverseBindMatrices) m = Matrix4{};
    return Trade::SkinData3D{std::move(joints), std::move(inverseBindMatrices)};
}

UnsignedInt GltfImporter::doMeshCount() const { return UnsignedInt(_state->meshPrimitives.size()); }

Int GltfImporter::doMeshForName(const Containers::StringView name) {
    const Int mesh = findByName(_state->model.meshes, name);
    /* A mesh without primitives has no imported mesh to name */
    if(mesh == -1 || _state->model.meshes[mesh].primitives.empty()) return -1;
    return Int(_state->meshFirstPrimitive[mesh]);
}

Containers::String GltfImporter::doMeshName(const UnsignedInt id) {
    return toString(_state->model.meshes[_state->meshPrimitives[id].first].name);
}

Trade::MeshAttribute GltfImporter::doMeshAttributeForName(const Containers::StringView name) {
    if(!_state) return {};
    for(std::size_t i = 0; i != _state->customAttributeNames.size(); ++i)
        if(Containers::StringView{_state->customAttributeNames[i].data(), _state->customAttributeNames[i].size()} == name)
            return Trade::meshAttributeCustom(UnsignedShort(i));
    return {};
}

Containers::String GltfImporter::doMeshAttributeName(const Trade::MeshAttribute name) {
    if(!_state) return {};
    const UnsignedShort id = Trade::meshAttributeCustom(name);
    if(id >= _state->customAttributeNames.size()) return {};
    return toString(_state->customAttributeNames[id]);
}

Containers::Optional<Trade::MeshData> GltfImporter::doMesh(const UnsignedInt id, UnsignedInt) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Primitive& primitive = model.meshes[_state->meshPrimitives[id].first].primitives[_state->meshPrimitives[id].second];

    MeshPrimitive meshPrimitive;
    switch(primitive.mode) {
        case TINYGLTF_MODE_POINTS: meshPrimitive = MeshPrimitive::Points; break;
        case TINYGLTF_MODE_LINE: meshPrimitive = MeshPrimitive::Lines; break;
        case TINYGLTF_MODE_LINE_LOOP: meshPrimitive = MeshPrimitive::LineLoop; break;
        case TINYGLTF_MODE_LINE_STRIP: meshPrimitive = MeshPrimitive::LineStrip; break;
        case -1:
        case TINYGLTF_MODE_TRIANGLES: meshPrimitive = MeshPrimitive::Triangles; break;
        case TINYGLTF_MODE_TRIANGLE_STRIP: meshPrimitive = MeshPrimitive::TriangleStrip; break;
        case TINYGLTF_MODE_TRIANGLE_FAN: meshPrimitive = MeshPrimitive::TriangleFan; break;
        default:
            printError("mesh", "unknown primitive mode " + str(primitive.mode));
            return {};
    }

    struct Attribute {
        /* Builtin attributes first, sets in set order, custom by name */
        int order;
        long long set;
        std::string glTFName;
        Trade::MeshAttribute name;
        VertexFormat format;
        Int morphTargetId;
        AccessorData accessor;
    };
    std::vector<Attribute> attributes;
    std::string error;

    const auto addAttribute = [&](const std::string& glTFName, const int accessorId, const Int morphTargetId) {
        const std::pair<std::string, long long> split = splitSetName(glTFName);
        Attribute attribute;
        attribute.glTFName = glTFName;
        attribute.set = split.second;
        attribute.morphTargetId = morphTargetId;
        std::string kind = split.first;
        if(kind == "POSITION" && split.second == -1) { attribute.order = 0; attribute.name = Trade::MeshAttribute::Position; }
        else if(kind == "NORMAL" && split.second == -1) { attribute.order = 1; attribute.name = Trade::MeshAttribute::Normal; }
        else if(kind == "TANGENT" && split.second == -1) { attribute.order = 2; attribute.name = Trade::MeshAttribute::Tangent; }
        else if(kind == "TEXCOORD" && split.second >= 0) { attribute.order = 3; attribute.name = Trade::MeshAttribute::TextureCoordinates; }
        else if(kind == "COLOR" && split.second >= 0) { attribute.order = 4; attribute.name = Trade::MeshAttribute::Color; }
        else if((kind == "JOINTS" || kind == "WEIGHTS") && split.second >= 0) {
            attribute.order = kind == "JOINTS" ? 5 : 6;
            attribute.name = doMeshAttributeForName({kind.data(), kind.size()});
        } else {
            kind = glTFName;
            attribute.order = 7;
            attribute.name = doMeshAttributeForName({glTFName.data(), glTFName.size()});
        }
        if(morphTargetId != -1 && attribute.order > 2) {
            /* Only positions, normals and tangents morph in glTF */
            return true;
        }
        if(attribute.name == Trade::MeshAttribute{}) {
            error = "too many custom attributes for " + glTFName;
            return false;
        }
        if(!readAccessor(model, accessorId, attribute.accessor, error)) {
            error = glTFName + ": " + error;
            return false;
        }
        attribute.format = vertexFormatFor(attribute.accessor);
        if(attribute.format == VertexFormat{} || !isAllowedFormat(kind, attribute.format, morphTargetId != -1)) {
            error = glTFName + " can't be " + typeName(attribute.accessor.type) + " of " + componentTypeName(attribute.accessor.componentType) + (attribute.accessor.normalized ? " normalized" : "");
            return false;
        }
        attributes.push_back(std::move(attribute));
        return true;
    };

    for(const auto& attribute: primitive.attributes)
        if(!addAttribute(attribute.first, attribute.second, -1)) {
            printError("mesh", error);
            return {};
        }
    if(primitive.targets.size() > 127) {
        printError("mesh", "too many morph targets, " + str(primitive.targets.size()));
        return {};
    }
    for(std::size_t t = 0; t != primitive.targets.size(); ++t)
        for(const auto& attribute: primitive.targets[t])
            if(!addAttribute(attribute.first, attribute.second, Int(t))) {
                printError("mesh", "morph target " + str(t) + " " + error);
                return {};
            }

    std::stable_sort(attributes.begin(), attributes.end(), [](const Attribute& a, const Attribute& b) {
        if(a.morphTargetId != b.morphTargetId) return a.morphTargetId < b.morphTargetId;
        if(a.order != b.order) return a.order < b.order;
        if(a.order == 7) return a.glTFName < b.glTFName;
        return a.set < b.set;
    });

    const std::size_t vertexCount = attributes.empty() ? 0 : attributes.front().accessor.count;
    std::size_t vertexDataSize = 0;
    for(const Attribute& attribute: attributes) {
        if(attribute.accessor.count != vertexCount) {
            printError("mesh", attribute.glTFName + " has " + str(attribute.accessor.count) + " elements but " + attributes.front().glTFName + " has " + str(vertexCount));
            return {};
        }
        vertexDataSize += attribute.accessor.data.size();
    }

    Containers::Array<char> indexData;
    MeshIndexType indexType{};
    std::size_t indexCount = 0;
    if(primitive.indices != -1) {
        AccessorData indices;
        if(!readAccessor(model, primitive.indices, indices, error)) {
            printError("mesh", "indices: " + error);
            return {};
        }
        if(indices.type != TINYGLTF_TYPE_SCALAR || indices.normalized) {
            printError("mesh", std::string{"indices can't be "} + typeName(indices.type) + (indices.normalized ? " normalized" : ""));
            return {};
        }
        switch(indices.componentType) {
            case TINYGLTF_COMPONENT_TYPE_UNSIGNED_BYTE: indexType = MeshIndexType::UnsignedByte; break;
            case TINYGLTF_COMPONENT_TYPE_UNSIGNED_SHORT: indexType = MeshIndexType::UnsignedShort; break;
            case TINYGLTF_COMPONENT_TYPE_UNSIGNED_INT: indexType = MeshIndexType::UnsignedInt; break;
            default:
                printError("mesh", std::string{"indices can't be "} + componentTypeName(indices.componentType));
                return {};
        }
        indexCount = indices.count;
        for(std::size_t i = 0; i != indexCount; ++i) {
            UnsignedInt index;
            if(indexType == MeshIndexType::UnsignedByte) index = UnsignedByte(indices.data[i]);
            else if(indexType == MeshIndexType::UnsignedShort) { UnsignedShort v; std::memcpy(&v, indices.data.data() + 2*i, 2); index = v; }
            else std::memcpy(&index, indices.data.data() + 4*i, 4);
            if(index >= vertexCount) {
                printError("mesh", "index " + str(std::size_t(index)) + " out of range for " + str(vertexCount) + " vertices");
                return {};
            }
        }
        indexData = std::move(indices.data);
    }

    Containers::Array<char> vertexData{NoInit, vertexDataSize};
    Containers::Array<Trade::MeshAttributeData> attributeData{ValueInit, attributes.size()};
    std::size_t offset = 0;
    for(std::size_t i = 0; i != attributes.size(); ++i) {
        const Attribute& attribute = attributes[i];
        /* An empty array may have no memory at all, memcpy() takes no null */
        if(!attribute.accessor.data.isEmpty())
            std::memcpy(vertexData.data() + offset, attribute.accessor.data.data(), attribute.accessor.data.size());
        attributeData[i] = Trade::MeshAttributeData{attribute.name, attribute.format,
            Containers::StridedArrayView1D<const void>{vertexData, vertexData.data() + offset, vertexCount, std::ptrdiff_t(attribute.accessor.elementSize)},
            0, attribute.morphTargetId};
        offset += attribute.accessor.data.size();
    }

    if(primitive.indices != -1) {
        const Trade::MeshIndexData indices{indexType, Containers::ArrayView<const void>{indexData}};
        if(attributes.empty())
            return Trade::MeshData{meshPrimitive, std::move(indexData), indices, UnsignedInt(vertexCount)};
        return Trade::MeshData{meshPrimitive, std::move(indexData), indices, std::move(vertexData), std::move(attributeData), UnsignedInt(vertexCount)};
    }
    if(attributes.empty())
        return Trade::MeshData{meshPrimitive, UnsignedInt(vertexCount)};
    return Trade::MeshData{meshPrimitive, std::move(vertexData), std::move(attributeData), UnsignedInt(vertexCount)};
}

UnsignedInt GltfImporter::doMaterialCount() const { return UnsignedInt(_state->model.materials.size()); }

Int GltfImporter::doMaterialForName(const Containers::StringView name) { return findByName(_state->model.materials, name); }

Containers::String GltfImporter::doMaterialName(const UnsignedInt id) { return toString(_state->model.materials[id].name); }

Containers::Optional<Trade::MaterialData> GltfImporter::doMaterial(const UnsignedInt id) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Material& material = model.materials[id];
    std::vector<Trade::MaterialAttributeData> attributes;
    std::string error;

    const auto addTexture = [&](const int index, const int texCoord, const Trade::MaterialAttribute texture, const Trade::MaterialAttribute coordinates) {
        if(index == -1) return true;
        if(index < 0 || std::size_t(index) >= model.textures.size()) {
            error = "texture " + str(index) + " out of range for " + str(model.textures.size()) + " textures";
            return false;
        }
        if(texCoord < 0) {
            error = "texture coordinate set " + str(texCoord) + " is negative";
            return false;
        }
        attributes.emplace_back(texture, UnsignedInt(index));
        attributes.emplace_back(coordinates, UnsignedInt(texCoord));
        return true;
    };

    const tinygltf::PbrMetallicRoughness& pbr = material.pbrMetallicRoughness;
    if(pbr.baseColorFactor.size() != 4 || material.emissiveFactor.size() != 3 ||
       !isFinite(pbr.baseColorFactor) || !isFinite(material.emissiveFactor) ||
       !std::isfinite(pbr.metallicFactor) || !std::isfinite(pbr.roughnessFactor) || !std::isfinite(material.alphaCutoff) ||
       !std::isfinite(material.normalTexture.scale) || !std::isfinite(material.occlusionTexture.strength)) {
        printError("material", "material " + str(std::size_t(id)) + " has a factor of a wrong size or a non-finite one");
        return {};
    }
    attributes.emplace_back(Trade::MaterialAttribute::BaseColor, Color4{Float(pbr.baseColorFactor[0]), Float(pbr.baseColorFactor[1]), Float(pbr.baseColorFactor[2]), Float(pbr.baseColorFactor[3])});
    attributes.emplace_back(Trade::MaterialAttribute::Metalness, Float(pbr.metallicFactor));
    attributes.emplace_back(Trade::MaterialAttribute::Roughness, Float(pbr.roughnessFactor));
    attributes.emplace_back(Trade::MaterialAttribute::EmissiveColor, Color3{Float(material.emissiveFactor[0]), Float(material.emissiveFactor[1]), Float(material.emissiveFactor[2])});
    if(!addTexture(pbr.baseColorTexture.index, pbr.baseColorTexture.texCoord, Trade::MaterialAttribute::BaseColorTexture, Trade::MaterialAttribute::BaseColorTextureCoordinates) ||
       !addTexture(pbr.metallicRoughnessTexture.index, pbr.metallicRoughnessTexture.texCoord, Trade::MaterialAttribute::NoneRoughnessMetallicTexture, Trade::MaterialAttribute::MetalnessTextureCoordinates) ||
       !addTexture(material.normalTexture.index, material.normalTexture.texCoord, Trade::MaterialAttribute::NormalTexture, Trade::MaterialAttribute::NormalTextureCoordinates) ||
       !addTexture(material.occlusionTexture.index, material.occlusionTexture.texCoord, Trade::MaterialAttribute::OcclusionTexture, Trade::MaterialAttribute::OcclusionTextureCoordinates) ||
       !addTexture(material.emissiveTexture.index, material.emissiveTexture.texCoord, Trade::MaterialAttribute::EmissiveTexture, Trade::MaterialAttribute::EmissiveTextureCoordinates)) {
        printError("material", error);
        return {};
    }
    /* The metallic/roughness texture's coordinates are the roughness ones as
       well */
    if(pbr.metallicRoughnessTexture.index != -1)
        attributes.emplace_back(Trade::MaterialAttribute::RoughnessTextureCoordinates, UnsignedInt(pbr.metallicRoughnessTexture.texCoord));
    if(material.normalTexture.index != -1)
        attributes.emplace_back(Trade::MaterialAttribute::NormalTextureScale, Float(material.normalTexture.scale));
    if(material.occlusionTexture.index != -1)
        attributes.emplace_back(Trade::MaterialAttribute::OcclusionTextureStrength, Float(material.occlusionTexture.strength));
    if(material.alphaMode == "MASK")
        attributes.emplace_back(Trade::MaterialAttribute::AlphaMask, Float(material.alphaCutoff));
    else if(material.alphaMode == "BLEND")
        attributes.emplace_back(Trade::MaterialAttribute::AlphaBlend, true);
    else if(material.alphaMode != "OPAQUE" && !material.alphaMode.empty()) {
        printError("material", "material " + str(std::size_t(id)) + " has an unknown alpha mode " + material.alphaMode);
        return {};
    }
    if(material.doubleSided)
        attributes.emplace_back(Trade::MaterialAttribute::DoubleSided, true);

    Containers::Array<Trade::MaterialAttributeData> attributeData{ValueInit, attributes.size()};
    for(std::size_t i = 0; i != attributes.size(); ++i) attributeData[i] = attributes[i];
    return Trade::MaterialData{Trade::MaterialType::PbrMetallicRoughness, std::move(attributeData)};
}

UnsignedInt GltfImporter::doTextureCount() const { return UnsignedInt(_state->model.textures.size()); }

Int GltfImporter::doTextureForName(const Containers::StringView name) { return findByName(_state->model.textures, name); }

Containers::String GltfImporter::doTextureName(const UnsignedInt id) { return toString(_state->model.textures[id].name); }

Containers::Optional<Trade::TextureData> GltfImporter::doTexture(const UnsignedInt id) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Texture& texture = model.textures[id];
    if(texture.source < 0 || std::size_t(texture.source) >= model.images.size()) {
        printError("texture", "image " + str(texture.source) + " of texture " + str(std::size_t(id)) + " out of range for " + str(model.images.size()) + " images");
        return {};
    }

    /* No sampler means linear filtering with mipmaps and repeat */
    SamplerFilter minification = SamplerFilter::Linear, magnification = SamplerFilter::Linear;
    SamplerMipmap mipmap = SamplerMipmap::Linear;
    Math::Vector3<SamplerWrapping> wrapping{SamplerWrapping::Repeat};
    if(texture.sampler != -1) {
        if(texture.sampler < 0 || std::size_t(texture.sampler) >= model.samplers.size()) {
            printError("texture", "sampler " + str(texture.sampler) + " of texture " + str(std::size_t(id)) + " out of range for " + str(model.samplers.size()) + " samplers");
            return {};
        }
        const tinygltf::Sampler& sampler = model.samplers[texture.sampler];
        switch(sampler.minFilter) {
            case -1: break;
            case TINYGLTF_TEXTURE_FILTER_NEAREST: minification = SamplerFilter::Nearest; mipmap = SamplerMipmap::Base; break;
            case TINYGLTF_TEXTURE_FILTER_LINEAR: minification = SamplerFilter::Linear; mipmap = SamplerMipmap::Base; break;
            case TINYGLTF_TEXTURE_FILTER_NEAREST_MIPMAP_NEAREST: minification = SamplerFilter::Nearest; mipmap = SamplerMipmap::Nearest; break;
            case TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_NEAREST: minification = SamplerFilter::Linear; mipmap = SamplerMipmap::Nearest; break;
            case TINYGLTF_TEXTURE_FILTER_NEAREST_MIPMAP_LINEAR: minification = SamplerFilter::Nearest; mipmap = SamplerMipmap::Linear; break;
            case TINYGLTF_TEXTURE_FILTER_LINEAR_MIPMAP_LINEAR: minification = SamplerFilter::Linear; mipmap = SamplerMipmap::Linear; break;
            default:
                printError("texture", "sampler " + str(texture.sampler) + " has an unknown minification filter " + str(sampler.minFilter));
                return {};
        }
        switch(sampler.magFilter) {
            case -1: break;
            case TINYGLTF_TEXTURE_FILTER_NEAREST: magnification = SamplerFilter::Nearest; break;
            case TINYGLTF_TEXTURE_FILTER_LINEAR: magnification = SamplerFilter::Linear; break;
            default:
                printError("texture", "sampler " + str(texture.sampler) + " has an unknown magnification filter " + str(sampler.magFilter));
                return {};
        }
        const int wraps[]{sampler.wrapS, sampler.wrapT};
        for(std::size_t i = 0; i != 2; ++i) {
            switch(wraps[i]) {
                case TINYGLTF_TEXTURE_WRAP_REPEAT: wrapping[i] = SamplerWrapping::Repeat; break;
                case TINYGLTF_TEXTURE_WRAP_CLAMP_TO_EDGE: wrapping[i] = SamplerWrapping::ClampToEdge; break;
                case TINYGLTF_TEXTURE_WRAP_MIRRORED_REPEAT: wrapping[i] = SamplerWrapping::MirroredRepeat; break;
                default:
                    printError("texture", "sampler " + str(texture.sampler) + " has an unknown wrapping " + str(wraps[i]));
                    return {};
            }
        }
    }
    return Trade::TextureData{Trade::TextureType::Texture2D, minification, magnification, mipmap, wrapping, UnsignedInt(texture.source)};
}

UnsignedInt GltfImporter::doImage2DCount() const { return UnsignedInt(_state->model.images.size()); }

Int GltfImporter::doImage2DForName(const Containers::StringView name) { return findByName(_state->model.images, name); }

Containers::String GltfImporter::doImage2DName(const UnsignedInt id) { return toString(_state->model.images[id].name); }

Containers::Optional<Trade::ImageData2D> GltfImporter::doImage2D(const UnsignedInt id, UnsignedInt) {
    const tinygltf::Model& model = _state->model;
    const tinygltf::Image& image = model.images[id];

    Containers::ArrayView<const char> encoded;
    if(image.bufferView != -1) {
        std::string error;
        if(!bufferViewBytes(model, image.bufferView, encoded, error)) {
            printError("image2D", error);
            return {};
        }
    } else encoded = {reinterpret_cast<const char*>(image.image.data()), image.image.size()};
    if(encoded.isEmpty()) {
        printError("image2D", "image " + str(std::size_t(id)) + " has no data");
        return {};
    }
    if(encoded.size() > std::size_t{0x7fffffff}) {
        printError("image2D", "image " + str(std::size_t(id)) + " is too large to decode");
        return {};
    }

    const stbi_uc* const bytes = reinterpret_cast<const stbi_uc*>(encoded.data());
    const int size = int(encoded.size());
    int width, height, channels;
    if(!stbi_info_from_memory(bytes, size, &width, &height, &channels)) {
        printError("image2D", "image " + str(std::size_t(id)) + " can't be decoded: " + stbi_failure_reason());
        return {};
    }
    const bool is16 = stbi_is_16_bit_from_memory(bytes, size);
    if(width <= 0 || height <= 0 || channels < 1 || channels > 4 ||
       std::size_t(width)*std::size_t(height)*std::size_t(channels)*(is16 ? 2 : 1) > MaxImageBytes) {
        printError("image2D", "image " + str(std::size_t(id)) + " of " + str(width) + "x" + str(height) + " pixels is too large");
        return {};
    }

    int decodedWidth, decodedHeight, decodedChannels;
    void* const decoded = is16 ?
        static_cast<void*>(stbi_load_16_from_memory(bytes, size, &decodedWidth, &decodedHeight, &decodedChannels, 0)) :
        static_cast<void*>(stbi_load_from_memory(bytes, size, &decodedWidth, &decodedHeight, &decodedChannels, 0));
    if(!decoded) {
        printError("image2D", "image " + str(std::size_t(id)) + " can't be decoded: " + stbi_failure_reason());
        return {};
    }
    /* The same header gets parsed twice, but a decoder that disagrees with
       itself shouldn't get to size our copy */
    if(decodedWidth != width || decodedHeight != height || decodedChannels != channels) {
        stbi_image_free(decoded);
        printError("image2D", "image " + str(std::size_t(id)) + " decodes to another size than its header says");
        return {};
    }
    const std::size_t dataSize = std::size_t(width)*std::size_t(height)*std::size_t(channels)*(is16 ? 2 : 1);
    Containers::Array<char> data{NoInit, dataSize};
    std::memcpy(data.data(), decoded, dataSize);
    stbi_image_free(decoded);

    constexpr PixelFormat Formats8[]{PixelFormat::R8Unorm, PixelFormat::RG8Unorm, PixelFormat::RGB8Unorm, PixelFormat::RGBA8Unorm};
    constexpr PixelFormat Formats16[]{PixelFormat::R16Unorm, PixelFormat::RG16Unorm, PixelFormat::RGB16Unorm, PixelFormat::RGBA16Unorm};
    /* Rows are tightly packed */
    return Trade::ImageData2D{PixelStorage{}.setAlignment(1), (is16 ? Formats16 : Formats8)[channels - 1], Vector2i{width, height}, std::move(data)};
}

}
