-- PERSONEL.GDB: main database of Zeran, schema version 25.001.
-- The database is created with DEFAULT CHARACTER SET WIN1254 COLLATION PXW_TURK,
-- so text columns carry no character set of their own.
-- Format: one statement per block, each ending with a semicolon at the end of a line.
-- Money columns are DOUBLE PRECISION lira: the payroll engine converts them to
-- four-decimal fixed point when it reads them (see docs/schema-decisions.md).

-- ---------------------------------------------------------------------------
-- Installation settings, units, registry, pay records
-- ---------------------------------------------------------------------------

-- Installation settings: exactly one row.
CREATE TABLE PTANIM (
    KURUM        VARCHAR(50),
    KKOD         INTEGER,
    ILKOD        SMALLINT,
    ILCEKOD      SMALLINT,
    CYIL         VARCHAR(4),
    EKOD         VARCHAR(1),
    BORTUR       VARCHAR(1),
    FORM         VARCHAR(1),
    OTOODE       VARCHAR(1),
    SEN          VARCHAR(1),
    ONIZ         VARCHAR(1),
    UDUR         VARCHAR(1),
    VER          VARCHAR(6),
    FMDUR        VARCHAR(1),
    IKDUR        VARCHAR(1),
    FRDUR        VARCHAR(1),
    MAIL         VARCHAR(50),
    KEF          VARCHAR(1),
    LOGO         BLOB SUB_TYPE 0,
    KMUSNO       VARCHAR(15),
    TUR          VARCHAR(15),
    SBKOD        VARCHAR(15),
    BDTUR        VARCHAR(1),
    ISSN         VARCHAR(26),
    SKOD         INTEGER,
    SADI         VARCHAR(50),
    BKOD         INTEGER,
    BADI         VARCHAR(50),
    SICM         VARCHAR(1),
    SICIK        VARCHAR(5),
    SICSN        VARCHAR(7),
    CD           VARCHAR(2),
    SDUR         VARCHAR(1),
    TEHSNF       VARCHAR(1),
    TEHDER       VARCHAR(1),
    ADRES        VARCHAR(100),
    VERNO        VARCHAR(20),
    KHESNO       VARCHAR(15),
    TTBA         VARCHAR(25),
    TTSA         VARCHAR(25),
    BORTEK       VARCHAR(1),
    IBKOD        SMALLINT,
    MBORTUR      VARCHAR(1),
    NVIUSR       VARCHAR(25),
    NVIPSWD      VARCHAR(25),
    MKESDUR      VARCHAR(1),
    MBKOD        SMALLINT,
    IZL          VARCHAR(1),
    MODEMEBKOD   SMALLINT,
    PEKFARK      BOOLEAN,
    ASUCISTISNA  VARCHAR(1),
    MVER         VARCHAR(6),
    HBORKESDUR   VARCHAR(1),
    YEMEKGV      BOOLEAN,
    YEMEKGSS     BOOLEAN,
    BMAIL        VARCHAR(100),
    MHOST        VARCHAR(50),
    MUHYOL       VARCHAR(60),
    NUFUS        INTEGER
);

-- Pay units of this system (TUR 'M') and of the sibling worker program.
CREATE TABLE BIRIM (
    BKOD    SMALLINT NOT NULL,
    BIRIM   VARCHAR(40),
    TUR     CHAR(1) NOT NULL,
    MTUR    CHAR(1),
    AKTIF   CHAR(1),
    MAS     VARCHAR(25),
    MUN     VARCHAR(25),
    TAS     VARCHAR(25),
    TUN     VARCHAR(25),
    IAS     VARCHAR(25),
    IUN     VARCHAR(25),
    SAS     VARCHAR(25),
    SUN     VARCHAR(25),
    BASLIK  VARCHAR(30),
    TTBA    VARCHAR(20),
    TTSA    VARCHAR(20),
    CONSTRAINT PK_BIRIM PRIMARY KEY (BKOD, TUR)
);

-- Personnel registry: one row per person, shared by all units.
CREATE TABLE SICIL (
    PKAYNO   SMALLINT NOT NULL,
    TCKNO    VARCHAR(11) NOT NULL,
    EMSNO    VARCHAR(15) NOT NULL,
    ADI      VARCHAR(25) NOT NULL,
    SOYADI   VARCHAR(25) NOT NULL,
    BABA     VARCHAR(15),
    ANA      VARCHAR(15),
    OGRDUR   SMALLINT,
    ADRES    VARCHAR(40),
    TEL1     VARCHAR(15),
    TEL2     VARCHAR(15),
    GKUR     VARCHAR(25),
    ILKOD    SMALLINT,
    ILCEKOD  SMALLINT,
    DYER     VARCHAR(20),
    DTAR     DATE,
    KGT      DATE,
    TERTAR   DATE,
    KSN      VARCHAR(15),
    ISN      VARCHAR(15),
    SSN      VARCHAR(15),
    PERNO    VARCHAR(15),
    FHAY     VARCHAR(2),
    FHGUN    VARCHAR(2),
    FHTUT    DOUBLE PRECISION,
    IHAY     VARCHAR(2),
    IHGUN    VARCHAR(2),
    IHTUT    DOUBLE PRECISION,
    VERNO    VARCHAR(15),
    MBKOD    VARCHAR(10),
    BHN      VARCHAR(26),
    INO      VARCHAR(30),
    CINS     CHAR(1),
    CKOD     SMALLINT,
    TTN      VARCHAR(15),
    YENINO   VARCHAR(15),
-- owning program, as in BIRIM (the staff detail export filters TUR 'M')
    TUR      CHAR(1) DEFAULT 'M',
-- union membership: entry date, leaving date, reason for leaving (union dues detail list)
    IGTAR    DATE,
    ICTAR    DATE,
    CIKSNDN  VARCHAR(30),
    CONSTRAINT PK_SICIL PRIMARY KEY (PKAYNO)
);

