#pragma once
// The address a network server listens on, from "[ADDR:]PORT". Without an address it is the
// loopback one: the protocols have no authentication, so reaching the radio from elsewhere is
// the operator's explicit choice.
#include <optional>
#include <string>
#include <string_view>

namespace velmora::rigctl {

struct ListenAddress {
    std::string host = "127.0.0.1";
    unsigned short port = 0;
};

std::optional<ListenAddress> parseListenAddress(std::string_view text);

}  // namespace velmora::rigctl
