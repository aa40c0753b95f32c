#include "hook/input_decision.h"

#include "common/hook_table.h"
#include "common/hotkey_encoder.h"

#include <algorithm>

namespace orv {
namespace {

constexpr std::size_t WaitClick = HookAt::WaitClick;
constexpr std::size_t WaitKey = HookAt::WaitClick + 1;
constexpr std::size_t WaitText = HookAt::WaitClick + 2;
constexpr std::size_t WaitProcessed = HookAt::WaitClick + 3;

std::uint32_t PlayerWindow(ConstBytes t) {
    return GetU32(t, HookAt::PlayerWindow);
}

std::uint32_t SecondWindow(ConstBytes t) {
    return t[HookAt::SecondWindowOn] != 0 ? GetU32(t, HookAt::SecondWindow) : 0;
}

// The tracked modifiers, the Ctrl of AltGr among them.
bool IsModifier(std::uint16_t vk) {
    return vk == VirtualKey::Shift || vk == VirtualKey::Control || vk == VirtualKey::Menu ||
           vk == VirtualKey::LeftWin || vk == VirtualKey::LeftControl;
}

bool IsLockKey(std::uint16_t vk) {
    return vk == VirtualKey::NumLock || vk == VirtualKey::ScrollLock;
}

// Keys that move the caret or edit around it: what was typed before them is
// no longer the text before the caret.
bool IsCaretKey(std::uint16_t vk) {
    return (vk >= VirtualKey::PageUp && vk <= VirtualKey::PageUp + 7) || vk == VirtualKey::Insert ||
           vk == VirtualKey::Delete;
}

// The keypad's digits and signs, which the layout tables leave out.
bool IsKeypadKey(std::uint16_t vk) {
    return vk >= 0x60 && vk <= 0x6F;
}

// Escape stops a run, unless the run waits for a key itself.
bool StopsRun(std::uint16_t vk, ConstBytes t) {
    return vk == VirtualKey::Escape && t[WaitKey] == 0;
}

bool CodeUsed(ConstBytes t, int code) {
    return code != NoHotKey && t[HookAt::CodeUsed + code] != 0;
}

// Left and right modifier keys count as one, so a press of one side and a
// release of the other never leave a modifier held in this picture. The left
// Ctrl the system presses for AltGr is no Ctrl: it has a place of its own.
std::uint16_t TrackedKey(const KeyEvent& event) {
    if (event.vk == VirtualKey::LeftControl && event.scanCode == AltGrControlScanCode)
        return VirtualKey::LeftControl;
    switch (event.vk) {
        case VirtualKey::LeftShift:
        case VirtualKey::RightShift:
            return VirtualKey::Shift;
        case VirtualKey::LeftControl:
        case VirtualKey::RightControl:
            return VirtualKey::Control;
        case VirtualKey::LeftMenu:
        case VirtualKey::RightMenu:
            return VirtualKey::Menu;
        case VirtualKey::RightWin:
            return VirtualKey::LeftWin;
        default:
            return event.vk & 0xFF;
    }
}

// A modifier key left and right apart; the key with no side is the left one.
std::uint8_t SidedKey(std::uint16_t vk) {
    switch (vk) {
        case VirtualKey::Shift:
            return VirtualKey::LeftShift;
        case VirtualKey::Control:
            return VirtualKey::LeftControl;
        case VirtualKey::Menu:
            return VirtualKey::LeftMenu;
        default:
            return static_cast<std::uint8_t>(vk);
    }
}

// A modifier's two keys as a set.
constexpr ModifierKeySet BothSides(std::uint8_t left, std::uint8_t right) {
    return ModifierKeyBit(left) | ModifierKeyBit(right);
}
constexpr ModifierKeySet ShiftKeys = BothSides(VirtualKey::LeftShift, VirtualKey::RightShift);
constexpr ModifierKeySet CtrlKeys = BothSides(VirtualKey::LeftControl, VirtualKey::RightControl);
constexpr ModifierKeySet AltKeys = BothSides(VirtualKey::LeftMenu, VirtualKey::RightMenu);
constexpr ModifierKeySet WinKeys = BothSides(VirtualKey::LeftWin, VirtualKey::RightWin);

InputDecision Posting(std::uint32_t window, std::uint32_t message, std::uint32_t wParam = 0,
                      bool focus = false) {
    InputDecision d;
    d.swallow = true;
    d.Add({window, message, wParam, focus});
    return d;
}

// The first input after an idle period tells the player once: the idle
// seconds the library counts go back to 0, so the next input finds none.
void ReportIdleOver(InputDecision& d, Bytes table) {
    if (table[HookAt::IdleMacroExists] == 0 || GetI32(table, HookAt::IdleSeconds) <= 0)
        return;
    PutI32(table, HookAt::IdleSeconds, 0);
    d.Add({PlayerWindow(table), ProgramMessage::IdleOver});
}

}  // namespace

InputDecider::InputDecider() {
    swapIndex_.fill(-1);
    const SwapKeyTable& identity = IdentitySwapTable();
    for (std::size_t k = 0; k < identity.size(); ++k)
        swapIndex_[identity[k]] = static_cast<std::int16_t>(k);
}

KeyCombination InputDecider::Held() const {
    // AltGr types characters: it is neither Ctrl nor Alt.
    const bool altGr = AltGrHeld();
    KeyCombination k;
    k.ctrl = down_[VirtualKey::Control] && !altGr;
    k.alt = down_[VirtualKey::Menu] && !altGr;
    k.shift = down_[VirtualKey::Shift];
    k.win = down_[VirtualKey::LeftWin];
    return k;
}

KeyCombination InputDecider::UserHeld() const {
    KeyCombination k = Held();
    k.ctrl = k.ctrl && (userKeys_ & CtrlKeys) != 0;
    k.alt = k.alt && (userKeys_ & AltKeys) != 0;
    k.shift = k.shift && (userKeys_ & ShiftKeys) != 0;
    k.win = k.win && (userKeys_ & WinKeys) != 0;
    return k;
}

void InputDecider::FollowUserModifier(const KeyEvent& event) {
    const std::uint8_t vk = SidedKey(event.vk);
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i) {
        if (ModifierKeys[i] != vk)
            continue;
        const auto bit = static_cast<ModifierKeySet>(1u << i);
        if (event.injectedByPlayer) {
            // The player lifts a key the user holds for a keystroke, and
            // puts it back after it.
            liftedByPlayer_ =
                event.up && (userKeys_ & bit) ? liftedByPlayer_ | bit : liftedByPlayer_ & ~bit;
            continue;
        }
        liftedByPlayer_ &= static_cast<ModifierKeySet>(~bit);
        userKeys_ = event.up ? userKeys_ & ~bit : userKeys_ | bit;
        if (!event.up)
            userPresses_[i] = {vk, static_cast<std::uint16_t>(event.scanCode), event.extended};
    }
}

