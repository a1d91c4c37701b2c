#include "VelmoraEngine/Tools/ImportedSceneCache.h"

#include <algorithm>
#include <utility>

#include <Corrade/Containers/GrowableArray.h>
#include <Corrade/Containers/StridedArrayView.h>
#include <Corrade/Utility/Assert.h>
#include <Corrade/Utility/Debug.h>
#include <Corrade/Utility/Format.h>
#include <Magnum/Math/Color.h>
#include <Magnum/Math/Functions.h>
#include <Magnum/Math/Vector4.h>
#include <Magnum/Mesh.h>
#include <Magnum/Trade/AbstractImporter.h>
#include <Magnum/Trade/SceneData.h>
#include <Magnum/VertexFormat.h>

#include "VelmoraEngine/Implementation/EngineAttributes.h"
#include "VelmoraEngine/Tools/MeshTools.h"

namespace VelmoraEngine {

using namespace Magnum;
using namespace Corrade;

ImportedSceneCache::ImportedSceneCache() = default;
ImportedSceneCache::ImportedSceneCache(ImportedSceneCache&&) noexcept = default;
ImportedSceneCache& ImportedSceneCache::operator=(ImportedSceneCache&&) noexcept = default;
ImportedSceneCache::~ImportedSceneCache() = default;

namespace {

/* Fills items (and names) for indices 0 to count - 1, replacing whatever an
   earlier call left */
template<class T, class Get, class GetName> void cacheKind(Containers::Array<Containers::Optional<T>>& items, Containers::Array<Containers::String>* names, const UnsignedInt count, Get get, GetName getName) {
    Containers::arrayResize(items, count);
    if(names) Containers::arrayResize(*names, count);
    for(UnsignedInt i = 0; i != count; ++i) {
        items[i] = get(i);
        if(names) (*names)[i] = getName(i);
    }
}

}

void ImportedSceneCache::cacheResources(Trade::AbstractImporter& importer) {
    cacheKind(images, &imageNames, importer.image2DCount(),
        [&](UnsignedInt i) { return importer.image2D(i, 0); },
        [&](UnsignedInt i) { return importer.image2DName(i); });
    cacheKind(textures, &textureNames, importer.textureCount(),
        [&](UnsignedInt i) { return importer.texture(i); },
        [&](UnsignedInt i) { return importer.textureName(i); });
    cacheKind(materials, &materialNames, importer.materialCount(),
        [&](UnsignedInt i) { return importer.material(i); },
        [&](UnsignedInt i) { return importer.materialName(i); });
    cacheKind(meshes, &meshNames, importer.meshCount(),
        [&](UnsignedInt i) { return importer.mesh(i, 0); },
        [&](UnsignedInt i) { return importer.meshName(i); });
    cacheKind(skins, &skinNames, importer.skin3DCount(),
        [&](UnsignedInt i) { return importer.skin3D(i); },
        [&](UnsignedInt i) { return importer.skin3DName(i); });
    const auto noName = [](UnsignedInt) { return Containers::String{}; };
    cacheKind(cameras, nullptr, importer.cameraCount(),
        [&](UnsignedInt i) { return importer.camera(i); }, noName);
    cacheKind(lights, nullptr, importer.lightCount(),
        [&](UnsignedInt i) { return importer.light(i); }, noName);
    cacheKind(animations, &animationNames, importer.animationCount(),
        [&](UnsignedInt i) { return importer.animation(i); },
        [&](UnsignedInt i) { return importer.animationName(i); });

    jointsAttribute = importer.meshAttributeForName("JOINTS");
    weightsAttribute = importer.meshAttributeForName("WEIGHTS");
    joints0Attribute = importer.meshAttributeForName("JOINTS_0");
    weights0Attribute = importer.meshAttributeForName("WEIGHTS_0");
    joints1Attribute = importer.meshAttributeForName("JOINTS_1");
    weights1Attribute = importer.meshAttributeForName("WEIGHTS_1");
}

bool ImportedSceneCache::cacheScene(Trade::AbstractImporter& importer) {
    const UnsignedLong objectCount = importer.objectCount();
    Containers::arrayResize(objectNames, std::size_t(objectCount));
    for(UnsignedLong i = 0; i != objectCount; ++i)
        objectNames[i] = importer.objectName(i);

    /* A file can have scenes but name none as the default */
    Int sceneId = importer.defaultScene();
    if(sceneId == -1 && importer.sceneCount()) sceneId = 0;
    if(sceneId == -1) {
        Utility::Error{} << "No scene found in file";
        return false;
    }
    Containers::Optional<Trade::SceneData> data = importer.scene(UnsignedInt(sceneId));
    if(!data) {
        Utility::Error{} << "Cannot load scene";
        return false;
    }
    /* A scene without transformations is neither 2D nor 3D */
    if(data->is2D()) {
        Utility::Error{} << "Scene is not 3D";
        return false;
    }

    const UnsignedLong bound = data->mappingBound();

    /* Child lists from one pass over the parent field, each in field order.
       Entries naming an object or a parent outside the bound are dropped, so
       nothing out of range is ever visited. */
    Containers::Array<Containers::Pair<UnsignedInt, Int>> parents;
    if(data->hasField(Trade::SceneField::Parent)) parents = data->parentsAsArray();
    Containers::Array<UnsignedInt> entries;
    Containers::arrayReserve(entries, parents.size());
    for(UnsignedInt i = 0; i != parents.size(); ++i) {
        const Int parent = parents[i].second();
        if(parents[i].first() < bound && parent >= -1 && (parent == -1 || UnsignedLong(parent) < bound))
            Containers::arrayAppend(entries, i);
    }
    std::stable_sort(entries.begin(), entries.end(), [&](UnsignedInt a, UnsignedInt b) {
        return parents[a].second() < parents[b].second();
    });
    const auto childrenOf = [&](const Int parent) {
        const UnsignedInt* const begin = std::lower_bound(entries.begin(), entries.end(), parent, [&](UnsignedInt entry, Int value) {
            return parents[entry].second() < value;
        });
        const UnsignedInt* end = begin;
        while(end != entries.end() && parents[*end].second() == parent) ++end;
        return Containers::arrayView(begin, end - begin);
    };

    /* Each object is visited once, even when the field lists it under two
       parents or in a cycle; the flags are indexed by the sorted ids */
    Containers::Array<UnsignedInt> ids{NoInit, entries.size()};
    for(std::size_t i = 0; i != entries.size(); ++i) ids[i] = parents[entries[i]].first();
    std::sort(ids.begin(), ids.end());
    const std::size_t idCount = std::unique(ids.begin(), ids.end()) - ids.begin();
    Containers::Array<bool> scheduled{ValueInit, idCount};
    const auto flagOf = [&](const UnsignedInt object) -> bool& {
        return scheduled[std::lower_bound(ids.begin(), ids.begin() + idCount, object) - ids.begin()];
    };

    /* Depth-first pre-order with an explicit stack, so deep chains don't
       exhaust the call stack. Unnamed children are numbered per parent. */
    Containers::Array<Containers::Pair<UnsignedInt, Int>> objects;
    Containers::arrayReserve(objects, idCount);
    Containers::Array<Containers::Pair<UnsignedInt, Int>> stack;
    const auto schedule = [&](const Int parent) {
        const std::size_t stackSize = stack.size();
        UnsignedInt unnamed = 0;
        for(const UnsignedInt entry: childrenOf(parent)) {
            const UnsignedInt child = parents[entry].first();
            bool& flag = flagOf(child);
            if(flag) continue;
            flag = true;
            if(child < objectNames.size() && objectNames[child].isEmpty())
                objectNames[child] = Utility::format("object_{}", unnamed++);
            Containers::arrayAppend(stack, Containers::pair(child, parent));
        }
        std::reverse(stack.begin() + stackSize, stack.end());
    };
    schedule(-1);
    while(!stack.isEmpty()) {
        const Containers::Pair<UnsignedInt, Int> next = stack.back();
        Containers::arrayRemoveSuffix(stack, 1);
        Containers::arrayAppend(objects, next);
        schedule(Int(next.first()));
    }

    scene.mappingBound = bound;
    const Containers::ArrayView<const UnsignedInt> roots = childrenOf(-1);
    scene.rootObjects = Containers::Array<UnsignedLong>{NoInit, roots.size()};
    for(std::size_t i = 0; i != roots.size(); ++i)
        scene.rootObjects[i] = parents[roots[i]].first();
    scene.objects = std::move(objects);

    /* A field the scene lacks leaves nothing behind from an earlier scene */
    const bool hasTransformations = data->hasField(Trade::SceneField::Transformation) ||
        data->hasField(Trade::SceneField::Translation) ||
        data->hasField(Trade::SceneField::Rotation) ||
        data->hasField(Trade::SceneField::Scaling);
    scene.transformations = hasTransformations ? data->transformations3DAsArray() : nullptr;
    scene.meshesMaterials = data->hasField(Trade::SceneField::Mesh) ? data->meshesMaterialsAsArray() : nullptr;
    scene.skins = data->hasField(Trade::SceneField::Skin) ? data->skinsAsArray() : nullptr;
    scene.cameras = data->hasField(Trade::SceneField::Camera) ? data->camerasAsArray() : nullptr;
    scene.lights = data->hasField(Trade::SceneField::Light) ? data->lightsAsArray() : nullptr;
    return true;
}

namespace {

typedef Trade::MeshData(*Conversion)(Trade::MeshData&&, Trade::MeshAttribute, unsigned int);

/* A format an attribute can arrive in and what makes it one the packed
   layouts take; a null conversion keeps it. The warning, if any, is printed
   before converting. */
struct Rule {
    VertexFormat format;
    Conversion convert;
    const char* warning;
};

template<class From, class To> Trade::MeshData cast(Trade::MeshData&& mesh, Trade::MeshAttribute name, unsigned int id) {
    return MeshTools::castAttribute<From, To>(std::move(mesh), name, id);
}

template<class From, class To> Trade::MeshData castNormalized(Trade::MeshData&& mesh, Trade::MeshAttribute name, unsigned int id) {
    return MeshTools::castNormalizedAttribute<From, To>(std::move(mesh), name, id);
}

template<class From> Trade::MeshData castNormalizedColor3(Trade::MeshData&& mesh, Trade::MeshAttribute name, unsigned int id) {
    return MeshTools::castAttribute<Color3, Color4>(MeshTools::castNormalizedAttribute<From, Vector3>(std::move(mesh), name, id), name, id);
}

const Rule PositionRules[]{
    {VertexFormat::Vector3, nullptr, nullptr},
    {VertexFormat::Vector3b, cast<Vector3b, Vector3>},
    {VertexFormat::Vector3ub, cast<Vector3ub, Vector3>},
    {VertexFormat::Vector3s, cast<Vector3s, Vector3>},
    {VertexFormat::Vector3us, cast<Vector3us, Vector3>},
    {VertexFormat::Vector3bNormalized, castNormalized<Vector3b, Vector3>},
    {VertexFormat::Vector3ubNormalized, castNormalized<Vector3ub, Vector3>},
    {VertexFormat::Vector3sNormalized, castNormalized<Vector3s, Vector3>},
    {VertexFormat::Vector3usNormalized, castNormalized<Vector3us, Vector3>},
};

const Rule NormalRules[]{
    {VertexFormat::Vector3, nullptr},
    {VertexFormat::Vector3bNormalized, castNormalized<Vector3b, Vector3>},
    {VertexFormat::Vector3sNormalized, castNormalized<Vector3s, Vector3>},
};

const Rule TangentRules[]{
    {VertexFormat::Vector4, nullptr},
    {VertexFormat::Vector4bNormalized, castNormalized<Vector4b, Vector4>},
    {VertexFormat::Vector4sNormalized, castNormalized<Vector4s, Vector4>},
};

const Rule TextureCoordinateRules[]{
    {VertexFormat::Vector2, nullptr},
    {VertexFormat::Vector2b, cast<Vector2b, Vector2>},
    {VertexFormat::Vector2ub, cast<Vector2ub, Vector2>},
    {VertexFormat::Vector2s, cast<Vector2s, Vector2>},
    {VertexFormat::Vector2us, cast<Vector2us, Vector2>},
    {VertexFormat::Vector2bNormalized, castNormalized<Vector2b, Vector2>},
    {VertexFormat::Vector2ubNormalized, castNormalized<Vector2ub, Vector2>},
    {VertexFormat::Vector2sNormalized, castNormalized<Vector2s, Vector2>},
    {VertexFormat::Vector2usNormalized, castNormalized<Vector2us, Vector2>},
};

const Rule JointIdRules[]{
    {VertexFormat::Vector4us, nullptr},
    {VertexFormat::Vector4ub, cast<Vector4ub, Vector4us>},
    {VertexFormat::Vector4ui, cast<Vector4ui, Vector4us>, "[SceneLoader] Casting joint ids down to UnsignedShort. If the skeleton has more than 65535 bones, this is will lose information."},
};

const Rule WeightRules[]{
    {VertexFormat::Vector4, nullptr},
    {VertexFormat::Vector4ubNormalized, castNormalized<Vector4ub, Vector4>},
    {VertexFormat::Vector4usNormalized, castNormalized<Vector4us, Vector4>},
};

const Rule ColorRules[]{
    {VertexFormat::Vector4, nullptr},
    {VertexFormat::Vector3, cast<Color3, Color4>},
    {VertexFormat::Vector4ubNormalized, castNormalized<Vector4ub, Vector4>},
    {VertexFormat::Vector4usNormalized, castNormalized<Vector4us, Vector4>},
    {VertexFormat::Vector3ubNormalized, castNormalizedColor3<Vector3ub>},
    {VertexFormat::Vector3usNormalized, castNormalizedColor3<Vector3us>},
};

template<std::size_t size> const Rule* findRule(const Rule(&rules)[size], const VertexFormat format) {
    for(const Rule& rule: rules) if(rule.format == format) return &rule;
    return nullptr;
}

/* Applies the rule for the format of attribute (name, id); false when the
   format has none */
template<std::size_t size> bool convert(Trade::MeshData& mesh, const Rule(&rules)[size], const Trade::MeshAttribute name, const UnsignedInt id) {
    const Rule* const rule = findRule(rules, mesh.attributeFormat(name, id));
    if(!rule) return false;
    if(rule->warning) Utility::Warning{} << rule->warning;
    if(rule->convert) mesh = rule->convert(std::move(mesh), name, id);
    return true;
}

/* Warns "<what> <format>, ignoring" and drops every attribute of the name
   when attribute (name, 0) has no rule */
template<std::size_t size> void convertOrDrop(Trade::MeshData& mesh, const Rule(&rules)[size], const Trade::MeshAttribute name, const char* what) {
    if(!mesh.hasAttribute(name)) return;
    const VertexFormat format = mesh.attributeFormat(name);
    if(convert(mesh, rules, name, 0)) return;
    Utility::Warning{} << what << format << Utility::Debug::nospace << ", ignoring";
    mesh = MeshTools::removeAttribute(std::move(mesh), name, MeshTools::AllAttributes);
}

bool isEngineName(const Trade::MeshAttribute name) {
    return name == Implementation::JointIds0 || name == Implementation::Weights0 ||
           name == Implementation::JointIds1 || name == Implementation::Weights1 ||
           name == Implementation::NormalPadding;
}

/* Whether the mesh has at least one whole triangle */
bool hasTriangle(const Trade::MeshData& mesh) {
    return (mesh.isIndexed() ? mesh.indexCount() : mesh.vertexCount()) >= 3;
}

}

bool ImportedSceneCache::canProcessMesh(const Trade::MeshData& mesh) {
    const MeshPrimitive primitive = mesh.primitive();
    if(primitive != MeshPrimitive::Triangles && primitive != MeshPrimitive::TriangleStrip && primitive != MeshPrimitive::TriangleFan) {
        Utility::Warning{} << "[SceneLoader] Skipping mesh: Only triangle primitives are supported";
        return false;
    }
    if(!mesh.hasAttribute(Trade::MeshAttribute::Position)) {
        Utility::Warning{} << "[SceneLoader] Skipping mesh: Missing position attribute";
        return false;
    }
    /* A position processMesh() would give up on can't be batched with packed
       meshes */
    const VertexFormat positionFormat = mesh.attributeFormat(Trade::MeshAttribute::Position);
    if(!findRule(PositionRules, positionFormat)) {
        Utility::Warning{} << "[SceneLoader] Skipping mesh: Unsupported position format" << positionFormat;
        return false;
    }

    /* An index past the vertices would make every later step read out of
       range; checked once here */
    if(mesh.isIndexed()) {
        const MeshIndexType type = mesh.indexType();
        if(isMeshIndexTypeImplementationSpecific(type)) {
            Utility::Warning{} << "[SceneLoader] Skipping mesh: Unsupported index type" << type;
            return false;
        }
        const UnsignedInt vertexCount = mesh.vertexCount();
        UnsignedInt max = 0;
        bool any = false;
        const auto scan = [&](auto indices) {
            for(const auto index: indices) {
                any = true;
                if(index > max) max = index;
            }
        };
        if(type == MeshIndexType::UnsignedByte) scan(mesh.indices<UnsignedByte>());
        else if(type == MeshIndexType::UnsignedShort) scan(mesh.indices<UnsignedShort>());
        else scan(mesh.indices<UnsignedInt>());
        if(any && max >= vertexCount) {
            Utility::Warning{} << "[SceneLoader] Skipping mesh: Index" << max << "out of range for" << vertexCount << "vertices";
            return false;
        }
    }
    return true;
}

Trade::MeshData ImportedSceneCache::processMesh(const MeshDataFlags flags, Trade::MeshData&& meshData) {
    CORRADE_ASSERT(meshData.vertexDataFlags() & Trade::DataFlag::Owned,
        "SceneLoader::addMesh(): MeshData vertex data is not owned", (Trade::MeshData{MeshPrimitive::Triangles, 0}));
    CORRADE_ASSERT(!meshData.isIndexed() || (meshData.indexDataFlags() & Trade::DataFlag::Owned),
        "SceneLoader::addMesh(): MeshData index data is not owned", (Trade::MeshData{MeshPrimitive::Triangles, 0}));

    Trade::MeshData mesh = std::move(meshData);

    /* Strips and fans of fewer than three elements have no triangle to
       convert; they become an empty triangle list below */
    if(mesh.primitive() != MeshPrimitive::Triangles) {
        const bool stripOrFan = mesh.primitive() == MeshPrimitive::TriangleStrip || mesh.primitive() == MeshPrimitive::TriangleFan;
        if(!stripOrFan || hasTriangle(mesh))
            mesh = MeshTools::convertToTriangles(std::move(mesh));
    }

    /* Everything is read before the data is released, which zeroes the
       counts. Attributes are rebuilt in offset form with the cut vertex
       count, in an array of our own: the importer's list may be shared. */
    const bool indexed = mesh.isIndexed();
    const UnsignedInt wholeVertexCount = indexed ? mesh.vertexCount() : mesh.vertexCount()/3*3;
    Containers::StridedArrayView2D<const char> indices;
    if(indexed) indices = mesh.indices().prefix(mesh.indexCount()/3*3);

    Containers::Array<Trade::MeshAttributeData> attributes{ValueInit, mesh.attributeCount()};
    UnsignedInt jointsCount = 0, weightsCount = 0;
    UnsignedShort freeCustomId = 43;
    const auto unusedCustomName = [&]() {
        for(;; ++freeCustomId) {
            const Trade::MeshAttribute candidate = Trade::meshAttributeCustom(freeCustomId);
            bool used = false;
            for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i)
                if(mesh.attributeName(i) == candidate) used = true;
            if(!used) return Trade::meshAttributeCustom(freeCustomId++);
        }
    };
    for(UnsignedInt i = 0; i != mesh.attributeCount(); ++i) {
        Trade::MeshAttribute name = mesh.attributeName(i);
        VertexFormat format = mesh.attributeFormat(i);
        UnsignedShort arraySize = mesh.attributeArraySize(i);
        if(Trade::isMeshAttributeCustom(name)) {
            Trade::MeshAttribute engineName{};
            if(name == joints0Attribute) engineName = Implementation::JointIds0;
            else if(name == joints1Attribute) engineName = Implementation::JointIds1;
            else if(name == weights0Attribute) engineName = Implementation::Weights0;
            else if(name == weights1Attribute) engineName = Implementation::Weights1;
            else if(name == jointsAttribute) {
                if(jointsCount < 2) engineName = jointsCount == 0 ? Implementation::JointIds0 : Implementation::JointIds1;
                ++jointsCount;
            } else if(name == weightsAttribute) {
                if(weightsCount < 2) engineName = weightsCount == 0 ? Implementation::Weights0 : Implementation::Weights1;
                ++weightsCount;
            }

            if(engineName != Trade::MeshAttribute{}) {
                name = engineName;
                /* An array of n scalars is an n-component vector to the
                   engine */
                if(arraySize >= 2 && arraySize <= 4 && !isVertexFormatImplementationSpecific(format) && vertexFormatComponentCount(format) == 1) {
                    format = vertexFormat(format, arraySize, isVertexFormatNormalized(format));
                    arraySize = 0;
                }
            /* The importer numbers its own attributes from 0 as well; one
               that merely shares an engine name must not be taken for one */
            } else if(isEngineName(name)) name = unusedCustomName();
        }
        attributes[i] = Trade::MeshAttributeData{name, format, mesh.attributeOffset(i), wholeVertexCount, mesh.attributeStride(i), arraySize, mesh.attributeMorphTargetId(i)};
    }

