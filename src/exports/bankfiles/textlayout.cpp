#include "textlayout.h"

#include <QList>
#include <QStringEncoder>

namespace zeran::bankfiles {

namespace {

const QByteArray kLineEnd("\r\n");

enum class Pad { None, LeftZeros, RightSpaces };

QString whoText(const PaymentRow *row)
{
    if (!row)
        return {};
    return QStringLiteral(": %1 (Sicil No %2)").arg(row->ADSOY().trimmed()).arg(row->PKAYNO);
}

// One field: checked against its width (a longer value would shift every later field), encoded
// in Windows-1254 (a character the code page lacks is refused, never replaced) and padded.
QByteArray field(const QString &value, int width, Pad pad, const QString &name, const PaymentRow *row = nullptr)
{
    if (width > 0 && value.size() > width)
        throw BankFileError(QStringLiteral("DİKKAT! %1 alanı en çok %2 karakter olabilir, \"%3\" %4 karakter%5.")
                                .arg(name)
                                .arg(width)
                                .arg(value)
                                .arg(value.size())
                                .arg(whoText(row)));
    QStringEncoder encoder("windows-1254", QStringConverter::Flag::Stateless);
    QByteArray bytes = encoder.encode(value);
    if (encoder.hasError())
        throw BankFileError(QStringLiteral("DİKKAT! %1 alanında Windows-1254 ile yazılamayan karakter var: \"%2\"%3.")
                                .arg(name, value, whoText(row)));
    const qsizetype missing = width - bytes.size();
    if (missing > 0) {
        if (pad == Pad::LeftZeros)
            bytes.prepend(QByteArray(missing, '0'));
        else if (pad == Pad::RightSpaces)
            bytes.append(QByteArray(missing, ' '));
    }
    return bytes;
}

// Width of what follows the amount on a detail line: first name, surname, description.
constexpr qsizetype kAfterAmount = 50 + 50 + 100;
// The shortest detail line that carries all its fields (an empty account number).
constexpr qsizetype kFullDetail = 2 + 4 + 11 + 18 + kAfterAmount;

// The amount of a detail line of an earlier file, "." read as ",". The account number before it
// has no fixed width, so in a whole line the amount is found by the fixed fields after it;
// a shorter line is read at characters 26–43 (an account number of 8 characters).
Money mergedAmount(const QByteArray &line, int lineNumber)
{
    const qsizetype start = line.size() >= kFullDetail ? line.size() - kAfterAmount - 18 : 25;
    QString text = QString::fromLatin1(line.mid(start, 18));
    text.replace(QLatin1Char('.'), QLatin1Char(','));
    const std::optional<Money> m = text.size() == 18 ? Money::parse(text) : std::nullopt;
    if (!m)
        throw BankFileError(QStringLiteral("DİKKAT! Birleştirilecek dosyanın %1. satırında tutar okunamadı: \"%2\".")
                                .arg(lineNumber)
                                .arg(text));
    return *m;
}

}  // namespace

QString amountText(Money amount)
{
    return plainNumberText(amount.yuvarla1());
}

TextFile textFile(const PaymentHeader &h, const Payments &payments, const QByteArray &earlier)
{
    if (h.SBKOD.size() != 4)
        throw BankFileError(kBranchCodeLength.toString());
    if (!h.paymentDate.isValid())
        throw BankFileError(QStringLiteral("DİKKAT! Ödeme Tarihi geçerli bir tarih değil."));
    const QDateTime now = h.runTimestamp.isValid() ? h.runTimestamp : QDateTime::currentDateTime();
    const QByteArray description = field(h.description, 100, Pad::RightSpaces, QStringLiteral("Açıklama"));

    TextFile out;
    QByteArray &b = out.bytes;
    b += "H";
    b += field(h.KMUSNO.trimmed(), 11, Pad::LeftZeros, QStringLiteral("Kurum Müşteri No"));
    b += field(h.typeCode, 0, Pad::None, QStringLiteral("Türü"));
    b += now.toString(QStringLiteral("yyMMddHHmm")).toLatin1();
    b += now.date().toString(QStringLiteral("yyyyMMdd")).toLatin1();
    b += compactDate(h.paymentDate).toLatin1();
    b += "2";
    b += description;
    b += kLineEnd;

    const QByteArray branch = field(h.SBKOD, 4, Pad::None, QStringLiteral("Şube Kodu"));
    for (const PaymentLine &line : payments.lines) {
        if (!line.paid)
            continue;
        const PaymentRow *who = &line.row;
        b += "DH";
        b += branch;
        b += field(line.account.MUSNO, 11, Pad::LeftZeros, QStringLiteral("Müşteri No"), who);
        b += field(line.account.HESNO, 10, Pad::None, QStringLiteral("Hesap No"), who);
        b += field(amountText(line.amount), 18, Pad::LeftZeros, QStringLiteral("Tutar"), who);
        b += field(line.row.ADI, 50, Pad::RightSpaces, QStringLiteral("Adı"), who);
        b += field(line.row.SOYADI, 50, Pad::RightSpaces, QStringLiteral("Soyadı"), who);
        b += description;
        b += kLineEnd;
        out.total += line.amount;
        ++out.count;
    }

    if (!earlier.isEmpty()) {
        const QList<QByteArray> lines = earlier.split('\n');
        for (qsizetype i = 0; i < lines.size(); ++i) {
            QByteArray line = lines[i];
            if (line.endsWith('\r'))
                line.chop(1);
            if (!line.startsWith("DH"))
                continue;
            out.total += mergedAmount(line, int(i + 1));
            b += line;
            b += kLineEnd;
            ++out.count;
            ++out.merged;
        }
    }

    b += "T";
    b += field(QString::number(out.count), 7, Pad::LeftZeros, QStringLiteral("Kayıt Sayısı"));
    b += field(amountText(out.total), 18, Pad::LeftZeros, QStringLiteral("Toplam"));
    b += kLineEnd;
    return out;
}

}  // namespace zeran::bankfiles
