#include "cashdialog.h"

#include "codecombo.h"
#include "commandbar.h"
#include "dateedit.h"
#include "gridsetup.h"
#include "moneyedit.h"
#include "output.h"
#include "paymentorder.h"
#include "prompter.h"
#include "session.h"
#include "unitstore.h"

#include <QAction>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QTableWidget>
#include <QVBoxLayout>

namespace zeran::posting {

namespace {

class PrompterQuestions : public Questions {
public:
    PrompterQuestions(ui::Prompter &p, QWidget *w) : p_(p), w_(w) {}
    bool confirm(const QString &text) override { return p_.ask(w_, text); }
    void inform(const QString &text) override { p_.inform(w_, text); }

private:
    ui::Prompter &p_;
    QWidget *w_;
};

const char *const kTotalCaptions[5] = {"Tahakkuk Toplamı", "Borç Toplamı", "Alacak Toplamı", "Kesinti Toplamı",
                                       "Ödenecek Çekler"};

QString amountText(Money m)
{
    return m.isZero() ? QString() : m.toText();
}

}  // namespace

CashDialog::CashDialog(Session &session, ui::Prompter &prompter, const CashRequest &request, QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), cash_(request)
{
    setWindowTitle(QStringLiteral("NAKİT (Otomatik)"));
    unit_ = new QLabel(request.unitName, this);
    month_ = new QLabel(request.monthText, this);
    kind_ = new QLabel(this);
    kind_->setObjectName(QStringLiteral("kindLabel"));
    journal_ = new QLabel(this);
    journal_->setObjectName(QStringLiteral("journalLabel"));
    date_ = new ui::DateEdit(this);
    date_->setObjectName(QStringLiteral("dateEdit"));
    date_->setDate(session_.ctx.startUpDate());
    purpose_ = new QLineEdit(this);
    purpose_->setObjectName(QStringLiteral("purposeEdit"));
    purpose_->setMaxLength(30);
    payee_ = new ui::CodeCombo(this);
    payee_->setObjectName(QStringLiteral("payeeBox"));
    accountingUnit_ = new ui::CodeCombo(this);
    accountingUnit_->setObjectName(QStringLiteral("accountingUnitBox"));
    attachments_ = new QLineEdit(this);
    attachments_->setObjectName(QStringLiteral("attachmentsEdit"));
    attachments_->setMaxLength(100);

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("linesGrid"));
    grid_->setColumnCount(ColumnCount);
    grid_->setHorizontalHeaderLabels({QStringLiteral("H.No"), QStringLiteral("K-I"), QStringLiteral("K-II"),
                                      QStringLiteral("K-III"), QStringLiteral("K-IV"), QStringLiteral("F-I"),
                                      QStringLiteral("F-II"), QStringLiteral("F-III"), QStringLiteral("F-IV"),
                                      QStringLiteral("FT"), QStringLiteral("E-I"), QStringLiteral("E-II"),
                                      QStringLiteral("E-III"), QStringLiteral("E-IV"), QStringLiteral("Borç"),
                                      QStringLiteral("Alacak"), QStringLiteral("Açıklama")});
    ui::setUpGrid(grid_, ui::GridEditing::InPlace);
    connect(grid_, &QTableWidget::cellChanged, this, &CashDialog::amountEdited);
    grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *again = new QAction(QStringLiteral("Yeniden Hesapla"), grid_);
    again->setObjectName(QStringLiteral("recomputeAction"));
    connect(again, &QAction::triggered, this, &CashDialog::recompute);
    grid_->addAction(again);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Birimi"), unit_);
    form->addRow(QStringLiteral("Hesap Ayı"), month_);
    form->addRow(QStringLiteral("Nakit Türü"), kind_);
    form->addRow(QStringLiteral("Tarih"), date_);
    form->addRow(QStringLiteral("Yevmiye Numarası"), journal_);
    form->addRow(QStringLiteral("Veriliş Nedeni"), purpose_);
    form->addRow(QStringLiteral("İlgili"), payee_);
    form->addRow(QStringLiteral("Muhasebe Birimi"), accountingUnit_);
    form->addRow(QStringLiteral("Ekler"), attachments_);
    auto *totals = new QGridLayout;
    for (int i = 0; i < 5; ++i) {
        totals->addWidget(new QLabel(QString::fromUtf8(kTotalCaptions[i]), this), 0, i);
        totalLabels_[i] = new QLabel(this);
        totalLabels_[i]->setObjectName(QStringLiteral("total%1").arg(i));
        totalLabels_[i]->setAlignment(Qt::AlignRight);
        totals->addWidget(totalLabels_[i], 1, i);
    }
    auto *bar = new ui::CommandBar(this);
    print_ = bar->add(QStringLiteral("Yazdır"), QStringLiteral("printButton"));
    post_ = bar->add(QStringLiteral("Muhasebeye Aktar"), QStringLiteral("postButton"));
    bar->addStretch();
    auto *exit = bar->add(QStringLiteral("Çıkış"), QStringLiteral("exitButton"));
    connect(print_, &QPushButton::clicked, this, &CashDialog::printOrder);
    connect(post_, &QPushButton::clicked, this, &CashDialog::postEntry);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(grid_);
    layout->addLayout(totals);
    layout->addWidget(bar);
    resize(1150, 650);

