#pragma once
// The search dialog object: a modal search over a table (or over a whole
// SELECT statement) that returns the value of the chosen row's returned
// column, empty when the user cancels.
#include "Dialogos.h"
#include <QString>
#include <functional>

class DialogoConsulta {
public:
    using Consultor = std::function<ResultadoConsulta(const QString& sentencia)>;

    QString CadenaConexion;
    bool UsaConexion = false;
    QString ArchivoConsultas;
    QString CampoDevuelto;

    // How the rows of a statement are fetched (set at start-up on the main
    // connection).
    void EstablecerConsultor(Consultor c) { consultor_ = std::move(c); }

    // Shows the search over tabla (a table or view name, or a complete SELECT)
    // with an optional condition; the other arguments of the suite's call are
    // accepted and not used.
    void Mostrar(const QString& tabla, const QString& condicion);
    // The value chosen in the last search; empty when it was cancelled.
    QString ValorElegido() const { return elegido_; }

    // The statement a search over tabla with condicion runs.
    QString SentenciaDe(const QString& tabla, const QString& condicion) const;

private:
    Consultor consultor_;
    QString elegido_;
};

// The process-wide search dialog object.
DialogoConsulta& gDialogoConsulta();
