#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "TalvorLibrary.h"

namespace quorvel {
namespace {

double Rounded(double value) {
    clsTalvorLibrary::Round(value);
    return value;
}

TEST(Round, KeepsThreeSignificantFigures) {
    EXPECT_DOUBLE_EQ(Rounded(0.0123456), 0.0123);
    EXPECT_DOUBLE_EQ(Rounded(-4.5678), -4.57);
    EXPECT_DOUBLE_EQ(Rounded(9.996), 10.0);
    EXPECT_DOUBLE_EQ(Rounded(1.2349), 1.23);
    EXPECT_DOUBLE_EQ(Rounded(1.235), 1.24);
    EXPECT_DOUBLE_EQ(Rounded(123456.0), 123000.0);
    EXPECT_DOUBLE_EQ(Rounded(-0.000098765), -0.0000988);
    EXPECT_EQ(Rounded(0.0), 0.0);
}

TEST(DistributionTransforms, AreEachOthersInverse) {
    double logMean = 0;
    double logVariance = 0;
    clsTalvorLibrary::LogDistributionToNormalDistributionTransformation(2, 1, logMean, logVariance);
    double mean = 0;
    double variance = 0;
    clsTalvorLibrary::NormalDistributionToLogDistributionTransformation(mean, variance, logMean, logVariance);
    EXPECT_NEAR(mean, 2, 1e-12);
    EXPECT_NEAR(variance, 1, 1e-12);
    // The mean of a log-normal distribution is exp(mu + sigma^2 / 2).
    clsTalvorLibrary::NormalDistributionToLogDistributionTransformation(mean, variance, 0, 1);
    EXPECT_NEAR(mean, std::exp(0.5), 1e-12);
}

TEST(UniqueElements, KeepFirstOccurrencesAndCase) {
    const std::vector<std::string> source = {"b", "a", "b", "A"};
    EXPECT_EQ(clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(source, 0, 3),
              (std::vector<std::string>{"b", "a", "A"}));
    EXPECT_EQ(clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(source, 1, 2),
              (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(source, 2, 2),
              (std::vector<std::string>{"b"}));
    EXPECT_THROW(clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(source, 0, 4), std::out_of_range);
    EXPECT_THROW(clsTalvorLibrary::AcceptAnArrayAndExtractSubsetOfUniqueElements(source, 3, 2), std::out_of_range);
}

}  // namespace
}  // namespace quorvel
