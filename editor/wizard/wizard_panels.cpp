#include "editor/wizard/wizard_panels.h"

#include <map>
#include <utility>

#include "editor/commands/email_commands.h"

namespace orv::editor {
namespace {

namespace F = ControlFlag;
using K = ControlKind;

constexpr int AreaLeft = WizardLogoWidth + 6;
constexpr int AreaWidth = WizardClientWidth - AreaLeft - 6;
constexpr int HeadingTop = 10;
// A heading's first line, and each line more of a heading that wraps.
constexpr int HeadingHeight = 20;
constexpr int LineHeight = 16;
// A group box's frame and caption around the controls it holds.
constexpr int GroupInset = 8;
constexpr int GroupCaptionHeight = 20;

struct Named {
    const char* Name;
    const char* Caption;
};

// Lays controls out top to bottom in the current column of a panel.
class PanelBuilder {
  public:
    // A heading too long for one line of the area takes headingLines.
    PanelBuilder(int number, std::string heading, int headingLines = 1)
        : firstRow_(HeadingTop + HeadingHeight + LineHeight * (headingLines - 1) + 10) {
        panel_.Number = number;
        panel_.Heading = std::move(heading);
        if (!panel_.Heading.empty())
            Put(K::Label, "", panel_.Heading, HeadingHeight + LineHeight * (headingLines - 1));
    }

    // Controls from here on go into [left, left + width) of the area, from row
    // y (by default the first row under the heading).
    PanelBuilder& Column(int left, int width, int y) {
        left_ = AreaLeft + left;
        width_ = width;
        y_ = y;
        return *this;
    }
    PanelBuilder& Column(int left, int width) { return Column(left, width, firstRow_); }
    PanelBuilder& Row(int y) {
        y_ = y;
        return *this;
    }
    // Controls from here on sit on this sub-panel (empty: on the panel), in
    // the column the last group box was opened in.
    PanelBuilder& On(std::string parent) {
        parent_ = std::move(parent);
        left_ = outerLeft_;
        width_ = outerWidth_;
        return *this;
    }
    // A sub-panel with a caption is a group box: its controls start under the
    // caption, inside the frame.
    PanelBuilder& Sub(const std::string& name, const std::string& caption, int height) {
        Put(K::SubPanel, name, caption, height, 0, 0, 0);
        parent_ = name;
        outerLeft_ = left_;
        outerWidth_ = width_;
        if (caption.empty()) {
            y_ -= height - LineHeight;
        } else {
            y_ -= height + 4 - GroupCaptionHeight;
            left_ += GroupInset;
            width_ -= 2 * GroupInset;
        }
        return *this;
    }
    PanelBuilder& Label(const std::string& name, const std::string& caption, int height = 16) {
        return Put(K::Label, name, caption, height);
    }
    PanelBuilder& Radio(const std::string& name, const std::string& caption, bool checked = false) {
        return Put(K::Radio, name, caption, 20, 0, checked ? F::Checked : 0);
    }
    PanelBuilder& Radios(std::initializer_list<Named> radios) {
        for (const Named& r : radios) Radio(r.Name, r.Caption);
        return *this;
    }
    PanelBuilder& Check(const std::string& name, const std::string& caption, bool checked = false) {
        return Put(K::CheckBox, name, caption, 20, 0, checked ? F::Checked : 0);
    }
    PanelBuilder& Edit(const std::string& name, int maxLength = 0, const std::string& text = "",
                       std::uint32_t flags = 0, int width = 0) {
        return Put(K::Edit, name, text, 22, maxLength, flags, width);
    }
    PanelBuilder& Memo(const std::string& name, int maxLength, int height) {
        return Put(K::Memo, name, "", height, maxLength);
    }
    PanelBuilder& Button(const std::string& name, const std::string& caption, int width = 110) {
        return Put(K::Button, name, caption, 24, 0, 0, width);
    }
    PanelBuilder& List(const std::string& name, int height, std::uint32_t flags = 0,
                       std::vector<std::string> items = {}) {
        Put(K::ListBox, name, "", height, 0, flags);
        panel_.Controls.back().Items = std::move(items);
        return *this;
    }
    PanelBuilder& Combo(const std::string& name, std::vector<std::string> items, int width = 0) {
        Put(K::ComboBox, name, "", 22, 0, 0, width);
        panel_.Controls.back().Items = std::move(items);
        return *this;
    }
    PanelBuilder& Grid(const std::string& name, int width, int height) {
        return Put(K::Grid, name, "", height, 0, 0, width);
    }
    // The flags of the control declared last.
    PanelBuilder& With(std::uint32_t flags) {
        panel_.Controls.back().Flags |= flags;
        return *this;
    }
    // Puts the next control on the same row as the last one, to its right.
    PanelBuilder& Beside(int dx) {
        const Bounds& last = panel_.Controls.back().Box;
        y_ = last.Top;
        besideLeft_ = last.Left + dx;
        return *this;
    }
    int Y() const { return y_; }
    PanelDecl Done() { return std::move(panel_); }

  private:
    PanelBuilder& Put(K kind, const std::string& name, std::string caption, int height,
                      int maxLength = 0, std::uint32_t flags = 0, int width = 0) {
        int left = besideLeft_ ? besideLeft_ : left_;
        int w = width ? width : (besideLeft_ ? left_ + width_ - besideLeft_ : width_);
        panel_.Controls.push_back(
            {kind, name, std::move(caption), {left, y_, w, height}, parent_, maxLength, flags, {}});
        y_ += height + 4;
        besideLeft_ = 0;
        return *this;
    }

