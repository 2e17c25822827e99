-- ANALITIK.GDB: the accounting database, as far as Zeran reads and writes it.
-- The accounting program owns this database: these are the tables and columns the
-- cash-definition and posting screens use, enough for a working demo database.
-- Created with DEFAULT CHARACTER SET WIN1254 COLLATION PXW_TURK like the main database.
-- Format: one statement per block, each ending with a semicolon at the end of a line.

-- Institution codes (K1.K2.K3 is the institutional code prefix) and the accounting
-- officer printed on journal entries: one row.
CREATE TABLE TANIM (
    K1     VARCHAR(2),
    K2     VARCHAR(2),
    K3     VARCHAR(2),
    K4     VARCHAR(2),
    FISOH  CHAR(1),
    SAY    VARCHAR(30),
    SUNV   VARCHAR(30)
);

-- Accounting units of a year, with the signatories copied into journal entries.
CREATE TABLE BIRIM (
    YIL     SMALLINT NOT NULL,
    BKOD    VARCHAR(2) NOT NULL,
    BIRIM   VARCHAR(40),
    HADSOY  VARCHAR(30),
    HGOR    VARCHAR(30),
    TADSOY  VARCHAR(30),
    TGOR    VARCHAR(30),
    CONSTRAINT PK_BIRIM PRIMARY KEY (YIL, BKOD)
);

-- Current accounts (payees).
CREATE TABLE CARI (
    CKOD   INTEGER NOT NULL,
    CARI   VARCHAR(50),
    TCKNO  VARCHAR(11),
    VERDA  VARCHAR(30),
    BSUBE  VARCHAR(30),
    BHN    VARCHAR(26),
    CONSTRAINT PK_CARI PRIMARY KEY (CKOD)
);

-- Chart of accounts per year.
CREATE TABLE HPLAN (
    YIL   SMALLINT NOT NULL,
    HKOD  VARCHAR(30) NOT NULL,
    ACIK  VARCHAR(60),
    CONSTRAINT PK_HPLAN PRIMARY KEY (YIL, HKOD)
);

-- Expense-budget lines.
CREATE TABLE GIDBUT (
    KAYNO   INTEGER NOT NULL,
    YIL     SMALLINT,
    KKOD    VARCHAR(11),
    FKOD    VARCHAR(11),
    FTIP    VARCHAR(1),
    EKOD    VARCHAR(9),
    ODENEK  DOUBLE PRECISION,
    CONSTRAINT PK_GIDBUT PRIMARY KEY (KAYNO)
);

CREATE INDEX IX_GIDBUT_KOD ON GIDBUT (YIL, KKOD, FKOD, FTIP, EKOD);

-- Names of the economic codes per year.
CREATE TABLE EKNKOD (
    YIL   SMALLINT NOT NULL,
    EKOD  VARCHAR(9) NOT NULL,
    ACIK  VARCHAR(60),
    CONSTRAINT PK_EKNKOD PRIMARY KEY (YIL, EKOD)
);

-- Journal entries: KAYNO from GEN_YEVKAYNO, YEVNO from GEN_YEVNO.
CREATE TABLE YEVMIYE (
    KAYNO    INTEGER NOT NULL,
    YEVNO    INTEGER,
    YIL      SMALLINT,
    YEVTAR   DATE,
    FISTUR   CHAR(1),
    BRMKOD   VARCHAR(2),
    CKOD     INTEGER,
    FISNO    INTEGER,
    TAH      DOUBLE PRECISION,
    KES      DOUBLE PRECISION,
    ODE      DOUBLE PRECISION,
    TUT      DOUBLE PRECISION,
    ACIK     VARCHAR(100),
    EKLER    VARCHAR(100),
    MYET     VARCHAR(30),
    MYETUNV  VARCHAR(30),
    HADSOY   VARCHAR(30),
    HGOR     VARCHAR(30),
    TADSOY   VARCHAR(30),
    TGOR     VARCHAR(30),
    MTUR     CHAR(1),
    CONSTRAINT PK_YEVMIYE PRIMARY KEY (KAYNO)
);

CREATE INDEX IX_YEVMIYE_YEVNO ON YEVMIYE (YIL, YEVNO);

-- Journal entry lines: HARNO counts 1, 2, ... within an entry. No unique key: lines
-- of a re-post whose entry has vanished are written under entry key 0.
CREATE TABLE MUHHAR (
    KAYNO   INTEGER NOT NULL,
    HARNO   SMALLINT NOT NULL,
    HKOD    VARCHAR(30),
    BKAYNO  INTEGER,
    BORC    DOUBLE PRECISION,
    ALACAK  DOUBLE PRECISION,
    CKOD    INTEGER,
    YIL     SMALLINT
);

CREATE INDEX IX_MUHHAR_KAYNO ON MUHHAR (KAYNO, HARNO);

-- Entry keys of YEVMIYE.
CREATE SEQUENCE GEN_YEVKAYNO;

-- Journal numbers.
CREATE SEQUENCE GEN_YEVNO;

-- Demo institution code 46.01.32 (a unit's institutional code is K1.K2.K3 + "." + unit).
-- FISOH 'E': generated plans include the memorandum lines.
INSERT INTO TANIM (K1, K2, K3, K4, FISOH) VALUES ('46', '01', '32', '00', 'E');
