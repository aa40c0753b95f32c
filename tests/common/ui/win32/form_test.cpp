#include "common/ui/win32/form.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <stdexcept>

#include "common/ui/win32/display.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/ui/form_testing.h"

namespace orv {
namespace {

using testing::ModalDriver;
using testing::PressKey;
using testing::PressMnemonic;
using testing::TypeText;

// A form with one of each control, in the shape real forms take.
class TSampleForm : public TForm {
  public:
    TSampleForm() : TForm("TSampleForm", "Sample", 300, 220) {
        OkButton.OnClick = [this] { ++okClicks, Close(IDOK); };
        CancelButton.ModalResult = IDCANCEL;
        Second.OnClick = [this] { ++secondClicks; };
    }

    TLabel NameLabel{*this, nullptr, {8, 8, 60, 16}, "&Name"};
    TEdit Name{*this, nullptr, {70, 6, 120, 21}};
    TGroupBox Choices{*this, nullptr, {8, 34, 180, 70}, "Choices"};
    TRadioButton First{*this, &Choices, {8, 16, 120, 18}, "&First"};
    TRadioButton Second{*this, &Choices, {8, 36, 120, 18}, "&Second"};
    TPanel Extra{*this, nullptr, {8, 110, 180, 60}};
    TCheckBox Flag{*this, &Extra, {0, 0, 120, 18}, "F&lag"};
    TEdit Number{*this, &Extra, {0, 24, 60, 21}};
    TUpDown Arrows{*this, &Extra, {62, 24, 16, 21}, Number, 0, 20};
    TListBox List{*this, nullptr, {196, 6, 96, 80}, true};
    TComboBox Drop{*this, nullptr, {196, 92, 96, 21}};
    TButton OkButton{*this, nullptr, {60, 186, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {140, 186, 75, 25}, "&Cancel", ButtonRole::Cancel};

    int okClicks = 0;
    int secondClicks = 0;
    std::function<void()> OnShow;
    std::vector<UINT> userMessages;

  protected:
    void FormShow() override {
        if (OnShow)
            OnShow();
    }
    bool UserMessage(UINT message, WPARAM w, LPARAM, LRESULT& result) override {
        userMessages.push_back(message);
        result = static_cast<LRESULT>(w) + 1;
        return true;
    }
};

// A second form, opened from inside the first.
class TInnerForm : public TForm {
  public:
    TInnerForm() : TForm("TInnerForm", "Inner", 120, 60) {}
    TEdit Value{*this, nullptr, {8, 8, 100, 21}};
    TButton Done{*this, nullptr, {8, 32, 60, 22}, "Done", ButtonRole::DefaultAndCancel};
};

class FormTest : public ::testing::Test {
  protected:
    ModalDriver driver;
    TSampleForm form;
};

TEST_F(FormTest, ValuesSetBeforeTheShowAreShownAndTheUsersAreKeptAfterwards) {
    form.Name.SetText("before");
    form.Second.SetChecked(true);
    form.Flag.SetChecked(true);
    form.List.AddItem("pear", 2);
    form.List.AddItem("apple", 1);
    form.List.SetItemIndex(1);
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        char text[64] = {};
        GetWindowTextA(f.Name.Handle(), text, sizeof text);
        EXPECT_STREQ(text, "before");
        EXPECT_EQ(SendMessageA(f.Second.Handle(), BM_GETCHECK, 0, 0), BST_CHECKED);
        EXPECT_EQ(SendMessageA(f.First.Handle(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
        EXPECT_EQ(f.List.Item(0), "apple");  // sorted before the show already
        EXPECT_EQ(f.List.ItemIndex(), 1);
        SetWindowTextA(f.Name.Handle(), "typed");
        f.First.Click();
        f.Flag.Click();
        f.List.AddItem("banana", 3);
        f.List.SetItemIndex(1);
        f.OkButton.Click();
    });
    EXPECT_EQ(form.ShowModal(), IDOK);
    EXPECT_EQ(form.Handle(), nullptr);
    EXPECT_EQ(form.Name.Text(), "typed");
    EXPECT_TRUE(form.First.Checked());
    EXPECT_FALSE(form.Second.Checked());
    EXPECT_FALSE(form.Flag.Checked());
    ASSERT_EQ(form.List.Count(), 3);
    EXPECT_EQ(form.List.Item(1), "banana");
    EXPECT_EQ(form.List.Object(1), 3);
    EXPECT_EQ(form.List.Object(2), 2);
    EXPECT_EQ(form.List.ItemIndex(), 1);
}

TEST_F(FormTest, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
    driver.Expect<TSampleForm>([](TSampleForm& f) { PressKey(f, VK_RETURN); });
    EXPECT_EQ(form.ShowModal(), IDOK);
    EXPECT_EQ(form.okClicks, 1);

    driver.Expect<TSampleForm>([](TSampleForm& f) {
        PressKey(f, VK_ESCAPE);
        EXPECT_FALSE(f.IsOpen());
    });
    EXPECT_EQ(form.ShowModal(), IDCANCEL);
    EXPECT_EQ(form.okClicks, 1);
}

TEST_F(FormTest, EscapeDoesNothingWithoutACancelButtonButTheCloseBoxCloses) {
    class TNoCancel : public TForm {
      public:
        TNoCancel() : TForm("TNoCancel", "No cancel", 100, 40) {}
        TButton Go{*this, nullptr, {8, 8, 60, 22}, "Go", ButtonRole::Default};
    } plain;
    driver.Expect<TNoCancel>([](TNoCancel& f) {
        PressKey(f, VK_ESCAPE);
        EXPECT_TRUE(f.IsOpen());
        SendMessageA(f.Handle(), WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(plain.ShowModal(), IDCANCEL);
}

TEST_F(FormTest, TabFollowsDeclarationOrderPastHiddenAndDisabledControls) {
    form.Drop.SetEnabled(false);
    form.Second.SetChecked(true);
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_TRUE(f.Name.Focused());  // the first control that takes the focus
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.Second.Focused());  // one stop for the radio group, at its checked button
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.Flag.Focused());
        f.Extra.SetVisible(false);
        EXPECT_FALSE(IsWindowVisible(f.Number.Handle()));
        f.Name.SetFocus();
        PressKey(f, VK_TAB);
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.List.Focused());
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.OkButton.Focused());
        f.CancelButton.Click();
    });
    form.ShowModal();
    EXPECT_FALSE(form.Number.Showing());
}

TEST_F(FormTest, MnemonicsFocusAndClick) {
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        PressMnemonic(f, 's');
        EXPECT_TRUE(f.Second.Checked());
        EXPECT_EQ(f.secondClicks, 1);
        PressMnemonic(f, 'n');  // a label gives the focus to the control after it
        EXPECT_TRUE(f.Name.Focused());
        PressMnemonic(f, 'o');
    });
    EXPECT_EQ(form.ShowModal(), IDOK);
}

