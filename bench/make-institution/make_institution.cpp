// zeran-bench-make-institution: a large institution for the payroll benchmarks.
//
//   zeran-bench-make-institution DIR [--people N] [--units U] [--seed S] [--months M] [--years Y]
//
// A new PERSONEL.GDB and ANALITIK.GDB in DIR: the demo institution's settings (working year
// 2026), rates, titles, indicator tables and definitions; its people replaced by N generated
// pay records (default 10,000) in U active salary units (default 20); then the monthly
// payrolls of January … M (default 11, i.e. November) made through the payroll make path,
// so that December's cumulative income tax reads a year of history. With --years Y (default 1)
// the Y − 1 years before hold twelve stored months each: copies of the made months (December
// a copy of the last one), result rows and snapshots, for the archive's benchmarks. The same
// options always give the same rows.
//
// SICIL.PKAYNO is a SMALLINT: beyond 32,767 people the numbers continue below zero
// (-1, -2, …), the only way the schema can hold that many distinct people.

#include "benchsupport.h"
#include "demo.h"
#include "payrollmake.h"
#include "resultstore.h"
#include "schema.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QHash>
#include <QSqlQuery>
#include <QTextStream>

#include <array>
#include <cstdio>
#include <map>
#include <random>

using namespace zeran;

namespace {

constexpr int kYear = 2026;
constexpr int kLargestPositiveKey = db::kSmallIntMax;
constexpr int kFirstNewUnit = 11;

QTextStream &out()
{
    static QTextStream s(stdout);
    return s;
}

QTextStream &err()
{
    static QTextStream s(stderr);
    return s;
}

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

/// Raw engine output only (never a library distribution), so the rows are the same everywhere.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : gen_(seed) {}
    int below(int n) { return int(gen_() % std::uint32_t(n)); }
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    bool chance(double percent) { return below(10000) < int(percent * 100); }
    template <typename T, std::size_t N> const T &pick(const std::array<T, N> &from)
    {
        return from[std::size_t(below(int(N)))];
    }

private:
    std::mt19937 gen_;
};

const std::array<const char *, 20> kUnitNames = {
    "ZABITA MÜDÜRLÜĞÜ", "İMAR VE ŞEHİRCİLİK MÜDÜRLÜĞÜ", "TEMİZLİK İŞLERİ MÜDÜRLÜĞÜ", "PARK VE BAHÇELER MÜDÜRLÜĞÜ",
    "İNSAN KAYNAKLARI MÜDÜRLÜĞÜ", "BİLGİ İŞLEM MÜDÜRLÜĞÜ", "KÜLTÜR VE SOSYAL İŞLER MÜDÜRLÜĞÜ",
    "SOSYAL YARDIM İŞLERİ MÜDÜRLÜĞÜ", "HUKUK İŞLERİ MÜDÜRLÜĞÜ", "DESTEK HİZMETLERİ MÜDÜRLÜĞÜ",
    "EMLAK VE İSTİMLAK MÜDÜRLÜĞÜ", "ÇEVRE KORUMA MÜDÜRLÜĞÜ", "SAĞLIK İŞLERİ MÜDÜRLÜĞÜ", "İTFAİYE MÜDÜRLÜĞÜ",
    "PLAN VE PROJE MÜDÜRLÜĞÜ", "STRATEJİ GELİŞTİRME MÜDÜRLÜĞÜ", "VETERİNER İŞLERİ MÜDÜRLÜĞÜ",
    "KENTSEL DÖNÜŞÜM MÜDÜRLÜĞÜ", "ULAŞIM HİZMETLERİ MÜDÜRLÜĞÜ", "BASIN YAYIN MÜDÜRLÜĞÜ"};
const std::array<const char *, 16> kMaleNames = {"Ahmet", "Mehmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İsmail", "Osman",
                                                 "Yusuf", "Ömer", "Halil", "Süleyman", "Şükrü", "İbrahim", "Kadir", "Nuri"};
