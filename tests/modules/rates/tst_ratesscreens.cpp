// "KANUNİ ORANLAR" and "VERGİ ORANLARI", headless, against a fresh database and a stub
// rate-update service.

#include "context.h"
#include "legalratesdialog.h"
#include "ratestore.h"
#include "stubrateserver.h"
#include "taxratesdialog.h"
#include "testsupport.h"
#include "ui/uitest.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::rates;
using zeran::test::ScriptedPrompter;
using zeran::test::StubRateServer;

namespace {

void type(QLineEdit *field, const QString &text)
{
    field->selectAll();
    QTest::keyClicks(field, text);
    QTest::keyClick(field, Qt::Key_Return);  // leaves the value as the clerk would
}

QStringList numbered(int n, const QString &suffix)
{
    QStringList r;
    for (int i = 1; i <= n; ++i)
        r << QString::number(i) + suffix;
    return r;
}

}  // namespace

class TestRatesScreens : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // legal rates
    void opensOnWorkingPeriod_data();
    void opensOnWorkingPeriod();
    void firstRowGetsKaynoOne();
    void emptyPeriodClosedStoresNothing();
    void escapeDiscards();
    void copyFromPrevious_data();
    void copyFromPrevious();
    void copyWithoutPreviousChangesNothing();
    void legalUpdateFillsInReplyOrder();
    void legalUpdateFailureKeepsRow_data();
    void legalUpdateFailureKeepsRow();
    void periodChangeLooksUp();

    // tax rates
    void incompleteEntryRefused_data();
    void incompleteEntryRefused();
    void emptyTaxPeriodClosedStoresNothing();
    void closingSavesTypedRow();
    void lowerLimitsFollowUpperBounds();
    void choosersSetTheirColumn();
    void taxUpdateReplacesRow();
    void taxUpdateFailureKeepsOldRow_data();
    void taxUpdateFailureKeepsOldRow();
    void replaceIsAtomic();
    void readOnlyWithoutWriteRight();

private:
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;
    WorkingContext ctx_;
    ScriptedPrompter prompter_;

    QVariant cell(const QString &sql) { return db_->scalar(sql); }
    int count(const QString &sql) { return db_->scalar(sql).toInt(); }
    void storeTaxRow(const QString &ust1)
    {
        saveTax(*db_, {QStringLiteral("2026"), QStringLiteral("1")},
                {{QStringLiteral("UST1"), ust1}, {QStringLiteral("OR1"), QStringLiteral("15")},
                 {QStringLiteral("KAZVEROR"), QStringLiteral("1")}});
        db_->exec(QStringLiteral("UPDATE VEROR SET VIDVER=2 WHERE YIL='2026' AND DON='1'"));
    }
};

void TestRatesScreens::init()
{
    fresh_ = std::make_unique<test::FreshDatabase>();
    db_ = std::make_unique<db::Database>(test::uniqueName("ratesscreens"));
    db_->open(fresh_->params);
    ctx_ = WorkingContext();
    ctx_.CYIL = QStringLiteral("2026");
    ctx_.DON = QStringLiteral("1");
    ctx_.K = QStringLiteral("E");
    prompter_ = ScriptedPrompter();
}

void TestRatesScreens::cleanup()
{
    db_.reset();
    fresh_.reset();
}

void TestRatesScreens::opensOnWorkingPeriod_data()
{
    QTest::addColumn<QString>("don");
    QTest::addColumn<int>("index");
    QTest::newRow("first half") << "1" << 0;
    QTest::newRow("second half") << "2" << 1;
}

void TestRatesScreens::opensOnWorkingPeriod()
{
    QFETCH(QString, don);
    QFETCH(int, index);
    saveLegal(*db_, {QStringLiteral("2026"), don}, {{QStringLiteral("KATSAYI"), QStringLiteral("0.5")}});
    ctx_.DON = don;
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    QCOMPARE(d.yearEdit()->text(), QStringLiteral("2026"));
    QCOMPARE(d.periodBox()->currentIndex(), index);
    QCOMPARE(d.periodBox()->count(), 3);
    QCOMPARE(d.periodBox()->itemText(2), QStringLiteral("ENFLASYON FARKI"));
    QCOMPARE(d.field(QStringLiteral("KATSAYI"))->text(), QStringLiteral("0,5"));
    QVERIFY(d.rowExists());
    QCOMPARE(d.windowTitle(), QStringLiteral("KANUNİ ORANLAR"));
}

