#include "CellSource.h"

#include "TableScan.h"

namespace quorvel {

std::map<std::pair<int, int>, std::string> GridCellSources(Database& database, const CoefficientRequest& request,
                                                           const AgeGroups& ages) {
    ScanSelection selection;
    selection.Nuclides = {request.Nuclide};
    const TableKind kind{request.Type, request.PathwayCode, request.Geometry};
    std::map<std::pair<int, int>, std::string> sources;
    ScanTable(database, kind, 1.0, ages, selection, [&](Coefficient&& cell) {
        if (!cell.Text.empty() && !cell.Source.empty())
            sources.emplace(std::pair(cell.Row, cell.Column), std::move(cell.Source));
    });
    return sources;
}

std::optional<std::string> SourceOfGridCell(Database& database, const CoefficientRequest& request,
                                            const AgeGroups& ages, int row, int col) {
    const auto sources = GridCellSources(database, request, ages);
    const auto found = sources.find({row, col});
    if (found == sources.end()) return std::nullopt;
    return found->second;
}

}  // namespace quorvel
