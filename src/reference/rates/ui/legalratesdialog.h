#pragma once
// "KANUNİ ORANLAR": the legal rates (ZERKANOR) of a year and period, with the online update
// ("Güncelle") and the copy from the previous period ("Önceki Dönemden Aktar").

#include "ratesscreen.h"

class QAction;
class QPushButton;

namespace zeran {
class Session;
}

namespace zeran::rates {

/// Shown when the copy finds no row of the previous period (nothing is changed then).
inline const QString kNoPreviousPeriod = QStringLiteral("Önceki Dönem Kaydı Bulunamadı.");

class LegalRatesDialog : public RatesScreen {
    Q_OBJECT
public:
    LegalRatesDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter, RateServiceEndpoint service,
                     QWidget *parent = nullptr);

    QPushButton *updateButton() const { return update_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *exitButton() const { return exit_; }
    QAction *copyAction() const { return copy_; }

public slots:
    /// "Güncelle": the period's rates from the rate-update service into the row. A failed
    /// request changes nothing.
    void updateFromService();
    /// "Önceki Dönemden Aktar": copies the columns that carry over from the previous period
    /// and saves the row.
    void copyFromPrevious();
    /// "Kayıt" / "Çıkış": saves a changed row and closes; stays open when the save fails.
    void saveAndClose();

protected:
    std::optional<RateValues> readRow(const Period &p) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool saveRow();

    QPushButton *update_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *exit_ = nullptr;
    QAction *copy_ = nullptr;
};

/// Main-menu command "Kanuni Oranlar".
void openLegalRates(QWidget *parent, Session &session);

}  // namespace zeran::rates