const std::array<const char *, 16> kFemaleNames = {"Fatma", "Ayşe", "Emine", "Hatice", "Zeynep", "Meryem", "Şerife", "Zehra",
                                                   "Sultan", "Hanife", "Gülsüm", "Özlem", "Gülay", "Nuran", "Saniye", "Ümran"};
const std::array<const char *, 20> kSurnames = {"YILMAZ", "KAYA",  "DEMİR",  "ŞAHİN",  "ÇELİK", "YILDIZ", "YILDIRIM",
                                                "ÖZTÜRK", "AYDIN", "ÖZDEMİR", "ARSLAN", "DOĞAN", "KILIÇ",  "ASLAN",
                                                "ÇETİN",  "KARA",  "KOÇ",    "KURT",   "ÖZKAN", "ŞİMŞEK"};

// The pay-record columns written, in insert order.
const QStringList &payColumns()
{
    static const QStringList c = QStringLiteral(
        "PKAYNO,BKOD,PKOD,UKOD,DURUM,PERTUR,GSSTUR,SNFKOD,SNFALTKOD,DER,KAD,GOS,EGOS,MDER,MKAD,MGOS,MEGOS,"
        "KIDEM,YOP,OHT,EKOD,EKTAZ,LTAZ,DIGTAZ,DTAZ,MESAI,COC1,COC2,DIGCOC,MHAL,ESI,AGI,ACOCYRD,SAKDER,RAPOR,"
        "KGUN,KISTEMKES,TFA,GF,EKGF,KIDART,TERTAR,YDER,YKAD,YGOS,YEGOS,YKID,KEFALET,SENDIKA,SENKOD,YIG,VEKIL,"
        "BES,BESKOD,BESORAN,KES1,KES2,KES3,KES4,KES5,KAZ1,KAZ2,KAZ3,KAZ4,KAZ5,KAZ6,KAZ7,KAZ8,KAZ9,KAZ10,"
        "KAZS1,KAZS2,KAZS3,KAZS4,KAZS5,KAZS6,KAZS7,KAZS8,KAZS9,KAZS10,PCEZA,KIRA,OZIN,HIZBOR,HIZBORDUR,ICRA,"
        "KISZAMAN,YEMEKGUN,GUN,OTUR,OTURUM")
                                  .split(QLatin1Char(','));
    return c;
}

// What a title brings to a pay record, taken from the demo's ordinary salary records.
const QStringList &titleColumns()
{
    static const QStringList c = QStringLiteral(
        "UKOD,SNFKOD,SNFALTKOD,YOP,OHT,EKOD,EKTAZ,KAZ1,KAZ3,KEFALET,YEMEKGUN,"
        "KAZS1,KAZS2,KAZS3,KAZS4,KAZS5,KAZS6,KAZS7,KAZS8,KAZS9,KAZS10")
                                  .split(QLatin1Char(','));
    return c;
}

