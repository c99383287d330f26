#include <string_view>

#include "ExprEngine.h"
#include "ExprItem.h"
#include "engine/Evaluate.h"

namespace quorvane::engine {

namespace {

constexpr std::string_view kLineTooLongText = "line longer than 1024 characters";
constexpr std::string_view kNameTooLongText = "name or number longer than 63 characters";
constexpr std::string_view kTooManyTokensText = "more than 512 tokens";

// The number that the digits of a text spell; each text holds one number.
constexpr int NumberIn(std::string_view text) {
    int number = 0;
    for (const char c : text) {
        if (c >= '0' && c <= '9') number = number * 10 + (c - '0');
    }
    return number;
}

// Each text names the limit the engine applies.
static_assert(NumberIn(kLineTooLongText) == kLineLimit);
static_assert(NumberIn(kNameTooLongText) == kTokenLimit);
static_assert(NumberIn(kTooManyTokensText) == kListRoom);

}  // namespace

std::string_view ReasonText(FailureReason reason) {
    switch (reason) {
        case FailureReason::None:
            break;
        case FailureReason::MissingOperand:
            return "missing operand";
        case FailureReason::DivisionByZero:
            return "division by zero";
        case FailureReason::RemainderByZero:
            return "remainder by zero";
        case FailureReason::LineTooLong:
            return kLineTooLongText;
        case FailureReason::NameTooLong:
            return kNameTooLongText;
        case FailureReason::TooManyTokens:
            return kTooManyTokensText;
    }
    return "";
}

}  // namespace quorvane::engine
