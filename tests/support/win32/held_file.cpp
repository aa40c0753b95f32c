#include "tests/support/win32/held_file.h"

#include <windows.h>

namespace orv::testing {

std::shared_ptr<void> HoldUnshared(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return nullptr;
    return std::shared_ptr<void>(file, [](HANDLE h) { CloseHandle(h); });
}

}  // namespace orv::testing
