#include "common/sync_record.h"

#include <cmath>

#include "common/files.h"

namespace orv {

SyncFileSession::Contents SyncFileSession::Read(SyncRecord& record) {
    long long size = FileBytes();
    if (size == 0)
        return Contents::Empty;
    if (size > 0 && size != static_cast<long long>(SyncRecord::Size))
        return Contents::Foreign;
    Image image;
    if (size < 0 || !ReadFromStart(image))
        return Contents::Unreadable;
    const SyncRecord read = SyncRecord::Decode(image);
    if ((read.State != SyncState::InUse && read.State != SyncState::Free) ||
        !std::isfinite(read.Heartbeat))
        return Contents::Foreign;
    record = read;
    return Contents::Record;
}

bool SyncFileSession::Write(const SyncRecord& record) {
    Image image;
    record.Encode(image);
    return WriteAtStartAndFlush(image);
}

namespace {

class PlainSession final : public SyncFileSession {
  public:
    explicit PlainSession(FilePtr f) : file_(std::move(f)) {}

  private:
    long long FileBytes() override { return FileSize(file_.get()); }

    bool ReadFromStart(Image& image) override {
        return std::fseek(file_.get(), 0, SEEK_SET) == 0 &&
               std::fread(image.data(), 1, image.size(), file_.get()) == image.size();
    }

    bool WriteAtStartAndFlush(const Image& image) override {
        return std::fseek(file_.get(), 0, SEEK_SET) == 0 &&
               std::fwrite(image.data(), 1, image.size(), file_.get()) == image.size() &&
               std::fflush(file_.get()) == 0;
    }

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
