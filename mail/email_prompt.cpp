#include "mail/email_prompt.h"

#include <algorithm>

#include "common/script/email_command.h"
#include "common/string_routines.h"
#include "mail/codings.h"

namespace orv::player {

OfferedRecipients OfferedRecipientLines(const std::optional<std::string>& fileText) {
    OfferedRecipients offered;
    if (!fileText)
        return offered;
    for (std::string& line : SplitTextLines(*fileText)) {
        if (line.size() > RecipientLineLimit)
            offered.LongLinesLeftOut = true;
        else if (!HasListBreak(line))
            offered.Lines.push_back(std::move(line));
    }
    return offered;
}

std::string RecipientAnswer(std::string_view typedName, std::string_view typedAddress,
                            const std::vector<std::string>& selectedLines) {
    std::vector<std::string> items;
    std::string address = TrimStr(typedAddress);
    if (!address.empty())
        items.push_back(TrimStr(typedName) + "|" + address);
    items.insert(items.end(), selectedLines.begin(), selectedLines.end());
    return EmailListText(items);
}

EmailPromptAnswers MessageAnswers(std::string_view memo, std::string_view subject, bool receipt) {
    std::string trimmed = TrimStr(subject);
    return {std::string(memo), trimmed.empty() ? "No Subject" : trimmed, receipt ? "YES" : "NO"};
}

EmailPromptAnswers AttachmentAnswers(const std::vector<std::string>& paths) {
    return {EmailListText(paths), "", ""};
}

int SelectionAfterDelete(int removed, int count) {
    if (count <= 0)
        return -1;
    return removed < count ? removed : count - 1;
}

}  // namespace orv::player
