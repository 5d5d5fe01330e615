#pragma once
// A write of the editor as one transaction on the main connection. Its
// statements run on the connection itself, so no recovery can repeat one of
// them outside the transaction after a lost link; unless it is confirmed, the
// transaction is rolled back when the object goes.
#include "FallosEscritura.h"
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QVariant>

class Conexion;
class ErrorVB;

// What kind of failure a write on the main connection met, read from the
// connection's own errors and state at once, while they still tell it.
FalloEscritura FalloEnLaConexion(const ErrorVB& error);

class Transaccion {
public:
    // Makes sure the connection is open and begins; raises when it cannot.
    Transaccion();
    ~Transaccion();
    Transaccion(const Transaccion&) = delete;
    Transaccion& operator=(const Transaccion&) = delete;

    // Runs a statement and returns the rows it reached. With sinonimos it
    // gets the confidential-synonym rewrite of the statement helpers.
    long Ejecutar(const QString& sql, bool sinonimos);
    // The first column of the first row of a query; null without rows.
    QVariant Valor(const QString& sql);
    // The rows of a query, each as its columns joined, in capitals.
    QSet<QString> Filas(const QString& sql);
    // The rows of a query, each as the texts of its columns.
    QList<QStringList> Leer(const QString& sql);
    // Commits; raises when the commit fails, and the transaction is then
    // rolled back.
    void Confirmar();

    // The separator of the columns joined by Filas.
    static constexpr char16_t kSeparador = 0x1F;

private:
    QString texto(const QString& sql) const;

    Conexion& cn_;
    bool pendiente_ = false;
};
