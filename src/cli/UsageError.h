#pragma once
#include <stdexcept>

namespace quorvel {

// A request the database could answer but the arguments cannot make as given: exit status 2.
// Every other failure of a run is the database's: exit status 1.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace quorvel
