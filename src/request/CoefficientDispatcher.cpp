#include "CoefficientDispatcher.h"

#include "CaseFolding.h"
#include "CoefficientTables.h"
#include "DoseCoefficientReports.h"
#include "NumberText.h"
#include "RiskCoefficientReports.h"

namespace quorvel {

namespace {

// The request's table with its +D values, read in one pass with the members' tables.
CoefficientTable ReadProgenyTable(DatabaseSession& session, const CoefficientRequest& request, double unitFactor,
                                  double cutoffSeconds, std::optional<ProgenyBreakdown>& progeny) {
    const DecayData& decay = session.Decay();
    ScanSelection selection;
    selection.Nuclides = {request.Nuclide};
    for (const ChainMember& member : ShortLivedProgeny(decay, request.Nuclide, cutoffSeconds))
        selection.Nuclides.push_back(member.Nuclide);
    const std::string parent = FoldCase(request.Nuclide);
    CoefficientTable table;
    std::vector<CoefficientTable> members;
    ReadCoefficientTables(SourceOf(session), request.Kind, unitFactor, selection, [&](CoefficientTable&& read) {
        if (FoldCase(read.Nuclide) == parent && table.Nuclide.empty())
            table = std::move(read);
        else
            members.push_back(std::move(read));
    });
    progeny = AddProgenyToTable(table, request.Nuclide, members, decay, cutoffSeconds);
    return table;
}

}  // namespace

void LayOutCoefficientTable(const CoefficientTable& table, FlexGrid& grid) {
    const bool dose = table.Kind.IsDose();
    switch (table.Kind.PathwayCode) {
        case Pathway::Ingestion:
            dose ? ReportIngestionDoseCoefficients(table, grid) : ReportIngestionRiskCoefficients(table, grid);
            break;
        case Pathway::Inhalation:
            dose ? ReportInhalationDoseCoefficients(table, grid) : ReportInhalationRiskCoefficients(table, grid);
            break;
        case Pathway::External:
            dose ? ReportExternalDoseCoefficients(table, grid) : ReportExternalRiskCoefficients(table, grid);
            break;
    }
}

ShownTable DispatchCoefficientRequest(DatabaseSession& session, const CoefficientRequest& request, FlexGrid& grid,
                                      BusyPointer& busyPointer, std::optional<double> progenyCutoffSeconds) {
    ShownTable shown{request, ChooseUnit(session.Units(), request), {}, std::nullopt, progenyCutoffSeconds};
    BusyPointerScope busy(busyPointer);
    try {
        shown.Table = progenyCutoffSeconds
                          ? ReadProgenyTable(session, request, shown.Unit.Factor, *progenyCutoffSeconds, shown.Progeny)
                          : ReadCoefficientTable(SourceOf(session), request.Kind, shown.Unit.Factor, request.Nuclide);
        shown.Table.UnitName = shown.Unit.Name;
        LayOutCoefficientTable(shown.Table, grid);
    } catch (const std::exception& e) {
        throw RequestError("The table " + TableName(request.Kind) + " could not be shown for \"" + request.Nuclide +
                           "\": " + e.what());
    }
    return shown;
}

}  // namespace quorvel
