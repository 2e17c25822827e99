#pragma once
// Internals of the spreadsheet library, shared by its three parts: the workbook in memory
// (spreadsheet.cpp), the direct .xlsx writer (xlsxwriter.cpp) and the headless engine
// (officeengine.cpp). Not installed and not for callers: they use spreadsheet.h.

#include "spreadsheet.h"

#include <QString>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace zeran::sheet::detail {

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

struct EngineTimeouts {
    int startMs = 0;
    int operationMs = 0;
};
/// The timeouts as Workbook::setEngineTimeouts last set them, read at each engine call.
EngineTimeouts engineTimeouts();

/// The engine session; only officeengine.cpp knows it.
class Engine;

} // namespace zeran::sheet::detail

namespace zeran::sheet {

struct Workbook::Private {
    // Made and destroyed in officeengine.cpp, where the engine's type is complete.
    Private();
    ~Private();

    std::vector<detail::Sheet> sheets;
    int current = 0;  // index into sheets
    QString sourcePath;
    Result error;
    std::unique_ptr<detail::Engine> engine;

    detail::Sheet &sheet() { return sheets[size_t(current)]; }
    const detail::Sheet &sheet() const { return sheets[size_t(current)]; }

    // Argument checks of the writing calls; a failure is kept in `error`.
    bool fail(const QString &message);
    bool checkCell(int row, int col);
    bool checkColumn(int col);
    bool checkNewName(const QString &name, int except);
    void put(int row, int col, detail::Cell cell);

    /// xlsxwriter.cpp: a new workbook written directly as .xlsx.
    Result writeXlsx(const QString &file, const QString &tmpDir) const;

    /// officeengine.cpp: the engine of this workbook, started on first use.
    detail::Engine &theEngine();
    /// officeengine.cpp: writes `target` in `format` through the engine, from the copy
    /// `source` of the opened file (or from nothing when empty); the engine quits afterwards.
    Result storeWithEngine(const QString &source, const QString &target, FileFormat format);
};

} // namespace zeran::sheet
