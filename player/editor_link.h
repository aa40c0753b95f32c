// The editor's window as the player knows it: found by a search for its
// caption, kept until the editor says it closes, and while it is not found
// searched for at most once per operation of the player (a load of the
// library notifies the editor once per macro).
#pragma once

#include <cstdint>
#include <functional>

namespace orv::player {

class EditorLink {
  public:
    // search gives the editor's window, 0 when there is none.
    explicit EditorLink(std::function<std::uint32_t()> search) : search_(std::move(search)) {}

    // The editor's window, 0 while it is not found.
    std::uint32_t Window();
    // The editor closes: the next operation searches again.
    void Forget();
    // A new operation begins: an editor not found so far is searched again.
    void NewOperation() { searched_ = window_ != 0; }

  private:
    std::function<std::uint32_t()> search_;
    std::uint32_t window_ = 0;
    bool searched_ = false;
};

}  // namespace orv::player
