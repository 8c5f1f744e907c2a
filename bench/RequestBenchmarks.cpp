// Time of one coefficient request on the open session (read, build) beside the bare SQLite
// fetch of the same rows on an open connection, start-up, and a sweep of every nuclide
// through every table kind.
#include <benchmark/benchmark.h>
#include <filesystem>
#include <memory>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/resource.h>

#include "CoefficientDispatcher.h"
#include "DatabaseSession.h"
#include "FixtureDatabase.h"
#include "NuclideList.h"
#include "ShippedDatabase.h"

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
    TableKind Table;
    const char* TableName;
    const char* Condition;  // the rows the request reads, for the bare fetch
};

constexpr CoefficientType Dose = CoefficientType::Dose;
constexpr CoefficientType Risk = CoefficientType::Risk;

const Kind Kinds[] = {
    {"dose/ingestion", {Dose, Pathway::Ingestion}, "Fgr13ingGDB", "Nuclide = 'Pu-239' COLLATE NOCASE"},
    {"dose/inhalation", {Dose, Pathway::Inhalation}, "Fgr13inhHDB", "Nuclide = 'Pu-239' COLLATE NOCASE"},
    {"dose/submersion",
     {Dose, Pathway::External, ExternalGeometry::Submersion},
     "F12TIII1",
     "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"dose/ground-plane",
     {Dose, Pathway::External, ExternalGeometry::GroundPlane},
     "F12TIII3",
     "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"dose/soil-volume",
     {Dose, Pathway::External, ExternalGeometry::SoilVolume},
     "F12TIII7",
     "Nuclide = 'Co-60' COLLATE NOCASE"},
    {"risk/ingestion", {Risk, Pathway::Ingestion}, "FGR13INGRBS", "Nuclide = 'Cs-137' COLLATE NOCASE"},
    {"risk/inhalation", {Risk, Pathway::Inhalation}, "FGR13INHRBS", "Nuclide = 'Cs-137' COLLATE NOCASE"},
    {"risk/ground-plane",
     {Risk, Pathway::External, ExternalGeometry::GroundPlane},
     "FGR13extRBS",
     "Nuclide = 'Cs-137' COLLATE NOCASE AND Mode = 'Ground Plane' COLLATE NOCASE"},
};

std::string DatabaseOf(const Kind& kind) {
    const bool shipped = kind.Table.IsDose() || kind.Table.PathwayCode == Pathway::Ingestion;
    return shipped ? ShippedDatabase() : RiskFixture().Path();
}
std::string NuclideOf(const Kind& kind) {
    const std::string condition = kind.Condition;
    const auto start = condition.find('\'') + 1;
    return condition.substr(start, condition.find('\'', start) - start);
}

void Request(benchmark::State& state, const Kind& kind) {
    DatabaseSession session(DatabaseOf(kind));
    const CoefficientRequest request{NuclideOf(kind), kind.Table};
    NoBusyPointer pointer;
    FlexGrid grid;
    for (auto _ : state) {
        DispatchCoefficientRequest(session, request, grid, pointer);
        benchmark::DoNotOptimize(grid.Rows());
    }
    if (grid.Rows() < 20) state.SkipWithError("the request found no table");
}

// The same rows straight from SQLite on an open connection, every column of every row read.
void BareFetch(benchmark::State& state, const Kind& kind) {
    const std::string path = DatabaseOf(kind);
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    const std::string sql =
        std::string("SELECT * FROM ") + kind.TableName + " WHERE " + kind.Condition + " ORDER BY ID";
    for (auto _ : state) {
        sqlite3_stmt* stmt = nullptr;
        sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr);
        while (sqlite3_step(stmt) == SQLITE_ROW)
            for (int c = 0; c < sqlite3_column_count(stmt); ++c) benchmark::DoNotOptimize(sqlite3_column_text(stmt, c));
        sqlite3_finalize(stmt);
    }
    sqlite3_close(db);
}

void StartUpToFirstTable(benchmark::State& state) {
    const std::string path = ShippedDatabase();
    NoBusyPointer pointer;
    for (auto _ : state) {
        DatabaseSession session(path);
        Recordset nuclides = session.NuclideRecords();
        const auto entries = ReadNuclideListEntries(nuclides);
        FlexGrid grid;
        DispatchCoefficientRequest(session, {EntryNuclide(entries.front()), {CoefficientType::Risk}}, grid, pointer);
        benchmark::DoNotOptimize(grid.Rows());
    }
}

void SweepEveryNuclideAndTableKind(benchmark::State& state) {
    DatabaseSession session(ShippedDatabase());
    std::vector<std::string> nuclides;
    Recordset records = session.NuclideRecords();
    for (const auto& entry : ReadNuclideListEntries(records)) nuclides.push_back(EntryNuclide(entry));
    NoBusyPointer pointer;
    FlexGrid grid;
    for (auto _ : state) {
        for (const auto& nuclide : nuclides)
            for (const TableKind& kind : AllTableKinds())
                DispatchCoefficientRequest(session, {nuclide, kind}, grid, pointer);
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
