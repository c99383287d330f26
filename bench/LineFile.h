// Helpers of the timing harnesses: the lines of a file, and the median
// rate of repeated runs.
#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <ctime>
#include <string>
#include <vector>

// The lines of a file, cut at every run of CR and LF (empty lines give none).
// Exits with a message when the file cannot be read.
std::vector<std::string> LoadLines(const char* path);

// Lines per second by the clock on the wall and by the processor time used
// (which other programs on the machine do not take away).
struct LineRates {
    double wall;
    double cpu;
};

// Runs `pass` (one pass over all lines) `repeats` times and returns the
// median rates.
template <typename Pass>
LineRates MedianLinesPerSecond(std::size_t lineCount, int repeats, Pass&& pass) {
    std::vector<double> wall;
    std::vector<double> cpu;
    for (int run = 0; run < repeats; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const std::clock_t cpuStart = std::clock();
        pass();
        const double cpuSeconds = static_cast<double>(std::clock() - cpuStart) / CLOCKS_PER_SEC;
        const std::chrono::duration<double> seconds = std::chrono::steady_clock::now() - start;
        wall.push_back(static_cast<double>(lineCount) / seconds.count());
        cpu.push_back(static_cast<double>(lineCount) / cpuSeconds);
    }
    std::sort(wall.begin(), wall.end());
    std::sort(cpu.begin(), cpu.end());
    return {wall[wall.size() / 2], cpu[cpu.size() / 2]};
}

// Prints "NAME: N lines, W lines/s, cpu C lines/s" and what follows.
void PrintRates(const char* name, std::size_t lineCount, const LineRates& rates);

// The repeat count of a harness: its optional second argument, 5 by default.
int RepeatsArgument(int argc, char** argv);
