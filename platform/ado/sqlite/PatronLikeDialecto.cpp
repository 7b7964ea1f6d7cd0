#include "platform/ado/sqlite/PatronLikeDialecto.h"

#include "platform/ado/sqlite/PlegadoDialecto.h"

namespace ado::sqlite {

PatronLikeDialecto::PatronLikeDialecto(std::u32string_view patron, char32_t escape) : patron_(patron), escape_(escape)
{
    for (size_t i = 0; i < patron_.size(); ++i) {
        const char32_t c = patron_[i];
        if (escape_ != 0 && c == escape_ && i + 1 < patron_.size())
            elementos_.push_back({Tipo::Literal, Pliega(patron_[++i])});
        else if (c == U'%')
            elementos_.push_back({Tipo::Secuencia});
        else if (c == U'_')
            elementos_.push_back({Tipo::Uno});
        else if (c == U'[' && patron_.find(U']', i + 2) != std::u32string::npos)
            i = leeClase(i);
        else if (c == U'[')
            malformado_ = true;
        else
            elementos_.push_back({Tipo::Literal, Pliega(c)});
    }
}

// Reads the set opened at `abre`; returns the position of its "]".
size_t PatronLikeDialecto::leeClase(size_t abre)
{
    Elemento e{Tipo::Clase};
    size_t i = abre + 1;
    if (patron_[i] == U'^' && patron_.find(U']', i + 2) != std::u32string::npos) {
        e.negada = true;
        ++i;
    }
    const size_t cierre = patron_.find(U']', i + 1);
    e.desde = rangos_.size();
    for (; i < cierre; ++i) {
        if (i + 2 < cierre && patron_[i + 1] == U'-') {
            rangos_.push_back({Pliega(patron_[i]), Pliega(patron_[i + 2])});
            i += 2;
        } else {
            rangos_.push_back({Pliega(patron_[i]), Pliega(patron_[i])});
        }
    }
    e.hasta = rangos_.size();
    elementos_.push_back(e);
    return cierre;
}

bool PatronLikeDialecto::casa(const Elemento& e, char32_t c) const
{
    switch (e.tipo) {
    case Tipo::Uno:
        return true;
    case Tipo::Literal:
        return c == e.codigo;
    case Tipo::Clase:
        for (size_t r = e.desde; r < e.hasta; ++r)
            if (c >= rangos_[r].desde && c <= rangos_[r].hasta)
                return !e.negada;
        return e.negada;
    case Tipo::Secuencia:
        break;
    }
    return false;
}

// Every element but % takes exactly one character, so going back to the last % is enough.
bool PatronLikeDialecto::coincide(std::u32string_view texto) const
{
    if (malformado_)
        return false;
    constexpr size_t kNinguna = static_cast<size_t>(-1);
    size_t p = 0;
    size_t t = 0;
    size_t ultimaSecuencia = kNinguna;
    size_t desdeTexto = 0;
    while (t < texto.size()) {
        if (p < elementos_.size() && elementos_[p].tipo == Tipo::Secuencia) {
            ultimaSecuencia = p++;
            desdeTexto = t;
        } else if (p < elementos_.size() && casa(elementos_[p], texto[t])) {
            ++p;
            ++t;
        } else if (ultimaSecuencia != kNinguna) {
            p = ultimaSecuencia + 1;
            t = ++desdeTexto;
        } else {
            return false;
        }
    }
    while (p < elementos_.size() && elementos_[p].tipo == Tipo::Secuencia)
        ++p;
    return p == elementos_.size();
}

} // namespace ado::sqlite
