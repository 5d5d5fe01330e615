#pragma once
// The search-definitions file: fixed-length records of 1202 bytes (search
// name 100, table 100, column list 500, extra condition 500, CR LF), one
// byte per character in the workstation's code page.
#include <QList>
#include <QString>

struct RegistroConsulta {
    QString nombre;
    QString tabla;
    QString columnas;  // "|COL1|COL2|"
    QString condicion; // extra condition, blank for none
};

namespace ArchivoConsultas {

constexpr int LargoRegistro = 1202;

// Every record of the file in order; empty when it cannot be read.
QList<RegistroConsulta> Leer(const QString& archivo);
// Appends one record at the next free record number.
bool Agregar(const QString& archivo, const RegistroConsulta& registro);
// A table field with the characters of code 0 and 255 removed and trimmed.
QString TablaLimpia(const QString& campo);

} // namespace ArchivoConsultas
