#pragma once
// The timing every bench row shares.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace orvtools {

// The median time of one call in microseconds over runs timed calls. One untimed call
// first warms caches up; GDI's batch is flushed inside each timed call, so queued
// drawing counts where it was asked for.
inline double MedianMicroseconds(int runs, const std::function<void()>& call) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<double> times;
    times.reserve(static_cast<size_t>(runs));
    call();
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER start, stop;
        QueryPerformanceCounter(&start);
        call();
        GdiFlush();
        QueryPerformanceCounter(&stop);
        times.push_back(static_cast<double>(stop.QuadPart - start.QuadPart) * 1e6 / frequency.QuadPart);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}

}  // namespace orvtools
