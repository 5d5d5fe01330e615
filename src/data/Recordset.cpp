#include "Recordset.h"
#include "Conexion.h"
#include "Contadores.h"
#include "ErrorVB.h"
#include "UtilGeneral.h"
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {
constexpr long FilaBorrada = -2147217885;      // 0x80040E23
constexpr long FilaNoEncontrada = -2147217864; // 0x80040E38
constexpr long SoloLecturaError = 3251;        // the operation is not supported (read-only)

QString entreCorchetes(const QString& campo) {
    return u'[' + QString(campo).replace(u']', QStringLiteral("]]")) + u']';
}
} // namespace

Recordset::~Recordset() {
    Close();
}

void Recordset::exigirAbierto() const {
    if (!abierto_)
        throw ErrorVB(CodigosError::ObjetoCerrado,
                      QStringLiteral("La operación no está permitida si el objeto está cerrado."),
                      QStringLiteral("ADODB.Recordset"));
}

void Recordset::exigirFila() const {
    exigirAbierto();
    if (eof_ || bof_)
        throw ErrorVB(CodigosError::FinDeDatos,
                      QStringLiteral("BOF o EOF es True, o el registro actual se eliminó."),
                      QStringLiteral("ADODB.Recordset"));
}

void Recordset::tomarCampos(const QStringList& campos) {
    campos_ = campos;
    indices_.clear(); // built when a field is first asked for by name
}

QString Recordset::tabla() const {
    static const QRegularExpression deTabla(QStringLiteral("\\bFROM\\s+([^\\s(),]+)"),
                                            QRegularExpression::CaseInsensitiveOption);
    const auto m = deTabla.match(texto_);
    return m.hasMatch() ? m.captured(1) : QString();
}

void Recordset::antesDeAbrir(const QString& sql, Conexion* cn) {
    if (abierto_)
        throw ErrorVB(CodigosError::ObjetoAbierto,
                      QStringLiteral("La operación no está permitida si el objeto está abierto."),
                      QStringLiteral("ADODB.Recordset"));
    if (cn == nullptr)
        throw ErrorVB(CodigosError::ConexionCerrada, QStringLiteral("No hay conexión."),
                      QStringLiteral("ADODB.Recordset"));
    cn->exigirAbierta();
    cn->Errors.clear();
    cn->comprobarFallo(FalloInyectado::Operacion::Consultar);
    contadores().anotar(sql);
}

void Recordset::Open(const QString& sql, Conexion* cn, int cursorType, int lockType, int) {
    antesDeAbrir(sql, cn);
    CursorType = cursorType;
    LockType = lockType;
    abrir(cn->motorActivo()->traducir(sql), cn, nullptr);
}

void Recordset::AbrirConValores(const QString& sql, const QList<QVariant>& valores, Conexion* cn) {
    antesDeAbrir(sql, cn);
    CursorType = Cursores::SoloAdelante;
    LockType = Bloqueos::SoloLectura;
    abrir(cn->motorActivo()->traducirFija(sql), cn, &valores);
}

void Recordset::AbrirTraducido(const QString& texto, Conexion* cn) {
    abrir(texto, cn, nullptr);
}

void Recordset::abrir(const QString& texto, Conexion* cn, const QList<QVariant>* valores) {
    cn->antesDeSentencia(this);
    cn_ = cn;
    texto_ = texto;
    conValores_ = valores != nullptr;
    valores_ = valores != nullptr ? *valores : QList<QVariant>();
    std::unique_ptr<FlujoFilas> flujo = cn->motorActivo()->flujo(cn->db());
    ++contadores().sentencias;
    ++contadores().recordsets;
    if (!(conValores_ ? flujo->ejecutar(texto, valores_) : flujo->ejecutar(texto)))
        cn->fallar(flujo->error(), flujo->manejador());
    tomarCampos(flujo->campos());
    abierto_ = true;
    filas_.clear();
    borradas_.clear();
    pos_ = 0;
    modo_ = Modo::Ninguno;
    flujo_ = std::move(flujo);
    cn->registrar(this);
    const bool todoAlAbrir =
        LockType != Bloqueos::SoloLectura ||
        (cn->CursorLocation == Ubicaciones::Cliente && cn->motorActivo()->unResultadoActivo());
    if (todoAlAbrir) {
        LeerResto();
    } else {
        avanzarFlujo();
        bof_ = eof_;
    }
}

