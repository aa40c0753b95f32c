// The clipboard commands on the real clipboard under Wine: pictures through
// the system's loaders, texts pasted into a real edit control, files in a
// folder of the test's own.
#include <gtest/gtest.h>

#include <fstream>

#include "common/files.h"
#include "player/interpreter.h"
#include "player/win32/win32_clipboard.h"
#include "player/win32/win32_player_host.h"
#include "tests/player/pictures.h"
#include "tests/player/win32/typing_window.h"
#include "tests/support/scratch_folder.h"

namespace orv::player {
namespace {

using testing::EditHolds;

void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

std::optional<RgbImage> HeldPicture(Win32Clipboard& clipboard) {
    const std::optional<std::vector<std::uint8_t>> dib = clipboard.Bitmap(true);
    if (!dib)
        return std::nullopt;
    return RgbFromDib(*dib).Image;
}

class ClipboardTest : public ::testing::Test {
  protected:
    ClipboardTest() {
        host.FamiliesSet[FamilyId::Clipboard] = &commands;
        host.OnMessage = [this](std::string_view caption, std::string_view text) {
            notices.push_back(std::string(caption) + ": " + std::string(text));
        };
    }

    void Play(const std::string& script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    std::string In(const std::string& name) const { return InFolder(folder.Path(), name); }

    orv::testing::ScratchFolder folder{"clipboard"};
    Win32PlayerHost host;
    RunState state;
    Interpreter interpreter{host, state};
    Win32Clipboard clipboard;
    ClipboardCommands commands{clipboard};
    std::vector<std::string> notices;
};

TEST_F(ClipboardTest, TextFilePastedIntoAnEditControl) {
    testing::TypingWindow target;
    ASSERT_TRUE(target.Focus());
    ReplaceFileContents(In("note.txt"), "from a file\x1A");
    Play("<CLIPF:" + In("note.txt") + "><CLIPP> and <BEGCLIP>a<TAB>b<ENDCLIP><CLIPP>");
    EXPECT_TRUE(EditHolds(target, "from a file and a<TAB>b"));
    EXPECT_EQ(clipboard.Text(), "a<TAB>b");
}

TEST_F(ClipboardTest, PicturesThroughTheSystemLoaders) {
    WriteBytes(In("pic.jpg"), testing::ColourJpeg(6, 5));
    Play("<CLIPB:" + In("pic.jpg") + ">");
    std::optional<RgbImage> held = HeldPicture(clipboard);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->Width, 6u);
    EXPECT_EQ(held->Height, 5u);

    WriteBytes(In("image.bmp"), *BmpFileFromDib(DibFromRgb(testing::ColourfulImage(3, 2))));
    Play("<CLIPB:" + In("image.bmp") + ">");
    held = HeldPicture(clipboard);
    ASSERT_TRUE(held);
    EXPECT_EQ(held->Width, 3u);
    EXPECT_EQ(held->Pixels, testing::ColourfulImage(3, 2).Pixels);

    WriteBytes(In("drawing.WMF"), testing::PlaceableMetafile());
    Play("<CLIPB:" + In("drawing.WMF") + ">");
    ASSERT_TRUE(OpenClipboard(nullptr));
    const bool enhanced = IsClipboardFormatAvailable(CF_ENHMETAFILE);
    CloseClipboard();
    EXPECT_TRUE(enhanced);
    EXPECT_TRUE(notices.empty());
}

TEST_F(ClipboardTest, GraphicSavedAsBitmapAndJpeg) {
    ASSERT_TRUE(clipboard.PutDib(DibFromRgb(testing::ColourfulImage(9, 7))));
    Play("<CLIPSG:" + In("shot.png") + "><CLIPSG:" + In("shot.jpg") + ">");
    const std::optional<std::string> bmp = ReadWholeFile(In("shot.png.BMP"));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->substr(0, 2), "BM");
    const std::optional<std::string> jpeg = ReadWholeFile(In("shot.jpg"));
    ASSERT_TRUE(jpeg);
    const DecodedImage back =
        DecodeJpeg({reinterpret_cast<const std::uint8_t*>(jpeg->data()), jpeg->size()});
    ASSERT_TRUE(back.Image) << back.Error;
    EXPECT_EQ(back.Image->Width, 9u);
    EXPECT_EQ(back.Image->Height, 7u);

    ASSERT_TRUE(clipboard.PutText("no picture"));
    Play("<CLIPSG:" + In("none.bmp") + ">");
    EXPECT_EQ(notices, std::vector<std::string>{"Error: " + std::string(ClipboardText::NoGraphic)});
    EXPECT_FALSE(FileExists(In("none.bmp")));
}

TEST_F(ClipboardTest, ReadOnlyTargetIsKept) {
    const std::string file = In("locked.txt");
    ReplaceFileContents(file, "kept\r\n");
    ASSERT_TRUE(SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY));
    ASSERT_TRUE(clipboard.PutText("new"));
    Play("<CLIPST:" + file + "><CLIPAT:" + file + ">");
    EXPECT_EQ(ReadWholeFile(file), "kept\r\n");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
}  // namespace orv::player
