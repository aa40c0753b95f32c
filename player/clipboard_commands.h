// The clipboard commands: texts, text files and pictures (bitmap, Windows
// metafile, JPEG) onto the clipboard, Ctrl+C and Ctrl+V, the clipboard text
// typed as a script, and the clipboard's text or picture saved to a file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "player/command_context.h"
#include "player/graphics.h"

namespace orv::player {

// What the save dialog of ":PROMPT:" shows.
struct SaveQuestion {
    std::string Title;
    std::string Filter;  // pairs of description and pattern: "Text Files (*.TXT)|*.TXT"
    std::string DefaultExt;
    bool FileMustExist = false;
};

class ClipboardHost {
  public:
    virtual ~ClipboardHost() = default;
    // Each Put empties the clipboard first; false when the clipboard refused.
    virtual bool PutText(std::string_view text) = 0;
    virtual bool PutDib(std::span<const std::uint8_t> packedDib) = 0;
    virtual bool PutMetafile(const Metafile& metafile) = 0;
    // A bitmap file loaded by the system; false when it cannot be loaded.
    virtual bool PutBitmapFile(const std::string& path) = 0;
    // The clipboard's text; empty when it holds none.
    virtual std::string Text() = 0;
    // The first bitmap on the clipboard as a packed DIB, at its own depth
    // with its palette, or converted to 24 bits; none without one.
    virtual std::optional<std::vector<std::uint8_t>> Bitmap(bool trueColour) = 0;
    // The save dialog; none when cancelled.
    virtual std::optional<std::string> AskFileName(const SaveQuestion& question) = 0;
};

// The notices of the clipboard commands.
namespace ClipboardText {
constexpr std::string_view NoGraphic =
    "There is no recognizable graphic in the clipboard. Saving clipboard graphic to a file will "
    "abort.";
constexpr std::string_view NoText =
    "There is no text in the clipboard.  Saving clipboard text to a file will abort.";
}  // namespace ClipboardText

class ClipboardCommands final : public CommandFamily {
  public:
    // A picture file beyond this is taken as unreadable.
    static constexpr std::uint64_t MaxPictureFileBytes = MaxPictureBytes;
    static constexpr std::string_view Prompt = ":PROMPT:";

    explicit ClipboardCommands(ClipboardHost& host) : host_(host) {}
    Flow Perform(CommandContext& context) override;

  private:
    void CopyFileText(CommandContext& context, const std::string& name);
    void CopyPicture(CommandContext& context, const std::string& name);
    void SaveGraphic(CommandContext& context, const std::string& name);
    void SaveText(CommandContext& context, const std::string& name, bool append);

    ClipboardHost& host_;
};

}  // namespace orv::player
