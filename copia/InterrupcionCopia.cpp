#include "copia/InterrupcionCopia.h"

#include <cstring>
#include <unistd.h>

namespace {

char rutaTemporal[4096];

constexpr int kSenales[] = {SIGINT, SIGTERM, SIGHUP};

void alInterrumpir(int)
{
    if (rutaTemporal[0] != '\0')
        ::unlink(rutaTemporal);
    static const char kAviso[] = "\nCopia interrumpida: el destino queda como estaba.\n";
    [[maybe_unused]] const ssize_t escritos = ::write(STDERR_FILENO, kAviso, sizeof kAviso - 1);
    ::_exit(130);
}

sigset_t senales()
{
    sigset_t conjunto;
    sigemptyset(&conjunto);
    for (const int s : kSenales)
        sigaddset(&conjunto, s);
    return conjunto;
}

} // namespace

void InterrupcionCopia::Instala()
{
    struct sigaction accion { };
    accion.sa_handler = alInterrumpir;
    accion.sa_mask = senales();
    for (const int s : kSenales)
        ::sigaction(s, &accion, nullptr);
}

void InterrupcionCopia::BorraAlInterrumpir(const QString& ruta)
{
    const Retenida retenida;
    const QByteArray local = ruta.toLocal8Bit();
    // A path too long to keep whole is not kept at all: a cut one could name another file.
    const size_t largo
        = static_cast<size_t>(local.size()) < sizeof rutaTemporal ? static_cast<size_t>(local.size()) : 0;
    std::memcpy(rutaTemporal, local.constData(), largo);
    rutaTemporal[largo] = '\0';
}

InterrupcionCopia::Retenida::Retenida()
{
    const sigset_t conjunto = senales();
    ::sigprocmask(SIG_BLOCK, &conjunto, &anteriores_);
}

InterrupcionCopia::Retenida::~Retenida()
{
    ::sigprocmask(SIG_SETMASK, &anteriores_, nullptr);
}
