-- Main database of the suite, as the SQLite engine holds it.
--
-- Conventions:
--   * Every text column compares without regard to letter case (COLLATE NOCASE),
--     as the suite's SQL Server collation does for codes, names and passwords.
--   * Dates are text 'YYYY-MM-DD'; amounts are REAL; flags are INTEGER 0/1.
--   * Code-table codes (business units, cash boxes, provinces) are 4 characters
--     right-aligned with blanks: code 1 is stored as '   1'.
--   * Voucher keys: TC unpadded ('FC', 'FCC'), SUCURSAL 4 digits ('0001'),
--     NUMERO 8 digits ('00001234'), LETRA one letter.
--   * A CHECK constraint whose name starts with LONGITUD_ stands for the width
--     of a SQL Server column: the data layer reports its failure as
--     "string or binary data would be truncated".
--   * MA_CUENTAS shares no column name with MV_ASIENTOS: the entry query joins
--     them and names most MV_ASIENTOS columns without the table.
--   * Indexes come last, after every table, view and trigger.

-- Chart of accounts.
CREATE TABLE MA_CUENTAS (
    Codigo          VARCHAR(15)  NOT NULL COLLATE NOCASE,
    CodigoOpcional  VARCHAR(15)  COLLATE NOCASE,
    Descripcion     VARCHAR(60)  NOT NULL COLLATE NOCASE,
    Nivel           INTEGER      NOT NULL DEFAULT 1,
    Titulo          INTEGER      NOT NULL DEFAULT 0,  -- 1: heading, not postable
    TipoVista       VARCHAR(2)   COLLATE NOCASE,      -- 'CL' customer, 'PR' supplier
    MedioDePago     VARCHAR(2)   COLLATE NOCASE,      -- 'CH' cheque, 'TJ' card, 'RI'/'RG'/'RB' withholding
    CajaYBanco      INTEGER      NOT NULL DEFAULT 0,
    Confidencial    INTEGER      NOT NULL DEFAULT 0,  -- hidden from the SS_ twins
    Dada_De_Baja    INTEGER      NOT NULL DEFAULT 0,
    CONSTRAINT PK_MA_CUENTAS PRIMARY KEY (Codigo),
    CONSTRAINT LONGITUD_MA_CUENTAS_CODIGO CHECK (length(Codigo) <= 15)
);

-- Additional data of customer and supplier accounts.
CREATE TABLE MA_CUENTASADIC (
    Codigo            VARCHAR(15)  NOT NULL COLLATE NOCASE,
    Razon_Social      VARCHAR(60)  COLLATE NOCASE,
    Domicilio         VARCHAR(60)  COLLATE NOCASE,
    Localidad         VARCHAR(40)  COLLATE NOCASE,
    Provincia         VARCHAR(4)   COLLATE NOCASE,   -- TA_ESTADOS.Codigo
    Numero_Documento  VARCHAR(13)  COLLATE NOCASE,   -- CUIT 'nn-nnnnnnnn-n'
    Telefono          VARCHAR(30)  COLLATE NOCASE,
    Email             VARCHAR(60)  COLLATE NOCASE,
    CONSTRAINT PK_MA_CUENTASADIC PRIMARY KEY (Codigo)
);

-- Provinces.
CREATE TABLE TA_ESTADOS (
    Codigo       VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion  VARCHAR(40)  NOT NULL COLLATE NOCASE,
    CONSTRAINT PK_TA_ESTADOS PRIMARY KEY (Codigo)
);

