#pragma once
// F12TIII1, F12TIII3, F12TIII7: 0 Nuclide, 1 header text, 2..26 the 25 FGR-12 columns in file
// order, 27..28 two fields FGR-12 does not tabulate (Null), 29 ID, 30 Source ("file:line").
#include <string>

#include "Fgr12File.h"
#include "NuclideCatalogue.h"
#include "Table.h"

namespace quorvel::data {

// sourceName is the FGR-12 table, e.g. "FGR-12 Table III.1", shown in the header text;
// sourceFile the file's path relative to the sources directory.
Table ExternalDoseTable(const std::string& tableName, const Fgr12Table& source, const std::string& sourceName,
                        const std::string& sourceFile, const NuclideCatalogue& catalogue);

}  // namespace quorvel::data
