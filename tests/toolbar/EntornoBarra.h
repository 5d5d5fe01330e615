#pragma once
// A controlled context for the bar: an application folder of its own (where
// "cn000pr.ini" is looked for) and a known user and workstation; the
// environment variables are put back when the test ends (the program's own
// values are reset before every case).
#include "CarpetaTemporal.h"
#include "Programa.h"
#include <QByteArray>
#include <map>

class EntornoBarra {
public:
    EntornoBarra() {
        for (const char* v : variables)
            guardadas_[v] = {qEnvironmentVariableIsSet(v), qgetenv(v)};
        for (const char* v : variables)
            qunsetenv(v);
        qputenv("USERNAME", "operador1");
        Programa::EstablecerCarpeta(carpeta.ruta());
    }
    ~EntornoBarra() {
        for (const auto& [v, valor] : guardadas_) {
            if (valor.first)
                qputenv(v, valor.second);
            else
                qunsetenv(v);
        }
    }
    void Ini(const QByteArray& contenido) const { carpeta.escribir("cn000pr.ini", contenido); }

    CarpetaTemporal carpeta;

private:
    static constexpr const char* variables[] = {"USERNAME",   "USER",    "COMPUTERNAME",
                                                "QMR_DBNAME", "GDBNAME", "DBNAME"};
    std::map<const char*, std::pair<bool, QByteArray>> guardadas_;
};