TEST_F(FormTest, FocusCanBeChosenAtTheShow) {
    form.OnShow = [this] { form.List.SetFocus(); };
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_TRUE(f.List.Focused());
        EXPECT_EQ(f.FocusedControl(), &f.List);
        f.CancelButton.Click();
    });
    form.ShowModal();
}

TEST_F(FormTest, ShowsCentredAndScaled) {
    struct ScaleBack {
        double system = Display().Scale;
        ~ScaleBack() { SetDisplayScale(system); }
    } restore;
    for (double scale : {1.0, 1.5}) {
        SetDisplayScale(scale);
        driver.Expect<TSampleForm>([scale](TSampleForm& f) {
            RECT client{}, window{}, edit{};
            GetClientRect(f.Handle(), &client);
            EXPECT_EQ(client.right, static_cast<int>(300 * scale));
            EXPECT_EQ(client.bottom, static_cast<int>(220 * scale));
            GetWindowRect(f.Handle(), &window);
            EXPECT_EQ(window.left, (Display().ScreenWidth - (window.right - window.left)) / 2);
            EXPECT_EQ(window.top, (Display().ScreenHeight - (window.bottom - window.top)) / 2);
            GetWindowRect(f.Name.Handle(), &edit);
            EXPECT_EQ(edit.right - edit.left, static_cast<int>(120 * scale));
            f.CancelButton.Click();
        });
        form.ShowModal();
    }
}

