#pragma once
// The column documents of the payroll (the unit's and the archive's): four or two lines per
// person in a grid of columns, the column totals under them. Internal to the documents.

#include "documentparts.h"

#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace zeran::payrolldocs::detail {

/// A position of a person's lines: its grid column(s), its caption in the column header and
/// whether the column total is printed under it.
struct Slot {
    QString caption;
    std::uint16_t col = 0;
    std::uint16_t span = 1;
    bool total = false;
    bool twice = false;  ///< the value is printed in `col` and again in `col` + 1
};

struct Value {
    QString text;
    std::optional<Money> amount;  ///< summed into the column total
    Align align = Align::Left;
};

Value money(Money m);
/// Empty when none, counted as 0 in the total.
Value optionalMoney(const std::optional<Money> &m);
Value text(QString s);
Value integer(long long n);

/// A landscape payroll document whose every page opens with `header`: rows of captioned
/// fields on a grid of `widths`.
Document columnDocument(std::vector<double> widths, std::vector<Row> header);

class ColumnDocument {
public:
    /// `widths`: the grid, the last column being "İmza"; `positions`: columns × lines, slot
    /// (c, l) at c × lines + l.
    ColumnDocument(Document &doc, std::vector<double> widths, std::vector<Slot> positions, int lines);

    /// A person's lines; `values` in slot order.
    void add(const std::vector<Value> &values);

    /// The totals under "A L T      T O P L A M L A R" (zeros when nobody was added).
    void finish();

private:
    /// A band of one row per line of a person.
    Band linesBand(int layout) const;

    Document &doc_;
    std::vector<Slot> slots_;
    int lines_;
    std::vector<Money> sums_;
    int captionLayout_ = 0, valueLayout_ = 0, headingLayout_ = 0;
};

/// Builds the dense slot table column by column.
class Slots {
public:
    explicit Slots(int lines) : lines_(lines) {}
    /// The next column: its grid column and span and, per line, caption and total.
    Slots &column(int col, int span, std::initializer_list<std::pair<QString, bool>> lines);
    Slot &at(int column, int line) { return slots_[std::size_t(column * lines_ + line)]; }
    std::vector<Slot> take() { return std::move(slots_); }

private:
    int lines_;
    std::vector<Slot> slots_;
};

/// A line of a column whose total is printed.
std::pair<QString, bool> sum(const QString &caption);
/// A line of a column without a total.
std::pair<QString, bool> bare(const QString &caption);

}  // namespace zeran::payrolldocs::detail
