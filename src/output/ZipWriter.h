#pragma once
// A zip file written entry by entry as the data comes (by minizip), deflated at zlib's
// fastest level on a thread of its own, so that a large entry (a workbook's sheet of every
// coefficient) costs little more than producing its text. Entries carry no Zip64 field,
// which Excel is strict about: an entry over 4 GiB fails.

#include <memory>
#include <string>
#include <string_view>

namespace quorvel {

class ZipWriter {
public:
    // Creates the file; Ok() says whether it could.
    explicit ZipWriter(const std::string& path);
    ~ZipWriter();
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Starts an entry (ending the one before).
    void Begin(const std::string& name);
    void Write(std::string_view data);
    // Ends the last entry, writes the directory and closes the file; true when all of it
    // was written.
    bool Close();
    bool Ok() const;

private:
    struct Zip;
    std::unique_ptr<Zip> zip_;
};

}  // namespace quorvel
