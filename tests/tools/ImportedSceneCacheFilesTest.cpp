#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <ostream>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Iterable.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Containers/String.h>
#include <Corrade/Containers/StringView.h>
#include <Corrade/Utility/Algorithms.h>
#include <Corrade/Utility/Debug.h>
#include <Magnum/GL/AbstractShaderProgram.h>
#include <Magnum/GL/Framebuffer.h>
#include <Magnum/GL/MeshView.h>
#include <Magnum/GL/Renderbuffer.h>
#include <Magnum/GL/RenderbufferFormat.h>
#include <Magnum/GL/Renderer.h>
#include <Magnum/GL/Shader.h>
#include <Magnum/GL/Version.h>
#include <Magnum/Image.h>
#include <Magnum/ImageView.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Constants.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Matrix3.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Math/Packing.h>
#include <Magnum/Math/Range.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/PixelFormat.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/SceneData.h>
#include <Magnum/VertexFormat.h>

#include "GLTestContext.h"
#include "GltfImporter.h"
#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/ImportedSceneCache.h"
#include "VelmoraEngine/Tools/MeshBatch.h"
#include "VelmoraEngine/Tools/MeshLayout.h"

#ifndef VELMORA_GLTF_MODELS_DIR
#define VELMORA_GLTF_MODELS_DIR "/usr/share/assimp/models/glTF2"
#endif

