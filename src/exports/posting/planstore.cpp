#include "planstore.h"

#include <algorithm>

namespace zeran::posting {

namespace {

const QString kHeaderColumns = QStringLiteral(
    "BKOD,NAKTUR,KURAD,SAYKOD,SAYAD,DAKOD,BKOD1,BKOD2,BKOD3,BKOD4,BKOD5,BIRAD,KSKOD,ILGILI,TCKNO,EKLER,BHN,BSUBE,VERDA,CKOD");
const QString kSelectHeader =
    QStringLiteral("SELECT %1 FROM ZERNAKBIL WHERE BKOD=:KK AND NAKTUR=:NT").arg(kHeaderColumns);
const QString kSelectLines = QStringLiteral(
    "SELECT HARNO,HKOD,TUR,DUR,ACIK,HESAP,HESAPDUR,KKOD,FKOD,FTIP,EKOD,BKAYNO,CKOD FROM ZERNAKTAN "
    "WHERE BKOD=:BK AND NAKTUR=:NT ORDER BY HARNO");
const QString kHeaderExists = QStringLiteral("SELECT COUNT(*) FROM ZERNAKBIL WHERE BKOD=:BKOD AND NAKTUR=:NAKTUR");
const QString kInsertHeader = QStringLiteral(
    "INSERT INTO ZERNAKBIL (%1) VALUES (:BKOD,:NAKTUR,:KURAD,:SAYKOD,:SAYAD,:DAKOD,:BKOD1,:BKOD2,:BKOD3,:BKOD4,:BKOD5,"
    ":BIRAD,:KSKOD,:ILGILI,:TCKNO,:EKLER,:BHN,:BSUBE,:VERDA,:CKOD)")
                                  .arg(kHeaderColumns);
const QString kUpdateHeader = QStringLiteral(
    "UPDATE ZERNAKBIL SET KURAD=:KURAD,SAYKOD=:SAYKOD,SAYAD=:SAYAD,DAKOD=:DAKOD,BKOD1=:BKOD1,BKOD2=:BKOD2,BKOD3=:BKOD3,"
    "BKOD4=:BKOD4,BKOD5=:BKOD5,BIRAD=:BIRAD,KSKOD=:KSKOD,ILGILI=:ILGILI,TCKNO=:TCKNO,EKLER=:EKLER,BHN=:BHN,BSUBE=:BSUBE,"
    "VERDA=:VERDA,CKOD=:CKOD WHERE BKOD=:BKOD AND NAKTUR=:NAKTUR");
const QString kDeleteLines = QStringLiteral("DELETE FROM ZERNAKTAN WHERE BKOD=:KK AND NAKTUR=:NT");
const QString kInsertLine = QStringLiteral(
    "INSERT INTO ZERNAKTAN (HARNO,BKOD,NAKTUR,HKOD,TUR,DUR,ACIK,HESAP,HESAPDUR,YIL,BKAYNO,KKOD,FKOD,FTIP,EKOD,CKOD) "
    "VALUES (:HARNO,:BKOD,:NAKTUR,:HKOD,:TUR,:DUR,:ACIK,:HESAP,:HESAPDUR,:YIL,:BKAYNO,:KKOD,:FKOD,:FTIP,:EKOD,:CKOD)");
const QString kMaxHarno = QStringLiteral("SELECT MAX(HARNO) FROM ZERNAKTAN");

QString text(const QVariant &v)
{
    if (v.metaType().id() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray()).trimmed();
    return v.toString().trimmed();
}

// An empty text is stored as NULL, like an untouched field.
QVariant textOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

// DUR " " (the rent transfer lines) is kept as typed; other empty codes are NULL.
QVariant codeOrNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s.left(1));
}

}  // namespace

std::optional<PlanHeader> readHeader(db::Database &db, int bkod, const QString &naktur)
{
    QSqlQuery q = db.exec(kSelectHeader, {{QStringLiteral("KK"), bkod}, {QStringLiteral("NT"), naktur}});
    if (!q.next())
        return std::nullopt;
    PlanHeader h;
    h.BKOD = q.value(0).toInt();
    h.NAKTUR = text(q.value(1));
    QString *fields[] = {&h.KURAD, &h.SAYKOD, &h.SAYAD, &h.DAKOD, &h.BKOD1, &h.BKOD2, &h.BKOD3, &h.BKOD4, &h.BKOD5,
                         &h.BIRAD, &h.KSKOD,  &h.ILGILI, &h.TCKNO, &h.EKLER, &h.BHN, &h.BSUBE, &h.VERDA};
    int i = 2;
    for (QString *f : fields)
        *f = text(q.value(i++));
    h.CKOD = q.value(i).toInt();
    return h;
}

