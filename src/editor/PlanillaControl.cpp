#include "PlanillaControl.h"
#include "ArchivosDelPrograma.h"
#include "CargaAsientos.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "UtilGeneral.h"
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>
#include <QStringEncoder>
#include <cstring>
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

// The sign of a sheet without one.
class SinAvance : public AvanceCarga {
public:
    void Iniciar(const QString&) override {}
    bool Mostrar(const QString&, const QString&, const QString&) override { return false; }
    void Cerrar() override {}
    void Porcentaje(int) override {}
    void LimpiarPorcentaje() override {}
};

// Shows the sign every slice; true when the user cancelled and confirmed.
class SenalPlanilla {
public:
    explicit SenalPlanilla(AvanceCarga& avance) : avance_(avance) { reloj_.start(); }
    bool cancelada(int fila, int filas) {
        contador_ = contador_ >= 51 ? 1 : contador_ + 1;
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
    SinAvance sinAvance;
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
    for (int fila = 1; fila < filas; ++fila) {
        s.ascii(QLatin1StringView("<TR> "));
        for (const int c : columnas) {
            const QStringView t = grilla.VistaTexto(fila, c, apoyo).trimmed();
            s.ascii(QLatin1StringView("<TD>"));
            if (t.isEmpty())
                s.ascii(QLatin1StringView("&nbsp"));
            else
                s.texto(t);
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
