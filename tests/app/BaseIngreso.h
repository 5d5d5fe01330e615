#pragma once
// Fixture databases for the login and the audit logs: the suite's own tables
// (the demo schema, empty), with the users, menu entries and tasks each test
// adds.
#include "BaseDePrueba.h"
#include "GeneradorDemo.h"
#include "TextoSql.h"
#include "UtilGeneral.h"
#include <gtest/gtest.h>

class BaseIngreso : public BaseDePrueba {
public:
    explicit BaseIngreso(const QString& nombre = QStringLiteral("CONTA")) : BaseDePrueba(nombre) {
        crearSuite(nombre);
    }

    // Another database of the suite in the same folder.
    void crearSuite(const QString& base) const {
        QString error;
        EXPECT_TRUE(EjecutarEsquema(
            carpeta() + u'/' + base + QStringLiteral(".db"),
            QStringLiteral("BEGIN;") + EsquemaPrincipal() + QStringLiteral(";COMMIT;"), &error))
            << error.toStdString();
    }

    // A user whose password is stored with the suite's cipher.
    void usuario(const QString& nombre, const QString& clave, const QString& sistema = q("cn000pr"),
                 bool administrador = false, const QString& base = {}) const {
        ejecutarEn(base.isEmpty() ? this->nombre() : base,
                   QStringLiteral("INSERT INTO TA_USUARIOS (Nombre, SISTEMA, PassWord, "
                                  "Administrador) VALUES ('%1', '%2', '%3', %4)")
                       .arg(TextoSql::Comillas(nombre), sistema, UtilGeneral::Encriptar(clave))
                       .arg(administrador ? 1 : 0));
    }

    // A menu entry for proceso granted to usuario.
    void tarea(const QString& usuario, const QString& clave, const QString& nombre,
               const QString& proceso) const {
        ejecutar(QStringLiteral("INSERT INTO TA_MENU (Clave, Nombre, Proceso) VALUES ('%1', '%2', "
                                "'%3'); INSERT INTO TA_TAREAS (USUARIO, TAREA) VALUES ('%4', '%1')")
                     .arg(clave, nombre, proceso, TextoSql::Comillas(usuario)));
    }

    static QString q(const char* texto) { return QString::fromUtf8(texto); }
};
