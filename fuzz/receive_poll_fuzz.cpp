// The receive tick fed arbitrary byte chunks with arbitrary error words and line states: it must
// never crash, the assembly buffer must stay within its 2048 bytes with every free byte 0xFF,
// and every answer it hands on must be one the length rule recognises at exactly that length.
//
// Input: records of {control byte, chunk length, chunk bytes}. The control byte chooses the
// error word (low three bits), a lost carrier (bit 3), a port reopen (bit 4) and an extra tick
// without bytes (bit 5).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "link/AnswerLength.h"
#include "link/RadioStateStore.h"
#include "serial/PortDirectory.h"
#include "serial/ReceivePoller.h"
#include "serial/SerialPort.h"

namespace {

using namespace velmora;

// Just enough of a device: one chunk per read, one error word and line state per status.
class ChunkDevice final : public SerialDevice {
  public:
    std::string chunk;
    uint32_t errors = 0, lineFlags = 0;
    bool isOpen_ = false;

    bool open(const std::string&, const SerialSettings&) override {
        if (isOpen_) return false;
        isOpen_ = true;
        return true;
    }
    bool close() override {
        const bool was = isOpen_;
        isOpen_ = false;
        return was;
    }
    bool isOpen() const override { return isOpen_; }
    IoResult read(uint8_t* buf, size_t max) override {
        if (!isOpen_) return {0, IoStatus::NotOpen};
        const size_t n = chunk.size() < max ? chunk.size() : max;
        std::memcpy(buf, chunk.data(), n);
        chunk.erase(0, n);
        return {n, IoStatus::Ok};
    }
    IoResult write(const uint8_t*, size_t n) override { return {n, IoStatus::Ok}; }
    std::optional<SerialStatus> status() override {
        if (!isOpen_) return std::nullopt;
        SerialStatus s;
        s.errors = errors;
        s.lineFlags = lineFlags;
        s.inQueue = static_cast<uint32_t>(chunk.size());
        errors = 0;
        return s;
    }
    void setRts(bool) override {}
    WaitResult waitReadable(int) override { return WaitResult::TimedOut; }
    void wake() override {}
};

constexpr uint32_t kErrorWords[8] = {0,
                                     0,
                                     serial_error::kFraming,
                                     serial_error::kBreak,
                                     serial_error::kRxOverrun,
                                     serial_error::kParity,
                                     serial_error::kFraming | serial_error::kOverrun,
                                     0};

void checkBuffer(const ReceivePoller& poller) {
    const AssemblyBuffer& b = poller.buffer();
    if (b.fill() > AssemblyBuffer::kSize) std::abort();
    for (size_t i = b.fill(); i < AssemblyBuffer::kSize; ++i) {
        if (b[i] != AssemblyBuffer::kFreeByte) std::abort();
    }
}

void checkAnswers(RadioStateStore& store) {
    uint8_t answer[CommRing::kSlotSize + 1];
    for (uint16_t n = store.recvRing.tryGet(answer); n != CommRing::kEmpty;
         n = store.recvRing.tryGet(answer)) {
        if (n + 1u >= sizeof answer) std::abort();
        answer[n] = ';';
        const AnswerLength found = determineAnswerLength(answer, n + 1u, store.menus);
        if (!found.recognised || found.length != n + 1) std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static auto store = std::make_unique<RadioStateStore>();
    static PortDirectory ports;
    static ChunkDevice device, probe;
    static SerialPort port(*store, {device, probe, ports, ".", [](int) {}, nullptr});
    ports.setOverride(1, "/dev/fuzz");
    InitRadioState(*store, nullptr);
    store->link.commGate.store(true);
    store->recvRing.Reset();
    port.InitPort();
    device.chunk.clear();
    port.OpenPort();

    ReceivePoller poller(*store, port);
    size_t pos = 0;
    while (pos + 2 <= size) {
        const uint8_t control = data[pos];
        size_t length = data[pos + 1];
        pos += 2;
        if (length > size - pos) length = size - pos;
        device.chunk.assign(reinterpret_cast<const char*>(data + pos), length);
        pos += length;
        device.errors = kErrorWords[control & 7];
        device.lineFlags = (control & 8) ? line_status::kRlsdHold : 0;
        if (control & 16) port.OpenPort();
        poller.poll();
        if (control & 32) poller.poll();
        device.lineFlags = 0;
        checkBuffer(poller);
        checkAnswers(*store);
    }
    for (int i = 0; i < 300 && poller.fill() > 0; ++i) {
        poller.poll();
        checkBuffer(poller);
        checkAnswers(*store);
    }
    return 0;
}
