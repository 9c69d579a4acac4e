#pragma once
// Timing for the benchmarks that run under Wine. The machine is shared, so each measure is
// taken several times and the best run is held against its goal (the median is printed too).
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

inline double NowMs()
{
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return 1000.0 * static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline void Goal(const char* name, std::vector<double> runs, double limit, const char* unit)
{
    std::sort(runs.begin(), runs.end());
    std::printf("%s: best %.1f, median %.1f, worst %.1f %s over %zu runs\n", name, runs.front(), runs[runs.size() / 2],
                runs.back(), unit, runs.size());
    std::printf("GOAL %s %.1f %.0f %s %s\n", name, runs.front(), limit, unit, runs.front() <= limit ? "PASS" : "MISS");
    std::fflush(stdout);
}
