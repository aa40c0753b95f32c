// The 29 kinds of the quick wizard: what each is called, the word its logo
// shows, the panels it asks in order, and the texts of its opening panel.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace orv::editor {

constexpr int WizardKindCount = 29;
constexpr int FirstTimeKind = 28;
constexpr int CaptureKind = 7;

struct KindDecl {
    int Number = 0;
    std::string_view CaptionSuffix;
    std::string_view LogoWord;
    int LogoSize = 0;
    std::vector<int> Sequence;  // panel numbers in showing order
    std::string_view Functions;
    std::vector<std::string_view> Examples;
};

// The row of kind 1..29; any other number is a programming error.
const KindDecl& Kind(int number);
std::span<const KindDecl> Kinds();

// "Quick Wizard: " and the kind's suffix.
std::string WizardCaption(int kind);

// The examples of panel 1 as one text: each line opened by "»", lines joined
// by a line feed and a carriage return.
std::string ExamplesText(int kind);

}  // namespace orv::editor
