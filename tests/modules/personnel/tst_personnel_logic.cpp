// Years of service, the identity program's answer file and what the record takes over
// from it, the choice lists' codes and the prefix search of the lists.

#include "codes.h"
#include "identity.h"
#include "personsearch.h"
#include "seniority.h"

#include <QStringEncoder>
#include <QtTest>

using namespace zeran::personnel;

class TestPersonnelLogic : public QObject {
    Q_OBJECT

private slots:
    void seniorityYears_data()
    {
        QTest::addColumn<QDate>("entry");
        QTest::addColumn<QDate>("today");
        QTest::addColumn<QString>("years");
        QTest::newRow("nine years and a half month short of ten")
            << QDate(2016, 3, 1) << QDate(2026, 2, 15) << "09";
        QTest::newRow("entered today") << QDate(2026, 2, 15) << QDate(2026, 2, 15) << "00";
        // The day count read as a date from 30.12.1899 reaches 1901 only after 367 days.
        QTest::newRow("366 days") << QDate(2025, 2, 15) << QDate(2026, 2, 16) << "00";
        QTest::newRow("367 days") << QDate(2025, 2, 15) << QDate(2026, 2, 17) << "01";
        QTest::newRow("thirty years") << QDate(1990, 1, 2) << QDate(2026, 2, 15) << "36";
        QTest::newRow("tomorrow") << QDate(2026, 2, 16) << QDate(2026, 2, 15) << "00";
        QTest::newRow("two years ahead") << QDate(2028, 2, 16) << QDate(2026, 2, 15) << "00";
        QTest::newRow("no entry date") << QDate() << QDate(2026, 2, 15) << "";
    }
    void seniorityYears()
    {
        QFETCH(QDate, entry);
        QFETCH(QDate, today);
        QFETCH(QString, years);
        QCOMPARE(zeran::personnel::seniorityYears(entry, today), years);
    }

    void seniorityMismatch_data()
    {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("kidem");  // -1: NULL
        QTest::addColumn<bool>("warn");
        QTest::newRow("equal") << "09" << 9 << false;
        QTest::newRow("one more on the pay record") << "09" << 10 << true;
        QTest::newRow("NULL against 00") << "00" << -1 << false;
        QTest::newRow("NULL against 05") << "05" << -1 << true;
        QTest::newRow("no entry date") << "" << 7 << false;
    }
    void seniorityMismatch()
    {
        QFETCH(QString, shown);
        QFETCH(int, kidem);
        QFETCH(bool, warn);
        QCOMPARE(zeran::personnel::seniorityMismatch(shown, kidem < 0 ? std::nullopt : std::optional<int>(kidem)), warn);
    }

