#include <algorithm>
#include <chrono>

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
