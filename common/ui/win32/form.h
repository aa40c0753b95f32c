// The base of every window and dialog of both programs. A form declares its
// controls as members, with their layout, and is shown modally through an
// in-memory dialog template, so the system's dialog manager does Escape,
// Enter, Tab order, "&" mnemonics and the disabling of the owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/ui/win32/controls.h"

namespace orv {

class TForm {
  public:
    // name: the form's class name, used for its picture and by the tests.
    TForm(std::string name, std::string caption, int clientWidth, int clientHeight);
    virtual ~TForm() = default;
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    const std::string& Name() const { return name_; }
    HWND Handle() const { return handle_; }

    // Shows the form centred on the screen and returns once it closed, with
    // the result it was closed with (IDOK, IDCANCEL, ...). The owner defaults
    // to the thread's active window.
    int ShowModal(HWND owner = nullptr);
    // Ends the modal show with that result; FormClose runs first.
    void Close(int modalResult);
    // From the show until Close.
    bool IsOpen() const { return open_; }
    int ModalResult() const { return modalResult_; }

    std::string Caption() const;
    void SetCaption(std::string caption);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientSize(int width, int height);

    // Opens the program's help at this form's keyword.
    std::string HelpKeyword;
    void ShowHelp() const;

    const std::vector<TControl*>& Controls() const { return controls_; }
    TControl* FocusedControl() const;

  protected:
    // After the controls exist, before the form is first drawn; the focus
    // then goes to the control given to SetFocus here, else to the first
    // control that takes it.
    virtual void FormShow() {}
    // Whenever the form closes, however it is closed.
    virtual void FormClose() {}
    // The WM_USER messages the form receives (WM_USER itself excepted: the
    // dialog manager's); true when handled.
    virtual bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);

  private:
    friend class TControl;
    int Register(TControl* control);
    void RequestFocus(TControl* control);
    void ShowControlsOf(TControl* parent);
    void PlaceControlsOf(TControl* parent);
    TControl* ControlById(int id) const;
    TButton* ButtonWithRole(ButtonRole role) const;
    DWORD GroupStyle(const TControl* control) const;
    std::vector<WORD> Template() const;

    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
    INT_PTR Dispatch(UINT message, WPARAM w, LPARAM l);
    INT_PTR ForControl(int id, UINT message, WPARAM w, LPARAM l);
    void Initialise();
    void Command(int id, int code);
    void ApplySize();

    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    std::vector<TControl*> controls_;
    HWND handle_ = nullptr;
    TControl* focusRequest_ = nullptr;
    bool initialising_ = false;
    bool settingDefault_ = false;
    bool open_ = false;
    int modalResult_ = 0;
};

}  // namespace orv
