// The program's file writes, failing at one chosen call as a full disk, a
// lying C library or a failing close would; every other call is the system's.
#pragma once

#include <string_view>

#include "common/files.h"

namespace orv::testing {

class FailingFileWrites final : public FileWrites {
  public:
    enum class Fault {
        // The call's write puts half its bytes on disk and fails.
        DiskFull,
        // The call's write puts half its bytes on disk and says all went.
        WriteSaysDone,
        // The call's close closes and fails.
        CloseFails,
    };

    // Installs itself as the program's file writes for its lifetime; the
    // callth write (or close) counted from 1 fails, none where call is 0.
    FailingFileWrites(Fault fault, int call) : fault_(fault), call_(call) { SetFileWrites(this); }
    ~FailingFileWrites() override { SetFileWrites(nullptr); }

    bool WriteAt(std::FILE* f, long long at, std::string_view bytes) override {
        if (fault_ == Fault::CloseFails || ++writes_ != call_)
            return FileWrites::WriteAt(f, at, bytes);
        (void)FileWrites::WriteAt(f, at, bytes.substr(0, bytes.size() / 2));
        return fault_ == Fault::WriteSaysDone;
    }

    bool Close(std::FILE* f) override {
        const bool closed = FileWrites::Close(f);
        return closed && (fault_ != Fault::CloseFails || ++closes_ != call_);
    }

    // The calls of the kind the fault strikes that were made.
    int Calls() const { return fault_ == Fault::CloseFails ? closes_ : writes_; }

  private:
    Fault fault_;
    int call_;
    int writes_ = 0;
    int closes_ = 0;
};

}  // namespace orv::testing
