#pragma once
// The monthly retirement-contribution declaration files: the retirement-fund file (21 fields a
// line) and the 5510 file (23 fields a line), semicolon-separated, Windows-1254, CR LF.
//
// Everything here is a pure function of plain rows as the tables hold them (result rows,
// snapshots, registry and pay records): the loader and the JSON of the command-line tool both
// produce a FileInput, so the screen, the tool and the tests make the same bytes.

#include "money.h"

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zeran::contributions {

/// The insurance kind of the declaration: the retirement fund ("E") or law 5510 ("5").
enum class Regime { RetirementFund, Law5510 };
/// "Maaş" ('1'), "Fark" ('2'), "Enflasyon Farkı" ('8'), "Fark Toplam" ('2' or '8').
enum class PayrollChoice { Salary, Difference, Inflation, DifferenceTotal };
/// "T.C.Kimlik No" or "Em.Sicil No".
enum class Order { Tckno, Emsno };

QString regimeCode(Regime r);                  ///< "E" / "5"
QString regimeText(Regime r);                  ///< "Emekli Sandığı" / "5510 S.Kanun"
std::optional<Regime> regimeFromCode(const QString &code);
QString payrollChoiceCode(PayrollChoice c);    ///< "1", "2", "8", "2+8"
QString payrollChoiceText(PayrollChoice c);    ///< the screen's words
std::optional<PayrollChoice> payrollChoiceFromCode(const QString &code);
/// The result-row kinds `TUR` a choice takes.
QStringList payrollKinds(PayrollChoice c);

/// `SICIL`: the person.
struct PersonRow {
    int PKAYNO = 0;
    QString TCKNO, EMSNO, ADI, SOYADI;
    QDate KGT;  ///< entry into service; null when empty
};

/// `ZERMAAS`: the keys and the amounts the files use.
struct ResultRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString TUR, YIL;
    int AY = 0;
    Money EMKESM, ARTIS, EMKESD, DVVIADE, HIZBOR, PCEZA;
    Money AYTUT, EGOSTUT, KIDAY, TABAY, OZHIZTAZ, GELTOP, GSSMAT, MYOI, MYOP, GSSI, GSSP, PEKFARK;
};

/// `ZERARSIV`: the snapshot of the pay record for the month. Indicator columns are kept as
/// the texts of their numbers (empty when NULL).
struct SnapshotRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString TUR, YIL;
    int AY = 0;
    QString GSSTUR, KIDEM, MDUR;
    QDate TERTAR;  ///< promotion date; null when empty
    QString MDER, MKAD, MEGOS, DER, KAD, EGOS, YIG;
};

/// `ZERBORBIL`: the status of the pay record ("A": suspended from duty).
struct PayRecordRow {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString DURUM;
};

struct FileInput {
    Regime regime = Regime::RetirementFund;
    PayrollChoice payroll = PayrollChoice::Salary;
    Order order = Order::Tckno;
    QString year;       ///< working year, four digits
    int month = 0;      ///< 1–12
    QDateTime now;      ///< today, for the service period
    Money minWage;      ///< `VEROR.ASUCR` of the period
    std::vector<PersonRow> sicil;
    std::vector<ResultRow> zermaas;
    std::vector<SnapshotRow> zerarsiv;
    std::vector<PayRecordRow> zerborbil;
};

/// One person of the selection: identity, the snapshot of the month and the month's sums.
struct ContributionLine {
    int PKAYNO = 0, BKOD = 0, PKOD = 0;
    QString TCKNO, EMSNO, ADI, SOYADI;
    QDate KGT;
    QString KIDEM, MDUR;
    QDate TERTAR;
    QString MDER, MKAD, MEGOS, DER, KAD, EGOS;
    QString DURUM;
    Money EMKESM, ARTIS, EMKESD, DVVIADE, HIZBOR, PCEZA;
    Money AYTUT, EGOSTUT, KIDAY, TABAY, OZHIZTAZ, GELTOP, GSSMAT, MYOI, MYOP, GSSI, GSSP, PEKFARK;

    QString ADSOY() const { return ADI + QLatin1Char(' ') + SOYADI; }
};

/// The selection: one line per person whose result rows of the year, month and kinds have a
/// snapshot (joined on the whole pay-record key and kind) of the chosen insurance kind. The
/// sums run over those rows once each, so a person paid in two units is one line. The
/// snapshot and status shown are those of the person's first such pay record (unit, then
/// code). Ordered by TCKNO or EMSNO, then person.
std::vector<ContributionLine> selectLines(const FileInput &in);

/// Service period of an entry date: yymmdd as the declaration wants it (the elapsed days read
/// as a date counted from 30.12.1899). Six spaces when `kgt` is null. nullopt when the entry
/// date is in the future, today or yesterday: those days give no period.
std::optional<QString> servicePeriod(const QDate &kgt, const QDateTime &now);
/// The grid's "Hizmet": yy.mm.dd; empty when there is no entry date or no period.
QString servicePeriodDisplay(const QDate &kgt, const QDateTime &now);

/// An amount of the files: positive ones as "0.##" with a decimal point (rounded half away
/// from zero to two decimals: 1234.5, 1234.56, 1234), zero or less as `zeroText`.
QString fileAmount(Money m, const QString &zeroText);

/// The 5510 file's derived amounts of a line: S, P and G (G floored at the minimum wage; all
/// three halved for a suspended person, four decimals ties to even).
struct Law5510Amounts {
    Money S, P, G;
};
Law5510Amounts law5510Amounts(const ContributionLine &line, Money minWage);

/// The text of one line (fields each followed by ';', no line end).
QString retirementFundLine(const ContributionLine &line, const QString &service);
QString law5510Line(const ContributionLine &line, const QString &service, Money minWage);

/// The file's bytes, or the message that stopped it (nothing is to be written then).
struct FileOutcome {
    bool ok = false;
    QByteArray bytes;
    QString message;
    int lines = 0;
};
/// EMKESAKTAR / GSSAKTAR by the input's insurance kind, for the selected lines.
FileOutcome buildFile(const FileInput &in, const std::vector<ContributionLine> &lines);
inline FileOutcome buildFile(const FileInput &in)
{
    return buildFile(in, selectLines(in));
}

/// The file name: working year + month name ("2024Ocak") + the suffix of the kinds; every
/// kind and payroll choice has a name of its own.
QString fileName(const QString &year, int month, Regime regime, PayrollChoice payroll);
/// "Ocak" … "Aralık", as the month list shows them.
QString monthListName(int month);

/// The audit text of a written file.
QString auditText(const QString &year, int month, Regime regime);

/// The command-line tool's JSON object; nullopt with `error` set when it cannot be read.
std::optional<FileInput> parseFileInput(const QByteArray &json, QString *error);

}  // namespace zeran::contributions
