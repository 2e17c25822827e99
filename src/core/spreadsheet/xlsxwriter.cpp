// New workbooks saved as .xlsx are written directly with libxlsxwriter: no engine to start,
// so the common export is fast and works where no spreadsheet engine is installed.

#include "workbook_p.h"

#include <QFile>

#include <xlsxwriter.h>

#include <map>

namespace zeran::sheet {

using namespace detail;

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

} // namespace zeran::sheet
