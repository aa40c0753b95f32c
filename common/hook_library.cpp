#include "common/hook_library.h"

#include <algorithm>
#include <memory>

#include "common/hotkeys.h"

namespace orv {

void RefreshFromHookLibrary(HookLibrary& library, HookTable& own, int section, int item) {
    HookSection which;
    if (!ToHookSection(section, which))
        return;
    auto master = std::make_unique<HookTable>();
    library.GetGlob(*master);
    CopySection(master->Bytes, own.Bytes, which, item);
    if (which == HookSection::Init)
        own.SetU32(HookAt::OwnScratch812, 0);
}

void RefreshEverythingFromHookLibrary(HookLibrary& library, HookTable& own) {
    auto master = std::make_unique<HookTable>();
    library.GetGlob(*master);
    for (int s = 0; s < HookSectionCount; ++s)
        if (s != static_cast<int>(HookSection::Item))
            CopySection(master->Bytes, own.Bytes, static_cast<HookSection>(s));
    own.SetU32(HookAt::OwnScratch812, 0);
    for (int i = 1; i <= own.EntryCount(); ++i)
        CopySection(master->Bytes, own.Bytes, HookSection::Item, i);
}

namespace {

void HandOverWindows(const HookTable& own, HookLibrary& library, ProgramNotices& notices) {
    library.HandOver(HookSection::Window2, own);
    notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::Window2));
}

}  // namespace

void SetSecWind(HookTable& own, HookLibrary& library, ProgramNotices& notices, std::uint32_t window,
                bool on) {
    own.SetSecondWindow(window, on);
    HandOverWindows(own, library, notices);
}

void SetCapWind(HookTable& own, HookLibrary& library, ProgramNotices& notices, std::uint32_t window,
                bool on) {
    own.SetCaptureWindow(window, on);
    HandOverWindows(own, library, notices);
}

void UpNumKeys(const HookTable& own, HookLibrary& library, ProgramNotices& notices) {
    library.HandOver(HookSection::NumKeys, own);
    notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::NumKeys));
}

void SetHotKeys(HookTable& table) {
    std::fill_n(table.Bytes.begin() + HookAt::CodeUsed, HotKeyCount, 0);
    for (int i = 1; i <= table.EntryCount(); ++i) {
        const MacroEntry entry = table.Entry(i);
        if (entry.Enabled && IsHotKeyCode(entry.Activation))
            table.SetU8(HookAt::CodeUsed + entry.Activation, 1);
    }
    table.SetCuewordsExist(ThereAreCuewords(table));
}

bool ThereAreCuewords(const HookTable& table) {
    for (int i = 1; i <= table.EntryCount(); ++i)
        if (table.Entry(i).Activation == ActivationCode::Cueword)
            return true;
    return false;
}

void PushHotKeys(HookTable& own, HookLibrary& library, ProgramNotices& notices) {
    SetHotKeys(own);
    library.HandOver(HookSection::Keys, own);
    notices.Post(NoticeCode::SectionChanged, static_cast<int>(HookSection::Keys));
}

}  // namespace orv
