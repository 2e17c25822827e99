#pragma once
// A small institution for the contribution tests: two units, four people; person 1 is paid in
// both units in March 2026 (retirement fund), person 2 is a suspended 5510 member, person 3
// has result rows but no snapshot, person 4 works in unit 2.

#include "database.h"
#include "money.h"

#include <QDate>
#include <QString>

namespace zeran::test::contributions {

inline Money amount(const char *text)
{
    return *Money::parsePlain(QString::fromLatin1(text));
}

inline void person(db::Database &db, int pk, const char *tc, const char *ems, const char *adi, const char *soyadi,
                   const QDate &kgt)
{
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,KGT,OGRDUR,IHGUN) "
                           "VALUES (:PK,:TC,:EM,:AD,:SO,:KG,3,'12')"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("TC"), QString::fromLatin1(tc)},
             {QStringLiteral("EM"), QString::fromLatin1(ems)}, {QStringLiteral("AD"), QString::fromUtf8(adi)},
             {QStringLiteral("SO"), QString::fromUtf8(soyadi)}, {QStringLiteral("KG"), kgt}});
}

inline void record(db::Database &db, int pk, int bk, int pkod, const char *durum, const char *gss)
{
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,GSSTUR,MDER,MKAD,EGOS,KIDEM) "
                           "VALUES (:PK,:BK,:PO,1,:DU,:GS,1,4,3600,16)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod},
             {QStringLiteral("DU"), QString::fromLatin1(durum)}, {QStringLiteral("GS"), QString::fromLatin1(gss)}});
}

inline void result(db::Database &db, int pk, int bk, int pkod, const char *tur, const char *emkesm, const char *aytut)
{
    db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,EMKESM,EMKESD,AYTUT,GSSMAT,DVVIADE) "
                           "VALUES (:PK,:BK,:PO,:TU,'2026',3,:EM,:EM,:AT,0,10)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod},
             {QStringLiteral("TU"), QString::fromLatin1(tur)}, {QStringLiteral("EM"), amount(emkesm).toDouble()},
             {QStringLiteral("AT"), amount(aytut).toDouble()}});
}

inline void snapshot(db::Database &db, int pk, int bk, int pkod, const char *gss, const QDate &tertar, int megos)
{
    db.exec(QStringLiteral("INSERT INTO ZERARSIV (PKAYNO,BKOD,PKOD,TUR,YIL,AY,GSSTUR,TERTAR,MDER,MKAD,MEGOS,DER,KAD,EGOS) "
                           "VALUES (:PK,:BK,:PO,'1','2026',3,:GS,:TT,1,4,:MG,1,3,3600)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod},
             {QStringLiteral("GS"), QString::fromLatin1(gss)},
             {QStringLiteral("TT"), tertar.isValid() ? QVariant(tertar) : QVariant(QMetaType::fromType<QDate>())},
             {QStringLiteral("MG"), megos ? QVariant(megos) : QVariant(QMetaType::fromType<int>())}});
}

inline void fillInstitution(db::Database &db)
{
    db::Transaction tx(db);
    for (auto [bkod, name] : {std::pair{1, "FEN İŞLERİ"}, std::pair{2, "ZABITA"}})
        db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF,SAS,SUN) VALUES (:BK,:AD,'M','N','A',:SA,:SU)"),
                {{QStringLiteral("BK"), bkod}, {QStringLiteral("AD"), QString::fromUtf8(name)},
                 {QStringLiteral("SA"), QStringLiteral("SAYMAN %1").arg(bkod)}, {QStringLiteral("SU"), QStringLiteral("MUHASEBECİ")}});
    db.exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN) VALUES (1,'BİLGİSAYAR İŞLETMENİ UZM')"));
    person(db, 1, "12345678901", "12 345 678", "AYŞE", "ÇELİK", QDate(2010, 3, 1));
    person(db, 2, "10000000146", "2 0001", "OĞUZ", "IŞIK", QDate(2016, 12, 10));
    person(db, 3, "20000000000", "300", "ŞÜKRÜ", "ÖZ", QDate(2015, 1, 1));
    person(db, 4, "30000000000", "400", "MELEK", "AYDIN", QDate(2015, 1, 1));
    record(db, 1, 1, 3, "E", "E");
    record(db, 1, 2, 1, "E", "E");
    record(db, 2, 1, 5, "A", "5");
    record(db, 3, 1, 6, "E", "E");
    record(db, 4, 2, 2, "E", "E");
    result(db, 1, 1, 3, "1", "1000.50", "0");
    result(db, 1, 2, 1, "1", "234.06", "0");
    result(db, 2, 1, 5, "1", "0", "15000");
    result(db, 3, 1, 6, "1", "500", "0");
    snapshot(db, 1, 1, 3, "E", QDate(2025, 3, 5), 800);
    snapshot(db, 1, 2, 1, "E", QDate(2025, 3, 5), 800);
    snapshot(db, 2, 1, 5, "5", QDate(), 0);
    db.exec(QStringLiteral("INSERT INTO VEROR (YIL,DON,ASUCR) VALUES ('2026','1',20002.5)"));
    db.exec(QStringLiteral("INSERT INTO VEROR (YIL,DON,ASUCR) VALUES ('2026','2',22104)"));
    tx.commit();
}

}  // namespace zeran::test::contributions
