#pragma once
// "KULLANICI  İZLEME": this program's audit lines, filtered by date (that day, or from it on
// with "Devam"), user, kind, section and a text found anywhere in the description; the whole
// description of the current line below the list. Closed only with "ESC-Çıkış".

#include "audit.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace zeran {
class Session;
}

namespace zeran::ui {

class DateEdit;
class Prompter;

inline constexpr const char *kAuditViewerTitle = "KULLANICI  İZLEME";

class AuditViewer : public QDialog {
    Q_OBJECT
public:
    AuditViewer(Session &session, Prompter &prompter, QWidget *parent = nullptr);

    /// The filter the controls describe now.
    audit::ViewFilter filter() const;
    /// Lists again with the current filter.
    void list();
    const QVector<audit::Line> &shown() const { return lines_; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showDescription();

    Session &session_;
    Prompter &prompter_;
    QVector<audit::Line> lines_;
    DateEdit *date_;
    QCheckBox *onward_;
    QComboBox *user_;
    QComboBox *kind_;
    QComboBox *section_;
    QLineEdit *text_;
    QButtonGroup *order_;
    QTableWidget *grid_;
    QPlainTextEdit *description_;
    bool closing_ = false;
};

/// Main menu "İşlem İzleme".
void openAuditViewer(QWidget *parent, Session &session, Prompter &prompter);

}  // namespace zeran::ui
