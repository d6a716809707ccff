// Process start to first paint, and peak memory, of the program against a
// bare Qt window of the same size, empty and with one line of text:
// startup_bench <program> <bare window> [runs]. Each run starts a fresh
// process that ends at its first paint; the medians of wall time and of
// peak resident memory are compared.

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

Run Start(const char* program, const char* argument = nullptr)
{
    const auto begin = std::chrono::steady_clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), const_cast<char*>(argument), nullptr};
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
    // Without a runtime folder every run would print Qt's warning about it.
    char runtime[] = "/tmp/orvane-bench-XXXXXX";
    if (!std::getenv("XDG_RUNTIME_DIR") && mkdtemp(runtime))
        setenv("XDG_RUNTIME_DIR", runtime, 1);
    struct Series {
        const char* name;
        const char* argument;
        std::vector<double> time;
        std::vector<long> memory;
    };
    Series series[] = {{"program", nullptr, {}, {}}, {"bare window", nullptr, {}, {}},
                       {"bare window with text", "text", {}, {}}};
    for (Series& s : series)  // warms the file cache
        Start(s.name == series[0].name ? argv[1] : argv[2], s.argument);
    for (int i = 0; i < runs; ++i)
        for (Series& s : series) {
            const Run r = Start(s.name == series[0].name ? argv[1] : argv[2], s.argument);
            s.time.push_back(r.milliseconds);
            s.memory.push_back(r.peakKilobytes);
        }
    const double t = Median(series[0].time);
    const long m = Median(series[0].memory);
    std::printf("start to first paint, peak memory (medians of %d runs)\n", runs);
    for (const Series& s : series) {
        const double st = Median(s.time);
        const long sm = Median(s.memory);
        std::printf("  %-22s %6.1f ms  %7ld kB   program / this: time %.2f, memory %.2f\n", s.name, st, sm, t / st,
                    static_cast<double>(m) / static_cast<double>(sm));
    }
    return 0;
}
