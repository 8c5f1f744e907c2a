#pragma once
// FGR13ING.GDB of the FGR-13 data package: ingestion committed equivalent doses by organ for
// every nuclide, form and age, Format(a7,i5,e8.0,i2,1x,a1,33e10.0). A block is an "L" line and,
// when the line says its block has 2 records, an "H" continuation with the high-LET absorbed
// doses (Gy/Bq) whose h_Rem and e_50 are blank. A few pure alpha emitters have one "H" line.
#include <filesystem>
#include <string>

#include "Fgr13OrganFile.h"
#include "QualityReport.h"

namespace quorvel::data {

// The 31 organ headings of the file become organLabels (GB_Wall and Ht_Wall are not in it).
Fgr13OrganFile ParseFgr13PackageDoseFile(const std::filesystem::path& file, const std::string& displayName,
                                         QualityReport& report);

}  // namespace quorvel::data
