-- Statistics database "QD_ESTADISTICAS": the suite-wide settings, among them
-- the command time-out ("TimeOut", group "BaseDeDatos").
-- Every text column compares without regard to letter case, as in the main
-- database.

CREATE TABLE TA_CONFIGURACION (
    CLAVE            VARCHAR(50)  NOT NULL COLLATE NOCASE,
    GRUPO            VARCHAR(50)  NOT NULL DEFAULT 'DATOS' COLLATE NOCASE,
    VALOR            TEXT         COLLATE NOCASE,
    ValorAux         TEXT         COLLATE NOCASE,
    PoliticaNegocio  INTEGER      NOT NULL DEFAULT 0,
    CONSTRAINT PK_TA_CONFIGURACION PRIMARY KEY (CLAVE, GRUPO),
    CONSTRAINT LONGITUD_TA_CONFIGURACION_CLAVE CHECK (length(CLAVE) <= 50)
);
