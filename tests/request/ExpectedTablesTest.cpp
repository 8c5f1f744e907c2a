// Whole tables: each request of tests/data/expected/requests.txt runs over one fixture
// database, in its unit from the database's unit tables, and the grid must read as its
// expected file (texts, size, bold cells, as DescribeGrid writes them), with the structure
// its layout records.

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

#include "FixtureDatabase.h"
#include "GridLayout.h"
#include "Recorders.h"
#include "TableRequests.h"

namespace quorvel {
namespace {

const std::string ExpectedFolder = QUORVEL_EXPECTED_TABLES;

// Risk record k: "Site k" and ten values 1.0 to 1.9 times 10^-k.
std::vector<FieldValue> SiteRow(int k) {
    std::vector<FieldValue> row{FieldValue("Site " + std::to_string(k))};
    for (int j = 0; j < 10; ++j) row.emplace_back((1.0 + 0.1 * j) * std::pow(10.0, -k));
    return row;
}

// Coefficient i (2 to 25) of an age-dependent record is scale x i x 1E-10; 1 is f1.
test::DoseRecord AgeRecord(double age, double scale, double f1, const std::string& subtitle, std::int64_t id) {
    test::DoseRecord record;
    record.Nuclide = "Cs-137";
    record.Header = "Cs-137  T1/2 = 30.0 y";
    record.Subtitle = subtitle;
    record.Age = age;
    record.Id = id;
    record.Coefficients[1] = f1;
    for (int i = 2; i <= 25; ++i) record.Coefficients[i] = scale * i * 1e-10;
    record.Coefficients[12] = 0.0;
    return record;
}

// Records go in against their ID order, so that only the ID puts them in order.
void FillFixture(test::FixtureDatabase& db) {
    db.CreateStartUpTables();
    test::DoseRecord adult = AgeRecord(7300, 1, 0.1, "f1 = 0.1 (adult)", 2);
    adult.Coefficients[13] = FieldValue();  // the remainder
    db.AddDoseRecord("Fgr13ingGDB", adult);
    db.AddDoseRecord("Fgr13ingGDB", AgeRecord(100, 2, 0.3, "f1 = 0.3 (infant)", 1));

    // Field position p (2 to 26) holds p x 1E-15; 27 and 28 are Null.
    std::map<int, FieldValue> organs;
    for (int p = 2; p <= 26; ++p) organs[p] = p * 1e-15;
    db.AddExternalDoseRecord("F12TIII1", "Co-60", "Co-60  T1/2 = 5.271 y", organs, 1);

    for (int k = 30; k >= 1; --k) {
        const bool water = k <= 15;
        db.AddIngestionRiskRecord("Cs-137", water ? "Water" : "Food", water ? FieldValue("Soluble") : FieldValue(),
                                  water ? "0.3" : "1.0E-02", SiteRow(k), k);
    }
    for (int k = 15; k >= 1; --k) db.AddInhalationRiskRecord("I-131", "Type F", "1", SiteRow(k), k);
    for (int k = 17; k >= 1; --k) db.AddExternalRiskRecord("Co-60", "Ground Plane", SiteRow(k), k);
    db.AddExternalRiskRecord("Co-60", "Soil Volume", SiteRow(5), 100);  // a mode no geometry reads
}

struct ListedRequest {
    std::string Line;
    CoefficientRequest Request;
    std::string ExpectedFile;
};

void PrintTo(const ListedRequest& listed, std::ostream* os) { *os << listed.Line; }

// "nuclide type pathway geometry unit-position expected-file", '#' starting a comment.
std::vector<ListedRequest> ListedRequests() {
    std::vector<ListedRequest> requests;
    std::istringstream list(test::ReadBytes(ExpectedFolder + "/requests.txt"));
    for (std::string line; std::getline(list, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream words(line);
        ListedRequest listed{line, test::ReadRequest(words), {}};
        if (!(words >> listed.ExpectedFile)) throw std::runtime_error("requests.txt: cannot read: " + line);
        requests.push_back(listed);
    }
    return requests;
}

class ExpectedTables : public ::testing::TestWithParam<ListedRequest> {
protected:
    static void SetUpTestSuite() {
        fixture = new test::FixtureDatabase;
        FillFixture(*fixture);
    }
    static void TearDownTestSuite() {
        delete fixture;
        fixture = nullptr;
    }
    static test::FixtureDatabase* fixture;
};
test::FixtureDatabase* ExpectedTables::fixture = nullptr;

TEST_P(ExpectedTables, TheGridReadsAsItsExpectedFile) {
    const ListedRequest& listed = GetParam();
    DatabaseSession session(fixture->Path());
    FlexGrid grid(90, 14);  // an earlier, larger table must leave nothing behind
    grid.SetCol(3);
    for (int r = 0; r < grid.Rows(); ++r) {
        grid.SetTextMatrix(r, 3, "old");
        grid.SetRow(r);
        grid.SetCellFontBold(true);
    }
    grid.SetRow(0);
    test::RecordingBusyPointer pointer;
    const ShownTable shown = DispatchCoefficientRequest(session, listed.Request, grid, pointer);
    EXPECT_EQ(test::DescribeGrid(grid), test::ReadBytes(ExpectedFolder + "/" + listed.ExpectedFile))
        << listed.ExpectedFile;
    EXPECT_EQ(test::LayoutFaults(grid, shown.Table), "");
}

INSTANTIATE_TEST_SUITE_P(Requests, ExpectedTables, ::testing::ValuesIn(ListedRequests()));

}  // namespace
}  // namespace quorvel
