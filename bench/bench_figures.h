#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

// Milliseconds that `work` takes, by the performance counter.
template <class Work>
double Milliseconds(Work work)
{
    LARGE_INTEGER frequency;
    LARGE_INTEGER from;
    LARGE_INTEGER to;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&from);
    work();
    QueryPerformanceCounter(&to);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

inline double Best(const std::vector<double>& times)
{
    return *std::min_element(times.begin(), times.end());
}
