// Users, rights and the audit log as stored: hashed passwords (also those an older database
// kept in clear), a new user's rights, deletion with the rights, the dialog's checks, rights
// that fail closed, and the viewer's filters.

#include "audit.h"
#include "passwords.h"
#include "schema.h"
#include "session.h"
#include "testsupport.h"
#include "userstore.h"

#include <QSqlQuery>
#include <QtTest>

using namespace zeran;

class TestUsers : public QObject {
    Q_OBJECT

    std::unique_ptr<test::FreshDatabase> fresh_;
    std::unique_ptr<db::Database> db_;

    QString value(const QString &sql, const QVariantMap &binds = {}) { return db_->scalar(sql, binds).toString(); }
    int count(const QString &sql, const QVariantMap &binds = {}) { return db_->scalar(sql, binds).toInt(); }

private slots:
    void init()
    {
        fresh_ = std::make_unique<test::FreshDatabase>();
        db_ = std::make_unique<db::Database>(test::uniqueName("users"));
        db_->open(fresh_->params);
    }
    void cleanup()
    {
        db_.reset();
        fresh_.reset();
    }

    void hashesAreSaltedAndVerified()
    {
        const QString a = passwords::hash(QStringLiteral("şifre1"));
        const QString b = passwords::hash(QStringLiteral("şifre1"));
        QVERIFY(a != b);  // salted
        QVERIFY(!a.contains(QStringLiteral("şifre1")));
        QVERIFY(a.startsWith(QStringLiteral("$argon2id$")));
        QVERIFY(passwords::verify(a, QStringLiteral("şifre1")));
        QVERIFY(!passwords::verify(a, QStringLiteral("Şifre1")));
        QVERIFY(!passwords::verify(a, QString()));
        QVERIFY(!passwords::verify(QString(), QString()));
        QVERIFY(!passwords::verify(QStringLiteral("not a hash"), QStringLiteral("x")));
    }

    void newDatabaseHasTheUpgradeAndAPasswordlessZivo()
    {
        QList<int> every;
        for (int n = 1; n <= schema::latestUpgrade(); ++n)
            every << n;
        QCOMPARE(schema::appliedUpgrades(*db_), every);
        const QVector<users::LoginUser> users = users::loginUsers(*db_);
        QCOMPARE(users.size(), 1);
        QCOMPARE(users[0].USR, QStringLiteral("ZIVO"));
        QVERIFY(users[0].PWHASH.isEmpty());
    }

