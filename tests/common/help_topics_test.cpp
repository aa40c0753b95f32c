#include "common/help_topics.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "common/files.h"

namespace orv {
namespace {

TEST(HelpTopics, AKeywordOpensItsPageAndAnUnknownOneTheContents) {
    struct Row {
        std::string_view Keyword;
        std::string_view Address;
    } rows[] = {
        {"Sort Order", "C:\\Orvane\\ORVHELP.CHM::/sort_order.htm"},
        // WinHelp's keywords were never case-sensitive.
        {"sort ORDER", "C:\\Orvane\\ORVHELP.CHM::/sort_order.htm"},
        {"Contents", "C:\\Orvane\\ORVHELP.CHM::/contents.htm"},
        {"No Such Dialog", "C:\\Orvane\\ORVHELP.CHM::/contents.htm"},
        {"", "C:\\Orvane\\ORVHELP.CHM::/contents.htm"},
    };
    for (const Row& row : rows)
        EXPECT_EQ(HelpAddress("C:\\Orvane\\ORVHELP.CHM", row.Keyword), row.Address) << row.Keyword;
}

TEST(HelpTopics, KeywordsAndPagesAreEachTakenOnce) {
    std::set<std::string> keywords, pages;
    for (const HelpTopic& topic : HelpTopics()) {
        std::string upper(topic.Keyword);
        for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_TRUE(keywords.insert(upper).second) << topic.Keyword;
        EXPECT_TRUE(pages.insert(std::string(topic.Page)).second) << topic.Page;
        // A page name the CHM compiler and every viewer take as it is.
        EXPECT_EQ(topic.Page.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789_."),
                  std::string_view::npos)
            << topic.Page;
    }
    EXPECT_EQ(HelpTopics().front().Page, HelpContentsPage);
}

#ifdef ORVANE_SOURCE_ROOT
namespace fs = std::filesystem;

// The string literals of a piece of source.
std::vector<std::string> Literals(std::string_view code) {
    std::vector<std::string> found;
    for (std::size_t at = code.find('"'); at != std::string_view::npos;) {
        std::size_t end = code.find('"', at + 1);
        if (end == std::string_view::npos)
            break;
        found.emplace_back(code.substr(at + 1, end - at - 1));
        at = code.find('"', end + 1);
    }
    return found;
}

// The arguments of the call whose "(" stands at open, split at the commas
// outside brackets and quotes.
std::vector<std::string_view> Arguments(std::string_view code, std::size_t open) {
    std::vector<std::string_view> args;
    int depth = 0;
    bool quoted = false;
    std::size_t from = open + 1;
    for (std::size_t i = open + 1; i < code.size(); ++i) {
        char c = code[i];
        if (c == '"' && code[i - 1] != '\\')
            quoted = !quoted;
        if (quoted)
            continue;
        if (c == '(' || c == '{')
            ++depth;
        else if ((c == ')' || c == '}') && depth-- == 0) {
            args.push_back(code.substr(from, i - from));
            break;
        } else if (c == ',' && depth == 0) {
            args.push_back(code.substr(from, i - from));
            from = i + 1;
        }
    }
    return args;
}

// Every help keyword the programs' sources name: what a form sets as its
// HelpKeyword, and the keyword argument of the forms that take it from
// their callers.
std::set<std::string> KeywordsInSources() {
    struct Taker {
        std::string_view Call;
        std::size_t Argument;
    } takers[] = {{"TCommandDialog(", 4}, {"TMacroPickForm(", 2}};
    std::set<std::string> keywords;
    for (const char* area : {"common", "editor", "player", "mail"}) {
        for (const auto& entry :
             fs::recursive_directory_iterator(fs::path(ORVANE_SOURCE_ROOT) / area)) {
            if (entry.path().extension() != ".cpp")
                continue;
            const std::string code = ReadWholeFile(entry.path().string()).value_or("");
            std::string_view view(code);
            for (std::size_t at = view.find("HelpKeyword = "); at != std::string_view::npos;
                 at = view.find("HelpKeyword = ", at + 1))
                for (std::string& literal : Literals(view.substr(at, view.find(';', at) - at)))
                    keywords.insert(literal);
            for (const Taker& taker : takers)
                for (std::size_t at = view.find(taker.Call); at != std::string_view::npos;
                     at = view.find(taker.Call, at + 1)) {
                    std::vector<std::string_view> args =
                        Arguments(view, at + taker.Call.size() - 1);
                    if (args.size() > taker.Argument)
                        for (std::string& literal : Literals(args[taker.Argument]))
                            keywords.insert(literal);
                }
        }
    }
    keywords.erase("");  // a dialog without help
    return keywords;
}

TEST(HelpTopics, EveryKeywordTheProgramsUseHasAPage) {
    const std::set<std::string> keywords = KeywordsInSources();
    // The scan finds the dialogs' keywords at all: every form that sets one,
    // and the command dialogs and macro pickers that are given theirs.
    for (const char* known : {"Sort Order", "Capture Complete", "Web FTP", "Set Delays",
                              "Activating Windows", "Export Macros", "Quick Wizard"})
        EXPECT_TRUE(keywords.count(known)) << known;
    EXPECT_GT(keywords.size(), 45u);
    for (const std::string& keyword : keywords)
        EXPECT_NE(FindHelpTopic(keyword), nullptr) << "no help page for \"" << keyword << "\"";
}

TEST(HelpTopics, EveryPageIsWrittenOrMadeByTheGenerator) {
    const fs::path written = fs::path(ORVANE_SOURCE_ROOT) / "help" / "pages";
    for (const HelpTopic& topic : HelpTopics()) {
        if (topic.Page == HelpContentsPage || topic.Page == HelpScriptLanguagePage)
            continue;
        EXPECT_TRUE(fs::exists(written / topic.Page)) << topic.Keyword;
    }
}
#endif

}  // namespace
}  // namespace orv
