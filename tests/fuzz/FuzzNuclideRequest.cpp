// Any typed nuclide name through every table kind: a table or the empty result, never a
// failure and never a crash.
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "CoefficientDispatcher.h"
#include "FixtureDatabase.h"

namespace {

const quorvel::test::FixtureDatabase& Database() {
    static const auto fixture = [] {
        auto f = std::make_unique<quorvel::test::FixtureDatabase>();
        f->CreateStartUpTables();
        for (const char* table : {"Fgr13ingGDB", "Fgr13inhHDB"}) f->AddDose(table, "Co-60", {{2, 1e-9}}, 0);
        f->AddExternalDoseRecord("F12TIII1", "Co-60", "Co-60", {{2, 1e-15}}, 1);
        std::vector<quorvel::FieldValue> row = {"Total"};
        for (int j = 1; j < 11; ++j) row.emplace_back(1e-10);
        for (int i = 0; i < 17; ++i) f->AddIngestionRiskRecord("Co-60", "Food", quorvel::FieldValue(), 0.1, row, i);
        for (int i = 0; i < 16; ++i) f->AddInhalationRiskRecord("Co-60", "Type M", 0.1, row, i);
        for (int i = 0; i < 16; ++i) f->AddExternalRiskRecord("Co-60", "Submersion", row, i);
        return f;
    }();
    return *fixture;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string name(reinterpret_cast<const char*>(data), size);
    static quorvel::DatabaseSession session(Database().Path());
    quorvel::NoBusyPointer pointer;
    for (const quorvel::TableKind& kind : quorvel::AllTableKinds()) {
        quorvel::FlexGrid grid;
        try {
            quorvel::DispatchCoefficientRequest(session, {name, kind}, grid, pointer);
        } catch (...) {
            std::abort();
        }
        if (grid.Rows() < 2) std::abort();
    }
    return 0;
}
