#include "ResultFormat.h"

#include <charconv>
#include <cmath>

void AppendFixed2(std::string& out, double value) {
    if (std::isnan(value)) {
        out += "nan";
        return;
    }
    if (std::isinf(value)) {
        out += value < 0 ? "-inf" : "inf";
        return;
    }
    // The largest double has 309 integer digits.
    char buffer[320];
    const auto [end, error] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    out.append(buffer, end);
}

void AppendOutcome(std::string& out, const LineOutcome& outcome) {
    if (outcome.status == LineStatus::Value) {
        AppendFixed2(out, outcome.value);
    } else {
        out += "Error";
    }
}