    const MeshPrimitive primitive = MeshPrimitive::Triangles;
    Containers::Array<char> indexData = mesh.releaseIndexData();
    Containers::Array<char> vertexData = mesh.releaseVertexData();
    if(indexed) {
        const Trade::MeshIndexData indexView{indices};
        mesh = Trade::MeshData{primitive, std::move(indexData), indexView, std::move(vertexData), std::move(attributes), wholeVertexCount};
    } else {
        mesh = Trade::MeshData{primitive, std::move(vertexData), std::move(attributes), wholeVertexCount};
    }

    /* Position */
    const VertexFormat positionFormat = mesh.attributeFormat(Trade::MeshAttribute::Position);
    if(!convert(mesh, PositionRules, Trade::MeshAttribute::Position, 0)) {
        Utility::Warning{} << "[SceneLoader] Skipping mesh: Unsupported position format" << positionFormat;
        return mesh;
    }

    /* Normals, generated where missing or unusable */
    if(mesh.hasAttribute(Trade::MeshAttribute::Normal)) {
        const VertexFormat format = mesh.attributeFormat(Trade::MeshAttribute::Normal);
        if(!convert(mesh, NormalRules, Trade::MeshAttribute::Normal, 0)) {
            Utility::Warning{} << "[SceneLoader] Unsupported normal format" << format << Utility::Debug::nospace << ", generating normals";
            mesh = MeshTools::removeAttribute(std::move(mesh), Trade::MeshAttribute::Normal, MeshTools::AllAttributes);
        }
    }
    if(!mesh.hasAttribute(Trade::MeshAttribute::Normal))
        mesh = MeshTools::generateNormals(std::move(mesh));

