// Writes the sources of the help file ORVHELP.CHM: one HTML page for every
// topic of common/help_topics (the written pages wrapped in the common frame,
// the contents page and the script language page made here), the project,
// the contents and the index for the CHM compiler, and topics.txt, each
// page's file and keyword a line, for the checks of the release.
// The script language page is made from the command catalogue and the token
// table, so it always tells what the programs read.
//   make_help <folder of the written pages> <output folder>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <string_view>

#include "common/help_topics.h"
#include "common/script/catalogue.h"
#include "common/script/token_table.h"
#include "help/token_patterns.h"

namespace fs = std::filesystem;
using namespace orv;

namespace {

std::string Escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '&':
                out += "&amp;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string Framed(std::string_view title, std::string_view body) {
    std::ostringstream page;
    page << "<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.01//EN\">\n<html><head>\n"
         << "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">\n"
         << "<title>" << Escaped(title) << "</title>\n"
         << "<link rel=\"stylesheet\" type=\"text/css\" href=\"help.css\">\n</head><body>\n"
         << "<h1>" << Escaped(title) << "</h1>\n"
         << body << "\n<p class=\"back\"><a href=\"" << HelpContentsPage
         << "\">Contents</a></p>\n</body></html>\n";
    return page.str();
}

std::string Link(const HelpTopic& topic) {
    return "<a href=\"" + std::string(topic.Page) + "\">" + Escaped(topic.Title) + "</a>";
}

std::string ContentsBody() {
    std::ostringstream body;
    body << "<p>Orvane plays keyboard and mouse macros into any program: on a hot key, on a typed "
            "Cueword, when a window opens, at a set time or from a pop-up menu. Start with "
            "<i>Getting started</i>.</p>\n<h2>Guide</h2>\n<ul>\n";
    for (const HelpTopic& topic : HelpTopics())
        if (topic.Guide && topic.Page != HelpContentsPage)
            body << "<li>" << Link(topic) << "</li>\n";
    body << "</ul>\n<h2>Dialogs</h2>\n<ul>\n";
    for (const HelpTopic& topic : HelpTopics())
        if (!topic.Guide)
            body << "<li>" << Link(topic) << "</li>\n";
    body << "</ul>\n";
    return body.str();
}

// The pattern of a form; a form whose fields the patterns do not know stops
// the build, so the page never shows a token the programs would not read.
std::string Pattern(const TokenForm& form) {
    std::optional<std::string> pattern = TokenPattern(form);
    if (!pattern) {
        std::cerr << "make_help: no field layout for the token " << form.Head << "\n";
        std::exit(1);
    }
    return *pattern;
}

// Each form of a command a line: its pattern and what its fields mean, the
// meaning left out where it repeats the line before.
void CommandRows(std::ostream& body) {
    body << "<table>\n<tr><th>No.</th><th>Command</th><th>Token and its fields</th></tr>\n";
    for (int number = 1; number <= CommandCount; ++number) {
        CommandCode code = CodeOf(number);
        std::string forms;
        std::string_view told;
        for (const TokenForm& form : TokenTable()) {
            if (form.Code != code || code == CommandCode::Text || !(form.Use & TokenUse::Editor))
                continue;
            if (!forms.empty())
                forms += "<br>";
            forms += "<code>" + Escaped(Pattern(form)) + "</code>";
            std::string_view meaning = TokenFieldMeaning(form);
            if (!meaning.empty() && meaning != told)
                forms += " &mdash; " + Escaped(meaning);
            told = meaning;
            if (!(form.Use & TokenUse::Written))
                forms += " (an older form, still read)";
        }
        if (code == CommandCode::Text)
            forms = "the text itself, with the keystroke tokens below";
        else if (code == CommandCode::Date || code == CommandCode::Time)
            forms = "a format token, below";
        body << "<tr><td>" << number << "</td><td>" << Escaped(CommandName(code)) << "</td><td>"
             << forms << "</td></tr>\n";
    }
    body << "</table>\n";
}

void KeystrokeRows(std::ostream& body) {
    body << "<p>";
    for (int i = 0; i < KeystrokeTokenCount - KeystrokeTokensKeptAsText; ++i)
        body << "<code>" << Escaped(KeystrokeTokens[i].Token) << "</code> ";
    body << "</p>\n<p>Characters that have no key of their own are typed as their code on the "
            "numeric keypad: ";
    for (const TokenForm& form : TokenTable())
        if (form.Code == CommandCode::Text && form.Shape == TokenShape::Closed)
            body << "<code>" << Escaped(Pattern(form)) << "</code> ";
    body << "(<code>c</code>: the digits of the code).</p>\n";
}

template <std::size_t N>
void FormatRows(std::ostream& body, const std::array<FormatEntry, N>& formats, bool isDate) {
    body << "<table>\n<tr><th>Token</th><th>Typed as</th></tr>\n";
    for (const FormatEntry& format : formats)
        body << "<tr><td><code>"
             << Escaped("<" + std::string(format.Name) + (isDate ? "{ZDnnn}>" : "{Z}>"))
             << "</code></td><td>" << Escaped(format.Sample) << "</td></tr>\n";
    body << "</table>\n";
}

