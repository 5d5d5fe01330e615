#pragma once
// A controlled context for the bar: an application folder of its own (where
// "cn000pr.ini" is looked for), a known user, workstation and command line,
// all put back when the test ends.
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
        carpetaAnterior_ = Programa::Carpeta();
        lineaAnterior_ = Programa::LineaComando();
        Programa::EstablecerCarpeta(carpeta.ruta());
        Programa::EstablecerLineaComando({});
    }
    ~EntornoBarra() {
        for (const auto& [v, valor] : guardadas_) {
            if (valor.first)
                qputenv(v, valor.second);
            else
                qunsetenv(v);
        }
        Programa::EstablecerCarpeta(carpetaAnterior_);
        Programa::EstablecerLineaComando(lineaAnterior_);
    }
    void Ini(const QByteArray& contenido) const { carpeta.escribir("cn000pr.ini", contenido); }

    CarpetaTemporal carpeta;

private:
    static constexpr const char* variables[] = {"USERNAME",   "USER",    "COMPUTERNAME",
                                                "QMR_DBNAME", "GDBNAME", "DBNAME"};
    std::map<const char*, std::pair<bool, QByteArray>> guardadas_;
    QString carpetaAnterior_;
    QString lineaAnterior_;
};
