#pragma once

// What the benchmarks share: a clock, order statistics, the resident peak.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace bench {

using Clock = std::chrono::steady_clock;

inline double Milliseconds(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

// The value below which a share p of the values lie (nearest rank, p in 0..1).
inline double Percentile(std::vector<double> values, double p) {
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1) + 0.5)];
}

inline double Median(const std::vector<double>& values) { return Percentile(values, 0.5); }

inline double Maximum(const std::vector<double>& values) {
    return values.empty() ? 0.0 : *std::max_element(values.begin(), values.end());
}

// A /proc/self/status figure in MB (VmHWM: the resident peak, VmRSS: now); -1 when unreadable.
inline double Status_MB(const char* field) {
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1.0;
    char line[256];
    double mb = -1.0;
    const std::size_t n = std::strlen(field);
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, field, n) == 0 && line[n] == ':') {
            mb = std::atof(line + n + 1) / 1024.0;
            break;
        }
    std::fclose(status);
    return mb;
}

// The one-minute load average, for judging how quiet the machine was.
inline double Load_Average() {
    double load = -1.0;
    if (std::FILE* f = std::fopen("/proc/loadavg", "r")) {
        if (std::fscanf(f, "%lf", &load) != 1)
            load = -1.0;
        std::fclose(f);
    }
    return load;
}

inline void Print_Row(const char* name, const std::vector<double>& ms, double floor) {
    const double median = Median(ms), p99 = Percentile(ms, 0.99), most = Maximum(ms);
    std::printf("  %-11s median %7.3f  p99 %7.3f  max %7.3f ms", name, median, p99, most);
    if (floor > 0)
        std::printf("   (%5.2f / %5.2f / %5.2f x fill)", median / floor, p99 / floor, most / floor);
    std::printf("\n");
}

} // namespace bench