-- Journal entry lines. One voucher (TC, SUCURSAL, NUMERO, LETRA) holds one or
-- more entries ([NUMERO ASIENTO]); each entry's lines are numbered by SECUENCIA
-- from 1, and line 1 carries the voucher's principal account.
CREATE TABLE MV_ASIENTOS (
    FECHA              TEXT         NOT NULL,
    PERIODO            INTEGER      NOT NULL,           -- fiscal year
    MES_OPERATIVO      INTEGER      NOT NULL,           -- 1 to 12
    "NUMERO ASIENTO"   INTEGER      NOT NULL,
    SECUENCIA          INTEGER      NOT NULL,
    TIPO_REG           INTEGER      NOT NULL DEFAULT 1, -- 1 from a voucher, 2 manual entry
    TC                 VARCHAR(4)   NOT NULL COLLATE NOCASE,
    SUCURSAL           VARCHAR(4)   NOT NULL COLLATE NOCASE,
    NUMERO             VARCHAR(8)   NOT NULL COLLATE NOCASE,
    LETRA              VARCHAR(1)   NOT NULL COLLATE NOCASE,
    CUENTA             VARCHAR(15)  NOT NULL COLLATE NOCASE,
    "DEBE-HABER"       VARCHAR(1)   COLLATE NOCASE,     -- 'D' debit, 'H' credit
    IMPORTE            REAL         NOT NULL DEFAULT 0,
    DETALLE            VARCHAR(100) COLLATE NOCASE,
    UNEGOCIO           VARCHAR(4)   COLLATE NOCASE,
    USUARIO_LOGEADO    VARCHAR(50)  COLLATE NOCASE,
    -- Tax book (VAT sales/purchases book) data, on line 1 of taxed vouchers.
    CABNOMBRE          VARCHAR(60)  COLLATE NOCASE,
    LIVA_TIPO          VARCHAR(1)   COLLATE NOCASE,     -- 'V' sales, 'C' purchases
    LIVA_ImpNetoGrav   REAL         NOT NULL DEFAULT 0,
    LIVA_ImpNetoNGrav  REAL         NOT NULL DEFAULT 0,
    LIVA_Exento        REAL         NOT NULL DEFAULT 0,
    LIVA_ImpIVA        REAL         NOT NULL DEFAULT 0,
    LIVA_ImpIVA2       REAL         NOT NULL DEFAULT 0,
    LIVA_ImpIVA3       REAL         NOT NULL DEFAULT 0,
    LIVA_ImpIVA4       REAL         NOT NULL DEFAULT 0,
    LIVA_ImpIVAREC     REAL         NOT NULL DEFAULT 0,
    LIVA_TOTAL         REAL         NOT NULL DEFAULT 0,
    -- Card coupon data, on lines of card accounts (MedioDePago 'TJ'). A coupon
    -- is presented to the card company when TJ_PRESENTACION holds a number > 0.
    TJ_PRESENTACION    INTEGER,
    TJ_NroSocio        VARCHAR(20)  COLLATE NOCASE,
    TJ_NroCupon        VARCHAR(20)  COLLATE NOCASE,
    TJ_Cuotas          VARCHAR(3)   COLLATE NOCASE,
    TJ_Autorizo        VARCHAR(20)  COLLATE NOCASE,
    TJ_Observaciones   VARCHAR(100) COLLATE NOCASE
);

-- Sales voucher headers (FC, NC, ND, RC). IDCOMPROBANTE = SUCURSAL+NUMERO+LETRA.
CREATE TABLE V_MV_CPTE (
    TC               VARCHAR(4)   NOT NULL COLLATE NOCASE,
    IDCOMPROBANTE    VARCHAR(13)  NOT NULL COLLATE NOCASE,
    SUCURSAL         VARCHAR(4)   NOT NULL COLLATE NOCASE,
    NUMERO           VARCHAR(8)   NOT NULL COLLATE NOCASE,
    LETRA            VARCHAR(1)   NOT NULL COLLATE NOCASE,
    FECHA            TEXT         NOT NULL,
    CUENTA           VARCHAR(15)  NOT NULL COLLATE NOCASE,
    RAZON_SOCIAL     VARCHAR(60)  COLLATE NOCASE,
    IDPROVINCIA      VARCHAR(4)   COLLATE NOCASE,
    DOCUMENTONUMERO  VARCHAR(13)  COLLATE NOCASE,
    UNEGOCIO         VARCHAR(4)   COLLATE NOCASE,
    IMPORTE          REAL         NOT NULL DEFAULT 0,
    USUARIO          VARCHAR(50)  COLLATE NOCASE,
    CONSTRAINT PK_V_MV_CPTE PRIMARY KEY (TC, IDCOMPROBANTE)
);

