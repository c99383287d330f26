#include "MixLines.h"

#include <charconv>

void AppendMixLine(std::string& out, std::size_t kind, std::mt19937_64& random) {
    // Each '#' of a pattern stands for a random number.
    static const char* const kPatterns[kMixKinds] = {
        "((((1+2)+(3+4)+(5+6)+(7+8)+(9+10))*6+8)-2)/2.0",
        "1+1",
        "5*5+1.6",
        "sqrt(16)+pow(2,10)",
        "(#.#+#)*#/#",
        "#*#-#/#",
        "sin(#)*cos(#)+atan2(#,#)",
    };
    std::uniform_int_distribution<int> number(1, 999);
    for (const char* p = kPatterns[kind % kMixKinds]; *p != '\0'; ++p) {
        if (*p != '#') {
            out += *p;
            continue;
        }
        char digits[4];
        const auto [end, error] = std::to_chars(digits, digits + sizeof digits, number(random));
        out.append(digits, end);
    }
}

std::string ExampleMixLine(std::size_t kind) {
    std::mt19937_64 random(kind);
    std::string line;
    AppendMixLine(line, kind, random);
    return line;
}
