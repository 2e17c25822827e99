// Titles, deductions, earning slots, unions and pension companies: the rules, their data
// access and the screens, headless against a fresh database.

#include "context.h"
#include "definitionsdialog.h"
#include "definitionsgrid.h"
#include "definitionsstore.h"
#include "earningtypedialog.h"
#include "pensioncompaniesdialog.h"
#include "testsupport.h"
#include "ui/uitest.h"
#include "unionsdialog.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QtTest>

#include <memory>

using namespace zeran;
using namespace zeran::definitions;
using zeran::test::ScriptedPrompter;

namespace {

void choose(QComboBox *box, const QString &item)
{
    const int i = box->findText(item);
    QVERIFY2(i >= 0, qPrintable(item));
    box->setCurrentIndex(i);
    emit box->activated(i);
}

}  // namespace

class TestDefinitions : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // rules
    void seyyanenChecks_data();
    void seyyanenChecks();
    void codesShownAsTexts();

    // earning slots
    void tenSlotsOnFirstUse();
    void addSlotStopsAtTen();
    void usedThisYearMarker();
    void slotDialogStoresAmountOnlyForFixed_data();
    void slotDialogStoresAmountOnlyForFixed();
    void slotDialogKindSwitchEmptiesMethod();
    void slotDialogKeepsStoredMethod();
    void slotDialogCancelDiscards();
    void seyyanenOnScreen_data();
    void seyyanenOnScreen();
    void seyyanenFlagsSalaryUnitsOnly();

    // the other tables
    void sixthDeductionRefused();
    void deductionGrid();
    void titleGrid();
    void unionCodesAcrossPrograms();
    void unionScreen();
    void pensionCompanies();

private:
    void seyyanenFlagsSalaryUnits();
    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;
    WorkingContext ctx_;
    ScriptedPrompter prompter_;

    QVariant cell(const QString &sql) { return db_->scalar(sql); }
    int count(const QString &sql) { return db_->scalar(sql).toInt(); }
};

void TestDefinitions::init()
{
    fresh_ = std::make_unique<test::FreshDatabase>();
    db_ = std::make_unique<db::Database>(test::uniqueName("definitions"));
    db_->open(fresh_->params);
    ctx_ = WorkingContext();
    ctx_.CYIL = QStringLiteral("2026");
    ctx_.AY = 9;
    ctx_.KULNO = 1;
    prompter_ = ScriptedPrompter();
}

void TestDefinitions::cleanup()
{
    db_.reset();
    fresh_.reset();
}

void TestDefinitions::seyyanenChecks_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<QString>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("used");
    QTest::addColumn<QString>("refusal");
    QTest::newRow("allowed") << 1 << "2023" << 9 << false << false << "";
    QTest::newRow("December") << 1 << "2023" << 12 << false << false << "";
    QTest::newRow("other user first") << 2 << "2022" << 3 << true << true << "İşlem Yetkiniz Yoktur.";
    QTest::newRow("June") << 1 << "2023" << 6 << false << false << "Maaş Dönemi Geçersiz.";
    QTest::newRow("other year") << 1 << "2024" << 9 << false << false << "Maaş Dönemi Geçersiz.";
    QTest::newRow("exists") << 1 << "2023" << 7 << true << true << "Bu Hesap Önceden Oluşturulmuş.";
    QTest::newRow("used") << 1 << "2023" << 7 << false << true << "DİKKAT! Bu Hesap Kullanılmıştır.";
}

void TestDefinitions::seyyanenChecks()
{
    QFETCH(int, user);
    QFETCH(QString, year);
    QFETCH(int, month);
    QFETCH(bool, exists);
    QFETCH(bool, used);
    QFETCH(QString, refusal);
    const auto r = seyyanenRefusal({user, year, month, exists, used});
    QCOMPARE(r.value_or(QString()), refusal);
}

