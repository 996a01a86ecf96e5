// What an idle window costs: the demo runs under its own Xvfb for a few
// seconds and reports the share of one core it used and its frame rate.
// Target: a few per cent of one core, frames near the display refresh.
#include <benchmark/benchmark.h>
#include <stdio.h>
#include <string.h>

#include <string>

static void idle_window(benchmark::State& state) {
    std::string cmd = std::string(SOKOL_XVFB) + " " + SOKOL_DEMO + " --seconds 4 2>&1";
    double share = 0.0, fps = 0.0;
    for (auto _ : state) {
        FILE* p = popen(cmd.c_str(), "r");
        if (!p) {
            state.SkipWithError("cannot start the demo");
            return;
        }
        char line[256];
        bool found = false;
        while (fgets(line, sizeof line, p)) {
            if (sscanf(line, "idle cpu_share=%lf fps=%lf", &share, &fps) == 2) found = true;
        }
        if (pclose(p) != 0 || !found) {
            state.SkipWithError("the demo did not report its idle cost");
            return;
        }
        state.SetIterationTime(3.5);
    }
    state.counters["cpu_percent_of_one_core"] = share * 100.0;
    state.counters["frames_per_second"] = fps;
}
BENCHMARK(idle_window)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

BENCHMARK_MAIN();
