#include "gradepicker.h"

#include <algorithm>
#include <cmath>

namespace zeran::grades {

QString questionText(Question q)
{
    switch (q) {
    case Question::GradeDown:
        return QStringLiteral("DİKKAT! Derece Düşürme işlemi, Onaylıyormusunuz?");
    case Question::StepDown:
        return QStringLiteral("DİKKAT! Kademe Düşürme işlemi, Onaylıyormusunuz?");
    case Question::SupplementaryChanges:
        return QStringLiteral("DİKKAT! Ek gösterge DEĞİŞECEK, Onaylıyormusunuz?");
    }
    return {};
}

std::vector<IndicatorRow> pickerRows(std::vector<IndicatorRow> table)
{
    std::stable_sort(table.begin(), table.end(), [](const IndicatorRow &a, const IndicatorRow &b) { return a.DER < b.DER; });
    return table;
}

std::optional<Cell> cellAt(const std::vector<IndicatorRow> &rows, int row, int column)
{
    if (row < 1 || row > int(rows.size()) || column < 1 || column > kSteps)
        return std::nullopt;
    const IndicatorRow &r = rows[std::size_t(row - 1)];
    const int indicator = r.K[std::size_t(column - 1)];
    if (indicator == 0)
        return std::nullopt;
    return Cell{r.DER, column, indicator};
}

std::optional<GradeRecord> pick(PickMode mode, const GradeRecord &record, const PaidValues &paid, const Cell &cell,
                                const std::optional<UnitAllowance> &allowance, std::optional<double> supplementary,
                                const Ask &ask)
{
    if (cell.indicator == 0)
        return std::nullopt;
    GradeRecord r = record;
    switch (mode) {
    case PickMode::Salary:
        r.GF = cell.indicator - paid.GOS;
        r.TFA = 1;
        r.KAD = cell.step;
        r.DER = cell.grade;
        r.GOS = cell.indicator;
        if (allowance) {
            r.EGOS = allowance->EKGOST;
            r.LTAZ = allowance->LOJMAN;
            r.OHT = allowance->OHT;
        }
        break;
    case PickMode::Retirement:
        r.MKAD = cell.step;
        r.MDER = cell.grade;
        r.MGOS = cell.indicator;
        break;
    case PickMode::Promotion:
        // Grades compare by number (1 is the highest), whatever the order of the table.
        if (cell.grade > paid.DER) {
            if (!ask(Question::GradeDown))
                return std::nullopt;
        } else if (cell.grade == paid.DER && cell.indicator < paid.GOS) {
            if (!ask(Question::StepDown))
                return std::nullopt;
        }
        r.KAD = cell.step;
        r.DER = cell.grade;
        r.GOS = cell.indicator;
        r.TFA = 1;
        if (r.KIDEM.value_or(0) < kMaxSeniority)
            r.KIDEM = r.KIDEM.value_or(0) + 1;
        r.MDER = r.DER;
        r.MKAD = r.KAD;
        r.MGOS = r.GOS;
        r.GF = cell.indicator - paid.GOS;
        break;
    }

    if (supplementary && *supplementary > 0 && ask(Question::SupplementaryChanges)) {
        const int value = int(std::lround(*supplementary));
        const int d = (cell.indicator - paid.GOS) + (value - paid.EGOS);
        switch (mode) {
        case PickMode::Salary:
            r.EGOS = value;
            r.GF = d;
            break;
        case PickMode::Retirement:
            r.MEGOS = value;
            break;
        case PickMode::Promotion:
            r.EGOS = value;
            r.MEGOS = value;
            r.GF = d;
            break;
        }
    }
    return r;
}

QString gradeStepText(std::optional<int> der, std::optional<int> kad)
{
    const QString d = der ? QString::number(*der) : QString();
    const QString k = kad ? QString::number(*kad) : QString();
    if (d.isEmpty() && k.isEmpty())
        return {};
    return d + QLatin1Char('/') + k;
}

}  // namespace zeran::grades
