#pragma once
// A store with its gate open, a recording main window and worker threads, a scripted port on
// three fake devices (COM1-COM3) and a temporary current directory for CommSetting.csv.
#include <gtest/gtest.h>
#include <unistd.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "link/RadioStateStore.h"
#include "serial/PortDirectory.h"
#include "serial/SerialPort.h"
#include "support/FakeSerialDevice.h"
#include "support/FakeThreadHandle.h"
#include "support/FakeWindowHost.h"
#include "support/StoreFixture.h"

namespace velmora::test {

inline std::filesystem::path makeTempDirectory(const std::string& stem) {
    static std::atomic<int> counter{0};
    const auto dir = std::filesystem::temp_directory_path() /
                     (stem + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    return dir;
}

class SerialFixture : public StoreFixture {
  protected:
    SerialFixture() {
        store->link.commGate = true;
        store->threads.Anl_Recv_Thread = &analysisThread;
        store->threads.Anl_Send_Thread = &commandThread;
        ports.assignInOrder({"/dev/fake0", "/dev/fake1", "/dev/fake2"});
        port.InitPort();
    }
    ~SerialFixture() override {
        std::error_code ignored;
        std::filesystem::remove_all(base, ignored);
    }

    std::string commSettingFile() const { return (base / "CommoFiles" / "CommSetting.csv"); }
    void writeCommSetting(const std::string& text) const {
        std::filesystem::create_directories(base / "CommoFiles");
        std::ofstream(commSettingFile(), std::ios::binary) << text;
    }
    std::string readCommSetting() const {
        std::ifstream in(commSettingFile(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void queueCommand(const std::string& command) {
        store->sendRing.Put(command.size(), command.data());
    }
    std::string takeAnswer() {
        uint8_t buf[512];
        const uint16_t n = store->recvRing.tryGet(buf);
        if (n == CommRing::kEmpty) return "<none>";
        return std::string(reinterpret_cast<const char*>(buf), n);
    }
    std::vector<std::string> allAnswers() {
        std::vector<std::string> out;
        for (std::string a = takeAnswer(); a != "<none>"; a = takeAnswer()) out.push_back(a);
        return out;
    }

    FakeThreadHandle analysisThread, commandThread;
    FakeSerialDevice device, probe;
    PortDirectory ports;
    std::filesystem::path base = makeTempDirectory("velmora-serial");
    std::vector<int> sleeps;           // every sleep the port asked for, in ms
    std::function<void(int)> onSleep;  // runs after each recorded sleep
    std::vector<int> messages;         // string ids shown in message boxes
    SerialPort port{*store,
                    {device, probe, ports, base.string(),
                     [this](int ms) {
                         sleeps.push_back(ms);
                         if (onSleep) onSleep(ms);
                     },
                     [this](int id) { messages.push_back(id); }}};
};

}  // namespace velmora::test
