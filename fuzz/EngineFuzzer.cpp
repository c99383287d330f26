// The engine on arbitrary bytes: any line gives an outcome, never a crash; a
// failure, and only a failure, has a reason, with a column that points into
// the line at the token at fault; the value is written with the same digits
// as printf's "%.2f".
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "batch/ResultFormat.h"
#include "engine/Evaluate.h"

using namespace quorvane::engine;
using quorvane::batch::AppendFixed2;

namespace {

void CheckReason(std::string_view line, const LineOutcome& outcome) {
    const bool failed = outcome.status == LineStatus::Failure;
    FUZZ_CHECK(failed == (outcome.reason != FailureReason::None));
    FUZZ_CHECK(failed == !ReasonText(outcome.reason).empty());
    FUZZ_CHECK(outcome.column >= 0 && outcome.column <= kLineLimit + 1);
    if (outcome.reason == FailureReason::LineTooLong) {
        FUZZ_CHECK(outcome.column == kLineLimit + 1);
        return;
    }
    if (outcome.column == 0) {
        // Only an empty statement has no token at fault.
        FUZZ_CHECK(!failed || outcome.reason == FailureReason::MissingOperand);
        return;
    }
    FUZZ_CHECK(static_cast<std::size_t>(outcome.column) <= line.size());
    const char atFault = line[static_cast<std::size_t>(outcome.column - 1)];
    FUZZ_CHECK(atFault != ' ' && atFault != '\t');
    if (outcome.reason == FailureReason::DivisionByZero) FUZZ_CHECK(atFault == '/');
    if (outcome.reason == FailureReason::RemainderByZero) FUZZ_CHECK(atFault == '%');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const LineOutcome outcome = EvaluateLineOutcome(line);
    if (outcome.status != LineStatus::Value) FUZZ_CHECK(outcome.value == 0.0);
    CheckReason(line, outcome);
    const double plain = EvaluateLine(line);
    FUZZ_CHECK(plain == outcome.value || (std::isnan(plain) && std::isnan(outcome.value)));
    if (std::isfinite(outcome.value)) {
        char expected[400];
        std::snprintf(expected, sizeof expected, "%.2f", outcome.value);
        std::string written;
        AppendFixed2(written, outcome.value);
        FUZZ_CHECK(written == expected);
    }
    return 0;
}
