// The serial link over a real pseudo-terminal against the simulated radio: the port, the send
// thread, the receive thread and the analysis thread together.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/Anl_Recv_Thread.h"
#include "app/Sio_Recv_Thread.h"
#include "app/Sio_Send_Thread.h"
#include "app/StopThread.h"
#include "link/MessageIds.h"
#include "link/RadioStateStore.h"
#include "menulist/BuiltInMenuTable.h"
#include "platform/PosixSerialDevice.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"
#include "sim/PtyTransport.h"
#include "sim/SimulatedRadio.h"
#include "sim/Transcript.h"
#include "support/FakeThreadHandle.h"
#include "support/StoreFixture.h"
#include "support/TestSupport.h"

namespace velmora {
namespace {

using namespace std::chrono_literals;
using sim::PtyTransport;
using sim::SimulatedRadio;
using sim::Transcript;

std::string uniqueLinkPath() {
    static int counter = 0;
    return (std::filesystem::temp_directory_path() /
            ("velmora-link-" + std::to_string(::getpid()) + "-" + std::to_string(counter++)))
        .string();
}

// The answers within a byte stream, each without its ";".
std::vector<std::string> splitAnswers(const std::string& stream) {
    std::vector<std::string> out;
    size_t start = 0;
    for (size_t semi = stream.find(';'); semi != std::string::npos;
         semi = stream.find(';', start)) {
        out.push_back(stream.substr(start, semi - start));
        start = semi + 1;
    }
    return out;
}

class SerialLink : public test::StoreFixture {
  protected:
    SerialLink() {
        const auto& defs = builtInMenuDefinitions();
        store->menus.install(defs.data(), kBuiltInMenuItemCount);
        store->menus.setCount(kBuiltInMenuItemCount);
        store->link.commGate.store(true);
        store->threads.Anl_Send_Thread.store(&commandThread);
        port.InitPort();
    }
    ~SerialLink() override {
        sendThread.reset();
        receiveThread.reset();
        analysisThread.reset();
        port.ClosePort();
        store->mainWindow.store(nullptr);
        store->threads.Anl_Send_Thread.store(nullptr);
        store->threads.Anl_Recv_Thread.store(nullptr);
    }

    // Starts a radio on a pseudo-terminal that COM1 maps to (through a symlink, so that a
    // second radio can stand in for the first under the same name).
    std::unique_ptr<PtyTransport> startRadio(SimulatedRadio& radio, Transcript& transcript) {
        auto transport =
            std::make_unique<PtyTransport>(radio, sim::PtyOptions{link, 0, &transcript});
        if (!transport->start()) return nullptr;
        ports.assignInOrder({link});
        return transport;
    }
    void startThreads(bool withAnalysis = true) {
        if (withAnalysis) analysisThread = startAnalysisThread(*store);
        receiveThread = StartReceiveThread(*store, port);
        sendThread = StartSendThread(*store, port);
        ASSERT_NE(receiveThread, nullptr);
        ASSERT_NE(sendThread, nullptr);
    }
    void send(const std::string& command) {
        store->sendRing.Put(command.size(), command.data());
        store->mailbox.post(Thread::Sio_Send_Thread, msg::WM_SEND_NEXT);
    }

    test::FakeThreadHandle commandThread;
    PosixSerialDevice device, probe;
    PortDirectory ports;
    std::string link = uniqueLinkPath();
    SerialPort port{*store, {device, probe, ports, ".", nullptr, nullptr}};
    std::unique_ptr<Anl_Recv_Thread> analysisThread;
    std::unique_ptr<Sio_Recv_Thread> receiveThread;
    std::unique_ptr<Sio_Send_Thread> sendThread;
};

TEST_F(SerialLink, SplitAnswersReachRecvRingWhole) {
    sim::SimOptions options;
    options.faults.splitPieces = 4;
    options.faults.splitGapMs = 2;
    SimulatedRadio radio(options);
    Transcript transcript;
    auto transport = startRadio(radio, transcript);
    ASSERT_NE(transport, nullptr);
    test::FakeThreadHandle analysis;
    store->threads.Anl_Recv_Thread.store(&analysis);
    startThreads(false);
    const std::vector<std::string> queries = {"IF;", "KM1;", "FA;", "EX001;", "MD0;", "ID;"};
    for (const auto& q : queries) send(q);
    ASSERT_TRUE(test::waitFor(
        [&] { return analysis.answersQueued() == static_cast<int>(queries.size()); }));
    std::vector<std::string> got;
    uint8_t buf[512];
    for (uint16_t n = store->recvRing.tryGet(buf); n != CommRing::kEmpty;
         n = store->recvRing.tryGet(buf)) {
        got.emplace_back(reinterpret_cast<char*>(buf), n);
    }
    EXPECT_EQ(got, splitAnswers(transcript.joined(Transcript::kFromRadio)));
    ASSERT_EQ(got.size(), queries.size());
    EXPECT_EQ(got[0].substr(0, 2), "IF");
    EXPECT_EQ(got[1].size(), 53u);  // KM: the code, the memory number and 50 characters
    transport->stop();
}

TEST_F(SerialLink, ProbingAMissingDeviceLeavesTheOpenPortAlone) {
    SimulatedRadio radio;
    Transcript transcript;
    auto transport = startRadio(radio, transcript);
    ASSERT_NE(transport, nullptr);
    ports.assignInOrder({link, "/nonexistent/velmora-no-such-tty"});
    startThreads();
    send("FA;");
    ASSERT_TRUE(test::waitFor([&] { return store->records.fa.get() == 14195000; }));
    EXPECT_FALSE(port.ProbePort(1));
    EXPECT_FALSE(port.ProbePort(2));  // COM3 maps to nothing
    EXPECT_TRUE(port.IsPortOpen());
    send("FA07020000;");
    send("FA;");
    ASSERT_TRUE(test::waitFor([&] { return store->records.fa.get() == 7020000; }));
    transport->stop();
}

}  // namespace
}  // namespace velmora
