// An open library held in memory, with records that can be made unreadable.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "common/files.h"
#include "editor/shell/library_view.h"

namespace orv::editor::testing {

class MemoryLibrary final : public LibraryView {
  public:
    std::string FileName() const override { return Path; }
    int MacroCount() const override { return Counted.value_or(static_cast<int>(Records.size())); }
    bool Read(int n, MacroRecord& out) const override {
        if (n < 1 || n > static_cast<int>(Records.size()) || Unreadable.contains(n))
            return false;
        out = Records[static_cast<std::size_t>(n - 1)];
        return true;
    }
    bool Append(MacroRecord& record) override {
        Records.push_back(record);
        return true;
    }
    int NextNumber() const override {
        if (Interloper && Records.size() == InterloperAfter)
            Records.push_back(*std::exchange(
                Interloper, std::nullopt));  // another program's append, seen first here
        return static_cast<int>(Records.size()) + 1;
    }
    bool AppendAs(MacroRecord& record, int at) override {
        return at == NextNumber() && Append(record);
    }

    std::string Path;
    mutable std::vector<MacroRecord> Records;
    std::set<int> Unreadable;
    // What the tables count while a reload waits, when not the records.
    std::optional<int> Counted;
    // A macro another program appends once the library holds InterloperAfter.
    mutable std::optional<MacroRecord> Interloper;
    std::size_t InterloperAfter = 0;
};

inline MacroRecord Macro(const std::string& nickname, std::uint16_t activation,
                         std::int16_t kind = MacroKind::Global) {
    MacroRecord r;
    r.Nickname = nickname;
    r.ActivationCode = activation;
    r.MacroKind = kind;
    r.Enabled = 1;
    r.IconName = "MAIN";
    return r;
}

// A fresh folder of the test's own, removed afterwards.
class TempFolder {
  public:
    TempFolder()
        : path_((std::filesystem::path(::testing::TempDir()) /
                 ("orvshell_" +
                  std::string(::testing::UnitTest::GetInstance()->current_test_info()->name())))
                    .string()) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~TempFolder() { std::filesystem::remove_all(path_); }

    std::string operator/(std::string_view name) const { return InFolder(path_, name); }
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// Macro records as a macro file holds them, and back.
inline std::string RecordFileBytes(const std::vector<MacroRecord>& records) {
    std::string bytes(records.size() * MacroRecord::Size, '\0');
    for (std::size_t k = 0; k < records.size(); ++k)
        records[k].Encode(RecordBytes<MacroRecord::Size>(
            reinterpret_cast<std::uint8_t*>(bytes.data()) + k * MacroRecord::Size,
            MacroRecord::Size));
    return bytes;
}

inline std::vector<MacroRecord> RecordsOf(const std::string& bytes) {
    EXPECT_EQ(bytes.size() % MacroRecord::Size, 0u);
    std::vector<MacroRecord> records;
    for (std::size_t at = 0; at + MacroRecord::Size <= bytes.size(); at += MacroRecord::Size)
        records.push_back(MacroRecord::Decode(ConstRecordBytes<MacroRecord::Size>(
            reinterpret_cast<const std::uint8_t*>(bytes.data()) + at, MacroRecord::Size)));
    return records;
}

}  // namespace orv::editor::testing