std::vector<PlanLine> readLines(db::Database &db, int bkod, const QString &naktur)
{
    QSqlQuery q = db.exec(kSelectLines, {{QStringLiteral("BK"), bkod}, {QStringLiteral("NT"), naktur}});
    std::vector<PlanLine> out;
    while (q.next()) {
        PlanLine l;
        l.HARNO = q.value(0).toInt();
        l.HKOD = text(q.value(1));
        l.TUR = text(q.value(2));
        l.DUR = text(q.value(3));
        l.ACIK = text(q.value(4));
        l.HESAP = text(q.value(5));
        l.HESAPDUR = text(q.value(6));
        l.KKOD = text(q.value(7));
        l.FKOD = text(q.value(8));
        l.FTIP = text(q.value(9));
        l.EKOD = text(q.value(10));
        l.BKAYNO = q.value(11).toDouble();
        l.CKOD = q.value(12).toInt();
        out.push_back(std::move(l));
    }
    return out;
}

void savePlan(db::Database &db, const PlanHeader &header, const std::vector<PlanLine> &lines, int year)
{
    db::Transaction t(db);
    const QVariantMap key{{QStringLiteral("BKOD"), header.BKOD}, {QStringLiteral("NAKTUR"), header.NAKTUR}};
    QVariantMap h = key;
    const std::pair<const char *, const QString *> fields[] = {
        {"KURAD", &header.KURAD}, {"SAYKOD", &header.SAYKOD}, {"SAYAD", &header.SAYAD}, {"DAKOD", &header.DAKOD},
        {"BKOD1", &header.BKOD1}, {"BKOD2", &header.BKOD2},   {"BKOD3", &header.BKOD3}, {"BKOD4", &header.BKOD4},
        {"BKOD5", &header.BKOD5}, {"BIRAD", &header.BIRAD},   {"KSKOD", &header.KSKOD}, {"ILGILI", &header.ILGILI},
        {"TCKNO", &header.TCKNO}, {"EKLER", &header.EKLER},   {"BHN", &header.BHN},     {"BSUBE", &header.BSUBE},
        {"VERDA", &header.VERDA}};
    for (const auto &[name, value] : fields)
        h.insert(QString::fromLatin1(name), textOrNull(*value));
    h.insert(QStringLiteral("CKOD"), header.CKOD != 0 ? QVariant(header.CKOD) : QVariant(QMetaType(QMetaType::Int)));
    const bool exists = db.scalar(kHeaderExists, key).toInt() > 0;
    db.exec(exists ? kUpdateHeader : kInsertHeader, h);

    // The plan's own numbers first, in order; then numbers above every line of the table.
    std::vector<int> own;
    {
        QSqlQuery q = db.exec(QStringLiteral("SELECT HARNO FROM ZERNAKTAN WHERE BKOD=:KK AND NAKTUR=:NT ORDER BY HARNO"),
                              {{QStringLiteral("KK"), header.BKOD}, {QStringLiteral("NT"), header.NAKTUR}});
        while (q.next())
            own.push_back(q.value(0).toInt());
    }
    db.exec(kDeleteLines, {{QStringLiteral("KK"), header.BKOD}, {QStringLiteral("NT"), header.NAKTUR}});
    qint64 next = db.scalar(kMaxHarno).toLongLong() + 1;
    if (!own.empty())
        next = std::max<qint64>(next, own.back() + 1);

    QSqlQuery ins = db.prepare(kInsertLine);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const PlanLine &l = lines[i];
        const int harno = i < own.size() ? own[i] : db::smallintKey(next++, QStringLiteral("Hesap satırı numarası"));
        ins.bindValue(QStringLiteral(":HARNO"), harno);
        ins.bindValue(QStringLiteral(":BKOD"), header.BKOD);
        ins.bindValue(QStringLiteral(":NAKTUR"), header.NAKTUR);
        ins.bindValue(QStringLiteral(":HKOD"), textOrNull(l.HKOD.trimmed()));
        ins.bindValue(QStringLiteral(":TUR"), codeOrNull(l.TUR.trimmed()));
        ins.bindValue(QStringLiteral(":DUR"), codeOrNull(l.DUR));
        ins.bindValue(QStringLiteral(":ACIK"), textOrNull(fitDescription(l.ACIK)));
        ins.bindValue(QStringLiteral(":HESAP"), textOrNull(l.HESAP));
        ins.bindValue(QStringLiteral(":HESAPDUR"), codeOrNull(l.HESAPDUR.trimmed()));
        ins.bindValue(QStringLiteral(":YIL"), year);
        ins.bindValue(QStringLiteral(":BKAYNO"), l.BKAYNO);
        ins.bindValue(QStringLiteral(":KKOD"), textOrNull(l.KKOD.trimmed()));
        ins.bindValue(QStringLiteral(":FKOD"), textOrNull(l.FKOD.trimmed()));
        ins.bindValue(QStringLiteral(":FTIP"), codeOrNull(l.FTIP.trimmed()));
        ins.bindValue(QStringLiteral(":EKOD"), textOrNull(l.EKOD.trimmed()));
        ins.bindValue(QStringLiteral(":CKOD"), l.CKOD != 0 ? QVariant(l.CKOD) : QVariant(QMetaType(QMetaType::Int)));
        if (!ins.exec())
            throw db::DbError(db::DbError::Kind::Sql,
                              QStringLiteral("ZERNAKTAN: ") + ins.lastError().databaseText().trimmed());
    }
    t.commit();
}

