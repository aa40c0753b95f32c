#include "common/swap_keys.h"

#include <algorithm>

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/side_files.h"

namespace orv {

const SwapKeyTable& IdentitySwapTable() {
    static const SwapKeyTable identity = [] {
        SwapKeyTable t{};
        std::size_t k = 0;
        auto range = [&](int first, int last) {
            for (int c = first; c <= last; ++c) t[k++] = static_cast<std::uint8_t>(c);
        };
        range('A', 'Z');
        range('a', 'z');
        range('0', '9');
        range(0x20, 0x2F);
        range(0x3A, 0x40);
        range(0x5B, 0x60);
        range(0x7D, 0x7E);
        return t;
    }();
    return identity;
}

void InitSwapKeys(SwapKeys table) {
    std::ranges::copy(IdentitySwapTable(), table.begin());
}

bool SwapsInUse(ConstSwapKeys table) {
    return !std::ranges::equal(table, IdentitySwapTable());
}

SwapFileResult LoadSwapKeys(const std::string& fileName, SwapKeys table) {
    const std::optional<std::string> bytes = ReadWholeFile(fileName);
    if (!bytes)
        return SwapFileResult::NotOpened;
    if (bytes->size() != table.size())
        return SwapFileResult::Damaged;
    std::ranges::copy(*bytes, table.begin());
    return SwapFileResult::Loaded;
}

bool SaveSwapKeys(const std::string& fileName, ConstSwapKeys table) {
    return ReplaceFileContents(
        fileName, std::string_view(reinterpret_cast<const char*>(table.data()), table.size()));
}

SwapFileResult GetSwapFile(const std::string& library, SwapKeys table) {
    const std::string name = RemapFileName(library);
    if (FileExists(name))
        return LoadSwapKeys(name, table);
    InitSwapKeys(table);
    return SaveSwapKeys(name, table) ? SwapFileResult::Loaded : SwapFileResult::NotCreated;
}

void TakeLibraryRemap(const std::string& library, std::string& sideFile, SwapKeys table) {
    const std::string name = RemapFileName(library);
    const bool reloaded = name == sideFile;
    sideFile = name;
    const SwapFileResult result = GetSwapFile(library, table);
    if (result != SwapFileResult::Damaged && result != SwapFileResult::NotOpened)
        return;
    // Another library's remapping would type keys this one never asked for.
    if (!reloaded)
        InitSwapKeys(table);
    std::string text = result == SwapFileResult::Damaged
                           ? "The key remap file " + name + " is damaged"
                           : "The key remap file " + name + " could not be read";
    text += reloaded ? ", so the keys stay remapped as before." : ", so no keys are remapped.";
    ShowError(text + "  It is left as it is.");
}

}  // namespace orv
