// The replies of a scripted SMTP peer: per command verb, the scripted ones in
// turn, then a plain default.
#pragma once

#include <deque>
#include <map>
#include <string>

namespace orv::player::testing {

using SmtpReplies = std::map<std::string, std::deque<std::string>>;

inline std::string NextScriptedReply(SmtpReplies& replies, const std::string& verb) {
    auto& queue = replies[verb];
    if (!queue.empty()) {
        std::string reply = queue.front();
        queue.pop_front();
        return reply;
    }
    static const std::map<std::string, std::string> defaults = {{"GREETING", "220 peer ready"},
                                                                {"HELO", "250 hello"},
                                                                {"MAIL", "250 ok"},
                                                                {"RCPT", "250 ok"},
                                                                {"DATA", "354 go ahead"},
                                                                {".", "250 queued"},
                                                                {"QUIT", "221 bye"}};
    auto it = defaults.find(verb);
    return it == defaults.end() ? "500 unknown" : it->second;
}

// The replies to one verb, in turn.
template <typename... Texts>
SmtpReplies Reply(const std::string& verb, const Texts&... texts) {
    return {{verb, {std::string(texts)...}}};
}

}  // namespace orv::player::testing
