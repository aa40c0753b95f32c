#include "player/command_line.h"

#include "common/string_routines.h"
#include "common/whole_numbers.h"

namespace orv::player {

namespace {

bool Begins(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

std::vector<std::string> CommandLineFiles(const std::vector<std::string>& params) {
    std::vector<std::string> files;
    for (const std::string& param : params)
        if (Begins(UpperAscii(param), "/F"))
            files.push_back(param.substr(2));
    return files;
}

ParamEffect ProcessParam(std::string_view param, SettingsBlock& settings) {
    const std::string upper = UpperAscii(param);
    // The first matching test decides, so "/S" alone is Auto Sync while "/SM"
    // with digits is the sync interval.
    if (upper == "/B" || upper == "/BA")
        return {ParamEffect::Browse, {}};
    if (upper == "/S") {
        settings.AutoSync = true;
        return {};
    }
    if (Begins(upper, "/A"))
        return {ParamEffect::Startup, upper.substr(2, 50)};
    if (upper == "/N") {
        settings.NetworkMode = true;
        return {ParamEffect::Network, {}};
    }
    if (Begins(upper, "/SM")) {
        const auto minutes = ParseWholeNumber(upper.substr(3));
        if (minutes && *minutes >= 1 && *minutes <= 98)
            settings.SyncMinutes = static_cast<std::uint16_t>(*minutes);
        return {};
    }
    if (Begins(upper, "/T"))
        settings.UseTray = true;
    else if (Begins(upper, "/H"))
        settings.UseTray = false;
    else if (Begins(upper, "/EN"))
        settings.StartEditor = false;
    else if (Begins(upper, "/EY"))
        settings.StartEditor = true;
    return {};
}

std::vector<std::string> SplitParams(std::string_view commandLine) {
    std::vector<std::string> params;
    std::string current;
    bool quoted = false, any = false;
    for (char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            any = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (any)
                params.push_back(current);
            current.clear();
            any = false;
        } else {
            current += c;
            any = true;
        }
    }
    if (any)
        params.push_back(current);
    if (!params.empty())
        params.erase(params.begin());  // the program itself
    return params;
}

bool HasTraySwitch(const std::vector<std::string>& params) {
    for (const std::string& p : params)
        if (p == "/S")
            return true;
    return false;
}

std::string NicknameAfterA(std::string_view commandLine) {
    // Read as parameters, so quotes around or inside "/A" group the name and
    // never stay in it; the parameters after it carry an unquoted name's blanks.
    std::string rest;
    bool found = false;
    for (const std::string& param : SplitParams(commandLine)) {
        const std::string upper = UpperAscii(param);
        if (found) {
            rest += " " + upper;
        } else if (Begins(upper, "/A")) {
            rest = upper.substr(2);
            found = true;
        }
    }
    return TrimStr(std::string_view(rest).substr(0, rest.find('/')));
}

std::string StartupNickname(std::string_view commandLine) {
    return NicknameAfterA(commandLine).substr(0, 50);
}

bool HandOverBuffer::Add(unsigned char c) {
    if (c == 0)
        return false;
    if (text_.size() < MaxLength)
        text_ += static_cast<char>(c);
    else
        tooLong_ = true;
    return true;
}

namespace {

// A shortcut's empty or blank quotes ("") ask for nothing.
bool AllBlank(const std::vector<std::string>& params) {
    for (const std::string& p : params)
        if (p.find_first_not_of(" \t") != std::string::npos)
            return false;
    return true;
}

}  // namespace

std::optional<HandOverRequest> HandOverBuffer::Take() {
    std::optional<HandOverRequest> request;
    if (!tooLong_)
        request = HandOverRequest{AllBlank(SplitParams(text_)), NicknameAfterA(text_)};
    text_.clear();
    tooLong_ = false;
    return request;
}

}  // namespace orv::player
