// Driving real modal forms under Wine. A ModalDriver runs a scripted step
// inside the modal loop of each form as it is shown (so forms a step opens
// are driven in turn); keys go through the form's dialog manager as the
// user's would. File dialogs and help are answered and recorded by script.
// An unexpected form or file dialog, or a step left unused, fails the test.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <typeinfo>
#include <vector>

#include "common/ui/win32/form.h"
#include "common/ui/win32/services.h"

namespace orv::testing {

class ModalDriver final : public FormObserver {
  public:
    ModalDriver();
    ~ModalDriver() override;

    // The next form shown must be an F; the step must leave it closed.
    template <class F>
    void Expect(std::function<void(F&)> step) {
        Add(typeid(F).name(), [step = std::move(step)](TForm& form) {
            auto* typed = dynamic_cast<F*>(&form);
            if (typed)
                step(*typed);
            return typed != nullptr;
        });
    }

    void FormShown(TForm& form) override;

  private:
    struct Step {
        std::string expected;
        std::function<bool(TForm&)> run;
    };
    void Add(std::string expected, std::function<bool(TForm&)> run);
    std::deque<Step> steps_;
    FormObserver* previous_;
};

// Handles what is queued for the form, as the loop serving it would (every
// message offered to IsFormMessage first).
void Pump(TForm& form);
// Handles the thread's messages until done() holds; false after the time-out.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Keystrokes to the focused control of the form, handled by its dialog
// manager; they return once the form has dealt with them. Modifiers are held
// in the thread's key state meanwhile.
void PressKey(TForm& form, unsigned virtualKey, ShiftState shift = 0);
void PressMnemonic(TForm& form, char letter);  // Alt plus the letter
void TypeText(TForm& form, std::string_view text);
// A mouse message to the control at its client point, with keys and buttons
// held as shift says.
void MouseAt(TControl& control, UINT message, int x, int y, ShiftState shift = 0);

// Each radio of the shown form that the user can reach, clicked as the user
// does (BM_CLICK to it), radios a click shows included: then it alone of its
// question is checked, which is what the form reads back, and readBack (the
// form's own reading into its model, if it has one) must say so too.
void ClickEachRadio(TForm& form, const std::function<void(TRadioButton&)>& readBack = {});
// The same in every form of the list, each shown in turn.
void ClickEachRadioOf(std::initializer_list<TForm*> forms);

class ScriptedFileDialogs final : public FileDialogs {
  public:
    ScriptedFileDialogs();
    ~ScriptedFileDialogs() override;
    // The next file dialog must be an open (or save) dialog; it answers with
    // the file, or as cancelled without one.
    void ExpectOpen(std::optional<std::string> answer);
    void ExpectSave(std::optional<std::string> answer);

    std::optional<std::string> Open(HWND owner, const FileDialogOptions& options) override;
    std::optional<std::string> Save(HWND owner, const FileDialogOptions& options) override;
    const std::vector<FileDialogOptions>& Shown() const { return shown_; }

  private:
    struct Expectation {
        bool save;
        std::optional<std::string> answer;
    };
    std::optional<std::string> Answer(bool save, const FileDialogOptions& options);
    std::deque<Expectation> expected_;
    std::vector<FileDialogOptions> shown_;
    FileDialogs* previous_;
};

// Keeps the keywords help was asked for instead of opening help; a keyword
// the help file has no page for fails the test.
class RecordedHelp final : public HelpService {
  public:
    RecordedHelp();
    ~RecordedHelp() override;
    void ShowHelp(HWND owner, std::string_view keyword) override;
    void ShowContents(HWND) override { ++ContentsShown; }
    std::vector<std::string> Keywords;
    int ContentsShown = 0;

  private:
    HelpService* previous_;
};

}  // namespace orv::testing
