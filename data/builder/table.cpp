#include "table.hpp"

#include <stdexcept>

namespace quorvel::data {

std::size_t Table::position(const std::string& fieldName) const
{
    for (std::size_t k = 0; k < fields.size(); ++k)
        if (fields[k].name == fieldName)
            return k;
    throw std::logic_error("table " + name + " has no field " + fieldName);
}

}  // namespace quorvel::data
