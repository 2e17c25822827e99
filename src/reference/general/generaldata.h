#pragma once
// The installation settings row PTANIM as the general-definitions screen edits it, and the
// lists that screen chooses from (provinces, districts, pay units).

#include "database.h"

#include <QByteArray>
#include <QString>
#include <QVector>
#include <optional>

namespace zeran::general {

/// The PTANIM columns of the general-definitions screen. Texts are trimmed; an empty text
/// is stored as NULL; a number or flag that is NULL stays NULL until it is set.
struct GeneralRow {
    QString VER;  ///< shown only, never written here

    // "Genel Tanımlar"
    QString KURUM;
    std::optional<int> ILKOD, ILCEKOD;
    QString CYIL;
    QString FORM, BORTEK, OTOODE, SEN, ONIZ, MKESDUR, HBORKESDUR, UDUR;
    QString MAIL;
    QString KEF;
    std::optional<int> SKOD;
    QString SADI, ISSN;
    std::optional<int> MBKOD, MODEMEBKOD;
    QString MBORTUR, MHOST, MUHYOL;
    std::optional<int> NUFUS;

    // "Banka Tanımları"
    QString SBKOD, KHESNO, KMUSNO, BMAIL, TTBA, TTSA, BDTUR;

    // "Diğer"
    std::optional<bool> PEKFARK, YEMEKGV, YEMEKGSS;
    QByteArray LOGO;
    QString NVIUSR, NVIPSWD;  ///< the identity-query service's user name and password

    bool operator==(const GeneralRow &) const = default;
};

struct Province {
    int ILKOD = 0;
    QString ILADI;
};

struct District {
    int ILCEKOD = 0;
    QString ILCE;
};

struct UnitName {
    int BKOD = 0;
    QString BIRIM;
};

/// The settings row; throws db::DbError when there is none or the read fails.
GeneralRow readGeneralRow(db::Database &db);
/// Writes the edited columns of the settings row as one unit of work; throws db::DbError
/// (nothing stored) when the statement fails or the row is missing.
void storeGeneralRow(db::Database &db, const GeneralRow &row);

/// Provinces by name.
QVector<Province> readProvinces(db::Database &db);
/// Districts of a province by name.
QVector<District> readDistricts(db::Database &db, int ilkod);
/// This system's pay units by name (the shared unit list).
QVector<UnitName> readUnits(db::Database &db);

/// A district of a province, added by the clerk with the population register's own district
/// code (codes are never made up here: the identity query matches them). Throws db::DbError
/// with the clerk's message when the code is not 1..32767 or is taken, or the name is empty
/// or longer than 20 characters; nothing is written then.
void addDistrict(db::Database &db, int ilkod, int ilcekod, const QString &name);
/// A new name for a district; the same name checks.
void renameDistrict(db::Database &db, int ilcekod, const QString &name);

}  // namespace zeran::general
