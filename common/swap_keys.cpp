#include "common/swap_keys.h"

#include <algorithm>

#include "common/files.h"
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
    FilePtr f = OpenFile(fileName, "rb");
    if (!f)
        return SwapFileResult::NotOpened;
    SwapKeyTable read;
    if (std::fread(read.data(), 1, read.size(), f.get()) != read.size())
        return SwapFileResult::Damaged;
    std::ranges::copy(read, table.begin());
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
    SaveSwapKeys(name, table);
    return SwapFileResult::Loaded;
}

}  // namespace orv
