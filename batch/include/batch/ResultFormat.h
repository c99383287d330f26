// How the calculator writes a value: fixed notation with two decimals, the
// same digits on every platform; infinities and not-a-numbers as inf, -inf
// and nan.
#pragma once

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "engine/Evaluate.h"

using quorvane::engine::LineOutcome, quorvane::engine::LineStatus;

namespace quorvane::batch {

// Room for the text of any value or outcome: the largest double has 309
// integer digits.
inline constexpr std::size_t kValueTextRoom = 320;

// Writes the value with two decimals ("%.2f") at `to`, which has room for
// kValueTextRoom bytes; returns its length. The bytes of the room after the
// text may be written too.
std::size_t WriteFixed2(char* to, double value);

// Writes what stands for a line's outcome (see AppendOutcome) at `to`, which
// has room for kValueTextRoom bytes; returns its length. Inline: the batch
// run calls it for every line.
inline std::size_t WriteOutcome(char* to, const engine::LineOutcome& outcome) {
    if (outcome.status == engine::LineStatus::Value) return WriteFixed2(to, outcome.value);
    constexpr std::string_view kError = "Error";
    std::memcpy(to, kError.data(), kError.size());
    return kError.size();
}

// Appends the value with two decimals ("%.2f").
void AppendFixed2(std::string& out, double value);

// Appends what stands for a line's outcome: its value with two decimals, or
// the word Error. Not for lines with nothing to evaluate.
void AppendOutcome(std::string& out, const engine::LineOutcome& outcome);

}  // namespace quorvane::batch
