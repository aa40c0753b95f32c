#include "common/script/script_files.h"

#include "common/files.h"

namespace orv {

std::optional<std::string> ReadWholeFile(const std::string& path) {
    FilePtr file = OpenFile(path, "rb");
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

}  // namespace orv
