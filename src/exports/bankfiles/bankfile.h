#pragma once
// The bank payment list as plain rows, and what every layout derives from it: the account
// fields split out of SICIL.BHN, the amount each row pays and the control total. No SQL and
// no widgets: the loader (paymentloader.h) and the JSON of the command line both fill it.

#include "money.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <stdexcept>
#include <vector>

namespace zeran::bankfiles {

/// The file layouts, chosen by PTANIM.BDTUR.
enum class Layout {
    Text,              ///< "T" and every unknown code: fixed-width text
    Workbook,          ///< "E": new workbook with a heading row
    Halkbank,          ///< "3": new 97–2003 workbook, account fields by position
    HalkbankNew,       ///< "4": as "3", account fields split at "-"
    HalkbankTemplate,  ///< "5": the bank's template, sheet "HalkbankDTO"
    ZiraatTemplate,    ///< "6": the bank's template, sheet "DATA"
};
Layout layoutOf(const QString &bdtur);
/// The code of a layout ("T", "E", "3" … "6").
QString layoutCode(Layout layout);
bool isWorkbook(Layout layout);
bool isTemplate(Layout layout);

/// An error that stops a file before anything is written; the text is shown as it is.
struct BankFileError : std::runtime_error {
    explicit BankFileError(const QString &t) : std::runtime_error(t.toStdString()), text(t) {}
    QString text;
};

/// One row of the payment list: a person in a unit. FARK and ACIKKES are the person's month
/// totals over all units, repeated on each of the person's rows, as the list is read.
struct PaymentRow {
    int BKOD = 0;
    QString BIRIM;
    QString TCKNO, EMSNO, ADI, SOYADI, BHN, INO;
    int PKOD = 0;
    int PKAYNO = 0;
    Money MAAS;     ///< Σ MAAS of the person's non-difference rows of the month in this unit
    Money FARK;     ///< difference payments of the month
    Money ACIKKES;  ///< amount withheld ("Emanet")

    QString ADSOY() const { return ADI + QLatin1Char(' ') + SOYADI; }
};

/// The account fields a layout takes out of BHN.
struct AccountFields {
    QString MUSNO;  ///< customer number
    QString HESNO;  ///< account number
    QString EKNO;   ///< additional number as text (layout "6" only)
};
AccountFields accountFields(const QString &bhn, Layout layout);

/// A row with what the file writes for it.
struct PaymentLine {
    PaymentRow row;
    AccountFields account;
    Money FARK, ACIKKES;  ///< as applied to this row (once per person)
    Money NET;            ///< MAAS + FARK − ACIKKES, four decimals
    Money amount;         ///< NET rounded to two decimals, halves away from zero
    bool paid = false;    ///< written to the file (amount above zero)
};

struct Payments {
    std::vector<PaymentLine> lines;  ///< every row of the list, in list order
    QStringList skipped;             ///< one message per row not written (net zero or below)
    Money total;                     ///< Σ amount of the rows written
    int count = 0;                   ///< rows written
};

/// The amounts of the list. A person's FARK and ACIKKES count once, on the person's first row
/// (list order) whose MAAS is above zero; a row whose net is zero or less is not paid.
Payments computePayments(const std::vector<PaymentRow> &rows, Layout layout);

/// What a file says about the institution and the payment.
struct PaymentHeader {
    QString KMUSNO;       ///< the institution's customer number at the bank
    QString SBKOD;        ///< branch code
    QString KHESNO;       ///< the institution's account number
    QString KURUM;        ///< institution name
    QString typeCode = QStringLiteral("001");
    QDate paymentDate;
    QString description;
    QDateTime runTimestamp;  ///< "now" of the text header's stamp
    int month = 0;           ///< the list's month (templates: "month year")
    QString year;
};

/// "15.01.2026" as the screen shows the payment date.
QString dateText(const QDate &d);
/// "20260115".
QString compactDate(const QDate &d);

/// The default description: month name + " " + year + " ZERAN MAAŞLARI".
QString defaultDescription(int month, const QString &year);
/// The default payment date: the 15th of today's month.
QDate defaultPaymentDate(const QDate &today);

/// The file-name rule: folder/MONTH/ZER_… or BİRLEŞİK_… ("unit" 0 = all units). A text name
/// ends ".TXT"; a new workbook of layout "E" is written in the Office Open format and named
/// ".XLSX"; the 97–2003 workbooks and templates ".XLS".
QString defaultFileName(const QString &folder, int month, int unit, const QString &kmusno,
                        const QString &typeCode, Layout layout, bool merge);

}  // namespace zeran::bankfiles
