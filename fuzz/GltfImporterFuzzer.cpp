/* libFuzzer target: arbitrary bytes opened as GLB and as glTF text, every
   item read. Errors are expected and silenced; crashes, sanitizer reports and
   hangs are findings. */
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <sstream>
#include <vector>

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

using namespace Magnum;
using namespace Corrade;

namespace {

volatile Float sink;
void consume(const Vector3& value) { sink = value.x() + value.y() + value.z(); }
void consume(const Quaternion& value) { sink = value.scalar() + value.vector().x(); }

/* Interpolates a track between each pair of keys (the first few) and at its
   ends, so the interpolators see what the importer gives them */
template<class V> void evaluate(const Trade::AnimationData& animation, const UnsignedInt id) {
    const auto track = animation.track<V>(id);
    const Containers::StridedArrayView1D<const Float> keys = track.keys();
    std::size_t hint = 0;
    for(std::size_t k = 0; k + 1 < keys.size() && k != 16; ++k)
        consume(track.at(keys[k] + (keys[k + 1] - keys[k])*0.5f, hint));
    if(!keys.isEmpty()) {
        consume(track.at(keys.front() - 1.0f));
        consume(track.at(keys.back() + 1.0f));
    }
}

void evaluateAnimation(const Trade::AnimationData& animation) {
    for(UnsignedInt t = 0; t != animation.trackCount(); ++t) {
        switch(animation.trackType(t)) {
            case Trade::AnimationTrackType::Vector3: evaluate<Vector3>(animation, t); break;
            case Trade::AnimationTrackType::Quaternion: evaluate<Quaternion>(animation, t); break;
            case Trade::AnimationTrackType::CubicHermite3D: evaluate<CubicHermite3D>(animation, t); break;
            case Trade::AnimationTrackType::CubicHermiteQuaternion: evaluate<CubicHermiteQuaternion>(animation, t); break;
            default: break;
        }
    }
}

void readEverything(Trade::AbstractImporter& importer) {
    for(UnsignedInt i = 0; i != importer.sceneCount(); ++i) {
        Containers::Optional<Trade::SceneData> scene = importer.scene(i);
        if(!scene) continue;
        if(scene->hasField(Trade::SceneField::Parent)) scene->parentsAsArray();
        if(scene->is3D()) scene->transformations3DAsArray();
        if(scene->hasField(Trade::SceneField::Mesh)) scene->meshesMaterialsAsArray();
        if(scene->hasField(Trade::SceneField::Skin)) scene->skinsAsArray();
        if(scene->hasField(Trade::SceneField::Camera)) scene->camerasAsArray();
        if(scene->hasField(Trade::SceneField::Light)) scene->lightsAsArray();
        scene->childrenFor(-1);
    }
    for(UnsignedLong i = 0; i != importer.objectCount(); ++i) importer.objectName(i);
    for(UnsignedInt i = 0; i != importer.image2DCount(); ++i) importer.image2D(i);
    for(UnsignedInt i = 0; i != importer.textureCount(); ++i) importer.texture(i);
    for(UnsignedInt i = 0; i != importer.materialCount(); ++i) importer.material(i);
    for(UnsignedInt i = 0; i != importer.meshCount(); ++i) {
        Containers::Optional<Trade::MeshData> mesh = importer.mesh(i);
        if(!mesh) continue;
        if(mesh->isIndexed()) mesh->indicesAsArray();
        for(UnsignedInt a = 0; a != mesh->attributeCount(); ++a) {
            /* Touch every byte of every attribute */
            const Containers::StridedArrayView2D<const char> data = mesh->attribute(a);
            volatile char sum = 0;
            for(const Containers::StridedArrayView1D<const char> element: data)
                for(const char c: element) sum = sum + c;
        }
    }
    for(UnsignedInt i = 0; i != importer.skin3DCount(); ++i) importer.skin3D(i);
    for(UnsignedInt i = 0; i != importer.cameraCount(); ++i) importer.camera(i);
    for(UnsignedInt i = 0; i != importer.lightCount(); ++i) importer.light(i);
    for(UnsignedInt i = 0; i != importer.animationCount(); ++i) {
        Containers::Optional<Trade::AnimationData> animation = importer.animation(i);
        if(animation) evaluateAnimation(*animation);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ostringstream out;
    Utility::Error redirectError{&out};
    Utility::Warning redirectWarning{&out};

    VelmoraEngine::GltfImporter importer;
    if(importer.openData(Containers::ArrayView<const void>{data, size})) readEverything(importer);

    /* The same bytes behind a GLB header, so text mutations reach the binary
       path and the other way around */
    if(size < 1 << 20) {
        std::vector<char> glb(20 + size);
        const std::uint32_t version = 2, length = std::uint32_t(glb.size()), jsonLength = std::uint32_t(size), json = 0x4E4F534A;
        std::memcpy(glb.data(), "glTF", 4);
        std::memcpy(glb.data() + 4, &version, 4);
        std::memcpy(glb.data() + 8, &length, 4);
        std::memcpy(glb.data() + 12, &jsonLength, 4);
        std::memcpy(glb.data() + 16, &json, 4);
        if(size) std::memcpy(glb.data() + 20, data, size);
        if(importer.openData(Containers::ArrayView<const void>{glb.data(), glb.size()})) readEverything(importer);
    }
    return 0;
}
