#pragma once
// The payment list as one JSON object (the command line's "--json -"): the institution's
// numbers, the payment's date and description, the header stamp's "now" and the rows in list
// order, amounts as decimal strings.
//
//   {"KMUSNO": "4815162", "SBKOD": "0712", "type_code": "001", "payment_date": "15.01.2026",
//    "description": "OCAK 2026 ZERAN MAAŞLARI", "run_timestamp": "2026-01-14T09:30:00",
//    "rows": [{"PKAYNO": 1, "BKOD": 1, "ADI": "AYŞE", "SOYADI": "ÇELİK", "BHN": "12345678-90123",
//              "MAAS": "1234.56", "FARK": "0", "ACIKKES": "0"}],
//    "merge_text": "…"}
//
// Optional keys for the workbook layouts: "KHESNO", "KURUM", "month", "year", "iban" (true for
// "IBAN Yaz"), and per row "TCKNO", "INO", "PKOD", "BIRIM", "EMSNO".

#include "bankfile.h"

#include <QByteArray>

namespace zeran::bankfiles {

struct JsonInput {
    PaymentHeader header;
    std::vector<PaymentRow> rows;
    bool hasMerge = false;
    QByteArray merge;  ///< merge_text encoded in Windows-1254, as the earlier file would be
    bool iban = false;
};

/// Throws BankFileError naming the key that is missing or malformed.
JsonInput parseJsonInput(const QByteArray &json);

}  // namespace zeran::bankfiles
