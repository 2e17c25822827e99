#pragma once
// Leave records as plain rows: the four balances of a person for a year, the days carried into
// a new year, the checks of a leave before it is stored, and the printed leave form.
//
// One rule decides in which year a leave's days are used: the year of its return date
// (BITTAR). The carried-over days of year Y subtract exactly the leaves returning before
// 1 January of Y, so with the same rule every leave counts once: the remaining days of Y are
// the carried-over days of Y + 1. Only yearly leave (kind 1) is taken from the entitlement;
// sick, excuse and unpaid leave never reduce it.

#include "document.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace zeran::leave {

/// ITUR 1–4: "Yıllık İzin", "Hastalık İzni", "Mazeret İzni", "Ücretsiz İzin".
const QStringList &kindNames();
/// The name of a kind, empty for a code outside 1–4.
QString kindName(int itur);
inline constexpr int kYearlyLeave = 1;

/// One IZIN row.
struct Leave {
    int PKAYNO = 0;
    int HARNO = 0;       ///< 0: not stored yet
    int ITUR = kYearlyLeave;
    QDate OTAR;
    QString OSAY;
    int MIKTAR = 0;
    QDate BASTAR, BITTAR;
    QString ADRES, TEL, YET1, UNV1, YET, UNV, NOT;
};

/// One IZINMIKTAR row.
struct Entitlement {
    QString YIL;
    int GUN = 0;
    int DEVIR = 0;
};

/// The four boxes of the leave screen.
struct Balance {
    int carried = 0;    ///< "Devreden İzin Günü"
    int current = 0;    ///< "Mevcut Yıl İzin Günü"
    int used = 0;       ///< "Kullandığı İzin Günü"
    int remaining = 0;  ///< "Kalan İzin Günü" = current + carried − used
};

/// The year in which a leave's days are used (see above); 0 when it has no return date.
int yearOfUse(const Leave &leave);

/// The balance of year `year` from all of the person's entitlement rows and leaves.
Balance balance(int year, const std::vector<Entitlement> &rows, const std::vector<Leave> &leaves);

/// The days carried into `year` when its entitlement row is made: the days (GUN + DEVIR) of
/// year − 1 less the yearly leave used in year − 1.
int carriedInto(int year, const std::vector<Entitlement> &rows, const std::vector<Leave> &leaves);

/// A box's text: the number, "0" when zero.
QString boxText(int days);

/// The typed day count: a whole number from 1 to 366 (nullopt otherwise).
std::optional<int> parseDays(const QString &text);
/// The typed yearly entitlement of "Personel İzin Girişi": a whole number from 0 to 366.
std::optional<int> parseYearDays(const QString &text);

inline constexpr QStringView kMissingFields = u"DİKKAT! İzin miktarı, başlama ve bitiş tarihlerini giriniz.";
inline constexpr QStringView kBadDays = u"DİKKAT! İzin miktarı 1 ile 366 arasında tam sayı olmalıdır.";
inline constexpr QStringView kEndBeforeStart = u"DİKKAT! İzin bitiş tarihi başlama tarihinden önce olamaz.";
inline constexpr QStringView kBadKind = u"DİKKAT! İzin sebebini seçiniz.";

/// The first reason a leave may not be stored (days as typed in `daysText`); nullopt when it
/// may. On success `leave.MIKTAR` holds the days.
std::optional<QString> checkLeave(Leave &leave, const QString &daysText);

/// What the leave form prints besides the leave itself.
struct FormPerson {
    QString name;     ///< "ADI SOYADI"
    QString title;    ///< UNVAN
    QString EMSNO;
};

/// "İZİN FORMU" (portrait).
report::Document leaveForm(const QString &institution, const FormPerson &person, const Leave &leave,
                           const QDate &today);

/// The leave's fields as the CLI's and the tests' plain text: "dd.MM.yyyy".
QString dateText(const QDate &d);

}  // namespace zeran::leave
