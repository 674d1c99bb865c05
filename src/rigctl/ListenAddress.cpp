#include "rigctl/ListenAddress.h"

#include <charconv>

namespace velmora::rigctl {

std::optional<ListenAddress> parseListenAddress(std::string_view text) {
    ListenAddress address;
    const size_t colon = text.rfind(':');
    std::string_view port = text;
    if (colon != std::string_view::npos) {
        std::string_view host = text.substr(0, colon);
        if (host.size() >= 2 && host.front() == '[' && host.back() == ']')
            host = host.substr(1, host.size() - 2);
        if (host.empty()) return std::nullopt;
        address.host = std::string(host);
        port = text.substr(colon + 1);
    }
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    if (error != std::errc() || end != port.data() + port.size() || value == 0 || value > 65535)
        return std::nullopt;
    address.port = static_cast<unsigned short>(value);
    return address;
}

}  // namespace velmora::rigctl
