#pragma once
// A result set as the routines use it: opened with a cursor and a lock type,
// positioned on its first row, walked with MoveNext until EOF, its fields read
// by name without regard to letter case. Result sets opened for update add,
// change and delete rows of their table.
//
// Rows are read from the driver as the caller walks them, except when the
// connection uses client-side cursors on an engine that allows one active
// result per connection, or when the set is opened for update: then every row
// is read before the caller gets the first one. A result still being read is
// also fetched whole as soon as another statement needs the connection.
#include "FlujoFilas.h"
#include <QHash>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <vector>

class Conexion;

namespace Cursores {
constexpr int SoloAdelante = 0;
constexpr int Dinamico = 2;
} // namespace Cursores
namespace Bloqueos {
constexpr int SoloLectura = 1;
constexpr int Pesimista = 2;
constexpr int Optimista = 3;
} // namespace Bloqueos

class Recordset {
public:
    Recordset() = default;
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int CursorType = Cursores::SoloAdelante;
    int LockType = Bloqueos::SoloLectura;

    void Open(const QString& sql, Conexion* cn, int cursorType, int lockType, int opciones = -1);
    // Opens, forward-only and read-only, a statement whose "?" marks take
    // valores in order. Its text repeats with other values, so the engine
    // keeps it compiled.
    void AbrirConValores(const QString& sql, const QList<QVariant>& valores, Conexion* cn);
    // Opens a statement already in the engine's dialect.
    void AbrirTraducido(const QString& texto, Conexion* cn);
    void Close();
    // 0 closed, 1 open.
    int State() const { return abierto_ ? 1 : 0; }

    bool BOF() const;
    bool Eof() const;
    void MoveFirst();
    void MoveNext();
    long RecordCount() const;

    // Field of the current row by name (letter case ignored).
    QVariant Valor(const QString& campo) const;
    QVariant operator()(const QString& campo) const { return Valor(campo); }
    // The position of a field, -1 when absent; and a value by position.
    int Indice(const QString& campo) const;
    QVariant Valor(int indice) const;
    // A value by position as text (UtilGeneral::ValorTexto of Valor).
    QString Texto(int indice) const;
    QStringList Campos() const { return campos_; }

    // Updates (sets opened with a lock type other than read-only).
    void AddNew();
    void Asignar(const QString& campo, const QVariant& valor);
    void Update();
    void Delete();
    void CancelUpdate();
    // True while a new or changed row waits for Update.
    bool EditandoFila() const { return modo_ != Modo::Ninguno; }

    // Reads every remaining row into memory, so the connection can run
    // another statement.
    void LeerResto();

private:
    enum class Modo { Ninguno, Agregando, Editando };
    void exigirAbierto() const;
    void exigirFila() const;
    // The checks and counts of every open.
    void antesDeAbrir(const QString& sql, Conexion* cn);
    void abrir(const QString& texto, Conexion* cn, const QList<QVariant>* valores);
    void tomarCampos(const QStringList& campos);
    // The table the statement reads, which updates write.
    QString tabla() const;
    void exigirIndice(int indice) const;
    void avanzarFlujo();
    QString sqlActualizacion(const QStringList& columnas, bool insertar) const;
    void ejecutarCambio(const QString& sql, const QList<QVariant>& valores, bool exigirFila);
    QString condicionOriginal(QList<QVariant>& valores) const;

    Conexion* cn_ = nullptr;
    bool abierto_ = false;
    QString texto_;
    QList<QVariant> valores_;
    bool conValores_ = false;
    QStringList campos_;
    mutable QHash<QString, int> indices_;
    // Streaming: the live statement, whose current row is read when asked.
    std::unique_ptr<FlujoFilas> flujo_;
    // Buffered rows and the position in them.
    std::vector<QList<QVariant>> filas_;
    std::vector<bool> borradas_;
    long pos_ = 0;
    bool enMemoria_ = false;
    bool eof_ = true;
    bool bof_ = true;
    QList<QVariant> actual_; // the current row of a set read into memory
    // Pending change.
    Modo modo_ = Modo::Ninguno;
    QList<QVariant> original_;
    QList<bool> cambiados_;
};