void TestDefinitions::codesShownAsTexts()
{
    EarningSlot s = defaultSlot(3);
    s.EMK = QStringLiteral("E");
    s.TUR = QStringLiteral("P");
    s.SEK = QStringLiteral("2");
    s.BRUTNET = QStringLiteral("N");
    QCOMPARE(earningGridRow(s, true), (QStringList{"3. Hesap Adı", "Yok", "Hayır", "Hayır", "Evet", "Hayır", "Puan",
                                                   "E.Y.M.M.", "", "Net", "*"}));
    const EarningSlot fixed = seyyanenSlot(s);
    QCOMPARE(earningGridRow(fixed, false), (QStringList{"Seyyanen Zam", "Var", "Hayır", "Evet", "Hayır", "Hayır", "Sabit",
                                                        "E.Y.M.M.", "8.138,89", "Brüt", ""}));
    QCOMPARE(unionStateText(QStringLiteral("P")), QStringLiteral("Pasif"));
    QCOMPARE(unionStateText(QString()), QStringLiteral("Aktif"));
    QCOMPARE(unionStateText(QStringLiteral("X")), QStringLiteral("Aktif"));
}

void TestDefinitions::tenSlotsOnFirstUse()
{
    DefinitionsDialog d(*db_, ctx_, prompter_);
    QCOMPARE(d.windowTitle(), QStringLiteral("DİĞER TANIMLAR"));
    QCOMPARE(d.tabs()->tabText(0), QStringLiteral("Ünvan Tanımları"));
    QCOMPARE(d.tabs()->tabText(1), QStringLiteral("Kesinti Tanımları"));
    QCOMPARE(d.tabs()->tabText(2), QStringLiteral("Gelir Tanımları"));
    QCOMPARE(d.earningsGrid()->rowCount(), 10);
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(d.earningsGrid()->item(k - 1, 0)->text(), QStringLiteral("%1. Hesap Adı").arg(k));
        QCOMPARE(d.earningsGrid()->item(k - 1, 1)->text(), QStringLiteral("Yok"));
        QCOMPARE(d.earningsGrid()->item(k - 1, 6)->text(), QStringLiteral("Değişken"));
    }
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERHESTUR WHERE BKOD=1 AND KOD='G' AND DUR='Y' AND GV='H' AND "
                                  "DV='H' AND IND='H' AND TUR='D' AND EMK IS NULL AND SEK IS NULL AND TUTAR IS NULL "
                                  "AND BRUTNET IS NULL")),
             10);
    QCOMPARE(cell(QStringLiteral("SELECT ADI FROM ZERHESTUR WHERE HNO=3")).toString(), QStringLiteral("3. Hesap Adı"));
    QCOMPARE(cell(QStringLiteral("SELECT MIN(HNO) FROM ZERHESTUR")).toInt(), 1);
    QCOMPARE(cell(QStringLiteral("SELECT MAX(HNO) FROM ZERHESTUR")).toInt(), 10);
    // Opening again adds nothing.
    DefinitionsDialog again(*db_, ctx_, prompter_);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERHESTUR")), 10);
}

void TestDefinitions::addSlotStopsAtTen()
{
    DefinitionsDialog d(*db_, ctx_, prompter_);
    d.addSlotAction()->trigger();
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERHESTUR")), 10);
    QVERIFY(prompter_.informed.isEmpty());
    // A table of seven slots gets the eighth, named "Hesap Adı".
    db_->exec(QStringLiteral("DELETE FROM ZERHESTUR WHERE HNO>7"));
    d.reloadEarnings();
    d.addSlotAction()->trigger();
    QCOMPARE(d.earningsGrid()->rowCount(), 8);
    QCOMPARE(cell(QStringLiteral("SELECT ADI FROM ZERHESTUR WHERE HNO=8")).toString(), QStringLiteral("Hesap Adı"));
    QCOMPARE(cell(QStringLiteral("SELECT TUR FROM ZERHESTUR WHERE HNO=8")).toString(), QStringLiteral("D"));
    QCOMPARE(addSlot(*db_), std::optional<int>(9));
    QCOMPARE(addSlot(*db_), std::optional<int>(10));
    QCOMPARE(addSlot(*db_), std::optional<int>());
}

void TestDefinitions::usedThisYearMarker()
{
    int person = 0;  // one row per person: the result rows are unique per pay record and month
    auto result = [this, &person](const char *year, const char *column, const char *value) {
        db_->exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,%1) VALUES (:PK,1,1,'1',:YL,1,%2)")
                      .arg(QLatin1String(column), QLatin1String(value)),
                  {{QStringLiteral("YL"), QString::fromLatin1(year)}, {QStringLiteral("PK"), ++person}});
    };
    result("2026", "KAZ3", "100");
    result("2026", "KAZ4", "0");
    result("2026", "KAZ6", "-5");
    result("2025", "KAZ5", "100");
    result("2026", "KAZ10", "0.01");
    DefinitionsDialog d(*db_, ctx_, prompter_);
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(d.earningsGrid()->item(k - 1, 10)->text(), (k == 3 || k == 10) ? QStringLiteral("*") : QString());
}

