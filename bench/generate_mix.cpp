// Writes N lines of the benchmark mix to standard output, LF-terminated.
// The kinds come in a shuffled order within each group of seven, so every
// kind has an equal share and the order is not predictable.
//   generate_mix N [SEED]
#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <string>

#include "MixLines.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fputs("usage: generate_mix N [SEED]\n", stderr);
        return 2;
    }
    const unsigned long long count = std::strtoull(argv[1], nullptr, 10);
    std::mt19937_64 random(argc == 3 ? std::strtoull(argv[2], nullptr, 10) : 1);

    std::array<std::size_t, kMixKinds> order;
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::string block;
    block.reserve(1 << 21);
    for (unsigned long long i = 0; i < count; ++i) {
        if (i % kMixKinds == 0) std::shuffle(order.begin(), order.end(), random);
        AppendMixLine(block, order[i % kMixKinds], random);
        block += '\n';
        if (block.size() >= (1 << 20)) {
            if (std::fwrite(block.data(), 1, block.size(), stdout) != block.size()) return 1;
            block.clear();
        }
    }
    if (std::fwrite(block.data(), 1, block.size(), stdout) != block.size()) return 1;
    return std::fflush(stdout) == 0 ? 0 : 1;
}
