#include "editor/shell/menu_builder_model.h"

#include <algorithm>
#include <cstdio>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/macro_texts.h"
#include "common/string_routines.h"
#include "editor/shell/schedule_text.h"

namespace orv::editor {

namespace {

// The index after a line left the list: the same one, or the new last.
int IndexAfterLeaving(int index, std::size_t size) {
    return size == 0 ? -1 : std::min(index, static_cast<int>(size) - 1);
}

bool Valid(int index, std::size_t size) {
    return index >= 0 && index < static_cast<int>(size);
}

}  // namespace

void MenuBuilderModel::FillIt(std::vector<ListMacro> macros, const std::vector<int>& members) {
    inMenu_.clear();
    available_.clear();
    // By number, not position: the lines offered may lack macros that moved.
    for (int member : members)
        if (auto found = std::ranges::find(macros, member, &ListMacro::Number);
            found != macros.end())
            inMenu_.push_back(*found);
    for (ListMacro& macro : macros) {
        const bool listed = std::ranges::any_of(
            inMenu_, [&](const ListMacro& m) { return m.Number == macro.Number; });
        if (!listed && macro.Kind != MacroKind::System)
            available_.push_back(std::move(macro));
    }
    availableIndex_ = -1;
    menuIndex_ = -1;
}

void MenuBuilderModel::SelectAvailable(int index) {
    availableIndex_ = Valid(index, available_.size()) ? index : -1;
}

void MenuBuilderModel::SelectInMenu(int index) {
    menuIndex_ = Valid(index, inMenu_.size()) ? index : -1;
}

bool MenuBuilderModel::Add(Placement placement) {
    if (!Valid(availableIndex_, available_.size()) ||
        inMenu_.size() >= static_cast<std::size_t>(MaxMenuMembers))
        return false;
    const int selected = Valid(menuIndex_, inMenu_.size()) ? menuIndex_ : -1;
    int at = 0;
    switch (placement) {
        case Placement::AtEnd:
            at = static_cast<int>(inMenu_.size());
            break;
        case Placement::Before:
            at = std::max(selected, 0);
            break;
        case Placement::After:
            at = selected < 0 ? 0 : selected + 1;
            break;
    }
    inMenu_.insert(inMenu_.begin() + at, available_[static_cast<std::size_t>(availableIndex_)]);
    available_.erase(available_.begin() + availableIndex_);
    menuIndex_ = at;
    availableIndex_ = IndexAfterLeaving(availableIndex_, available_.size());
    return true;
}

bool MenuBuilderModel::Remove() {
    if (!Valid(menuIndex_, inMenu_.size()))
        return false;
    const ListMacro macro = inMenu_[static_cast<std::size_t>(menuIndex_)];
    inMenu_.erase(inMenu_.begin() + menuIndex_);
    auto at = std::ranges::find_if(available_,
                                   [&](const ListMacro& m) { return m.Number > macro.Number; });
    availableIndex_ = static_cast<int>(at - available_.begin());
    available_.insert(at, macro);
    menuIndex_ = IndexAfterLeaving(menuIndex_, inMenu_.size());
    return true;
}

void MenuBuilderModel::MoveUp() {
    if (!Valid(menuIndex_, inMenu_.size()) || menuIndex_ == 0)
        return;
    std::swap(inMenu_[static_cast<std::size_t>(menuIndex_)],
              inMenu_[static_cast<std::size_t>(menuIndex_ - 1)]);
    --menuIndex_;
}

void MenuBuilderModel::MoveDown() {
    if (!Valid(menuIndex_ + 1, inMenu_.size()) || menuIndex_ < 0)
        return;
    std::swap(inMenu_[static_cast<std::size_t>(menuIndex_)],
              inMenu_[static_cast<std::size_t>(menuIndex_ + 1)]);
    ++menuIndex_;
}

MenuBuilderModel::Enabling MenuBuilderModel::EnableDisable() const {
    Enabling e;
    const bool member = Valid(menuIndex_, inMenu_.size());
    e.Remove = member;
    e.Up = member && menuIndex_ > 0;
    e.Down = member && menuIndex_ + 1 < static_cast<int>(inMenu_.size());
    e.Add = Valid(availableIndex_, available_.size()) &&
            inMenu_.size() < static_cast<std::size_t>(MaxMenuMembers);
    return e;
}

std::vector<int> MenuBuilderModel::Members() const {
    std::vector<int> numbers;
    for (const ListMacro& m : inMenu_) numbers.push_back(m.Number);
    return numbers;
}

PopupMenuChoices PopupMenuChoicesOf(const MacroRecord& record) {
    PopupMenuChoices c;
    const std::string options = record.CuewordText.str();
    auto option = [&](std::size_t k) { return k < options.size() ? options[k] : '\0'; };
    c.Nickname = record.Nickname.str();
    c.Tray = option(0) == 'Y';
    c.Display = option(1) == '1'   ? MenuDisplay::FirstPart
                : option(1) == '2' ? MenuDisplay::Icons
                                   : MenuDisplay::NicknameAndScope;
    const int size = option(2) - '0';
    c.IconSize = size >= 0 && size <= 4 ? size : 0;
    c.IconName = record.IconName.str();
    c.Members = record.PopupMembers();
    return c;
}

std::string MenuOptionText(const PopupMenuChoices& c) {
    return {c.Tray ? 'Y' : 'N', static_cast<char>('0' + static_cast<int>(c.Display)),
            static_cast<char>('0' + std::clamp(c.IconSize, 0, 4))};
}

void WritePopupMenu(const PopupMenuChoices& c, bool isNew, MacroRecord& record) {
    if (isNew)
        record.Enabled = 1;
    record.Nickname = c.Nickname;
    record.IconName = c.IconName;
    record.MacroKind = MacroKind::PopupMenu;
    record.CuewordText = MenuOptionText(c);
    record.SetPopupMembers(c.Members);
}

bool MenuInTrayAfter(bool isNew, const PopupMenuChoices& shown, const PopupMenuChoices& saved) {
    return (isNew && saved.Tray) || shown.Nickname != saved.Nickname || shown.Tray != saved.Tray;
}

std::string MenuQuickInfoText(const MacroRecord& m) {
    std::vector<std::string> paragraphs;
    paragraphs.push_back(
        ActivationText(m.ActivationCode, m.CuewordText.str(), ActivationStyle::Listing));
    paragraphs.push_back("Name: " + m.Nickname.str());
    paragraphs.push_back(ScopeText(m, ScopeWording::MenuQuickInfo));
    paragraphs.push_back(std::string("Active: ") + (m.Enabled ? "Yes" : "No"));
    if (m.ActivationCode == ActivationCode::Scheduled)
        paragraphs.push_back("Schdedule: " + GetSched(m));
    // A pop-up menu's script area holds its member numbers, no text.
    const std::string script = m.MacroKind == MacroKind::PopupMenu ? "" : m.ScriptText();
    paragraphs.push_back("Macro: " + script.substr(0, 100));
    std::string text;
    for (const std::string& p : paragraphs) text += (text.empty() ? "" : "\n\n") + p;
    return text;
}

bool IsIconFileName(std::string_view path) {
    const std::string upper = UpperAscii(path);
    return upper.size() >= 4 && upper.ends_with(".ICO");
}

namespace {

constexpr std::size_t IconNameCapacity = 12;

std::string_view WithoutTrailingSeparator(std::string_view path) {
    while (!path.empty() && (path.back() == '\\' || path.back() == '/')) path.remove_suffix(1);
    return path;
}

// Attempt 0 cuts the name before its extension to fit; later attempts end
// the cut name in a two-digit number.
std::string ShortIconName(std::string_view name, int attempt) {
    const std::string_view ext = name.substr(name.size() - 4);
    const std::string_view stem = name.substr(0, name.size() - 4);
    if (attempt == 0)
        return std::string(stem.substr(0, IconNameCapacity - 4)) + std::string(ext);
    char number[3];
    std::snprintf(number, sizeof number, "%02d", attempt);
    return std::string(stem.substr(0, IconNameCapacity - 6)) + number + std::string(ext);
}

bool SameBytes(const std::string& a, const std::string& b) {
    const std::optional<std::string> first = ReadWholeFile(a);
    return first && first == ReadWholeFile(b);
}

}  // namespace

IconPlacement PlaceIcon(std::string_view chosenPath, std::string_view iconsFolder) {
    using A = IconPlacement::Action;
    const std::size_t cut = chosenPath.find_last_of("\\/");
    const std::string_view name =
        cut == std::string_view::npos ? chosenPath : chosenPath.substr(cut + 1);
    const std::string_view folder =
        cut == std::string_view::npos ? std::string_view{} : chosenPath.substr(0, cut);
    const bool inIcons = UpperAscii(WithoutTrailingSeparator(folder)) ==
                         UpperAscii(WithoutTrailingSeparator(iconsFolder));
    if (name.size() <= IconNameCapacity) {
        if (inIcons)
            return {A::UseInPlace, std::string(name)};
        return {FileExists(InFolder(iconsFolder, name)) ? A::UseExisting : A::Copy,
                std::string(name)};
    }
    // A long name: the first short name that is free, or that already holds
    // this very icon (chosen before).
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string shortName = ShortIconName(name, attempt);
        const std::string target = InFolder(iconsFolder, shortName);
        if (!FileExists(target))
            return {A::Copy, shortName};
        if (SameBytes(target, std::string(chosenPath)))
            return {A::UseInPlace, shortName};
    }
    return {A::NoRoom, {}};
}

}  // namespace orv::editor
