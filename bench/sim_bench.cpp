// How fast the simulated radio handles commands, and the round trip of one query over the
// pseudo-terminal.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <string>

#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace {

using namespace velmora::sim;

void runCommands(benchmark::State& state, const std::string& batch, int commandsPerBatch) {
    SimulatedRadio radio;
    size_t bytes = 0;
    for (auto _ : state) {
        radio.receive(batch);
        for (const std::string& a : radio.takeAnswers()) bytes += a.size();
    }
    benchmark::DoNotOptimize(bytes);
    state.SetItemsProcessed(state.iterations() * commandsPerBatch);
    state.counters["commands/s"] = benchmark::Counter(
        static_cast<double>(state.iterations() * commandsPerBatch), benchmark::Counter::kIsRate);
}

void BM_EngineQueries(benchmark::State& state) {
    runCommands(state, "FA;IF;MD0;SM0;EX001;KM1;PE201;KC513;", 8);
}
BENCHMARK(BM_EngineQueries);

void BM_EngineSetsWithoutAutoInformation(benchmark::State& state) {
    runCommands(state, "FA07074000;FA07075000;MD02;EX0321;", 4);
}
BENCHMARK(BM_EngineSetsWithoutAutoInformation);

void BM_EngineSetsWithAutoInformation(benchmark::State& state) {
    SimulatedRadio radio;
    radio.receive("AI1;");
    radio.takeAnswers();
    size_t bytes = 0;
    for (auto _ : state) {
        radio.receive("FA07074000;FA07075000;");
        for (const std::string& a : radio.takeAnswers()) bytes += a.size();
    }
    benchmark::DoNotOptimize(bytes);
    state.counters["commands/s"] = benchmark::Counter(static_cast<double>(state.iterations() * 2),
                                                      benchmark::Counter::kIsRate);
}
BENCHMARK(BM_EngineSetsWithAutoInformation);

// One "FA;" out and its 11-byte answer back through the slave device, unpaced.
void BM_PtyRoundTrip(benchmark::State& state) {
    SimulatedRadio radio;
    PtyTransport transport(radio, {});
    if (!transport.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const int fd = ::open(transport.slavePath().c_str(), O_RDWR | O_NOCTTY);
    termios t{};
    tcgetattr(fd, &t);
    cfmakeraw(&t);
    tcsetattr(fd, TCSANOW, &t);
    char buf[64];
    for (auto _ : state) {
        if (::write(fd, "FA;", 3) != 3) break;
        size_t got = 0;
        while (got < 11) {
            pollfd p{fd, POLLIN, 0};
            if (poll(&p, 1, 1000) <= 0) break;
            const ssize_t n = ::read(fd, buf, sizeof buf);
            if (n <= 0) break;
            got += static_cast<size_t>(n);
        }
    }
    ::close(fd);
    transport.stop();
}
BENCHMARK(BM_PtyRoundTrip)->Unit(benchmark::kMicrosecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
