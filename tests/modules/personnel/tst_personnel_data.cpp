// The registry and pay-record data: what a save checks and writes, the numbering of
// persons and person codes, the quick-entry writes and the person searches.

#include "payrecords.h"
#include "personnelfixture.h"
#include "personsearch.h"
#include "registry.h"

#include <QtTest>

using namespace zeran;
using namespace zeran::personnel;

namespace {
Person validPerson()
{
    Person p;
    p.ADI = QStringLiteral("Şükrü");
    p.SOYADI = QStringLiteral("Çelik");
    p.TCKNO = QStringLiteral("12345678901");
    p.EMSNO = QStringLiteral("1234567");
    return p;
}

WorkingContext loggingContext()
{
    WorkingContext c;
    c.UDUR = QStringLiteral("E");
    c.IZL = QStringLiteral("E");
    c.userName = QStringLiteral("AYŞE");
    return c;
}
}  // namespace

Q_DECLARE_METATYPE(zeran::test::Mode)

class TestPersonnelData : public QObject {
    Q_OBJECT

    // Several clerks work through the server; one workstation opens the file itself.
    static void modes()
    {
        QTest::addColumn<test::Mode>("mode");
        QTest::newRow("embedded") << test::Mode::Embedded;
        QTest::newRow("server") << test::Mode::Server;
    }

private slots:
    void requiredFieldRefusedAndNothingWritten_data()
    {
        QTest::addColumn<QString>("empty");
        QTest::addColumn<QString>("message");
        QTest::newRow("first name") << "ADI" << QString::fromUtf8(kNameMissing);
        QTest::newRow("surname") << "SOYADI" << QString::fromUtf8(kSurnameMissing);
        QTest::newRow("identity number") << "TCKNO" << QString::fromUtf8(kIdentityMissing);
        QTest::newRow("retirement number") << "EMSNO" << QString::fromUtf8(kRetirementNumberMissing);
        QTest::newRow("first name of blanks") << "ADI " << QString::fromUtf8(kNameMissing);
    }
    void requiredFieldRefusedAndNothingWritten()
    {
        QFETCH(QString, empty);
        QFETCH(QString, message);
        test::PersonnelFixture f;
        WorkingContext ctx = loggingContext();
        Person p = validPerson();
        const QString blank = empty.endsWith(QLatin1Char(' ')) ? QStringLiteral("   ") : QString();
        const QString field = empty.trimmed();
        if (field == QLatin1String("ADI")) p.ADI = blank;
        if (field == QLatin1String("SOYADI")) p.SOYADI = blank;
        if (field == QLatin1String("TCKNO")) p.TCKNO = blank;
        if (field == QLatin1String("EMSNO")) p.EMSNO = blank;

        const auto problem = savePerson(f.db, ctx, p, true);
        QVERIFY(problem);
        QCOMPARE(problem->message, message);
        QCOMPARE(p.PKAYNO, 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM SICIL")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM IZLEM")), 0);
        // No number was used up either.
        QCOMPARE(f.db.nextGeneratorValue(QStringLiteral("GEN_PKAYNO")), 1);
    }

    void newPersonTakesNextGeneratorNumberAndIsLogged_data() { modes(); }
    void newPersonTakesNextGeneratorNumberAndIsLogged()
    {
        QFETCH(test::Mode, mode);
        test::PersonnelFixture f(mode);
        f.db.setGenerator(QStringLiteral("GEN_PKAYNO"), 41);
        WorkingContext ctx = loggingContext();
        Person p = validPerson();
        QVERIFY(!savePerson(f.db, ctx, p, true));
        QCOMPARE(p.PKAYNO, 42);
        QCOMPARE(f.text(QStringLiteral("SELECT ADI FROM SICIL WHERE PKAYNO=42")), QStringLiteral("Şükrü"));
        QCOMPARE(f.text(QStringLiteral("SELECT TUR FROM SICIL WHERE PKAYNO=42")), QStringLiteral("M"));

        Person q = validPerson();
        q.TCKNO = QStringLiteral("10987654321");
        QVERIFY(!savePerson(f.db, ctx, q, true));
        QCOMPARE(q.PKAYNO, 43);

        QSqlQuery l = f.db.exec(QStringLiteral("SELECT BOLUM,TUR,ACIK,PRG FROM IZLEM ORDER BY ACIK"));
        QVERIFY(l.next());
        QCOMPARE(l.value(0).toString().trimmed(), QStringLiteral("SICBIL"));
        QCOMPARE(l.value(1).toString().trimmed(), QStringLiteral("Y"));
        QCOMPARE(l.value(2).toString(), QStringLiteral("TCK NO: 10987654321ADI: Şükrü Çelik"));
        QCOMPARE(l.value(3).toString().trimmed(), QStringLiteral("1"));
        QVERIFY(l.next());
        QCOMPARE(l.value(2).toString(), QStringLiteral("TCK NO: 12345678901ADI: Şükrü Çelik"));
        QVERIFY(!l.next());
    }

    // SICIL.PKAYNO is a SMALLINT and the driver would wrap 32768 to -32768: at the limit the
    // save stops with a message and writes nothing (no person, no audit line).
    void personNumberAtTheLimitStops_data()
    {
        QTest::addColumn<qint64>("generator");
        QTest::addColumn<bool>("saved");
        QTest::newRow("last number") << qint64(32766) << true;
        QTest::newRow("past the last number") << qint64(32767) << false;
        QTest::newRow("far past it") << qint64(65536) << false;
    }
    void personNumberAtTheLimitStops()
    {
        QFETCH(qint64, generator);
        QFETCH(bool, saved);
        test::PersonnelFixture f;
        f.db.setGenerator(QStringLiteral("GEN_PKAYNO"), generator);
        WorkingContext ctx = loggingContext();
        Person p = validPerson();
        if (saved) {
            QVERIFY(!savePerson(f.db, ctx, p, true));
            QCOMPARE(p.PKAYNO, 32767);
        } else {
            try {
                savePerson(f.db, ctx, p, true);
                QFAIL("saved past the limit");
            } catch (const db::DbError &e) {
                QVERIFY2(e.text.startsWith(QStringLiteral("DİKKAT! Personel (PKAYNO) için yeni numara")), qPrintable(e.text));
            }
        }
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM SICIL")).toInt(), saved ? 1 : 0);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM SICIL WHERE PKAYNO<0")).toInt(), 0);
        QCOMPARE(f.db.scalar(QStringLiteral("SELECT COUNT(*) FROM IZLEM")).toInt(), saved ? 1 : 0);
    }

    void personCodeAtTheLimitStops()
    {
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.person(1, QStringLiteral("Son"), QStringLiteral("Kod"));
        f.payRecord(1, 7, 32767);
        QVERIFY_THROWS_EXCEPTION(db::DbError, zeran::personnel::nextPersonCode(f.db, 7));
    }

    void changeKeepsNumberAndLogsChange_data() { modes(); }
    void changeKeepsNumberAndLogsChange()
    {
        QFETCH(test::Mode, mode);
        test::PersonnelFixture f(mode);
        WorkingContext ctx = loggingContext();
        Person p = validPerson();
        QVERIFY(!savePerson(f.db, ctx, p, true));
        const int pk = p.PKAYNO;

        Person changed = *readPerson(f.db, pk);
        changed.SOYADI = QStringLiteral("Öztürk");
        changed.KGT = QDate(2016, 3, 1);
        changed.FHTUT = Money::parse(QStringLiteral("1.234,56"));
        changed.MBKOD = QStringLiteral("Hayır");
        changed.CINS = QStringLiteral("K");
        changed.ILKOD = 6;
        changed.CKOD = 120;
        QVERIFY(!savePerson(f.db, ctx, changed, false));
        QCOMPARE(changed.PKAYNO, pk);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM SICIL")), 1);

        const Person back = *readPerson(f.db, pk);
        QCOMPARE(back.SOYADI, QStringLiteral("Öztürk"));
        QCOMPARE(back.KGT, QDate(2016, 3, 1));
        QCOMPARE(back.FHTUT, Money::parse(QStringLiteral("1234,56")));
        QVERIFY(!back.IHTUT);
        QCOMPARE(back.MBKOD, QStringLiteral("Hayır"));
        QCOMPARE(back.CINS, QStringLiteral("K"));
        QCOMPARE(back.ILKOD, std::optional<int>(6));
        QVERIFY(!back.ILCEKOD);
        QCOMPARE(back.CKOD, std::optional<int>(120));
        QCOMPARE(f.text(QStringLiteral("SELECT TUR FROM IZLEM WHERE ACIK LIKE '%Öztürk'")), QStringLiteral("D"));
    }

    void failedAuditLineStoresNothing()
    {
        test::PersonnelFixture f;
        f.db.exec(QStringLiteral("DROP TABLE IZLEM"));
        WorkingContext ctx = loggingContext();
        Person p = validPerson();
        try {
            savePerson(f.db, ctx, p, true);
            QFAIL("the save went through without its audit line");
        } catch (const db::DbError &e) {
            QCOMPARE(e.text, QStringLiteral("IZLKAY HATA"));
        }
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM SICIL")), 0);
    }

    void auditTextCutTo150()
    {
        Person p = validPerson();
        p.ADI = QString(25, QChar(u'Ş'));
        p.SOYADI = QString(25, QChar(u'Ç'));
        QCOMPARE(personAuditText(p), QStringLiteral("TCK NO: 12345678901ADI: ") + p.ADI + QLatin1Char(' ') + p.SOYADI);
        p.ADI = QString(200, QLatin1Char('A'));
        QCOMPARE(personAuditText(p).size(), 150);
    }

    void registryListOrders()
    {
        test::PersonnelFixture f;
        f.person(1, QStringLiteral("Zeynep"), QStringLiteral("Acar"), QStringLiteral("300"));
        f.person(2, QStringLiteral("Ali"), QStringLiteral("Yıldız"), QStringLiteral("100"));
        f.person(3, QStringLiteral("Çağrı"), QStringLiteral("Demir"), QStringLiteral("200"));
        auto ids = [&](RegistryOrder o) {
            QList<int> l;
            for (const RegistryEntry &e : registryList(f.db, o))
                l << e.PKAYNO;
            return l;
        };
        QCOMPARE(ids(RegistryOrder::ByRetirementNumber), (QList<int>{2, 3, 1}));
        // Turkish order: Ç after C, before D.
        QCOMPARE(ids(RegistryOrder::ByName), (QList<int>{2, 3, 1}));
        const RegistryEntry e = registryList(f.db, RegistryOrder::ByName).first();
        QCOMPARE(e.ADSOY, QStringLiteral("Ali Yıldız"));
        QCOMPARE(e.EMSNO, QStringLiteral("100"));
    }

    void payRecordSeniority()
    {
        test::PersonnelFixture f;
        f.unit(1, QStringLiteral("MAAŞ"));
        f.unit(2, QStringLiteral("MECLİS"), QStringLiteral("M"), QStringLiteral("A"), QStringLiteral("M"));
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        f.person(2, QStringLiteral("Ayşe"), QStringLiteral("Kaya"));
        f.person(3, QStringLiteral("Can"), QStringLiteral("Er"));
        f.payRecord(1, 1, 1, QStringLiteral("E"), 9);
        f.payRecord(1, 2, 1, QStringLiteral("E"));
        f.payRecord(2, 2, 2, QStringLiteral("E"));
        QCOMPARE(zeran::personnel::payRecordSeniority(f.db, 1), std::optional<int>(9));
        QCOMPARE(zeran::personnel::payRecordSeniority(f.db, 2), std::optional<int>(0));
        QVERIFY(!zeran::personnel::payRecordSeniority(f.db, 3));
    }

    void nextPersonCode_data()
    {
        QTest::addColumn<QStringList>("unit7");  // status of codes 1, 2, ...
        QTest::addColumn<int>("next");
        QStringList paid12;
        for (int i = 0; i < 12; ++i)
            paid12 << QStringLiteral("E");
        QTest::newRow("paid 1-12, 13 not paid") << (paid12 + QStringList{"H"}) << 13;
        QTest::newRow("paid 1-12") << paid12 << 13;
        QTest::newRow("13 suspended counts") << (paid12 + QStringList{"A"}) << 14;
        QTest::newRow("13 on unpaid leave counts") << (paid12 + QStringList{"Ü"}) << 14;
        QTest::newRow("only not paid records") << QStringList{"H", "H"} << 1;
        QTest::newRow("empty unit") << QStringList{} << 1;
    }
    void nextPersonCode()
    {
        QFETCH(QStringList, unit7);
        QFETCH(int, next);
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.unit(8, QStringLiteral("ZABITA"));
        for (int i = 0; i < unit7.size(); ++i) {
            f.person(i + 1, QStringLiteral("Kişi"), QString::number(i + 1));
            f.payRecord(i + 1, 7, i + 1, unit7.at(i));
        }
        // Another unit's larger codes do not count.
        f.person(90, QStringLiteral("Başka"), QStringLiteral("Birim"));
        f.payRecord(90, 8, 40);
        QCOMPARE(zeran::personnel::nextPersonCode(f.db, 7), next);
    }

    void payRecordChecks_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("pkayno");
        QTest::addColumn<int>("pkod");  // -1: empty
        QTest::addColumn<int>("bkod");
        QTest::addColumn<QString>("gsstur");
        QTest::addColumn<QString>("message");  // empty: saved
        const int S = int(PayRecordKind::Salary), M = int(PayRecordKind::MeetingFee);
        QTest::newRow("no person") << S << 0 << 5 << 7 << "E" << QString::fromUtf8(kChoosePerson);
        QTest::newRow("no person comes first") << S << 0 << -1 << 0 << "" << QString::fromUtf8(kChoosePerson);
        QTest::newRow("no code") << S << 2 << -1 << 7 << "E" << QString::fromUtf8(kCodeMissing);
        QTest::newRow("no unit") << S << 2 << 5 << 0 << "E" << QString::fromUtf8(kChooseUnit);
        QTest::newRow("already in the unit") << S << 1 << 5 << 7 << "" << QString::fromUtf8(kAlreadyInUnit);
        QTest::newRow("no insurance") << S << 2 << 5 << 7 << "" << QString::fromUtf8(kInsuranceMissing);
        QTest::newRow("meeting fee needs no insurance") << M << 2 << 5 << 7 << "" << QString();
        QTest::newRow("meeting fee, already in the unit") << M << 1 << 5 << 7 << "" << QString::fromUtf8(kAlreadyInUnit);
        QTest::newRow("salary, complete") << S << 2 << 5 << 7 << "5" << QString();
    }
    void payRecordChecks()
    {
        QFETCH(int, kind);
        QFETCH(int, pkayno);
        QFETCH(int, pkod);
        QFETCH(int, bkod);
        QFETCH(QString, gsstur);
        QFETCH(QString, message);
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        f.person(2, QStringLiteral("Ayşe"), QStringLiteral("Kaya"));
        f.payRecord(1, 7, 1);

        PayRecord r = newPayRecord(PayRecordKind(kind), bkod);
        r.PKAYNO = pkayno;
        if (pkod >= 0)
            r.PKOD = pkod;
        r.GSSTUR = gsstur;
        const auto problem = savePayRecord(f.db, PayRecordKind(kind), r, std::nullopt);
        const int records = f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL"));
        if (message.isEmpty()) {
            QVERIFY(!problem);
            QCOMPARE(records, 2);
        } else {
            QVERIFY(problem);
            QCOMPARE(problem->message, message);
            QCOMPARE(records, 1);  // a refused record never reaches the database
        }
    }

    void newRecordDefaults()
    {
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.unit(9, QStringLiteral("MECLİS"), QStringLiteral("M"), QStringLiteral("A"), QStringLiteral("M"));
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        PayRecord salary = newPayRecord(PayRecordKind::Salary, 7);
        salary.PKAYNO = 1;
        salary.PKOD = 1;
        QVERIFY(!savePayRecord(f.db, PayRecordKind::Salary, salary, std::nullopt));
        PayRecord fee = newPayRecord(PayRecordKind::MeetingFee, 9);
        fee.PKAYNO = 1;
        fee.PKOD = 1;
        QVERIFY(!savePayRecord(f.db, PayRecordKind::MeetingFee, fee, std::nullopt));

        const PayRecord s = *readPayRecord(f.db, 1, 7);
        QCOMPARE(s.DURUM, QStringLiteral("E"));
        QCOMPARE(s.GSSTUR, QStringLiteral("E"));
        QCOMPARE(s.PERTUR, QStringLiteral("M"));
        const PayRecord m = *readPayRecord(f.db, 1, 9);
        QCOMPARE(m.DURUM, QStringLiteral("E"));
        QVERIFY(m.GSSTUR.isEmpty());
        QVERIFY(m.PERTUR.isEmpty());
        QVERIFY(f.db.scalar(QStringLiteral("SELECT GSSTUR FROM ZERBORBIL WHERE BKOD=9")).isNull());
    }

    void changeUnderOldKey_data() { modes(); }
    void changeUnderOldKey()
    {
        QFETCH(test::Mode, mode);
        test::PersonnelFixture f(mode);
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        f.person(2, QStringLiteral("Ayşe"), QStringLiteral("Kaya"));
        f.person(3, QStringLiteral("Can"), QStringLiteral("Er"));
        f.payRecord(1, 7, 1, QStringLiteral("E"), 4);
        f.payRecord(2, 7, 2);

        // Saving a record unchanged does not count the record against itself.
        PayRecord r = *readPayRecord(f.db, 1, 7);
        const PayRecordKey key{1, 7, 1};
        r.DURUM = QStringLiteral("Ü");
        r.PKOD = 11;
        QVERIFY(!savePayRecord(f.db, PayRecordKind::Salary, r, key));
        QCOMPARE(f.text(QStringLiteral("SELECT DURUM FROM ZERBORBIL WHERE PKAYNO=1 AND BKOD=7 AND PKOD=11")),
                 QStringLiteral("Ü"));
        // Columns the dialog does not edit stay as they were.
        QCOMPARE(f.count(QStringLiteral("SELECT KIDEM FROM ZERBORBIL WHERE PKAYNO=1")), 4);

        // Given to a person who already has a record in the unit: refused, nothing changes.
        PayRecord moved = *readPayRecord(f.db, 1, 7);
        moved.PKAYNO = 2;
        const auto problem = savePayRecord(f.db, PayRecordKind::Salary, moved, PayRecordKey{1, 7, 11});
        QVERIFY(problem);
        QCOMPARE(problem->message, QString::fromUtf8(kAlreadyInUnit));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1")), 1);
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=2")), 1);

        // Given to a person without one: the record moves.
        moved.PKAYNO = 3;
        QVERIFY(!savePayRecord(f.db, PayRecordKind::Salary, moved, PayRecordKey{1, 7, 11}));
        QCOMPARE(f.count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE PKAYNO=1")), 0);
        QCOMPARE(f.count(QStringLiteral("SELECT PKOD FROM ZERBORBIL WHERE PKAYNO=3")), 11);
    }

    void quickEntryRowsAndWrites()
    {
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.unit(8, QStringLiteral("ZABITA"));
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Veli"));
        f.person(2, QStringLiteral("Ayşe"), QStringLiteral("Kaya"), QString(), {}, QStringLiteral("K"));
        f.person(3, QStringLiteral("Can"), QStringLiteral("Er"));
        f.payRecord(1, 8, 1, QStringLiteral("E"), 3, QStringLiteral("1"));
        f.payRecord(2, 7, 4);
        f.payRecord(3, 7, 5, QStringLiteral("H"));
        f.db.exec(QStringLiteral("UPDATE ZERBORBIL SET DER=8,KAD=2,GOS=1100,ESI='2' WHERE PKAYNO=1"));

        const QVector<QuickEntryRow> rows = quickEntryRows(f.db);
        QCOMPARE(rows.size(), 2);  // paid records of both units, the not-paid one left out
        QCOMPARE(rows[0].BKOD, 7);
        QCOMPARE(rows[0].CINS, QStringLiteral("K"));
        QCOMPARE(rows[1].ADSOY, QStringLiteral("Ali Veli"));
        QCOMPARE(rows[1].DER, std::optional<int>(8));
        QCOMPARE(rows[1].ESI, QStringLiteral("2"));
        QVERIFY(rows[1].married());
        QVERIFY(!rows[0].married());

        writeQuickEntryChanges(f.db, {{PayRecordKey{1, 8, 1}, QStringLiteral("KAD"), 3},
                                      {PayRecordKey{1, 8, 1}, QStringLiteral("ESI"), QStringLiteral("1")},
                                      {PayRecordKey{2, 7, 4}, QStringLiteral("COC1"), 2},
                                      {PayRecordKey{1, 8, 1}, QStringLiteral("GOS"), QVariant()}});
        QSqlQuery q = f.db.exec(QStringLiteral("SELECT DER,KAD,GOS,ESI FROM ZERBORBIL WHERE PKAYNO=1"));
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toInt(), 8);
        QCOMPARE(q.value(1).toInt(), 3);
        QVERIFY(q.value(2).isNull());
        QCOMPARE(q.value(3).toString(), QStringLiteral("1"));
        QCOMPARE(f.count(QStringLiteral("SELECT COC1 FROM ZERBORBIL WHERE PKAYNO=2")), 2);

        // A column outside the grid is refused and nothing of the batch is written.
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument,
                                 writeQuickEntryChanges(f.db, {{PayRecordKey{2, 7, 4}, QStringLiteral("COC2"), 1},
                                                               {PayRecordKey{2, 7, 4}, QStringLiteral("DURUM"), 1}}));
        QVERIFY(f.db.scalar(QStringLiteral("SELECT COC2 FROM ZERBORBIL WHERE PKAYNO=2")).isNull());
    }

    void personSearch()
    {
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.unit(8, QStringLiteral("ZABITA"));
        f.unit(7, QStringLiteral("İŞÇİ BİRİMİ"), QStringLiteral("I"));  // the sibling program's unit 7
        f.person(1, QStringLiteral("Ali"), QStringLiteral("Yılmaz"));
        f.person(2, QStringLiteral("Halil"), QStringLiteral("Kaya"));
        f.person(3, QStringLiteral("ALİ"), QStringLiteral("Can"));
        f.person(4, QStringLiteral("Veli"), QStringLiteral("Salih"));
        f.person(5, QStringLiteral("Aliye"), QStringLiteral("Er"));
        f.payRecord(1, 7, 3);
        f.payRecord(2, 8, 1);
        f.payRecord(3, 7, 2);
        f.payRecord(4, 7, 1);
        f.payRecord(5, 9, 1);  // a unit that is not one of this system's

        auto ids = [&](std::optional<int> bk, const QString &text, SearchOrder o) {
            QList<int> l;
            for (const PersonSearchRow &r : searchPersons(f.db, bk, text, o))
                l << r.PKAYNO;
            return l;
        };
        QCOMPARE(ids(std::nullopt, QStringLiteral("l"), SearchOrder::ByName), (QList<int>{1, 2, 4}));
        QCOMPARE(ids(std::nullopt, QString(), SearchOrder::ByName).size(), 4);
        // "ali" as typed, in the first name only: not "ALİ", not the surname "Salih".
        QCOMPARE(ids(std::nullopt, QStringLiteral("ali"), SearchOrder::ByName), (QList<int>{2}));
        QCOMPARE(ids(std::nullopt, QStringLiteral("Ali"), SearchOrder::ByName), (QList<int>{1}));
        QCOMPARE(ids(7, QString(), SearchOrder::ByCode), (QList<int>{4, 3, 1}));
        const PersonSearchRow r = searchPersons(f.db, 8, QString(), SearchOrder::ByCode).first();
        QCOMPARE(r.BIRIM, QStringLiteral("ZABITA"));
        QCOMPARE(r.BKOD, 8);
        QCOMPARE(r.ADSOY, QStringLiteral("Halil Kaya"));
    }

    void archivePersonsOfUnit()
    {
        test::PersonnelFixture f;
        f.unit(7, QStringLiteral("FEN İŞLERİ"));
        f.person(1, QStringLiteral("Zeki"), QStringLiteral("Ak"), QStringLiteral("111"));
        f.person(2, QStringLiteral("Ayla"), QStringLiteral("Su"), QStringLiteral("222"));
        f.person(3, QStringLiteral("Nuri"), QStringLiteral("Taş"));
        f.payRecord(1, 7, 1);
        f.payRecord(2, 7, 2, QStringLiteral("H"));
        f.payRecord(3, 8, 1);
        const QVector<ArchivePersonRow> byName = archivePersons(f.db, 7, SearchOrder::ByName);
        QCOMPARE(byName.size(), 2);
        QCOMPARE(byName[0].PKAYNO, 2);
        QCOMPARE(byName[0].EMSNO, QStringLiteral("222"));
        QCOMPARE(byName[0].PKOD, std::optional<int>(2));
        QCOMPARE(archivePersons(f.db, 7, SearchOrder::ByCode)[0].PKAYNO, 1);
    }
};

QTEST_GUILESS_MAIN(TestPersonnelData)
#include "tst_personnel_data.moc"
