#pragma once
// The texts of the lookup control: the search statement of every keystroke,
// the configuration call, the row of the result list and the codes read from
// the text. Typed text always goes between apostrophes with its own
// apostrophes doubled.
#include <QString>

namespace SentenciasBusqueda {

// What a search is made of.
struct Busqueda {
    QString buscar; // the typed text (blanks become "%")
    QString tabla;
    QString campoDescripcion;
    QString campoCodigo;
    QString filtroExtra;
    QString idLista; // price list: when not blank, articles priced in that list
};

// The text between apostrophes: every apostrophe doubled.
QString Comillas(const QString& texto);

// The statement of a search of at most 100 rows.
QString Sentencia(const Busqueda& b);

// The call of the stored procedure that reads a configuration value; its
// "?" mark takes the key as a fixed-length text of 50 characters.
QString SentenciaConfiguracion();
QString ValorParametroCampo(const QString& campo);

// FmtLeerCodigo: a numeric code trimmed and right-aligned in largo
// characters (only its leftmost characters when longer); any other code
// trimmed. largo 0 or less means the code's own length.
QString FmtLeerCodigo(const QString& codigo, int largo = 0);

} // namespace SentenciasBusqueda

// One row of the result list: the display value and the code as read, kept
// apart so that a code of any length comes back whole. The list shows the
// display value, 50 blanks and the code.
struct FilaBusqueda {
    QString descripcion;
    QString codigo;

    QString Texto() const;
    // The display part and the code, trimmed.
    QString Descripcion() const { return descripcion.trimmed(); }
    QString Codigo() const { return codigo.trimmed(); }
};
