#include "editor/shell/macro_import.h"

#include <algorithm>
#include <string>

#include "common/clock.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/macro_library.h"
#include "common/message_boxes.h"
#include "common/settings.h"
#include "common/string_routines.h"
#include "editor/shell/add_macro_choices.h"
#include "editor/shell/foreign_records.h"
#include "editor/shell/popup_renumbering.h"

namespace orv::editor {

namespace {

constexpr std::size_t HookScopeLength = 20;

std::size_t RecordSize(ImportKind kind) {
    switch (kind) {
        case ImportKind::Dravel:
            return DravelMacroRecord::Size;
        case ImportKind::Cueword:
            return CuewordImportRecord::Size;
        default:
            return MacroRecord::Size;
    }
}

// The whole records of an import file.
class RecordFile {
  public:
    RecordFile(std::string bytes, std::size_t recordSize)
        : bytes_(std::move(bytes)), recordSize_(recordSize) {}

    int Count() const { return static_cast<int>(bytes_.size() / recordSize_); }
    std::size_t FragmentBytes() const { return bytes_.size() % recordSize_; }

    template <std::size_t Size>
    ConstRecordBytes<Size> At(int position) const {
        return ConstRecordBytes<Size>(
            reinterpret_cast<const std::uint8_t*>(bytes_.data()) + position * Size, Size);
    }

