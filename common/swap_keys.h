// The key-remap table: 93 characters, each the one typed in place of the key
// whose character stands at the same place of the identity table. Kept in the
// library's ".OVS" side file and in the player's shared block.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace orv {

constexpr std::size_t SwapKeyCount = 93;
using SwapKeyTable = std::array<std::uint8_t, SwapKeyCount>;
using SwapKeys = std::span<std::uint8_t, SwapKeyCount>;
using ConstSwapKeys = std::span<const std::uint8_t, SwapKeyCount>;

// "A".."Z", "a".."z", "0".."9", then the punctuation keys in ascending order.
const SwapKeyTable& IdentitySwapTable();
void InitSwapKeys(SwapKeys table);
// True when any key is remapped (a block never loaded, all zero, counts too).
bool SwapsInUse(ConstSwapKeys table);

enum class SwapFileResult { Loaded, NotOpened, Damaged, NotCreated };
// Reads the file's one table; a file that cannot be read or is not one table
// exactly leaves the table as it was.
[[nodiscard]] SwapFileResult LoadSwapKeys(const std::string& fileName, SwapKeys table);
// Replaces the file by the table; false when it could not be written.
[[nodiscard]] bool SaveSwapKeys(const std::string& fileName, ConstSwapKeys table);
// After a library load: its remap file is read, or made from the identity
// table when there is none yet (NotCreated when it could not be written; the
// table is the identity table all the same).
[[nodiscard]] SwapFileResult GetSwapFile(const std::string& library, SwapKeys table);

// The player's remap table after library was loaded: GetSwapFile, and a side
// file that cannot be used is said. The table then stays as it is where it is
// already this library's (sideFile, the remap file it came from, is the
// library's), and no key is remapped otherwise. A side file that could not be
// made is not said: no remapping is lost. sideFile becomes the library's.
void TakeLibraryRemap(const std::string& library, std::string& sideFile, SwapKeys table);

}  // namespace orv
