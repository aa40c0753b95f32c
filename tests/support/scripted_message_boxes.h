// Answers the program's prompts from a script and keeps what was shown. An
// unexpected prompt, or an expectation left unused, fails the test.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "common/message_boxes.h"

namespace orv::testing {

struct ShownMessage {
    std::string caption;
    std::string text;
    unsigned style = 0;
};

class ScriptedMessageBoxes final : public MessageBoxes {
public:
    // Installs itself as the program's prompts for its lifetime.
    ScriptedMessageBoxes();
    ~ScriptedMessageBoxes() override;

    // The next prompt must show this text (and caption, when given) and is
    // answered with the given button.
    void Expect(std::string text, int answer = MsgResult::Ok, std::string caption = {});

    int Show(std::string_view caption, std::string_view text, unsigned style) override;

    const std::vector<ShownMessage>& Shown() const { return shown_; }

private:
    struct Expectation {
        std::string text;
        std::string caption;
        int answer;
    };
    std::deque<Expectation> expected_;
    std::vector<ShownMessage> shown_;
    MessageBoxes* previous_;
};

}  // namespace orv::testing
