#pragma once
// The one open coefficient database of a process (the command line) or of the main window,
// with what start-up reads from it: the age groups, the nuclide list and the unit tables;
// the decay data when first asked for. Whatever reads the database borrows the session by
// reference; compaction closes it and opens it again, so that borrowers keep working.

#include <memory>
#include <optional>
#include <string>

#include "Database.h"
#include "DecayData.h"
#include "StartUpReaders.h"

namespace quorvel {

inline constexpr const char* RiskUnitTableName = "Risk Units";
inline constexpr const char* DoseUnitTableName = "Dose Units";

class DatabaseSession {
public:
    // Opens the database at the path and reads "Age Units", "Nuke2" and the two unit tables,
    // in that order; any failure is a DatabaseError.
    explicit DatabaseSession(std::string path);
    DatabaseSession(const DatabaseSession&) = delete;
    DatabaseSession& operator=(const DatabaseSession&) = delete;

    const std::string& Path() const { return path_; }
    // The open database; a session that is closed (compaction failed to open it again) is a
    // DatabaseError that says why.
    Database& Connection();

    const AgeGroups& Ages() const { return ages_; }
    const UnitTables& Units() const { return units_; }
    // Every record of "Nuke2" in stored order.
    const Recordset& NuclideRecords() const { return nuclides_; }
    // "Daughters", read at the first call.
    const DecayData& Decay();

    // Closes the database (for compaction); what was read from it stays.
    void Close();
    // Opens it again; a failure leaves the session closed and is a DatabaseError.
    void Reopen();

private:
    std::string path_;
    std::unique_ptr<Database> database_;
    std::string closedBecause_;
    AgeGroups ages_;
    Recordset nuclides_{{}, {}};
    UnitTables units_;
    std::optional<DecayData> decay_;
};

}  // namespace quorvel
