#include "NuclideRecords.h"

#include <algorithm>
#include <unordered_map>

#include "CaseFolding.h"
#include "DatabaseError.h"
#include "NumberText.h"

namespace quorvel {

Recordset OpenTableRecords(Database& database, const std::string& table, std::string condition,
                           std::vector<QueryParameter> parameters, const std::vector<std::string>& nuclides) {
    if (!nuclides.empty()) {
        std::string list;
        for (const auto& nuclide : nuclides) {
            list += list.empty() ? "?" : ", ?";
            parameters.emplace_back(nuclide);
        }
        condition += std::string(condition.empty() ? "" : " AND ") + "(Nuclide COLLATE NOCASE IN (" + list + "))";
    }
    return database.OpenQuery(
        "SELECT * FROM " + table + (condition.empty() ? "" : " WHERE " + condition) + " ORDER BY ID;", parameters);
}

std::vector<NuclideRecords> GroupByNuclide(const Recordset& records, int nuclidePosition) {
    std::vector<NuclideRecords> groups;
    std::unordered_map<std::string, std::size_t> index;
    for (const Record& record : records.Records()) {
        std::string key = FoldCase(FieldAt(record, nuclidePosition).TextOrEmpty());
        auto [it, added] = index.emplace(key, groups.size());
        if (added) groups.push_back({std::move(key), {}});
        groups[it->second].Records.push_back(&record);
    }
    return groups;
}

std::vector<std::string> NamesNotFound(const std::vector<std::string>& names,
                                       const std::vector<NuclideRecords>& groups) {
    std::vector<std::string> missing;
    for (const std::string& name : names) {
        const std::string key = FoldCase(name);
        if (std::none_of(groups.begin(), groups.end(), [&](const NuclideRecords& group) { return group.Key == key; }))
            missing.push_back(name);
    }
    return missing;
}

const FieldValue& FieldAt(const Record& record, int position) {
    if (position < 0 || position >= static_cast<int>(record.size()))
        throw DatabaseError("Item not found in this collection (field " + std::to_string(position) + ").");
    return record[static_cast<std::size_t>(position)];
}

std::vector<std::string> TableNuclides(Database& database, const std::string& table) {
    const Recordset names =
        database.OpenQuery("SELECT Nuclide FROM " + table + " GROUP BY Nuclide COLLATE NOCASE ORDER BY MIN(ID);");
    std::vector<std::string> nuclides;
    for (const Record& name : names.Records()) nuclides.push_back(FieldAt(name, 0).TextOrEmpty());
    return nuclides;
}

}  // namespace quorvel
