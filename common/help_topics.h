// The help file's topics: every keyword the programs open help at, with the
// page of the compiled help file (ORVHELP.CHM) that answers it. The help
// service and the build's generator of the help file read this one table, so
// a keyword the programs use cannot be left without its page.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace orv {

constexpr std::string_view HelpFileName = "ORVHELP.CHM";
constexpr std::string_view HelpContentsKeyword = "Contents";
constexpr std::string_view HelpContentsPage = "contents.htm";
// Made at build time from the command catalogue, like the contents page.
constexpr std::string_view HelpScriptLanguagePage = "script_language.htm";

struct HelpTopic {
    std::string_view Keyword;
    std::string_view Page;   // the page's file inside the help file
    std::string_view Title;  // the page's heading and its line in the contents
    bool Guide;              // a chapter of the contents rather than one dialog's page
};

std::span<const HelpTopic> HelpTopics();

// The topic of a keyword (compared without regard to case), or nullptr.
const HelpTopic* FindHelpTopic(std::string_view keyword);

// What the help viewer is asked to show for a keyword: the help file and the
// keyword's page within it, "C:\Orvane\ORVHELP.CHM::/sort_order.htm"; a
// keyword with no page shows the contents.
std::string HelpAddress(std::string_view helpFile, std::string_view keyword);

}  // namespace orv
