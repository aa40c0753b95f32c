#include "editor/shell/macro_list.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <tuple>

#include "common/hotkeys.h"
#include "common/macro_record.h"
#include "common/macro_texts.h"
#include "common/string_routines.h"

namespace orv::editor {

namespace {

// Each rank's prefix sorts before the next one's whatever follows it.
constexpr std::array<const char*, 5> RankPrefixes = {"AAAAA", "AAAAz", "AAAz", "AAz", "Az"};
constexpr std::size_t ActivationPartWidth = 20, ScopePartWidth = 20, NicknamePartWidth = 50;

// The digit of a macro's activation kind in "Activation Sort"; a code of no
// kind sorts as "None".
char ActivationDigit(std::uint16_t code) {
    if (IsHotKeyCode(code))
        return '1';
    switch (code) {
        case ActivationCode::Cueword:
            return '2';
        case ActivationCode::Scheduled:
            return '3';
        case ActivationCode::WindowTitle:
            return '5';
        default:
            return '4';
    }
}

// The digit of a scope kind in "Scope Sort"; a kind of none sorts as global.
char ScopeDigit(std::int16_t kind) {
    return kind >= MacroKind::Global && kind <= MacroKind::System ? static_cast<char>('0' + kind)
                                                                  : '1';
}

std::string RankPart(std::string_view order, char digit, std::string_view tail, std::size_t width) {
    std::string part = RankPrefixes[order.find(digit)];
    part += UpperAscii(tail);
    return part.substr(0, width);
}

std::string ActivationPart(const ListMacro& m, std::string_view order) {
    char digit = ActivationDigit(m.Activation);
    std::string tail = digit == '1' ? KeyName(m.Activation) : digit == '2' ? m.CuewordText : "";
    return RankPart(order, digit, tail, ActivationPartWidth);
}

std::string ScopePart(const ListMacro& m, std::string_view order) {
    bool named = m.Kind == MacroKind::Window || m.Kind == MacroKind::Program;
    return RankPart(order, ScopeDigit(m.Kind), named ? m.ScopeText : "", ScopePartWidth);
}

// The key parts in "Primary Sort" order, compared part by part so that a
// short part never lets the next one decide.
using SortKey = std::array<std::string, 3>;

SortKey KeyOf(const ListMacro& m, const SortSettings& sort) {
    SortKey key;
    for (std::size_t i = 0; i < key.size(); ++i) {
        switch (sort.Primary[i]) {
            case '1':
                key[i] = ActivationPart(m, sort.Activation);
                break;
            case '2':
                key[i] = UpperAscii(m.Nickname).substr(0, NicknamePartWidth);
                break;
            default:
                key[i] = ScopePart(m, sort.Scope);
                break;
        }
    }
    return key;
}

}  // namespace

ListMacro ListMacroOf(const SettingsBlock& settings, const HookTable& table, int n) {
    const MacroEntry entry = table.Entry(n);
    const auto i = static_cast<std::size_t>(std::clamp(n, 0, MaxMacros));
    return {n,
            entry.Activation,
            entry.Kind,
            entry.ScopeText,
            settings.Nickname[i].str(),
            settings.CuewordText[i].str(),
            settings.CategoryId[i],
            entry.Enabled};
}

std::vector<ListMacro> ListMacrosOf(const SettingsBlock& settings, const HookTable& table) {
    std::vector<ListMacro> macros;
    for (int i = 1; i <= table.EntryCount(); ++i) macros.push_back(ListMacroOf(settings, table, i));
    return macros;
}

bool ShowsSameMacro(const ListMacro& a, const ListMacro& b) {
    // Every Cueword (or schedule, or window title) macro has one activation
    // code: two macros of one nickname differ only in what else the line shows.
    return a.Kind == b.Kind && a.Activation == b.Activation && a.ScopeText == b.ScopeText &&
           a.CuewordText == b.CuewordText && a.CategoryId == b.CategoryId &&
           (a.Kind == MacroKind::System || a.Nickname == b.Nickname);
}

std::string ActivationText(const ListMacro& m) {
    return ActivationText(m.Activation, m.CuewordText, ActivationStyle::PickList);
}

void MacroListModel::FillList(std::vector<ListMacro> macros, std::uint32_t filter,
                              const SortSettings& sort) {
    if (filter != 0)
        std::erase_if(macros, [filter](const ListMacro& m) { return m.CategoryId != filter; });
    std::vector<std::pair<SortKey, ListMacro>> keyed;
    keyed.reserve(macros.size());
    // Whatever the caller read from the settings, only true orders index the
    // rank tables.
    const SortSettings checked = CheckedSortSettings(sort.Primary, sort.Activation, sort.Scope);
    for (ListMacro& m : macros) keyed.emplace_back(KeyOf(m, checked), std::move(m));
    // Equal keys keep the macros' own order.
    std::stable_sort(keyed.begin(), keyed.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    rows_.clear();
    for (auto& [key, m] : keyed) rows_.push_back(std::move(m));
}

const ListMacro* MacroListModel::RowMacro(int row) const {
    if (row < 1 || row > static_cast<int>(rows_.size()))
        return nullptr;
    return &rows_[row - 1];
}

int MacroListModel::ReverseSort(int macroNumber) const {
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (rows_[i].Number == macroNumber)
            return static_cast<int>(i) + 1;
    return -1;
}

int MacroListModel::RowShowing(const ListMacro& shown, int formerRow,
                               const std::function<bool(const ListMacro& line)>& isShown) const {
    auto nearer = [formerRow](int row, int than) {
        return than < 0 || std::abs(row - formerRow) < std::abs(than - formerRow);
    };
    int itself = -1, atItsNumber = -1, nearestAlike = -1;
    for (int row = 1; row <= static_cast<int>(rows_.size()); ++row) {
        const ListMacro& line = rows_[static_cast<std::size_t>(row - 1)];
        // Only a line alike can be the macro itself: the record is read for those alone.
        if (!ShowsSameMacro(line, shown))
            continue;
        if (nearer(row, itself) && isShown(line))
            itself = row;
        if (line.Number == shown.Number)
            atItsNumber = row;
        if (nearer(row, nearestAlike))
            nearestAlike = row;
    }
    for (int row : {itself, atItsNumber, nearestAlike})
        if (row > 0)
            return row;
    return NearestRow(formerRow);
}

int MacroListModel::DoSearchIt(std::string_view search) const {
    if (search.empty())
        return -1;
    for (std::size_t i = 0; i < rows_.size(); ++i)
        if (UpperAscii(ActivationText(rows_[i])).starts_with(search))
            return static_cast<int>(i) + 1;
    return -1;
}

const std::string& TypeAhead::Type(char c) {
    switch (c) {
        case '\t':
        case '\n':
        case '\r':
        case '\x1b':
            text_.clear();
            break;
        case '\b':
            if (!text_.empty())
                text_.pop_back();
            break;
        default:
            text_ += UpperAscii(c);
    }
    return text_;
}

}  // namespace orv::editor
