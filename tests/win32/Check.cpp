#include "Check.h"

#include <windows.h>

#include <cstdio>

#include "Utf8Text.h"

using quorvane::window::win32::Utf8FromWide;

namespace {

// How much of a long text a report shows around the first difference.
constexpr std::size_t kContext = 40;

std::string Excerpt(std::string_view text, std::size_t from) {
    const std::size_t start = from > kContext ? from - kContext : 0;
    std::string shown = start > 0 ? "..." : "";
    shown += Escaped(text.substr(start, 2 * kContext));
    if (start + 2 * kContext < text.size()) shown += "...";
    return shown;
}

}  // namespace

std::string Escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto code = static_cast<unsigned char>(c);
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (code < 0x20 || code >= 0x7F) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", code);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

void Checker::Case(std::string name) {
    CloseCase();
    m_case = std::move(name);
    m_caseFailed = false;
    ++m_cases;
}

bool Checker::True(std::string_view what, bool condition) {
    if (!condition) Fail(what, "is false");
    return condition;
}

bool Checker::Equal(std::string_view what, std::string_view actual, std::string_view expected) {
    if (actual == expected) return true;
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at]) ++at;
    Fail(what, "differs at byte " + std::to_string(at) + " (lengths " +
                   std::to_string(actual.size()) + " and " + std::to_string(expected.size()) +
                   ")\n      actual:   \"" + Excerpt(actual, at) + "\"\n      expected: \"" +
                   Excerpt(expected, at) + "\"");
    return false;
}

bool Checker::Equal(std::string_view what, long long actual, long long expected) {
    if (actual == expected) return true;
    Fail(what, "is " + std::to_string(actual) + ", expected " + std::to_string(expected));
    return false;
}

bool Checker::Equal(std::string_view what, std::wstring_view actual, std::wstring_view expected) {
    if (actual == expected) return true;
    return Equal(what, Utf8FromWide(actual), Utf8FromWide(expected));
}

void Checker::Fail(std::string_view what, const std::string& detail) {
    ++m_failures;
    m_caseFailed = true;
    std::printf("  FAILED in %s: %.*s %s\n", m_case.c_str(), static_cast<int>(what.size()),
                what.data(), detail.c_str());
    std::fflush(stdout);
}

void Checker::CloseCase() {
    if (m_case.empty()) return;
    if (m_caseFailed) ++m_failedCases;
    std::printf("[%s] %s\n", m_caseFailed ? "FAIL" : " OK ", m_case.c_str());
    std::fflush(stdout);
}

void Checker::Finish() {
    CloseCase();
    m_case.clear();
    std::printf("%d case(s), %d failed, %d failed check(s)\n", m_cases, m_failedCases, m_failures);
    std::fflush(stdout);
}
