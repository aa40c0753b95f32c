// A complete token of any form of the token table, for tests that go over
// every form: zeros in its fixed fields, "x" for each of its texts.
#pragma once

#include <string>
#include <vector>

#include "common/script/token_table.h"
#include "player/command_context.h"

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

// Plays the sample token of every form the player hands to `family` and
// returns those after which `acted` saw nothing, and those that reached a
// default branch (marked so): a form whose case is gone falls to its
// family's default, which reports it and does nothing. `play` runs one token
// afresh (its fakes cleared).
template <class Play, class Acted>
std::vector<std::string> FormsThatDidNothing(FamilyId family, Play play, Acted acted) {
    std::vector<std::string> idle;
    for (const TokenForm& form : TokenTable()) {
        if (!(form.Use & TokenUse::Player) || FamilyOf(form) != family)
            continue;
        const std::string token = SampleToken(form);
        const std::size_t reported = FormsWithoutCase();
        play(token);
        if (FormsWithoutCase() != reported)
            idle.push_back(token + " reached no case");
        else if (!acted())
            idle.push_back(token);
    }
    return idle;
}

}  // namespace orv::player::testing