namespace VelmoraEngine { namespace Test { namespace {

using namespace Magnum;
using namespace Corrade;

/* One 16-bit normalized step, with room for the float rounding around it */
constexpr Float SignedStep = 1.0f/32767.0f;
constexpr Float UnsignedStep = 1.0f/65535.0f;
constexpr Float UnitTolerance = 1.0e-4f;

std::string modelPath(const std::string& file) {
    return std::string{VELMORA_GLTF_MODELS_DIR} + "/" + file;
}

/* Every .gltf and .glb below the model directory, in a fixed order */
std::vector<std::string> modelFiles() {
    std::vector<std::string> files;
    std::error_code error;
    for(auto it = std::filesystem::recursive_directory_iterator{VELMORA_GLTF_MODELS_DIR, error};
        it != std::filesystem::recursive_directory_iterator{}; it.increment(error)) {
        if(error) break;
        const std::string extension = it->path().extension().string();
        if(it->is_regular_file() && (extension == ".gltf" || extension == ".glb"))
            files.push_back(it->path().string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

bool isTriangles(const MeshPrimitive primitive) {
    return primitive == MeshPrimitive::Triangles || primitive == MeshPrimitive::TriangleStrip || primitive == MeshPrimitive::TriangleFan;
}

/* The vertex ids of every whole triangle, three per triangle, as the
   primitive defines them; strips alternate their winding */
std::vector<UnsignedInt> triangleCorners(const Trade::MeshData& mesh) {
    std::vector<UnsignedInt> elements;
    if(mesh.isIndexed()) {
        const Containers::Array<UnsignedInt> indices = mesh.indicesAsArray();
        elements.assign(indices.begin(), indices.end());
    } else for(UnsignedInt i = 0; i != mesh.vertexCount(); ++i) elements.push_back(i);

    std::vector<UnsignedInt> corners;
    const std::size_t n = elements.size();
    if(mesh.primitive() == MeshPrimitive::Triangles) {
        corners.assign(elements.begin(), elements.begin() + n/3*3);
    } else if(mesh.primitive() == MeshPrimitive::TriangleStrip) {
        for(std::size_t i = 0; i + 2 < n; ++i) {
            if(i % 2) corners.insert(corners.end(), {elements[i + 1], elements[i], elements[i + 2]});
            else corners.insert(corners.end(), {elements[i], elements[i + 1], elements[i + 2]});
        }
    } else if(mesh.primitive() == MeshPrimitive::TriangleFan) {
        for(std::size_t i = 1; i + 1 < n; ++i)
            corners.insert(corners.end(), {elements[0], elements[i], elements[i + 1]});
    }
    return corners;
}

/* Four components of any joint id format the importer gives */
Math::Vector4<UnsignedInt> jointsAt(const Trade::MeshData& mesh, const UnsignedInt attribute, const UnsignedInt vertex) {
    const VertexFormat format = mesh.attributeFormat(attribute);
    if(format == VertexFormat::Vector4ub) return Math::Vector4<UnsignedInt>{mesh.attribute<Math::Vector4<UnsignedByte>>(attribute)[vertex]};
    if(format == VertexFormat::Vector4us) return Math::Vector4<UnsignedInt>{mesh.attribute<Math::Vector4<UnsignedShort>>(attribute)[vertex]};
    if(format == VertexFormat::Vector4ui) return mesh.attribute<Math::Vector4<UnsignedInt>>(attribute)[vertex];
    ADD_FAILURE() << "unexpected joint id format " << UnsignedInt(format);
    return {};
}

/* Four weights of any weight format the importer or processMesh() gives */
Vector4 weightsAt(const Trade::MeshData& mesh, const UnsignedInt attribute, const UnsignedInt vertex) {
    const VertexFormat format = mesh.attributeFormat(attribute);
    if(format == VertexFormat::Vector4) return mesh.attribute<Vector4>(attribute)[vertex];
    if(format == VertexFormat::Vector4ubNormalized) return Math::unpack<Vector4>(mesh.attribute<Math::Vector4<UnsignedByte>>(attribute)[vertex]);
    if(format == VertexFormat::Vector4usNormalized) return Math::unpack<Vector4>(mesh.attribute<Math::Vector4<UnsignedShort>>(attribute)[vertex]);
    ADD_FAILURE() << "unexpected weight format " << UnsignedInt(format);
    return {};
}

std::string printed(const Vector3& v) {
    std::ostringstream out;
    out << "(" << v.x() << ", " << v.y() << ", " << v.z() << ")";
    return out.str();
}

/* How normals and tangents end: clamped into the packed range, NaN as 0 */
Float packable(const Float value) {
    return value != value ? 0.0f : Math::clamp(value, -1.0f, 1.0f);
}

/* The layout sets the engine asks for: the batch's default, the bake tool's
   default (with tangents), both with skinning, and everything at once; each
   packed and unpacked */
constexpr MeshDataFlags BatchDefault = MeshDataFlag::Position3D|MeshDataFlag::TextureCoordinates|MeshDataFlag::ObjectId|MeshDataFlag::Normal;
constexpr MeshDataFlags Everything = BatchDefault|MeshDataFlag::TextureCoordinates1|MeshDataFlag::Color|MeshDataFlag::Tangent|MeshDataFlag::Skinning0|MeshDataFlag::Skinning1;

struct FlagSetCase {
    const char* name;
    MeshDataFlags flags;
};

void PrintTo(const FlagSetCase& data, std::ostream* out) { *out << data.name; }

const FlagSetCase FlagSetData[]{
    {"BatchDefaultPacked", BatchDefault|MeshDataFlag::Packed},
    {"BatchDefaultUnpacked", BatchDefault},
    {"TangentsPacked", BatchDefault|MeshDataFlag::Tangent|MeshDataFlag::Packed},
    {"TangentsUnpacked", BatchDefault|MeshDataFlag::Tangent},
    {"SkinningPacked", BatchDefault|MeshDataFlag::Skinning0|MeshDataFlag::Packed},
    {"SkinningUnpacked", BatchDefault|MeshDataFlag::Skinning0},
    {"TangentsSkinningPacked", BatchDefault|MeshDataFlag::Tangent|MeshDataFlag::Skinning0|MeshDataFlag::Packed},
    {"TangentsSkinningUnpacked", BatchDefault|MeshDataFlag::Tangent|MeshDataFlag::Skinning0},
    {"EverythingPacked", Everything|MeshDataFlag::Packed},
    {"EverythingUnpacked", Everything},
};

/* Four-component tangents as floats, the bitangent sign in w */
Containers::Array<Vector4> tangentsOf(const Trade::MeshData& mesh) {
    const Containers::Array<Vector3> tangents = mesh.tangentsAsArray();
    const Containers::Array<Float> signs = mesh.bitangentSignsAsArray();
    Containers::Array<Vector4> out{NoInit, tangents.size()};
    for(std::size_t i = 0; i != tangents.size(); ++i) out[i] = Vector4{tangents[i], signs[i]};
    return out;
}

/* An owned copy of a mesh, its attributes in offset form */
Trade::MeshData copyOf(const Trade::MeshData& mesh) {
    Containers::Array<char> vertexData{NoInit, mesh.vertexData().size()};
    Utility::copy(mesh.vertexData(), vertexData);
    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, mesh.attributeCount()};
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i)
        attributes[i] = Trade::MeshAttributeData{mesh.attributeName(i), mesh.attributeFormat(i), mesh.attributeOffset(i), mesh.vertexCount(), mesh.attributeStride(i), mesh.attributeArraySize(i)};
    if(!mesh.isIndexed())
        return Trade::MeshData{mesh.primitive(), std::move(vertexData), std::move(attributes), mesh.vertexCount()};
    Containers::Array<char> indexData{NoInit, mesh.indexData().size()};
    Utility::copy(mesh.indexData(), indexData);
    const Containers::StridedArrayView2D<const char> indices{indexData, indexData.data() + mesh.indexOffset(),
        {mesh.indexCount(), meshIndexTypeSize(mesh.indexType())}, {mesh.indexStride(), 1}};
    const Trade::MeshIndexData indexView{indices};
    return Trade::MeshData{mesh.primitive(), std::move(indexData), indexView, std::move(vertexData), std::move(attributes), mesh.vertexCount()};
}

/* Occurrence of the attribute at index i among those of its name */
UnsignedInt occurrenceOf(const Containers::ArrayView<const Trade::MeshAttributeData> layout, const std::size_t i) {
    UnsignedInt occurrence = 0;
    for(std::size_t j = 0; j != i; ++j) if(layout[j].name() == layout[i].name()) ++occurrence;
    return occurrence;
}

/* Whether processMesh() should deliver the layout attribute (name, id) for
   the imported mesh: skinning only where it had skinning, tangents where it
   had them or texture coordinates to make them from */
bool expectedPresent(const ImportedSceneCache& cache, const Trade::MeshData& input, const bool hasTriangle, const Trade::MeshAttribute name, const UnsignedInt id) {
    const auto count = [&](const Trade::MeshAttribute attribute) {
        return attribute == Trade::MeshAttribute{} ? 0u : input.attributeCount(attribute);
    };
    if(name == Trade::MeshAttribute::Position || name == Trade::MeshAttribute::Normal) return true;
    if(name == Trade::MeshAttribute::TextureCoordinates) return count(name) > id;
    if(name == Trade::MeshAttribute::Color) return count(name) > 0;
    if(name == Trade::MeshAttribute::Tangent) return count(name) > 0 || (count(Trade::MeshAttribute::TextureCoordinates) > 0 && hasTriangle);
    /* glTF's JOINTS_n and WEIGHTS_n are the n-th of the importer's "JOINTS"
       and "WEIGHTS" */
    const UnsignedInt sets = Math::min(count(cache.jointsAttribute), count(cache.weightsAttribute));
    if(name == Implementation::JointIds0 || name == Implementation::Weights0) return sets >= 1;
    if(name == Implementation::JointIds1 || name == Implementation::Weights1) return sets >= 2;
    ADD_FAILURE() << "no expectation for attribute " << UnsignedInt(name);
    return false;
}

/* Checks one processed mesh against the mesh it came from */
void checkProcessed(const ImportedSceneCache& cache, const MeshDataFlags flags, const Trade::MeshData& input, const Trade::MeshData& processed) {
    const std::vector<UnsignedInt> inCorners = triangleCorners(input);
    const bool hasTriangle = !inCorners.empty();

    /* Triangles out, nothing the batch adds */
    ASSERT_EQ(processed.primitive(), MeshPrimitive::Triangles);
    EXPECT_FALSE(processed.hasAttribute(Trade::MeshAttribute::ObjectId));
    EXPECT_FALSE(processed.hasAttribute(Implementation::NormalPadding));

    /* Every attribute of the layout that the mesh can have, in the packed
       encodings the flags select (processMesh() always packs), and exactly
       the layout's formats once unpacked for an unpacked layout */
    const Containers::Array<Trade::MeshAttributeData> packedLayout = getLayout(flags|MeshDataFlag::Packed, 0);
    const Containers::Array<Trade::MeshAttributeData> layout = getLayout(flags, 0);
    const Trade::MeshData engineForm = flags & MeshDataFlag::Packed ? copyOf(processed) : unpackMesh(flags, copyOf(processed));
    for(std::size_t i = 0; i != packedLayout.size(); ++i) {
        const Trade::MeshAttribute name = packedLayout[i].name();
        if(name == Trade::MeshAttribute::ObjectId || name == Implementation::NormalPadding) continue;
        const UnsignedInt id = occurrenceOf(packedLayout, i);
        SCOPED_TRACE(testing::Message{} << "layout attribute " << UnsignedInt(name) << " id " << id);
        const Containers::Optional<UnsignedInt> found = processed.findAttributeId(name, id);
        if(!expectedPresent(cache, input, hasTriangle, name, id)) {
            EXPECT_FALSE(found);
            continue;
        }
        ASSERT_TRUE(found);
        EXPECT_EQ(processed.attributeFormat(*found), packedLayout[i].format());
        EXPECT_EQ(processed.attributeArraySize(*found), 0);
    }
    for(std::size_t i = 0; i != layout.size(); ++i) {
        const Trade::MeshAttribute name = layout[i].name();
        if(name == Trade::MeshAttribute::ObjectId || name == Implementation::NormalPadding) continue;
        const UnsignedInt id = occurrenceOf(layout, i);
        const Containers::Optional<UnsignedInt> found = engineForm.findAttributeId(name, id);
        if(!found) continue;
        EXPECT_EQ(engineForm.attributeFormat(*found), layout[i].format()) << "attribute " << UnsignedInt(name) << " id " << id;
    }

    /* The same triangles in the same order, each at most rotated, so the
       winding is kept */
    const std::vector<UnsignedInt> outCorners = triangleCorners(processed);
    ASSERT_EQ(outCorners.size(), inCorners.size());
    const Containers::Array<Vector3> inPositions = input.positions3DAsArray();
    const Containers::Array<Vector3> outPositions = processed.positions3DAsArray();
    const bool inHasNormals = input.hasAttribute(Trade::MeshAttribute::Normal);
    const Containers::Array<Vector3> inNormals = inHasNormals ? input.normalsAsArray() : nullptr;
    const Containers::Array<Vector3> outNormals = processed.normalsAsArray();
    const bool outHasTangents = processed.hasAttribute(Trade::MeshAttribute::Tangent);
    const Containers::Array<Vector4> outTangents = outHasTangents ? tangentsOf(processed) : nullptr;
    const bool inHasTangents = input.hasAttribute(Trade::MeshAttribute::Tangent);
    const Containers::Array<Vector4> inTangents = inHasTangents ? tangentsOf(input) : nullptr;
    const bool hasTextureCoordinates = processed.hasAttribute(Trade::MeshAttribute::TextureCoordinates);
    const Containers::Array<Vector2> inTextureCoordinates = hasTextureCoordinates ? input.textureCoordinates2DAsArray() : nullptr;
    const Containers::Array<Vector2> outTextureCoordinates = hasTextureCoordinates ? processed.textureCoordinates2DAsArray() : nullptr;

    std::size_t positionMismatches = 0, normalMismatches = 0, tangentMismatches = 0, textureMismatches = 0;
    std::string firstMismatch;
    for(std::size_t t = 0; t != inCorners.size()/3; ++t) {
        int rotation = -1;
        for(int r = 0; r != 3 && rotation == -1; ++r) {
            bool same = true;
            for(int k = 0; k != 3; ++k)
                same = same && outPositions[outCorners[t*3 + k]] == inPositions[inCorners[t*3 + (k + r) % 3]];
            if(same) rotation = r;
        }
        if(rotation == -1) {
            if(!positionMismatches++) firstMismatch = "triangle " + std::to_string(t) + " starts at " + printed(outPositions[outCorners[t*3]]) + " instead of " + printed(inPositions[inCorners[t*3]]);
            continue;
        }
        for(int k = 0; k != 3; ++k) {
            const UnsignedInt out = outCorners[t*3 + k], in = inCorners[t*3 + (k + rotation) % 3];
            const Vector3 normal = outNormals[out];
            if(inHasNormals) {
                const Vector3 expected{packable(inNormals[in].x()), packable(inNormals[in].y()), packable(inNormals[in].z())};
                if(!(Math::abs(normal - expected) <= Vector3{SignedStep}).all()) ++normalMismatches;
            } else if(std::abs(normal.length() - 1.0f) > UnitTolerance) ++normalMismatches;

            if(outHasTangents) {
                const Vector4 tangent = outTangents[out];
                if(inHasTangents) {
                    const Vector4 expected{packable(inTangents[in].x()), packable(inTangents[in].y()), packable(inTangents[in].z()), packable(inTangents[in].w())};
                    if(!(Math::abs(tangent - expected) <= Vector4{SignedStep}).all()) ++tangentMismatches;
                } else if(std::abs(tangent.xyz().length() - 1.0f) > UnitTolerance || std::abs(std::abs(tangent.w()) - 1.0f) > UnitTolerance)
                    ++tangentMismatches;
            }
            if(hasTextureCoordinates && outTextureCoordinates[out] != inTextureCoordinates[in]) ++textureMismatches;
        }
    }
    EXPECT_EQ(positionMismatches, 0u) << firstMismatch;
    EXPECT_EQ(normalMismatches, 0u) << "normals off their input or not of unit length";
    EXPECT_EQ(tangentMismatches, 0u) << "tangents off their input, not of unit length or without w of +-1";
    EXPECT_EQ(textureMismatches, 0u);

    /* Weights of every referenced vertex sum to 1 */
    const Containers::Optional<UnsignedInt> weights0 = processed.findAttributeId(Implementation::Weights0);
    if(weights0) {
        const Containers::Optional<UnsignedInt> weights1 = processed.findAttributeId(Implementation::Weights1);
        std::size_t sumMismatches = 0;
        for(const UnsignedInt vertex: outCorners) {
            Vector4 w = weightsAt(processed, *weights0, vertex);
            Float sum = w.sum();
            if(weights1) sum += weightsAt(processed, *weights1, vertex).sum();
            if(std::abs(sum - 1.0f) > 8*UnsignedStep) ++sumMismatches;
        }
        EXPECT_EQ(sumMismatches, 0u) << "weights not summing to 1";
    }
}

class ImportedSceneCacheFilesTest: public testing::TestWithParam<FlagSetCase> {};

TEST_P(ImportedSceneCacheFilesTest, EveryMeshOfEveryModel) {
    const FlagSetCase& data = GetParam();
    std::size_t processedCount = 0, refusedCount = 0, skinnedCount = 0, tangentCount = 0;
    for(const std::string& file: modelFiles()) {
        SCOPED_TRACE(file);
        GltfImporter importer;
        std::ostringstream importErrors;
        ImportedSceneCache cache;
        {
            Utility::Error redirectError{&importErrors};
            Utility::Warning redirectWarning{&importErrors};
            if(!importer.openFile(file.c_str())) continue;
            cache.cacheResources(importer);
        }
        for(UnsignedInt i = 0; i != cache.meshes.size(); ++i) {
            if(!cache.meshes[i]) continue;
            SCOPED_TRACE(testing::Message{} << "mesh " << i << " " << cache.meshNames[i].data());
            /* A second copy to compare with, as processMesh() consumes its
               input */
            Containers::Optional<Trade::MeshData> input = importer.mesh(i);
            ASSERT_TRUE(input);

            std::ostringstream warnings;
            bool accepted;
            {
                Utility::Warning redirect{&warnings};
                accepted = cache.canProcessMesh(*cache.meshes[i]);
            }
            EXPECT_EQ(accepted, isTriangles(input->primitive())) << warnings.str();
            if(!accepted) {
                EXPECT_EQ(warnings.str(), "[SceneLoader] Skipping mesh: Only triangle primitives are supported\n");
                ++refusedCount;
                continue;
            }

            Containers::Optional<Trade::MeshData> processed;
            {
                Utility::Warning redirect{&warnings};
                processed = cache.processMesh(data.flags, std::move(*cache.meshes[i]));
            }
            EXPECT_EQ(warnings.str(), "");
            checkProcessed(cache, data.flags, *input, *processed);
            ++processedCount;
            if(processed->hasAttribute(Implementation::Weights0)) ++skinnedCount;
            if(processed->hasAttribute(Trade::MeshAttribute::Tangent)) ++tangentCount;
        }
    }
    /* Nothing passes by finding no files */
    EXPECT_GE(processedCount, 50u);
    EXPECT_GE(refusedCount, 5u);
    EXPECT_GE(skinnedCount, 1u);
    EXPECT_GE(tangentCount, 5u);
}

INSTANTIATE_TEST_SUITE_P(FlagSets, ImportedSceneCacheFilesTest, testing::ValuesIn(FlagSetData),
    [](const testing::TestParamInfo<FlagSetCase>& info) { return std::string{info.param.name}; });

/* simple_skin's JOINTS_0 and WEIGHTS_0 land in the engine's first skinning
   set with their values */
TEST(ImportedSceneCacheFiles, SimpleSkinJointsAndWeights) {
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(modelPath("simple_skin/simple_skin.gltf").c_str()));
    ImportedSceneCache cache;
    {
        /* The file's animation makes the importer warn */
        std::ostringstream out;
        Utility::Warning redirect{&out};
        cache.cacheResources(importer);
    }
    ASSERT_EQ(cache.meshes.size(), 1u);
    ASSERT_TRUE(cache.meshes[0]);
    ASSERT_NE(cache.jointsAttribute, Trade::MeshAttribute{});
    ASSERT_NE(cache.weightsAttribute, Trade::MeshAttribute{});
    const Containers::Optional<Trade::MeshData> input = importer.mesh(0);
    ASSERT_TRUE(input);
    const Containers::Optional<UnsignedInt> inJoints = input->findAttributeId(cache.jointsAttribute);
    const Containers::Optional<UnsignedInt> inWeights = input->findAttributeId(cache.weightsAttribute);
    ASSERT_TRUE(inJoints);
    ASSERT_TRUE(inWeights);

    ASSERT_TRUE(cache.canProcessMesh(*cache.meshes[0]));
    const Trade::MeshData processed = cache.processMesh(MeshDataFlag::Packed|MeshDataFlag::Position3D|MeshDataFlag::Normal|MeshDataFlag::Skinning0, std::move(*cache.meshes[0]));
    ASSERT_EQ(processed.vertexCount(), input->vertexCount());
    EXPECT_EQ(Implementation::JointIds0, Trade::meshAttributeCustom(0));
    EXPECT_EQ(Implementation::Weights0, Trade::meshAttributeCustom(1));
    const Containers::Optional<UnsignedInt> joints = processed.findAttributeId(Trade::meshAttributeCustom(0));
    const Containers::Optional<UnsignedInt> weights = processed.findAttributeId(Trade::meshAttributeCustom(1));
    ASSERT_TRUE(joints);
    ASSERT_TRUE(weights);
    EXPECT_EQ(processed.attributeFormat(*joints), VertexFormat::Vector4us);
    EXPECT_EQ(processed.attributeFormat(*weights), VertexFormat::Vector4usNormalized);
    /* The importer's own names may be the same custom ids; either way one
       set each is left */
    EXPECT_EQ(processed.attributeCount(Trade::meshAttributeCustom(0)), 1u);
    EXPECT_EQ(processed.attributeCount(Trade::meshAttributeCustom(1)), 1u);

    bool anyWeightBelowOne = false;
    for(UnsignedInt v = 0; v != processed.vertexCount(); ++v) {
        SCOPED_TRACE(v);
        const Math::Vector4<UnsignedInt> expectedJoints = jointsAt(*input, *inJoints, v);
        const Math::Vector4<UnsignedShort> actualJoints = processed.attribute<Math::Vector4<UnsignedShort>>(*joints)[v];
        for(std::size_t c = 0; c != 4; ++c) EXPECT_EQ(actualJoints[c], expectedJoints[c]);
        const Vector4 expectedWeights = weightsAt(*input, *inWeights, v);
        const Vector4 actualWeights = weightsAt(processed, *weights, v);
        for(std::size_t c = 0; c != 4; ++c) EXPECT_NEAR(actualWeights[c], expectedWeights[c], UnsignedStep);
        EXPECT_NEAR(actualWeights.sum(), 1.0f, 4*UnsignedStep);
        if(expectedWeights.max() < 0.99f) anyWeightBelowOne = true;
    }
    /* The file blends two joints somewhere, so this is more than (1, 0, 0, 0) */
    EXPECT_TRUE(anyWeightBelowOne);
}

/* Draws positions and normals from the engine's fixed locations; the
   fragment's colour is its normal, alpha 1 */
class NormalShader: public GL::AbstractShaderProgram {
    public:
        explicit NormalShader() {
            const UnsignedInt position = Implementation::attributeLocation(Trade::MeshAttribute::Position, 0)->location;
            const UnsignedInt normal = Implementation::attributeLocation(Trade::MeshAttribute::Normal, 0)->location;
            GL::Shader vert{GL::Version::GL330, GL::Shader::Type::Vertex};
            GL::Shader frag{GL::Version::GL330, GL::Shader::Type::Fragment};
            const std::string vertSource =
                "layout(location = " + std::to_string(position) + ") in highp vec3 position;\n"
                "layout(location = " + std::to_string(normal) + ") in mediump vec3 normal;\n"
                "uniform highp mat4 transformationProjection;\n"
                "uniform mediump mat3 normalMatrix;\n"
                "out mediump vec3 transformedNormal;\n"
                "void main() {\n"
                "    transformedNormal = normalMatrix*normal;\n"
                "    gl_Position = transformationProjection*vec4(position, 1.0);\n"
                "}\n";
            const std::string fragSource =
                "in mediump vec3 transformedNormal;\n"
                "out lowp vec4 color;\n"
                "void main() {\n"
                "    color = vec4(0.5 + 0.5*normalize(transformedNormal), 1.0);\n"
                "}\n";
            vert.addSource(Containers::StringView{vertSource.data(), vertSource.size()});
            frag.addSource(Containers::StringView{fragSource.data(), fragSource.size()});
            vert.submitCompile();
            frag.submitCompile();
            _ok = vert.checkCompile() && frag.checkCompile();
            if(!_ok) return;
            attachShaders({vert, frag});
            _ok = link();
            if(!_ok) return;
            _transformationProjection = uniformLocation("transformationProjection");
            _normalMatrix = uniformLocation("normalMatrix");
        }

