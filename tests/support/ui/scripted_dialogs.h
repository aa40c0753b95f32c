// The font and folder dialogs answered by script; each keeps what it was
// shown with.
#pragma once

#include <string>
#include <vector>

#include "common/ui/win32/folder_dialogs.h"
#include "common/ui/win32/font_dialogs.h"
#include "tests/support/ui/scripted_answers.h"

namespace orv::testing {

class ScriptedFontDialogs final : public FontDialogs {
  public:
    ScriptedFontDialogs();
    ~ScriptedFontDialogs() override;
    void ExpectFont(std::optional<FontDescription> answer) { answers_.Add(std::move(answer)); }
    std::optional<FontDescription> Choose(HWND owner, const FontDescription& start,
                                          bool effects) override;
    struct Shown {
        FontDescription Start;
        bool Effects;
    };
    std::vector<Shown> Dialogs;

  private:
    ScriptedAnswers<FontDescription> answers_{"font dialog"};
    FontDialogs* previous_;
};

class ScriptedFolderDialogs final : public FolderDialogs {
  public:
    ScriptedFolderDialogs();
    ~ScriptedFolderDialogs() override;
    void ExpectFolder(std::optional<std::string> answer) { answers_.Add(std::move(answer)); }
    std::optional<std::string> Browse(HWND owner, std::string_view title,
                                      std::string_view initialFolder) override;
    std::optional<std::string> BrowseNetwork(HWND owner, std::string_view title) override {
        ++NetworkBrowses;
        return Browse(owner, title, "");
    }
    std::vector<std::string> Titles;
    int NetworkBrowses = 0;  // of the browses, those rooted at the network

  private:
    ScriptedAnswers<std::string> answers_{"folder browser"};
    FolderDialogs* previous_;
};

}  // namespace orv::testing