-- Pay record: one row per person and pay unit (96 columns).
CREATE TABLE ZERBORBIL (
    PKAYNO     SMALLINT NOT NULL,
    BKOD       SMALLINT NOT NULL,
    PKOD       SMALLINT NOT NULL,
    UKOD       SMALLINT,
    DURUM      CHAR(1),
    PERTUR     CHAR(1),
    GSSTUR     CHAR(1),
    SNFKOD     SMALLINT,
    SNFALTKOD  CHAR(1),
    DER        SMALLINT,
    KAD        SMALLINT,
    GOS        SMALLINT,
    EGOS       SMALLINT,
    MDER       SMALLINT,
    MKAD       SMALLINT,
    MGOS       SMALLINT,
    MEGOS      SMALLINT,
    KIDEM      SMALLINT,
    YOP        SMALLINT,
    OHT        SMALLINT,
    EKOD       SMALLINT,
    EKTAZ      FLOAT,
    LTAZ       FLOAT,
    DIGTAZ     FLOAT,
    DTAZ       FLOAT,
    MESAI      FLOAT,
    COC1       SMALLINT,
    COC2       SMALLINT,
    DIGCOC     SMALLINT,
    MHAL       VARCHAR(2),
    ESI        VARCHAR(1),
    AGI        CHAR(1),
    ACOCYRD    CHAR(1),
    SAKDER     SMALLINT,
    RAPOR      SMALLINT,
    KGUN       FLOAT,
    KISTEMKES  CHAR(1),
    TFA        SMALLINT,
    GF         SMALLINT,
    EKGF       SMALLINT,
    KIDART     SMALLINT,
    TERTAR     DATE,
    YDER       SMALLINT,
    YKAD       SMALLINT,
    YGOS       SMALLINT,
    YEGOS      SMALLINT,
    YKID       SMALLINT,
    KEFALET    CHAR(1),
    SENDIKA    CHAR(1),
    SENKOD     SMALLINT,
    YIG        CHAR(1),
    VEKIL      CHAR(1),
    BES        CHAR(1),
    BESKOD     SMALLINT,
    BESORAN    DOUBLE PRECISION,
    KES1       FLOAT,
    KES2       FLOAT,
    KES3       FLOAT,
    KES4       DOUBLE PRECISION,
    KES5       DOUBLE PRECISION,
    KAZ1       FLOAT,
    KAZ2       FLOAT,
    KAZ3       FLOAT,
    KAZ4       FLOAT,
    KAZ5       FLOAT,
    KAZ6       FLOAT,
    KAZ7       FLOAT,
    KAZ8       FLOAT,
    KAZ9       FLOAT,
    KAZ10      FLOAT,
    KAZS1      CHAR(1),
    KAZS2      CHAR(1),
    KAZS3      CHAR(1),
    KAZS4      CHAR(1),
    KAZS5      CHAR(1),
    KAZS6      CHAR(1),
    KAZS7      CHAR(1),
    KAZS8      CHAR(1),
    KAZS9      CHAR(1),
    KAZS10     CHAR(1),
    PCEZA      FLOAT,
    KIRA       FLOAT,
    OZIN       FLOAT,
    HIZBOR     FLOAT,
    HIZBORDUR  BOOLEAN,
    ICRA       DOUBLE PRECISION,
    KISZAMAN   CHAR(1),
    YEMEKGUN   SMALLINT,
    GUN        SMALLINT,
    OTUR       SMALLINT,
    OTURUM     FLOAT,
    VEKBKOD    SMALLINT,
    VEKPKAYNO  SMALLINT,
    HKOD       VARCHAR(16),
    MDUR       CHAR(1),
    ZERAN      CHAR(1),
    CONSTRAINT PK_ZERBORBIL PRIMARY KEY (PKAYNO, BKOD, PKOD)
);

CREATE INDEX IX_ZERBORBIL_BKOD ON ZERBORBIL (BKOD, PKOD);

-- ---------------------------------------------------------------------------
-- Small code lists
-- ---------------------------------------------------------------------------

-- Titles and their default supplementary-payment points.
CREATE TABLE UNTAN (
    UKOD   SMALLINT NOT NULL,
    UNVAN  VARCHAR(25) NOT NULL,
    YOP    DOUBLE PRECISION,
    CONSTRAINT PK_UNTAN PRIMARY KEY (UKOD)
);

-- Code lists: TUR 2 marital status, 3 spouse works, 5 sex, 7 education level.
CREATE TABLE TNM (
    TKOD  SMALLINT NOT NULL,
    ACIK  VARCHAR(15),
    TUR   INTEGER NOT NULL,
    KY    VARCHAR(2),
    CONSTRAINT PK_TNM PRIMARY KEY (TUR, TKOD)
);

CREATE TABLE IL (
    ILKOD  SMALLINT NOT NULL,
    ILADI  VARCHAR(20),
    CONSTRAINT PK_IL PRIMARY KEY (ILKOD)
);

CREATE TABLE ILCE (
    ILCEKOD  SMALLINT NOT NULL,
    ILKOD    SMALLINT,
    ILCE     VARCHAR(20),
    CONSTRAINT PK_ILCE PRIMARY KEY (ILCEKOD)
);

CREATE INDEX IX_ILCE_ILKOD ON ILCE (ILKOD);

-- Service classes and their subclasses.
CREATE TABLE HIZSNF (
    SNFKOD  SMALLINT NOT NULL,
    SINIF   VARCHAR(60),
    CONSTRAINT PK_HIZSNF PRIMARY KEY (SNFKOD)
);

CREATE TABLE HIZSNF1 (
    SNFKOD  SMALLINT NOT NULL,
    ALTKOD  VARCHAR(1) NOT NULL,
    ACIK    VARCHAR(100),
    CONSTRAINT PK_HIZSNF1 PRIMARY KEY (SNFKOD, ALTKOD)
);

-- Print options: one row.
CREATE TABLE PRNOUT (
    TEKSAYFA  BOOLEAN,
    MATBU     BOOLEAN
);

-- ---------------------------------------------------------------------------
-- Users, rights, audit log
-- ---------------------------------------------------------------------------

CREATE TABLE USERS (
    USR    VARCHAR(10) NOT NULL,
    HNO    SMALLINT NOT NULL,
    PSSWD  VARCHAR(5) NOT NULL,
    ACIK   VARCHAR(30),
    ACIK1  VARCHAR(30),
    OZEL   VARCHAR(2),
    CONSTRAINT PK_USERS PRIMARY KEY (HNO),
    CONSTRAINT UQ_USERS_USR UNIQUE (USR)
);

CREATE TABLE RIGHTS (
    HNO  SMALLINT NOT NULL,
    KOD  SMALLINT NOT NULL,
    G    CHAR(1),
    K    CHAR(1),
    CONSTRAINT PK_RIGHTS PRIMARY KEY (HNO, KOD)
);

