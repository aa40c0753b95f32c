// The two category dialogs: "Category Maintenance" names a category (new or
// renamed), "Categories" picks one to file the selected macro under.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "common/categories.h"
#include "common/ui/win32/form.h"

namespace orv::editor {

class TDoCategory : public TForm {
  public:
    TDoCategory();

    TLabel NameLabel{*this, nullptr, {12, 12, 200, 16}, "Category Name"};
    TEdit CatName{*this, nullptr, {12, 30, 276, 21}};
    TButton OkButton{*this, nullptr, {66, 64, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {159, 64, 75, 25}, "&Cancel", ButtonRole::Cancel};

    // Set by the caller (empty for a new category, the name for a rename);
    // after OK the trimmed name.
    std::string Result;

    void OkButtonClick();

  protected:
    void FormShow() override;
};

class TChooseCategory : public TForm {
  public:
    explicit TChooseCategory(const CategoryList& categories);

    TLabel ListLabel{*this, nullptr, {12, 12, 200, 16}, "Categories"};
    TListBox CatList{*this, nullptr, {12, 30, 236, 160}};
    TButton OkButton{*this, nullptr, {46, 202, 75, 25}, "&Ok", ButtonRole::Default};
    TButton CancelButton{*this, nullptr, {139, 202, 75, 25}, "&Cancel", ButtonRole::Cancel};

    // After OK the chosen category's name and id; empty name otherwise. The
    // id tells two categories of one name apart.
    std::string Result;
    std::int32_t ResultId = 0;

    void OkButtonClick();

  protected:
    void FormShow() override;

  private:
    const CategoryList& categories_;
};

}  // namespace orv::editor
