#pragma once
// One small institution for every payroll list, working year 2026, today 20.02.2026 (run month
// February):
// - unit 1 "FEN İŞLERİ" (with signatories), unit 2 "ZABITA";
// - AYŞE ÇELİK has two pay records in unit 1 (PKOD 1, union member; PKOD 2, not a member) and
//   rows of kinds 1, 2 and 3 in January, kind 1 in February;
// - OĞUZ IŞIK's pay record (unit 1, PKOD 3) is marked "H" today; he was paid in January and
//   has a February row too;
// - MELEK AYDIN (unit 2) is a 5510 member, paid in February;
// - deductions 1 and 3 are active, 2 is passive.

#include "database.h"
#include "money.h"
#include "settingsrow.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <utility>
#include <vector>

namespace zeran::test::lists {

using Amounts = std::vector<std::pair<const char *, const char *>>;

inline void result(db::Database &db, int pk, int bk, int pkod, const char *tur, int ay, const Amounts &amounts)
{
    QStringList columns{QStringLiteral("PKAYNO"), QStringLiteral("BKOD"), QStringLiteral("PKOD"), QStringLiteral("TUR"),
                        QStringLiteral("YIL"), QStringLiteral("AY")};
    QStringList values{QStringLiteral(":PK"), QStringLiteral(":BK"), QStringLiteral(":PO"), QStringLiteral(":TU"),
                       QStringLiteral("'2026'"), QStringLiteral(":AY")};
    QVariantMap binds{{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod},
                      {QStringLiteral("TU"), QString::fromLatin1(tur)}, {QStringLiteral("AY"), ay}};
    // Every amount column a list sums starts at 0, as the payroll writes them.
    Amounts all{{"ARTIS", "0"},  {"EMKESM", "0"}, {"EMKESD", "0"}, {"MYOI", "0"},   {"MYOP", "0"},    {"GSSI", "0"},
                {"GSSP", "0"},   {"HIZBOR", "0"}, {"DVVIADE", "0"}, {"SEN1", "0"},  {"SEN2", "0"},    {"SEN3", "0"},
                {"KES1", "0"},   {"KES2", "0"},   {"KES3", "0"},    {"KES4", "0"},  {"KES5", "0"},    {"ICRA", "0"},
                {"KIRA", "0"},   {"KEFALET", "0"}, {"BES", "0"},    {"GSSMAT", "0"}, {"EKMAT", "0"},  {"VIADE", "0"},
                {"ACIKKES", "0"}, {"VEROR", "0"}, {"VERMAT", "0"},  {"GELVER", "0"}, {"DAMVER", "0"}, {"DVMAT", "0"}, {"MAAS", "0"}};
    for (const auto &[column, value] : amounts)
        for (auto &a : all)
            if (qstrcmp(a.first, column) == 0)
                a.second = value;
    for (const auto &[column, value] : all) {
        columns << QString::fromLatin1(column);
        values << QLatin1Char(':') + QString::fromLatin1(column);
        binds.insert(QString::fromLatin1(column), Money::parsePlain(QString::fromLatin1(value))->toDouble());
    }
    db.exec(QStringLiteral("INSERT INTO ZERMAAS (%1) VALUES (%2)").arg(columns.join(QLatin1Char(',')), values.join(QLatin1Char(','))),
            binds);
}

inline void person(db::Database &db, int pk, const char *tc, const char *ems, const char *adi, const char *soyadi, int ogrdur,
                   const QDate &kgt, const char *bhn)
{
    db.exec(QStringLiteral("INSERT INTO SICIL (PKAYNO,TCKNO,EMSNO,ADI,SOYADI,KGT,OGRDUR,BHN) VALUES (:PK,:TC,:EM,:AD,:SO,:KG,:OG,:BH)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("TC"), QString::fromLatin1(tc)},
             {QStringLiteral("EM"), QString::fromLatin1(ems)}, {QStringLiteral("AD"), QString::fromUtf8(adi)},
             {QStringLiteral("SO"), QString::fromUtf8(soyadi)}, {QStringLiteral("KG"), kgt}, {QStringLiteral("OG"), ogrdur},
             {QStringLiteral("BH"), QString::fromLatin1(bhn)}});
}

inline void record(db::Database &db, int pk, int bk, int pkod, int ukod, const char *durum, const char *gss, const char *sendika,
                   int senkod, int kidem)
{
    db.exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,UKOD,DURUM,GSSTUR,SENDIKA,SENKOD,KIDEM,DER,KAD,GOS,"
                           "KES1,KES2,KES3,KES4,KES5) VALUES (:PK,:BK,:PO,:UK,:DU,:GS,:SE,:SK,:KI,1,4,1500,0,0,0,0,0)"),
            {{QStringLiteral("PK"), pk}, {QStringLiteral("BK"), bk}, {QStringLiteral("PO"), pkod}, {QStringLiteral("UK"), ukod},
             {QStringLiteral("DU"), QString::fromLatin1(durum)}, {QStringLiteral("GS"), QString::fromLatin1(gss)},
             {QStringLiteral("SE"), QString::fromLatin1(sendika)},
             {QStringLiteral("SK"), senkod ? QVariant(senkod) : QVariant(QMetaType::fromType<int>())},
             {QStringLiteral("KI"), kidem}});
}