  private:
    std::string bytes_;
    std::size_t recordSize_;
};

std::optional<RecordFile> ReadRecordFile(const ImportSource& source) {
    std::optional<std::string> bytes = ReadWholeFile(source.FileName);
    if (!bytes) {
        ShowError(ImportMessage::OpenFailed);
        return std::nullopt;
    }
    // An own file is a library: one not of whole records is no library it can trust.
    if (source.Kind == ImportKind::Own && bytes->size() % MacroRecord::Size != 0) {
        ShowError(LibraryMessage::NotWholeMacros);
        return std::nullopt;
    }
    return RecordFile(std::move(*bytes), RecordSize(source.Kind));
}

std::optional<ImportEntry> EntryAt(const RecordFile& file, ImportKind kind, int position) {
    ImportEntry entry;
    switch (kind) {
        case ImportKind::Own: {
            MacroRecord r = MacroRecord::Decode(file.At<MacroRecord::Size>(position));
            if (r.MacroKind == MacroKind::System)
                return std::nullopt;
            entry = {r.Nickname.str(),    r.MacroKind,
                     r.ActivationCode,    r.ScopeText.str().substr(0, HookScopeLength),
                     r.CuewordText.str(), position};
            break;
        }
        case ImportKind::Dravel: {
            auto r = DravelMacroRecord::Decode(file.At<DravelMacroRecord::Size>(position));
            entry = {r.Nickname.str(),
                     static_cast<std::int16_t>(r.MacroKind),
                     r.ActivationCode,
                     r.Title.str().substr(0, HookScopeLength),
                     "",
                     position};
            break;
        }
        case ImportKind::Cueword: {
            auto r = CuewordImportRecord::Decode(file.At<CuewordImportRecord::Size>(position));
            entry = {"", MacroKind::Global, ActivationCode::Cueword, "", r.Cueword.str(), position};
            break;
        }
    }
    return entry;
}

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

bool AcceptedActivation(const ImportEntry& entry, ImportKind kind) {
    switch (entry.Activation) {
        case ActivationCode::Scheduled:
        case ActivationCode::None:
        case ActivationCode::WindowTitle:
            return true;
        case ActivationCode::Cueword:
            // A Cueword file's empty Cueword comes in without activation.
            return !entry.Cueword.empty() || kind == ImportKind::Cueword;
        default:
            return IsHotKeyCode(entry.Activation);
    }
}

// The name the macro comes in with, refused as the editor's activation
// dialogs refuse a typed one, so that any editor can save what is imported:
// a window title of blanks only, a Cueword (as it is stored) of characters a
// Cueword cannot have. A Cueword file's empty Cueword comes in without one.
std::optional<const char*> NameRefusalOf(const ImportEntry& entry) {
    if (entry.Activation == ActivationCode::WindowTitle)
        return NameRefusal(AddType::WindowTitle, TrimStr(entry.ScopeText));
    if (entry.Activation == ActivationCode::Cueword && !entry.Cueword.empty())
        return NameRefusal(AddType::Cueword, entry.Cueword);
    return std::nullopt;
}

std::string RecordName(const ImportEntry& entry) {
    return "Record " + std::to_string(entry.Position + 1) + " " +
           Quoted(entry.Nickname.empty() ? entry.Cueword : entry.Nickname);
}

// ImportRefusal, and for a ".DR2" record the schedule dialog's refusal.
std::optional<std::string> RecordRefusal(const RecordFile& file, const ImportEntry& entry,
                                         ImportKind kind, const DateTimeParts& now) {
    if (std::optional<std::string> refusal = ImportRefusal(entry, kind))
        return refusal;
    if (kind != ImportKind::Dravel)
        return std::nullopt;
    if (std::optional<std::string> refusal = DravelScheduleRefusal(
            DravelMacroRecord::Decode(file.At<DravelMacroRecord::Size>(entry.Position)), now))
        return RecordName(entry) + ": " + *refusal;
    return std::nullopt;
}

// A record to come in, at its place in the import file.
struct ComingRecord {
    int Position = 0;
    MacroRecord Record;
};

std::optional<MacroRecord> BuildRecord(const ImportSource& source, const RecordFile& file,
                                       const ImportEntry& entry, DateTime now) {
    switch (source.Kind) {
        case ImportKind::Dravel:
            return ImportedFromDravel(
                DravelMacroRecord::Decode(file.At<DravelMacroRecord::Size>(entry.Position)), now);
        case ImportKind::Cueword:
            return ImportedFromCueword(
                CuewordImportRecord::Decode(file.At<CuewordImportRecord::Size>(entry.Position)),
                now);
        default:
            return MacroRecord::Decode(file.At<MacroRecord::Size>(entry.Position));
    }
}

// The records of the chosen entries, in list order, that are still the ones
// listed (and so checked): the file may have shrunk or been rewritten since.
std::vector<ComingRecord> ComingRecords(const ImportSource& source, const RecordFile& file,
                                        const std::vector<int>& chosen, DateTime now,
                                        bool& changed) {
    std::vector<ComingRecord> coming;
    for (int line : chosen) {
        const ImportEntry& entry = source.Entries.at(static_cast<std::size_t>(line));
        if (entry.Position >= file.Count() || EntryAt(file, source.Kind, entry.Position) != entry) {
            changed = true;
            continue;
        }
        if (std::optional<MacroRecord> record = BuildRecord(source, file, entry, now))
            coming.push_back({entry.Position, std::move(*record)});
    }
    return coming;
}

// An own pop-up menu keeps the members that come in with it, numbered as
// they will land: the first coming record at first, the others after it.
void NumberMembers(MacroRecord& menu, const std::vector<ComingRecord>& coming, int first) {
    RenumberPopupMembers(menu, [&](int member) -> std::optional<int> {
        for (std::size_t k = 0; k < coming.size(); ++k)
            if (coming[k].Position + 1 == member)
                return first + static_cast<int>(k);
        return std::nullopt;
    });
}

}  // namespace

std::optional<ImportKind> ImportKindOf(std::string_view fileName) {
    const std::string ending =
        UpperAscii(fileName.substr(fileName.size() - std::min<std::size_t>(4, fileName.size())));
    if (ending == ".ORN")
        return ImportKind::Own;
    if (ending == ".DR2")
        return ImportKind::Dravel;
    if (ending == ".CUW")
        return ImportKind::Cueword;
    return std::nullopt;
}

std::optional<std::string> ImportRefusal(const ImportEntry& entry, ImportKind kind) {
    const std::string name = RecordName(entry);
    // Only an own file's menus name their members by macro number; a system
    // macro is the library's own.
    const bool kindAccepted =
        (entry.Kind >= MacroKind::Global && entry.Kind <= MacroKind::Program) ||
        (entry.Kind == MacroKind::PopupMenu && kind == ImportKind::Own);
    if (!kindAccepted)
        return name + ": its kind " + std::to_string(entry.Kind) +
               " is not one this file can give.";
    if (!AcceptedActivation(entry, kind))
        return name + ": its activation " + std::to_string(entry.Activation) +
               " is not one this editor knows.";
    if (std::optional<const char*> refusal = NameRefusalOf(entry))
        return name + ": " + *refusal;
    return std::nullopt;
}

std::string LeftOutMessage(const std::vector<std::string>& refusals, std::size_t fragmentBytes) {
    std::string text = "These parts of the import file are left out:\n";
    for (const std::string& refusal : refusals) text += "\n" + refusal;
    if (fragmentBytes > 0)
        text += "\nThe last " + std::to_string(fragmentBytes) +
                (fragmentBytes == 1 ? " byte" : " bytes") + ": not a whole record.";
    const std::size_t count = refusals.size() + (fragmentBytes > 0 ? 1 : 0);
    text += "\n\n" + std::to_string(count) + (count == 1 ? " record" : " records") +
            " of the file will not be imported.";
    return text;
}

std::optional<ImportSource> OpenImportSource(const std::string& fileName) {
    std::optional<ImportKind> kind = ImportKindOf(fileName);
    if (!kind) {
        ShowError(ImportMessage::WrongType);
        return std::nullopt;
    }
    ImportSource source{fileName, *kind, {}};
    std::optional<RecordFile> file = ReadRecordFile(source);
    if (!file)
        return std::nullopt;
    std::vector<std::string> refusals;
    const DateTimeParts now = DecodeDateTime(CurrentClock().Now());
    for (int position = 0; position < file->Count(); ++position) {
        std::optional<ImportEntry> entry = EntryAt(*file, *kind, position);
        if (!entry)
            continue;
        if (std::optional<std::string> refusal = RecordRefusal(*file, *entry, *kind, now))
            refusals.push_back(std::move(*refusal));
        else
            source.Entries.push_back(std::move(*entry));
    }
    if (!refusals.empty() || file->FragmentBytes() > 0)
        CurrentMessageBoxes().Show("Warning", LeftOutMessage(refusals, file->FragmentBytes()),
                                   MsgStyle::Ok | MsgStyle::IconWarning);
    return source;
}

std::vector<std::uint16_t> SystemWideKeysOf(const LibraryView& library) {
    std::vector<std::uint16_t> keys;
    MacroRecord record;
    const int next = library.NextNumber();
    for (int n = 1; n < next; ++n)
        if (library.Read(n, record) &&
            (record.MacroKind == MacroKind::Global || record.MacroKind == MacroKind::PopupMenu ||
             record.MacroKind == MacroKind::System) &&
            IsHotKeyCode(record.ActivationCode))
            keys.push_back(record.ActivationCode);
    return keys;
}

void SayImportKeyTaken(std::uint16_t code) {
    CurrentMessageBoxes().Show("Warning",
                               "A Global Hot Key for " + KeyName(code) +
                                   " already exists.  This macro will not be imported.",
                               MsgStyle::Ok | MsgStyle::IconWarning);
}

ImportChoice CheckImportChoice(const ImportSource& source, const std::vector<int>& chosen,
                               const std::vector<std::uint16_t>& activations) {
    ImportChoice choice;
    bool exclusions = false;
    // The library's keys, then those of the lines chosen above: two global
    // macros on one key would never both run.
    std::vector<std::uint16_t> taken = activations;
    for (int line : chosen) {
        const ImportEntry& entry = source.Entries.at(static_cast<std::size_t>(line));
        bool clashes = false;
        const bool holdsKey =
            (entry.Kind == MacroKind::Global || entry.Kind == MacroKind::PopupMenu) &&
            IsHotKeyCode(entry.Activation);
        if (holdsKey) {
            for (std::uint16_t held : taken) {
                if (held != entry.Activation)
                    continue;
                SayImportKeyTaken(entry.Activation);
                clashes = true;
            }
        }
        if (clashes) {
            exclusions = true;
            continue;
        }
        choice.Chosen.push_back(line);
        if (holdsKey)
            taken.push_back(entry.Activation);
    }
    if (choice.Chosen.empty()) {
        ShowError(ImportMessage::NothingChosen);
        return choice;
    }
    const int excess = static_cast<int>(activations.size() + choice.Chosen.size()) - MaxMacros;
    if (excess > 0) {
        CurrentMessageBoxes().Show("Warning",
                                   "The maximum capacity of macros per file will be exceeded. The "
                                   "last " +
                                       std::to_string(excess) +
                                       " macros selected will not be imported.",
                                   MsgStyle::Ok | MsgStyle::IconWarning);
        exclusions = true;
    }
    choice.Proceed = !exclusions || CurrentMessageBoxes().Show(
                                        "Warning", ImportMessage::ContinueWithExclusions,
                                        MsgStyle::YesNo | MsgStyle::IconWarning) == MsgResult::Yes;
    return choice;
}

ImportOutcome ImportChosen(const ImportSource& source, const std::vector<int>& chosen,
                           LibraryView& library, DateTime now) {
    ImportOutcome outcome;
    std::optional<RecordFile> file = ReadRecordFile(source);
    if (!file)
        return outcome;
    bool changed = false;
    std::vector<ComingRecord> coming = ComingRecords(source, *file, chosen, now, changed);
    // The choice was checked against the tables; another program may have
    // put a global macro on one of its keys since.
    const std::vector<std::uint16_t> taken = SystemWideKeysOf(library);
    std::erase_if(coming, [&](const ComingRecord& c) {
        const std::uint16_t code = c.Record.ActivationCode;
        const bool clashes = (c.Record.MacroKind == MacroKind::Global ||
                              c.Record.MacroKind == MacroKind::PopupMenu) &&
                             IsHotKeyCode(code) && std::ranges::find(taken, code) != taken.end();
        if (clashes)
            SayImportKeyTaken(code);
        return clashes;
    });
    // One numbering, the library file's: the records land behind its last
    // macro, in turn, as far as it has room.
    const int first = library.NextNumber();
    const std::size_t room = static_cast<std::size_t>(std::max(MaxMacros - first + 1, 0));
    // The choice was checked against the tables' count; a file fuller than
    // they count (another program's appends) takes fewer than was said.
    const std::size_t foreseen =
        static_cast<std::size_t>(std::max(MaxMacros - library.MacroCount(), 0));
    if (room < std::min(coming.size(), foreseen))
        ShowError(LibraryMessage::LibraryFull);
    coming.resize(std::min(coming.size(), room));
    // Of those, the menus land behind the macros they name: an import cut
    // short on the way leaves no menu naming a number not yet ours.
    std::stable_partition(coming.begin(), coming.end(), [](const ComingRecord& c) {
        return c.Record.MacroKind != MacroKind::PopupMenu;
    });
    for (std::size_t k = 0; k < coming.size(); ++k) {
        const int number = first + static_cast<int>(k);
        MacroRecord& record = coming[k].Record;
        if (source.Kind == ImportKind::Own && record.MacroKind == MacroKind::PopupMenu) {
            outcome.TrayMenu = outcome.TrayMenu || record.CuewordText.str().starts_with('Y');
            NumberMembers(record, coming, first);
        }
        // Another program added or removed macros meanwhile: the menus'
        // numbers would name others.
        if (library.NextNumber() != number) {
            ShowError(ImportMessage::LibraryChangedDuring);
            break;
        }
        if (!library.AppendAs(record, number))
            break;
        ++outcome.Added;
    }
    if (changed)
        ShowError(ImportMessage::ChangedSinceListed);
    return outcome;
}

}  // namespace orv::editor
