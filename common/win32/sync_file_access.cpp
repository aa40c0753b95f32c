#include "common/win32/sync_file_access.h"

#include <windows.h>

#include "common/win32/kernel_objects.h"

namespace orv {

namespace {

class ExclusiveSession final : public SyncFileSession {
  public:
    explicit ExclusiveSession(KernelHandle file) : file_(std::move(file)) {}

  private:
    long long FileBytes() override {
        DWORD size = GetFileSize(file_.Get(), nullptr);
        return size == INVALID_FILE_SIZE ? -1 : static_cast<long long>(size);
    }

    bool ReadFromStart(Image& image) override {
        DWORD got = 0;
        return Rewind() && ReadFile(file_.Get(), image.data(), image.size(), &got, nullptr) &&
               got == image.size();
    }

    bool WriteAtStartAndFlush(const Image& image) override {
        DWORD put = 0;
        return Rewind() && WriteFile(file_.Get(), image.data(), image.size(), &put, nullptr) &&
               put == image.size() && FlushFileBuffers(file_.Get());
    }

    bool Rewind() {
        return SetFilePointer(file_.Get(), 0, nullptr, FILE_BEGIN) != INVALID_SET_FILE_POINTER;
    }

    KernelHandle file_;
};

// Another program holds the file only while it decides: a few short tries
// ride that out.
constexpr int SharingTries = 20;
constexpr DWORD SharingPauseMs = 25;

}  // namespace

std::unique_ptr<SyncFileSession> ExclusiveSyncFileAccess::OpenExclusive(const std::string& name) {
    for (int attempt = 0; attempt < SharingTries; ++attempt) {
        HANDLE h = CreateFileA(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE)
            return std::make_unique<ExclusiveSession>(KernelHandle(h));
        if (GetLastError() != ERROR_SHARING_VIOLATION)
            return nullptr;
        Sleep(SharingPauseMs);
    }
    return nullptr;
}

}  // namespace orv
