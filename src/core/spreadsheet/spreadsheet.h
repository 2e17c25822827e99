#pragma once
// Spreadsheet workbooks for the exports (archive, bank payment workbooks, personnel detail).
//
// A Workbook is built in memory (sheets -> cells, column settings) and written when it is
// saved. A new workbook saved as .xlsx is written directly (libxlsxwriter). Everything that
// needs a real spreadsheet engine goes through a headless LibreOffice driven by a small
// Python/UNO script: saving in the 97–2003 .xls format, and opening an existing workbook
// (a bank's template, or an earlier file to merge) to read it or to fill some of its cells
// while keeping the rest of the file as it is.
//
// Usage, in the order the exports need it:
//
//     zeran::sheet::Workbook wb;                            // or wb.open(templatePath)
//     wb.selectSheet(QStringLiteral("HalkbankDTO"));        // or selectSheet(1)
//     wb.setColumnWidth(1, 10);
//     wb.writeText(1, 2, QStringLiteral("20260115"));
//     wb.writeNumber(13, 3, net.toPlain(2));                // decimal text, never a double
//     if (auto r = wb.save(path, FileFormat::Xls); !r.ok())
//         show(r.kind == ErrorKind::EngineNotStarted ? r.message : genericError);
//
// Writing calls return false on a bad argument (row 0, unknown sheet, malformed number) and
// the first such failure is kept: save() then refuses with it, so a caller may fill the
// whole sheet and check once. Engine calls block (about 1–2 s for the engine's start).
//
// Environment: ZERAN_SOFFICE overrides the engine program (default: soffice on PATH),
// ZERAN_PYTHON the interpreter that has the UNO bridge (default /usr/bin/python3).

#include <QString>
#include <QStringView>
#include <functional>
#include <memory>

namespace zeran::sheet {

/// The message for an engine that cannot be started, shown to the user as it is.
inline constexpr QStringView kEngineNotStartedText = u"EXCEL BAŞLATILAMIYOR";

enum class ErrorKind {
    None,
    EngineNotStarted,  ///< engine program or its UNO bridge missing, or no answer in time
    Failed,            ///< anything else; `message` tells what
};

struct Result {
    ErrorKind kind = ErrorKind::None;
    QString message;  ///< kEngineNotStartedText for EngineNotStarted, a description for Failed

    bool ok() const noexcept { return kind == ErrorKind::None; }
    static Result success() { return {}; }
    static Result failure(const QString &message) { return {ErrorKind::Failed, message}; }
    static Result engineNotStarted() { return {ErrorKind::EngineNotStarted, kEngineNotStartedText.toString()}; }
};

enum class FileFormat {
    Xlsx,  ///< the default workbook format (Office Open XML)
    Xls,   ///< the 97–2003 workbook format ("file format 56")
};

enum class AfterSave {
    Close,  ///< only write the file
    Show,   ///< then open it with the desktop's handler for the user (see setViewer)
};

struct CellValue {
    enum class Kind { Empty, Text, Number };
    Kind kind = Kind::Empty;
    /// The text, or for a number its shortest decimal text: '.' as decimal point, no
    /// grouping, no exponent ("1234.56", "-0.5", "12"). Empty for an empty cell.
    QString text;

    bool isEmpty() const noexcept { return kind == Kind::Empty; }
};

/// Column number of column letters: "A" -> 1, "Z" -> 26, "AI" -> 35; 0 when not letters.
int columnNumber(QStringView letters);
/// Column letters of a column number (1 -> "A", 35 -> "AI"); empty when below 1.
QString columnLetters(int column);

class Workbook {
public:
    /// A new workbook with one empty sheet named "Sayfa1", which is selected.
    Workbook();
    ~Workbook();  // stops the engine if this workbook started one
    Workbook(Workbook &&) noexcept;
    Workbook &operator=(Workbook &&) noexcept;
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    // ---- Engine ------------------------------------------------------------------------