void TestRatesScreens::firstRowGetsKaynoOne()
{
    {
        LegalRatesDialog d(*db_, ctx_, prompter_, {});
        type(d.field(QStringLiteral("KATSAYI")), QStringLiteral("1,387871"));
        type(d.field(QStringLiteral("SAKDER1")), QStringLiteral("6.900,50"));
        d.saveButton()->click();
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }
    QCOMPARE(cell(QStringLiteral("SELECT KAYNO FROM ZERKANOR WHERE YIL='2026' AND DON='1'")).toInt(), 1);
    QCOMPARE(cell(QStringLiteral("SELECT KATSAYI FROM ZERKANOR")).toDouble(), 1.387871);
    QCOMPARE(cell(QStringLiteral("SELECT SAKDER1 FROM ZERKANOR")).toDouble(), 6900.5);
    QVERIFY(cell(QStringLiteral("SELECT YOD FROM ZERKANOR")).isNull());  // untouched fields stay empty
    // The next period's row takes the next number.
    ctx_.DON = QStringLiteral("2");
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    type(d.field(QStringLiteral("KATSAYI")), QStringLiteral("2"));
    d.exitButton()->click();
    QCOMPARE(cell(QStringLiteral("SELECT KAYNO FROM ZERKANOR WHERE DON='2'")).toInt(), 2);
}

void TestRatesScreens::emptyPeriodClosedStoresNothing()
{
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    QVERIFY(!d.rowExists());
    d.exitButton()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERKANOR")), 0);
}

void TestRatesScreens::escapeDiscards()
{
    saveLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")}, {{QStringLiteral("KATSAYI"), QStringLiteral("0.5")}});
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    d.show();
    type(d.field(QStringLiteral("KATSAYI")), QStringLiteral("9"));
    QTest::keyClick(&d, Qt::Key_Escape);
    QVERIFY(!d.isVisible());
    QCOMPARE(cell(QStringLiteral("SELECT KATSAYI FROM ZERKANOR")).toDouble(), 0.5);
}

void TestRatesScreens::copyFromPrevious_data()
{
    QTest::addColumn<QString>("don");
    QTest::addColumn<QString>("sourceYear");
    QTest::addColumn<QString>("sourceDon");
    QTest::newRow("1/2026 from 2/2025") << "1" << "2025" << "2";
    QTest::newRow("2/2026 from 1/2026") << "2" << "2026" << "1";
    QTest::newRow("3/2026 from 1/2026") << "3" << "2026" << "1";
}

void TestRatesScreens::copyFromPrevious()
{
    QFETCH(QString, don);
    QFETCH(QString, sourceYear);
    QFETCH(QString, sourceDon);
    // Every period but the source holds other values, so a wrong source shows.
    for (const Period &p : {Period{"2025", "2"}, Period{"2026", "1"}, Period{"2025", "1"}}) {
        RateValues v;
        const QString mark = p == Period{sourceYear, sourceDon} ? QStringLiteral("7") : QStringLiteral("3");
        for (const RateColumn &c : legalColumns())
            v.insert(c.name, mark);
        saveLegal(*db_, p, v);
    }
    ctx_.DON = don == QLatin1String("3") ? QStringLiteral("1") : don;
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    d.periodBox()->setCurrentIndex(don.toInt() - 1);
    QCOMPARE(d.period(), (Period{QStringLiteral("2026"), don}));
    if (don != QLatin1String("1"))  // the target of 1/2026 is itself a source row of another case
        QVERIFY(!d.rowExists());
    type(d.field(QStringLiteral("KATSAYI")), QStringLiteral("1,5"));
    d.copyAction()->trigger();
    QVERIFY(prompter_.informed.isEmpty());

    // Saved at once, without "Kayıt".
    const auto stored = readLegal(*db_, {QStringLiteral("2026"), don});
    QVERIFY(stored);
    for (const RateColumn &c : legalColumns()) {
        QString expected;
        if (legalCopyColumns().contains(c.name))
            expected = QStringLiteral("7");
        else if (c.name == QLatin1String("KATSAYI"))
            expected = QStringLiteral("1.5");  // typed, not copied
        else if (don == QLatin1String("1"))
            expected = QStringLiteral("3");  // the existing row keeps what is not copied
        QCOMPARE(stored->value(c.name), expected);
        QCOMPARE(d.field(c.name)->text(), displayValue(expected));
    }
    QVERIFY(!d.isDirty());
}

