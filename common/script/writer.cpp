#include "common/script/writer.h"

#include "common/clock.h"
#include "common/files.h"
#include "common/message_boxes.h"
#include "common/script/compose.h"
#include "common/script/reader.h"
#include "common/script/token_table.h"
#include "common/string_routines.h"

namespace orv {
namespace {

std::size_t TokenLengthAt(std::string_view text, std::size_t pos) {
    if (auto m = MatchToken(text, pos, TokenUse::Read))
        return m->Length;
    if (auto m = MatchDateTimeToken(text, pos))
        return m->Length;
    return 0;
}

// What one line, or Text lines in a row, put into the script: the reader
// gives Text lines in a row back as one.
struct Piece {
    CommandCode Code;
    std::string Text;
    std::size_t Last;  // the index of the last line it stands for
};

void AddPiece(std::vector<Piece>& pieces, CommandCode code, std::string text, std::size_t line) {
    if (text.empty())
        return;
    if (code == CommandCode::Text && !pieces.empty() && pieces.back().Code == CommandCode::Text) {
        pieces.back().Text += text;
        pieces.back().Last = line;
        return;
    }
    pieces.push_back({code, std::move(text), line});
}

// The first piece that the script would not give back as itself when read,
// or npos: a script is written only when it reads back to the same lines.
std::size_t FirstMisreadPiece(const std::vector<Piece>& pieces, std::string_view script) {
    std::vector<CommandLine> read = ReadScript(script);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        if (i >= read.size() || read[i].Code != pieces[i].Code || read[i].Source != pieces[i].Text)
            return i;
    }
    return std::string::npos;
}

std::string MisreadReason(const Piece& piece) {
    if (piece.Code == CommandCode::Text) {
        std::string problem = UnfinishedTextProblem(piece.Text);
        if (!problem.empty())
            return problem;
    }
    return "Beside the lines around it, it would be read back as other commands.  Please change "
           "it.";
}

ScriptTextResult Refusal(const CommandLine& line, const std::string& reason, std::size_t index) {
    return {
        {}, "The script line \"" + TrimStr(line.Text) + "\" cannot be saved.  " + reason, index};
}

}  // namespace

std::string UnfinishedTextProblem(std::string_view text) {
    std::size_t open = UnfinishedTokenAt(text);
    if (open == std::string::npos)
        return {};
    return "The text ends in \"" + std::string(text.substr(open)) +
           "\", the beginning of a command, which would take in the line after it.  Please "
           "complete or remove it.";
}

namespace {

bool WriteOrReport(const std::string& path, std::string_view text) {
    if (ReplaceFileContents(path, text))
        return true;
    ShowError("The file \"" + path + "\" could not be written.");
    return false;
}

std::string TruncateQuestion() {
    std::string limit = TrimStr(NumToSepText(0, 0, MaxScriptLength));
    return "The size of the macro exceeds the " + limit +
           " character limit.  The macro will be truncated to " + limit +
           " characters. Would you like to exit and have the macro truncated?";
}

}  // namespace

std::optional<std::string> CutIfAgreed(std::string text) {
    if (text.size() <= MaxScriptLength)
        return text;
    if (CurrentMessageBoxes().Show("Warning", TruncateQuestion(),
                                   MsgStyle::YesNo | MsgStyle::IconWarning) != MsgResult::Yes)
        return std::nullopt;
    return CutScript(text);
}

bool ActivationNameAccepted(const ScriptEditorFields& editor) {
    std::string name = TrimStr(editor.CuewordName);
    if (editor.ActKind == ActivationKind::Cueword) {
        if (name.empty()) {
            ShowError("No Cueword name was entered.");
            return false;
        }
        if (!IsCuewordName(name)) {
            ShowError(BadCuewordNameMessage);
            return false;
        }
    }
    if (editor.ActKind == ActivationKind::WindowTitle && name.empty()) {
        ShowError("No Window title has been entered.");
        return false;
    }
    return true;
}

