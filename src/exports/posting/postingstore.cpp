#include "postingstore.h"

#include "planstore.h"
#include "resultstore.h"
#include "unitstore.h"

namespace zeran::posting {

namespace {

const QString kDeleteWork = QStringLiteral("DELETE FROM ZERQRNAK WHERE USRNO=:UN");
const QString kInsertWork = QStringLiteral(
    "INSERT INTO ZERQRNAK (USRNO,SIRA,HESNO,K1,K2,K3,K4,F1,F2,F3,F4,FT,E1,E2,E3,E4,BORC,ALACAK,ACIK,TUR,DUR,CKOD,"
    "KKOD,FKOD,FTIP,EKOD) VALUES (:UN,:SIRA,:HESNO,:K1,:K2,:K3,:K4,:F1,:F2,:F3,:F4,:FT,:E1,:E2,:E3,:E4,:BORC,:ALACAK,"
    ":ACIK,:TUR,:DUR,:CKOD,:KKOD,:FKOD,:FTIP,:EKOD)");
const QString kSelectWork = QStringLiteral(
    "SELECT HESNO,K1,K2,K3,K4,F1,F2,F3,F4,FT,E1,E2,E3,E4,BORC,ALACAK,ACIK,TUR,DUR,CKOD,KKOD,FKOD,FTIP,EKOD "
    "FROM ZERQRNAK WHERE USRNO=:UN ORDER BY SIRA");

QString text(const QVariant &v) { return v.toString().trimmed(); }

QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

Money amount(const QVariant &v)
{
    return v.isNull() ? Money() : Money::fromDbDouble(v.toDouble());
}

results::PayrollMonth payrollMonth(const PostingRequest &r)
{
    const auto kind = results::kindFromCode(r.kind.rowKind);
    return {r.year, r.month, kind.value_or(results::PayrollKind::Monthly)};
}

// Unit and person conditions of the rows of a request, on ZERMAAS under the alias `m`.
QString rowConditions(const PostingRequest &r, const QString &m, QVariantMap &binds)
{
    QString sql;
    const bool byUnit = r.kind.rule == Rule::Additional || !r.combined || r.person.has_value();
    if (byUnit) {
        sql += QStringLiteral(" AND %1BKOD=:BK").arg(m);
        binds.insert(QStringLiteral("BK"), r.unit);
    }
    if (r.person) {
        sql += QStringLiteral(" AND %1PKOD=:SN").arg(m);
        binds.insert(QStringLiteral("SN"), *r.person);
    }
    return sql;
}

std::optional<int> stampUnit(const PostingRequest &r)
{
    if (r.kind.rule == Rule::Additional || !r.combined || r.person)
        return r.unit;
    return std::nullopt;
}

}  // namespace

std::optional<PostingRequest> makeRequest(const QString &year, int month, const QString &kindCode, int unit,
                                          int modemebkod, std::optional<int> person, int usrno)
{
    const auto kind = postingKind(kindCode);
    if (!kind)
        return std::nullopt;
    PostingRequest r;
    r.year = year;
    r.month = month;
    r.kind = *kind;
    r.usrno = usrno;
    r.person = person;
    r.combined = modemebkod != 0 && kind->rule != Rule::Additional;
    r.unit = unit != 0 ? unit : modemebkod;
    return r;
}

std::vector<PersonRow> loadRows(db::Database &main, const PostingRequest &r)
{
    QStringList cols;
    for (const QString &c : columnNames())
        cols << QStringLiteral("M.") + c;
    QVariantMap binds{{QStringLiteral("TR"), r.kind.rowKind},
                      {QStringLiteral("AY"), r.month},
                      {QStringLiteral("YL"), r.year}};
    const bool monthly = r.kind.rule == Rule::Monthly;
    // A monthly row is read with its pay record's staff kind and service-debt method: they
    // decide which of its amounts the payroll paid (keepPaidAmounts).
    QString sql = QStringLiteral("SELECT M.PKAYNO,M.BKOD,M.PKOD,S.CKOD,%1,%2 FROM ZERMAAS M ")
                      .arg(cols.join(QLatin1Char(',')),
                           monthly ? QStringLiteral("P.PERTUR,P.HIZBORDUR") : QStringLiteral("NULL,NULL"));
    if (monthly)
        sql += QStringLiteral("LEFT JOIN BIRIM B ON (B.BKOD=M.BKOD AND B.TUR='M') "
                              "LEFT JOIN ZERBORBIL P ON (P.PKAYNO=M.PKAYNO AND P.BKOD=M.BKOD AND P.PKOD=M.PKOD) ");
    sql += QStringLiteral("LEFT JOIN SICIL S ON (S.PKAYNO=M.PKAYNO) WHERE M.TUR=:TR AND M.AY=:AY AND M.YIL=:YL");
    if (monthly)
        sql += QStringLiteral(" AND B.AKTIF='A'");
    sql += rowConditions(r, QStringLiteral("M."), binds);
    sql += QStringLiteral(" ORDER BY M.BKOD,M.PKOD,M.PKAYNO");

    QSqlQuery q = main.exec(sql, binds);
    std::vector<PersonRow> out;
    while (q.next()) {
        PersonRow p;
        p.PKAYNO = q.value(0).toInt();
        p.BKOD = q.value(1).toInt();
        p.PKOD = q.value(2).toInt();
        p.CKOD = q.value(3).toInt();
        for (std::size_t i = 0; i < kColumnCount; ++i)
            p.cols.v[i] = amount(q.value(int(i) + 4));
        if (monthly)
            keepPaidAmounts(p.cols, q.value(int(kColumnCount) + 4).toString().trimmed() == QLatin1String("D"),
                            q.value(int(kColumnCount) + 5).toBool());
        out.push_back(std::move(p));
    }
    return out;
}

std::optional<qint64> journalNumber(db::Database &main, const PostingRequest &r)
{
    QVariantMap binds{{QStringLiteral("A"), r.month}, {QStringLiteral("T"), r.kind.rowKind}, {QStringLiteral("YL"), r.year}};
    QString sql = QStringLiteral("SELECT FIRST 1 YEVNO FROM ZERMAAS WHERE AY=:A AND TUR=:T AND YIL=:YL AND YEVNO>0");
    sql += rowConditions(r, QString(), binds);
    const QVariant v = main.scalar(sql, binds);
    if (!v.isValid() || v.isNull())
        return std::nullopt;
    return qint64(qRound64(v.toDouble()));
}

void writeWorkLines(db::Database &main, int usrno, const std::vector<PreparedLine> &lines)
{
    db::Transaction t(main);
    main.exec(kDeleteWork, {{QStringLiteral("UN"), usrno}});
    QSqlQuery q = main.prepare(kInsertWork);
    int sira = 0;
    for (const PreparedLine &l : lines) {
        q.bindValue(QStringLiteral(":UN"), usrno);
        q.bindValue(QStringLiteral(":SIRA"), ++sira);
        q.bindValue(QStringLiteral(":HESNO"), textOrNull(l.HESNO));
        for (int i = 0; i < 4; ++i) {
            q.bindValue(QStringLiteral(":K%1").arg(i + 1), textOrNull(l.K[i]));
            q.bindValue(QStringLiteral(":F%1").arg(i + 1), textOrNull(l.F[i]));
            q.bindValue(QStringLiteral(":E%1").arg(i + 1), textOrNull(l.E[i]));
        }
        q.bindValue(QStringLiteral(":FT"), textOrNull(l.FT));
        q.bindValue(QStringLiteral(":BORC"), l.BORC.toDouble());
        q.bindValue(QStringLiteral(":ALACAK"), l.ALACAK.toDouble());
        q.bindValue(QStringLiteral(":ACIK"), textOrNull(fitDescription(l.ACIK)));
        q.bindValue(QStringLiteral(":TUR"), textOrNull(l.TUR));
        q.bindValue(QStringLiteral(":DUR"), textOrNull(l.DUR));
        q.bindValue(QStringLiteral(":CKOD"), l.CKOD != 0 ? QVariant(l.CKOD) : QVariant(QMetaType(QMetaType::Int)));
        q.bindValue(QStringLiteral(":KKOD"), textOrNull(l.KKOD));
        q.bindValue(QStringLiteral(":FKOD"), textOrNull(l.FKOD));
        q.bindValue(QStringLiteral(":FTIP"), textOrNull(l.FTIP));
        q.bindValue(QStringLiteral(":EKOD"), textOrNull(l.EKOD));
        if (!q.exec())
            throw db::DbError(db::DbError::Kind::Sql, QStringLiteral("ZERQRNAK: ") + q.lastError().databaseText().trimmed());
    }
    t.commit();
}

std::vector<PreparedLine> readWorkLines(db::Database &main, int usrno)
{
    QSqlQuery q = main.exec(kSelectWork, {{QStringLiteral("UN"), usrno}});
    std::vector<PreparedLine> out;
    while (q.next()) {
        PreparedLine l;
        l.HESNO = text(q.value(0));
        for (int i = 0; i < 4; ++i) {
            l.K[i] = text(q.value(1 + i));
            l.F[i] = text(q.value(5 + i));
            l.E[i] = text(q.value(10 + i));
        }
        l.FT = text(q.value(9));
        l.BORC = amount(q.value(14));
        l.ALACAK = amount(q.value(15));
        l.ACIK = text(q.value(16));
        l.TUR = text(q.value(17));
        l.DUR = text(q.value(18));
        l.CKOD = q.value(19).toInt();
        l.KKOD = text(q.value(20));
        l.FKOD = text(q.value(21));
        l.FTIP = text(q.value(22));
        l.EKOD = text(q.value(23));
        out.push_back(std::move(l));
    }
    return out;
}

void clearWorkLines(db::Database &main, int usrno)
{
    main.exec(kDeleteWork, {{QStringLiteral("UN"), usrno}});
}

Preparation prepareFromDatabase(db::Database &main, const PostingRequest &r, bool exemption)
{
    Preparation p;
    p.request = r;
    p.header = readHeader(main, r.unit, r.kind.planKind);
    p.plan = readLines(main, r.unit, r.kind.planKind);
    p.rows = loadRows(main, r);
    p.prepared = prepare(p.plan, p.rows, r.kind.rule, exemption);
    p.journalNumber = journalNumber(main, r);
    return p;
}

Entry entryFor(db::Database &acc, const PostingRequest &r, const std::optional<PlanHeader> &planHeader,
               const std::vector<PreparedLine> &lines, const QDate &date)
{
    const int year = r.year.toInt();
    EntrySource s;
    s.date = date;
    s.year = year;
    if (planHeader) {
        s.BRMKOD = planHeader->BKOD5;
        s.CKOD = planHeader->CKOD;
        s.ACIK = planHeader->SAYAD;
        s.EKLER = planHeader->EKLER;
    }
    if (const auto inst = readInstitution(acc)) {
        s.MYET = inst->SAY;
        s.MYETUNV = inst->SUNV;
    }
    if (const auto unit = accountingUnit(acc, year, QString::number(r.unit))) {
        s.HADSOY = unit->HADSOY;
        s.HGOR = unit->HGOR;
        s.TADSOY = unit->TADSOY;
        s.TGOR = unit->TGOR;
    }
    Entry e;
    e.header = journalHeader(s, totalsOf(lines));
    e.lines = journalLines(lines, budgetRecords(acc, year, lines));
    return e;
}

PostResult post(db::Database &main, db::Database &acc, const PostingRequest &r, const std::optional<PlanHeader> &planHeader,
                const std::vector<PreparedLine> &lines, const QDate &date, Questions &questions, const FaultHook &fault)
{
    PostResult result;
    const auto stop = [&](PostOutcome o, const QString &message) {
        result.outcome = o;
        result.message = message;
        if (!message.isEmpty())
            questions.inform(message);
        return result;
    };
    const Totals totals = totalsOf(lines);
    if (totals.accrual.isZero())
        return stop(PostOutcome::Refused, QString::fromUtf8(kNothingToPost));
    if (totals.debit != totals.credit)
        return stop(PostOutcome::Refused, imbalanceMessage(totals.debit, totals.credit));
    if (!questions.confirm(QString::fromUtf8(kConfirmPost)))
        return stop(PostOutcome::Declined, {});
    const std::optional<qint64> existing = journalNumber(main, r);
    if (existing && !questions.confirm(QString::fromUtf8(kConfirmRepost)))
        return stop(PostOutcome::Declined, {});

    const int year = r.year.toInt();
    try {
        db::Transaction ta(acc);
        const Entry entry = entryFor(acc, r, planHeader, lines, date);
        qint64 kayno = 0;
        qint64 yevno = 0;
        bool newNumber = false;
        if (existing) {
            yevno = *existing;
            if (const auto key = entryKey(acc, yevno, year)) {
                kayno = *key;
                deleteEntryLines(acc, kayno);
                updateEntry(acc, entry.header, kayno, yevno);
            } else {
                // The entry of the stamped number is gone: it is made again under that number,
                // so the payroll's rows never point at nothing.
                kayno = acc.nextGeneratorValue(QStringLiteral("GEN_YEVKAYNO"));
                insertEntry(acc, entry.header, kayno, yevno);
            }
            result.reposted = true;
        } else {
            kayno = acc.nextGeneratorValue(QStringLiteral("GEN_YEVKAYNO"));
            yevno = acc.nextGeneratorValue(QStringLiteral("GEN_YEVNO"));
            insertEntry(acc, entry.header, kayno, yevno);
            newNumber = true;
        }
        insertEntryLines(acc, kayno, year, entry.lines);
        if (fault)
            fault(PostStage::AccountingWritten);
        {
            db::Transaction tm(main);
            results::stampJournalNumber(main, payrollMonth(r), stampUnit(r), r.person, yevno);
            if (fault)
                fault(PostStage::MainStamped);
            tm.commit();
        }
        try {
            if (fault)
                fault(PostStage::MainCommitted);
            ta.commit();
        } catch (...) {
            if (newNumber) {
                db::Transaction undo(main);
                results::stampJournalNumber(main, payrollMonth(r), stampUnit(r), r.person, std::nullopt, yevno);
                undo.commit();
            }
            throw;
        }
        result.outcome = PostOutcome::Posted;
        result.yevno = yevno;
        result.kayno = kayno;
        result.lines = int(entry.lines.size());
        return result;
    } catch (const db::DbError &e) {
        return stop(PostOutcome::Failed, QStringLiteral("Muhasebeye aktarılamadı: ") + e.text);
    } catch (const std::exception &e) {
        return stop(PostOutcome::Failed, QStringLiteral("Muhasebeye aktarılamadı: ") + QString::fromUtf8(e.what()));
    }
}

PaymentOrderData paymentOrderData(db::Database &main, db::Database *acc, const PostingRequest &r,
                                  const std::optional<PlanHeader> &planHeader, const std::vector<PreparedLine> &lines,
                                  const QDate &date, qint64 yevno)
{
    PaymentOrderData d;
    d.unitName = units::unitName(main, r.unit);
    if (const auto unit = units::unitHeader(main, r.unit))
        d.signatories = unit->signatories;
    d.year = r.year.toInt();
    d.date = date;
    d.yevno = yevno;
    d.lines = lines;
    d.totals = totalsOf(lines);
    if (planHeader) {
        d.accountingName = planHeader->KURAD;
        d.code1 = planHeader->BKOD1;
        d.code2 = planHeader->BKOD2;
        d.accountingUnit = planHeader->BKOD5;
        d.purpose = planHeader->SAYAD;
        d.attachments = planHeader->EKLER;
        d.payee = planHeader->ILGILI;
        d.payeeId = planHeader->TCKNO;
        d.bankBranch = planHeader->BSUBE;
        d.bankAccount = planHeader->BHN;
        d.taxOffice = planHeader->VERDA;
    }
    if (acc && acc->isOpen()) {
        if (const auto inst = readInstitution(*acc)) {
            if (d.code1.isEmpty())
                d.code1 = inst->K1;
            if (d.code2.isEmpty())
                d.code2 = inst->K2;
        }
        if (!d.accountingUnit.isEmpty())
            if (const auto unit = accountingUnit(*acc, d.year, d.accountingUnit))
                d.accountingUnitName = unit->BIRIM;
        if (planHeader && planHeader->CKOD != 0)
            if (const auto payee = currentAccount(*acc, planHeader->CKOD)) {
                d.payee = payee->CARI;
                d.payeeId = payee->TCKNO;
                d.taxOffice = payee->VERDA;
                if (!payee->BSUBE.isEmpty())
                    d.bankBranch = payee->BSUBE;
                if (!payee->BHN.isEmpty())
                    d.bankAccount = payee->BHN;
            }
    }
    return d;
}

}  // namespace zeran::posting
