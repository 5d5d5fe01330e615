#include "LecturaPrincipal.h"
#include "DB_Dll.h"

namespace {
struct DefinicionTabla {
    const char* conteo;
    const char* lectura;
    int claves; // the first columns read make the key; the next two are the answer
};
const DefinicionTabla kTablas[] = {
    {"select count(*) from v_mv_cpte",
     "select TC, idcomprobante, IDprovincia, DOCUMENTONUMERO from v_mv_cpte", 2},
    {"select count(*) from c_mv_cpte",
     "select TC, cuenta, idcomprobante, IDprovincia, DOCUMENTONUMERO from c_mv_cpte", 3},
    {"select count(*) from ma_cuentasadic",
     "select codigo, provincia, NUMERO_DOCUMENTO from ma_cuentasadic", 1},
};

// A code the hash compares as the server does: printable ASCII with no blank
// at either end, so that comparing its capitals is comparing it.
bool esSimple(const QString& t) {
    if (!t.isEmpty() && (t.front() == u' ' || t.back() == u' '))
        return false;
    for (const QChar c : t)
        if (c.unicode() < 0x20 || c.unicode() > 0x7E)
            return false;
    return true;
}

QString mayusculasAscii(QString t) {
    for (QChar& c : t)
        if (c.unicode() >= u'a' && c.unicode() <= u'z')
            c = QChar(c.unicode() - 0x20);
    return t;
}
} // namespace

void LecturaPrincipal::leer(Tabla t) {
    Conjunto& c = conjuntos_[t];
    c.leido = true;
    // Oracle compares codes with letter case: its answers stay per voucher.
    if (lineas_ <= 0 || gDB().motor() == MotorBD::Oracle)
        return;
    const DefinicionTabla& d = kTablas[t];
    long filas = 0;
    {
        Recordset rs;
        QString conteo = QString::fromLatin1(d.conteo);
        gDB().AbrirRecordset(conteo, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1,
                             true);
        filas = rs.State() == 1 && !rs.Eof() ? static_cast<long>(rs.Valor(0).toLongLong()) : -1;
        gDB().CierraRecordset(&rs);
        if (filas < 0 || filas > lineas_)
            return;
    }
    Recordset rs;
    QString lectura = QString::fromLatin1(d.lectura);
    gDB().AbrirRecordset(lectura, rs, nullptr, Cursores::SoloAdelante, Bloqueos::SoloLectura, -1,
                         true);
    if (rs.State() != 1) {
        gDB().CierraRecordset(&rs);
        return;
    }
    c.filas.reserve(static_cast<qsizetype>(filas));
    bool completo = true;
    for (; !rs.Eof(); rs.MoveNext()) {
        QString clave;
        bool seguro = true;
        bool nula = false;
        for (int i = 0; i < d.claves; ++i) {
            const QVariant v = rs.Valor(i);
            nula = nula || v.isNull();
            // A key stored as a number compares as one: the statements answer.
            if (!v.isNull() && v.typeId() != QMetaType::QString)
                completo = false;
            QString parte = v.toString();
            if (!esSimple(parte)) {
                // A code the hash cannot compare: any code that may equal it
                // is answered by the statement.
                seguro = false;
                parte = parte.trimmed();
                for (const QChar ch : parte)
                    if (ch.unicode() > 0x7E) {
                        completo = false; // letters another collation may fold: no set at all
                        break;
                    }
            }
            if (i > 0)
                clave += QChar(0x1F);
            clave += mayusculasAscii(parte);
        }
        if (nula)
            continue; // a null key equals nothing
        auto it = c.filas.find(clave);
        if (it != c.filas.end()) {
            it->seguro = false;
            continue;
        }
        c.filas.insert(clave, {rs.Texto(d.claves), rs.Texto(d.claves + 1), seguro});
    }
    gDB().CierraRecordset(&rs);
    if (!completo) {
        c.filas.clear();
        return;
    }
    c.usable = true;
}

LecturaPrincipal::Respuesta LecturaPrincipal::responder(Tabla t,
                                                        std::initializer_list<QString> partes) {
    Conjunto& c = conjuntos_[t];
    if (!c.leido)
        leer(t);
    if (!c.usable)
        return {};
    QString clave;
    bool primera = true;
    for (const QString& p : partes) {
        if (!esSimple(p))
            return {};
        if (!primera)
            clave += QChar(0x1F);
        primera = false;
        clave += mayusculasAscii(p);
    }
    const auto it = c.filas.constFind(clave);
    if (it == c.filas.constEnd())
        return {Respuesta::SinFila, {}, {}};
    if (!it->seguro)
        return {};
    return {Respuesta::Fila, it->provincia, it->documento};
}

LecturaPrincipal::Respuesta LecturaPrincipal::Ventas(const QString& tc,
                                                     const QString& idComprobante) {
    return responder(kVentas, {tc, idComprobante});
}

LecturaPrincipal::Respuesta LecturaPrincipal::Compras(const QString& tc, const QString& cuenta,
                                                      const QString& idComprobante) {
    return responder(kCompras, {tc, cuenta, idComprobante});
}

LecturaPrincipal::Respuesta LecturaPrincipal::Adicionales(const QString& codigo) {
    return responder(kAdicionales, {codigo});
}
