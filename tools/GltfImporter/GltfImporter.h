#ifndef VelmoraEngine_GltfImporter_h
#define VelmoraEngine_GltfImporter_h
/* A glTF 2.0 importer (.gltf and .glb) on tinygltf, images decoded with
   stb_image */

#include <Corrade/Containers/Pointer.h>
#include <Magnum/Trade/AbstractImporter.h>

namespace VelmoraEngine {

/**
 * glTF 2.0 importer.
 *
 * Opens .gltf files (buffers and images from data URIs, or from files relative
 * to the opened file; data opened from memory can't reference files) and .glb
 * files, from a file or from memory. A file is untrusted input: every
 * inconsistency is one error line starting with "GltfImporter::" and an empty
 * result for that item, or a failed open.
 *
 * - one mesh per mesh primitive, named after its glTF mesh; attributes in
 *   their stored formats (normalized integers included), morph target
 *   positions, normals and tangents with their target ID; JOINTS_n and
 *   WEIGHTS_n are the n-th custom attribute named "JOINTS" and "WEIGHTS",
 *   other attributes custom attributes of their own name
 * - one object per node; each scene has Parent and Transformation fields for
 *   the nodes it reaches, Mesh and MeshMaterial (one entry per primitive),
 *   Skin, Camera and Light (KHR_lights_punctual) where nodes reference them
 * - translation, rotation and scaling animations, one track per channel:
 *   STEP as Animation::Interpolation::Constant and LINEAR as
 *   Animation::Interpolation::Linear over Vector3 / Quaternion values,
 *   CUBICSPLINE as Animation::Interpolation::Spline over CubicHermite3D /
 *   CubicHermiteQuaternion values (Math::splerp() interpolates them).
 *   The file's tangents are per unit of time while Math::splerp() takes them
 *   per segment, so on import the out-tangent of key k is multiplied by
 *   t[k + 1] - t[k] and the in-tangent by t[k] - t[k - 1]; the track then
 *   interpolates to the curve the file describes. The first in-tangent and
 *   the last out-tangent take part in no segment and are kept as in the
 *   file. Rotation values (not tangents) are renormalized where an exporter
 *   rounded them, with a warning, for every interpolation.
 * - PNG and JPEG images, decoded in the file's row order (top row first),
 *   so together with the texture coordinates as stored they sample the texels
 *   glTF means when uploaded to GL as they are
 */
class GltfImporter: public Magnum::Trade::AbstractImporter {
    public:
        explicit GltfImporter();
        ~GltfImporter() override;

    private:
        struct State;

        Magnum::Trade::ImporterFeatures doFeatures() const override;
        bool doIsOpened() const override;
        void doOpenFile(Corrade::Containers::StringView filename) override;
        void doOpenData(Corrade::Containers::Array<char>&& data, Magnum::Trade::DataFlags dataFlags) override;
        void doClose() override;

        Magnum::Int doDefaultScene() const override;
        Magnum::UnsignedInt doSceneCount() const override;
        Magnum::UnsignedLong doObjectCount() const override;
        Magnum::Int doSceneForName(Corrade::Containers::StringView name) override;
        Magnum::Long doObjectForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doSceneName(Magnum::UnsignedInt id) override;
        Corrade::Containers::String doObjectName(Magnum::UnsignedLong id) override;
        Corrade::Containers::Optional<Magnum::Trade::SceneData> doScene(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doAnimationCount() const override;
        Magnum::Int doAnimationForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doAnimationName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::AnimationData> doAnimation(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doLightCount() const override;
        Magnum::Int doLightForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doLightName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::LightData> doLight(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doCameraCount() const override;
        Magnum::Int doCameraForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doCameraName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::CameraData> doCamera(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doSkin3DCount() const override;
        Magnum::Int doSkin3DForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doSkin3DName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::SkinData3D> doSkin3D(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doMeshCount() const override;
        Magnum::Int doMeshForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doMeshName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::MeshData> doMesh(Magnum::UnsignedInt id, Magnum::UnsignedInt level) override;
        Magnum::Trade::MeshAttribute doMeshAttributeForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doMeshAttributeName(Magnum::Trade::MeshAttribute name) override;

        Magnum::UnsignedInt doMaterialCount() const override;
        Magnum::Int doMaterialForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doMaterialName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::MaterialData> doMaterial(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doTextureCount() const override;
        Magnum::Int doTextureForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doTextureName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::TextureData> doTexture(Magnum::UnsignedInt id) override;

        Magnum::UnsignedInt doImage2DCount() const override;
        Magnum::Int doImage2DForName(Corrade::Containers::StringView name) override;
        Corrade::Containers::String doImage2DName(Magnum::UnsignedInt id) override;
        Corrade::Containers::Optional<Magnum::Trade::ImageData2D> doImage2D(Magnum::UnsignedInt id, Magnum::UnsignedInt level) override;

        void openInternal(Corrade::Containers::ArrayView<const char> data, const char* function, Corrade::Containers::StringView basePath, bool allowFiles);

        Corrade::Containers::Pointer<State> _state;
};

}

#endif
