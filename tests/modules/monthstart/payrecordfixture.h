#pragma once
// Small rows for the month-start and promotion tests: people, pay records with the columns the
// checks and the promotion list read, archive rows of a month, children.

#include "database.h"
#include "testsupport.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <optional>

namespace zeran::test::payfixture {

inline QVariant orNull(const std::optional<int> &v)
{
    return v ? QVariant(*v) : QVariant(QMetaType::fromType<int>());
}

inline QVariant dateOrNull(const QDate &d)
{
    return d.isValid() ? QVariant(d) : QVariant(QMetaType::fromType<QDate>());
}

struct Db {
    explicit Db(Mode mode = Mode::Embedded) : fresh(mode), db(uniqueName("payfixture")) { db.open(fresh.params); }
    FreshDatabase fresh;
    db::Database db;

    int count(const QString &sql, const QVariantMap &binds = {}) { return db.scalar(sql, binds).toInt(); }

    void unit(int bkod, const QString &name = QStringLiteral("BİRİM"), const QString &tur = QStringLiteral("M"))
    {
        db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (:BK,:AD,:TR,'N','A')"),
                {{QStringLiteral("BK"), bkod}, {QStringLiteral("AD"), name}, {QStringLiteral("TR"), tur}});
    }

    void person(int pkayno, const QString &adi = QStringLiteral("AHMET"), const QString &soyadi = QStringLiteral("ÖZTÜRK"))
    {
        db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI) VALUES (:PK,:TC,:EM,:AD,:SO)"),
                {{QStringLiteral("PK"), pkayno},
                 {QStringLiteral("TC"), QStringLiteral("1000000%1").arg(pkayno, 4, 10, QLatin1Char('0'))},
                 {QStringLiteral("EM"), QStringLiteral("E%1").arg(pkayno)},
                 {QStringLiteral("AD"), adi},
                 {QStringLiteral("SO"), soyadi}});
    }

    /// A pay record; the promotion columns given, the rest empty.
    void record(int pkayno, int bkod, int pkod, const QDate &tertar = {}, std::optional<int> tfa = {},
                std::optional<int> gf = {}, std::optional<int> kidart = {}, std::optional<int> ekgf = {})
    {
        db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM,TERTAR,TFA,GF,KIDART,EKGF) "
                               "VALUES (:PK,:BK,:PO,'E',:TT,:TF,:GF,:KA,:EK)"),
                {{QStringLiteral("PK"), pkayno},
                 {QStringLiteral("BK"), bkod},
                 {QStringLiteral("PO"), pkod},
                 {QStringLiteral("TT"), dateOrNull(tertar)},
                 {QStringLiteral("TF"), orNull(tfa)},
                 {QStringLiteral("GF"), orNull(gf)},
                 {QStringLiteral("KA"), orNull(kidart)},
                 {QStringLiteral("EK"), orNull(ekgf)}});
    }

    /// Sets plain columns of a pay record (the test's own constants).
    void set(int pkayno, int bkod, const QString &assignments)
    {
        db.exec(QStringLiteral("UPDATE ZERBORBIL SET %1 WHERE PKAYNO=:PK AND BKOD=:BK").arg(assignments),
                {{QStringLiteral("PK"), pkayno}, {QStringLiteral("BK"), bkod}});
    }

    /// A monthly archive row with its promotion columns.
    void archive(int pkayno, int bkod, int pkod, int year, int month, std::optional<int> tfa, std::optional<int> gf,
                 std::optional<int> kidart, const QString &tur = QStringLiteral("1"))
    {
        db.exec(QStringLiteral("INSERT INTO ZERARSIV (PKAYNO,BKOD,PKOD,TUR,YIL,AY,TFA,GF,KIDART) "
                               "VALUES (:PK,:BK,:PO,:TR,:YL,:AY,:TF,:GF,:KA)"),
                {{QStringLiteral("PK"), pkayno},
                 {QStringLiteral("BK"), bkod},
                 {QStringLiteral("PO"), pkod},
                 {QStringLiteral("TR"), tur},
                 {QStringLiteral("YL"), QString::number(year)},
                 {QStringLiteral("AY"), month},
                 {QStringLiteral("TF"), orNull(tfa)},
                 {QStringLiteral("GF"), orNull(gf)},
                 {QStringLiteral("KA"), orNull(kidart)}});
    }

    void child(int pkayno, int hno, const QDate &birth)
    {
        db.exec(QStringLiteral("INSERT INTO COCUK (PKAYNO,HNO,ADSOY,DTAR) VALUES (:PK,:HN,'ÇOCUK',:DT)"),
                {{QStringLiteral("PK"), pkayno}, {QStringLiteral("HN"), hno}, {QStringLiteral("DT"), dateOrNull(birth)}});
    }
};

}  // namespace zeran::test::payfixture
