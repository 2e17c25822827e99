#pragma once
// A loaded monthly run as plain data: what the engine, the run screen and the printed
// documents work from, apart from the loader that reads it (runloader.h).

#include "payrollrun.h"
#include "personinput.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace zeran::payrollrun {

/// One pay record of the selection with what the screen shows beside it.
struct RunPerson {
    engine::PersonInput input;
    QString ADI, SOYADI, EMSNO;
    QString UNVAN;  ///< title (GOR)
    QString BIRIM;  ///< unit name
};

struct LoadedRun {
    engine::PayrollRun run;
    std::vector<RunPerson> people;  ///< in the selection's order
    QStringList warnings;           ///< rate warnings (each once), then odd pay-record values
};

}  // namespace zeran::payrollrun
