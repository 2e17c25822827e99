#include "accountingstore.h"

#include <QSet>

namespace zeran::posting {

namespace {

QString text(const QVariant &v) { return v.toString().trimmed(); }

QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

QVariant intOrNull(qint64 v)
{
    return v != 0 ? QVariant(v) : QVariant(QMetaType(QMetaType::LongLong));
}

AccountingUnit unitFrom(const QSqlQuery &q)
{
    return {text(q.value(0)), text(q.value(1)), text(q.value(2)), text(q.value(3)), text(q.value(4)), text(q.value(5))};
}

CurrentAccount accountFrom(const QSqlQuery &q)
{
    return {q.value(0).toInt(), text(q.value(1)), text(q.value(2)), text(q.value(3)), text(q.value(4)), text(q.value(5))};
}

QVariantMap headerBinds(const JournalHeader &h)
{
    return {
        {QStringLiteral("X0"), h.YEVTAR},
        {QStringLiteral("X1"), h.FISTUR},
        {QStringLiteral("X2"), textOrNull(h.BRMKOD)},
        {QStringLiteral("X3"), h.CKOD != 0 ? QVariant(h.CKOD) : QVariant(QMetaType(QMetaType::Int))},
        {QStringLiteral("X4"), h.FISNO},
        {QStringLiteral("X5"), h.TAH.toDouble()},
        {QStringLiteral("X6"), h.KES.toDouble()},
        {QStringLiteral("X7"), h.ODE.toDouble()},
        {QStringLiteral("X8"), textOrNull(h.ACIK)},
        {QStringLiteral("X9"), textOrNull(h.EKLER)},
        {QStringLiteral("X10"), h.TUT.toDouble()},
        {QStringLiteral("X11"), textOrNull(h.MYET)},
        {QStringLiteral("X12"), textOrNull(h.MYETUNV)},
        {QStringLiteral("X13"), textOrNull(h.HADSOY)},
        {QStringLiteral("X14"), textOrNull(h.HGOR)},
        {QStringLiteral("X15"), textOrNull(h.TADSOY)},
        {QStringLiteral("X16"), textOrNull(h.TGOR)},
    };
}

}  // namespace

std::optional<Institution> readInstitution(db::Database &acc)
{
    QSqlQuery q = acc.exec(QStringLiteral("SELECT K1,K2,K3,K4,FISOH,SAY,SUNV FROM TANIM"));
    if (!q.next())
        return std::nullopt;
    return Institution{text(q.value(0)), text(q.value(1)), text(q.value(2)), text(q.value(3)),
                       text(q.value(4)), text(q.value(5)), text(q.value(6))};
}

std::vector<AccountingUnit> accountingUnits(db::Database &acc, int year)
{
    QSqlQuery q = acc.exec(
        QStringLiteral("SELECT BKOD,BIRIM,HADSOY,HGOR,TADSOY,TGOR FROM BIRIM WHERE YIL=:YL ORDER BY BIRIM"),
        {{QStringLiteral("YL"), year}});
    std::vector<AccountingUnit> out;
    while (q.next())
        out.push_back(unitFrom(q));
    return out;
}

std::optional<AccountingUnit> accountingUnit(db::Database &acc, int year, const QString &bkod)
{
    QSqlQuery q = acc.exec(
        QStringLiteral("SELECT BKOD,BIRIM,HADSOY,HGOR,TADSOY,TGOR FROM BIRIM WHERE YIL=:YL AND BKOD=:BK"),
        {{QStringLiteral("YL"), year}, {QStringLiteral("BK"), bkod}});
    if (!q.next())
        return std::nullopt;
    return unitFrom(q);
}

std::vector<CurrentAccount> currentAccounts(db::Database &acc)
{
    QSqlQuery q = acc.exec(QStringLiteral("SELECT CKOD,CARI,TCKNO,VERDA,BSUBE,BHN FROM CARI ORDER BY CARI"));
    std::vector<CurrentAccount> out;
    while (q.next())
        out.push_back(accountFrom(q));
    return out;
}

std::optional<CurrentAccount> currentAccount(db::Database &acc, int ckod)
{
    QSqlQuery q = acc.exec(QStringLiteral("SELECT CKOD,CARI,TCKNO,VERDA,BSUBE,BHN FROM CARI WHERE CKOD=:CK"),
                           {{QStringLiteral("CK"), ckod}});
    if (!q.next())
        return std::nullopt;
    return accountFrom(q);
}

std::optional<QString> chartDescription(db::Database &acc, const QString &hkod, int year)
{
    const QVariant v = acc.scalar(QStringLiteral("SELECT ACIK FROM HPLAN WHERE HKOD=:HK AND YIL=:YL"),
                                  {{QStringLiteral("HK"), hkod.trimmed()}, {QStringLiteral("YL"), year}});
    if (!v.isValid())
        return std::nullopt;
    return text(v);
}

std::vector<BudgetLine> budgetLines(db::Database &acc, int year, const QString &kkod, const QString &ekod)
{
    QString sql = QStringLiteral(
        "SELECT G.KAYNO,G.KKOD,G.FKOD,G.FTIP,G.EKOD,G.ODENEK,G.YIL,E.ACIK FROM GIDBUT G "
        "LEFT JOIN EKNKOD E ON (E.EKOD=G.EKOD AND E.YIL=G.YIL) "
        "WHERE G.YIL=:YL AND G.KKOD=:KK AND (G.EKOD LIKE '01%' OR G.EKOD LIKE '02%')");
    QVariantMap binds{{QStringLiteral("YL"), year}, {QStringLiteral("KK"), kkod}};
    if (!ekod.isEmpty()) {
        sql += QStringLiteral(" AND G.EKOD=:EK");
        binds.insert(QStringLiteral("EK"), ekod);
    }
    sql += QStringLiteral(" ORDER BY G.KKOD,G.FKOD,G.FTIP,G.EKOD");
    QSqlQuery q = acc.exec(sql, binds);
    std::vector<BudgetLine> out;
    while (q.next()) {
        BudgetLine b;
        b.KAYNO = q.value(0).toLongLong();
        b.KKOD = text(q.value(1));
        b.FKOD = text(q.value(2));
        b.FTIP = text(q.value(3));
        b.EKOD = text(q.value(4));
        b.ODENEK = q.value(5).isNull() ? Money() : Money::fromDbDouble(q.value(5).toDouble());
        b.YIL = q.value(6).toInt();
        b.ACIK = text(q.value(7));
        out.push_back(std::move(b));
    }
    return out;
}

std::vector<std::pair<QString, QString>> economicCodes(db::Database &acc, int year)
{
    // The year binds both alternatives of the code filter.
    QSqlQuery q = acc.exec(QStringLiteral("SELECT DISTINCT G.EKOD,E.ACIK FROM GIDBUT G "
                                          "LEFT JOIN EKNKOD E ON (E.EKOD=G.EKOD AND E.YIL=G.YIL) "
                                          "WHERE (G.EKOD LIKE '01%' OR G.EKOD LIKE '02%') AND G.YIL=:YL "
                                          "ORDER BY G.EKOD"),
                           {{QStringLiteral("YL"), year}});
    std::vector<std::pair<QString, QString>> out;
    while (q.next())
        out.emplace_back(text(q.value(0)), text(q.value(1)));
    return out;
}

QHash<QString, qint64> budgetRecords(db::Database &acc, int year, const std::vector<PreparedLine> &lines)
{
    QHash<QString, qint64> out;
    QSet<QString> seen;
    for (const PreparedLine &l : lines) {
        if (l.KKOD.isEmpty())
            continue;
        const QString key = budgetKey(l.KKOD, l.FKOD, l.FTIP, l.EKOD);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        const QVariant v = acc.scalar(
            QStringLiteral("SELECT KAYNO FROM GIDBUT WHERE YIL=:YL AND KKOD=:KK AND FKOD=:FK AND FTIP=:FT AND EKOD=:EK"),
            {{QStringLiteral("YL"), year},
             {QStringLiteral("KK"), l.KKOD},
             {QStringLiteral("FK"), l.FKOD},
             {QStringLiteral("FT"), l.FTIP},
             {QStringLiteral("EK"), l.EKOD}});
        if (v.isValid() && !v.isNull())
            out.insert(key, v.toLongLong());
    }
    return out;
}

std::optional<qint64> entryKey(db::Database &acc, qint64 yevno, int year)
{
    const QVariant v = acc.scalar(QStringLiteral("SELECT KAYNO FROM YEVMIYE WHERE YEVNO=:YN AND YIL=:YL"),
                                  {{QStringLiteral("YN"), yevno}, {QStringLiteral("YL"), year}});
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return v.toLongLong();
}

void insertEntry(db::Database &acc, const JournalHeader &h, qint64 kayno, qint64 yevno)
{
    QVariantMap b = headerBinds(h);
    b.insert(QStringLiteral("X17"), yevno);
    b.insert(QStringLiteral("X18"), kayno);
    b.insert(QStringLiteral("X19"), h.MTUR);
    b.insert(QStringLiteral("X20"), h.YIL);
    acc.exec(QStringLiteral("INSERT INTO YEVMIYE (YEVTAR,FISTUR,BRMKOD,CKOD,FISNO,TAH,KES,ODE,ACIK,EKLER,TUT,MYET,MYETUNV,"
                            "HADSOY,HGOR,TADSOY,TGOR,YEVNO,KAYNO,MTUR,YIL) "
                            "VALUES(:X0,:X1,:X2,:X3,:X4,:X5,:X6,:X7,:X8,:X9,:X10,:X11,:X12,:X13,:X14,:X15,:X16,:X17,:X18,"
                            ":X19,:X20)"),
             b);
}

void updateEntry(db::Database &acc, const JournalHeader &h, qint64 kayno, qint64 yevno)
{
    QVariantMap b = headerBinds(h);
    b.insert(QStringLiteral("X17"), h.MTUR);
    b.insert(QStringLiteral("YN"), yevno);
    b.insert(QStringLiteral("KN"), kayno);
    b.insert(QStringLiteral("YL"), h.YIL);
    acc.exec(QStringLiteral("UPDATE YEVMIYE SET YEVTAR=:X0,FISTUR=:X1,BRMKOD=:X2,CKOD=:X3,FISNO=:X4,TAH=:X5,KES=:X6,ODE=:X7,"
                            "ACIK=:X8,EKLER=:X9,TUT=:X10,MYET=:X11,MYETUNV=:X12,HADSOY=:X13,HGOR=:X14,TADSOY=:X15,"
                            "TGOR=:X16,MTUR=:X17 WHERE YEVNO=:YN AND KAYNO=:KN AND YIL=:YL"),
             b);
}

void deleteEntryLines(db::Database &acc, qint64 kayno)
{
    acc.exec(QStringLiteral("DELETE FROM MUHHAR WHERE KAYNO=:KN"), {{QStringLiteral("KN"), kayno}});
}

void insertEntryLines(db::Database &acc, qint64 kayno, int year, const std::vector<JournalLine> &lines)
{
    QSqlQuery q = acc.prepare(QStringLiteral("INSERT INTO MUHHAR (KAYNO,HARNO,HKOD,BKAYNO,BORC,ALACAK,CKOD,YIL) "
                                             "VALUES(:X0,:X1,:X2,:X3,:X4,:X5,:X6,:X7)"));
    for (const JournalLine &l : lines) {
        q.bindValue(QStringLiteral(":X0"), kayno);
        q.bindValue(QStringLiteral(":X1"), db::smallintKey(l.HARNO, QStringLiteral("Yevmiye satır numarası")));
        q.bindValue(QStringLiteral(":X2"), l.HKOD);
        q.bindValue(QStringLiteral(":X3"), l.BKAYNO);
        q.bindValue(QStringLiteral(":X4"), l.BORC.toDouble());
        q.bindValue(QStringLiteral(":X5"), l.ALACAK.toDouble());
        q.bindValue(QStringLiteral(":X6"), intOrNull(l.CKOD));
        q.bindValue(QStringLiteral(":X7"), year);
        if (!q.exec())
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("MUHHAR: ") + q.lastError().databaseText().trimmed());
    }
}

}  // namespace zeran::posting