    printer = [this](const report::Document &doc) {
        QPrinter p(QPrinter::HighResolution);
        if (!report::choosePrinter(this, p))
            return;
        if (session_.ctx.ONIZ == QLatin1String("H"))
            report::print(p, doc);
        else
            report::preview(this, p, doc);
    };
    prepare();
}

CashDialog::~CashDialog() = default;

void CashDialog::prepare()
{
    print_->setEnabled(false);
    post_->setEnabled(false);
    // Without the accounting database the screen stays empty.
    if (!session_.accounting().isOpen() && !session_.muhibaseac()) {
        prompter_.inform(this, QString::fromUtf8(kAccountingMissingMessage));
        return;
    }
    const WorkingContext &c = session_.ctx;
    request_ = makeRequest(c.CYIL, cash_.month, cash_.kindCode, cash_.unit, c.MODEMEBKOD, cash_.person, c.KULNO);
    if (!request_ || request_->unit == 0) {
        request_.reset();
        prompter_.inform(this, QStringLiteral("DİKKAT! Birimi Seçiniz.."));
        return;
    }
    kind_->setText(request_->combined ? QStringLiteral("Birleşik") : request_->kind.shown);
    try {
        const Preparation p = prepareFromDatabase(session_.main(), *request_, c.ASUCISTISNA == QLatin1String("E"));
        header_ = p.header;
        writeWorkLines(session_.main(), request_->usrno, p.prepared.lines);
        lines_ = readWorkLines(session_.main(), request_->usrno);
        totals_ = p.prepared.totals;
        yevno_ = p.journalNumber;
        LookupList units, payees;
        for (const AccountingUnit &u : accountingUnits(session_.accounting(), c.CYIL.toInt()))
            units.push_back({u.BKOD, u.BIRIM});
        for (const CurrentAccount &a : currentAccounts(session_.accounting()))
            payees.push_back({a.CKOD, a.CARI});
        accountingUnit_->setLookup(units, true);
        payee_->setLookup(payees, true);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        request_.reset();
        return;
    }
    if (header_) {
        purpose_->setText(header_->SAYAD);
        attachments_->setText(header_->EKLER);
        accountingUnit_->setCode(header_->BKOD5.isEmpty() ? QVariant() : QVariant(header_->BKOD5));
        payee_->setCode(header_->CKOD != 0 ? QVariant(header_->CKOD) : QVariant());
    }
    fillGrid();
    showTotals();
    showJournalNumber();
    print_->setEnabled(true);
    post_->setEnabled(true);
}

void CashDialog::fillGrid()
{
    filling_ = true;
    grid_->setRowCount(int(lines_.size()));
    for (int r = 0; r < int(lines_.size()); ++r) {
        const PreparedLine &l = lines_[std::size_t(r)];
        const QString cells[ColumnCount] = {l.HESNO, l.K[0], l.K[1], l.K[2], l.K[3], l.F[0], l.F[1], l.F[2], l.F[3], l.FT,
                                            l.E[0], l.E[1], l.E[2], l.E[3], amountText(l.BORC), amountText(l.ALACAK), l.ACIK};
        for (int col = 0; col < ColumnCount; ++col) {
            auto *item = new QTableWidgetItem(cells[col]);
            if (col == BORC || col == ALACAK)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            else
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            grid_->setItem(r, col, item);
        }
    }
    filling_ = false;
}

