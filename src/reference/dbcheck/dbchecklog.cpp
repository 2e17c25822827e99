#include "dbchecklog.h"

namespace zeran::dbcheck {

QStringList startLines()
{
    return {kStarted.toString(), QString()};
}

QStringList changeLines(const Counts &c)
{
    QStringList out;
    if (c.payRecordsDeleted > 0)
        out << QStringLiteral("PERSONEL TANIMLARINDA TANIMSIZ %1 BİRİM KAYDI SİLİNDİ").arg(c.payRecordsDeleted) << QString();
    if (c.ledgerRowsCreated > 0)
        out << QStringLiteral("BULUNMAYAN %1 EMEKLİ KESENEKLERİ KAYDI OLUŞTURULDU").arg(c.ledgerRowsCreated) << QString();
    if (c.planHeadersDeleted > 0)
        out << QStringLiteral("NAKİT TANIMLARINDA TANIMSIZ %1 KURUM KAYDI SİLİNDİ").arg(c.planHeadersDeleted);
    if (c.planHeadersCreated > 0)
        out << QStringLiteral("NAKİT TANIMLARINDA BULUNMAYAN %1 KAYIT OLUŞTURULDU").arg(c.planHeadersCreated) << QString();
    return out;
}

QStringList endLines()
{
    return {QString(), kEnded.toString()};
}

QStringList logOf(const Counts &c)
{
    return startLines() + changeLines(c) + endLines();
}

QString question(const Counts &c)
{
    QStringList lines;
    lines << QStringLiteral("Kontrol sonucunda yapılacak değişiklikler:");
    lines << QStringLiteral("Silinecek tanımsız birim personel kaydı: %1").arg(c.payRecordsDeleted);
    lines << QStringLiteral("Oluşturulacak emekli kesenekleri kaydı: %1").arg(c.ledgerRowsCreated);
    lines << QStringLiteral("Silinecek personeli bulunmayan emekli kesenekleri kaydı: %1").arg(c.ledgerRowsDeleted);
    lines << QStringLiteral("Silinecek tanımsız nakit tanımı: %1").arg(c.planHeadersDeleted);
    lines << QStringLiteral("Oluşturulacak nakit tanımı: %1").arg(c.planHeadersCreated);
    lines << QString() << QStringLiteral("DİKKAT! Bu değişiklikler yapılacaktır. Onaylıyormusunuz?");
    return lines.join(QLatin1Char('\n'));
}

}  // namespace zeran::dbcheck
