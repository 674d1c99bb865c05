// The rigctld server against the simulated radio on a pseudo-terminal, over real TCP:
// - 10 clients polling "f m v s t" at 10 Hz each: serial commands the polls caused (goal 0), the
//   reply latency's p50/p99 (goal p99 <= 1 ms) and the process's CPU while serving them, next to
//   the same time idle (goal: at most 2 % of one core more);
// - "F" set to "RPRT 0": p50/p99, next to what the wire alone takes for the command and the
//   radio's report at the configured 4800 baud (8 data bits, 2 stop bits).
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "app/FailurePresenter.h"
#include "app/HeadlessHost.h"
#include "app/LinkApplication.h"
#include "app/RigctlServer.h"
#include "app/StoreRigControl.h"
#include "link/MessageIds.h"
#include "link/PanelActionTable.h"
#include "link/RadioStateStore.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace velmora {
namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr int kPollers = 10;
constexpr auto kPollPeriod = 100ms;
constexpr auto kPollRun = 5s;
constexpr int kSets = 60;

class Silent : public FailurePresenter {
  public:
    void showFailure(int, std::string_view) override {}
};

int dial(unsigned short port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) return -1;
    int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    return fd;
}

// Sends request and reads until the reply has lines lines; the time it took.
double ask(int fd, const std::string& request, int lines) {
    const auto begin = Clock::now();
    ::send(fd, request.data(), request.size(), MSG_NOSIGNAL);
    int seen = 0;
    char buf[4096];
    while (seen < lines) {
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0) return -1;
        seen += static_cast<int>(std::count(buf, buf + n, '\n'));
    }
    return std::chrono::duration<double, std::micro>(Clock::now() - begin).count();
}

double cpuSeconds() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return static_cast<double>(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           static_cast<double>(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[static_cast<size_t>(p * static_cast<double>(v.size() - 1))];
}

// The program against the radio, read completely, its keep-alive stopped so that every serial
// command in a run is one the clients caused.
struct Rig {
    sim::SimulatedRadio radio;
    sim::PtyTransport transport{radio, {}};
    HeadlessHost host;
    Silent silent;
    std::filesystem::path base = std::filesystem::temp_directory_path() /
                                 ("velmora-rigctl-bench-" + std::to_string(::getpid()));
    std::unique_ptr<LinkApplication> app;
    std::unique_ptr<StoreRigControl> control;
    std::unique_ptr<RigctlServer> server;

    bool start() {
        std::filesystem::create_directories(base);
        if (!transport.start()) return false;
        app = std::make_unique<LinkApplication>(
            host, silent, LinkApplicationConfig{base.string(), transport.slavePath(), false});
        host.setMessageHandler(
            [&](uint32_t id, uintptr_t w, intptr_t l) { app->onWindowMessage(id, w, l); });
        host.setTimerHandler([&](int id) { app->onTimer(id); });
        if (!app->start()) return false;
        PostPanelAction(app->store().mailbox, 1, false, false, false, 0);
        serveUntil([&] { return app->progress().menuReadsCompleted() > 0; }, 30s);
        host.killTimer(timer::KEEP_ALIVE);
        serveFor(500ms);  // the last answers settle
        control = std::make_unique<StoreRigControl>(app->store());
        server = std::make_unique<RigctlServer>(*control, rigctl::ListenAddress{"127.0.0.1", 0});
        return server->start(nullptr);
    }
    template <typename Cond>
    void serveUntil(Cond cond, std::chrono::milliseconds limit) {
        const auto end = Clock::now() + limit;
        while (!cond() && Clock::now() < end) host.run(Clock::now() + 5ms);
    }
    void serveFor(std::chrono::milliseconds d) {
        serveUntil([] { return false; }, d);
    }
    ~Rig() {
        if (server) server->stop();
        if (app) app->shutdown();
        transport.stop();
        std::filesystem::remove_all(base);
    }
};

void BM_TenClientsPollingAtTenHertz(benchmark::State& state) {
    for (auto _ : state) {
        Rig rig;
        if (!rig.start()) {
            state.SkipWithError("the program or the server did not start");
            return;
        }
        const double idleCpu0 = cpuSeconds();
        rig.serveFor(kPollRun);
        const double idleCpu = cpuSeconds() - idleCpu0;

        std::mutex m;  // guards latencies
        std::vector<double> latencies;
        std::atomic<bool> stop{false};
        const uint64_t commands0 = rig.radio.commandsHandled();
        const double cpu0 = cpuSeconds();
        std::vector<std::thread> pollers;
        for (int i = 0; i < kPollers; ++i) {
            pollers.emplace_back([&, port = rig.server->port()] {
                const int fd = dial(port);
                std::vector<double> mine;
                auto next = Clock::now();
                while (!stop.load()) {
                    mine.push_back(ask(fd, "f m v s t\n", 7));
                    next += kPollPeriod;
                    std::this_thread::sleep_until(next);
                }
                ::close(fd);
                std::lock_guard lock(m);
                latencies.insert(latencies.end(), mine.begin(), mine.end());
            });
        }
        rig.serveFor(kPollRun);
        stop = true;
        for (auto& t : pollers) t.join();
        const double busyCpu = cpuSeconds() - cpu0;
        const double seconds = std::chrono::duration<double>(kPollRun).count();
        state.counters["polls"] = static_cast<double>(latencies.size());
        state.counters["serial_commands"] =
            static_cast<double>(rig.radio.commandsHandled() - commands0);
        state.counters["p50_us"] = percentile(latencies, 0.5);
        state.counters["p99_us"] = percentile(latencies, 0.99);
        state.counters["cpu_idle_pct"] = idleCpu / seconds * 100;
        state.counters["cpu_polled_pct"] = busyCpu / seconds * 100;
    }
}
BENCHMARK(BM_TenClientsPollingAtTenHertz)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_FrequencySetToReply(benchmark::State& state) {
    for (auto _ : state) {
        Rig rig;
        if (!rig.start()) {
            state.SkipWithError("the program or the server did not start");
            return;
        }
        std::vector<double> latencies;  // the client's thread until done
        std::atomic<bool> done{false};
        std::thread client([&, port = rig.server->port()] {
            const int fd = dial(port);
            for (int i = 0; i < kSets; ++i)
                latencies.push_back(ask(fd, i % 2 ? "F 7074000\n" : "F 7075000\n", 1));
            ::close(fd);
            done = true;
        });
        rig.serveUntil([&] { return done.load(); }, 60s);
        client.join();
        // "FA" + 8 digits + ";" out and the same back, 11 bits a character at 4800 baud.
        state.counters["wire_ms"] = 2 * 11 * 11 / 4800.0 * 1000;
        state.counters["p50_ms"] = percentile(latencies, 0.5) / 1000;
        state.counters["p99_ms"] = percentile(latencies, 0.99) / 1000;
    }
}
BENCHMARK(BM_FrequencySetToReply)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
