// The engine on arbitrary bytes: any line gives an outcome, never a crash.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ExprEngine.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const LineOutcome outcome = EvaluateLineOutcome(line);
    if (outcome.status != LineStatus::Value) FUZZ_CHECK(outcome.value == 0.0);
    const double plain = EvaluateLine(line);
    FUZZ_CHECK(plain == outcome.value || (std::isnan(plain) && std::isnan(outcome.value)));
    return 0;
}
