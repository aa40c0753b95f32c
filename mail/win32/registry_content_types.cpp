#include "mail/win32/registry_content_types.h"

#include <windows.h>

namespace orv {

std::string RegistryContentTypes::ContentTypeOf(std::string_view extension) const {
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, std::string(extension).c_str(), 0, KEY_READ, &key) !=
        ERROR_SUCCESS) {
        return "";
    }
    char value[256] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    LONG result = RegQueryValueExA(key, "Content Type", nullptr, &type,
                                   reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (result != ERROR_SUCCESS || type != REG_SZ)
        return "";
    return std::string(value);
}

}  // namespace orv
