// A host for the e-mail command that records what the user would have seen,
// in order, answers the prompt from a script and sends over the transport
// the test chose.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "mail/mail_command.h"

namespace orv::player::testing {

template <typename TransportType>
class RecordingMailHost final : public MailCommandHost {
  public:
    bool Winsock = true;
    std::optional<std::string> Clipboard;
    std::map<int, EmailPromptAnswers> Answers;  // a mode without one aborts
    std::vector<std::string> Seen;
    TransportType Peer;

    bool WinsockPresent() override { return Winsock; }
    std::optional<std::string> ClipboardText() override { return Clipboard; }
    std::optional<EmailPromptAnswers> GetTheEMail(int mode) override {
        Seen.push_back("prompt " + std::to_string(mode));
        auto it = Answers.find(mode);
        if (it == Answers.end())
            return std::nullopt;
        return it->second;
    }
    void ShowStatus(std::string_view caption) override {
        Seen.push_back("show " + std::string(caption));
    }
    void SetStatus(std::string_view text) override {
        Seen.push_back("status " + std::string(text));
    }
    void CloseStatus() override { Seen.push_back("close"); }
    void DoAMessage(std::string_view caption, std::string_view text) override {
        Seen.push_back("message " + std::string(caption) + ": " + std::string(text));
    }
    void ShowTextBox(std::string_view caption, std::string_view text) override {
        Seen.push_back("text box " + std::string(caption) + ": " + std::string(text));
    }
    LineTransport& Transport() override { return Peer; }
};

}  // namespace orv::player::testing