-- Audit log: written inside the caller's transaction, never updated.
CREATE TABLE IZLEM (
    PRG     CHAR(1),
    TARIH   DATE,
    SAAT    TIME,
    USR     VARCHAR(10),
    ADSOY   VARCHAR(30),
    ACIK    VARCHAR(150),
    BOLUM   VARCHAR(10),
    TUR     CHAR(1),
    KAYNO1  INTEGER,
    KAYNO2  INTEGER
);

CREATE INDEX IX_IZLEM_TARIH ON IZLEM (TARIH, SAAT);

-- ---------------------------------------------------------------------------
-- Legal and tax rates
-- ---------------------------------------------------------------------------

-- Legal rates of a half-year period (DON '1', '2', or '3' for the inflation difference).
CREATE TABLE ZERKANOR (
    KAYNO    SMALLINT NOT NULL,
    YIL      VARCHAR(4),
    DON      VARCHAR(1),
    HNO      VARCHAR(1),
    KATSAYI  DOUBLE PRECISION,
    YOD      DOUBLE PRECISION,
    KAK      DOUBLE PRECISION,
    TAK      DOUBLE PRECISION,
    TAG      DOUBLE PRECISION,
    EYMG     DOUBLE PRECISION,
    EMKESM   DOUBLE PRECISION,
    EMKESD   DOUBLE PRECISION,
    MYOI     DOUBLE PRECISION,
    MYOP     DOUBLE PRECISION,
    GSSI     DOUBLE PRECISION,
    GSSP     DOUBLE PRECISION,
    BES      DOUBLE PRECISION,
    EGOSK    DOUBLE PRECISION,
    EGOSB    DOUBLE PRECISION,
    EGOSEB   DOUBLE PRECISION,
    EGOS4    DOUBLE PRECISION,
    EGOS5    DOUBLE PRECISION,
    EGOS6    DOUBLE PRECISION,
    EGOS7    DOUBLE PRECISION,
    AYRDP    DOUBLE PRECISION,
    CYRDP1   DOUBLE PRECISION,
    CYRDP2   DOUBLE PRECISION,
    YEMEK    DOUBLE PRECISION,
    SAKDER1  DOUBLE PRECISION,
    SAKDER2  DOUBLE PRECISION,
    SAKDER3  DOUBLE PRECISION,
    INDIRIM  DOUBLE PRECISION,
    RPOR     DOUBLE PRECISION,
    SENDIKA  DOUBLE PRECISION,
    KEF      DOUBLE PRECISION,
    BASKAN   DOUBLE PRECISION,
    TASM     DOUBLE PRECISION,
    TASD     DOUBLE PRECISION,
    TAYIN    DOUBLE PRECISION,
    OYAK     DOUBLE PRECISION,
    ASUCR    DOUBLE PRECISION,
    CONSTRAINT PK_ZERKANOR PRIMARY KEY (KAYNO),
    CONSTRAINT UQ_ZERKANOR_DONEM UNIQUE (YIL, DON)
);

-- Tax rates of a period, at most one row per (YIL, DON).
CREATE TABLE VEROR (
    YIL        VARCHAR(4) NOT NULL,
    DON        VARCHAR(1) NOT NULL,
    UST1       DOUBLE PRECISION,
    UST2       DOUBLE PRECISION,
    UST3       DOUBLE PRECISION,
    UST4       DOUBLE PRECISION,
    OR1        DOUBLE PRECISION,
    OR2        DOUBLE PRECISION,
    OR3        DOUBLE PRECISION,
    OR4        DOUBLE PRECISION,
    DVER       DOUBLE PRECISION,
    VIDVER     DOUBLE PRECISION,
    BEKOR      DOUBLE PRECISION,
    EV1OR      DOUBLE PRECISION,
    EV2OR      DOUBLE PRECISION,
    COC1OR     DOUBLE PRECISION,
    COC2OR     DOUBLE PRECISION,
    COC3OR     DOUBLE PRECISION,
    COC4OR     DOUBLE PRECISION,
    COC5OR     DOUBLE PRECISION,
    COC6OR     DOUBLE PRECISION,
    AGIUST     DOUBLE PRECISION,
    ASUCR      DOUBLE PRECISION,
    BASKAN     DOUBLE PRECISION,
    ENCUMEN    DOUBLE PRECISION,
    MECLIS     DOUBLE PRECISION,
    KAZVEROR   SMALLINT,
    SOZPERVOR  SMALLINT,
    ENCMECVOR  SMALLINT,
    BSKYRDVOR  SMALLINT,
    CONSTRAINT PK_VEROR PRIMARY KEY (YIL, DON)
);

-- Rates of the sibling worker program: this system only reads SHI and ISSIZI by YIL.
CREATE TABLE ISCKANOR (
    YIL     VARCHAR(4),
    DON     VARCHAR(1),
    SHI     DOUBLE PRECISION,
    ISSIZI  DOUBLE PRECISION
);

-- ---------------------------------------------------------------------------
-- Earning, deduction, union and pension-company definitions
-- ---------------------------------------------------------------------------

-- Extra earning slots 1-10.
CREATE TABLE ZERHESTUR (
    HNO      SMALLINT NOT NULL,
    BKOD     SMALLINT NOT NULL,
    ADI      VARCHAR(15),
    DUR      VARCHAR(4),
    GV       VARCHAR(1),
    DV       VARCHAR(1),
    EMK      VARCHAR(1),
    IND      VARCHAR(1),
    TUR      VARCHAR(1),
    SEK      VARCHAR(1),
    TUTAR    DOUBLE PRECISION,
    BRUTNET  VARCHAR(1),
    KOD      VARCHAR(2),
    CONSTRAINT PK_ZERHESTUR PRIMARY KEY (HNO, BKOD)
);

-- Special deductions, at most five.
CREATE TABLE ZERKES (
    HARNO   SMALLINT NOT NULL,
    KESADI  VARCHAR(25) NOT NULL,
    TUTAR   DOUBLE PRECISION,
    TUMPER  VARCHAR(1),
    AKTIF   VARCHAR(1),
    CONSTRAINT PK_ZERKES PRIMARY KEY (HARNO)
);

-- Unions of both programs: rows of this system have TUR 'M'.
CREATE TABLE SENDIKA (
    SENKOD   SMALLINT NOT NULL,
    TUR      VARCHAR(1),
    SENDIKA  VARCHAR(30),
    ADRES    VARCHAR(40),
    ORN      DOUBLE PRECISION,
    ORAN     DOUBLE PRECISION,
    HTUR     VARCHAR(1),
    BHNO     VARCHAR(40),
    HKOD     VARCHAR(26),
    HESAP    VARCHAR(1),
    CONSTRAINT PK_SENDIKA PRIMARY KEY (SENKOD)
);