std::string ScriptBody() {
    std::ostringstream body;
    body << "<p>A macro's script is text: what is to be typed, as it is, mixed with tokens in "
            "angle brackets. The scripting editor writes the tokens for you, one dialog a command; "
            "the direct editor and text files take them as written here. Text that merely begins "
            "like a token is typed as text.</p>\n"
            "<p>In the patterns below each lower-case letter before the first free part stands "
            "for one digit of a field of fixed width, written with its leading zeros; the "
            "signs between them (<code>:</code>, <code>,</code>, <code>.</code>) are written as "
            "they stand; after each pattern stands what its letters mean. "
            "<code>text</code>, <code>title</code>, <code>program</code> and the other words "
            "stand for free text, which ends at the next <code>&gt;</code>; letters in square "
            "brackets are options, each written or left out.</p>\n"
            "<h2>Commands</h2>\n";
    CommandRows(body);
    body << "<h2>Keystroke tokens</h2>\n";
    KeystrokeRows(body);
    body << "<h2>Dates</h2>\n<p>In a date token <code>Z</code> is <code>Y</code> to keep leading "
            "zeros or <code>N</code> to drop them, <code>D</code> is <code>F</code> for a day "
            "in the future or <code>P</code> for one in the past, and <code>nnn</code> the "
            "number of days from today. The samples show Monday 30 March 1998.</p>\n";
    FormatRows(body, DateFormatTable, true);
    body << "<h2>Times</h2>\n<p><code>Z</code> as for dates. The samples show 15:04:23.</p>\n";
    FormatRows(body, TimeFormatTable, false);
    return body.str();
}

std::string SitemapEntry(std::string_view name, std::string_view page) {
    return "<li><object type=\"text/sitemap\"><param name=\"Name\" value=\"" + Escaped(name) +
           "\"><param name=\"Local\" value=\"" + std::string(page) + "\"></object>\n";
}

std::string Sitemap(const std::string& entries) {
    return "<html><head></head><body>\n<object type=\"text/site properties\"></object>\n<ul>\n" +
           entries + "</ul>\n</body></html>\n";
}

std::string ContentsTree() {
    std::string guide, dialogs;
    for (const HelpTopic& topic : HelpTopics())
        (topic.Guide ? guide : dialogs) += SitemapEntry(topic.Title, topic.Page);
    return Sitemap(guide +
                   "<li><object type=\"text/sitemap\"><param name=\"Name\" "
                   "value=\"Dialogs\"></object>\n<ul>\n" +
                   dialogs + "</ul>\n");
}

std::string Index() {
    std::string entries;
    for (const HelpTopic& topic : HelpTopics()) entries += SitemapEntry(topic.Keyword, topic.Page);
    return Sitemap(entries);
}

std::string Project() {
    std::ostringstream project;
    project << "[OPTIONS]\nCompatibility=1.1 or later\nCompiled file=" << HelpFileName
            << "\nContents file=ORVHELP.hhc\nIndex file=ORVHELP.hhk\nDefault topic="
            << HelpContentsPage
            << "\nDisplay compile progress=No\nFull-text search=Yes\n"
               "Language=0x409 English (United States)\n"
               "Title=Orvane Help\n\n[FILES]\nhelp.css\n";
    for (const HelpTopic& topic : HelpTopics()) project << topic.Page << "\n";
    return project.str();
}

bool Write(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    out.close();
    if (!out)
        std::cerr << "make_help: cannot write " << file << "\n";
    return static_cast<bool>(out);
}

std::optional<std::string> Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The page of a topic: made here, or the written one in its frame.
std::optional<std::string> PageOf(const HelpTopic& topic, const fs::path& written) {
    if (topic.Page == HelpContentsPage)
        return Framed(topic.Title, ContentsBody());
    if (topic.Page == HelpScriptLanguagePage)
        return Framed(topic.Title, ScriptBody());
    std::optional<std::string> body = Read(written / topic.Page);
    if (!body) {
        std::cerr << "make_help: no page " << (written / topic.Page) << " for the keyword \""
                  << topic.Keyword << "\"\n";
        return std::nullopt;
    }
    return Framed(topic.Title, *body);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_help <written pages> <output folder>\n";
        return 2;
    }
    fs::path written = argv[1], out = argv[2];
    fs::create_directories(out);
    bool ok = true;
    std::set<std::string_view> pages;
    std::string topics;
    for (const HelpTopic& topic : HelpTopics()) {
        if (!pages.insert(topic.Page).second) {
            std::cerr << "make_help: two topics share the page " << topic.Page << "\n";
            ok = false;
        }
        std::optional<std::string> page = PageOf(topic, written);
        ok = page && Write(out / topic.Page, *page) && ok;
        topics += std::string(topic.Page) + "\t" + std::string(topic.Keyword) + "\n";
    }
    std::optional<std::string> style = Read(written / "help.css");
    ok = style && Write(out / "help.css", *style) && ok;
    ok = Write(out / "ORVHELP.hhp", Project()) && ok;
    ok = Write(out / "ORVHELP.hhc", ContentsTree()) && ok;
    ok = Write(out / "ORVHELP.hhk", Index()) && ok;
    ok = Write(out / "topics.txt", topics) && ok;
    return ok ? 0 : 1;
}
