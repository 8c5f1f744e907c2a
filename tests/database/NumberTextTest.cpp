#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "DatabaseError.h"
#include "FieldValue.h"
#include "NumberText.h"

namespace quorvel {
namespace {

TEST(ReadNumber, ReadsDecimalNumbersWithBlanksAround) {
    // "1e-400" underflows: it reads as zero.
    for (const auto& [text, value] : std::vector<std::pair<const char*, double>>{
             {"1.356E-08", 1.356E-08}, {"  42 ", 42}, {"-.5", -0.5}, {"+3e2", 300}, {"5.", 5}, {"1e-400", 0}})
        EXPECT_EQ(ReadNumber(text), value) << text;
}

TEST(ReadNumber, RefusesTextsThatAreNotNumbers) {
    for (const char* text : {"", " ", "abc", "1.2.3", "1e", "e5", "0x10", "inf", "nan", "1,5", "1 2", "--1", "1e400",
                             "1\xe2\x80\x93" "05", "."}) {
        EXPECT_FALSE(ReadNumber(text).has_value()) << text;
    }
    EXPECT_THROW(ConvertTextToNumber("4.3 Sv"), DatabaseError);
}

TEST(FormatGeneralNumber, WritesTheShortestGeneralForm) {
    // Fifteen significant digits at most, found by fuzzing a sixteen-digit text.
    for (const auto& [value, text] : std::vector<std::pair<double, const char*>>{
             {365, "365"}, {0.01, "0.01"}, {1.356E-08, "1.356E-08"}, {0, "0"}, {0.1 + 0.2, "0.3"},
             {*ReadNumber("2222222222222225"), "2.22222222222222E+15"}, {123456789012345678.0, "1.23456789012346E+17"}})
        EXPECT_EQ(FormatGeneralNumber(value), text) << text;
}

TEST(FieldValue, NullIsNoTextAndNoNumber) {
    const FieldValue null;
    EXPECT_TRUE(null.IsNull());
    EXPECT_EQ(null.TextOrEmpty(), "");
    EXPECT_FALSE(null.IsNumeric());
    EXPECT_THROW(null.Text(), DatabaseError);
    EXPECT_THROW(null.Number(), DatabaseError);
}

TEST(FieldValue, TextsThatReadAsNumbersAreNumeric) {
    EXPECT_TRUE(FieldValue("2.0E-10").IsNumeric());
    EXPECT_DOUBLE_EQ(FieldValue("2.0E-10").Number(), 2.0E-10);
    EXPECT_FALSE(FieldValue("Leukemia").IsNumeric());
    EXPECT_THROW(FieldValue("Leukemia").Number(), DatabaseError);
    EXPECT_EQ(FieldValue(std::int64_t{27}).Text(), "27");
    EXPECT_EQ(FieldValue(7300.0).Text(), "7300");
}

TEST(TrimBlanks, RemovesBlanksAtBothEndsOnly) {
    EXPECT_EQ(TrimBlanks("  Co-60  "), "Co-60");
    EXPECT_EQ(TrimBlanks("   "), "");
    EXPECT_EQ(TrimBlanks(" a b "), "a b");
}

}  // namespace
}  // namespace quorvel
