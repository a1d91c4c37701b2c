#ifndef Magnum_Trade_AbstractImporter_h
#define Magnum_Trade_AbstractImporter_h
/* Base for importers of scenes, meshes, images and the rest */

#include <Corrade/Containers/EnumSet.h>

#include "Magnum/Magnum.h"
#include "Magnum/Trade/Trade.h"

namespace Magnum { namespace Trade {

/** Features an importer supports */
enum class ImporterFeature: UnsignedByte {
    OpenData = 1 << 0,      /**< Opening files from data with openData() and openMemory() */
    OpenState = 1 << 1,     /**< Opening already loaded state with openState() */
    FileCallback = 1 << 2   /**< Loading through file callbacks */
};

/** Importer features */
typedef Containers::EnumSet<ImporterFeature> ImporterFeatures;
CORRADE_ENUMSET_OPERATORS(ImporterFeatures)

/** Print an importer feature */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, ImporterFeature value);
/** Print importer features */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, ImporterFeatures value);

/** Importer flag */
enum class ImporterFlag: UnsignedByte {
    Quiet = 1 << 1,     /**< Suppress warnings, only errors get printed */
    Verbose = 1 << 0    /**< Print verbose diagnostics */
};

/** Importer flags */
typedef Containers::EnumSet<ImporterFlag> ImporterFlags;
CORRADE_ENUMSET_OPERATORS(ImporterFlags)

/** Print an importer flag */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, ImporterFlag value);
/** Print importer flags */
Corrade::Utility::Debug& operator<<(Corrade::Utility::Debug& debug, ImporterFlags value);

/** Base for importer implementations; every query except features(), flags(), isOpened(), the open functions, close(), meshAttributeForName() and meshAttributeName() expects a file to be opened, and every query by ID expects the ID in range */
class AbstractImporter {
    public:
        /** Constructor without a plugin manager */
        explicit AbstractImporter();

        AbstractImporter(const AbstractImporter&) = delete;
        AbstractImporter& operator=(const AbstractImporter&) = delete;
        virtual ~AbstractImporter();

        /** Features of the importer */
        ImporterFeatures features() const { return doFeatures(); }
        /** Importer flags */
        ImporterFlags flags() const { return _flags; }
        /** Set the flags; expects no file to be opened */
        void setFlags(ImporterFlags flags);
        /** Add flags; expects no file to be opened */
        void addFlags(ImporterFlags flags);
        /** Clear flags; expects no file to be opened */
        void clearFlags(ImporterFlags flags);

        /** Whether a file is opened */
        bool isOpened() const { return doIsOpened(); }
        /** Open raw data, copied by the importer if it needs it later; expects ImporterFeature::OpenData */
        bool openData(Containers::ArrayView<const void> data);
        /** Open memory that outlives the importer, which may reference it; expects ImporterFeature::OpenData */
        bool openMemory(Containers::ArrayView<const void> memory);
        /** Open a file */
        bool openFile(Containers::StringView filename);
        /** Close the opened file, if any */
        void close();

        /** Default scene ID, -1 if none */
        Int defaultScene() const;
        /** Scene count */
        UnsignedInt sceneCount() const;
        /** Object count, at least the mapping bound of every scene */
        UnsignedLong objectCount() const;
        /** Scene ID for a name, -1 if not found */
        Int sceneForName(Containers::StringView name);
        /** Object ID for a name, -1 if not found */
        Long objectForName(Containers::StringView name);
        /** Scene name; expects @p id below sceneCount() */
        Containers::String sceneName(UnsignedInt id);
        /** Object name; expects @p id below objectCount() */
        Containers::String objectName(UnsignedLong id);
        /** Scene, empty on failure; expects @p id below sceneCount() */
        Containers::Optional<SceneData> scene(UnsignedInt id);
        /** Scene by name, empty with a message if not found or on failure */
        Containers::Optional<SceneData> scene(Containers::StringView name);

