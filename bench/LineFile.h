// Helpers of the timing harnesses: the lines of a file, and the median
// rate of repeated runs.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The lines of a file, cut at every run of CR and LF (empty lines give none).
// Exits with a message when the file cannot be read.
std::vector<std::string> LoadLines(const char* path);

// Runs `pass` (one pass over all lines) `repeats` times and returns the
// median number of lines per second.
template <typename Pass>
double MedianLinesPerSecond(std::size_t lineCount, int repeats, Pass&& pass);

// The repeat count of a harness: its optional second argument, 5 by default.
int RepeatsArgument(int argc, char** argv);

#include "LineFile.inl"
