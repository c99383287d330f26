// Helpers of the timing harnesses: the lines of a file, and the median
// rate of repeated runs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <string>
#include <vector>

// The lines of a file, cut at every run of CR and LF (empty lines give none).
// Exits with a message when the file cannot be read.
std::vector<std::string> LoadLines(const char* path);

// Runs `pass` (one pass over all lines) `repeats` times and returns the
// median number of lines per second.
template <typename Pass>
double MedianLinesPerSecond(std::size_t lineCount, int repeats, Pass&& pass) {
    std::vector<double> rates;
    for (int run = 0; run < repeats; ++run) {
        const auto start = std::chrono::steady_clock::now();
        pass();
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        rates.push_back(static_cast<double>(lineCount) / seconds.count());
    }
    std::sort(rates.begin(), rates.end());
    return rates[rates.size() / 2];
}

// The repeat count of a harness: its optional second argument, 5 by default.
int RepeatsArgument(int argc, char** argv);
