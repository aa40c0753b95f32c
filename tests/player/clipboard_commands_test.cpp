#include "player/clipboard_commands.h"

#include <gtest/gtest.h>

#include <fstream>

#include "common/files.h"
#include "player/interpreter.h"
#include "tests/player/pictures.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"
#include "tests/support/scratch_folder.h"

namespace orv::player {
namespace {

// A clipboard of one text or one picture, and a save dialog that answers
// from a script.
class FakeClipboard final : public ClipboardHost {
  public:
    bool PutText(std::string_view text) override {
        Clear();
        TextHeld = text;
        return true;
    }
    bool PutDib(std::span<const std::uint8_t> dib) override {
        Clear();
        DibHeld.assign(dib.begin(), dib.end());
        return true;
    }
    bool PutMetafile(const Metafile& metafile) override {
        Clear();
        MetafileBytes = metafile.Bits.size();
        return true;
    }
    bool PutBitmapFile(const std::string& path) override {
        Clear();
        BitmapFile = path;
        return true;
    }
    std::string Text() override { return TextHeld; }
    std::optional<std::vector<std::uint8_t>> Bitmap(bool) override {
        if (DibHeld.empty())
            return std::nullopt;
        return DibHeld;
    }
    std::optional<std::string> AskFileName(const SaveQuestion& question) override {
        Asked.push_back(question.Title);
        return Answer;
    }

    void Clear() {
        TextHeld.clear();
        DibHeld.clear();
        MetafileBytes = 0;
        BitmapFile.clear();
    }

    std::string TextHeld;
    std::vector<std::uint8_t> DibHeld;
    std::size_t MetafileBytes = 0;
    std::string BitmapFile;
    std::optional<std::string> Answer;
    std::vector<std::string> Asked;
};

void WriteBytes(const std::string& path, std::span<const std::uint8_t> bytes) {
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
}

class ClipboardCommandsTest : public ::testing::Test {
  protected:
    ClipboardCommandsTest() { host.FamiliesSet[FamilyId::Clipboard] = &commands; }

    void Run(const std::string& script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }
    std::string In(const std::string& name) const { return InFolder(folder.Path(), name); }

