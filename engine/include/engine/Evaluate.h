// The expression engine as its callers see it: the text of one line in, its
// value or the reason it has none out. Each call is complete in itself; no
// variable survives from one line to the next.
#pragma once

#include <cstdint>
#include <string_view>

namespace quorvane::engine {

// The longest line the engine evaluates, counted after its comment is cut. A
// line's outcome depends only on its first kLineLimit + 2 bytes and on
// whether the whole line holds nothing to evaluate.
inline constexpr int kLineLimit = 1024;

// What became of one line.
enum class LineStatus {
    Value,    // the line has a value
    Failure,  // the line cannot be evaluated
    Nothing,  // only blanks, tabs or a comment: nothing to evaluate
};

// Why a line cannot be evaluated.
enum class FailureReason {
    None,
    MissingOperand,   // an operator, function or sign finds too few operands; an empty statement
    DivisionByZero,   // "/" with a right operand of zero
    RemainderByZero,  // "%" with a right operand that rounds to zero
    LineTooLong,      // more than kLineLimit characters before the comment
    NameTooLong,      // a name or number of more than 63 characters
    TooManyTokens,    // more than 512 tokens
};

// The words for a reason, as a diagnostic shows them; "" for None.
std::string_view ReasonText(FailureReason reason);

struct LineOutcome {
    LineStatus status;
    double value;                                // 0.0 unless status is Value
    FailureReason reason = FailureReason::None;  // None unless status is Failure
    // The 1-based byte column in the line of the token at fault; 0 when not known.
    std::int32_t column = 0;
};

// Evaluates one line. The text ends at its first NUL, if any.
LineOutcome EvaluateLineOutcome(std::string_view text);

// Evaluates one line; a line that fails or holds nothing to evaluate gives 0.0.
double EvaluateLine(std::string_view text);

}  // namespace quorvane::engine
