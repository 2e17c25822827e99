#include "spreadsheet.h"

#include "engine_script.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtDebug>

#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <vector>

#include <signal.h>
#include <unistd.h>

namespace zeran::sheet {

namespace {

constexpr int kMaxRows = 1048576;  // .xlsx limits; .xls is checked when saving
constexpr int kMaxCols = 16384;
constexpr int kXlsMaxRows = 65536;
constexpr int kXlsMaxCols = 256;
constexpr double kMaxWidth = 255;

// ---- Process-wide settings --------------------------------------------------------------

struct Settings {
    std::mutex lock;
    Workbook::Viewer viewer;
    int startMs = 30000;
    int operationMs = 120000;
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

// Character width -> 1/100 mm, through the pixels the spreadsheet applications use for it
// (7 px per character of the standard font, 5 px padding, 96 dpi).
int widthToHundredthMm(double width)
{
    const double px = width < 1 ? std::floor(width * 12 + 0.5) : std::floor(width * 7 + 5);
    return int(std::lround(px * 2540.0 / 96.0));
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

// ---- The engine session -----------------------------------------------------------------

/// One headless engine process with a private profile and pipe, used by one workbook for
/// the calls of one export (open, then save), so the engine starts once per export.
class Engine {
public:
    Engine() = default;
    Engine(const Engine &) = delete;
    Engine &operator=(const Engine &) = delete;
    ~Engine() { stop(); }

    bool isRunning() const { return m_office && m_office->state() != QProcess::NotRunning; }

    /// Runs one script call. With `terminate` the engine is told to quit afterwards and is
    /// gone when this returns.
    Result run(QJsonObject request, QJsonObject *response, bool terminate)
    {
        if (!isRunning()) {
            if (Result r = launch(); !r.ok())
                return r;
        }
        int startMs, operationMs;
        {
            std::lock_guard g(settings().lock);
            startMs = settings().startMs;
            operationMs = settings().operationMs;
        }
        const int connectMs = m_connected ? 10000 : startMs;
        request.insert(u"connectTimeout", connectMs / 1000.0);
        request.insert(u"terminate", terminate);

        ++m_calls;
        const QString requestPath = m_dir->filePath(QStringLiteral("request-%1.json").arg(m_calls));
        const QString responsePath = m_dir->filePath(QStringLiteral("response-%1.json").arg(m_calls));
        {
            QFile f(requestPath);
            if (!f.open(QIODevice::WriteOnly)
                || f.write(QJsonDocument(request).toJson(QJsonDocument::Compact)) < 0) {
                stop();
                return Result::failure(QStringLiteral("Geçici dosya yazılamadı: %1").arg(requestPath));
            }
        }

        QProcess script;
        script.setProcessEnvironment(engineEnvironment());
        script.setProgram(pythonProgram());
        script.setArguments({m_scriptPath, m_pipe, requestPath, responsePath});
        script.start();
        if (!script.waitForStarted(10000)) {
            stop();  // no interpreter: the engine cannot be driven
            return Result::engineNotStarted();
        }

        QByteArray out, errors;
        const QDeadlineTimer deadline(connectMs + operationMs + 5000);
        bool officeGone = false;
        while (!script.waitForFinished(100)) {
            out += script.readAllStandardOutput();
            errors += script.readAllStandardError();
            if (!m_connected && out.contains("connected\n"))
                m_connected = true;
            // An engine that quits before it was asked to will never answer.
            if (!officeGone && m_office->waitForFinished(0))
                officeGone = true;
            if ((officeGone && !(terminate && m_connected)) || deadline.hasExpired()) {
                const bool wasConnected = m_connected;
                script.kill();
                script.waitForFinished(5000);
                m_connected = false;  // busy or gone: no polite quit, stop it outright
                stop();
                if (!wasConnected)
                    return Result::engineNotStarted();
                return Result::failure(officeGone ? QStringLiteral("Hesap tablosu motoru beklenmedik biçimde kapandı")
                                                  : QStringLiteral("Hesap tablosu motoru zamanında yanıt vermedi"));
            }
        }
        out += script.readAllStandardOutput();
        if (out.contains("connected\n"))
            m_connected = true;

        // read everything before a terminating call removes the session folder
        errors += script.readAllStandardError();
        QJsonObject answer;
        if (QFile f(responsePath); f.open(QIODevice::ReadOnly))
            answer = QJsonDocument::fromJson(f.readAll()).object();

        if (terminate) {
            if (!m_office->waitForFinished(15000))
                qWarning("zeran::sheet: the spreadsheet engine did not quit; stopping it");
            stop();
        }

        if (script.exitStatus() != QProcess::NormalExit) {
            stop();
            return Result::failure(QStringLiteral("Hesap tablosu betiği çöktü"));
        }
        if (script.exitCode() == 3) {
            stop();
            return Result::engineNotStarted();
        }
        if (script.exitCode() != 0 || !answer.value(u"ok").toBool()) {
            QString why = answer.value(u"error").toString();
            if (why.isEmpty())
                why = QString::fromUtf8(errors.trimmed().right(2000));
            return Result::failure(QStringLiteral("Hesap tablosu motoru hata verdi: %1").arg(why));
        }
        if (response)
            *response = answer;
        return Result::success();
    }

    /// Stops the engine (its whole process group) and removes its private folder.
    void stop()
    {
        if (m_office && m_connected && m_office->state() != QProcess::NotRunning)
            quitGracefully();
        if (m_office) {
            const qint64 pid = m_office->processId();
            if (m_office->state() != QProcess::NotRunning && pid > 0) {
                ::kill(-pid_t(pid), SIGTERM);
                if (!m_office->waitForFinished(3000)) {
                    ::kill(-pid_t(pid), SIGKILL);
                    m_office->waitForFinished(3000);
                }
            }
            m_office.reset();
        }
        m_dir.reset();
        m_connected = false;
    }

private:
    /// Asks a connected engine to quit, so that it removes its pipe and lock files; a
    /// signal would leave them behind in the temporary folder.
    void quitGracefully()
    {
        const QString requestPath = m_dir->filePath(QStringLiteral("quit.json"));
        QFile f(requestPath);
        if (!f.open(QIODevice::WriteOnly)
            || f.write(R"({"action": "ping", "connectTimeout": 5, "terminate": true})") < 0)
            return;
        f.close();
        QProcess script;
        script.setProcessEnvironment(engineEnvironment());
        script.start(pythonProgram(), {m_scriptPath, m_pipe, requestPath, m_dir->filePath(QStringLiteral("quit-response.json"))});
        if (!script.waitForFinished(10000)) {
            script.kill();
            script.waitForFinished(3000);
        }
        m_office->waitForFinished(10000);
    }

    static QString officeProgram()
    {
        const QString configured = qEnvironmentVariable("ZERAN_SOFFICE");
        if (!configured.isEmpty())
            return configured;
        const QString found = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        return found.isEmpty() ? QStringLiteral("/usr/lib/libreoffice/program/soffice") : found;
    }

    static QString pythonProgram()
    {
        const QString configured = qEnvironmentVariable("ZERAN_PYTHON");
        // Debian's interpreter: the one that has the UNO bridge (python3-uno)
        return configured.isEmpty() ? QStringLiteral("/usr/bin/python3") : configured;
    }

    static QProcessEnvironment engineEnvironment()
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        // English locale: number format codes are passed in English notation, and the
        // engine must read "#,##0.00" the same on every workstation.
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
        env.remove(QStringLiteral("LANGUAGE"));
        env.insert(QStringLiteral("PYTHONIOENCODING"), QStringLiteral("utf-8"));
        env.insert(QStringLiteral("PYTHONDONTWRITEBYTECODE"), QStringLiteral("1"));
        return env;
    }

    Result launch()
    {
        stop();
        // Without the interpreter the engine could not be driven: do not start it at all.
        const QString python = pythonProgram();
        const QString pythonPath = QFileInfo(python).isAbsolute() ? python : QStandardPaths::findExecutable(python);
        if (pythonPath.isEmpty() || !QFileInfo(pythonPath).isExecutable())
            return Result::engineNotStarted();
        m_dir = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/zeran-sheet-XXXXXX"));
        if (!m_dir->isValid()) {
            m_dir.reset();
            return Result::failure(QStringLiteral("Geçici klasör oluşturulamadı"));
        }
        m_scriptPath = m_dir->filePath(QStringLiteral("engine.py"));
        {
            QFile f(m_scriptPath);
            if (!f.open(QIODevice::WriteOnly) || f.write(detail::kEngineScript) < 0) {
                stop();
                return Result::failure(QStringLiteral("Geçici dosya yazılamadı: %1").arg(m_scriptPath));
            }
        }
        // A pipe name and a profile of its own, so that parallel exports and a spreadsheet
        // program the user has open never meet this engine.
        m_pipe = QStringLiteral("zeran_sheet_%1_%2")
                     .arg(QCoreApplication::applicationPid())
                     .arg(QRandomGenerator::global()->generate64(), 16, 16, QChar(u'0'));
        const QString profile = QUrl::fromLocalFile(m_dir->filePath(QStringLiteral("profile"))).toString();

        m_office = std::make_unique<QProcess>();
        m_office->setProcessEnvironment(engineEnvironment());
        m_office->setStandardOutputFile(QProcess::nullDevice());
        m_office->setStandardErrorFile(QProcess::nullDevice());
        // Own process group: the launcher starts the engine as a child, and stop() must
        // reach both.
        m_office->setChildProcessModifier([] { ::setsid(); });
        m_office->start(officeProgram(),
                        {QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--norestore"),
                         QStringLiteral("--nologo"), QStringLiteral("--nodefault"),
                         QStringLiteral("--accept=pipe,name=%1;urp;").arg(m_pipe),
                         QStringLiteral("-env:UserInstallation=%1").arg(profile)});
        if (!m_office->waitForStarted(10000)) {
            stop();
            return Result::engineNotStarted();
        }
        return Result::success();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<QProcess> m_office;
    QString m_scriptPath;
    QString m_pipe;
    bool m_connected = false;
    int m_calls = 0;
};

// ---- Workbook contents --------------------------------------------------------------------

struct Cell {
    CellValue::Kind kind = CellValue::Kind::Empty;
    QString text;
    QString format;  // numbers only
};

struct ColumnSetting {
    double width = -1;  // -1: unchanged
    bool text = false;
};

using Pos = std::pair<int, int>;  // (row, col), 1-based

struct Sheet {
    QString name;
    QString sourceName;  // name in the opened file; empty for a sheet added here
    std::map<Pos, Cell> cells;
    std::set<Pos> written;  // cells to put into the file on save
    std::map<int, ColumnSetting> columns;
};

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

struct Workbook::Private {
    std::vector<Sheet> sheets;
    int current = 0;  // index into sheets
    QString sourcePath;
    Result error;
    std::unique_ptr<Engine> engine;

    Sheet &sheet() { return sheets[size_t(current)]; }
    const Sheet &sheet() const { return sheets[size_t(current)]; }

    bool fail(const QString &message)
    {
        if (error.ok())
            error = Result::failure(message);
        return false;
    }

    bool checkCell(int row, int col)
    {
        if (row < 1 || row > kMaxRows || col < 1 || col > kMaxCols)
            return fail(QStringLiteral("Geçersiz hücre: satır %1, sütun %2").arg(row).arg(col));
        return true;
    }

    bool checkColumn(int col)
    {
        if (col < 1 || col > kMaxCols)
            return fail(QStringLiteral("Geçersiz sütun: %1").arg(col));
        return true;
    }

    bool checkNewName(const QString &name, int except)
    {
        if (!validSheetNameChars(name))
            return fail(QStringLiteral("Geçersiz sayfa adı: \"%1\"").arg(name));
        for (size_t i = 0; i < sheets.size(); ++i)
            if (int(i) != except && sheets[i].name.compare(name, Qt::CaseInsensitive) == 0)
                return fail(QStringLiteral("Bu adda bir sayfa zaten var: %1").arg(name));
        return true;
    }

    void put(int row, int col, Cell cell)
    {
        Sheet &s = sheet();
        s.cells[{row, col}] = std::move(cell);
        s.written.insert({row, col});
    }

    Engine &theEngine()
    {
        if (!engine)
            engine = std::make_unique<Engine>();
        return *engine;
    }

    Result writeXlsx(const QString &file, const QString &tmpDir) const;
    QJsonObject storeRequest(const QString &source, const QString &target, FileFormat format) const;
};

Workbook::Workbook() : d(std::make_unique<Private>())
{
    d->sheets.push_back(Sheet{QStringLiteral("Sayfa1"), {}, {}, {}, {}});
}

Workbook::~Workbook() = default;
Workbook::Workbook(Workbook &&) noexcept = default;
Workbook &Workbook::operator=(Workbook &&) noexcept = default;

Result Workbook::startEngine()
{
    Engine &e = d->theEngine();
    return e.run(QJsonObject{{QStringLiteral("action"), QStringLiteral("ping")}}, nullptr, false);
}

void Workbook::closeEngine()
{
    if (d->engine)
        d->engine->stop();
}

Result Workbook::open(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        return Result::failure(QStringLiteral("Dosya bulunamadı: %1").arg(path));
    const QString absolute = info.absoluteFilePath();

    QJsonObject answer;
    const Result r = d->theEngine().run(QJsonObject{{QStringLiteral("action"), QStringLiteral("dump")}, {QStringLiteral("source"), absolute}}, &answer, false);
    if (!r.ok())
        return r;

    std::vector<Sheet> sheets;
    for (const QJsonValue &v : answer.value(u"sheets").toArray()) {
        const QJsonObject o = v.toObject();
        Sheet s;
        s.name = s.sourceName = o.value(u"name").toString();
        for (const QJsonValue &c : o.value(u"cells").toArray()) {
            const QJsonArray a = c.toArray();
            Cell cell;
            cell.kind = a.at(2).toString() == u"n" ? CellValue::Kind::Number : CellValue::Kind::Text;
            cell.text = a.at(3).toString();
            s.cells[{a.at(0).toInt() + 1, a.at(1).toInt() + 1}] = std::move(cell);
        }
        sheets.push_back(std::move(s));
    }
    if (sheets.empty())
        return Result::failure(QStringLiteral("Çalışma kitabında sayfa yok: %1").arg(path));
    d->sheets = std::move(sheets);
    d->current = 0;
    d->sourcePath = absolute;
    d->error = Result::success();
    return Result::success();
}

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

Result Workbook::Private::writeXlsx(const QString &file, const QString &tmpDir) const
{
    QByteArray tmp = QFile::encodeName(tmpDir);
    lxw_workbook_options options{};
    options.constant_memory = LXW_FALSE;
    options.tmpdir = tmp.data();
    lxw_workbook *wb = workbook_new_opt(QFile::encodeName(file).constData(), &options);
    if (!wb)
        return Result::failure(QStringLiteral("Çalışma kitabı oluşturulamadı"));

    lxw_format *textFormat = workbook_add_format(wb);
    format_set_num_format(textFormat, "@");
    std::map<QString, lxw_format *> numberFormats;
    auto numberFormat = [&](const QString &code) -> lxw_format * {
        if (code.isEmpty())
            return nullptr;
        auto it = numberFormats.find(code);
        if (it == numberFormats.end()) {
            lxw_format *f = workbook_add_format(wb);
            format_set_num_format(f, code.toUtf8().constData());
            it = numberFormats.emplace(code, f).first;
        }
        return it->second;
    };

    auto failed = [&](const QString &what, lxw_error e) {
        workbook_close(wb);
        return Result::failure(QStringLiteral("%1: %2").arg(what, QString::fromUtf8(lxw_strerror(e))));
    };

    for (const Sheet &s : sheets) {
        lxw_worksheet *ws = workbook_add_worksheet(wb, s.name.toUtf8().constData());
        if (!ws) {
            workbook_close(wb);
            return Result::failure(QStringLiteral("Sayfa eklenemedi: %1").arg(s.name));
        }
        for (const auto &[col, setting] : s.columns) {
            const double width = setting.width >= 0 ? setting.width : LXW_DEF_COL_WIDTH;
            if (lxw_error e = worksheet_set_column(ws, lxw_col_t(col - 1), lxw_col_t(col - 1), width,
                                                   setting.text ? textFormat : nullptr))
                return failed(QStringLiteral("Sütun ayarlanamadı"), e);
        }
        for (const auto &[pos, c] : s.cells) {
            const lxw_row_t row = lxw_row_t(pos.first - 1);
            const lxw_col_t col = lxw_col_t(pos.second - 1);
            const auto colIt = s.columns.find(pos.second);
            const bool textColumn = colIt != s.columns.end() && colIt->second.text;
            lxw_error e = LXW_NO_ERROR;
            if (c.kind == CellValue::Kind::Text) {
                // a text column's format goes on its cells too, as typing into it would
                e = worksheet_write_string(ws, row, col, c.text.toUtf8().constData(), textColumn ? textFormat : nullptr);
            } else if (c.kind == CellValue::Kind::Number) {
                // the one place the decimal text becomes a binary number: the file stores doubles
                e = worksheet_write_number(ws, row, col, c.text.toDouble(), numberFormat(c.format));
            }
            if (e)
                return failed(QStringLiteral("Hücre yazılamadı (%1%2)").arg(columnLetters(pos.second)).arg(pos.first), e);
        }
    }
    if (lxw_error e = workbook_close(wb))
        return Result::failure(QStringLiteral("Çalışma kitabı yazılamadı: %1").arg(QString::fromUtf8(lxw_strerror(e))));
    return Result::success();
}

QJsonObject Workbook::Private::storeRequest(const QString &source, const QString &target, FileFormat format) const
{
    QJsonArray sheetList;
    for (const Sheet &s : sheets) {
        QJsonArray columns;
        for (const auto &[col, setting] : s.columns)
            columns.append(QJsonArray{col - 1, setting.width >= 0 ? widthToHundredthMm(setting.width) : -1, setting.text});
        QJsonArray cells;
        for (const Pos &pos : s.written) {
            const Cell &c = s.cells.at(pos);
            const QString kind = c.kind == CellValue::Kind::Text     ? QStringLiteral("t")
                                 : c.kind == CellValue::Kind::Number ? QStringLiteral("n")
                                                                     : QStringLiteral("e");
            cells.append(QJsonArray{pos.first - 1, pos.second - 1, kind, c.text, c.format});
        }
        sheetList.append(QJsonObject{{QStringLiteral("name"), s.name},
                                     {QStringLiteral("source"), s.sourceName},
                                     {QStringLiteral("columns"), columns},
                                     {QStringLiteral("cells"), cells}});
    }
    return QJsonObject{
        {QStringLiteral("action"), QStringLiteral("store")},
        {QStringLiteral("source"), source},
        {QStringLiteral("target"), target},
        {QStringLiteral("filter"),
         format == FileFormat::Xls ? QStringLiteral("MS Excel 97") : QStringLiteral("Calc MS Excel 2007 XML")},
        {QStringLiteral("sheets"), sheetList},
    };
}

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
        r = d->theEngine().run(d->storeRequest(source, produced, format), nullptr, true);
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
    settings().startMs = std::max(startMs, 100);
    settings().operationMs = std::max(operationMs, 100);
}

} // namespace zeran::sheet
