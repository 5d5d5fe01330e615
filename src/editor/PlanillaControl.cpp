#include "PlanillaControl.h"
#include "ArchivosDelPrograma.h"
#include "CargaAsientos.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "Importes.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "UtilGeneral.h"
#include <QDir>
#include <QElapsedTimer>
#include <QLocale>
#include <QSaveFile>
#include <QStringEncoder>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

namespace {
QString relleno(int columna) {
    if (columna <= 5)
        return {};
    return QString(columna == 6 ? 24 : 8, u'.');
}

// The sheet's bytes, gathered and written in large pieces.
class Salida {
public:
    explicit Salida(QSaveFile& f) : f_(f), datos_(kTrozo + kTrozo / 4, Qt::Uninitialized) {}
    // Text in the code page: a character outside it becomes "?", as the
    // encoder writes it.
    void texto(QStringView t) {
        char* p = lugar(t.size());
        const char16_t* c = t.utf16();
        for (qsizetype i = 0; i < t.size(); ++i) {
            if (c[i] > 0xFF) {
                usados_ = p - datos_.data();
                char* desde = lugar(ansi_.requiredSpace(t.size()));
                usados_ = ansi_.appendToBuffer(desde, t.sliced(i)) - datos_.data();
                return;
            }
            *p++ = static_cast<char>(c[i]);
        }
        usados_ = p - datos_.data();
    }
    // A cell: "<TD>" and its bytes, "&nbsp" when it has none.
    // Bytes of a short cell are copied 16 at a time: its bytes must be
    // followed by at least kRelleno readable ones.
    void celda(const char* bytes, qsizetype n) {
        char* p = lugar(4 + kRelleno + n);
        if (n == 0) {
            std::memcpy(p, "<TD>&nbsp", 9);
            usados_ += 9;
            return;
        }
        std::memcpy(p, "<TD>", 4);
        if (n <= kRelleno)
            std::memcpy(p + 4, bytes, kRelleno);
        else
            std::memcpy(p + 4, bytes, static_cast<std::size_t>(n));
        usados_ += 4 + n;
    }
    // A cell of a text still to be put in the code page.
    void celda(QStringView t) {
        ascii(QLatin1StringView("<TD>"));
        if (t.isEmpty())
            ascii(QLatin1StringView("&nbsp"));
        else
            texto(t);
    }
    static constexpr qsizetype kRelleno = 16;
    void ascii(QLatin1StringView t) {
        char* p = lugar(t.size());
        std::memcpy(p, t.data(), static_cast<std::size_t>(t.size()));
        usados_ += t.size();
    }
    bool lleno() const { return usados_ >= kTrozo; }
    // Writes what was gathered; throws when the file did not take it all.
    void volcar() {
        if (usados_ == 0)
            return;
        if (f_.write(datos_.constData(), usados_) != usados_)
            throw ErrorVB(61, QStringLiteral("No se pudo escribir todo el archivo ") +
                                  f_.fileName() + u'.');
        usados_ = 0;
    }

private:
    // Where n more bytes go, the buffer grown when they do not fit.
    char* lugar(qsizetype n) {
        if (usados_ + n > datos_.size())
            datos_.resize(std::max(datos_.size() * 2, usados_ + n));
        return datos_.data() + usados_;
    }
    static constexpr qsizetype kTrozo = 1 << 20;
    QSaveFile& f_;
    QStringEncoder ansi_{QStringEncoder::Latin1};
    QByteArray datos_;
    qsizetype usados_ = 0;
};

// A text in the code page, one byte a character: "?" for a character
// outside it, as the encoder writes it.
char* codificar(QStringView t, char* p) {
    const char16_t* c = t.utf16();
    for (qsizetype i = 0; i < t.size(); ++i)
        *p++ = c[i] > 0xFF ? '?' : static_cast<char>(c[i]);
    return p;
}

// The cells' bytes, trimmed and in the code page. A pooled text is encoded
// once and kept (a million rows repeat their accounts and descriptions);
// amounts and line numbers are written digit by digit, as the grid shows them.
class BytesDeCeldas {
public:
    explicit BytesDeCeldas(const ModeloAsientos& grilla)
        : grilla_(grilla), inicio_(static_cast<std::size_t>(grilla.TextosDistintos()), kSinHacer) {
        const QLocale l;
        menos_ = l.negativeSign();
        punto_ = l.decimalPoint();
    }
    void pool(std::int32_t indice, Salida& s) {
        std::uint32_t& inicio = inicio_[static_cast<std::size_t>(indice)];
        if (inicio == kSinHacer)
            inicio = guardar(grilla_.TextoDistinto(indice).trimmed());
        std::uint32_t largo;
        std::memcpy(&largo, guardados_.data() + inicio, sizeof largo);
        s.celda(guardados_.data() + inicio + sizeof largo, largo);
    }
    // An amount as Importes::Llano writes it. One of whole cents (nearly
    // all) is the decimal k / 100 that k / 100.0 is nearest to, which is what
    // 15 significant digits give; any other goes through Llano.
    void importe(double d, Salida& s) {
        if (std::fabs(d) < 1e13) {
            const auto k = static_cast<std::int64_t>(std::round(d * 100));
            if (static_cast<double>(k) / 100.0 == d) {
                char digitos[64];
                char* p = digitos;
                if (k < 0)
                    p = codificar(menos_, p);
                const std::uint64_t a =
                    k < 0 ? 0 - static_cast<std::uint64_t>(k) : static_cast<std::uint64_t>(k);
                p = entero(a / 100, p);
                if (const auto centavos = static_cast<unsigned>(a % 100); centavos != 0) {
                    p = codificar(punto_, p);
                    *p++ = static_cast<char>('0' + centavos / 10);
                    if (centavos % 10 != 0)
                        *p++ = static_cast<char>('0' + centavos % 10);
                }
                s.celda(digitos, p - digitos);
                return;
            }
        }
        const QString t = Importes::Llano(QVariant(d));
        std::vector<char> b(static_cast<std::size_t>(t.size() + Salida::kRelleno));
        s.celda(b.data(), codificar(QStringView(t).trimmed(), b.data()) - b.data());
    }
    void numero(std::int32_t n, Salida& s) {
        char digitos[8 + Salida::kRelleno];
        char* p = digitos;
        if (n < 0)
            *p++ = '-';
        p = entero(static_cast<std::uint64_t>(n < 0 ? -static_cast<std::int64_t>(n) : n), p);
        s.celda(digitos, p - digitos);
    }

private:
    static constexpr std::uint32_t kSinHacer = 0xFFFFFFFF;
    static char* entero(std::uint64_t a, char* p) {
        char inverso[20];
        int n = 0;
        do {
            inverso[n++] = static_cast<char>('0' + a % 10);
            a /= 10;
        } while (a != 0);
        while (n > 0)
            *p++ = inverso[--n];
        return p;
    }
    // Where the text's length and bytes start among the texts kept.
    // The texts are followed by Salida::kRelleno bytes.
    std::uint32_t guardar(QStringView t) {
        const auto inicio = static_cast<std::uint32_t>(fin_);
        const auto largo = static_cast<std::uint32_t>(t.size());
        fin_ += sizeof largo + largo;
        guardados_.resize(fin_ + Salida::kRelleno);
        std::memcpy(guardados_.data() + inicio, &largo, sizeof largo);
        codificar(t, guardados_.data() + inicio + sizeof largo);
        return inicio;
    }
    const ModeloAsientos& grilla_;
    std::vector<std::uint32_t> inicio_; // by pool index
    std::vector<char> guardados_;
    std::size_t fin_ = 0;
    QString menos_, punto_;
};

// Shows the sign every slice; true when the user cancelled and confirmed.
class SenalPlanilla {
public:
    explicit SenalPlanilla(AvanceCarga& avance) : avance_(avance) { reloj_.start(); }
    bool cancelada(int fila, int filas) {
        contador_ = contador_ >= 51 ? 1 : contador_ + 1;
        // A row takes well under a microsecond: the clock is read every 64
        // rows (every row when the sign shows at every chance).
        if (CargaAsientos::intervaloMs > 0 && fila % 64 != 0)
            return false;
        const qint64 ahora = reloj_.elapsed();
        if (ahora - ultimaVez_ < CargaAsientos::intervaloMs)
            return false;
        ultimaVez_ = ahora;
        if (avance_.Mostrar(QStringLiteral("Generando Planilla"),
                            QStringLiteral("Espere por Favor"), QString(contador_, u'|'))) {
            avance_.Cerrar();
            if (dialogos().Mensaje(QStringLiteral("Desea cancelar el proceso?"),
                                   EstilosMensaje::SiNo,
                                   QStringLiteral("Atencion")) == Respuestas::Si)
                return true;
            avance_.Iniciar(QString());
        }
        avance_.Porcentaje(static_cast<int>(static_cast<qint64>(fila) * 100 / std::max(1, filas)));
        return false;
    }

private:
    AvanceCarga& avance_;
    QElapsedTimer reloj_;
    qint64 ultimaVez_ = -CargaAsientos::intervaloMs;
    int contador_ = 0;
};
} // namespace