        /** Animation count; expects a file to be opened */
        UnsignedInt animationCount() const;
        /** Animation ID for a name, -1 if not found; expects a file to be opened */
        Int animationForName(Containers::StringView name);
        /** Animation name; expects a file to be opened and @p id below animationCount() */
        Containers::String animationName(UnsignedInt id);
        /** Animation, empty on failure; expects a file to be opened and @p id below animationCount() */
        Containers::Optional<AnimationData> animation(UnsignedInt id);
        /** Animation by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<AnimationData> animation(Containers::StringView name);

        /** Light count; expects a file to be opened */
        UnsignedInt lightCount() const;
        /** Light ID for a name, -1 if not found; expects a file to be opened */
        Int lightForName(Containers::StringView name);
        /** Light name; expects a file to be opened and @p id below lightCount() */
        Containers::String lightName(UnsignedInt id);
        /** Light, empty on failure; expects a file to be opened and @p id below lightCount() */
        Containers::Optional<LightData> light(UnsignedInt id);
        /** Light by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<LightData> light(Containers::StringView name);

        /** Camera count; expects a file to be opened */
        UnsignedInt cameraCount() const;
        /** Camera ID for a name, -1 if not found; expects a file to be opened */
        Int cameraForName(Containers::StringView name);
        /** Camera name; expects a file to be opened and @p id below cameraCount() */
        Containers::String cameraName(UnsignedInt id);
        /** Camera, empty on failure; expects a file to be opened and @p id below cameraCount() */
        Containers::Optional<CameraData> camera(UnsignedInt id);
        /** Camera by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<CameraData> camera(Containers::StringView name);

        /** Skin3D count; expects a file to be opened */
        UnsignedInt skin3DCount() const;
        /** Skin3D ID for a name, -1 if not found; expects a file to be opened */
        Int skin3DForName(Containers::StringView name);
        /** Skin3D name; expects a file to be opened and @p id below skin3DCount() */
        Containers::String skin3DName(UnsignedInt id);
        /** Skin3D, empty on failure; expects a file to be opened and @p id below skin3DCount() */
        Containers::Optional<SkinData3D> skin3D(UnsignedInt id);
        /** Skin3D by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<SkinData3D> skin3D(Containers::StringView name);

        /** Mesh count; expects a file to be opened */
        UnsignedInt meshCount() const;
        /** Mesh level count, at least 1; expects a file to be opened and @p id below meshCount() */
        UnsignedInt meshLevelCount(UnsignedInt id);
        /** Mesh ID for a name, -1 if not found; expects a file to be opened */
        Int meshForName(Containers::StringView name);
        /** Mesh name; expects a file to be opened and @p id below meshCount() */
        Containers::String meshName(UnsignedInt id);
        /** Mesh, empty on failure; expects a file to be opened and @p id below meshCount() */
        Containers::Optional<MeshData> mesh(UnsignedInt id, UnsignedInt level = 0);
        /** Mesh by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<MeshData> mesh(Containers::StringView name, UnsignedInt level = 0);

        /** Material count; expects a file to be opened */
        UnsignedInt materialCount() const;
        /** Material ID for a name, -1 if not found; expects a file to be opened */
        Int materialForName(Containers::StringView name);
        /** Material name; expects a file to be opened and @p id below materialCount() */
        Containers::String materialName(UnsignedInt id);
        /** Material, empty on failure; expects a file to be opened and @p id below materialCount() */
        Containers::Optional<MaterialData> material(UnsignedInt id);
        /** Material by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<MaterialData> material(Containers::StringView name);

        /** Texture count; expects a file to be opened */
        UnsignedInt textureCount() const;
        /** Texture ID for a name, -1 if not found; expects a file to be opened */
        Int textureForName(Containers::StringView name);
        /** Texture name; expects a file to be opened and @p id below textureCount() */
        Containers::String textureName(UnsignedInt id);
        /** Texture, empty on failure; expects a file to be opened and @p id below textureCount() */
        Containers::Optional<TextureData> texture(UnsignedInt id);
        /** Texture by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<TextureData> texture(Containers::StringView name);

        /** Image2D count; expects a file to be opened */
        UnsignedInt image2DCount() const;
        /** Image2D level count, at least 1; expects a file to be opened and @p id below image2DCount() */
        UnsignedInt image2DLevelCount(UnsignedInt id);
        /** Image2D ID for a name, -1 if not found; expects a file to be opened */
        Int image2DForName(Containers::StringView name);
        /** Image2D name; expects a file to be opened and @p id below image2DCount() */
        Containers::String image2DName(UnsignedInt id);
        /** Image2D, empty on failure; expects a file to be opened and @p id below image2DCount() */
        Containers::Optional<ImageData2D> image2D(UnsignedInt id, UnsignedInt level = 0);
        /** Image2D by name, empty with a message if not found or on failure; expects a file to be opened */
        Containers::Optional<ImageData2D> image2D(Containers::StringView name, UnsignedInt level = 0);
        /** Custom mesh attribute for a name, the zero attribute if the importer doesn't know it */
        MeshAttribute meshAttributeForName(Containers::StringView name);
        /** Name of a custom mesh attribute, empty if the importer doesn't know it; expects a custom attribute */
        Containers::String meshAttributeName(MeshAttribute name);

        /** Importer-specific state of the opened file */
        const void* importerState() const;

    protected:
        /** Implements openFile(); by default reads the file and passes it to doOpenData(), expecting ImporterFeature::OpenData */
        virtual void doOpenFile(Containers::StringView filename);

    private:
        /** Implements features() */
        virtual ImporterFeatures doFeatures() const = 0;
        /** Called from setFlags() after the flags are stored, does nothing by default */
        virtual void doSetFlags(ImporterFlags flags);
        /** Implements isOpened() */
        virtual bool doIsOpened() const = 0;
        /** Implements openData() and openMemory(); @p dataFlags tell whether the data may be kept (ExternallyOwned) or is taken over (Owned) */
        virtual void doOpenData(Containers::Array<char>&& data, DataFlags dataFlags);
        /** Implements close() */
        virtual void doClose() = 0;

