#include "tests/support/ui/recorded_shell.h"

namespace orv::testing {

RecordedShell::RecordedShell() : previous_(&CurrentShell()) {
    SetCurrentShell(this);
}

RecordedShell::~RecordedShell() {
    SetCurrentShell(previous_);
}

bool RecordedShell::Open(HWND, std::string_view file, std::string_view parameters) {
    Openings.push_back({std::string(file), std::string(parameters)});
    return OpenSucceeds;
}

bool RecordedShell::CreateLink(const std::string& path, const ShellLink& link) {
    Links[path] = link;
    return true;
}

std::optional<ShellLink> RecordedShell::ReadLink(const std::string& path) {
    auto found = Links.find(path);
    if (found == Links.end())
        return std::nullopt;
    return found->second;
}

std::string RecordedShell::SpecialFolder(ShellFolder folder) {
    auto found = Folders.find(folder);
    return found == Folders.end() ? std::string() : found->second;
}

RecordedSound::RecordedSound() : previous_(&CurrentSound()) {
    SetCurrentSound(this);
}

RecordedSound::~RecordedSound() {
    SetCurrentSound(previous_);
}

bool RecordedSound::Play(std::string_view file) {
    Played.emplace_back(file);
    return true;
}

}  // namespace orv::testing