void TestRatesScreens::copyWithoutPreviousChangesNothing()
{
    saveLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")},
              {{QStringLiteral("KAK"), QStringLiteral("20")}, {QStringLiteral("KATSAYI"), QStringLiteral("1.2")}});
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    d.copyAction()->trigger();
    QCOMPARE(prompter_.informed, QStringList{kNoPreviousPeriod});
    QCOMPARE(d.field(QStringLiteral("KAK"))->text(), QStringLiteral("20"));
    QCOMPARE(readLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")})->value(QStringLiteral("KAK")),
             QStringLiteral("20"));
}

void TestRatesScreens::legalUpdateFillsInReplyOrder()
{
    StubRateServer stub;
    stub.reply = numbered(30, QStringLiteral(",5"));  // 1,5 2,5 … 30,5
    saveLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")},
              {{QStringLiteral("BASKAN"), QStringLiteral("25000")}, {QStringLiteral("INDIRIM"), QStringLiteral("35")}});
    LegalRatesDialog d(*db_, ctx_, prompter_, RateServiceEndpoint::fromText(stub.endpoint()));
    d.updateButton()->click();
    QVERIFY2(prompter_.informed.isEmpty(), qPrintable(prompter_.informed.join(QLatin1Char('|'))));
    QCOMPARE(stub.requests.first(), (QStringList{"MKAT1", "2026", "1", ""}));
    for (int i = 0; i < 30; ++i)
        QCOMPARE(d.field(legalReplyOrder().at(i))->text(), QStringLiteral("%1,5").arg(i + 1));
    // Columns the service does not send keep their values.
    QCOMPARE(d.field(QStringLiteral("BASKAN"))->text(), QStringLiteral("25000"));
    QCOMPARE(d.field(QStringLiteral("INDIRIM"))->text(), QStringLiteral("35"));
    QVERIFY(d.isDirty());
    // Nothing is stored before "Kayıt".
    QVERIFY(cell(QStringLiteral("SELECT KATSAYI FROM ZERKANOR")).isNull());
    d.saveButton()->click();
    QCOMPARE(cell(QStringLiteral("SELECT KATSAYI FROM ZERKANOR")).toDouble(), 1.5);
    QCOMPARE(cell(QStringLiteral("SELECT YEMEK FROM ZERKANOR")).toDouble(), 30.5);
    QCOMPARE(cell(QStringLiteral("SELECT EGOS7 FROM ZERKANOR")).toDouble(), 28.5);
    QCOMPARE(cell(QStringLiteral("SELECT BASKAN FROM ZERKANOR")).toDouble(), 25000.0);
}

void TestRatesScreens::legalUpdateFailureKeepsRow_data()
{
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<int>("sendOnly");
    QTest::addColumn<bool>("down");
    QTest::newRow("service down") << int(StubRateServer::Behaviour::Answer) << 0 << true;
    QTest::newRow("reply cut after 15 lines") << int(StubRateServer::Behaviour::CloseEarly) << 15 << false;
}

void TestRatesScreens::legalUpdateFailureKeepsRow()
{
    QFETCH(int, behaviour);
    QFETCH(int, sendOnly);
    QFETCH(bool, down);
    RateServiceEndpoint endpoint;
    auto stub = std::make_unique<StubRateServer>();
    stub->reply = numbered(30, QString());
    stub->behaviour = StubRateServer::Behaviour(behaviour);
    stub->sendOnly = sendOnly;
    endpoint = RateServiceEndpoint::fromText(stub->endpoint());
    if (down)
        stub.reset();
    RateValues old;
    for (const RateColumn &c : legalColumns())
        old.insert(c.name, QStringLiteral("0.25"));
    saveLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")}, old);

    LegalRatesDialog d(*db_, ctx_, prompter_, endpoint);
    d.updateButton()->click();
    QCOMPARE(prompter_.informed, QStringList{QStringLiteral("Bağlantı hatası oluştu.")});
    QVERIFY(!d.isDirty());
    for (const RateColumn &c : legalColumns())
        QCOMPARE(d.field(c.name)->text(), QStringLiteral("0,25"));
    // "Çıkış" has nothing half-updated to store.
    d.exitButton()->click();
    QCOMPARE(*readLegal(*db_, {QStringLiteral("2026"), QStringLiteral("1")}), old);
}

