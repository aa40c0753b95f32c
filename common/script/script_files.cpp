#include "common/script/script_files.h"

#include <cstdio>
#include <memory>

namespace orv {
namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return std::nullopt;
    std::string bytes;
    char buffer[8192];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get()))
        return std::nullopt;
    return bytes;
}

bool WriteWholeFile(const std::string& path, std::string_view bytes) {
    std::string temporary = path + ".$$$";
    {
        File file(std::fopen(temporary.c_str(), "wb"));
        if (!file)
            return false;
        bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
        if (std::fclose(file.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    // The Windows runtime does not rename over an existing file: the old one
    // steps aside first and comes back when the new one cannot take its place.
    std::string old = path + ".old";
    std::remove(old.c_str());
    bool moved = std::rename(path.c_str(), old.c_str()) == 0;
    if (moved && std::rename(temporary.c_str(), path.c_str()) == 0) {
        std::remove(old.c_str());
        return true;
    }
    if (moved)
        std::rename(old.c_str(), path.c_str());
    std::remove(temporary.c_str());
    return false;
}

}  // namespace orv