    orv::testing::ScratchFolder folder{"clipboard"};
    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeClipboard clipboard;
    ClipboardCommands commands{clipboard};
};

TEST_F(ClipboardCommandsTest, TextFilesGoWithoutTheirLastCtrlZAndStopAtNul) {
    ReplaceFileContents(In("a.txt"), "line\r\n\x1A");
    Run("<CLIPF:" + In("a.txt") + ">");
    EXPECT_EQ(clipboard.TextHeld, "line\r\n");
    ReplaceFileContents(In("b.txt"), std::string("up to\0here", 10));
    Run("<CLIPF:" + In("b.txt") + ">");
    EXPECT_EQ(clipboard.TextHeld, "up to");
    Run("<CLIPF:" + In("missing.txt") + ">");
    EXPECT_EQ(clipboard.TextHeld, "up to");
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(ClipboardCommandsTest, BeginClipPutsItsBodyWholeAndTypesNothing) {
    Run("<BEGCLIP>a<TAB>b<ENDCLIP>");
    EXPECT_EQ(clipboard.TextHeld, "a<TAB>b");
    EXPECT_EQ(host.Typed(), "");

    const std::string longBody(6000, 'q');
    Run("<BEGCLIP>" + longBody + "<ENDCLIP>z");
    EXPECT_EQ(clipboard.TextHeld, longBody);
    EXPECT_EQ(host.Typed(), "z");

    // Without its end nothing is copied and nothing typed.
    Run("<BEGCLIP>lost");
    EXPECT_EQ(clipboard.TextHeld, longBody);
    EXPECT_EQ(host.Typed(), "z");
}

TEST_F(ClipboardCommandsTest, ClipTypePlaysTheTextAsAScript) {
    clipboard.TextHeld = "x<ENTER>";
    Run("<CLIPTYPE>");
    EXPECT_EQ(host.Typed(), "x\n");
    host.Trace.clear();
    clipboard.TextHeld = "a\r\nb";
    Run("<CLIPTYPEI>");
    EXPECT_EQ(host.Typed(), "ab");
}

TEST_F(ClipboardCommandsTest, CopyAndPasteAreCtrlKeys) {
    Run("<CLIPC><CLIPP>");
    EXPECT_EQ(host.Typed(), "^C^V");
}

TEST_F(ClipboardCommandsTest, PicturesGoTheirWayByTheUpperCasedExtension) {
    WriteBytes(In("pic.jpg"), testing::ColourJpeg(5, 3));
    WriteBytes(In("drawing.wmf"), testing::PlaceableMetafile());
    WriteBytes(In("image.bmp"), {});
    Run("<CLIPB:" + In("pic.jpg") + ">");
    const DecodedImage held = RgbFromDib(clipboard.DibHeld);
    ASSERT_TRUE(held.Image);
    EXPECT_EQ(held.Image->Width, 5u);
    Run("<CLIPB:" + In("drawing.wmf") + ">");
    EXPECT_EQ(clipboard.MetafileBytes, testing::PlaceableMetafile().size() - 22);
    Run("<CLIPB:" + In("image.bmp") + ">");
    EXPECT_EQ(clipboard.BitmapFile, In("image.bmp"));
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(ClipboardCommandsTest, MissingAndDamagedPicturesAreToldAndTheRunGoesOn) {
    std::vector<std::uint8_t> cut = testing::ColourJpeg(40, 30);
    cut.resize(cut.size() / 2);
    WriteBytes(In("cut.JPG"), cut);
    Run("<CLIPB:" + In("no.wmf") + "><CLIPB:" + In("no.jpg") + "><CLIPB:" + In("no.bmp") +
        "><CLIPB:" + In("cut.JPG") + ">next");
    const std::vector<std::string> notices = host.Notices();
    ASSERT_EQ(notices.size(), 4u);
    EXPECT_EQ(notices[0], "MetaFile Copy Error: Windows metafile file could not be located.");
    EXPECT_EQ(notices[1], "JPEG Copy Error: JPEG file could not be located.");
    EXPECT_EQ(notices[2], "Bitmap Copy Error: Bitmap file could not be located.");
    EXPECT_TRUE(notices[3].starts_with("JPEG Copy Error: JPEG file \"" + In("cut.JPG") +
                                       "\" could not be read."))
        << notices[3];
    EXPECT_EQ(host.Typed(), "next");
}

TEST_F(ClipboardCommandsTest, SavingTheGraphic) {
    Run("<CLIPSG:" + In("none.bmp") + ">");
    EXPECT_EQ(host.Notices(),
              std::vector<std::string>{"Error: " + std::string(ClipboardText::NoGraphic)});
    EXPECT_FALSE(FileExists(In("none.bmp")));

    clipboard.DibHeld = DibFromRgb(testing::ColourfulImage(7, 4));
    Run("<CLIPSG::PROMPT:>");
    EXPECT_EQ(clipboard.Asked, std::vector<std::string>{"Save Clipboard Graphic to Graphic File"});

    Run("<CLIPSG:" + In("shot.png") + ">");
    EXPECT_FALSE(FileExists(In("shot.png")));
    const std::optional<std::string> bmp = ReadWholeFile(In("shot.png.BMP"));
    ASSERT_TRUE(bmp);
    EXPECT_EQ(bmp->substr(0, 2), "BM");

    Run("<CLIPSG:" + In("shot.JPG") + ">");
    const std::optional<std::string> jpeg = ReadWholeFile(In("shot.JPG"));
    ASSERT_TRUE(jpeg);
    const DecodedImage back =
        DecodeJpeg({reinterpret_cast<const std::uint8_t*>(jpeg->data()), jpeg->size()});
    ASSERT_TRUE(back.Image) << back.Error;
    EXPECT_EQ(back.Image->Width, 7u);
    EXPECT_EQ(back.Image->Height, 4u);
}

TEST_F(ClipboardCommandsTest, SavingAndAppendingTheText) {
    const std::string file = In("out.txt");
    ReplaceFileContents(file, "old\r\n");
    Run("<CLIPST:" + file + "><CLIPAT:" + file + ">");
    EXPECT_EQ(host.Notices(),
              std::vector<std::string>(2, "Error: " + std::string(ClipboardText::NoText)));
    EXPECT_EQ(ReadWholeFile(file), "old\r\n");

    clipboard.TextHeld = "new";
    Run("<CLIPST:" + file + "><CLIPAT:" + file + "><CLIPAT:" + In("missing.txt") + ">");
    EXPECT_EQ(ReadWholeFile(file), "new\r\nnew\r\n");
    EXPECT_FALSE(FileExists(In("missing.txt")));

    Run("<CLIPAT::PROMPT:>");  // cancelled
    EXPECT_EQ(clipboard.Asked, std::vector<std::string>{"Append Clipboard Text To File"});
    clipboard.Answer = In("chosen.txt");
    Run("<CLIPST::PROMPT:>");
    EXPECT_EQ(ReadWholeFile(In("chosen.txt")), "new\r\n");
}

TEST_F(ClipboardCommandsTest, EveryCommandOfTheFamilyReachesTheClipboard) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Clipboard,
        [&](const std::string& token) {
            clipboard.Clear();
            clipboard.TextHeld = "held";
            clipboard.Asked.clear();
            host.Trace.clear();
            // The samples' files go to the test's folder.
            std::string inFolder = token;
            if (const std::size_t x = inFolder.find("x>"); x != std::string::npos)
                inFolder.replace(x, 1, In("x"));
            Run(inFolder);
        },
        [&] {
            return clipboard.TextHeld != "held" || !clipboard.Asked.empty() || !host.Trace.empty();
        });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