    convertOrDrop(mesh, TangentRules, Trade::MeshAttribute::Tangent, "[SceneLoader] Unsupported tangent format");

    /* Texture coordinates: one unusable set drops them all */
    for(UnsignedInt id = 0; id < mesh.attributeCount(Trade::MeshAttribute::TextureCoordinates); ++id) {
        const VertexFormat format = mesh.attributeFormat(Trade::MeshAttribute::TextureCoordinates, id);
        if(!convert(mesh, TextureCoordinateRules, Trade::MeshAttribute::TextureCoordinates, id)) {
            Utility::Warning{} << "[SceneLoader] Unsupported texture coordinate format" << format << Utility::Debug::nospace << ", ignoring";
            mesh = MeshTools::removeAttribute(std::move(mesh), Trade::MeshAttribute::TextureCoordinates, MeshTools::AllAttributes);
            break;
        }
    }

    convertOrDrop(mesh, JointIdRules, Implementation::JointIds0, "[SceneLoader] Unsupported joint id format");
    convertOrDrop(mesh, JointIdRules, Implementation::JointIds1, "[SceneLoader] Unsupported joint id format");
    convertOrDrop(mesh, WeightRules, Implementation::Weights0, "[SceneLoader] Unsupported joint weight format");
    convertOrDrop(mesh, WeightRules, Implementation::Weights1, "[SceneLoader] Unsupported joint weight format");
    convertOrDrop(mesh, ColorRules, Trade::MeshAttribute::Color, "[SceneLoader] Unsupported color format");

