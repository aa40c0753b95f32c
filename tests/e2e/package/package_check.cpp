// The unpacked release as a user runs it: its programs carry the version the
// build was made with, and the player of that folder plays a hot key's macro
// into a window. tests/e2e/package_test.sh runs it in a fresh Wine prefix:
//   package_check.exe <unpacked folder>
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "common/macro_record.h"
#include "tests/e2e/e2e_driver.h"

namespace {

using namespace orv::e2e;

std::string ProductVersionOf(const std::string& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
    std::vector<char> info(size);
    char* text = nullptr;
    UINT length = 0;
    if (size == 0 || !GetFileVersionInfoA(path.c_str(), 0, size, info.data()) ||
        !VerQueryValueA(info.data(), "\\StringFileInfo\\040904E4\\ProductVersion",
                        reinterpret_cast<void**>(&text), &length) ||
        length == 0)
        return {};
    return text;
}

int Fail(const std::string& what) {
    std::fprintf(stderr, "package check: %s\n", what.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2)
        return Fail("usage: package_check <unpacked folder>");
    const std::string folder = argv[1];
    for (const char* program : {"Tavrol.exe", "Brindel.exe", "ORNHOOK.dll"}) {
        const std::string version = ProductVersionOf(folder + "\\" + program);
        if (version != ORVANE_VERSION_TEXT)
            return Fail(std::string(program) + " says version \"" + version + "\", not \"" +
                        ORVANE_VERSION_TEXT + "\"");
    }
    const std::string library = WriteLibrary(
        "package_check.ORN", {Macro("Packaged", static_cast<std::uint16_t>(HotKeyNamed("Ctrl+Q")),
                                    orv::MacroKind::Global, "h")});
    Player player(folder);
    Target target;
    if (library.empty() || !player.Start(library))
        return Fail("the player of " + folder + " did not come up");
    if (!target.Start("Package Pad"))
        return Fail("the target window did not come up");
    if (!target.SendKeysUntilText("key ctrl+q", "h"))
        return Fail("Ctrl+Q gave \"" + target.Text() + "\", not the macro's \"h\"");
    if (!player.Stop())
        return Fail("the player did not end");
    std::printf("package check: the player of %s played its hot key's macro\n", folder.c_str());
    return 0;
}
