#pragma once
// The retirement-contribution ledger (`EMKES`) and what is printed from it: the yearly
// summary's rows and pages with their carry lines, and the monthly voucher's figures. Plain
// rows in, plain figures out; the documents are built from these (summarydocument.h).

#include "money.h"

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <vector>

namespace zeran::contributions {

/// One `EMKES` row.
struct LedgerRow {
    int PKAYNO = 0;
    int BKOD = 0;
    QString TUR = QStringLiteral("1");
    QString YIL;
    int AY = 0;
    Money ZER, DEV, ARTIS, BORC, ITAS, CEZA;
};

/// Why a ledger row may not be saved; empty when it may. `others` are the person's other rows
/// of the year (the row itself excluded): a month is kept once per unit and kind.
QString ledgerRowProblem(const LedgerRow &row, const std::vector<LedgerRow> &others);

/// "OCAK" … "ARALIK".
QString ledgerMonthName(int month);

/// A person of the unit's list with the registry and pay-record values the summary prints.
struct SummaryPerson {
    int PKAYNO = 0;
    QString EMSNO, ADI, SOYADI, UNVAN;
    std::optional<int> OGRDUR;
    QString KIDEM;      ///< pay record's seniority years
    QDate TERTAR;       ///< registry's promotion date
    QString MDER, MKAD, EGOS;
    QString FHAY, FHGUN, IHAY, IHGUN;
    Money FHTUT, IHTUT;
};

/// A row of the summary (the columns of the print table).
struct SummaryRow {
    int SIR = 0;
    int PKAYNO = 0;
    QString EMSNO, AD, SOY, GOR;
    std::optional<int> OGRDUR;
    QString HYIL, YTAR, EMAY, DKEG, FHAY, FHGUN, IHAY, IHGUN;
    Money FHTUT, IHTUT;
    /// Per month: employee side (ZER + ARTIS), institution side (DEV + ARTIS), service debt;
    /// empty for a month without a ledger row.
    std::array<std::optional<Money>, 12> MAY, KAY, HAY;

    Money monthTotal(int m) const;  ///< MAY + KAY + HAY of month m (0-based)
    Money sumMAY() const;
    Money sumKAY() const;
    Money sumHAY() const;
};

/// The summary row of a person: texts cut to the print widths, and for every month the sums of
/// all the person's ledger rows of that month (a person kept in two units keeps both halves).
/// `ITAS` and `CEZA` are not printed.
SummaryRow summaryRow(int sir, const SummaryPerson &person, const std::vector<LedgerRow> &rows);

/// People per page of the yearly summary.
inline constexpr int kSummaryPeoplePerPage = 5;

/// A page of the summary: its rows and the carry lines.
struct SummaryPage {
    std::size_t first = 0, count = 0;      ///< rows [first, first + count)
    std::array<Money, 12> carriedIn{};     ///< "NAKLİ YEKÜN": earlier pages
    std::array<Money, 12> carriedOut{};    ///< "Y E K Ü N": earlier pages and this one
    Money carriedInTotal, carriedOutTotal;
};
std::vector<SummaryPage> summaryPages(const std::vector<SummaryRow> &rows, int perPage = kSummaryPeoplePerPage);

/// The figures of "Emekli Kesenekleri İcmal ve İhbar Fişi".
struct VoucherFigures {
    Money employee;     ///< "%16 Em. Kes.": ZER
    Money increase25;   ///< "%25 Artış": always 0
    Money increase100;  ///< "%100 Artış": ARTIS
    Money institution;  ///< "Kurum Karşılıkları": DEV + ARTIS
    Money serviceDebt;  ///< "Hizmet Borçlanması": BORC
    Money health;       ///< "% 12 Tedavi Kes": the result rows' DVVIADE
    Money total;        ///< the increase counts once per side
};
/// From the month's ledger sums (every kind) and the result rows' health deduction.
VoucherFigures voucherFigures(Money zer, Money dev, Money artis, Money borc, Money health);

}  // namespace zeran::contributions
