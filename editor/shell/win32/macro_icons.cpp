#include "editor/shell/win32/macro_icons.h"

#include "common/win32/icons.h"

namespace orv {

namespace {

SYSTEMTIME SystemTimeOf(const DateTimeParts& when) {
    SYSTEMTIME t{};
    t.wYear = static_cast<WORD>(when.year);
    t.wMonth = static_cast<WORD>(when.month);
    t.wDay = static_cast<WORD>(when.day);
    t.wDayOfWeek = static_cast<WORD>((when.dayOfWeek + 6) % 7);
    t.wHour = static_cast<WORD>(when.hour);
    t.wMinute = static_cast<WORD>(when.minute);
    t.wSecond = static_cast<WORD>(when.second);
    return t;
}

}  // namespace

MacroIcons::~MacroIcons() {
    for (auto& [path, icon] : files_)
        if (icon)
            DestroyIcon(icon);
}

HICON MacroIcons::MainIcon() {
    return LoadProgramIcon(OrvaneIcon::Loaded);
}

HICON MacroIcons::MenuIcon() {
    return LoadProgramIcon(OrvaneIcon::Menu);
}

HICON MacroIcons::IconOf(const IconChoice& choice) {
    switch (choice.source) {
        case IconChoice::Source::Menu:
            return MenuIcon();
        case IconChoice::Source::File: {
            auto [at, added] = files_.try_emplace(choice.path, nullptr);
            if (added)
                at->second = static_cast<HICON>(
                    LoadImageA(nullptr, choice.path.c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE));
            if (at->second)
                return at->second;
            return MainIcon();
        }
        default:
            return MainIcon();
    }
}

std::string SystemDateText(const DateTimeParts& when) {
    SYSTEMTIME t = SystemTimeOf(when);
    char text[80] = {};
    GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, text, sizeof text);
    return text;
}

std::string SystemTimeText(const DateTimeParts& when) {
    SYSTEMTIME t = SystemTimeOf(when);
    char text[80] = {};
    GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, text, sizeof text);
    return text;
}

}  // namespace orv
