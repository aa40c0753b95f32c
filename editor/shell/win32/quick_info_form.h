// "Quick Info": a read-only summary of one macro.
#pragma once

#include <string>

#include "common/macro_record.h"
#include "common/ui/win32/form.h"
#include "common/ui/win32/pictures.h"
#include "editor/shell/win32/macro_icons.h"

namespace orv::editor {

class TQuickInfo : public TForm {
  public:
    TQuickInfo(const MacroRecord& record, MacroIcons& icons, std::string programDir);

    TLabel IconLabel{*this, nullptr, {12, 12, 90, 16}, "Icon:"};
    TSpeedButton MySpeed{*this, nullptr, {106, 8, 22, 22}, {}};
    TLabel ActivationLabel{*this, nullptr, {12, 38, 90, 16}};
    TLabel Line1{*this, nullptr, {106, 38, 300, 16}};
    TLabel NickLabel{*this, nullptr, {12, 60, 90, 16}, "NickName:"};
    TLabel Line2{*this, nullptr, {106, 60, 300, 16}};
    TLabel ScopeLabel{*this, nullptr, {12, 82, 90, 16}, "Scope:"};
    TLabel Line3{*this, nullptr, {106, 82, 300, 16}};
    TLabel ActiveLabel{*this, nullptr, {12, 104, 90, 16}, "Active:"};
    TLabel Line4{*this, nullptr, {106, 104, 300, 16}};
    TLabel TextLabel{*this, nullptr, {12, 126, 90, 16}, "Macro Text:"};
    TMemo Line6{*this, nullptr, {12, 144, 396, 120}};
    TLabel LastMod{*this, nullptr, {12, 272, 396, 16}};
    TButton OkButton{*this, nullptr, {172, 296, 75, 25}, "&Ok", ButtonRole::DefaultAndCancel};

  protected:
    void FormShow() override;

  private:
    const MacroRecord& record_;
    MacroIcons& icons_;
    std::string programDir_;
};

}  // namespace orv::editor
