// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

// A TCP proxy on the loopback that plays a distant server: every chunk of bytes, in either
// direction, is held for the delay (one way) before it goes on. A chunk read at t leaves at
// t + delay whatever came before it, so pipelined requests keep their overlap; order is kept.
// Kernel traffic shaping is not to be had in a sandbox, hence this.
class LatencyProxy {
public:
    LatencyProxy(std::string upstreamHost, int upstreamPort);
    ~LatencyProxy();
    LatencyProxy(const LatencyProxy&) = delete;
    LatencyProxy& operator=(const LatencyProxy&) = delete;

    // Listens on a free port of 127.0.0.1; false, with why, when it cannot.
    bool Start(std::string* error);
    // Closes the listening socket and every connection, and waits for their threads.
    void Stop();
    int Port() const { return m_port; }

    // Applies to the chunks read from now on.
    void SetDelay(std::chrono::microseconds oneWay) { m_delayUs = oneWay.count(); }
    std::chrono::microseconds Delay() const { return std::chrono::microseconds(m_delayUs); }
    // Chunks sent on to the server so far, all connections together: the requests a client
    // made, whatever the time they took.
    std::uint64_t ChunksToServer() const { return m_chunksToServer; }

private:
    struct Connection;

    void AcceptLoop();

    std::string m_upstreamHost;
    int m_upstreamPort;
    int m_listenFd = -1;
    int m_port = 0;
    std::atomic<std::int64_t> m_delayUs{0};
    std::atomic<std::uint64_t> m_chunksToServer{0};
    std::atomic<bool> m_stopping{false};
    std::thread m_acceptor;
    std::mutex m_mutex;
    std::list<std::unique_ptr<Connection>> m_connections;
};
