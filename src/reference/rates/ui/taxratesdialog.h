#pragma once
// "VERGİ ORANLARI": the tax rates (VEROR) of a year and period, with the online update
// ("Oranları Güncelle"). Read-only when the working context's write right K is "H".

#include "ratesscreen.h"

#include <array>

class QLabel;
class QPushButton;

namespace zeran {
class Session;
}

namespace zeran::rates {

inline const QString kIncompleteEntry = QStringLiteral("Dikkat!! Eksik Giriş.");

class TaxRatesDialog : public RatesScreen {
    Q_OBJECT
public:
    TaxRatesDialog(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter, RateServiceEndpoint service,
                   QWidget *parent = nullptr);

    bool readOnly() const { return readOnly_; }
    QPushButton *updateButton() const { return update_; }
    QPushButton *saveButton() const { return save_; }
    QPushButton *exitButton() const { return exit_; }
    /// "Alt Sınır" of bracket 1–4.
    QLabel *lowerLimit(int bracket) const { return lower_.at(std::size_t(bracket - 1)); }
    QComboBox *chooser(const QString &column) const { return choosers_.value(column); }

public slots:
    /// "Oranları Güncelle": replaces the period's row by the service's rates in one unit of
    /// work; a failed request or an incomplete reply changes nothing.
    void updateFromService();
    /// "Kayıt": refuses an incomplete row, else saves and closes.
    void saveAndClose();
    /// Esc, "Çıkış" and the window's close button (which ends here too): a changed row is
    /// saved first; an incomplete one keeps the screen open.
    void reject() override;

protected:
    std::optional<RateValues> readRow(const Period &p) override;
    void showValues() override;

private:
    /// Saves a changed row; false (after a message) when it is incomplete or the save fails.
    bool saveIfChanged();
    void showLowerLimits();

    bool readOnly_ = false;
    QPushButton *update_ = nullptr;
    QPushButton *save_ = nullptr;
    QPushButton *exit_ = nullptr;
    std::array<QLabel *, 4> lower_{};
    QHash<QString, QComboBox *> choosers_;
};

/// Main-menu command "Vergi Oranları".
void openTaxRates(QWidget *parent, Session &session);

}  // namespace zeran::rates
