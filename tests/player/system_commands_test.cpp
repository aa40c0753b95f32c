#include "player/system_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>

#include "common/string_routines.h"
#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

using testing::RecordingHost;
using Trace = std::vector<std::string>;

// Every system host in one, noting each call that changes the machine.
class FakeSystem final : public NetworkHost,
                         public RasHost,
                         public DisplayHost,
                         public PrinterHost,
                         public DesktopHost,
                         public ShellHost,
                         public ExitHost,
                         public PauseControl {
  public:
    std::uint32_t AddConnection(std::string_view local, std::string_view remote,
                                std::optional<std::string_view> user,
                                std::optional<std::string_view> password,
                                bool persistent) override {
        // "(own)": the logged-on user's, unlike an empty name or password.
        const auto field = [](std::optional<std::string_view> f) { return f ? S(*f) : "(own)"; };
        Log("map " + S(local) + " " + S(remote) + " " + field(user) + "/" + field(password) +
            (persistent ? " P" : ""));
        return NetResult;
    }
    std::uint32_t CancelConnection(std::string_view name, bool persistent, bool force) override {
        Log("unmap " + S(name) + (persistent ? " P" : "") + (force ? " F" : ""));
        return NetResult;
    }
    std::vector<std::string> ConnectedDrives() override { return Drives; }

    bool Loaded() override { return RasLoaded; }
    std::uint32_t Dial(std::string_view entry, std::string_view user,
                       std::string_view password) override {
        Log("dial " + S(entry) + " " + S(user) + "/" + S(password));
        return DialError;
    }
    std::optional<std::vector<std::uintptr_t>> Connections() override { return Active; }
    bool HangUp(std::uintptr_t connection) override {
        Log("hang up " + std::to_string(connection));
        return true;
    }
    std::string ErrorText(std::uint32_t error) override { return RasTexts[error]; }
    void ShowDialStatus(std::string_view caption, std::string_view status) override {
        Log("status " + S(caption) + ": " + S(status));
    }
    void CloseDialStatus() override { Log("status closed"); }

    std::optional<std::int32_t> ChangeMode(std::uint32_t mode, bool testOnly) override {
        if (mode >= ModeCount)
            return std::nullopt;
        if (!testOnly)
            Log("mode " + std::to_string(mode));
        return testOnly ? TestResult : ChangeResult;
    }

    std::vector<std::string> PrinterNames() override { return {"hp laserjet", "HP LaserJet"}; }
    bool SetDefault(std::string_view printer) override {
        Log("default " + S(printer));
        return PrinterAccepted;
    }

    void WriteDesktopValue(std::string_view name, std::string_view value) override {
        Log(S(name) + "=" + S(value));
    }
    void ApplyWallpaper(std::string_view file) override { Log("apply " + S(file)); }
    bool ScreenSaverActive() override { return SaverActive; }
    void StartScreenSaver() override { Log("saver"); }
    void Beep() override { Log("beep"); }
    void Arrange(Arrangement how) override { Log("arrange " + std::to_string(int(how))); }

    bool Available() override { return ShellAvailable; }
    Result Call(int command) override {
        Log("shell " + std::to_string(command));
        return ShellResult;
    }

    bool NtFamily() override { return Nt; }
    bool SetShutdownPrivilege(bool enable) override {
        Log(enable ? "privilege on" : "privilege off");
        return PrivilegeGranted;
    }
    bool LeaveWindows(Exit how) override {
        Log("exit " + std::to_string(int(how)));
        return ExitAccepted;
    }

    bool ShowPauseWindow(std::optional<ScreenPoint>, std::string_view) override { return true; }
    void MyMessage(std::string_view caption, std::string_view text) override {
        Log("text box " + S(caption) + ": " + S(text));
        if (OnTextBox)
            OnTextBox();
    }

    static std::string S(std::string_view s) { return std::string(s); }
    void Log(const std::string& line) { Calls.push_back(line); }

    Trace Calls;
    std::function<void()> OnTextBox;
    std::uint32_t NetResult = 0;
    std::vector<std::string> Drives;
    bool RasLoaded = true;
    std::uint32_t DialError = 0;
    std::optional<std::vector<std::uintptr_t>> Active = std::vector<std::uintptr_t>{};
    std::map<std::uint32_t, std::string> RasTexts;
    std::uint32_t ModeCount = 3;
    std::int32_t TestResult = 0;
    std::int32_t ChangeResult = 0;
    bool PrinterAccepted = true;
    bool ExitAccepted = true;
    bool SaverActive = true;
    bool ShellAvailable = true;
    Result ShellResult;
    bool Nt = true;
    bool PrivilegeGranted = true;
};

