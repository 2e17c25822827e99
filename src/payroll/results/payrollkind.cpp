#include "payrollkind.h"

namespace zeran::results {

QString kindCode(PayrollKind kind)
{
    return QString::number(static_cast<int>(kind));
}

std::optional<PayrollKind> kindFromCode(QStringView code)
{
    const QStringView t = code.trimmed();
    if (t.size() != 1 || t.at(0) < u'1' || t.at(0) > u'8')
        return std::nullopt;
    return static_cast<PayrollKind>(t.at(0).unicode() - u'0');
}

QString kindName(PayrollKind kind)
{
    switch (kind) {
    case PayrollKind::Monthly:
        return QStringLiteral("Maaş Bordrosu");
    case PayrollKind::Difference:
        return QStringLiteral("Fark Bordrosu");
    case PayrollKind::Additional:
        return QStringLiteral("Ek Bordro");
    case PayrollKind::Committee:
        return QStringLiteral("Encümen Bordrosu");
    case PayrollKind::Council:
        return QStringLiteral("Meclis Bordrosu");
    case PayrollKind::ExtraordinaryCouncil:
        return QStringLiteral("Olağanüstü Meclis");
    case PayrollKind::Acting:
        return QStringLiteral("Başkan Vekalet Bordrosu");
    case PayrollKind::InflationDifference:
        return QStringLiteral("Enflasyon Farkı Bordrosu");
    }
    return QString();
}

}  // namespace zeran::results
