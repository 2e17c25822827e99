#include "pensioncompaniesdialog.h"

#include "commandbar.h"
#include "definitionsgrid.h"
#include "prompter.h"
#include "session.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::definitions {

namespace {
// Column widths of BESFIRMA: FIRMA, ADRES, BHNO, HKOD.
constexpr int kWidths[] = {30, 40, 40, 26};
}  // namespace

PensionCompaniesDialog::PensionCompaniesDialog(db::Database &db, ui::Prompter &prompter, QWidget *parent)
    : QDialog(parent), db_(db), prompter_(prompter)
{
    setWindowTitle(QStringLiteral("B.E.S FİRMALAR"));
    auto *layout = new QVBoxLayout(this);
    grid_ = new DefinitionsGrid({QStringLiteral("Firma Adı"), QStringLiteral("Adresi"), QStringLiteral("Banka ve Hesap No"),
                                 QStringLiteral("Muhasebe Hesap Kodu")},
                                this);
    layout->addWidget(grid_);
    connect(grid_, &DefinitionsGrid::rowEdited, this, &PensionCompaniesDialog::saveRow);
    connect(grid_, &DefinitionsGrid::rowAppended, this, [this] { rows_.push_back({}); });

    auto *buttons = new QHBoxLayout;
    exit_ = ui::commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    buttons->addStretch();
    buttons->addWidget(exit_);
    layout->addLayout(buttons);
    connect(exit_, &QPushButton::clicked, this, &PensionCompaniesDialog::reject);
    reload();
}

void PensionCompaniesDialog::reload()
{
    try {
        rows_ = readPensionCompanies(db_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        rows_.clear();
    }
    grid_->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        const PensionCompany &c = rows_[std::size_t(r)];
        grid_->setRowTexts(r, {c.FIRMA, c.ADRES, c.BHNO, c.HKOD});
    }
}

void PensionCompaniesDialog::saveRow(int row)
{
    if (row < 0 || row >= int(rows_.size()))
        return;
    auto cell = [this, row](int c) {
        return grid_->item(row, c) ? grid_->item(row, c)->text().trimmed().left(kWidths[c]) : QString();
    };
    PensionCompany c = rows_[std::size_t(row)];
    c.FIRMA = cell(0);
    c.ADRES = cell(1);
    c.BHNO = cell(2);
    c.HKOD = cell(3);
    if (c.FKOD == 0 && c.FIRMA.isEmpty() && c.ADRES.isEmpty() && c.BHNO.isEmpty() && c.HKOD.isEmpty())
        return;  // an appended row stays unwritten until something is typed into it
    try {
        c.FKOD = savePensionCompany(db_, c);
        rows_[std::size_t(row)] = c;
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void PensionCompaniesDialog::reject()
{
    grid_->commitEditor();
    QDialog::reject();
}

void openPensionCompanies(QWidget *parent, Session &session)
{
    ui::BoxPrompter prompter;
    PensionCompaniesDialog dialog(session.main(), prompter, parent);
    dialog.exec();
}

}  // namespace zeran::definitions