void Recordset::avanzarFlujo() {
    // While streaming, values are read from the statement when asked.
    if (flujo_->siguiente()) {
        eof_ = false;
        return;
    }
    // The statement lives until its failure is raised: the driver is asked
    // about it.
    const std::unique_ptr<FlujoFilas> flujo = std::move(flujo_);
    actual_.clear();
    eof_ = true;
    if (flujo->error().isValid()) {
        // A row that could not be read is a failure, never the end of the data.
        Conexion* cn = cn_;
        Close();
        cn->fallar(flujo->error(), flujo->manejador());
    }
}

void Recordset::LeerResto() {
    if (!abierto_ || enMemoria_)
        return;
    // The current row (when streaming started) comes first.
    const bool habiaFila = flujo_ && !eof_;
    const int n = static_cast<int>(campos_.size());
    auto tomarFila = [&] {
        QList<QVariant> fila(n);
        for (int i = 0; i < n; ++i)
            fila[i] = flujo_->valor(i);
        filas_.push_back(std::move(fila));
    };
    if (habiaFila)
        tomarFila();
    const long base = habiaFila ? 0 : static_cast<long>(filas_.size());
    if (flujo_) {
        while (flujo_->siguiente())
            tomarFila();
        const std::unique_ptr<FlujoFilas> flujo = std::move(flujo_);
        if (flujo->error().isValid()) {
            Conexion* cn = cn_;
            Close();
            cn->fallar(flujo->error(), flujo->manejador());
        }
    }
    borradas_.assign(filas_.size(), false);
    enMemoria_ = true;
    pos_ = base;
    eof_ = pos_ >= static_cast<long>(filas_.size());
    if (!habiaFila)
        bof_ = filas_.empty();
    actual_ = eof_ ? QList<QVariant>() : filas_[pos_];
}

void Recordset::Close() {
    if (!abierto_)
        return;
    flujo_.reset();
    filas_.clear();
    borradas_.clear();
    actual_.clear();
    abierto_ = false;
    enMemoria_ = false;
    eof_ = bof_ = true;
    modo_ = Modo::Ninguno;
    if (cn_ != nullptr)
        cn_->quitar(this);
    cn_ = nullptr;
}

bool Recordset::BOF() const {
    exigirAbierto();
    return bof_;
}

bool Recordset::Eof() const {
    exigirAbierto();
    return eof_;
}

void Recordset::MoveFirst() {
    exigirAbierto();
    if (enMemoria_) {
        pos_ = 0;
        eof_ = bof_ = filas_.empty();
        actual_ = eof_ ? QList<QVariant>() : filas_[0];
        return;
    }
    if (pos_ == 0)
        return; // still on the first row
    // A forward-only set read past its first row is read again from the start.
    Conexion* cn = cn_;
    const QString texto = texto_;
    const QList<QVariant> valores = valores_;
    const bool conValores = conValores_;
    Close();
    abrir(texto, cn, conValores ? &valores : nullptr);
}

void Recordset::MoveNext() {
    exigirAbierto();
    if (eof_)
        throw ErrorVB(CodigosError::FinDeDatos,
                      QStringLiteral("BOF o EOF es True, o el registro actual se eliminó."),
                      QStringLiteral("ADODB.Recordset"));
    modo_ = Modo::Ninguno;
    ++pos_;
    if (enMemoria_) {
        while (pos_ < static_cast<long>(filas_.size()) && borradas_[pos_])
            ++pos_;
        eof_ = pos_ >= static_cast<long>(filas_.size());
        actual_ = eof_ ? QList<QVariant>() : filas_[pos_];
        return;
    }
    avanzarFlujo();
}

