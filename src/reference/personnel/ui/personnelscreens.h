#pragma once
// How other screens and the main menu open the personnel screens. Each function runs its
// dialog modally and returns what the dialog hands back. Without a prompter the real
// message boxes are used.

#include "payrecords.h"
#include "personsearchdialog.h"
#include "registrylistdialog.h"

#include <optional>

class QWidget;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::personnel {

/// Main menu "Sicil Bilgileri": the registry list in browse mode.
void openRegistry(QWidget *parent, Session &session, ui::Prompter *prompter = nullptr);

/// The registry list in select mode: the chosen person and retirement registry number.
std::optional<RegistrySelection> selectFromRegistry(QWidget *parent, Session &session,
                                                    ui::Prompter *prompter = nullptr);

/// What a pay-record dialog hands back: saved or not, and the person.
struct PayRecordOutcome {
    bool saved = false;
    int PKAYNO = 0;
};

/// Payroll screen "Ekle": a new salary pay record in unit `bkod`.
PayRecordOutcome openNewPayRecord(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter = nullptr);
/// Payroll screen, double click on a person: the person's record in unit `bkod`.
PayRecordOutcome openPayRecord(QWidget *parent, Session &session, int pkayno, int bkod,
                               ui::Prompter *prompter = nullptr);
/// Meeting-fee payroll screen "Ekle": a new record in the meeting-fee unit `bkod`.
PayRecordOutcome openNewMeetingFeeRecord(QWidget *parent, Session &session, int bkod,
                                         ui::Prompter *prompter = nullptr);
/// Meeting-fee payroll screen, double click: the person's record in unit `bkod`.
PayRecordOutcome openMeetingFeeRecord(QWidget *parent, Session &session, int pkayno, int bkod,
                                      ui::Prompter *prompter = nullptr);

/// Payroll screen "Hızlı Giriş": the quick-entry grid, headed with unit `bkod`. True when
/// edits were written (the caller lists its unit again either way).
bool openQuickEntry(QWidget *parent, Session &session, int bkod, ui::Prompter *prompter = nullptr);

/// "PERSONEL ARAMA İŞLEMİ" (archive, acting civil-servant records): person and unit.
std::optional<PersonPick> openPersonSearch(QWidget *parent, Session &session, ui::Prompter *prompter = nullptr);

/// "ARŞİV PERSONEL ARAMA İŞLEMİ" (past-month screen) over unit `bkod`: the person number.
std::optional<int> openArchivePersonSearch(QWidget *parent, Session &session, int bkod,
                                           ui::Prompter *prompter = nullptr);

}  // namespace zeran::personnel
