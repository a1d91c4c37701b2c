#ifndef VelmoraEngine_Tools_ImportedSceneCache_h
#define VelmoraEngine_Tools_ImportedSceneCache_h
/* Everything the engine reads from an opened importer, and meshes in the
   engine's packed form */

#include <Corrade/Containers/Array.h>
#include <Corrade/Containers/Optional.h>
#include <Corrade/Containers/Pair.h>
#include <Corrade/Containers/String.h>
#include <Magnum/Magnum.h>
#include <Magnum/Math/Matrix4.h>
#include <Magnum/Trade/AnimationData.h>
#include <Magnum/Trade/CameraData.h>
#include <Magnum/Trade/ImageData.h>
#include <Magnum/Trade/LightData.h>
#include <Magnum/Trade/MaterialData.h>
#include <Magnum/Trade/MeshData.h>
#include <Magnum/Trade/SkinData.h>
#include <Magnum/Trade/TextureData.h>
#include <Magnum/Trade/Trade.h>

#include "VelmoraEngine/visibility.h"
#include "VelmoraEngine/Tools/MeshLayout.h"

namespace VelmoraEngine {

/**
 * The resources and the default scene of an opened importer, read once into
 * plain arrays indexed like the importer indexes them. Not copyable.
 */
class VELMORAENGINE_TOOLS_EXPORT ImportedSceneCache {
    public:
        /** The default scene's hierarchy and per-object fields */
        struct Scene {
            /** One past the highest object id the scene uses */
            Magnum::UnsignedLong mappingBound{};
            /** Top-level objects */
            Corrade::Containers::Array<Magnum::UnsignedLong> rootObjects;
            /** (object, parent) of every object reached from the roots, depth-first pre-order, parent -1 at the top */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::Int>> objects;
            /** (object, transformation) */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::Matrix4>> transformations;
            /** (object, (mesh, material or -1)) */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::Int>>> meshesMaterials;
            /** (object, skin) */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::UnsignedInt>> skins;
            /** (object, camera) */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::UnsignedInt>> cameras;
            /** (object, light) */
            Corrade::Containers::Array<Corrade::Containers::Pair<Magnum::UnsignedInt, Magnum::UnsignedInt>> lights;
        };

        /** Every array empty */
        explicit ImportedSceneCache();

        ImportedSceneCache(const ImportedSceneCache&) = delete;
        ImportedSceneCache(ImportedSceneCache&&) noexcept;
        ImportedSceneCache& operator=(const ImportedSceneCache&) = delete;
        ImportedSceneCache& operator=(ImportedSceneCache&&) noexcept;
        ~ImportedSceneCache();

        /**
         * Reads every image, texture, material, mesh, skin, camera, light and
         * animation, and the importer's skinning attribute names. An item the
         * importer fails to load is an empty optional at its index. Expects
         * an opened importer.
         */
        void cacheResources(Magnum::Trade::AbstractImporter& importer);

        /**
         * Reads the object names and the default scene. False with an error
         * line when there is no scene or it is two-dimensional; the scene
         * fields keep what they held then. Expects an opened importer.
         */
        bool cacheScene(Magnum::Trade::AbstractImporter& importer);

        /**
         * Whether processMesh() can take @p mesh: triangles, strips or fans
         * with a position in a supported format and indices inside the
         * vertices. Warns with the reason when not.
         */
        bool canProcessMesh(const Magnum::Trade::MeshData& mesh);

        /**
         * @p mesh as triangles in formats the packed layouts take, with the
         * importer's skinning attributes under the engine's names, normals
         * and tangents generated where missing, packed for @p flags. Expects
         * owned vertex and index data and a mesh canProcessMesh() accepted.
         */
        Magnum::Trade::MeshData processMesh(MeshDataFlags flags, Magnum::Trade::MeshData&& mesh);

        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::ImageData2D>> images;      /**< Images by importer index */
        Corrade::Containers::Array<Corrade::Containers::String> imageNames;                             /**< Image names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::TextureData>> textures;   /**< Textures */
        Corrade::Containers::Array<Corrade::Containers::String> textureNames;                           /**< Texture names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::MeshData>> meshes;        /**< Meshes as imported */
        Corrade::Containers::Array<Corrade::Containers::String> meshNames;                              /**< Mesh names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::SkinData3D>> skins;       /**< Skins */
        Corrade::Containers::Array<Corrade::Containers::String> skinNames;                              /**< Skin names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::MaterialData>> materials; /**< Materials */
        Corrade::Containers::Array<Corrade::Containers::String> materialNames;                          /**< Material names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::AnimationData>> animations; /**< Animations */
        Corrade::Containers::Array<Corrade::Containers::String> animationNames;                         /**< Animation names */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::CameraData>> cameras;     /**< Cameras */
        Corrade::Containers::Array<Corrade::Containers::Optional<Magnum::Trade::LightData>> lights;       /**< Lights */
        Corrade::Containers::Array<Corrade::Containers::String> objectNames;                            /**< Object names, generated for unnamed objects of the hierarchy */

        Magnum::Trade::MeshAttribute jointsAttribute{};   /**< The importer's "JOINTS" */
        Magnum::Trade::MeshAttribute weightsAttribute{};  /**< The importer's "WEIGHTS" */
        Magnum::Trade::MeshAttribute joints0Attribute{};  /**< The importer's "JOINTS_0" */
        Magnum::Trade::MeshAttribute weights0Attribute{}; /**< The importer's "WEIGHTS_0" */
        Magnum::Trade::MeshAttribute joints1Attribute{};  /**< The importer's "JOINTS_1" */
        Magnum::Trade::MeshAttribute weights1Attribute{}; /**< The importer's "WEIGHTS_1" */

        /** The caller's; nothing here reads or writes it */
        bool flag{};

        /** The default scene */
        Scene scene;
};

}

#endif
