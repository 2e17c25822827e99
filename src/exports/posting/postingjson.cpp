#include "postingjson.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace zeran::posting {

namespace {

QJsonValue amount(Money m) { return m.toPlain(4); }

QJsonObject lineJson(const PreparedLine &l)
{
    QJsonObject o;
    o.insert(QStringLiteral("HESNO"), l.HESNO);
    for (int i = 0; i < 4; ++i) {
        o.insert(QStringLiteral("K%1").arg(i + 1), l.K[i]);
        o.insert(QStringLiteral("F%1").arg(i + 1), l.F[i]);
        o.insert(QStringLiteral("E%1").arg(i + 1), l.E[i]);
    }
    o.insert(QStringLiteral("FT"), l.FT);
    o.insert(QStringLiteral("BORC"), amount(l.BORC));
    o.insert(QStringLiteral("ALACAK"), amount(l.ALACAK));
    o.insert(QStringLiteral("ACIK"), l.ACIK);
    o.insert(QStringLiteral("TUR"), l.TUR);
    o.insert(QStringLiteral("DUR"), l.DUR);
    o.insert(QStringLiteral("KKOD"), l.KKOD);
    o.insert(QStringLiteral("FKOD"), l.FKOD);
    o.insert(QStringLiteral("FTIP"), l.FTIP);
    o.insert(QStringLiteral("EKOD"), l.EKOD);
    o.insert(QStringLiteral("CKOD"), l.CKOD);
    return o;
}

}  // namespace

QByteArray preparationJson(const Preparation &p, const std::vector<PreparedLine> &lines, const Entry &entry)
{
    const PostingRequest &r = p.request;
    QJsonObject root;
    root.insert(QStringLiteral("kind"), r.kind.code);
    root.insert(QStringLiteral("shown"), r.combined ? QStringLiteral("Birleşik") : r.kind.shown);
    root.insert(QStringLiteral("planKind"), r.kind.planKind);
    root.insert(QStringLiteral("rowKind"), r.kind.rowKind);
    root.insert(QStringLiteral("year"), r.year);
    root.insert(QStringLiteral("month"), r.month);
    root.insert(QStringLiteral("unit"), r.unit);
    root.insert(QStringLiteral("combined"), r.combined);
    root.insert(QStringLiteral("person"), r.person ? QJsonValue(*r.person) : QJsonValue());
    root.insert(QStringLiteral("rows"), int(p.rows.size()));
    root.insert(QStringLiteral("planLines"), int(p.plan.size()));
    root.insert(QStringLiteral("journalNumber"), p.journalNumber ? QJsonValue(double(*p.journalNumber)) : QJsonValue());

    QJsonArray ls;
    for (const PreparedLine &l : lines)
        ls.append(lineJson(l));
    root.insert(QStringLiteral("lines"), ls);

    const Totals t = totalsOf(lines);
    QJsonObject totals;
    totals.insert(QStringLiteral("TAHAKKUK"), amount(t.accrual));
    totals.insert(QStringLiteral("BORC"), amount(t.debit));
    totals.insert(QStringLiteral("ALACAK"), amount(t.credit));
    totals.insert(QStringLiteral("KESINTI"), amount(t.deduction));
    totals.insert(QStringLiteral("CEK"), amount(t.cheques));
    root.insert(QStringLiteral("totals"), totals);
    root.insert(QStringLiteral("balanced"), t.debit == t.credit);

    const JournalHeader &h = entry.header;
    QJsonObject yev;
    yev.insert(QStringLiteral("YEVTAR"), h.YEVTAR.toString(Qt::ISODate));
    yev.insert(QStringLiteral("FISTUR"), h.FISTUR);
    yev.insert(QStringLiteral("BRMKOD"), h.BRMKOD);
    yev.insert(QStringLiteral("CKOD"), h.CKOD);
    yev.insert(QStringLiteral("FISNO"), h.FISNO);
    yev.insert(QStringLiteral("TAH"), amount(h.TAH));
    yev.insert(QStringLiteral("KES"), amount(h.KES));
    yev.insert(QStringLiteral("ODE"), amount(h.ODE));
    yev.insert(QStringLiteral("TUT"), amount(h.TUT));
    yev.insert(QStringLiteral("ACIK"), h.ACIK);
    yev.insert(QStringLiteral("EKLER"), h.EKLER);
    yev.insert(QStringLiteral("MYET"), h.MYET);
    yev.insert(QStringLiteral("MYETUNV"), h.MYETUNV);
    yev.insert(QStringLiteral("HADSOY"), h.HADSOY);
    yev.insert(QStringLiteral("HGOR"), h.HGOR);
    yev.insert(QStringLiteral("TADSOY"), h.TADSOY);
    yev.insert(QStringLiteral("TGOR"), h.TGOR);
    yev.insert(QStringLiteral("MTUR"), h.MTUR);
    yev.insert(QStringLiteral("YIL"), h.YIL);
    QJsonArray muh;
    for (const JournalLine &j : entry.lines) {
        QJsonObject o;
        o.insert(QStringLiteral("HARNO"), j.HARNO);
        o.insert(QStringLiteral("HKOD"), j.HKOD);
        o.insert(QStringLiteral("BKAYNO"), double(j.BKAYNO));
        o.insert(QStringLiteral("BORC"), amount(j.BORC));
        o.insert(QStringLiteral("ALACAK"), amount(j.ALACAK));
        o.insert(QStringLiteral("CKOD"), j.CKOD);
        muh.append(o);
    }
    QJsonObject journal;
    journal.insert(QStringLiteral("YEVMIYE"), yev);
    journal.insert(QStringLiteral("MUHHAR"), muh);
    root.insert(QStringLiteral("journal"), journal);
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

}  // namespace zeran::posting
