#include "SystemReport.h"

#include <fstream>
#include <sstream>
#include <sys/utsname.h>

#include "Database.h"
#include "DatabaseFormat.h"
#include "LibraryVersions.h"
#include "SqliteDatabase.h"

namespace quorvel {

namespace {

std::string FormatName(DatabaseFormat format) {
    switch (format) {
        case DatabaseFormat::Sqlite: return "SQLite";
        case DatabaseFormat::Access: return "Microsoft Access (read with mdbtools)";
        case DatabaseFormat::Unknown: break;
    }
    return "unknown (neither SQLite nor Access)";
}

// The distribution's PRETTY_NAME, quotes removed; empty without one.
std::string DistributionName() {
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) {
            if (!line.starts_with("PRETTY_NAME=")) continue;
            std::string name = line.substr(12);
            if (name.size() >= 2 && (name.front() == '"' || name.front() == '\'') && name.back() == name.front())
                name = name.substr(1, name.size() - 2);
            return name;
        }
    }
    return {};
}

// Every table of the database but the engine's own, with its records.
void WriteTables(const std::string& path, std::ostream& out) {
    try {
        auto database = OpenDatabase(path);
        Recordset tables = database->OpenQuery("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
        out << "Tables (records):\n";
        for (; !tables.IsEOF(); tables.MoveNext()) {
            const std::string name = tables.Field(0).Text();
            if (IsSystemTableName(name)) continue;
            Recordset count = database->OpenQuery("SELECT COUNT(*) FROM " + QuoteIdentifier(name));
            out << "  " << name << ": " << count.Field(0).Text() << '\n';
        }
    } catch (const std::exception& e) {
        out << "Tables: the database cannot be read (" << e.what() << ")\n";
    }
}

}  // namespace

std::string OperatingSystemDescription() {
    std::string description = DistributionName();
    struct utsname system {};
    if (::uname(&system) == 0)
        description += (description.empty() ? "" : "; ") + std::string(system.sysname) + " " + system.release + " " +
                       system.machine;
    return description.empty() ? "unknown" : description;
}

std::string SystemReport(const SystemReportFacts& facts) {
    std::ostringstream out;
    out << "Program: " << facts.ProgramVersion << '\n'
        << "Qt: " << facts.QtVersion << '\n'
        << "SQLite: " << SqliteVersion() << '\n'
        << "mdbtools: " << MdbtoolsVersion() << '\n'
        << "Operating system: " << OperatingSystemDescription() << '\n'
        << "Database: " << facts.DatabasePath << '\n'
        << "Database kind: " << FormatName(DetectDatabaseFormat(facts.DatabasePath)) << '\n';
    WriteTables(facts.DatabasePath, out);
    out << "Settings file: " << facts.UserIniPath << '\n';
    return out.str();
}

}  // namespace quorvel
