// The services every command dialog shares: path checks on short forms and
// the cipher of the encrypted-text command.
#include <gtest/gtest.h>

#include "editor/commands/encryption.h"
#include "tests/editor/commands/fake_file_checks.h"

namespace orv::editor {
namespace {

TEST(FileChecksTest, FilesAndFoldersOnTheirShortForms) {
    testing::FakeFileChecks files;
    files.AddFile("C:\\Long Folder\\Report File.txt", "C:\\LONGFO~1\\REPORT~1.TXT");
    files.AddFolder("C:\\Long Folder", "C:\\LONGFO~1");
    files.AddFolder("C:\\", "C:\\");

    EXPECT_EQ(files.ExistingFile("C:\\Long Folder\\Report File.txt"), "C:\\LONGFO~1\\REPORT~1.TXT");
    EXPECT_FALSE(files.ExistingFile("C:\\Long Folder"));  // a folder is no file
    EXPECT_FALSE(files.ExistingFile("C:\\missing.txt"));

    // A folder loses its trailing "\"; a drive's root keeps it, since "C:"
    // alone names the drive's current folder.
    files.AddFolder("C:\\Long Folder\\", "C:\\LONGFO~1\\");
    EXPECT_EQ(files.ExistingFolder("C:\\Long Folder\\"), "C:\\LONGFO~1");
    EXPECT_EQ(files.ExistingFolder("C:\\"), "C:\\");
    EXPECT_FALSE(files.ExistingFolder("C:\\Long Folder\\Report File.txt"));
    EXPECT_FALSE(files.ExistingFolder(""));
}

TEST(EncryptionTest, EnciphersWithTheCommandsKeyAndDeciphersBack) {
    for (const std::string& text : {std::string(), std::string("secret"), std::string(122, 'x')}) {
        std::string cipher = EncryptIt(text);
        EXPECT_EQ(cipher.size(), 2 + 2 * text.size());  // a seed pair, then a pair a character
        EXPECT_EQ(DecryptIt(cipher), text);
    }
    EXPECT_EQ(DecryptIt("not hexadecimal"), "");
}

}  // namespace
}  // namespace orv::editor
