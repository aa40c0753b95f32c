#include "common/win32/ras_api.h"

#include "common/message_boxes.h"
#include "common/ras_text.h"

namespace orv {

namespace {

template <typename Fn>
void Bind(HMODULE library, const char* name, Fn& pointer) {
    pointer = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

}  // namespace

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
    if (!EnumEntriesCall)
        return {};
    return ListPhoneBookEntries(
        [this](RasEntryNameRecord* entries, std::uint32_t& bytes, std::uint32_t& count) {
            DWORD room = bytes, written = count;
            DWORD result = EnumEntriesCall(nullptr, nullptr, entries, &room, &written);
            bytes = room;
            count = written;
            return static_cast<std::uint32_t>(result);
        });
}

std::optional<RasApi::DialParams> RasApi::GetDialParams(std::string_view entry) const {
    if (!GetEntryDialParams)
        return std::nullopt;
    return ReadStoredLogon(
        [this](RasDialParamsRecord& params, bool& passwordStored) {
            BOOL stored = FALSE;
            DWORD result = GetEntryDialParams(nullptr, &params, &stored);
            passwordStored = stored != FALSE;
            return static_cast<std::uint32_t>(result);
        },
        entry);
}

const RasApi& LoadRasApi() {
    static const RasApi api("rasapi32.dll");
    return api;
}

void RasMissingMessage() {
    CurrentMessageBoxes().Show("Warning", RasMissingText, MsgStyle::Ok);
}

}  // namespace orv