bool InputDecider::Playing(ConstBytes table) const {
    return table[HookAt::MacroPlaying] != 0 && !runEnded_;
}

std::optional<CaptureText> InputDecider::StartCapture(bool injectedByPlayer, Bytes table) {
    if (injectedByPlayer || table.size() < HookTable::Size || !CaptureEncoder::Running(table))
        return std::nullopt;
    capture_.FollowStart(table);
    return CaptureEncoder::Start(table);
}

InputDecision InputDecider::StopCapture(const CaptureText& capture) {
    InputDecision d;
    d.swallow = true;
    d.Add({capture.window, ProgramMessage::CaptureEnded, capture.macro});
    return d;
}

bool InputDecider::WantsPointerPlace(ConstBytes table) {
    return table.size() >= HookTable::Size && table[HookAt::CaptureRunning] != 0 &&
           table[HookAt::CaptureMouse] != 0;
}

bool InputDecider::AsksForCombination(ConstBytes table) {
    return table.size() >= HookTable::Size && SecondWindow(table) != 0;
}

bool InputDecider::LeavesTheBox(const KeyCombination& keys, bool dialogLetter) {
    if (keys.ctrl || keys.win)
        return false;
    if (keys.alt)
        return dialogLetter && !keys.shift;
    switch (keys.vk) {
        case VirtualKey::Tab:
            return true;
        case VirtualKey::Escape:
        case VirtualKey::Return:
            return !keys.shift;
        default:
            return false;
    }
}

