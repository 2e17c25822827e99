#pragma once
// The two person searches other screens use to pick someone: over the pay records of this
// system's units ("PERSONEL ARAMA İŞLEMİ"), and over the persons of one unit ("ARŞİV
// PERSONEL ARAMA İŞLEMİ").

#include "database.h"

#include <QVector>
#include <optional>

namespace zeran::personnel {

struct PersonSearchRow {
    int BKOD = 0, PKAYNO = 0, PKOD = 0;
    QString BIRIM, ADI, SOYADI, ADSOY, UNVAN;
};

enum class SearchOrder { ByCode, ByName };

/// Pay records of this system's units, of one unit when `bkod` is given, whose first name
/// contains `text` (as typed, case included); the surname is not searched.
QVector<PersonSearchRow> searchPersons(db::Database &db, std::optional<int> bkod, const QString &text,
                                       SearchOrder order);

struct ArchivePersonRow {
    int PKAYNO = 0;
    std::optional<int> PKOD;
    QString ADSOY, EMSNO;
};

/// Persons with a pay record in unit `bkod`.
QVector<ArchivePersonRow> archivePersons(db::Database &db, int bkod, SearchOrder order);

/// Index of the first row whose `key` begins with `prefix`, ignoring case the Turkish way;
/// -1 when none does (and for an empty prefix).
int firstRowStartingWith(const QStringList &keys, const QString &prefix);

}  // namespace zeran::personnel