void TestRatesScreens::periodChangeLooksUp()
{
    saveLegal(*db_, {QStringLiteral("2026"), QStringLiteral("3")}, {{QStringLiteral("KATSAYI"), QStringLiteral("1.1")}});
    saveLegal(*db_, {QStringLiteral("2025"), QStringLiteral("1")}, {{QStringLiteral("KATSAYI"), QStringLiteral("0.9")}});
    LegalRatesDialog d(*db_, ctx_, prompter_, {});
    QCOMPARE(d.field(QStringLiteral("KATSAYI"))->text(), QString());
    d.periodBox()->setCurrentIndex(2);
    QCOMPARE(d.field(QStringLiteral("KATSAYI"))->text(), QStringLiteral("1,1"));
    d.periodBox()->setCurrentIndex(0);
    type(d.yearEdit(), QStringLiteral("2025"));
    QCOMPARE(d.period(), (Period{QStringLiteral("2025"), QStringLiteral("1")}));
    QCOMPARE(d.field(QStringLiteral("KATSAYI"))->text(), QStringLiteral("0,9"));
    // Leaving the year unchanged keeps what was typed.
    type(d.field(QStringLiteral("KAK")), QStringLiteral("20"));
    emit d.yearEdit()->editingFinished();
    QCOMPARE(d.field(QStringLiteral("KAK"))->text(), QStringLiteral("20"));
    QVERIFY(d.isDirty());
}

void TestRatesScreens::incompleteEntryRefused_data()
{
    QTest::addColumn<QString>("ust1");
    QTest::addColumn<bool>("saved");
    QTest::newRow("0,5 refused") << "0,5" << false;
    QTest::newRow("empty refused") << "" << false;
    QTest::newRow("1 saved") << "1" << true;
    QTest::newRow("158.000 saved") << "158.000,00" << true;
}

void TestRatesScreens::incompleteEntryRefused()
{
    QFETCH(QString, ust1);
    QFETCH(bool, saved);
    TaxRatesDialog d(*db_, ctx_, prompter_, {});
    d.show();
    type(d.field(QStringLiteral("OR1")), QStringLiteral("15"));
    type(d.field(QStringLiteral("UST1")), ust1);
    d.saveButton()->click();
    QCOMPARE(prompter_.informed, saved ? QStringList() : QStringList{QStringLiteral("Dikkat!! Eksik Giriş.")});
    QCOMPARE(d.isVisible(), !saved);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), saved ? 1 : 0);
    if (!saved) {
        // "Çıkış" is never held by the check: it closes and keeps what was typed.
        d.exitButton()->click();
        QVERIFY2(!d.isVisible(), qPrintable(prompter_.informed.join(QLatin1Char('|'))));
        QCOMPARE(prompter_.informed.size(), 1);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), 1);
    }
}

void TestRatesScreens::emptyTaxPeriodClosedStoresNothing()
{
    TaxRatesDialog d(*db_, ctx_, prompter_, {});
    d.show();
    QVERIFY(!d.rowExists());
    d.exitButton()->click();
    QVERIFY(!d.isVisible());
    QVERIFY(prompter_.informed.isEmpty());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), 0);
}

void TestRatesScreens::closingSavesTypedRow()
{
    TaxRatesDialog d(*db_, ctx_, prompter_, {});
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("VERGİ ORANLARI"));
    type(d.field(QStringLiteral("UST1")), QStringLiteral("190000"));
    type(d.field(QStringLiteral("DVER")), QStringLiteral("7,59"));
    d.close();  // the window's close button
    QVERIFY(!d.isVisible());
    QCOMPARE(cell(QStringLiteral("SELECT UST1 FROM VEROR WHERE YIL='2026' AND DON='1'")).toDouble(), 190000.0);
    QCOMPARE(cell(QStringLiteral("SELECT DVER FROM VEROR")).toDouble(), 7.59);
}

