#pragma once
// The serial port's fields in the store: whether the port is open, which COM number and speed
// are configured, and the reserved third value of CommSetting.csv. The main thread (dialogs,
// start-up, shutdown), the send thread and the receive thread read and write them, so each is
// an atomic single word. The device itself belongs to SerialPort.
#include <atomic>
#include <cstdint>

namespace velmora {

struct SerialPortState {
    static constexpr int32_t kDefaultComNumber = 1;
    static constexpr int32_t kDefaultBaudRate = 4800;

    std::atomic<bool> open{false};
    std::atomic<int32_t> comNumber{kDefaultComNumber};  // 1..20
    std::atomic<int32_t> baudRate{kDefaultBaudRate};    // 4800, 9600, 19200 or 38400
    std::atomic<int32_t> reserved{0};                   // kept in CommSetting.csv, no other use
    // Counts the opens of the device: a read that sees it change knows the line was lost
    // meanwhile and what it asked before may never have reached the radio.
    std::atomic<uint32_t> opens{0};
};

}  // namespace velmora
