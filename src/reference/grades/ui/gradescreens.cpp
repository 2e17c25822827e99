#include "gradescreens.h"

#include "gradepickerdialog.h"
#include "gradestore.h"
#include "indicatorsdialog.h"
#include "promotiondatesdialog.h"
#include "prompter.h"
#include "session.h"

namespace zeran::grades::ui {

void openIndicators(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    IndicatorsDialog dialog(session.main(), prompter, parent);
    if (dialog.load())
        dialog.exec();
}

void openPromotionDates(QWidget *parent, Session &session, zeran::ui::Prompter &prompter)
{
    PromotionDatesDialog dialog(session.main(), prompter, parent);
    if (dialog.load())
        dialog.exec();
}

bool pickForRecord(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, PickMode mode, int pkayno,
                   int bkod, int pkod, int year, int month)
{
    db::Database &db = session.main();
    const RecordKey key{pkayno, bkod, pkod};
    const std::optional<GradeRecord> record = readGradeRecord(db, key);
    if (!record)
        return false;
    const PaidValues paid = paidValues(db, key, year, month);
    const bool retirement = mode == PickMode::Retirement;
    const QString text = gradeStepText(retirement ? record->MDER : record->DER, retirement ? record->MKAD : record->KAD);
    const int indicator = (retirement ? record->MGOS : record->GOS).value_or(0);
    GradePickerDialog dialog(db, prompter, mode, *record, paid, bkod, text, indicator, parent);
    if (!dialog.load() || dialog.exec() != QDialog::Accepted || !dialog.result())
        return false;
    return writeGradeRecord(db, key, mode, *dialog.result()) > 0;
}

}  // namespace zeran::grades::ui