TEST_F(FormTest, PanelsAndGroupsShowHideAndMoveTheirControlsTogether) {
    form.Extra.SetVisible(false);
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_FALSE(IsWindowVisible(f.Flag.Handle()));
        f.Extra.SetVisible(true);
        EXPECT_TRUE(IsWindowVisible(f.Flag.Handle()));
        f.Flag.SetVisible(false);
        f.Extra.SetVisible(false);
        f.Extra.SetVisible(true);
        EXPECT_FALSE(IsWindowVisible(f.Flag.Handle()));  // its own flag still holds
        EXPECT_TRUE(IsWindowVisible(f.Number.Handle()));

        f.Extra.SetBounds({20, 120, 180, 60});
        RECT number{};
        GetWindowRect(f.Number.Handle(), &number);
        POINT topLeft{number.left, number.top};
        ScreenToClient(f.Handle(), &topLeft);
        EXPECT_EQ(topLeft.x, 20);
        EXPECT_EQ(topLeft.y, 144);

        f.Choices.SetVisible(false);
        EXPECT_FALSE(IsWindowVisible(f.Second.Handle()));
        f.CancelButton.Click();
    });
    form.ShowModal();
}

TEST_F(FormTest, ARadiosQuestionIsItsParentWhateverStandsBetween) {
    class TTwoQuestions : public TForm {
      public:
        TTwoQuestions() : TForm("TTwoQuestions", "Questions", 200, 120) {}
        TRadioButton A1{*this, nullptr, {8, 8, 80, 18}, "A1"};
        TLabel Between{*this, nullptr, {8, 28, 80, 16}, "between"};
        TEdit Box{*this, nullptr, {8, 46, 80, 21}};
        TRadioButton A2{*this, nullptr, {8, 70, 80, 18}, "A2"};
        TGroupBox Frame{*this, nullptr, {100, 0, 90, 70}, "B"};
        TRadioButton B1{*this, &Frame, {8, 16, 70, 18}, "B1"};
        TRadioButton B2{*this, &Frame, {8, 36, 70, 18}, "B2"};
        TRadioButton A3{*this, nullptr, {100, 90, 80, 18}, "A3"};
    } q;
    q.A1.SetChecked(true);
    q.B2.SetChecked(true);
    q.A2.SetChecked(true);
    EXPECT_FALSE(q.A1.Checked());
    EXPECT_TRUE(q.B2.Checked());
    driver.Expect<TTwoQuestions>([](TTwoQuestions& f) {
        auto checked = [&] {
            std::string on;
            for (TRadioButton* r : {&f.A1, &f.A2, &f.A3, &f.B1, &f.B2})
                on += r->Checked() ? r->Text() : "";
            return on;
        };
        f.A1.Click();  // as the user's click: past the label and the box
        EXPECT_EQ(checked(), "A1B2");
        f.B1.Click();
        EXPECT_EQ(checked(), "A1B1");
        f.A3.Click();
        EXPECT_EQ(checked(), "A3B1");
        // One Tab stop a question, at its choice; the arrows move the choice.
        f.Box.SetFocus();
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.B1.Focused());
        PressKey(f, VK_TAB);
        EXPECT_TRUE(f.A3.Focused());
        PressKey(f, VK_DOWN);  // round the end
        EXPECT_TRUE(f.A1.Focused());
        EXPECT_EQ(checked(), "A1B1");
        PressKey(f, VK_UP);
        PressKey(f, VK_UP);
        EXPECT_EQ(checked(), "A2B1");
        f.Close(IDOK);
    });
    q.ShowModal();
    EXPECT_TRUE(q.A2.Checked());
    EXPECT_FALSE(q.A3.Checked());
    EXPECT_TRUE(q.B1.Checked());
}

TEST_F(FormTest, EditLimitsChangeWhileShownAndStopOnlyTyping) {
    form.Name.SetText("longer than four");
    form.Name.SetMaxLength(4);
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_EQ(f.Name.Text(), "longer than four");
        f.Name.SetText("");
        TypeText(f, "abcdef");
        EXPECT_EQ(f.Name.Text(), "abcd");
        f.Name.SetMaxLength(2);
        f.Name.SetText("");
        TypeText(f, "xyz");
        EXPECT_EQ(f.Name.Text(), "xy");
        f.Name.SetReadOnly(true);
        TypeText(f, "q");
        EXPECT_EQ(f.Name.Text(), "xy");
        f.Name.SetPasswordChar('*');
        EXPECT_EQ(SendMessageA(f.Name.Handle(), EM_GETPASSWORDCHAR, 0, 0), '*');
        EXPECT_EQ(f.Name.Text(), "xy");
        f.CancelButton.Click();
    });
    form.ShowModal();
}