inline void fill(db::Database &db)
{
    db::Transaction tx(db);
    settingsrow::store(db, {{QStringLiteral("KURUM"), QStringLiteral("ÖRNEK BELEDİYESİ")},
                            {QStringLiteral("CYIL"), QStringLiteral("2026")},
                            {QStringLiteral("ONIZ"), QStringLiteral("E")},
                            {QStringLiteral("MKESDUR"), QStringLiteral("M")},
                            {QStringLiteral("MBORTUR"), QStringLiteral("0")}});
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF,TAS,TUN,SAS,SUN,IAS,IUN) VALUES "
                           "(1,'FEN İŞLERİ','M','N','A','ALİ VELİ','MEMUR','CAN SAYMAN','MUHASEBECİ','EROL BAŞKAN','MÜDÜR')"));
    db.exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR,AKTIF) VALUES (2,'ZABITA','M','N','A')"));
    db.exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN) VALUES (1,'MEMUR')"));
    db.exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN) VALUES (2,'ŞEF')"));
    db.exec(QStringLiteral("INSERT INTO SENDIKA (SENKOD,TUR,SENDIKA,ADRES,BHNO) VALUES (1,'M','BİRLİK SEN','ANKARA','TR120001')"));
    db.exec(QStringLiteral("INSERT INTO SENDIKA (SENKOD,TUR,SENDIKA,ADRES,BHNO) VALUES (2,'M','EMEK SEN','İZMİR','TR120002')"));
    db.exec(QStringLiteral("INSERT INTO ZERKES (HARNO,KESADI,AKTIF) VALUES (1,'LOJMAN AİDATI','A')"));
    db.exec(QStringLiteral("INSERT INTO ZERKES (HARNO,KESADI,AKTIF) VALUES (2,'KREŞ','P')"));
    db.exec(QStringLiteral("INSERT INTO ZERKES (HARNO,KESADI,AKTIF) VALUES (3,'SPOR','A')"));
    person(db, 1, "11111111110", "100", "AYŞE", "ÇELİK", 5, QDate(2010, 3, 1), "TR0001");
    person(db, 2, "22222222220", "200", "OĞUZ", "IŞIK", 3, QDate(2015, 6, 15), "TR0002");
    person(db, 3, "33333333330", "300", "MELEK", "AYDIN", 9, QDate(2020, 1, 2), "TR0003");
    record(db, 1, 1, 1, 1, "E", "E", "E", 1, 16);
    record(db, 1, 1, 2, 2, "E", "E", "H", 0, 16);
    record(db, 2, 1, 3, 1, "H", "E", "E", 1, 11);
    record(db, 3, 2, 1, 2, "E", "5", "E", 2, 6);

    result(db, 1, 1, 1, "1", 1,
           {{"MAAS", "5000"}, {"EMKESM", "100"}, {"EMKESD", "125"}, {"ARTIS", "10"}, {"HIZBOR", "5"}, {"DVVIADE", "12"}, {"SEN1", "20"},
            {"SEN2", "1.50"}, {"KES1", "30"}, {"KES3", "5"}, {"ICRA", "50"}, {"KIRA", "40"}, {"KEFALET", "3"},
            {"BES", "60"}, {"EKMAT", "2000"}, {"GSSMAT", "2100"}, {"VIADE", "80"}, {"VEROR", "15"},
            {"VERMAT", "1000"}, {"GELVER", "150"}, {"DAMVER", "7.59"}, {"DVMAT", "1000"}});
    result(db, 1, 1, 1, "2", 1,
           {{"MAAS", "100"}, {"EMKESM", "10"}, {"DVVIADE", "1"}, {"SEN1", "2"}, {"KES1", "9"}, {"ICRA", "4"}, {"KIRA", "2"}, {"KEFALET", "1"},
            {"BES", "6"}, {"VIADE", "8"}, {"VEROR", "15"}, {"VERMAT", "100"}, {"GELVER", "15"}, {"DAMVER", "0.76"},
            {"DVMAT", "100"}});
    result(db, 1, 1, 1, "3", 1, {{"VEROR", "20"}, {"VERMAT", "200"}, {"GELVER", "40"}, {"DAMVER", "1.52"}, {"DVMAT", "200"}});
    result(db, 1, 1, 2, "1", 1,
           {{"MAAS", "2000"}, {"EMKESM", "50"}, {"EMKESD", "60"}, {"KES1", "10"}, {"VIADE", "40"}, {"VEROR", "15"}, {"VERMAT", "500"},
            {"GELVER", "75"}, {"DAMVER", "3.80"}, {"DVMAT", "500"}});
    result(db, 1, 1, 1, "1", 2,
           {{"MAAS", "5100"}, {"EMKESM", "110"}, {"EMKESD", "130"}, {"SEN1", "20"}, {"KES1", "30"}, {"ICRA", "50"}, {"KIRA", "40"},
            {"VIADE", "80"}, {"VEROR", "15"}, {"VERMAT", "1100"}, {"GELVER", "165"}, {"DAMVER", "8.35"}, {"DVMAT", "1100"}});
    for (int month : {1, 2})
        result(db, 2, 1, 3, "1", month,
               {{"MAAS", "3000"}, {"EMKESM", "70"}, {"EMKESD", "80"}, {"SEN1", "15"}, {"KES1", "8"}, {"ICRA", "20"}, {"KIRA", "30"},
                {"KEFALET", "2"}, {"DVVIADE", "9"}, {"BES", "25"}, {"VIADE", "35"}, {"ACIKKES", "25"}, {"VEROR", "15"},
                {"VERMAT", "300"}, {"GELVER", "45"}, {"DAMVER", "2.28"}, {"DVMAT", "300"}});
    result(db, 3, 2, 1, "1", 2,
           {{"MAAS", "4000"}, {"MYOI", "110"}, {"MYOP", "90"}, {"GSSI", "75"}, {"GSSP", "50"}, {"SEN1", "12"}, {"BES", "30"},
            {"GSSMAT", "1000"}, {"VIADE", "50"}, {"VEROR", "15"}, {"VERMAT", "1000"}, {"GELVER", "150"},
            {"DAMVER", "7.59"}, {"DVMAT", "1000"}});
    tx.commit();
}

}  // namespace zeran::test::lists
