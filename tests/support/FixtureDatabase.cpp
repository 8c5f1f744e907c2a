#include "FixtureDatabase.h"

#include <random>
#include <stdexcept>

namespace quorvel::test {

namespace {

std::string ColumnList(const std::vector<std::string>& names) {
    std::string list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) list += ", ";
        list += QuoteIdentifier(names[i]);
    }
    return list;
}

QueryParameter ToParameter(const FieldValue& value) {
    if (value.IsNull()) return std::monostate{};
    if (value.IsText()) return value.Text();
    // Whole numbers keep their type, so that a stored 1 is an integer as in the real tables.
    const double number = value.Number();
    const std::string text = value.Text();
    if (text.find_first_of(".eE") == std::string::npos) return static_cast<std::int64_t>(number);
    return number;
}

std::vector<std::string> DoseFieldNames() {
    return {"Nuclide",
            "Header",
            "Subtitle",
            "Age",
            "f1",
            "Nlet",
            "Type",
            "Adrenals",
            "Bladder Wall",
            "Bone Surface",
            "Brain",
            "Breasts",
            "Stomach Wall",
            "Small Intestine Wall",
            "Upper Large Intestine Wall",
            "Lower Large Intestine Wall",
            "Kidneys",
            "Liver",
            "ET1",
            "ET2",
            "Bronchial",
            "Bronchiolar",
            "AI",
            "LN-ET",
            "LN-TH",
            "Esophagus",
            "Muscle",
            "Ovaries",
            "Pancreas",
            "Red Marrow",
            "Skin",
            "Spleen",
            "Testes",
            "Thymus",
            "Thyroid",
            "Uterus",
            "Lungs",
            "Remainder",
            "Gall Bladder Wall",
            "Effective",
            "ID"};
}

int DoseCoefficientPosition(int coefficient) {
    static const int positions[] = {0,  4,  7,  9,  10, 11, 12, 13, 14, 15, 16, 17, 36,
                                    37, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 8,  39};
    if (coefficient < 1 || coefficient > 25) throw std::out_of_range("coefficient");
    return positions[coefficient];
}

std::vector<std::string> ExternalFieldNames() {
    std::vector<std::string> names = {"Nuclide", "Header"};
    for (int position = 2; position <= 28; ++position) names.push_back("Organ " + std::to_string(position));
    names.emplace_back("ID");
    return names;
}

std::vector<std::string> RiskDisplayedFieldNames() {
    return {"Cancer Site",       "Mortality Male",  "Mortality Female", "Mortality Average",
            "Mortality Lower",   "Mortality Upper", "Morbidity Male",   "Morbidity Female",
            "Morbidity Average", "Morbidity Lower", "Morbidity Upper"};
}

}  // namespace

