#include "LineFile.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

std::vector<std::string> LoadLines(const char* path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path);
        std::exit(2);
    }
    const std::string text((std::istreambuf_iterator<char>(file)),
                           std::istreambuf_iterator<char>());
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i < text.size() && text[i] != '\r' && text[i] != '\n') continue;
        if (i > start) lines.emplace_back(text, start, i - start);
        start = i + 1;
    }
    return lines;
}

void PrintRates(const char* name, std::size_t lineCount, const LineRates& rates) {
    std::printf("%s: %zu lines, %.0f lines/s, cpu %.0f lines/s", name, lineCount, rates.wall,
                rates.cpu);
}

int RepeatsArgument(int argc, char** argv) {
    const int repeats = argc > 2 ? std::atoi(argv[2]) : 5;
    return repeats > 0 ? repeats : 1;
}
