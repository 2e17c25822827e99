#pragma once
// A small institution for the leave tests: units 1 and 2 of this system and unit 3 of the
// sibling program; person 1 has two paid pay records in unit 1, person 2 a paid one and
// person 3 an unpaid one in unit 1, person 4 works in unit 2.

#include "database.h"

#include <QDate>
#include <QString>

namespace zeran::test::leave {

inline void unit(db::Database &db, int bkod, const char *name, const char *tur, const char *aktif)
{
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (:BK,:AD,:TU,'N',:AK)"),
            {{QStringLiteral("BK"), bkod}, {QStringLiteral("AD"), QString::fromUtf8(name)},
             {QStringLiteral("TU"), QString::fromLatin1(tur)}, {QStringLiteral("AK"), QString::fromLatin1(aktif)}});
}

inline void person(db::Database &db, int pk, const char *adi, const char *soyadi, const char *tel)
{
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,TEL1) VALUES (:PK,:TC,:EM,:AD,:SO,:TE)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("TC"), QStringLiteral("1000000000%1").arg(pk)},
             {QStringLiteral("EM"), QStringLiteral("EM-%1").arg(pk)}, {QStringLiteral("AD"), QString::fromUtf8(adi)},
             {QStringLiteral("SO"), QString::fromUtf8(soyadi)}, {QStringLiteral("TE"), QString::fromLatin1(tel)}});
}

inline void record(db::Database &db, int pk, int bk, int pkod, const char *durum)
{
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,GSSTUR) VALUES (:PK,:BK,:PO,1,:DU,'E')"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod},
             {QStringLiteral("DU"), QString::fromLatin1(durum)}});
}

inline void entitlement(db::Database &db, int pk, const char *year, int gun, int devir)
{
    db.exec(QStringLiteral("INSERT INTO IZINMIKTAR (PKAYNO,YIL,GUN,DEVIR) VALUES (:PK,:YL,:GN,:DV)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("YL"), QString::fromLatin1(year)},
             {QStringLiteral("GN"), gun}, {QStringLiteral("DV"), devir}});
}

inline void fillInstitution(db::Database &db)
{
    db::Transaction tx(db);
    unit(db, 1, "FEN İŞLERİ", "M", "A");
    unit(db, 2, "ZABITA", "M", "A");
    unit(db, 3, "İŞÇİ BİRİMİ", "I", "A");
    db.exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN) VALUES (1,'MEMUR')"));
    person(db, 1, "AYŞE", "ÇELİK", "0232 111");
    person(db, 2, "OĞUZ", "IŞIK", "0232 222");
    person(db, 3, "ŞÜKRÜ", "ÖZ", "");
    person(db, 4, "MELEK", "AYDIN", "");
    record(db, 1, 1, 1, "E");
    record(db, 1, 1, 2, "E");
    record(db, 2, 1, 3, "E");
    record(db, 3, 1, 4, "H");
    record(db, 4, 2, 1, "E");
    tx.commit();
}

}  // namespace zeran::test::leave
