// "Sort Order": how the macro list is ordered, and whether a right click on a
// column header sorts by that column. OK stores the choices in the settings;
// the caller writes them and refills the list.
#pragma once

#include <memory>
#include <vector>

#include "common/settings.h"
#include "common/ui/win32/form.h"

namespace orv::editor {

// One list of the dialog with its two arrows.
struct SortList {
    SortList(TForm& form, Bounds list, const char* caption);
    TLabel Caption;
    TListBox Lines;
    TButton Up;
    TButton Down;
    std::vector<std::unique_ptr<TLabel>> Ranks;

    void Fill(const std::vector<std::string>& lines);
    std::vector<std::string> Shown() const;
    void Move(int by);
    void EnableArrows();
};

class TSortOrder : public TForm {
  public:
    explicit TSortOrder(SettingsBlock& settings);

    SortList Primary{*this, {32, 30, 130, 50}, "Primary Sort"};
    TLabel SecondaryTitle{*this, nullptr, {12, 100, 150, 16}, "Secondary Sort"};
    SortList Activation{*this, {32, 150, 110, 80}, "Activation"};
    SortList Scope{*this, {212, 150, 100, 80}, "Scope"};
    TCheckBox SortHeader{
        *this, nullptr, {12, 248, 340, 18}, "&Enable right clicking on column headers"};
    TButton OkButton{*this, nullptr, {100, 278, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {185, 278, 75, 25}, "&Cancel", ButtonRole::Cancel};
    TButton HelpButton{*this, nullptr, {270, 278, 75, 25}, "&Help"};

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    SettingsBlock& settings_;
};

}  // namespace orv::editor
