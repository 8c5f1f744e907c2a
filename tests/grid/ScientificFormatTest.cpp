#include <gtest/gtest.h>

#include <limits>

#include "ScientificFormat.h"

namespace quorvel {
namespace {

struct Example {
    double Value;
    const char* Text;
};

class ScientificFormatExamples : public ::testing::TestWithParam<Example> {};

TEST_P(ScientificFormatExamples, RendersAsPrinted) { EXPECT_EQ(FormatScientific(GetParam().Value), GetParam().Text); }

INSTANTIATE_TEST_SUITE_P(
    Values, ScientificFormatExamples,
    ::testing::Values(Example{0.000123456, "1.23E-04"}, Example{987.6, "9.88E02"}, Example{0, "0.00E00"},
                      Example{-0.0, "0.00E00"}, Example{1, "1.00E00"}, Example{2.5E-9, "2.50E-09"},
                      Example{7.3E-17, "7.30E-17"}, Example{345.6, "3.46E02"}, Example{-0.00042, "-4.20E-04"},
                      // Half-way cases round up as the decimal value reads, not as binary stores it.
                      Example{1.355E-08, "1.36E-08"}, Example{2.345, "2.35E00"}, Example{-1.125E-5, "-1.13E-05"},
                      // Rounding that carries into the exponent.
                      Example{9.995, "1.00E01"}, Example{9.9949, "9.99E00"}, Example{0.0999999, "1.00E-01"},
                      // Three-digit exponents stay whole.
                      Example{1.5E-120, "1.50E-120"}, Example{1.0E300, "1.00E300"},
                      Example{4.9406564584124654E-324, "4.94E-324"}));

TEST(ScientificFormat, RefusesValuesBeyondTheRangeOfANumber) {
    EXPECT_THROW(FormatScientific(std::numeric_limits<double>::infinity()), std::overflow_error);
    EXPECT_THROW(FormatScientific(std::numeric_limits<double>::quiet_NaN()), std::overflow_error);
}

}  // namespace
}  // namespace quorvel
