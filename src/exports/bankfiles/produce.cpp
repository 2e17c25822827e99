#include "produce.h"

#include "calendar.h"
#include "sheetlayouts.h"
#include "spreadsheet.h"
#include "textlayout.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace zeran::bankfiles {

namespace {

using Outcome = ProduceResult::Outcome;

ProduceResult failure(Outcome outcome, const QString &message)
{
    ProduceResult r;
    r.outcome = outcome;
    r.message = message;
    return r;
}

QString failedText(Layout layout, const QString &cause)
{
    QString text = (layout == Layout::ZiraatTemplate ? kFailedZiraat : kFailed).toString();
    if (!cause.isEmpty())
        text += QLatin1Char('\r') + cause;
    return text;
}

ProduceResult fromSheet(Layout layout, const sheet::Result &r)
{
    if (r.kind == sheet::ErrorKind::EngineNotStarted)
        return failure(Outcome::EngineNotStarted, sheet::kEngineNotStartedText.toString());
    return failure(Outcome::Failed, failedText(layout, r.message));
}

ProduceResult writeText(const ProduceRequest &req)
{
    QByteArray earlier;
    if (!req.mergePath.isEmpty()) {
        QFile f(req.mergePath);
        if (!f.open(QIODevice::ReadOnly))
            return failure(Outcome::Failed, failedText(req.layout, f.errorString() + QStringLiteral(": ") + req.mergePath));
        earlier = f.readAll();
    }
    const TextFile file = textFile(req.header, req.payments, earlier);
    QSaveFile out(req.path);
    if (!out.open(QIODevice::WriteOnly) || out.write(file.bytes) != file.bytes.size() || !out.commit())
        return failure(Outcome::Failed, failedText(req.layout, out.errorString()));
    ProduceResult r;
    r.outcome = Outcome::Written;
    r.message = kDone.toString();
    r.count = file.count;
    r.merged = file.merged;
    r.total = file.total;
    return r;
}

ProduceResult writeWorkbook(const ProduceRequest &req)
{
    sheet::Workbook wb;
    SheetResult filled;
    if (isTemplate(req.layout)) {
        if (!QFileInfo::exists(req.path))
            return failure(Outcome::Refused, kTemplateMissing.toString() + QLatin1Char('\r') + req.path);
        if (const sheet::Result r = wb.open(req.path); !r.ok())
            return fromSheet(req.layout, r);
        filled = req.layout == Layout::HalkbankTemplate
                     ? fillHalkbankTemplate(wb, req.header, req.payments, req.iban)
                     : fillZiraatTemplate(wb, req.header, req.payments, req.iban);
    } else {
        std::optional<sheet::Workbook> earlier;
        if (!req.mergePath.isEmpty()) {
            earlier.emplace();
            if (const sheet::Result r = earlier->open(req.mergePath); !r.ok())
                return fromSheet(req.layout, r);
            earlier->closeEngine();
        }
        const sheet::Workbook *e = earlier ? &*earlier : nullptr;
        filled = req.layout == Layout::Workbook ? fillWorkbookE(wb, req.header, req.payments, e)
                                                : fillHalkbank(wb, req.header, req.payments, e);
    }
    const sheet::FileFormat format = req.layout == Layout::Workbook ? sheet::FileFormat::Xlsx : sheet::FileFormat::Xls;
    if (const sheet::Result r = wb.save(req.path, format); !r.ok())
        return fromSheet(req.layout, r);
    ProduceResult r;
    r.outcome = Outcome::Written;
    r.message = kDone.toString();
    r.count = filled.count;
    r.merged = filled.merged;
    r.total = filled.total;
    return r;
}

}  // namespace

QString prepareFolders(const QString &folder, int month)
{
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        return kFolderMissing.toString() + QLatin1Char('\r') + folder;
    if (!QDir(folder).mkpath(cal::monthName(month)))
        return kMonthFolderFailed.toString();
    return {};
}

bool samePath(const QString &a, const QString &b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QFileInfo fa(a), fb(b);
    const QString ca = fa.exists() ? fa.canonicalFilePath() : fa.absoluteFilePath();
    const QString cb = fb.exists() ? fb.canonicalFilePath() : fb.absoluteFilePath();
    return QDir::cleanPath(ca) == QDir::cleanPath(cb);
}

ProduceResult produce(const ProduceRequest &req)
{
    if (req.payments.count == 0 && req.mergePath.isEmpty())
        return failure(Outcome::NoFile, kNothingToPay.toString());
    if (!req.mergePath.isEmpty() && samePath(req.mergePath, req.path))
        return failure(Outcome::Refused, kMergeIsTarget.toString());
    if (req.path.isEmpty())
        return failure(Outcome::Refused, failedText(req.layout, QStringLiteral("Dosya Yeri boş.")));
    try {
        return req.layout == Layout::Text ? writeText(req) : writeWorkbook(req);
    } catch (const BankFileError &e) {
        return failure(Outcome::Refused, e.text);
    } catch (const std::exception &e) {
        return failure(Outcome::Failed, failedText(req.layout, QString::fromUtf8(e.what())));
    }
}

}  // namespace zeran::bankfiles
