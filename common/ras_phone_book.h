// What both programs do with the dial-up library's phone book, apart from
// the library itself: its records, in the library's oldest layout, which
// every version accepts by its size field, the listing of the entries with
// its one retry, and the reading of an entry's stored logon. The calls into
// the library are given (common/win32/ras_api.h binds them).
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

namespace RasError {
constexpr std::uint32_t BufferTooSmall = 603;
}

struct RasEntryNameRecord {
    std::uint32_t Size;
    char EntryName[257];
};
static_assert(sizeof(RasEntryNameRecord) == 264);

struct RasDialParamsRecord {
    std::uint32_t Size;
    char EntryName[257];
    char PhoneNumber[129];
    char CallbackNumber[129];
    char UserName[257];
    char Password[257];
    char Domain[16];
};
static_assert(sizeof(RasDialParamsRecord) == 1052);
static_assert(offsetof(RasDialParamsRecord, UserName) == 519);
static_assert(offsetof(RasDialParamsRecord, Domain) == 1033);

// A dial-parameter record with its size field set and the texts given.
RasDialParamsRecord MakeDialParams(std::string_view entry, std::string_view user = {},
                                   std::string_view password = {});

// The library's listing call: the records, the room they have in bytes (the
// room needed on 603) and the number written; the library's answer.
using EnumEntriesCall = std::function<std::uint32_t(RasEntryNameRecord* entries,
                                                    std::uint32_t& bytes, std::uint32_t& count)>;
// The entry names in the library's order: one record first, once more with
// the room asked for on 603; empty on any other answer.
std::vector<std::string> ListPhoneBookEntries(const EnumEntriesCall& call);

// An entry's stored user name, and its password only when one is stored.
struct RasStoredLogon {
    std::string UserName;
    std::optional<std::string> Password;
};
// The library's call that fills the record and says whether a password is stored.
using GetDialParamsCall =
    std::function<std::uint32_t(RasDialParamsRecord& params, bool& passwordStored)>;
// Nothing when the call fails. The flag starts false, for libraries that
// answer success without writing it.
std::optional<RasStoredLogon> ReadStoredLogon(const GetDialParamsCall& call,
                                              std::string_view entry);

}  // namespace orv
