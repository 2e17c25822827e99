#include "plans.h"

namespace zeran::posting {

namespace {

PlanLine line(const char *hkod, const char *tur, const char *dur, const QString &acik, const QString &hesap)
{
    PlanLine l;
    l.HKOD = QString::fromLatin1(hkod);
    l.TUR = QString::fromLatin1(tur);
    l.DUR = QString::fromLatin1(dur);
    l.ACIK = acik;
    l.HESAP = hesap;
    return l;
}

// 64 characters in the accounting chart; ZERNAKTAN.ACIK holds 60.
const QString kWithholdings = QStringLiteral("Diğer Ücretler ve Ücret Sayılan Ödemelerden Yap.Tevkifatlar.");
const QString kStampTax = QStringLiteral("Ücret ve Ücret Sayılan Ödemelere Ait Damga Vergisi");

// The salary plan's expense lines (630 and their 830 mirrors). The gross of a payroll row
// holds the raise twice (the person's and the state's share), the lodging allowance and the
// promotion difference: the expense lines carry them so that they equal the gross.
struct Expense {
    const char *code;  // after "630." / "830."
    const char *acik;
    const char *hesap;
};
const Expense kSalaryExpenses[] = {
    {"01.01.01.01", "Temel Maaşlar", "AYTUT+EKGOST+TABAN+KIDEM"},
    {"01.01.02.01", "Zamlar ve Tazminatlar", "YANOD+OHT+EKTAZ+DILTAZ+DIGTAZ+LOJTAZ+EKGOR+ARTIS2+TERFI+EKOD"},
    {"01.01.03.01", "Ödenekler", "KAZ1+KAZ2+KAZ3+KAZ4+KAZ5+KAZ6+KAZ7+KAZ8+KAZ9+KAZ10"},
    {"01.01.04.01", "Sosyal Haklar", "AILEYRD+COCYRD+YEMEK"},
    {"01.01.05.01", "Ek Çalışma Karşılıkları", "FAZMES"},
    {"01.01.09.01", "Diğer Giderler", "EKFARK"},
    {"02.01.06.01", "Sosyal Güvenlik Primi Ödemeleri", "EMKESD+DVERVIADE+GSSI+MYOI"},
};

// The deductions a salary row can withhold, each credited once.
std::vector<PlanLine> salaryDeductions()
{
    return {
        line("360.01.01.02", "A", "K", kWithholdings, QStringLiteral("GELVER")),
        line("360.03.01", "A", "K", kStampTax, QStringLiteral("DAMVER")),
        line("361.01.01.01", "A", "K", QStringLiteral("% 16 Aylık Aidat Kesintisi"), QStringLiteral("EMKESM")),
        line("361.01.02.01", "A", "K", QStringLiteral("% 20 Aylık Aidatı Devlet Katkısı"), QStringLiteral("EMKESD")),
        line("361.10.01.01", "A", "K", QStringLiteral("Malüllük,Yaşlılık ve Emeklilik Primi"), QStringLiteral("GSSP+MYOP")),
        line("361.10.02.01", "A", "K", QStringLiteral("Malüllük,Yaşlılık ve Emeklilik Primi"), QStringLiteral("GSSI+MYOI")),
        line("361.01.02.04", "A", "K", QStringLiteral("%12 GSS PRİMİ"), QStringLiteral("DVERVIADE")),
        line("333.10.03.01.99", "A", "K", QStringLiteral("Türkiye KAMU-SEN e Bağlı Diğer Sendikalar"), QStringLiteral("SEN1")),
        line("333.10.03.01", "A", "K", QStringLiteral("Türkiye KAMU-SEN e Bağlı Sendikalar"), QStringLiteral("SEN2")),
        line("333.10.03.01", "A", "K", QStringLiteral("Türkiye KAMU-SEN e Bağlı  Sendikalar"), QStringLiteral("SEN3")),
        line("333.03.01", "A", "K", QStringLiteral("Normal İcra Kesintisi"), QStringLiteral("ICRA")),
        line("362.02.06.02", "A", "K", QStringLiteral("Kefalet Aidatı Aylık Keseneği"), QStringLiteral("KEFALET")),
        line("361.01.01.03", "A", "K", QStringLiteral("% 100 Artış Kesenekleri(Zerandan)"), QStringLiteral("ARTIS1")),
        line("361.01.02.03", "A", "K", QStringLiteral("% 100 Artış Kesenekleri(Devlet)"), QStringLiteral("ARTIS1")),
        line("333.02.99", "A", "K", QStringLiteral("Kişilere Ait Diğer Emanetler"), QStringLiteral("KES1+KES2+KES3+KES4+KES5+PCEZA")),
        line("333.09.02", "A", "K", QStringLiteral("Kişi Borcu"), QStringLiteral("ACIKKES")),
        line("320", "A", "K", QStringLiteral("Bireysel Emeklilik"), QStringLiteral("BES")),
        line("600.03.06.01.01", "A", "K", QStringLiteral("Lojman Kira Geliri"), QStringLiteral("KIRA")),
        line("361.11", "A", "K", QStringLiteral("Hizmet Borçlanması Keseneği"), QStringLiteral("HIZBOR")),
    };
}

std::vector<PlanLine> salaries(bool memo)
{
    std::vector<PlanLine> out;
    QStringList all;
    for (const Expense &e : kSalaryExpenses) {
        out.push_back(line(("630." + std::string(e.code)).c_str(), "B", "T", QString::fromUtf8(e.acik),
                           QString::fromLatin1(e.hesap)));
        all << QString::fromLatin1(e.hesap);
    }
    out.push_back(line("360.01.01.02", "B", "", kWithholdings, QStringLiteral("VIADE")));
    for (PlanLine &l : salaryDeductions())
        out.push_back(std::move(l));
    out.push_back(line("103.01", "A", "C", QStringLiteral("Verilen Çekler Hesabı"), QStringLiteral("MAAS")));
    for (const Expense &e : kSalaryExpenses)
        out.push_back(line(("830." + std::string(e.code)).c_str(), "B", "", QString::fromUtf8(e.acik),
                           QString::fromLatin1(e.hesap)));
    out.push_back(line("835", "A", "", QStringLiteral("GİDER YANSITMA HESABI"), all.join(QLatin1Char('+'))));
    out.push_back(line("800.03.06.01.01", "A", " ", QStringLiteral("Lojman Kira Geliri"), QStringLiteral("KIRA")));
    out.push_back(line("805", "B", " ", QStringLiteral("Gelir Yansıtma Hesabı"), QStringLiteral("KIRA")));
    if (memo) {
        // The personnel expense without the premiums, and the premiums, as in the 630 lines.
        const QString pay = all.mid(0, 6).join(QLatin1Char('+'));
        const QString premiums = all.at(6);
        out.push_back(line("905.01.01", "B", "", QStringLiteral("ZERANLAR"), pay));
        out.push_back(line("900.01.01", "A", "", QStringLiteral("ZERANLAR"), pay));
        out.push_back(line("905.02.01", "B", "", QStringLiteral("ZERANLAR"), premiums));
        out.push_back(line("900.02.01", "A", "", QStringLiteral("ZERANLAR"), premiums));
    }
    return out;
}

std::vector<PlanLine> mayor(bool memo)
{
    const QString payments = QStringLiteral("Belediye Başkanına Yapılan Ödemeler");
    const QString premiums = QStringLiteral("Sosyal Güvenlik Primi Ödemeleri");
    // A mayor in the retirement fund or under 5510 has premiums in his gross and contributions,
    // garnishments and other deductions withheld: the plan carries them like the salary plan.
    std::vector<PlanLine> out = {
        line("630.01.05.01.51", "B", "T", payments, QStringLiteral("KAZ6")),
        // Social benefits are budget expense like the allowance; the allowance offset below is not.
        line("630.01.01.04.01", "B", "T", QStringLiteral("Sosyal Haklar"), QStringLiteral("AILEYRD+COCYRD")),
        line("630.02.01.06.01", "B", "T", premiums, QStringLiteral("EMKESD+DVERVIADE+GSSI+MYOI")),
        line("360.01.01.02", "B", "", kWithholdings, QStringLiteral("VIADE")),
        line("360.01.01.01", "A", "K", kWithholdings, QStringLiteral("GELVER")),
        line("360.03.01", "A", "K", kStampTax, QStringLiteral("DAMVER")),
        line("361.01.01.01", "A", "K", QStringLiteral("% 16 Aylık Aidat Kesintisi"), QStringLiteral("EMKESM")),
        line("361.01.02.01", "A", "K", QStringLiteral("% 20 Aylık Aidatı Devlet Katkısı"), QStringLiteral("EMKESD")),
        line("361.10.01.01", "A", "K", QStringLiteral("Malüllük,Yaşlılık ve Emeklilik Primi"), QStringLiteral("GSSP+MYOP")),
        line("361.10.02.01", "A", "K", QStringLiteral("Malüllük,Yaşlılık ve Emeklilik Primi"), QStringLiteral("GSSI+MYOI")),
        line("361.01.02.04", "A", "K", QStringLiteral("%12 GSS PRİMİ"), QStringLiteral("DVERVIADE")),
        line("333.03.01", "A", "K", QStringLiteral("Normal İcra Kesintisi"), QStringLiteral("ICRA")),
        line("333.02.99", "A", "K", QStringLiteral("Kişilere Ait Diğer Emanetler"), QStringLiteral("KES1+KES2+KES3+KES4+KES5+PCEZA")),
        line("333.09.02", "A", "K", QStringLiteral("Kişi Borcu"), QStringLiteral("ACIKKES")),
        line("320", "A", "K", QStringLiteral("Bireysel Emeklilik"), QStringLiteral("BES")),
        line("600.03.06.01.01", "A", "K", QStringLiteral("Lojman Kira Geliri"), QStringLiteral("KIRA")),
        line("103.01", "A", "C", QStringLiteral("Verilen Çekler Hesabı"), QStringLiteral("MAAS")),
        line("830.01.05.01.51", "B", "", payments, QStringLiteral("KAZ6")),
        line("830.01.01.04.01", "B", "", QStringLiteral("Sosyal Haklar"), QStringLiteral("AILEYRD+COCYRD")),
        line("830.02.01.06.01", "B", "", premiums, QStringLiteral("EMKESD+DVERVIADE+GSSI+MYOI")),
        line("835", "A", "", QStringLiteral("GİDER YANSITMA HESABI"),
             QStringLiteral("KAZ6+AILEYRD+COCYRD+EMKESD+DVERVIADE+GSSI+MYOI")),
        line("800.03.06.01.01", "A", " ", QStringLiteral("Lojman Kira Geliri"), QStringLiteral("KIRA")),
        line("805", "B", " ", QStringLiteral("Gelir Yansıtma Hesabı"), QStringLiteral("KIRA")),
    };
    if (memo) {
        out.push_back(line("905.01.05", "B", "", QStringLiteral("DİĞER PERSONEL"), QStringLiteral("KAZ6")));
        out.push_back(line("900.01.05", "A", "", QStringLiteral("DİĞER PERSONEL"), QStringLiteral("KAZ6")));
        out.push_back(line("905.01.01", "B", "", QStringLiteral("Sosyal Yardım"), QStringLiteral("AILEYRD+COCYRD")));
        out.push_back(line("900.01.01", "A", "", QStringLiteral("Sosyal Yardım"), QStringLiteral("AILEYRD+COCYRD")));
    }
    return out;
}

std::vector<PlanLine> council(bool memo)
{
    const QString payments = QStringLiteral("Belediye Meclis Üyelerne Yapılan Ödemeler");
    std::vector<PlanLine> out = {
        line("630.01.05.01.52", "B", "T", payments, QStringLiteral("GELTOP")),
        line("333.03.01", "A", "K", QStringLiteral("Normal İcra Kesintisi"), QStringLiteral("ICRA")),
        line("360.01.01.01", "A", "K", kWithholdings, QStringLiteral("GELVER")),
        line("360.03.01", "A", "K", kStampTax, QStringLiteral("DAMVER")),
        // The meal deduction and the personal debt are in the deductions total of these payrolls.
        line("333.02.99", "A", "K", QStringLiteral("Kişilere Ait Diğer Emanetler"), QStringLiteral("KES1+KES2")),
        line("103.01", "A", "C", QStringLiteral("Verilen Çekler Hesabı"), QStringLiteral("MAAS")),
        line("830.01.05.01.52", "B", "", payments, QStringLiteral("GELTOP")),
        line("835", "A", "", QStringLiteral("GİDER YANSITMA HESABI"), QStringLiteral("GELTOP")),
    };
    if (memo) {
        out.push_back(line("905.01.05", "B", "", QStringLiteral("DİĞER PERSONEL"), QStringLiteral("GELTOP")));
        out.push_back(line("900.01.05", "A", "", QStringLiteral("DİĞER PERSONEL"), QStringLiteral("GELTOP")));
    }
    return out;
}

}  // namespace

QString defaultPlanCaption(DefaultPlan plan)
{
    switch (plan) {
    case DefaultPlan::Salaries:
        return QStringLiteral("Zeran Maaşları");
    case DefaultPlan::Mayor:
        return QStringLiteral("Başkan Ödeneği");
    case DefaultPlan::Council:
        return QStringLiteral("Encümen/Meclis");
    }
    return {};
}

QString defaultPurpose(DefaultPlan plan)
{
    return plan == DefaultPlan::Salaries ? QStringLiteral("AYLIK ZERAN MAAŞLARI") : QStringLiteral("AYLIK BAŞKAN MAAŞI");
}

std::vector<PlanLine> defaultPlan(DefaultPlan plan, bool memorandum)
{
    switch (plan) {
    case DefaultPlan::Salaries:
        return salaries(memorandum);
    case DefaultPlan::Mayor:
        return mayor(memorandum);
    case DefaultPlan::Council:
        return council(memorandum);
    }
    return {};
}

QString cashKindOfUnitKind(const QString &mtur)
{
    const QString m = mtur.trimmed();
    if (m == QLatin1String("N"))
        return QStringLiteral("1");
    if (m == QLatin1String("E"))
        return QStringLiteral("4");
    if (m == QLatin1String("M"))
        return QStringLiteral("5");
    if (m == QLatin1String("O"))
        return QStringLiteral("6");
    if (m == QLatin1String("V") || m == QLatin1String("K"))
        return QStringLiteral("7");
    return {};
}

QString cashKindLabel(const QString &naktur)
{
    const QString k = naktur.trimmed();
    if (k == QLatin1String("1"))
        return QStringLiteral("ZERAN MAAŞI");
    if (k == QLatin1String("2"))
        return QStringLiteral("ZERAN MAAŞ FARKI");
    if (k == QLatin1String("4"))
        return QStringLiteral("ENCÜMEN ÖDENEĞİ");
    if (k == QLatin1String("5"))
        return QStringLiteral("MECLİS ÖDENEĞİ");
    if (k == QLatin1String("6"))
        return QStringLiteral("O.MECLİS ÖDENEĞİ");
    if (k == QLatin1String("7"))
        return QStringLiteral("ZERAN VEKİL ÖDENEĞİ");
    return {};
}

QStringList cashKinds()
{
    return {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
            QStringLiteral("7")};
}

std::vector<DefaultPlan> plansOffered(const QString &naktur)
{
    const QString k = naktur.trimmed();
    if (k == QLatin1String("4") || k == QLatin1String("5") || k == QLatin1String("6"))
        return {DefaultPlan::Council};
    if (k == QLatin1String("1") || k == QLatin1String("2") || k == QLatin1String("7"))
        return {DefaultPlan::Salaries, DefaultPlan::Mayor};
    return {};
}

bool takesCurrentAccount(const QString &hkod)
{
    static const char *const prefixes[] = {"320", "330", "333", "140", "160", "161", "162", "165", "910", "911"};
    const QString h = hkod.trimmed();
    for (const char *p : prefixes)
        if (h.startsWith(QLatin1String(p)))
            return true;
    return false;
}

QString fitDescription(const QString &text, int width)
{
    return text.size() <= width ? text : text.left(width);
}

}  // namespace zeran::posting
