#include "tests/mail/win32/host_peer.h"

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "tests/support/win32/wait_for.h"
#include "tests/support/win32/process.h"

namespace orv::player::testing {

// These helpers build on the shared ones.
using namespace orv::testing;
namespace {

std::string ExeFolder() {
    char path[MAX_PATH];
    DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\'));
}

// Wine tells the host's name of a Windows path.
std::string UnixPath(const std::string& windowsPath) {
    using Fn = char*(__cdecl*)(const WCHAR*);
    auto fn = reinterpret_cast<Fn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!fn)
        throw std::runtime_error("not running under Wine");
    std::wstring wide(windowsPath.begin(), windowsPath.end());
    char* unix = fn(wide.c_str());
    if (!unix)
        throw std::runtime_error("no host path for " + windowsPath);
    std::string result(unix);
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

}  // namespace

HostPeer::HostPeer(const std::string& mode) : mode_(mode) {
    static int counter = 0;
    dir_ = ExeFolder() + "\\mail_peer_runs\\" + std::to_string(GetCurrentProcessId()) + "_" +
           std::to_string(++counter);
    // Wine reuses process ids: a run that was killed leaves its folder, whose
    // stale port file would send this run's mail to a closed port.
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
    std::filesystem::create_directories(dir_);
}

void HostPeer::Start() {
    std::string command = "/usr/bin/python3 " + UnixPath(ExeFolder() + "\\mail_peer.py") + " " +
                          mode_ + " " + UnixPath(dir_);
    // A host process gives no handle to wait on; the files say when it is done.
    if (!orv::testing::StartHostProgram(command))
        throw std::runtime_error("cannot start " + command);
}

HostPeer::~HostPeer() {
    Write("stop", "");
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

bool HostPeer::Exists(const std::string& name) const {
    return GetFileAttributesA(Path(name).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool HostPeer::WaitForFile(const std::string& name, unsigned timeoutMs) const {
    WaitFor([&] { return Exists(name) || Exists("failed.txt"); }, timeoutMs);
    return Exists(name);
}

std::string HostPeer::Read(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void HostPeer::Write(const std::string& name, const std::string& data) const {
    std::ofstream out(Path(name), std::ios::binary);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
}

int HostPeer::Port() const {
    if (!WaitForFile("port"))
        return 0;
    return std::atoi(Read("port").c_str());
}

}  // namespace orv::player::testing
