#include "PlanillaControl.h"
#include "ArchivoReemplazo.h"
#include "ArchivosDelPrograma.h"
#include "BloquesEnOrden.h"
#include "CargaAsientos.h"
#include "ContratoErrores.h"
#include "Dialogos.h"
#include "FilasPlanilla.h"
#include "Importes.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "SalidaPlanilla.h"
#include "UtilGeneral.h"
#include <QDir>
#include <QElapsedTimer>
#include <vector>

namespace {
QString relleno(int columna) {
    if (columna <= 5)
        return {};
    return QString(columna == 6 ? 24 : 8, u'.');
}

// Shows the sign after each block of rows; true when the user cancelled and
// confirmed.
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

// Rows in a block: about 600 KB of the sheet, written at once.
constexpr int kFilasPorBloque = 4096;
} // namespace

bool GeneraHTML(const QString& archivo, QString& titulo, const ModeloAsientos& grilla,
                AvanceCarga* conAvance) {
    AvanceMudo sinAvance;
    AvanceCarga& avance = conAvance != nullptr ? *conAvance : sinAvance;
    titulo = QStringLiteral("Planilla Control de Comprobantes");
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("GeneraHTML"));
    });
    ArchivoReemplazo f(archivo);
    // The columns written: all but the key's.
    std::vector<int> columnas;
    for (int c = 0; c < grilla.Columnas(); ++c)
        if (grilla.Titulo(c) != QLatin1String("CLAVE"))
            columnas.push_back(c);

    if (!contrato.paso([&] {
            if (!f.Abrir())
                throw ErrorVB(75,
                              QStringLiteral("No se puede escribir el archivo ") + archivo + u'.');
        }))
        return false;
    bool ignorado = false; // a piece the file did not take, and the user went on
    // Writes a piece under the contract; false when the routine leaves.
    auto volcar = [&](const SalidaPlanilla& s) {
        bool hecho = false;
        if (!contrato.paso([&] {
                s.volcar(f);
                hecho = true;
            }))
            return false;
        ignorado = ignorado || !hecho;
        return true;
    };

    QString carpeta = Programa::Carpeta();
    while (carpeta.endsWith(u'/') || carpeta.endsWith(u'\\'))
        carpeta.chop(1);
    SalidaPlanilla marco;
    marco.ascii(QLatin1StringView("<html>\r\n\r\n</head>\r\n\r\n<body background=\""));
    marco.texto(carpeta);
    marco.ascii(QLatin1StringView("\\stone.jpg\" text=\"navy\">\r\n<br>\r\n<H2 ALIGN = LEFT>"));
    marco.texto(titulo);
    marco.ascii(QLatin1StringView("</H2>\r\n<HR>\r\n<br>\r\n<br>\r\n<TABLE Border=2 ALIGN = "
                                  "LEFT>\r\n<font size= \"1\">\r\n<TR>\r\n"));
    for (const int c : columnas) {
        marco.ascii(QLatin1StringView("<TH bgcolor = \"yellow\">"));
        marco.texto(relleno(c) + grilla.Titulo(c).trimmed() + relleno(c));
        marco.ascii(QLatin1StringView("\r\n"));
    }
    if (!volcar(marco))
        return false; // f's destructor drops the unfinished file

    // The rows are prepared in blocks on every processor and written in
    // order here, where the sign shows and the user may cancel. Nothing
    // changes the grid meanwhile: the window refuses every other action
    // while the sheet is written.
    const int filas = grilla.FilasGrid();
    const int bloques = (filas - 1 + kFilasPorBloque - 1) / kFilasPorBloque;
    const int helpers = bloques > 1 ? BloquesEnOrden<SalidaPlanilla>::HelpersDeLaMaquina() : 0;
    std::vector<FilasPlanilla> porHilo;
    porHilo.reserve(static_cast<std::size_t>(helpers + 1));
    for (int i = 0; i <= helpers; ++i)
        porHilo.emplace_back(grilla, columnas);
    if (filas > 1)
        avance.Iniciar(QStringLiteral("Planilla Control de Comprobantes"));
    SenalPlanilla senal(avance);
    bool salio = false, cancelada = false;
    auto hasta = [&](int bloque) { return std::min(filas, 1 + (bloque + 1) * kFilasPorBloque); };
    try {
        BloquesEnOrden<SalidaPlanilla>(bloques, helpers)
            .Ejecutar(
                [&](int bloque, int hilo, SalidaPlanilla& s) {
                    s.vaciar();
                    porHilo[static_cast<std::size_t>(hilo)].Escribir(1 + bloque * kFilasPorBloque,
                                                                     hasta(bloque), s);
                },
                [&](int bloque, const SalidaPlanilla& s) {
                    if (!volcar(s)) {
                        salio = true;
                        return false;
                    }
                    cancelada = senal.cancelada(hasta(bloque) - 1, filas);
                    return !cancelada;
                });
    } catch (...) {
        // Memory that ran out while a block was made: the sign goes with
        // the sheet, whose file its destructor drops.
        avance.Cerrar();
        avance.LimpiarPorcentaje();
        throw;
    }
    if (salio) {
        avance.Cerrar();
        return false;
    }
    if (cancelada) {
        f.Descartar();
        avance.LimpiarPorcentaje();
        return false;
    }
    if (filas > 1) {
        avance.Cerrar();
        avance.LimpiarPorcentaje();
    }
    marco.vaciar();
    marco.ascii(QLatin1StringView("</FONT>\r\n</TABLE>\r\n</BODY>\r\n</HTML>\r\n"));
    // The foot is written once; a Retry after it repeats only what failed.
    bool escrito = false, pie = false;
    contrato.paso([&] {
        if (!pie) {
            marco.volcar(f);
            pie = true;
        }
        if (ignorado)
            throw ErrorVB(61,
                          QStringLiteral("No se pudo escribir todo el archivo ") + archivo + u'.');
        if (!f.Confirmar())
            throw ErrorVB(75, QStringLiteral("No se pudo poner la planilla en ") + archivo +
                                  QStringLiteral(". Si está abierta en otro programa, "
                                                 "ciérrela y elija Reintentar."));
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
