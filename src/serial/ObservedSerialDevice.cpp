#include "serial/ObservedSerialDevice.h"

namespace velmora {

namespace {
std::string_view asText(const uint8_t* data, size_t n) {
    return {reinterpret_cast<const char*>(data), n};
}
}  // namespace

bool ObservedSerialDevice::open(const std::string& path, const SerialSettings& settings) {
    const bool ok = inner_.open(path, settings);
    if (observer_) observer_->deviceOpened(path, ok);
    return ok;
}

bool ObservedSerialDevice::close() {
    const bool closed = inner_.close();
    if (closed && observer_) observer_->deviceClosed();
    return closed;
}

IoResult ObservedSerialDevice::read(uint8_t* buf, size_t max) {
    const IoResult r = inner_.read(buf, max);
    if (observer_ && r.count > 0) observer_->bytesRead(asText(buf, r.count));
    return r;
}

IoResult ObservedSerialDevice::write(const uint8_t* data, size_t n) {
    const IoResult r = inner_.write(data, n);
    const size_t went = r.status == IoStatus::Ok ? n : r.count;
    if (observer_ && went > 0) observer_->bytesWritten(asText(data, went));
    return r;
}

}  // namespace velmora
