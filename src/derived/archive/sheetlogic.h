#pragma once
// The payroll sheet ("BORDRO HESABI") without widgets: how each of the four bases of a
// computed person was formed, as the calculation forms it, line by line.

#include "money.h"
#include "personinput.h"
#include "personpay.h"

#include <QString>

#include <vector>

namespace zeran::archive {

struct BaseLine {
    QString caption;
    Money amount;  ///< negative for what the base deducts
};

struct BaseBreakdown {
    QString title;
    std::vector<BaseLine> lines;
    Money total;  ///< the base itself, as computed
};

enum class BaseKind { Retirement, Premium, IncomeTax, StampTax };

/// The components of a base of `pay`.
BaseBreakdown breakdown(BaseKind kind, const engine::PersonInput &person, const engine::PersonPay &pay);

/// "Sigorta Durumu": the insurance kind in words.
QString insuranceText(QChar gsstur);

}  // namespace zeran::archive