QString unitKind(db::Database &db, int bkod)
{
    return db.scalar(QStringLiteral("SELECT MTUR FROM BIRIM WHERE BKOD=:BK AND TUR='M'"), {{QStringLiteral("BK"), bkod}})
        .toString()
        .trimmed();
}

int deletePlanHeadersWithoutUnit(db::Database &db)
{
    return db.exec(QStringLiteral("DELETE FROM ZERNAKBIL N WHERE NOT EXISTS (SELECT 1 FROM BIRIM U WHERE U.BKOD=N.BKOD)"))
        .numRowsAffected();
}

int addMissingPlanHeaders(db::Database &db)
{
    return db
        .exec(QStringLiteral(
            "INSERT INTO ZERNAKBIL (BKOD,NAKTUR) SELECT U.BKOD,T.NAKTUR FROM (SELECT DISTINCT BKOD FROM BIRIM) U "
            "CROSS JOIN (SELECT '1' NAKTUR FROM RDB$DATABASE UNION ALL SELECT '2' FROM RDB$DATABASE "
            "UNION ALL SELECT '3' FROM RDB$DATABASE) T "
            "WHERE NOT EXISTS (SELECT 1 FROM ZERNAKBIL N WHERE N.BKOD=U.BKOD AND N.NAKTUR=T.NAKTUR)"))
        .numRowsAffected();
}

namespace {
const QString kCopiedHeaderColumns = QStringLiteral(
    "KURAD,SAYKOD,SAYAD,DAKOD,BKOD1,BKOD2,BKOD3,BKOD4,BKOD5,BIRAD,KSKOD,ILGILI,TCKNO,EKLER,BHN,BSUBE,VERDA,CKOD");
const QString kCopiedLineColumns =
    QStringLiteral("NAKTUR,HKOD,TUR,DUR,ACIK,HESAP,HESAPDUR,YIL,BKAYNO,KKOD,FKOD,FTIP,EKOD,CKOD");
}  // namespace

void copyPlans(db::Database &db, int fromBkod, int toBkod)
{
    db::Transaction t(db);
    // Column lists are fixed here; only the unit codes are values.
    db.exec(QStringLiteral("INSERT INTO ZERNAKBIL (BKOD,NAKTUR,%1) SELECT :TO,NAKTUR,%1 FROM ZERNAKBIL WHERE BKOD=:FROM")
                .arg(kCopiedHeaderColumns),
            {{QStringLiteral("TO"), toBkod}, {QStringLiteral("FROM"), fromBkod}});
    QList<int> lines;
    QSqlQuery q = db.exec(QStringLiteral("SELECT HARNO FROM ZERNAKTAN WHERE BKOD=:FROM ORDER BY HARNO"),
                          {{QStringLiteral("FROM"), fromBkod}});
    while (q.next())
        lines << q.value(0).toInt();
    qint64 largest = db.scalar(QStringLiteral("SELECT COALESCE(MAX(HARNO),0) FROM ZERNAKTAN")).toLongLong();
    for (int harno : lines) {
        // The shared generator only goes up; a number some other writer took as the table's
        // largest plus one is stepped over.
        const qint64 next = std::max(db.scalar(QStringLiteral("SELECT GEN_ID(GEN_HARNO,1) FROM RDB$DATABASE")).toLongLong(),
                                     largest + 1);
        const int number = db::smallintKey(next, QStringLiteral("ZERNAKTAN.HARNO"));
        db.exec(QStringLiteral("INSERT INTO ZERNAKTAN (HARNO,BKOD,%1) SELECT :NEW,:TO,%1 FROM ZERNAKTAN WHERE HARNO=:OLD")
                    .arg(kCopiedLineColumns),
                {{QStringLiteral("NEW"), number}, {QStringLiteral("TO"), toBkod}, {QStringLiteral("OLD"), harno}});
        largest = number;
    }
    t.commit();
}

void deletePlans(db::Database &db, int bkod)
{
    db::Transaction t(db);
    db.exec(QStringLiteral("DELETE FROM ZERNAKTAN WHERE BKOD=:BK"), {{QStringLiteral("BK"), bkod}});
    db.exec(QStringLiteral("DELETE FROM ZERNAKBIL WHERE BKOD=:BK"), {{QStringLiteral("BK"), bkod}});
    t.commit();
}

}  // namespace zeran::posting
