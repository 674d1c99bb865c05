#include "app/RigctlServer.h"

#include <array>
#include <asio.hpp>
#include <chrono>
#include <thread>

#include "rigctl/RigctlSession.h"

namespace velmora {

namespace {

using asio::ip::tcp;
// While a set waits for the radio's report the session looks again this often; an idle server
// has no timer at all.
constexpr auto kSetPollInterval = std::chrono::milliseconds(2);

class Connection : public std::enable_shared_from_this<Connection> {
  public:
    Connection(tcp::socket socket, std::unique_ptr<rigctl::ClientSession> session, int& clients)
        : socket_(std::move(socket)),
          timer_(socket_.get_executor()),
          session_(std::move(session)),
          clients_(clients) {
        ++clients_;
    }
    ~Connection() { --clients_; }

    // Reads only while nothing is being written and no set waits: a client that sends faster
    // than it reads fills its own socket, never the server's memory.
    void step() {
        if (writing_ || !socket_.is_open()) return;
        outgoing_ = session_->takeReplies();
        if (!outgoing_.empty()) {
            writing_ = true;
            asio::async_write(socket_, asio::buffer(outgoing_),
                              [self = shared_from_this()](std::error_code ec, size_t) {
                                  self->writing_ = false;
                                  if (ec) return self->close();
                                  self->step();
                              });
            return;
        }
        if (session_->closed()) return close();
        if (session_->waiting()) return waitForRadio();
        socket_.async_read_some(
            asio::buffer(input_), [self = shared_from_this()](std::error_code ec, size_t n) {
                if (ec) return self->close();
                self->session_->receive(std::string_view(self->input_.data(), n),
                                        rigctl::ClientSession::Clock::now());
                self->step();
            });
    }

    void close() {
        std::error_code ignored;
        timer_.cancel();
        socket_.shutdown(tcp::socket::shutdown_both, ignored);
        socket_.close(ignored);
    }

  private:
    void waitForRadio() {
        timer_.expires_after(kSetPollInterval);
        timer_.async_wait([self = shared_from_this()](std::error_code ec) {
            if (ec) return;
            self->session_->poll(rigctl::ClientSession::Clock::now());
            self->step();
        });
    }

    tcp::socket socket_;
    asio::steady_timer timer_;
    std::unique_ptr<rigctl::ClientSession> session_;
    std::array<char, 4096> input_{};
    std::string outgoing_;
    bool writing_ = false;
    int& clients_;  // the server's count, touched on the server's thread only
};

}  // namespace

struct RigctlServer::Impl {
    Impl(rigctl::RigControl& r, rigctl::ListenAddress a, SessionFactory f)
        : rig(r), address(std::move(a)), sessions(std::move(f)), acceptor(io) {
        if (!sessions)
            sessions = [](rigctl::RigControl& c) {
                return std::make_unique<rigctl::RigctlSession>(c);
            };
    }

    void accept() {
        acceptor.async_accept([this](std::error_code ec, tcp::socket socket) {
            if (ec) return;
            if (clients >= kMaxClients) {
                std::error_code ignored;
                socket.close(ignored);
            } else {
                socket.set_option(tcp::no_delay(true), ec);
                std::make_shared<Connection>(std::move(socket), sessions(rig), clients)->step();
            }
            accept();
        });
    }

    rigctl::RigControl& rig;
    rigctl::ListenAddress address;
    SessionFactory sessions;
    // Before io: the connections that io still holds count themselves out when it goes.
    int clients = 0;  // the server's thread only
    unsigned short port = 0;
    asio::io_context io;
    tcp::acceptor acceptor;
    std::thread thread;
};

RigctlServer::RigctlServer(rigctl::RigControl& rig, rigctl::ListenAddress address,
                           SessionFactory sessions)
    : impl_(std::make_unique<Impl>(rig, std::move(address), std::move(sessions))) {}

RigctlServer::~RigctlServer() {
    stop();
}

bool RigctlServer::start(std::string* error) {
    std::error_code ec;
    const auto host = asio::ip::make_address(impl_->address.host, ec);
    if (ec) {
        if (error) *error = impl_->address.host + ": not an IP address";
        return false;
    }
    const tcp::endpoint endpoint(host, impl_->address.port);
    auto& acceptor = impl_->acceptor;
    acceptor.open(endpoint.protocol(), ec);
    if (!ec) acceptor.set_option(tcp::acceptor::reuse_address(true), ec);
    if (!ec) acceptor.bind(endpoint, ec);
    if (!ec) acceptor.listen(asio::socket_base::max_listen_connections, ec);
    if (!ec) {
        impl_->port = acceptor.local_endpoint().port();
        impl_->accept();
        impl_->thread = std::thread([this] { impl_->io.run(); });
        return true;
    }
    if (error)
        *error =
            impl_->address.host + ":" + std::to_string(impl_->address.port) + ": " + ec.message();
    return false;
}

void RigctlServer::stop() {
    if (!impl_->thread.joinable()) return;
    impl_->io.stop();
    impl_->thread.join();
}

unsigned short RigctlServer::port() const {
    return impl_->port;
}

}  // namespace velmora
