#pragma once
// "BANKA LİSTESİ": the month's bank payment list of a unit or of all units, the file in the
// institution's layout, "Listeden Çıkar" and "Gönder". The dialog gathers the choices; the list
// comes from paymentloader.h, the amounts and files from bankfile.h / produce.h, the mail from
// mailer.h. File choices and the password go through BankDialogPickers so tests can answer them.

#include "mailer.h"
#include "paymentloader.h"
#include "produce.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QStandardItemModel;
class QTableView;

namespace zeran {
class Session;
namespace ui {
class DateEdit;
class Prompter;
}  // namespace ui
}  // namespace zeran

namespace zeran::bankfiles {

inline constexpr QStringView kExcludeQuestion = u"DİKKAT! Bu kişi Banka Listesinden çıkarılacaktır. Onaylıyormusunuz.";

/// The dialogs the screen asks through: an open-file dialog and the password dialog.
class BankDialogPickers {
public:
    virtual ~BankDialogPickers() = default;
    /// The chosen file; empty when cancelled.
    virtual QString openFile(QWidget *parent, const QString &folder, const QString &filter) = 0;
    /// "Şifre Giriş": the password typed; nullopt for "İptal".
    virtual std::optional<QString> password(QWidget *parent, const QString &mailAddress) = 0;
};

/// The real dialogs.
class StandardPickers : public BankDialogPickers {
public:
    QString openFile(QWidget *parent, const QString &folder, const QString &filter) override;
    std::optional<QString> password(QWidget *parent, const QString &mailAddress) override;
};

/// Sends a message; the screen calls it off the interface thread.
using MailSender = std::function<MailResult(const MailServer &, const MailMessage &)>;

class BankDialog : public QDialog {
    Q_OBJECT
public:
    /// `unit` preselects a unit (0: "TÜMÜ"), `month` the month (0: the working month).
    BankDialog(Session &session, ui::Prompter &prompter, BankDialogPickers &pickers, QWidget *parent = nullptr,
               int unit = 0, int month = 0);

    /// Replaces the mail sender (tests).
    void setMailSender(MailSender sender) { sender_ = std::move(sender); }

    /// The payment list as last selected.
    const Payments &payments() const { return payments_; }
    /// The path of the last file produced since the program started; empty before the first.
    QString lastProduced() const;

    /// SORGULA: reads the list of the chosen month, unit and group again.
    void select();
    /// "Dosya Oluştur".
    void produceFile();
    /// "Gönder".
    void send();
    /// "Listeden Çıkar" for the grid's row `row`.
    void excludeRow(int row);

private:
    void build();
    void fillUnits();
    void showList();
    void updatePath();
    int chosenUnit() const;
    StaffGroup chosenGroup() const;
    PaymentHeader header() const;

    Session &session_;
    ui::Prompter &prompter_;
    BankDialogPickers &pickers_;
    MailSender sender_;
    BankSettings settings_;
    Layout layout_ = Layout::Text;
    QString folder_;
    int selectedMonth_ = 0;  // the month of the list shown
    Payments payments_;

    QLineEdit *bankName_ = nullptr;
    QLineEdit *branchCode_ = nullptr;
    QLineEdit *customerNo_ = nullptr;
    QLineEdit *accountNo_ = nullptr;
    QComboBox *month_ = nullptr;
    QComboBox *unit_ = nullptr;
    QRadioButton *groupAll_ = nullptr;
    QRadioButton *groupZeran_ = nullptr;
    QRadioButton *groupOther_ = nullptr;
    QCheckBox *addDifference_ = nullptr;
    QCheckBox *merge_ = nullptr;
    QCheckBox *iban_ = nullptr;
    ui::DateEdit *paymentDate_ = nullptr;
    QLineEdit *description_ = nullptr;
    QLineEdit *typeCode_ = nullptr;
    QLineEdit *total_ = nullptr;
    QLineEdit *path_ = nullptr;
    QTableView *grid_ = nullptr;
    QStandardItemModel *model_ = nullptr;
};

/// Opens the screen (modal) from the main menu or the payroll screen.
void openBankDialog(QWidget *parent, Session &session, ui::Prompter &prompter, int unit = 0, int month = 0);

}  // namespace zeran::bankfiles