    /// Optional: starts the engine now, so that a missing engine is reported before the
    /// caller does its work. open() and save() start it themselves when they need it.
    Result startEngine();
    /// Stops the engine if it runs (the destructor does this too). The workbook stays usable.
    void closeEngine();

    // ---- Workbook ----------------------------------------------------------------------

    /// Replaces the contents with the workbook file at `path` (.xls or .xlsx, through the
    /// engine) and selects its first sheet. Its cells can then be read; cells written
    /// afterwards are put into the file's own sheets on save, everything else is kept.
    Result open(const QString &path);
    /// The file the workbook was opened from; empty for a new workbook.
    QString sourcePath() const;

    int sheetCount() const;
    /// Name of sheet `number` (1-based); empty when out of range.
    QString sheetName(int number) const;
    /// Number (1-based) of the selected sheet.
    int currentSheet() const;
    bool selectSheet(int number);
    /// Exact name first, then ignoring case, as the spreadsheet applications do.
    bool selectSheet(const QString &name);
    /// Appends a sheet and selects it. Names: 1–31 characters, none of []:*?/\, unique.
    bool addSheet(const QString &name);
    /// Renames the selected sheet (same rules as addSheet).
    bool renameSheet(const QString &name);

    // ---- Cells of the selected sheet (row and column 1-based) ---------------------------

    /// Writes text as text: "0012345" keeps its zeros and "=1+2" stays text. An empty text
    /// empties the cell (the cell's own formatting stays).
    bool writeText(int row, int col, const QString &text);
    /// Writes a number given as decimal text: optional '-', digits, optionally '.' and
    /// digits (Money::toPlain gives it). The text is turned into the file's binary number
    /// only when the workbook is written. `format` is a number format code in English
    /// notation ("#,##0.00", "0", "@"); an empty format keeps the cell's format (General in
    /// a new workbook).
    bool writeNumber(int row, int col, const QString &decimalText,
                     const QString &format = QStringLiteral("#,##0.00"));
    /// A whole number, e.g. a count; empty format as for writeNumber.
    bool writeInteger(int row, int col, qint64 value, const QString &format = QString());
    /// The cell as last written, or as read from the opened file.
    CellValue cell(int row, int col) const;
    /// Shorthand for cell(row, col).text.
    QString text(int row, int col) const;

    // ---- Columns of the selected sheet ---------------------------------------------------

    /// Width in characters of the standard font, as the spreadsheet applications count it.
    bool setColumnWidth(int col, double width);
    /// Gives the column the text number format ("@"), so typed digits stay text too.
    bool setColumnTextFormat(int col);
    /// Fits the widths of the columns of `range` ("A1:Z1", "B2", "A:D") to the contents of
    /// the cells inside the range, as they are now. Columns with nothing in the range keep
    /// their width.
    bool autofitColumns(const QString &range);

    // ---- Errors and saving --------------------------------------------------------------

    /// The first failure of a writing call since the workbook was made or opened.
    Result error() const;

    /// Writes the workbook to `path`, replacing an existing file without asking. On any
    /// failure the file at `path` is left as it was (nothing half-written).
    Result save(const QString &path, FileFormat format = FileFormat::Xlsx,
                 AfterSave after = AfterSave::Close);
    /// For a workbook the user saves himself: writes it as .xlsx into a new folder under
    /// the temporary directory, named `baseName` + ".xlsx", and hands it to the viewer.
    /// Fails when the viewer does.
    Result show(const QString &baseName = QStringLiteral("Kitap1"));

    // ---- Process-wide settings -----------------------------------------------------------

    /// Opens a saved file for the user; returns false when it could not.
    using Viewer = std::function<bool(const QString &path)>;
    /// Replaces the viewer (tests record the calls instead of opening a window); an empty
    /// function restores the default (the desktop's handler via QDesktopServices).
    static void setViewer(Viewer viewer);
    /// Time allowed for the engine to start and accept a connection, and for one operation
    /// (load, fill, store). Defaults 30 s and 120 s.
    static void setEngineTimeouts(int startMs, int operationMs);

private:
    struct Private;
    std::unique_ptr<Private> d;
};

} // namespace zeran::sheet
