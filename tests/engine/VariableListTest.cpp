#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "ExprEngine.h"

namespace quorvane::engine {

namespace {

class VariableStore : public ::testing::Test {
  protected:
    std::vector<std::string> NamesInOrder() const {
        std::vector<std::string> names;
        for (std::size_t i = 0; i < variables.Count(); ++i) names.emplace_back(variables.NameAt(i));
        return names;
    }
    ExprItem* Ask(const char* name) { return engine.FindOrAddVariable(name); }

    VariableList variables;
    CExprEngine engine{variables};
};

TEST_F(VariableStore, SameNameGivesSameRecord) {
    ExprItem* first = Ask("A");
    ExprItem* second = Ask("A");
    EXPECT_EQ(first, second);
    EXPECT_EQ(variables.Count(), 1u);
}

TEST_F(VariableStore, NewRecordReadsZero) {
    ExprItem* record = Ask("NEW");
    EXPECT_EQ(record->kind, KIND_VARIABLE);
    EXPECT_EQ(record->value, 0.0);
    EXPECT_EQ(record->prec, 0);
}

// Byte-wise, bytes taken as unsigned; a name sorts after its own beginning.
TEST_F(VariableStore, KeptInByteOrder) {
    for (const char* name : {"B", "AB", "\x80", "A", "\xC3Z", "Z9", "Z", "9"}) Ask(name);
    EXPECT_EQ(NamesInOrder(),
              (std::vector<std::string>{"9", "A", "AB", "B", "Z", "Z9", "\x80", "\xC3Z"}));
}

TEST_F(VariableStore, SetVariable) {
    EXPECT_EQ(engine.SetVariable("MISSING", 1.0), 0);
    EXPECT_EQ(variables.Count(), 0u);

    ExprItem* x = Ask("X");
    EXPECT_EQ(engine.SetVariable("X", -2.5), 1);
    EXPECT_EQ(x->value, -2.5);
    EXPECT_EQ(x->prec, 1);
    EXPECT_EQ(engine.SetVariable("X", 2.5), 1);
    EXPECT_EQ(x->value, 2.5);
}

TEST_F(VariableStore, GrowsBeyondItsFirstRoomAndKeepsOrder) {
    std::vector<ExprItem*> records;
    for (int i = 199; i >= 0; --i) records.push_back(Ask(("V" + std::to_string(i)).c_str()));
    ASSERT_EQ(variables.Count(), 200u);
    const std::vector<std::string> names = NamesInOrder();
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    for (int i = 0; i < 200; ++i) {
        ExprItem* again = Ask(("V" + std::to_string(199 - i)).c_str());
        EXPECT_EQ(again, records[static_cast<std::size_t>(i)]) << i;
        EXPECT_EQ(VariableList::NameOf(*again), "V" + std::to_string(199 - i));
    }
}

}  // namespace

}  // namespace quorvane::engine
