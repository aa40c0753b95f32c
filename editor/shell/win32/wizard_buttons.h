// The quick wizard page: a button per wizard kind that has one, each showing
// a glyph drawn from the kind's picture and its caption lines.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "common/ui/win32/pictures.h"

namespace orv::editor {

// BuildButton: the glyph of a button of these bounds (the button's face, 3
// pixels in from each edge): the face colour, the kind's picture at the top
// left and the caption lines in the form's font at size 9. The caller
// deletes it.
HBITMAP BuildButton(Bounds bounds, int kind, const std::vector<std::string>& lines);

class WizardButtons {
  public:
    WizardButtons(TForm& form, TControl& page);
    ~WizardButtons();
    WizardButtons(const WizardButtons&) = delete;
    WizardButtons& operator=(const WizardButtons&) = delete;

    // The button of kind k, or null for a kind without one.
    TGlyphButton* Button(int kind) const;
    int Count() const { return static_cast<int>(buttons_.size()); }
    std::function<void(int kind)> OnChoose;

  private:
    std::vector<std::pair<int, std::unique_ptr<TGlyphButton>>> buttons_;
    std::vector<HBITMAP> glyphs_;
};

}  // namespace orv::editor