TemporaryFolder::TemporaryFolder() {
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() /
            ("quorvel-test-" + std::to_string(random()) + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

FixtureDatabase::FixtureDatabase()
    : path_((folder_.Path() / "DoseAndRisk.mdb").string()),
      db_(std::make_unique<SqliteDatabase>(path_, SqliteDatabase::Mode::Create)) {
    // Fixtures are thrown away: no need to wait for the disk after every insert.
    db_->Execute("PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY");
}

void FixtureDatabase::Execute(const std::string& sql) { db_->Execute(sql); }

void FixtureDatabase::Insert(const std::string& table, const std::vector<FieldValue>& values) {
    std::string sql = "INSERT INTO " + QuoteIdentifier(table) + " VALUES (";
    std::vector<QueryParameter> parameters;
    for (std::size_t i = 0; i < values.size(); ++i) {
        sql += i == 0 ? "?" : ", ?";
        parameters.push_back(ToParameter(values[i]));
    }
    db_->Execute(sql + ")", parameters);
}

void FixtureDatabase::CreateStandardAgeUnits() {
    CreateAgeUnits({{"3 Months", 100},
                    {"1 Year", 365},
                    {"5 Years", 1825},
                    {"10 Years", 3650},
                    {"15 Years", 5475},
                    {"Adult", 7300}});
}

void FixtureDatabase::CreateAgeUnits(const std::vector<std::pair<std::string, double>>& ages) {
    Execute("CREATE TABLE \"Age Units\" (ID INTEGER, Description TEXT, NumberOfDays REAL)");
    std::int64_t id = 1;
    for (const auto& [name, days] : ages) Insert("Age Units", {id++, name, days});
}

void FixtureDatabase::CreateUnitTable(const std::string& name,
                                      const std::vector<std::vector<std::pair<std::string, double>>>& categories) {
    // Record 0 holds each category's count; record j its j-th unit and factor, Null past its end.
    std::vector<std::string> fields = {"ID"};
    std::vector<FieldValue> counts = {std::int64_t{0}};
    std::size_t longest = 0;
    for (std::size_t k = 1; k <= categories.size(); ++k) {
        fields.insert(fields.end(), {"Units" + std::to_string(k), "Factors" + std::to_string(k)});
        counts.insert(counts.end(), {FieldValue(std::to_string(categories[k - 1].size())), FieldValue()});
        longest = std::max(longest, categories[k - 1].size());
    }
    Execute("CREATE TABLE " + QuoteIdentifier(name) + " (" + ColumnList(fields) + ")");
    Insert(name, counts);
    for (std::size_t j = 0; j < longest; ++j) {
        std::vector<FieldValue> record = {static_cast<std::int64_t>(j + 1)};
        for (const auto& units : categories) {
            record.resize(record.size() + 2);
            if (j < units.size()) {
                record[record.size() - 2] = units[j].first;
                record.back() = units[j].second;
            }
        }
        Insert(name, record);
    }
}

void FixtureDatabase::CreateStandardUnitTables() {
    CreateUnitTable("Dose Units", {{{"Sv/Bq", 1}, {"mSv/Bq", 1000}, {"rem/Ci", 3.7e12}},
                                   {{"Sv m3/(Bq s)", 1}, {"mSv/h per Bq/m3", 3.6e6}},
                                   {{"Sv m2/(Bq s)", 1}},
                                   {{"Sv m3/(Bq s)", 1}, {"mSv/h per Bq/kg", 5.76e9}}});
    CreateUnitTable(
        "Risk Units",
        {{{"per Bq", 1}, {"per pCi", 0.037}}, {{"per Bq s/m3", 1}}, {{"per Bq s/m2", 1}}, {{"per Bq s/m3", 1}}});
}

void FixtureDatabase::CreateNuclideTable() {
    Execute("CREATE TABLE Nuke2 (Z TEXT, Element TEXT, Nuclide TEXT, \"T1/2\" TEXT, \"Int/Ext\" TEXT)");
}

void FixtureDatabase::AddNuclide(const std::string& z, const std::string& element, const std::string& nuclide,
                                 const std::string& halfLife, const std::string& intExt) {
    Insert("Nuke2", {z, element, nuclide, halfLife, intExt});
}

void FixtureDatabase::CreateAgeDependentDoseTable(const std::string& table) {
    Execute("CREATE TABLE " + QuoteIdentifier(table) + " (" + ColumnList(DoseFieldNames()) + ")");
}

void FixtureDatabase::AddDoseRecord(const std::string& table, const DoseRecord& record) {
    std::vector<FieldValue> values(DoseFieldNames().size());
    values[0] = record.Nuclide;
    values[1] = record.Header;
    values[2] = record.Subtitle;
    values[3] = record.Age;
    values[5] = record.Nlet;
    values[6] = record.Type;
    for (const auto& [coefficient, value] : record.Coefficients)
        values[static_cast<std::size_t>(DoseCoefficientPosition(coefficient))] = value;
    values[40] = record.Id;
    Insert(table, values);
}

void FixtureDatabase::AddDose(const std::string& table, const std::string& nuclide,
                              const std::map<int, FieldValue>& coefficients, std::int64_t id,
                              const std::string& subtitle, double age) {
    AddDoseRecord(table, {nuclide, "", subtitle, age, std::int64_t{1}, "L", coefficients, id});
}

void FixtureDatabase::CreateExternalDoseTable(const std::string& table) {
    Execute("CREATE TABLE " + QuoteIdentifier(table) + " (" + ColumnList(ExternalFieldNames()) + ")");
}

void FixtureDatabase::AddExternalDoseRecord(const std::string& table, const std::string& nuclide,
                                            const std::string& header, const std::map<int, FieldValue>& values,
                                            std::int64_t id) {
    std::vector<FieldValue> record(ExternalFieldNames().size());
    record[0] = nuclide;
    record[1] = header;
    for (const auto& [position, value] : values) record.at(static_cast<std::size_t>(position)) = value;
    record[29] = id;
    Insert(table, record);
}

void FixtureDatabase::CreateRiskTables() {
    const std::string displayed = ColumnList(RiskDisplayedFieldNames());
    Execute("CREATE TABLE FGR13INGRBS (Nuclide, Intake, Form, f_1, ID, " + displayed + ")");
    Execute("CREATE TABLE FGR13INHRBS (Nuclide, Form, f_1, ID, " + displayed + ")");
    Execute("CREATE TABLE FGR13extRBS (Nuclide, Mode, ID, " + displayed + ")");
}

void FixtureDatabase::AddIngestionRiskRecord(const std::string& nuclide, const FieldValue& intake,
                                             const FieldValue& form, const FieldValue& f1,
                                             const std::vector<FieldValue>& displayed, std::int64_t id) {
    std::vector<FieldValue> record = {nuclide, intake, form, f1, id};
    record.insert(record.end(), displayed.begin(), displayed.end());
    Insert("FGR13INGRBS", record);
}

void FixtureDatabase::AddInhalationRiskRecord(const std::string& nuclide, const FieldValue& form, const FieldValue& f1,
                                              const std::vector<FieldValue>& displayed, std::int64_t id) {
    std::vector<FieldValue> record = {nuclide, form, f1, id};
    record.insert(record.end(), displayed.begin(), displayed.end());
    Insert("FGR13INHRBS", record);
}

void FixtureDatabase::AddExternalRiskRecord(const std::string& nuclide, const std::string& mode,
                                            const std::vector<FieldValue>& displayed, std::int64_t id) {
    std::vector<FieldValue> record = {nuclide, mode, id};
    record.insert(record.end(), displayed.begin(), displayed.end());
    Insert("FGR13extRBS", record);
}

void FixtureDatabase::CreateStartUpTables() {
    CreateStandardAgeUnits();
    CreateStandardUnitTables();
    CreateNuclideTable();
    AddNuclide("1", "Hydrogen", "H-3", "12.35 y", "I/E");
    AddNuclide("27", "Cobalt", "Co-60", "5.271 y", "I/E");
    AddNuclide("55", "Cesium", "Cs-137", "30.0 y", "I/E");
    CreateAgeDependentDoseTable("Fgr13ingGDB");
    CreateAgeDependentDoseTable("Fgr13inhHDB");
    for (const char* table : {"F12TIII1", "F12TIII3", "F12TIII7"}) CreateExternalDoseTable(table);
    CreateRiskTables();
}

const std::string& RiskSectionsFixture() {
    static const auto fixture = [] {
        auto f = std::make_unique<FixtureDatabase>();
        f->CreateStartUpTables();
        std::int64_t id = 0;
        const auto row = [](int k) {
            std::vector<FieldValue> values{FieldValue("Site " + std::to_string(k % 15))};
            for (int j = 1; j < 11; ++j) values.emplace_back(1.5e-10 * j + 1e-12 * k);
            if (k % 7 == 3) values[2] = FieldValue();
            if (k % 11 == 4) values[10] = "n/a";
            if (k % 13 == 2) values[9] = "2.5E-11";
            return values;
        };
        for (int k = 0; k < 50; ++k)
            f->AddIngestionRiskRecord(k < 25 ? "Cs-137" : "CS-137", k < 15 ? "Water" : "Food",
                                      k < 15 || k >= 30 ? FieldValue("Soluble") : FieldValue(), 0.3, row(k), ++id);
        for (int k = 0; k < 45; ++k)
            f->AddInhalationRiskRecord("Co-60", k < 15 ? FieldValue() : FieldValue("Type M"), k < 30 ? 0.1 : 0.05,
                                       row(k), ++id);
        for (int k = 0; k < 33; ++k) f->AddExternalRiskRecord("Cs-137", "Ground Plane", row(k), ++id);
        for (int k = 0; k < 15; ++k) f->AddExternalRiskRecord("H-3", "soil layer", row(k), ++id);
        for (int k = 0; k < 15; ++k) f->AddExternalRiskRecord("Co-60", "Submersion", row(k), ++id);
        return f;
    }();
    return fixture->Path();
}

}  // namespace quorvel::test
