#pragma once
// Compacting the coefficient database in place without ever leaving the path without a
// usable database: the compacted copy is written beside it and then renamed over it.

#include <string>

#include "BusyPointer.h"

namespace quorvel {

// Where the progress texts go (the first panel of the main window's status bar).
class CompactionStatus {
public:
    virtual ~CompactionStatus() = default;
    virtual void SetStatusText(const std::string& text) = 0;
};

// The steps of a compaction, in order, for tests that make one of them fail.
enum class CompactionStep { RemoveLeftovers, WriteCompactedCopy, CheckCompactedCopy, ReplaceDatabase };

class CompactionFaults {
public:
    virtual ~CompactionFaults() = default;
    // Throws to make the step fail before it runs.
    virtual void BeforeStep(CompactionStep step) = 0;
};

// "temp.001" in the current directory: the name of the temporary copy, removed at the start.
inline constexpr const char* CompactionTempFileName = "temp.001";

// The temporary copy beside the database (same folder, so the rename is atomic).
std::string CompactionTempPath(const std::string& databasePath);

// Whether the file is one this compaction can handle (an SQLite database); Access files
// and anything else are left alone.
bool IsCompactableDatabase(const std::string& databasePath);

// Shows "Creating temp file . . .", "Compacting Database . . .", "DONE Compacting
// Database . . ." and finally "". Failures are not reported: a failing step leaves the
// database as it was and removes the partial copy. Returns whether it was replaced.
bool CompactDatabase(const std::string& databasePath, CompactionStatus& status, BusyPointer& busyPointer,
                     CompactionFaults* faults = nullptr);

}  // namespace quorvel
