#include <gtest/gtest.h>

#include "batch/InputText.h"

namespace {

using quorvane::batch::DecodeInputText;
using quorvane::batch::InputTextDecoder;

struct DecodeCase {
    std::string name;
    std::string bytes;
    std::string text;
};

void PrintTo(const DecodeCase& c, std::ostream* os) { *os << c.name; }

class DecodeInputTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeInputTextTest, LoadedText) {
    EXPECT_EQ(DecodeInputText(GetParam().bytes), GetParam().text);
    // Fed a byte at a time the decoder gives the same text.
    std::string text;
    InputTextDecoder decoder;
    for (const char c : GetParam().bytes) decoder.Feed(std::string_view(&c, 1), text);
    EXPECT_EQ(text, GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Files, DecodeInputTextTest,
    ::testing::Values(DecodeCase{"CrLfStays", "1+1\r\n2\r\n", "1+1\r\n2\r\n"},
                      DecodeCase{"LoneLfBecomesCrLf", "1\n2\n", "1\r\n2\r\n"},
                      DecodeCase{"LoneCrStays", "1\r2", "1\r2"},
                      DecodeCase{"CrCrLf", "1\r\r\n2", "1\r\r\n2"},
                      DecodeCase{"CtrlZEndsText", "1\r\n2\x1a\r\n3", "1\r\n2"},
                      DecodeCase{"NulEndsText", std::string("1\n2\0003", 5), "1\r\n2"},
                      DecodeCase{"HighBytesKept", "\xFF\xFE\x80x\xFF", "\xFF\xFE\x80x\xFF"},
                      DecodeCase{"Empty", "", ""}),
    [](const auto& param) { return param.param.name; });

TEST(InputTextDecoder, StopsForGoodAtTheEnd) {
    InputTextDecoder decoder;
    std::string text;
    decoder.Feed(
        "ab\x1a"
        "cd",
        text);
    EXPECT_TRUE(decoder.Ended());
    decoder.Feed("ef", text);
    EXPECT_EQ(text, "ab");
}

}  // namespace
