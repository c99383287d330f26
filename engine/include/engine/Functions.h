// The functions the engine knows, as its operation table names them: what the
// rest of the system (the keypad's templates, the documents' lists) is
// derived from or checked against.
#pragma once

#include <span>
#include <string_view>

namespace quorvane::engine {

// The names of the functions, upper case, in table order: those of one
// argument and the two-argument POW and ATAN2.
std::span<const std::string_view> FunctionNames();

}  // namespace quorvane::engine
