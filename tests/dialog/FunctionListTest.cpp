// Every place that lists the functions for people names exactly the engine's
// functions: a function added to the engine or renamed there fails this
// until the help text and the documents agree.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "engine/Functions.h"
#include "window/HelpText.h"

namespace {

// The words of a list that are not names: the prose around them.
const std::set<std::string> kProse = {"and",       "of",  "one",      "argument",
                                      "functions", "two", "arguments"};

// The lower-case words of the text between `begin` and `end`, without the
// arguments in parentheses, roff's font escapes and macros, and prose.
std::set<std::string> NamesIn(const std::string& text, const std::string& begin,
                              const std::string& end) {
    const std::size_t from = text.find(begin);
    const std::size_t to = text.find(end, from == std::string::npos ? 0 : from + begin.size());
    if (from == std::string::npos || to == std::string::npos) return {"(list not found)"};
    std::set<std::string> names;
    std::string word;
    int depth = 0;
    bool atLineStart = true;
    bool inMacro = false;
    for (std::size_t i = from + begin.size(); i <= to; ++i) {
        const char c = i < to ? text[i] : ' ';
        if (c == '\\' && i + 2 < to && text[i + 1] == 'f') {
            i += 2;  // a font escape: \fR, \fP, \fB, \fI
            continue;
        }
        if (std::isalnum(static_cast<unsigned char>(c)) && depth == 0 && !inMacro) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else {
            if (!word.empty() && !kProse.contains(word)) names.insert(word);
            word.clear();
        }
        depth += c == '(' ? 1 : c == ')' ? -1 : 0;
        if (atLineStart && c == '.') inMacro = true;
        if (c == ' ' || c == '\n') inMacro = false;
        atLineStart = c == '\n';
    }
    return names;
}

std::string SourceFile(const std::string& path) {
    std::ifstream file(std::string(QUORVANE_SOURCE_DIR) + "/" + path);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(FunctionList, EveryDocumentNamesExactlyTheEnginesFunctions) {
    std::set<std::string> functions;
    for (const std::string_view name : quorvane::engine::FunctionNames()) {
        std::string lower;
        for (const char c : name)
            lower += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        functions.insert(lower);
    }
    ASSERT_EQ(functions.size(), 22u);  // the twenty of one argument, POW and ATAN2
    EXPECT_EQ(NamesIn(std::string(quorvane::window::HelpText()), "( )", "____"), functions);
    // Each document and the words around its list.
    const struct {
        const char* path;
        const char* begin;
        const char* end;
    } documents[] = {
        {"README.md", "Functions:", "of one argument"},
        {"cli/quorvane-cli.1", "The functions are", "Angles are"},
        {"packaging/linux/org.example.quorvane.metainfo.xml.in", "<li>the functions", "</li>"},
    };
    for (const auto& document : documents) {
        EXPECT_EQ(NamesIn(SourceFile(document.path), document.begin, document.end), functions)
            << document.path;
    }
}

}  // namespace
