#include "editor/shell/win32/category_forms.h"

#include "common/message_boxes.h"
#include "common/string_routines.h"
#include "editor/shell/category_choice.h"

namespace orv::editor {

TDoCategory::TDoCategory() : TForm("TDoCategory", "Category Maintenance", 300, 100) {
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TDoCategory::FormShow() {
    CatName.SetText(Result);
    CatName.SetFocus();
}

void TDoCategory::OkButtonClick() {
    const std::string name = TrimStr(CatName.Text());
    if (name.empty()) {
        ShowError(NoCategoryNameMessage);
        CatName.SetFocus();
        return;
    }
    Result = name;
    Close(IDOK);
}

TChooseCategory::TChooseCategory(const CategoryList& categories)
    : TForm("TChooseCategory", "Categories", 260, 238), categories_(categories) {
    OkButton.OnClick = [this] { OkButtonClick(); };
    CancelButton.ModalResult = IDCANCEL;
}

void TChooseCategory::FormShow() {
    CatList.ClearItems();
    for (const Category& c : ChooseCategoryLines(categories_)) CatList.AddItem(c.Name, c.Id);
    if (CatList.Count() > 0)
        CatList.SetItemIndex(0);
    Result.clear();
    ResultId = 0;
    CatList.SetFocus();
}

void TChooseCategory::OkButtonClick() {
    const int index = CatList.ItemIndex();
    if (index < 0) {
        ShowError(NoCategorySelectedMessage);
        return;
    }
    Result = CatList.Item(index);
    ResultId = static_cast<std::int32_t>(CatList.Object(index));
    Close(IDOK);
}

}  // namespace orv::editor