    /* More than two skinning sets: the first two carry all the weight. Only
       when both kept sets are there as floats, and a vertex without any
       weight keeps its zeros. */
    if(jointsCount > 2 || weightsCount > 2) {
        Utility::Warning{} << "[SceneLoader] Found" << Int(Math::max(jointsCount, weightsCount)) << "sets of skinning attributes, only importing the first two sets";
        if(mesh.hasAttribute(Implementation::Weights0) && mesh.hasAttribute(Implementation::Weights1) &&
           mesh.attributeFormat(Implementation::Weights0) == VertexFormat::Vector4 &&
           mesh.attributeFormat(Implementation::Weights1) == VertexFormat::Vector4) {
            const Containers::StridedArrayView1D<Vector4> weights0 = mesh.mutableAttribute<Vector4>(Implementation::Weights0);
            const Containers::StridedArrayView1D<Vector4> weights1 = mesh.mutableAttribute<Vector4>(Implementation::Weights1);
            for(std::size_t i = 0; i != weights0.size(); ++i) {
                const Vector4 a = weights1[i], b = weights0[i];
                const Float sum = (a.x() + a.y() + a.z() + a.w()) + (b.x() + b.y() + b.z() + b.w());
                if(sum == 0.0f) continue;
                const Float factor = 1.0f/sum;
                weights0[i] *= factor;
                weights1[i] *= factor;
            }
        }
    }

    /* Tangents need a whole triangle to come from */
    if(!mesh.hasAttribute(Trade::MeshAttribute::Tangent) && mesh.attributeCount(Trade::MeshAttribute::TextureCoordinates) && hasTriangle(mesh))
        mesh = MeshTools::generateTangents(std::move(mesh));

    return packMesh(flags, std::move(mesh));
}

}
