#include "workingyeardialog.h"

#include "commandbar.h"
#include "prompter.h"
#include "session.h"
#include "settingsrow.h"
#include "setupdialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::ui {

namespace {
}  // namespace

YearRow readYearRow(db::Database &db)
{
    const settingsrow::WorkingYear w = settingsrow::readWorkingYear(db);
    return {w.CYIL, w.KURUM};
}

void storeWorkingYear(db::Database &db, const QString &cyil)
{
    settingsrow::storeWorkingYear(db, cyil);
}

QString donForPeriodIndex(int index)
{
    return index == 1 ? QStringLiteral("2") : QStringLiteral("1");
}

int periodIndexForDon(const QString &don)
{
    return don == QLatin1String("2") ? 1 : 0;
}

WorkingYearDialog::WorkingYearDialog(Session &session, Prompter &prompter, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter)
{
    setObjectName(QStringLiteral("workingYearDialog"));
    setWindowTitle(QStringLiteral("ÇALIŞMA YILI"));
    setModal(true);

    year_ = new QLineEdit(this);
    year_->setObjectName(QStringLiteral("yearEdit"));
    year_->setInputMask(QStringLiteral("9999"));
    year_->setMaximumWidth(70);
    period_ = new QComboBox(this);
    period_->setObjectName(QStringLiteral("periodCombo"));
    period_->addItems({QStringLiteral("OCAK/HAZİRAN"), QStringLiteral("TEMMUZ/ARALIK")});

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Çalışma Yılı"), year_);
    form->addRow(QStringLiteral("Çalışma Dönemi"), period_);

    auto *ok = ui::commandButton(QStringLiteral("Tamam"), QStringLiteral("okButton"), this);
    auto *cancel = ui::commandButton(QStringLiteral("Vazgeç"), QStringLiteral("cancelButton"), this);
    // Here Enter confirms the year: the one dialog whose "Tamam" is the default button.
    ok->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &WorkingYearDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &WorkingYearDialog::reject);
}

bool WorkingYearDialog::load()
{
    try {
        row_ = readYearRow(session_.main());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return false;
    }
    year_->setText(row_.CYIL);
    period_->setCurrentIndex(periodIndexForDon(session_.ctx.DON));
    return true;
}

void WorkingYearDialog::accept()
{
    if (!year_->hasAcceptableInput()) {
        prompter_.inform(this, QString::fromUtf8(kYearFormatMessage));
        year_->setFocus();
        return;
    }
    const QString year = year_->text();
    try {
        storeWorkingYear(session_.main(), year);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    session_.ctx.DON = donForPeriodIndex(period_->currentIndex());
    session_.ctx.CYIL = year;
    session_.ctx.KURUM = row_.KURUM;
    QDialog::accept();
}

}  // namespace zeran::ui
