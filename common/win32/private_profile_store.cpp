#include "common/win32/private_profile_store.h"

#include <windows.h>

#include <vector>

namespace orv {

std::string PrivateProfileStore::Read(std::string_view section, std::string_view key,
                                      std::string_view fallback, std::size_t maxChars) {
    std::vector<char> buffer(maxChars + 1);
    DWORD length = GetPrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                            std::string(fallback).c_str(), buffer.data(),
                                            static_cast<DWORD>(buffer.size()), fileName_.c_str());
    return std::string(buffer.data(), length);
}

bool PrivateProfileStore::Write(std::string_view section, std::string_view key,
                                std::string_view value) {
    return WritePrivateProfileStringA(std::string(section).c_str(), std::string(key).c_str(),
                                      std::string(value).c_str(), fileName_.c_str()) != 0;
}

}  // namespace orv
