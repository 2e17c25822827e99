#include "personnelscreens.h"

#include "payrecorddialog.h"
#include "prompter.h"
#include "quickentrydialog.h"

#include <memory>

namespace zeran::personnel {

namespace {
// The caller's prompter, or real message boxes that live as long as the dialog.
struct PrompterChoice {
    explicit PrompterChoice(ui::Prompter *given)
    {
        if (!given)
            own = std::make_unique<ui::BoxPrompter>();
        used = given ? given : own.get();
    }
    std::unique_ptr<ui::Prompter> own;
    ui::Prompter *used = nullptr;
};

PayRecordOutcome runPayRecord(QWidget *parent, Session &session, PayRecordKind kind, std::optional<int> pkayno,
                              int bkod, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    PayRecordDialog d(session, *p.used, kind, bkod, parent);
    if (!(pkayno ? d.loadRecord(*pkayno) : d.startNew()))
        return {};
    if (d.exec() != QDialog::Accepted)
        return {};
    return {true, d.savedPkayno()};
}
}  // namespace

void openRegistry(QWidget *parent, Session &session, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    RegistryListDialog d(session, *p.used, RegistryListDialog::Mode::Browse, parent);
    if (d.reload())
        d.exec();
}

std::optional<RegistrySelection> selectFromRegistry(QWidget *parent, Session &session, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    RegistryListDialog d(session, *p.used, RegistryListDialog::Mode::Select, parent);
    if (!d.reload() || d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.selection();
}

PayRecordOutcome openNewPayRecord(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter)
{
    return runPayRecord(parent, session, PayRecordKind::Salary, std::nullopt, bkod, prompter);
}

PayRecordOutcome openPayRecord(QWidget *parent, Session &session, int pkayno, int bkod, ui::Prompter *prompter)
{
    return runPayRecord(parent, session, PayRecordKind::Salary, pkayno, bkod, prompter);
}

PayRecordOutcome openNewMeetingFeeRecord(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter)
{
    return runPayRecord(parent, session, PayRecordKind::MeetingFee, std::nullopt, bkod, prompter);
}

PayRecordOutcome openMeetingFeeRecord(QWidget *parent, Session &session, int pkayno, int bkod,
                                      ui::Prompter *prompter)
{
    return runPayRecord(parent, session, PayRecordKind::MeetingFee, pkayno, bkod, prompter);
}

bool openQuickEntry(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    QuickEntryDialog d(session, *p.used, bkod, parent);
    return d.load() && d.exec() == QDialog::Accepted;
}

std::optional<PersonPick> openPersonSearch(QWidget *parent, Session &session, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    PersonSearchDialog d(session, *p.used, parent);
    if (!d.load() || d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.pick();
}

std::optional<int> openArchivePersonSearch(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter)
{
    PrompterChoice p(prompter);
    ArchivePersonSearchDialog d(session, *p.used, bkod, parent);
    if (!d.load() || d.exec() != QDialog::Accepted)
        return std::nullopt;
    return d.pick();
}

}  // namespace zeran::personnel
