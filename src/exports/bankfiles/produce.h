#pragma once
// Producing the payment file of a list: the folder checks, the dispatch on the layout and the
// writing itself (text through a save file, so a failure leaves no half-written file;
// workbooks through the spreadsheet layer). The messages are the screen's.

#include "bankfile.h"

namespace zeran::bankfiles {

inline constexpr QStringView kDone = u"Dosya oluşturma işlemi tamamlandı...";
inline constexpr QStringView kFailed = u"DİKKAT! Hata oluştuğundan işlem yapılamadı...";
inline constexpr QStringView kFailedZiraat =
    u"DİKKAT! Hata oluştuğundan işlem yapılamadı..\rExcel açık olabilir, kapatıp yeniden deneyin";
inline constexpr QStringView kFolderMissing = u"DİKKAT! Belirtilen Klasör Bulunamadı.";
inline constexpr QStringView kMonthFolderFailed = u"Dosya için İlgili Ay klasörü Oluşturulamadı.";
inline constexpr QStringView kMergeIsTarget =
    u"DİKKAT! Birleştirilecek dosya, oluşturulacak dosyanın kendisi olamaz.";
inline constexpr QStringView kNothingToPay = u"DİKKAT! Dosyaya yazılacak ödeme bulunamadı.";
inline constexpr QStringView kTemplateMissing = u"DİKKAT! Bankanın şablon dosyası bulunamadı.";
inline constexpr QStringView kOverwrite = u"Dosya zaten var. Üzerine yazılsın mı?";

/// The bank-file folder must exist (kFolderMissing, a line break and the folder); the month's
/// folder under it is made when missing (kMonthFolderFailed). Empty when both are there.
QString prepareFolders(const QString &folder, int month);

struct ProduceRequest {
    Layout layout = Layout::Text;
    PaymentHeader header;
    Payments payments;
    QString path;       ///< "Dosya Yeri": the file to write (a template's own path for "5"/"6")
    QString mergePath;  ///< the earlier file to merge; empty for none
    bool iban = false;  ///< "IBAN Yaz" (templates)
};

struct ProduceResult {
    enum class Outcome {
        Written,           ///< message kDone
        NoFile,            ///< nothing to pay and nothing merged: no file (kNothingToPay)
        Refused,           ///< a check failed before writing; the message says which
        EngineNotStarted,  ///< "EXCEL BAŞLATILAMIYOR"
        Failed,            ///< kFailed (kFailedZiraat for "6"), with the cause on a second line
    };
    Outcome outcome = Outcome::Failed;
    QString message;
    int count = 0;  ///< payment rows written, merged ones included
    int merged = 0;
    Money total;    ///< Σ of the amounts written
    bool written() const { return outcome == Outcome::Written; }
};

/// Writes the file of `request`. An existing file at the path is replaced (templates are
/// filled in place): callers ask first.
ProduceResult produce(const ProduceRequest &request);

/// Whether two paths name the same file (also through links, and before either exists).
bool samePath(const QString &a, const QString &b);

}  // namespace zeran::bankfiles
