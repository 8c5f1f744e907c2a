#include "IntakeModel.h"

namespace quorvel {

void IntakeModel::SetRows(std::vector<MixtureRow> rows) { rows_ = std::move(rows); }

void IntakeModel::SetOptions(CalculationOptions options, std::string problem) {
    options_ = std::move(options);
    problem_ = std::move(problem);
}

bool IntakeModel::Current() const {
    return calculated_ && problem_.empty() && rows_ == resultRows_ && options_ == resultOptions_;
}

bool IntakeModel::Calculate(CoefficientCatalogue& catalogue) {
    if (!problem_.empty()) {
        message_ = problem_;
        return false;
    }
    try {
        MixtureResult result = CalculateMixture(catalogue, rows_, options_);
        table_ = BuildResultTable(result, options_);
        result_ = std::move(result);
    } catch (const std::exception& e) {
        message_ = std::string("The mixture could not be computed: ") + e.what();
        return false;
    }
    calculated_ = true;
    resultRows_ = rows_;
    resultOptions_ = options_;
    const auto failed = result_.Rows.size() - static_cast<std::size_t>(result_.RowsSummed);
    message_ = failed == 0 ? "Every row computed; select a result row to see its steps."
                           : std::to_string(failed) + " of " + std::to_string(result_.Rows.size()) +
                                 " rows could not be computed: see the last column (a row that needs a form "
                                 "offers the forms in its form cell).";
    return true;
}

std::string IntakeModel::Steps(int row) const {
    if (row < 0 || row >= static_cast<int>(result_.Rows.size())) return {};
    const RowResult& result = result_.Rows[static_cast<std::size_t>(row)];
    std::string text =
        "Row " + std::to_string(result.Row.Number) + ": " + result.Row.Nuclide + ", " + result.Row.Pathway + "\n";
    if (!result.Error.empty()) text += "Not computed: " + result.Error + "\n";
    for (const auto& step : result.Steps) text += step + "\n";
    for (const auto& note : result.Notes) text += "Note: " + note + "\n";
    return text;
}

}  // namespace quorvel