-- Purchase voucher headers (FCC, NCC, OP). A supplier's voucher number is only
-- unique together with the supplier's account.
CREATE TABLE C_MV_CPTE (
    TC               VARCHAR(4)   NOT NULL COLLATE NOCASE,
    IDCOMPROBANTE    VARCHAR(13)  NOT NULL COLLATE NOCASE,
    SUCURSAL         VARCHAR(4)   NOT NULL COLLATE NOCASE,
    NUMERO           VARCHAR(8)   NOT NULL COLLATE NOCASE,
    LETRA            VARCHAR(1)   NOT NULL COLLATE NOCASE,
    FECHA            TEXT         NOT NULL,
    CUENTA           VARCHAR(15)  NOT NULL COLLATE NOCASE,
    RAZON_SOCIAL     VARCHAR(60)  COLLATE NOCASE,
    IDPROVINCIA      VARCHAR(4)   COLLATE NOCASE,
    DOCUMENTONUMERO  VARCHAR(13)  COLLATE NOCASE,
    UNEGOCIO         VARCHAR(4)   COLLATE NOCASE,
    IMPORTE          REAL         NOT NULL DEFAULT 0,
    USUARIO          VARCHAR(50)  COLLATE NOCASE,
    CONSTRAINT PK_C_MV_CPTE PRIMARY KEY (TC, IDCOMPROBANTE, CUENTA)
);

-- Voucher types; VT_TA_CPTE is the view the searches read.
CREATE TABLE TA_COMPROBANTES (
    Codigo       VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion  VARCHAR(40)  NOT NULL COLLATE NOCASE,
    Libro        VARCHAR(1)   COLLATE NOCASE,   -- 'V' sales, 'C' purchases, NULL none
    Signo        INTEGER      NOT NULL DEFAULT 1,
    CONSTRAINT PK_TA_COMPROBANTES PRIMARY KEY (Codigo)
);

CREATE VIEW VT_TA_CPTE AS
    SELECT Codigo, Descripcion, Libro, Signo FROM TA_COMPROBANTES;

-- Business units.
CREATE TABLE V_TA_UnidadNegocio (
    Codigo       VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion  VARCHAR(40)  NOT NULL COLLATE NOCASE,
    CONSTRAINT PK_V_TA_UNIDADNEGOCIO PRIMARY KEY (Codigo)
);

-- Cash boxes.
CREATE TABLE V_TA_Cajas (
    IdCajas       VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion   VARCHAR(40)  NOT NULL COLLATE NOCASE,
    Confidencial  INTEGER      NOT NULL DEFAULT 0,
    CONSTRAINT PK_V_TA_CAJAS PRIMARY KEY (IdCajas)
);

-- Sales and purchase motives: the lookup control searches them and adds new
-- ones. Each motive has one row of accounts per fiscal condition (CondIva
-- '   1' to '   8') in its input table; a new motive copies the first row.
CREATE TABLE V_TA_MotivoVta (
    IdMotivoVta  VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion  VARCHAR(50)  NOT NULL COLLATE NOCASE,
    CONSTRAINT PK_V_TA_MOTIVOVTA PRIMARY KEY (IdMotivoVta)
);

CREATE TABLE V_TA_MotivoCpra (
    IdMotivoCpra  VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Descripcion   VARCHAR(50)  NOT NULL COLLATE NOCASE,
    CONSTRAINT PK_V_TA_MOTIVOCPRA PRIMARY KEY (IdMotivoCpra)
);

CREATE TABLE V_TA_Input_Ventas (
    IdMotivoVta       VARCHAR(4)   NOT NULL COLLATE NOCASE,
    CondIva           VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Repuestos         VARCHAR(15)  COLLATE NOCASE,
    Servicios         VARCHAR(15)  COLLATE NOCASE,
    Otros             VARCHAR(15)  COLLATE NOCASE,
    V_DFI_CTAVTA      VARCHAR(15)  COLLATE NOCASE,
    V_DFI_IMPINT      VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCIB      VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCIVA     VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCGAN     VARCHAR(15)  COLLATE NOCASE,
    V_DFI_DESCUENTO   VARCHAR(15)  COLLATE NOCASE,
    C_CFI_CTACPRA     VARCHAR(15)  COLLATE NOCASE,
    C_CFI_IMPINT      VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCIB      VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCIVA     VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCGAN     VARCHAR(15)  COLLATE NOCASE,
    C_CFI_DESCUENTO   VARCHAR(15)  COLLATE NOCASE,
    PG_DESCUENTO      VARCHAR(15)  COLLATE NOCASE,
    PG_RETGAN         VARCHAR(15)  COLLATE NOCASE,
    PG_RETIB          VARCHAR(15)  COLLATE NOCASE,
    PG_RETIVA         VARCHAR(15)  COLLATE NOCASE,
    PG_ANTICIPOS      VARCHAR(15)  COLLATE NOCASE,
    CB_DESCUENTO      VARCHAR(15)  COLLATE NOCASE,
    CB_RETGAN         VARCHAR(15)  COLLATE NOCASE,
    CB_RETIB          VARCHAR(15)  COLLATE NOCASE,
    CB_RETIVA         VARCHAR(15)  COLLATE NOCASE,
    CB_ANTICIPOS      VARCHAR(15)  COLLATE NOCASE,
    DFI_IVARI         VARCHAR(15)  COLLATE NOCASE,
    DFI_IVARNI        VARCHAR(15)  COLLATE NOCASE,
    COSTO_MERCADERIA  VARCHAR(15)  COLLATE NOCASE,
    V_DFI_IMPITC      VARCHAR(15)  COLLATE NOCASE,
    CONSTRAINT PK_V_TA_INPUT_VENTAS PRIMARY KEY (IdMotivoVta, CondIva)
);

