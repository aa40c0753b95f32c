// A complete token of any form of the token table, for tests that go over
// every form: zeros in its fixed fields, "x" for each of its texts.
#pragma once

#include <string>

#include "common/script/token_table.h"

namespace orv::player::testing {

inline std::string SampleToken(const TokenForm& form) {
    // The e-mail token's text has fields of its own: prompt for the
    // recipients and the text, no attachments.
    if (form.Code == CommandCode::EMailSend)
        return "<EMAIL:00R2S2A1>";
    std::string token(form.Head);
    token.append(form.Offset > token.size() ? form.Offset - token.size() : 0, '0');
    switch (form.Shape) {
        case TokenShape::Exact:
            return token;
        case TokenShape::Closed:
            return token + ">";
        case TokenShape::FreeText:
        case TokenShape::Program:
        case TokenShape::TextBox:
            return token + "x>" + (form.Shape == TokenShape::TextBox ? "x>" : "");
        case TokenShape::TitleProgram:
            return token + "x<LAUNCH:x>";
        case TokenShape::Network:
            return token + ":<NAME:x><PASS:x>x>";
        case TokenShape::Disconnect:
            return token + ":x>";
        case TokenShape::Credentials:
            return token + "x><PASS:x>x>";
    }
    return token;
}

}  // namespace orv::player::testing