-- Private-pension companies.
CREATE TABLE BESFIRMA (
    FKOD   SMALLINT NOT NULL,
    FIRMA  VARCHAR(30),
    ADRES  VARCHAR(40),
    BHNO   VARCHAR(40),
    HKOD   VARCHAR(26),
    CONSTRAINT PK_BESFIRMA PRIMARY KEY (FKOD)
);

-- ---------------------------------------------------------------------------
-- Ledgers: children, garnishments, service debts
-- ---------------------------------------------------------------------------

-- Children: HNO is numbered over the whole table (MAX + 1).
CREATE TABLE COCUK (
    PKAYNO  SMALLINT NOT NULL,
    HNO     SMALLINT NOT NULL,
    ADSOY   VARCHAR(25),
    DTAR    DATE,
    ODUR    CHAR(1),
    CINS    VARCHAR(1),
    ANA     VARCHAR(20),
    BABA    VARCHAR(20),
    CONSTRAINT PK_COCUK PRIMARY KEY (HNO)
);

CREATE INDEX IX_COCUK_PKAYNO ON COCUK (PKAYNO);

-- Garnishment orders: HARNO from GEN_HARNO.
CREATE TABLE ICRA (
    PKAYNO  SMALLINT NOT NULL,
    HARNO   SMALLINT NOT NULL,
    BASTAR  DATE,
    ACIK    VARCHAR(60),
    TUTAR   DOUBLE PRECISION,
    KESTUT  DOUBLE PRECISION,
    DUR     VARCHAR(1),
    CONSTRAINT PK_ICRA PRIMARY KEY (PKAYNO, HARNO)
);

-- Service-debt purchases: same layout as ICRA.
CREATE TABLE HIZBOR (
    PKAYNO  SMALLINT NOT NULL,
    HARNO   SMALLINT NOT NULL,
    BASTAR  DATE,
    ACIK    VARCHAR(60),
    TUTAR   DOUBLE PRECISION,
    KESTUT  DOUBLE PRECISION,
    DUR     VARCHAR(1),
    CONSTRAINT PK_HIZBOR PRIMARY KEY (PKAYNO, HARNO)
);

-- ---------------------------------------------------------------------------
-- Indicator tables
-- ---------------------------------------------------------------------------

-- Indicator of each step of a grade.
CREATE TABLE GOSTAN (
    DER  SMALLINT NOT NULL,
    K1   SMALLINT,
    K2   SMALLINT,
    K3   SMALLINT,
    K4   SMALLINT,
    K5   SMALLINT,
    K6   SMALLINT,
    K7   SMALLINT,
    K8   SMALLINT,
    K9   SMALLINT,
    K10  SMALLINT,
    K11  SMALLINT,
    K12  SMALLINT,
    CONSTRAINT PK_GOSTAN PRIMARY KEY (DER)
);

-- Supplementary indicators by service class, subclass and grade.
CREATE TABLE EKGOSTAN (
    SNFKOD  SMALLINT NOT NULL,
    ALTKOD  CHAR(1),
    DER     SMALLINT NOT NULL,
    EKGOS   FLOAT
);

CREATE INDEX IX_EKGOSTAN ON EKGOSTAN (SNFKOD, DER, ALTKOD);

-- Per-unit grade allowances read by the grade picker.
CREATE TABLE ELOHT (
    BKOD    SMALLINT NOT NULL,
    DER     SMALLINT NOT NULL,
    EKGOST  SMALLINT,
    LOJMAN  FLOAT,
    OHT     SMALLINT,
    CONSTRAINT PK_ELOHT PRIMARY KEY (BKOD, DER)
);

-- ---------------------------------------------------------------------------
-- Payroll results and snapshots
-- ---------------------------------------------------------------------------

