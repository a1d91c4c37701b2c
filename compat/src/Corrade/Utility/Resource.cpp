#include "Corrade/Utility/Resource.h"

#include "Corrade/Containers/ArrayView.h"
#include "Corrade/Containers/StringView.h"
#include "Corrade/Utility/Assert.h"

namespace Corrade { namespace Utility {

namespace Implementation {

namespace {
    /* Constant-initialized, so generated sources may register from their
       static initializers in any order */
    ResourceGroup* resourceGroups = nullptr;

    ResourceGroup* findGroup(const Containers::StringView name) {
        for(ResourceGroup* group = resourceGroups; group; group = group->next)
            if(Containers::StringView{group->name} == name) return group;
        return nullptr;
    }
}

void resourceRegister(ResourceGroup& group) {
    for(ResourceGroup* i = resourceGroups; i; i = i->next)
        if(i == &group) return;
    group.next = resourceGroups;
    resourceGroups = &group;
}

void resourceUnregister(ResourceGroup& group) {
    for(ResourceGroup** i = &resourceGroups; *i; i = &(*i)->next) {
        if(*i == &group) {
            *i = group.next;
            group.next = nullptr;
            return;
        }
    }
}

}

bool Resource::hasGroup(const Containers::StringView group) {
    return Implementation::findGroup(group);
}

Resource::Resource(const Containers::StringView group): _group{Implementation::findGroup(group)} {
    CORRADE_ASSERT(_group, "Utility::Resource: group '" << Debug::nospace << group << Debug::nospace << "' was not found", );
}

const Implementation::ResourceFile* Resource::find(const Containers::StringView filename) const {
    for(std::size_t i = 0; i != _group->fileCount; ++i) {
        const Implementation::ResourceFile& file = _group->files[i];
        if(Containers::StringView{file.filename, file.filenameSize} == filename) return &file;
    }
    return nullptr;
}

bool Resource::hasFile(const Containers::StringView filename) const {
    return find(filename);
}

Containers::ArrayView<const char> Resource::getRaw(const Containers::StringView filename) const {
    const Containers::StringView data = getString(filename);
    return {data.data(), data.size()};
}

Containers::StringView Resource::getString(const Containers::StringView filename) const {
    const Implementation::ResourceFile* const file = find(filename);
    CORRADE_ASSERT(file, "Utility::Resource::get(): file '" << Debug::nospace << filename << Debug::nospace << "' was not found in group '" << Debug::nospace << _group->name << Debug::nospace << "'", {});

    /* Empty files have no data, except for a null terminator if asked for */
    if(!file->size && !file->nullTerminated) return {};

    /* The terminating zero is always there, the flag says whether the
       configuration asked for it */
    return Containers::StringView{reinterpret_cast<const char*>(file->data), file->size,
        file->nullTerminated ?
            Containers::StringViewFlag::Global|Containers::StringViewFlag::NullTerminated :
            Containers::StringViewFlags{Containers::StringViewFlag::Global}};
}

}}
