// The binding of the dial-up library (rasapi32.dll), loaded by name once per
// program: a program without it runs on and tells the user where dial-up is
// asked for. The records are our own, in the library's oldest layout, which
// every version accepts by its size field.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

namespace RasError {
constexpr DWORD BufferTooSmall = 603;
}

struct RasEntryNameRecord {
    DWORD Size;
    char EntryName[257];
};
static_assert(sizeof(RasEntryNameRecord) == 264);

struct RasDialParamsRecord {
    DWORD Size;
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

struct RasConnRecord {
    DWORD Size;
    HANDLE Connection;
    char EntryName[257];
    char DeviceType[17];
    char DeviceName[129];
};
// 412 bytes in the 32-bit programs; the handle widens it elsewhere.
static_assert(sizeof(void*) != 4 || sizeof(RasConnRecord) == 412);

// A dial-parameter record with its size field set and the texts given.
RasDialParamsRecord MakeDialParams(std::string_view entry, std::string_view user = {},
                                   std::string_view password = {});

class RasApi {
  public:
    using EnumEntriesFn = DWORD(WINAPI*)(const char* reserved, const char* phoneBook,
                                         RasEntryNameRecord* entries, DWORD* bytes, DWORD* count);
    using GetEntryDialParamsFn = DWORD(WINAPI*)(const char* phoneBook, RasDialParamsRecord* params,
                                                BOOL* password);
    using DialFn = DWORD(WINAPI*)(void* extensions, const char* phoneBook,
                                  RasDialParamsRecord* params, DWORD notifierType, void* notifier,
                                  HANDLE* connection);
    using EnumConnectionsFn = DWORD(WINAPI*)(RasConnRecord* connections, DWORD* bytes,
                                             DWORD* count);
    using HangUpFn = DWORD(WINAPI*)(HANDLE connection);

    // Loads the library of that name; Loaded() tells whether it was there.
    explicit RasApi(const char* dllName);
    ~RasApi();
    RasApi(const RasApi&) = delete;
    RasApi& operator=(const RasApi&) = delete;

    bool Loaded() const { return library_ != nullptr; }

    // The phone book's entry names in the system's order; empty when there
    // are none or the listing fails.
    std::vector<std::string> EnumEntries() const;

    struct DialParams {
        std::string UserName;
        std::optional<std::string> Password;  // only when one is stored
    };
    // The stored user name and password of an entry; none when the call fails.
    std::optional<DialParams> GetDialParams(std::string_view entry) const;

    // The 18 entry points, ANSI forms; null where the library lacks one.
    FARPROC CreatePhonebookEntry = nullptr;
    DialFn Dial = nullptr;
    FARPROC EditPhonebookEntry = nullptr;
    EnumConnectionsFn EnumConnections = nullptr;
    EnumEntriesFn EnumEntriesCall = nullptr;
    FARPROC GetConnectStatus = nullptr;
    GetEntryDialParamsFn GetEntryDialParams = nullptr;
    FARPROC GetErrorString = nullptr;
    FARPROC GetProjectionInfo = nullptr;
    HangUpFn HangUp = nullptr;
    FARPROC SetEntryDialParams = nullptr;
    FARPROC EnumDevices = nullptr;
    FARPROC GetCountryInfo = nullptr;
    FARPROC GetEntryProperties = nullptr;
    FARPROC SetEntryProperties = nullptr;
    FARPROC RenameEntry = nullptr;
    FARPROC DeleteEntry = nullptr;
    FARPROC ValidateEntryName = nullptr;

  private:
    HMODULE library_ = nullptr;
};

// The program's one binding of "rasapi32.dll", loaded on the first call.
const RasApi& LoadRasApi();
inline bool RasLoaded() {
    return LoadRasApi().Loaded();
}

// "Missing RASAPI32.DLL", captioned "Warning", through the message boxes.
void RasMissingMessage();

}  // namespace orv
