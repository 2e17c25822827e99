// The amount in words of the payment documents, and the codes the choice lists store.

#include "amountwords.h"
#include "generalchoices.h"

#include <QtTest>
#include <stdexcept>

Q_DECLARE_METATYPE(zeran::CodeItems)

using namespace zeran;
using namespace zeran::general;

class TestWords : public QObject {
    Q_OBJECT

private slots:
    void amountInWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("words");
        // units and tens
        QTest::newRow("one") << "1" << "Bir.TL";
        QTest::newRow("nine") << "9,00" << "Dokuz.TL";
        QTest::newRow("ten") << "10" << "On.TL";
        QTest::newRow("eleven") << "11" << "OnBir.TL";
        QTest::newRow("forty-seven") << "47" << "KırkYedi.TL";
        QTest::newRow("ninety") << "90" << "Doksan.TL";
        // hundreds: one hundred is "Yüz" alone
        QTest::newRow("hundred") << "100" << "Yüz.TL";
        QTest::newRow("hundred and one") << "101" << "YüzBir.TL";
        QTest::newRow("two hundred") << "200" << "İkiyüz.TL";
        QTest::newRow("999") << "999" << "DokuzyüzDoksanDokuz.TL";
        // thousands: one thousand is "Bin" alone
        QTest::newRow("thousand") << "1000" << "Bin.TL";
        QTest::newRow("thousand and one") << "1001" << "BinBir.TL";
        QTest::newRow("1100") << "1100" << "BinYüz.TL";
        QTest::newRow("1234,56") << "1234,56" << "BinİkiyüzOtuzDört.TL ElliAltı.KR";
        QTest::newRow("two thousand") << "2000" << "İkiBin.TL";
        QTest::newRow("eleven thousand") << "11000" << "OnBirBin.TL";
        QTest::newRow("hundred thousand") << "100000" << "YüzBin.TL";
        QTest::newRow("101 thousand") << "101000" << "YüzBirBin.TL";
        QTest::newRow("999999") << "999999" << "DokuzyüzDoksanDokuzBinDokuzyüzDoksanDokuz.TL";
        // millions: an empty thousands group says nothing; a group of 001 says "Bin"
        QTest::newRow("million") << "1000000" << "BirMilyon.TL";
        QTest::newRow("two million") << "2000000,00" << "İkiMilyon.TL";
        QTest::newRow("million one thousand") << "1001000,00" << "BirMilyonBin.TL";
        QTest::newRow("million two thousand") << "1002000" << "BirMilyonİkiBin.TL";
        QTest::newRow("million and one") << "1000001" << "BirMilyonBir.TL";
        QTest::newRow("12345678") << "12345678" << "OnİkiMilyonÜçyüzKırkBeşBinAltıyüzYetmişSekiz.TL";
        // milliards
        QTest::newRow("milliard") << "1000000000" << "BirMilyar.TL";
        QTest::newRow("1001001001") << "1001001001" << "BirMilyarBirMilyonBinBir.TL";
        QTest::newRow("two milliard one thousand") << "2000001000" << "İkiMilyarBin.TL";
        QTest::newRow("largest") << "999999999999,99"
                                 << "DokuzyüzDoksanDokuzMilyarDokuzyüzDoksanDokuzMilyonDokuzyüzDoksanDokuzBin"
                                    "DokuzyüzDoksanDokuz.TL DoksanDokuz.KR";
        // kuruş only: zero lira read "Sıfır"
        QTest::newRow("0,50") << "0,50" << "Sıfır.TL Elli.KR";
        QTest::newRow(",05 as #.00 writes it") << ",05" << "Sıfır.TL Beş.KR";
        QTest::newRow(",01") << ",01" << "Sıfır.TL Bir.KR";
        QTest::newRow("zero") << ",00" << "Sıfır.TL";
        QTest::newRow("0,00") << "0,00" << "Sıfır.TL";
        // whole lira only: "00" kuruş or none give no kuruş words
        QTest::newRow("15,00") << "15,00" << "OnBeş.TL";
        QTest::newRow("15") << "15" << "OnBeş.TL";
        QTest::newRow("15,") << "15," << "OnBeş.TL";
        // the kuruş part as the documents hand it over: two characters count, a single
        // character is the units digit
        QTest::newRow("one kuruş digit") << "1,5" << "Bir.TL Beş.KR";
        QTest::newRow("third kuruş digit ignored") << "1,999" << "Bir.TL DoksanDokuz.KR";
        // leading zeros never make an empty group speak
        QTest::newRow("leading zeros") << "0001000" << "Bin.TL";
        QTest::newRow("zeros only") << "000" << "Sıfır.TL";
    }
    void amountInWords()
    {
        QFETCH(QString, text);
        QFETCH(QString, words);
        QVERIFY(isAmountText(text));
        QCOMPARE(yaziyla(text), words);
    }

    void unreadableTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("comma only") << ",";
        QTest::newRow("negative") << "-5,00";
        QTest::newRow("letter in lira") << "12a";
        QTest::newRow("letter in kuruş") << "12,3x";
        QTest::newRow("grouped") << "1.234,56";
        QTest::newRow("blank") << " 12";
        QTest::newRow("thirteen digits") << "1000000000000";
        QTest::newRow("non-ASCII digits") << QStringLiteral("١٢");
    }
    void unreadableTexts()
    {
        QFETCH(QString, text);
        QVERIFY(!isAmountText(text));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, yaziyla(text));
    }

    void documentText_data()
    {
        QTest::addColumn<qint64>("raw");
        QTest::addColumn<QString>("text");
        QTest::newRow("1234,56") << qint64(12345600) << "1234,56";
        QTest::newRow("below one lira") << qint64(5000) << ",50";
        QTest::newRow("zero") << qint64(0) << ",00";
        QTest::newRow("million") << qint64(10000000000) << "1000000,00";
        QTest::newRow("half kuruş up") << qint64(50) << ",01";
        QTest::newRow("below half kuruş down") << qint64(123449) << "12,34";
        QTest::newRow("negative") << qint64(-120000) << "-12,00";
    }
    void documentText()
    {
        QFETCH(qint64, raw);
        QFETCH(QString, text);
        QCOMPARE(amountText(Money::fromRaw(raw)), text);
    }

    void wordsOfAnAmount()
    {
        QCOMPARE(yaziyla(Money::fromKurus(123456)), QStringLiteral("BinİkiyüzOtuzDört.TL ElliAltı.KR"));
        QCOMPARE(yaziyla(Money::fromKurus(50)), QStringLiteral("Sıfır.TL Elli.KR"));
        QCOMPARE(yaziyla(Money::fromUnits(999'999'999'999) + Money::fromKurus(99)),
                 QStringLiteral("DokuzyüzDoksanDokuzMilyarDokuzyüzDoksanDokuzMilyonDokuzyüzDoksanDokuzBin"
                                "DokuzyüzDoksanDokuz.TL DoksanDokuz.KR"));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, yaziyla(Money::fromKurus(-1)));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, yaziyla(Money::fromUnits(1'000'000'000'000)));
    }

    void choiceCodes_data()
    {
        QTest::addColumn<CodeItems>("list");
        QTest::addColumn<QStringList>("codes");
        QTest::newRow("yes/no") << yesNoCodes() << QStringList{"E", "H"};
        QTest::newRow("union deduction") << unionDeductionList() << QStringList{"0", "1", "2", "3", "4"};
        QTest::newRow("guarantee base") << guaranteeBaseList() << QStringList{"0", "1", "2", "3"};
        QTest::newRow("deduction mode") << deductionModeList() << QStringList{"O", "A"};
        QTest::newRow("garnishment mode") << garnishmentModeList(QStringLiteral("O")) << QStringList{"O", "A"};
        QTest::newRow("garnishment mode, stored S") << garnishmentModeList(QStringLiteral("S"))
                                                    << QStringList{"O", "A", "S"};
        QTest::newRow("print layout") << printLayoutList() << QStringList{"1", "2"};
        QTest::newRow("bank file") << bankFileList() << QStringList{"T", "E", "3", "4", "5", "6"};
    }
    void choiceCodes()
    {
        QFETCH(CodeItems, list);
        QFETCH(QStringList, codes);
        QCOMPARE(list.size(), codes.size());
        for (int i = 0; i < codes.size(); ++i) {
            QCOMPARE(codeAt(list, i), codes.at(i));
            QCOMPARE(indexOfCode(list, codes.at(i)), i);
        }
        // Nothing chosen stores nothing; an empty or unknown code shows no item.
        QCOMPARE(codeAt(list, -1), QString());
        QCOMPARE(codeAt(list, int(codes.size())), QString());
        QCOMPARE(indexOfCode(list, QString()), -1);
        QCOMPARE(indexOfCode(list, QStringLiteral("9")), -1);
        QCOMPARE(indexOfCode(list, QStringLiteral("X")), -1);
    }

    void storedCodesWithBlanks()
    {
        // Codes read back from a padded column are still recognised.
        QCOMPARE(indexOfCode(yesNoCodes(), QStringLiteral("H ")), 1);
        QCOMPARE(indexOfCode(guaranteeBaseList(), QStringLiteral(" 2")), 2);
    }
};

QTEST_APPLESS_MAIN(TestWords)
#include "tst_words.moc"
