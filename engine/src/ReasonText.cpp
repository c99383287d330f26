#include "engine/Evaluate.h"

namespace quorvane::engine {

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
            return "line longer than 1024 characters";
        case FailureReason::NameTooLong:
            return "name or number longer than 63 characters";
        case FailureReason::TooManyTokens:
            return "more than 512 tokens";
    }
    return "";
}

}  // namespace quorvane::engine
