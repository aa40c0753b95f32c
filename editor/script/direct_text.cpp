#include "editor/script/direct_text.h"

#include "common/files.h"
#include "common/message_boxes.h"
#include "common/script/script_list.h"
#include "common/side_files.h"
#include "common/string_routines.h"

namespace orv::editor {
namespace {

bool AskedYes(std::string_view text) {
    return CurrentMessageBoxes().Show("Warning", text, MsgStyle::YesNo | MsgStyle::IconWarning) ==
           MsgResult::Yes;
}

}  // namespace

DirectUpdateOutcome DirectUpdate(const ScriptEditorFields& editor, std::string_view memoText,
                                 MacroRecord& macro) {
    if (!ActivationNameAccepted(editor) || !ScopeNamed(editor, macro))
        return DirectUpdateOutcome::Refused;
    std::optional<std::string> text = CutIfAgreed(std::string(memoText));
    if (!text)
        return DirectUpdateOutcome::Declined;
    StoreInMacro(editor, *text, macro);
    return DirectUpdateOutcome::Saved;
}

std::optional<std::string> ImportScriptText(const std::string& path, std::string_view library) {
    std::optional<std::string> contents = ReadTextFile(path, library);
    if (!contents)
        return std::nullopt;
    std::string text = std::move(*contents);
    if (text.size() > MaxScriptLength) {
        if (!AskedYes(ImportTooLongQuestion))
            return std::nullopt;
        text = CutScript(text);
    }
    if (!text.empty() && text.back() == '\x1A')
        text.pop_back();
    return text;
}

bool ExportScriptText(const std::string& target, std::string_view text, std::string_view library) {
    auto refuse = [](const std::string& message) {
        ShowError(message);
        return false;
    };
    if (IsLibraryOrSideFile(target, library))
        return refuse(LibraryAsTextMessage);
    if (!ReplaceFileContents(target, text))
        return refuse("The file \"" + target + "\" could not be written.");
    return true;
}

}  // namespace orv::editor