void TestDefinitions::slotDialogStoresAmountOnlyForFixed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("stored");
    QTest::newRow("Sabit") << "Sabit" << true;
    QTest::newRow("Değişken") << "Değişken" << false;
    QTest::newRow("Puan") << "Puan" << false;
}

void TestDefinitions::slotDialogStoresAmountOnlyForFixed()
{
    QFETCH(QString, kind);
    QFETCH(bool, stored);
    ensureSlots(*db_);
    EarningTypeDialog d(*db_, 2, prompter_);
    QCOMPARE(d.windowTitle(), QStringLiteral("BİLGİ GİRİŞİ"));
    QVERIFY(d.loaded());
    QVERIFY(!d.amountShown());
    choose(d.kindBox(), QStringLiteral("Sabit"));
    QVERIFY(d.amountShown());
    QTest::keyClicks(d.amountEdit(), QStringLiteral("1.250,75"));
    choose(d.kindBox(), kind);
    QCOMPARE(d.amountShown(), stored);
    QCOMPARE(d.sekShown(), kind == QLatin1String("Puan"));
    choose(d.durBox(), QStringLiteral("Var"));
    choose(d.grossNetBox(), QStringLiteral("Net"));
    d.saveButton()->click();
    QCOMPARE(d.result(), int(QDialog::Accepted));
    const QVariant tutar = cell(QStringLiteral("SELECT TUTAR FROM ZERHESTUR WHERE HNO=2"));
    QCOMPARE(tutar.isNull(), !stored);
    if (stored)
        QCOMPARE(tutar.toDouble(), 1250.75);
    QCOMPARE(cell(QStringLiteral("SELECT DUR FROM ZERHESTUR WHERE HNO=2")).toString(), QStringLiteral("V"));
    QCOMPARE(cell(QStringLiteral("SELECT BRUTNET FROM ZERHESTUR WHERE HNO=2")).toString(), QStringLiteral("N"));
    QCOMPARE(cell(QStringLiteral("SELECT TUR FROM ZERHESTUR WHERE HNO=2")).toString(), codeAt(kindCodes(), texts(kindCodes()).indexOf(kind)));
}

void TestDefinitions::slotDialogKindSwitchEmptiesMethod()
{
    ensureSlots(*db_);
    EarningTypeDialog d(*db_, 5, prompter_);
    choose(d.kindBox(), QStringLiteral("Puan"));
    choose(d.sekBox(), QStringLiteral("2-E.Y.M.M"));
    QCOMPARE(d.buffer().SEK, QStringLiteral("2"));
    choose(d.kindBox(), QStringLiteral("Sabit"));
    QVERIFY(!d.sekShown());
    choose(d.kindBox(), QStringLiteral("Puan"));
    QVERIFY(d.sekShown());
    QCOMPARE(d.sekBox()->currentIndex(), -1);
    QCOMPARE(d.buffer().SEK, QString());
    d.saveButton()->click();
    QVERIFY(cell(QStringLiteral("SELECT SEK FROM ZERHESTUR WHERE HNO=5")).isNull());
}

void TestDefinitions::slotDialogKeepsStoredMethod()
{
    ensureSlots(*db_);
    db_->exec(QStringLiteral("UPDATE ZERHESTUR SET TUR='P',SEK='1',EMK='E',ADI='PUANLI' WHERE HNO=6"));
    EarningTypeDialog d(*db_, 6, prompter_);
    QVERIFY(d.sekShown());
    QCOMPARE(d.sekBox()->currentText(), QStringLiteral("1-Katsayı"));
    QCOMPARE(d.kindBox()->currentText(), QStringLiteral("Puan"));
    QCOMPARE(d.emkBox()->currentText(), QStringLiteral("Evet"));
    QCOMPARE(d.gvBox()->currentText(), QStringLiteral("Hayır"));
    QCOMPARE(d.grossNetBox()->currentIndex(), -1);  // empty column, no choice shown
    QCOMPARE(d.nameEdit()->text(), QStringLiteral("PUANLI"));
    d.saveButton()->click();
    QCOMPARE(cell(QStringLiteral("SELECT SEK FROM ZERHESTUR WHERE HNO=6")).toString(), QStringLiteral("1"));
    QCOMPARE(cell(QStringLiteral("SELECT EMK FROM ZERHESTUR WHERE HNO=6")).toString(), QStringLiteral("E"));
    QVERIFY(cell(QStringLiteral("SELECT BRUTNET FROM ZERHESTUR WHERE HNO=6")).isNull());
}

