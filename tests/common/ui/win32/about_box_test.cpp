#include "common/ui/win32/about_box.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "common/win32/icons.h"
#include "common/win32/system_routines.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv {
namespace {

using orv::testing::WriteFormPicture;
using testing::ModalDriver;
using testing::PressKey;

TEST(ProgramIcons, EveryIconOfTheResourceFileLoadsAtBothSizes) {
    for (OrvaneIcon icon : {OrvaneIcon::Program, OrvaneIcon::Loaded, OrvaneIcon::Menu,
                            OrvaneIcon::Running, OrvaneIcon::Record}) {
        EXPECT_NE(LoadProgramIcon(icon), nullptr) << IconResourceName(icon);
        EXPECT_NE(LoadProgramIcon(icon, true), nullptr) << IconResourceName(icon);
    }
}

TEST(AboutBoxTest, ShowsTheCallingProgramAndEnterCloses) {
    TAboutBox about("Orvane Player");
    ModalDriver driver;
    driver.Expect<TAboutBox>([](TAboutBox& shown) {
        EXPECT_EQ(shown.Caption(), "About");
        EXPECT_EQ(shown.ProductName.Text(), "Orvane Player");
        EXPECT_EQ(shown.Version.Text(), "Version 1.6a");
        PressKey(shown, VK_RETURN);
    });
    EXPECT_EQ(about.ShowModal(), IDOK);
}

TEST(FormPictures, AboutBox) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string folder = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(folder.c_str(), nullptr);
    TAboutBox about("Orvane Editor");
    EXPECT_TRUE(WriteFormPicture(about, folder + "\\TAboutBox.bmp"));
}

}  // namespace
}  // namespace orv