class SystemCommandsTest : public ::testing::Test {
  protected:
    SystemCommandsTest() { host.FamiliesSet[FamilyId::System] = &commands; }
    void Run(std::string_view script) {
        fake.Calls.clear();
        host.Trace.clear();
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeSystem fake;
    SystemCommands commands{{fake, fake, fake, fake, fake, fake, fake, fake, host}};
};

TEST_F(SystemCommandsTest, NetworkDrives) {
    const std::string pw = ScrambleText("pw");
    struct Case {
        std::string script;
        std::uint32_t result;
        std::vector<std::string> drives;
        Trace calls;
        Trace notices;
    };
    const Case cases[] = {
        // Without the status letter nothing is shown, whatever the result.
        {"<NWC:<NAME:u><PASS:" + pw + ">F:\\\\srv\\x>", 1222, {}, {"map F: \\\\srv\\x u/pw"}, {}},
        {"<NWC:<NAME:u><PASS:>F:\\\\srv\\x>", 0, {}, {"map F: \\\\srv\\x u/(own)"}, {}},
        {"<NWCPS:<NAME:u><PASS:" + pw + ">F:\\\\srv\\x>",
         0,
         {},
         {"map F: \\\\srv\\x u/pw P"},
         {"Map F: to \\\\srv\\x: Drive mapped succesfully."}},
        {"<NWCS:<NAME:><PASS:>G:\\\\s\\y>",
         1222,
         {},
         {"map G: \\\\s\\y (own)/(own)"},
         {"Map G: to \\\\s\\y: Map Failed.  No network exists."}},
        {"<NWCS:<NAME:><PASS:>G:\\\\s\\y>",
         31,
         {},
         {"map G: \\\\s\\y (own)/(own)"},
         {"Map G: to \\\\s\\y: Map Failed.  Unknown Error #31"}},
        {"<NWDPFS:F:>",
         2401,
         {},
         {"unmap F: P F"},
         {"Unmap Network Drive F:: Unmap Failed.  There are open files on the network device "
          "and the \"Force\" option was not used."}},
        {"<NWDS:F:>", 0, {}, {"unmap F:"}, {"Unmap Network Drive F:: Drive succesfully unmapped."}},
        // A toggle unmaps a drive connected to another resource than the one named.
        {"<NWTS:<NAME:u><PASS:>F:\\\\other\\z>",
         0,
         {"E:", "F:"},
         {"unmap F:"},
         {"Unmap Network Drive F:: Drive succesfully unmapped."}},
        {"<NWTP:<NAME:u><PASS:>H:\\\\other\\z>", 0, {"F:"}, {"map H: \\\\other\\z u/(own) P"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        fake.NetResult = c.result;
        fake.Drives = c.drives;
        Run(c.script + "x");
        EXPECT_EQ(fake.Calls, c.calls);
        EXPECT_EQ(host.Notices(), c.notices);
        EXPECT_EQ(host.Typed(), "x");
    }
}

TEST_F(SystemCommandsTest, DialUp) {
    const std::string dial = "<DIAL:<NAME:me><PASS:" + ScrambleText("secret") + ">Office>";
    fake.RasLoaded = false;
    Run(dial + "x");
    EXPECT_EQ(host.Notices(), (Trace{"Warning: " + std::string(SystemText::RasMissing)}));
    EXPECT_EQ(host.Typed(), "");
    Run("<HANG>x");
    EXPECT_EQ(host.Notices(), (Trace{"Warning: " + std::string(SystemText::RasMissing)}));
    EXPECT_EQ(host.Typed(), "x");

    fake.RasLoaded = true;
    Run(dial + "x");
    EXPECT_EQ(fake.Calls,
              (Trace{"status Orvane Dial-Up Networking: Attempting Dial-Up Network Connection",
                     "dial Office me/secret", "status closed"}));
    EXPECT_EQ(host.Typed(), "x");

    // A failure ends every level, after the status window has gone.
    fake.DialError = 623;
    host.Macros["inner"] = "a" + dial + "b";
    Run("<MACRUN:inner>c");
    EXPECT_EQ(host.Typed(), "a");
    EXPECT_EQ(fake.Calls.back(),
              "text box Dial-Up Error: Dial-Up Network Connection to Office failed.  Error code: "
              "623: Unknown Erorr  Macro will abort.");
    EXPECT_EQ(fake.Calls[2], "status closed");
    fake.RasTexts[623] = "No phone book entry.";
    Run(dial);
    EXPECT_NE(fake.Calls.back().find("623: No phone book entry.  Macro"), std::string::npos);

    // The box shows once the run has let go of its keys and the in-use byte.
    bool heldAtBox = true;
    fake.OnTextBox = [&] {
        heldAtBox = !host.StillDown().empty() || std::find(host.Trace.begin(), host.Trace.end(),
                                                           "in use off") == host.Trace.end();
    };
    host.Trace.clear();
    ASSERT_TRUE(interpreter.RunMacro("<CTLD>" + dial, RunOrigin::User));
    EXPECT_FALSE(heldAtBox);
}

TEST_F(SystemCommandsTest, HangUpEndsTheFirstConnectionOnly) {
    fake.Active = std::vector<std::uintptr_t>{7, 9};
    Run("<HANG>");
    EXPECT_EQ(fake.Calls, (Trace{"hang up 7"}));
    EXPECT_TRUE(host.Notices().empty());
    fake.Active = std::vector<std::uintptr_t>{};
    Run("<HANG>");
    EXPECT_EQ(host.Notices(),
              (Trace{"Dial-Up Error: There are no Dial-Up Networking connections to hang up."}));
    fake.Active.reset();
    Run("<HANG>");
    EXPECT_EQ(host.Notices(), (Trace{"Dial-Up Error: Dial-Up Networking Hang Up failed."}));
}

TEST_F(SystemCommandsTest, DisplayMode) {
    const std::string failed =
        "Macro Execution Error: The attempt to switch to the specified Screen Display Settings "
        "failed.";
    struct Case {
        std::string script;
        std::int32_t test, change;
        Trace calls;
        Trace notices;
    };
    const Case cases[] = {
        {"<SCREEN:002>", 0, 0, {"mode 2"}, {}},
        {"<SCREEN:003>",
         0,
         0,
         {},
         {"Macro Execution Error: The specified Screen Display Settings does not exist on this "
          "computer."}},
        {"<SCREEN:001>", -2, 0, {}, {failed}},
        {"<SCREEN:001>",
         1,
         1,
         {"mode 1"},
         {"Warning: System must be rebooted before new display settings take effect."}},
        {"<SCREEN:001>", -3, -1, {"mode 1"}, {failed}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        fake.TestResult = c.test;
        fake.ChangeResult = c.change;
        Run(c.script);
        EXPECT_EQ(fake.Calls, c.calls);
        EXPECT_EQ(host.Notices(), c.notices);
    }
}

TEST_F(SystemCommandsTest, DefaultPrinterMatchesItsNameExactly) {
    Run("<DEFPRT:HP LaserJet>");
    EXPECT_EQ(fake.Calls, (Trace{"default HP LaserJet"}));
    Run("<DEFPRT:hp laserjet>");
    EXPECT_EQ(fake.Calls, (Trace{"default hp laserjet"}));
    Run("<DEFPRT:Hp Laserjet>");
    EXPECT_TRUE(fake.Calls.empty());
    EXPECT_EQ(host.Notices(), (Trace{"Macro Execution Error: The specified Default Printer does "
                                     "not exist on this computer."}));
    fake.PrinterAccepted = false;
    Run("<DEFPRT:HP LaserJet>");
    EXPECT_EQ(host.Notices(),
              (Trace{"Macro Execution Error: " + std::string(SystemText::PrinterRefused)}));
}

// A placed token reads its free text's characters 1-4 as x, 6-9 as y and 10
// on as the file, short and malformed ones too.
TEST_F(SystemCommandsTest, WallpaperStyles) {
    const auto values = [](std::string tile, std::string style, std::string x, std::string y,
                           std::string file) {
        return Trace{"Wallpaper=" + file,     "TileWallpaper=" + tile, "WallpaperStyle=" + style,
                     "WallpaperOriginX=" + x, "WallpaperOriginY=" + y, "apply " + file};
    };
    const struct {
        const char* Token;
        Trace Calls;
    } rows[] = {
        {"<WALLT:C:\\a.bmp>", values("1", "0", "0", "0", "C:\\a.bmp")},
        {"<WALLC:C:\\a.bmp>", values("0", "0", "0", "0", "C:\\a.bmp")},
        {"<WALLS:C:\\a.bmp>", values("0", "2", "0", "0", "C:\\a.bmp")},
        {"<WALLP:0120,0045C:\\b.bmp>", values("0", "0", "120", "45", "C:\\b.bmp")},
        {"<WALLP:12>", values("0", "0", "12", "0", "")},
        {"<WALLP:0120,45>", values("0", "0", "120", "45", "")},
        {"<WALLP:0120,0045>", values("0", "0", "120", "45", "")},
        {"<WALLP:0120,0045x>", values("0", "0", "120", "45", "x")},
        {"<WALLP:12,0045C:\\b.bmp>", values("0", "0", "12", "45", "\\b.bmp")},
        {"<WALLP:-012,+045f>", values("0", "0", "-12", "45", "f")},
    };
    for (const auto& row : rows) {
        Run(row.Token);
        EXPECT_EQ(fake.Calls, row.Calls) << row.Token;
    }
}

TEST_F(SystemCommandsTest, DesktopAndShell) {
    Run("<SSON><BEEP><EMPTYBIN><CASCDESK><TILVDESK><TILHDESK><MINIDESK><EXPUD>x");
    EXPECT_EQ(fake.Calls, (Trace{"saver", "beep", "arrange 0", "arrange 1", "arrange 2", "shell 4",
                                 "shell 25"}));
    EXPECT_EQ(host.Typed(), "x");
    fake.SaverActive = false;
    Run("<SSON>");
    EXPECT_TRUE(fake.Calls.empty());

    // A failed automation call is told and the run goes on.
    fake.ShellResult = {-2147467263, "Not implemented"};
    Run("<RUNRP>x");
    EXPECT_EQ(host.Notices(), (Trace{"Run File Run Error: Not implemented"}));
    EXPECT_EQ(host.Typed(), "x");
    fake.ShellAvailable = false;
    Run("<EXPCP>");
    EXPECT_EQ(host.Notices(),
              (Trace{"Open Explorer Error: " + std::string(SystemText::ShellMissing)}));
    EXPECT_TRUE(fake.Calls.empty());
    EXPECT_EQ(ShellSpecialFolder(12), 3);
    EXPECT_EQ(ShellSpecialFolder(25), 5);
}

TEST_F(SystemCommandsTest, LeavingWindows) {
    Run("<REBOOT>");
    EXPECT_EQ(fake.Calls, (Trace{"privilege on", "exit 1", "privilege off"}));
    EXPECT_TRUE(host.Notices().empty());
    fake.PrivilegeGranted = false;
    Run("<SHUTDOWN>");
    EXPECT_EQ(fake.Calls, (Trace{"privilege on"}));  // no request without the privilege
    EXPECT_EQ(host.Notices(), (Trace{"Notice: Windows did not accept the request to shut down."}));
    Run("<LOGOFF>");
    EXPECT_EQ(fake.Calls, (Trace{"exit 0"}));
    fake.Nt = false;
    Run("<POWEROFF>");
    EXPECT_EQ(fake.Calls, (Trace{"exit 3"}));
    // A request the system refuses is said too, the privilege given back.
    fake.Nt = true;
    fake.PrivilegeGranted = true;
    fake.ExitAccepted = false;
    Run("<REBOOT>");
    EXPECT_EQ(fake.Calls, (Trace{"privilege on", "exit 1", "privilege off"}));
    EXPECT_EQ(host.Notices(), (Trace{"Notice: Windows did not accept the request to restart."}));
}

TEST_F(SystemCommandsTest, EveryCommandOfTheFamilyReachesTheSystem) {
    fake.Drives = {"X:"};
    fake.Active = std::vector<std::uintptr_t>{7};
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::System, [&](const std::string& token) { Run(token); },
        [&] { return !fake.Calls.empty() || !host.Notices().empty(); });
    EXPECT_EQ(idle, (std::vector<std::string>{"<EMPTYBIN>"}));  // accepted, does nothing
}

}  // namespace
}  // namespace orv::player
