#include "CellSource.h"

#include "TableScan.h"

namespace quorvel {

std::optional<std::string> SourceOfGridCell(Database& database, const CoefficientRequest& request,
                                            const AgeGroups& ages, int row, int col) {
    ScanSelection selection;
    selection.Nuclides = {request.Nuclide};
    const TableKind kind{request.Type, request.PathwayCode, request.Geometry};
    for (const Coefficient& cell : ScanTable(database, kind, 1.0, ages, selection))
        if (cell.Row == row && cell.Column == col && !cell.Text.empty())
            return cell.Source.empty() ? std::nullopt : std::optional(cell.Source);
    return std::nullopt;
}

}  // namespace quorvel
