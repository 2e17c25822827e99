#pragma once
// YAZIYLA: an amount in Turkish words for printed payment documents ("BinİkiyüzOtuzDört.TL
// ElliAltı.KR"). Words are joined without blanks; lira end in ".TL", kuruş in ".KR".

#include "money.h"

#include <QString>
#include <QStringView>

namespace zeran::general {

/// The text the payment documents hand to YAZIYLA: the amount in the "#.00" format of the
/// Turkish locale, i.e. the lira digits without grouping (none at all below one lira), ","
/// and two kuruş digits rounded half away from zero: "1234,56", ",50", "-12,00".
QString amountText(Money amount);

/// True when yaziyla() can read `text`: at least one digit, lira part (before the first
/// ",") of at most 12 ASCII digits, kuruş part (after it) of ASCII digits only.
bool isAmountText(QStringView text);

/// YAZIYLA of an amount text (see amountText). Lira up to 999 milyar; of the kuruş part
/// only its first two characters count, and a single kuruş digit is read as the units
/// digit ("1,5" gives "Beş.KR"): the documents always pass two digits. Zero lira read
/// "Sıfır". Throws std::invalid_argument when !isAmountText(text).
QString yaziyla(QStringView text);

/// YAZIYLA of amountText(amount). Throws std::invalid_argument for a negative amount and
/// for one of a thousand milyar or more.
QString yaziyla(Money amount);

}  // namespace zeran::general
