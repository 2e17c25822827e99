#pragma once
// "DOSYA  KONTROL İŞLEMİ": "BAŞLAT" runs the database check, its log and progress shown;
// the changes are kept only after the question with the figures is answered Yes.

#include "prompter.h"

#include <QDialog>

class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace zeran {
class Session;
}

namespace zeran::dbcheck::ui {

class DbCheckDialog : public QDialog {
    Q_OBJECT
public:
    DbCheckDialog(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

    void start();

private:
    Session &session_;
    zeran::ui::Prompter &prompter_;
    QPlainTextEdit *log_;
    QProgressBar *progress_;
    QPushButton *startButton_;
};

void openDbCheck(QWidget *parent, Session &session, zeran::ui::Prompter &prompter);

}  // namespace zeran::dbcheck::ui
