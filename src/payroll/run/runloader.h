#pragma once
// Loading a monthly run: the settings the engine reads, ORANLAR, the definitions, the
// selection of pay records and, for everybody in it at once, the sums over the earlier
// result rows and the debt ledgers. A fixed number of statements whatever the number of
// people; nothing is written.

#include "database.h"
#include "loadedrun.h"
#include "payrollrun.h"
#include "personinput.h"
#include "personpay.h"

#include <QDate>
#include <QStringList>

#include <vector>

namespace zeran::payrollrun {

/// The period of a run: the working year (PTANIM.CYIL) and the run month of today's date.
struct RunPeriod {
    QString YIL;  ///< four digits
    int AY = 0;   ///< 1–12
    QString DON;  ///< "1" months 1–6, "2" months 7–12

    static RunPeriod of(const QString &workingYear, const QDate &today);
};

/// "Sıralama" of the selection.
enum class RunOrder {
    Code,      ///< "Kodu": unit name, then PKOD (the default)
    Registry,  ///< "Sicil No": SICIL.EMSNO
    Name,      ///< "Adı Soyadı": SICIL.ADI, SICIL.SOYADI
};

/// Which pay records the run shows and pays.
struct RunSelection {
    int unit = 0;              ///< BKOD; 0 = "Tümü"
    int person = 0;            ///< PKAYNO for "Tek Kişi"; 0 = everybody
    bool everyStatus = false;  ///< "Durumu" "Tümü"; false = "Maaş Hesabı" (DURUM <> 'H')
    RunOrder order = RunOrder::Code;
};

/// The engine settings of PTANIM and its working year.
struct InstallationSettings {
    QString CYIL;
    engine::EngineSettings engine;
};

/// Reads the PTANIM settings the engine uses. Throws db::DbError (also when there is no row).
InstallationSettings readInstallationSettings(const db::Database &db);

/// Loads the run context and the selection. Throws db::DbError.
LoadedRun loadRun(db::Database &db, const RunPeriod &period, const RunSelection &selection,
                  const engine::EngineSettings &settings);

/// How many pay records the selection holds (without loading them). Throws db::DbError.
int countSelection(const db::Database &db, const RunSelection &selection);

/// HESAPLA for every person of a loaded run, in order.
std::vector<engine::PersonPay> computeAll(const LoadedRun &loaded);

}  // namespace zeran::payrollrun