long Recordset::RecordCount() const {
    exigirAbierto();
    return enMemoria_ ? static_cast<long>(filas_.size()) : -1;
}

int Recordset::Indice(const QString& campo) const {
    if (indices_.isEmpty() && !campos_.isEmpty())
        for (int i = 0; i < campos_.size(); ++i) {
            const QString clave = campos_[i].toLower();
            if (!indices_.contains(clave)) // the first of equal names
                indices_.insert(clave, i);
        }
    const auto it = indices_.constFind(campo.toLower());
    return it != indices_.constEnd() ? it.value() : -1;
}

void Recordset::exigirIndice(int indice) const {
    exigirFila();
    if (indice < 0 || indice >= campos_.size())
        throw ErrorVB(CodigosError::CampoInexistente,
                      QStringLiteral("No se encontró el elemento en la colección."),
                      QStringLiteral("ADODB.Fields"));
}

QVariant Recordset::Valor(int indice) const {
    exigirIndice(indice);
    if (!enMemoria_ && flujo_)
        return flujo_->valor(indice);
    return actual_[indice];
}

QString Recordset::Texto(int indice) const {
    exigirIndice(indice);
    if (!enMemoria_ && flujo_)
        return flujo_->texto(indice);
    return UtilGeneral::ValorTexto(actual_[indice]);
}

QVariant Recordset::Valor(const QString& campo) const {
    const int i = Indice(campo.trimmed());
    if (i < 0)
        throw ErrorVB(CodigosError::CampoInexistente,
                      QStringLiteral("No se encontró el elemento en la colección que corresponde "
                                     "con el nombre solicitado: ") +
                          campo,
                      QStringLiteral("ADODB.Fields"));
    return Valor(i);
}

void Recordset::AddNew() {
    exigirAbierto();
    if (LockType == Bloqueos::SoloLectura)
        throw ErrorVB(SoloLecturaError,
                      QStringLiteral("El conjunto de registros es de solo lectura."),
                      QStringLiteral("ADODB.Recordset"));
    LeerResto();
    filas_.push_back(QList<QVariant>(campos_.size()));
    borradas_.push_back(false);
    pos_ = static_cast<long>(filas_.size()) - 1;
    actual_ = filas_[pos_];
    eof_ = bof_ = false;
    modo_ = Modo::Agregando;
    cambiados_ = QList<bool>(campos_.size(), false);
}

void Recordset::Asignar(const QString& campo, const QVariant& valor) {
    exigirFila();
    if (LockType == Bloqueos::SoloLectura)
        throw ErrorVB(SoloLecturaError,
                      QStringLiteral("El conjunto de registros es de solo lectura."),
                      QStringLiteral("ADODB.Recordset"));
    if (enMemoria_ && borradas_[pos_])
        throw ErrorVB(
            FilaBorrada,
            QStringLiteral("El identificador de fila hace referencia a una fila eliminada."),
            QStringLiteral("ADODB.Field"));
    const int i = Indice(campo.trimmed());
    if (i < 0)
        throw ErrorVB(CodigosError::CampoInexistente,
                      QStringLiteral("No se encontró el elemento en la colección: ") + campo,
                      QStringLiteral("ADODB.Fields"));
    if (modo_ == Modo::Ninguno) {
        modo_ = Modo::Editando;
        original_ = actual_;
        cambiados_ = QList<bool>(campos_.size(), false);
    }
    actual_[i] = valor;
    cambiados_[i] = true;
}

QString Recordset::condicionOriginal(QList<QVariant>& valores) const {
    QStringList partes;
    for (int i = 0; i < campos_.size(); ++i) {
        if (original_[i].isNull()) {
            partes << entreCorchetes(campos_[i]) + QStringLiteral(" IS NULL");
        } else {
            partes << entreCorchetes(campos_[i]) + QStringLiteral(" = ?");
            valores << original_[i];
        }
    }
    return partes.join(QStringLiteral(" AND "));
}

