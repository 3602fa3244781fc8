// One connection probe call on this machine's real route tables.
#include "platform/RouteTableProbe.h"

#include <benchmark/benchmark.h>

static void connectionProbe(benchmark::State &state)
{
    RouteTableProbe probe;
    for (auto _ : state)
        benchmark::DoNotOptimize(probe.InternetGetConnectedState());
}
BENCHMARK(connectionProbe)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