bool ScopeNamed(const ScriptEditorFields& editor, const MacroRecord& macro) {
    // A window-title activation names its window in the box itself.
    if (editor.ActKind == ActivationKind::WindowTitle || editor.Scope == ScopeChoice::Global ||
        !TrimStr(macro.ScopeText.str()).empty())
        return true;
    ShowError(editor.Scope == ScopeChoice::Specific
                  ? "No window title has been entered.  Please correct."
                  : "No program name has been entered.  Please correct.");
    return false;
}

void StoreInMacro(const ScriptEditorFields& editor, std::string_view text, MacroRecord& macro) {
    if (!editor.IsExisting)
        macro.Enabled = 1;
    macro.Changed = CurrentClock().Now();
    macro.Nickname = editor.NickName;
    macro.IconName = editor.IconChoice;
    macro.MacroKind = editor.Scope == ScopeChoice::Global     ? MacroKind::Global
                      : editor.Scope == ScopeChoice::Specific ? MacroKind::Window
                                                              : MacroKind::Program;
    std::string name = TrimStr(editor.CuewordName);
    macro.CuewordText = editor.ActKind == ActivationKind::Cueword ? name : "";
    if (editor.ActKind == ActivationKind::WindowTitle)
        macro.ScopeText = name;
    macro.SetScriptText(text);
}

bool IsCuewordChar(char c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))
        return true;
    return std::string_view("!#$%&*+,-./;<=>?@^_").find(c) != std::string_view::npos;
}

bool IsCuewordName(std::string_view name) {
    for (char c : name)
        if (!IsCuewordChar(c))
            return false;
    return true;
}

ScriptTextResult ComposeScript(const std::vector<CommandLine>& lines) {
    ScriptTextResult result;
    std::vector<Piece> pieces;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const CommandLine& line = lines[i];
        if (line.Code == CommandCode::None)
            continue;
        std::string piece = line.Source;
        if (piece.empty()) {
            ComposeResult token = ComposeCommand(line.Code, line.Record);
            if (!token.Ok())
                return Refusal(line, token.Error, i);
            piece = std::move(token.Text);
        }
        result.Text += piece;
        AddPiece(pieces, line.Code, std::move(piece), i);
    }
    std::size_t misread = FirstMisreadPiece(pieces, result.Text);
    if (misread == std::string::npos)
        return result;
    const Piece& piece = pieces[misread];
    return Refusal(lines[piece.Last], MisreadReason(piece), piece.Last);
}

std::string CutScript(std::string_view text, std::size_t limit) {
    if (text.size() <= limit)
        return std::string(text);
    std::size_t p = 0;
    while (p < limit) {
        std::size_t length = text[p] == '<' ? TokenLengthAt(text, p) : 0;
        if (length == 0) {
            ++p;
        } else if (p + length > limit) {
            return std::string(text.substr(0, p));
        } else {
            p += length;
        }
    }
    return std::string(text.substr(0, limit));
}

SaveResult SaveIt(const ScriptEditorFields& editor, const std::vector<CommandLine>& lines,
                  bool park, std::string_view programDir, MacroRecord& macro) {
    SaveResult result;
    bool textFileSave = editor.EditingTextFile && !park;
    if (!textFileSave && !ActivationNameAccepted(editor)) {
        result.FocusName = true;
        return result;
    }
    if (!textFileSave && !park && !ScopeNamed(editor, macro))
        return result;
    ScriptTextResult script = ComposeScript(lines);
    if (!script.Ok()) {
        ShowError(script.Error);
        result.FailedLine = script.FailedLine;
        return result;
    }
    if (park) {
        if (WriteOrReport(InFolder(programDir, WorkingFileName), script.Text))
            result.Outcome = SaveOutcome::Parked;
        return result;
    }
    if (textFileSave) {
        if (WriteOrReport(editor.TextFilePath, script.Text))
            result.Outcome = SaveOutcome::TextFileWritten;
        return result;
    }
    std::optional<std::string> text = CutIfAgreed(std::move(script.Text));
    if (!text)
        return result;
    StoreInMacro(editor, *text, macro);
    result.Outcome = SaveOutcome::Saved;
    return result;
}

}  // namespace orv
