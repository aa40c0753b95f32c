// Windows gives the foreground only to a program allowed to take it, and
// refuses the rest without a word but a flashing taskbar button. One road
// (common/win32/foreground.cpp) asks in the way that works and says whether
// it did; a request made anywhere else would bring back the windows that
// open behind and the keys that go to the wrong program.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "common/files.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

TEST(ForegroundRoad, OnlyTheOneRoadAsksTheSystemForTheForeground) {
    const fs::path root = ORVANE_SOURCE_ROOT;
    const fs::path road = fs::path("common") / "win32" / "foreground.cpp";
    // Asking by the call, by a message box's own flag, or by the calls that
    // raise, activate or let another program take the foreground.
    const std::string requests[] = {"SetForegroundWindow",      "MB_SETFOREGROUND",
                                    "AllowSetForegroundWindow", "BringWindowToTop",
                                    "SetActiveWindow",          "SwitchToThisWindow"};
    std::vector<std::string> elsewhere;
    bool roadAsks = false;
    // The programs we ship; the tests and the stand-ins for other makers'
    // programs bring their own windows forward as any program may.
    for (const char* folder : {"common", "player", "editor", "hook", "mail", "companions"}) {
        ASSERT_TRUE(fs::is_directory(root / folder)) << (root / folder);
        for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root / folder)) {
            const fs::path file = entry.path();
            if (file.extension() != ".cpp" && file.extension() != ".h")
                continue;
            const std::string text = ReadWholeFile(file.string()).value_or("");
            const fs::path relative = fs::relative(file, root);
            for (const std::string& request : requests) {
                if (text.find(request) == std::string::npos)
                    continue;
                if (relative == road)
                    roadAsks = true;
                else
                    elsewhere.push_back(relative.generic_string() + ": " + request);
            }
        }
    }
    EXPECT_TRUE(roadAsks) << "the road itself was not found";
    EXPECT_EQ(elsewhere, std::vector<std::string>{});
}

}  // namespace
}  // namespace orv
