// The rate-update client against a stub service: what it sends, how it reads the reply, and
// that a broken reply hands nothing over.

#include "rateservice.h"
#include "stubrateserver.h"

#include <QElapsedTimer>
#include <QtTest>

using namespace zeran;
using namespace zeran::rates;
using zeran::test::StubRateServer;

namespace {

QStringList legalReply()
{
    QStringList r;
    for (int i = 1; i <= 30; ++i)
        r << QStringLiteral("%1,25").arg(i);  // 1,25  2,25 …: every value tells its position
    return r;
}

RateServiceEndpoint endpointOf(const StubRateServer &s)
{
    return RateServiceEndpoint::fromText(s.endpoint());
}

}  // namespace

class TestRateService : public QObject {
    Q_OBJECT

private slots:
    void legalRequestAndOrder();
    void taxRequestAndOrder();
    void eitherDecimalForm_data();
    void eitherDecimalForm();
    void emptyLineEmptiesColumn();
    void brokenReplies_data();
    void brokenReplies();
    void serviceDown();
    void silentServiceTimesOut();
    void endpointText_data();
    void endpointText();
};

void TestRateService::legalRequestAndOrder()
{
    StubRateServer stub;
    stub.reply = legalReply();
    RateServiceClient client(endpointOf(stub));
    QString error;
    const auto v = client.fetchLegal({QStringLiteral("2026"), QStringLiteral("2")}, &error);
    QVERIFY2(v, qPrintable(error));
    QCOMPARE(stub.requests.size(), 1);
    QCOMPARE(stub.requests.first(), (QStringList{"MKAT1", "2026", "2", ""}));
    QCOMPARE(v->size(), 30);
    for (int i = 0; i < 30; ++i)
        QCOMPARE(v->value(legalReplyOrder().at(i)), QStringLiteral("%1.25").arg(i + 1));
    QCOMPARE(v->value(QStringLiteral("KATSAYI")), QStringLiteral("1.25"));
    QCOMPARE(v->value(QStringLiteral("SAKDER1")), QStringLiteral("13.25"));
    QCOMPARE(v->value(QStringLiteral("YEMEK")), QStringLiteral("30.25"));
}

void TestRateService::taxRequestAndOrder()
{
    StubRateServer stub;
    for (int i = 1; i <= 23; ++i)
        stub.reply << QString::number(i * 1000);
    RateServiceClient client(endpointOf(stub));
    const auto v = client.fetchTax({QStringLiteral("2026"), QStringLiteral("1")}, 125000);
    QVERIFY(v);
    QCOMPARE(stub.requests.first(), (QStringList{"MKAT2", "2026", "1", "125000"}));
    QCOMPARE(v->value(QStringLiteral("UST1")), QStringLiteral("1000"));
    QCOMPARE(v->value(QStringLiteral("OR1")), QStringLiteral("2000"));
    QCOMPARE(v->value(QStringLiteral("DVER")), QStringLiteral("9000"));
    QCOMPARE(v->value(QStringLiteral("ASUCR")), QStringLiteral("19000"));
    QCOMPARE(v->value(QStringLiteral("AGIUST")), QStringLiteral("20000"));
    QCOMPARE(v->value(QStringLiteral("MECLIS")), QStringLiteral("22000"));
    QCOMPARE(v->value(QStringLiteral("ENCUMEN")), QStringLiteral("23000"));
}

void TestRateService::eitherDecimalForm_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("lineEnd");
    QTest::addColumn<QString>("katsayi");
    QTest::newRow("comma") << "1,387871" << "\r\n" << "1.387871";
    QTest::newRow("point") << "1.387871" << "\r\n" << "1.387871";
    QTest::newRow("LF only") << "0,5" << "\n" << "0.5";
    QTest::newRow("padded") << "  2,25  " << "\r\n" << "2.25";
}

void TestRateService::eitherDecimalForm()
{
    QFETCH(QString, line);
    QFETCH(QString, lineEnd);
    QFETCH(QString, katsayi);
    StubRateServer stub;
    stub.reply = legalReply();
    stub.reply[0] = line;
    stub.lineEnd = lineEnd;
    const auto v = RateServiceClient(endpointOf(stub)).fetchLegal({QStringLiteral("2026"), QStringLiteral("1")});
    QVERIFY(v);
    QCOMPARE(v->value(QStringLiteral("KATSAYI")), katsayi);
}