void TestDefinitions::slotDialogCancelDiscards()
{
    ensureSlots(*db_);
    EarningTypeDialog d(*db_, 1, prompter_);
    choose(d.durBox(), QStringLiteral("Var"));
    d.nameEdit()->setText(QStringLiteral("İKRAMİYE"));
    emit d.nameEdit()->textEdited(d.nameEdit()->text());
    d.cancelButton()->click();
    QCOMPARE(d.result(), int(QDialog::Rejected));
    QCOMPARE(cell(QStringLiteral("SELECT DUR FROM ZERHESTUR WHERE HNO=1")).toString(), QStringLiteral("Y"));
    QCOMPARE(cell(QStringLiteral("SELECT ADI FROM ZERHESTUR WHERE HNO=1")).toString(), QStringLiteral("1. Hesap Adı"));

    // Through the list: double-click opens the slot and the list is read again after it.
    DefinitionsDialog list(*db_, ctx_, prompter_);
    int opened = 0;
    list.slotEditor = [&](int hno) {
        opened = hno;
        db_->exec(QStringLiteral("UPDATE ZERHESTUR SET ADI='YENİ' WHERE HNO=:H"), {{QStringLiteral("H"), hno}});
    };
    emit list.earningsGrid()->cellDoubleClicked(3, 0);
    QCOMPARE(opened, 4);
    QCOMPARE(list.earningsGrid()->item(3, 0)->text(), QStringLiteral("YENİ"));
}

void TestDefinitions::seyyanenOnScreen_data()
{
    QTest::addColumn<int>("user");
    QTest::addColumn<int>("month");
    QTest::addColumn<bool>("slotUsed");
    QTest::addColumn<bool>("exists");
    QTest::addColumn<bool>("yes");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("applied");
    QTest::newRow("confirmed") << 1 << 9 << false << false << true << "" << true;
    QTest::newRow("declined") << 1 << 9 << false << false << false << "" << false;
    QTest::newRow("user 2") << 2 << 9 << false << false << true << "İşlem Yetkiniz Yoktur." << false;
    QTest::newRow("March") << 1 << 3 << false << false << true << "Maaş Dönemi Geçersiz." << false;
    QTest::newRow("slot used") << 1 << 9 << true << false << true << "DİKKAT! Bu Hesap Kullanılmıştır." << false;
    QTest::newRow("exists") << 1 << 9 << false << true << true << "Bu Hesap Önceden Oluşturulmuş." << false;
}

