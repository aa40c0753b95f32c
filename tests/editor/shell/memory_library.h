// An open library held in memory, with records that can be made unreadable.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "editor/shell/library_view.h"

namespace orv::testing {

class MemoryLibrary final : public LibraryView {
  public:
    std::string FileName() const override { return Path; }
    int MacroCount() const override { return static_cast<int>(Records.size()); }
    bool Read(int n, MacroRecord& out) const override {
        if (n < 1 || n > MacroCount() || Unreadable.contains(n))
            return false;
        out = Records[static_cast<std::size_t>(n - 1)];
        return true;
    }
    bool Append(MacroRecord& record) override {
        Records.push_back(record);
        return true;
    }

    std::string Path;
    std::vector<MacroRecord> Records;
    std::set<int> Unreadable;
};

inline MacroRecord Macro(const std::string& nickname, std::uint16_t activation,
                         std::int16_t kind = MacroKind::Global) {
    MacroRecord r;
    r.Nickname = nickname;
    r.ActivationCode = activation;
    r.MacroKind = kind;
    r.Enabled = 1;
    r.IconName = "MAIN";
    return r;
}

}  // namespace orv::testing
