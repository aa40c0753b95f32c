// The binding of the dial-up library (rasapi32.dll), loaded by name once per
// program: a program without it runs on and tells the user where dial-up is
// asked for. The records it passes are in common/ras_phone_book.h.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/ras_phone_book.h"

namespace orv {

struct RasConnRecord {
    DWORD Size;
    HANDLE Connection;
    char EntryName[257];
    char DeviceType[17];
    char DeviceName[129];
};
// 412 bytes in the 32-bit programs; the handle widens it elsewhere.
static_assert(sizeof(void*) != 4 || sizeof(RasConnRecord) == 412);

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

    using DialParams = RasStoredLogon;
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
