#pragma once
// The code lists the registry and pay-record screens choose from. These tables belong to
// other parts of the program; this file only reads them.

#include "codelist.h"
#include "database.h"

#include <QVariant>
#include <QVector>

namespace zeran::personnel {

// the stored code: a number, or a text for subclasses and spouse codes
using zeran::LookupItem;
using zeran::LookupList;

LookupList provinces(db::Database &db);                     ///< IL by code
LookupList districts(db::Database &db, int ilkod);          ///< ILCE of a province, by name
LookupList educationLevels(db::Database &db);               ///< TNM list 7 (TKOD)
LookupList spouseCodes(db::Database &db);                   ///< TNM list 3 (KY)
LookupList titles(db::Database &db);                        ///< UNTAN by UNVAN
LookupList unions(db::Database &db);                        ///< SENDIKA of this system
LookupList serviceClasses(db::Database &db);                ///< HIZSNF
LookupList serviceSubclasses(db::Database &db, int snfkod); ///< HIZSNF1 of a class (ALTKOD)
LookupList activeUnits(db::Database &db);                   ///< active units of this system, by name
LookupList allUnits(db::Database &db);                      ///< every unit of this system, by name
/// The name of a unit of this system; empty when there is none.
QString unitName(db::Database &db, int bkod);

}  // namespace zeran::personnel
