#include "BasesRegistradas.h"
#include "ArchivosDelPrograma.h"
#include "CamposBases.h"
#include "ContratoErrores.h"
#include "TratamientoErrores.h"
#include "UtilGeneral.h"
#include <QFile>
#include <QStringEncoder>
#include <functional>

namespace {
constexpr long kErrorArchivo = 75; // path/file access error
constexpr qint64 kTrozo = 64 * 1024;

[[noreturn]] void fallar(const QFile& f, const QString& que) {
    throw ErrorVB(kErrorArchivo, que + QStringLiteral(" \"") + f.fileName() +
                                     QStringLiteral("\": ") + f.errorString());
}

// Reads the file line by line (CR LF, a lone CR or a lone LF end a line; a
// line longer than one piece comes in pieces) and hands each line's fields to
// cada until it returns false. Errors go to tratar under the error contract.
void RecorrerLineas(const QString& ruta, const std::function<bool(const QStringList&)>& cada,
                    const std::function<int(const ErrorVB&)>& tratar) {
    QFile f(ruta);
    ContratoErrores contrato(tratar);
    if (!contrato.paso([&] {
            if (!f.open(QIODevice::ReadOnly))
                fallar(f, QStringLiteral("No se pudo abrir"));
        }))
        return;
    bool primera = true;
    bool seguir = true;
    while (seguir && !f.atEnd()) {
        QByteArray trozo;
        if (!contrato.paso([&] {
                trozo = f.readLine(kTrozo);
                if (trozo.isEmpty() && f.error() != QFileDevice::NoError)
                    fallar(f, QStringLiteral("No se pudo leer"));
            }))
            return;
        if (trozo.isEmpty())
            break;
        if (primera && trozo.startsWith("\xEF\xBB\xBF"))
            trozo.remove(0, 3);
        primera = false;
        for (QByteArray parte : trozo.split('\r')) {
            if (parte.endsWith('\n'))
                parte.chop(1);
            const QStringList campos = CamposBases::Leer(CamposBases::Decodificar(parte));
            if (!campos.isEmpty() && !(seguir = cada(campos)))
                break;
        }
    }
}

QString campo(const QStringList& campos, int i) {
    return i < campos.size() ? campos[i] : QString();
}

// True when the last line of the file has text after its last line break.
bool TerminaSinSaltoDeLinea(QFile& f) {
    qint64 pos = f.size();
    while (pos > 0) {
        const qint64 desde = std::max<qint64>(0, pos - kTrozo);
        if (!f.seek(desde))
            fallar(f, QStringLiteral("No se pudo leer"));
        const QByteArray b = f.read(pos - desde);
        if (b.size() != pos - desde)
            fallar(f, QStringLiteral("No se pudo leer"));
        for (qsizetype i = b.size() - 1; i >= 0; --i) {
            if (b[i] == '\r' || b[i] == '\n')
                return false;
            if (b[i] != ' ' && b[i] != '\t')
                return true;
        }
        pos = desde;
    }
    return false;
}

// The bytes of a new line: UTF-8, unless the file already holds text in the
// Windows code page and the line can be written in it.
QByteArray Codificar(const QString& linea, bool ansi) {
    if (ansi) {
        QStringEncoder cp("windows-1252");
        if (!cp.isValid())
            cp = QStringEncoder(QStringConverter::Latin1);
        QByteArray b = cp.encode(linea);
        if (!cp.hasError())
            return b;
    }
    return linea.toUtf8();
}
} // namespace

bool ExisteArchivo(const QString& ruta) {
    QFile f(QString(ruta).remove(u'"'));
    const bool abierto = f.open(QIODevice::ReadOnly);
    f.close();
    return abierto;
}

BasesRegistradas::BasesRegistradas()
    : BasesRegistradas(ArchivosDelPrograma::ArchivoDeDatos(QStringLiteral("BASES.TXT"))) {}

BasesRegistradas::BasesRegistradas(QString ruta) : ruta_(std::move(ruta)) {}

QStringList BasesRegistradas::llenarlist() const {
    QStringList nombres;
    if (!ExisteArchivo(ruta_))
        return nombres;
    RecorrerLineas(
        ruta_,
        [&](const QStringList& campos) {
            if (!campos[0].trimmed().isEmpty())
                nombres << campos[0];
            return true;
        },
        [](const ErrorVB& e) {
            return TratamientoErroresGlobal(e, 18, QStringLiteral("FormLoad"));
        });
    return nombres;
}

std::optional<RegistroBase> BasesRegistradas::DatosBase(const QString& nombre) const {
    std::optional<RegistroBase> r;
    if (!ExisteArchivo(ruta_))
        return r;
    const QString buscado = nombre.trimmed();
    RecorrerLineas(
        ruta_,
        [&](const QStringList& campos) {
            if (campos[0].trimmed() != buscado)
                return true;
            r = RegistroBase{campos[0], campo(campos, 1), campo(campos, 2),
                             UtilGeneral::Desencriptar(campo(campos, 3)), campo(campos, 4)};
            return false;
        },
        [](const ErrorVB& e) {
            TratamientoErroresGlobal(e, 18, QStringLiteral("DatosBase"));
            return Respuestas::Abortar;
        });
    return r;
}

void BasesRegistradas::AgregarBase(const QString& nombre, const QString& base,
                                   const QString& usuario, const QString& clave,
                                   const QString& servidor) const {
    const QString cifrada = UtilGeneral::Encriptar(clave);
    const QStringList campos = {nombre, base, usuario, cifrada, servidor};
    for (const QString& c : campos)
        if (CamposBases::TieneCaracterDeControl(c))
            throw ErrorVB(CodigosError::ArgumentoInvalido,
                          QStringLiteral("Un dato de la conexión tiene un salto de línea o un "
                                         "carácter de control."));
    QStringList escritos;
    for (const QString& c : campos)
        escritos << CamposBases::Escribir(c);
    const QString linea = escritos.join(u',');
    QFile f(ruta_);
    if (!f.open(QIODevice::ReadWrite))
        fallar(f, QStringLiteral("No se pudo escribir"));
    const bool sinSalto = TerminaSinSaltoDeLinea(f);
    bool ansi = false;
    if (f.size() > 0) {
        if (!f.seek(0))
            fallar(f, QStringLiteral("No se pudo leer"));
        ansi = !CamposBases::EsUtf8(f.readAll());
    }
    QByteArray bytes = Codificar(linea, ansi) + "\r\n";
    if (sinSalto)
        bytes.prepend('\r');
    if (!f.seek(f.size()) || f.write(bytes) != bytes.size() || !f.flush())
        fallar(f, QStringLiteral("No se pudo escribir"));
}
