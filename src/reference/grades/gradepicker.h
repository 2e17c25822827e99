#pragma once
// The grade picker's rules: a grade, step and indicator chosen from the indicator table set on
// a pay record (salary grade, retirement grade) or on a promotion row, with the unit's grade
// allowances and the supplementary indicator of the record's service class. Plain values in
// and out; questions go through a callback so the screen asks them and the tests answer them.

#include "money.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace zeran::grades {

/// Steps a grade of the indicator table can have (K1 … K12).
inline constexpr int kSteps = 12;
/// Columns of the picker grid after the grade column ("1" … "15"; 13–15 stay empty).
inline constexpr int kPickerSteps = 15;
/// Seniority years stop growing here.
inline constexpr int kMaxSeniority = 25;

/// One GOSTAN row: the indicator of every step of a grade, 0 where there is no such step.
struct IndicatorRow {
    int DER = 0;
    std::array<int, kSteps> K{};
    friend bool operator==(const IndicatorRow &, const IndicatorRow &) = default;
};

/// Which columns a pick sets.
enum class PickMode {
    Salary = 1,      ///< DER, KAD, GOS, TFA, GF and the unit allowances; EGOS
    Retirement = 2,  ///< MDER, MKAD, MGOS; MEGOS
    Promotion = 3,   ///< both grades, TFA, KIDEM, GF; EGOS and MEGOS
};

/// The columns of a pay record (or promotion row) the picker reads and sets; empty = NULL.
struct GradeRecord {
    std::optional<int> DER, KAD, GOS, EGOS;
    std::optional<int> MDER, MKAD, MGOS, MEGOS;
    std::optional<int> TFA, GF, KIDEM, OHT;
    std::optional<Money> LTAZ;
    std::optional<int> SNFKOD;
    QString SNFALTKOD;
    friend bool operator==(const GradeRecord &, const GradeRecord &) = default;
};

/// What was last paid: the base a difference is measured from (the previous month's archived
/// values, or the record's own when it has none). A second pick before the payroll still
/// measures from here, so 1000→1300 then →1320 gives 320.
struct PaidValues {
    int DER = 0;
    int GOS = 0;
    int EGOS = 0;
};

/// The cell double-clicked: the grade of its row, the step of its column, its indicator.
struct Cell {
    int grade = 0;
    int step = 0;
    int indicator = 0;
};

/// ELOHT row of the record's own unit for the chosen grade.
struct UnitAllowance {
    std::optional<int> EKGOST;
    std::optional<Money> LOJMAN;
    std::optional<int> OHT;
};

enum class Question { GradeDown, StepDown, SupplementaryChanges };
QString questionText(Question q);

/// Answers a question; true for Yes.
using Ask = std::function<bool(Question)>;

/// The picker's grid: grades in ascending order of DER (the table's stored order does not
/// matter), each with its indicators.
std::vector<IndicatorRow> pickerRows(std::vector<IndicatorRow> table);

/// The cell at (row, column) of the picker grid built from `rows` (row 0 and column 0 are
/// headers); nullopt for a header, an empty column or an indicator of 0: such a cell does
/// nothing.
std::optional<Cell> cellAt(const std::vector<IndicatorRow> &rows, int row, int column);

/// Applies a pick. `allowance`: the ELOHT row (mode 1 only); `supplementary`: the EKGOSTAN
/// value for the record's class, subclass and the chosen grade. nullopt when nothing changes
/// (a demotion declined).
std::optional<GradeRecord> pick(PickMode mode, const GradeRecord &record, const PaidValues &paid, const Cell &cell,
                                const std::optional<UnitAllowance> &allowance, std::optional<double> supplementary,
                                const Ask &ask);

/// The current "D/K" text of a grade and step: "8/3"; empty parts stay empty.
QString gradeStepText(std::optional<int> der, std::optional<int> kad);

}  // namespace zeran::grades
