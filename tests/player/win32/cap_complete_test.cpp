// "Capture Complete" driven as the user would: its layout for each macro
// type, the hot key pressed into its entry, and what Ok refuses or stores.
#include "player/win32/forms/cap_complete.h"

#include <gtest/gtest.h>

#include "common/hotkey_encoder.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/hot_key_box_clicks.h"
#include "tests/support/ui/form_testing.h"

namespace orv::player {
namespace {

using orv::testing::ModalDriver;

class RecordedSecondWindow final : public SecondWindow {
  public:
    void SetSecondWindow(HWND window, bool on) override {
        Window = window;
        On = on;
    }
    HWND Window = nullptr;
    bool On = false;
};

class CapCompleteTest : public ::testing::Test {
  protected:
    CapCompleteTest() {
        table->SetMacroCount(2);
        table->SetEntry(1, {.Kind = MacroKind::Global, .Activation = GlobalKey});
        table->SetEntry(2, {.Kind = MacroKind::Program, .Activation = ProgramKey});
        record.Nickname = "Capture";
        record.CuewordText = "capture";
        record.ActivationCode = ActivationCode::Cueword;
        record.MacroKind = MacroKind::Global;
    }
    // True when the dialog was left by Ok.
    bool Show(std::function<void(TCapComplete&)> step) {
        driver.Expect<TCapComplete>(std::move(step));
        TCapComplete dialog(record, "NOTEPAD.EXE", *table, settings, second);
        return dialog.ShowModal() == IDOK;
    }
    static int ButtonsTop(const TCapComplete& f) { return f.OkButton.GetBounds().Top; }

