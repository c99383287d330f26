// Long runs of the dialog: thousands of evaluations and keypad presses give
// the same results every time (the sanitizer build checks that nothing leaks).
#include <string>

#include "DialogTest.h"

namespace {

TEST_F(DialogTest, TenThousandEvaluations) {
    Open();
    for (int press = 0; press < 10000; ++press) {
        window.Click(IDOK);
        ASSERT_EQ(Text(IDC_RESULT), kSampleResults) << press;
    }
    EXPECT_TRUE(window.Messages().empty());
}

TEST_F(DialogTest, TenThousandKeypadPresses) {
    Open();
    window.Click(IDC_KEY_CLEAR);
    const int keys[] = {IDC_KEY_7, IDC_KEY_PLUS,      IDC_KEY_SQRT,
                        IDC_KEY_9, IDC_KEY_BACKSPACE, IDC_KEY_4};
    std::string expected;
    std::size_t caret = 0;
    for (int press = 0; press < 10000; ++press) {
        const int key = keys[press % std::size(keys)];
        window.Click(key);
        switch (key) {
            case IDC_KEY_SQRT:
                expected.insert(caret, "sqrt()");
                caret += 5;
                break;
            case IDC_KEY_BACKSPACE:
                expected.erase(--caret, 1);
                break;
            default:
                expected.insert(caret, window.ControlText(key));
                caret += 1;
                break;
        }
        ASSERT_EQ(window.CaretIndex(IDC_EXPRESSION), caret) << press;
    }
    EXPECT_EQ(Text(IDC_EXPRESSION), expected);
    window.Click(IDC_KEY_EQUALS);
    EXPECT_EQ(window.Messages().size(), 0u);
}

}  // namespace
