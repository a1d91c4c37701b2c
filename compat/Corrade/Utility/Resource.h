#ifndef Corrade_Utility_Resource_h
#define Corrade_Utility_Resource_h
/* Access to data compiled in with corrade_add_resource() / corrade-rc */

#include "Corrade/Containers/Containers.h"

namespace Corrade { namespace Utility {

namespace Implementation {
    /* Filled in by sources that corrade-rc generates. Every data array is
       followed by a zero byte that isn't counted in the size. */
    struct ResourceFile {
        const char* filename;
        std::size_t filenameSize;
        const unsigned char* data;
        std::size_t size;
        bool nullTerminated;
    };

    struct ResourceGroup {
        const char* name;
        std::size_t fileCount;
        const ResourceFile* files;
        /* Written only by the registration functions below */
        ResourceGroup* next;
    };

    /* Both are no-ops when the group already is / isn't registered */
    void resourceRegister(ResourceGroup& group);
    void resourceUnregister(ResourceGroup& group);
}

/** Access to a group of compiled-in resources */
class Resource {
    public:
        /** Whether @p group is registered */
        static bool hasGroup(Containers::StringView group);

        /** Access @p group, which is expected to be registered */
        explicit Resource(Containers::StringView group);

        /** Whether the group contains @p filename */
        bool hasFile(Containers::StringView filename) const;

        /** Data of @p filename, which is expected to exist in the group; null for an empty file */
        Containers::ArrayView<const char> getRaw(Containers::StringView filename) const;

        /** Data of @p filename as a global view, which is expected to exist in the group */
        Containers::StringView getString(Containers::StringView filename) const;

    private:
        const Implementation::ResourceFile* find(Containers::StringView filename) const;

        Implementation::ResourceGroup* _group;
};

}}

/* Register a resource group explicitly, to be used outside of any namespace */
#define CORRADE_RESOURCE_INITIALIZE(name)                                   \
    extern int resourceInitializer_##name();                                \
    resourceInitializer_##name();

/* Unregister a resource group, to be used outside of any namespace */
#define CORRADE_RESOURCE_FINALIZE(name)                                     \
    extern int resourceFinalizer_##name();                                  \
    resourceFinalizer_##name();

#endif
