// Everything that needs a real spreadsheet engine: saving as .xls, and opening an existing
// workbook to read it or to fill some of its cells while keeping the rest. A headless
// LibreOffice is started per workbook and driven by engine_script.py (a resource of this
// library), which is written into the session's private folder and run by the Python that
// has the UNO bridge.
//
// Script call: python3 engine.py PIPE_NAME REQUEST.json RESPONSE.json
// Exit code 0: done (response written); 1: the operation failed (response has "error");
// 3: no engine (UNO bridge missing, or no connection within "connectTimeout" seconds).
//
// Request: {"action": "ping" | "dump" | "store", "connectTimeout": s, "terminate": bool,
//           "source": path or "", "target": path, "filter": engine filter name,
//           "sheets": [{"name", "source", "columns": [[col, width_1/100mm or -1, text]],
//                       "cells": [[row, col, "t"|"n"|"e", value, format]]}]}
// Row and column numbers in the request and the response are 0-based, as in UNO.
// Response of "dump": {"ok": true, "sheets": [{"name", "cells": [[row, col, "t"|"n", text]]}]}

#include "workbook_p.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtDebug>

#include <cmath>

#include <signal.h>
#include <unistd.h>

// The script is compiled into this static library; its resources need registering by hand.
static void initSpreadsheetResources()
{
    Q_INIT_RESOURCE(spreadsheet);
}

namespace zeran::sheet {

// Failures after which a store may be tried once more: the engine or its script died.
constexpr const char *kScriptCrashed = "Hesap tablosu betiği çöktü";
constexpr const char *kEngineClosed = "Hesap tablosu motoru beklenmedik biçimde kapandı";

namespace detail {

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
        const auto [startMs, operationMs] = engineTimeouts();
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
                return Result::failure(officeGone ? QString::fromUtf8(kEngineClosed)
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

        if (script.exitStatus() != QProcess::NormalExit) {
            // A dead script never asked the engine to quit: no use waiting for it.
            m_connected = false;
            stop();
            return Result::failure(QString::fromUtf8(kScriptCrashed));
        }
        if (terminate) {
            if (!m_office->waitForFinished(15000))
                qWarning("zeran::sheet: the spreadsheet engine did not quit; stopping it");
            stop();
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

    static QByteArray engineScript()
    {
        initSpreadsheetResources();
        QFile f(QStringLiteral(":/spreadsheet/engine_script.py"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
        const QByteArray script = engineScript();
        if (script.isEmpty()) {
            stop();
            return Result::failure(QStringLiteral("Hesap tablosu betiği bulunamadı"));
        }
        {
            QFile f(m_scriptPath);
            if (!f.open(QIODevice::WriteOnly) || f.write(script) < 0) {
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

} // namespace detail

using namespace detail;

namespace {


// Character width -> 1/100 mm, through the pixels the spreadsheet applications use for it
// (7 px per character of the standard font, 5 px padding, 96 dpi).
int widthToHundredthMm(double width)
{
    const double px = width < 1 ? std::floor(width * 12 + 0.5) : std::floor(width * 7 + 5);
    return int(std::lround(px * 2540.0 / 96.0));
}

QJsonObject storeRequest(const std::vector<Sheet> &sheets, const QString &source, const QString &target,
                         FileFormat format)
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

} // namespace

Workbook::Private::Private() = default;
Workbook::Private::~Private() = default;

Engine &Workbook::Private::theEngine()
{
    if (!engine)
        engine = std::make_unique<Engine>();
    return *engine;
}

Result Workbook::Private::storeWithEngine(const QString &source, const QString &target, FileFormat format)
{
    // The engine writes beside the target, and the file takes the target's place only when it
    // is whole: a template filled in place is never left half-written. An engine or script that
    // dies now and then under load is started once more from the untouched source.
    const QFileInfo info(target);
    const QString partial = info.dir().filePath(
        QStringLiteral(".~zeran-%1-%2").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')).arg(info.fileName()));
    Result r;
    for (int attempt = 0; attempt < 2; ++attempt) {
        QFile::remove(partial);
        r = theEngine().run(storeRequest(sheets, source, partial, format), nullptr, true);
        if (r.ok() || r.kind == ErrorKind::EngineNotStarted)
            break;
        const bool died = r.message == QString::fromUtf8(kScriptCrashed) || r.message == QString::fromUtf8(kEngineClosed);
        if (!died)
            break;
    }
    if (!r.ok()) {
        QFile::remove(partial);
        return r;
    }
    if (QFile::exists(target) && !QFile::remove(target)) {
        QFile::remove(partial);
        return Result::failure(QStringLiteral("Dosya yazılamadı: %1").arg(target));
    }
    if (!QFile::rename(partial, target)) {
        QFile::remove(partial);
        return Result::failure(QStringLiteral("Dosya yazılamadı: %1").arg(target));
    }
    return r;
}

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

} // namespace zeran::sheet
