#pragma once
// The calculator window's rules apart from any window: the mixture's rows and the options,
// whether the results still belong to them, the results as the one table every output is
// made from, and the steps and message shown beside them.

#include <string>
#include <vector>

#include "IntakeCalculation.h"
#include "IntakeResultTable.h"

namespace quorvel {

class IntakeModel {
public:
    // Any change of the rows or the options makes the results stale.
    void SetRows(std::vector<MixtureRow> rows);
    // problem: why an option as typed cannot be used (a cutoff that is no duration); the
    // results stay stale and a calculation says so.
    void SetOptions(CalculationOptions options, std::string problem = {});
    const std::vector<MixtureRow>& Rows() const { return rows_; }
    const CalculationOptions& Options() const { return options_; }

    // Whether there are results and they belong to the rows and options as they are now.
    bool Current() const;
    // Computes every row of the mixture. False, the old results kept and stale, when the
    // options cannot be used or the catalogue fails; the message says why.
    bool Calculate(CoefficientCatalogue& catalogue);

    const MixtureResult& Result() const { return result_; }
    const IntakeResultTable& Table() const { return table_; }
    // A mixture row's steps (0-based index into the result's rows); empty for no row.
    std::string Steps(int row) const;
    const std::string& Message() const { return message_; }
    void SetMessage(std::string message) { message_ = std::move(message); }

private:
    std::vector<MixtureRow> rows_;
    CalculationOptions options_;
    std::string problem_;
    bool calculated_ = false;
    std::vector<MixtureRow> resultRows_;
    CalculationOptions resultOptions_;
    MixtureResult result_;
    IntakeResultTable table_;
    std::string message_;
};

}  // namespace quorvel
