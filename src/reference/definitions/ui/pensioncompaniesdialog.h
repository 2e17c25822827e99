#pragma once
// "B.E.S FİRMALAR": the private-pension companies in an editable grid; a row is written
// when one of its cells is changed, "Çıkış" writes the cell being edited and closes.

#include "definitionsstore.h"

#include <QDialog>

#include <vector>

class QPushButton;

namespace zeran {
class Session;
namespace ui {
class Prompter;
}
}  // namespace zeran

namespace zeran::definitions {

class DefinitionsGrid;

class PensionCompaniesDialog : public QDialog {
    Q_OBJECT
public:
    PensionCompaniesDialog(db::Database &db, ui::Prompter &prompter, QWidget *parent = nullptr);

    DefinitionsGrid *grid() const { return grid_; }
    QPushButton *exitButton() const { return exit_; }

public slots:
    void reload();
    void reject() override;

private:
    void saveRow(int row);

    db::Database &db_;
    ui::Prompter &prompter_;
    std::vector<PensionCompany> rows_;
    DefinitionsGrid *grid_ = nullptr;
    QPushButton *exit_ = nullptr;
};

/// Main-menu command "BES Firmalar".
void openPensionCompanies(QWidget *parent, Session &session);

}  // namespace zeran::definitions
