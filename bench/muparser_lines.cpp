// Times muparser parsing and evaluating each line of a file once, the lines
// held lower-cased in memory. "pow" and "atan2" are defined for it when it
// lacks them.
//   muparser_lines FILE [REPEATS]
#include <muParser.h>

#include <cctype>
#include <cmath>
#include <cstdio>

#include "LineFile.h"

namespace {

double Pow(double a, double b) { return std::pow(a, b); }
double Atan2(double y, double x) { return std::atan2(y, x); }

bool Knows(mu::Parser& parser, const char* expression) {
    try {
        parser.SetExpr(expression);
        parser.Eval();
        return true;
    } catch (const mu::Parser::exception_type&) {
        return false;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: muparser_lines FILE [REPEATS]\n", stderr);
        return 2;
    }
    std::vector<std::string> lines = LoadLines(argv[1]);
    for (std::string& line : lines) {
        for (char& c : line) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }

    mu::Parser parser;
    if (!Knows(parser, "pow(2,3)")) parser.DefineFun("pow", Pow);
    if (!Knows(parser, "atan2(1,2)")) parser.DefineFun("atan2", Atan2);

    double sum = 0.0;
    std::size_t failures = 0;
    const LineRates rates = MedianLinesPerSecond(lines.size(), RepeatsArgument(argc, argv), [&] {
        sum = 0.0;
        failures = 0;
        for (const std::string& line : lines) {
            try {
                parser.SetExpr(line);
                sum += parser.Eval();
            } catch (const mu::Parser::exception_type&) {
                ++failures;
            }
        }
    });
    PrintRates("muparser", lines.size(), rates);
    std::printf(", sum %.6g, %zu failures\n", sum, failures);
    return 0;
}