    void upgradeHashesClearTextPasswordsOnce()
    {
        // A database of the older program: passwords in clear, no upgrade recorded.
        {
            db::Transaction t(*db_);
            db_->exec(QStringLiteral("INSERT INTO USERS (USR,HNO,PSSWD,ACIK,OZEL) VALUES ('ALI',2,'ab1','Ali','3')"));
            db_->exec(QStringLiteral("UPDATE USERS SET PSSWD='zz' WHERE HNO=1"));
            db_->exec(QStringLiteral("DELETE FROM ZERSURUM"));
            t.commit();
        }
        schema::applyUpgrades(*db_);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM USERS WHERE PSSWD<>''")), 0);
        const QString ali = value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=2"));
        QVERIFY(passwords::verify(ali, QStringLiteral("ab1")));
        QVERIFY(passwords::verify(value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=1")), QStringLiteral("zz")));
        QVERIFY(schema::appliedUpgrades(*db_).contains(1));
        QCOMPARE(schema::appliedUpgrades(*db_).size(), schema::latestUpgrade());
        // Again: nothing changes.
        schema::applyUpgrades(*db_);
        QCOMPARE(value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=2")), ali);
    }

    void gateAppliesTheUpgradeToAnOlderDatabase()
    {
        {
            db::Transaction t(*db_);
            db_->exec(QStringLiteral("UPDATE USERS SET PSSWD='zz' WHERE HNO=1"));
            db_->exec(QStringLiteral("DELETE FROM ZERSURUM"));
            t.commit();
        }
        db_.reset();
        Session session;
        session.openMain(fresh_->params);
        QCOMPARE(session.versionGate(), GateResult::Equal);
        QVERIFY(passwords::verify(session.main().scalar(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=1")).toString(),
                                  QStringLiteral("zz")));
    }

    void newUserGetsEntryButNoChangeRights()
    {
        {
            db::Transaction t(*db_);
            db_->exec(QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (1,7,'E','E')"));
            t.commit();
        }
        const int hno = users::createUser(*db_, {0, QStringLiteral("AYŞE"), QStringLiteral("gizli şifre"),
                                                 QStringLiteral("gizli şifre"), QStringLiteral("Ayşe Yılmaz")});
        QCOMPARE(hno, 2);
        QCOMPARE(value(QStringLiteral("SELECT OZEL FROM USERS WHERE HNO=2")), QStringLiteral("3"));
        QCOMPARE(value(QStringLiteral("SELECT PSSWD FROM USERS WHERE HNO=2")), QString());
        const QString hash = value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=2"));
        QVERIFY(hash != QStringLiteral("gizli şifre"));
        QVERIFY(passwords::verify(hash, QStringLiteral("gizli şifre")));
        const QVector<users::Right> rights = users::rightsOf(*db_, hno);
        QCOMPARE(rights.size(), 2);  // the section in use (7) and the payroll section (3)
        for (const users::Right &r : rights) {
            QCOMPARE(r.G, QStringLiteral("E"));
            QCOMPARE(r.K, QStringLiteral("H"));
        }
        QCOMPARE(rights[0].KOD, 3);
        QCOMPARE(rights[1].KOD, 7);
    }

    void changedPasswordLogsInWithTheNewOneOnly()
    {
        const int hno = users::createUser(*db_, {0, QStringLiteral("ALI"), QStringLiteral("eski"), QStringLiteral("eski"), {}});
        // An empty password on a change keeps the stored one.
        users::updateUser(*db_, {hno, QStringLiteral("ALI2"), QString(), QString(), QStringLiteral("Ali")});
        QVERIFY(passwords::verify(value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=:H"), {{"H", hno}}),
                                  QStringLiteral("eski")));
        QCOMPARE(value(QStringLiteral("SELECT USR FROM USERS WHERE HNO=:H"), {{"H", hno}}), QStringLiteral("ALI2"));
        users::updateUser(*db_, {hno, QStringLiteral("ALI2"), QStringLiteral("yeni"), QStringLiteral("yeni"), {}});
        const QString hash = value(QStringLiteral("SELECT PWHASH FROM USERS WHERE HNO=:H"), {{"H", hno}});
        QVERIFY(passwords::verify(hash, QStringLiteral("yeni")));
        QVERIFY(!passwords::verify(hash, QStringLiteral("eski")));
        // The built-in user keeps its name whatever the edit says.
        users::updateUser(*db_, {1, QStringLiteral("BASKA"), QStringLiteral("p"), QStringLiteral("p"), QStringLiteral("Yönetici")});
        QCOMPARE(value(QStringLiteral("SELECT USR FROM USERS WHERE HNO=1")), QStringLiteral("ZIVO"));
        QCOMPARE(value(QStringLiteral("SELECT ACIK FROM USERS WHERE HNO=1")), QStringLiteral("Yönetici"));
    }

    void deletingAUserDeletesItsRights()
    {
        const int hno = users::createUser(*db_, {0, QStringLiteral("ALI"), QStringLiteral("a"), QStringLiteral("a"), {}});
        QVERIFY(count(QStringLiteral("SELECT COUNT(*) FROM RIGHTS WHERE HNO=:H"), {{"H", hno}}) > 0);
        users::deleteUser(*db_, hno);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM RIGHTS WHERE HNO=:H"), {{"H", hno}}), 0);
        QCOMPARE(count(QStringLiteral("SELECT COUNT(*) FROM USERS WHERE HNO=:H"), {{"H", hno}}), 0);
    }

    void dialogChecks_data()
    {
        QTest::addColumn<int>("hno");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("repeat");
        QTest::addColumn<bool>("hasPassword");
        QTest::addColumn<QString>("message");
        const QString badName = QString::fromUtf8(users::kBadNameMessage);
        const QString check = QString::fromUtf8(users::kCheckPasswordMessage);
        const QString taken = QString::fromUtf8(users::kNameTakenMessage);
        QTest::newRow("empty name") << 0 << "  " << "a" << "a" << false << badName;
        QTest::newRow("name longer than the column") << 0 << "ABCDEFGHIJK" << "a" << "a" << false << badName;
        QTest::newRow("repetition differs") << 0 << "YENI" << "a" << "b" << false << check;
        QTest::newRow("new user without a password") << 0 << "YENI" << "" << "" << false << check;
        QTest::newRow("new user with a taken name") << 0 << "ALI" << "a" << "a" << false << taken;
        QTest::newRow("names are case-sensitive") << 0 << "ali" << "a" << "a" << false << "";
        QTest::newRow("renamed to another user's name") << 3 << "ALI" << "" << "" << true << taken;
        QTest::newRow("keeping one's own name") << 2 << "ALI" << "" << "" << true << "";
        QTest::newRow("a change keeps the password") << 3 << "VELI" << "" << "" << true << "";
        QTest::newRow("a user without one must get one") << 3 << "VELI" << "" << "" << false << check;
        QTest::newRow("a name of a hidden user") << 0 << "GIZLI" << "a" << "a" << false << taken;
    }
    void dialogChecks()
    {
        QFETCH(int, hno);
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(QString, repeat);
        QFETCH(bool, hasPassword);
        QFETCH(QString, message);
        const QVector<users::User> existing = {{1, "ZIVO", {}, true}, {2, "ALI", {}, true}, {3, "VELI", {}, true},
                                               {4, "GIZLI", {}, true}};
        const auto refused = users::checkEdit({hno, name, password, repeat, {}}, existing, hasPassword);
        QCOMPARE(refused ? refused->message : QString(), message);
    }

    void rightsFailClosed_data()
    {
        QTest::addColumn<int>("user");
        QTest::addColumn<QString>("row");  // K of the section's row; "-" no row
        QTest::addColumn<bool>("may");
        QTest::newRow("no row") << 2 << "-" << false;
        QTest::newRow("change no") << 2 << "H" << false;
        QTest::newRow("change yes") << 2 << "E" << true;
        QTest::newRow("empty flag") << 2 << "" << false;
        QTest::newRow("super-user without a row") << 1 << "-" << true;
        QTest::newRow("super-user with a no") << 1 << "H" << true;
    }
    void rightsFailClosed()
    {
        QFETCH(int, user);
        QFETCH(QString, row);
        QFETCH(bool, may);
        {
            db::Transaction t(*db_);
            db_->exec(QStringLiteral("INSERT INTO USERS (USR,HNO,PSSWD,OZEL) VALUES ('ALI',2,'','3')"));
            if (row != QLatin1String("-"))
                db_->exec(QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (:H,3,'E',:K)"), {{"H", user}, {"K", row}});
            // Another section's yes says nothing of section 3.
            db_->exec(QStringLiteral("INSERT INTO RIGHTS (HNO,KOD,G,K) VALUES (:H,4,'E','E')"), {{"H", user}});
            t.commit();
        }
        Session session;
        session.openMain(fresh_->params);
        session.ctx.KULNO = user;
        session.ctx.K = QStringLiteral("E");  // as after start-up
        session.rightsaktar();
        QCOMPARE(session.mayChange(QStringLiteral("3")), may);
        QCOMPARE(session.ctx.K, may ? QStringLiteral("E") : QStringLiteral("H"));
    }

    void viewerFilters_data()
    {
        QTest::addColumn<QDate>("date");
        QTest::addColumn<bool>("onward");
        QTest::addColumn<QString>("user");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("numbers");  // KAYNO1 of the lines, in date order
        const QDate march1(2026, 3, 1);
        QTest::newRow("everything of this program") << QDate() << false << "" << "" << "" << "" << QList<int>{1, 2, 3, 4};
        QTest::newRow("one day") << march1 << false << "" << "" << "" << "" << QList<int>{2, 3};
        QTest::newRow("the day and later") << march1 << true << "" << "" << "" << "" << QList<int>{2, 3, 4};
        QTest::newRow("a user") << QDate() << false << "ALI" << "" << "" << "" << QList<int>{1, 3};
        QTest::newRow("a kind") << QDate() << false << "" << "S" << "" << "" << QList<int>{4};
        QTest::newRow("a section") << QDate() << false << "" << "" << "SICBIL" << "" << QList<int>{2};
        QTest::newRow("text in the middle") << QDate() << false << "" << "" << "" << "Birim Kodu:12" << QList<int>{1, 3};
        QTest::newRow("a percent sign is no wildcard") << QDate() << false << "" << "" << "" << "%" << QList<int>{4};
        QTest::newRow("everything together") << march1 << true << "ALI" << "D" << "ZER-MAAŞ" << "Kodu:12" << QList<int>{3};
    }
    void viewerFilters()
    {
        QFETCH(QDate, date);
        QFETCH(bool, onward);
        QFETCH(QString, user);
        QFETCH(QString, kind);
        QFETCH(QString, section);
        QFETCH(QString, text);
        QFETCH(QList<int>, numbers);
        const QString insert = QStringLiteral("INSERT INTO IZLEM(PRG,TARIH,SAAT,USR,ADSOY,ACIK,BOLUM,TUR,KAYNO1,KAYNO2) "
                                              "VALUES(:P,:T,:S,:U,'',:A,:B,:K,:N,0)");
        struct L {
            const char *prg, *date, *time, *user, *acik, *bolum, *tur;
            int n;
        };
        const L lines[] = {
            {"1", "2026-02-27", "10:00:00", "ALI", "YIL:2026 AY:2 Birim Kodu:12", "ZER-MAAŞ", "D", 1},
            {"1", "2026-03-01", "09:00:00", "AYŞE", "TCK NO: 1ADI: A B", "SICBIL", "Y", 2},
            {"1", "2026-03-01", "11:00:00", "ALI", "YIL:2026 AY:3 Birim Kodu:12", "ZER-MAAŞ", "D", 3},
            {"1", "2026-03-02", "08:00:00", "AYŞE", "100% silindi", "ARŞİV", "S", 4},
            {"2", "2026-03-01", "12:00:00", "ALI", "Birim Kodu:12 kardeş program", "ZER-MAAŞ", "D", 5},
        };
        {
            db::Transaction t(*db_);
            for (const L &l : lines) {
                db_->exec(insert, {{"P", l.prg},
                                   {"T", QDate::fromString(l.date, Qt::ISODate)},
                                   {"S", QTime::fromString(l.time)},
                                   {"U", l.user},
                                   {"A", QString::fromUtf8(l.acik)},
                                   {"B", QString::fromUtf8(l.bolum)},
                                   {"K", l.tur},
                                   {"N", l.n}});
            }
            t.commit();
        }
        audit::ViewFilter f;
        f.date = date;
        f.onward = onward;
        f.user = user;
        f.kind = kind;
        f.section = section;
        f.text = text;
        QList<int> got;
        for (const audit::Line &l : audit::lines(*db_, f))
            got << l.KAYNO1;
        QCOMPARE(got, numbers);
        // The choosers list only this program's users and sections.
        QCOMPARE(audit::users(*db_), (QStringList{"ALI", "AYŞE"}));
        QVERIFY(!audit::sections(*db_).isEmpty());
    }

    void viewerOrders()
    {
        const QString insert = QStringLiteral("INSERT INTO IZLEM(PRG,TARIH,SAAT,USR,ACIK,BOLUM,TUR,KAYNO1,KAYNO2) "
                                              "VALUES('1',:T,:S,:U,'x','B','D',:N,0)");
        {
            db::Transaction t(*db_);
            db_->exec(insert, {{"T", QDate(2026, 3, 2)}, {"S", QTime(9, 0)}, {"U", "B"}, {"N", 0}});
            db_->exec(insert, {{"T", QDate(2026, 3, 1)}, {"S", QTime(9, 0)}, {"U", "C"}, {"N", 0}});
            db_->exec(insert, {{"T", QDate(2026, 3, 3)}, {"S", QTime(9, 0)}, {"U", "A"}, {"N", 0}});
            t.commit();
        }
        const auto users = [this](audit::ViewFilter::Order o) {
            audit::ViewFilter f;
            f.order = o;
            QStringList out;
            for (const audit::Line &l : audit::lines(*db_, f))
                out << l.USR;
            return out;
        };
        QCOMPARE(users(audit::ViewFilter::Order::Date), (QStringList{"C", "B", "A"}));
        QCOMPARE(users(audit::ViewFilter::Order::User), (QStringList{"A", "B", "C"}));
        // Equal record numbers keep the date order.
        QCOMPARE(users(audit::ViewFilter::Order::Number), (QStringList{"C", "B", "A"}));
    }
};

QTEST_GUILESS_MAIN(TestUsers)
#include "tst_users.moc"
