#include "tests/support/ui/layout_check.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <utility>
#include <cstdio>

namespace orv::testing {
namespace {

struct Control {
    HWND Window = nullptr;
    RECT Screen{};  // the window's rectangle in screen pixels
};

std::string ClassOf(HWND window) {
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string TextOf(HWND window) {
    int length = GetWindowTextLengthA(window);
    std::string text(static_cast<std::size_t>(std::max(length, 0)) + 1, '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(window, text.data(), length + 1)));
    return text;
}

std::string Corners(const RECT& r) {
    char text[64];
    std::snprintf(text, sizeof text, " (%ld,%ld)-(%ld,%ld)", static_cast<long>(r.left),
                  static_cast<long>(r.top), static_cast<long>(r.right),
                  static_cast<long>(r.bottom));
    return text;
}

std::string NameOf(HWND window) {
    return ClassOf(window) + " \"" + TextOf(window) + "\"";
}

bool Contains(const RECT& outer, const RECT& inner) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Overlap(const RECT& a, const RECT& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

BOOL CALLBACK CollectVisible(HWND window, LPARAM list) {
    if (IsWindowVisible(window)) {
        Control c{window, {}};
        GetWindowRect(window, &c.Screen);
        reinterpret_cast<std::vector<Control>*>(list)->push_back(c);
    }
    return TRUE;
}

// The room a caption has inside its control and how it is drawn there; false
// for controls that show no caption of their own.
struct CaptionRoom {
    int Width = 0;
    int Height = 0;
    UINT Format = DT_SINGLELINE;
};

bool RoomOf(HWND window, const RECT& client, CaptionRoom& room) {
    std::string cls = ClassOf(window);
    LONG style = GetWindowLongA(window, GWL_STYLE);
    room.Width = client.right - client.left;
    room.Height = client.bottom - client.top;
    if (lstrcmpiA(cls.c_str(), "Static") == 0) {
        LONG type = style & SS_TYPEMASK;
        if (type == SS_LEFT || type == SS_CENTER || type == SS_RIGHT)
            room.Format = DT_WORDBREAK;
        else if (type != SS_SIMPLE && type != SS_LEFTNOWORDWRAP)
            return false;
        if (style & SS_NOPREFIX)
            room.Format |= DT_NOPREFIX;
        return true;
    }
    if (lstrcmpiA(cls.c_str(), "Button") != 0)
        return false;
    LONG type = style & BS_TYPEMASK;
    if (style & BS_MULTILINE)
        room.Format = DT_WORDBREAK;
    switch (type) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            // The frame and the focus rectangle take a few pixels each side.
            room.Width -= 2 * (GetSystemMetrics(SM_CXEDGE) + 2);
            room.Height -= 2 * GetSystemMetrics(SM_CYEDGE);
            return true;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
        case BS_3STATE:
        case BS_AUTO3STATE:
            // The box and the gap before the text.
            room.Width -= GetSystemMetrics(SM_CXMENUCHECK) + 4;
            return true;
        case BS_GROUPBOX:
            // The frame's corner on each side of the title.
            room.Width -= 2 * 8;
            room.Height = room.Height > 0 ? room.Height : 0;
            room.Format = DT_SINGLELINE;
            return true;
        default:
            return false;
    }
}

// The caption's fault, or "".
std::string CaptionFault(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    CaptionRoom room;
    std::string text = TextOf(window);
    if (text.empty() || !RoomOf(window, client, room))
        return "";
    HDC dc = GetDC(window);
    HGDIOBJ font = reinterpret_cast<HGDIOBJ>(SendMessageA(window, WM_GETFONT, 0, 0));
    HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
    RECT needed{0, 0, std::max(room.Width, 1), 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &needed,
              room.Format | DT_CALCRECT | DT_EXPANDTABS);
    if (old)
        SelectObject(dc, old);
    ReleaseDC(window, dc);
    int width = needed.right - needed.left, height = needed.bottom - needed.top;
    bool isGroup = (GetWindowLongA(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX &&
                   lstrcmpiA(ClassOf(window).c_str(), "Button") == 0;
    if (width <= room.Width && (isGroup || height <= room.Height))
        return "";
    char sizes[96];
    std::snprintf(sizes, sizeof sizes, " needs %dx%d, has %dx%d", width, height, room.Width,
                  room.Height);
    return NameOf(window) + " is cut off:" + sizes;
}

}  // namespace

std::vector<std::string> LayoutFaults(HWND form) {
    std::vector<Control> controls;
    EnumChildWindows(form, CollectVisible, reinterpret_cast<LPARAM>(&controls));
    std::vector<std::string> faults;
    for (const Control& c : controls) {
        if (std::string fault = CaptionFault(c.Window); !fault.empty())
            faults.push_back(fault);
        HWND parent = GetParent(c.Window);
        RECT area{};
        GetClientRect(parent, &area);
        MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&area), 2);
        if (!Contains(area, c.Screen))
            faults.push_back(NameOf(c.Window) + Corners(c.Screen) + " lies outside " +
                             NameOf(parent) + Corners(area));
    }
    for (std::size_t i = 0; i < controls.size(); ++i) {
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const RECT& a = controls[i].Screen;
            const RECT& b = controls[j].Screen;
            if (Overlap(a, b) && !Contains(a, b) && !Contains(b, a))
                faults.push_back(NameOf(controls[i].Window) + Corners(a) + " overlaps " +
                                 NameOf(controls[j].Window) + Corners(b));
        }
    }
    return faults;
}

namespace {

// The letter after a single "&", upper-cased, or 0.
char MnemonicOf(const std::string& caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i)
        if (caption[i] == '&' && caption[++i] != '&')
            return static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i])));
    return 0;
}

// A control whose caption the dialog manager reads for its "&" letter.
bool ChosenByLetter(HWND window) {
    const std::string name = ClassOf(window);
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    if (_stricmp(name.c_str(), "Static") == 0)
        return (style & SS_NOPREFIX) == 0;
    return _stricmp(name.c_str(), "Button") == 0;
}

}  // namespace

std::vector<std::string> MnemonicFaults(HWND form) {
    std::vector<std::pair<char, std::string>> letters;  // letter, what carries it
    std::vector<Control> controls;
    EnumChildWindows(form, CollectVisible, reinterpret_cast<LPARAM>(&controls));
    for (const Control& c : controls)
        if (ChosenByLetter(c.Window))
            letters.emplace_back(MnemonicOf(TextOf(c.Window)), NameOf(c.Window));
    if (HMENU bar = GetMenu(form)) {
        for (int i = 0; i < GetMenuItemCount(bar); ++i) {
            char text[256] = {};
            GetMenuStringA(bar, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            letters.emplace_back(MnemonicOf(text), std::string("menu \"") + text + "\"");
        }
    }
    std::vector<std::string> faults;
    for (std::size_t i = 0; i < letters.size(); ++i)
        for (std::size_t j = i + 1; j < letters.size(); ++j)
            if (letters[i].first != 0 && letters[i].first == letters[j].first)
                faults.push_back(letters[i].second + " and " + letters[j].second +
                                 " share the letter " + letters[i].first);
    return faults;
}

}  // namespace orv::testing