InputDecision InputDecider::OnKey(const KeyEvent& event, Bytes table, const std::uint8_t* swaps) {
    FollowRun(table);
    FollowAltGr(event);
    FollowUserModifier(event);
    const std::uint16_t vk = TrackedKey(event);
    const bool repeat = !event.up && down_[vk];
    down_[vk] = !event.up;
    std::optional<CaptureText> capture = StartCapture(event.injectedByPlayer, table);
    InputDecision d;
    if (HoldTyping(event, table, d))
        return d;
    if (event.up) {
        d.swallow = swallowedKeys_[vk];
        swallowedKeys_[vk] = false;
        if (capture && vk == VirtualKey::Menu && !d.swallow) {
            capture_.AltReleased(*capture, table, altAlone_, event.time);
            d.capture = *capture;
        }
        return d;
    }
    if (!repeat && !event.injectedByPlayer)
        altAlone_ = vk == VirtualKey::Menu && !AltGrHeld();
    const bool haveTable = table.size() >= HookTable::Size;
    if (capture && !repeat) {
        KeyCombination keys = Held();
        keys.vk = vk;
        if (CaptureEncoder::IsStopKey(table, keys)) {
            swallowedKeys_[vk] = true;
            return StopCapture(*capture);
        }
    }
    // Another window, or another control of the same one: the text typed
    // before is not before the caret there.
    const bool focusChanged = !repeat && focus_ && *focus_ != event.focus;
    if (!repeat)
        focus_ = event.focus;
    if (focusChanged)
        deadKeys_.Forget();
    if (vk == VirtualKey::Capital) {
        // The player's own Caps Lock presses count too: it follows the state.
        if (!repeat)
            capsLock_ = !capsLock_;
        if (!repeat && roles.hotKeys && haveTable)
            d.Add({PlayerWindow(table), ProgramMessage::CapsLock, capsLock_ ? 1u : 0u});
        if (haveTable && !event.injectedByPlayer)
            ReportIdleOver(d, table);
        return d;
    }
    if (roles.hotKeys && haveTable) {
        if (!event.injectedByPlayer) {
            KeyCombination keys = UserHeld();
            keys.vk = vk;
            if (!AltGrHeld() &&
                (SecondWindow(table) == 0 || !LeavesTheBox(keys, event.dialogLetter)))
                d = Confirmed(keys, repeat, table);
        } else if (vk == VirtualKey::Execute && !repeat) {
            // The run's last marker: the keys held back go after its input.
            const bool runEnds = table[WaitProcessed] == 0 && table[HookAt::MacroPlaying] != 0;
            d = ClosingKey(table);
            runEnded_ = runEnded_ || runEnds;
            d.replayHeld = runEnds && heldCount_ > 0;
        }
    }
    if (!d.swallow && roles.remap && !event.injectedByPlayer)
        d = Remap(vk, swaps);
    // What reaches the window types there, once.
    const KeyCharacters typed = !event.injectedByPlayer && (!d.swallow || d.typeInstead != 0)
                                    ? CharactersOf(vk)
                                    : KeyCharacters{};
    // The user's own keys only: the macro's typing never ends its waits, nor
    // is it taken for a Cueword.
    if (roles.hotKeys && haveTable && !event.injectedByPlayer && d.postCount == 0) {
        // A swallowed key types nothing; a remapped one types its replacement.
        Typing typing{.reset = focusChanged};
        if (!d.swallow || d.typeInstead != 0)
            typing = TypingOf(vk, focusChanged, typed);
        if (d.typeInstead != 0)
            typing.character = d.typeInstead;
        ReportToWait(d, vk, repeat, typing, table);
        ReportToCuewords(d, typing, table);
        // A run without the in-use byte (timed, start-up, a window's) stops
        // on Escape too: the key goes on to its window, and the player drops
        // the abort when nothing runs.
        if (!repeat && !d.swallow && StopsRun(vk, table))
            d.Add({PlayerWindow(table), ProgramMessage::Abort, 0, false});
    }
    if (haveTable && !event.injectedByPlayer)
        ReportIdleOver(d, table);
    swallowedKeys_[vk] = d.swallow;
    // What reaches the window is recorded: a hot key is not, a remapped key
    // as its replacement.
    if (capture && (!d.swallow || d.typeInstead != 0)) {
        const KeyCombination held = Held();
        if (d.typeInstead != 0) {
            capture_.Key(*capture, table, vk, held, d.typeInstead, layout, event.time);
        } else if (!typed.dead) {
            // A dead key is written with the character it goes over.
            if (typed.accent != 0)
                capture_.Key(*capture, table, vk, held, typed.accent, layout, event.time);
            capture_.Key(*capture, table, vk, held, typed.character, layout, event.time);
        }
        d.capture = *capture;
    }
    return d;
}