QString insertSql(const QString &table, const QStringList &columns)
{
    QStringList params;
    for (const QString &c : columns)
        params << QLatin1Char(':') + c;
    return QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
        .arg(table, columns.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
}

void execOrThrow(QSqlQuery &q, const QString &what)
{
    if (!q.exec())
        throw db::DbError(db::DbError::Kind::Sql, what + QStringLiteral(": ") + q.lastError().text());
}

/// A pay record under construction: the values in payColumns() order.
class PayRow {
public:
    PayRow() : values_(payColumns().size())
    {
        if (index_.isEmpty())
            for (int i = 0; i < payColumns().size(); ++i)
                index_.insert(payColumns().at(i), i);
    }
    void set(const QString &column, const QVariant &v)
    {
        const auto it = index_.constFind(column);
        if (it == index_.cend())
            throw std::logic_error("no pay-record column " + column.toStdString());
        values_[*it] = v;
    }
    void set(const char *column, const QVariant &v) { set(QLatin1String(column), v); }
    const QVariantList &values() const { return values_; }

private:
    QVariantList values_;
    static inline QHash<QString, int> index_;
};

/// The reference rows the generated records draw on.
struct Reference {
    std::vector<QVariantMap> titles;          // demo salary records: title attributes
    std::map<int, std::vector<int>> indicators;  // grade -> indicator of each step
    QHash<QString, int> extraIndicators;      // "SNF/ALT/DER" -> supplementary indicator
    std::vector<int> unions;                  // SENKOD of the civil servants' unions
    int pension = 0;                          // BESFIRMA.FKOD
};

Reference readReference(db::Database &db)
{
    Reference r;
    QSqlQuery t = db.exec(QStringLiteral("SELECT %1 FROM ZERBORBIL B JOIN BIRIM BR ON BR.BKOD=B.BKOD AND BR.TUR='M' "
                                         "WHERE BR.MTUR='N' AND B.DURUM='E' AND B.PERTUR='M' ORDER BY B.PKAYNO")
                              .arg(QStringLiteral("B.") + titleColumns().join(QStringLiteral(",B."))));
    while (t.next()) {
        QVariantMap m;
        for (int i = 0; i < titleColumns().size(); ++i) {
            const QVariant v = t.value(i);
            m.insert(titleColumns().at(i), v.typeId() == QMetaType::QString ? QVariant(v.toString().trimmed()) : v);
        }
        r.titles.push_back(m);
    }
    QSqlQuery g = db.exec(QStringLiteral("SELECT DER,K1,K2,K3,K4,K5,K6,K7,K8,K9,K10,K11,K12 FROM GOSTAN ORDER BY DER"));
    while (g.next()) {
        std::vector<int> steps;
        for (int k = 1; k <= 12 && !g.value(k).isNull() && g.value(k).toInt() > 0; ++k)
            steps.push_back(g.value(k).toInt());
        r.indicators[g.value(0).toInt()] = steps;
    }
    QSqlQuery e = db.exec(QStringLiteral("SELECT SNFKOD,ALTKOD,DER,EKGOS FROM EKGOSTAN"));
    while (e.next())
        r.extraIndicators.insert(QStringLiteral("%1/%2/%3").arg(e.value(0).toInt()).arg(e.value(1).toString().trimmed()).arg(e.value(2).toInt()),
                                 int(e.value(3).toDouble()));
    QSqlQuery u = db.exec(QStringLiteral("SELECT SENKOD FROM SENDIKA WHERE TUR='M' ORDER BY SENKOD"));
    while (u.next())
        r.unions.push_back(u.value(0).toInt());
    r.pension = db.scalar(QStringLiteral("SELECT MIN(FKOD) FROM BESFIRMA")).toInt();
    if (r.titles.empty() || r.indicators.empty() || r.unions.empty() || r.pension == 0)
        throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("demo reference rows missing"));
    return r;
}

/// The pay units of the benchmark: the demo's salary units and new ones up to `count`.
std::vector<int> salaryUnits(db::Database &db, int count)
{
    std::vector<int> units;
    QSqlQuery q = db.exec(QStringLiteral("SELECT BKOD FROM BIRIM WHERE TUR='M' AND MTUR='N' AND AKTIF='A' ORDER BY BKOD"));
    while (q.next())
        units.push_back(q.value(0).toInt());
    QSqlQuery add = db.prepare(QStringLiteral(
        "INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF,BASLIK) VALUES (:BKOD,:BIRIM,'M','N','A',:BASLIK)"));
    for (int i = 0; int(units.size()) < count && i < int(kUnitNames.size()); ++i) {
        const int bkod = kFirstNewUnit + i;
        add.bindValue(QStringLiteral(":BKOD"), bkod);
        add.bindValue(QStringLiteral(":BIRIM"), u8(kUnitNames[std::size_t(i)]));
        add.bindValue(QStringLiteral(":BASLIK"), QStringLiteral("MAAŞ BORDROSU"));
        execOrThrow(add, QStringLiteral("BIRIM"));
        units.push_back(bkod);
    }
    return units;
}

