// Controls that show pictures: speed buttons, images and buttons with a
// drawn glyph; and the busy cursor.
#pragma once

#include <string>

#include "common/ui/win32/controls.h"

namespace orv {

// A bitmap or an icon the program loaded; controls only show it, the caller
// keeps it for as long as they do.
struct Picture {
    HBITMAP Bitmap = nullptr;
    HICON Icon = nullptr;
};

// A flat button with a picture and a hint shown when the mouse rests on it.
// It takes no focus, so the keyboard never stops at it.
class TSpeedButton : public TControl {
  public:
    TSpeedButton(TForm& form, TControl* parent, Bounds bounds, Picture picture,
                 std::string hint = {});
    std::function<void()> OnClick;
    void SetPicture(Picture picture);
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string hint);

  protected:
    const char* WindowClass() const override { return "BUTTON"; }
    DWORD WindowStyle() const override { return BS_OWNERDRAW; }
    void Apply() override;
    void Notify(int code) override;
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;
    void WindowDestroyed() override { tooltip_ = nullptr; }

  private:
    Picture picture_;
    std::string hint_;
    HWND tooltip_ = nullptr;
};

// A picture: a bitmap stretched to its bounds, an icon at the small icon size.
class TImage : public TControl {
  public:
    TImage(TForm& form, TControl* parent, Bounds bounds, Picture picture = {});
    void SetPicture(Picture picture);

  protected:
    const char* WindowClass() const override { return "STATIC"; }
    DWORD WindowStyle() const override { return SS_OWNERDRAW | SS_NOTIFY; }
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    Picture picture_;
};

// A push button with a picture left of its caption; Enter, Escape and its
// "&" letter work as on any button.
class TGlyphButton : public TButton {
  public:
    TGlyphButton(TForm& form, TControl* parent, Bounds bounds, std::string caption, Picture glyph,
                 ButtonRole role = ButtonRole::Plain);

  protected:
    DWORD WindowStyle() const override { return BS_OWNERDRAW; }
    bool ParentMessage(UINT message, WPARAM w, LPARAM l, LRESULT& result) override;

  private:
    Picture glyph_;
};

// The hourglass cursor while it lives, the previous cursor again after.
class THourglass {
  public:
    THourglass();
    ~THourglass();
    THourglass(const THourglass&) = delete;
    THourglass& operator=(const THourglass&) = delete;

  private:
    HCURSOR previous_;
};

}  // namespace orv
