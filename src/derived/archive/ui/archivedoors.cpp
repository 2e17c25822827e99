#include "archivedoors.h"

#include "payrolldoors.h"
#include "payrollsheet.h"
#include "session.h"
#include "taxbasescreen.h"

namespace zeran::archive::ui {

void registerArchiveDoors(zeran::ui::Prompter &prompter)
{
    using payrollscreen::AfterDoor;
    using payrollscreen::DoorContext;
    zeran::ui::Prompter *p = &prompter;
    payrollscreen::registerDoor(
        QStringLiteral("computeButton"),
        [p](QWidget *screen, const DoorContext &c) {
            if (c.currentRow >= 0 && c.currentRow < int(c.pays.size()))
                openPayrollSheet(screen, c.session, *p, c.loaded, c.pays, c.currentRow, c.unit, c.periodText);
            return AfterDoor::Nothing;
        },
        true);
    payrollscreen::registerDoor(
        QStringLiteral("taxBasesButton"),
        [p](QWidget *screen, const DoorContext &c) {
            TaxBasePerson person;
            person.PKAYNO = c.current.PKAYNO;
            person.BKOD = c.current.BKOD;
            person.PKOD = c.current.PKOD;
            person.runMonth = c.month;
            if (c.currentRow >= 0 && c.currentRow < int(c.loaded.people.size())) {
                const payrollrun::RunPerson &r = c.loaded.people[std::size_t(c.currentRow)];
                person.ADSOY = r.ADI + QLatin1Char(' ') + r.SOYADI;
                person.EMSNO = r.EMSNO;
            }
            openTaxBases(screen, c.session, *p, person);
            // The screen reads the bases again: an entered or corrected base changes the tax.
            return AfterDoor::Reload;
        },
        true);
}

}  // namespace zeran::archive::ui
