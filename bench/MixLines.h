// The benchmark mix: seven kinds of line in equal shares, with random
// integers from 1 to 999 where a number varies.
#pragma once

#include <cstddef>
#include <random>
#include <string>

inline constexpr std::size_t kMixKinds = 7;

// Appends one line of the given kind (0 to 6), without its line end.
void AppendMixLine(std::string& out, std::size_t kind, std::mt19937_64& random);

// One line of the given kind, the same on every call.
std::string ExampleMixLine(std::size_t kind);
