#pragma once
// The request codes and the table kind they name: the coefficient type, the pathway and,
// for external exposure, the geometry.

#include <string>
#include <utility>
#include <vector>

namespace quorvel {

enum class CoefficientType { Dose, Risk };
enum class Pathway { Ingestion, Inhalation, External };
enum class ExternalGeometry { Submersion, GroundPlane, SoilVolume };
enum class RiskOutcome { Mortality, Morbidity };

// One of the ten tables a request can show.
struct TableKind {
    CoefficientType Type = CoefficientType::Dose;
    Pathway PathwayCode = Pathway::Ingestion;
    // Read only by the external tables.
    ExternalGeometry Geometry = ExternalGeometry::Submersion;

    bool IsDose() const { return Type == CoefficientType::Dose; }
    bool IsExternal() const { return PathwayCode == Pathway::External; }
    // "ingestion dose", "external risk", ... (the geometry apart).
    std::string Name() const;
    // "ground-plane" for external tables, empty otherwise.
    std::string GeometryWord() const;

    friend bool operator==(const TableKind& a, const TableKind& b) {
        return a.Type == b.Type && a.PathwayCode == b.PathwayCode && (!a.IsExternal() || a.Geometry == b.Geometry);
    }
};

// The ten table kinds in the main window's order: dose before risk, ingestion,
// inhalation, then the external geometries.
const std::vector<TableKind>& AllTableKinds();

// The words the command line and the explore window take for the codes, in code order:
// "dose", "risk"; "ingestion", "inhalation", "external"; "submersion", "ground-plane",
// "soil-volume"; "mortality", "morbidity".
const std::vector<std::pair<std::string, CoefficientType>>& CoefficientTypeWords();
const std::vector<std::pair<std::string, Pathway>>& PathwayWords();
const std::vector<std::pair<std::string, ExternalGeometry>>& GeometryWords();
const std::vector<std::pair<std::string, RiskOutcome>>& OutcomeWords();

// The main window's captions of the types ("Dose", "Risk"), the pathways ("Ingestion",
// "Inhalation", "External") and the external geometries ("Submersion", "Ground Plane",
// "Soil Volume").
std::string TypeCaption(CoefficientType type);
std::string PathwayCaption(Pathway pathway);
std::string GeometryCaption(ExternalGeometry geometry);

// The position of a code in its list (0 first), as the windows' options and lists index
// them, and the code at a position.
template <typename Code>
int CodeIndex(Code code) {
    return static_cast<int>(code);
}
template <typename Code>
Code CodeAt(int index) {
    return static_cast<Code>(index);
}

// The kind at the positions of the type, pathway and geometry lists.
TableKind KindAt(int type, int pathway, int geometry);

}  // namespace quorvel