TEST_F(FormTest, ListsKeepObjectsAndMultipleSelections) {
    class TLists : public TForm {
      public:
        TLists() : TForm("TLists", "Lists", 200, 120) {}
        TListBox Many{*this, nullptr, {8, 8, 90, 100}, false, true};
        TComboBox Drop{*this, nullptr, {104, 8, 90, 21}, true};
    } lists;
    for (const char* name : {"one", "two", "three"}) lists.Many.AddItem(name);
    lists.Many.SetSelected(0, true);
    lists.Drop.AddItem("b", 20);
    lists.Drop.AddItem("a", 10);
    driver.Expect<TLists>([](TLists& f) {
        EXPECT_TRUE(f.Many.Selected(0));
        EXPECT_FALSE(f.Many.Selected(1));
        f.Many.SetSelected(2, true);
        EXPECT_EQ(f.Drop.ItemIndex(), -1);
        EXPECT_EQ(SendMessageA(f.Drop.Handle(), CB_GETITEMDATA, 0, 0), 10);
        f.Drop.SetItemIndex(1);
        f.Close(IDOK);
    });
    lists.ShowModal();
    EXPECT_TRUE(lists.Many.Selected(0));
    EXPECT_TRUE(lists.Many.Selected(2));
    EXPECT_EQ(lists.Drop.Item(lists.Drop.ItemIndex()), "b");
    EXPECT_EQ(lists.Drop.Object(lists.Drop.ItemIndex()), 20);
    lists.Drop.ClearItems();
    EXPECT_EQ(lists.Drop.Count(), 0);
    EXPECT_EQ(lists.Drop.ItemIndex(), -1);
}

TEST_F(FormTest, UpDownStepsItsEditWithinItsRange) {
    form.Number.SetText("19");
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_EQ(f.Arrows.Position(), 19);
        f.Number.SetFocus();
        PressKey(f, VK_UP);
        PressKey(f, VK_UP);
        EXPECT_EQ(f.Number.Text(), "20");
        f.Arrows.SetPosition(3);
        EXPECT_EQ(f.Number.Text(), "3");
        f.CancelButton.Click();
    });
    form.ShowModal();
    EXPECT_EQ(form.Arrows.Position(), 3);
}

TEST_F(FormTest, NestedFormsAreDrivenFromInsideTheOuterLoop) {
    std::string inner;
    form.Second.OnClick = [&] {
        TInnerForm nested;
        EXPECT_EQ(nested.ShowModal(), IDOK);
        inner = nested.Value.Text();
        // The outer form is the owner and disabled while the inner one is up.
    };
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        f.Second.Click();
        EXPECT_TRUE(IsWindowEnabled(f.Handle()));
        f.OkButton.Click();
    });
    driver.Expect<TInnerForm>([this](TInnerForm& f) {
        EXPECT_EQ(GetWindow(f.Handle(), GW_OWNER), form.Handle());
        EXPECT_FALSE(IsWindowEnabled(form.Handle()));
        TypeText(f, "42");
        PressKey(f, VK_RETURN);   // Done is the default button
        EXPECT_TRUE(f.IsOpen());  // ... without a handler it does nothing
        f.Close(IDOK);
    });
    EXPECT_EQ(form.ShowModal(), IDOK);
    EXPECT_EQ(inner, "42");
}

TEST_F(FormTest, UserMessagesReachTheForm) {
    // A bare number of the user range: the forms layer knows none of the
    // programs' messages and must pass on any it is not told of.
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_EQ(SendMessageA(f.Handle(), WM_USER + 11, 6, 0), 7);
        f.CancelButton.Click();
    });
    form.ShowModal();
    EXPECT_EQ(form.userMessages, std::vector<UINT>{WM_USER + 11});
}

