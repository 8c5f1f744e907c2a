#pragma once
// What the build left out and why, and how much each table holds.
#include <string>
#include <utility>
#include <vector>

namespace quorvel::data {

struct RejectedValue {
    std::string File;  // path relative to the sources directory
    int Line = 0;
    std::string What;  // which value of the line (nuclide and column)
    std::string Text;  // the value as written
    std::string Reason;
};

class QualityReport {
public:
    void Reject(RejectedValue value) { rejected_.push_back(std::move(value)); }
    // A remark on a source line that is not a rejected value (a line without values, a
    // half-life that disagrees with the decay data, ...); line 0 for the file as a whole.
    void Note(const std::string& file, int line, const std::string& text);
    void CountTable(const std::string& table, long records) { counts_.emplace_back(table, records); }

    const std::vector<RejectedValue>& Rejected() const { return rejected_; }
    const std::vector<std::string>& Notes() const { return notes_; }
    const std::vector<std::pair<std::string, long>>& TableCounts() const { return counts_; }

    std::string Text() const;

private:
    std::vector<RejectedValue> rejected_;
    std::vector<std::string> notes_;
    std::vector<std::pair<std::string, long>> counts_;
};

}  // namespace quorvel::data
