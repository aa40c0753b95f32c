// The first-time setup's answers made settings: stored in the program's
// settings, the sections they touch written, the network lock and the player
// told; and the starter macros the setup offers afterwards.
#pragma once

#include <array>

#include "common/network_lock.h"
#include "common/notices.h"
#include "common/settings.h"
#include "editor/wizard/wizard_answers.h"
#include "editor/wizard/wizard_finish.h"

namespace orv::editor {

// Sets what the setup's panels ask (Cuewords, capture, network mode, the
// start-up welcome, the e-mail defaults); every other setting keeps its value.
void StoreFirstTimeAnswers(const WizardAnswers& answers, SettingsBlock& settings);

// Stores the setup's answers in settings, tells the lock of the network mode
// and automatic update they may have switched, writes the Cueword, Capture,
// Network, Misc and EMail sections and posts the codes that make the player
// re-read them (10, 11, 12, 13, 15).
void SaveFirstTimeSettings(const FirstTimeOutcome& setup, SettingsBlock& settings, Configs& configs,
                           NetworkLock& lock, ProgramNotices& player);

// A starter macro: the choice that asks for it, the wizard that makes it and
// what the user is told before that wizard opens.
struct StarterMacro {
    bool FirstTimeChoices::*Chosen;
    int Kind;
    const char* Explanation;
};

// In the order they are offered.
const std::array<StarterMacro, 11>& StarterMacros();

}  // namespace orv::editor
