#include "storedmonthdialog.h"

#include "archivescreen.h"

#include "commandbar.h"
#include "moneyedit.h"
#include "output.h"
#include "printing.h"
#include "printloader.h"
#include "prompter.h"
#include "session.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <functional>

namespace zeran::archive::ui {

namespace {

using zeran::ui::commandButton;
using zeran::ui::MoneyEdit;

struct Field {
    QString column, caption;
    std::function<Money &(results::ResultRow &)> at;
};

#define FIELD(C, T) Field{QStringLiteral(#C), QStringLiteral(T), [](results::ResultRow &r) -> Money & { return r.C; }}

std::vector<Field> earningFields(const results::ResultRow &row)
{
    std::vector<Field> f = {
        FIELD(AYTUT, "Aylık Tutar"),           FIELD(EGOSTUT, "Ek Gösterge Tutarı"), FIELD(TABAY, "Taban Aylığı"),
        FIELD(KIDAY, "Kıdem Aylığı"),          FIELD(YANOD, "Yan Ödeme Tutarı"),     FIELD(OZHIZTAZ, "Özel Hizmet Tazminatı"),
        FIELD(EKODTUT, "Ek Ödeme"),            FIELD(EKTAZ, "Ek Tazminat"),          FIELD(LOJTAZ, "Lojman Tazminatı"),
        FIELD(DILTAZ, "Dil Tazminatı"),        FIELD(DIGTAZ, "Diğer Tazminat"),      FIELD(AILEYRD, "Aile Yardımı"),
        FIELD(COCYRD, "Çocuk Yardımı (0-6)"),  FIELD(COCYRD1, "Çocuk Yardımı (6+)"), FIELD(ARTIS, "Artış"),
        FIELD(TERFAR, "Terfi Farkı"),          FIELD(FAZMES, "Fazla Mesai"),         FIELD(YEMEK, "Yemek Bedeli"),
    };
    for (std::size_t i = 0; i < 10; ++i) {
        const QString name = row.KAZA[i].isEmpty() ? QStringLiteral("KAZ%1").arg(i + 1) : row.KAZA[i];
        f.push_back({QStringLiteral("KAZ%1").arg(i + 1), name, [i](results::ResultRow &r) -> Money & { return r.KAZ[i]; }});
    }
    f.push_back(FIELD(VIADE, "A.G.İ."));
    f.push_back(FIELD(GELTOP, "GELİR TOPLAMI"));
    return f;
}

std::vector<Field> deductionFields(const results::ResultRow &row)
{
    std::vector<Field> f = {
        FIELD(EKMAT, "Em.Kes.Matrahı"),         FIELD(EMKESM, "Emekli Kes. (Zeran)"),
        FIELD(EMKESD, "Emekli Kes. (Devlet)"),  FIELD(GSSMAT, "G.S.S. Matrahı"),
        FIELD(MYOP, "M.Y.O. Personel H."),      FIELD(MYOI, "M.Y.O. İşveren H."),
        FIELD(GSSP, "G.S.S. Personel H."),      FIELD(GSSI, "G.S.S. İşveren H."),
        FIELD(VERMAT, "Gelir Vergisi Matrahı"), FIELD(GELVER, "Gelir Vergisi"),
        FIELD(GELVER1, "Asgari Ücret G.V."),    FIELD(GELVERKES, "Kesilen Gelir Vergisi"),
        FIELD(DVMAT, "Damga Vergisi Matrahı"),  FIELD(DAMVER, "Damga Vergisi"),
        FIELD(DAMVER1, "Asgari Ücret D.V."),    FIELD(DAMVERKES, "Kesilen Damga Vergisi"),
        FIELD(SEN1, "Sendika Aidatı 1"),        FIELD(SEN2, "Sendika Aidatı 2"),
        FIELD(SEN3, "Sendika Aidatı 3"),        FIELD(HIZBOR, "Hizmet Borçlanması"),
        FIELD(ICRA, "İcra Kesintisi"),          FIELD(KIRA, "Lojman Kirası"),
        FIELD(PCEZA, "Para Cezası"),            FIELD(KEFALET, "Kefalet Kesintisi"),
        FIELD(BES, "Bireysel Emeklilik"),
    };
    for (std::size_t i = 0; i < 5; ++i) {
        const QString name = row.KESA[i].isEmpty() ? QStringLiteral("Özel Kesinti %1").arg(i + 1) : row.KESA[i];
        f.push_back({QStringLiteral("KES%1").arg(i + 1), name, [i](results::ResultRow &r) -> Money & { return r.KES[i]; }});
    }
    f.push_back(FIELD(OZELKES, "Özel Kes. Toplamı"));
    f.push_back(FIELD(KESTOP, "KESİNTİ TOPLAMI"));
    f.push_back(FIELD(MAAS, "HESAPLANAN MAAŞ"));
    f.push_back(FIELD(ACIKKES, "Emanete Alınan"));
    return f;
}

#undef FIELD

QString snapshotText(const std::optional<results::SnapshotRow> &s)
{
    if (!s)
        return QStringLiteral("Bu ay için maaş bilgisi (arşiv) kaydı yoktur.");
    QStringList lines;
    const auto add = [&](const char *caption, const QString &value) {
        lines << QString::fromUtf8(caption) + QStringLiteral(": ") + value;
    };
    add("Derece / Kademe", QStringLiteral("%1 / %2").arg(s->DER).arg(s->KAD));
    add("Gösterge", QString::number(s->GOS));
    add("Ek Gösterge", QString::number(s->EGOS));
    add("Emeklilik Derece / Kademe", QStringLiteral("%1 / %2").arg(s->MDER).arg(s->MKAD));
    add("Emeklilik Göstergesi", QString::number(s->MGOS));
    add("Yan Ödeme Puanı", QString::number(s->YOP));
    add("Özel Hizmet Oranı", QString::number(s->OHT));
    add("Ek Ödeme Oranı", QString::number(s->EKOD));
    add("Kıdem Yılı", QString::number(s->KIDEM));
    add("Medeni Hali", s->MHAL);
    add("Eşi", s->ESI);
    add("Çocuk (0-6 / 6+)", QStringLiteral("%1 / %2").arg(s->COC1).arg(s->COC2));
    add("Sigorta Durumu", s->GSSTUR);
    add("Kefalet", s->KEFALET);
    add("Vekil", s->VEKIL);
    add("Sendika", s->SENDIKA);
    add("Rapor Günü", QString::number(s->RAPOR));
    add("Kıst Gün", shortestDecimal(s->KGUN));
    add("Yemek Günü", QString::number(s->YEMEKGUN));
    return lines.join(QLatin1Char('\n'));
}

}  // namespace

StoredMonthDialog::StoredMonthDialog(Session &session, zeran::ui::Prompter &prompter, const results::RowKey &key,
                                     QWidget *parent)
    : QDialog(parent), session_(session), prompter_(prompter), key_(key)
{
    setWindowTitle(QStringLiteral("PERSONEL BORDRO BİLGİLERİ"));
    setObjectName(QStringLiteral("storedMonthDialog"));
    try {
        month_ = loadStoredMonth(session_.main(), key_);
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
    }

    header_ = new QLabel(this);
    header_->setObjectName(QStringLiteral("headerLabel"));
    pages_ = new QStackedWidget(this);

    auto *payPage = new QWidget(pages_);
    auto *payLayout = new QHBoxLayout(payPage);
    const results::ResultRow row = month_ ? month_->result : results::ResultRow{};
    for (const auto &[title, fields] : {std::pair{QStringLiteral("HAKEDİŞ BİLGİLERİ"), earningFields(row)},
                                        std::pair{QStringLiteral("KESİNTİ BİLGİLERİ"), deductionFields(row)}}) {
        auto *box = new QGroupBox(title, payPage);
        auto *form = new QFormLayout(box);
        for (const Field &f : fields) {
            auto *edit = new MoneyEdit(box);
            edit->setObjectName(f.column);
            edit->setCaption(f.caption);
            edit->setReadOnly(true);
            form->addRow(f.caption, edit);
            fields_[f.column] = edit;
        }
        auto *scroll = new QScrollArea(payPage);
        scroll->setWidget(box);
        scroll->setWidgetResizable(true);
        payLayout->addWidget(scroll);
    }
    netLabel_ = new QLabel(this);
    netLabel_->setObjectName(QStringLiteral("netLabel"));
    childLabel_ = new QLabel(this);
    childLabel_->setObjectName(QStringLiteral("childAllowanceLabel"));
    snapshot_ = new QLabel(pages_);
    snapshot_->setObjectName(QStringLiteral("snapshotLabel"));
    snapshot_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    pages_->addWidget(payPage);
    pages_->addWidget(snapshot_);

    toggle_ = commandButton(QStringLiteral("Maaş Bilgileri"), QStringLiteral("pageButton"), this);
    change_ = commandButton(QStringLiteral("Değiştir"), QStringLiteral("changeButton"), this);
    save_ = commandButton(QStringLiteral("Kayıt"), QStringLiteral("saveButton"), this);
    cancel_ = commandButton(QStringLiteral("İptal"), QStringLiteral("cancelButton"), this);
    auto *print = commandButton(QStringLiteral("Maaş Fişi Yazdır"), QStringLiteral("payslipButton"), this);
    auto *exit = commandButton(QStringLiteral("Çıkış"), QStringLiteral("exitButton"), this);
    connect(toggle_, &QPushButton::clicked, this, &StoredMonthDialog::togglePage);
    connect(change_, &QPushButton::clicked, this, &StoredMonthDialog::startEdit);
    connect(save_, &QPushButton::clicked, this, [this] { save(); });
    connect(cancel_, &QPushButton::clicked, this, &StoredMonthDialog::cancelEdit);
    connect(print, &QPushButton::clicked, this, &StoredMonthDialog::printPayslip);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {toggle_, change_, save_, cancel_, print})
        commands->addWidget(b);
    commands->addStretch();
    commands->addWidget(exit);

