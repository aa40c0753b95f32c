#include "player/dialog_commands.h"

#include "player/pause_layout.h"

namespace orv::player {

using C = CommandCode;

Flow DialogCommands::Perform(CommandContext& context) {
    const TokenMatch& match = context.Match;
    if (context.Form().Code == C::WindowOfText) {
        pause_.MyMessage(match.Texts[0], match.Texts[1]);
        return Flow::Next;
    }
    if (context.Form().Code != C::Pause)
        return Flow::Next;
    bool resumed = false;
    context.Play.EndFineTimer();  // a pause may last for hours
    if (context.Form().Head == "<PAUSE>") {
        resumed = pause_.ShowPauseWindow(std::nullopt, {});
    } else {
        const auto top = static_cast<std::int32_t>(ReadInteger(context.Field(7, 9)));
        const auto left = static_cast<std::int32_t>(ReadInteger(context.Field(11, 13)));
        const RunState& state = context.Play.State();
        const ScreenPoint screen{state.ScreenWidth, state.ScreenHeight};
        resumed =
            pause_.ShowPauseWindow(PlacedPause(top, left, match.Texts[0], screen), match.Texts[0]);
    }
    // Abort ends the run at every level, not only the text that paused: the
    // levels around it would otherwise type on.
    return resumed ? Flow::Next : Flow::EndRun;
}

}  // namespace orv::player
