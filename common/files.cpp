#include "common/files.h"

#include <sys/stat.h>

namespace orv {

#ifdef _WIN32
constexpr char PathSeparator = '\\';
#else
constexpr char PathSeparator = '/';
#endif

std::string InFolder(std::string_view folder, std::string_view name) {
    std::string path(folder);
    path += PathSeparator;
    path += name;
    return path;
}

bool FileExists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && (info.st_mode & S_IFMT) == S_IFREG;
}

FilePtr OpenFile(const std::string& path, const char* mode) {
    return FilePtr(std::fopen(path.c_str(), mode));
}

long long FileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0)
        return -1;
    long size = std::ftell(f);
    return size < 0 ? -1 : size;
}

bool ReplaceFileContents(const std::string& path, std::string_view contents) {
    const std::string temporary = path + ".$$$";
    {
        FilePtr f = OpenFile(temporary, "wb");
        if (!f)
            return false;
        bool written = std::fwrite(contents.data(), 1, contents.size(), f.get()) == contents.size();
        if (std::fclose(f.release()) != 0 || !written) {
            std::remove(temporary.c_str());
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    // The system's rename does not replace an existing file on every platform.
    if (!FileExists(path) || std::remove(path.c_str()) != 0) {
        std::remove(temporary.c_str());
        return false;
    }
    // Should this rename fail too, the temporary keeps the new contents.
    return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace orv
