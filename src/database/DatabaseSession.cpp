#include "DatabaseSession.h"

#include "DatabaseError.h"

namespace quorvel {

DatabaseSession::DatabaseSession(std::string path) : path_(std::move(path)), database_(OpenDatabase(path_)) {
    ages_ = ReadAgeUnits(*database_);
    nuclides_ = database_->OpenTable("Nuke2");
    units_ = ReadUnitTables(*database_, RiskUnitTableName, DoseUnitTableName);
}

Database& DatabaseSession::Connection() {
    if (!database_) throw DatabaseError("The database " + path_ + " is closed: " + closedBecause_);
    return *database_;
}

const DecayData& DatabaseSession::Decay() {
    if (!decay_) decay_ = DecayData::Read(Connection());
    return *decay_;
}

void DatabaseSession::Close() {
    database_.reset();
    closedBecause_ = "it is being compacted.";
}

void DatabaseSession::Reopen() {
    database_.reset();
    try {
        database_ = OpenDatabase(path_);
    } catch (const std::exception& e) {
        closedBecause_ = std::string("it could not be opened again after compaction (") + e.what() + ").";
        throw;
    }
}

}  // namespace quorvel