struct Counts {
    int people = 0, suspended = 0, temporary = 0, contract = 0, unions = 0, garnished = 0, serviceDebts = 0;
};

/// The N people, their pay records and debt ledgers, in the caller's unit of work.
Counts writePeople(db::Database &db, const Reference &ref, const std::vector<int> &units, int people, std::uint32_t seed)
{
    QSqlQuery sicil = db.prepare(insertSql(QStringLiteral("SICIL"),
                                           QStringLiteral("PKAYNO,TCKNO,EMSNO,ADI,SOYADI,CINS,KGT,DTAR,TERTAR").split(QLatin1Char(','))));
    QSqlQuery pay = db.prepare(insertSql(QStringLiteral("ZERBORBIL"), payColumns()));
    const QStringList ledgerColumns = QStringLiteral("PKAYNO,HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR").split(QLatin1Char(','));
    QSqlQuery icra = db.prepare(insertSql(QStringLiteral("ICRA"), ledgerColumns));
    QSqlQuery hizbor = db.prepare(insertSql(QStringLiteral("HIZBOR"), ledgerColumns));

    Dice dice(seed);
    Counts counts;
    std::map<int, int> nextCode;  // unit -> last PKOD
    int harno = 0;
    // Unit sizes differ: weight 1 … 5 by position.
    std::vector<int> weighted;
    for (std::size_t i = 0; i < units.size(); ++i)
        for (std::size_t w = 0; w <= i % 5; ++w)
            weighted.push_back(units[i]);

    const QDate jan1(kYear, 1, 1);
    for (int n = 1; n <= people; ++n) {
        const int pk = n <= kLargestPositiveKey ? n : kLargestPositiveKey - n;
        const bool male = dice.chance(55);
        const int kidem = dice.below(36);
        const QDate kgt = QDate(kYear - kidem, 1 + dice.below(12), 1 + dice.below(28));
        const bool retirementFund = kgt < QDate(2008, 10, 1);
        const QString tc = QStringLiteral("1%1").arg(qint64(n) * 7919 % 10000000000LL, 10, 10, QLatin1Char('0'));
        const QDate tertar(kYear + (kgt.month() < 12 ? 0 : 1), kgt.month(), kgt.day());

        sicil.bindValue(0, pk);
        sicil.bindValue(1, tc);
        sicil.bindValue(2, retirementFund ? QStringLiteral("%1").arg(10000000 + n) : tc);
        sicil.bindValue(3, u8(male ? dice.pick(kMaleNames) : dice.pick(kFemaleNames)));
        sicil.bindValue(4, u8(dice.pick(kSurnames)));
        sicil.bindValue(5, male ? QStringLiteral("E") : QStringLiteral("K"));
        sicil.bindValue(6, kgt);
        sicil.bindValue(7, QDate(kgt.year() - 19 - dice.below(8), 1 + dice.below(12), 1 + dice.below(28)));
        sicil.bindValue(8, tertar);
        execOrThrow(sicil, QStringLiteral("SICIL"));

        const QVariantMap &title = ref.titles[std::size_t(dice.below(int(ref.titles.size())))];
        const int unit = weighted[std::size_t(dice.below(int(weighted.size())))];
        PayRow r;
        for (auto it = title.cbegin(); it != title.cend(); ++it)
            r.set(it.key(), it.value());
        // Careers: entry grade by schooling, one grade every three years, steps in between.
        const int entry = std::array<int, 4>{9, 10, 11, 12}[std::size_t(dice.below(4))];
        const int der = std::max(1, entry - kidem / 3);
        const std::vector<int> &steps = ref.indicators.at(der);
        const int kad = std::min(int(steps.size()), 1 + kidem % 3 + (der == 1 ? kidem / 12 : 0));
        const int gos = steps[std::size_t(kad - 1)];
        const QString snf = title.value(QStringLiteral("SNFKOD")).toString();
        const QString alt = title.value(QStringLiteral("SNFALTKOD")).toString();
        const int egos = ref.extraIndicators.value(QStringLiteral("%1/%2/%3").arg(snf, alt).arg(der), 0);
        const bool higherRetirementGrade = der > 1 && dice.chance(5);
        const int mder = higherRetirementGrade ? der - 1 : der;
        const std::vector<int> &msteps = ref.indicators.at(mder);
        const int mkad = std::min(int(msteps.size()), kad);
        r.set("PKAYNO", pk);
        r.set("BKOD", unit);
        r.set("PKOD", ++nextCode[unit]);
        r.set("DER", der);
        r.set("KAD", kad);
        r.set("GOS", gos);
        r.set("EGOS", egos);
        r.set("MDER", mder);
        r.set("MKAD", mkad);
        r.set("MGOS", msteps[std::size_t(mkad - 1)]);
        r.set("MEGOS", ref.extraIndicators.value(QStringLiteral("%1/%2/%3").arg(snf, alt).arg(mder), 0));
        r.set("YDER", der);
        r.set("YKAD", kad);
        r.set("YGOS", gos);
        r.set("YEGOS", egos);
        r.set("KIDEM", kidem);
        r.set("YKID", kidem);
        r.set("TERTAR", tertar);
        r.set("OHT", title.value(QStringLiteral("OHT")).toInt() + (der <= 3 ? 10 : 0));

        QString durum = QStringLiteral("E"), pertur = QStringLiteral("M");
        QString gsstur = retirementFund ? QStringLiteral("E") : QStringLiteral("5");
        QString acocyrd = QStringLiteral("E");
        if (dice.chance(1.5)) {
            durum = QStringLiteral("A");  // suspended
            ++counts.suspended;
        }
        if (dice.chance(1.5)) {  // on temporary duty here: only the municipality's own earning
            pertur = QStringLiteral("D");
            gsstur = QStringLiteral("Y");
            acocyrd = QStringLiteral("H");
            r.set("KAZS4", QStringLiteral("H"));
            ++counts.temporary;
        } else if (dice.chance(3)) {
            pertur = QStringLiteral("S");  // contract staff
            ++counts.contract;
        }
        r.set("DURUM", durum);
        r.set("PERTUR", pertur);
        r.set("GSSTUR", gsstur);
        r.set("ACOCYRD", acocyrd);
        r.set("AGI", QStringLiteral("H"));

        // Family.
        const int familyRoll = dice.below(100);
        const bool married = familyRoll < 68;
        r.set("MHAL", married ? QStringLiteral("1") : familyRoll < 94 ? QStringLiteral("2") : QStringLiteral("3"));
        r.set("ESI", married ? QVariant(dice.chance(40) ? QStringLiteral("1") : dice.chance(90) ? QStringLiteral("2") : QStringLiteral("3"))
                             : QVariant(QMetaType(QMetaType::QString)));
        const int kids = married || familyRoll >= 94 ? dice.below(5) : 0;
        int young = 0;
        for (int k = 0; k < kids; ++k)
            young += dice.chance(35) ? 1 : 0;
        r.set("COC1", young);
        r.set("COC2", kids - young);
        r.set("DIGCOC", kids);

        // Union, pension plan, items, deductions, allowances.
        const bool member = pertur != QLatin1String("D") && dice.chance(60);
        if (member)
            ++counts.unions;
        r.set("SENDIKA", member ? QStringLiteral("E") : QStringLiteral("H"));
        r.set("SENKOD", member ? ref.unions[std::size_t(dice.chance(70) ? 0 : ref.unions.size() - 1)] : 0);
        r.set("KAZ2", member ? 707.0 : 0.0);
        const bool pension = dice.chance(8);
        r.set("BES", pension ? QStringLiteral("E") : QStringLiteral("H"));
        r.set("BESKOD", pension ? ref.pension : 0);
        r.set("BESORAN", pension ? 3.0 : 0.0);
        r.set("KES1", dice.chance(15) ? 500.0 : 0.0);
        r.set("KES2", dice.chance(10) ? 100.0 : 0.0);
        r.set("KES3", dice.chance(3) ? 2000.0 : 0.0);
        r.set("KES4", 0.0);
        r.set("KES5", 0.0);
        r.set("KAZ4", 0.0);
        r.set("KAZ5", dice.chance(8) ? 1200.0 : 0.0);
        for (int k = 6; k <= 10; ++k)
            r.set(QStringLiteral("KAZ%1").arg(k), 0.0);
        r.set("LTAZ", dice.chance(3) ? 900.0 : 0.0);
        r.set("DIGTAZ", dice.chance(3) ? 2500.0 : 0.0);
        r.set("DTAZ", dice.chance(3) ? 1450.0 : 0.0);
        r.set("MESAI", dice.chance(5) ? 1800.0 : 0.0);
        r.set("KIRA", dice.chance(2) ? 1500.0 : 0.0);
        r.set("OZIN", dice.chance(3) ? 850.0 : 0.0);
        r.set("PCEZA", dice.chance(1) ? 250.0 : 0.0);
        r.set("RAPOR", dice.chance(4) ? 1 + dice.below(20) : 0);
        r.set("SAKDER", dice.chance(2) ? 1 + dice.below(3) : 0);
        r.set("KIDART", dice.chance(2) ? 20 : 0);
        r.set("VEKIL", dice.chance(1) ? QStringLiteral("E") : QStringLiteral("H"));
        r.set("KISZAMAN", dice.chance(1) ? QStringLiteral("E") : QStringLiteral("H"));
        r.set("KISTEMKES", QStringLiteral("H"));
        r.set("YIG", QStringLiteral("H"));
        if (durum != QLatin1String("E"))
            r.set("YEMEKGUN", 0);
        for (const char *c : {"TFA", "GF", "EKGF", "GUN", "OTUR"})
            r.set(c, 0);
        r.set("KGUN", 0.0);
        r.set("OTURUM", 0.0);

        // Debt ledgers: running and finished garnishment orders, service debts.
        const bool garnished = dice.chance(4);
        const bool serviceDebt = dice.chance(2);
        r.set("ICRA", 0.0);
        r.set("HIZBOR", 0.0);
        r.set("HIZBORDUR", serviceDebt);
        for (int i = 0; i < payColumns().size(); ++i)
            pay.bindValue(i, r.values().at(i));
        execOrThrow(pay, QStringLiteral("ZERBORBIL"));

        auto ledger = [&](QSqlQuery &q, const QString &acik, double tutar, double kestut, bool running, const char *what) {
            q.bindValue(0, pk);
            q.bindValue(1, ++harno);
            q.bindValue(2, QDate(kYear - 1 - dice.below(3), 1 + dice.below(12), 1 + dice.below(28)));
            q.bindValue(3, acik);
            q.bindValue(4, tutar);
            q.bindValue(5, kestut);
            q.bindValue(6, running ? QStringLiteral("D") : QStringLiteral("T"));
            execOrThrow(q, QLatin1String(what));
        };
        if (garnished) {
            ++counts.garnished;
            const double tutar = 10000.0 + 2500.0 * dice.below(21);
            ledger(icra, u8("ANKARA %1. İCRA DAİRESİ").arg(1 + dice.below(30)), tutar, 2500.0 + 500.0 * dice.below(4), true, "ICRA");
            if (dice.chance(30))
                ledger(icra, u8("GÖLBAŞI İCRA DAİRESİ"), 8000.0, 2000.0, false, "ICRA");
        }
        if (serviceDebt) {
            ++counts.serviceDebts;
            ledger(hizbor, u8("ASKERLİK BORÇLANMASI"), 9600.0 + 4800.0 * dice.below(7), 800.0 * (1 + dice.below(2)), true, "HIZBOR");
        }
        ++counts.people;
    }
    db.setGenerator(QStringLiteral("GEN_PKAYNO"), std::min(people, kLargestPositiveKey));
    db.setGenerator(QStringLiteral("GEN_HARNO"), std::max<qint64>(harno, db.nextGeneratorValue(QStringLiteral("GEN_HARNO"), 0)));
    return counts;
}

