// Files that a road to a library may meet where it expects a library it can
// take whole, with what the road must say of each. Every road leaves such a
// file byte for byte as it was and keeps the library loaded before.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "common/files.h"
#include "common/hotkeys.h"
#include "common/macro_library.h"
#ifdef _WIN32
#include "tests/support/win32/held_file.h"
#endif

namespace orv::testing {

struct HostileFile {
    const char* Name;
    // Puts the file at path (a file or folder there before is replaced).
    std::function<void(const std::string& path)> Make;
    const char* LoadMessage;    // what loading it says
    const char* ChangeMessage;  // what a change of it as the current library says
    const char* ImportMessage;  // what importing macros from it says (none: it can be)
    // Held by another program while the road runs, where a row needs it.
    std::function<std::shared_ptr<void>(const std::string& path)> Hold = {};
    // Only the library the tables were read from can come to this (a road
    // to another file meets it as a first load).
    bool OnlyCurrent = false;
};

// Whole records named a1, a2, ... (no system macros).
inline std::string RecordsNamed(int count) {
    std::string bytes;
    for (int i = 1; i <= count; ++i) {
        MacroRecord r;
        r.Nickname = "a" + std::to_string(i);
        r.MacroKind = MacroKind::Global;
        r.ActivationCode = ActivationCode::None;
        r.Enabled = 1;
        std::array<std::uint8_t, MacroRecord::Size> image{};
        r.Encode(image);
        bytes.append(reinterpret_cast<const char*>(image.data()), image.size());
    }
    return bytes;
}

inline void PutFile(const std::string& path, const std::string& bytes) {
    std::filesystem::remove_all(path);
    FilePtr f = OpenFile(path, "wb");
    ASSERT_TRUE(f && std::fwrite(bytes.data(), 1, bytes.size(), f.get()) == bytes.size());
}

inline void SetReadOnly(const std::string& path, bool readOnly) {
    using std::filesystem::perms;
    std::filesystem::permissions(
        path, perms::owner_write | perms::group_write | perms::others_write,
        readOnly ? std::filesystem::perm_options::remove : std::filesystem::perm_options::add);
}

// What is at path, to compare before and after a road.
inline std::string Snapshot(const std::string& path) {
    if (FolderExists(path))
        return "<folder>";
    return ReadWholeFile(path).value_or("<unreadable>");
}

// The rows every system has; a system's own rows are added where it is tested.
inline std::vector<HostileFile> HostileFiles() {
    return {
        {"a text file",
         [](const std::string& p) { PutFile(p, "These are my notes, not macros.\r\n"); },
         LibraryMessage::NotWholeMacros, LibraryMessage::FragmentKept,
         LibraryMessage::NotWholeMacros},
        {"a library cut short",
         [](const std::string& p) { PutFile(p, RecordsNamed(2) + std::string(3000, 'z')); },
         LibraryMessage::NotWholeMacros, LibraryMessage::FragmentKept,
         LibraryMessage::NotWholeMacros},
        {"a folder",
         [](const std::string& p) {
             std::filesystem::remove_all(p);
             std::filesystem::create_directory(p);
         },
         LibraryMessage::IsFolder, LibraryMessage::ChangeFailed, "Unable to open import file."},
        {"a read-only library without its system macros",
         [](const std::string& p) {
             PutFile(p, RecordsNamed(2));
             SetReadOnly(p, true);
         },
         LibraryMessage::ReadOnlyIncomplete, LibraryMessage::ChangeFailed, nullptr},
        {"the library moved away since it was read",
         [](const std::string& p) { std::filesystem::remove_all(p); },
         LibraryMessage::Vanished,
         LibraryMessage::ChangeFailed,
         nullptr,
         {},
         true},
        // Cut to nothing, or caught while another program writes it anew.
        {"the library emptied since it was read",
         [](const std::string& p) { PutFile(p, ""); },
         LibraryMessage::Emptied,
         LibraryMessage::NoSuchMacro,
         nullptr,
         {},
         true},
#ifdef _WIN32
        // Only Windows keeps other programs out of a file held open.
        {"a library held by another program",
         [](const std::string& p) { PutFile(p, RecordsNamed(2)); }, LibraryMessage::OpenFailed,
         LibraryMessage::FileInUse, "Unable to open import file.", HoldUnshared},
#endif
    };
}

// Whole-sized files whose records are not coded as the programs write them,
// so they are no library (a check on a record's bytes, as the road to it).
inline std::vector<HostileFile> WholeSizedNonLibraries() {
    auto row = [](const char* name, std::function<std::string()> bytes) {
        return HostileFile{name, [bytes](const std::string& p) { PutFile(p, bytes()); },
                           LibraryMessage::NotWholeMacros, LibraryMessage::FragmentKept, nullptr};
    };
    auto withByte = [](std::size_t at, std::uint8_t value) {
        std::string bytes = RecordsNamed(2);
        bytes[MacroRecord::Size + at] = static_cast<char>(value);
        return bytes;
    };
    return {
        row("a text file of one record's size",
            [] { return std::string(MacroRecord::Size - 2, 't') + "\r\n"; }),
        row("zeros of two records' size", [] { return std::string(2 * MacroRecord::Size, 0); }),
        row("a record of kind 6", [=] { return withByte(MacroRecord::MacroKindAt, 6); }),
        row("a record of activation 721",
            [=] {
                std::string bytes = withByte(MacroRecord::ActivationCodeAt, 721 & 0xFF);
                bytes[MacroRecord::Size + MacroRecord::ActivationCodeAt + 1] = 721 >> 8;
                return bytes;
            }),
        row("a nickname longer than its field",
            [=] { return withByte(MacroRecord::NicknameAt, 51); }),
        row("an icon name longer than its field",
            [=] { return withByte(MacroRecord::IconNameAt, 13); }),
        // Behind the records the tables hold: a delete would move it into them.
        row("a text record behind 500 macros",
            [] { return RecordsNamed(MaxMacros) + std::string(MacroRecord::Size, 't'); }),
    };
}

// A road: what the program does with the file at path, current or not.
struct LibraryRoad {
    const char* Name;
    bool OnCurrentFile;  // the road reads (or changes) the current library again
    std::function<void(const std::string& path)> Take;
    // Which of a row's messages the road shows.
    const char* HostileFile::*Says = &HostileFile::LoadMessage;
};

// Runs every road on every row: the file stays as it was, the row's message
// is shown (boxes expects it), and kept() checks the library loaded before.
// The current library's bytes are put back after each road on it, and then
// restored() lets the program find them again.
template <class Boxes>
void RunHostileTable(const std::vector<HostileFile>& rows, const std::vector<LibraryRoad>& roads,
                     const std::string& current, const std::string& other, Boxes& boxes,
                     const std::function<void(const std::string& where)>& kept,
                     const std::function<void()>& restored = {}) {
    const std::string library = Snapshot(current);
    for (const HostileFile& row : rows) {
        for (const LibraryRoad& road : roads) {
            if (row.OnlyCurrent && !road.OnCurrentFile)
                continue;
            const std::string where = std::string(road.Name) + " on " + row.Name;
            SCOPED_TRACE(where);
            const std::string& path = road.OnCurrentFile ? current : other;
            row.Make(path);
            const std::string before = Snapshot(path);
            std::shared_ptr<void> held = row.Hold ? row.Hold(path) : nullptr;
            if (row.Hold) {
                ASSERT_TRUE(held) << where;
            }
            const std::size_t shown = boxes.Shown().size();
            const char* says = row.*road.Says;
            if (says)
                boxes.Expect(says);
            road.Take(path);
            held.reset();
            EXPECT_EQ(boxes.Shown().size(), shown + (says ? 1 : 0)) << where;
            EXPECT_EQ(Snapshot(path), before) << where;
            kept(where);
            if (FileExists(path))
                SetReadOnly(path, false);
            std::filesystem::remove_all(path);
            if (road.OnCurrentFile)
                PutFile(current, library);
            if (restored)
                restored();
        }
    }
}

}  // namespace orv::testing
