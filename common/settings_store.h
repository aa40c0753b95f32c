// Where the settings live: every value is text under a section and a key. The
// programs use the system's private-profile file; tests use a store in memory
// that answers the same way (sections and keys without regard to case, values
// cut to the reader's buffer, the reader's default for a missing key).
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>

namespace orv {

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;
    // The value of key, or fallback when the key or section is missing; at most
    // maxChars characters either way.
    virtual std::string Read(std::string_view section, std::string_view key,
                             std::string_view fallback, std::size_t maxChars) = 0;
    // False when the store refused the value.
    virtual bool Write(std::string_view section, std::string_view key, std::string_view value) = 0;
};

class MemorySettingsStore final : public SettingsStore {
  public:
    std::string Read(std::string_view section, std::string_view key, std::string_view fallback,
                     std::size_t maxChars) override;
    bool Write(std::string_view section, std::string_view key, std::string_view value) override;

    // Refuses every write, as a read-only settings file does.
    bool ReadOnly = false;

    bool Has(std::string_view section, std::string_view key) const;
    // The stored text as written, empty when missing.
    std::string Raw(std::string_view section, std::string_view key) const;
    const std::map<std::string, std::string>& Values() const { return values_; }

  private:
    static std::string Slot(std::string_view section, std::string_view key);
    std::map<std::string, std::string> values_;
};

}  // namespace orv