void TestDefinitions::seyyanenOnScreen()
{
    QFETCH(int, user);
    QFETCH(int, month);
    QFETCH(bool, slotUsed);
    QFETCH(bool, exists);
    QFETCH(bool, yes);
    QFETCH(QString, message);
    QFETCH(bool, applied);
    ctx_.CYIL = QStringLiteral("2023");
    ctx_.AY = month;
    ctx_.KULNO = user;
    ensureSlots(*db_);
    if (slotUsed)
        db_->exec(QStringLiteral("INSERT INTO ZERMAAS (PKAYNO,BKOD,PKOD,TUR,YIL,AY,KAZ4) VALUES (1,1,1,'1','2023',7,10)"));
    if (exists)
        db_->exec(QStringLiteral("UPDATE ZERHESTUR SET ADI='Seyyanen Zam' WHERE HNO=9"));
    DefinitionsDialog d(*db_, ctx_, prompter_);
    prompter_.answers = {yes};
    d.earningsGrid()->setCurrentCell(3, 0);  // slot 4
    d.seyyanenAction()->trigger();
    QCOMPARE(prompter_.informed, message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(prompter_.asked,
             message.isEmpty() ? QStringList{QStringLiteral("DİKKAT! Bu kayıt Seyyanen olarak değiştirilecektir\rOnaylıyormusuznu ?")}
                               : QStringList());
    QCOMPARE(cell(QStringLiteral("SELECT ADI FROM ZERHESTUR WHERE HNO=4")).toString(),
             applied ? QStringLiteral("Seyyanen Zam") : QStringLiteral("4. Hesap Adı"));
    if (applied) {
        QCOMPARE(d.earningsGrid()->item(3, 0)->text(), QStringLiteral("Seyyanen Zam"));
        QCOMPARE(d.earningsGrid()->item(3, 8)->text(), QStringLiteral("8.138,89"));
    }
}

void TestDefinitions::seyyanenFlagsSalaryUnitsOnly()
{
    try {
        seyyanenFlagsSalaryUnits();
    } catch (const db::DbError &e) {
        QFAIL(qPrintable(e.text));
    }
}

void TestDefinitions::seyyanenFlagsSalaryUnits()
{
    ensureSlots(*db_);
    db_->exec(QStringLiteral("UPDATE ZERHESTUR SET SEK='1' WHERE HNO=4"));
    // Salary units 1 and 2, a committee unit 3, a unit of the worker program under code 4.
    for (const char *unit : {"(1,'MAAŞ 1','M','N')", "(2,'MAAŞ 2','M','N')", "(3,'ENCÜMEN','M','E')", "(4,'İŞÇİ','I','N')"})
        db_->exec(QStringLiteral("INSERT INTO BIRIM (BKOD,BIRIM,TUR,MTUR) VALUES %1").arg(QString::fromUtf8(unit)));
    int pk = 0;
    for (int bkod : {1, 1, 2, 3, 4})
        for (const char *durum : {"E", "H"}) {
            ++pk;
            db_->exec(QStringLiteral("INSERT INTO ZERBORBIL (PKAYNO,BKOD,PKOD,DURUM,KAZS4) VALUES (:P,:B,:P,:D,'H')"),
                      {{QStringLiteral("P"), pk}, {QStringLiteral("B"), bkod}, {QStringLiteral("D"), QString::fromLatin1(durum)}});
        }
    QCOMPARE(applySeyyanen(*db_, 4), 6);
    // Every record of the salary units, not-paid ones included; no one else.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE KAZS4='E'")), 6);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE KAZS4='E' AND BKOD IN (1,2)")), 6);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE KAZS4='E' AND DURUM='H'")), 3);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERBORBIL WHERE KAZS3 IS NOT NULL")), 0);
    // The slot itself; its point basis is not the raise's business.
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERHESTUR WHERE HNO=4 AND ADI='Seyyanen Zam' AND DUR='V' AND GV='H' "
                                  "AND DV='E' AND EMK='H' AND IND='H' AND TUR='S' AND BRUTNET='B' AND TUTAR=8138.89 "
                                  "AND SEK='1'")),
             1);
    QVERIFY(seyyanenSlotExists(*db_));
    QVERIFY_THROWS_EXCEPTION(db::DbError, applySeyyanen(*db_, 11));
}

void TestDefinitions::sixthDeductionRefused()
{
    for (int i = 1; i <= 5; ++i) {
        const auto harno = saveDeduction(*db_, {0, QStringLiteral("KESİNTİ %1").arg(i), std::nullopt, QStringLiteral("A")});
        QCOMPARE(harno, std::optional<int>(i));
    }
    QCOMPARE(saveDeduction(*db_, {0, QStringLiteral("ALTINCI"), std::nullopt, QStringLiteral("A")}), std::optional<int>());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERKES")), 5);
    // On the screen the sixth row is not even started, and nothing is said.
    DefinitionsDialog d(*db_, ctx_, prompter_);
    d.tabs()->setCurrentIndex(DefinitionsDialog::DeductionsPage);
    d.deductionsGrid()->setCurrentCell(4, 1);
    QTest::keyClick(d.deductionsGrid(), Qt::Key_Insert);
    QTest::keyClick(d.deductionsGrid(), Qt::Key_Down);
    QCOMPARE(d.deductionsGrid()->rowCount(), 5);
    QVERIFY(prompter_.informed.isEmpty());
    // Changing an existing one still works.
    d.deductionsGrid()->item(4, 2)->setText(QStringLiteral("12,50"));
    QCOMPARE(cell(QStringLiteral("SELECT TUTAR FROM ZERKES WHERE HARNO=5")).toDouble(), 12.5);
}