InputDecision InputDecider::OnPointerMoved(const PointerEvent& event, Bytes table) {
    InputDecision d;
    if (!event.injectedByPlayer && table.size() >= HookTable::Size)
        ReportIdleOver(d, table);
    if (std::optional<CaptureText> capture = StartCapture(event.injectedByPlayer, table)) {
        capture_.Moved(*capture, table, event.place, event.time);
        d.capture = *capture;
    }
    return d;
}

InputDecision InputDecider::OnButton(const ButtonEvent& event, Bytes table) {
    InputDecision d;
    if (event.button < 1 || event.button > 3)
        return d;
    FollowRun(table);
    std::optional<CaptureText> capture = StartCapture(event.injectedByPlayer, table);
    if (event.up) {
        d.swallow = swallowedButtons_[event.button];
        swallowedButtons_[event.button] = false;
        if (capture && !d.swallow) {
            capture_.Button(*capture, table, event.button, true, event.place, event.time);
            d.capture = *capture;
        }
        return d;
    }
    // A press while keys are held waits behind them: they go first, where
    // they were typed, and the press again after them. Its release follows.
    if (!event.injectedByPlayer && !event.replayed && heldCount_ > 0) {
        d.swallow = true;
        d.replayHeld = true;
        d.replayButton = event.button;
        swallowedButtons_[event.button] = false;
        return d;
    }
    if (!event.injectedByPlayer)
        altAlone_ = false;
    if (capture) {
        KeyCombination keys = Held();
        keys.mouse = event.button;
        if (CaptureEncoder::IsStopKey(table, keys)) {
            swallowedButtons_[event.button] = true;
            return StopCapture(*capture);
        }
    }
    if (roles.mouse && !event.injectedByPlayer && table.size() >= HookTable::Size) {
        KeyCombination keys = UserHeld();
        keys.mouse = event.button;
        // A click beside the box that asks for a combination is the user
        // leaving it: it goes on to what it was aimed at.
        if (event.overFocus || SecondWindow(table) == 0)
            d = Confirmed(keys, false, table);
        if (d.postCount == 0 && table[WaitClick] != 0)
            d.Add({PlayerWindow(table), ProgramMessage::ClickSeen, event.button});
        // A click may move the caret: the text typed before it stops counting.
        if (!d.swallow) {
            ReportToWait(d, 0, false, {.reset = true}, table);
            ReportToCuewords(d, {.reset = true}, table);
        }
    }
    if (!event.injectedByPlayer && table.size() >= HookTable::Size)
        ReportIdleOver(d, table);
    swallowedButtons_[event.button] = d.swallow;
    if (capture && !d.swallow) {
        capture_.Button(*capture, table, event.button, false, event.place, event.time);
        d.capture = *capture;
    }
    return d;
}

