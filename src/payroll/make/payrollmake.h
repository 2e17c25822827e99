#pragma once
// Making the month's payroll (BORDROYAZ): the checks before anything is written, the
// questions the clerk answers, then the month's result and snapshot rows replaced in ONE unit
// of work, the audit line, and the month's totals (ALTTOPLAM). The payroll screen and
// "zeran-cli payroll make" both call make(); nothing here shows a widget.
//
// Why one unit of work: a payroll is either the old rows or the complete new set, never a
// mix. Any failure while deleting or writing rolls everything back to the previous rows and is
// reported. Two workstations making the same month: the rows of the units being replaced are
// locked first (an UPDATE of their BIRIM rows), so the second maker waits for the first and is then
// told that the payroll was made meanwhile; it never writes over or beside the first.

#include "context.h"
#include "database.h"
#include "monthtotals.h"
#include "runloader.h"

#include <QDate>
#include <QString>

#include <functional>

namespace zeran::payrollmake {

/// The clerk's side of the checks. confirm() is a Yes/No question with No preselected.
class Questions {
public:
    virtual ~Questions() = default;
    virtual bool confirm(const QString &text) = 0;
    virtual void inform(const QString &text) = 0;
};

/// Answers Yes to every question and keeps quiet: for history made by a program (the
/// benchmark's institution, a test's earlier months), never for a clerk.
class AnswerYes : public Questions {
public:
    bool confirm(const QString &) override { return true; }
    void inform(const QString &) override {}
};

inline constexpr const char *kWorkingYearDiffers = "DİKKAT! Çalışma Yılı Sistem Tarihinden Farklıdır..";
inline constexpr const char *kLaterMonthMade = "DİKKAT! Belirtilen ay için yeniden bordro düzenleyemezsiniz..";
inline constexpr const char *kChooseStatus = "Maaş Durumunu Seçiniz";
inline constexpr const char *kWriteFailed = "HATA";
/// The month's rows changed (another workstation) between the questions and the write.
inline constexpr const char *kChangedMeanwhile =
    "DİKKAT! Bu ayın bordrosu başka bir kullanıcı tarafından değiştirildi. Bordroyu yeniden yazdırınız.";

/// "DİKKAT.. <no> Numaralı Yevmiye Kaydı Oluşturulmuştur, Devam Etmek İstiyormusunuz "
QString journalQuestion(qint64 yevno);
/// "Lütfen <no> Numaralı Yevmiye Kaydını Kontrol Ediniz "
QString journalReminder(qint64 yevno);
/// "D İ K K A T <AY> AYI MAASLARI YAPILMIŞTIR.\rESKİ BİLGİLER SİLİNECEKTİR"
QString alreadyMadeQuestion(const QString &monthName);

struct MakeRequest {
    QString workingYear;                 ///< PTANIM.CYIL
    QDate today;                         ///< the run date
    payrollrun::RunSelection selection;  ///< unit 0 = "Tümü"; person != 0 = "Tek Kişi" (writes nothing)
    engine::EngineSettings settings;
    /// Test seam: called after each person's result row is inserted (index from 0; the
    /// snapshots follow all result rows); throwing from it stands for a failure in the
    /// middle of the write.
    std::function<void(int)> afterPerson;
};

enum class Outcome {
    Written,     ///< the month's rows were replaced
    SinglePerson,///< "Tek Kişi": checks passed, nothing written (the prints may follow)
    Empty,       ///< the selection is empty: nothing to do
    Refused,     ///< a check refused (its message was shown)
    Declined,    ///< the clerk answered No
    Failed,      ///< a database error: everything rolled back, message shown
};

struct MakeResult {
    Outcome outcome = Outcome::Refused;
    QString message;                 ///< what was shown for Refused/Failed
    int rows = 0;                    ///< result rows written (as many snapshots)
    payrollrun::LoadedRun loaded;    ///< the run as computed for the write (also for the prints)
    std::vector<engine::PersonPay> pays;  ///< one per loaded.people, in order
    results::MonthTotals totals;     ///< ALTTOPLAM after the write (unit or all units)

    /// True when the prints of the run screen may follow (Written or SinglePerson).
    bool printable() const { return outcome == Outcome::Written || outcome == Outcome::SinglePerson; }
};

/// BORDROYAZ. `ctx` supplies the audit flags and user (UDUR/IZL) and receives the audit
/// fields. Never throws for database errors: they come back as Failed with the message shown.
MakeResult make(db::Database &db, WorkingContext &ctx, const MakeRequest &request, Questions &questions);

}  // namespace zeran::payrollmake
