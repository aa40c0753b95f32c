// A table of SMTP peers for a parameterised test: what the peer replies, how
// the send ends and what the client said. Setup is what a suite arranges
// beyond the replies (wire faults, time-outs, the message).
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "mail/smtp.h"
#include "tests/mail/smtp_reply_script.h"

namespace orv::player::testing {

template <typename Setup>
struct PeerRow {
    std::string name;
    SmtpReplies replies;
    SendOutcome outcome;
    std::string text;                              // the error's text, empty when sent
    std::optional<std::vector<std::string>> said;  // all the client said, where it matters
    Setup setup;
    std::optional<std::string> orText;  // where the system's wording may vary
};

template <typename Setup>
void PrintTo(const PeerRow<Setup>& row, std::ostream* out) {
    *out << row.name;
}

struct RowName {
    template <typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& info) const {
        return info.param.name;
    }
};

template <typename Setup>
void ExpectEnding(const PeerRow<Setup>& row, const SendResult& result,
                  const std::vector<std::string>& said) {
    EXPECT_EQ(result.Outcome, row.outcome);
    EXPECT_TRUE(result.ErrorText == row.text || result.ErrorText == row.orText)
        << "\"" << result.ErrorText << "\" where \"" << row.text << "\" was expected";
    if (row.said) {
        EXPECT_EQ(said, *row.said);
    }
}

inline const SmtpReplies defaultReplies;
inline const std::string connectionReset = "[10054] Connection reset by peer";
inline const std::string timedOut = "Operation timed out";

}  // namespace orv::player::testing
