#include "tests/support/ui/hot_key_box_clicks.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <utility>

#include "common/hook_table.h"
#include "common/win32/window_numbers.h"
#include "hook/client/hook_client.h"
#include "hook/ornhook.h"
#include "tests/support/ui/form_testing.h"
#include "tests/support/win32/process.h"

namespace orv::testing {
namespace {

// The hooks in place and the form named as the window that asks for a
// combination, as the player hands it over while a hot-key box has the
// focus; all undone at the end.
class AskingHooks {
  public:
    explicit AskingHooks(HWND form) : keyboard_(OrnHookKeyboard()), mouse_(OrnHookMouse()) {
        Ask(form, true);
    }
    ~AskingHooks() {
        Ask(nullptr, false);
        OrnUnHook(mouse_);
        OrnUnHook(keyboard_);
    }
    AskingHooks(const AskingHooks&) = delete;
    AskingHooks& operator=(const AskingHooks&) = delete;
    bool Installed() const { return keyboard_ != 0 && mouse_ != 0; }

  private:
    void Ask(HWND form, bool on) {
        table_->SetU32(HookAt::SecondWindow, WindowNumber(form));
        table_->SetU8(HookAt::SecondWindowOn, on ? 1 : 0);
        library_.HandOver(HookSection::Window2, *table_);
    }
    OrnHookLibrary library_;
    std::unique_ptr<HookTable> table_ = std::make_unique<HookTable>();
    std::int32_t keyboard_;
    std::int32_t mouse_;
};

bool ClickAsUser(const TControl& control) {
    RECT r{};
    GetWindowRect(control.Handle(), &r);
    return StartHostProgram("/usr/bin/xdotool mousemove " + std::to_string((r.left + r.right) / 2) +
                            " " + std::to_string((r.top + r.bottom) / 2) + " click 1");
}

// Keys typed into the form as the user types them (xdotool's names).
bool KeysAsUser(const TForm& form, const std::string& keys) {
    const auto xid = reinterpret_cast<UINT_PTR>(GetPropA(form.Handle(), "__wine_x11_whole_window"));
    return StartHostProgram("/usr/bin/xdotool windowfocus --sync " + std::to_string(xid) + " key " +
                            keys);
}

// The letter after a single "&" in a caption, or 0.
char Mnemonic(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&' && caption[++i] != '&')
            return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i])));
    return 0;
}

// With the focus in the box, reach(button) on each button of the form that
// shows, is enabled and is picked: each must run its click once and leave
// chosen() as it was. The buttons' own handlers are held back meanwhile, so
// the form stays as it is.
void ExpectEachButtonReached(TForm& form, THotKeyEntry& box,
                             const std::function<std::string()>& chosen,
                             const std::function<bool(TButton&)>& picked,
                             const std::function<bool(TButton&)>& reach) {
    const std::string before = chosen();
    int tried = 0;
    for (TControl* control : form.Controls()) {
        auto* button = dynamic_cast<TButton*>(control);
        if (!button || !button->Showing() || !button->Enabled() || !picked(*button))
            continue;
        SCOPED_TRACE(button->Text());
        ++tried;
        int clicks = 0;
        std::function<void()> onClick = std::exchange(button->OnClick, [&] { ++clicks; });
        const int modalResult = std::exchange(button->ModalResult, 0);
        box.SetFocus();
        EXPECT_TRUE(box.Focused() && box.On());
        EXPECT_TRUE(reach(*button));
        EXPECT_TRUE(PumpUntil([&] { return clicks > 0; }, 20000)) << "it never reached the button";
        button->OnClick = std::move(onClick);
        button->ModalResult = modalResult;
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(chosen(), before);
    }
    EXPECT_GT(tried, 0);
}

}  // namespace

void ExpectClicksLeaveTheBox(TForm& form, THotKeyEntry& box,
                             const std::function<std::string()>& chosen) {
    AskingHooks hooks(form.Handle());
    ASSERT_TRUE(hooks.Installed());
    ExpectEachButtonReached(
        form, box, chosen, [](TButton&) { return true; },
        [](TButton& button) { return ClickAsUser(button); });
}

void ExpectKeysLeaveTheBox(TForm& form, THotKeyEntry& box,
                           const std::function<std::string()>& chosen) {
    AskingHooks hooks(form.Handle());
    ASSERT_TRUE(hooks.Installed());
    // The box is listening: a combination typed into it is chosen.
    box.SetFocus();
    const std::string unchosen = chosen();
    EXPECT_TRUE(KeysAsUser(form, "ctrl+shift+F11"));
    EXPECT_TRUE(PumpUntil([&] { return chosen() != unchosen; }, 20000))
        << "a combination typed into the box never reached it";
    const std::string before = chosen();
    for (const char* keys : {"Tab", "shift+Tab"}) {
        SCOPED_TRACE(keys);
        box.SetFocus();
        EXPECT_TRUE(KeysAsUser(form, keys));
        EXPECT_TRUE(PumpUntil([&] { return !box.Focused(); }, 20000)) << "the focus stayed";
        EXPECT_EQ(chosen(), before);
    }
    ExpectEachButtonReached(
        form, box, chosen, [](TButton& button) { return Mnemonic(button.Text()) != 0; },
        [&form](TButton& button) {
            return KeysAsUser(form, std::string("alt+") + Mnemonic(button.Text()));
        });
    ExpectEachButtonReached(
        form, box, chosen, [](TButton& button) { return button.Role() == ButtonRole::Default; },
        [&form](TButton&) { return KeysAsUser(form, "Return"); });
    // Escape is the form's: it cancels, as the close box does.
    box.SetFocus();
    EXPECT_TRUE(KeysAsUser(form, "Escape"));
    EXPECT_TRUE(PumpUntil([&] { return !form.IsOpen(); }, 20000)) << "Escape left the form open";
    EXPECT_EQ(form.ModalResult(), IDCANCEL);
    EXPECT_EQ(chosen(), before);
}

}  // namespace orv::testing
