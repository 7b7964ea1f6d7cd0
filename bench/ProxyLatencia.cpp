#include "ProxyLatencia.h"

#include <arpa/inet.h>
#include <array>
#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Small messages go out at once, without waiting to be merged with the next.
void sinDemora(int socket)
{
    const int si = 1;
    setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &si, sizeof si);
}

bool escribeTodo(int destino, const char* datos, ssize_t largo)
{
    while (largo > 0) {
        const ssize_t escritos = send(destino, datos, static_cast<size_t>(largo), MSG_NOSIGNAL);
        if (escritos <= 0)
            return false;
        datos += escritos;
        largo -= escritos;
    }
    return true;
}

} // namespace

ProxyLatencia::ProxyLatencia(std::string hostDestino, uint16_t puertoDestino, std::chrono::microseconds retardo)
    : hostDestino_(std::move(hostDestino)), puertoDestino_(puertoDestino), retardo_(retardo)
{
    escucha_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t largo = sizeof direccion;
    if (escucha_ < 0 || bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0
        || listen(escucha_, 16) != 0 || getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0) {
        if (escucha_ >= 0)
            close(escucha_);
        throw std::runtime_error("no se pudo abrir el puerto del proxy");
    }
    puerto_ = ntohs(direccion.sin_port);
    aceptador_ = std::thread([this] { acepta(); });
}

ProxyLatencia::~ProxyLatencia()
{
    parando_ = true;
    aceptador_.join();
    close(escucha_);
    {
        const std::lock_guard bloqueo(mutex_);
        for (const int s : sockets_)
            shutdown(s, SHUT_RDWR);
    }
    for (std::thread& hilo : hilos_)
        hilo.join();
    for (const int s : sockets_)
        close(s);
}

void ProxyLatencia::acepta()
{
    pollfd espera{escucha_, POLLIN, 0};
    while (!parando_) {
        // A short wait, so that the destructor is heard without a second descriptor to wake it.
        if (poll(&espera, 1, 50) <= 0)
            continue;
        const int cliente = accept(escucha_, nullptr, nullptr);
        if (cliente < 0)
            continue;
        const int destino = conectaDestino();
        if (destino < 0) {
            close(cliente);
            continue;
        }
        sinDemora(cliente);
        sinDemora(destino);
        const std::lock_guard bloqueo(mutex_);
        sockets_.push_back(cliente);
        sockets_.push_back(destino);
        hilos_.emplace_back([this, cliente, destino] { reenvia(cliente, destino, true); });
        hilos_.emplace_back([this, cliente, destino] { reenvia(destino, cliente, false); });
    }
}

int ProxyLatencia::conectaDestino() const
{
    addrinfo pista{};
    pista.ai_family = AF_UNSPEC;
    pista.ai_socktype = SOCK_STREAM;
    addrinfo* direcciones = nullptr;
    if (getaddrinfo(hostDestino_.c_str(), std::to_string(puertoDestino_).c_str(), &pista, &direcciones) != 0)
        return -1;
    int destino = -1;
    for (addrinfo* d = direcciones; d && destino < 0; d = d->ai_next) {
        destino = socket(d->ai_family, d->ai_socktype, d->ai_protocol);
        if (destino >= 0 && connect(destino, d->ai_addr, d->ai_addrlen) != 0) {
            close(destino);
            destino = -1;
        }
    }
    freeaddrinfo(direcciones);
    return destino;
}

void ProxyLatencia::reenvia(int origen, int destino, bool haciaDestino)
{
    std::array<char, 64 * 1024> bufer{};
    for (;;) {
        const ssize_t leidos = recv(origen, bufer.data(), bufer.size(), 0);
        if (leidos <= 0)
            break;
        if (haciaDestino)
            ++idas_;
        std::this_thread::sleep_for(retardo_);
        if (!escribeTodo(destino, bufer.data(), leidos))
            break;
    }
    // The other side learns that nothing more comes this way; its own relay ends on its own.
    shutdown(destino, SHUT_WR);
}