-- Payroll result: one row per pay record and payroll (YIL, AY, TUR). Writers delete
-- before they write, so the table carries no unique constraint.
CREATE TABLE ZERMAAS (
    PKAYNO     SMALLINT NOT NULL,
    BKOD       SMALLINT NOT NULL,
    PKOD       SMALLINT NOT NULL,
    TUR        VARCHAR(1) NOT NULL,
    YIL        VARCHAR(4) NOT NULL,
    AY         SMALLINT NOT NULL,
    AYTUT      DOUBLE PRECISION,
    EGOSTUT    DOUBLE PRECISION,
    TABAY      DOUBLE PRECISION,
    KIDAY      DOUBLE PRECISION,
    YANOD      DOUBLE PRECISION,
    OZHIZTAZ   DOUBLE PRECISION,
    EKODTUT    DOUBLE PRECISION,
    FAZMES     DOUBLE PRECISION,
    LOJTAZ     DOUBLE PRECISION,
    EKTAZ      DOUBLE PRECISION,
    DILTAZ     DOUBLE PRECISION,
    DIGTAZ     DOUBLE PRECISION,
    AILEYRD    DOUBLE PRECISION,
    COCYRD     DOUBLE PRECISION,
    COCYRD1    DOUBLE PRECISION,
    ARTIS      DOUBLE PRECISION,
    TERFAR     DOUBLE PRECISION,
    KAZ1       DOUBLE PRECISION,
    KAZ2       DOUBLE PRECISION,
    KAZ3       DOUBLE PRECISION,
    KAZ4       DOUBLE PRECISION,
    KAZ5       DOUBLE PRECISION,
    KAZ6       DOUBLE PRECISION,
    KAZ7       DOUBLE PRECISION,
    KAZ8       DOUBLE PRECISION,
    KAZ9       DOUBLE PRECISION,
    KAZ10      DOUBLE PRECISION,
    KAZA1      VARCHAR(15),
    KAZA2      VARCHAR(15),
    KAZA3      VARCHAR(15),
    KAZA4      VARCHAR(15),
    KAZA5      VARCHAR(15),
    KAZA6      VARCHAR(15),
    KAZA7      VARCHAR(15),
    KAZA8      VARCHAR(15),
    KAZA9      VARCHAR(15),
    KAZA10     VARCHAR(15),
    YEMEK      DOUBLE PRECISION,
    GELTOP     DOUBLE PRECISION,
    EKMAT      DOUBLE PRECISION,
    EMKESM     DOUBLE PRECISION,
    EMKESD     DOUBLE PRECISION,
    GSSMAT     DOUBLE PRECISION,
    MYOI       DOUBLE PRECISION,
    MYOP       DOUBLE PRECISION,
    GSSI       DOUBLE PRECISION,
    GSSP       DOUBLE PRECISION,
    DVVIADE    DOUBLE PRECISION,
    PEKFARK    DOUBLE PRECISION,
    INDIRIM    DOUBLE PRECISION,
    OZIN       DOUBLE PRECISION,
    VERMAT     DOUBLE PRECISION,
    VEROR      DOUBLE PRECISION,
    GELVER     DOUBLE PRECISION,
    DVMAT      DOUBLE PRECISION,
    DAMVER     DOUBLE PRECISION,
    VERMAT1    DOUBLE PRECISION,
    VEROR1     DOUBLE PRECISION,
    GELVER1    DOUBLE PRECISION,
    DVMAT1     DOUBLE PRECISION,
    DAMVER1    DOUBLE PRECISION,
    GELVERKES  DOUBLE PRECISION,
    DAMVERKES  DOUBLE PRECISION,
    AGIMAT     DOUBLE PRECISION,
    VIADE      DOUBLE PRECISION,
    BES        DOUBLE PRECISION,
    HIZBOR     DOUBLE PRECISION,
    ICRA       DOUBLE PRECISION,
    KIRA       DOUBLE PRECISION,
    PCEZA      DOUBLE PRECISION,
    KEFALET    DOUBLE PRECISION,
    SEN1       DOUBLE PRECISION,
    SEN2       DOUBLE PRECISION,
    SEN3       DOUBLE PRECISION,
    KES1       DOUBLE PRECISION,
    KES2       DOUBLE PRECISION,
    KES3       DOUBLE PRECISION,
    KES4       DOUBLE PRECISION,
    KES5       DOUBLE PRECISION,
    KESA1      VARCHAR(15),
    KESA2      VARCHAR(15),
    KESA3      VARCHAR(15),
    KESA4      VARCHAR(15),
    KESA5      VARCHAR(15),
    OZELKES    DOUBLE PRECISION,
    KESTOP     DOUBLE PRECISION,
    MAAS       DOUBLE PRECISION,
    ACIKKES    DOUBLE PRECISION,
    EKFARK     DOUBLE PRECISION,
    OTURUM     DOUBLE PRECISION,
    OTRUCR     DOUBLE PRECISION,
    ODE        VARCHAR(1),
    ODENO      DOUBLE PRECISION,
    ODETAR     DOUBLE PRECISION,
    YEVNO      DOUBLE PRECISION,
-- payroll date of the row, read by the union dues detail list
    TAR        DATE
);

CREATE INDEX IX_ZERMAAS_DONEM ON ZERMAAS (YIL, AY, TUR, BKOD);

CREATE INDEX IX_ZERMAAS_KISI ON ZERMAAS (PKAYNO, YIL, AY);

-- One row per pay record, payroll kind and month: the database itself refuses a second one.
CREATE UNIQUE INDEX UX_ZERMAAS_ANAHTAR ON ZERMAAS (PKAYNO, BKOD, PKOD, TUR, YIL, AY);

-- Snapshot of the pay record at the time of a payroll: same keys as ZERMAAS.
CREATE TABLE ZERARSIV (
    PKAYNO     SMALLINT NOT NULL,
    BKOD       SMALLINT NOT NULL,
    PKOD       SMALLINT NOT NULL,
    TUR        VARCHAR(2) NOT NULL,
    YIL        VARCHAR(4) NOT NULL,
    AY         SMALLINT NOT NULL,
    UKOD       SMALLINT,
    MHAL       VARCHAR(1),
    ESI        VARCHAR(1),
    COC1       SMALLINT,
    COC2       SMALLINT,
    DIGCOC     SMALLINT,
    SAKDER     SMALLINT,
    KIDEM      SMALLINT,
    DER        SMALLINT,
    KAD        SMALLINT,
    GOS        SMALLINT,
    MDER       SMALLINT,
    MKAD       SMALLINT,
    MGOS       SMALLINT,
    EGOS       SMALLINT,
    MEGOS      SMALLINT,
    YOP        SMALLINT,
    OHT        SMALLINT,
    EKOD       SMALLINT,
    RAPOR      SMALLINT,
    YIG        VARCHAR(5),
    KGUN       FLOAT,
    TFA        SMALLINT,
    GF         SMALLINT,
    KIDART     SMALLINT,
    KEFALET    VARCHAR(1),
    VEKIL      VARCHAR(1),
    KISTEMKES  VARCHAR(1),
    SENDIKA    VARCHAR(30),
    GSSTUR     VARCHAR(1),
    TERTAR     DATE,
    YDER       SMALLINT,
    YKAD       SMALLINT,
    YGOS       SMALLINT,
    YEGOS      SMALLINT,
    YKID       SMALLINT,
    YEMEKGUN   SMALLINT,
    MDUR       VARCHAR(1),
    HKOD       VARCHAR(16)
);

CREATE INDEX IX_ZERARSIV_KISI ON ZERARSIV (PKAYNO, YIL, AY, TUR);
-- A payroll deletes and reads its snapshots by month, like its result rows.
CREATE INDEX IX_ZERARSIV_DONEM ON ZERARSIV (YIL, AY, TUR, BKOD);

CREATE UNIQUE INDEX UX_ZERARSIV_ANAHTAR ON ZERARSIV (PKAYNO, BKOD, PKOD, TUR, YIL, AY);

-- ---------------------------------------------------------------------------
-- Accounting definitions and posting work table
-- ---------------------------------------------------------------------------

-- Payment-order header, one row per unit and cash kind.
CREATE TABLE ZERNAKBIL (
    BKOD    SMALLINT NOT NULL,
    NAKTUR  CHAR(1) NOT NULL,
    KURAD   VARCHAR(30),
    SAYKOD  VARCHAR(5),
    SAYAD   VARCHAR(30),
    DAKOD   VARCHAR(5),
    BKOD1   VARCHAR(2),
    BKOD2   VARCHAR(2),
    BKOD3   VARCHAR(2),
    BKOD4   VARCHAR(2),
    BKOD5   VARCHAR(2),
    BIRAD   VARCHAR(30),
    KSKOD   VARCHAR(6),
    ILGILI  VARCHAR(30),
    TCKNO   VARCHAR(11),
    EKLER   VARCHAR(100),
    BHN     VARCHAR(26),
    BSUBE   VARCHAR(30),
    VERDA   VARCHAR(30),
    CKOD    INTEGER,
    CONSTRAINT PK_ZERNAKBIL PRIMARY KEY (BKOD, NAKTUR)
);

