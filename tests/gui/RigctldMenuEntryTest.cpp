#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QAction>
#include <QMenuBar>

#include "WindowFixture.h"
#include "app/RigctlService.h"
#include "app/RigctldSetting.h"
#include "gui/RigctldMenuEntry.h"
#include "link/RadioStateStore.h"

namespace velmora::gui::test {
namespace {

sockaddr_in loopback(unsigned short port) {
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    return a;
}

// A port nobody listens on now: the system's choice for a socket bound and closed again.
unsigned short freePort() {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t size = sizeof a;
    ::bind(fd, reinterpret_cast<sockaddr*>(&a), size);
    ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &size);
    ::close(fd);
    return ntohs(a.sin_port);
}

// What a client that connects to port and asks "f" reads back, pumping the GUI thread meanwhile.
std::string askFrequency(unsigned short port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(port);
    std::string reply;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::send(fd, "f\n", 2, MSG_NOSIGNAL) == 2) {
        ::fcntl(fd, F_SETFL, O_NONBLOCK);
        pumpUntil([&] {
            char buf[64];
            const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
            if (n > 0) reply.append(buf, static_cast<size_t>(n));
            return !reply.empty() && reply.back() == '\n';
        });
    }
    ::close(fd);
    return reply;
}

// The Setup entry serves clients while checked, and the next start finds the choice kept.
TEST_F(WindowFixture, RigctldEntryServesClientsAndKeepsTheChoice) {
    connect();
    ASSERT_TRUE(pumpUntil([&] { return app_->store().records.fa.get() == 14195000; }));
    const std::string dir = dir_.path().toStdString();
    const std::string address = "127.0.0.1:" + std::to_string(freePort());
    RigctlService service(app_->store());
    addRigctldMenuEntry(*window_->menuBar(), service, dir, address);
    auto* entry = window_->menuBar()->findChild<QAction*>(QStringLiteral("rigctldServer"));
    ASSERT_NE(entry, nullptr);

    for (const bool on : {true, false}) {
        entry->trigger();
        EXPECT_EQ(entry->isChecked(), on);
        EXPECT_EQ(service.running(), on);
        EXPECT_EQ(readRigctldSetting(dir).on, on);
        EXPECT_EQ(readRigctldSetting(dir).address, address);
        if (on) {
            EXPECT_EQ(askFrequency(service.port()), "14195000\n");
        }
    }
}

}  // namespace
}  // namespace velmora::gui::test
