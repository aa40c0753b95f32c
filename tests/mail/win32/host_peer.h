// A helper process on the host (mail_peer.py under the system's Python),
// started from a test running under Wine. The two talk through files in a
// folder of their own; every wait for a file has a time-out.
#pragma once

#include <string>

namespace orv::player::testing {

class HostPeer {
  public:
    // Makes the folder; Start then runs "mail_peer.py <mode> <folder>", so
    // files the helper reads can be written in between.
    explicit HostPeer(const std::string& mode);
    ~HostPeer();
    HostPeer(const HostPeer&) = delete;
    HostPeer& operator=(const HostPeer&) = delete;

    void Start();
    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }
    bool Exists(const std::string& name) const;
    // Waits until the file exists (a failure report of the helper ends the
    // wait early). False on time-out or failure.
    bool WaitForFile(const std::string& name, unsigned timeoutMs = 30000) const;
    std::string Read(const std::string& name) const;
    void Write(const std::string& name, const std::string& data) const;
    // For "smtp": the port the server listens on, 0 when it never said.
    int Port() const;

  private:
    std::string mode_;
    std::string dir_;
};

}  // namespace orv::player::testing