TEST_F(FormTest, AnExceptionInAHandlerIsReportedAndTheFormStaysUsable) {
    testing::ScriptedMessageBoxes boxes;
    boxes.Expect("broken handler", MsgResult::Ok, "Error");
    form.Flag.OnClick = [] { throw std::runtime_error("broken handler"); };
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        f.Flag.Click();
        EXPECT_TRUE(f.IsOpen());
        f.OkButton.Click();
    });
    EXPECT_EQ(form.ShowModal(), IDOK);
}

TEST_F(FormTest, CaptionAndSizeChangeWhileShown) {
    driver.Expect<TSampleForm>([](TSampleForm& f) {
        EXPECT_EQ(f.Caption(), "Sample");
        f.SetCaption("Changed");
        char text[32] = {};
        GetWindowTextA(f.Handle(), text, sizeof text);
        EXPECT_STREQ(text, "Changed");
        f.SetClientSize(300, 40);
        RECT client{};
        GetClientRect(f.Handle(), &client);
        EXPECT_EQ(client.bottom, 40);
        f.CancelButton.Click();
    });
    form.ShowModal();
}

TEST_F(FormTest, EnterInAMemoStartsANewLineInsteadOfPressingTheDefaultButton) {
    class TNotes : public TForm {
      public:
        TNotes() : TForm("TNotes", "Notes", 200, 120) { Ok.ModalResult = IDOK; }
        TMemo Notes{*this, nullptr, {8, 8, 184, 70}};
        TButton Ok{*this, nullptr, {8, 86, 75, 25}, "OK", ButtonRole::Default};
    } notes;
    notes.Notes.SetText("one\r\ntwo");
    driver.Expect<TNotes>([](TNotes& f) {
        EXPECT_EQ(SendMessageA(f.Notes.Handle(), EM_GETLINECOUNT, 0, 0), 2);
        SendMessageA(f.Notes.Handle(), EM_SETSEL, 8, 8);
        PressKey(f, VK_RETURN);
        TypeText(f, "three");
        EXPECT_TRUE(f.IsOpen());
        f.Ok.SetFocus();
        PressKey(f, VK_RETURN);
    });
    EXPECT_EQ(notes.ShowModal(), IDOK);
    EXPECT_EQ(notes.Notes.Text(), "one\r\ntwo\r\nthree");
}

// Owner-drawn and common controls get the messages their form receives for them.
TEST_F(FormTest, ControlsAnswerTheMessagesTheirFormReceivesForThem) {
    class TDrawnButton : public TButton {
      public:
        using TButton::TButton;
        int draws = 0;

      protected:
        DWORD WindowStyle() const override { return BS_OWNERDRAW; }
        bool ParentMessage(UINT message, WPARAM, LPARAM l, LRESULT& result) override {
            if (message != WM_DRAWITEM)
                return false;
            auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(l);
            FillRect(item->hDC, &item->rcItem, GetSysColorBrush(COLOR_HIGHLIGHT));
            ++draws;
            result = TRUE;
            return true;
        }
    };
    class TDrawing : public TForm {
      public:
        TDrawing() : TForm("TDrawing", "Drawing", 120, 60) {}
        TDrawnButton Drawn{*this, nullptr, {8, 8, 100, 30}, "drawn"};
    } drawing;
    driver.Expect<TDrawing>([](TDrawing& f) {
        RedrawWindow(f.Drawn.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
        EXPECT_GT(f.Drawn.draws, 0);
        f.Close(IDOK);
    });
    drawing.ShowModal();
}

// The driver itself: what it must refuse to let pass.
TEST(ModalDriverTest, FailsOnAnUnexpectedFormAndClosesIt) {
    TSampleForm form;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            EXPECT_EQ(form.ShowModal(), IDCANCEL);
        },
        "unexpected form TSampleForm");
}

TEST(ModalDriverTest, FailsOnAStepNeverUsedOrAFormLeftOpen) {
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            driver.Expect<TInnerForm>([](TInnerForm&) {});
        },
        "form never shown");
    TInnerForm inner;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            driver.Expect<TInnerForm>([](TInnerForm&) {});
            inner.ShowModal();
        },
        "form left open");
    TSampleForm sample;
    EXPECT_NONFATAL_FAILURE(
        {
            ModalDriver driver;
            driver.Expect<TInnerForm>([](TInnerForm& f) { f.Close(IDOK); });
            sample.ShowModal();
        },
        "shown TSampleForm");
}

}  // namespace
}  // namespace orv