// A release the hooks never saw (a key of the secure desktop, a gap while
// unhooked) would leave a modifier held, and a plain key would be taken for a
// hot key and swallowed: before a combination is acted on, the modifiers and
// Caps Lock are read from the system. Only that path pays for asking.
InputDecision InputDecider::Confirmed(KeyCombination keys, bool repeat, ConstBytes table) {
    InputDecision d = Combination(keys, repeat, table);
    if (!d.swallow || !realKeys)
        return d;
    const KeyCombination real = realKeys->HeldModifiers();
    down_[VirtualKey::Control] = real.ctrl;
    down_[VirtualKey::Menu] = real.alt;
    down_[VirtualKey::Shift] = real.shift;
    down_[VirtualKey::LeftWin] = real.win;
    const std::pair<bool, ModifierKeySet> sides[] = {
        {real.ctrl, CtrlKeys}, {real.alt, AltKeys}, {real.shift, ShiftKeys}, {real.win, WinKeys}};
    // A key the player lifted is up for the system, not let go by the user.
    for (auto [down, keys] : sides)
        if (!down)
            userKeys_ &= static_cast<ModifierKeySet>(~(keys & ~liftedByPlayer_));
    capsLock_ = realKeys->CapsLockOn();
    const KeyCombination user = UserHeld();
    keys.ctrl = user.ctrl;
    keys.alt = user.alt;
    keys.shift = user.shift;
    keys.win = user.win;
    return Combination(keys, repeat, table);
}

// The marker the player presses after a run's last input (or inside a wait
// for its input to be processed): every input it played has passed the hooks.
InputDecision InputDecider::ClosingKey(ConstBytes table) const {
    const std::uint32_t player = PlayerWindow(table);
    if (player == 0)
        return {};
    if (table[WaitProcessed] != 0)
        return Posting(player, ProgramMessage::InputProcessed);
    if (table[HookAt::MacroPlaying] != 0)
        return Posting(player, ProgramMessage::MacroEnded);
    return {};
}

InputDecision InputDecider::Combination(const KeyCombination& keys, bool repeat,
                                        ConstBytes table) const {
    const int code = EncodeHotKey(keys);
    const std::uint32_t player = PlayerWindow(table);
    InputDecision d;
    if (std::uint32_t second = SecondWindow(table)) {
        // A dialog asks which combination to use: every one with a code.
        if (code != NoHotKey)
            d = Posting(second, ProgramMessage::SecondWindowKey, static_cast<std::uint32_t>(code));
    } else if (player == 0) {
        return d;
    } else if (Playing(table)) {
        // A combination in use never reaches a window during a run; the
        // player starts nothing else meanwhile but hears it ("Terminate
        // Orvane" ends it even then). Escape stops the run unless the run
        // waits for a key itself.
        if (StopsRun(keys.vk, table))
            d = Posting(player, ProgramMessage::Abort);
        else if (CodeUsed(table, code))
            d = Posting(player, ProgramMessage::HotKey, static_cast<std::uint32_t>(code));
    } else if (CodeUsed(table, code)) {
        d.swallow = true;
        // A run without the in-use byte stops on Escape all the same. The
        // abort goes first: with nothing running the player drops it, then
        // starts the key's macro; during a run it drops the hot key.
        if (StopsRun(keys.vk, table))
            d.Add({player, ProgramMessage::Abort, 0, false});
        // The macro's text will stand between the word typed before the key
        // and what is typed after it.
        ReportToCuewords(d, {.reset = true}, table);
        d.Add({player, ProgramMessage::HotKey,
               static_cast<std::uint32_t>(code) | (capsLock_ ? CapsLockOnBit : 0u), true});
    }
    if (repeat)
        d.postCount = 0;
    d.maskModifiers = d.swallow && !repeat && (keys.alt || keys.win);
    return d;
}

