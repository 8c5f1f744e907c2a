#pragma once
#include <stdexcept>
#include <string>

namespace quorvel {

// A failure of the database engine or of reading a record: the text is the engine's own.
class DatabaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorvel
