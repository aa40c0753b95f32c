#include "common/macro_library.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "common/clock.h"
#include "common/files.h"
#include "common/hotkeys.h"
#include "common/message_boxes.h"
#include "common/raised_flag.h"

namespace orv {

namespace {

constexpr long long RecordSize = MacroRecord::Size;
static_assert(HookMacroEntries == MaxMacros, "the hook library has an entry for every macro");

using A = SystemMacroAction;

const std::array<SystemMacro, 5> EditorSystemMacros = {{
    {A::TerminatePlayer, "Terminate Orvane", 261},
    {A::ActivateEditor, "Run Orvane Editor", 262},
    {A::StartStopCapture, "Start / Stop Capture", 263},
    {A::ResumePause, "Resume Pause", 264},
    {A::MenuOfTopWindow, "Menu of Macros for Top Most Window", 265},
}};
const std::array<SystemMacro, 5> PlayerSystemMacros = {{
    {A::TerminatePlayer, "Terminate Orvane", 261},
    {A::ActivateEditor, "Activate Orvane", 262},
    {A::StartStopCapture, "Start / Stop Capture", 263},
    {A::ResumePause, "Resume Pause", 264},
    {A::MenuOfTopWindow, "Menu of Macros for Top Most Window", 265},
}};

// Whole records in an open file; a trailing fragment is not a record.
long long WholeRecords(std::FILE* f) {
    long long size = FileSize(f);
    return size < 0 ? -1 : size / RecordSize;
}

using RecordImage = std::array<std::uint8_t, MacroRecord::Size>;

bool ReadImageAt(std::FILE* f, long long n, RecordImage& image) {
    return std::fseek(f, static_cast<long>((n - 1) * RecordSize), SEEK_SET) == 0 &&
           std::fread(image.data(), 1, image.size(), f) == image.size();
}

bool ReadRecordAt(std::FILE* f, long long n, MacroRecord& out) {
    RecordImage image;
    if (!ReadImageAt(f, n, image))
        return false;
    out = MacroRecord::Decode(image);
    return true;
}

std::string_view BytesOf(const RecordImage& image) {
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

// The first bytes of an open file of size bytes, as many as the tables can
// hold (a file named by mistake may be huge); null when they cannot be read.
std::optional<std::string> FirstBytesOf(std::FILE* f, long long size) {
    std::string image(
        static_cast<std::size_t>(std::min<long long>(size, 1LL * MaxMacros * RecordSize)), '\0');
    if (std::fseek(f, 0, SEEK_SET) != 0 ||
        std::fread(image.data(), 1, image.size(), f) != image.size())
        return std::nullopt;
    return image;
}

// Whether a record's bytes are coded as the programs write every record: a
// known kind and activation, and every string's length within its field.
// Nothing else is asked, for other writers leave other bytes as they were.
// Of a record's first length bytes alone (a write cut off) what they hold.
bool CodedAsOurs(const std::uint8_t* record, std::size_t length = MacroRecord::Size) {
    const ConstRecordBytes<MacroRecord::Size> bytes(record, MacroRecord::Size);
    auto holds = [&](std::size_t at, std::size_t width) { return at + width <= length; };
    constexpr std::pair<std::size_t, std::size_t> Strings[] = {
        {MacroRecord::NicknameAt, decltype(MacroRecord::Nickname)::capacity},
        {MacroRecord::ScopeTextAt, decltype(MacroRecord::ScopeText)::capacity},
        {MacroRecord::CuewordTextAt, decltype(MacroRecord::CuewordText)::capacity},
        {MacroRecord::IconNameAt, decltype(MacroRecord::IconName)::capacity},
    };
    if (!std::ranges::all_of(Strings, [&](const auto& s) {
            return !holds(s.first, 1) || bytes[s.first] <= s.second;
        }))
        return false;
    if (holds(MacroRecord::ActivationCodeAt, 2)) {
        const std::uint16_t code = GetU16(bytes, MacroRecord::ActivationCodeAt);
        if (!IsHotKeyCode(code) && code != ActivationCode::Scheduled &&
            code != ActivationCode::Cueword && code != ActivationCode::WindowTitle &&
            code != ActivationCode::None)
            return false;
    }
    if (!holds(MacroRecord::MacroKindAt, 2))
        return true;
    const std::int16_t kind = GetI16(bytes, MacroRecord::MacroKindAt);
    return kind >= MacroKind::Global && kind <= MacroKind::System;
}

// Whether bytes are whole records, each coded as ours, and at most a trailing
// fragment of one, as far as it goes: what an append cut off leaves. A
// fragment alone is no library.
bool WholeMacros(std::string_view bytes) {
    const auto* at = reinterpret_cast<const std::uint8_t*>(bytes.data());
    const std::size_t whole = bytes.size() - bytes.size() % RecordSize;
    if (whole == 0 && !bytes.empty())
        return false;
    for (std::size_t k = 0; k < whole; k += RecordSize)
        if (!CodedAsOurs(at + k))
            return false;
    return whole == bytes.size() || CodedAsOurs(at + whole, bytes.size() - whole);
}

// Whether every record of an open file behind those the tables hold is coded
// as ours. Read one at a time: a huge file costs no memory, and its first
// record not ours ends the look.
bool RecordsBehindAreOurs(std::FILE* f, long long size) {
    RecordImage image;
    const long long records = size / RecordSize;
    for (long long n = MaxMacros + 1; n <= records; ++n)
        if (!ReadImageAt(f, n, image) || !CodedAsOurs(image.data()))
            return false;
    const long long fragment = size % RecordSize;
    if (records < MaxMacros || fragment == 0)
        return true;
    return std::fseek(f, static_cast<long>(records * RecordSize), SEEK_SET) == 0 &&
           std::fread(image.data(), 1, static_cast<std::size_t>(fragment), f) ==
               static_cast<std::size_t>(fragment) &&
           CodedAsOurs(image.data(), static_cast<std::size_t>(fragment));
}

// An open file as a library: its size (-1 when unknown), the records the
// tables can hold (none when they cannot be read), and whether it is whole
// records throughout, every one coded as ours, so that no change moves a
// record never looked at into the tables' reach; behind them at most the
// start of one more, which a write cut off left.
struct LibraryImage {
    long long Size = -1;
    std::optional<std::string> First;
    bool Ours = false;
    long long Records() const { return Size / RecordSize; }
    bool Fragment() const { return Size % RecordSize != 0; }
};

LibraryImage ImageOf(std::FILE* f) {
    LibraryImage image;
    image.Size = f ? FileSize(f) : -1;
    if (image.Size < 0)
        return image;
    image.First = FirstBytesOf(f, image.Size);
    image.Ours = image.First && WholeMacros(*image.First) && RecordsBehindAreOurs(f, image.Size);
    return image;
}

// The records of a library image of whole records, as many as the tables hold.
std::vector<MacroRecord> RecordsOf(const std::string& image) {
    const std::size_t count = std::min<std::size_t>(image.size() / RecordSize, MaxMacros);
    std::vector<MacroRecord> records;
    records.reserve(count);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.data());
    for (std::size_t k = 0; k < count; ++k)
        records.push_back(MacroRecord::Decode(
            ConstRecordBytes<MacroRecord::Size>(bytes + k * RecordSize, MacroRecord::Size)));
    return records;
}

// Which system macro (its place in SystemMacros) an entry is; -1 for none.
// The actions are the same for both programs.
int SystemMacroOf(std::int16_t kind, std::string_view scope) {
    const std::optional<SystemMacroAction> action = SystemMacroActionOf(scope);
    if (kind != MacroKind::System || !action)
        return -1;
    const auto& system = SystemMacros(LibraryOwner::Player);
    for (std::size_t k = 0; k < system.size(); ++k)
        if (*action == system[k].action)
            return static_cast<int>(k);
    return -1;
}

bool HasEverySystemMacro(const std::vector<MacroRecord>& records) {
    std::array<bool, 5> present{};
    for (const MacroRecord& r : records) {
        const int k = SystemMacroOf(r.MacroKind, r.ScopeText.str());
        if (k >= 0)
            present[static_cast<std::size_t>(k)] = true;
    }
    return std::ranges::all_of(present, [](bool p) { return p; });
}

// The records of fileName read whole; none when it is not one to take, with
// why (none: there is no such file). fragment tells of a write cut off behind
// them.
std::optional<std::vector<MacroRecord>> WholeLibrary(const std::string& fileName,
                                                     const char*& refusal, bool& fragment) {
    refusal = nullptr;
    fragment = false;
    // Checked first: some systems open a folder as a file that reads nothing.
    if (FolderExists(fileName)) {
        refusal = LibraryMessage::IsFolder;
        return std::nullopt;
    }
    FilePtr f = OpenFile(fileName, "rb");
    const LibraryImage image = ImageOf(f.get());
    if (!image.First) {
        // Never re-created or emptied: it may only be locked for a moment.
        if (FileExists(fileName))
            refusal = LibraryMessage::OpenFailed;
        return std::nullopt;
    }
    // A record not coded as ours, whatever the size, is a file that is no
    // library. The start of one record behind whole ones is what a write cut
    // off leaves: the whole ones are the user's macros. An empty file holds
    // nothing to lose: it becomes a new library.
    if (!image.Ours) {
        refusal = LibraryMessage::NotWholeMacros;
        return std::nullopt;
    }
    std::vector<MacroRecord> records = RecordsOf(*image.First);
    if (records.size() < MaxMacros && !HasEverySystemMacro(records) && FileReadOnly(fileName)) {
        refusal = LibraryMessage::ReadOnlyIncomplete;
        return std::nullopt;
    }
    fragment = image.Fragment();
    return records;
}

// A record the tables can hold and the file has.
bool InFile(int n, long long records) {
    return n >= 1 && n <= MaxMacros && n <= records;
}

}  // namespace

const std::array<SystemMacro, 5>& SystemMacros(LibraryOwner owner) {
    return owner == LibraryOwner::Player ? PlayerSystemMacros : EditorSystemMacros;
}

MacroEntry HookEntryOf(const MacroRecord& record) {
    return {record.MacroKind, record.ScopeText.str().substr(0, HookScopeTextCapacity),
            record.Enabled != 0, record.ActivationCode, record.ScopeMatch};
}

void MacroLibrary::HandOver(HookSection section, int item) {
    if (!ownTablesOnly_)
        hooks_.HandOver(section, table_, item);
}

void MacroLibrary::Tell(int code, int argument) {
    if (!ownTablesOnly_)
        notices_.Post(code, argument);
}

IconChoice MacroLibrary::ResolveIcon(const MacroRecord& record, bool* fileMissing) const {
    if (fileMissing)
        *fileMissing = false;
    if (record.IconName == "MENU")
        return {IconChoice::Source::Menu, {}};
    if (record.IconName == "MAIN")
        return {IconChoice::Source::Main, {}};
    std::string path = InFolder(InFolder(programDir_, "Icons"), record.IconName.str());
    if (FileExists(path))
        return {IconChoice::Source::File, path};
    if (fileMissing)
        *fileMissing = true;
    return {record.MacroKind == MacroKind::PopupMenu ? IconChoice::Source::Menu
                                                     : IconChoice::Source::Main,
            {}};
}

void MacroLibrary::FillEntry(int i, const MacroRecord& record) {
    settings_.Icon[i] = ResolveIcon(record);
    table_.SetEntry(i, HookEntryOf(record));
    settings_.CategoryId[i] = record.CategoryId;
    settings_.Nickname[i] = record.Nickname;
    settings_.CuewordText[i] = record.CuewordText;
    std::int16_t cueCase = record.CuewordCase;
    // The player falls back on the general rule for a record without its own,
    // whichever road brought the record.
    if (owner_ == LibraryOwner::Player && (cueCase < 1 || cueCase > 3))
        cueCase = static_cast<std::int16_t>(settings_.CaseSensitive);
    settings_.CuewordCase[i] = cueCase;
    settings_.CuewordRemove[i] = record.CuewordRemove;
    HandOver(HookSection::Item, i);
}

bool MacroLibrary::LoadMacroFile(const std::string& fileName, bool notify, Refusal refusal) {
    return Load(fileName, notify, refusal, false);
}

bool MacroLibrary::ReloadMacroFile(bool notify, Refusal refusal) {
    return Load(CurrentFile(), notify, refusal, true);
}

bool MacroLibrary::Load(const std::string& fileName, bool notify, Refusal refusal, bool reload) {
    notify = notify || owner_ == LibraryOwner::Player;
    const char* refused = nullptr;
    bool fragment = false;
    std::optional<std::vector<MacroRecord>> records = WholeLibrary(fileName, refused, fragment);
    // The file the tables came from was moved, deleted or emptied by someone
    // (or is being written anew): a new library in its place would drop the
    // macros loaded before.
    if (reload && fileName == tablesFrom_) {
        if (!records && !refused)
            refused = LibraryMessage::Vanished;
        if (records && records->empty()) {
            refused = LibraryMessage::Emptied;
            records.reset();
        }
    }
    if (!records && !refused)
        return CreateLibrary(fileName, refusal);
    if (!records) {
        if (refusal == Refusal::Said)
            ShowError(refused);
        LostSightOf(fileName);
        return false;
    }
    TakeRecords(*records, notify, fileName);
    // Nothing is written behind a fragment: the user's next macro added
    // covers it, the next removed drops it. Said once for the file, not at
    // every reload of it.
    CreateSystemMacrosIn(fileName, !fragment);
    if (fragment && refusal == Refusal::Said && fragmentSaidFor_ != fileName)
        ShowError(LibraryMessage::FragmentBehind);
    fragmentSaidFor_ = fragment ? fileName : std::string();
    return true;
}

bool MacroLibrary::LoadForThisProgram(const std::string& fileName) {
    const RaisedFlag own(ownTablesOnly_);
    return LoadMacroFile(fileName, false);
}

void MacroLibrary::LostSightOf(const std::string& file) {
    if (file == tablesFrom_)
        behind_ = true;
}

void MacroLibrary::TakeRecords(const std::vector<MacroRecord>& records, bool notify,
                               const std::string& file) {
    table_.SetMacroCount(0);
    for (int i = 1; i <= static_cast<int>(records.size()); ++i) {
        table_.SetMacroCount(i);
        FillEntry(i, records[static_cast<std::size_t>(i - 1)]);
        if (notify)
            Tell(NoticeCode::MacroEntryChanged, i);
    }
    HandOver(HookSection::NumKeys);
    if (notify)
        Tell(NoticeCode::SectionChanged, static_cast<int>(HookSection::NumKeys));
    tablesFrom_ = file;
    behind_ = false;
}

bool MacroLibrary::CreateLibrary(const std::string& fileName, Refusal refusal) {
    // Appending never truncates a file that appeared meanwhile.
    FilePtr created = OpenFile(fileName, "ab");
    if (!created || !CurrentFileWrites().Close(created.release())) {
        if (refusal == Refusal::Said)
            ShowError(LibraryMessage::CreateFailed);
        LostSightOf(fileName);
        return false;
    }
    TakeRecords({}, false, fileName);
    CreateSystemMacrosIn(fileName, true);
    return true;
}

void MacroLibrary::CreateSystemMacrosIn(const std::string& path, bool appendMissing) {
    const auto& system = SystemMacros(owner_);
    std::array<bool, 5> present{};
    for (int i = 1; i <= table_.EntryCount(); ++i) {
        const MacroEntry entry = table_.Entry(i);
        const int k = SystemMacroOf(entry.Kind, entry.ScopeText);
        if (k < 0)
            continue;
        present[static_cast<std::size_t>(k)] = true;
        settings_.Nickname[i] = system[static_cast<std::size_t>(k)].nickname;
    }
    for (std::size_t k = 0; k < system.size() && appendMissing; ++k) {
        if (present[k])
            continue;
        int n = table_.EntryCount();
        if (n >= MaxMacros)
            return;  // a full library keeps what it has
        table_.SetMacroCount(n + 1);
        HandOver(HookSection::NumKeys);
        Tell(NoticeCode::SectionChanged, static_cast<int>(HookSection::NumKeys));
        MacroRecord record;
        record.Nickname = system[k].nickname;
        record.ScopeText = ScopeTextOf(system[k].action);
        record.ActivationCode =
            static_cast<std::uint16_t>(FindFreeHotKeyBelow(system[k].firstHotKey, n));
        record.MacroKind = MacroKind::System;
        record.Enabled = 1;
        record.Changed = CurrentClock().Now();
        if (!SayLibraryStatus(SaveRecordTo(path, -1, record), LibraryWrite::Append)) {
            HandOver(HookSection::NumKeys);
            Tell(NoticeCode::SectionChanged, static_cast<int>(HookSection::NumKeys));
            return;
        }
    }
}

const char* LibraryStatusMessage(LibraryStatus status, LibraryWrite write) {
    const bool adds = write == LibraryWrite::Save || write == LibraryWrite::Append;
    switch (status) {
        case LibraryStatus::Done:
            return nullptr;
        case LibraryStatus::Moved:
            return write == LibraryWrite::Append ? LibraryMessage::LibraryChanged
                                                 : LibraryMessage::HeldMacroMoved;
        case LibraryStatus::Gone:
            return LibraryMessage::NoSuchMacro;
        case LibraryStatus::Behind:
            return LibraryMessage::TablesBehind;
        case LibraryStatus::FileBusy:
            // A save says what it always said of a file that does not open
            // (its dialog comes back with the user's entries); a delete or a
            // flag, that another user has it.
            return adds ? LibraryMessage::SaveFailed : LibraryMessage::FileInUse;
        case LibraryStatus::Full:
            return LibraryMessage::LibraryFull;
        case LibraryStatus::NotOurs:
            return LibraryMessage::FragmentKept;
        case LibraryStatus::Away:
        case LibraryStatus::Failed:
            return adds ? LibraryMessage::SaveFailed : LibraryMessage::ChangeFailed;
    }
    return LibraryMessage::ChangeFailed;
}

bool SayLibraryStatus(LibraryStatus status, LibraryWrite write) {
    if (const char* text = LibraryStatusMessage(status, write))
        ShowError(text);
    return status == LibraryStatus::Done;
}

bool MacroLibrary::AppendMacroRecord(MacroRecord& record) {
    if (table_.MacroCount() >= MaxMacros)
        return SayLibraryStatus(LibraryStatus::Full, LibraryWrite::Append);
    table_.SetMacroCount(table_.MacroCount() + 1);
    return SayLibraryStatus(SaveRecordTo(CurrentFile(), -1, record), LibraryWrite::Append);
}

int MacroLibrary::NextAppendNumber(const std::string& file) const {
    FilePtr f = OpenFile(file, "rb");
    return static_cast<int>(f ? WholeRecords(f.get()) : table_.MacroCount()) + 1;
}

LibraryStatus MacroLibrary::AppendRecordTo(const std::string& file, MacroRecord& record, int at) {
    if (file != CurrentFile())
        return LibraryStatus::Moved;
    // While the other program's reloads wait, the tables may count other
    // macros than the file has: the new one goes behind the file's last
    // record, the number the other program gives it too, and the reload that
    // waits renumbers the tables. The write checks the count in its own open.
    const int count = table_.MacroCount();
    const int number = NextAppendNumber(file);
    if (number > MaxMacros)
        return LibraryStatus::Full;
    if (at > 0 && number != at)
        return LibraryStatus::Behind;
    table_.SetMacroCount(number);
    const LibraryStatus status = SaveRecordTo(file, -1, record);
    if (status != LibraryStatus::Done)
        table_.SetMacroCount(count);
    return status;
}

bool MacroLibrary::SaveMacroRecord(int n, MacroRecord& record) {
    if (n == -1)
        return SayLibraryStatus(SaveRecordTo(CurrentFile(), n, record), LibraryWrite::Append);
    return SayLibraryStatus(SaveRecordTo(CurrentFile(), n, record), LibraryWrite::Save);
}

namespace {

// Why path, which did not open, cannot be changed now. One that is there, not
// read-only, but does not open is held by another program; one not there may
// be away for a while; a folder is no library at all.
LibraryStatus UnopenedStatus(const std::string& path, bool readOnly) {
    return readOnly || FolderExists(path) ? LibraryStatus::Failed
           : !FileExists(path)            ? LibraryStatus::Away
                                          : LibraryStatus::FileBusy;
}

}  // namespace

FilePtr MacroLibrary::OpenForChange(const std::string& path, long long& records, long long& size,
                                    LibraryStatus& status) {
    // A read-only file is refused whoever asks: some may write it anyway.
    const bool readOnly = FileReadOnly(path);
    FilePtr f = readOnly ? nullptr : OpenFile(path, "r+b");
    const LibraryImage image = ImageOf(f.get());
    if (!image.Ours) {
        status = image.Size >= 0 ? LibraryStatus::NotOurs : UnopenedStatus(path, readOnly);
        LostSightOf(path);
        return nullptr;
    }
    records = image.Records();
    size = image.Size;
    status = LibraryStatus::Done;
    return f;
}

LibraryStatus MacroLibrary::MayChange(std::FILE* f, int n, long long records,
                                      const HeldMacro* held) const {
    if (held) {
        MacroRecord now;
        if (!InFile(n, records) || !ReadRecordAt(f, n, now))
            return LibraryStatus::Moved;
        RecordImage asRead, current;
        held->AsRead.Encode(asRead);
        now.Encode(current);
        return asRead == current ? LibraryStatus::Done : LibraryStatus::Moved;
    }
    // By its number only where the file still has there the macro the tables
    // list: a change the other program made and has not told yet renumbers
    // the file under them.
    MacroRecord listed;
    if (InFile(n, records) && ReadRecordAt(f, n, listed) && Lists(n, listed))
        return LibraryStatus::Done;
    if (behind_)
        return LibraryStatus::Behind;
    return InFile(n, records) ? LibraryStatus::Moved : LibraryStatus::Gone;
}

LibraryStatus MacroLibrary::SaveRecordTo(const std::string& path, int n, MacroRecord& record,
                                         const HeldMacro* held) {
    const bool append = n == -1;
    // Gives back the number the caller raised, never below none.
    auto fail = [&](LibraryStatus status) {
        if (append)
            table_.SetMacroCount(std::max(table_.MacroCount() - 1, 0));
        return status;
    };
    if (HeldElsewhere(held, path))
        return LibraryStatus::Moved;
    long long records = 0, size = 0;
    LibraryStatus opened = LibraryStatus::Done;
    FilePtr f = OpenForChange(path, records, size, opened);
    if (!f)
        return fail(opened);
    if (append) {
        n = table_.MacroCount();
        // The new record must land where its number says: right behind the
        // last one, which the count only matches when it is up to date.
        if (n < 1 || n > MaxMacros || n - 1 != records)
            return fail(LibraryStatus::Failed);
    } else if (const LibraryStatus may = MayChange(f.get(), n, records, held);
               may != LibraryStatus::Done) {
        // Only an append adds a record: a number behind the last one would
        // be a macro nobody counted.
        return may == LibraryStatus::Gone ? LibraryStatus::Failed : may;
    }
    bool iconMissing = false;
    ResolveIcon(record, &iconMissing);
    if (iconMissing)
        record.IconName = record.MacroKind == MacroKind::PopupMenu ? "MENU" : "MAIN";
    // What is there now (a fragment where an append lands), to be given back
    // where the write fails.
    RecordImage old{}, image;
    const std::size_t oldLength =
        static_cast<std::size_t>(std::min<long long>(RecordSize, size - (n - 1) * RecordSize));
    if (std::fseek(f.get(), static_cast<long>((n - 1) * RecordSize), SEEK_SET) != 0 ||
        std::fread(old.data(), 1, oldLength, f.get()) != oldLength)
        return fail(LibraryStatus::Failed);
    record.Encode(image);
    const InPlaceChange change{(n - 1) * RecordSize, BytesOf(image),
                               BytesOf(old).substr(0, oldLength), size};
    if (!ChangeInPlace(std::move(f), change))
        return fail(LibraryStatus::Failed);
    if (append)
        fragmentSaidFor_.clear();  // covered: one cut off again is said anew
    FillEntry(n, record);
    Tell(NoticeCode::MacroSaved, n);
    return LibraryStatus::Done;
}

bool MacroLibrary::ReadMacroRecord(int n, MacroRecord& out) const {
    return ReadRecord(n, out) == RecordRead::Read;
}

MacroLibrary::RecordRead MacroLibrary::ReadRecord(int n, MacroRecord& out) const {
    // Some systems open a folder as an empty file: it is no file to read.
    FilePtr f = FolderExists(CurrentFile()) ? nullptr : OpenFile(CurrentFile(), "rb");
    if (!f)
        return RecordRead::FileUnopened;
    MacroRecord read;
    if (!InFile(n, WholeRecords(f.get())) || !ReadRecordAt(f.get(), n, read) ||
        (behind_ && !Lists(n, read)))
        return RecordRead::NotThere;
    out = read;
    return RecordRead::Read;
}

bool MacroLibrary::Lists(int n, const MacroRecord& record) const {
    return n >= 1 && n <= table_.EntryCount() && table_.Entry(n) == HookEntryOf(record) &&
           settings_.Nickname[n].str() == record.Nickname.str();
}

bool MacroLibrary::HoldMacroRecord(int n, HeldMacro& held) const {
    MacroRecord read;
    if (!ReadMacroRecord(n, read))
        return false;
    held = {CurrentFile(), n, read};
    return true;
}

MacroLibrary::RecordRead MacroLibrary::CheckHold(const HeldMacro& held) const {
    MacroRecord now;
    if (held.File != CurrentFile())
        return RecordRead::NotThere;
    const RecordRead read = ReadRecord(held.Number, now);
    if (read != RecordRead::Read)
        return read;
    std::array<std::uint8_t, MacroRecord::Size> asRead, current;
    held.AsRead.Encode(asRead);
    now.Encode(current);
    return asRead == current ? RecordRead::Read : RecordRead::NotThere;
}

bool MacroLibrary::Holds(const HeldMacro& held) const {
    return CheckHold(held) == RecordRead::Read;
}

LibraryStatus MacroLibrary::HoldStatus(const HeldMacro& held) const {
    switch (CheckHold(held)) {
        case RecordRead::Read:
            return LibraryStatus::Done;
        case RecordRead::FileUnopened:
            return UnopenedStatus(held.File, false);
        case RecordRead::NotThere:
            break;
    }
    return LibraryStatus::Moved;
}

LibraryStatus MacroLibrary::DeleteHeldMacro(const HeldMacro& held) {
    return DeleteRecord(held.Number, &held);
}

LibraryStatus MacroLibrary::SaveHeldRecord(HeldMacro& held, MacroRecord& record) {
    const LibraryStatus status = SaveRecordTo(CurrentFile(), held.Number, record, &held);
    if (status == LibraryStatus::Done)
        held.AsRead = record;
    return status;
}

bool MacroLibrary::RefreshEntry(int n) {
    MacroRecord record;
    if (n < 1 || n > MaxMacros || !ReadMacroRecord(n, record))
        return false;
    FillEntry(n, record);
    return true;
}

namespace {

// A menu's members without n, those behind it one lower.
void DropMenuMember(std::span<std::uint8_t> image, int n) {
    MacroRecord record =
        MacroRecord::Decode(RecordBytes<MacroRecord::Size>(image.data(), image.size()));
    if (record.MacroKind != MacroKind::PopupMenu)
        return;
    std::vector<int> members;
    for (int member : record.PopupMembers()) {
        if (member != n)
            members.push_back(member > n ? member - 1 : member);
    }
    record.SetPopupMembers(members);
    record.Encode(RecordBytes<MacroRecord::Size>(image.data(), image.size()));
}

}  // namespace

bool MacroLibrary::DeleteMacroWithMenus(int n) {
    return SayLibraryStatus(DeleteRecord(n, nullptr), LibraryWrite::Delete);
}

LibraryStatus MacroLibrary::DeleteRecord(int n, const HeldMacro* held) {
    if (HeldElsewhere(held, CurrentFile()))
        return LibraryStatus::Moved;
    std::string before;
    long long records = 0;
    {
        long long size = 0;
        LibraryStatus opened = LibraryStatus::Done;
        FilePtr f = OpenForChange(CurrentFile(), records, size, opened);
        if (!f)
            return opened;
        if (const LibraryStatus may = MayChange(f.get(), n, records, held);
            may != LibraryStatus::Done)
            return may;
        before.resize(static_cast<std::size_t>(size));
        if (std::fseek(f.get(), 0, SEEK_SET) != 0 ||
            std::fread(before.data(), 1, before.size(), f.get()) != before.size())
            return LibraryStatus::Failed;
    }
    const std::size_t gone = static_cast<std::size_t>((n - 1) * RecordSize);
    // A fragment behind the records is dropped with the rewrite.
    std::string kept =
        before.substr(0, gone) + before.substr(gone + RecordSize, (records - n) * RecordSize);
    auto* bytes = reinterpret_cast<std::uint8_t*>(kept.data());
    for (std::size_t at = 0; at < kept.size(); at += RecordSize)
        DropMenuMember({bytes + at, MacroRecord::Size}, n);
    // Copies of the library that rewrites cut off left beside it go first,
    // so that they never take every name a temporary may have. Only whole
    // records are such a copy: a user's copy with a note behind it stays.
    RemoveLeftoverTemporaries(CurrentFile(), [](std::string_view leftover) {
        return !leftover.empty() && leftover.size() % RecordSize == 0 && WholeMacros(leftover);
    });
    // The file is rewritten whole, so an interrupted delete leaves it as it
    // was; and only over the bytes read, so that a record another program
    // wrote or appended since is never lost with them.
    if (!ReplaceFileContents(CurrentFile(), kept, before))
        return LibraryStatus::Failed;
    fragmentSaidFor_.clear();
    // The tables follow the numbers at once: a hot key must never run the
    // record behind the one gone, even where the file cannot be read back.
    TakeRecords(RecordsOf(kept), false, CurrentFile());
    return LibraryStatus::Done;
}

bool MacroLibrary::SetMacroEnabled(int n, std::uint8_t enabled) {
    return SayLibraryStatus(WriteEnabled(n, enabled, nullptr), LibraryWrite::Enable);
}

LibraryStatus MacroLibrary::SetHeldEnabled(HeldMacro& held, std::uint8_t enabled) {
    const LibraryStatus status = WriteEnabled(held.Number, enabled, &held);
    if (status == LibraryStatus::Done)
        held.AsRead.Enabled = enabled;
    return status;
}

LibraryStatus MacroLibrary::WriteEnabled(int n, std::uint8_t enabled, const HeldMacro* held) {
    if (HeldElsewhere(held, CurrentFile()))
        return LibraryStatus::Moved;
    long long records = 0, size = 0;
    LibraryStatus opened = LibraryStatus::Done;
    FilePtr f = OpenForChange(CurrentFile(), records, size, opened);
    if (!f)
        return opened;
    if (const LibraryStatus may = MayChange(f.get(), n, records, held); may != LibraryStatus::Done)
        return may;
    // The record as the file has it, so that the tables take it whole.
    MacroRecord written;
    if (!ReadRecordAt(f.get(), n, written))
        return LibraryStatus::Failed;
    const long long at = (n - 1) * RecordSize + MacroRecord::EnabledAt;
    const char old = static_cast<char>(written.Enabled);
    const char now = static_cast<char>(enabled);
    if (!ChangeInPlace(std::move(f), {at, {&now, 1}, {&old, 1}, size}))
        return LibraryStatus::Failed;
    written.Enabled = enabled;
    FillEntry(n, written);
    return LibraryStatus::Done;
}

int MacroLibrary::FindFreeHotKeyBelow(int start, int entries) const {
    int code = start;
    // At most 500 macros hold 721 codes: a free one is always within reach.
    for (int tries = 0; tries <= HotKeyCount; ++tries) {
        bool used = false;
        for (int i = 1; i <= entries && !used; ++i) used = table_.Entry(i).Activation == code;
        if (!used)
            return code;
        if (--code < 0)
            code = ActivationCode::LastHotKey;
    }
    return code;
}

}  // namespace orv