-- Account lines of a unit's plan: HARNO orders the lines and is unique over the table.
CREATE TABLE ZERNAKTAN (
    HARNO     SMALLINT NOT NULL,
    BKOD      SMALLINT,
    NAKTUR    CHAR(1),
    HKOD      VARCHAR(15),
    TUR       CHAR(1),
    DUR       CHAR(1),
    ACIK      VARCHAR(60),
    HESAP     BLOB SUB_TYPE TEXT,
    HESAPDUR  CHAR(1),
    YIL       SMALLINT,
    BKAYNO    FLOAT,
    KKOD      VARCHAR(11),
    FKOD      VARCHAR(11),
    FTIP      VARCHAR(1),
    EKOD      VARCHAR(9),
    CKOD      INTEGER,
    CONSTRAINT PK_ZERNAKTAN PRIMARY KEY (HARNO)
);

CREATE INDEX IX_ZERNAKTAN_PLAN ON ZERNAKTAN (BKOD, NAKTUR);

-- Account lines being prepared for posting, one set per user (USRNO), in the order SIRA.
-- Amounts are DOUBLE PRECISION (a unit's totals run into millions); a code part holds a whole
-- part of an account code ("630") or the rest of one ("01.01").
CREATE TABLE ZERQRNAK (
    USRNO   SMALLINT,
    SIRA    INTEGER,
    HESNO   VARCHAR(15),
    K1      VARCHAR(15),
    K2      VARCHAR(15),
    K3      VARCHAR(15),
    K4      VARCHAR(15),
    K5      VARCHAR(15),
    F1      VARCHAR(15),
    F2      VARCHAR(15),
    F3      VARCHAR(15),
    F4      VARCHAR(15),
    FT      VARCHAR(2),
    E1      VARCHAR(15),
    E2      VARCHAR(15),
    E3      VARCHAR(15),
    E4      VARCHAR(15),
    BORC    DOUBLE PRECISION,
    ALACAK  DOUBLE PRECISION,
    ACIK    VARCHAR(60),
    TUR     CHAR(1),
    DUR     CHAR(1),
    CKOD    INTEGER,
    BKAYNO  DOUBLE PRECISION,
    MTUR    CHAR(1),
    KKOD    VARCHAR(11),
    FKOD    VARCHAR(11),
    FTIP    VARCHAR(1),
    EKOD    VARCHAR(9)
);

CREATE INDEX IX_ZERQRNAK_USRNO ON ZERQRNAK (USRNO, SIRA);

-- Sibling program's account lines, laid out like ZERNAKTAN. This system only adds the
-- budget-code columns in the upgrade and deletes rows of years before 2024.
CREATE TABLE ISCNAKTAN (
    HARNO     SMALLINT,
    BKOD      SMALLINT,
    NAKTUR    CHAR(1),
    HKOD      VARCHAR(15),
    TUR       CHAR(1),
    DUR       CHAR(1),
    ACIK      VARCHAR(60),
    HESAP     BLOB SUB_TYPE TEXT,
    HESAPDUR  CHAR(1),
    YIL       SMALLINT,
    BKAYNO    FLOAT,
    KKOD      VARCHAR(11),
    FKOD      VARCHAR(11),
    FTIP      VARCHAR(1),
    EKOD      VARCHAR(9),
    CKOD      INTEGER
);

-- Sibling program's posting work table, laid out like ZERQRNAK.
CREATE TABLE ISCQRNAK (
    USRNO   SMALLINT,
    HESNO   VARCHAR(15),
    K1      VARCHAR(2),
    K2      VARCHAR(2),
    K3      VARCHAR(2),
    K4      VARCHAR(2),
    K5      VARCHAR(2),
    F1      VARCHAR(2),
    F2      VARCHAR(2),
    F3      VARCHAR(2),
    F4      VARCHAR(2),
    FT      VARCHAR(2),
    E1      VARCHAR(2),
    E2      VARCHAR(2),
    E3      VARCHAR(2),
    E4      VARCHAR(2),
    BORC    FLOAT,
    ALACAK  FLOAT,
    ACIK    VARCHAR(50),
    TUR     CHAR(1),
    DUR     CHAR(1),
    CKOD    SMALLINT,
    BKAYNO  FLOAT,
    MTUR    CHAR(1),
    KKOD    VARCHAR(11),
    FKOD    VARCHAR(11),
    FTIP    VARCHAR(1),
    EKOD    VARCHAR(9)
);

-- ---------------------------------------------------------------------------
-- Retirement-contribution ledger and its print work table
-- ---------------------------------------------------------------------------

-- Typed in place per person and month. Duplicates of a month are tolerated (the
-- voucher sums them), so there is no unique key.
CREATE TABLE EMKES (
    PKAYNO  SMALLINT,
    BKOD    SMALLINT,
    TUR     VARCHAR(1),
    YIL     VARCHAR(4),
    AY      SMALLINT,
    ZER     DOUBLE PRECISION,
    DEV     DOUBLE PRECISION,
    ARTIS   DOUBLE PRECISION,
    BORC    DOUBLE PRECISION,
    ITAS    DOUBLE PRECISION,
    CEZA    DOUBLE PRECISION
);

CREATE INDEX IX_EMKES_KISI ON EMKES (PKAYNO, YIL, AY);

CREATE INDEX IX_EMKES_BIRIM ON EMKES (BKOD, YIL, AY);

-- Print work table shared by all users: emptied by every print.
CREATE TABLE QREMKES (
    SIR     SMALLINT NOT NULL,
    PKAYNO  SMALLINT,
    EMSNO   VARCHAR(15),
    AD      VARCHAR(15),
    SOY     VARCHAR(15),
    GOR     VARCHAR(15),
    OGRDUR  SMALLINT,
    HYIL    VARCHAR(10),
    YTAR    VARCHAR(10),
    EMAY    VARCHAR(10),
    DKEG    VARCHAR(10),
    FHAY    VARCHAR(10),
    FHGUN   VARCHAR(10),
    FHTUT   DOUBLE PRECISION,
    IHAY    VARCHAR(10),
    IHGUN   VARCHAR(10),
    IHTUT   DOUBLE PRECISION,
    MAY1    DOUBLE PRECISION,
    MAY2    DOUBLE PRECISION,
    MAY3    DOUBLE PRECISION,
    MAY4    DOUBLE PRECISION,
    MAY5    DOUBLE PRECISION,
    MAY6    DOUBLE PRECISION,
    MAY7    DOUBLE PRECISION,
    MAY8    DOUBLE PRECISION,
    MAY9    DOUBLE PRECISION,
    MAY10   DOUBLE PRECISION,
    MAY11   DOUBLE PRECISION,
    MAY12   DOUBLE PRECISION,
    KAY1    DOUBLE PRECISION,
    KAY2    DOUBLE PRECISION,
    KAY3    DOUBLE PRECISION,
    KAY4    DOUBLE PRECISION,
    KAY5    DOUBLE PRECISION,
    KAY6    DOUBLE PRECISION,
    KAY7    DOUBLE PRECISION,
    KAY8    DOUBLE PRECISION,
    KAY9    DOUBLE PRECISION,
    KAY10   DOUBLE PRECISION,
    KAY11   DOUBLE PRECISION,
    KAY12   DOUBLE PRECISION,
    HAY1    DOUBLE PRECISION,
    HAY2    DOUBLE PRECISION,
    HAY3    DOUBLE PRECISION,
    HAY4    DOUBLE PRECISION,
    HAY5    DOUBLE PRECISION,
    HAY6    DOUBLE PRECISION,
    HAY7    DOUBLE PRECISION,
    HAY8    DOUBLE PRECISION,
    HAY9    DOUBLE PRECISION,
    HAY10   DOUBLE PRECISION,
    HAY11   DOUBLE PRECISION,
    HAY12   DOUBLE PRECISION,
    CONSTRAINT PK_QREMKES PRIMARY KEY (SIR)
);

-- ---------------------------------------------------------------------------
-- Leave
-- ---------------------------------------------------------------------------

-- Leave taken, one row per leave: HARNO from GEN_HARNO identifies the row.
-- "NOT" is a reserved word and is always written quoted.
CREATE TABLE IZIN (
    PKAYNO  SMALLINT NOT NULL,
    HARNO   SMALLINT NOT NULL,
    ITUR    SMALLINT,
    OTAR    DATE,
    OSAY    VARCHAR(15),
    MIKTAR  SMALLINT,
    BASTAR  DATE,
    BITTAR  DATE,
    ADRES   BLOB SUB_TYPE TEXT,
    TEL     VARCHAR(15),
    YET1    VARCHAR(20),
    UNV1    VARCHAR(20),
    YET     VARCHAR(20),
    UNV     VARCHAR(20),
    "NOT"   BLOB SUB_TYPE TEXT,
    SEBEP   VARCHAR(60),
    CONSTRAINT PK_IZIN PRIMARY KEY (PKAYNO, HARNO)
);

-- Yearly leave entitlement, one row per person and year.
CREATE TABLE IZINMIKTAR (
    PKAYNO  SMALLINT NOT NULL,
    YIL     VARCHAR(4) NOT NULL,
    GUN     SMALLINT,
    DEVIR   SMALLINT,
    CONSTRAINT PK_IZINMIKTAR PRIMARY KEY (PKAYNO, YIL)
);

-- ---------------------------------------------------------------------------
-- Generators
-- ---------------------------------------------------------------------------

-- SICIL.PKAYNO
CREATE SEQUENCE GEN_PKAYNO;

-- HARNO of ICRA, HIZBOR, IZIN and ZERNAKTAN
CREATE SEQUENCE GEN_HARNO;

-- record numbers of the accounting archive
CREATE SEQUENCE GEN_KAYNO;

-- ---------------------------------------------------------------------------
-- Initial data
-- ---------------------------------------------------------------------------

INSERT INTO PTANIM (KURUM, CYIL, FORM, OTOODE, SEN, ONIZ, UDUR, VER, KEF, BDTUR,
    BORTEK, MBORTUR, MKESDUR, MBKOD, IZL, MODEMEBKOD, PEKFARK, ASUCISTISNA,
    HBORKESDUR, YEMEKGV, YEMEKGSS)
VALUES ('KURUM ADI', '2026', 'H', 'H', '0', 'E', 'H', '25.001', '0', 'T',
    'H', '1', 'O', 0, 'H', 0, FALSE, 'E',
    'O', FALSE, FALSE);

-- Built-in user: OZEL '1' keeps it visible and apart from users made on the screen ('3').
INSERT INTO USERS (USR, HNO, PSSWD, OZEL) VALUES ('ZIVO', 1, '', '1');

INSERT INTO PRNOUT (TEKSAYFA, MATBU) VALUES (FALSE, FALSE);

-- Marital status (TUR 2): KY is stored in ZERBORBIL.MHAL.
INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (2, 1, '1', 'Evli');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (2, 2, '2', 'Bekar');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (2, 3, '3', 'Boşanmış');

-- Spouse works (TUR 3): KY is stored in ZERBORBIL.ESI.
INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (3, 1, '1', 'Çalışıyor');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (3, 2, '2', 'Çalışmıyor');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (3, 3, '3', 'Emekli');

-- Sex (TUR 5).
INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (5, 1, 'E', 'Erkek');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (5, 2, 'K', 'Kadın');

-- Education level (TUR 7): TKOD is stored in SICIL.OGRDUR.
INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 1, '1', 'İlköğretim');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 2, '2', 'Ortaokul');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 3, '3', 'Lise');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 4, '4', 'Yüksekokul');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 5, '5', 'Lisans');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 6, '6', 'Yüksek Lisans');

