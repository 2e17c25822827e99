#pragma once
// The fixed-width text payment file (layout "T"): a header line, one detail line per row
// paid, the detail lines of an earlier file when merging, and a trailer with the count and
// the total of the amounts as written. Windows-1254, every line ended by CR LF.

#include "bankfile.h"

#include <QByteArray>

namespace zeran::bankfiles {

inline constexpr QStringView kBranchCodeLength = u"Şube Kodu 4 haneli olmalıdır.";

struct TextFile {
    QByteArray bytes;
    int count = 0;   ///< detail lines written, merged ones included
    int merged = 0;  ///< of which taken from the earlier file
    Money total;     ///< Σ of the amounts written, merged ones included
};

/// The file's bytes. `earlier` is the earlier file to merge (its bytes as read, Windows-1254),
/// empty for none. Throws BankFileError, naming the field and, for a detail line, the person,
/// when a value is longer than its field or cannot be written in Windows-1254, and when the
/// branch code is not 4 characters (kBranchCodeLength).
TextFile textFile(const PaymentHeader &header, const Payments &payments, const QByteArray &earlier = {});

/// "0.##" with a decimal comma and no grouping: 1234,5 / 1234 / 0,05.
QString amountText(Money amount);

}  // namespace zeran::bankfiles
