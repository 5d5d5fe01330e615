#pragma once
// The account changes of the session, to undo and redo them (Ctrl+Z, Ctrl+Y).
// Each entry is a committed correction or replacement whose rows are in the
// change records (RegistroCambios). Undo and redo reach only those rows, and
// among them only the ones that still hold what the change, or its last undo
// or redo, left: a row someone else changed meanwhile is left alone and
// listed to the user. Each runs in one transaction with its own audit rows,
// and the grid shows the result without a reload.
#include <QString>
#include <QStringList>
#include <vector>

class ModeloAsientos;

struct CambioCuenta {
    QString lote;           // the batch id of its records and audit rows
    QString que;            // what it did, for the menu and the messages
    QString antes, despues; // the main codes
    // A correction of one line also rewrites the line's card data: '1' in
    // each field for a card account, blank otherwise.
    bool esCorreccion = false;
    bool tarjeta = false;
};

class HistorialCambios {
public:
    HistorialCambios() = default;
    // The session's records go with it.
    ~HistorialCambios();
    HistorialCambios(const HistorialCambios&) = delete;
    HistorialCambios& operator=(const HistorialCambios&) = delete;

    // Makes sure the change records can be written (the table is created
    // when missing). When they cannot, tells the user that nothing was
    // changed and returns false.
    bool Preparar();
    // A committed change; the changes undone and not redone are forgotten.
    void Agregar(CambioCuenta cambio);

    // What an undo or a redo would do; empty when there is nothing to do.
    QString QueDeshacer() const;
    QString QueRehacer() const;
    // Undoes the last change still done, or redoes the first one undone.
    // False when there was nothing to do or it failed (the user was told why
    // and nothing changed).
    bool Deshacer(ModeloAsientos& grilla);
    bool Rehacer(ModeloAsientos& grilla);

private:
    bool aplicar(const CambioCuenta& c, bool deshacer, ModeloAsientos& grilla);
    // Removes the records of the changes from position desde on.
    void olvidar(std::size_t desde);

    std::vector<CambioCuenta> cambios_;
    std::size_t hechos_ = 0; // the first hechos_ changes are done, the rest undone
    bool preparado_ = false;
};
