#include "banklistprint.h"

#include "output.h"
#include "prompter.h"

#include <QPrinter>

namespace zeran::bankfiles {

bool printBankList(QWidget *parent, const db::Database &db, const BankListQuery &query, ui::Prompter &prompter)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!report::choosePrinter(parent, printer))
        return false;
    BankList list;
    try {
        list = loadBankList(db, query);
    } catch (const db::DbError &e) {
        prompter.inform(parent, e.text);
        return false;
    }
    const report::Document doc = bankListDocument(list.rows, list.heading, list.layout);
    if (list.preview) {
        report::preview(parent, printer, doc);
        return true;
    }
    return report::print(printer, doc) > 0;
}

}  // namespace zeran::bankfiles
