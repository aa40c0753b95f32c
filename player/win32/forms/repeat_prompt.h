// The prompt for the number of times a "<PROMPTREP>" block repeats. It closes
// only on a count it accepts, whether by its button or its window's close.
#pragma once

#include <cstdint>

#include "player/win32/forms/run_time_dialog.h"

namespace orv::player {

namespace RepeatPromptText {
inline constexpr const char* ErrorCaption = "Error";
inline constexpr const char* Invalid = "Invalid numeric value entered.  Please Correct";
}  // namespace RepeatPromptText

class TRepeatPrompt final : public TRunTimeDialog {
  public:
    TRepeatPrompt();

    TLabel TheMessage{*this, nullptr, {8, 9, 84, 16}, "Times To Repeat"};
    TEdit NumReps{*this, nullptr, {96, 5, 61, 21}};
    TButton OkButton{*this, nullptr, {46, 30, 75, 24}, "&Ok", ButtonRole::Default};

    // The accepted count; 0 until one is accepted.
    std::uint16_t Count = 0;

  protected:
    void FormShow() override;
    bool FormMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    void Accept();
};

}  // namespace orv::player
