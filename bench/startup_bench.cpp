// Process start to first paint, and peak memory, of the program against a
// bare Qt window of the same size: startup_bench <program> <bare window> [runs].
// Each run starts a fresh process that ends after its first paint; the
// medians of wall time and of peak resident memory are compared.

#include <sys/resource.h>
#include <sys/wait.h>
#include <spawn.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kDefaultRuns = 21;

struct Run {
    double milliseconds;
    long peakKilobytes;
};

Run Start(const char* program)
{
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        std::exit(2);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s did not end well\n", program);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - begin).count(), usage.ru_maxrss};
}

template <typename T>
T Median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <program> <bare window> [runs]\n", argv[0]);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : kDefaultRuns;
    setenv("ORVANE_QUIT_AFTER_FIRST_PAINT", "1", 1);
    std::vector<double> programTime, bareTime;
    std::vector<long> programMemory, bareMemory;
    Start(argv[1]);  // warm the file cache for both
    Start(argv[2]);
    for (int i = 0; i < runs; ++i) {
        const Run p = Start(argv[1]);
        const Run b = Start(argv[2]);
        programTime.push_back(p.milliseconds);
        programMemory.push_back(p.peakKilobytes);
        bareTime.push_back(b.milliseconds);
        bareMemory.push_back(b.peakKilobytes);
    }
    const double t = Median(programTime), bt = Median(bareTime);
    const long m = Median(programMemory), bm = Median(bareMemory);
    std::printf("start to first paint: program %.1f ms, bare window %.1f ms, ratio %.2f\n", t, bt, t / bt);
    std::printf("peak memory:          program %ld kB, bare window %ld kB, ratio %.2f\n", m, bm,
                static_cast<double>(m) / static_cast<double>(bm));
    return 0;
}