void TestRateService::emptyLineEmptiesColumn()
{
    StubRateServer stub;
    stub.reply = legalReply();
    stub.reply[1] = QString();  // YOD
    const auto v = RateServiceClient(endpointOf(stub)).fetchLegal({QStringLiteral("2026"), QStringLiteral("1")});
    QVERIFY(v);
    QVERIFY(v->contains(QStringLiteral("YOD")));
    QCOMPARE(v->value(QStringLiteral("YOD")), QString());
}

void TestRateService::brokenReplies_data()
{
    QTest::addColumn<int>("behaviour");
    QTest::addColumn<int>("sendOnly");
    QTest::addColumn<int>("badLine");  // -1: none
    QTest::addColumn<bool>("ok");
    QTest::newRow("29 of 30 lines") << int(StubRateServer::Behaviour::CloseEarly) << 29 << -1 << false;
    QTest::newRow("no line at all") << int(StubRateServer::Behaviour::CloseEarly) << 0 << -1 << false;
    QTest::newRow("a word instead of a number") << int(StubRateServer::Behaviour::Answer) << 0 << 17 << false;
    QTest::newRow("last line ends with the connection") << int(StubRateServer::Behaviour::NoFinalCrLf) << 0 << -1 << true;
}

void TestRateService::brokenReplies()
{
    QFETCH(int, behaviour);
    QFETCH(int, sendOnly);
    QFETCH(int, badLine);
    QFETCH(bool, ok);
    StubRateServer stub;
    stub.reply = legalReply();
    if (badLine >= 0)
        stub.reply[badLine] = QStringLiteral("HATA");
    stub.behaviour = StubRateServer::Behaviour(behaviour);
    stub.sendOnly = sendOnly;
    QString error;
    const auto v = RateServiceClient(endpointOf(stub)).fetchLegal({QStringLiteral("2026"), QStringLiteral("1")}, &error);
    QCOMPARE(v.has_value(), ok);
    if (!ok)
        QVERIFY(!error.isEmpty());
}

void TestRateService::serviceDown()
{
    quint16 port = 0;
    {
        StubRateServer gone;  // a port that was free a moment ago and has nobody listening now
        port = gone.port();
    }
    RateServiceClient client({QStringLiteral("127.0.0.1"), port});
    QString error;
    QVERIFY(!client.fetchLegal({QStringLiteral("2026"), QStringLiteral("1")}, &error));
    QVERIFY(!error.isEmpty());
    // No host configured at all.
    QVERIFY(!RateServiceClient(RateServiceEndpoint{}).fetchTax({QStringLiteral("2026"), QStringLiteral("1")}, 0));
}

void TestRateService::silentServiceTimesOut()
{
    StubRateServer stub;
    stub.behaviour = StubRateServer::Behaviour::Silent;
    RateServiceClient client(endpointOf(stub));
    client.setReplyTimeout(300);
    QElapsedTimer t;
    t.start();
    QString error;
    QVERIFY(!client.fetchLegal({QStringLiteral("2026"), QStringLiteral("1")}, &error));
    QVERIFY2(t.elapsed() < 5000, qPrintable(QString::number(t.elapsed())));
    QVERIFY(error.contains(QStringLiteral("zaman aşımı")));
}

void TestRateService::endpointText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("host only") << "oran.example.org" << "oran.example.org" << 1965;
    QTest::newRow("host and port") << "127.0.0.1:3061" << "127.0.0.1" << 3061;
    QTest::newRow("bad port") << "host:99999" << "" << 0;
    QTest::newRow("empty") << "" << "" << 1965;
}

void TestRateService::endpointText()
{
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(int, port);
    const RateServiceEndpoint e = RateServiceEndpoint::fromText(text);
    QCOMPARE(e.host, host);
    QCOMPARE(int(e.port), port);
}

QTEST_GUILESS_MAIN(TestRateService)
#include "tst_rateservice.moc"