        /** Implements defaultScene(), -1 by default */
        virtual Int doDefaultScene() const;
        /** Implements sceneCount(), 0 by default */
        virtual UnsignedInt doSceneCount() const;
        /** Implements objectCount(), 0 by default */
        virtual UnsignedLong doObjectCount() const;
        /** Implements sceneForName(), -1 by default */
        virtual Int doSceneForName(Containers::StringView name);
        /** Implements objectForName(), -1 by default */
        virtual Long doObjectForName(Containers::StringView name);
        /** Implements sceneName(), empty by default */
        virtual Containers::String doSceneName(UnsignedInt id);
        /** Implements objectName(), empty by default */
        virtual Containers::String doObjectName(UnsignedLong id);
        /** Implements scene() */
        virtual Containers::Optional<SceneData> doScene(UnsignedInt id);

        /** Implements animationCount(), 0 by default */
        virtual UnsignedInt doAnimationCount() const;
        /** Implements animationForName(), -1 by default */
        virtual Int doAnimationForName(Containers::StringView name);
        /** Implements animationName(), empty by default */
        virtual Containers::String doAnimationName(UnsignedInt id);
        /** Implements animation() */
        virtual Containers::Optional<AnimationData> doAnimation(UnsignedInt id);

        /** Implements lightCount(), 0 by default */
        virtual UnsignedInt doLightCount() const;
        /** Implements lightForName(), -1 by default */
        virtual Int doLightForName(Containers::StringView name);
        /** Implements lightName(), empty by default */
        virtual Containers::String doLightName(UnsignedInt id);
        /** Implements light() */
        virtual Containers::Optional<LightData> doLight(UnsignedInt id);

        /** Implements cameraCount(), 0 by default */
        virtual UnsignedInt doCameraCount() const;
        /** Implements cameraForName(), -1 by default */
        virtual Int doCameraForName(Containers::StringView name);
        /** Implements cameraName(), empty by default */
        virtual Containers::String doCameraName(UnsignedInt id);
        /** Implements camera() */
        virtual Containers::Optional<CameraData> doCamera(UnsignedInt id);

        /** Implements skin3DCount(), 0 by default */
        virtual UnsignedInt doSkin3DCount() const;
        /** Implements skin3DForName(), -1 by default */
        virtual Int doSkin3DForName(Containers::StringView name);
        /** Implements skin3DName(), empty by default */
        virtual Containers::String doSkin3DName(UnsignedInt id);
        /** Implements skin3D() */
        virtual Containers::Optional<SkinData3D> doSkin3D(UnsignedInt id);

        /** Implements meshCount(), 0 by default */
        virtual UnsignedInt doMeshCount() const;
        /** Implements meshLevelCount(), 1 by default */
        virtual UnsignedInt doMeshLevelCount(UnsignedInt id);
        /** Implements meshForName(), -1 by default */
        virtual Int doMeshForName(Containers::StringView name);
        /** Implements meshName(), empty by default */
        virtual Containers::String doMeshName(UnsignedInt id);
        /** Implements mesh() */
        virtual Containers::Optional<MeshData> doMesh(UnsignedInt id, UnsignedInt level);

        /** Implements materialCount(), 0 by default */
        virtual UnsignedInt doMaterialCount() const;
        /** Implements materialForName(), -1 by default */
        virtual Int doMaterialForName(Containers::StringView name);
        /** Implements materialName(), empty by default */
        virtual Containers::String doMaterialName(UnsignedInt id);
        /** Implements material() */
        virtual Containers::Optional<MaterialData> doMaterial(UnsignedInt id);

        /** Implements textureCount(), 0 by default */
        virtual UnsignedInt doTextureCount() const;
        /** Implements textureForName(), -1 by default */
        virtual Int doTextureForName(Containers::StringView name);
        /** Implements textureName(), empty by default */
        virtual Containers::String doTextureName(UnsignedInt id);
        /** Implements texture() */
        virtual Containers::Optional<TextureData> doTexture(UnsignedInt id);

        /** Implements image2DCount(), 0 by default */
        virtual UnsignedInt doImage2DCount() const;
        /** Implements image2DLevelCount(), 1 by default */
        virtual UnsignedInt doImage2DLevelCount(UnsignedInt id);
        /** Implements image2DForName(), -1 by default */
        virtual Int doImage2DForName(Containers::StringView name);
        /** Implements image2DName(), empty by default */
        virtual Containers::String doImage2DName(UnsignedInt id);
        /** Implements image2D() */
        virtual Containers::Optional<ImageData2D> doImage2D(UnsignedInt id, UnsignedInt level);
        /** Implements meshAttributeForName(), the zero attribute by default */
        virtual MeshAttribute doMeshAttributeForName(Containers::StringView name);
        /** Implements meshAttributeName(), empty by default */
        virtual Containers::String doMeshAttributeName(MeshAttribute name);
        /** Implements importerState(), nullptr by default */
        virtual const void* doImporterState() const;

        ImporterFlags _flags;
};

}}

#endif
