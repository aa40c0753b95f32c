#include "common/ui/win32/services.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "common/ui/win32/form.h"
#include "common/win32/system_routines.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv {
namespace {

using orv::testing::WriteFormPicture;

class THelpForm : public TForm {
  public:
    THelpForm() : TForm("THelpForm", "Help", 160, 60) {
        HelpKeyword = "Set Delays";
        HelpButton.OnClick = [this] { ShowHelp(); };
        CancelButton.ModalResult = IDCANCEL;
    }
    TButton HelpButton{*this, nullptr, {8, 8, 70, 24}, "&Help"};
    TButton CancelButton{*this, nullptr, {84, 8, 70, 24}, "Cancel", ButtonRole::Cancel};
};

TEST(HelpTest, TheHelpButtonAsksForTheFormsKeyword) {
    testing::RecordedHelp help;
    testing::ModalDriver driver;
    THelpForm form;
    driver.Expect<THelpForm>([](THelpForm& f) {
        f.HelpButton.Click();
        testing::PressKey(f, VK_ESCAPE);
    });
    form.ShowModal();
    EXPECT_EQ(help.Keywords, std::vector<std::string>{"Set Delays"});
}

// The build puts the help file beside the test programs: this one looks in a
// program folder of its own, which has none.
TEST(HelpTest, AMissingHelpFileIsReportedNotOpened) {
    std::string folder = ProgramDir() + "\\no help here";
    std::string file = folder + "\\ORVHELP.CHM";
    ASSERT_EQ(GetFileAttributesA(file.c_str()), INVALID_FILE_ATTRIBUTES);
    testing::ScriptedMessageBoxes boxes;
    boxes.Expect("The help file " + file + " could not be found.", MsgResult::Ok, "Notice");
    HtmlHelpService help(folder);
    help.ShowHelp(nullptr, "Set Delays");
}

TEST(FileDialogsTest, ScriptAnswersAndRecordsEachDialog) {
    testing::ScriptedFileDialogs dialogs;
    dialogs.ExpectOpen("C:\\A.ORN");
    dialogs.ExpectSave(std::nullopt);
    FileDialogOptions options;
    options.Title = "Orvane Files";
    EXPECT_EQ(CurrentFileDialogs().Open(nullptr, options), "C:\\A.ORN");
    EXPECT_EQ(CurrentFileDialogs().Save(nullptr, options), std::nullopt);
    ASSERT_EQ(dialogs.Shown().size(), 2u);
    EXPECT_EQ(dialogs.Shown()[0].Title, "Orvane Files");
}

TEST(FileDialogsTest, ScriptFailsOnTheWrongKindOrAnUnusedAnswer) {
    EXPECT_NONFATAL_FAILURE(
        {
            testing::ScriptedFileDialogs dialogs;
            dialogs.ExpectOpen("x");
            CurrentFileDialogs().Save(nullptr, {});
        },
        "unexpected save dialog");
    EXPECT_NONFATAL_FAILURE(
        {
            testing::ScriptedFileDialogs dialogs;
            dialogs.ExpectSave("x");
        },
        "save dialog never shown");
}

std::vector<unsigned char> ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t Field(const std::vector<unsigned char>& b, std::size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<std::uint32_t>(b[at + 3]) << 24;
}

TEST(FormPictureTest, WritesTheShownFormAsABitmapAndClosesIt) {
    THelpForm form;
    std::string path = ProgramDir() + "\\THelpForm.bmp";
    ASSERT_TRUE(WriteFormPicture(form, path));
    EXPECT_FALSE(form.IsOpen());
    std::vector<unsigned char> bmp = ReadAll(path);
    std::remove(path.c_str());
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
    EXPECT_EQ(Field(bmp, 2), bmp.size());
    std::uint32_t width = Field(bmp, 18), height = Field(bmp, 22);
    EXPECT_GT(width, 160u);  // the client area plus the frame
    EXPECT_GT(height, 60u);
    EXPECT_EQ(bmp.size(), 54 + ((width * 3 + 3) & ~3u) * height);
    // A picture of something: the pixels are not all one colour.
    bool varied = false;
    for (std::size_t i = 55; i < bmp.size() && !varied; ++i) varied = bmp[i] != bmp[54];
    EXPECT_TRUE(varied);
}

TEST(FormPictureTest, AnUnwritableFolderIsReported) {
    THelpForm form;
    EXPECT_FALSE(WriteFormPicture(form, ProgramDir() + "\\no such folder\\THelpForm.bmp"));
}

}  // namespace
}  // namespace orv