CREATE TABLE V_TA_Input_Compras (
    IdMotivoCpra     VARCHAR(4)   NOT NULL COLLATE NOCASE,
    CondIva          VARCHAR(4)   NOT NULL COLLATE NOCASE,
    Repuestos        VARCHAR(15)  COLLATE NOCASE,
    Servicios        VARCHAR(15)  COLLATE NOCASE,
    Otros            VARCHAR(15)  COLLATE NOCASE,
    V_DFI_CTAVTA     VARCHAR(15)  COLLATE NOCASE,
    V_DFI_IMPINT     VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCIB     VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCIVA    VARCHAR(15)  COLLATE NOCASE,
    V_DFI_PERCGAN    VARCHAR(15)  COLLATE NOCASE,
    V_DFI_DESCUENTO  VARCHAR(15)  COLLATE NOCASE,
    C_CFI_CTACPRA    VARCHAR(15)  COLLATE NOCASE,
    C_CFI_IMPINT     VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCIB     VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCIVA    VARCHAR(15)  COLLATE NOCASE,
    C_CFI_PERCGAN    VARCHAR(15)  COLLATE NOCASE,
    C_CFI_DESCUENTO  VARCHAR(15)  COLLATE NOCASE,
    PG_DESCUENTO     VARCHAR(15)  COLLATE NOCASE,
    PG_RETGAN        VARCHAR(15)  COLLATE NOCASE,
    PG_RETIB         VARCHAR(15)  COLLATE NOCASE,
    PG_RETIVA        VARCHAR(15)  COLLATE NOCASE,
    PG_ANTICIPOS     VARCHAR(15)  COLLATE NOCASE,
    CB_DESCUENTO     VARCHAR(15)  COLLATE NOCASE,
    CB_RETGAN        VARCHAR(15)  COLLATE NOCASE,
    CB_RETIB         VARCHAR(15)  COLLATE NOCASE,
    CB_RETIVA        VARCHAR(15)  COLLATE NOCASE,
    CB_ANTICIPOS     VARCHAR(15)  COLLATE NOCASE,
    CFI_IVARI        VARCHAR(15)  COLLATE NOCASE,
    CFI_IVARNI       VARCHAR(15)  COLLATE NOCASE,
    C_CFI_IMPITC     VARCHAR(15)  COLLATE NOCASE,
    CFI_IVARI1       VARCHAR(15)  COLLATE NOCASE,
    CFI_IVARI2       VARCHAR(15)  COLLATE NOCASE,
    CONSTRAINT PK_V_TA_INPUT_COMPRAS PRIMARY KEY (IdMotivoCpra, CondIva)
);

-- Users of the suite's programs, one row per user and system.
CREATE TABLE TA_USUARIOS (
    Nombre          VARCHAR(50)  NOT NULL COLLATE NOCASE,
    SISTEMA         VARCHAR(10)  NOT NULL COLLATE NOCASE,
    PassWord        VARCHAR(100) COLLATE NOCASE,   -- written by the suite's cipher
    Administrador   INTEGER      NOT NULL DEFAULT 0,
    NombreCompleto  VARCHAR(60)  COLLATE NOCASE,
    IdVendedor      VARCHAR(4)   COLLATE NOCASE,
    CONSTRAINT PK_TA_USUARIOS PRIMARY KEY (Nombre, SISTEMA)
);

-- Menu entries of the suite and the entries each user may run.
CREATE TABLE TA_MENU (
    Clave    VARCHAR(10)  NOT NULL COLLATE NOCASE,
    Nombre   VARCHAR(60)  NOT NULL COLLATE NOCASE,
    Proceso  VARCHAR(60)  COLLATE NOCASE,   -- executable name of the entry
    Orden    INTEGER      NOT NULL DEFAULT 0,
    CONSTRAINT PK_TA_MENU PRIMARY KEY (Clave)
);

