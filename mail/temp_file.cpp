#include "mail/temp_file.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <system_error>

namespace orv::player {
namespace {

std::string UniqueName() {
    static std::atomic<unsigned> counter{0};
    static const unsigned seed =
        std::random_device{}() ^
        static_cast<unsigned>(std::chrono::steady_clock::now().time_since_epoch().count());
    char name[40];
    std::snprintf(name, sizeof name, "ms%08X%04X.tmp", seed, (++counter) & 0xFFFF);
    return name;
}

}  // namespace

TTempFileStream::TTempFileStream(const std::string& folder) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path dir = folder.empty() ? fs::temp_directory_path(ec) : fs::path(folder);
    if (ec)
        throw std::runtime_error("The temporary folder cannot be found");
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = dir / UniqueName();
        if (fs::exists(candidate, ec))
            continue;
        fileName_ = candidate.string();
        stream_.open(fileName_, std::ios::in | std::ios::out | std::ios::trunc | std::ios::binary);
        if (stream_.is_open())
            return;
        break;
    }
    throw std::runtime_error("A temporary file cannot be created in \"" + dir.string() + "\"");
}

TTempFileStream::~TTempFileStream() {
    stream_.close();
    std::error_code ec;
    std::filesystem::remove(fileName_, ec);  // a file left behind harms nothing
}

}  // namespace orv::player
