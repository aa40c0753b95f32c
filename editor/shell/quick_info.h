// What the "Quick Info" dialog shows of the selected macro.
#pragma once

#include <functional>
#include <string>

#include "common/date_time.h"
#include "common/macro_record.h"

namespace orv::editor {

struct QuickInfoTexts {
    std::string ActivationCaption;  // "Hot Key:", "Cueword:", "Timed Macro:", ...
    std::string ActivationValue;
    std::string Nickname;
    std::string Scope;
    std::string Active;       // "Yes" or "No"
    bool ShowScript = false;  // pop-up menus and system macros have none to show
    std::string Script;
};

QuickInfoTexts QuickInfoOf(const MacroRecord& macro);

// "Last Modified On " and the date and time as the system writes them
// (format); a stored value that is no date at all reads as unknown.
std::string LastModifiedText(DateTime changed,
                             const std::function<std::string(const DateTimeParts&)>& format);

}  // namespace orv::editor
