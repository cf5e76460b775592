#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/Parser.h"

namespace vemlo {
namespace {

TEST(Convert, StoresTheValueOrKeepsTheOldOne) {
    struct Row {
        std::string text;
        double expected;  // the old value is 42
    };
    const std::vector<Row> rows = {
        {"p", 3.141592653589793},
        {"2e3", 2000},
        {"p/2", 3.141592653589793 / 2},
        {"2*SQRT(4)", 4},
        {"a+1", 8},
        {"-5", -5},
        {"1/0", 42},
        {"", 42},
        {"abc", 42},
        {"2E", 42},
        {"SQRT(-1)", 42},
        {"1+", 42},
    };
    for (const Row& row : rows) {
        FormulaState s;
        s.A = 7;
        double v = 42;
        Convert(s, row.text, v);
        EXPECT_EQ(v, row.expected) << "'" << row.text << "'";
    }
}

TEST(Convert, EmptyTextLeavesTheFlagsAlone) {
    FormulaState s;
    s.MathError = true;
    double v = 1;
    Convert(s, "", v);
    EXPECT_TRUE(s.MathError);
    Convert(s, "2", v);
    EXPECT_FALSE(s.MathError);
    EXPECT_EQ(v, 2.0);
}

}  // namespace
}  // namespace vemlo
