#include "PlanillaControl.h"
#include "ArchivosDelPrograma.h"
#include "ContratoErrores.h"
#include "InfoSistema.h"
#include "ModeloAsientos.h"
#include "Programa.h"
#include "UtilGeneral.h"
#include <QFile>
#include <QStringEncoder>

namespace {
QString relleno(int columna) {
    if (columna <= 5)
        return {};
    return QString(columna == 6 ? 24 : 8, u'.');
}
} // namespace

QStringList LineasPlanilla(const ModeloAsientos& grilla, const QString& carpeta,
                           const QString& titulo) {
    const QChar q(u'"');
    QStringList l;
    l << QStringLiteral("<html>") << QString() << QStringLiteral("</head>") << QString();
    l << QStringLiteral("<body background=") + q + carpeta + u'\\' + QStringLiteral("stone.jpg") +
             q + QStringLiteral(" text=") + q + QStringLiteral("navy") + q + u'>';
    l << QStringLiteral("<br>")
      << QStringLiteral("<H2 ALIGN = LEFT>") + titulo + QStringLiteral("</H2>")
      << QStringLiteral("<HR>") << QStringLiteral("<br>") << QStringLiteral("<br>")
      << QStringLiteral("<TABLE Border=2 ALIGN = LEFT>")
      << QStringLiteral("<font size= ") + q + u'1' + q + u'>' << QStringLiteral("<TR>");
    auto esClave = [&](int c) { return grilla.Titulo(c) == QLatin1String("CLAVE"); };
    for (int c = 0; c < grilla.Columnas(); ++c)
        if (!esClave(c))
            l << QStringLiteral("<TH bgcolor = ") + q + QStringLiteral("yellow") + q + u'>' +
                     relleno(c) + grilla.Titulo(c).trimmed() + relleno(c);
    for (int f = 1; f < grilla.FilasGrid(); ++f) {
        QString fila = QStringLiteral("<TR> ");
        for (int c = 0; c < grilla.Columnas(); ++c) {
            if (esClave(c))
                continue;
            const QString t = grilla.Texto(f, c).trimmed();
            fila += QStringLiteral("<TD>") + (t.isEmpty() ? QStringLiteral("&nbsp") : t);
        }
        l << fila;
    }
    l << QStringLiteral("</FONT>") << QStringLiteral("</TABLE>") << QStringLiteral("</BODY>")
      << QStringLiteral("</HTML>");
    return l;
}

bool GeneraHTML(const QString& archivo, QString& titulo, const ModeloAsientos& grilla) {
    titulo = QStringLiteral("Planilla Control de Comprobantes");
    QFile f(archivo);
    ContratoErrores contrato([](const ErrorVB& e) {
        return UtilGeneral::DialogoError(e, 18, QStringLiteral("GeneraHTML"));
    });
    bool escrito = false;
    contrato.paso([&] {
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw ErrorVB(75, QStringLiteral("No se puede escribir el archivo ") + archivo + u'.');
        QString carpeta = Programa::Carpeta();
        while (carpeta.endsWith(u'/') || carpeta.endsWith(u'\\'))
            carpeta.chop(1);
        QStringEncoder ansi(QStringEncoder::Latin1);
        const QByteArray datos =
            ansi(LineasPlanilla(grilla, carpeta, titulo).join(QStringLiteral("\r\n")) +
                 QStringLiteral("\r\n"));
        if (f.write(datos) != datos.size())
            throw ErrorVB(61,
                          QStringLiteral("No se pudo escribir todo el archivo ") + archivo + u'.');
        escrito = true;
    });
    f.close();
    return escrito;
}

void ReportePlanilla(const ModeloAsientos& grilla) {
    QString archivo = ArchivosDelPrograma::ArchivoDocumento(QStringLiteral("pcc2.xls"));
    QString titulo = QStringLiteral("Planilla Control de Comprobantes");
    if (!GeneraHTML(archivo, titulo, grilla))
        return;
    if (archivo.contains(u' ') && !archivo.contains(u'"'))
        archivo = u'"' + archivo + u'"';
    InfoSistema::EjecutarDocumento(QString(), archivo, QString(), QString(), 6);
}
