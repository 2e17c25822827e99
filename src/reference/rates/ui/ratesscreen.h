#pragma once
// What the two rate screens share: the year and period choosers, one entry field per
// column bound to the row being edited (RateValues), and whether that row has unsaved changes.

#include "ratelogic.h"
#include "rateservice.h"

#include <QDialog>
#include <QHash>
#include <QLineEdit>

class QComboBox;

namespace zeran {
struct WorkingContext;
namespace db {
class Database;
}
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::rates {

/// An entry field of one column: digits with either decimal separator. Text that is not a
/// value of the column when the field is left goes back to the row's value.
class RateField : public QLineEdit {
    Q_OBJECT
public:
    RateField(QString column, ValueKind kind, QWidget *parent = nullptr);
    const QString &column() const { return column_; }
    ValueKind kind() const { return kind_; }
    /// Shows a canonical value.
    void showValue(const QString &canonical);
    /// The canonical value of the text; nullopt while it is not a valid value.
    std::optional<QString> value() const;

signals:
    /// The text now holds a valid value (typed by the user).
    void valueEdited(const QString &column, const QString &canonical);

protected:
    void focusOutEvent(QFocusEvent *event) override;

private:
    QString column_;
    ValueKind kind_;
    QString shown_;  // canonical value last shown or accepted
};

class RatesScreen : public QDialog {
    Q_OBJECT
public:
    Period period() const { return period_; }
    const RateValues &values() const { return values_; }
    bool isDirty() const { return dirty_; }
    bool rowExists() const { return exists_; }

    QLineEdit *yearEdit() const { return year_; }
    QComboBox *periodBox() const { return periodBox_; }
    RateField *field(const QString &column) const { return fields_.value(column); }

public slots:
    /// Looks the period row of the year and period fields up (a new empty row when none).
    void lookUp();

protected:
    RatesScreen(db::Database &db, const WorkingContext &ctx, ui::Prompter &prompter, RateServiceEndpoint service,
                QWidget *parent);

    /// Builds the year and period choosers (preset from the working context).
    QWidget *makePeriodRow();
    RateField *makeField(const QString &column, ValueKind kind);
    /// Shows values_ in every field; subclasses add what they derive.
    virtual void showValues();
    virtual std::optional<RateValues> readRow(const Period &p) = 0;
    /// Puts a row in the fields: `exists` says whether the period has it stored.
    void setRow(const RateValues &values, bool exists);
    void setValue(const QString &column, const QString &canonical);
    void markSaved();
    /// Runs `work` with the screen disabled (a rate-update request keeps the loop running).
    template <typename F>
    auto whileBusy(F work);

    db::Database &db_;
    const WorkingContext &ctx_;
    ui::Prompter &prompter_;
    RateServiceEndpoint service_;
    Period period_;
    RateValues values_;
    bool dirty_ = false;
    bool exists_ = false;

    QLineEdit *year_ = nullptr;
    QComboBox *periodBox_ = nullptr;
    QHash<QString, RateField *> fields_;

private:
    void onValueEdited(const QString &column, const QString &canonical);
};

template <typename F>
auto RatesScreen::whileBusy(F work)
{
    setEnabled(false);
    struct Restore {
        QWidget *w;
        ~Restore() { w->setEnabled(true); }
    } restore{this};
    return work();
}

/// "Bağlantı hatası oluştu."
inline const QString kConnectionError = QStringLiteral("Bağlantı hatası oluştu.");

}  // namespace zeran::rates
