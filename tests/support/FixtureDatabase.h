#pragma once
// Coefficient databases that the tests build themselves, in the layouts the viewer reads.

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "FieldValue.h"
#include "SqliteDatabase.h"

namespace quorvel::test {

// A folder of its own under the system's temporary folder, removed with its content.
class TemporaryFolder {
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;
    const std::filesystem::path& Path() const { return path_; }

private:
    std::filesystem::path path_;
};

// A whole file as it is stored; "" when it cannot be read.
inline std::string ReadBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

// Values of an age-dependent dose record, by coefficient number 1 to 25.
struct DoseRecord {
    std::string Nuclide;
    std::string Header;
    std::string Subtitle;
    double Age = 7300;
    FieldValue Nlet = std::int64_t{1};
    std::string Type = "L";
    std::map<int, FieldValue> Coefficients;
    std::int64_t Id = 0;
};

class FixtureDatabase {
public:
    FixtureDatabase();
    const std::string& Path() const { return path_; }
    std::filesystem::path Folder() const { return folder_.Path(); }

    void Execute(const std::string& sql);
    void Insert(const std::string& table, const std::vector<FieldValue>& values);

    // "Age Units" with the six groups from 3 months to adult.
    void CreateStandardAgeUnits();
    void CreateAgeUnits(const std::vector<std::pair<std::string, double>>& ages);

    // A unit table: one (name, factor) list per category.
    void CreateUnitTable(const std::string& name,
                         const std::vector<std::vector<std::pair<std::string, double>>>& categories);
    // Both unit tables with a few units in each of the four categories.
    void CreateStandardUnitTables();

    void CreateNuclideTable();
    void AddNuclide(const std::string& z, const std::string& element, const std::string& nuclide,
                    const std::string& halfLife, const std::string& intExt);

    // Fgr13ingGDB / Fgr13inhHDB: 41 fields, the coefficients at their positions.
    void CreateAgeDependentDoseTable(const std::string& table);
    void AddDoseRecord(const std::string& table, const DoseRecord& record);
    // A one-record block of a nuclide, low LET, with the given coefficients.
    void AddDose(const std::string& table, const std::string& nuclide, const std::map<int, FieldValue>& coefficients,
                 std::int64_t id, const std::string& subtitle = "", double age = 7300);

    // F12TIII1/3/7: 30 fields; values by field position 2 to 28.
    void CreateExternalDoseTable(const std::string& table);
    void AddExternalDoseRecord(const std::string& table, const std::string& nuclide, const std::string& header,
                               const std::map<int, FieldValue>& values, std::int64_t id);

    // The three risk tables, empty.
    void CreateRiskTables();
    // One row of displayed values (11 fields); see the risk tables' layouts.
    void AddIngestionRiskRecord(const std::string& nuclide, const FieldValue& intake, const FieldValue& form,
                                const FieldValue& f1, const std::vector<FieldValue>& displayed, std::int64_t id);
    void AddInhalationRiskRecord(const std::string& nuclide, const FieldValue& form, const FieldValue& f1,
                                 const std::vector<FieldValue>& displayed, std::int64_t id);
    void AddExternalRiskRecord(const std::string& nuclide, const std::string& mode,
                               const std::vector<FieldValue>& displayed, std::int64_t id);

    // A database with every table start-up reads, and the empty coefficient tables.
    void CreateStartUpTables();

private:
    TemporaryFolder folder_;
    std::string path_;
    std::unique_ptr<SqliteDatabase> db_;
};

// One database for the whole run with risk tables the shipped one lacks: sections with and
// without a form, two of one form an f1 apart, a short last section, Null, text and numeric
// text cells, a name stored in two cases (Cs-137 ingestion; Co-60 inhalation and submersion;
// Cs-137 ground plane; H-3 soil).
const std::string& RiskSectionsFixture();

}  // namespace quorvel::test
