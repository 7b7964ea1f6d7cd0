#include "platform/ado/sqlite/FuncionesSqlite.h"

#include "platform/ado/dialect/FechasDialecto.h"
#include "platform/ado/sqlite/FuncionesFechaSqlite.h"
#include "platform/ado/sqlite/FuncionesTextoSqlite.h"
#include "platform/ado/sqlite/PatronLikeDialecto.h"
#include "platform/ado/sqlite/PlegadoDialecto.h"
#include "runtime/Reloj.h"

#include <QChar>

#include <sqlite3.h>

namespace ado::sqlite {
namespace {

const unsigned char* textoDe(sqlite3_value* v, int& largo)
{
    const unsigned char* t = sqlite3_value_text(v);
    largo = sqlite3_value_bytes(v);
    return t;
}

bool algunNulo(int argc, sqlite3_value** argv)
{
    for (int i = 0; i < argc; ++i)
        if (sqlite3_value_type(argv[i]) == SQLITE_NULL)
            return true;
    return false;
}

int comparaCi(void*, int largoA, const void* a, int largoB, const void* b)
{
    return ComparaPlegado(static_cast<const unsigned char*>(a), largoA, static_cast<const unsigned char*>(b), largoB);
}

void largo(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    int bytes = 0;
    const unsigned char* t = textoDe(argv[0], bytes);
    while (bytes > 0 && t[bytes - 1] == ' ')
        --bytes;
    sqlite3_int64 caracteres = 0;
    for (int i = 0; i < bytes; ++i)
        caracteres += (t[i] & 0xC0) != 0x80;
    sqlite3_result_int64(ctx, caracteres);
}

void posicion(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    int largoBuscado = 0;
    int largoTexto = 0;
    const unsigned char* b = textoDe(argv[0], largoBuscado);
    const unsigned char* t = textoDe(argv[1], largoTexto);
    const std::u32string buscado = TextoPlegado(b, largoBuscado);
    const std::u32string texto = TextoPlegado(t, largoTexto);
    const sqlite3_int64 inicio = argc > 2 ? std::max<sqlite3_int64>(sqlite3_value_int64(argv[2]), 1) : 1;
    if (buscado.empty() || inicio > static_cast<sqlite3_int64>(texto.size())) {
        sqlite3_result_int64(ctx, 0);
        return;
    }
    const size_t donde = texto.find(buscado, static_cast<size_t>(inicio - 1));
    sqlite3_result_int64(ctx, donde == std::u32string::npos ? 0 : static_cast<sqlite3_int64>(donde) + 1);
}

void ahora(sqlite3_context* ctx, int, sqlite3_value**)
{
    // Whole seconds, as the office server's clock gives them.
    const QDateTime momento = Reloj::ahora();
    const QByteArray texto
        = dialecto::FechaAlmacenada(
              QDateTime(momento.date(), QTime(momento.time().hour(), momento.time().minute(), momento.time().second())))
              .toUtf8();
    sqlite3_result_text(ctx, texto.constData(), static_cast<int>(texto.size()), SQLITE_TRANSIENT);
}

void liberaPatron(void* patron)
{
    delete static_cast<PatronLikeDialecto*>(patron);
}

std::u32string codigos(const unsigned char* texto, int largo)
{
    std::u32string resultado;
    int pos = 0;
    while (pos < largo)
        resultado += LeeCodigo(texto, largo, pos);
    return resultado;
}

// SQLite calls like(patron, texto[, escape]) for "texto LIKE patron"; the compiled pattern is kept
// with the statement while the pattern argument stays the same.
void parecido(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    char32_t escape = 0;
    if (argc > 2) {
        int bytes = 0;
        const unsigned char* e = textoDe(argv[2], bytes);
        const std::u32string leido = codigos(e, bytes);
        if (leido.size() != 1) {
            const QByteArray mensaje
                = QStringLiteral("Se ha especificado el carácter de escape no válido \"%1\" en un predicado LIKE.")
                      .arg(QString::fromUtf8(reinterpret_cast<const char*>(e), bytes))
                      .toUtf8();
            sqlite3_result_error(ctx, mensaje.constData(), static_cast<int>(mensaje.size()));
            return;
        }
        escape = leido[0];
    }
    int largoPatron = 0;
    int largoTexto = 0;
    const unsigned char* p = textoDe(argv[0], largoPatron);
    const std::u32string patron = codigos(p, largoPatron);
    auto* compilado = static_cast<PatronLikeDialecto*>(sqlite3_get_auxdata(ctx, 0));
    if (!compilado || !compilado->mismo(patron, escape)) {
        compilado = new PatronLikeDialecto(patron, escape);
        sqlite3_set_auxdata(ctx, 0, compilado, liberaPatron);
        compilado = static_cast<PatronLikeDialecto*>(sqlite3_get_auxdata(ctx, 0));
    }
    const unsigned char* t = textoDe(argv[1], largoTexto);
    const std::u32string texto = TextoPlegado(t, largoTexto);
    const bool casa = compilado ? compilado->coincide(texto) : PatronLikeDialecto(patron, escape).coincide(texto);
    sqlite3_result_int(ctx, casa ? 1 : 0);
}

template <char32_t (*Cambia)(char32_t)>
void cambiaCaja(sqlite3_context* ctx, int argc, sqlite3_value** argv)
{
    if (algunNulo(argc, argv)) {
        sqlite3_result_null(ctx);
        return;
    }
    int bytes = 0;
    const unsigned char* t = textoDe(argv[0], bytes);
    std::string salida;
    salida.reserve(static_cast<size_t>(bytes));
    int pos = 0;
    while (pos < bytes)
        EscribeUtf8(salida, Cambia(LeeCodigo(t, bytes, pos)));
    sqlite3_result_text(ctx, salida.data(), static_cast<int>(salida.size()), SQLITE_TRANSIENT);
}

char32_t mayuscula(char32_t c)
{
    return c < 0x110000 ? QChar::toUpper(c) : c;
}

char32_t minuscula(char32_t c)
{
    return c < 0x110000 ? QChar::toLower(c) : c;
}

} // namespace

void RegistraFuncionesDialecto(sqlite3* conexion)
{
    if (!conexion)
        return;
    constexpr int fija = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    sqlite3_create_collation_v2(conexion, "KQ_CI", SQLITE_UTF8, nullptr, comparaCi, nullptr);
    sqlite3_create_function_v2(conexion, "KQ_LEN", 1, fija, nullptr, largo, nullptr, nullptr, nullptr);
    for (int argumentos : {2, 3}) {
        sqlite3_create_function_v2(conexion, "KQ_CHARINDEX", argumentos, fija, nullptr, posicion, nullptr, nullptr,
                                   nullptr);
        sqlite3_create_function_v2(conexion, "like", argumentos, fija, nullptr, parecido, nullptr, nullptr, nullptr);
    }
    sqlite3_create_function_v2(conexion, "KQ_GETDATE", 0, SQLITE_UTF8, nullptr, ahora, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(conexion, "upper", 1, fija, nullptr, cambiaCaja<mayuscula>, nullptr, nullptr, nullptr);
    sqlite3_create_function_v2(conexion, "lower", 1, fija, nullptr, cambiaCaja<minuscula>, nullptr, nullptr, nullptr);
    RegistraFuncionesTexto(conexion);
    RegistraFuncionesFecha(conexion);
}

} // namespace ado::sqlite
