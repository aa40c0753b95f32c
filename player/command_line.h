// The player's command line: the switches of a start, the nickname a start
// asks to run, and the text a second start hands over to the running player.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/settings.h"

namespace orv::player {

// What a switch asks of the player beyond the settings it changes itself.
struct ParamEffect {
    enum Kind { None, Browse, Startup, Network };
    Kind What = None;
    std::string Text;  // the nickname of "/A"
};

// One parameter: settings switches change settings; the others say what the
// player has to do (run a macro at start, renew the sync state). "/F" is
// CommandLineFiles' and does nothing here.
ParamEffect ProcessParam(std::string_view param, SettingsBlock& settings);

// The file names of the "/F" parameters, in order: the library is chosen
// from them before any is opened.
std::vector<std::string> CommandLineFiles(const std::vector<std::string>& params);

// The parameters of a process command line without the program itself:
// separated by blanks, double quotes group blanks into one parameter.
std::vector<std::string> SplitParams(std::string_view commandLine);

// True when some parameter is "/S" exactly as typed (it turns the tray on).
bool HasTraySwitch(const std::vector<std::string>& params);

// The macro a command line names: the upper-cased text after its first
// parameter that begins with "/A", up to a further "/", trimmed; empty without
// "/A". Nicknames may hold blanks, quoted ("/AMy Macro" in quotes, or /A
// followed by the name in quotes) or not, where the parameters after the
// switch are joined by one blank.
std::string NicknameAfterA(std::string_view commandLine);
// The start-up nickname: as above, at most 50 characters.
std::string StartupNickname(std::string_view commandLine);

// What a second start asks of the running player: a start without
// parameters, or with blank ones only (a double click on the program or its shortcut) wants the
// editor back; any other runs the macro its "/A" names, if any.
struct HandOverRequest {
    bool OpenEditor = false;
    std::string Nickname;
    bool operator==(const HandOverRequest&) const = default;
};

// The text a second start hands over, one character per message, ended by a
// 0. Any process can send it, so it is held to the longest command line the
// system gives a program.
class HandOverBuffer {
  public:
    static constexpr std::size_t MaxLength = 32767;

    // False when c ended the text (Take then gives the nickname).
    bool Add(unsigned char c);
    // What the finished text asks, or nothing when the text was longer than
    // MaxLength and is dropped. The buffer is empty afterwards, so nothing is
    // left for the next hand-over.
    std::optional<HandOverRequest> Take();

  private:
    std::string text_;
    bool tooLong_ = false;
};

}  // namespace orv::player
