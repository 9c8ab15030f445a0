#include "app/sessionbusprobe.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

// An address the bus library refuses at once, without trying another or launching a bus.
constexpr const char* kNoBus = "disabled:";

// A value in a bus address, with its %xx escapes undone.
std::string unescape(std::string_view value) {
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '%' && i + 2 < value.size() &&
            std::isxdigit(static_cast<unsigned char>(value[i + 1])) &&
            std::isxdigit(static_cast<unsigned char>(value[i + 2]))) {
            const std::string hex(value.substr(i + 1, 2));
            out += static_cast<char>(std::strtol(hex.c_str(), nullptr, 16));
            i += 2;
            continue;
        }
        out += value[i];
    }
    return out;
}

void appendHex(std::string& out, char c) {
    static constexpr char kHex[] = "0123456789abcdef";
    const auto byte = static_cast<unsigned char>(c);
    out += kHex[byte >> 4];
    out += kHex[byte & 0xf];
}

// A value written into a bus address: bytes other than these are written as %xx.
std::string escape(std::string_view value) {
    std::string out;
    for (const char c : value) {
        if (std::isalnum(static_cast<unsigned char>(c)) || std::strchr("-_/.\\*", c)) {
            out += c;
        } else {
            out += '%';
            appendHex(out, c);
        }
    }
    return out;
}

// The value of `key` in an address entry's "key=value,key=value" list.
std::optional<std::string> valueOf(std::string_view keys, std::string_view key) {
    while (!keys.empty()) {
        const std::size_t comma = keys.find(',');
        const std::string_view pair = keys.substr(0, comma);
        const std::size_t equals = pair.find('=');
        if (equals != std::string_view::npos && pair.substr(0, equals) == key)
            return unescape(pair.substr(equals + 1));
        if (comma == std::string_view::npos) break;
        keys.remove_prefix(comma + 1);
    }
    return std::nullopt;
}

std::string runtimeBus() {
    const char* folder = std::getenv("XDG_RUNTIME_DIR");
    return folder && *folder ? std::string(folder) + "/bus" : std::string();
}

// The socket a "unix:" entry names, as a client reaches it; none for a server-only entry.
std::optional<std::pair<sockaddr_un, socklen_t>> socketOf(std::string_view keys) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::string name;
    bool abstract = false;
    if (auto path = valueOf(keys, "path")) {
        name = *path;
    } else if (auto hidden = valueOf(keys, "abstract")) {
        name = *hidden;
        abstract = true;
    } else if (valueOf(keys, "runtime") == "yes") {
        name = runtimeBus();
    }
    const std::size_t room = sizeof(address.sun_path) - (abstract ? 1 : 0);
    if (name.empty() || name.size() >= room) return std::nullopt;
    std::memcpy(address.sun_path + (abstract ? 1 : 0), name.data(), name.size());
    // A path ends at its nul; an abstract name is its bytes after the leading nul.
    const auto length = offsetof(sockaddr_un, sun_path) + 1 + name.size();
    return std::pair{address, static_cast<socklen_t>(length)};
}

class Socket {
  public:
    Socket() : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0)) {}
    ~Socket() {
        if (fd_ >= 0) ::close(fd_);
    }
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

int millisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

// The opening handshake: a nul byte, then the request to be known by this process's user.
std::string handshake() {
    std::string request("\0AUTH EXTERNAL ", 15);
    for (const char digit : std::to_string(::getuid())) appendHex(request, digit);
    return request + "\r\n";
}

BusAnswer ask(const sockaddr_un& address, socklen_t length, Clock::time_point deadline) {
    const Socket bus;
    if (bus.fd() < 0) return BusAnswer::Unknown;
    const auto* target = reinterpret_cast<const sockaddr*>(&address);
    // A listener that takes no connections at all leaves its queue full: the library's
    // connect would wait for a place in it.
    while (::connect(bus.fd(), target, length) != 0) {
        if (errno == EINTR) continue;
        if (errno != EAGAIN) return BusAnswer::Absent;
        if (Clock::now() >= deadline) return BusAnswer::Silent;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    const std::string request = handshake();
    if (::send(bus.fd(), request.data(), request.size(), MSG_NOSIGNAL) !=
        static_cast<ssize_t>(request.size()))
        return BusAnswer::Absent;
    pollfd reply{bus.fd(), POLLIN, 0};
    for (;;) {
        const int ready = ::poll(&reply, 1, millisecondsUntil(deadline));
        if (ready > 0) return BusAnswer::Answers;  // a reply, or the connection closed
        if (ready == 0) return BusAnswer::Silent;
        if (errno != EINTR) return BusAnswer::Unknown;
    }
}

}  // namespace

std::string sessionBusAddress() {
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address)
        return address;
    // Where the environment names none, the library takes the user's bus in the runtime
    // folder, if it is there and the user's own.
    struct stat status {};
    const std::string bus = runtimeBus();
    if (!bus.empty() && ::stat(bus.c_str(), &status) == 0 && S_ISSOCK(status.st_mode) &&
        status.st_uid == ::getuid())
        return "unix:path=" + escape(bus);
    return {};
}

BusAnswer probeSessionBus(const std::string& addresses, std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    std::string_view rest = addresses;
    while (!rest.empty()) {
        const std::size_t semicolon = rest.find(';');
        const std::string_view entry = rest.substr(0, semicolon);
        rest =
            semicolon == std::string_view::npos ? std::string_view() : rest.substr(semicolon + 1);
        if (entry.empty()) continue;
        const std::size_t colon = entry.find(':');
        if (colon == std::string_view::npos) continue;  // malformed: nothing to wait on
        if (entry.substr(0, colon) != "unix") return BusAnswer::Unknown;
        const auto socket = socketOf(entry.substr(colon + 1));
        if (!socket) continue;
        const BusAnswer answer = ask(socket->first, socket->second, deadline);
        if (answer != BusAnswer::Absent) return answer;
    }
    return BusAnswer::Absent;
}

void leaveOutSessionBus(const std::string& silentAddress) {
    // Clearing the address would not do: the library would then try the runtime folder's
    // bus, or launch one.
    ::setenv("DBUS_SESSION_BUS_ADDRESS", kNoBus, 1);
    std::fprintf(stderr,
                 "brindlemark: the session bus (%s) does not answer; starting without the "
                 "accessibility bridge\n",
                 silentAddress.c_str());
}