void TestRatesScreens::lowerLimitsFollowUpperBounds()
{
    TaxRatesDialog d(*db_, ctx_, prompter_, {});
    QCOMPARE(d.lowerLimit(1)->text(), QStringLiteral("              0"));
    type(d.field(QStringLiteral("UST1")), QStringLiteral("110000"));
    QCOMPARE(d.lowerLimit(2)->text(), QStringLiteral("        110.001"));
    type(d.field(QStringLiteral("UST3")), QStringLiteral("1.500.000"));
    QCOMPARE(d.lowerLimit(4)->text(), QStringLiteral("      1.500.001"));
    QCOMPARE(d.lowerLimit(3)->text(), QStringLiteral("              1"));
}

void TestRatesScreens::choosersSetTheirColumn()
{
    storeTaxRow(QStringLiteral("190000"));
    TaxRatesDialog d(*db_, ctx_, prompter_, {});
    QCOMPARE(d.chooser(QStringLiteral("KAZVEROR"))->currentText(), QStringLiteral("1. Dilimden"));
    QCOMPARE(d.chooser(QStringLiteral("SOZPERVOR"))->currentIndex(), -1);  // empty column
    QComboBox *box = d.chooser(QStringLiteral("BSKYRDVOR"));
    QCOMPARE(box->itemText(0), QStringLiteral("Vergi Matrahından"));
    box->setCurrentIndex(1);
    emit box->activated(1);
    QCOMPARE(d.values().value(QStringLiteral("BSKYRDVOR")), QStringLiteral("1"));
    d.chooser(QStringLiteral("KAZVEROR"))->setCurrentIndex(0);
    emit d.chooser(QStringLiteral("KAZVEROR"))->activated(0);
    d.saveButton()->click();
    QCOMPARE(cell(QStringLiteral("SELECT BSKYRDVOR FROM VEROR")).toInt(), 1);
    QCOMPARE(cell(QStringLiteral("SELECT KAZVEROR FROM VEROR")).toInt(), 0);
    QVERIFY(cell(QStringLiteral("SELECT SOZPERVOR FROM VEROR")).isNull());
    QCOMPARE(cell(QStringLiteral("SELECT VIDVER FROM VEROR")).toDouble(), 2.0);  // not the screen's
}

void TestRatesScreens::taxUpdateReplacesRow()
{
    storeTaxRow(QStringLiteral("100000"));
    db_->exec(QStringLiteral("UPDATE PTANIM SET NUFUS=85000"));
    StubRateServer stub;
    stub.reply = numbered(23, QStringLiteral("000,5"));  // 1000,5 2000,5 …
    TaxRatesDialog d(*db_, ctx_, prompter_, RateServiceEndpoint::fromText(stub.endpoint()));
    d.updateButton()->click();
    QVERIFY2(prompter_.informed.isEmpty(), qPrintable(prompter_.informed.join(QLatin1Char('|'))));
    QCOMPARE(stub.requests.first(), (QStringList{"MKAT2", "2026", "1", "85000"}));
    for (int i = 0; i < 23; ++i)
        QCOMPARE(d.field(taxReplyOrder().at(i))->text(), QString::number(i + 1) + QStringLiteral("000,5"));
    QCOMPARE(d.lowerLimit(2)->text(), QStringLiteral("       1.001,50"));
    // Stored at once, as one row of the period; what the service does not send starts empty.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), 1);
    QCOMPARE(cell(QStringLiteral("SELECT ENCUMEN FROM VEROR")).toDouble(), 23000.5);
    QCOMPARE(cell(QStringLiteral("SELECT OR1 FROM VEROR")).toDouble(), 2000.5);
    QVERIFY(cell(QStringLiteral("SELECT VIDVER FROM VEROR")).isNull());
    QVERIFY(cell(QStringLiteral("SELECT KAZVEROR FROM VEROR")).isNull());
    QCOMPARE(d.chooser(QStringLiteral("KAZVEROR"))->currentIndex(), -1);
    d.exitButton()->click();
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), 1);
}

