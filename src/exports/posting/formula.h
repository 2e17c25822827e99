#pragma once
// The formula language of the account plans: variable names joined by "+" and "-", read left
// to right without precedence. A name stands for a sum over the payroll's result rows; which
// sums a posting has depends on its rule (monthly, difference, additional payments).

#include "money.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>

namespace zeran::posting {

/// The result-row columns the variables are summed from, in one fixed order.
enum class Col : std::size_t {
    AYTUT, EGOSTUT, TABAY, KIDAY, YANOD, OZHIZTAZ, EKODTUT, FAZMES, LOJTAZ, EKTAZ, DILTAZ, DIGTAZ,
    AILEYRD, COCYRD, COCYRD1, ARTIS, TERFAR,
    KAZ1, KAZ2, KAZ3, KAZ4, KAZ5, KAZ6, KAZ7, KAZ8, KAZ9, KAZ10,
    YEMEK, GELTOP, EMKESM, EMKESD, MYOI, MYOP, GSSI, GSSP, DVVIADE, INDIRIM, OZIN,
    GELVER, DAMVER, GELVERKES, DAMVERKES, VIADE, BES, HIZBOR, ICRA, KIRA, PCEZA, KEFALET,
    SEN1, SEN2, SEN3, KES1, KES2, KES3, KES4, KES5, OZELKES, KESTOP, MAAS, ACIKKES, EKFARK,
    Count
};
inline constexpr std::size_t kColumnCount = std::size_t(Col::Count);

/// The ZERMAAS column names, in Col order.
const QStringList &columnNames();

/// One row's (or a sum of rows') column amounts.
struct ColumnSums {
    std::array<Money, kColumnCount> v{};
    Money &operator[](Col c) { return v[std::size_t(c)]; }
    Money operator[](Col c) const { return v[std::size_t(c)]; }
    ColumnSums &operator+=(const ColumnSums &o);
};

/// Which rows a posting sums and which variables it fills.
enum class Rule { Monthly, Difference, Additional };

/// Variable name -> value. Names not in the table count 0.
using Variables = QHash<QString, Money>;

/// The variables of a posting from the summed columns. A variable the rule does not sum is 0.
/// `exemption`: the settings' minimum-wage exemption (ASUCISTISNA "E"); in the monthly rule
/// GELVER and DAMVER then take the withheld parts GELVERKES and DAMVERKES.
Variables variables(const ColumnSums &sums, Rule rule, bool exemption);

/// The value of a formula. A blank before a name is part of it (so " KIRA" is no variable),
/// a blank after one is not; an empty operand and an unknown name count 0.
Money evaluate(const QString &formula, const Variables &vars);

/// The operands of a formula as the evaluator reads them (empty operands left out).
QStringList operands(const QString &formula);

/// Every name the language knows, in the order the formula editor lists them.
const QStringList &editorVariables();
/// True for a name of the variable table (upper case, exact).
bool isVariable(const QString &name);
/// True for a name that is a variable but never has a value of its own (always 0).
bool hasNoValueOfItsOwn(const QString &name);
/// The operands of `formula` that always count 0: names that are not variables and variables
/// without a value of their own. The formula editor asks before saving such a formula.
QStringList deadNames(const QString &formula);

/// The text of the editor's question about dead names.
QString deadNamesQuestion(const QStringList &names);

}  // namespace zeran::posting
