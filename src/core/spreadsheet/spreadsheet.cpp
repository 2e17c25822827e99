#include "spreadsheet.h"

#include "workbook_p.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QSaveFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtDebug>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>

namespace zeran::sheet {

using namespace detail;

namespace {

constexpr int kMaxRows = 1048576;  // .xlsx limits; .xls is checked when saving
constexpr int kMaxCols = 16384;
constexpr int kXlsMaxRows = 65536;
constexpr int kXlsMaxCols = 256;
constexpr double kMaxWidth = 255;

// ---- Process-wide settings --------------------------------------------------------------

// Set through Workbook's static setters, so they hold for every workbook of the process.
// Guarded: a workbook may be saved on another thread than the one that set them.
struct Settings {
    std::mutex lock;
    Workbook::Viewer viewer;
    EngineTimeouts timeouts{30000, 120000};
};

Settings &settings()
{
    static Settings s;
    return s;
}

bool desktopViewer(const QString &path)
{
    // QDesktopServices needs the GUI application object; a console process cannot show.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return false;
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool view(const QString &path)
{
    Workbook::Viewer viewer;
    {
        std::lock_guard g(settings().lock);
        viewer = settings().viewer;
    }
    return viewer ? viewer(path) : desktopViewer(path);
}

// ---- Small parsers ----------------------------------------------------------------------

bool isDecimalText(const QString &text)
{
    static const QRegularExpression re(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    return re.match(text).hasMatch();
}

/// "B12" -> (12, 2), "$B$12" too; "B" -> (0, 2) when a bare column is allowed.
std::optional<std::pair<int, int>> parseCellRef(QStringView ref, bool allowBareColumn)
{
    qsizetype i = 0;
    if (i < ref.size() && ref[i] == u'$')
        ++i;
    const qsizetype letters = i;
    while (i < ref.size() && ref[i].isLetter() && ref[i].unicode() < 128)
        ++i;
    const int col = columnNumber(ref.mid(letters, i - letters));
    if (col < 1 || col > kMaxCols)
        return std::nullopt;
    if (i < ref.size() && ref[i] == u'$')
        ++i;
    if (i == ref.size())
        return allowBareColumn ? std::optional(std::pair(0, col)) : std::nullopt;
    bool ok = false;
    const QStringView digits = ref.mid(i);
    for (QChar ch : digits)
        if (!ch.isDigit() || ch.unicode() >= 128)
            return std::nullopt;
    const int row = digits.toInt(&ok);
    if (!ok || row < 1 || row > kMaxRows)
        return std::nullopt;
    return std::pair(row, col);
}

struct Range {
    int firstRow = 0, firstCol = 0, lastRow = 0, lastCol = 0;  // rows 0: whole columns
};

std::optional<Range> parseRange(const QString &text)
{
    const QString t = text.trimmed().toUpper();
    const QStringList parts = t.split(u':');
    if (parts.size() > 2)
        return std::nullopt;
    const auto a = parseCellRef(parts[0], parts.size() == 2);
    const auto b = parseCellRef(parts.size() == 2 ? parts[1] : parts[0], parts.size() == 2);
    if (!a || !b || ((a->first == 0) != (b->first == 0)))
        return std::nullopt;
    Range r;
    r.firstRow = std::min(a->first, b->first);
    r.lastRow = std::max(a->first, b->first);
    r.firstCol = std::min(a->second, b->second);
    r.lastCol = std::max(a->second, b->second);
    return r;
}

// ---- Width estimate for autofit ---------------------------------------------------------

// Widths count characters of the standard font's digit; capitals and a few letters are
// wider, punctuation narrower. An estimate is enough: the aim is readable columns.
double textWidth(QStringView text)
{
    double widest = 0;
    for (QStringView line : text.split(u'\n')) {
        double w = 0;
        for (QChar ch : line) {
            if (ch == u'M' || ch == u'W' || ch == u'Ğ' || ch == u'm' || ch == u'w')
                w += 1.45;
            else if (ch.isUpper())
                w += 1.2;
            else if (ch.isSpace() || QStringView(u".,:;'!|iIıl1()[]").contains(ch))
                w += 0.55;
            else
                w += 1.0;
        }
        widest = std::max(widest, w);
    }
    return widest;
}

QString displayedNumber(const QString &decimalText, const QString &format)
{
    if (format.isEmpty() || format == u"General" || format == u"@")
        return decimalText;
    const QString section = format.section(u';', 0, 0);
    const qsizetype dot = section.indexOf(u'.');
    int decimals = 0;
    if (dot >= 0)
        for (qsizetype i = dot + 1; i < section.size() && (section[i] == u'0' || section[i] == u'#'); ++i)
            ++decimals;
    // a display estimate only; the cell keeps the exact decimal text
    QString s = QString::number(decimalText.toDouble(), 'f', decimals);
    if (section.contains(u',')) {
        qsizetype end = s.indexOf(u'.');
        if (end < 0)
            end = s.size();
        const qsizetype start = s.startsWith(u'-') ? 1 : 0;
        for (qsizetype i = end - 3; i > start; i -= 3)
            s.insert(i, u',');
    }
    return s;
}


// ---- Replacing the destination file -----------------------------------------------------

Result replaceFile(const QString &produced, const QString &destination)
{
    QFile in(produced);
    if (!in.open(QIODevice::ReadOnly))
        return Result::failure(QStringLiteral("Üretilen dosya okunamadı: %1").arg(in.errorString()));
    const QByteArray bytes = in.readAll();
    if (bytes.isEmpty())
        return Result::failure(QStringLiteral("Üretilen dosya boş"));
    // Written beside the destination and renamed over it: a failure leaves the old file.
    QSaveFile out(destination);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return Result::failure(QStringLiteral("Dosya yazılamadı: %1 (%2)").arg(destination, out.errorString()));
    return Result::success();
}

// ---- Sheet names ------------------------------------------------------------------------

bool validSheetNameChars(const QString &name)
{
    if (name.isEmpty() || name.size() > 31 || name.startsWith(u'\'') || name.endsWith(u'\''))
        return false;
    for (QChar ch : name)
        if (QStringView(u"[]:*?/\\").contains(ch) || ch.unicode() < 32)
            return false;
    return true;
}

} // namespace

// ---- Column letters ------------------------------------------------------------------------

int columnNumber(QStringView letters)
{
    if (letters.isEmpty() || letters.size() > 3)
        return 0;
    int n = 0;
    for (QChar ch : letters) {
        const char16_t c = ch.toUpper().unicode();
        if (c < u'A' || c > u'Z')
            return 0;
        n = n * 26 + (c - u'A' + 1);
    }
    return n;
}

QString columnLetters(int column)
{
    QString s;
    while (column > 0) {
        const int rem = (column - 1) % 26;
        s.prepend(QChar(u'A' + rem));
        column = (column - 1) / 26;
    }
    return s;
}

// ---- Workbook -------------------------------------------------------------------------------

bool Workbook::Private::fail(const QString &message)
{
    if (error.ok())
        error = Result::failure(message);
    return false;
}

bool Workbook::Private::checkCell(int row, int col)
{
    if (row < 1 || row > kMaxRows || col < 1 || col > kMaxCols)
        return fail(QStringLiteral("Geçersiz hücre: satır %1, sütun %2").arg(row).arg(col));
    return true;
}

bool Workbook::Private::checkColumn(int col)
{
    if (col < 1 || col > kMaxCols)
        return fail(QStringLiteral("Geçersiz sütun: %1").arg(col));
    return true;
}

bool Workbook::Private::checkNewName(const QString &name, int except)
{
    if (!validSheetNameChars(name))
        return fail(QStringLiteral("Geçersiz sayfa adı: \"%1\"").arg(name));
    for (size_t i = 0; i < sheets.size(); ++i)
        if (int(i) != except && sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return fail(QStringLiteral("Bu adda bir sayfa zaten var: %1").arg(name));
    return true;
}

void Workbook::Private::put(int row, int col, Cell cell)
{
    Sheet &s = sheet();
    s.cells[{row, col}] = std::move(cell);
    s.written.insert({row, col});
}

Workbook::Workbook() : d(std::make_unique<Private>())
{
    d->sheets.push_back(Sheet{QStringLiteral("Sayfa1"), {}, {}, {}, {}});
}

Workbook::~Workbook() = default;
Workbook::Workbook(Workbook &&) noexcept = default;
Workbook &Workbook::operator=(Workbook &&) noexcept = default;

QString Workbook::sourcePath() const { return d->sourcePath; }

int Workbook::sheetCount() const { return int(d->sheets.size()); }

QString Workbook::sheetName(int number) const
{
    if (number < 1 || number > sheetCount())
        return {};
    return d->sheets[size_t(number - 1)].name;
}

int Workbook::currentSheet() const { return d->current + 1; }

bool Workbook::selectSheet(int number)
{
    if (number < 1 || number > sheetCount())
        return d->fail(QStringLiteral("Sayfa bulunamadı: %1").arg(number));
    d->current = number - 1;
    return true;
}

bool Workbook::selectSheet(const QString &name)
{
    for (auto cs : {Qt::CaseSensitive, Qt::CaseInsensitive})
        for (size_t i = 0; i < d->sheets.size(); ++i)
            if (d->sheets[i].name.compare(name, cs) == 0) {
                d->current = int(i);
                return true;
            }
    return d->fail(QStringLiteral("Sayfa bulunamadı: %1").arg(name));
}

bool Workbook::addSheet(const QString &name)
{
    if (!d->checkNewName(name, -1))
        return false;
    d->sheets.push_back(Sheet{name, {}, {}, {}, {}});
    d->current = int(d->sheets.size()) - 1;
    return true;
}

bool Workbook::renameSheet(const QString &name)
{
    if (!d->checkNewName(name, d->current))
        return false;
    d->sheet().name = name;
    return true;
}

bool Workbook::writeText(int row, int col, const QString &text)
{
    if (!d->checkCell(row, col))
        return false;
    d->put(row, col, Cell{text.isEmpty() ? CellValue::Kind::Empty : CellValue::Kind::Text, text, {}});
    return true;
}

bool Workbook::writeNumber(int row, int col, const QString &decimalText, const QString &format)
{
    if (!d->checkCell(row, col))
        return false;
    if (!isDecimalText(decimalText))
        return d->fail(QStringLiteral("Geçersiz sayı: \"%1\" (%2%3)").arg(decimalText, columnLetters(col)).arg(row));
    d->put(row, col, Cell{CellValue::Kind::Number, decimalText, format});
    return true;
}

bool Workbook::writeInteger(int row, int col, qint64 value, const QString &format)
{
    return writeNumber(row, col, QString::number(value), format);
}

CellValue Workbook::cell(int row, int col) const
{
    const auto &cells = d->sheet().cells;
    const auto it = cells.find({row, col});
    if (it == cells.end() || it->second.kind == CellValue::Kind::Empty)
        return {};
    return CellValue{it->second.kind, it->second.text};
}

QString Workbook::text(int row, int col) const { return cell(row, col).text; }

bool Workbook::setColumnWidth(int col, double width)
{
    if (!d->checkColumn(col))
        return false;
    if (!(width >= 0 && width <= kMaxWidth))
        return d->fail(QStringLiteral("Geçersiz sütun genişliği: %1").arg(width));
    d->sheet().columns[col].width = width;
    return true;
}

bool Workbook::setColumnTextFormat(int col)
{
    if (!d->checkColumn(col))
        return false;
    d->sheet().columns[col].text = true;
    return true;
}

bool Workbook::autofitColumns(const QString &range)
{
    const auto r = parseRange(range);
    if (!r)
        return d->fail(QStringLiteral("Geçersiz hücre aralığı: \"%1\"").arg(range));
    Sheet &s = d->sheet();
    std::map<int, double> widest;
    for (const auto &[pos, c] : s.cells) {
        const auto [row, col] = pos;
        if (col < r->firstCol || col > r->lastCol || c.kind == CellValue::Kind::Empty)
            continue;
        if (r->firstRow != 0 && (row < r->firstRow || row > r->lastRow))
            continue;
        const QString shown = c.kind == CellValue::Kind::Number ? displayedNumber(c.text, c.format) : c.text;
        widest[col] = std::max(widest[col], textWidth(shown));
    }
    for (const auto &[col, w] : widest)
        s.columns[col].width = std::clamp(std::ceil(w + 1.0), 1.0, kMaxWidth);
    return true;
}

Result Workbook::error() const { return d->error; }

Result Workbook::save(const QString &path, FileFormat format, AfterSave after)
{
    if (!d->error.ok())
        return d->error;
    if (path.isEmpty())
        return Result::failure(QStringLiteral("Dosya yolu boş"));
    const QFileInfo info(path);
    if (!info.absoluteDir().exists())
        return Result::failure(QStringLiteral("Klasör bulunamadı: %1").arg(info.absolutePath()));
    if (info.isDir())
        return Result::failure(QStringLiteral("Bu bir klasör: %1").arg(path));
    const QString destination = info.absoluteFilePath();

    if (format == FileFormat::Xls) {
        for (const Sheet &s : d->sheets) {
            const bool tooBig =
                std::any_of(s.written.begin(), s.written.end(),
                            [](const Pos &p) { return p.first > kXlsMaxRows || p.second > kXlsMaxCols; })
                || (!s.columns.empty() && s.columns.rbegin()->first > kXlsMaxCols);
            if (tooBig)
                return Result::failure(QStringLiteral("Excel 97-2003 biçimi en çok %1 satır ve %2 sütun alır (sayfa %3)")
                                           .arg(kXlsMaxRows)
                                           .arg(kXlsMaxCols)
                                           .arg(s.name));
        }
    }

    QTemporaryDir tmp(QDir::tempPath() + QStringLiteral("/zeran-save-XXXXXX"));
    if (!tmp.isValid())
        return Result::failure(QStringLiteral("Geçici klasör oluşturulamadı"));
    const QString produced = tmp.filePath(format == FileFormat::Xls ? QStringLiteral("out.xls") : QStringLiteral("out.xlsx"));

    Result r;
    if (format == FileFormat::Xlsx && d->sourcePath.isEmpty()) {
        r = d->writeXlsx(produced, tmp.path());
    } else {
        // The engine edits a private copy of an opened file: the original stays untouched
        // until the result replaces it, and no lock file appears beside it.
        QString source;
        if (!d->sourcePath.isEmpty()) {
            source = tmp.filePath(QStringLiteral("source.") + QFileInfo(d->sourcePath).suffix());
            if (!QFile::copy(d->sourcePath, source))
                return Result::failure(QStringLiteral("Dosya okunamadı: %1").arg(d->sourcePath));
        }
        // The engine quits after storing: each export starts and ends its own.
        r = d->storeWithEngine(source, produced, format);
    }
    if (!r.ok())
        return r;
    if (r = replaceFile(produced, destination); !r.ok())
        return r;

    if (after == AfterSave::Show && !view(destination))
        qWarning("zeran::sheet: the saved workbook could not be shown: %s", qPrintable(destination));
    return Result::success();
}

Result Workbook::show(const QString &baseName)
{
    QString name = baseName.trimmed();
    name.replace(u'/', u'_').replace(u'\\', u'_');
    if (name.isEmpty() || name == u"." || name == u"..")
        name = QStringLiteral("Kitap1");
    QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/zeran-XXXXXX"));
    if (!dir.isValid())
        return Result::failure(QStringLiteral("Geçici klasör oluşturulamadı"));
    dir.setAutoRemove(false);  // the viewer opens the file after we return
    const QString path = dir.filePath(name + QStringLiteral(".xlsx"));
    if (Result r = save(path, FileFormat::Xlsx, AfterSave::Close); !r.ok()) {
        dir.remove();
        return r;
    }
    if (!view(path))
        return Result::failure(QStringLiteral("Çalışma kitabı gösterilemedi: %1").arg(path));
    return Result::success();
}

void Workbook::setViewer(Viewer viewer)
{
    std::lock_guard g(settings().lock);
    settings().viewer = std::move(viewer);
}

void Workbook::setEngineTimeouts(int startMs, int operationMs)
{
    std::lock_guard g(settings().lock);
    settings().timeouts = {std::max(startMs, 100), std::max(operationMs, 100)};
}

EngineTimeouts detail::engineTimeouts()
{
    std::lock_guard g(settings().lock);
    return settings().timeouts;
}

} // namespace zeran::sheet
