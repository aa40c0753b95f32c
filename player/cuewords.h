// Cuewords: the characters the user types anywhere, reported by the hook
// library, are kept in a short buffer; when it ends in a macro's Cueword (a
// short abbreviation), the typed word is erased and the macro's text typed
// in its place.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "common/hook_table.h"
#include "common/macro_library.h"
#include "common/settings.h"
#include "player/interpreter.h"
#include "player/run_dispatch.h"
#include "player/run_shared.h"

namespace orv::player {

class Cuewords {
  public:
    // Macros beyond this many matching ones are never considered.
    static constexpr int MaxCandidates = 50;

    Cuewords(const SettingsBlock& settings, const HookTable& table, const MacroLibrary& library,
             RunShared& shared, Interpreter& interpreter, RunDispatch& dispatch, PlayerDesk& desk)
        : settings_(settings),
          table_(table),
          library_(library),
          shared_(shared),
          interpreter_(interpreter),
          dispatch_(dispatch),
          desk_(desk) {}

    // One report of the hook library: kind 1 starts the buffer afresh,
    // otherwise the typed character (kind 2: typed with Caps Lock on).
    void CuewordChar(std::uint32_t kind, std::uint8_t ch);
    // Starts the Cueword macro the buffer ends in; false when none started.
    bool TestIt();
    // What was typed so far no longer counts.
    void Forget() { buffer_.clear(); }

    const std::string& Buffer() const { return buffer_; }

  private:
    struct Candidate {
        int macro = 0;
        std::string typedWord;  // the Cueword as the user typed it
    };

    std::string Prefix() const;
    // The Cueword as the buffer holds it when the buffer ends in macro i's
    // pattern (equals it, when it must stand alone); none otherwise.
    std::optional<std::string> TypedCueword(int i, const std::string& prefix) const;
    const Candidate* PickByScope(const std::vector<Candidate>& candidates);
    void RunCuewordMacro(const Candidate& picked, const std::string& prefix);
    void EraseTyped(std::size_t count);
    std::string CuewordScript(int i, const MacroRecord& record, const std::string& typedWord) const;

    const SettingsBlock& settings_;
    const HookTable& table_;
    const MacroLibrary& library_;
    RunShared& shared_;
    Interpreter& interpreter_;
    RunDispatch& dispatch_;
    PlayerDesk& desk_;
    std::string buffer_;
    char suffix_ = ' ';
};

}  // namespace orv::player
