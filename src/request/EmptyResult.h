#pragma once
// Why a request's table came out as "(None Available)", said in one line, so that the user
// can tell a nuclide the list does not have from a table the database does not fill.

#include <string>

#include "CoefficientRequest.h"
#include "Database.h"

namespace quorvel {

// "Cs-137" is in the nuclide list or not (the caller knows the list); the database is
// asked whether the request's table holds any record at all, and any for the nuclide.
std::string ExplainEmptyResult(Database& database, const CoefficientRequest& request, bool nuclideListed);

}  // namespace quorvel