void TestDefinitions::deductionGrid()
{
    DefinitionsDialog d(*db_, ctx_, prompter_);
    DefinitionsGrid *g = d.deductionsGrid();
    QCOMPARE(g->horizontalHeaderItem(3)->text(), QStringLiteral("Durumu"));
    QVERIFY(g->appendRow());
    g->item(0, 2)->setText(QStringLiteral("100"));  // no name yet: nothing written
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM ZERKES")), 0);
    g->item(0, 1)->setText(QStringLiteral("LOJMAN KİRASI"));
    QCOMPARE(cell(QStringLiteral("SELECT KESADI FROM ZERKES WHERE HARNO=1")).toString(), QStringLiteral("LOJMAN KİRASI"));
    QCOMPARE(cell(QStringLiteral("SELECT TUTAR FROM ZERKES WHERE HARNO=1")).toDouble(), 100.0);
    QCOMPARE(g->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(g->item(0, 2)->text(), QStringLiteral("100,00"));
    auto *state = qobject_cast<QComboBox *>(g->cellWidget(0, 3));
    QVERIFY(state);
    choose(state, QStringLiteral("Pasif"));
    QCOMPARE(cell(QStringLiteral("SELECT AKTIF FROM ZERKES WHERE HARNO=1")).toString(), QStringLiteral("P"));
    // A typing error leaves the stored amount.
    g->item(0, 2)->setText(QStringLiteral("1,2,3"));
    QCOMPARE(cell(QStringLiteral("SELECT TUTAR FROM ZERKES WHERE HARNO=1")).toDouble(), 100.0);
    QCOMPARE(g->item(0, 2)->text(), QStringLiteral("100,00"));
}

void TestDefinitions::titleGrid()
{
    db_->exec(QStringLiteral("INSERT INTO UNTAN (UKOD,UNVAN,YOP) VALUES (7,'MEMUR',800)"));
    DefinitionsDialog d(*db_, ctx_, prompter_);
    DefinitionsGrid *g = d.titlesGrid();
    QCOMPARE(g->horizontalHeaderItem(0)->text(), QStringLiteral("Ünvanı"));
    QCOMPARE(g->horizontalHeaderItem(1)->text(), QStringLiteral("Y.Ö. P."));
    QCOMPARE(g->item(0, 0)->text(), QStringLiteral("MEMUR"));
    QCOMPARE(g->item(0, 1)->text(), QStringLiteral("800"));
    QVERIFY(g->appendRow());
    g->item(1, 0)->setText(QStringLiteral("ŞEF"));
    g->item(1, 1)->setText(QStringLiteral("1200,5"));
    QCOMPARE(cell(QStringLiteral("SELECT UNVAN FROM UNTAN WHERE UKOD=8")).toString(), QStringLiteral("ŞEF"));
    QCOMPARE(cell(QStringLiteral("SELECT YOP FROM UNTAN WHERE UKOD=8")).toDouble(), 1200.5);
    // A stored title cannot lose its name.
    g->item(0, 0)->setText(QString());
    QCOMPARE(g->item(0, 0)->text(), QStringLiteral("MEMUR"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM UNTAN")), 2);
    QCOMPARE(saveTitle(*db_, {0, QStringLiteral("YENİ"), std::nullopt}), 9);
}

void TestDefinitions::unionCodesAcrossPrograms()
{
    // The worker program's union holds the highest code.
    db_->exec(QStringLiteral("INSERT INTO SENDIKA (SENKOD,TUR,SENDIKA) VALUES (40,'I','İŞÇİ SENDİKASI')"));
    db_->exec(QStringLiteral("INSERT INTO SENDIKA (SENKOD,TUR,SENDIKA) VALUES (3,'M','MEMUR SEN')"));
    UnionsDialog d(*db_, prompter_);
    QCOMPARE(d.grid()->rowCount(), 1);  // only this program's unions
    for (const char *name : {"BİRİNCİ", "İKİNCİ"}) {
        d.addButton()->click();
        d.nameEdit()->setText(QString::fromUtf8(name));
        d.addButton()->click();
    }
    QCOMPARE(cell(QStringLiteral("SELECT SENKOD FROM SENDIKA WHERE SENDIKA='BİRİNCİ'")).toInt(), 41);
    QCOMPARE(cell(QStringLiteral("SELECT SENKOD FROM SENDIKA WHERE SENDIKA='İKİNCİ'")).toInt(), 42);
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM SENDIKA WHERE TUR='M'")), 3);
    QCOMPARE(d.grid()->rowCount(), 3);
}

void TestDefinitions::unionScreen()
{
    UnionsDialog d(*db_, prompter_);
    d.show();
    QCOMPARE(d.windowTitle(), QStringLiteral("SENDİKA TANIMLARI"));
    QCOMPARE(d.addButton()->text(), QStringLiteral("Ekle"));
    QVERIFY(!d.cancelButton()->isVisible());
    d.addButton()->click();
    QCOMPARE(d.addButton()->text(), QStringLiteral("Kaydet"));
    QVERIFY(d.cancelButton()->isVisible());
    QVERIFY(!d.grid()->isEnabled());
    // Without a name nothing is saved.
    d.addressEdit()->setText(QStringLiteral("ANKARA"));
    d.addButton()->click();
    QCOMPARE(prompter_.informed, QStringList{QStringLiteral("Sendika Adını Giriniz")});
    QVERIFY(d.adding());
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM SENDIKA")), 0);
    d.cancelButton()->click();
    QVERIFY(!d.adding());
    QCOMPARE(d.addButton()->text(), QStringLiteral("Ekle"));
    QVERIFY(!d.cancelButton()->isVisible());
    QVERIFY(d.grid()->isEnabled());

    d.addButton()->click();
    d.nameEdit()->setText(QStringLiteral("EĞİTİM SEN"));
    d.rateEdit()->setText(QStringLiteral("1,5"));
    choose(d.baseBox(), QStringLiteral("Damga Vergisi Matrahından"));
    choose(d.stateBox(), QStringLiteral("Pasif"));
    d.addButton()->click();
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM SENDIKA WHERE SENKOD=1 AND TUR='M' AND HTUR='D' AND HESAP='P' AND ORN=1.5")), 1);
    QCOMPARE(d.grid()->item(0, 4)->text(), QStringLiteral("Pasif"));
    QCOMPARE(d.grid()->item(0, 3)->text(), QStringLiteral("1,5"));

    // Moving to the row shows its basis; a new choice is written at once.
    QCOMPARE(d.baseBox()->currentText(), QStringLiteral("Damga Vergisi Matrahından"));
    choose(d.baseBox(), QStringLiteral("Taban Aylığından"));
    QCOMPARE(cell(QStringLiteral("SELECT HTUR FROM SENDIKA WHERE SENKOD=1")).toString(), QStringLiteral("T"));
    // A changed field is written when leaving the screen.
    d.accountEdit()->setText(QStringLiteral("TR00 1234"));
    d.exitButton()->click();
    QVERIFY(!d.isVisible());
    QCOMPARE(cell(QStringLiteral("SELECT BHNO FROM SENDIKA WHERE SENKOD=1")).toString(), QStringLiteral("TR00 1234"));
}

void TestDefinitions::pensionCompanies()
{
    PensionCompaniesDialog d(*db_, prompter_);
    QCOMPARE(d.windowTitle(), QStringLiteral("B.E.S FİRMALAR"));
    QCOMPARE(d.grid()->columnCount(), 4);
    QCOMPARE(d.grid()->horizontalHeaderItem(2)->text(), QStringLiteral("Banka ve Hesap No"));
    for (const char *firm : {"ANADOLU EMEKLİLİK", "GARANTİ BES"}) {
        QVERIFY(d.grid()->appendRow());
        d.grid()->item(d.grid()->rowCount() - 1, 0)->setText(QString::fromUtf8(firm));
    }
    d.grid()->item(1, 3)->setText(QStringLiteral("120.01.002"));
    QCOMPARE(cell(QStringLiteral("SELECT FKOD FROM BESFIRMA WHERE FIRMA='ANADOLU EMEKLİLİK'")).toInt(), 1);
    QCOMPARE(cell(QStringLiteral("SELECT FKOD FROM BESFIRMA WHERE FIRMA='GARANTİ BES'")).toInt(), 2);
    QCOMPARE(cell(QStringLiteral("SELECT HKOD FROM BESFIRMA WHERE FKOD=2")).toString(), QStringLiteral("120.01.002"));
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM BESFIRMA")), 2);
    // An appended row left empty is not written.
    QVERIFY(d.grid()->appendRow());
    d.exitButton()->click();
    QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM BESFIRMA")), 2);
}

QTEST_MAIN(TestDefinitions)
#include "tst_definitions.moc"
