#pragma once
// The payroll screen's doors to screens of other modules (summary, files, payment order, past
// payrolls, tax bases …). Those modules sit above the payroll screen, so the screen cannot call
// them; the program registers a door for a command's object name at start-up and the screen
// enables that command and calls the door. A command without a door stays disabled.

#include "payrecordfields.h"
#include "personpay.h"
#include "runloader.h"

#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace zeran {
class Session;
}

namespace zeran::payrollscreen {

/// What the screen holds when a door is opened.
struct DoorContext {
    Session &session;
    int unit = 0;              ///< the unit box's BKOD; 0 = "Tümü"
    RecordKey current;         ///< the current pay record (invalid when nobody is listed)
    bool singlePerson = false; ///< "Tek Kişi" chosen
    int year = 0;              ///< the run month of the last reload
    int month = 0;
    QString periodText;
    /// The selection as loaded and computed at the last reload (row i of `pays` is person i of
    /// `loaded`); `currentRow` indexes both, -1 when nobody is current.
    const payrollrun::LoadedRun &loaded;
    const std::vector<engine::PersonPay> &pays;
    int currentRow = -1;
};

/// What the screen does after the door closed.
enum class AfterDoor { Nothing, Reload };

using Door = std::function<AfterDoor(QWidget *screen, const DoorContext &)>;

/// Registers (or replaces) the door of a command: the object name of a button or of a menu
/// action of the screen ("summaryButton", "bankFileAction" …). `needsPerson`: the command
/// needs a current pay record.
void registerDoor(const QString &objectName, Door door, bool needsPerson = false);
/// Removes every door (tests).
void clearDoors();

struct RegisteredDoor {
    QString objectName;
    Door door;
    bool needsPerson = false;
};
const std::vector<RegisteredDoor> &registeredDoors();

}  // namespace zeran::payrollscreen