/// The stored months of the years before kYear: each month a copy of a made month of kYear, in
/// one statement per table and month (history for the archive, not payrolls to recompute).
void copyHistory(db::Database &db, int years, int months)
{
    if (years < 2 || months < 1)
        return;
    const auto copyStatement = [](const QString &table, const QStringList &columns) {
        QStringList select;
        for (const QString &c : columns) {
            if (c == QLatin1String("YIL"))
                select << QStringLiteral("CAST(:TOYIL AS VARCHAR(4))");
            else if (c == QLatin1String("AY"))
                select << QStringLiteral("CAST(:TOAY AS SMALLINT)");
            else
                select << c;
        }
        return QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %1 WHERE YIL=:YIL AND AY=:AY")
            .arg(table, columns.join(QLatin1Char(',')), select.join(QLatin1Char(',')));
    };
    const QString results = copyStatement(QStringLiteral("ZERMAAS"), results::resultReadColumns());
    const QString snapshots = copyStatement(QStringLiteral("ZERARSIV"), results::snapshotReadColumns());
    for (int back = 1; back < years; ++back) {
        QElapsedTimer t;
        t.start();
        db::Transaction tx(db);
        qint64 rows = 0;
        for (int month = 1; month <= 12; ++month) {
            const QVariantMap binds{{QStringLiteral("TOYIL"), QString::number(kYear - back)},
                                    {QStringLiteral("TOAY"), month},
                                    {QStringLiteral("YIL"), QString::number(kYear)},
                                    {QStringLiteral("AY"), std::min(month, months)}};
            rows += db.exec(results, binds).numRowsAffected();
            db.exec(snapshots, binds);
        }
        tx.commit();
        out() << QStringLiteral("yıl %1: %2 sonuç satırı (ve arşiv satırı), %3 ms\n")
                     .arg(kYear - back)
                     .arg(rows)
                     .arg(bench::msSince(t), 0, 'f', 0);
        out().flush();
    }
}

