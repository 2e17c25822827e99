#pragma once
// A day.month.year field ("15.03.2026") that may be left empty where the column allows NULL.

#include <QDate>
#include <QLineEdit>
#include <optional>

namespace zeran::ui {

class DateEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DateEdit(QWidget *parent = nullptr);

    void setDate(const QDate &date);  ///< an invalid date empties the field
    bool isBlank() const;
    /// The date typed; an invalid QDate when blank; nullopt when the text is not a date.
    std::optional<QDate> date() const;
};

/// The message of a date that is not a date.
QString invalidDateMessage(const QString &text);

}  // namespace zeran::ui
