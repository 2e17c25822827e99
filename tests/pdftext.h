#pragma once
// Reading a written PDF back as a clerk's eye would: the text of each page as pdftotext lays
// it out, and the boxes of its words.

#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QStringList>
#include <QtTest>

namespace zeran::test {

/// The pages of `file` as `pdftotext -layout -enc UTF-8` gives them (one string per page).
inline QStringList pdfPages(const QString &file)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), file,
                                          QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pages.isEmpty() && pages.last().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

/// Blanks collapsed: "A L T      T O P" and "A L T T O P" compare equal.
inline QString simplified(const QString &text)
{
    return text.simplified();
}

/// The first whitespace-separated word after `caption` on the line where it stands; empty
/// when the line has nothing after it.
inline QStringList wordsAfter(const QString &page, const QString &caption)
{
    for (const QString &line : page.split(QLatin1Char('\n'))) {
        const qsizetype at = line.indexOf(caption);
        if (at >= 0)
            return line.mid(at + caption.size()).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    }
    return {};
}

struct Word {
    QString text;
    QRectF box;  ///< points, from the top left of the page
};

/// The words of page `page` (from 1) with their boxes (`pdftotext -bbox`).
inline QList<Word> pdfWords(const QString &file, int page = 1)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-enc"), QStringLiteral("UTF-8"),
                                          QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), file, QStringLiteral("-")});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    static const QRegularExpression word(QStringLiteral(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    QList<Word> out;
    auto it = word.globalMatch(QString::fromUtf8(p.readAllStandardOutput()));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        const double x0 = m.captured(1).toDouble(), y0 = m.captured(2).toDouble();
        const double x1 = m.captured(3).toDouble(), y1 = m.captured(4).toDouble();
        QString text = m.captured(5);
        text.replace(QStringLiteral("&amp;"), QStringLiteral("&"))
            .replace(QStringLiteral("&lt;"), QStringLiteral("<"))
            .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
            .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
            .replace(QStringLiteral("&apos;"), QStringLiteral("'"));
        out.push_back({text, QRectF(QPointF(x0, y0), QPointF(x1, y1))});
    }
    return out;
}

}  // namespace zeran::test
