// How the calculator writes a value: fixed notation with two decimals, the
// same digits on every platform; infinities and not-a-numbers as inf, -inf
// and nan.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "engine/Evaluate.h"

using quorvane::engine::LineOutcome, quorvane::engine::LineStatus;

namespace quorvane::batch {

// Room for the text of any value or outcome: the largest double has 309
// integer digits.
inline constexpr std::size_t kValueTextRoom = 320;

// The value with two decimals ("%.2f"), written into the buffer.
std::string_view FormatFixed2(double value, char (&buffer)[kValueTextRoom]);

// What stands for a line's outcome (see AppendOutcome), written into the
// buffer. Inline: the batch run calls it for every line.
inline std::string_view FormatOutcome(const engine::LineOutcome& outcome,
                                      char (&buffer)[kValueTextRoom]) {
    if (outcome.status == engine::LineStatus::Value) return FormatFixed2(outcome.value, buffer);
    return "Error";
}

// Appends the value with two decimals ("%.2f").
void AppendFixed2(std::string& out, double value);

// Appends what stands for a line's outcome: its value with two decimals, or
// the word Error. Not for lines with nothing to evaluate.
void AppendOutcome(std::string& out, const engine::LineOutcome& outcome);

}  // namespace quorvane::batch