void CashDialog::amountEdited(int row, int column)
{
    if (filling_ || (column != BORC && column != ALACAK) || row < 0 || row >= int(lines_.size()))
        return;
    PreparedLine &l = lines_[std::size_t(row)];
    const QString text = grid_->item(row, column)->text();
    const ui::AmountReading reading = ui::readAmount(text, column == BORC ? QStringLiteral("Borç") : QStringLiteral("Alacak"));
    if (!reading.ok()) {
        prompter_.inform(this, reading.problem);
    } else {
        const Money value = reading.blank ? Money() : reading.amount.value_or(Money());
        (column == BORC ? l.BORC : l.ALACAK) = value;
        try {
            writeWorkLines(session_.main(), request_->usrno, lines_);
        } catch (const db::DbError &e) {
            prompter_.inform(this, e.text);
        }
    }
    filling_ = true;
    grid_->item(row, column)->setText(amountText(column == BORC ? l.BORC : l.ALACAK));
    filling_ = false;
}

void CashDialog::recompute()
{
    totals_ = totalsOf(lines_);
    showTotals();
}

void CashDialog::showTotals()
{
    const Money values[5] = {totals_.accrual, totals_.debit, totals_.credit, totals_.deduction, totals_.cheques};
    for (int i = 0; i < 5; ++i)
        totalLabels_[i]->setText(values[i].toText());
}

void CashDialog::showJournalNumber()
{
    journal_->setText(yevno_ && *yevno_ > 0 ? QString::number(*yevno_) : QString());
}

std::optional<PlanHeader> CashDialog::headerFromFields() const
{
    PlanHeader h = header_.value_or(PlanHeader{});
    if (request_) {
        h.BKOD = request_->unit;
        h.NAKTUR = request_->kind.planKind;
    }
    h.SAYAD = purpose_->text().trimmed();
    h.EKLER = attachments_->text().trimmed();
    h.BKOD5 = accountingUnit_->codeText();
    h.CKOD = payee_->codeNumber().value_or(0);
    return h;
}

static QDate entryDate(const ui::DateEdit *edit)
{
    const auto d = edit->date();
    return d && d->isValid() ? *d : QDate::currentDate();
}

void CashDialog::printOrder()
{
    if (!request_)
        return;
    try {
        // The order prints the user's prepared lines as they stand in the work table.
        const std::vector<PreparedLine> rows = readWorkLines(session_.main(), request_->usrno);
        PaymentOrderData d = paymentOrderData(session_.main(), &session_.accounting(), *request_, headerFromFields(),
                                              rows, entryDate(date_), yevno_.value_or(0));
        d.unitName = cash_.unitName.isEmpty() ? d.unitName : cash_.unitName;
        if (printer)
            printer(paymentOrder(d));
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }
}

void CashDialog::postEntry()
{
    if (!request_)
        return;
    PrompterQuestions questions(prompter_, this);
    const PostResult r = post(session_.main(), session_.accounting(), *request_, headerFromFields(), lines_,
                              entryDate(date_), questions);
    if (r.outcome == PostOutcome::Posted) {
        yevno_ = r.yevno;
        showJournalNumber();
    }
}

void CashDialog::done(int r)
{
    if (request_) {
        try {
            clearWorkLines(session_.main(), request_->usrno);
        } catch (const db::DbError &) {
            // the next preparation replaces them
        }
    }
    QDialog::done(r);
}

void openCash(QWidget *parent, Session &session, ui::Prompter &prompter, CashRequest request)
{
    if (request.unitName.isEmpty()) {
        const int unit = request.unit != 0 ? request.unit : session.ctx.MODEMEBKOD;
        try {
            request.unitName = units::unitName(session.main(), unit);
        } catch (const db::DbError &) {
        }
    }
    CashDialog d(session, prompter, request, parent);
    d.exec();
}

}  // namespace zeran::posting
