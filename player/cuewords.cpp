#include "player/cuewords.h"

#include <algorithm>
#include <string_view>

#include "common/hotkeys.h"
#include "common/string_routines.h"

namespace orv::player {
namespace {

constexpr std::size_t MaxBuffer = 20;
constexpr std::size_t BufferBeyondPrefix = 10;
constexpr std::uint32_t ResetKind = 1;
constexpr std::uint8_t Backspace = 8;
constexpr std::int16_t ExactCase = 2, FirstLetterCase = 1;
constexpr std::int16_t KeepTypedWord = 2;

bool IsAccepted(std::uint8_t ch) {
    constexpr std::string_view signs = "!#$%^&_=<>?.;,*-/\\+@";
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9') ||
           signs.find(static_cast<char>(ch)) != std::string_view::npos;
}

// Signs that end a Cueword with "Use Punctuation"; ':' is the one of them
// not accepted into the buffer.
bool IsPunctuationSuffix(std::uint8_t ch) {
    return std::string_view(".,:;?!-").find(static_cast<char>(ch)) != std::string_view::npos;
}

bool EndsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

bool Contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

// The first character as a capital: ASCII letters, and the accented letters
// of the upper half by their code (the division sign among them is no
// letter: its place in the capitals holds the multiplication sign).
void CapitalizeFirst(std::string& text) {
    constexpr unsigned char DivisionSign = 0xF7;
    if (text.empty())
        return;
    auto c = static_cast<unsigned char>(text[0]);
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != DivisionSign))
        text[0] = static_cast<char>(c - 0x20);
}

}  // namespace

void Cuewords::CuewordChar(std::uint32_t kind, std::uint8_t ch) {
    if (table_.EntryCount() == 0 || !table_.CuewordsExist())
        return;
    if (kind == ResetKind) {
        Forget();
        return;
    }
    const bool suffixOn = settings_.UseSuffix;
    const bool punctuationOn = suffixOn && settings_.UsePunctuation;
    if (!IsAccepted(ch)) {
        if (ch == Backspace) {
            if (!buffer_.empty())
                buffer_.pop_back();
            return;
        }
        if ((suffixOn && (ch == ' ' || ch == '\r')) || (punctuationOn && ch == ':')) {
            suffix_ = static_cast<char>(ch);
            TestIt();
        }
        buffer_.clear();
        return;
    }
    if (punctuationOn && IsPunctuationSuffix(ch)) {
        suffix_ = static_cast<char>(ch);
        if (TestIt())
            return;
    }
    buffer_ += static_cast<char>(ch);
    const std::size_t keep = std::min(MaxBuffer, Prefix().size() + BufferBeyondPrefix);
    if (buffer_.size() > keep)
        buffer_.erase(0, buffer_.size() - keep);
    if (!suffixOn)
        TestIt();
}

std::string Cuewords::Prefix() const {
    return settings_.UseSuffix ? std::string() : settings_.PrefixKeys.str();
}

// The buffer must end in the pattern, so that text typed after a refusal or
// in front of the word is never erased in its place.
std::optional<std::string> Cuewords::TypedCueword(int i, const std::string& prefix) const {
    const std::string word = settings_.CuewordText[i].str();
    if (word.empty())
        return std::nullopt;
    const bool exact = settings_.CuewordCase[i] == ExactCase;
    const std::string pattern = exact ? prefix + word : UpperAscii(prefix + word);
    const std::string buffer = exact ? buffer_ : UpperAscii(buffer_);
    const bool alone = settings_.SolitaryUsage || settings_.UseSuffix;
    if (alone ? buffer != pattern : !EndsWith(buffer, pattern))
        return std::nullopt;
    return buffer_.substr(buffer_.size() - word.size());
}

