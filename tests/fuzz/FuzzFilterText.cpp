// The explore window's filter as typed (nine texts, one a line: name, element, Z from and
// to, half-life from and to, value from and to, top): a message and no rows, or rows and
// no message; never a crash.
#include <cstdlib>
#include <sstream>

#include "ExploreModel.h"
#include "FixtureDatabase.h"

namespace {

struct Recorder : quorvel::ExploreView {
    void ShowChoices(const quorvel::QuantityChoices&, const std::vector<std::string>&,
                     const quorvel::Quantity&) override {}
    void ShowRows(const std::vector<quorvel::CatalogueRow>& rows, const std::string&) override { Rows = rows.size(); }
    void ShowMessage(const std::string& message) override { Message = message; }
    std::size_t Rows = 0;
    std::string Message;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static quorvel::test::FixtureDatabase fixture;
    static quorvel::CoefficientCatalogue& catalogue = [&]() -> quorvel::CoefficientCatalogue& {
        fixture.CreateStartUpTables();
        for (const char* nuclide : {"H-3", "Co-60", "Cs-137"}) fixture.AddDose("Fgr13ingGDB", nuclide, {{25, 2e-9}}, 0);
        return *new quorvel::CoefficientCatalogue(*new quorvel::DatabaseSession(fixture.Path()));
    }();
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    quorvel::FilterTexts texts;
    for (std::string* field : {&texts.Text, &texts.Element, &texts.ZMin, &texts.ZMax, &texts.HalfLifeMin,
                               &texts.HalfLifeMax, &texts.ValueMin, &texts.ValueMax, &texts.Top})
        std::getline(in, *field);
    Recorder view;
    quorvel::ExploreModel model(catalogue, view);
    model.SetKind({quorvel::CoefficientType::Dose, quorvel::Pathway::Ingestion});
    view.Message.clear();
    model.SetFilter(texts);
    if ((!view.Message.empty() && view.Rows != 0) || view.Rows != model.Shown().size()) std::abort();
    return 0;
}
