#pragma once
// The printed bank list: one line per non-difference result row with salary, difference,
// special deduction and the amount handed over, printed in layout A (one list) or B (grouped by
// unit). The rows come from plain result rows (banklistloader.h reads them); the document is
// described by content (report/document.h). The lists screen uses the same entry points.

#include "document.h"
#include "money.h"
#include "unitstore.h"

#include <QString>
#include <vector>

namespace zeran::bankfiles {

/// A result row as the list reads it.
struct BankListSource {
    QString TUR;
    int BKOD = 0, PKOD = 0, PKAYNO = 0;
    QString YIL;
    int AY = 0;
    Money MAAS, ACIKKES, OZELKES;
    QString ADSOY, EMSNO, VERNO, BHN, TCKNO, BIRIM;
};

/// A difference row ("2" or "8") of the same months.
struct DifferenceRow {
    int PKAYNO = 0, BKOD = 0;
    QString YIL;
    int AY = 0;
    Money MAAS, ACIKKES;
};

/// A printed line. Every amount is rounded to two decimals, as printed, so the totals are the
/// sums of the printed amounts.
struct BankListRow {
    BankListSource source;
    Money MAAS;     ///< "Maaş Tutarı"
    Money FARK;     ///< "Maaş Farkı"
    Money OZKES;    ///< "Kesinti T."
    Money TOPLAM;   ///< MAAS + FARK
    Money MAASNET;  ///< MAAS − ACIKKES
    Money NET;      ///< MAASNET + FARK − OZKES ("Ele Geçen")
    /// "Maaş" for "1", "Fark" for "2", else the code.
    QString turText() const;
};

/// The lines. With `addDifference`, the difference of a person in a unit and month is the sum of
/// (MAAS − ACIKKES) over the person's difference rows of both kinds there with MAAS above zero,
/// on the person's first line of that unit and month only. OZKES is OZELKES when `MKESDUR` is
/// "B", else 0.
std::vector<BankListRow> bankListRows(const std::vector<BankListSource> &sources,
                                      const std::vector<DifferenceRow> &differences, bool addDifference,
                                      const QString &MKESDUR);

struct BankListTotals {
    Money MAAS, FARK, OZKES, TOPLAM, NET;
};
BankListTotals bankListTotals(const std::vector<BankListRow> &rows);

enum class BankListLayout { A, B };
/// MBORTUR "1" prints layout B, anything else layout A.
BankListLayout bankListLayout(const QString &MBORTUR);

struct BankListHeading {
    QString TTBA, TTSA, KURUM;
    QString monthText;  ///< "OCAK" … or "TÜMÜ"
    QString year;
    units::Signatories signatories;  ///< empty for "TÜMÜ"
};

report::Document bankListDocument(const std::vector<BankListRow> &rows, const BankListHeading &heading,
                                  BankListLayout layout);

}  // namespace zeran::bankfiles