bool Cuewords::TestIt() {
    const std::string prefix = Prefix();
    std::vector<Candidate> candidates;
    for (int i = 1; i <= table_.EntryCount() && candidates.size() < MaxCandidates; ++i) {
        const MacroEntry entry = table_.Entry(i);
        if (entry.Activation != ActivationCode::Cueword || !entry.Enabled)
            continue;
        if (auto typed = TypedCueword(i, prefix))
            candidates.push_back({i, std::move(*typed)});
    }
    if (candidates.empty())
        return false;
    // A refused word is left on screen; what is typed next starts afresh.
    if (!dispatch_.CanStartRun()) {
        buffer_.clear();
        return false;
    }
    const Candidate* picked = PickByScope(candidates);
    if (!picked)
        return false;
    RunCuewordMacro(*picked, prefix);
    return true;
}

// A window scope beats a program scope beats a global macro; a scope that
// does not fit the foreground leaves the choice to the next kind.
const Cuewords::Candidate* Cuewords::PickByScope(const std::vector<Candidate>& candidates) {
    const std::uint32_t foreground = desk_.ForegroundWindow();
    const std::string title = foreground ? UpperAscii(desk_.WindowTitle(foreground)) : "";
    std::optional<std::string> program;
    for (std::int16_t kind : {MacroKind::Window, MacroKind::Program, MacroKind::Global}) {
        for (const Candidate& c : candidates) {
            const MacroEntry entry = table_.Entry(c.macro);
            if (entry.Kind != kind)
                continue;
            if (kind == MacroKind::Global)
                return &c;
            if (!foreground)
                continue;
            if (kind == MacroKind::Program && !program)
                program = UpperAscii(desk_.ProgramOfWindow(foreground));
            if (Contains(kind == MacroKind::Window ? title : *program, UpperAscii(entry.ScopeText)))
                return &c;
        }
    }
    return nullptr;
}

void Cuewords::RunCuewordMacro(const Candidate& picked, const std::string& prefix) {
    const int i = picked.macro;
    MacroRecord record;
    buffer_.clear();
    // In use first: the hook library then reports none of the Backspaces;
    // reports it queued before, and anything else that would start a run,
    // are refused while they are pumped.
    // With it the hook library also takes Escape for this run's abort: the
    // user who stops the erase gets no macro text. The keys the user types
    // on from here wait in the hook library and come after the text, so it
    // is set before anything that takes time.
    shared_.SetMacroInUseHoldingTyping();
    // A record that cannot be read runs nothing, and erases nothing.
    if (!library_.ReadMacroRecord(i, record)) {
        shared_.SetMacroInUse(false);
        return;
    }
    RunState& state = interpreter_.Play().State();
    state.AbortFlag = false;
    if (settings_.CuewordRemove[i] != KeepTypedWord) {
        const std::size_t typedExtra = settings_.UseSuffix ? 1 : prefix.size();
        dispatch_.WhileStarting([&] {
            EraseTyped(picked.typedWord.size() + typedExtra);
            return true;
        });
    }
    if (state.AbortFlag ||
        !dispatch_.Play(i, record, CuewordScript(i, record, picked.typedWord), RunOrigin::User))
        shared_.SetMacroInUse(false);
}

// Backspaces, with the messages handled after each, then a short pause so
// that the window has caught up before the text comes.
void Cuewords::EraseTyped(std::size_t count) {
    Playback& play = interpreter_.Play();
    for (std::size_t n = 0; n < count; ++n) {
        play.PostVKey(Backspace, false);
        play.PostVKey(Backspace, true);
        play.Host().PumpMessages();
    }
    play.PauseForNoSpeed(0.1);
}

// The macro's text, its first letter a capital when the Cueword's was typed
// so, and the typed suffix given back after it.
std::string Cuewords::CuewordScript(int i, const MacroRecord& record,
                                    const std::string& typedWord) const {
    std::string script = record.ScriptText();
    if (settings_.CuewordCase[i] == FirstLetterCase && !typedWord.empty() && typedWord[0] >= 'A' &&
        typedWord[0] <= 'Z')
        CapitalizeFirst(script);
    if (settings_.UseSuffix)
        script += suffix_;
    return script;
}

}  // namespace orv::player
