// Checks on a dialog's outcome shared by the compose tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "editor/commands/command_dialogs.h"

namespace orv::editor::testing {

// A refusal: the message, the control to focus, and no command.
template <class Outcome, class Field>
void ExpectRefused(const Outcome& out, const std::string& message, Field focus) {
    ASSERT_TRUE(out.Refused) << out.CommandText;
    EXPECT_EQ(out.Refused->Message, message);
    EXPECT_EQ(out.Refused->Focus, focus);
    EXPECT_EQ(out.CommandText, "");
}

}  // namespace orv::editor::testing
