#include "tests/support/ui/form_testing.h"

#include <gtest/gtest.h>

namespace orv::testing {
namespace {

// Handles what is queued for the form, as its modal loop would.
void Pump(TForm& form) {
    MSG msg;
    while (form.IsOpen() && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsDialogMessageA(form.Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

HWND KeyTarget(TForm& form) {
    HWND focus = GetFocus();
    return focus && (focus == form.Handle() || IsChild(form.Handle(), focus)) ? focus
                                                                              : form.Handle();
}

}  // namespace

ModalDriver::ModalDriver() : previous_(CurrentFormObserver()) {
    SetFormObserver(this);
}

ModalDriver::~ModalDriver() {
    SetFormObserver(previous_);
    for (const Step& s : steps_) ADD_FAILURE() << "form never shown: " << s.expected;
}

void ModalDriver::Add(std::string expected, std::function<bool(TForm&)> run) {
    steps_.push_back({std::move(expected), std::move(run)});
}

void ModalDriver::FormShown(TForm& form) {
    // A form left open would wait for a user who never comes.
    if (steps_.empty()) {
        ADD_FAILURE() << "unexpected form " << form.Name();
    } else {
        Step step = std::move(steps_.front());
        steps_.pop_front();
        if (!step.run(form))
            ADD_FAILURE() << "expected " << step.expected << ", shown " << form.Name();
        else if (form.IsOpen())
            ADD_FAILURE() << "form left open by the test: " << form.Name();
    }
    form.Close(IDCANCEL);
}

void PressKey(TForm& form, unsigned virtualKey) {
    HWND target = KeyTarget(form);
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    PostMessageA(target, WM_KEYDOWN, virtualKey, 1 | (scan << 16));
    PostMessageA(target, WM_KEYUP, virtualKey, 1 | (scan << 16) | 0xC0000000u);
    Pump(form);
}

void PressMnemonic(TForm& form, char letter) {
    // What Alt plus a letter gives a dialog: the system character message.
    PostMessageA(KeyTarget(form), WM_SYSCHAR, static_cast<unsigned char>(letter), 1 | (1 << 29));
    Pump(form);
}

void TypeText(TForm& form, std::string_view text) {
    for (char c : text) PostMessageA(KeyTarget(form), WM_CHAR, static_cast<unsigned char>(c), 1);
    Pump(form);
}

ScriptedFileDialogs::ScriptedFileDialogs() : previous_(&CurrentFileDialogs()) {
    SetCurrentFileDialogs(this);
}

ScriptedFileDialogs::~ScriptedFileDialogs() {
    SetCurrentFileDialogs(previous_);
    for (const Expectation& e : expected_)
        ADD_FAILURE() << (e.save ? "save" : "open") << " dialog never shown";
}

void ScriptedFileDialogs::ExpectOpen(std::optional<std::string> answer) {
    expected_.push_back({false, std::move(answer)});
}

void ScriptedFileDialogs::ExpectSave(std::optional<std::string> answer) {
    expected_.push_back({true, std::move(answer)});
}

std::optional<std::string> ScriptedFileDialogs::Answer(bool save,
                                                       const FileDialogOptions& options) {
    shown_.push_back(options);
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected " << (save ? "save" : "open") << " dialog: " << options.Title;
        return std::nullopt;
    }
    Expectation e = std::move(expected_.front());
    expected_.pop_front();
    if (e.save == save)
        return e.answer;
    ADD_FAILURE() << "unexpected " << (save ? "save" : "open") << " dialog: " << options.Title;
    return std::nullopt;
}

std::optional<std::string> ScriptedFileDialogs::Open(HWND, const FileDialogOptions& options) {
    return Answer(false, options);
}

std::optional<std::string> ScriptedFileDialogs::Save(HWND, const FileDialogOptions& options) {
    return Answer(true, options);
}

RecordedHelp::RecordedHelp() : previous_(&CurrentHelp()) {
    SetCurrentHelp(this);
}

RecordedHelp::~RecordedHelp() {
    SetCurrentHelp(previous_);
}

void RecordedHelp::ShowHelp(HWND, std::string_view keyword) {
    Keywords.emplace_back(keyword);
}

}  // namespace orv::testing