int makeInstitution(const QString &dirIn, int people, int unitCount, std::uint32_t seed, int months, int years)
{
    const QString dir = QDir(dirIn).absolutePath();
    const db::ConnectParams params = bench::mainParamsOf(dir);
    db::ConnectParams accounting;
    accounting.path = QDir(dir).filePath(QStringLiteral("ANALITIK.GDB"));
    if (QFileInfo::exists(params.path) || QFileInfo::exists(accounting.path)) {
        std::fprintf(stderr, "Veritabanı zaten var, üzerine yazılmaz: %s\n", qPrintable(dir));
        return 1;
    }
    QDir().mkpath(dir);

    QElapsedTimer total;
    total.start();
    QElapsedTimer t;
    t.start();
    schema::createMainDatabase(params);
    schema::createAccountingDatabase(accounting);
    db::Database db(QStringLiteral("bench-institution"));
    db.open(params);
    demo::fillDemoInstitution(db, {kYear});
    const double schemaMs = bench::msSince(t);

    t.restart();
    Counts counts;
    std::vector<int> units;
    {
        db::Transaction tx(db);
        const Reference ref = readReference(db);
        // The demo's own people give way to the generated ones.
        for (const char *table : {"COCUK", "ICRA", "HIZBOR", "ZERBORBIL", "SICIL"})
            db.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
        units = salaryUnits(db, unitCount);
        counts = writePeople(db, ref, units, people, seed);
        tx.commit();
    }
    const double peopleMs = bench::msSince(t);
    out() << QStringLiteral("kişiler: %1 ödeme kaydı, %2 birim, %3 ms (askıda %4, geçici görevli %5, sözleşmeli %6, "
                            "sendikalı %7, icralı %8, hizmet borçlu %9)\n")
                 .arg(counts.people)
                 .arg(units.size())
                 .arg(peopleMs, 0, 'f', 0)
                 .arg(counts.suspended)
                 .arg(counts.temporary)
                 .arg(counts.contract)
                 .arg(counts.unions)
                 .arg(counts.garnished)
                 .arg(counts.serviceDebts);
    if (people > kLargestPositiveKey)
        out() << QStringLiteral("not: PKAYNO SMALLINT; %1 kişi sıfırın altındaki numaralarla\n").arg(people - kLargestPositiveKey);
    out().flush();

    // The months are made the way a clerk makes them: through the payroll make path.
    const payrollrun::InstallationSettings settings = payrollrun::readInstallationSettings(db);
    WorkingContext ctx;
    payrollmake::AnswerYes yes;
    for (int month = 1; month <= months; ++month) {
        t.restart();
        payrollmake::MakeRequest request;
        request.workingYear = settings.CYIL;
        request.today = QDate(kYear, month, 15);
        request.settings = settings.engine;
        const payrollmake::MakeResult made = payrollmake::make(db, ctx, request, yes);
        if (made.outcome != payrollmake::Outcome::Written) {
            err() << QStringLiteral("ay %1 yapılamadı: %2\n").arg(month).arg(made.message);
            return 1;
        }
        out() << QStringLiteral("ay %1: %2 kişi, bordro yapımı %3 ms\n")
                     .arg(month, 2)
                     .arg(made.rows)
                     .arg(bench::msSince(t), 0, 'f', 0);
        out().flush();
    }
    copyHistory(db, years, months);
    out() << QStringLiteral("kurum: %1  kişi %2  tohum %3  yapılmış ay %4  şema ve tanımlar %5 ms  toplam %6 s\n")
                 .arg(dir)
                 .arg(people)
                 .arg(seed)
                 .arg(months)
                 .arg(schemaMs, 0, 'f', 0)
                 .arg(double(total.elapsed()) / 1000.0, 0, 'f', 1);
    return 0;
}

}  // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    bool ok1 = false, ok2 = false, ok3 = false, ok4 = false, ok5 = false;
    const int people = bench::option(args, QStringLiteral("--people"), QStringLiteral("10000")).toInt(&ok1);
    const int units = bench::option(args, QStringLiteral("--units"), QStringLiteral("20")).toInt(&ok2);
    const std::uint32_t seed = bench::option(args, QStringLiteral("--seed"), QStringLiteral("20261210")).toUInt(&ok3);
    const int months = bench::option(args, QStringLiteral("--months"), QStringLiteral("11")).toInt(&ok4);
    const int years = bench::option(args, QStringLiteral("--years"), QStringLiteral("1")).toInt(&ok5);
    if (args.size() != 1 || args.first().startsWith(QLatin1String("--")) || !ok1 || !ok2 || !ok3 || !ok4 || !ok5 ||
        people < 1 || people > 2 * kLargestPositiveKey || units < 1 || units > 3 + int(kUnitNames.size()) ||
        months < 0 || months > 11 || years < 1 || years > 30) {
        std::fprintf(stderr, "Kullanım: zeran-bench-make-institution DIR [--people N (1…65534)] [--units U (1…23)] "
                             "[--seed S] [--months M (0…11)] [--years Y (1…30)]\n");
        return 2;
    }
    try {
        return makeInstitution(args.first(), people, units, seed, months, years);
    } catch (const db::DbError &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
