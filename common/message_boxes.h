// Message boxes and other modal prompts go through this service, so tests can
// answer them by script and see what was shown.
#pragma once

#include <string_view>

namespace orv {

// Styles and answers carry the system's own values.
namespace MsgStyle {
constexpr unsigned Ok = 0x0;
constexpr unsigned OkCancel = 0x1;
constexpr unsigned YesNoCancel = 0x3;
constexpr unsigned YesNo = 0x4;
constexpr unsigned IconError = 0x10;
constexpr unsigned IconQuestion = 0x20;
constexpr unsigned IconWarning = 0x30;
constexpr unsigned IconInformation = 0x40;
}  // namespace MsgStyle

namespace MsgResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
}  // namespace MsgResult

class MessageBoxes {
  public:
    virtual ~MessageBoxes() = default;
    // Shows text with caption and returns the button the user chose.
    virtual int Show(std::string_view caption, std::string_view text, unsigned style) = 0;
};

// The prompts of the running program: the system's unless a test set others.
MessageBoxes& CurrentMessageBoxes();
void SetCurrentMessageBoxes(MessageBoxes* boxes);

// The "Error" box with its Ok, which every refusal and failure is told in.
void ShowError(std::string_view text);

inline constexpr std::string_view DiscardChangesQuestion =
    "The changes you have made have not been saved.  Do you want to discard them?";
// Whether an editor closing without a save may go: at once when nothing was
// changed, else when the user agrees to discard the changes.
bool ChangesMayGo(bool changed);

}  // namespace orv