    auto *totals = new QHBoxLayout;
    totals->addWidget(netLabel_);
    totals->addWidget(childLabel_);
    totals->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(header_);
    layout->addWidget(pages_, 1);
    layout->addLayout(totals);
    layout->addLayout(commands);
    resize(900, 700);

    if (month_) {
        const StoredMonth &m = *month_;
        header_->setText(QStringLiteral("%1 %2   Sicil No: %3   T.C. Kimlik No: %4   Emekli Sicil No: %5\n"
                                        "Birimi: %6   Dönemi: %7   %8   Katsayı: %9   Y.Ö.D.: %10   T.A.K.: %11   "
                                        "E.Y.M.G.: %12")
                             .arg(m.ADI, m.SOYADI, m.PERNO, m.TCKNO, m.EMSNO, m.BIRIM, periodText(m.result.key),
                                  archiveKindName(m.result.key.TUR), shortestDecimal(m.KATSAYI), shortestDecimal(m.YOD),
                                  shortestDecimal(m.TAK))
                             .arg(shortestDecimal(m.EYMG)));
        snapshot_->setText(snapshotText(m.snapshot));
        show(m.result);
    } else {
        header_->setText(QStringLiteral("Kayıt bulunamadı"));
        change_->setEnabled(false);
        print->setEnabled(false);
    }
    setEditing(false);
}

