// One of the three recipient columns (To, CC, Blind CC) of both programs'
// e-mail forms: a typed recipient and the recipient file's lines, shown by
// name or by address.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "common/ui/win32/controls.h"

namespace orv {

// Where a column's controls go in its panel: the heading, the two boxes with
// their labels and the list stand one under another from Top, Width wide;
// the "Name" and "Address" buttons share a row below the list.
struct RecipientColumnLayout {
    int Top = 0;
    int Width = 0;
    int ListHeight = 0;
    int ButtonsTop = 0;
    int ButtonHeight = 0;
    int NameWidth = 0;
    int AddressLeft = 0;  // from the column's left
    int AddressWidth = 0;
};

class TRecipientColumn {
  public:
    TRecipientColumn(TForm& form, TControl* panel, int left, std::string heading,
                     const RecipientColumnLayout& layout);

    // Holds the column's controls: its two buttons are a question of their own.
    TPanel Area;
    TLabel Heading;
    TLabel PersonLabel;
    TEdit Person;
    TLabel AddressLabel;
    TEdit Address;
    TLabel ListLabel;
    TListBox List;
    TRadioButton NameButton;
    TRadioButton AddressButton;

    // Fills the list from the recipient file's lines, by name or by address
    // as the buttons say, keeping each row's selection.
    void ShowLines(const std::vector<std::string>& lines);
    // From now on the Name and Address buttons show lines again; they must
    // outlive the column.
    void ShowLinesOnSwitch(const std::vector<std::string>& lines);
    // Ascending.
    std::vector<int> SelectedRows() const;
    // Everything but the heading.
    void SetUsable(bool usable);
};

// The file both e-mail forms attach: asked with one title and filter, a file
// that exists; nothing when the user cancels.
std::optional<std::string> AskAttachmentFile(HWND owner);

}  // namespace orv
