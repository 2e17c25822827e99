#pragma once
// A small institution for the personnel detail workbook, working year 2026, latest month March:
// AYŞE (paid, married, spouse not working, two children up to six and one older) with a
// difference row read before her salary row in March; OĞUZ not paid ("H"); MELEK with an
// unknown family code and no result row.

#include "database.h"
#include "money.h"
#include "settingsrow.h"

namespace zeran::test::personnelexport {

inline void result(db::Database &db, int pk, int pkod, const char *tur, int ay, const char *aile)
{
    db.exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,AILEYRD,COCYRD,COCYRD1,VIADE,FAZMES,KAZ6,SEN1,SEN2,SEN3) "
                           "VALUES (:PK,1,:PO,:TU,'2026',:AY,:AI,100,50.25,80.13,300,1500,20,1.5,0)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("PO"), pkod}, {QStringLiteral("TU"), QString::fromLatin1(tur)},
             {QStringLiteral("AY"), ay}, {QStringLiteral("AI"), Money::parsePlain(QString::fromLatin1(aile))->toDouble()}});
}

inline void fill(db::Database &db)
{
    db::Transaction tx(db);
    settingsrow::store(db, {{QStringLiteral("KURUM"), QStringLiteral("ÖRNEK BELEDİYESİ")},
                            {QStringLiteral("CYIL"), QStringLiteral("2026")}});
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (1,'FEN İŞLERİ','M','N','A')"));
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (2,'ZABITA','M','N','A')"));
    db.exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN) VALUES (1,'MÜHENDİS')"));
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,KGT,OGRDUR) VALUES (1,'1','100','AYŞE','ÇELİK','2010-03-01',5)"));
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,KGT,OGRDUR) VALUES (2,'2','200','OĞUZ','IŞIK','2015-06-15',3)"));
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,OGRDUR) VALUES (3,'3','300','MELEK','AYDIN',NULL)"));
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,SNFKOD,DER,KAD,EGOS,YOP,OHT,EKOD,MHAL,ESI,COC1,COC2,KIDEM) "
                           "VALUES (1,1,1,1,'E',1,1,4,3600,2000,80,25,'1','2',2,1,16)"));
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,DER,KAD,MHAL,ESI) VALUES (2,1,2,1,'H',3,2,'2','1')"));
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,DER,KAD,MHAL,ESI) VALUES (3,2,1,1,'E',5,1,'9','')"));
    result(db, 1, 1, "1", 2, "111");
    result(db, 1, 1, "2", 3, "999");
    result(db, 1, 1, "1", 3, "250.50");
    result(db, 2, 2, "1", 3, "77");
    tx.commit();
}

}  // namespace zeran::test::personnelexport
