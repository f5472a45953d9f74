// SPDX-License-Identifier: GPL-3.0-or-later

#include "LatencyProxy.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in LoopbackAddress(const std::string& host, int port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    inet_pton(AF_INET, host.c_str(), &address.sin_addr);
    return address;
}

// Small requests must leave at once: the delay is ours to add, not Nagle's.
void NoDelay(int fd) {
    const int on = 1;
    setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
}

bool SendAll(int fd, const std::vector<char>& bytes) {
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = send(fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        sent += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

// One client and its upstream socket: per direction, a reader stamping each chunk with the
// time it is due and a writer sending it then. An end read on one side is passed on once
// what came before it has gone.
struct LatencyProxy::Connection {
    struct Pipe {
        int from = -1;
        int to = -1;
        std::mutex mutex;
        std::condition_variable ready;
        std::deque<std::pair<Clock::time_point, std::vector<char>>> chunks;
        bool ended = false;
    };

    Connection(int client, int upstream, const std::atomic<std::int64_t>& delayUs,
               std::atomic<std::uint64_t>& chunksToServer)
        : m_fds{client, upstream}, m_delayUs(delayUs), m_chunksToServer(chunksToServer) {
        m_pipes[0].from = client;
        m_pipes[0].to = upstream;
        m_pipes[1].from = upstream;
        m_pipes[1].to = client;
        for (int i = 0; i < 2; ++i) {
            m_threads[2 * i] = std::thread([this, i] { Read(m_pipes[i]); });
            m_threads[2 * i + 1] = std::thread([this, i] { Write(m_pipes[i]); });
        }
    }
    ~Connection() {
        Close();
        for (std::thread& thread : m_threads)
            thread.join();
        for (int fd : m_fds)
            close(fd);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool Finished() const { return m_finished == 4; }

    // Wakes every thread of the connection so that each ends.
    void Close() {
        m_closing = true;
        for (int fd : m_fds)
            shutdown(fd, SHUT_RDWR);
        for (Pipe& pipe : m_pipes) {
            const std::lock_guard<std::mutex> lock(pipe.mutex);
            pipe.ready.notify_all();
        }
    }

private:
    void Read(Pipe& pipe) {
        const bool toServer = &pipe == &m_pipes[0];
        // Over a network the client waits a round trip for TCP's handshake before it sends
        // anything; the loopback's is instant, so its first bytes wait for it here.
        bool handshake = toServer;
        std::vector<char> buffer(64 * 1024);
        for (;;) {
            const ssize_t n = recv(pipe.from, buffer.data(), buffer.size(), 0);
            if (n < 0 && errno == EINTR)
                continue;
            const std::lock_guard<std::mutex> lock(pipe.mutex);
            if (n <= 0) {
                pipe.ended = true;
                pipe.ready.notify_all();
                break;
            }
            const std::int64_t delayUs = m_delayUs * (handshake ? 3 : 1);
            handshake = false;
            pipe.chunks.emplace_back(Clock::now() + std::chrono::microseconds(delayUs),
                                     std::vector<char>(buffer.begin(), buffer.begin() + n));
            m_chunksToServer += toServer ? 1 : 0;
            pipe.ready.notify_all();
        }
        ++m_finished;
    }

    void Write(Pipe& pipe) {
        std::unique_lock<std::mutex> lock(pipe.mutex);
        for (;;) {
            pipe.ready.wait(lock, [&] { return m_closing || pipe.ended || !pipe.chunks.empty(); });
            if (m_closing)
                break;
            if (pipe.chunks.empty()) {
                shutdown(pipe.to, SHUT_WR);
                break;
            }
            if (pipe.ready.wait_until(lock, pipe.chunks.front().first,
                                      [&] { return m_closing.load(); }))
                break;
            const std::vector<char> bytes = std::move(pipe.chunks.front().second);
            pipe.chunks.pop_front();
            lock.unlock();
            if (!SendAll(pipe.to, bytes)) {
                Close();
                break;
            }
            lock.lock();
        }
        ++m_finished;
    }

    int m_fds[2];
    const std::atomic<std::int64_t>& m_delayUs;
    std::atomic<std::uint64_t>& m_chunksToServer;
    Pipe m_pipes[2];
    std::thread m_threads[4];
    std::atomic<bool> m_closing{false};
    std::atomic<int> m_finished{0};
};

LatencyProxy::LatencyProxy(std::string upstreamHost, int upstreamPort)
    : m_upstreamHost(std::move(upstreamHost)), m_upstreamPort(upstreamPort) {}

LatencyProxy::~LatencyProxy() {
    Stop();
}

bool LatencyProxy::Start(std::string* error) {
    m_listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in address = LoopbackAddress("127.0.0.1", 0);
    socklen_t length = sizeof address;
    auto* generic = reinterpret_cast<sockaddr*>(&address);
    if (m_listenFd < 0 || bind(m_listenFd, generic, length) != 0 || listen(m_listenFd, 16) != 0 ||
        getsockname(m_listenFd, generic, &length) != 0) {
        *error = std::string("cannot listen on the loopback: ") + std::strerror(errno);
        if (m_listenFd >= 0)
            close(m_listenFd);
        m_listenFd = -1;
        return false;
    }
    m_port = ntohs(address.sin_port);
    m_acceptor = std::thread([this] { AcceptLoop(); });
    return true;
}

void LatencyProxy::AcceptLoop() {
    for (;;) {
        const int client = accept4(m_listenFd, nullptr, nullptr, SOCK_CLOEXEC);
        if (client < 0) {
            if (!m_stopping && (errno == EINTR || errno == ECONNABORTED))
                continue;
            return;
        }
        const int upstream = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        const sockaddr_in address = LoopbackAddress(m_upstreamHost, m_upstreamPort);
        if (upstream < 0 ||
            connect(upstream, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
            // The client sees the refusal as a closed connection, as it would from the server.
            close(client);
            if (upstream >= 0)
                close(upstream);
            continue;
        }
        NoDelay(client);
        NoDelay(upstream);
        const std::lock_guard<std::mutex> lock(m_mutex);
        // Connections the program has closed go here, so that a long run does not pile them up.
        m_connections.remove_if([](const std::unique_ptr<Connection>& c) { return c->Finished(); });
        m_connections.push_back(
            std::make_unique<Connection>(client, upstream, m_delayUs, m_chunksToServer));
    }
}

void LatencyProxy::Stop() {
    if (m_listenFd < 0)
        return;
    m_stopping = true;
    // On Linux this wakes the accept under way.
    shutdown(m_listenFd, SHUT_RDWR);
    if (m_acceptor.joinable())
        m_acceptor.join();
    close(m_listenFd);
    m_listenFd = -1;
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_connections.clear();
}
