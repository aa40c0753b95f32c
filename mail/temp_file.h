// A file stream on a new temporary file that is deleted with the stream.
#pragma once

#include <fstream>
#include <string>

namespace orv::player {

class TTempFileStream {
  public:
    // A new file "ms....tmp" in folder (the system's temporary folder when
    // empty), open for writing and reading; raises when it cannot be made.
    explicit TTempFileStream(const std::string& folder = "");
    ~TTempFileStream();
    TTempFileStream(const TTempFileStream&) = delete;
    TTempFileStream& operator=(const TTempFileStream&) = delete;

    std::fstream& Stream() { return stream_; }
    const std::string& FileName() const { return fileName_; }

  private:
    std::string fileName_;
    std::fstream stream_;
};

}  // namespace orv::player
