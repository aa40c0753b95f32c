// The main window's side of the options dialogs.
#include "editor/shell/win32/main_window.h"

namespace orv::editor {

void TMainWin::ApplyAppearance(bool categoriesSwitched) {
    AdjustGridSpacing();
    const bool categories = settings_.ShowCategory;
    CatPanel.SetEnabled(categories);
    CatPanel.SetVisible(categories);
    MenuAddCat.SetEnabled(categories);
    if (!categories) {
        categoryFilter_ = 0;
        CatList.SetItemIndex(0);
    }
    SpeedPanel.SetVisible(settings_.UseSpeed);
    LetterPanel.SetVisible(!settings_.UseSpeed);
    Layout();
    if (categoriesSwitched && !categories)
        FillList();
    if (MyGrid.Handle())
        InvalidateRect(MyGrid.Handle(), nullptr, TRUE);
}

}  // namespace orv::editor
