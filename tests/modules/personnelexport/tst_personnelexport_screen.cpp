// "PERSONEL DETAY BİLGİLERİ" offscreen: the list by unit (the chosen unit becomes the working
// context's active unit), the default file, the workbook written and shown with its message,
// and the message of a file that cannot be written.

#include "context.h"
#include "exportfixture.h"
#include "exportscreen.h"
#include "spreadsheet.h"
#include "testsupport.h"
#include "uitest.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QTableView>
#include <QtTest>

using namespace zeran;
using namespace zeran::personnelexport;

class TestPersonnelExportScreen : public QObject {
    Q_OBJECT

private slots:
    void defaultPath()
    {
        QCOMPARE(defaultExportPath(QStringLiteral("/srv/zeran/BANKA")), QStringLiteral("/srv/zeran/PER.XLS"));
        QCOMPARE(defaultExportPath(QString()), QDir::current().filePath(QStringLiteral("PER.XLS")));
    }

    void screen()
    {
        test::FreshDatabase fresh;
        db::Database db(test::uniqueName("pexui"));
        db.open(fresh.params);
        test::personnelexport::fill(db);
        WorkingContext ctx;
        ctx.CYIL = QStringLiteral("2026");
        test::ScriptedPrompter prompter;
        QStringList shown;
        sheet::Workbook::setViewer([&shown](const QString &path) {
            shown << path;
            return true;
        });
        QTemporaryDir out;
        ExportScreen screen(nullptr, db, ctx, prompter, out.filePath(QStringLiteral("PER.XLS")));
        auto *grid = screen.findChild<QTableView *>(QStringLiteral("grid"));
        QCOMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(screen.period(), 3);
        auto *unit = screen.findChild<QComboBox *>(QStringLiteral("unitBox"));
        unit->setCurrentIndex(unit->findData(2));
        QCOMPARE(ctx.MBKOD, 2);
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(screen.period(), 0);
        unit->setCurrentIndex(unit->findData(1));
        QCOMPARE(screen.period(), 3);

        QVERIFY(screen.exportWorkbook());
        QCOMPARE(prompter.informed, QStringList{QStringLiteral("Dosya oluşturma işlemi tamamlandı...")});
        QVERIFY(QFileInfo::exists(out.filePath(QStringLiteral("PER.XLS"))));
        QCOMPARE(shown.size(), 1);

        screen.pathEdit()->setText(out.filePath(QStringLiteral("yok/klasör/PER.XLS")));
        QVERIFY(!screen.exportWorkbook());
        QCOMPARE(prompter.informed.last(), QStringLiteral("DİKKAT! Hata oluştuğundan işlem yapılamadı..."));
        sheet::Workbook::setViewer({});
    }
};

QTEST_MAIN(TestPersonnelExportScreen)
#include "tst_personnelexport_screen.moc"
