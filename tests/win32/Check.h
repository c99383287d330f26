// A small check harness: named cases, checks that report what differed, and a
// count of failures for the exit status.
#pragma once

#include <string>
#include <string_view>

class Checker {
  public:
    // Starts a case; the checks that follow are reported under its name.
    void Case(std::string name);

    bool True(std::string_view what, bool condition);
    bool Equal(std::string_view what, std::string_view actual, std::string_view expected);
    bool Equal(std::string_view what, long long actual, long long expected);
    // UTF-16 texts, reported as UTF-8.
    bool Equal(std::string_view what, std::wstring_view actual, std::wstring_view expected);

    int Failures() const { return m_failures; }
    // Prints the last case's verdict and the totals.
    void Finish();

  private:
    void Fail(std::string_view what, const std::string& detail);
    void CloseCase();

    std::string m_case;
    int m_cases = 0;
    int m_failedCases = 0;
    int m_failures = 0;
    bool m_caseFailed = false;
};

// The text with control and non-ASCII bytes written as escapes, for reports.
std::string Escaped(std::string_view text);
