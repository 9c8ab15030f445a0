// The probe that keeps a silent session bus from holding up the first window: an answering
// bus must never be taken for a silent one, which would cost a pupil their screen reader.
#include "app/sessionbusprobe.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <cstring>
#include <thread>

namespace {

using namespace std::chrono_literals;

// A listening socket at a path, or at an abstract name when `abstract`.
int listenAt(const std::string& name, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + (abstract ? 1 : 0), name.data(), name.size());
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), length) != 0 || ::listen(fd, 4) != 0)
        ADD_FAILURE() << "cannot listen at " << name;
    return fd;
}

}  // namespace

TEST(SessionBusProbeTest, TellsAnAnsweringBusFromASilentOneAcrossItsAddresses) {
    QTemporaryDir folder;
    const std::string dir = folder.path().toStdString();
    // A bus that answers the handshake as a bus does, at a path that must be written escaped.
    const int answering = listenAt(dir + "/an,swer", false);
    std::thread bus([answering] {
        pollfd caller{answering, POLLIN, 0};
        if (::poll(&caller, 1, 5000) != 1) return;
        const int connection = ::accept(answering, nullptr, nullptr);
        char request[64];
        if (::read(connection, request, sizeof request) > 0) {
            EXPECT_EQ(::write(connection, "OK 1234\r\n", 9), 9);
        }
        ::close(connection);
    });
    EXPECT_EQ(probeSessionBus("unix:path=" + dir + "/none;unix:path=" + dir + "/an%2cswer", 5s),
              BusAnswer::Answers);
    bus.join();

    const std::string silentName = dir + "/silent";  // abstract: no file
    const int silent = listenAt(silentName, true);
    const auto started = std::chrono::steady_clock::now();
    EXPECT_EQ(probeSessionBus("unix:abstract=" + silentName, 200ms), BusAnswer::Silent);
    EXPECT_LT(std::chrono::steady_clock::now() - started, 2s);

    EXPECT_EQ(probeSessionBus("unix:path=" + dir + "/none", 200ms), BusAnswer::Absent);
    EXPECT_EQ(probeSessionBus("tcp:host=localhost,port=1", 200ms), BusAnswer::Unknown);
    ::close(answering);
    ::close(silent);
}
