#include "editor/shell/editor_library.h"

#include "common/files.h"
#include "common/message_boxes.h"

namespace orv::editor {

namespace {

long long RecordsIn(const std::string& path) {
    FilePtr f = OpenFile(path, "rb");
    return f ? FileSize(f.get()) / static_cast<long long>(MacroRecord::Size) : -1;
}

}  // namespace

bool EditorLibrary::ReadCurrentRecord(int n, MacroRecord& out) {
    if (library_.ReadMacroRecord(n, out))
        return true;
    TellUnreadable(n);
    return false;
}

bool EditorLibrary::HoldRecord(int n, HeldMacro& held) {
    if (library_.HoldMacroRecord(n, held))
        return true;
    TellUnreadable(n);
    return false;
}

void EditorLibrary::TellUnreadable(int n) const {
    long long records = RecordsIn(settings_.MacroFiles[0].str());
    bool gone = records >= 0 && (n < 1 || n > records);
    ShowError(gone ? LibraryMessage::NoSuchMacro : LibraryMessage::ReadFailed);
}

LibraryStatus EditorLibrary::AppendMacro(LibraryChange& change, MacroRecord& record, int at) {
    const LibraryStatus status = change.Append(record, at);
    if (status == LibraryStatus::Done)
        UpNumKeys(table_, hooks_, notices_);
    return status;
}

bool EditorLibrary::SwitchLibrary(const std::string& fileName) {
    // A file that is not loaded left the tables as they were. The hook
    // library gets the new file's macros from the player, which is told to
    // load it and may refuse. The player and a later start find it by its
    // full name, whatever their current folder.
    const std::optional<std::string> found = LibraryNameToKeep(fileName);
    if (!found || !library_.LoadForThisProgram(*found))
        return false;
    settings_.MacroFiles[0] = *found;
    return true;
}

}  // namespace orv::editor
