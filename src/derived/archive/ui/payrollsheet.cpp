#include "payrollsheet.h"

#include "commandbar.h"
#include "output.h"
#include "printing.h"
#include "printloader.h"
#include "prompter.h"
#include "session.h"
#include "writtenrow.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeran::archive::ui {

using zeran::ui::commandButton;

namespace {

const QStringList &headerCaptions()
{
    static const QStringList c = {QStringLiteral("Adı ve Soyadı"),       QStringLiteral("Görev Ünvanı"),
                                  QStringLiteral("Emekli Sicil Numarası"), QStringLiteral("Sigorta Durumu"),
                                  QStringLiteral("Maaş Katsayısı"),      QStringLiteral("Çalıştığı Birim")};
    return c;
}

const QStringList &earningCaptions()
{
    static const QStringList c = {
        QStringLiteral("Gösterge Tutarı"),   QStringLiteral("Ek Gösterge Tutarı"), QStringLiteral("Taban Aylığı"),
        QStringLiteral("Kıdem Aylığı"),      QStringLiteral("Yan Ödeme Tutarı"),   QStringLiteral("Özel Hizmet Tazminatı"),
        QStringLiteral("Ek Tazminat"),       QStringLiteral("Ek Ödeme"),           QStringLiteral("Lojman Tazminatı"),
        QStringLiteral("Dil Tazminatı"),     QStringLiteral("Diğer Tazminat"),     QStringLiteral("Aile Yardımı"),
        QStringLiteral("Çocuk Yardımı (0-6)"), QStringLiteral("Çocuk Yardımı (6+)"), QStringLiteral("Fazla Mesai"),
        QStringLiteral("Terfi Farkı"),       QStringLiteral("Artış"),              QStringLiteral("Yemek Bedeli"),
    };
    return c;
}

const QStringList &deductionCaptions()
{
    static const QStringList c = {
        QStringLiteral("Emekli Kes. (Zeran) %16"),   QStringLiteral("Emekli Kes. (Devlet) %20"),
        QStringLiteral("Toplam Emekli Kes. (%36)"),  QStringLiteral("G.S.S. Personel H. (%5)"),
        QStringLiteral("G.S.S. İşveren H. (%7.5)"),  QStringLiteral("M.Y.O. Personel H. (%9)"),
        QStringLiteral("M.Y.O. İşveren H. (%11)"),   QStringLiteral("Top. Sigorta Kes(%32.5)"),
        QStringLiteral("G.S.S. (%12)"),              QStringLiteral("% 100 Artış"),
        QStringLiteral("Sendika Aidatı"),            QStringLiteral("Hizmet Borçlanması"),
        QStringLiteral("Kefalet Kesintisi"),         QStringLiteral("İcra Kesintisi"),
        QStringLiteral("Lojman Kirası"),             QStringLiteral("Para Cezası"),
    };
    return c;
}

const QStringList &deductionTailCaptions()
{
    static const QStringList c = {QStringLiteral("Özel Kes. Toplamı"), QStringLiteral("Bireysel Emeklilik"),
                                  QStringLiteral("Emanete Alınan"),    QStringLiteral("KESİNTİ TOPLAMI"),
                                  QStringLiteral("HESAPLANAN MAAŞ"),   QStringLiteral("NET MAAŞ TUTARI")};
    return c;
}

QString percent(double fraction)
{
    return QString::number(double(qRound64(fraction * 10000)) / 100.0);
}

QString itemKey(int n)
{
    return QStringLiteral("KAZ%1").arg(n);
}

QString deductionKey(int n)
{
    return QStringLiteral("Özel Kesinti %1").arg(n);
}

void breakdownWindow(QWidget *parent, const BaseBreakdown &b)
{
    QDialog d(parent);
    d.setWindowTitle(b.title);
    auto *form = new QFormLayout;
    for (const BaseLine &l : b.lines) {
        auto *v = new QLabel(l.amount.toText(), &d);
        v->setAlignment(Qt::AlignRight);
        form->addRow(l.caption, v);
    }
    auto *total = new QLabel(b.total.toText(), &d);
    total->setAlignment(Qt::AlignRight);
    form->addRow(QStringLiteral("TOPLAM"), total);
    auto *close = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), &d);
    QObject::connect(close, &QPushButton::clicked, &d, &QDialog::accept);
    auto *layout = new QVBoxLayout(&d);
    layout->addLayout(form);
    layout->addWidget(close, 0, Qt::AlignRight);
    d.exec();
}

}  // namespace

