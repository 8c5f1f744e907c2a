#include "QualityReport.h"

#include <sstream>

namespace quorvel::data {

void QualityReport::Note(const std::string& file, int line, const std::string& text) {
    notes_.push_back(file + (line > 0 ? ":" + std::to_string(line) : std::string()) + ": " + text);
}

std::string QualityReport::Text() const {
    std::ostringstream out;
    out << "Data-quality report of the coefficient database\n\nRecords per table:\n";
    for (const auto& [table, records] : counts_) out << "  " << table << ": " << records << "\n";
    out << "\nRejected source values (stored as Null): " << rejected_.size() << "\n";
    for (const auto& r : rejected_)
        out << "  " << r.File << ":" << r.Line << ": " << r.What << " '" << r.Text << "': " << r.Reason << "\n";
    out << "\nNotes: " << notes_.size() << "\n";
    for (const auto& n : notes_) out << "  " << n << "\n";
    return out.str();
}

}  // namespace quorvel::data
