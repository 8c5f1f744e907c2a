#include "Table.h"

#include <stdexcept>

namespace quorvel::data {

std::size_t Table::Position(const std::string& fieldName) const {
    for (std::size_t k = 0; k < Fields.size(); ++k)
        if (Fields[k].Name == fieldName) return k;
    throw std::logic_error("table " + Name + " has no field " + fieldName);
}

}  // namespace quorvel::data
