#include "tests/support/ui/form_testing.h"

#include <gtest/gtest.h>

#include "common/help_topics.h"
#include "common/message_boxes.h"

namespace orv::testing {
namespace {

HWND KeyTarget(TForm& form) {
    HWND focus = GetFocus();
    return focus && (focus == form.Handle() || IsChild(form.Handle(), focus)) ? focus
                                                                              : form.Handle();
}

// Keys and buttons held down in the thread's key state while a posted
// message is handled, as the system's own state would show them.
class HeldKeys {
  public:
    explicit HeldKeys(ShiftState shift) {
        GetKeyboardState(saved_);
        BYTE keys[256];
        CopyMemory(keys, saved_, sizeof keys);
        auto hold = [&](ShiftState flag, int key) {
            if (shift & flag)
                keys[key] |= 0x80;
        };
        hold(CtrlDown, VK_CONTROL);
        hold(ShiftDown, VK_SHIFT);
        hold(AltDown, VK_MENU);
        hold(LeftButtonDown, VK_LBUTTON);
        SetKeyboardState(keys);
    }
    ~HeldKeys() { SetKeyboardState(saved_); }

  private:
    BYTE saved_[256];
};

}  // namespace

void Pump(TForm& form) {
    MSG msg;
    while (form.IsOpen() && PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (!IsFormMessage(msg)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
}

bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > timeoutMs)
            return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (!IsFormMessage(msg)) {
                TranslateMessage(&msg);
                DispatchMessageA(&msg);
            }
        }
    }
    return true;
}

void MouseAt(TControl& control, UINT message, int x, int y, ShiftState shift) {
    HeldKeys held(shift);
    WPARAM keys = ((shift & CtrlDown) ? MK_CONTROL : 0) | ((shift & ShiftDown) ? MK_SHIFT : 0) |
                  ((shift & LeftButtonDown) ? MK_LBUTTON : 0);
    // The pointer goes there too, so what the system makes of its position
    // (a move it reports after a capture, a window under it) agrees.
    POINT screen{x, y};
    ClientToScreen(control.Handle(), &screen);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(control.Handle(), message, keys, MAKELPARAM(x, y));
    Pump(control.Form());
}

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
    // One that asks first (its question failed the test) goes all the same.
    if (form.IsOpen() && form.IsModal())
        EndDialog(form.Handle(), IDCANCEL);
}

void PressKey(TForm& form, unsigned virtualKey, ShiftState shift) {
    HeldKeys held(shift);
    HWND target = KeyTarget(form);
    UINT scan = MapVirtualKeyA(virtualKey, 0);
    bool alt = (shift & AltDown) != 0;
    LPARAM context = alt ? (1 << 29) : 0;
    PostMessageA(target, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, virtualKey, 1 | (scan << 16) | context);
    PostMessageA(target, alt ? WM_SYSKEYUP : WM_KEYUP, virtualKey,
                 1 | (scan << 16) | context | 0xC0000000u);
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

void ClickEachRadio(TForm& form, const std::function<void(TRadioButton&)>& readBack) {
    // By place: a click may build controls.
    for (std::size_t i = 0; i < form.Controls().size(); ++i) {
        auto* radio = dynamic_cast<TRadioButton*>(form.Controls()[i]);
        if (!radio || !radio->Handle() || !IsWindowVisible(radio->Handle()) ||
            !IsWindowEnabled(radio->Handle()))
            continue;
        SCOPED_TRACE(form.Name() + ": " + radio->Text());
        SendMessageA(radio->Handle(), BM_CLICK, 0, 0);
        for (const TRadioButton* other : radio->Question())
            EXPECT_EQ(other->Checked(), other == radio) << other->Text();
        if (readBack)
            readBack(*radio);
    }
}

namespace {

// An editor asks before the changes the clicks made go: they may. Every other
// prompt is the test's own.
class ChangesGo final : public MessageBoxes {
  public:
    ChangesGo() : previous_(CurrentMessageBoxes()) { SetCurrentMessageBoxes(this); }
    ~ChangesGo() override { SetCurrentMessageBoxes(&previous_); }
    int Show(std::string_view caption, std::string_view text, unsigned style) override {
        return text == DiscardChangesQuestion ? MsgResult::Yes
                                              : previous_.Show(caption, text, style);
    }

  private:
    MessageBoxes& previous_;
};

}  // namespace

void ClickEachRadioOf(std::initializer_list<TForm*> forms) {
    ChangesGo changesGo;
    ModalDriver driver;
    for (TForm* form : forms) {
        driver.Expect<TForm>([](TForm& f) {
            ClickEachRadio(f);
            f.Close(IDCANCEL);
        });
        form->ShowModal();
    }
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
    if (!FindHelpTopic(keyword))
        ADD_FAILURE() << "the help file has no page for the keyword \"" << keyword << "\"";
}

}  // namespace orv::testing