    static constexpr int GlobalKey = 3, ProgramKey = 4;
    std::unique_ptr<HookTable> table = std::make_unique<HookTable>();
    SettingsBlock settings;
    MacroRecord record;
    RecordedSecondWindow second;
    orv::testing::ScriptedMessageBoxes boxes;
    ModalDriver driver;
};

TEST_F(CapCompleteTest, TheLayoutFollowsTheMacroType) {
    orv::testing::RecordedHelp help;
    const bool ok = Show([](TCapComplete& f) {
        EXPECT_EQ(f.Caption(), "Capture Complete");
        EXPECT_TRUE(f.UseHotKey.Checked());
        EXPECT_TRUE(f.GlobalButton.Checked());
        EXPECT_TRUE(f.HotKeyEntry.Focused());
        EXPECT_EQ(f.KeyList.Count(), HotKeyCount);
        EXPECT_EQ(f.KeyList.Item(GlobalKey), KeyListLine(GlobalKey, 1));
        struct Case {
            TRadioButton* type;
            int buttons;
            bool hotKeys, cueword;
        };
        const Case cases[] = {{&f.UseCuewords, 181, false, true},
                              {&f.RadioButton1, 155, false, false},
                              {&f.UseHotKey, 420, true, false}};
        for (const Case& c : cases) {
            c.type->Click();
            EXPECT_EQ(ButtonsTop(f), c.buttons);
            EXPECT_EQ(f.ClientHeight(), c.buttons + 23);
            EXPECT_EQ(f.KeyList.Visible(), c.hotKeys);
            EXPECT_EQ(f.HotKeyEntry.Visible(), c.hotKeys);
            EXPECT_EQ(f.CuewordName.Visible(), c.cueword);
        }
        f.HelpButton.Click();
        f.Close();
    });
    EXPECT_EQ(help.Keywords, std::vector<std::string>{"Capture Complete"});
    // Closed otherwise: the record as before, and the player is told so (it
    // then saves the recording with no activation).
    EXPECT_FALSE(ok);
    EXPECT_EQ(record.ActivationCode, ActivationCode::Cueword);
    EXPECT_FALSE(second.On);
}

TEST_F(CapCompleteTest, APressedHotKeySelectsItsLine) {
    const int ctrlAltQ = EncodeHotKey({.vk = 'Q', .alt = true, .ctrl = true});
    Show([&](TCapComplete& f) {
        EXPECT_TRUE(second.On);
        EXPECT_EQ(second.Window, f.Handle());
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, ctrlAltQ, 0);
        EXPECT_EQ(f.KeyList.ItemIndex(), ctrlAltQ);
        EXPECT_EQ(f.HotKeyEntry.Text(), KeyName(ctrlAltQ));
        // The user's click on a button leaves the box and keeps the key.
        orv::testing::ExpectClicksLeaveTheBox(f, f.HotKeyEntry, [&f] {
            return f.HotKeyEntry.Text() + "|" + std::to_string(f.KeyList.ItemIndex());
        });
        f.NickName.SetText("  Quick ");
        f.ProgramButton.Click();
        f.OkButton.Click();
    });
    EXPECT_EQ(record.ActivationCode, ctrlAltQ);
    EXPECT_EQ(record.Nickname.str(), "Quick");
    EXPECT_EQ(record.MacroKind, MacroKind::Program);
    EXPECT_EQ(record.ScopeText.str(), "NOTEPAD.EXE");
    EXPECT_FALSE(second.On) << "off again once the dialog has gone";
}

TEST_F(CapCompleteTest, TheUsersKeysLeaveTheBoxAndEscapeClosesIt) {
    const MacroRecord before = record;
    // Without a Cancel button, Escape is the close box.
    const bool ok = Show([&](TCapComplete& f) {
        orv::testing::ExpectKeysLeaveTheBox(f, f.HotKeyEntry, [&f] {
            return f.HotKeyEntry.Text() + "|" + std::to_string(f.KeyList.ItemIndex());
        });
    });
    EXPECT_FALSE(ok);
    EXPECT_EQ(record.ActivationCode, before.ActivationCode);
}

TEST_F(CapCompleteTest, OkRefusesWhatCannotWork) {
    boxes.Expect(CapCompleteText::NoHotKey, MsgResult::Ok, CapCompleteText::ErrorCaption);
    boxes.Expect(CapCompleteText::GlobalTaken, MsgResult::Ok, CapCompleteText::ErrorCaption);
    boxes.Expect(CapCompleteText::NoCueword, MsgResult::Ok, CapCompleteText::ErrorCaption);
    const bool ok = Show([&](TCapComplete& f) {
        f.OkButton.Click();
        // Keys count only while the entry has the focus.
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, GlobalKey, 0);
        EXPECT_EQ(f.HotKeyEntry.Text(), "");
        f.HotKeyEntry.SetFocus();
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, GlobalKey, 0);
        f.OkButton.Click();
        f.UseCuewords.Click();
        f.CuewordName.SetText("   ");
        f.OkButton.Click();
        EXPECT_TRUE(f.CuewordName.Focused());
        EXPECT_TRUE(f.IsOpen());
        f.CuewordName.SetText("hh");
        f.OkButton.Click();
    });
    EXPECT_TRUE(ok);
    EXPECT_EQ(record.ActivationCode, ActivationCode::Cueword);
    EXPECT_EQ(record.CuewordText.str(), "hh");
    EXPECT_EQ(record.MacroKind, MacroKind::Global);
}

TEST_F(CapCompleteTest, AKeyTheSystemMayUseIsAskedAbout) {
    const int systemKey = WindowsHotKeyTable[0];
    const std::string& name = KeyName(systemKey);
    const std::string question = name + " may be used internally by Windows 95, 98 or NT. " +
                                 " This may cause the hot key not to function correctly." +
                                 " Would you still like to use " + name + "?";
    boxes.Expect(question, MsgResult::No, CapCompleteText::WarningCaption);
    boxes.Expect(question, MsgResult::Yes, CapCompleteText::WarningCaption);
    Show([&](TCapComplete& f) {
        SendMessageA(f.Handle(), ProgramMessage::SecondWindowKey, systemKey, 0);
        f.OkButton.Click();
        EXPECT_TRUE(f.IsOpen());
        f.OkButton.Click();
    });
    EXPECT_EQ(record.ActivationCode, systemKey);
}

}  // namespace
}  // namespace orv::player
