#include "tests/player/recording_host.h"

#include <cstring>
#include <set>

namespace orv::player::testing {

namespace {

constexpr std::string_view UnshiftedPunctuation = "`-=[]\\;',./";
constexpr std::string_view ShiftedPunctuation = "~_+{}|:\"<>?";
constexpr std::uint8_t PunctuationKeys[] = {0xC0, 0xBD, 0xBB, 0xDB, 0xDD, 0xDC,
                                            0xBA, 0xDE, 0xBC, 0xBE, 0xBF};
constexpr std::string_view ShiftedDigits = ")!@#$%^&*(";

// The character of a key on a US layout, 0 for none.
char CharOfKey(int vk, bool shift) {
    if (vk >= 'A' && vk <= 'Z')
        return static_cast<char>(shift ? vk : vk + 32);
    if (vk >= '0' && vk <= '9')
        return shift ? ShiftedDigits[vk - '0'] : static_cast<char>(vk);
    for (std::size_t i = 0; i < std::size(PunctuationKeys); ++i) {
        if (PunctuationKeys[i] == vk)
            return shift ? ShiftedPunctuation[i] : UnshiftedPunctuation[i];
    }
    if (vk == 32)
        return ' ';
    if (vk == 13)
        return '\n';
    if (vk == 9)
        return '\t';
    return 0;
}

}  // namespace

void RecordingHost::KeyEvent(std::uint8_t virtualKey, bool up, bool /*extended*/) {
    // A modifier with no side is the left one, as the system has it.
    const ModifierKeySet bit = ModifierKeyBit(virtualKey == 16   ? 0xA0
                                              : virtualKey == 17 ? 0xA2
                                              : virtualKey == 18 ? 0xA4
                                                                 : virtualKey);
    injectedDown_ = up ? injectedDown_ & ~bit : injectedDown_ | bit;
    injectedUp_ = up ? injectedUp_ | (bit & UserModifiers) : injectedUp_ & ~bit;
    Trace.push_back((up ? "u" : "d") + std::to_string(virtualKey));
}

void RecordingHost::MouseEvent(std::uint32_t flags, std::int32_t x, std::int32_t y,
                               std::int32_t data) {
    if (flags & MouseFlag::Move) {
        MoveFlags = flags;
        Trace.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    } else if (flags == MouseFlag::Wheel) {
        Trace.push_back("wheel " + std::to_string(data));
    } else {
        Trace.push_back("mouse " + std::to_string(flags));
    }
}

std::optional<std::uint16_t> RecordingHost::KeyForChar(unsigned char c) {
    if (c >= 'a' && c <= 'z')
        return c - 32;
    if (c >= 'A' && c <= 'Z')
        return 0x100 | c;
    if (c >= '0' && c <= '9')
        return c;
    if (c == ' ' || c == '\t' || c == '\r' || c == '\b')
        return c == '\r' ? 13 : c;
    if (c == '\n')
        return 0x200 | 13;  // Ctrl+Enter, as the system's layouts give it
    if (const char* at = std::strchr(UnshiftedPunctuation.data(), c); at && c) {
        return PunctuationKeys[at - UnshiftedPunctuation.data()];
    }
    if (const char* at = std::strchr(ShiftedPunctuation.data(), c); at && c) {
        return 0x100 | PunctuationKeys[at - ShiftedPunctuation.data()];
    }
    if (const char* at = std::strchr(ShiftedDigits.data(), c); at && c) {
        return 0x100 | ('0' + (at - ShiftedDigits.data()));
    }
    return std::nullopt;
}

bool RecordingHost::MovePointerToCaret() {
    if (!Caret)
        return false;
    Trace.push_back("caret " + std::to_string(Caret->X) + "," + std::to_string(Caret->Y));
    return true;
}

void RecordingHost::PumpMessages() {
    if (OnPump)
        OnPump();
}

void RecordingHost::Idle(std::uint32_t ms) {
    NowMs += ms;
    IdleMs += ms;
}

void RecordingHost::DoAMessage(std::string_view caption, std::string_view text) {
    Trace.push_back("notice " + std::string(caption) + ": " + std::string(text));
    if (OnNotice)
        OnNotice();
}

std::optional<std::string> RecordingHost::MacroScript(std::string_view nickname) {
    auto found = Macros.find(std::string(nickname));
    if (found == Macros.end())
        return std::nullopt;
    return found->second;
}

std::optional<std::string> RecordingHost::ReadTextFile(std::string_view path,
                                                       std::size_t maxBytes) {
    auto found = Files.find(std::string(path));
    if (found == Files.end())
        return std::nullopt;
    return found->second.substr(0, maxBytes + 1);
}

std::string RecordingHost::Typed() const {
    std::string text;
    bool shift = false, ctrl = false, alt = false;
    int altCode = -1;
    for (const std::string& line : Trace) {
        if (line.starts_with("char "))
            text += line[5];
        if (line[0] != 'd' && line[0] != 'u')
            continue;
        const bool up = line[0] == 'u';
        const int vk = std::stoi(line.substr(1));
        if (vk == 16)
            shift = !up;
        if (vk == 17)
            ctrl = !up;
        if (vk == 18) {
            alt = !up;
            if (!up)
                altCode = 0;
            if (up && altCode > 0)
                text += static_cast<char>(altCode & 0xFF);
            if (up)
                altCode = -1;
        }
        if (up || vk == 16 || vk == 17 || vk == 18)
            continue;
        if (alt && vk >= 0x60 && vk <= 0x69) {
            altCode = altCode * 10 + (vk - 0x60);
            continue;
        }
        const char c = CharOfKey(vk, shift);
        if (ctrl && c) {
            text += '^';
            text += static_cast<char>(CharOfKey(vk, true));
        } else if (c) {
            text += c;
        } else {
            text += "[" + std::to_string(vk) + "]";
        }
    }
    return text;
}

std::vector<std::string> RecordingHost::Keys() const {
    std::vector<std::string> keys;
    for (const std::string& line : Trace) {
        if (line[0] == 'd' || line[0] == 'u' || line.starts_with("mouse "))
            keys.push_back(line);
    }
    return keys;
}

std::vector<int> RecordingHost::StillDown() const {
    std::set<int> down;
    for (const std::string& line : Keys()) {
        if (line.starts_with("mouse ")) {
            const int flag = std::stoi(line.substr(6));
            // Down flags are 2, 8, 32; each one's up is twice it.
            if (flag == 2 || flag == 8 || flag == 32)
                down.insert(-flag);
            if (flag == 4 || flag == 16 || flag == 64)
                down.erase(-(flag / 2));
            continue;
        }
        const int vk = std::stoi(line.substr(1));
        if (line[0] == 'd') {
            down.insert(vk);
        } else {
            down.erase(vk);
        }
    }
    return {down.begin(), down.end()};
}

std::vector<std::string> RecordingHost::Notices() const {
    std::vector<std::string> notices;
    for (const std::string& line : Trace) {
        if (line.starts_with("notice "))
            notices.push_back(line.substr(7));
    }
    return notices;
}

}  // namespace orv::player::testing
