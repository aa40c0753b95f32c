#include "editor/shell/held_list.h"

#include <algorithm>
#include <array>

#include "common/message_boxes.h"

namespace orv::editor {

namespace {

bool SameRecord(const MacroRecord& a, const MacroRecord& b) {
    std::array<std::uint8_t, MacroRecord::Size> x, y;
    a.Encode(x);
    b.Encode(y);
    return x == y;
}

}  // namespace

bool ShowsRecord(const ListMacro& line, const MacroRecord& record) {
    // The tables keep the scope text cut to the hooks' capacity.
    const ListMacro shown{.Number = line.Number,
                          .Activation = record.ActivationCode,
                          .Kind = record.MacroKind,
                          .ScopeText = record.ScopeText.str().substr(0, HookScopeTextCapacity),
                          .Nickname = record.Nickname.str(),
                          .CuewordText = record.CuewordText.str(),
                          .CategoryId = record.CategoryId};
    return ShowsSameMacro(line, shown);
}

bool HoldAsListed(const MacroLibrary& library, const ListMacro& line, HeldMacro& held) {
    HeldMacro read;
    if (!library.HoldMacroRecord(line.Number, read) || !ShowsRecord(line, read.AsRead))
        return false;
    held = std::move(read);
    return true;
}

std::optional<HeldMacro> RefindListed(const MacroLibrary& library, const ListMacro& line,
                                      const std::optional<HeldMacro>& asRead) {
    if (asRead && library.Holds(*asRead))
        return asRead;
    std::vector<HeldMacro> same, showing;
    HeldMacro read;
    for (int n = 1; n <= MaxMacros && library.HoldMacroRecord(n, read); ++n) {
        if (asRead && SameRecord(read.AsRead, asRead->AsRead))
            same.push_back(read);
        else if (ShowsRecord(line, read.AsRead))
            showing.push_back(read);
    }
    // Only one candidate is the row's macro; two alike could be either.
    if (same.size() == 1)
        return same.front();
    if (same.empty() && showing.size() == 1)
        return showing.front();
    return std::nullopt;
}

HeldList::HeldList(const MacroLibrary& library, const std::vector<ListMacro>& listed)
    : library_(library) {
    for (const ListMacro& line : listed) {
        HeldMacro held;
        if (HoldAsListed(library, line, held))
            held_.push_back(std::move(held));
    }
}

const HeldMacro* HeldList::StillThere(int n) const {
    auto found =
        std::find_if(held_.begin(), held_.end(), [n](const HeldMacro& h) { return h.Number == n; });
    return found != held_.end() && library_.Holds(*found) ? &*found : nullptr;
}

bool HeldList::Read(int n, MacroRecord& out) const {
    if (ReadQuietly(n, out))
        return true;
    ShowError(LibraryMessage::ListedMacroMoved);
    return false;
}

bool HeldList::ReadQuietly(int n, MacroRecord& out) const {
    const HeldMacro* held = StillThere(n);
    if (!held) {
        refused_ = true;
        return false;
    }
    out = held->AsRead;
    return true;
}

}  // namespace orv::editor
