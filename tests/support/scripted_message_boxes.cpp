#include "tests/support/scripted_message_boxes.h"

#include <gtest/gtest.h>

namespace orv::testing {

ScriptedMessageBoxes::ScriptedMessageBoxes() : previous_(&CurrentMessageBoxes()) {
    SetCurrentMessageBoxes(this);
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() {
    SetCurrentMessageBoxes(previous_);
    for (const Expectation& e : expected_) ADD_FAILURE() << "prompt never shown: " << e.text;
}

void ScriptedMessageBoxes::Expect(std::string text, int answer, std::string caption) {
    expected_.push_back({std::move(text), std::move(caption), answer});
}

int ScriptedMessageBoxes::Show(std::string_view caption, std::string_view text, unsigned style) {
    shown_.push_back({std::string(caption), std::string(text), style});
    if (expected_.empty()) {
        ADD_FAILURE() << "unexpected prompt \"" << caption << "\": " << text;
        return MsgResult::Cancel;
    }
    Expectation e = expected_.front();
    expected_.pop_front();
    EXPECT_EQ(e.text, text);
    if (!e.caption.empty()) {
        EXPECT_EQ(e.caption, caption);
    }
    return e.answer;
}

}  // namespace orv::testing