PayrollSheet::PayrollSheet(Session &session, zeran::ui::Prompter &prompter, const payrollrun::LoadedRun &loaded,
                           const std::vector<engine::PersonPay> &pays, int current, int unit, QString periodText,
                           QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), loaded_(loaded), pays_(pays), unit_(unit),
      periodText_(std::move(periodText))
{
    setWindowTitle(QStringLiteral("BORDRO HESABI"));
    setObjectName(QStringLiteral("payrollSheet"));
    showBreakdown = &breakdownWindow;

    const auto block = [this](const QString &title, const QStringList &captions) {
        auto *box = new QGroupBox(title, this);
        auto *form = new QFormLayout(box);
        for (const QString &c : captions) {
            auto *v = new QLabel(box);
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            v->setObjectName(c);
            values_[c] = v;
            form->addRow(c, v);
        }
        return std::pair{box, form};
    };
    auto [header, headerForm] = block(QString(), headerCaptions());
    Q_UNUSED(headerForm);
    QStringList earnings = earningCaptions();
    for (int n = 1; n <= 10; ++n)
        earnings << itemKey(n);
    earnings << QStringLiteral("GELİR TOPLAMI");
    auto [earningBox, earningForm] = block(QStringLiteral("KAZANÇLAR"), earnings);
    QStringList deductions = deductionCaptions();
    for (int n = 1; n <= 5; ++n)
        deductions << deductionKey(n);
    deductions << deductionTailCaptions();
    auto [deductionBox, deductionForm] = block(QStringLiteral("K E S İ N T İ L E R"), deductions);
    // Item and deduction captions from the current definitions.
    for (int n = 1; n <= 10; ++n) {
        const QString name = loaded_.run.items[std::size_t(n - 1)].rowName();
        if (auto *l = qobject_cast<QLabel *>(earningForm->labelForField(values_[itemKey(n)])))
            l->setText(name.isEmpty() ? itemKey(n) : name);
    }
    for (int n = 1; n <= 5; ++n) {
        const QString name = loaded_.run.deductionCaptions[std::size_t(n - 1)];
        if (!name.isEmpty())
            if (auto *l = qobject_cast<QLabel *>(deductionForm->labelForField(values_[deductionKey(n)])))
                l->setText(name);
    }

    auto *taxBox = new QGroupBox(QStringLiteral("VERGİLER"), this);
    auto *tax = new QGridLayout(taxBox);
    const QStringList columns = {QStringLiteral("Hesaplanan"), QStringLiteral("Asgari Ücret"), QStringLiteral("Kesilen")};
    for (int c = 0; c < columns.size(); ++c)
        tax->addWidget(new QLabel(columns.at(c), taxBox), 0, c + 1);
    const QStringList taxRows = {QStringLiteral("Gelir Vergisi Matrahı"), QStringLiteral("Gelir Vergisi Oranı"),
                                 QStringLiteral("Gelir Vergisi"), QStringLiteral("Damga Vergisi Matrahı"),
                                 QStringLiteral("Damga Vergisi")};
    for (int r = 0; r < taxRows.size(); ++r) {
        tax->addWidget(new QLabel(taxRows.at(r), taxBox), r + 1, 0);
        for (int c = 0; c < columns.size(); ++c) {
            auto *v = new QLabel(taxBox);
            v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            const QString key = taxRows.at(r) + QLatin1Char('/') + columns.at(c);
            v->setObjectName(key);
            values_[key] = v;
            tax->addWidget(v, r + 1, c + 1);
        }
    }
    for (const QString &c : {QStringLiteral("AGI Hesaplanan"), QStringLiteral("AGI Verilen")}) {
        const int r = tax->rowCount();
        tax->addWidget(new QLabel(c, taxBox), r, 0);
        auto *v = new QLabel(taxBox);
        v->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        v->setObjectName(c);
        values_[c] = v;
        tax->addWidget(v, r, 1);
    }

    auto *basesBox = new QGroupBox(QStringLiteral("MATRAHLAR"), this);
    auto *basesLayout = new QVBoxLayout(basesBox);
    const std::pair<BaseKind, const char *> baseButtons[] = {{BaseKind::Retirement, "retirementBaseButton"},
                                                             {BaseKind::Premium, "premiumBaseButton"},
                                                             {BaseKind::IncomeTax, "incomeTaxBaseButton"},
                                                             {BaseKind::StampTax, "stampTaxBaseButton"}};
    for (const auto &[kind, name] : baseButtons) {
        auto *b = new QPushButton(basesBox);
        b->setObjectName(QLatin1String(name));
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, k = kind] { explain(k); });
        bases_[kind] = b;
        basesLayout->addWidget(b);
    }

    auto *firstB = commandButton(QStringLiteral("|<"), QStringLiteral("firstButton"), this);
    auto *prevB = commandButton(QStringLiteral("<"), QStringLiteral("previousButton"), this);
    auto *nextB = commandButton(QStringLiteral(">"), QStringLiteral("nextButton"), this);
    auto *lastB = commandButton(QStringLiteral(">|"), QStringLiteral("lastButton"), this);
    position_ = new QLabel(this);
    position_->setObjectName(QStringLiteral("positionLabel"));
    auto *print = commandButton(QStringLiteral("Maaş Fişi Yazdır"), QStringLiteral("payslipButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    connect(firstB, &QPushButton::clicked, this, &PayrollSheet::first);
    connect(prevB, &QPushButton::clicked, this, &PayrollSheet::previous);
    connect(nextB, &QPushButton::clicked, this, &PayrollSheet::next);
    connect(lastB, &QPushButton::clicked, this, &PayrollSheet::last);
    connect(print, &QPushButton::clicked, this, &PayrollSheet::printPayslip);
    connect(exit, &QPushButton::clicked, this, &QDialog::accept);

    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {firstB, prevB, nextB, lastB})
        commands->addWidget(b);
    commands->addWidget(position_);
    commands->addStretch();
    commands->addWidget(print);
    commands->addWidget(exit);
    auto *right = new QVBoxLayout;
    right->addWidget(taxBox);
    right->addWidget(basesBox);
    right->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(earningBox);
    body->addWidget(deductionBox);
    body->addLayout(right);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header);
    layout->addLayout(body, 1);
    layout->addLayout(commands);

    showPerson(current);
}

