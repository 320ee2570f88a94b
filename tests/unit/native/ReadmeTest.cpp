// The read-me that Help opens: well-formed, self-contained HTML whose
// troubleshooting table holds every text the dialog can show the user, taken
// from the dialog's own message table.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "dialog/Messages.h"
#include "os/Utf.h"

namespace {

std::string ReadReadme()
{
    std::ifstream in(KV_README_PATH, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The problems found, empty when every element is closed in order, void
// elements excepted, attribute values are quoted and text holds no stray
// "<" or unknown "&".
std::vector<std::string> WellFormedProblems(const std::string& html)
{
    static const std::set<std::string> kVoid = {"meta", "br", "hr", "img", "link", "input"};
    std::vector<std::string> problems;
    std::vector<std::string> open;
    std::size_t i = 0;
    if (html.rfind("<!DOCTYPE html>", 0) != 0)
        problems.push_back("no <!DOCTYPE html> at the start");
    else
        i = html.find('>') + 1;
    while (i < html.size()) {
        const char c = html[i];
        if (c == '&') {
            const auto end = html.find(';', i);
            const std::string entity = end == std::string::npos ? "" : html.substr(i, end - i + 1);
            const bool numeric = entity.size() > 3 && entity[1] == '#' &&
                                 entity.find_first_not_of("0123456789", 2) == entity.size() - 1;
            if (!numeric && entity != "&amp;" && entity != "&lt;" && entity != "&gt;" && entity != "&quot;")
                problems.push_back("bad entity at " + std::to_string(i));
            ++i;
            continue;
        }
        if (c != '<') {
            ++i;
            continue;
        }
        const auto end = html.find('>', i);
        if (end == std::string::npos) {
            problems.push_back("unclosed tag at " + std::to_string(i));
            break;
        }
        std::string tag = html.substr(i + 1, end - i - 1);
        i = end + 1;
        if (tag.empty() || tag[0] == '!') {
            problems.push_back("comment or declaration inside: " + tag);
            continue;
        }
        const bool closing = tag[0] == '/';
        const bool selfClosing = tag.back() == '/';
        const std::string name = tag.substr(closing ? 1 : 0, tag.find_first_of(" /", closing ? 1 : 0) - (closing ? 1 : 0));
        if (name.empty() || name.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789") != std::string::npos) {
            problems.push_back("bad tag <" + tag + ">");
            continue;
        }
        // Attributes: name="value" pairs only.
        for (std::size_t q = tag.find('='); q != std::string::npos; q = tag.find('=', tag.find('"', q + 2) + 1))
            if (q + 1 >= tag.size() || tag[q + 1] != '"' || tag.find('"', q + 2) == std::string::npos) {
                problems.push_back("unquoted attribute in <" + tag + ">");
                break;
            }
        if (closing) {
            if (open.empty() || open.back() != name)
                problems.push_back("</" + name + "> closes " + (open.empty() ? "nothing" : "<" + open.back() + ">"));
            else
                open.pop_back();
        } else if (!kVoid.count(name) && !selfClosing) {
            open.push_back(name);
            if (name == "style") { // raw text up to its end tag
                const auto close = html.find("</style>", i);
                i = close == std::string::npos ? html.size() : close;
            }
        }
    }
    for (const auto& name : open)
        problems.push_back("<" + name + "> never closed");
    return problems;
}

// The text a reader sees in html: tags dropped, entities decoded, every run
// of white space one blank.
std::string VisibleText(const std::string& html)
{
    std::string raw;
    for (std::size_t i = 0; i < html.size(); ++i) {
        if (html[i] == '<') {
            i = html.find('>', i);
            raw += ' ';
            continue;
        }
        raw += html[i];
    }
    const std::pair<const char*, const char*> entities[] = {
        {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#215;", "\xC3\x97"}, {"&amp;", "&"}};
    for (const auto& [from, to] : entities)
        for (auto p = raw.find(from); p != std::string::npos; p = raw.find(from, p + 1))
            raw.replace(p, std::string(from).size(), to);
    std::string out;
    for (char c : raw) {
        const bool space = c == ' ' || c == '\t' || c == '\r' || c == '\n';
        if (space && (out.empty() || out.back() == ' '))
            continue;
        out += space ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ')
        out.pop_back();
    return out;
}

TEST(Readme, IsWellFormedHtml)
{
    const std::string html = ReadReadme();
    ASSERT_FALSE(html.empty()) << KV_README_PATH;
    EXPECT_EQ(WellFormedProblems(html), std::vector<std::string>{});
    // The checker itself finds what it is for.
    EXPECT_EQ(WellFormedProblems("<!DOCTYPE html><p><b>x</p></b>").size(), 2u); // misnested, p unclosed
    EXPECT_EQ(WellFormedProblems("<!DOCTYPE html><a href=x>&nbsp;</a>").size(), 2u);
}

TEST(Readme, IsSelfContained)
{
    const std::string html = ReadReadme();
    for (const char* external : {"<script", "src=", "<link", "url(", "http:", "https:", "<iframe", "<object"})
        EXPECT_EQ(html.find(external), std::string::npos) << external;
    // Links only within the document, to anchors that exist.
    for (auto p = html.find("href=\""); p != std::string::npos; p = html.find("href=\"", p + 1)) {
        const std::string target = html.substr(p + 6, html.find('"', p + 6) - p - 6);
        ASSERT_EQ(target.rfind('#', 0), 0u) << target;
        EXPECT_NE(html.find("id=\"" + target.substr(1) + "\""), std::string::npos) << target;
    }
}

TEST(Readme, TheTroubleshootingTableHoldsEveryMessageTheDialogCanShow)
{
    const std::string html = ReadReadme();
    const auto start = html.find("<table id=\"messages\">");
    const auto end = html.find("</table>", start);
    ASSERT_NE(start, std::string::npos);
    ASSERT_NE(end, std::string::npos);
    const std::string table = VisibleText(html.substr(start, end - start));
    for (const kv::msg::UserMessage& m : kv::msg::kUserMessages) {
        const std::string text = VisibleText(kv::os::Utf16ToUtf8(m.text));
        EXPECT_NE(table.find(text), std::string::npos) << "not in the table: " << text;
    }
}

} // namespace