void TestRatesScreens::taxUpdateFailureKeepsOldRow_data()
{
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<int>("sendOnly");
    QTest::addColumn<bool>("zeroLimit");
    QTest::addColumn<QString>("message");
    QTest::newRow("reply cut") << int(StubRateServer::Behaviour::CloseEarly) << 10 << false << "Bağlantı hatası oluştu.";
    QTest::newRow("bracket limit 0 in the reply") << int(StubRateServer::Behaviour::Answer) << 0 << true
                                                   << "Dikkat!! Eksik Giriş.";
}

void TestRatesScreens::taxUpdateFailureKeepsOldRow()
{
    QFETCH(int, behaviour);
    QFETCH(int, sendOnly);
    QFETCH(bool, zeroLimit);
    QFETCH(QString, message);
    storeTaxRow(QStringLiteral("100000"));
    StubRateServer stub;
    stub.reply = numbered(23, QString());
    if (zeroLimit)
        stub.reply[0] = QStringLiteral("0");
    stub.behaviour = StubRateServer::Behaviour(behaviour);
    stub.sendOnly = sendOnly;
    TaxRatesDialog d(*db_, ctx_, prompter_, RateServiceEndpoint::fromText(stub.endpoint()));
    d.updateButton()->click();
    QCOMPARE(prompter_.informed, QStringList{message});
    QCOMPARE(d.field(QStringLiteral("UST1"))->text(), QStringLiteral("100000"));
    QCOMPARE(cell(QStringLiteral("SELECT UST1 FROM VEROR")).toDouble(), 100000.0);
    QCOMPARE(cell(QStringLiteral("SELECT KAZVEROR FROM VEROR")).toInt(), 1);
    QCOMPARE(cell(QStringLiteral("SELECT VIDVER FROM VEROR")).toDouble(), 2.0);
}

void TestRatesScreens::replaceIsAtomic()
{
    // A failure after the deletion (here: the insert is refused) leaves the old row.
    storeTaxRow(QStringLiteral("100000"));
    db_->exec(QStringLiteral("CREATE EXCEPTION E_TEST 'refused'"));
    db_->exec(QStringLiteral("CREATE TRIGGER T_TEST FOR VEROR BEFORE INSERT AS BEGIN "
                             "IF (NEW.UST1 = 999) THEN EXCEPTION E_TEST; END"));
    QVERIFY_THROWS_EXCEPTION(db::DbError, replaceTax(*db_, {QStringLiteral("2026"), QStringLiteral("1")},
                                                    {{QStringLiteral("UST1"), QStringLiteral("999")}}));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM VEROR")), 1);
    QCOMPARE(cell(QStringLiteral("SELECT UST1 FROM VEROR")).toDouble(), 100000.0);
    QCOMPARE(db_->transactionDepth(), 0);
}

void TestRatesScreens::readOnlyWithoutWriteRight()
{
    storeTaxRow(QStringLiteral("100000"));
    ctx_.K = QStringLiteral("H");
    StubRateServer stub;
    TaxRatesDialog d(*db_, ctx_, prompter_, RateServiceEndpoint::fromText(stub.endpoint()));
    d.show();
    QVERIFY(d.readOnly());
    QVERIFY(!d.field(QStringLiteral("UST1"))->isEnabled());
    QVERIFY(!d.chooser(QStringLiteral("KAZVEROR"))->isEnabled());
    QVERIFY(!d.updateButton()->isEnabled());
    QVERIFY(!d.saveButton()->isEnabled());
    QVERIFY(!d.periodBox()->isEnabled());
    QCOMPARE(d.field(QStringLiteral("UST1"))->text(), QStringLiteral("100000"));
    d.updateFromService();  // even when reached some other way
    QVERIFY(stub.requests.isEmpty());
    d.exitButton()->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(cell(QStringLiteral("SELECT UST1 FROM VEROR")).toDouble(), 100000.0);
}

QTEST_MAIN(TestRatesScreens)
#include "tst_ratesscreens.moc"
