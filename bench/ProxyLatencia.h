#pragma once

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// A TCP relay on 127.0.0.1 that holds every chunk it reads for a fixed delay before passing it on,
// in both directions: a server reached through it answers as if it stood across a slow network, one
// delay per message each way. Each accepted connection opens its own connection to the destination.
class ProxyLatencia {
public:
    // Listens on a free port of 127.0.0.1; throws std::runtime_error when it cannot.
    ProxyLatencia(std::string hostDestino, uint16_t puertoDestino, std::chrono::microseconds retardo);
    // Stops listening and closes every relayed connection.
    ~ProxyLatencia();
    ProxyLatencia(const ProxyLatencia&) = delete;
    ProxyLatencia& operator=(const ProxyLatencia&) = delete;

    [[nodiscard]] uint16_t puerto() const { return puerto_; }
    // The chunks passed on towards the destination so far: the round trips the clients started.
    [[nodiscard]] long idas() const { return idas_; }

private:
    void acepta();
    void reenvia(int origen, int destino, bool haciaDestino);
    [[nodiscard]] int conectaDestino() const;

    std::string hostDestino_;
    uint16_t puertoDestino_;
    std::chrono::microseconds retardo_;
    int escucha_ = -1;
    uint16_t puerto_ = 0;
    std::atomic<bool> parando_{false};
    std::atomic<long> idas_{0};
    std::mutex mutex_;
    std::vector<int> sockets_;
    std::vector<std::thread> hilos_;
    std::thread aceptador_;
};
