#pragma once
// Payroll kinds: every stored payroll result and snapshot row carries one of these codes in
// its TUR column, and the archive lists show the names.

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace zeran::results {

enum class PayrollKind {
    Monthly = 1,               ///< "Maaş Bordrosu"
    Difference = 2,            ///< "Fark Bordrosu"
    Additional = 3,            ///< "Ek Bordro" (also the hand-entered bonus tax bases)
    Committee = 4,             ///< "Encümen Bordrosu" (also the hand-entered overtime tax bases)
    Council = 5,               ///< "Meclis Bordrosu"
    ExtraordinaryCouncil = 6,  ///< "Olağanüstü Meclis"
    Acting = 7,                ///< "Başkan Vekalet Bordrosu"
    InflationDifference = 8,   ///< inflation-difference payroll
};

inline constexpr std::array<PayrollKind, 8> kAllPayrollKinds = {
    PayrollKind::Monthly, PayrollKind::Difference, PayrollKind::Additional, PayrollKind::Committee,
    PayrollKind::Council, PayrollKind::ExtraordinaryCouncil, PayrollKind::Acting, PayrollKind::InflationDifference,
};

/// The stored one-character code: "1" … "8".
QString kindCode(PayrollKind kind);
/// The kind of a stored code; surrounding blanks are ignored (ZERARSIV.TUR is two wide).
/// nullopt for anything that is not one of the eight codes.
std::optional<PayrollKind> kindFromCode(QStringView code);
/// The name shown for the kind in archive lists ("Maaş Bordrosu" …).
QString kindName(PayrollKind kind);

}  // namespace zeran::results
