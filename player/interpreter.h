// The macro interpreter: runs a script text from its first character to its
// last, typing plain characters and performing tokens, with repeats and texts
// run inside texts.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "common/script/token_table.h"
#include "player/command_families.h"
#include "player/playback.h"
#include "player/player_host.h"
#include "player/run_state.h"

namespace orv::player {

// How a run was started. A run the user started (hot key, menu, Cueword, by
// nickname, top-window menu) marks the macro in use for the hook library and
// ends with the end marker key; scheduled, start-up and window-activation runs
// do neither.
enum class RunOrigin { User, Unattended };

class Interpreter {
  public:
    // Texts inside texts (repeats, macro runs, files) deeper than this end
    // the run with a notice instead of exhausting the stack.
    static constexpr int MaxNesting = 64;
    // A text file beyond this is refused: it would take hours to type and
    // could exhaust the memory.
    static constexpr std::size_t MaxTextFileBytes = 1 << 20;

    Interpreter(PlayerHost& host, RunState& state) : playback_(host, state) {}

    // The one way into a run: every path that plays a macro comes through
    // here, so none can skip the set-up or the clean-up, however the run
    // ends (also when it throws). False when a run is already under way (the
    // request is refused).
    bool RunMacro(std::string_view script, RunOrigin origin);

    Playback& Play() { return playback_; }

  private:
    struct Call;
    struct OwnToken;

    void DoMacro(std::string_view text, std::int32_t count, std::int32_t start, std::int32_t step,
                 bool restoreCapsLock, int depth);
    bool RunPass(Call& call);
    Flow Token(Call& call);
    Flow Perform(Call& call, const TokenMatch& match);
    // The interpreter's own commands, one member each.
    Flow KeyToken(const OwnToken& token);
    Flow ButtonAsKey(const OwnToken& token);
    Flow HeldKey(const OwnToken& token);
    Flow MouseButton(const OwnToken& token);
    Flow Wheel(const OwnToken& token);
    Flow PointerMove(const OwnToken& token);
    Flow TimedPause(const OwnToken& token);
    Flow Delay(const OwnToken& token);
    Flow PlaybackSpeed(const OwnToken& token);
    Flow InputSpeed(const OwnToken& token);
    Flow ElapsedWait(const OwnToken& token);
    Flow Counter(const OwnToken& token);
    Flow RepeatStart(const OwnToken& token);
    Flow NestedText(const OwnToken& token, const std::optional<std::string>& text);
    Flow TextFile(const OwnToken& token);
    static std::string MacroNameOf(const OwnToken& token);
    Flow MeasureEmail(Call& call, TokenMatch& match);
    Flow Repeat(Call& call, std::size_t bodyStart, std::int32_t count, std::int32_t start,
                std::int32_t step);
    void Nested(const Call& call, std::string_view text);
    void NamedKey(Call& call, std::uint8_t virtualKey);
    void HeldModifier(Call& call, std::uint8_t virtualKey);
    Flow Family(Call& call, const TokenMatch& match);
    Flow CopyBlock(Call& call, const TokenMatch& match);

    Playback playback_;
    // The whole run ends at every level, as if each text had reached its end.
    bool endRun_ = false;
};

}  // namespace orv::player
