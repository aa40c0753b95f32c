// The system clipboard for the clipboard commands: text as CF_TEXT, pictures
// as CF_DIB, CF_ENHMETAFILE and CF_BITMAP, and the save dialog through the
// file-dialog service.
#pragma once

#include <windows.h>

#include "player/clipboard_commands.h"

namespace orv::player {

class Win32Clipboard final : public ClipboardHost {
  public:
    bool PutText(std::string_view text) override;
    bool PutDib(std::span<const std::uint8_t> packedDib) override;
    bool PutMetafile(const Metafile& metafile) override;
    bool PutBitmapFile(const std::string& path) override;
    std::string Text() override;
    std::optional<std::vector<std::uint8_t>> Bitmap(bool trueColour) override;
    std::optional<std::string> AskFileName(const SaveQuestion& question) override;

    // The clipboard's owner and the dialog's parent: the player's main window.
    HWND Owner = nullptr;
};

}  // namespace orv::player
