// The median of a benchmark's measurements: the middle one once sorted, which one disturbed
// measurement cannot move.
#ifndef BENCH_MEDIAN_H
#define BENCH_MEDIAN_H

#include <algorithm>
#include <vector>

// The median of the values; 0 for none.
inline double median(std::vector<double> values)
{
    if (values.empty()) return 0;
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

#endif
