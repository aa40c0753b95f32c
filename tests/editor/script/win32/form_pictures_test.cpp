// Writes a picture of the script editor's forms into the folder named by
// ORVANE_FORM_PICTURES (scripts/form-pictures sets it), else into a folder
// beside the tests.
#include <gtest/gtest.h>

#include <cstdlib>

#include "common/win32/system_routines.h"
#include "editor/script/win32/palette.h"
#include "editor/script/win32/text_insert_dialog.h"
#include "tests/editor/script/win32/script_editor_fixture.h"
#include "tests/support/ui/form_picture.h"
#include "tests/support/ui/form_testing.h"

namespace orv::editor {
namespace {

using orv::testing::WriteFormPicture;
using FormPictures = testing::ScriptEditorTest;

TEST_F(FormPictures, EveryScriptEditorForm) {
    const char* wanted = std::getenv("ORVANE_FORM_PICTURES");
    std::string pictures = wanted && *wanted ? wanted : ProgramDir() + "\\form-pictures";
    CreateDirectoryA(pictures.c_str(), nullptr);
    TDoScripting editor(host);
    TDoTextInsert textInsert;
    textInsert.ScriptEditChoice = 1;
    TDoWizard palette(editor);
    const std::initializer_list<TForm*> forms = {&editor, &textInsert, &palette};
    for (TForm* form : forms) {
        std::string path = pictures + "\\" + form->Name() + ".bmp";
        EXPECT_TRUE(WriteFormPicture(*form, path)) << path;
    }
    orv::testing::ClickEachRadioOf(forms);
}

}  // namespace
}  // namespace orv::editor