CREATE TABLE TA_TAREAS (
    USUARIO  VARCHAR(50)  NOT NULL COLLATE NOCASE,
    TAREA    VARCHAR(10)  NOT NULL COLLATE NOCASE,   -- TA_MENU.Clave
    CONSTRAINT PK_TA_TAREAS PRIMARY KEY (USUARIO, TAREA)
);

-- Program entries, one row per start of a program.
CREATE TABLE Control_Acceso (
    Id             INTEGER      PRIMARY KEY,
    Maquina        VARCHAR(50)  COLLATE NOCASE,
    Usuario        VARCHAR(50)  COLLATE NOCASE,
    Formulario     VARCHAR(60)  COLLATE NOCASE,
    Tarea          VARCHAR(60)  COLLATE NOCASE,
    Ingreso        VARCHAR(20)  COLLATE NOCASE,   -- 'dd/mm/yy hh:mm'
    NombreUsuario  VARCHAR(50)  COLLATE NOCASE
);

-- Audit trail of actions on vouchers.
CREATE TABLE V_MV_CPTEACCIONES (
    Id             INTEGER      PRIMARY KEY,
    TC             VARCHAR(4)   COLLATE NOCASE,
    IdComprobante  VARCHAR(13)  COLLATE NOCASE,
    IdComplemento  INTEGER      NOT NULL DEFAULT 0,
    Tipo_accion    VARCHAR(2)   COLLATE NOCASE,   -- 'A', 'M', 'B' or 'ER'
    FECHAHORA      VARCHAR(30)  COLLATE NOCASE,
    Usuario        VARCHAR(50)  COLLATE NOCASE,
    PC             VARCHAR(50)  COLLATE NOCASE,
    SYSTEMUSER     VARCHAR(255) COLLATE NOCASE,
    Proceso        VARCHAR(255) COLLATE NOCASE,
    ProcesoLote    VARCHAR(25)  COLLATE NOCASE,
    Cuenta         VARCHAR(15)  COLLATE NOCASE,
    CONSTRAINT LONGITUD_V_MV_CPTEACCIONES_TC CHECK (length(TC) <= 4),
    CONSTRAINT LONGITUD_V_MV_CPTEACCIONES_SYSTEMUSER CHECK (length(SYSTEMUSER) <= 255),
    CONSTRAINT LONGITUD_V_MV_CPTEACCIONES_PROCESO CHECK (length(Proceso) <= 255),
    CONSTRAINT LONGITUD_V_MV_CPTEACCIONES_PROCESOLOTE CHECK (length(ProcesoLote) <= 25),
    CONSTRAINT LONGITUD_V_MV_CPTEACCIONES_CUENTA CHECK (length(Cuenta) <= 15)
);

-- Failed statement batches.
CREATE TABLE AUX_ERR (
    Id           INTEGER      PRIMARY KEY,
    Proceso      VARCHAR(60)  COLLATE NOCASE,
    Fecha        VARCHAR(20)  COLLATE NOCASE,   -- 'dd/mm/yy hh:mm'
    Error        INTEGER,
    Descripcion  VARCHAR(250) COLLATE NOCASE,
    sql          TEXT         COLLATE NOCASE,
    PC           VARCHAR(50)  COLLATE NOCASE,
    Usuario      VARCHAR(50)  COLLATE NOCASE,
    CONSTRAINT LONGITUD_AUX_ERR_DESCRIPCION CHECK (length(Descripcion) <= 250)
);

-- Settings, one row per key and group.
CREATE TABLE TA_CONFIGURACION (
    CLAVE            VARCHAR(50)  NOT NULL COLLATE NOCASE,
    GRUPO            VARCHAR(50)  NOT NULL DEFAULT 'DATOS' COLLATE NOCASE,
    VALOR            TEXT         COLLATE NOCASE,
    ValorAux         TEXT         COLLATE NOCASE,
    PoliticaNegocio  INTEGER      NOT NULL DEFAULT 0,
    CONSTRAINT PK_TA_CONFIGURACION PRIMARY KEY (CLAVE, GRUPO),
    CONSTRAINT LONGITUD_TA_CONFIGURACION_CLAVE CHECK (length(CLAVE) <= 50)
);

-- Filtered twins for users who are not administrators: confidential accounts,
-- their journal lines and confidential cash boxes are left out.
CREATE VIEW SS_MA_CUENTAS AS
    SELECT * FROM MA_CUENTAS WHERE Confidencial = 0;

