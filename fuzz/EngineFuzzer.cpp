// The engine on arbitrary bytes: any line gives an outcome, never a crash,
// and its value is written with the same digits as printf's "%.2f".
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "FuzzCheck.h"
#include "ResultFormat.h"
#include "engine/Evaluate.h"

using namespace quorvane::engine;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const LineOutcome outcome = EvaluateLineOutcome(line);
    if (outcome.status != LineStatus::Value) FUZZ_CHECK(outcome.value == 0.0);
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
