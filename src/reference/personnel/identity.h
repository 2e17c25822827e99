#pragma once
// The answer of the identity-query program: the text file it leaves behind, read line by
// line, and what the registry record takes over from it.

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace zeran::personnel {

/// A T.C. identity number as the query needs it: exactly 11 ASCII digits.
bool isIdentityNumber(const QString &text);

/// Identity and address data of one answer.
struct IdentityAnswer {
    QString TCKNO;
    QString ADI;
    QString SOYADI;
    QString BABA;
    QString ANA;
    QString medeniHal;   ///< marital status as text
    QString dogumTarihiText;  ///< as the file has it ("d/m/yyyy")
    QDate dogumTarihi;   ///< invalid when the text is not a date
    QString cinsiyet;    ///< sex as text
    QString dogumYeri;

    bool addressFound = false;
    QString addressError;  ///< the address query's error text ("HK2:1")
    QString il, ilKod, ilce, ilceKod, belde, beldeKod, koy, mahalle, mahalleKod, cadde, caddeKod;
    QString disKapi, icKapi;
};

/// How a result file reads.
struct IdentityReading {
    enum class Kind {
        Answer,        ///< "HK1:0" for the number asked: `answer` is filled
        QueryFailed,   ///< "HK1:1": `errorText` is the program's message
        Mismatch,      ///< "HK1:0" for another number than the one asked
        Unrecognised,  ///< any other first line: nothing to show
    };
    Kind kind = Kind::Unrecognised;
    QString errorText;
    IdentityAnswer answer;
};

/// The file's lines, each trimmed. The program may write UTF-8 (with or without a byte
/// order mark) or the Windows Turkish code page; both are read.
QStringList identityFileLines(const QByteArray &content);

/// Reads the lines of a result file for the identity number `asked`.
IdentityReading readIdentityAnswer(const QStringList &lines, const QString &asked);

/// "d/m/yyyy" (each part one or more digits, four-digit year); invalid otherwise.
QDate parseSlashDate(const QString &text);

/// The home address taken over: the non-empty parts town, village, neighbourhood, street
/// and outer door number joined by single spaces, then "/" and the inner door number when
/// there is one.
QString takeOverAddress(const IdentityAnswer &a);

inline constexpr const char *kIdentityNoPermission = "Dikkat! NVI Giriş yetkiniz Yoktur.";
inline constexpr const char *kIdentityNumberMissing = "Dikkat! TC Kimlik Numarası Girmelisiniz.";
inline constexpr const char *kIdentityNumberWrong = "Dikkat! TC Kimlik Numarası Hatalı";
inline constexpr const char *kIdentityCouldNotStart = "DİKKAT! NVI.EXE Eklentisi Çalıştırılamadı.";
inline constexpr const char *kIdentityNoFile = "DİKKAT! Dosya Bulunamadı..";
inline constexpr const char *kIdentityMismatch = "Dikkat! Aranan TCK ile Sorgu uyuşmazlığı var.";

}  // namespace zeran::personnel
