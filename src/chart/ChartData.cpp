#include "ChartData.h"

namespace quorvel {

bool ChartData::HasValues() const {
    for (const ChartSeries& series : Series)
        for (const auto& value : series.Values)
            if (value) return true;
    return false;
}

}  // namespace quorvel
