// A flag set for a scope, however the scope is left (a step that handles
// messages may throw).
#pragma once

namespace orv {

class RaisedFlag {
  public:
    explicit RaisedFlag(bool& flag) : flag_(flag) { flag_ = true; }
    RaisedFlag(const RaisedFlag&) = delete;
    RaisedFlag& operator=(const RaisedFlag&) = delete;
    ~RaisedFlag() { flag_ = false; }

  private:
    bool& flag_;
};

}  // namespace orv
