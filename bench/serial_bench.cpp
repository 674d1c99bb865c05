// The serial link's receive side: how fast the receive tick frames answers, what a silent line
// costs the receive thread, how long an answer takes from the pseudo-terminal into RecvRing,
// whether a long stream loses anything, and the round trip of a command to the store through
// the simulated radio.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/Anl_Recv_Thread.h"
#include "app/Sio_Recv_Thread.h"
#include "app/Sio_Send_Thread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"
#include "platform/PosixSerialDevice.h"
#include "serial/PortDirectory.h"
#include "serial/ReceivePoller.h"
#include "serial/SerialPort.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"

namespace {

using namespace velmora;
using Clock = std::chrono::steady_clock;

// Bytes handed out in reads of at most 64 (a driver's typical slice); no line errors.
class StreamDevice final : public SerialDevice {
  public:
    std::string pending;
    size_t at = 0;
    bool open_ = false;
    bool open(const std::string&, const SerialSettings&) override { return open_ = true; }
    bool close() override { return !(open_ = false); }
    bool isOpen() const override { return open_; }
    IoResult read(uint8_t* buf, size_t max) override {
        const size_t n = std::min({max, pending.size() - at, size_t{64}});
        std::memcpy(buf, pending.data() + at, n);
        at += n;
        return {n, IoStatus::Ok};
    }
    IoResult write(const uint8_t*, size_t n) override { return {n, IoStatus::Ok}; }
    std::optional<SerialStatus> status() override {
        SerialStatus s;
        s.inQueue = static_cast<uint32_t>(std::min(pending.size() - at, size_t{64}));
        return s;
    }
    void setRts(bool) override {}
    WaitResult waitReadable(int) override { return WaitResult::Readable; }
    void wake() override {}
};

// A store as the menu loader leaves it: the built-in menu definitions installed, the gate open.
std::unique_ptr<RadioStateStore> openStore() {
    auto store = std::make_unique<RadioStateStore>();
    InitRadioState(*store, nullptr);
    store->menus.install(builtInMenuDefinitions().data(), kBuiltInMenuItemCount);
    store->menus.setCount(kBuiltInMenuItemCount);
    store->link.commGate.store(true);
    return store;
}

void BM_FramingMixedStream(benchmark::State& state) {
    auto store = openStore();
    StreamDevice device, probe;
    PortDirectory ports;
    ports.setOverride(1, "/dev/stream");
    SerialPort port(*store, {device, probe, ports, ".", [](int) {}, nullptr});
    port.OpenPort();
    ReceivePoller poller(*store, port);
    const std::string mix = std::string("FA14195000;IF00114195000+000000200080;?;SM0123;") +
                            std::string("\x00\x81", 2) + "EX0010300;MD02;AI1;KM1" +
                            std::string(50, ' ') + ";RM1045;";
    constexpr int kAnswersPerMix = 8;
    std::string stream;
    for (int i = 0; i < 64; ++i) stream += mix;
    uint8_t sink[512];
    int64_t answers = 0;
    for (auto _ : state) {
        device.pending = stream;
        device.at = 0;
        while (device.at < device.pending.size() || poller.fill() > 0) {
            if (poller.poll().handedOn) {
                store->recvRing.tryGet(sink);
                ++answers;
            }
        }
    }
    state.counters["answers/s"] =
        benchmark::Counter(static_cast<double>(answers), benchmark::Counter::kIsRate);
    state.counters["answers/stream"] =
        static_cast<double>(answers) / static_cast<double>(state.iterations());
    state.counters["expected/stream"] = 64.0 * kAnswersPerMix;
}
BENCHMARK(BM_FramingMixedStream);

// A pseudo-terminal pair whose slave side the port opens as COM1.
struct PtyPair {
    int master = -1;
    std::string slave;
    PtyPair() {
        master = posix_openpt(O_RDWR | O_NOCTTY);
        if (master < 0 || grantpt(master) != 0 || unlockpt(master) != 0) return;
        slave = ptsname(master);
    }
    ~PtyPair() {
        if (master >= 0) ::close(master);
    }
    bool ok() const { return !slave.empty(); }
    void write(const std::string& s) const {
        size_t done = 0;
        while (done < s.size()) {
            const ssize_t n = ::write(master, s.data() + done, s.size() - done);
            if (n > 0) done += static_cast<size_t>(n);
        }
    }
};

// The port, the receive thread and their store on a pseudo-terminal.
struct PtyLink {
    PtyPair pty;
    std::unique_ptr<RadioStateStore> store = openStore();
    PosixSerialDevice device, probe;
    PortDirectory ports;
    std::unique_ptr<SerialPort> port;
    std::unique_ptr<Sio_Recv_Thread> receive;
    bool start() {
        if (!pty.ok()) return false;
        ports.setOverride(1, pty.slave);
        port = std::make_unique<SerialPort>(
            *store, SerialPortParts{device, probe, ports, ".", [](int) {}, nullptr});
        if (!port->OpenPort()) return false;
        receive = StartReceiveThread(*store, *port);
        return receive != nullptr;
    }
    ~PtyLink() {
        receive.reset();
        if (port) port->ClosePort();
    }
};

double percentile(std::vector<double> v, double p) {
    if (v.empty()) return 0;
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())))];
}