InputDecider::Typing InputDecider::TypingOf(std::uint16_t vk, bool focusChanged,
                                            const KeyCharacters& typed) const {
    // Text typed elsewhere is not the text before the caret.
    Typing t{.reset = focusChanged};
    if (IsModifier(vk))
        return t;
    const KeyCombination held = Held();
    // A shortcut or a caret move: the text typed so far is left behind.
    if (held.ctrl || held.alt || held.win || IsCaretKey(vk)) {
        t.reset = true;
        return t;
    }
    switch (vk) {
        case VirtualKey::Backspace:
        case VirtualKey::Tab:
        case VirtualKey::Return:
            t.character = static_cast<std::uint8_t>(vk);
            break;
        default:
            t.accent = typed.accent;
            t.character =
                IsKeypadKey(vk) ? layout.Typed(vk, held.shift, capsLock_) : typed.character;
            // Escape, a function key, Clear: the typing was broken off. The
            // lock keys and a dead key's waiting accent change nothing typed.
            t.reset = t.reset || (t.character == 0 && !typed.dead && !IsLockKey(vk));
    }
    return t;
}

void InputDecider::ReportToWait(InputDecision& d, std::uint16_t vk, bool repeat,
                                const Typing& typing, ConstBytes table) const {
    const std::uint32_t player = PlayerWindow(table);
    if (table[WaitKey] != 0) {
        if (vk != 0 && !repeat)
            d.Add({player, ProgramMessage::KeySeen, vk});
        return;
    }
    if (table[WaitText] == 0)
        return;
    if (typing.reset)
        d.Add({player, ProgramMessage::WaitTextChar, TypedKind::Reset});
    if (typing.accent != 0)
        d.Add({player, ProgramMessage::WaitTextChar, TypedKind::Character, false, typing.accent});
    if (typing.character != 0)
        d.Add(
            {player, ProgramMessage::WaitTextChar, TypedKind::Character, false, typing.character});
}

// Only while some macro has a Cueword and no run has the input: the
// player's own Backspaces and text never come back as typing.
void InputDecider::ReportToCuewords(InputDecision& d, const Typing& typing,
                                    ConstBytes table) const {
    if (table[HookAt::CuewordsExist] == 0 || Playing(table) ||
        GetI32(table, HookAt::MacroCount) <= 0)
        return;
    const std::uint32_t player = PlayerWindow(table);
    if (typing.reset)
        d.Add({player, ProgramMessage::CuewordChar, TypedKind::Reset});
    const std::uint32_t kind = capsLock_ ? TypedKind::CapsLockCharacter : TypedKind::Character;
    if (typing.accent != 0)
        d.Add({player, ProgramMessage::CuewordChar, kind, false, typing.accent});
    if (typing.character != 0)
        d.Add({player, ProgramMessage::CuewordChar, kind, false, typing.character});
}

InputDecision InputDecider::Remap(std::uint16_t vk, const std::uint8_t* swaps) const {
    InputDecision d;
    const KeyCombination held = Held();
    if (!swaps || held.ctrl || held.alt || held.win)
        return d;
    // What the key types with AltGr if held; a dead key types nothing yet.
    const KeyShifts shifts{.shift = held.shift, .altGr = AltGrHeld(), .capsLock = capsLock_};
    const std::uint8_t typed = layout.Character(vk, shifts);
    const int at = swapIndex_[typed];
    if (typed == 0 || at < 0 || layout.IsDead(vk, shifts))
        return d;
    // 0 is "not remapped", so a table nobody has filled yet types as before.
    const std::uint8_t instead = swaps[at];
    if (instead != 0 && instead != typed) {
        d.swallow = true;
        d.typeInstead = instead;
    }
    return d;
}

