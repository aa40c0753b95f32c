// The base of every window and dialog of both programs. A form declares its
// controls as members, with their layout, and is shown through an in-memory
// dialog template, modally or modeless, so the system's dialog manager does
// Escape, Enter, Tab order, "&" mnemonics and the disabling of the owner.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "common/ui/form_geometry.h"
#include "common/ui/win32/controls.h"

namespace orv {

class TMainMenu;
class TAccelerators;
class TTimer;

// Something a WM_COMMAND of a menu or accelerator runs.
class CommandTarget {
  public:
    virtual void RunCommand() = 0;

  protected:
    ~CommandTarget() = default;
};

// The thread's WH_MSGFILTER hook of the forms layer.
LRESULT CALLBACK FormMessageFilter(int code, WPARAM w, LPARAM l);

enum class FormBorder {
    Dialog,      // fixed frame
    Sizeable,    // sizing frame with minimise and maximise boxes
    ToolWindow,  // small caption, sizing frame, no taskbar button
};

enum class FormPosition {
    ScreenCenter,  // centred at the size the show left it
    Designed,      // at Left and Top as the caller set them
    Restored,      // at a saved window rectangle, kept on the screen
};

enum class WindowState { Normal, Minimized, Maximized };

class TForm {
  public:
    // name: the form's class name, used for its picture and by the tests.
    TForm(std::string name, std::string caption, int clientWidth, int clientHeight);
    virtual ~TForm();
    TForm(const TForm&) = delete;
    TForm& operator=(const TForm&) = delete;

    const std::string& Name() const { return name_; }
    HWND Handle() const { return handle_; }

    // Shows the form and returns once it closed, with the result it was
    // closed with (IDOK, IDCANCEL, ...). The owner defaults to the thread's
    // active window. A WM_QUIT ends it as cancelled and is posted again for
    // the loop around it.
    int ShowModal(HWND owner = nullptr);
    // Shows the form without waiting: its keys are handled by every loop that
    // offers its messages to IsFormMessage. A hidden form shows again as it was.
    // Without activate it comes up in front but leaves the focus where it is.
    void Show(HWND owner = nullptr, bool activate = true);
    // Hides a modeless form, keeping its window and values.
    void Hide();
    // Ends the show with that result (a modeless form's window goes) unless
    // FormCloseQuery refuses; FormClose runs first.
    void Close(int modalResult = IDCANCEL);
    // From the show until Close.
    bool IsOpen() const { return open_; }
    bool IsModal() const { return modal_; }
    int ModalResult() const { return modalResult_; }

    // Read whole, however long.
    std::string Caption() const;
    void SetCaption(std::string caption);
    int ClientWidth() const { return clientWidth_; }
    int ClientHeight() const { return clientHeight_; }
    void SetClientSize(int width, int height);

    // The frame, set before the show.
    FormBorder BorderStyle = FormBorder::Dialog;
    FormPosition Position = FormPosition::ScreenCenter;
    // The window's top-left corner on the screen for a Designed position.
    int Left = 0;
    int Top = 0;
    // Sizing stops at this client size (layout pixels); 0 is no limit.
    int MinClientWidth = 0;
    int MinClientHeight = 0;
    // Key presses reach FormKeyDown and FormKeyPress before the control.
    bool KeyPreview = false;

    void SetStayOnTop(bool stayOnTop);
    WindowState State() const;
    void SetWindowState(WindowState state);
    // The window rectangle a Restored position shows at, and the one to save
    // (that of the normal state, even while minimised or maximised): in the
    // layout's pixels, as the settings keep it, so a window keeps its size
    // against its contents on a screen of any scale.
    void SetRestoredGeometry(ScreenRect window);
    ScreenRect Geometry() const;

    // Opens the program's help at this form's keyword.
    std::string HelpKeyword;
    void ShowHelp() const;

    const std::vector<TControl*>& Controls() const { return controls_; }
    TControl* FocusedControl() const;
    // The control whose window that is (or holds it), or null.
    TControl* ControlOf(HWND window) const;
    // The form a window belongs to, or null.
    static TForm* Of(HWND window);

  protected:
    // A dialog's foot: from the top of its row of buttons to its bottom edge.
    static constexpr int FooterHeight = 37;

