#include <gtest/gtest.h>

#include <string>

#include "batch/UpperCase.h"

namespace {

using quorvane::batch::LeadBytePredicate;
using quorvane::batch::UpperCaseText;

// In code page 936 a lead byte 0x81..0xFE is followed by a trail byte that
// may look like a lower-case letter.
bool IsGbkLeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

// Every byte from 0x80 to 0xFF, among them the UTF-8 lead bytes of three and
// four bytes (0xE0 to 0xF4), which look like a to t with the high bit set.
std::string HighBytes() {
    std::string bytes;
    for (int c = 0x80; c <= 0xFF; ++c) bytes += static_cast<char>(c);
    return bytes;
}

struct UpperCaseCase {
    std::string name;
    std::string text;
    LeadBytePredicate isLeadByte;
    std::string upper;
};

void PrintTo(const UpperCaseCase& c, std::ostream* os) { *os << c.name; }

class UpperCaseTest : public ::testing::TestWithParam<UpperCaseCase> {};

TEST_P(UpperCaseTest, WholeAndInBlocks) {
    const UpperCaseCase& c = GetParam();
    std::string whole = c.text;
    UpperCaseText(whole, c.isLeadByte);
    EXPECT_EQ(whole, c.upper);
    // Block by block, a character cut by a block's end included.
    for (std::size_t size = 1; size < c.text.size(); ++size) {
        std::string text = c.text;
        bool trailFirst = false;
        for (std::size_t at = 0; at < text.size(); at += size) {
            const std::size_t n = std::min(size, text.size() - at);
            trailFirst =
                UpperCaseText(std::span<char>(text.data() + at, n), c.isLeadByte, trailFirst);
        }
        EXPECT_EQ(text, c.upper) << "blocks of " << size;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UpperCaseTest,
    ::testing::Values(
        UpperCaseCase{"OnlyAToZ", "az AZ 09 `{@[ pow(x)", nullptr, "AZ AZ 09 `{@[ POW(X)"},
        UpperCaseCase{"ThreeByteCharacterInAComment", "1 // \xE6\x96\x87", nullptr,
                      "1 // \xE6\x96\x87"},
        UpperCaseCase{"FourByteCharacter", "x\xF0\x9F\x98\x80y", nullptr, "X\xF0\x9F\x98\x80Y"},
        UpperCaseCase{"EveryHighByte", "abc" + HighBytes() + "xyz", nullptr,
                      "ABC" + HighBytes() + "XYZ"},
        UpperCaseCase{"HighByteThenLetterWithoutCodePage", "abc\xB0z", nullptr, "ABC\xB0Z"},
        UpperCaseCase{"DoubleByteCharacters",
                      "ab\xB0"
                      "a"
                      "cd\xD6z",
                      IsGbkLeadByte,
                      "AB\xB0"
                      "a"
                      "CD\xD6z"}),
    [](const auto& param) { return param.param.name; });

}  // namespace