void PayrollSheet::set(const QString &caption, const QString &text)
{
    if (QLabel *l = values_[caption])
        l->setText(text);
}

QString PayrollSheet::value(const QString &caption) const
{
    const auto it = values_.find(caption);
    return it != values_.end() && it->second ? it->second->text() : QString();
}

void PayrollSheet::showPerson(int index)
{
    if (pays_.empty() || index < 0 || index >= int(pays_.size()))
        return;
    current_ = index;
    const payrollrun::RunPerson &person = loaded_.people[std::size_t(index)];
    const payrollrun::ShownPay shown = payrollrun::shownPay(person.input, pays_[std::size_t(index)]);
    const engine::PersonPay &p = shown.pay;
    const auto money = [this](const QString &c, Money m) { set(c, m.toText()); };

    set(QStringLiteral("Adı ve Soyadı"), person.ADI + QLatin1Char(' ') + person.SOYADI);
    set(QStringLiteral("Görev Ünvanı"), person.UNVAN);
    set(QStringLiteral("Emekli Sicil Numarası"), person.EMSNO);
    set(QStringLiteral("Sigorta Durumu"), insuranceText(person.input.rec.GSSTUR));
    set(QStringLiteral("Maaş Katsayısı"), shortestDecimal(loaded_.run.rates.KATSAYI));
    set(QStringLiteral("Çalıştığı Birim"), person.BIRIM);

    const Money earnings[] = {p.AYTUT,     p.EGOSTUT, p.TABAY,   p.KIDAY,  p.YANOD,  p.OHTTUT,
                              p.EKTAZTUT,  p.EKODTUT, p.LOJTAZ,  p.DILTAZ, p.DIGTAZTUT, p.AILEYRD,
                              p.COCYRD,    p.COCYRD1, p.FMESTUT, p.TERFI,  p.ARTIS1, p.YEMEK};
    for (int i = 0; i < earningCaptions().size(); ++i)
        money(earningCaptions().at(i), earnings[i]);
    for (int n = 1; n <= 10; ++n)
        money(itemKey(n), p.KAZ[std::size_t(n - 1)]);
    money(QStringLiteral("GELİR TOPLAMI"), p.GELTOP);

    const Money deductions[] = {p.EMKESM, p.EMKESD, p.EMKESM + p.EMKESD, p.GSSP, p.GSSI, p.MYOP, p.MYOI, p.PRIMTOP,
                                p.GECICI, p.ARTIS2, p.SENTUT, p.HIZBOR,  p.KEFTUT, p.ICRA, p.KIRA, p.PCEZA};
    for (int i = 0; i < deductionCaptions().size(); ++i)
        money(deductionCaptions().at(i), deductions[i]);
    for (int n = 1; n <= 5; ++n)
        money(deductionKey(n), p.KES[std::size_t(n - 1)]);
    money(QStringLiteral("Özel Kes. Toplamı"), p.OZKES);
    money(QStringLiteral("Bireysel Emeklilik"), p.BESTUT);
    set(QStringLiteral("Emanete Alınan"), p.ACIKKES.toText4());
    money(QStringLiteral("KESİNTİ TOPLAMI"), p.KESTOP);
    money(QStringLiteral("HESAPLANAN MAAŞ"), p.MAAS);
    money(QStringLiteral("NET MAAŞ TUTARI"), shown.NET);

    const auto taxCell = [&](const char *row, const char *column, const QString &text) {
        set(QString::fromUtf8(row) + QLatin1Char('/') + QString::fromUtf8(column), text);
    };
    taxCell("Gelir Vergisi Matrahı", "Hesaplanan", p.GVMAT.toText());
    taxCell("Gelir Vergisi Matrahı", "Asgari Ücret", p.GVMAT1.toText());
    taxCell("Gelir Vergisi Oranı", "Hesaplanan", percent(p.GVOR));
    taxCell("Gelir Vergisi Oranı", "Asgari Ücret", percent(p.GVOR1));
    taxCell("Gelir Vergisi", "Hesaplanan", p.GELVER.toText());
    taxCell("Gelir Vergisi", "Asgari Ücret", p.GELVER1.toText());
    taxCell("Gelir Vergisi", "Kesilen", p.GELVERK.toText());
    taxCell("Damga Vergisi Matrahı", "Hesaplanan", p.DVMAT.toText());
    taxCell("Damga Vergisi Matrahı", "Asgari Ücret", p.DVMAT1.toText());
    taxCell("Damga Vergisi", "Hesaplanan", p.DAMVER.toText());
    taxCell("Damga Vergisi", "Asgari Ücret", p.DAMVER1.toText());
    taxCell("Damga Vergisi", "Kesilen", p.DAMVERK.toText());
    money(QStringLiteral("AGI Hesaplanan"), p.AGIMATX);
    money(QStringLiteral("AGI Verilen"), p.ASGIND);

    const engine::PersonPay &raw = pays_[std::size_t(index)];
    for (auto &[kind, button] : bases_) {
        const BaseBreakdown b = breakdown(kind, person.input, raw);
        button->setText(b.title + QStringLiteral(": ") + b.total.toText());
    }
    position_->setText(QStringLiteral("%1 / %2").arg(index + 1).arg(pays_.size()));
}

void PayrollSheet::explain(BaseKind kind)
{
    if (current_ < 0)
        return;
    showBreakdown(this, breakdown(kind, loaded_.people[std::size_t(current_)].input, pays_[std::size_t(current_)]));
}

void PayrollSheet::printPayslip()
{
    if (current_ < 0)
        return;
    payrolldocs::PrintContext context;
    try {
        context = payrolldocs::loadPrintContext(session_.main(), unit_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    if (!report::choosePrinter(this, printer_))
        return;
    const payrolldocs::RunData run{loaded_, pays_, context, periodText_};
    payrolldocs::previewPersonStatements(this, printer_, run, loaded_.people[std::size_t(current_)].input.rec.PKAYNO);
}

void openPayrollSheet(QWidget *parent, Session &session, zeran::ui::Prompter &prompter,
                      const payrollrun::LoadedRun &loaded, const std::vector<engine::PersonPay> &pays, int current,
                      int unit, const QString &periodText)
{
    PayrollSheet sheet(session, prompter, loaded, pays, current, unit, periodText, parent);
    sheet.exec();
}

}  // namespace zeran::archive::ui
