#include "common/win32/integrity.h"

#include <windows.h>

#include <optional>
#include <vector>

namespace orv {

namespace {

// The last sub-authority of the token's mandatory label is its level.
std::optional<DWORD> LevelOfToken(HANDLE token) {
    DWORD size = 0;
    GetTokenInformation(token, TokenIntegrityLevel, nullptr, 0, &size);
    if (size == 0)
        return std::nullopt;
    std::vector<BYTE> buffer(size);
    if (!GetTokenInformation(token, TokenIntegrityLevel, buffer.data(), size, &size))
        return std::nullopt;
    const auto* label = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data());
    const PSID sid = label->Label.Sid;
    if (!IsValidSid(sid) || *GetSidSubAuthorityCount(sid) == 0)
        return std::nullopt;
    return *GetSidSubAuthority(sid, *GetSidSubAuthorityCount(sid) - 1u);
}

std::optional<DWORD> LevelOfProcess(HANDLE process) {
    HANDLE token = nullptr;
    if (!OpenProcessToken(process, TOKEN_QUERY, &token))
        return std::nullopt;
    const std::optional<DWORD> level = LevelOfToken(token);
    CloseHandle(token);
    return level;
}

}  // namespace

bool RunsAboveUs(std::uint32_t processId) {
    static const std::optional<DWORD> ours = LevelOfProcess(GetCurrentProcess());
    // A system without levels (or one that will not tell us ours) has no
    // barrier to report.
    if (!ours || processId == 0 || processId == GetCurrentProcessId())
        return false;
    HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId);
    if (!process)
        return GetLastError() == ERROR_ACCESS_DENIED;
    const std::optional<DWORD> level = LevelOfProcess(process);
    const bool denied = !level && GetLastError() == ERROR_ACCESS_DENIED;
    CloseHandle(process);
    return level ? *level > *ours : denied;
}

}  // namespace orv
