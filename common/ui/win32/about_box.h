// The About box both programs show: product, version, notice and icon.
#pragma once

#include <string>

#include "common/ui/win32/form.h"
#include "common/ui/win32/pictures.h"

namespace orv {

class TAboutBox final : public TForm {
  public:
    // program: the name of the program that shows it ("Orvane Editor",
    // "Orvane Player").
    explicit TAboutBox(std::string program);

    TImage ProgramIcon{*this, nullptr, {12, 12, 32, 32}};
    TLabel ProductName{*this, nullptr, {56, 12, 200, 16}};
    TLabel Version{*this, nullptr, {56, 32, 200, 16}};
    TLabel Notice{*this, nullptr, {12, 60, 244, 32}};
    TButton OkButton{*this, nullptr, {96, 100, 75, 25}, "&Ok", ButtonRole::DefaultAndCancel};

  protected:
    void FormShow() override;

  private:
    std::string program_;
};

}  // namespace orv
