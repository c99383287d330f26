// Times EvaluateLine alone over the lines of a file, held upper-cased in
// memory.
//   evaluate_lines FILE [REPEATS]
#include <cstdio>

#include "LineFile.h"
#include "batch/UpperCase.h"
#include "engine/Evaluate.h"

using quorvane::engine::EvaluateLine;

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: evaluate_lines FILE [REPEATS]\n", stderr);
        return 2;
    }
    std::vector<std::string> lines = LoadLines(argv[1]);
    for (std::string& line : lines) quorvane::batch::UpperCaseText(line);

    double sum = 0.0;
    const LineRates rates = MedianLinesPerSecond(lines.size(), RepeatsArgument(argc, argv), [&] {
        sum = 0.0;
        for (const std::string& line : lines) sum += EvaluateLine(line);
    });
    PrintRates("EvaluateLine", lines.size(), rates);
    std::printf(", sum %.6g\n", sum);
    return 0;
}