    PanelDecl panel_;
    std::string parent_;
    int firstRow_;
    int left_ = AreaLeft, width_ = AreaWidth, y_ = HeadingTop, besideLeft_ = 0;
    int outerLeft_ = AreaLeft, outerWidth_ = AreaWidth;
};

// A panel that asks one question with a group of radio buttons, the first checked
// unless told otherwise.
PanelBuilder Choice(int number, const char* heading, std::initializer_list<Named> radios,
                    int checked = 0, int headingLines = 1) {
    PanelBuilder b(number, heading, headingLines);
    b.Column(20, AreaWidth - 20);
    int i = 0;
    for (const Named& r : radios) b.Radio(r.Name, r.Caption, i++ == checked);
    return b;
}

// A window title typed by the user, with examples of titles under it.
PanelBuilder TitleEntry(int number, const char* labelName, const std::string& prompt,
                        const char* title, const char* examples) {
    PanelBuilder b(number, "");
    b.Label(labelName, prompt, 60).Label("", "Window Title").Edit(title, 20);
    b.Label(examples,
            "Examples: \"Microsoft Word\", \"Notepad\", \"Untitled - Paint\", \"Calculator\"", 48);
    return b;
}

// A path typed or browsed for.
PanelBuilder PathEntry(int number, const char* heading, const char* path, const char* browse,
                       const char* browseCaption = "B&rowse") {
    PanelBuilder b(number, heading);
    b.Edit(path, 255).Button(browse, browseCaption);
    return b;
}

// One line to pick from a list.
PanelBuilder PickOne(int number, const char* heading, const char* list, std::uint32_t flags = 0,
                     int height = 220) {
    PanelBuilder b(number, heading);
    b.List(list, height, flags);
    return b;
}

// Recipients typed or chosen from the recipient list.
PanelBuilder Recipients(int number, const std::string& prefix, const std::string& heading) {
    auto name = [&](const char* suffix) { return prefix + suffix; };
    PanelBuilder b(number, heading);
    b.Label("", "Name")
        .Edit(name("Person"), 50)
        .Label("", "E-Mail Address")
        .Edit(name("Address"), 50);
    b.Label("", "Select from Recipient List")
        .List(name("AddressBox"), 110, F::OwnerDrawn | F::MultiSelect)
        .Button(name("Modify"), "&Modify Recipient List", 160);
    return b;
}

const std::string TitleTail =
    ".  The \"title\" is what appears in the blue caption bar at the top of a window.  A partial "
    "title may be entered.";

std::vector<std::string> Hours() {
    return {"AM", "PM"};
}

void ScheduleParts(PanelBuilder& b) {
    b.On("").Column(0, AreaWidth, 40).Sub("Sched1Panel", "Run Macro", 250);
    b.Column(8, 120, 58)
        .Radios({{"Once", "&Once"}, {"Hourly", "&Hourly"}})
        .Radio("Daily", "&Daily", true);
    b.Radios({{"Weekly", "Wee&kly"},
              {"Monthly", "Month&ly"},
              {"Other", "Oth&er"},
              {"Startup", "At Startu&p"},
              {"Idle", "T&ime Out"}});
    auto time = [&](const char* hour, const char* minute, const char* pm) {
        b.Label("", "Start Macro At").Edit(hour, 2, "12", 0, 40).Beside(50);
        b.Edit(minute, 2, "00", 0, 40);
        b.Beside(50).Combo(pm, Hours(), 60);
    };
    b.On("Sched1Panel").Column(140, 280, 58).Sub("OncePanel", "", 230);
    time("OnceTimeHour", "OnceTimeMin", "OnceTimePM");
    b.Label("", "on")
        .Combo("OnceMonth", {"January", "February", "March", "April", "May", "June", "July",
                             "August", "September", "October", "November", "December"})
        .Edit("OnceDay", 2, "1")
        .Edit("OnceYear", 4);
    b.On("Sched1Panel").Column(140, 280, 58).Sub("HourlyPanel", "", 230);
    b.Label("", "Start Macro At").Edit("HourlyMinutes", 2, "0").Label("", "minutes after the hour");
    b.On("Sched1Panel").Column(140, 280, 58).Sub("DailyPanel", "", 230);
    time("DailyHour", "DailyMin", "DailyPM");
    b.Check("Monday", "&Mon").Check("Tuesday", "&Tue").Check("Wednesday", "&Wed");
    b.Check("Thursday", "Th&u").Check("Friday", "&Fri").Check("Saturday", "S&at");
    b.Check("Sunday", "&Sun");
    b.On("Sched1Panel").Column(140, 280, 58).Sub("WeeklyPanel", "", 230);
    time("WeeklyHour", "WeeklyMin", "WeeklyPM");
    b.Label("", "every")
        .Combo("WeeklyDayOfWeek",
               {"Sunday", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday"});
    b.On("Sched1Panel").Column(140, 280, 58).Sub("MonthlyPanel", "", 230);
    time("MonthlyHour", "MonthlyMin", "MonthlyPM");
    b.Label("", "on the").Edit("MonthlyDay", 2, "1").Label("", "day of the month");
    b.On("Sched1Panel").Column(140, 280, 58).Sub("OtherPanel", "", 230);
    b.Label("", "Start Macro every").Edit("OtherMinutes", 3, "60").Label("", "minutes");
    b.On("Sched1Panel").Column(140, 280, 58).Sub("IdlePanel", "", 230);
    b.Label("", "Start Macro after").Edit("IdleMinutes", 2, "10").Label("", "minutes of idle time");
}

PanelDecl Panel3() {
    PanelBuilder b(3, "");
    b.Sub("P3HotKeyPart", "", 290)
        .Label("", "Place cursor in field below and Press the Hot Key to select")
        .Edit("P3HotKeyEntry", 0, "", F::ReadOnly)
        .Label("", "or you may select directly from the list below")
        .List("P3KeyList", 190, F::OwnerDrawn);
    b.On("").Column(0, AreaWidth, 10).Sub("P3CuewordPart", "", 80);
    b.Label("", "Cueword Name").Edit("P3CuewordName", 10);
    ScheduleParts(b);
    return b.Done();
}

PanelDecl Panel8() {
    PanelBuilder b(8, "");
    b.Sub("P8ProgPart", "", 290).Label("P8ProgLabel", "Play back macro in one specific program");
    b.Radio("P8Installed", "&Select program from list of installed programs on your computer", true)
        .List("P8InstallBox", 100, F::Sorted | F::OwnerDrawn)
        .Radio("P8ProgPath", "&Enter the program EXE name (can be a partial match on the name)")
        .Edit("P8Path", 255, "", F::Disabled)
        .Button("P8Browse", "&List Programs Running", 160)
        .With(F::Disabled);
    b.Column(40, 340, 60).Sub("P8ProgPanel", "Choose a Program", 200).With(F::Hidden);
    b.List("P8ProgBox", 130, F::Sorted)
        .Button("P8Ok", "&Ok", 80)
        .Beside(90)
        .Button("P8Cancel", "C&ancel", 80);
    b.On("").Column(0, AreaWidth, 10).Sub("P8WindowPart", "", 290);
    b.Label("P8TitleLabel",
            "Enter the title of the window where you would like the macro to play back" + TitleTail,
            60);
    b.Label("", "Window Title").Edit("P8Title", 50);
    b.Label("P8Examples", "Examples: \"Microsoft Word\", \"Notepad\", \"Untitled - Paint\"", 48);
    return b.Done();
}

std::vector<PanelDecl> Build() {
    std::vector<PanelDecl> p;
    {
        PanelBuilder b(1, "");
        b.Label("", "Functions").Label("P1Functions", "", 40).Label("", "Examples");
        b.Label("P1Examples", "", 150)
            .Check("P1Bypass", "Bypass this &Function and Example screen");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(2, "Choose a method to activate the macro");
        b.Radio("P2HotKey", "&Hot Key", true)
            .Label("", "Press a key combination to run the macro.");
        b.Radio("P2Cueword", "C&ueword").Label("", "Type a short word to run the macro.");
        b.Radio("P2Timed", "&Timed Schedule").Label("", "Run the macro at set times.");
        b.Radio("P2None", "N&one").Label("", "Run the macro from a menu or another macro.");
        b.Radio("P2Title", "&Window Title Appears").Label("", "Run the macro when a window opens.");
        p.push_back(b.Done());
    }
    p.push_back(Panel3());
    {
        PanelBuilder b(4, "Choose the desired character or symbol");
        b.Grid("P4SymbolGrid", 436, 204);
        p.push_back(b.Done());
    }
    p.push_back(Choice(5, "Would you like to",
                       {{"P5Connect", "C&onnect to a Network Drive"},
                        {"P5Disconnect", "&Disconnect from a Network Drive"},
                        {"P5Toggle", "&Toggle Connecting and Disconnecting to a Network Drive"}},
                       2)
                    .Done());
    {
        PanelBuilder b(6, "");
        b.Label("P6LocalLabel", "Connect Local Drive").List("P6DriveBox", 90);
        b.Label("P6NetLabel", "To Network Drive").Edit("P6ProgPath", 255);
        b.Button("P6Browse", "B&rowse");
        p.push_back(b.Done());
    }
    p.push_back(Choice(7, "Would you like the macro to",
                       {{"P7Global", "Play back in &all programs"},
                        {"P7SpecProg", "Play back in one specific &program"},
                        {"P7SpecWin", "Play back only when a specific &window is present"}})
                    .Done());
    p.push_back(Panel8());
    {
        PanelBuilder b(9, "Would you like to add this macro to a popup menu?");
        b.Radio("P9AddYes", "&Yes").Radio("P9AddNo", "N&o", true);
        b.Label("P9PopupLabel", "Defined Popup Menus").List("P9PopupList", 150);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(10, "");
        b.Label("", "Current icon representing this macro").Label("", "Macro Icon");
        b.Button("P10MySpeed", "").Label("", "(Click on the icon to change it)");
        b.Label("P10IconLabel", "", 40).Label("", "Macro Nickname").Edit("P10Nick", 50);
        b.Label("", "The nickname names the macro in the macro list and in menus.");
        p.push_back(b.Done());
    }
    p.push_back(Choice(11, "Would you like to",
                       {{"P11Logoff", "&Logoff"},
                        {"P11Reboot", "&Reboot"},
                        {"P11Shut", "&Shut Down"},
                        {"P11Power", "Shut Down and &Power Off"}})
                    .Done());
    {
        PanelBuilder b(12, "");
        b.Label("P12Text1Label", "Enter the text you want pasted into your program.");
        b.Memo("P12MyMemo", 4000, 180).Button("P12Symbols", "&Symbols");
        b.Column(0, AreaWidth, 40).Label("P12Text2Label", "", 32).Edit("P12Path", 255);
        b.Button("P12Browse", "B&rowse");
        p.push_back(b.Done());
    }
    p.push_back(Choice(13, "What would you like to paste into your program?",
                       {{"P13Text", "&Text"},
                        {"P13File", "Text From A &File"},
                        {"P13Graphic", "A &Graphic Image "}})
                    .Done());
    {
        PanelBuilder b(14, "Enter the text you want typed into your programs.");
        b.Label("", "Use Keystrokes to add keys such as Tab or F1, Symbols for special characters.",
                32);
        b.Memo("P14MyMemo", 4000, 170).Button("P14Keystrokes", "&Keystrokes");
        b.Beside(120).Button("P14Symbols", "&Symbols");
        b.Column(100, 240, 70).Sub("KeystrokePanel", "Choose a Keystroke", 200).With(F::Hidden);
        b.List("P14KeyList", 130)
            .Button("P14Ok", "&Ok", 80)
            .Beside(90)
            .Button("P14Cancel", "C&ancel", 80);
        p.push_back(b.Done());
    }
    p.push_back(PickOne(15, "Choose A Default Printer", "P15SettingBox").Done());
    p.push_back(PickOne(16, "Choose Display Resolution", "P16SettingBox").Done());
    p.push_back(Choice(17, "What would you like to type into your program?",
                       {{"P17Date", "&Date"}, {"P17Time", "&Time"}, {"P17Both", "D&ate and Time"}},
                       2)
                    .Done());
    p.push_back(PickOne(18, "Select Date Format", "P18Format", F::OwnerDrawn).Done());
    p.push_back(PickOne(19, "Select Time Format", "P19Format", F::OwnerDrawn).Done());
    {
        PanelBuilder b = Choice(20, "Would you like the date to be",
                                {{"P20Today", "T&oday's date"},
                                 {"P20NextDay", "To&morrow's date"},
                                 {"P20Yest", "&Yesterday's date"},
                                 {"P20Future", "In the &Future"},
                                 {"P20Past", "In the &past"}});
        b.Edit("P20Days", 3, "0", F::Hidden)
            .Label("P20FutLabel", "Days in the future")
            .With(F::Hidden);
        p.push_back(b.Done());
    }
    p.push_back(
        Choice(21, "Would you like to",
               {{"P21Web", "&Launch a Web Site"}, {"P21FTP", "&Initiate a Web download (via FTP)"}})
            .Done());
    {
        PanelBuilder b(22, "");
        b.Label("P22Title", "Enter the URL of the web site (without the http://)");
        b.Label("P22URLLabel", "http://").Edit("P22URL", 255);
        b.Label("P22Example", "Example: www.example.com", 32);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b =
            PathEntry(23, "Path and Name of the Bitmap Graphic to use as the wallpaper", "P23Bit",
                      "P23Browse");
        b.Column(0, 210, b.Y()).Label("", "Would you like the bitmap to be");
        b.Radio("P23Tiled", "&Tiled", true);
        b.Radios({{"P23Stretch", "&Stretched"},
                  {"P23Centered", "C&entered"},
                  {"P23Positioned", "&Positioned"}});
        b.Column(220, 200, 130).Sub("ScreenPosPanel", "Screen Position", 110).With(F::Hidden);
        b.Label("", "Top").Edit("P23Top", 4, "1").Label("", "Left").Edit("P23Left", 4, "1");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b = PathEntry(24, "Enter the path and name of the video clip file (AVI file)",
                                   "P24Path", "P24Browse");
        b.Label("", "Do you want to ").Radio("P24Immed", "Play it &immediately", true);
        b.Radios({{"P24Exit", "Play it immediately and &exit the macro"},
                  {"P24Wait", "&Wait for the clip to finish"}});
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(25, "");
        b.Radio("P25Folder", "Enter the name of the folder", true).Edit("P25Path", 255);
        b.Button("P25Browse", "B&rowse").Radio("P25Special", "Select a special folder");
        b.List("P25SpecList", 130);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(26, "Enter the text for your reminder");
        b.Memo("P26MyMemo", 4000, 110).Button("Button1", "&Symbols");
        int y = b.Y();
        b.Column(0, 150, y).Label("", "Notify with").Radio("P26Beep", "B&eep", true);
        b.Radios({{"P26Wave", "&Wave file"}, {"P26NoSound", "N&o sound"}});
        b.Column(154, AreaWidth - 154, y + 20).Edit("P26ProgPath", 255, "", F::Disabled);
        b.Button("P26Browse", "B&rowse").With(F::Disabled);
        b.Column(0, AreaWidth, y + 88)
            .Check("P26Delete", "&Delete this macro after displaying the reminder");
        p.push_back(b.Done());
    }
    p.push_back(Choice(27, "Would you like to",
                       {{"P27Dial", "&Dial a phone book entry"}, {"P27Hang", "&Hang up"}})
                    .Done());
    {
        PanelBuilder b = PickOne(28, "Choose a phone book entry", "P28PhoneList", 0, 100);
        b.Label("", "Enter the user name and password for the chosen entry");
        b.Label("", "User Name")
            .Edit("P28UserName", 255)
            .Label("", "Password")
            .Edit("P28Password", 255);
        b.Button("P28Retrieve", "&Retrieve");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(29, "");
        b.Label("P29ConnLabel", "Connect Options");
        b.Check("P29MakePerm", "&Make Connection Permanent (Map Drive on Windows Bootup)", true);
        b.Check("P29DispStatus", "D&isplay Connection Status", true);
        b.Check("P29ForceDisc", "&Force Disconnection Even if Drive in Use").With(F::Hidden);
        b.Sub("NetPanel", "Logon Name and Password", 150);
        b.Check("P29UseDefault", "&Use Default Logon Name and Password", true);
        b.Label("", "Logon Name")
            .Edit("P29LogName", 255)
            .Label("", "Password")
            .Edit("P29LogPass", 255);
        p.push_back(b.Done());
    }
    p.push_back(
        Choice(30, "Would you like to",
               {{"P30LaunchOnly", "&Launch a Program"},
                {"P30LaunchAct", "L&aunch a Program and Activate It"},
                {"P30OpenDoc", "&Open a Document"},
                {"P30Act", "Acti&vate a Program (Window)"},
                {"P30ActLaunch", "Ac&tivate a Program If Is Running; Otherwise, Launch It"}})
            .Done());
    {
        PanelBuilder b = Choice(31,
                                "Would you like to specify a default folder for the program before "
                                "launching it?",
                                {{"P31Yes", "&Yes"}, {"P31No", "N&o"}}, 1, 2);
        b.Label("P31FolderLabel", "Folder Name").With(F::Disabled);
        b.Edit("P31Path", 255, "", F::Disabled).Button("P31Browse", "B&rowse").With(F::Disabled);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(32, "Choose the program to launch");
        b.Radio("P32ProgPath", "&Enter the program path and name ")
            .Edit("P32Path", 255, "", F::Disabled);
        b.Button("P32Browse", "B&rowse").With(F::Disabled);
        b.Radio("P32Installed", "&Select from the list of installed programs", true);
        b.List("P32InstallBox", 110, F::Sorted | F::OwnerDrawn);
        p.push_back(b.Done());
    }
    p.push_back(
        TitleEntry(33, "P33TitleLabel",
                   "Enter the title of the window of the program you wish to activate" + TitleTail,
                   "P33Title", "P33Examples")
            .Done());
    {
        PanelBuilder b = PathEntry(34, "Enter the path and name of the document to open", "P34Path",
                                   "P34Browse");
        b.Label("", "The program registered for the document's type opens it.");
        p.push_back(b.Done());
    }
    p.push_back(Choice(35, "Would you like to",
                       {{"P35RepTop", "&Reposition the current top most window"},
                        {"P35RepChoice", "R&eposition a window of your choice"},
                        {"P35SizeTop", "Re&size the current top most window"},
                        {"P35SizeChoice", "Resi&ze a window of your choice"}})
                    .Done());
    {
        PanelBuilder b(36, "");
        b.Label("P36MainLabel", "Enter the new screen position");
        b.Label("P36WidthLabel", "Top").Edit("P36Width", 4).Label("P36HeightLabel", "Left");
        b.Edit("P36Height", 4);
        p.push_back(b.Done());
    }
    p.push_back(
        TitleEntry(
            37, "",
            "Enter the title of the window that should appear to activate the macro" + TitleTail,
            "P37Title", "P37Examples")
            .Done());
    p.push_back(Choice(38, "Would you like to",
                       {{"P38Max", "&Maximize a window"},
                        {"P38Min", "M&inimize a window"},
                        {"P38Restore", "&Restore a window"},
                        {"P38Close", "C&lose a window"}})
                    .Done());
    {
        PanelBuilder b(39, "");
        b.Label("P39Header", "Would you like to maximize");
        b.Radio("P39Top", "&The Current Top Most Window", true);
        b.Radio("P39Choice", "&A Window of Your Choice");
        p.push_back(b.Done());
    }
    p.push_back(TitleEntry(40, "P40Header", "", "P40Title", "P40Examples").Done());
    {
        PanelBuilder b = Choice(41, "What would you like to do?",
                                {{"P41On", "&Turn the screen saver on"},
                                 {"P41Off", "&Set the screen saver off"},
                                 {"P41Idle", "S&et the idle time for the screen saver"}});
        b.Edit("P41Minutes", 2, "5", F::Disabled);
        b.Label("", "Minutes to wait before screen saver kicks in");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b = Choice(42, "What would you like to do?",
                                {{"P42Play", "&Play CD"},
                                 {"P42Stop", "&Stop CD"},
                                 {"P42Pause", "P&ause CD"},
                                 {"P42Next", "Go to Ne&xt Track on CD"},
                                 {"P42Prev", "Go to P&revious Track on CD"},
                                 {"P42GoTo", "&Go To Track"}});
        b.Edit("P42Track", 2, "1")
            .Radios({{"P42Eject", "&Eject CD"}, {"P42Close", "Close CD &Tray"}});
        p.push_back(b.Done());
    }
    p.push_back(Choice(43, "What would you like to do?",
                       {{"P43Play", "Play a sound"},
                        {"P43Audio", "Adjust Audio Sound Controls"},
                        {"P43MIDI", "Adjust MIDI Sound Controls"}})
                    .Done());
    {
        PanelBuilder b(44, "Would you like to");
        b.Column(0, 210).Radios({{"P44AudioOff", "Turn Audio O&ff"},
                                 {"P44AudioOn", "Turn Audio &On"},
                                 {"P44AudioUp", "Audio Volume &Up"},
                                 {"P44AudioDown", "Audio Volume &Down"}});
        b.Radio("P44AudioMute", "Toggle Audio &Mute", true);
        b.Radio("P44AudioLeft", "Balance &Left");
        b.Column(214, 210).Radios({{"P44AudioRight", "Balance &Right"},
                                   {"P44AudioCenter", "Balance C&enter"},
                                   {"P44TrebleUp", "&Treble Up"},
                                   {"P44TrebleDown", "Treble Do&wn"},
                                   {"P44BassUp", "Ba&ss Up"},
                                   {"P44BassDown", "B&ass Down"}});
        b.Column(0, AreaWidth, 190).Button("P44Test", "Test &Your System Sound Capabilities", 240);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(45, "Would you like to");
        b.Column(0, 210).Radios({{"P45MIDIOff", "Turn MIDI O&ff"},
                                 {"P45MIDIOn", "Turn MIDI &On"},
                                 {"P45MIDIUp", "MIDI Volume &Up"},
                                 {"P45MIDIDown", "MIDI Volume &Down"}});
        b.Column(214, 210).Radios({{"P45MIDIMute", "Toggle MIDI &Mute"},
                                   {"P45MIDILeft", "Balance &Left"},
                                   {"P45MIDIRight", "Balance &Right"},
                                   {"P45MIDICenter", "Balance C&enter"}});
        b.Column(0, AreaWidth, 150).Button("P45Test", "Test &Your System Sound Capabilities", 240);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b =
            PathEntry(46, "Enter the name of the sound file (WAV)", "P46FName", "Button3");
        b.Button("Button4", "&Play It");
        b.Check("P46Wait", "&Wait for wave file to finish before continuing with macro");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b = Choice(47, "Would you like to",
                                {{"P47Cascade", "C&ascade all windows"},
                                 {"P47Vertical", "Tile all windows &vertically"},
                                 {"P47Horizontal", "Tile all windows &horizontally"},
                                 {"P47Minimize", "&Minimize all windows"},
                                 {"P47Restore", "&Restore all windows"},
                                 {"P47Undock", "&Undock the computer"},
                                 {"P47Suspend", "&Suspend the computer"}});
        b.Label("P47Notice", "NOTE: Items grayed out are not available on your computer.", 32);
        b.With(F::Hidden);
        p.push_back(b.Done());
    }
    p.push_back(Choice(48, "Would you like to",
                       {{"P48ChangeDir", "C&hange the current folder"},
                        {"P48CreateFolder", "C&reate a folder"},
                        {"P48CopyFile", "C&opy a file"},
                        {"P48RenameFile", "R&ename a file"},
                        {"P48DeleteFile", "&Delete a file"}})
                    .Done());
    {
        PanelBuilder b(49, "");
        b.Label("P49FileLabel", "Name of folder to change to").Edit("P49Path", 255);
        b.Button("P49Browse", "B&rowse")
            .Label("P49NewNameLabel", "New name of file")
            .With(F::Hidden);
        b.Edit("P49NewName", 255, "", F::Hidden);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(50, "Click on each of the macros you want in the menu");
        // Over the list's three columns, drawn at three tenths of its width each.
        const int top = b.Y(), column = AreaWidth * 3 / 10;
        b.Column(0, column, top).Label("", "Activation");
        b.Column(column, column, top).Label("", "NickName");
        b.Column(2 * column, AreaWidth - 2 * column, top).Label("", "Scope");
        b.Column(0, AreaWidth, top + 20);
        b.List("P50Macros", 190, F::OwnerDrawn | F::MultiSelect);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(51, "What would you like the popup menu to show?");
        b.Radio("P51Text", "&First Part of Macro Text", true)
            .Label("", "The menu shows the start of each script.");
        b.Radio("P51Icons", "&Icons").Label("", "The menu shows each macro's icon.");
        b.Combo("P51IconSize", {"16 x 16", "24 x 24", "32 x 32", "48 x 48", "64 x 64"}, 100);
        b.With(F::Disabled);
        b.Radio("P51Nick", "Nickname and &Scope")
            .Label("", "The menu shows each macro's nickname.");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(52, "Would you like to be able to activate this menu from the system tray?");
        b.Label("", "An icon in the system tray opens the menu when clicked.", 32);
        b.Radio("P52Yes", "&Yes", true).Radio("P52No", "N&o");
        p.push_back(b.Done());
    }
    p.push_back(Choice(53, "What type of macro command would you like?",
                       {{"P53Text", "&Text and Mouse"},
                        {"P53System", "&System and Windows"},
                        {"P53Program", "&Program and Files"},
                        {"P53Macro", "&Macro Control"}})
                    .Done());
    p.push_back(Choice(54, "Choose a macro command",
                       {{"P54Text", "&Text and keystrokes"},
                        {"P54Mouse", "&Mouse"},
                        {"P54Date", "&Date"},
                        {"P54Time", "T&ime"},
                        {"P54Clip", "C&lipboard"},
                        {"P54Alt", "&Alt, Ctrl, Shift and Win keys"},
                        {"P54Rem", "&Remark"},
                        {"P54File", "Text &file"},
                        {"P54Encrypt", "&Encrypted text"}})
                    .Done());
    {
        PanelBuilder b(55, "Choose a macro command");
        b.Column(0, 210).Radio("P55Network", "Net&work drive", true);
        b.Radios({{"P55Dialup", "&Dial-up"},
                  {"P55Audio", "&Audio CD"},
                  {"P55Speaker", "&Sound volume"},
                  {"P55Printer", "Default &printer"},
                  {"P55Screen", "Display &resolution"}});
        b.Column(214, 210).Radios({{"P55Size", "Window si&ze or position"},
                                   {"P55Max", "&Maximize or minimize"},
                                   {"P55Desktop", "D&esktop"},
                                   {"P55Reboot", "Reboot or &log off"},
                                   {"P55Saver", "Screen sa&ver"}});
        p.push_back(b.Done());
    }
    p.push_back(Choice(56, "Choose a macro command",
                       {{"P56Activate", "&Activate or launch"},
                        {"P56Web", "&Web site"},
                        {"P56FTP", "&FTP download"},
                        {"P56Files", "F&iles and folders"},
                        {"P56Sound", "&Sound file"},
                        {"P56Video", "&Video clip"},
                        {"P56Folder", "Explorer f&older"},
                        {"P56EMail", "&E-mail"}})
                    .Done());
    p.push_back(Choice(57, "Choose a macro command",
                       {{"P57Play", "&Play another macro"},
                        {"P57Pause", "P&ause"},
                        {"P57Repeat", "&Repeat"},
                        {"P57Load", "&Load macro file"},
                        {"P57Wait", "&Wait for"},
                        {"P57Speed", "&Speed"},
                        {"P57Delay", "&Delay"},
                        {"P57Box", "&Text box"}})
                    .Done());
    {
        PanelBuilder b(58, "Macro Command");
        b.Edit("P58Command", 0, "", F::ReadOnly)
            .Button("P58Choose", "C&hoose Final Macro Command", 200);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b = Choice(59, "Do you wish to capture keystrokes?",
                                {{"P59Yes", "&Yes"}, {"P59No", "N&o"}});
        b.Check("P59AltKey", "You &plan to capture the ALT key by invoking a menu");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b = Choice(60, "Do you wish to capture the mouse movements and clicks?",
                                {{"P60Yes", "&Yes"}, {"P60No", "N&o"}});
        b.Sub("P60Pan1", "Capture mouse movements relative to", 90)
            .Radio("P60Screen", "&Screen", true);
        b.Radios({{"P60Window", "&Top Most Window"}, {"P60Position", "&Last Mouse Position"}});
        b.On("").Sub("P60Pan2", "Mouse Movement Frequency", 70);
        b.Radio("P60CapAll", "Capture &all mouse movements", true);
        b.Radio("P60CapOnly", "Capture mouse cl&icks only");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(61, "Do you wish the macro to play back");
        b.Label("", "Playing back faster than recorded may outrun slow programs.", 32);
        b.Radio("P61Fast", "As &fast as possible", true);
        b.Radios({{"P61Same", "At the &same speed as recorded"},
                  {"P61Two", "&Two times faster"},
                  {"P61Four", "F&our times faster"},
                  {"P61Ten", "T&en times faster"},
                  {"P61Half", "At &half speed"}});
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(62,
                       "The following is a list of the Window Titles of all active Windows on your "
                       "computer.  Choose the one you would like to start your recording in.",
                       3);
        b.List("P62ProgList", 180, F::Sorted);
        b.Check("P62Specific", "&Make this macro specific to this program only");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(63, "Click the Finish Button to start capturing your macro.");
        b.Label("", "To end the capture, press either ").Label("P63Stop1", "").Label("", "or");
        b.Label("P63Stop2", "");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(64, "");
        b.Column(0, 170, 10).Label("", "Available Macros").List("P64AvailBox", 260, F::Sorted);
        b.Column(174, 110, 40).Button("P64AddButton", "&Add >>");
        b.Button("P64InsertBefore", "Insert B&efore").Button("P64InsertAfter", "Insert Af&ter");
        b.Button("P64DoUp", "Move &Up")
            .Button("P64DoDown", "Move &Down")
            .Button("P64DoDelete", "&Remove");
        b.Column(288, 140, 10).Label("", "New Combined Macro").List("P64NewBox", 260);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(65, "Welcome to Orvane!");
        b.Label("", "This wizard sets Orvane up for the way you work.", 48);
        b.Label("", "You can change every setting later from the Options menu.", 48);
        b.Check("P65Show", "Do not show this on program startup.", true);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(66, "Cueword Settings");
        b.Label("", "A Cueword is a short word that runs a macro when you type it.", 32);
        b.Check("P66UsePrefix", "Use &Prefix Keys").Edit("P66PrefixKeys", 2);
        b.Check("P66CaseSense", "Case &Sensitive").Check("P66Solitary", "Solitary &Usage");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(67, "Macro Capture Options");
        b.Check("P67DoKey", "Capture &Keystrokes")
            .Check("P67DoMouse", "Capture &Mouse Relative To");
        int y = b.Y();
        b.Column(20, 190, y).Radio("P67ToScreen", "&Screen", true);
        b.Radios({{"P67ToWindow", "&Window"}, {"P67ToPosition", "&Position"}});
        b.Check("P67ClicksOnly", "Only Capture Mouse C&licks");
        b.Column(214, 210, y - 24).Check("P67DoTime", "Captur&e At").Sub("P67SpeedPart", "", 100);
        b.Radio("P67ActualSpeed", "&Actual Speed", true);
        b.Radios({{"P67HalfSpeed", "&Half Speed"},
                  {"P67DoubleSpeed", "&Double Speed"},
                  {"P67QuadSpeed", "&Quadruple Speed"}});
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(68, "Networking");
        b.Label("", "In network mode several people share one macro file.", 32);
        b.Check("P68Network", "&Enable Network Mode");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(69, "Check off those items for which you would like to create a macro");
        b.Column(0, 210)
            .Check("P69Name", "Your &name and address")
            .Check("P69Email", "E-mail &tagline");
        b.Check("P69Date", "&Date and time")
            .Check("P69Dial", "D&ial-up")
            .Check("P69Net", "Network dri&ve toggle");
        b.Check("P69Logoff", "&Log off");
        b.Column(214, 210).Check("P69CD", "Play a&udio CD").Check("P69Mute", "Toggle &mute");
        b.Check("P69Print", "Default &printer").Check("P69Pause", "P&ause audio CD");
        b.Check("P69SendEMail", "&Send e-mail");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(70,
                       "Before we begin, here is a partial list of some of the things you can do "
                       "with Orvane...",
                       2);
        b.Column(0, 210, 60)
            .Label("P70Lab1",
                   "- Type text, addresses and signatures with a hot key\n"
                   "- Expand short Cuewords into whole phrases\n"
                   "- Launch programs, documents and web sites\n"
                   "- Record keystrokes and mouse actions\n"
                   "- Run macros on a schedule or when a window appears",
                   230)
            .Column(214, 210, 60)
            .Label("P70Lab2",
                   "- Build pop-up menus of your macros\n"
                   "- Send e-mail and dial up the Internet\n"
                   "- Connect network drives and set printers\n"
                   "- Arrange, resize and close windows\n"
                   "- Play CDs, sounds and video clips",
                   230);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(71, "Sweepstakes");
        b.Label("", "Enter the address of the sweepstakes form, then launch it to check it.", 32);
        b.Label("", "http://").Edit("P71URL", 255).Button("P71Launch", "&Launch Web Page");
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(72, "INSTRUCTIONS");
        b.Label("", "1. Press Next: a form opens for your personal details.", 32);
        b.Label("", "2. Type your details in the order the sweepstakes form asks for them.", 32);
        b.Label("", "3. Use Tab to move between fields, as on the web form.", 32);
        b.Label("", "4. Close the form when you are done.", 32);
        b.Label("", "5. The wizard then asks how to start the macro.", 32);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(73, "How to use this macro");
        b.Label("", "Open the sweepstakes form and click into its first field.", 48);
        b.Label("", "Then start the macro: it types your details into the form.", 48);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b(74, "Default E-Mail Settings");
        b.Label("", "These are used by macros that send e-mail.", 32).Label("", "SMTP Server");
        b.Edit("P74SMTPHost", 50).Label("", "Port");
        b.Edit("P74SMTPPort", SmtpPortDigits, "25", 0, 60)
            .Beside(70)
            .Label("", "(normally 25)", 22);
        b.Label("", "Your Default E-Mail Address").Label("", "Name").Edit("P74EmailName", 50);
        b.Label("", "E-Mail Address").Edit("P74EmailAddress", 50);
        p.push_back(b.Done());
    }
    {
        PanelBuilder b =
            Choice(75, "Would you like to",
                   {{"P75Now", "&Enter Your E-Mail Recipients Now"},
                    {"P75Prompt", "Be &Prompted For E-Mail Recipients When The Macro Runs"}});
        b.Check("P75cc", "Copy Messages (cc)").Check("P75Blind", "Blind Copy Messages (Blind cc)");
        p.push_back(b.Done());
    }
    p.push_back(Recipients(76, "P76", "\"TO\" Recipients").Done());
    {
        PanelBuilder b =
            Choice(77, "E-Mail Attachments",
                   {{"P77NoAttach", "N&o attachments"},
                    {"P77ChooseAttach", "C&hoose attachments now"},
                    {"P77PromptAttach", "Be &prompted for attachments when the macro runs"}});
        b.Label("P77AttachLabel", "Attachment List").List("P77AttachBox", 110);
        b.Button("P77AddAttach", "&Add").Button("P77DeleteAttach", "&Delete");
        p.push_back(b.Done());
    }
    p.push_back(
        Choice(78, "E-Mail Connection To The Internet",
               {{"P78Connected", "I am &always connected to the Internet"},
                {"P78RAS", "I want to invoke &Dial-Up Networking prior to sending my E-Mail"},
                {"P78None", "I do n&ot need to connect"}})
            .Done());
    p.push_back(Recipients(81, "P81", "\"CC\" Recipients (Carbon Copy)").Done());
    p.push_back(Recipients(82, "P82", "\"Blind CC\" Recipients (Blind Carbon Copy)").Done());
    {
        PanelBuilder b(83, "E-Mail Body (Message Text)");
        b.Column(0, 210)
            .Label("", "Would you like to")
            .Radio("P83Now", "&Enter the message now", true);
        b.Radios({{"P83Prompt", "Be &prompted for the message"},
                  {"P83Clip", "Send the c&lipboard"},
                  {"P83File", "Send a &text file"}});
        b.Edit("P83FileName", 255).Button("P83Browse", "B&rowse");
        b.Column(214, 222).Label("P83SubjectLabel", "Subject").Edit("P83Subject", 255);
        b.Label("P83TextLabel", "Text");
        b.Memo("P83Memo", 0, 110).Check("P83Request", "Req&uest Return Receipt");
        p.push_back(b.Done());
    }
    return p;
}

}  // namespace

std::span<const PanelDecl> Panels() {
    static const std::vector<PanelDecl> panels = Build();
    return panels;
}

const PanelDecl* FindPanel(int number) {
    for (const PanelDecl& panel : Panels()) {
        if (panel.Number == number)
            return &panel;
    }
    return nullptr;
}

const ControlDecl* FindControl(const std::string& name, int* panel) {
    static const std::map<std::string, std::pair<const ControlDecl*, int>> byName = [] {
        std::map<std::string, std::pair<const ControlDecl*, int>> m;
        for (const PanelDecl& p : Panels()) {
            for (const ControlDecl& c : p.Controls) {
                if (!c.Name.empty())
                    m.emplace(c.Name, std::pair{&c, p.Number});
            }
        }
        return m;
    }();
    auto it = byName.find(name);
    if (it == byName.end())
        return nullptr;
    if (panel)
        *panel = it->second.second;
    return it->second.first;
}

}  // namespace orv::editor