    void identityNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::newRow("11 digits") << "12345678901" << true;
        QTest::newRow("10 digits") << "1234567890" << false;
        QTest::newRow("12 digits") << "123456789012" << false;
        QTest::newRow("a letter") << "1234567890A" << false;
        QTest::newRow("a leading dash") << "-1234567890" << false;
        QTest::newRow("other digits") << QString::fromUtf8("١٢٣٤٥٦٧٨٩٠١") << false;
        QTest::newRow("empty") << "" << false;
    }
    void identityNumber()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QCOMPARE(isIdentityNumber(text), ok);
    }

    void answerWithAddress()
    {
        const QStringList lines{"HK1:0", "", "12345678901", "ŞÜKRÜ", "ÇELİK", "İSMAİL", "GÜLŞEN", "EVLİ",
                                "7/4/1981", "ERKEK", "ÇANKIRI", "HK2:0", "x", "y", "ANKARA", "6", "GÖLBAŞI",
                                "1744", "BELDE", "55", "KÖY", "KARAGEDİK MAH.", "102", "ÖRNEK SK.", "9001", "12", "3"};
        const IdentityReading r = readIdentityAnswer(lines, QStringLiteral("12345678901"));
        QCOMPARE(r.kind, IdentityReading::Kind::Answer);
        const IdentityAnswer &a = r.answer;
        QCOMPARE(a.TCKNO, QStringLiteral("12345678901"));
        QCOMPARE(a.ADI, QStringLiteral("ŞÜKRÜ"));
        QCOMPARE(a.SOYADI, QStringLiteral("ÇELİK"));
        QCOMPARE(a.BABA, QStringLiteral("İSMAİL"));
        QCOMPARE(a.ANA, QStringLiteral("GÜLŞEN"));
        QCOMPARE(a.medeniHal, QStringLiteral("EVLİ"));
        QCOMPARE(a.dogumTarihi, QDate(1981, 4, 7));
        QCOMPARE(a.cinsiyet, QStringLiteral("ERKEK"));
        QCOMPARE(a.dogumYeri, QStringLiteral("ÇANKIRI"));
        QVERIFY(a.addressFound);
        QCOMPARE(a.il, QStringLiteral("ANKARA"));
        QCOMPARE(a.ilKod, QStringLiteral("6"));
        QCOMPARE(a.ilce, QStringLiteral("GÖLBAŞI"));
        QCOMPARE(a.ilceKod, QStringLiteral("1744"));
        QCOMPARE(a.belde, QStringLiteral("BELDE"));
        QCOMPARE(a.beldeKod, QStringLiteral("55"));
        QCOMPARE(a.koy, QStringLiteral("KÖY"));
        QCOMPARE(a.mahalle, QStringLiteral("KARAGEDİK MAH."));
        QCOMPARE(a.mahalleKod, QStringLiteral("102"));
        QCOMPARE(a.cadde, QStringLiteral("ÖRNEK SK."));
        QCOMPARE(a.caddeKod, QStringLiteral("9001"));
        QCOMPARE(a.disKapi, QStringLiteral("12"));
        QCOMPARE(a.icKapi, QStringLiteral("3"));
        QVERIFY(a.addressError.isEmpty());
    }

    void answerKinds_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("error");
        using K = IdentityReading::Kind;
        QTest::newRow("query failed") << QStringList{"HK1:1", "Kimlik No bulunamadı"} << int(K::QueryFailed)
                                      << "Kimlik No bulunamadı";
        QTest::newRow("another number") << QStringList{"HK1:0", "", "10987654321", "ALİ"} << int(K::Mismatch) << "";
        QTest::newRow("number missing") << QStringList{"HK1:0"} << int(K::Mismatch) << "";
        QTest::newRow("unknown status") << QStringList{"HATA", "", "12345678901"} << int(K::Unrecognised) << "";
        QTest::newRow("empty file") << QStringList{} << int(K::Unrecognised) << "";
    }
    void answerKinds()
    {
        QFETCH(QStringList, lines);
        QFETCH(int, kind);
        QFETCH(QString, error);
        const IdentityReading r = readIdentityAnswer(lines, QStringLiteral("12345678901"));
        QCOMPARE(int(r.kind), kind);
        QCOMPARE(r.errorText, error);
    }

    void addressQueryFailed()
    {
        const QStringList lines{"HK1:0", "", "12345678901", "ALİ", "VELİ", "", "", "", "1/1/1970", "", "",
                                "HK2:1", "Adres kaydı yok", "ANKARA", "6"};
        const IdentityReading r = readIdentityAnswer(lines, QStringLiteral("12345678901"));
        QCOMPARE(r.kind, IdentityReading::Kind::Answer);
        QVERIFY(!r.answer.addressFound);
        QCOMPARE(r.answer.addressError, QStringLiteral("Adres kaydı yok"));
        QVERIFY(r.answer.il.isEmpty());
        QVERIFY(r.answer.ilKod.isEmpty());
        QVERIFY(zeran::personnel::takeOverAddress(r.answer).isEmpty());
    }

    void takeOverAddress_data()
    {
        QTest::addColumn<QStringList>("parts");  // belde, köy, mahalle, cadde, dış kapı, iç kapı
        QTest::addColumn<QString>("address");
        QTest::newRow("every part") << QStringList{"BELDE", "KÖY", "MAH.", "SK.", "12", "3"} << "BELDE KÖY MAH. SK. 12/3";
        QTest::newRow("no town, no village") << QStringList{"", "", "KARAGEDİK MAH.", "ÖRNEK SK.", "12", "3"}
                                             << "KARAGEDİK MAH. ÖRNEK SK. 12/3";
        QTest::newRow("no village between") << QStringList{"BELDE", "", "MAH.", "SK.", "12", ""} << "BELDE MAH. SK. 12";
        QTest::newRow("no inner door") << QStringList{"", "", "MAH.", "SK.", "12", ""} << "MAH. SK. 12";
        QTest::newRow("blank parts") << QStringList{" ", "", "MAH.", " ", "12", " "} << "MAH. 12";
        QTest::newRow("nothing") << QStringList{"", "", "", "", "", ""} << "";
    }
    void takeOverAddress()
    {
        QFETCH(QStringList, parts);
        QFETCH(QString, address);
        IdentityAnswer a;
        a.belde = parts[0];
        a.koy = parts[1];
        a.mahalle = parts[2];
        a.cadde = parts[3];
        a.disKapi = parts[4];
        a.icKapi = parts[5];
        QCOMPARE(zeran::personnel::takeOverAddress(a), address);
    }

    void fileLines_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("lines");
        const QStringList expected{"HK1:0", "", "ŞİĞ ÜÖÇ ışı"};
        QTest::newRow("CR LF, UTF-8") << QString::fromUtf8("HK1:0\r\n\r\nŞİĞ ÜÖÇ ışı\r\n").toUtf8() << expected;
        QTest::newRow("byte order mark, LF")
            << QByteArray("\xEF\xBB\xBF") + QString::fromUtf8("HK1:0\n\nŞİĞ ÜÖÇ ışı").toUtf8() << expected;
        QStringEncoder win("windows-1254");
        QTest::newRow("Windows Turkish code page")
            << QByteArray(win.encode(QString::fromUtf8("HK1:0\r\n\r\nŞİĞ ÜÖÇ ışı\r\n"))) << expected;
        QTest::newRow("padded lines") << QByteArray("  HK1:0  \r\n\t\r\n 12345678901 \r\n")
                                      << QStringList{"HK1:0", "", "12345678901"};
    }
    void fileLines()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, lines);
        QCOMPARE(identityFileLines(content), lines);
    }

    void slashDate_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QDate>("date");
        QTest::newRow("single digits") << "7/4/1981" << QDate(1981, 4, 7);
        QTest::newRow("two digits") << "07/04/1981" << QDate(1981, 4, 7);
        QTest::newRow("no such day") << "31/2/1981" << QDate();
        QTest::newRow("dots") << "7.4.1981" << QDate();
        QTest::newRow("two-digit year") << "7/4/81" << QDate();
    }
    void slashDate()
    {
        QFETCH(QString, text);
        QFETCH(QDate, date);
        QCOMPARE(parseSlashDate(text), date);
    }

    void storedCodes_data()
    {
        QTest::addColumn<int>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("code");
        QTest::newRow("Zeran is M") << 0 << "Zeran" << "M";
        QTest::newRow("contract") << 0 << "Sözleşmeli" << "S";
        QTest::newRow("5510 is 5") << 1 << "5510 S.K." << "5";
        QTest::newRow("acting") << 1 << "Vekalet" << "V";
        QTest::newRow("suspended") << 2 << "Açığa Alınma" << "A";
        QTest::newRow("unpaid leave") << 2 << "Ücretsiz İzin" << "Ü";
        QTest::newRow("bank file stores the word") << 3 << "Hayır" << "Hayır";
    }
    void storedCodes()
    {
        QFETCH(int, list);
        QFETCH(QString, text);
        QFETCH(QString, code);
        const Choices *lists[] = {&perturChoices(), &gssturChoices(), &durumChoices(), &bankTransferChoices()};
        const Choices &c = *lists[list];
        const int i = indexOfCode(c, code);
        QVERIFY(i >= 0);
        QCOMPARE(c.at(i).text, text);
    }

    void prefixSearch_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<int>("row");
        QTest::newRow("dotted i in lower case") << "iş" << 1;
        QTest::newRow("dotless i in lower case") << "ış" << 2;
        QTest::newRow("upper case") << "ÇE" << 3;
        QTest::newRow("nothing begins so") << "zz" << -1;
        QTest::newRow("empty") << "" << -1;
    }
    void prefixSearch()
    {
        QFETCH(QString, prefix);
        QFETCH(int, row);
        const QStringList keys{"AHMET", "İŞLER", "IŞIK", "çelik"};
        QCOMPARE(firstRowStartingWith(keys, prefix), row);
    }
};

QTEST_GUILESS_MAIN(TestPersonnelLogic)
#include "tst_personnel_logic.moc"
