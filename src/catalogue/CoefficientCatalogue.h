#pragma once
// The read-only catalogue of every coefficient of a database: one quantity for every
// nuclide and form, a table kind's every cell, the choices a quantity can take. It reads
// through a session it borrows, with the same readers the tables are built from.

#include <optional>
#include <string>
#include <vector>

#include "Coefficient.h"
#include "DatabaseSession.h"
#include "ProgenyCells.h"
#include "Quantity.h"

namespace quorvel {

// A nuclide of the list ("Nuke2"), its fields as text and trimmed.
struct NuclideInfo {
    std::string Z;
    std::string Element;
    std::string Nuclide;
    std::string HalfLife;                   // as stored
    std::optional<int> AtomicNumber;        // Z as a number, for sorting and ranges
    std::optional<double> HalfLifeSeconds;  // for sorting and ranges
};

// One nuclide and form with the value of the quantity asked for.
struct CatalogueRow {
    NuclideInfo Nuclide;
    std::string Form;
    std::optional<double> Value;
    std::string Text;
    std::string Source;
};

// What a quantity of one table kind can be, each list in the table's order.
struct QuantityChoices {
    std::vector<std::string> Ages;
    std::vector<std::string> Intakes;
    std::vector<std::string> Descriptors;
};

// The selection of exactly the quantity's cells (its unit apart).
ScanSelection SelectionOf(const Quantity& quantity);

class CoefficientCatalogue {
public:
    // Reads through the session for as long as the catalogue lives.
    explicit CoefficientCatalogue(DatabaseSession& session);

    DatabaseSession& Session() { return session_; }
    const AgeGroups& Ages() const { return session_.Ages(); }
    const UnitTables& Units() const { return session_.Units(); }
    const std::vector<NuclideInfo>& Nuclides() const { return nuclides_; }
    // The list's entry of a name, compared without regard to case; none when not listed.
    const NuclideInfo* FindNuclide(std::string_view name) const;
    // That a name is not in the list, with the listed names closest to it: "\"cs137\" is not
    // in the nuclide list; the closest: Cs-137". Case, blanks and hyphens aside, a name the
    // list spells so is the one named; else the three needing the fewest letters changed.
    std::string NotListed(std::string_view name) const;

    // The unit at a position of the kind's unit list (ChooseUnit's rules and errors).
    UnitChoice UnitOf(const TableKind& kind, int unitPosition) const;
    // What every output names as the unit of the quantity's values: the unit at its position,
    // with the +D switch's label when on; the uptake fraction's FractionUnit.
    std::string UnitLabel(const Quantity& quantity);

    // The quantity for every listed nuclide and form, in list order, from one pass over its table.
    std::vector<CatalogueRow> Rows(const Quantity& quantity);

    // Every cell of a kind in the unit at the position, optionally of some nuclides only.
    std::vector<Coefficient> Cells(const TableKind& kind, int unitPosition, const ScanSelection& selection = {});
    // The same, handed over one by one (the whole database needs no memory of its own).
    void EachCell(const TableKind& kind, int unitPosition, const ScanSelection& selection, const CoefficientSink& sink);

    QuantityChoices Choices(const TableKind& kind);

    // "+D": from now on every cell's value (in Cells, Rows, EachCell and what uses them) is
    // its nuclide's plus those of its decay products shorter-lived than the cutoff, times
    // their cumulative branching fractions; none switches that off.
    void IncludeProgeny(std::optional<double> cutoffSeconds) { progenyCutoff_ = cutoffSeconds; }
    std::optional<double> ProgenyCutoff() const { return progenyCutoff_; }
    // The cells of a kind as the catalogue gives them, with each +D value's terms.
    std::vector<ProgenyCell> ProgenyCellsOf(const TableKind& kind, int unitPosition, const ScanSelection& selection,
                                            double cutoffSeconds);

private:
    // The cells of the selection as the kind's reader gives them, without +D.
    void ReadCells(const TableKind& kind, double unitFactor, const ScanSelection& selection,
                   const CoefficientSink& sink);

    DatabaseSession& session_;
    std::vector<NuclideInfo> nuclides_;
    std::optional<double> progenyCutoff_;
};

}  // namespace quorvel
