// The shared widgets every screen is built from: amounts read as the clerk typed them or
// refused with a message, dates that may stay empty, code lists that store codes, and
// command buttons whose captions are their keys.

#include "codecombo.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "moneyedit.h"

#include <QDialog>
#include <QSignalSpy>
#include <QTableView>
#include <QVBoxLayout>
#include <QtTest>

using namespace zeran;
using namespace zeran::ui;

Q_DECLARE_METATYPE(std::optional<qint64>)

class TestWidgets : public QObject {
    Q_OBJECT

private slots:
    void readAmount_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("floatColumn");
        QTest::addColumn<bool>("blank");
        QTest::addColumn<std::optional<qint64>>("raw");  // ten-thousandths; nullopt: refused
        QTest::addColumn<QString>("said");
        const auto none = std::optional<qint64>();
        QTest::newRow("grouped with kuruş") << "1.234,56" << false << false << std::optional<qint64>(12345600) << "";
        QTest::newRow("plain decimal comma") << "12,5" << false << false << std::optional<qint64>(125000) << "";
        QTest::newRow("negative") << "-850,35" << false << false << std::optional<qint64>(-8503500) << "";
        QTest::newRow("blank") << "   " << false << true << none << "";
        QTest::newRow("two commas") << "12,3,4" << false << false << none << "'12,3,4' geçerli bir tutar değil";
        QTest::newRow("letters") << "on iki" << false << false << none << "geçerli bir tutar değil";
        QTest::newRow("float column, a kuruş too fine") << "200.000,01" << true << false << none << "kuruşu kuruşuna";
        QTest::newRow("float column, exact") << "2.970.430,25" << true << false
                                             << std::optional<qint64>(29704302500) << "";
        QTest::newRow("double column keeps it") << "200.000,01" << false << false
                                                << std::optional<qint64>(2000000100) << "";
    }
    void readAmount()
    {
        QFETCH(QString, text);
        QFETCH(bool, floatColumn);
        QFETCH(bool, blank);
        QFETCH(std::optional<qint64>, raw);
        QFETCH(QString, said);
        AmountRules rules;
        rules.floatColumn = floatColumn;
        const AmountReading r = ui::readAmount(text, QStringLiteral("Lojman Kirası"), rules);
        QCOMPARE(r.blank, blank);
        QCOMPARE(r.amount ? std::optional<qint64>(r.amount->raw()) : std::nullopt, raw);
        QCOMPARE(r.ok(), said.isEmpty());
        QVERIFY2(r.problem.contains(said), qPrintable(r.problem));
        if (floatColumn && !said.isEmpty())
            QVERIFY(r.problem.contains(QStringLiteral("\"Lojman Kirası\"")));
    }

    void amountRange()
    {
        AmountRules rules;
        rules.min = Money::fromUnits(0);
        rules.max = Money::fromUnits(100);
        QVERIFY(ui::readAmount(QStringLiteral("100,00"), QStringLiteral("Oran"), rules).ok());
        const AmountReading r = ui::readAmount(QStringLiteral("100,01"), QStringLiteral("Oran"), rules);
        QVERIFY(!r.ok());
        QVERIFY(!r.amount);
        QVERIFY2(r.problem.contains(QStringLiteral("\"Oran\"")) && r.problem.contains(QStringLiteral("100,00")),
                 qPrintable(r.problem));
        QVERIFY(!ui::readAmount(QStringLiteral("-0,01"), QStringLiteral("Oran"), rules).ok());
    }

    void moneyEditShowsAndReads()
    {
        MoneyEdit amount;
        amount.setAmount(Money::parsePlain(u"1234.5"));
        QCOMPARE(amount.text(), QStringLiteral("1.234,50"));
        QVERIFY(!amount.edited());
        amount.setText(QStringLiteral("1.234,51"));
        QVERIFY(amount.edited());
        QCOMPARE(amount.read().amount, Money::parsePlain(u"1234.51"));
        amount.setAmount(std::nullopt);
        QCOMPARE(amount.text(), QString());
        QVERIFY(amount.read().blank);

        MoneyEdit points(nullptr, MoneyEdit::Style::Plain);
        points.setAmount(Money::parsePlain(u"12.5"));
        QCOMPARE(points.text(), QStringLiteral("12,5"));
        points.setAmount(Money::parsePlain(u"0.125"));
        QCOMPARE(points.text(), QStringLiteral("0,125"));
    }

    void dateEdit_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("isDate");
        QTest::addColumn<QDate>("date");
        QTest::newRow("a date") << "15.03.2026" << true << QDate(2026, 3, 15);
        QTest::newRow("empty is no date, and allowed") << "" << true << QDate();
        QTest::newRow("not in the calendar") << "31.02.2026" << false << QDate();
        QTest::newRow("half typed") << "15.03." << false << QDate();
    }
    void dateEdit()
    {
        QFETCH(QString, typed);
        QFETCH(bool, isDate);
        QFETCH(QDate, date);
        DateEdit e;
        e.setText(typed);
        const std::optional<QDate> d = e.date();
        QCOMPARE(d.has_value(), isDate);
        if (isDate)
            QCOMPARE(*d, date);
        e.setDate(QDate(2026, 12, 1));
        QCOMPARE(e.text(), QStringLiteral("01.12.2026"));
        e.setDate(QDate());
        QVERIFY(e.isBlank());
    }

    void codeCombo()
    {
        CodeCombo c;
        c.setChoices(yesNoCodes());
        QCOMPARE(c.currentIndex(), -1);
        QVERIFY(!c.code().isValid());
        c.setCode(QStringLiteral("H"));
        QCOMPARE(c.currentText(), QStringLiteral("Hayır"));
        QCOMPARE(c.codeText(), QStringLiteral("H"));
        // A code the list does not offer shows as nothing chosen (and is kept by the caller).
        c.setCode(QStringLiteral("S"));
        QCOMPARE(c.currentIndex(), -1);

        c.setLookup({{3, QStringLiteral("FEN İŞLERİ")}, {11, QStringLiteral("ZABITA")}}, true);
        c.setCode(11);
        QCOMPARE(c.codeNumber(), std::optional<int>(11));
        c.setCode(QVariant());
        QCOMPARE(c.currentIndex(), 0);  // the empty item: "none"
        QVERIFY(!c.codeNumber());
    }

    void keysOfCaptions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QKeySequence>("key");
        QTest::newRow("F2-Ekle") << "F2-Ekle" << QKeySequence(Qt::Key_F2);
        QTest::newRow("F5-Kayıt") << "F5-Kayıt" << QKeySequence(Qt::Key_F5);
        QTest::newRow("F10 with a blank") << "F10 Yazdır" << QKeySequence(Qt::Key_F10);
        QTest::newRow("F12") << "F12-Son" << QKeySequence(Qt::Key_F12);
        QTest::newRow("ESC-Çıkış") << "ESC-Çıkış" << QKeySequence(Qt::Key_Escape);
        QTest::newRow("ESC Çıkış") << "ESC Çıkış" << QKeySequence(Qt::Key_Escape);
        QTest::newRow("no key") << "Çıkış" << QKeySequence();
        QTest::newRow("a word with F") << "Fark Bordrosu" << QKeySequence();
        QTest::newRow("F13 is no key") << "F13" << QKeySequence();
    }
    void keysOfCaptions()
    {
        QFETCH(QString, caption);
        QFETCH(QKeySequence, key);
        QCOMPARE(keyOfCaption(caption), key);
        QPushButton *b = commandButton(caption, QStringLiteral("b"));
        QCOMPARE(b->shortcut(), key);
        QVERIFY(!b->autoDefault());
        delete b;
    }

    void commandBarKeysWork()
    {
        QDialog d;
        auto *layout = new QVBoxLayout(&d);
        auto *bar = new CommandBar(&d);
        layout->addWidget(bar);
        QPushButton *save = bar->add(QStringLiteral("F5-Kayıt"), QStringLiteral("saveButton"));
        bar->addStretch();
        QPushButton *cancel = bar->add(QStringLiteral("F6-Vazgeç"), QStringLiteral("cancelButton"));
        QCOMPARE(d.findChild<QPushButton *>(QStringLiteral("saveButton")), save);
        QSignalSpy saved(save, &QPushButton::clicked);
        QSignalSpy cancelled(cancel, &QPushButton::clicked);
        d.show();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QTest::keyClick(&d, Qt::Key_F5);
        QTRY_COMPARE(saved.count(), 1);
        QCOMPARE(cancelled.count(), 0);
    }

    void gridSetUp()
    {
        QTableView grid;
        setUpGrid(&grid);
        QCOMPARE(grid.selectionBehavior(), QAbstractItemView::SelectRows);
        QCOMPARE(grid.selectionMode(), QAbstractItemView::SingleSelection);
        QCOMPARE(grid.editTriggers(), QAbstractItemView::NoEditTriggers);
        setUpGrid(&grid, GridEditing::InPlace);
        QVERIFY(grid.editTriggers().testFlag(QAbstractItemView::DoubleClicked));
    }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
