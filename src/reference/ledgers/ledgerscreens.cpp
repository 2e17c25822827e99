#include "ledgerscreens.h"

#include "childrendialog.h"
#include "debtledgerdialog.h"
#include "prompter.h"

namespace zeran::ledgers::ui {

namespace {

bool openDebts(QWidget *parent, Session &session, DebtKind kind, int pkayno)
{
    zeran::ui::BoxPrompter prompter;
    DebtLedgerDialog d(session, prompter, kind, pkayno, parent);
    if (!d.load())
        return false;
    d.exec();
    return d.stored();
}

}  // namespace

bool openChildren(QWidget *parent, Session &session, int pkayno, std::optional<int> bkod)
{
    zeran::ui::BoxPrompter prompter;
    ChildrenDialog d(session, prompter, pkayno, bkod, parent);
    if (!d.load())
        return false;
    d.exec();
    return d.stored();
}

bool openGarnishments(QWidget *parent, Session &session, int pkayno)
{
    return openDebts(parent, session, DebtKind::Garnishment, pkayno);
}

bool openServiceDebts(QWidget *parent, Session &session, int pkayno)
{
    return openDebts(parent, session, DebtKind::ServiceDebt, pkayno);
}

}  // namespace zeran::ledgers::ui