void Recordset::ejecutarCambio(const QString& sql, const QList<QVariant>& valores, bool exigir) {
    cn_->exigirAbierta();
    cn_->Errors.clear();
    cn_->comprobarFallo(FalloInyectado::Operacion::Ejecutar);
    contadores().anotar(sql);
    QSqlQuery q(cn_->db());
    if (!q.prepare(cn_->motorActivo()->traducir(sql)))
        cn_->fallar(q);
    for (const QVariant& v : valores)
        q.addBindValue(v);
    ++contadores().sentencias;
    if (!q.exec())
        cn_->fallar(q);
    if (exigir && q.numRowsAffected() == 0) {
        // Another user changed or removed the row since it was read.
        ErrorProveedor e{FilaNoEncontrada,
                         QStringLiteral("No se encuentra la fila para actualizarla. Algunos "
                                        "valores pueden haber cambiado desde la última lectura."),
                         QStringLiteral("HY000"), 0};
        cn_->fallar(e);
    }
}

void Recordset::Update() {
    exigirAbierto();
    if (modo_ == Modo::Ninguno)
        return;
    QStringList columnas;
    QList<QVariant> valores;
    for (int i = 0; i < campos_.size(); ++i) {
        if (cambiados_[i]) {
            columnas << campos_[i];
            valores << actual_[i];
        }
    }
    if (modo_ == Modo::Agregando) {
        if (!columnas.isEmpty()) {
            QStringList marcas;
            QStringList nombres;
            for (const QString& c : columnas) {
                nombres << entreCorchetes(c);
                marcas << QStringLiteral("?");
            }
            ejecutarCambio(QStringLiteral("INSERT INTO ") + tabla() + QStringLiteral(" (") +
                               nombres.join(u',') + QStringLiteral(") VALUES (") +
                               marcas.join(u',') + u')',
                           valores, false);
        }
    } else if (!columnas.isEmpty()) {
        QStringList asignaciones;
        for (const QString& c : columnas)
            asignaciones << entreCorchetes(c) + QStringLiteral(" = ?");
        QList<QVariant> todos = valores;
        const QString cond = condicionOriginal(todos);
        ejecutarCambio(QStringLiteral("UPDATE ") + tabla() + QStringLiteral(" SET ") +
                           asignaciones.join(u',') + QStringLiteral(" WHERE ") + cond,
                       todos, true);
    }
    filas_[pos_] = actual_;
    modo_ = Modo::Ninguno;
}

void Recordset::Delete() {
    exigirFila();
    if (LockType == Bloqueos::SoloLectura)
        throw ErrorVB(SoloLecturaError,
                      QStringLiteral("El conjunto de registros es de solo lectura."),
                      QStringLiteral("ADODB.Recordset"));
    if (modo_ == Modo::Agregando) {
        CancelUpdate();
        return;
    }
    original_ = modo_ == Modo::Editando ? original_ : actual_;
    QList<QVariant> valores;
    const QString cond = condicionOriginal(valores);
    ejecutarCambio(QStringLiteral("DELETE FROM ") + tabla() + QStringLiteral(" WHERE ") + cond,
                   valores, true);
    borradas_[pos_] = true;
    modo_ = Modo::Ninguno;
}

void Recordset::CancelUpdate() {
    if (!abierto_ || modo_ == Modo::Ninguno)
        return;
    if (modo_ == Modo::Agregando) {
        filas_.pop_back();
        borradas_.pop_back();
        pos_ = 0;
        eof_ = bof_ = filas_.empty();
        actual_ = eof_ ? QList<QVariant>() : filas_[0];
    } else {
        actual_ = original_;
    }
    modo_ = Modo::Ninguno;
}