    // After the controls exist, before the form is first drawn; the focus
    // then goes to the control given to SetFocus here, else to the first
    // control that takes it.
    virtual void FormShow() {}
    // Before Close ends the show: false keeps the form open. A form that goes
    // without Close (a WM_QUIT, its owner gone) is not asked.
    virtual bool FormCloseQuery() { return true; }
    // Whenever the form closes, however it is closed.
    virtual void FormClose() {}
    // The client area changed size, by the user or by code, once the form is
    // placed at its show.
    virtual void FormResize() {}
    // The form became the active window.
    virtual void FormActivate() {}
    // Its window is going.
    virtual void FormDestroy() {}
    // With KeyPreview: a key before the focused control gets it; setting
    // the key to 0 keeps it from the control.
    virtual void FormKeyDown(WORD& key, ShiftState shift) {
        (void)key;
        (void)shift;
    }
    virtual void FormKeyPress(char& key) { (void)key; }
    // With KeyPreview: a released key, as FormKeyDown.
    virtual void FormKeyUp(WORD& key, ShiftState shift) {
        (void)key;
        (void)shift;
    }
    // The WM_USER messages the form receives (WM_USER itself excepted: the
    // dialog manager's); true when handled.
    virtual bool UserMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    // Every other message the form's own dispatch leaves (WM_SIZE,
    // WM_GETMINMAXINFO, WM_SYSCOMMAND, WM_CTLCOLOR..., registered messages);
    // true when handled, with the result.
    virtual bool FormMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result);
    // The window's frame, in pixels, around a client area of that layout
    // size (once the window exists).
    RECT FrameFor(int clientWidth, int clientHeight) const;

  private:
    friend class TControl;
    friend class TMenuItem;
    friend class TMainMenu;
    friend class TAccelerators;
    friend class TTimer;
    friend bool IsFormMessage(MSG& msg);
    friend LRESULT CALLBACK FormMessageFilter(int code, WPARAM w, LPARAM l);

    int Register(TControl* control);
    int RegisterCommand(CommandTarget* target);
    void ForgetCommand(int command);
    int RegisterTimer(TTimer* timer);
    // A member of the form is going while its window is up: the window goes
    // first, asking nothing of the form any more.
    void Abandon();
    void RequestFocus(TControl* control);
    void ShowControlsOf(TControl* parent);
    void PlaceControlsOf(TControl* parent);
    void CreateShownControls();
    void CreateControl(TControl* control);
    TControl* ControlById(int id) const;
    TButton* ButtonWithRole(ButtonRole role) const;
    DWORD GroupStyle(const TControl* control) const;
    DWORD FrameStyle() const;
    DWORD FrameExStyle() const;
    std::vector<WORD> Template(bool visible) const;
    bool PreTranslate(MSG& msg);

    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM w, LPARAM l);
    INT_PTR Dispatch(UINT message, WPARAM w, LPARAM l);
    INT_PTR Answer(LRESULT result);
    INT_PTR ForControl(int id, UINT message, WPARAM w, LPARAM l);
    INT_PTR ControlColours(UINT message, WPARAM w, LPARAM l);
    void Initialise();
    void Place();
    void Command(int id, int code, HWND from);
    void Closing();
    void Destroying();
    void ApplySize();

    std::string name_;
    std::string caption_;
    int clientWidth_;
    int clientHeight_;
    std::vector<TControl*> controls_;
    std::vector<CommandTarget*> commands_;
    std::vector<TTimer*> timers_;
    TMainMenu* menu_ = nullptr;
    TAccelerators* accelerators_ = nullptr;
    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    TControl* focusRequest_ = nullptr;
    bool initialising_ = false;
    bool settingDefault_ = false;
    bool open_ = false;
    bool modal_ = false;
    bool stayOnTop_ = false;
    bool abandoned_ = false;
    WindowState state_ = WindowState::Normal;
    ScreenRect restored_;
    int modalResult_ = 0;
};

// Offers a message of the thread's queue to the form it is for: its dialog
// keys (Tab, Enter, Escape, mnemonics), key preview and accelerators. Every
// message loop calls it before dispatching; true when it was handled.
bool IsFormMessage(MSG& msg);

class Application {
  public:
    // The program's message loop, until WM_QUIT: its wParam.
    static int Run();
};

// A timer of a form: ticks while enabled and the form's window exists.
class TTimer {
  public:
    explicit TTimer(TForm& form, unsigned interval = 1000);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    std::function<void()> OnTimer;

  private:
    friend class TForm;
    void Start();
    void Stop();
    void Tick();

    TForm& form_;
    int id_;
    unsigned interval_;
    bool enabled_ = false;
};

}  // namespace orv
