#include "common/script/email_token.h"

#include <gtest/gtest.h>

#include <string>

namespace orv {
namespace {

TEST(EmailTokenTest, MeasuredByItsFields) {
    struct Case {
        std::string token;
        bool complete;
    };
    const std::string lists =
        "<EMAIL:01R1TOa@b.c\x01"
        "CCd@e.f\x01"
        "BLg@h.i\x01";
    const Case cases[] = {
        // ">" inside the text, the subject and the file list.
        {lists + "S1x > y\x01sub>j\x01"
                 "A2c:\\a>b.txt\x01>",
         true},
        {"<EMAIL:00R0S2A3>", true},
        {"<EMAIL:01R1CCd@e.f\x01S3s>\x01"
         "A1>",
         true},
        {"<EMAIL:00R0S4f.txt\x01subj\x01"
         "A3>",
         true},
        // Cut short or with a code the token does not have.
        {"<EMAIL:01R1TOa@b.c", false},
        {"<EMAIL:00R0S1text\x01subject>", false},
        {"<EMAIL:00R0S5A3>", false},
        {"<EMAIL:00R0S2A3", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.token);
        // What follows a complete token is not part of it; the end of the
        // text cuts an incomplete one short.
        const std::string text = "ab" + c.token + (c.complete ? "cd" : "");
        EXPECT_EQ(MeasureEmailToken(text, 2),
                  c.complete ? std::optional(c.token.size()) : std::nullopt);
    }
}

}  // namespace
}  // namespace orv
