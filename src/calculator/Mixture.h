#pragma once
// A mixture: the rows the intake calculator computes, as a CSV file names them. The header
// names the columns in any order: nuclide, pathway, form, intake, age, amount, unit, time,
// time_unit, decay. Values are kept as written; the calculation judges them.

#include <istream>
#include <stdexcept>
#include <string>
#include <vector>

namespace quorvel {

struct MixtureRow {
    int Number = 0;  // 1-based row number in the mixture (not counting the header)
    std::string Nuclide;
    std::string Pathway;  // ingestion, inhalation, submersion, ground-plane or soil-volume
    std::string Form;     // a form, its beginning or a short name (F, HTO, f1=0.1); empty: the only form
    std::string Intake;   // ingestion risk: tap water or food (empty: tap water)
    std::string Age;      // internal only: an age group of "Age Units"
    std::string Amount;
    std::string Unit;
    std::string Time;      // external only
    std::string TimeUnit;  // external only
    std::string Decay;     // external only: constant (also when empty) or decaying

    friend bool operator==(const MixtureRow&, const MixtureRow&) = default;
};

// A mixture file that cannot be read as one: no header, an unknown or repeated column, a
// row with more fields than the header.
class MixtureFormatError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The column names in the order the program writes them and --row takes its fields.
const std::vector<std::string>& MixtureColumns();

// The field of a row under the column at a position of MixtureColumns.
std::string& FieldOf(MixtureRow& row, std::size_t column);
const std::string& FieldOf(const MixtureRow& row, std::size_t column);

std::vector<MixtureRow> ReadMixture(std::istream& in);
// One line in the order of MixtureColumns, without a header (the command line's --row).
MixtureRow ReadMixtureRow(const std::string& line, int number);
// The header and one line per row, fields in double quotes where they need them.
std::string WriteMixture(const std::vector<MixtureRow>& rows);

}  // namespace quorvel