bool GeneraHTML(const QString& archivo, QString& titulo, const ModeloAsientos& grilla,
                AvanceCarga* conAvance) {
    AvanceMudo sinAvance;
    AvanceCarga& avance = conAvance != nullptr ? *conAvance : sinAvance;
    titulo = QStringLiteral("Planilla Control de Comprobantes");
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("GeneraHTML"));
    });
    QSaveFile f(archivo);
    Salida s(f);
    // The columns written: all but the key's.
    std::vector<int> columnas;
    for (int c = 0; c < grilla.Columnas(); ++c)
        if (grilla.Titulo(c) != QLatin1String("CLAVE"))
            columnas.push_back(c);

    if (!contrato.paso([&] {
            if (!f.open(QIODevice::WriteOnly))
                throw ErrorVB(75,
                              QStringLiteral("No se puede escribir el archivo ") + archivo + u'.');
        }))
        return false;
    QString carpeta = Programa::Carpeta();
    while (carpeta.endsWith(u'/') || carpeta.endsWith(u'\\'))
        carpeta.chop(1);
    const QLatin1StringView fin("\r\n");
    s.ascii(QLatin1StringView("<html>\r\n\r\n</head>\r\n\r\n<body background=\""));
    s.texto(carpeta);
    s.ascii(QLatin1StringView("\\stone.jpg\" text=\"navy\">\r\n<br>\r\n<H2 ALIGN = LEFT>"));
    s.texto(titulo);
    s.ascii(QLatin1StringView("</H2>\r\n<HR>\r\n<br>\r\n<br>\r\n<TABLE Border=2 ALIGN = "
                              "LEFT>\r\n<font size= \"1\">\r\n<TR>\r\n"));
    for (const int c : columnas) {
        s.ascii(QLatin1StringView("<TH bgcolor = \"yellow\">"));
        s.texto(relleno(c) + grilla.Titulo(c).trimmed() + relleno(c));
        s.ascii(fin);
    }

    const int filas = grilla.FilasGrid();
    bool ignorado = false; // a piece the file did not take, and the user went on
    if (filas > 1)
        avance.Iniciar(QStringLiteral("Planilla Control de Comprobantes"));
    SenalPlanilla senal(avance);
    QString apoyo;
    BytesDeCeldas bytes(grilla);
    std::vector<ModeloAsientos::Celda> celdas(columnas.size());
    std::u16string junto; // a header's cell, its room kept from row to row
    for (int fila = 1; fila < filas; ++fila) {
        s.ascii(QLatin1StringView("<TR> "));
        grilla.CeldasDe(fila, columnas, celdas.data());
        for (std::size_t k = 0; k < celdas.size(); ++k) {
            const ModeloAsientos::Celda& c = celdas[k];
            using T = ModeloAsientos::Celda::Tipo;
            switch (c.tipo) {
            case T::Vacia:
                s.celda(nullptr, 0);
                break;
            case T::Pool:
                bytes.pool(c.indice, s);
                break;
            case T::Importe:
                bytes.importe(c.importe, s);
                break;
            case T::Numero:
                bytes.numero(c.indice, s);
                break;
            case T::Cero:
                s.celda("0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 1);
                break;
            case T::Cabecera: {
                // As the grid joins them: "FC 000100000010A", "detail Uneg: 1".
                const auto p = grilla.PiezasComprobante(c.indice);
                auto mas = [&](QStringView v) {
                    junto.append(v.utf16(), static_cast<std::size_t>(v.size()));
                };
                junto.clear();
                if (columnas[k] == 1) {
                    mas(p[0]);
                    mas(u" ");
                    mas(p[1]);
                    mas(p[2]);
                    mas(p[3]);
                } else {
                    mas(p[4]);
                    mas(u" Uneg: ");
                    mas(p[5]);
                }
                s.celda(QStringView(junto).trimmed());
                break;
            }
            case T::Otra:
                s.celda(grilla.VistaTexto(fila, columnas[k], apoyo).trimmed());
                break;
            }
        }
        s.ascii(fin);
        if (s.lleno()) {
            bool hecho = false;
            if (!contrato.paso([&] {
                    s.volcar();
                    hecho = true;
                })) {
                avance.Cerrar();
                return false; // f's destructor drops the unfinished file
            }
            ignorado = ignorado || !hecho;
        }
        if (senal.cancelada(fila, filas)) {
            f.cancelWriting();
            avance.LimpiarPorcentaje();
            return false;
        }
    }
    if (filas > 1) {
        avance.Cerrar();
        avance.LimpiarPorcentaje();
    }
    s.ascii(QLatin1StringView("</FONT>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n"));
    bool escrito = false;
    contrato.paso([&] {
        s.volcar();
        if (ignorado || !f.commit())
            throw ErrorVB(61,
                          QStringLiteral("No se pudo escribir todo el archivo ") + archivo + u'.');
        escrito = true;
    });
    return escrito;
}

void ReportePlanilla(const ModeloAsientos& grilla, AvanceCarga* avance) {
    const QString ruta = ArchivosDelPrograma::ArchivoDocumento(QStringLiteral("pcc2.xls"));
    QString archivo = ruta;
    QString titulo = QStringLiteral("Planilla Control de Comprobantes");
    if (!GeneraHTML(archivo, titulo, grilla, avance))
        return;
    if (archivo.contains(u' ') && !archivo.contains(u'"'))
        archivo = u'"' + archivo + u'"';
    if (!InfoSistema::EjecutarDocumento(QString(), archivo, QString(), QString(), 6))
        dialogos().Mensaje(QStringLiteral("No hay un programa que abra la planilla.\n"
                                          "Quedó guardada en:\n") +
                               QDir::toNativeSeparators(ruta),
                           EstilosMensaje::Informacion, QStringLiteral("Aviso al Operador"));
}
