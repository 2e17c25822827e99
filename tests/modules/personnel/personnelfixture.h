#pragma once
// A small institution for the personnel tests: units, persons and pay records written
// straight into a fresh database.

#include "database.h"
#include "testsupport.h"

#include <QDate>

namespace zeran::test {

struct PersonnelFixture {
    FreshDatabase fresh;
    db::Database db{uniqueName("personnel")};

    explicit PersonnelFixture(Mode mode = Mode::Embedded) : fresh(mode) { db.open(fresh.params); }

    void unit(int bkod, const QString &name, const QString &tur = QStringLiteral("M"),
              const QString &aktif = QStringLiteral("A"), const QString &mtur = QStringLiteral("N"))
    {
        db.exec(QStringLiteral("INSERT INTO BIRIM(BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES(:BK,:BR,:TUR,:MT,:AK)"),
                {{QStringLiteral("BK"), bkod},
                 {QStringLiteral("BR"), name},
                 {QStringLiteral("TUR"), tur},
                 {QStringLiteral("MT"), mtur},
                 {QStringLiteral("AK"), aktif}});
    }

    void person(int pkayno, const QString &adi, const QString &soyadi, const QString &emsno = QString(),
                const QDate &kgt = {}, const QString &cins = QStringLiteral("E"))
    {
        db.exec(QStringLiteral("INSERT INTO SICIL(PKAYNO,TCKNO,EMSNO,ADI,SOYADI,KGT,CINS) "
                               "VALUES(:PK,:TC,:EM,:AD,:SO,:KGT,:CI)"),
                {{QStringLiteral("PK"), pkayno},
                 {QStringLiteral("TC"), QStringLiteral("1000000%1").arg(pkayno, 4, 10, QLatin1Char('0'))},
                 {QStringLiteral("EM"), emsno.isEmpty() ? QStringLiteral("E%1").arg(pkayno) : emsno},
                 {QStringLiteral("AD"), adi},
                 {QStringLiteral("SO"), soyadi},
                 {QStringLiteral("KGT"), kgt.isValid() ? QVariant(kgt) : QVariant(QMetaType::fromType<QDate>())},
                 {QStringLiteral("CI"), cins}});
        db.setGenerator(QStringLiteral("GEN_PKAYNO"), pkayno);
    }

    void payRecord(int pkayno, int bkod, int pkod, const QString &durum = QStringLiteral("E"),
                   const QVariant &kidem = QVariant(QMetaType::fromType<int>()), const QString &mhal = QStringLiteral("2"))
    {
        db.exec(QStringLiteral("INSERT INTO ZERBORBIL(PKAYNO,BKOD,PKOD,DURUM,KIDEM,MHAL,GSSTUR,PERTUR) "
                               "VALUES(:PK,:BK,:PKOD,:DU,:KI,:MH,'E','M')"),
                {{QStringLiteral("PK"), pkayno},
                 {QStringLiteral("BK"), bkod},
                 {QStringLiteral("PKOD"), pkod},
                 {QStringLiteral("DU"), durum},
                 {QStringLiteral("KI"), kidem},
                 {QStringLiteral("MH"), mhal}});
    }

    int count(const QString &sql, const QVariantMap &binds = {}) { return db.scalar(sql, binds).toInt(); }
    QString text(const QString &sql, const QVariantMap &binds = {}) { return db.scalar(sql, binds).toString().trimmed(); }
};

}  // namespace zeran::test
