#pragma once
// "ÖDEME EMRİ BELGESİ": the payment order of a prepared entry, as a report::Document built
// from plain data only.

#include "document.h"
#include "preparation.h"
#include "unitstore.h"

#include <QDate>
#include <vector>

namespace zeran::posting {

inline constexpr int kPaymentOrderRows = 30;

struct PaymentOrderData {
    QString unitName;            ///< "Kurum Adı": the unit name passed in
    QString accountingName;      ///< "Muhasebe Adı": the institution name of the plan header
    QString code1, code2;        ///< institution code boxes "1", "2"
    QString accountingUnit;      ///< box "Birim": ZERNAKBIL.BKOD5
    QString accountingUnitName;  ///< "Birim Adı"
    int year = 0;                ///< "Bütçe Yılı"
    QDate date;
    qint64 yevno = 0;            ///< "No. su" (0: not posted yet)
    QString payee, payeeId, bankBranch, bankAccount, taxOffice;
    QString purpose, attachments;  ///< SAYAD, EKLER
    std::vector<PreparedLine> lines;
    Totals totals;
    units::Signatories signatories;
};

/// The document: the lines padded with empty rows to 30, the totals, the accrual total and
/// the amount to pay in words, the signature boxes.
report::Document paymentOrder(const PaymentOrderData &d);

}  // namespace zeran::posting
