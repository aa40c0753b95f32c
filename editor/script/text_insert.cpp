#include "editor/script/text_insert.h"

namespace orv::editor {

CheckedTextFile CheckTextFile(std::string_view typed, const FileChecks& files) {
    CheckedTextFile file;
    file.Trimmed = EditText(typed);
    if (!file.Trimmed.empty())
        file.Short = files.ExistingFile(file.Trimmed);
    return file;
}

TextInsertOutcome ComposeTextInsert(const CheckedTextFile& file) {
    TextInsertOutcome out;
    StringRec record;
    record.Text = file.Short.value_or(file.Trimmed);
    out.Compose(CommandCode::LoadTextFile, record, TextInsertField::Path);
    return out;
}

}  // namespace orv::editor