        bool ok() const { return _ok; }

        NormalShader& setTransformation(const Matrix4& projection, const Matrix4& transformation) {
            setUniform(_transformationProjection, projection*transformation);
            setUniform(_normalMatrix, transformation.normalMatrix());
            return *this;
        }

    private:
        bool _ok{};
        Int _transformationProjection{-1}, _normalMatrix{-1};
};

/* The processed mesh in exactly the batch's interleaved layout, missing
   attributes zero */
Trade::MeshData toLayout(const Trade::MeshData& mesh, const MeshDataFlags flags) {
    const UnsignedInt vertexCount = mesh.vertexCount();
    Containers::Array<Trade::MeshAttributeData> layout = getLayout(flags, vertexCount);
    Containers::Array<char> vertexData{ValueInit, std::size_t(layout[0].stride())*vertexCount};
    Containers::Array<char> indexData{NoInit, mesh.indexCount()*sizeof(UnsignedInt)};
    mesh.indicesInto(Containers::arrayCast<UnsignedInt>(indexData));
    const Trade::MeshIndexData indices{Containers::StridedArrayView1D<const UnsignedInt>{Containers::arrayCast<const UnsignedInt>(indexData)}};
    Trade::MeshData out{MeshPrimitive::Triangles, std::move(indexData), indices, std::move(vertexData), std::move(layout), vertexCount};
    for(UnsignedInt i = 0; i != out.attributeCount(); ++i) {
        const Containers::Optional<UnsignedInt> from = mesh.findAttributeId(out.attributeName(i), occurrenceOf(out.attributeData(), i));
        if(from && mesh.attributeFormat(*from) == out.attributeFormat(i))
            Utility::copy(mesh.attribute(*from), out.mutableAttribute(i));
    }
    return out;
}

/* All meshes of 2CylinderEngine in one batch, drawn with each object's world
   transformation: the model covers the middle of the picture, the corners
   stay background, and every large enough triangle is drawn where it
   projects */
TEST(ImportedSceneCacheFiles, TwoCylinderEngineDrawnFromOneBatch) {
    REQUIRE_CONTEXT();
    GltfImporter importer;
    ASSERT_TRUE(importer.openFile(modelPath("2CylinderEngine-glTF-Binary/2CylinderEngine.glb").c_str()));
    ImportedSceneCache cache;
    cache.cacheResources(importer);
    ASSERT_TRUE(cache.cacheScene(importer));
    ASSERT_GT(cache.meshes.size(), 10u);

    const MeshDataFlags flags = BatchDefault|MeshDataFlag::Packed;
    MeshBatch batch{getLayout(flags, 0)};
    std::vector<Int> batchMeshOf(cache.meshes.size(), -1);
    std::vector<Containers::Array<Vector3>> positions(cache.meshes.size());
    std::vector<std::vector<UnsignedInt>> corners(cache.meshes.size());
    for(UnsignedInt i = 0; i != cache.meshes.size(); ++i) {
        ASSERT_TRUE(cache.meshes[i]);
        ASSERT_TRUE(cache.canProcessMesh(*cache.meshes[i]));
        const Trade::MeshData processed = cache.processMesh(flags, std::move(*cache.meshes[i]));
        ASSERT_TRUE(processed.isIndexed());
        positions[i] = processed.positions3DAsArray();
        corners[i] = triangleCorners(processed);
        batch.addMesh(toLayout(processed, flags));
        batchMeshOf[i] = Int(batch.meshCount() - 1);
    }
    EXPECT_TRUE(batch.updateMesh());

    /* World transformations, parents before children */
    std::map<UnsignedInt, Matrix4> local, world;
    for(const auto& transformation: cache.scene.transformations) local[transformation.first()] = transformation.second();
    for(const auto& object: cache.scene.objects) {
        const auto found = local.find(object.first());
        const Matrix4 transformation = found == local.end() ? Matrix4{} : found->second;
        const auto parent = object.second() == -1 ? world.end() : world.find(UnsignedInt(object.second()));
        ASSERT_TRUE(object.second() == -1 || parent != world.end());
        world[object.first()] = parent == world.end() ? transformation : parent->second*transformation;
    }
    std::vector<std::pair<UnsignedInt, Matrix4>> draws;
    for(const auto& assignment: cache.scene.meshesMaterials) {
        const auto transformation = world.find(assignment.first());
        ASSERT_NE(transformation, world.end());
        ASSERT_LT(assignment.second().first(), cache.meshes.size());
        draws.emplace_back(assignment.second().first(), transformation->second);
    }
    ASSERT_GE(draws.size(), cache.meshes.size());

    /* Looking down -Z at the whole model, orthographic, a margin around */
    Range3D bounds{Vector3{Constants::inf()}, Vector3{-Constants::inf()}};
    for(const auto& draw: draws) for(const Vector3& p: positions[draw.first]) {
        const Vector3 transformed = draw.second.transformPoint(p);
        bounds = Range3D{Math::min(bounds.min(), transformed), Math::max(bounds.max(), transformed)};
    }
    const Float extent = Math::max(bounds.size().x(), bounds.size().y())*1.25f;
    const Float depth = bounds.size().z()*0.5f + 1.0f;
    const Matrix4 projection = Matrix4::orthographicProjection(Vector2{extent}, -depth, depth)*Matrix4::translation(-bounds.center());

    constexpr Int Size = 256;
    GL::Renderbuffer color, depthBuffer;
    color.setStorage(GL::RenderbufferFormat::RGBA8, Vector2i{Size});
    depthBuffer.setStorage(GL::RenderbufferFormat::DepthComponent24, Vector2i{Size});
    GL::Framebuffer framebuffer{{{}, Vector2i{Size}}};
    framebuffer.attachRenderbuffer(GL::Framebuffer::ColorAttachment{0}, color)
        .attachRenderbuffer(GL::Framebuffer::BufferAttachment::Depth, depthBuffer)
        .mapForDraw(GL::Framebuffer::ColorAttachment{0});
    ASSERT_EQ(framebuffer.checkStatus(GL::FramebufferTarget::Draw), GL::Framebuffer::Status::Complete);
    framebuffer.bind();
    GL::Renderer::setClearColor(Color4{0.0f, 0.0f, 0.0f, 0.0f});
    framebuffer.clear(GL::FramebufferClear::Color|GL::FramebufferClear::Depth);
    GL::Renderer::enable(GL::Renderer::Feature::DepthTest);

    NormalShader shader;
    ASSERT_TRUE(shader.ok());
    for(const auto& draw: draws)
        shader.setTransformation(projection, draw.second).draw(GL::MeshView{batch.mesh(UnsignedInt(batchMeshOf[draw.first]))});
    GL::Renderer::disable(GL::Renderer::Feature::DepthTest);
    const Image2D image = framebuffer.read({{}, Vector2i{Size}}, {PixelFormat::RGBA8Unorm});
    EXPECT_EQ(GL::Renderer::error(), GL::Renderer::Error::NoError);
    const Containers::StridedArrayView2D<const Color4ub> pixels = image.pixels<Color4ub>();
    const auto covered = [&](const Int x, const Int y) { return pixels[y][x].a() == 255; };

    /* Where the model projects, in pixels; rows count from the bottom like
       GL's */
    const auto toPixel = [&](const Vector3& world) {
        const Vector3 ndc = projection.transformPoint(world);
        return (ndc.xy()*0.5f + Vector2{0.5f})*Float(Size);
    };
    Range2D screenBounds{Vector2{Constants::inf()}, Vector2{-Constants::inf()}};
    std::size_t largeTriangles = 0, largeUncovered = 0;
    for(const auto& draw: draws) {
        const std::vector<UnsignedInt>& meshCorners = corners[draw.first];
        for(std::size_t t = 0; t + 2 < meshCorners.size(); t += 3) {
            const Vector2 a = toPixel(draw.second.transformPoint(positions[draw.first][meshCorners[t]]));
            const Vector2 b = toPixel(draw.second.transformPoint(positions[draw.first][meshCorners[t + 1]]));
            const Vector2 c = toPixel(draw.second.transformPoint(positions[draw.first][meshCorners[t + 2]]));
            screenBounds = Range2D{Math::min(Math::min(screenBounds.min(), a), Math::min(b, c)), Math::max(Math::max(screenBounds.max(), a), Math::max(b, c))};
            /* With an inscribed circle of radius 1.5, the centroid is more
               than a pixel away from every edge, so the triangle certainly
               covers the centre of the pixel under it */
            const Float area = std::abs(Math::cross(b - a, c - a))*0.5f;
            const Float perimeter = (b - a).length() + (c - b).length() + (a - c).length();
            if(perimeter <= 0.0f || 2.0f*area/perimeter < 1.5f) continue;
            const Vector2 centroid = (a + b + c)/3.0f;
            ++largeTriangles;
            if(!covered(Int(centroid.x()), Int(centroid.y()))) ++largeUncovered;
        }
    }
    EXPECT_GE(largeTriangles, 10u);
    EXPECT_EQ(largeUncovered, 0u);

    /* Outside the projected bounds (a pixel of rasterization slack) only
       background; inside, a good part covered, every covered pixel with a
       unit normal */
    std::size_t outsideCovered = 0, insideCovered = 0, insidePixels = 0, badNormals = 0;
    for(Int y = 0; y != Size; ++y) for(Int x = 0; x != Size; ++x) {
        const Vector2 center{x + 0.5f, y + 0.5f};
        const bool inside = (center >= screenBounds.min() - Vector2{1.0f}).all() && (center <= screenBounds.max() + Vector2{1.0f}).all();
        if(!inside) {
            if(covered(x, y)) ++outsideCovered;
            else EXPECT_EQ(pixels[y][x], Color4ub{}) << x << " " << y;
            continue;
        }
        ++insidePixels;
        if(!covered(x, y)) continue;
        ++insideCovered;
        const Vector3 normal = Vector3{pixels[y][x].rgb()}/127.5f - Vector3{1.0f};
        if(std::abs(normal.length() - 1.0f) > 0.05f) ++badNormals;
    }
    EXPECT_EQ(outsideCovered, 0u);
    EXPECT_GT(insideCovered, insidePixels/4);
    EXPECT_EQ(badNormals, 0u);
    /* The model fills the middle, the corners are background */
    EXPECT_TRUE(covered(Size/2, Size/2) || covered(Size/2 - 4, Size/2) || covered(Size/2 + 4, Size/2));
    for(const Vector2i corner: {Vector2i{0, 0}, Vector2i{Size - 1, 0}, Vector2i{0, Size - 1}, Vector2i{Size - 1, Size - 1}})
        EXPECT_FALSE(covered(corner.x(), corner.y()));
}

}}}