INSERT INTO TNM (TUR, TKOD, KY, ACIK) VALUES (7, 7, '7', 'Okuryazar');

-- The 81 provinces: ILKOD is the plate code, which is also the population register's
-- province code. Districts are added on the general-definitions screen (their codes must
-- be the register's, so none are invented here).
INSERT INTO IL (ILKOD, ILADI) VALUES (1, 'ADANA');
INSERT INTO IL (ILKOD, ILADI) VALUES (2, 'ADIYAMAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (3, 'AFYONKARAHİSAR');
INSERT INTO IL (ILKOD, ILADI) VALUES (4, 'AĞRI');
INSERT INTO IL (ILKOD, ILADI) VALUES (5, 'AMASYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (6, 'ANKARA');
INSERT INTO IL (ILKOD, ILADI) VALUES (7, 'ANTALYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (8, 'ARTVİN');
INSERT INTO IL (ILKOD, ILADI) VALUES (9, 'AYDIN');
INSERT INTO IL (ILKOD, ILADI) VALUES (10, 'BALIKESİR');
INSERT INTO IL (ILKOD, ILADI) VALUES (11, 'BİLECİK');
INSERT INTO IL (ILKOD, ILADI) VALUES (12, 'BİNGÖL');
INSERT INTO IL (ILKOD, ILADI) VALUES (13, 'BİTLİS');
INSERT INTO IL (ILKOD, ILADI) VALUES (14, 'BOLU');
INSERT INTO IL (ILKOD, ILADI) VALUES (15, 'BURDUR');
INSERT INTO IL (ILKOD, ILADI) VALUES (16, 'BURSA');
INSERT INTO IL (ILKOD, ILADI) VALUES (17, 'ÇANAKKALE');
INSERT INTO IL (ILKOD, ILADI) VALUES (18, 'ÇANKIRI');
INSERT INTO IL (ILKOD, ILADI) VALUES (19, 'ÇORUM');
INSERT INTO IL (ILKOD, ILADI) VALUES (20, 'DENİZLİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (21, 'DİYARBAKIR');
INSERT INTO IL (ILKOD, ILADI) VALUES (22, 'EDİRNE');
INSERT INTO IL (ILKOD, ILADI) VALUES (23, 'ELAZIĞ');
INSERT INTO IL (ILKOD, ILADI) VALUES (24, 'ERZİNCAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (25, 'ERZURUM');
INSERT INTO IL (ILKOD, ILADI) VALUES (26, 'ESKİŞEHİR');
INSERT INTO IL (ILKOD, ILADI) VALUES (27, 'GAZİANTEP');
INSERT INTO IL (ILKOD, ILADI) VALUES (28, 'GİRESUN');
INSERT INTO IL (ILKOD, ILADI) VALUES (29, 'GÜMÜŞHANE');
INSERT INTO IL (ILKOD, ILADI) VALUES (30, 'HAKKARİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (31, 'HATAY');
INSERT INTO IL (ILKOD, ILADI) VALUES (32, 'ISPARTA');
INSERT INTO IL (ILKOD, ILADI) VALUES (33, 'MERSİN');
INSERT INTO IL (ILKOD, ILADI) VALUES (34, 'İSTANBUL');
INSERT INTO IL (ILKOD, ILADI) VALUES (35, 'İZMİR');
INSERT INTO IL (ILKOD, ILADI) VALUES (36, 'KARS');
INSERT INTO IL (ILKOD, ILADI) VALUES (37, 'KASTAMONU');
INSERT INTO IL (ILKOD, ILADI) VALUES (38, 'KAYSERİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (39, 'KIRKLARELİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (40, 'KIRŞEHİR');
INSERT INTO IL (ILKOD, ILADI) VALUES (41, 'KOCAELİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (42, 'KONYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (43, 'KÜTAHYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (44, 'MALATYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (45, 'MANİSA');
INSERT INTO IL (ILKOD, ILADI) VALUES (46, 'KAHRAMANMARAŞ');
INSERT INTO IL (ILKOD, ILADI) VALUES (47, 'MARDİN');
INSERT INTO IL (ILKOD, ILADI) VALUES (48, 'MUĞLA');
INSERT INTO IL (ILKOD, ILADI) VALUES (49, 'MUŞ');
INSERT INTO IL (ILKOD, ILADI) VALUES (50, 'NEVŞEHİR');
INSERT INTO IL (ILKOD, ILADI) VALUES (51, 'NİĞDE');
INSERT INTO IL (ILKOD, ILADI) VALUES (52, 'ORDU');
INSERT INTO IL (ILKOD, ILADI) VALUES (53, 'RİZE');
INSERT INTO IL (ILKOD, ILADI) VALUES (54, 'SAKARYA');
INSERT INTO IL (ILKOD, ILADI) VALUES (55, 'SAMSUN');
INSERT INTO IL (ILKOD, ILADI) VALUES (56, 'SİİRT');
INSERT INTO IL (ILKOD, ILADI) VALUES (57, 'SİNOP');
INSERT INTO IL (ILKOD, ILADI) VALUES (58, 'SİVAS');
INSERT INTO IL (ILKOD, ILADI) VALUES (59, 'TEKİRDAĞ');
INSERT INTO IL (ILKOD, ILADI) VALUES (60, 'TOKAT');
INSERT INTO IL (ILKOD, ILADI) VALUES (61, 'TRABZON');
INSERT INTO IL (ILKOD, ILADI) VALUES (62, 'TUNCELİ');
INSERT INTO IL (ILKOD, ILADI) VALUES (63, 'ŞANLIURFA');
INSERT INTO IL (ILKOD, ILADI) VALUES (64, 'UŞAK');
INSERT INTO IL (ILKOD, ILADI) VALUES (65, 'VAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (66, 'YOZGAT');
INSERT INTO IL (ILKOD, ILADI) VALUES (67, 'ZONGULDAK');
INSERT INTO IL (ILKOD, ILADI) VALUES (68, 'AKSARAY');
INSERT INTO IL (ILKOD, ILADI) VALUES (69, 'BAYBURT');
INSERT INTO IL (ILKOD, ILADI) VALUES (70, 'KARAMAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (71, 'KIRIKKALE');
INSERT INTO IL (ILKOD, ILADI) VALUES (72, 'BATMAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (73, 'ŞIRNAK');
INSERT INTO IL (ILKOD, ILADI) VALUES (74, 'BARTIN');
INSERT INTO IL (ILKOD, ILADI) VALUES (75, 'ARDAHAN');
INSERT INTO IL (ILKOD, ILADI) VALUES (76, 'IĞDIR');
INSERT INTO IL (ILKOD, ILADI) VALUES (77, 'YALOVA');
INSERT INTO IL (ILKOD, ILADI) VALUES (78, 'KARABÜK');
INSERT INTO IL (ILKOD, ILADI) VALUES (79, 'KİLİS');
INSERT INTO IL (ILKOD, ILADI) VALUES (80, 'OSMANİYE');
INSERT INTO IL (ILKOD, ILADI) VALUES (81, 'DÜZCE');
