#include "common/win32/registry.h"

namespace orv {

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& subKey,
                                              const char* valueName) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return std::nullopt;
    char value[256] = {};
    DWORD size = sizeof value - 1;
    DWORD type = 0;
    LONG status =
        RegQueryValueExA(key, valueName, nullptr, &type, reinterpret_cast<BYTE*>(value), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ)
        return std::nullopt;
    return std::string(value);
}

}  // namespace orv
