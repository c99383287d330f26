// The expression engine as its callers see it: the text of one line in, its
// value or the reason it has none out. Each call is complete in itself; no
// variable survives from one line to the next.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// A doubtful spot of a line that has a value: the value follows the
// language's lenient rules, but likely not what the line's writer meant.
// The order of the kinds is the order of warnings at one column.
enum class WarningKind : std::uint8_t {
    NoValue,          // a name to which nothing is assigned: a variable worth 0
    NotANumber,       // the same, of a name that begins with a digit or a point ("1.1E")
    MissingOperator,  // an operand followed by an operand, "(" or function: one is lost
    UnmatchedClose,   // a ")" without "(": the rest of the line is ignored
    NothingAssigned,  // an "=" whose left operand is not a name
};

// The longest token text: a longer one fails the line.
inline constexpr int kTokenLimit = 63;

struct LineWarning {
    WarningKind kind;
    std::int32_t column;  // the 1-based byte column of the token in the line
    std::uint8_t length;  // of the token's text
    char text[kTokenLimit];

    // The token as written, upper-cased as the engine sees it.
    std::string_view Token() const { return {text, length}; }
};

// The words for a warning, its token quoted in them.
std::string WarningText(const LineWarning& warning);

// The length of the token that starts at the 1-based byte column of the
// line, cut as the engine cuts it; 0 where no token starts.
std::size_t TokenLengthAt(std::string_view text, std::int32_t column);

// Evaluates one line. The text ends at its first NUL, if any.
LineOutcome EvaluateLineOutcome(std::string_view text);

// Evaluates one line and puts its warnings into `warnings`, which it empties
// first: ordered by column, at one column in the order of WarningKind, each
// name's at its first token. A line that fails or holds nothing has none.
// Nothing is allocated for a line without warnings.
LineOutcome EvaluateLineOutcome(std::string_view text, std::vector<LineWarning>& warnings);

// Evaluates one line; a line that fails or holds nothing to evaluate gives 0.0.
double EvaluateLine(std::string_view text);

}  // namespace quorvane::engine
