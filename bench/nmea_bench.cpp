// Sentences read per second from a stream of the instruments' usual mix:
// the reader must keep up with a multiplexer with room to spare (a million a
// second on one core). Run by `./test bench`.

#include "nav/nmea.h"

#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>

namespace {

constexpr std::array<std::string_view, 6> kMix{
    "$HCHDG,98.3,0.0,E,12.6,W*57",
    "$VWVHW,045.0,T,041.0,M,6.0,N,,K*78",
    "$GPVTG,054.7,T,034.4,M,005.5,N,010.2,K*48",
    "$GPRMC,123519,A,4807.038,N,01131.000,E,022.4,084.4,230394,003.1,W*6A",
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47",
    "$GPGLL,4916.45,N,12311.12,W,225444,A,*1D",
};

void BM_ReadSentence(benchmark::State& state)
{
    nav::NmeaNews news;
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(nav::ReadSentence(kMix[i], news));
        i = (i + 1) % kMix.size();
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadSentence);

// The same mix as one stream, cut into lines as it arrives.
void BM_ReadStream(benchmark::State& state)
{
    std::string stream;
    for (std::string_view s : kMix)
        stream.append(s).append("\r\n");
    nav::NmeaNews news;
    nav::NmeaLines lines;
    for (auto _ : state)
        lines.Feed(stream, [&](std::string_view line) { benchmark::DoNotOptimize(nav::ReadSentence(line, news)); });
    state.SetItemsProcessed(state.iterations() * kMix.size());
}
BENCHMARK(BM_ReadStream);

}  // namespace

BENCHMARK_MAIN();