CREATE VIEW SS_V_TA_CAJAS AS
    SELECT * FROM V_TA_Cajas WHERE Confidencial = 0;

CREATE VIEW SS_MV_ASIENTOS AS
    SELECT A.* FROM MV_ASIENTOS A
    WHERE NOT EXISTS (SELECT 1 FROM MA_CUENTAS C
                      WHERE C.Codigo = A.CUENTA AND C.Confidencial = 1);

-- Statements written for MV_ASIENTOS reach the twin when confidentiality is
-- on; the trigger makes the twin's lines updatable as on SQL Server.
CREATE TRIGGER SS_MV_ASIENTOS_ACTUALIZAR INSTEAD OF UPDATE ON SS_MV_ASIENTOS
BEGIN
    UPDATE MV_ASIENTOS SET
        FECHA = NEW.FECHA, PERIODO = NEW.PERIODO, MES_OPERATIVO = NEW.MES_OPERATIVO,
        "NUMERO ASIENTO" = NEW."NUMERO ASIENTO", SECUENCIA = NEW.SECUENCIA,
        TIPO_REG = NEW.TIPO_REG, TC = NEW.TC, SUCURSAL = NEW.SUCURSAL, NUMERO = NEW.NUMERO,
        LETRA = NEW.LETRA, CUENTA = NEW.CUENTA, "DEBE-HABER" = NEW."DEBE-HABER",
        IMPORTE = NEW.IMPORTE, DETALLE = NEW.DETALLE, UNEGOCIO = NEW.UNEGOCIO,
        USUARIO_LOGEADO = NEW.USUARIO_LOGEADO, CABNOMBRE = NEW.CABNOMBRE,
        LIVA_TIPO = NEW.LIVA_TIPO, LIVA_ImpNetoGrav = NEW.LIVA_ImpNetoGrav,
        LIVA_ImpNetoNGrav = NEW.LIVA_ImpNetoNGrav, LIVA_Exento = NEW.LIVA_Exento,
        LIVA_ImpIVA = NEW.LIVA_ImpIVA, LIVA_ImpIVA2 = NEW.LIVA_ImpIVA2,
        LIVA_ImpIVA3 = NEW.LIVA_ImpIVA3, LIVA_ImpIVA4 = NEW.LIVA_ImpIVA4,
        LIVA_ImpIVAREC = NEW.LIVA_ImpIVAREC, LIVA_TOTAL = NEW.LIVA_TOTAL,
        TJ_PRESENTACION = NEW.TJ_PRESENTACION, TJ_NroSocio = NEW.TJ_NroSocio,
        TJ_NroCupon = NEW.TJ_NroCupon, TJ_Cuotas = NEW.TJ_Cuotas,
        TJ_Autorizo = NEW.TJ_Autorizo, TJ_Observaciones = NEW.TJ_Observaciones
    WHERE TC = OLD.TC AND SUCURSAL = OLD.SUCURSAL AND NUMERO = OLD.NUMERO
      AND LETRA = OLD.LETRA AND MES_OPERATIVO = OLD.MES_OPERATIVO
      AND "NUMERO ASIENTO" = OLD."NUMERO ASIENTO" AND SECUENCIA = OLD.SECUENCIA
      AND PERIODO = OLD.PERIODO AND TIPO_REG = OLD.TIPO_REG AND CUENTA = OLD.CUENTA;
END;

-- Indexes. The first serves the entry query's order and every per-voucher
-- lookup (line key, principal account, "contains account"); the others the
-- account and date filters and the account replacement.
CREATE INDEX IX_MV_ASIENTOS_COMPROBANTE ON MV_ASIENTOS
    (TC, SUCURSAL, NUMERO, LETRA, MES_OPERATIVO, "NUMERO ASIENTO", SECUENCIA);
CREATE INDEX IX_MV_ASIENTOS_CUENTA ON MV_ASIENTOS (CUENTA);
CREATE INDEX IX_MV_ASIENTOS_FECHA ON MV_ASIENTOS (FECHA);
CREATE INDEX IX_MA_CUENTAS_CODIGOOPCIONAL ON MA_CUENTAS (CodigoOpcional);
CREATE INDEX IX_V_MV_CPTE_CUENTA ON V_MV_CPTE (CUENTA);
CREATE INDEX IX_C_MV_CPTE_CUENTA ON C_MV_CPTE (CUENTA);
