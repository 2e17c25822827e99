#pragma once
// A small institution for the bank tests: four units, people paid in one or two units, with
// additional and difference payrolls, withheld pay, and the people the bank list must leave
// out (no account, excluded, only a difference, nothing paid). January 2026.

#include "database.h"
#include "resultstore.h"
#include "settingsrow.h"

#include <QString>

namespace zeran::test::bank {

inline constexpr int kYazi = 1, kFen = 2, kMeclis = 3;

inline Money lira(const char *plain)
{
    return Money::parsePlain(QString::fromLatin1(plain)).value();
}

inline void addUnit(db::Database &db, int bkod, const QString &name, const QString &mtur)
{
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF,SAS,SUN) VALUES (:BK,:AD,'M',:MT,'A',:SA,:SU)"),
            {{QStringLiteral("BK"), bkod},
             {QStringLiteral("AD"), name},
             {QStringLiteral("MT"), mtur},
             {QStringLiteral("SA"), QStringLiteral("MUHASEBECİ %1").arg(bkod)},
             {QStringLiteral("SU"), QStringLiteral("Mali Hizmetler Müdürü")}});
}

inline void addPerson(db::Database &db, int pkayno, const QString &adi, const QString &soyadi, const QString &bhn,
                      const QString &mbkod = QStringLiteral("Evet"))
{
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,BHN,INO,MBKOD) "
                           "VALUES (:PK,:TC,:EM,:AD,:SO,:BH,:IN,:MB)"),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("TC"), QStringLiteral("1000000%1").arg(pkayno, 4, 10, QLatin1Char('0'))},
             {QStringLiteral("EM"), QStringLiteral("E%1").arg(pkayno)},
             {QStringLiteral("AD"), adi},
             {QStringLiteral("SO"), soyadi},
             {QStringLiteral("BH"), bhn},
             {QStringLiteral("IN"), QStringLiteral("TR3300061005197864578413%1").arg(pkayno, 2, 10, QLatin1Char('0'))},
             {QStringLiteral("MB"), mbkod}});
}

inline void addResult(db::Database &db, int pkayno, int bkod, results::PayrollKind kind, const char *maas,
                      const char *acikkes = "0", int month = 1, const char *ozelkes = "0", const QString &year = QStringLiteral("2026"))
{
    results::ResultRow r;
    r.key.PKAYNO = pkayno;
    r.key.BKOD = bkod;
    r.key.PKOD = pkayno;
    r.key.TUR = kind;
    r.key.YIL = year;
    r.key.AY = month;
    r.MAAS = lira(maas);
    r.ACIKKES = lira(acikkes);
    r.OZELKES = lira(ozelkes);
    results::insertResultRow(db, r);
}

inline void settings(db::Database &db)
{
    settingsrow::store(db, {{QStringLiteral("KURUM"), QStringLiteral("ÖRNEK BELEDİYESİ")},
                            {QStringLiteral("CYIL"), QStringLiteral("2026")},
                            {QStringLiteral("KMUSNO"), QStringLiteral("4815162")},
                            {QStringLiteral("SBKOD"), QStringLiteral("0712")},
                            {QStringLiteral("KHESNO"), QStringLiteral("07120000123")},
                            {QStringLiteral("TTBA"), QStringLiteral("ÖRNEK BANKASI")},
                            {QStringLiteral("TTSA"), QStringLiteral("GÖLBAŞI ŞUBESİ")},
                            {QStringLiteral("BDTUR"), QStringLiteral("T")},
                            {QStringLiteral("MKESDUR"), QStringLiteral("M")},
                            {QStringLiteral("MBORTUR"), QStringLiteral("0")},
                            {QStringLiteral("ONIZ"), QStringLiteral("E")},
                            {QStringLiteral("MAIL"), QStringLiteral("maas@ornek.bel.tr")},
                            {QStringLiteral("BMAIL"), QStringLiteral("banka@ornekbank.com.tr")},
                            {QStringLiteral("MHOST"), QStringLiteral("127.0.0.1:1")}});
}

/// The people paid through the bank: ALİ (monthly and additional payroll in one unit, both
/// kinds of difference), AYŞE (two units, withheld pay with four decimals, a difference in the
/// second unit) and MEHMET; with `everyone`, also those the file leaves out.
inline void fill(db::Database &db, bool everyone = true)
{
    using K = results::PayrollKind;
    db::Transaction work(db);
    settings(db);
    addUnit(db, kYazi, QStringLiteral("YAZI İŞLERİ"), QStringLiteral("N"));
    addUnit(db, kFen, QStringLiteral("FEN İŞLERİ"), QStringLiteral("N"));
    addUnit(db, kMeclis, QStringLiteral("MECLİS"), QStringLiteral("M"));

    addPerson(db, 1, QStringLiteral("ALİ"), QStringLiteral("YILMAZ"), QStringLiteral("11111111-1001"));
    addResult(db, 1, kYazi, K::Monthly, "1000.00");
    addResult(db, 1, kYazi, K::Additional, "200.00");
    addResult(db, 1, kYazi, K::Difference, "100.00");
    addResult(db, 1, kYazi, K::InflationDifference, "20.00");
    addResult(db, 1, kYazi, K::Monthly, "999.00", "0", 2);  // another month
    addResult(db, 1, kYazi, K::Monthly, "888.00", "0", 1, "0", QStringLiteral("2025"));  // another year

    addPerson(db, 2, QStringLiteral("AYŞE"), QStringLiteral("KAYA"), QStringLiteral("22222222-2002"), QStringLiteral("E"));
    addResult(db, 2, kYazi, K::Monthly, "800.00", "10.5555", 1, "30.00");
    addResult(db, 2, kFen, K::Monthly, "600.00");
    addResult(db, 2, kFen, K::InflationDifference, "50.00", "5.00");

    addPerson(db, 8, QStringLiteral("MEHMET"), QStringLiteral("ÖZ"), QStringLiteral("88888888-8008"));
    addResult(db, 8, kFen, K::Monthly, "900.00");

    if (everyone) {
        addPerson(db, 3, QStringLiteral("FARKLI"), QStringLiteral("KİŞİ"), QStringLiteral("33333333-3003"));
        addResult(db, 3, kYazi, K::Difference, "300.00");
        addPerson(db, 4, QStringLiteral("HESAPSIZ"), QStringLiteral("KİŞİ"), QString());
        addResult(db, 4, kYazi, K::Monthly, "500.00");
        addPerson(db, 5, QStringLiteral("ÇIKARILMIŞ"), QStringLiteral("KİŞİ"), QStringLiteral("55555555-5005"), QStringLiteral("H"));
        addResult(db, 5, kYazi, K::Monthly, "500.00");
        addPerson(db, 6, QStringLiteral("MECLİS"), QStringLiteral("ÜYESİ"), QStringLiteral("66666666-6006"));
        addResult(db, 6, kMeclis, K::Council, "700.00");
        addPerson(db, 7, QStringLiteral("ÖDENMEYEN"), QStringLiteral("KİŞİ"), QStringLiteral("77777777-7007"));
        addResult(db, 7, kYazi, K::Monthly, "0");
    }
    work.commit();
}

}  // namespace zeran::test::bank
