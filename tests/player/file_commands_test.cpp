#include "player/file_commands.h"

#include <gtest/gtest.h>

#include <set>

#include "common/folder_path.h"
#include "player/interpreter.h"
#include "tests/player/recording_host.h"
#include "tests/player/sample_token.h"

namespace orv::player {
namespace {

// Folders and files by name; every call noted.
class FakeFiles final : public FileHost {
  public:
    bool ChangeDirectory(const std::string& path) override { return Note("cd " + path); }
    bool FolderExists(const std::string& path) override { return Folders.contains(path); }
    bool CreateFolder(const std::string& path) override {
        if (Files.contains(path))
            return !Note("refused " + path);
        Folders.insert(path);
        return Note("mkdir " + path);
    }
    bool RemoveFile(const std::string& path) override { return Note("del " + path); }
    bool CopyFileOver(const std::string& from, const std::string& to) override {
        return Note("copy " + from + " > " + to);
    }
    bool RenameFile(const std::string& from, const std::string& to) override {
        return Note("ren " + from + " > " + to);
    }
    void Explore(const std::string& folder) override { Note("explore " + folder); }

    bool Note(const std::string& call) {
        Calls.push_back(call);
        return true;
    }
    std::set<std::string> Folders{"C:", "\\\\srv\\share"};
    std::set<std::string> Files;
    std::vector<std::string> Calls;
};

class FileCommandsTest : public ::testing::Test {
  protected:
    FileCommandsTest() { host.FamiliesSet[FamilyId::Files] = &commands; }
    void Run(const std::string& script) {
        ASSERT_TRUE(interpreter.RunMacro(script, RunOrigin::Unattended));
    }

    testing::RecordingHost host;
    RunState state;
    Interpreter interpreter{host, state};
    FakeFiles files;
    FileCommands commands{files};
};

TEST(FolderPathTest, LevelsEndAtEachBackslash) {
    struct Case {
        std::string path;
        std::vector<std::string> levels;
    };
    const Case cases[] = {
        {"C:\\T\\A", {"C:\\", "C:\\T\\", "C:\\T\\A"}},
        {"C:\\T\\", {"C:\\", "C:\\T\\"}},
        {"rel\\x", {"rel\\", "rel\\x"}},
        {"\\\\srv\\share\\x\\y", {"\\\\srv\\share\\x\\", "\\\\srv\\share\\x\\y"}},
        {"\\\\srv\\share", {}},
        {"", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(FolderLevels(c.path), c.levels) << c.path;
}

TEST_F(FileCommandsTest, NamesAndTheirSplitAtTheFirstSemicolon) {
    Run("<CHDIR:C:\\W><DELFILE:x.txt><COPYFILE:a;b><RENFILE:a;b;c><RENFILE:lonely>"
        "<EXPLORE:C:\\Docs>end");
    EXPECT_EQ(files.Calls,
              (std::vector<std::string>{"cd C:\\W", "del x.txt", "copy a > b", "ren a > b;c",
                                        "ren lonely > ", "explore C:\\Docs"}));
    EXPECT_EQ(host.Typed(), "end");
}

TEST_F(FileCommandsTest, MakeFolderCreatesOnlyTheMissingLevels) {
    files.Folders.insert({"C:\\T", "C:\\T\\A"});
    Run("<MKDIR:C:\\T\\A\\B><MKDIR:C:\\T\\A\\><MKDIR:\\\\srv\\share\\x>");
    EXPECT_EQ(files.Calls,
              (std::vector<std::string>{"mkdir C:\\T\\A\\B", "mkdir \\\\srv\\share\\x"}));
    EXPECT_TRUE(host.Notices().empty());
}

TEST_F(FileCommandsTest, AFileInTheWayIsToldByItsLevel) {
    files.Files.insert("C:\\F");
    Run("<MKDIR:C:\\F\\G>next");
    EXPECT_EQ(host.Notices(), std::vector<std::string>{
                                  "Create Folder Failed: Folder \"C:\\F\" could not be created."});
    EXPECT_EQ(files.Calls, std::vector<std::string>{"refused C:\\F"});
    EXPECT_EQ(host.Typed(), "next");
}

TEST_F(FileCommandsTest, EveryCommandOfTheFamilyReachesTheFiles) {
    const auto idle = testing::FormsThatDidNothing(
        FamilyId::Files,
        [&](const std::string& token) {
            files.Calls.clear();
            host.Trace.clear();
            Run(token);
        },
        [&] { return !files.Calls.empty() || !host.Notices().empty(); });
    EXPECT_TRUE(idle.empty()) << ::testing::PrintToString(idle);
}

}  // namespace
}  // namespace orv::player
