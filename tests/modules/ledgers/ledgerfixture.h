#pragma once
// Small rows for the ledger tests: a person, pay records, children, debts and result rows
// with only the columns the ledgers read.

#include "database.h"

#include <QDate>
#include <QString>

namespace zeran::test::ledgers {

inline void addPerson(db::Database &db, int pkayno, const QString &adi, const QString &soyadi,
                      const QString &emsno = QStringLiteral("12345678"))
{
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI) VALUES (:PK,:TC,:EM,:AD,:SO)"),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("TC"), QStringLiteral("1000000%1").arg(pkayno, 4, 10, QLatin1Char('0'))},
             {QStringLiteral("EM"), emsno},
             {QStringLiteral("AD"), adi},
             {QStringLiteral("SO"), soyadi}});
}

inline void addPayRecord(db::Database &db, int pkayno, int bkod, int coc1, int coc2)
{
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,COC1,COC2,DIGCOC) VALUES (:PK,:BK,:PO,:C1,:C2,:DC)"),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("BK"), bkod},
             {QStringLiteral("PO"), pkayno},
             {QStringLiteral("C1"), coc1},
             {QStringLiteral("C2"), coc2},
             {QStringLiteral("DC"), coc1 + coc2}});
}

inline void addChild(db::Database &db, int pkayno, int hno, const QString &name, const QDate &birth)
{
    db.exec(QStringLiteral("INSERT INTO COCUK (PKAYNO,HNO,ADSOY,DTAR) VALUES (:PK,:HN,:AD,:DT)"),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("HN"), hno},
             {QStringLiteral("AD"), name},
             {QStringLiteral("DT"), birth.isValid() ? QVariant(birth) : QVariant(QMetaType::fromType<QDate>())}});
}

/// `table` is "ICRA" or "HIZBOR" (fixed by the tests).
inline void addDebt(db::Database &db, const QString &table, int pkayno, int harno, double tutar, double kestut,
                    const QString &dur, const QString &acik = QString())
{
    db.exec(QStringLiteral("INSERT INTO %1 (PKAYNO,HARNO,TUTAR,KESTUT,DUR,ACIK) VALUES (:PK,:HN,:TU,:KT,:DR,:AC)").arg(table),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("HN"), harno},
             {QStringLiteral("TU"), tutar},
             {QStringLiteral("KT"), kestut},
             {QStringLiteral("DR"), dur},
             {QStringLiteral("AC"), acik}});
}

/// A result row carrying only its keys and the two ledger deductions (null when negative).
inline void addResult(db::Database &db, int pkayno, int bkod, const QString &yil, int ay, const QString &tur,
                      double icra, double hizbor)
{
    auto amount = [](double v) { return v < 0 ? QVariant(QMetaType::fromType<double>()) : QVariant(v); };
    db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,ICRA,HIZBOR) "
                           "VALUES (:PK,:BK,:PO,:TR,:YL,:AY,:IC,:HB)"),
            {{QStringLiteral("PK"), pkayno},
             {QStringLiteral("BK"), bkod},
             {QStringLiteral("PO"), pkayno},
             {QStringLiteral("TR"), tur},
             {QStringLiteral("YL"), yil},
             {QStringLiteral("AY"), ay},
             {QStringLiteral("IC"), amount(icra)},
             {QStringLiteral("HB"), amount(hizbor)}});
}

inline int count(db::Database &db, const QString &sql)
{
    return db.scalar(sql).toInt();
}

}  // namespace zeran::test::ledgers
