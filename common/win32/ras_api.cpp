#include "common/win32/ras_api.h"

#include <algorithm>
#include <cstring>

#include "common/message_boxes.h"
#include "common/ras_text.h"

namespace orv {

namespace {

template <typename Fn>
void Bind(HMODULE library, const char* name, Fn& pointer) {
    pointer = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

template <std::size_t N>
std::string FieldText(const char (&field)[N]) {
    return std::string(field, strnlen(field, N));
}

template <std::size_t N>
void SetField(char (&field)[N], std::string_view text) {
    const std::size_t length = std::min(text.size(), N - 1);
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

RasApi::RasApi(const char* dllName) {
    library_ = LoadLibraryA(dllName);
    if (!library_)
        return;
    Bind(library_, "RasCreatePhonebookEntryA", CreatePhonebookEntry);
    Bind(library_, "RasDialA", Dial);
    Bind(library_, "RasEditPhonebookEntryA", EditPhonebookEntry);
    Bind(library_, "RasEnumConnectionsA", EnumConnections);
    Bind(library_, "RasEnumEntriesA", EnumEntriesCall);
    Bind(library_, "RasGetConnectStatusA", GetConnectStatus);
    Bind(library_, "RasGetEntryDialParamsA", GetEntryDialParams);
    Bind(library_, "RasGetErrorStringA", GetErrorString);
    Bind(library_, "RasGetProjectionInfoA", GetProjectionInfo);
    Bind(library_, "RasHangUpA", HangUp);
    Bind(library_, "RasSetEntryDialParamsA", SetEntryDialParams);
    Bind(library_, "RasEnumDevicesA", EnumDevices);
    Bind(library_, "RasGetCountryInfoA", GetCountryInfo);
    Bind(library_, "RasGetEntryPropertiesA", GetEntryProperties);
    Bind(library_, "RasSetEntryPropertiesA", SetEntryProperties);
    Bind(library_, "RasRenameEntryA", RenameEntry);
    Bind(library_, "RasDeleteEntryA", DeleteEntry);
    Bind(library_, "RasValidateEntryNameA", ValidateEntryName);
}

RasApi::~RasApi() {
    if (library_)
        FreeLibrary(library_);
}

std::vector<std::string> RasApi::EnumEntries() const {
    std::vector<std::string> names;
    if (!EnumEntriesCall)
        return names;
    std::vector<RasEntryNameRecord> entries(1);
    DWORD bytes = sizeof(RasEntryNameRecord);
    DWORD count = 0;
    entries[0].Size = sizeof(RasEntryNameRecord);
    DWORD result = EnumEntriesCall(nullptr, nullptr, entries.data(), &bytes, &count);
    if (result == RasError::BufferTooSmall) {
        // Once more with the room the library asked for.
        entries.assign(bytes / sizeof(RasEntryNameRecord) + 1, RasEntryNameRecord{});
        entries[0].Size = sizeof(RasEntryNameRecord);
        bytes = static_cast<DWORD>(entries.size() * sizeof(RasEntryNameRecord));
        count = 0;
        result = EnumEntriesCall(nullptr, nullptr, entries.data(), &bytes, &count);
    }
    if (result != 0)
        return names;
    count = std::min<DWORD>(count, static_cast<DWORD>(entries.size()));
    for (DWORD i = 0; i < count; ++i)
        names.push_back(FieldText(entries[i].EntryName).substr(0, 256));
    return names;
}

std::optional<RasApi::DialParams> RasApi::GetDialParams(std::string_view entry) const {
    if (!GetEntryDialParams)
        return std::nullopt;
    RasDialParamsRecord params = MakeDialParams(entry);
    // Some libraries answer success without writing the flag.
    BOOL hasPassword = FALSE;
    if (GetEntryDialParams(nullptr, &params, &hasPassword) != 0)
        return std::nullopt;
    DialParams found{FieldText(params.UserName), std::nullopt};
    if (hasPassword)
        found.Password = FieldText(params.Password);
    return found;
}

const RasApi& LoadRasApi() {
    static const RasApi api("rasapi32.dll");
    return api;
}

void RasMissingMessage() {
    CurrentMessageBoxes().Show("Warning", RasMissingText, MsgStyle::Ok);
}

}  // namespace orv
