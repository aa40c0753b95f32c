#include "common/ras_phone_book.h"

#include <algorithm>
#include <cstring>

namespace orv {
namespace {

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <std::size_t N>
void SetField(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
    if (length > 0)  // an empty view may have no data at all
        std::memcpy(field, text.data(), length);
    field[length] = 0;
}

}  // namespace

RasDialParamsRecord MakeDialParams(std::string_view entry, std::string_view user,
                                   std::string_view password) {
    RasDialParamsRecord params{};
    params.Size = sizeof params;
    SetField(params.EntryName, entry);
    SetField(params.UserName, user);
    SetField(params.Password, password);
    return params;
}

std::vector<std::string> ListPhoneBookEntries(const EnumEntriesCall& call) {
    std::vector<std::string> names;
    std::vector<RasEntryNameRecord> entries(1, RasEntryNameRecord{});
    entries[0].Size = sizeof(RasEntryNameRecord);
    std::uint32_t bytes = sizeof(RasEntryNameRecord);
    std::uint32_t count = 0;
    std::uint32_t result = call(entries.data(), bytes, count);
    if (result == RasError::BufferTooSmall) {
        // Once more with the room the library asked for.
        entries.assign(bytes / sizeof(RasEntryNameRecord) + 1, RasEntryNameRecord{});
        entries[0].Size = sizeof(RasEntryNameRecord);
        bytes = static_cast<std::uint32_t>(entries.size() * sizeof(RasEntryNameRecord));
        count = 0;
        result = call(entries.data(), bytes, count);
    }
    if (result != 0)
        return names;
    count = std::min<std::uint32_t>(count, static_cast<std::uint32_t>(entries.size()));
    for (std::uint32_t i = 0; i < count; ++i)
        names.push_back(FieldText(entries[i].EntryName).substr(0, 256));
    return names;
}

std::optional<RasStoredLogon> ReadStoredLogon(const GetDialParamsCall& call,
                                              std::string_view entry) {
    RasDialParamsRecord params = MakeDialParams(entry);
    bool passwordStored = false;
    if (call(params, passwordStored) != 0)
        return std::nullopt;
    RasStoredLogon found{FieldText(params.UserName), std::nullopt};
    if (passwordStored)
        found.Password = FieldText(params.Password);
    return found;
}

}  // namespace orv