// A silent line: the thread should block on the device, not tick every millisecond.
void BM_IdleReceiveThread(benchmark::State& state) {
    PtyLink link;
    if (!link.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let the start-up ticks pass
    const double seconds = static_cast<double>(state.range(0));
    uint64_t cpu0 = 0, cpu1 = 0, wakes0 = 0, wakes1 = 0;
    for (auto _ : state) {
        cpu0 = link.receive->cpuNanoseconds();
        wakes0 = link.receive->wakeCount();
        std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
        cpu1 = link.receive->cpuNanoseconds();
        wakes1 = link.receive->wakeCount();
    }
    state.counters["cpu_share_%"] = 100.0 * static_cast<double>(cpu1 - cpu0) / (seconds * 1e9);
    state.counters["cpu_us"] = static_cast<double>(cpu1 - cpu0) / 1e3;
    state.counters["wakeups/s"] = static_cast<double>(wakes1 - wakes0) / seconds;
}
BENCHMARK(BM_IdleReceiveThread)->Arg(2)->Iterations(1)->Unit(benchmark::kSecond);

// Bytes written on the radio's side of the pseudo-terminal until the answer is in RecvRing.
void BM_PtyAnswerLatency(benchmark::State& state) {
    PtyLink link;
    if (!link.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const int count = static_cast<int>(state.range(0));
    std::vector<double> micros;
    micros.reserve(static_cast<size_t>(count));
    uint8_t sink[512];
    for (auto _ : state) {
        for (int i = 0; i < count; ++i) {
            const auto t0 = Clock::now();
            link.pty.write("FA14195000;");
            // Blocking, as the analysis thread's own wait does, so the measuring thread takes no
            // processor time from the receive thread.
            link.store->recvRing.Get(sink);
            micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
        }
    }
    state.counters["p50_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    state.counters["max_us"] = percentile(micros, 1.0);
}
BENCHMARK(BM_PtyAnswerLatency)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);

// A long stream of answers, written at the 38400-baud rate (11 bits a character) or as fast as
// the pseudo-terminal takes them (range 1 = 0): every one must arrive.
void BM_LongStreamNothingLost(benchmark::State& state) {
    PtyLink link;
    if (!link.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    const int count = static_cast<int>(state.range(0));
    const int baud = static_cast<int>(state.range(1));
    const std::string answer = "SM0123;";
    int64_t received = 0;
    for (auto _ : state) {
        std::thread writer([&] {
            const auto start = Clock::now();
            const double charSeconds = baud > 0 ? 11.0 / baud : 0;
            for (int i = 0; i < count; ++i) {
                if (baud > 0) {
                    std::this_thread::sleep_until(
                        start + std::chrono::duration_cast<Clock::duration>(
                                    std::chrono::duration<double>(charSeconds * i * 7)));
                }
                link.pty.write(answer);
            }
        });
        uint8_t sink[512];
        const auto deadline = Clock::now() + std::chrono::seconds(count / 200 + 30);
        while (received < count && Clock::now() < deadline) {
            if (link.store->recvRing.tryGet(sink) != CommRing::kEmpty) {
                ++received;
            } else {
                std::this_thread::sleep_for(std::chrono::microseconds(200));
            }
        }
        writer.join();
    }
    state.counters["answers"] = static_cast<double>(count);
    state.counters["lost"] = static_cast<double>(count - received);
    state.counters["ring_refused"] = static_cast<double>(link.store->recvRing.droppedCount());
}
BENCHMARK(BM_LongStreamNothingLost)
    ->Args({100000, 0})
    ->Args({5000, 38400})
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

// A set command through the send thread, the simulated radio's auto-information report back
// through the receive and analysis threads, until the new frequency is in the store.
void BM_CommandToStoreRoundTrip(benchmark::State& state) {
    sim::SimulatedRadio radio;
    sim::PtyTransport transport(radio, {});
    if (!transport.start()) {
        state.SkipWithError("no pseudo-terminal");
        return;
    }
    auto store = openStore();
    store->link.autoInfoWanted.store(1);
    PosixSerialDevice device, probe;
    PortDirectory ports;
    ports.setOverride(1, transport.slavePath());
    SerialPort port(*store, {device, probe, ports, ".", [](int) {}, nullptr});
    auto analysis = startAnalysisThread(*store);
    auto receive = StartReceiveThread(*store, port);
    auto send = StartSendThread(*store, port);
    std::vector<double> micros;
    int32_t frequency = 7000000;
    for (auto _ : state) {
        frequency = frequency == 7000000 ? 7001000 : 7000000;
        char command[16];
        std::snprintf(command, sizeof command, "FA%08d;", frequency);
        const auto t0 = Clock::now();
        store->sendRing.Put(std::strlen(command), command);
        store->mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
        const auto deadline = t0 + std::chrono::seconds(2);
        while (store->records.fa.get() != frequency && Clock::now() < deadline) {
            std::this_thread::yield();
        }
        micros.push_back(std::chrono::duration<double, std::micro>(Clock::now() - t0).count());
    }
    state.counters["p50_us"] = percentile(micros, 0.50);
    state.counters["p99_us"] = percentile(micros, 0.99);
    send.reset();
    receive.reset();
    analysis.reset();
    port.ClosePort();
    transport.stop();
}
BENCHMARK(BM_CommandToStoreRoundTrip)->Iterations(2000)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
