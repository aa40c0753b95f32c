#include "common/message_boxes.h"

#include <cstdio>
#include <string>

namespace orv {
namespace {

// Before a program installs its prompts (and in tools without a desktop) a
// prompt is written to the error stream and answered with its first button.
class StreamMessageBoxes final : public MessageBoxes {
  public:
    int Show(std::string_view caption, std::string_view text, unsigned style) override {
        std::fprintf(stderr, "%s: %s\n", std::string(caption).c_str(), std::string(text).c_str());
        unsigned buttons = style & 0xF;
        if (buttons == MsgStyle::YesNo || buttons == MsgStyle::YesNoCancel)
            return MsgResult::Yes;
        return MsgResult::Ok;
    }
};

MessageBoxes* installedBoxes = nullptr;

}  // namespace

MessageBoxes& CurrentMessageBoxes() {
    static StreamMessageBoxes stream;
    return installedBoxes ? *installedBoxes : stream;
}

void SetCurrentMessageBoxes(MessageBoxes* boxes) {
    installedBoxes = boxes;
}

void ShowError(std::string_view text) {
    CurrentMessageBoxes().Show("Error", text, MsgStyle::Ok | MsgStyle::IconError);
}

bool ChangesMayGo(bool changed) {
    return !changed ||
           CurrentMessageBoxes().Show("Warning", DiscardChangesQuestion,
                                      MsgStyle::YesNo | MsgStyle::IconWarning) == MsgResult::Yes;
}

}  // namespace orv