void StoredMonthDialog::show(const results::ResultRow &r)
{
    results::ResultRow copy = r;
    for (const Field &f : earningFields(r))
        fields_[f.column]->setAmount(f.at(copy));
    for (const Field &f : deductionFields(r))
        fields_[f.column]->setAmount(f.at(copy));
    netLabel_->setText(QStringLiteral("NET MAAŞ TUTARI: ") + net(r).toText());
    childLabel_->setText(QStringLiteral("Toplam Çocuk Yardımı: ") + (r.COCYRD + r.COCYRD1).toText());
}

void StoredMonthDialog::setEditing(bool on)
{
    editing_ = on;
    for (auto &[column, edit] : fields_)
        edit->setReadOnly(!on);
    change_->setEnabled(!on && month_.has_value());
    save_->setEnabled(on);
    cancel_->setEnabled(on);
}

void StoredMonthDialog::startEdit()
{
    if (!month_)
        return;
    if (!session_.mayChange(QStringLiteral("3"))) {
        prompter_.inform(this, QString::fromUtf8(kNoChangeRight));
        return;
    }
    setEditing(true);
}

bool StoredMonthDialog::save()
{
    if (!editing_ || !month_)
        return false;
    results::ResultRow corrected = month_->result;
    for (const std::vector<Field> &fields : {earningFields(corrected), deductionFields(corrected)}) {
        for (const Field &f : fields) {
            MoneyEdit *edit = fields_[f.column];
            const zeran::ui::AmountReading r = edit->read();
            if (!r.ok()) {
                prompter_.inform(this, r.problem);
                edit->setFocus();
                return false;
            }
            f.at(corrected) = r.amount.value_or(Money());
        }
    }
    PromptQuestions questions(prompter_, this);
    const OperationResult done = saveCorrection(session_.main(), session_.ctx, corrected, questions);
    if (done.outcome == Outcome::Declined)
        return false;
    if (done.outcome != Outcome::Done) {
        prompter_.inform(this, done.message);
        return false;
    }
    month_->result = corrected;
    show(corrected);
    setEditing(false);
    return true;
}

void StoredMonthDialog::cancelEdit()
{
    if (month_)
        show(month_->result);
    setEditing(false);
}

void StoredMonthDialog::togglePage()
{
    const bool toSnapshot = pages_->currentIndex() == 0;
    pages_->setCurrentIndex(toSnapshot ? 1 : 0);
    toggle_->setText(toSnapshot ? QStringLiteral("Bordro Bilgileri") : QStringLiteral("Maaş Bilgileri"));
}

void StoredMonthDialog::printPayslip()
{
    if (!month_)
        return;
    std::optional<payrolldocs::ArchivePayslipData> data;
    try {
        data = payrolldocs::loadArchivePayslip(session_.main(), {key_.YIL, key_.AY, key_.TUR}, key_.PKAYNO, key_.BKOD,
                                               key_.PKOD, session_.ctx.today.isValid() ? session_.ctx.today.year()
                                                                                       : QDate::currentDate().year());
    } catch (const db::DbError &e) {
        prompter_.inform(this, e.text);
        return;
    }
    if (!data || !report::choosePrinter(this, printer_))
        return;
    payrolldocs::previewArchivePayslip(this, printer_, *data);
}

void openStoredMonth(QWidget *parent, Session &session, zeran::ui::Prompter &prompter, const results::RowKey &key)
{
    StoredMonthDialog d(session, prompter, key, parent);
    d.exec();
}

}  // namespace zeran::archive::ui
