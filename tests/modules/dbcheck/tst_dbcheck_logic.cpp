// The log of the database check: the lines of the steps in their order, each only when its
// figure is not zero, between the start and end lines.

#include "dbchecklog.h"

#include <QtTest>

using namespace zeran::dbcheck;

class TestDbCheckLog : public QObject {
    Q_OBJECT

private slots:
    void lines()
    {
        QCOMPARE(logOf({}), (QStringList{kStarted.toString(), QString(), QString(), kEnded.toString()}));
        Counts c;
        c.payRecordsDeleted = 2;
        c.ledgerRowsCreated = 24;
        c.ledgerRowsDeleted = 5;  // no line of its own
        c.planHeadersDeleted = 1;
        c.planHeadersCreated = 6;
        QCOMPARE(logOf(c), (QStringList{kStarted.toString(), QString(),
                                        QStringLiteral("PERSONEL TANIMLARINDA TANIMSIZ 2 BİRİM KAYDI SİLİNDİ"), QString(),
                                        QStringLiteral("BULUNMAYAN 24 EMEKLİ KESENEKLERİ KAYDI OLUŞTURULDU"), QString(),
                                        QStringLiteral("NAKİT TANIMLARINDA TANIMSIZ 1 KURUM KAYDI SİLİNDİ"),
                                        QStringLiteral("NAKİT TANIMLARINDA BULUNMAYAN 6 KAYIT OLUŞTURULDU"), QString(),
                                        QString(), kEnded.toString()}));
        Counts onlyDeleted;
        onlyDeleted.ledgerRowsDeleted = 3;
        QVERIFY(onlyDeleted.any());
        QVERIFY(question(onlyDeleted).contains(QStringLiteral("Silinecek personeli bulunmayan emekli kesenekleri kaydı: 3")));
        QVERIFY(question(c).endsWith(QStringLiteral("Onaylıyormusunuz?")));
    }
};

QTEST_GUILESS_MAIN(TestDbCheckLog)
#include "tst_dbcheck_logic.moc"
