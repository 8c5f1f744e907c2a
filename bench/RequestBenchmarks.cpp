// Time of one coefficient request (open, query, build, close) beside the bare SQLite fetch
// of the same rows, start-up, and a sweep of every nuclide through every table kind.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/resource.h>

#include "CoefficientDispatcher.h"
#include "Database.h"
#include "FixtureDatabase.h"
#include "NuclideList.h"
#include "ShippedDatabase.h"
#include "StartUpReaders.h"

namespace quorvel {
namespace {

// The inhalation and external risk tables of the shipped database are empty: a fixture of
// realistic size stands in for them (45 inhalation records, 30 per geometry).
const test::FixtureDatabase& RiskFixture() {
    static const auto fixture = [] {
        auto f = std::make_unique<test::FixtureDatabase>();
        f->CreateStartUpTables();
        f->Execute("BEGIN");
        std::vector<FieldValue> row = {"Esophagus"};
        for (int j = 1; j < 11; ++j) row.emplace_back(1.23e-10 * j);
        std::int64_t id = 0;
        for (int i = 0; i < 60; ++i)
            f->AddIngestionRiskRecord("Cs-137", i < 30 ? "Food" : "Tap water", FieldValue(), 1.0, row, ++id);
        for (int i = 0; i < 45; ++i) f->AddInhalationRiskRecord("Cs-137", "Type F", 1.0, row, ++id);
        for (const char* mode : {"Submersion", "Ground Plane", "Soil Layer"})
            for (int i = 0; i < 30; ++i) f->AddExternalRiskRecord("Cs-137", mode, row, ++id);
        f->Execute("COMMIT");
        return f;
    }();
    return *fixture;
}

struct Kind {
    const char* Name;
    int Type, Pathway, Geometry;
    const char* Table;
    const char* Condition;  // the rows the request reads, for the bare fetch
};

const Kind Kinds[] = {
    {"dose/ingestion", DoseCoefficients, IngestionPathway, 0, "Fgr13ingGDB", "Nuclide = 'Pu-239' COLLATE NOCASE"},
    {"dose/inhalation", DoseCoefficients, InhalationPathway, 0, "Fgr13inhHDB", "Nuclide = 'Pu-239' COLLATE NOCASE"},
    {"dose/submersion", DoseCoefficients, ExternalPathway, 0, "F12TIII1", "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"dose/ground-plane", DoseCoefficients, ExternalPathway, 1, "F12TIII3", "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"dose/soil-volume", DoseCoefficients, ExternalPathway, 2, "F12TIII7", "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"risk/ingestion", RiskCoefficients, IngestionPathway, 0, "FGR13INGRBS", "Nuclide = 'Cs-137' COLLATE NOCASE"},
    {"risk/inhalation", RiskCoefficients, InhalationPathway, 0, "FGR13INHRBS", "Nuclide = 'Cs-137' COLLATE NOCASE"},
    {"risk/ground-plane", RiskCoefficients, ExternalPathway, 1, "FGR13extRBS",
     "Nuclide = 'Cs-137' COLLATE NOCASE AND Mode = 'Ground Plane' COLLATE NOCASE"},
};

const AgeGroups SixAges{{"3 Months", "1 Year", "5 Years", "10 Years", "15 Years", "Adult"},
                        {100, 365, 1825, 3650, 5475, 7300}};

std::string DatabaseOf(const Kind& kind) {
    const bool shipped = kind.Type == DoseCoefficients || kind.Pathway == IngestionPathway;
    return shipped ? ShippedDatabase() : RiskFixture().Path();
}
std::string NuclideOf(const Kind& kind) {
    const std::string condition = kind.Condition;
    const auto start = condition.find('\'') + 1;
    return condition.substr(start, condition.find('\'', start) - start);
}

void Request(benchmark::State& state, const Kind& kind) {
    const std::string path = DatabaseOf(kind);
    const std::string nuclide = NuclideOf(kind);
    NoBusyPointer pointer;
    FlexGrid grid;
    for (auto _ : state) {
        DispatchCoefficientRequest(path, {nuclide, kind.Type, kind.Pathway, kind.Geometry}, grid, {1, "Sv/Bq"}, SixAges,
                                   1, pointer);
        benchmark::DoNotOptimize(grid.Rows());
    }
    if (grid.Rows() < 20) state.SkipWithError("the request found no table");
}

// The same rows straight from SQLite: open, one query per age for the age-dependent
// tables as the builder runs them, every column of every row read, close.
void BareFetch(benchmark::State& state, const Kind& kind) {
    const std::string path = DatabaseOf(kind);
    const bool perAge = kind.Type == DoseCoefficients && kind.Pathway != ExternalPathway;
    for (auto _ : state) {
        sqlite3* db = nullptr;
        sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
        for (std::size_t age = 0; age < (perAge ? SixAges.AgeGroupDays.size() : 1); ++age) {
            std::string sql = std::string("SELECT * FROM ") + kind.Table + " WHERE " + kind.Condition;
            if (perAge) sql += " AND Age = " + std::to_string(static_cast<int>(SixAges.AgeGroupDays[age]));
            sql += " ORDER BY ID";
            sqlite3_stmt* stmt = nullptr;
            sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
            while (sqlite3_step(stmt) == SQLITE_ROW)
                for (int c = 0; c < sqlite3_column_count(stmt); ++c)
                    benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
            sqlite3_finalize(stmt);
        }
        sqlite3_close(db);
    }
}

void StartUpToFirstTable(benchmark::State& state) {
    const std::string path = ShippedDatabase();
    NoBusyPointer pointer;
    for (auto _ : state) {
        auto database = OpenDatabase(path);
        const AgeGroups ages = ReadAgeUnits(*database);
        Recordset nuclides = database->OpenTable("Nuke2");
        const auto entries = ReadNuclideListEntries(nuclides);
        database.reset();
        const UnitTables units = ReadUnitTables(path, "Risk Units", "Dose Units");
        FlexGrid grid;
        const CoefficientRequest first{EntryNuclide(entries.front()), RiskCoefficients, IngestionPathway};
        DispatchCoefficientRequest(path, first, grid, ChooseUnit(units, first), ages, 1, pointer);
        benchmark::DoNotOptimize(grid.Rows());
    }
}

void SweepEveryNuclideAndTableKind(benchmark::State& state) {
    const std::string path = ShippedDatabase();
    std::vector<std::string> nuclides;
    {
        auto database = OpenDatabase(path);
        Recordset records = database->OpenTable("Nuke2");
        for (const auto& entry : ReadNuclideListEntries(records)) nuclides.push_back(EntryNuclide(entry));
    }
    NoBusyPointer pointer;
    FlexGrid grid;
    for (auto _ : state) {
        for (const auto& nuclide : nuclides)
            for (int type : {DoseCoefficients, RiskCoefficients})
                for (int pathway : {IngestionPathway, InhalationPathway, ExternalPathway})
                    for (int geometry = 0; geometry < (pathway == ExternalPathway ? 3 : 1); ++geometry)
                        DispatchCoefficientRequest(path, {nuclide, type, pathway, geometry}, grid, {1, "unit"}, SixAges,
                                                   1, pointer);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    state.counters["requests"] = static_cast<double>(nuclides.size() * 10);
    state.counters["peak_rss_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void RegisterAll() {
    for (const Kind& kind : Kinds) {
        benchmark::RegisterBenchmark((std::string("Request/") + kind.Name).c_str(), Request, kind)
            ->Unit(benchmark::kMicrosecond);
        benchmark::RegisterBenchmark((std::string("BareFetch/") + kind.Name).c_str(), BareFetch, kind)
            ->Unit(benchmark::kMicrosecond);
    }
    benchmark::RegisterBenchmark("StartUpToFirstTable", StartUpToFirstTable)->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("SweepEveryNuclideAndTableKind", SweepEveryNuclideAndTableKind)
        ->Unit(benchmark::kMillisecond)
        ->Iterations(1);
}

}  // namespace
}  // namespace quorvel

int main(int argc, char** argv) {
    quorvel::RegisterAll();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
