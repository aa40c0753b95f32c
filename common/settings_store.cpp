#include "common/settings_store.h"

#include "common/string_routines.h"

namespace orv {

std::string MemorySettingsStore::Slot(std::string_view section, std::string_view key) {
    // A NUL cannot appear in a section name, so it separates the two safely.
    return UpperAscii(section) + '\0' + UpperAscii(key);
}

std::string MemorySettingsStore::Read(std::string_view section, std::string_view key,
                                      std::string_view fallback, std::size_t maxChars) {
    auto found = values_.find(Slot(section, key));
    std::string_view value = found == values_.end() ? fallback : std::string_view(found->second);
    return std::string(value.substr(0, maxChars));
}

bool MemorySettingsStore::Write(std::string_view section, std::string_view key,
                                std::string_view value) {
    if (ReadOnly)
        return false;
    values_[Slot(section, key)] = std::string(value);
    return true;
}

bool MemorySettingsStore::Has(std::string_view section, std::string_view key) const {
    return values_.contains(Slot(section, key));
}

std::string MemorySettingsStore::Raw(std::string_view section, std::string_view key) const {
    auto found = values_.find(Slot(section, key));
    return found == values_.end() ? std::string() : found->second;
}

}  // namespace orv
