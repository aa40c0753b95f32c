#include "player/clipboard_commands.h"

#include <algorithm>

#include "common/files.h"
#include "common/string_routines.h"
#include "player/playback.h"

namespace orv::player {

namespace {

using C = CommandCode;

constexpr char CtrlZ = 26;
constexpr std::uint8_t KeyC = 67;
constexpr std::uint8_t KeyV = 86;
constexpr std::string_view EndClip = "<ENDCLIP>";

// The last four characters, upper-cased: how a file's kind is told.
std::string Extension(std::string_view name) {
    return UpperAscii(name.substr(name.size() - std::min<std::size_t>(4, name.size())));
}

void CtrlWith(Playback& play, std::uint8_t key) {
    play.PostVKey(VKey::Control, false);
    play.PostVKey(key, false);
    play.PostVKey(key, true);
    play.PostVKey(VKey::Control, true);
}

// The three kinds of picture file, each with its own notices.
struct PictureKind {
    std::string_view Caption;
    std::string_view What;
};
constexpr PictureKind MetafileKind{"MetaFile Copy Error", "Windows metafile file"};
constexpr PictureKind JpegKind{"JPEG Copy Error", "JPEG file"};
constexpr PictureKind BitmapKind{"Bitmap Copy Error", "Bitmap file"};

// A picture file's bytes; none when it cannot be read or is larger than any
// picture the player takes.
std::optional<std::string> ReadPictureFile(const std::string& path) {
    FilePtr file = OpenFile(path, "rb");
    if (!file)
        return std::nullopt;
    const long long size = FileSize(file.get());
    if (size < 0 || static_cast<std::uint64_t>(size) > ClipboardCommands::MaxPictureFileBytes)
        return std::nullopt;
    file.reset();
    return ReadWholeFile(path);
}

std::span<const std::uint8_t> AsBytes(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

bool WriteWhole(const std::string& path, std::span<const std::uint8_t> bytes) {
    return ReplaceFileContents(path, {reinterpret_cast<const char*>(bytes.data()), bytes.size()});
}

}  // namespace

Flow ClipboardCommands::Perform(CommandContext& context) {
    Playback& play = context.Play;
    const TokenForm& form = context.Form();
    const std::string name(context.Match.Texts[0]);
    switch (form.Code) {
        case C::ClipboardFileCopy:
            CopyFileText(context, name);
            break;
        case C::ClipboardGraphicCopy:
            CopyPicture(context, name);
            break;
        case C::ClipboardCopy:
            CtrlWith(play, KeyC);
            break;
        case C::ClipboardPaste:
            CtrlWith(play, KeyV);
            play.PauseForNoSpeed(0.1);
            break;
        case C::ClipboardStartCopy: {
            // Without "<ENDCLIP>" nothing is copied; the body goes whole, its
            // tokens as they stand.
            const std::size_t end = context.Rest.find(EndClip);
            if (end != std::string_view::npos) {
                host_.PutText(context.Rest.substr(0, end));
                play.PauseForNoSpeed(0.05);
            }
            break;
        }
        case C::ClipboardTypeText: {
            std::string text = host_.Text();
            if (form.Head == "<CLIPTYPEI>")
                std::erase_if(text, [](char c) { return c == '\r' || c == '\n'; });
            if (!text.empty())
                context.Nested(text);
            break;
        }
        case C::ClipboardSaveGraphic:
            SaveGraphic(context, name);
            break;
        case C::ClipboardSaveText:
        case C::ClipboardAppendText:
            SaveText(context, name, form.Code == C::ClipboardAppendText);
            break;
        default:
            ReportFormWithoutCase(form);
    }
    return Flow::Next;
}

void ClipboardCommands::CopyFileText(CommandContext& context, const std::string& name) {
    std::optional<std::string> text = ReadWholeFile(name);
    if (!text)
        return;
    if (!text->empty() && text->back() == CtrlZ)
        text->pop_back();
    host_.PutText(std::string_view(*text).substr(0, text->find('\0')));
    context.Play.PauseForNoSpeed(0.05);
}

void ClipboardCommands::CopyPicture(CommandContext& context, const std::string& name) {
    const std::string extension = Extension(name);
    const PictureKind& kind = extension == ".WMF"   ? MetafileKind
                              : extension == ".JPG" ? JpegKind
                                                    : BitmapKind;
    PlayerHost& player = context.Play.Host();
    if (!FileExists(name)) {
        player.DoAMessage(kind.Caption, std::string(kind.What) + " could not be located.");
        return;
    }
    std::string reason;
    bool put = false;
    if (&kind == &BitmapKind) {
        put = host_.PutBitmapFile(name);
    } else if (const std::optional<std::string> bytes = ReadPictureFile(name)) {
        if (&kind == &JpegKind) {
            const DecodedImage decoded = DecodeJpeg(AsBytes(*bytes));
            reason = decoded.Error;
            put = decoded.Image && host_.PutDib(DibFromRgb(*decoded.Image));
        } else {
            const std::optional<Metafile> metafile = ReadMetafile(AsBytes(*bytes));
            put = metafile && host_.PutMetafile(*metafile);
        }
    }
    // A damaged file is told like a missing one, and the run goes on.
    if (!put) {
        player.DoAMessage(kind.Caption, std::string(kind.What) + " \"" + name +
                                            "\" could not be read." +
                                            (reason.empty() ? "" : " " + reason + "."));
    }
}

void ClipboardCommands::SaveGraphic(CommandContext& context, const std::string& field) {
    if (!host_.Bitmap(false)) {
        context.Play.Host().DoAMessage("Error", ClipboardText::NoGraphic);
        return;
    }
    std::string name = field;
    if (field == Prompt) {
        const std::optional<std::string> chosen =
            host_.AskFileName({"Save Clipboard Graphic to Graphic File",
                               "Bitmap (*.BMP)|*.BMP|JPeg (*.JPG)|*.JPG", "BMP", false});
        if (!chosen)
            return;
        name = *chosen;
    }
    const std::string extension = Extension(name);
    if (extension == ".JPG") {
        const std::optional<std::vector<std::uint8_t>> dib = host_.Bitmap(true);
        const DecodedImage image = dib ? RgbFromDib(*dib) : DecodedImage{};
        if (image.Image) {
            if (const auto jpeg = EncodeJpeg(*image.Image, 100))
                WriteWhole(name, *jpeg);
        }
        return;
    }
    if (extension != ".BMP")
        name += ".BMP";
    const std::optional<std::vector<std::uint8_t>> dib = host_.Bitmap(false);
    if (const auto file = dib ? BmpFileFromDib(*dib) : std::nullopt)
        WriteWhole(name, *file);
}

void ClipboardCommands::SaveText(CommandContext& context, const std::string& field, bool append) {
    const std::string text = host_.Text();
    if (text.empty()) {
        context.Play.Host().DoAMessage("Error", ClipboardText::NoText);
        return;
    }
    std::string name = field;
    if (field == Prompt) {
        const std::optional<std::string> chosen = host_.AskFileName(
            {append ? "Append Clipboard Text To File" : "Save Clipboard Text To File",
             "Text Files (*.TXT)|*.TXT", "TXT", append});
        if (!chosen)
            return;
        name = *chosen;
    }
    // A read-only file stays as it was, also for a user who could write it.
    if (FileReadOnly(name))
        return;
    const std::string line = text + "\r\n";
    if (!append) {
        ReplaceFileContents(name, line);
        return;
    }
    if (!FileExists(name))
        return;
    if (FilePtr file = OpenFile(name, "ab"))
        std::fwrite(line.data(), 1, line.size(), file.get());
}

}  // namespace orv::player
