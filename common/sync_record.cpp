#include "common/sync_record.h"

#include <array>

#include "common/files.h"

namespace orv {

namespace {

class PlainSession final : public SyncFileSession {
  public:
    explicit PlainSession(FilePtr f) : file_(std::move(f)) {}

    Contents Read(SyncRecord& record) override {
        long long size = FileSize(file_.get());
        if (size == 0)
            return Contents::Empty;
        std::array<std::uint8_t, SyncRecord::Size> image;
        if (size < 0 || std::fseek(file_.get(), 0, SEEK_SET) != 0 ||
            std::fread(image.data(), 1, image.size(), file_.get()) != image.size())
            return Contents::Unreadable;
        record = SyncRecord::Decode(image);
        return Contents::Record;
    }

    bool Write(const SyncRecord& record) override {
        std::array<std::uint8_t, SyncRecord::Size> image;
        record.Encode(image);
        return std::fseek(file_.get(), 0, SEEK_SET) == 0 &&
               std::fwrite(image.data(), 1, image.size(), file_.get()) == image.size() &&
               std::fflush(file_.get()) == 0;
    }

  private:
    FilePtr file_;
};

}  // namespace

std::unique_ptr<SyncFileSession> PlainSyncFileAccess::OpenExclusive(const std::string& name) {
    FilePtr f = OpenFile(name, "r+b");
    if (!f && !FileExists(name))
        f = OpenFile(name, "w+b");
    if (!f)
        return nullptr;
    return std::make_unique<PlainSession>(std::move(f));
}

}  // namespace orv
