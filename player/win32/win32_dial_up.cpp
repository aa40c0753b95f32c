#include "player/win32/win32_dial_up.h"

#include <algorithm>

namespace orv::player {

namespace {

constexpr std::size_t MaxConnections = 100;
constexpr DWORD MaxErrorText = 250;

}  // namespace

std::uint32_t Win32DialUp::Dial(std::string_view entry, std::string_view user,
                                std::string_view password) {
    RasDialParamsRecord params = MakeDialParams(entry, user, password);
    HANDLE connection = nullptr;
    const DWORD result = api_.Dial(nullptr, nullptr, &params, 0, nullptr, &connection);
    SecureZeroMemory(params.Password, sizeof params.Password);
    if (result != 0 && connection && api_.HangUp)
        api_.HangUp(connection);
    return result;
}

std::optional<std::vector<std::uintptr_t>> Win32DialUp::Connections() {
    if (!api_.EnumConnections)
        return std::nullopt;
    std::vector<RasConnRecord> records(MaxConnections);
    records[0].Size = sizeof(RasConnRecord);
    DWORD bytes = static_cast<DWORD>(records.size() * sizeof(RasConnRecord));
    DWORD count = 0;
    if (api_.EnumConnections(records.data(), &bytes, &count) != 0)
        return std::nullopt;
    std::vector<std::uintptr_t> connections;
    for (DWORD i = 0; i < std::min<DWORD>(count, MaxConnections); ++i)
        connections.push_back(reinterpret_cast<std::uintptr_t>(records[i].Connection));
    return connections;
}

bool Win32DialUp::HangUp(std::uintptr_t connection) {
    return api_.HangUp && api_.HangUp(reinterpret_cast<HANDLE>(connection)) == 0;
}

std::string Win32DialUp::ErrorText(std::uint32_t error) {
    char text[MaxErrorText + 1] = {};
    const std::string file = errorTextFolder_ + "\\OVRAS.INI";
    GetPrivateProfileStringA("RAS Errors", std::to_string(error).c_str(), "", text, sizeof text,
                             file.c_str());
    return text;
}

void Win32DialUp::ShowDialStatus(std::string_view caption, std::string_view status) {
    formerCursor_ = SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32514)));  // IDC_WAIT
    status_ = std::make_unique<TEMailStatus>();
    status_->Open(caption);
    status_->SetStatusText(status);
}

void Win32DialUp::CloseDialStatus() {
    if (status_)
        status_->Close();
    status_.reset();
    SetCursor(formerCursor_);
}

}  // namespace orv::player
