// What import, export and the listing need of the open macro library, so they
// can be tested without the editor's windows.
#pragma once

#include <string>

#include "common/macro_library.h"
#include "common/macro_record.h"

namespace orv::editor {

class LibraryView {
  public:
    virtual ~LibraryView() = default;
    // The full name of the open library file.
    virtual std::string FileName() const = 0;
    virtual int MacroCount() const = 0;
    // False, and out unchanged, when record n could not be read.
    virtual bool Read(int n, MacroRecord& out) const = 0;
    // Appends the record as the next macro; false (reported) when it was not
    // written, the 500-macro limit included.
    virtual bool Append(MacroRecord& record) = 0;
    // The number the next append gets: one behind the file's last macro.
    virtual int NextNumber() const = 0;
    // Append, only as macro number at: refused (said) when the file would
    // number it otherwise.
    virtual bool AppendAs(MacroRecord& record, int at) = 0;
};

// The editor's open library.
class OpenLibraryView final : public LibraryView {
  public:
    OpenLibraryView(MacroLibrary& library, const HookTable& table, const SettingsBlock& settings)
        : library_(library), table_(table), settings_(settings) {}

    std::string FileName() const override { return settings_.MacroFiles[0].str(); }
    int MacroCount() const override { return table_.EntryCount(); }
    bool Read(int n, MacroRecord& out) const override { return library_.ReadMacroRecord(n, out); }
    bool Append(MacroRecord& record) override { return library_.AppendMacroRecord(record); }
    int NextNumber() const override { return library_.NextAppendNumber(FileName()); }
    bool AppendAs(MacroRecord& record, int at) override {
        return SayLibraryStatus(library_.AppendRecordTo(FileName(), record, at),
                                LibraryWrite::Append);
    }

  private:
    MacroLibrary& library_;
    const HookTable& table_;
    const SettingsBlock& settings_;
};

}  // namespace orv::editor
