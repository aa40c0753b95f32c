#include "tests/support/ui/hot_key_box_clicks.h"

#include <gtest/gtest.h>

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

}  // namespace

void ExpectClicksLeaveTheBox(TForm& form, THotKeyEntry& box,
                             const std::function<std::string()>& chosen) {
    AskingHooks hooks(form.Handle());
    ASSERT_TRUE(hooks.Installed());
    const std::string before = chosen();
    int tried = 0;
    for (TControl* control : form.Controls()) {
        auto* button = dynamic_cast<TButton*>(control);
        if (!button || !button->Showing() || !button->Enabled())
            continue;
        SCOPED_TRACE(button->Text());
        ++tried;
        int clicks = 0;
        std::function<void()> onClick = std::exchange(button->OnClick, [&] { ++clicks; });
        const int modalResult = std::exchange(button->ModalResult, 0);
        box.SetFocus();
        EXPECT_TRUE(box.Focused() && box.On());
        EXPECT_TRUE(ClickAsUser(*button));
        EXPECT_TRUE(PumpUntil([&] { return clicks > 0; }, 20000))
            << "the click never reached the button";
        button->OnClick = std::move(onClick);
        button->ModalResult = modalResult;
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(chosen(), before);
    }
    EXPECT_GT(tried, 0);
}

}  // namespace orv::testing