void InputDecider::FollowAltGr(const KeyEvent& event) {
    if (event.injectedByPlayer)
        return;
    const std::uint16_t vk = TrackedKey(event);
    if (vk == VirtualKey::Menu && (event.up || event.vk == VirtualKey::RightMenu))
        rightAlt_ = !event.up;
    // The left Ctrl let go, or the Ctrl with no side: AltGr's is up too.
    if (event.up && (event.vk == VirtualKey::LeftControl || event.vk == VirtualKey::Control))
        down_[VirtualKey::LeftControl] = false;
}

void InputDecider::FollowRun(ConstBytes table) {
    if (table.size() >= HookTable::Size && table[HookAt::MacroPlaying] == 0)
        InUseHandedOver();
}

KeyCharacters InputDecider::CharactersOf(std::uint16_t vk) {
    const KeyCombination held = Held();
    if (held.ctrl || held.alt || held.win)
        return {};
    return deadKeys_.Press(layout, vk,
                           {.shift = held.shift, .altGr = AltGrHeld(), .capsLock = capsLock_});
}

bool InputDecider::HoldTyping(const KeyEvent& event, ConstBytes table, InputDecision& d) {
    if (!roles.hotKeys || table.size() < HookTable::Size || event.injectedByPlayer ||
        event.replayed)
        return false;
    const bool waitsForInput = table[WaitClick] != 0 || table[WaitKey] != 0 || table[WaitText] != 0;
    const bool holding = table[HookAt::MacroPlaying] == HookAt::PlayingHoldsTyping &&
                         Playing(table) && !waitsForInput && !holdGaveUp_;
    const std::uint16_t key = event.vk & 0xFF;
    // Escape still stops the run, and a hot key the player acts on during a
    // run reaches it at once.
    if (key == VirtualKey::Escape || (!holding && heldCount_ == 0) ||
        (holding && !event.up && ActsDuringRun(event, table)))
        return false;
    // A release whose press went through goes through, so that nothing stays
    // down; a modifier's waits behind the keys held before it, which it
    // changed.
    if (event.up && !heldDown_[key] && (heldCount_ == 0 || !IsModifier(TrackedKey(event))))
        return false;
    if (heldCount_ == 0)
        HoldModifiersHeldNow(event);
    // Room for this one is certain: the first key takes at most nine places,
    // each later one one, and the one past MaxHeldKeys sends them all.
    heldKeys_[heldCount_++] = {event.vk, static_cast<std::uint16_t>(event.scanCode), event.extended,
                               event.up};
    heldDown_[key] = !event.up;
    d.swallow = true;
    if (heldCount_ > MaxHeldKeys)
        holdGaveUp_ = true;
    // The first key after the hold, or the one that found no room, sends them
    // all, itself last.
    d.replayHeld = !holding || holdGaveUp_;
    return true;
}

bool InputDecider::ActsDuringRun(const KeyEvent& event, ConstBytes table) const {
    KeyCombination keys = UserHeld();
    keys.vk = TrackedKey(event);
    return TerminatesPlayer(table, EncodeHotKey(keys));
}

void InputDecider::HoldModifiersHeldNow(const KeyEvent& first) {
    for (std::size_t i = 0; i < ModifierKeys.size(); ++i) {
        if ((userKeys_ & (1u << i)) == 0 || ModifierKeys[i] == SidedKey(first.vk))
            continue;
        heldKeys_[heldCount_++] = userPresses_[i];
        heldDown_[ModifierKeys[i]] = true;
    }
}

std::span<const HeldKey> InputDecider::TakeHeldKeys() {
    const std::size_t count = heldCount_;
    std::copy_n(heldKeys_.begin(), count, replaying_.begin());
    heldCount_ = 0;
    heldDown_.reset();
    return {replaying_.data(), count};
}

}  // namespace orv
