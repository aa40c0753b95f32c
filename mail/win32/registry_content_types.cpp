#include "mail/win32/registry_content_types.h"

#include "common/win32/registry.h"

namespace orv::player {

std::string RegistryContentTypes::ContentTypeOf(std::string_view extension) const {
    return ReadRegistryString(HKEY_CLASSES_ROOT, std::string(extension), "Content Type")
        .value_or("");
}

}  // namespace orv::player
