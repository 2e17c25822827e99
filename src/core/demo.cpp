#include "demo.h"

#include "money.h"

#include <QDate>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <random>
#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

namespace zeran::demo {

namespace {

using db::Database;
using db::DbError;

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

QVariant text(const char *s)
{
    return QString::fromUtf8(s);
}

/// An amount written as decimal text ("26005.50"), bound as the double nearest to that
/// decimal so that the payroll reads back exactly this amount.
QVariant amount(Money m)
{
    if (m.raw() % 100 != 0)
        throw std::logic_error("demo amount with more than two decimals: " + m.toPlain().toStdString());
    return m.toDouble();
}

QVariant amount(const char *decimal)
{
    const auto m = Money::parsePlain(QString::fromLatin1(decimal));
    if (!m)
        throw std::logic_error(std::string("demo amount is not a number: ") + decimal);
    return amount(*m);
}

/// One prepared statement per table, run once per row with every column bound (a column
/// missing from the row is bound as NULL).
class Writer {
public:
    Writer(const Database &db, QString table, QStringList columns, const QStringList &matching = {})
        : table_(std::move(table)), columns_(std::move(columns))
    {
        QStringList params;
        for (const QString &c : columns_)
            params << QLatin1Char(':') + c;
        QString sql = QStringLiteral("INTO %1 (%2) VALUES (%3)")
                          .arg(table_, columns_.join(QLatin1Char(',')), params.join(QLatin1Char(',')));
        if (matching.isEmpty())
            sql.prepend(QStringLiteral("INSERT "));
        else
            sql = QStringLiteral("UPDATE OR INSERT ") + sql +
                  QStringLiteral(" MATCHING (%1)").arg(matching.join(QLatin1Char(',')));
        query_ = db.prepare(sql);
    }

    void write(const QVariantMap &row)
    {
        for (auto it = row.cbegin(); it != row.cend(); ++it) {
            if (!columns_.contains(it.key()))
                throw std::logic_error(QStringLiteral("demo row of %1 has no column %2").arg(table_, it.key()).toStdString());
        }
        for (const QString &c : columns_)
            query_.bindValue(QLatin1Char(':') + c, row.value(c));
        if (!query_.exec())
            throw DbError(DbError::Kind::Sql, QStringLiteral("%1: %2").arg(table_, query_.lastError().text()));
    }

private:
    QString table_;
    QStringList columns_;
    QSqlQuery query_;
};

/// The demo's only source of variety. The raw engine output is used (never a standard
/// distribution, whose results differ between library implementations), so the rows are
/// the same on every platform.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : gen_(seed) {}
    int below(int n) { return int(gen_() % std::uint32_t(n)); }
    QString digits(int count)
    {
        QString s;
        for (int i = 0; i < count; ++i)
            s += QChar(u'0' + below(10));
        return s;
    }
    template <typename T, std::size_t N> const T &pick(const std::array<T, N> &from) { return from[std::size_t(below(int(N)))]; }

private:
    std::mt19937 gen_;
};

/// An 11-digit identity number with the two check digits of the Turkish rule: the tenth is
/// (7 × sum of digits 1,3,5,7,9 − sum of digits 2,4,6,8) mod 10, the eleventh the sum of the
/// first ten mod 10; the first digit is never 0.
QString identityNumber(Dice &dice)
{
    std::array<int, 11> d{};
    d[0] = 1 + dice.below(9);
    for (int i = 1; i < 9; ++i)
        d[std::size_t(i)] = dice.below(10);
    const int odd = d[0] + d[2] + d[4] + d[6] + d[8];
    const int even = d[1] + d[3] + d[5] + d[7];
    d[9] = ((odd * 7 - even) % 10 + 10) % 10;
    int sum = 0;
    for (int i = 0; i < 10; ++i)
        sum += d[std::size_t(i)];
    d[10] = sum % 10;
    QString s;
    for (int x : d)
        s += QChar(u'0' + x);
    return s;
}

/// "TR", two check digits (ISO 13616, mod 97), the 5-digit bank code, a reserved 0 and a
/// 16-digit account number.
QString iban(const QString &bankCode, const QString &account)
{
    const QString bban = bankCode + QLatin1Char('0') + account;
    int rest = 0;
    for (const QChar c : bban + QStringLiteral("292700"))  // "TR00" moved to the end, T=29, R=27
        rest = (rest * 10 + c.digitValue()) % 97;
    return QStringLiteral("TR%1%2").arg(98 - rest, 2, 10, QLatin1Char('0')).arg(bban);
}

/// A day of `year`; month and day are drawn one after the other (never as two arguments of
/// one call, whose evaluation order is unspecified).
QDate dayIn(Dice &dice, int year)
{
    const int month = 1 + dice.below(12);
    const int day = 1 + dice.below(28);
    return QDate(year, month, day);
}

int fullYears(const QDate &from, const QDate &to)
{
    int y = to.year() - from.year();
    if (QDate(to.year(), from.month(), from.day()) > to)
        --y;
    return std::max(0, y);
}

// ---- Indicator table --------------------------------------------------------------

// Monthly indicators of grades 1-15 by step; 0 where the grade has no such step.
constexpr std::array<std::array<int, 9>, 15> kIndicators = {{
    {1320, 1380, 1440, 1500, 0, 0, 0, 0, 0},
    {1155, 1210, 1265, 1320, 1380, 1440, 0, 0, 0},
    {1020, 1065, 1110, 1155, 1210, 1265, 1320, 1380, 0},
    {915, 950, 985, 1020, 1065, 1110, 1155, 1210, 1265},
    {835, 865, 895, 915, 950, 985, 1020, 1065, 1110},
    {760, 785, 810, 835, 865, 895, 915, 950, 985},
    {705, 720, 740, 760, 785, 810, 835, 865, 895},
    {660, 675, 690, 705, 720, 740, 760, 785, 810},
    {620, 630, 645, 660, 675, 690, 705, 720, 740},
    {590, 600, 610, 620, 630, 645, 660, 675, 690},
    {560, 570, 580, 590, 600, 610, 620, 630, 645},
    {545, 550, 555, 560, 570, 580, 590, 600, 610},
    {530, 535, 540, 545, 550, 555, 560, 570, 580},
    {515, 520, 525, 530, 535, 540, 545, 550, 555},
    {500, 505, 510, 515, 520, 525, 530, 535, 540},
}};

int indicator(int grade, int step)
{
    return kIndicators[std::size_t(grade - 1)][std::size_t(step - 1)];
}

int stepsOf(int grade)
{
    const auto &row = kIndicators[std::size_t(grade - 1)];
    return int(std::count_if(row.begin(), row.end(), [](int v) { return v > 0; }));
}

struct Grade {
    int der;
    int kad;
};

/// Grade and step after `years` of service: one step a year, one grade up after three
/// steps in a grade, until the ceiling of the education level; then steps only.
Grade career(Grade entry, int ceiling, int years)
{
    Grade g = entry;
    for (int y = 0; y < years; ++y) {
        if (g.der > ceiling && g.kad >= 3) {
            --g.der;
            g.kad = 1;
        } else if (g.kad < stepsOf(g.der)) {
            ++g.kad;
        }
    }
    return g;
}

// Education levels: codes of the TNM list 7 delivered with the database.
enum Education { Ilkogretim = 1, Lise = 3, Onlisans = 4, Lisans = 5, YuksekLisans = 6 };

Grade entryGrade(int education)
{
    switch (education) {
    case Ilkogretim: return {15, 1};
    case Lise: return {13, 2};
    case Onlisans: return {11, 1};
    case YuksekLisans: return {9, 2};
    default: return {9, 1};
    }
}

int gradeCeiling(int education)
{
    switch (education) {
    case Ilkogretim: return 5;
    case Lise: return 3;
    default: return 1;
    }
}

// ---- Service classes, titles, supplementary indicators -----------------------------

enum ServiceClass { GIH = 1, TH = 2, SH = 3, AH = 4, YH = 5 };

struct Title {
    int ukod;
    const char *name;
    int yop;    // supplementary-payment points
    int snf;    // service class, 0 for elected members
    char alt;   // subclass
    int oht;    // special-service allowance, % of the highest civil-servant pay
    int ekod;   // additional payment, same basis
    int ektaz;  // additional-allowance points
};

constexpr int kMudur = 5;
constexpr int kMeclisUyesi = 18;
constexpr int kEncumenUyesi = 19;

const std::array<Title, 19> kTitles = {{
    {1, "MEMUR", 700, GIH, 'C', 60, 40, 0},
    {2, "ŞEF", 900, GIH, 'B', 95, 45, 0},
    {3, "MÜHENDİS", 1700, TH, 'A', 190, 84, 10},
    {4, "TEKNİKER", 1100, TH, 'B', 120, 60, 0},
    {5, "MÜDÜR", 1600, GIH, 'A', 150, 84, 0},
    {6, "ZABITA MEMURU", 1000, GIH, 'C', 80, 60, 0},
    {7, "V.H.K.İ.", 800, GIH, 'C', 65, 45, 0},
    {8, "AVUKAT", 1500, AH, 'A', 155, 90, 15},
    {9, "TEKNİSYEN", 1000, TH, 'C', 110, 55, 0},
    {10, "MİMAR", 1700, TH, 'A', 190, 84, 10},
    {11, "VEZNEDAR", 800, GIH, 'C', 65, 45, 0},
    {12, "TAHSİLDAR", 800, GIH, 'C', 65, 45, 0},
    {13, "HİZMETLİ", 500, YH, 'A', 40, 35, 0},
    {14, "ŞOFÖR", 800, GIH, 'C', 60, 40, 0},
    {15, "HEMŞİRE", 900, SH, 'B', 90, 60, 0},
    {16, "BİLGİSAYAR İŞLETMENİ", 750, GIH, 'C', 60, 40, 0},
    {17, "ZABITA KOMİSERİ", 1200, GIH, 'B', 100, 65, 0},
    {kMeclisUyesi, "MECLİS ÜYESİ", 0, 0, ' ', 0, 0, 0},
    {kEncumenUyesi, "ENCÜMEN ÜYESİ", 0, 0, ' ', 0, 0, 0},
}};

const Title &title(int ukod)
{
    for (const Title &t : kTitles) {
        if (t.ukod == ukod)
            return t;
    }
    throw std::logic_error("demo title missing");
}

struct ClassRow {
    int snf;
    const char *name;
};

const std::array<ClassRow, 5> kClasses = {{
    {GIH, "GENEL İDARE HİZMETLERİ"},
    {TH, "TEKNİK HİZMETLER"},
    {SH, "SAĞLIK HİZMETLERİ VE YARDIMCI SAĞLIK HİZMETLERİ"},
    {AH, "AVUKATLIK HİZMETLERİ"},
    {YH, "YARDIMCI HİZMETLER"},
}};

struct SubclassRow {
    int snf;
    char alt;
    const char *name;
    std::array<int, 4> extra;  // supplementary indicator of grades 1-4 (demo values)
};

const std::array<SubclassRow, 11> kSubclasses = {{
    {GIH, 'A', "MÜDÜRLER", {3600, 2200, 1600, 0}},
    {GIH, 'B', "ŞEFLER VE KOMİSERLER", {3000, 2200, 1600, 0}},
    {GIH, 'C', "MEMURLAR VE DİĞER PERSONEL", {2200, 1600, 0, 0}},
    {TH, 'A', "MÜHENDİS VE MİMARLAR", {4800, 3600, 3000, 2200}},
    {TH, 'B', "TEKNİKERLER", {3000, 2200, 1600, 0}},
    {TH, 'C', "TEKNİSYENLER", {2200, 1600, 0, 0}},
    {SH, 'A', "TABİPLER", {4800, 3600, 3000, 2200}},
    {SH, 'B', "HEMŞİRE VE SAĞLIK MEMURLARI", {2200, 1600, 0, 0}},
    {AH, 'A', "AVUKATLAR", {4800, 3600, 3000, 2200}},
    {YH, 'A', "HİZMETLİ VE BEKÇİLER", {0, 0, 0, 0}},
    {YH, 'B', "AŞÇI VE KALORİFERCİLER", {0, 0, 0, 0}},
}};

int extraIndicator(int snf, char alt, int grade)
{
    if (grade < 1 || grade > 4)
        return 0;
    for (const SubclassRow &s : kSubclasses) {
        if (s.snf == snf && s.alt == alt)
            return s.extra[std::size_t(grade - 1)];
    }
    return 0;
}

// ---- Units ------------------------------------------------------------------------

enum Unit { YaziIsleri = 1, FenIsleri = 2, MaliHizmetler = 3, Meclis = 4, Encumen = 5, Vekalet = 6 };

struct UnitRow {
    int bkod;
    const char *name;
    char mtur;
    const char *baslik;
    const char *mas, *mun, *tas, *tun, *ias, *iun;
};

const std::array<UnitRow, 6> kUnits = {{
    {YaziIsleri, "YAZI İŞLERİ MÜDÜRLÜĞÜ", 'N', "YAZI İŞLERİ MAAŞ BORDROSU", "Zeynep ARSLAN", "MEMUR", "Ayten ÖZTÜRK",
     "V.H.K.İ.", "Hüseyin KORKMAZ", "YAZI İŞLERİ MÜDÜRÜ"},
    {FenIsleri, "FEN İŞLERİ MÜDÜRLÜĞÜ", 'N', "FEN İŞLERİ MAAŞ BORDROSU", "Çiğdem SARI", "MEMUR", "Sultan ALTUN", "V.H.K.İ.",
     "Ahmet YILMAZ", "FEN İŞLERİ MÜDÜRÜ"},
    {MaliHizmetler, "MALİ HİZMETLER MÜDÜRLÜĞÜ", 'N', "MALİ HİZMETLER MAAŞ BORDROSU", "Tuncay BAYRAM", "V.H.K.İ.",
     "Emine ÇETİN", "V.H.K.İ.", "Mehmet ÖZKAN", "MALİ HİZMETLER MÜDÜRÜ"},
    {Meclis, "BELEDİYE MECLİSİ", 'M', "MECLİS ÜYELERİ HUZUR HAKKI", "Zeynep ARSLAN", "MEMUR", "Ayten ÖZTÜRK", "V.H.K.İ.",
     "Hüseyin KORKMAZ", "YAZI İŞLERİ MÜDÜRÜ"},
    {Encumen, "BELEDİYE ENCÜMENİ", 'E', "ENCÜMEN HUZUR HAKKI BORDROSU", "Zeynep ARSLAN", "MEMUR", "Ayten ÖZTÜRK",
     "V.H.K.İ.", "Hüseyin KORKMAZ", "YAZI İŞLERİ MÜDÜRÜ"},
    {Vekalet, "VEKALET ÜCRETLERİ", 'K', "VEKALET ÜCRETİ BORDROSU", "Zeynep ARSLAN", "MEMUR", "Ayten ÖZTÜRK", "V.H.K.İ.",
     "Hüseyin KORKMAZ", "YAZI İŞLERİ MÜDÜRÜ"},
}};

// ---- People -----------------------------------------------------------------------

struct Person {
    const char *adi, *soyadi;
    char cins;              // 'E' / 'K'
    int unit;               // salary unit; 0 for an elected council member
    int ukod;
    int education;
    int yearsAgo;           // entered service this many years before the working year
    int lag;                // years of promotion lost
    char mhal, esi;         // esi 0 when not married
    std::vector<int> kids;  // ages on 1 January of the working year
};

// Numbered 1..50 in the comments; the special cases below refer to these numbers.
const std::vector<Person> &people()
{
    static const std::vector<Person> list = {
        {"Hüseyin", "KORKMAZ", 'E', YaziIsleri, kMudur, Lisans, 27, 0, '1', '2', {14, 19}},  // 1
        {"Ayten", "ÖZTÜRK", 'K', YaziIsleri, 7, Lise, 22, 1, '1', '1', {10}},               // 2
        {"Mustafa", "ŞAHİN", 'E', YaziIsleri, 2, Onlisans, 16, 0, '1', '2', {3, 9}},        // 3
        {"Zeynep", "ARSLAN", 'K', YaziIsleri, 1, Lisans, 9, 0, '2', 0, {}},                 // 4
        {"Emre", "DOĞAN", 'E', YaziIsleri, 16, Onlisans, 6, 0, '2', 0, {}},                 // 5
        {"Fatma", "YILDIZ", 'K', YaziIsleri, 1, Lise, 28, 2, '1', '3', {16, 21}},           // 6
        {"Serkan", "AYDIN", 'E', YaziIsleri, 6, Lise, 12, 0, '1', '2', {1, 4, 8}},          // 7
        {"Gökhan", "KILIÇ", 'E', YaziIsleri, 6, Onlisans, 4, 0, '1', '1', {0}},             // 8
        {"Elif", "ÇELİK", 'K', YaziIsleri, 6, Lisans, 3, 0, '2', 0, {}},                    // 9
        {"Recep", "KARA", 'E', YaziIsleri, 17, Lise, 24, 1, '1', '2', {11, 15}},            // 10
        {"Hatice", "KOÇ", 'K', YaziIsleri, 1, Lisans, 7, 1, '1', '1', {0, 2}},              // 11
        {"Osman", "POLAT", 'E', YaziIsleri, 14, Lise, 30, 0, '1', '2', {}},                 // 12
        {"Derya", "GÜNEŞ", 'K', YaziIsleri, 1, Lisans, 11, 0, '1', '1', {5}},               // 13
        {"Burak", "TEKİN", 'E', YaziIsleri, 1, Lisans, 0, 0, '2', 0, {}},                   // 14
        {"Tuğba", "DEMİR", 'K', YaziIsleri, 8, Lisans, 6, 0, '2', 0, {}},                   // 15
        {"Ahmet", "YILMAZ", 'E', FenIsleri, kMudur, Lisans, 25, 0, '1', '1', {12, 18}},     // 16
        {"Cem", "ÖZDEMİR", 'E', FenIsleri, 3, Lisans, 14, 0, '1', '2', {2, 5}},             // 17
        {"Merve", "AKIN", 'K', FenIsleri, 10, YuksekLisans, 8, 0, '1', '1', {1}},           // 18
        {"İbrahim", "BULUT", 'E', FenIsleri, 4, Onlisans, 21, 0, '1', '2', {9, 13, 16}},    // 19
        {"Hasan", "KESKİN", 'E', FenIsleri, 9, Lise, 26, 0, '1', '2', {19}},                // 20
        {"Süleyman", "ÇAKIR", 'E', FenIsleri, 9, Lise, 17, 0, '1', '2', {4, 8, 12, 14}},    // 21
        {"Ümit", "ÜNAL", 'E', FenIsleri, 3, Lisans, 5, 0, '2', 0, {}},                      // 22
        {"Kemal", "UÇAR", 'E', FenIsleri, 13, Ilkogretim, 29, 0, '1', '2', {}},             // 23
        {"Halil", "GÖK", 'E', FenIsleri, 14, Lise, 15, 0, '1', '1', {3}},                   // 24
        {"Nurcan", "AKSOY", 'K', FenIsleri, 4, Onlisans, 10, 0, '3', 0, {8}},               // 25
        {"Murat", "ŞİMŞEK", 'E', FenIsleri, 3, Lisans, 2, 0, '1', '1', {}},                 // 26
        {"Yusuf", "BOZKURT", 'E', FenIsleri, 9, Lise, 20, 2, '1', '2', {5, 10}},            // 27
        {"Sultan", "ALTUN", 'K', FenIsleri, 7, Lisans, 13, 0, '1', '1', {0}},               // 28
        {"Barış", "IŞIK", 'E', FenIsleri, 4, Onlisans, 1, 0, '2', 0, {}},                   // 29
        {"Ramazan", "TÜRKMEN", 'E', FenIsleri, 13, Ilkogretim, 19, 0, '1', '2', {10, 13}},  // 30
        {"Çiğdem", "SARI", 'K', FenIsleri, 1, Lisans, 11, 0, '1', '2', {3, 9}},             // 31
        {"Mehmet", "ÖZKAN", 'E', MaliHizmetler, kMudur, Lisans, 23, 0, '1', '1', {15}},     // 32
        {"Gülşen", "ERDOĞAN", 'K', MaliHizmetler, 2, Lisans, 19, 0, '1', '1', {10, 14}},    // 33
        {"Ali", "GÜLER", 'E', MaliHizmetler, 11, Lise, 14, 0, '1', '2', {1, 8}},            // 34
        {"Ayşe", "KURT", 'K', MaliHizmetler, 12, Lise, 9, 0, '1', '1', {4}},                // 35
        {"Emine", "ÇETİN", 'K', MaliHizmetler, 7, Lisans, 16, 0, '1', '2', {2, 11}},        // 36
        {"Abdullah", "KAYA", 'E', MaliHizmetler, 1, Lise, 31, 0, '1', '3', {}},             // 37
        {"Songül", "YILDIRIM", 'K', MaliHizmetler, 1, Onlisans, 5, 0, '2', 0, {}},          // 38
        {"Oğuz", "ASLAN", 'E', MaliHizmetler, 16, Onlisans, 12, 0, '1', '1', {0, 3}},       // 39
        {"Şükrü", "ÖZER", 'E', MaliHizmetler, 1, Lise, 27, 0, '1', '2', {17}},              // 40
        {"İlknur", "KARACA", 'K', MaliHizmetler, 1, Lisans, 3, 0, '2', 0, {}},              // 41
        {"Erdoğan", "ŞEN", 'E', MaliHizmetler, 12, Lise, 22, 0, '1', '2', {12, 15}},        // 42
        {"Zehra", "GÜLTEKİN", 'K', MaliHizmetler, 1, Lisans, 10, 0, '1', '1', {5}},         // 43
        {"Tuncay", "BAYRAM", 'E', MaliHizmetler, 7, Lisans, 19, 0, '1', '2', {7, 12}},      // 44
        {"Meryem", "ACAR", 'K', MaliHizmetler, 1, Lise, 8, 0, '1', '1', {2}},               // 45
        {"Necati", "ERGÜN", 'E', 0, kMeclisUyesi, Lisans, 0, 0, '1', '2', {}},              // 46
        {"Sevgi", "TOPRAK", 'K', 0, kMeclisUyesi, Lisans, 0, 0, '1', '1', {}},              // 47
        {"Cengiz", "ATEŞ", 'E', 0, kMeclisUyesi, Lise, 0, 0, '1', '2', {}},                 // 48
        {"Filiz", "ÖZGÜR", 'K', 0, kMeclisUyesi, Onlisans, 0, 0, '2', 0, {}},               // 49
        {"Orhan", "KAPLAN", 'E', 0, kMeclisUyesi, Lise, 0, 0, '1', '2', {}},                // 50
    };
    return list;
}

// Special cases, by the numbers of the list above.
constexpr int kActingPerson = 3;      // acts for person 1, the director of unit 1
constexpr int kStoodIn = 1;
constexpr int kNewEntrant = 14;       // entered on 17 January: part month
constexpr int kEntryDay = 17;
const std::map<int, int> kUnionOf = {  // person -> union (1 or 2)
    {2, 1},  {3, 1},  {4, 2},  {6, 1},  {7, 1},  {8, 2},  {10, 1}, {12, 1}, {17, 1},
    {19, 1}, {20, 1}, {21, 2}, {23, 1}, {24, 1}, {25, 1}, {27, 2}, {29, 1}, {30, 1},
    {31, 1}, {34, 1}, {36, 1}, {38, 1}, {40, 1}, {41, 2}, {42, 1}, {44, 2}, {45, 1}};
constexpr int kLeftUnion = 39;
const QSet<int> kHigherRetirementGrade = {6, 12, 19, 30, 32, 40};
const QSet<int> kCommitteeStaff = {16, 32};  // directors sitting on the committee

const std::array<const char *, 16> kMaleNames = {"Ahmet", "Mehmet", "Mustafa", "Ali", "Hüseyin", "Hasan", "İsmail", "Osman",
                                                 "Yusuf", "Ömer", "Halil", "Süleyman", "Şükrü", "İbrahim", "Kadir", "Nuri"};
const std::array<const char *, 16> kFemaleNames = {"Fatma", "Ayşe", "Emine", "Hatice", "Zeynep", "Meryem", "Şerife", "Zehra",
                                                   "Sultan", "Hanife", "Gülsüm", "Özlem", "Gülay", "Nuran", "Saniye", "Ümran"};
const std::array<const char *, 10> kBoys = {"Yusuf", "Eymen", "Ömer Asaf", "Kerem", "Emir", "Alparslan", "Mehmet Ali", "Berat",
                                            "Ahmet Efe", "Göktuğ"};
const std::array<const char *, 10> kGirls = {"Zeynep", "Elif", "Defne", "Asel", "Eylül", "Nehir", "Azra", "Ecrin", "Duru",
                                             "Irmak"};
const std::array<const char *, 10> kBirthPlaces = {"ANKARA", "KONYA", "ESKİŞEHİR", "ÇORUM", "KIRŞEHİR",
                                                   "YOZGAT", "SİVAS", "KAYSERİ", "ÇANKIRI", "AKSARAY"};
const std::array<const char *, 8> kQuarters = {"Bahçelievler", "Cumhuriyet", "Atatürk", "Gazi",
                                               "Yıldırım Beyazıt", "Şehitlik", "İncek", "Karşıyaka"};
const std::array<const char *, 5> kBanks = {"00010", "00012", "00015", "00046", "00062"};

// Province and district codes (the institution is in ANKARA / GÖLBAŞI).
constexpr int kAnkara = 6;
constexpr int kGolbasi = 3;

/// Sosyal denge (extra earning 1) by title.
const char *socialBalance(int ukod)
{
    switch (ukod) {
    case kMudur: return "7500.00";
    case 3: case 8: case 10: return "7000.00";
    case 2: case 17: return "6500.00";
    default: return "6000.00";
    }
}

/// Children's ledger row education code by age.
QString schooling(int age)
{
    if (age <= 5)
        return QStringLiteral("O");
    if (age <= 13)
        return u8("İ");
    if (age <= 17)
        return QStringLiteral("L");
    return QStringLiteral("Y");
}

// ---- Statements ---------------------------------------------------------------------

QStringList columns(const char *list)
{
    return QString::fromLatin1(list).split(QLatin1Char(','), Qt::SkipEmptyParts);
}

const QStringList &payColumns()
{
    static const QStringList c = columns(
        "PKAYNO,BKOD,PKOD,UKOD,DURUM,PERTUR,GSSTUR,SNFKOD,SNFALTKOD,DER,KAD,GOS,EGOS,MDER,MKAD,MGOS,MEGOS,"
        "KIDEM,YOP,OHT,EKOD,EKTAZ,LTAZ,DIGTAZ,DTAZ,MESAI,COC1,COC2,DIGCOC,MHAL,ESI,AGI,ACOCYRD,SAKDER,RAPOR,"
        "KGUN,KISTEMKES,TFA,GF,EKGF,KIDART,TERTAR,YDER,YKAD,YGOS,YEGOS,YKID,KEFALET,SENDIKA,SENKOD,YIG,VEKIL,"
        "BES,BESKOD,BESORAN,KES1,KES2,KES3,KES4,KES5,KAZ1,KAZ2,KAZ3,KAZ4,KAZ5,KAZ6,KAZ7,KAZ8,KAZ9,KAZ10,"
        "KAZS1,KAZS2,KAZS3,KAZS4,KAZS5,KAZS6,KAZS7,KAZS8,KAZS9,KAZS10,PCEZA,KIRA,OZIN,HIZBOR,HIZBORDUR,ICRA,"
        "KISZAMAN,YEMEKGUN,GUN,OTUR,OTURUM,VEKBKOD,VEKPKAYNO,HKOD,MDUR,ZERAN");
    return c;
}

/// A pay record with every input the payroll reads set to its neutral value.
QVariantMap neutralPayRecord()
{
    QVariantMap r;
    for (const char *c : {"DER", "KAD", "GOS", "EGOS", "MDER", "MKAD", "MGOS", "MEGOS", "KIDEM", "YOP", "OHT", "EKOD",
                          "COC1", "COC2", "DIGCOC", "SAKDER", "RAPOR", "TFA", "GF", "EKGF", "KIDART", "YEMEKGUN", "GUN",
                          "OTUR"})
        r[QLatin1String(c)] = 0;
    for (const char *c : {"EKTAZ", "KGUN", "OTURUM", "BESORAN"})
        r[QLatin1String(c)] = 0.0;
    for (const char *c : {"LTAZ", "DIGTAZ", "DTAZ", "MESAI", "KES1", "KES2", "KES3", "KES4", "KES5", "PCEZA", "KIRA",
                          "OZIN", "HIZBOR", "ICRA"})
        r[QLatin1String(c)] = amount("0");
    for (int k = 1; k <= 10; ++k) {
        r[QStringLiteral("KAZ%1").arg(k)] = 0.0;
        r[QStringLiteral("KAZS%1").arg(k)] = QStringLiteral("H");
    }
    for (const char *c : {"AGI", "KISTEMKES", "KEFALET", "SENDIKA", "YIG", "VEKIL", "BES", "KISZAMAN"})
        r[QLatin1String(c)] = QStringLiteral("H");
    r[QStringLiteral("ACOCYRD")] = QStringLiteral("E");
    r[QStringLiteral("DURUM")] = QStringLiteral("E");
    r[QStringLiteral("PERTUR")] = QStringLiteral("M");
    r[QStringLiteral("HIZBORDUR")] = false;
    return r;
}

/// Everything one person contributes besides the pay records.
struct Built {
    qint64 pkayno = 0;
    QDate kgt;
    QVariantMap salary;  // the pay record in the salary unit (empty for elected members)
};

class DemoWriter {
public:
    DemoWriter(Database &db, const Options &o) : db_(db), o_(o), jan1_(o.year, 1, 1) {}

    void run()
    {
        checkEmpty();
        settings();
        codeLists();
        units();
        titles();
        indicators();
        definitions();
        staff();
        ledgers();
        rates();  // last: a conflicting rate row must undo everything above
    }

private:
    qint64 maxPlusOne(const QString &sql) const { return db_.scalar(sql).toLongLong() + 1; }

    void checkEmpty() const
    {
        const qint64 units = db_.scalar(QStringLiteral("SELECT COUNT(*) FROM BIRIM WHERE TUR='M'")).toLongLong();
        const qint64 persons = db_.scalar(QStringLiteral("SELECT COUNT(*) FROM SICIL")).toLongLong();
        if (units > 0 || persons > 0)
            throw DbError(DbError::Kind::Create,
                          u8("Örnek kurum yalnızca boş bir veritabanına yüklenebilir (birim veya personel kaydı var)."));
    }

    void settings()
    {
        const QStringList cols = columns(
            "KURUM,KKOD,ILKOD,ILCEKOD,CYIL,FORM,OTOODE,SEN,ONIZ,UDUR,MAIL,KEF,KMUSNO,SBKOD,BDTUR,ISSN,SKOD,SADI,ADRES,"
            "VERNO,KHESNO,TTBA,TTSA,BORTEK,MBORTUR,MKESDUR,MBKOD,IZL,MODEMEBKOD,PEKFARK,ASUCISTISNA,HBORKESDUR,YEMEKGV,"
            "YEMEKGSS,BMAIL,MHOST,NUFUS");
        QStringList sets;
        for (const QString &c : cols)
            sets << QStringLiteral("%1=:%1").arg(c);
        QSqlQuery q = db_.prepare(QStringLiteral("UPDATE PTANIM SET ") + sets.join(QLatin1Char(',')));
        const QVariantMap v = {
            {QStringLiteral("KURUM"), text("ÖRNEK BELEDİYESİ")},
            {QStringLiteral("KKOD"), 6034},
            {QStringLiteral("ILKOD"), kAnkara},
            {QStringLiteral("ILCEKOD"), kGolbasi},
            {QStringLiteral("CYIL"), QString::number(o_.year)},
            {QStringLiteral("FORM"), QStringLiteral("E")},
            {QStringLiteral("OTOODE"), QStringLiteral("H")},
            {QStringLiteral("SEN"), QStringLiteral("2")},  // unions on the base-pay basis take ORN % of TABAY
            {QStringLiteral("ONIZ"), QStringLiteral("E")},
            {QStringLiteral("UDUR"), QStringLiteral("H")},
            {QStringLiteral("MAIL"), QStringLiteral("bilgi@ornek.bel.tr")},
            {QStringLiteral("KEF"), QStringLiteral("1")},
            {QStringLiteral("KMUSNO"), QStringLiteral("4815162")},
            {QStringLiteral("SBKOD"), QStringLiteral("0712")},
            {QStringLiteral("BDTUR"), QStringLiteral("T")},
            {QStringLiteral("ISSN"), QStringLiteral("28411010112345670060357000")},
            {QStringLiteral("SKOD"), 60034},
            {QStringLiteral("SADI"), text("ÖRNEK BELEDİYESİ MUHASEBE BİRİMİ")},
            {QStringLiteral("ADRES"), text("Atatürk Cad. No:1 Gölbaşı/ANKARA")},
            {QStringLiteral("VERNO"), QStringLiteral("6480012345")},
            {QStringLiteral("KHESNO"), QStringLiteral("07120000123")},
            {QStringLiteral("TTBA"), text("ÖRNEK BANKASI")},
            {QStringLiteral("TTSA"), text("GÖLBAŞI ŞUBESİ")},
            {QStringLiteral("BORTEK"), QStringLiteral("E")},
            {QStringLiteral("MBORTUR"), QStringLiteral("1")},
            {QStringLiteral("MKESDUR"), QStringLiteral("O")},
            {QStringLiteral("MBKOD"), int(YaziIsleri)},
            {QStringLiteral("IZL"), QStringLiteral("H")},
            {QStringLiteral("MODEMEBKOD"), int(MaliHizmetler)},
            {QStringLiteral("PEKFARK"), false},
            {QStringLiteral("ASUCISTISNA"), QStringLiteral("E")},
            {QStringLiteral("HBORKESDUR"), QStringLiteral("O")},
            {QStringLiteral("YEMEKGV"), false},
            {QStringLiteral("YEMEKGSS"), false},
            {QStringLiteral("BMAIL"), QStringLiteral("maas@ornekbank.com.tr")},
            {QStringLiteral("MHOST"), QStringLiteral("mail.ornek.bel.tr")},
            {QStringLiteral("NUFUS"), 48250},
        };
        for (const QString &c : cols)
            q.bindValue(QLatin1Char(':') + c, v.value(c));
        if (!q.exec())
            throw DbError(DbError::Kind::Sql, QStringLiteral("PTANIM: %1").arg(q.lastError().text()));
    }

    void codeLists()
    {
        Writer il(db_, QStringLiteral("IL"), columns("ILKOD,ILADI"), columns("ILKOD"));
        const std::array<std::pair<int, const char *>, 5> provinces = {
            {{kAnkara, "ANKARA"}, {26, "ESKİŞEHİR"}, {34, "İSTANBUL"}, {35, "İZMİR"}, {42, "KONYA"}}};
        for (const auto &[code, name] : provinces)
            il.write({{QStringLiteral("ILKOD"), code}, {QStringLiteral("ILADI"), u8(name)}});

        Writer ilce(db_, QStringLiteral("ILCE"), columns("ILCEKOD,ILKOD,ILCE"), columns("ILCEKOD"));
        struct District {
            int code, province;
            const char *name;
        };
        const std::array<District, 11> districts = {{{1, kAnkara, "ÇANKAYA"},
                                                     {2, kAnkara, "KEÇİÖREN"},
                                                     {kGolbasi, kAnkara, "GÖLBAŞI"},
                                                     {4, kAnkara, "POLATLI"},
                                                     {5, 26, "ODUNPAZARI"},
                                                     {6, 26, "TEPEBAŞI"},
                                                     {7, 34, "KADIKÖY"},
                                                     {8, 34, "ÜSKÜDAR"},
                                                     {9, 35, "BORNOVA"},
                                                     {10, 42, "SELÇUKLU"},
                                                     {11, 42, "MERAM"}}};
        for (const District &d : districts)
            ilce.write({{QStringLiteral("ILCEKOD"), d.code},
                        {QStringLiteral("ILKOD"), d.province},
                        {QStringLiteral("ILCE"), u8(d.name)}});

        Writer snf(db_, QStringLiteral("HIZSNF"), columns("SNFKOD,SINIF"), columns("SNFKOD"));
        for (const ClassRow &c : kClasses)
            snf.write({{QStringLiteral("SNFKOD"), c.snf}, {QStringLiteral("SINIF"), u8(c.name)}});

        Writer sub(db_, QStringLiteral("HIZSNF1"), columns("SNFKOD,ALTKOD,ACIK"), columns("SNFKOD,ALTKOD"));
        Writer extra(db_, QStringLiteral("EKGOSTAN"), columns("SNFKOD,ALTKOD,DER,EKGOS"));
        for (const SubclassRow &s : kSubclasses) {
            sub.write({{QStringLiteral("SNFKOD"), s.snf},
                       {QStringLiteral("ALTKOD"), QString(QLatin1Char(s.alt))},
                       {QStringLiteral("ACIK"), u8(s.name)}});
            for (int grade = 1; grade <= 4; ++grade) {
                const int v = s.extra[std::size_t(grade - 1)];
                if (v > 0)
                    extra.write({{QStringLiteral("SNFKOD"), s.snf},
                                 {QStringLiteral("ALTKOD"), QString(QLatin1Char(s.alt))},
                                 {QStringLiteral("DER"), grade},
                                 {QStringLiteral("EKGOS"), double(v)}});
            }
        }
    }

    void units()
    {
        Writer w(db_, QStringLiteral("BIRIM"),
                 columns("BKOD,BIRIM,TUR,MTUR,AKTIF,MAS,MUN,TAS,TUN,IAS,IUN,SAS,SUN,BASLIK,TTBA,TTSA"));
        for (const UnitRow &u : kUnits) {
            w.write({{QStringLiteral("BKOD"), u.bkod},
                     {QStringLiteral("BIRIM"), u8(u.name)},
                     {QStringLiteral("TUR"), QStringLiteral("M")},
                     {QStringLiteral("MTUR"), QString(QLatin1Char(u.mtur))},
                     {QStringLiteral("AKTIF"), QStringLiteral("A")},
                     {QStringLiteral("MAS"), u8(u.mas)},
                     {QStringLiteral("MUN"), u8(u.mun)},
                     {QStringLiteral("TAS"), u8(u.tas)},
                     {QStringLiteral("TUN"), u8(u.tun)},
                     {QStringLiteral("IAS"), u8(u.ias)},
                     {QStringLiteral("IUN"), u8(u.iun)},
                     {QStringLiteral("SAS"), text("Gülşen ERDOĞAN")},
                     {QStringLiteral("SUN"), text("MUHASEBE YETKİLİSİ")},
                     {QStringLiteral("BASLIK"), u8(u.baslik)},
                     {QStringLiteral("TTBA"), text("ÖRNEK BANKASI")},
                     {QStringLiteral("TTSA"), text("GÖLBAŞI ŞUBESİ")}});
        }
    }

    void titles()
    {
        Writer w(db_, QStringLiteral("UNTAN"), columns("UKOD,UNVAN,YOP"), columns("UKOD"));
        for (const Title &t : kTitles)
            w.write({{QStringLiteral("UKOD"), t.ukod}, {QStringLiteral("UNVAN"), u8(t.name)}, {QStringLiteral("YOP"), double(t.yop)}});
    }

    void indicators()
    {
        Writer w(db_, QStringLiteral("GOSTAN"), columns("DER,K1,K2,K3,K4,K5,K6,K7,K8,K9,K10,K11,K12"), columns("DER"));
        for (int grade = 1; grade <= 15; ++grade) {
            QVariantMap row{{QStringLiteral("DER"), grade}};
            for (int step = 1; step <= stepsOf(grade); ++step)
                row[QStringLiteral("K%1").arg(step)] = indicator(grade, step);
            w.write(row);
        }
    }

    void definitions()
    {
        // Extra earnings: slots 1-5 in use, 6-10 as a fresh database lays them out.
        Writer earn(db_, QStringLiteral("ZERHESTUR"), columns("HNO,BKOD,ADI,DUR,GV,DV,EMK,IND,TUR,SEK,TUTAR,BRUTNET,KOD"),
                    columns("HNO,BKOD"));
        struct Earning {
            const char *adi, *dur, *gv, *dv, *emk, *ind, *tur, *sek, *tutar, *brutnet;
        };
        const std::array<Earning, 5> used = {{
            {"SOSYAL DENGE", "V", "E", "E", "H", "H", "D", nullptr, nullptr, "B"},
            {"TİS İKRAMİYESİ", "V", "E", "E", "H", "H", "P", "1", nullptr, "B"},  // 707 points × coefficient
            {"KOORDİNASYON", "V", "E", "E", "H", "H", "P", "2", nullptr, "B"},    // % of the highest civil-servant pay
            {"SEYYANEN ZAM", "V", "H", "E", "H", "H", "S", nullptr, "8138.89", "B"},
            {"NÖBET ÜCRETİ", "V", "E", "E", "H", "H", "D", nullptr, nullptr, "B"},
        }};
        for (int hno = 1; hno <= 10; ++hno) {
            QVariantMap row{{QStringLiteral("HNO"), hno}, {QStringLiteral("BKOD"), 1}, {QStringLiteral("KOD"), QStringLiteral("G")}};
            if (hno <= int(used.size())) {
                const Earning &e = used[std::size_t(hno - 1)];
                row[QStringLiteral("ADI")] = u8(e.adi);
                row[QStringLiteral("DUR")] = QLatin1String(e.dur);
                row[QStringLiteral("GV")] = QLatin1String(e.gv);
                row[QStringLiteral("DV")] = QLatin1String(e.dv);
                row[QStringLiteral("EMK")] = QLatin1String(e.emk);
                row[QStringLiteral("IND")] = QLatin1String(e.ind);
                row[QStringLiteral("TUR")] = QLatin1String(e.tur);
                if (e.sek)
                    row[QStringLiteral("SEK")] = QLatin1String(e.sek);
                if (e.tutar)
                    row[QStringLiteral("TUTAR")] = amount(e.tutar);
                row[QStringLiteral("BRUTNET")] = QLatin1String(e.brutnet);
            } else {
                row[QStringLiteral("ADI")] = QStringLiteral("%1. Hesap Adı").arg(hno);
                row[QStringLiteral("DUR")] = QStringLiteral("Y");
                row[QStringLiteral("GV")] = QStringLiteral("H");
                row[QStringLiteral("DV")] = QStringLiteral("H");
                row[QStringLiteral("IND")] = QStringLiteral("H");
                row[QStringLiteral("TUR")] = QStringLiteral("D");
            }
            earn.write(row);
        }

        Writer ded(db_, QStringLiteral("ZERKES"), columns("HARNO,KESADI,TUTAR,AKTIF"));
        const qint64 firstDeduction = maxPlusOne(QStringLiteral("SELECT MAX(HARNO) FROM ZERKES"));
        const std::array<std::tuple<const char *, const char *, const char *>, 4> deductions = {{
            {"KOOPERATİF AİDATI", "500.00", "A"},
            {"PERSONEL DERNEĞİ AİDATI", "100.00", "A"},
            {"MAAŞ AVANSI", "0", "A"},
            {"NAFAKA", "0", "P"},
        }};
        for (std::size_t i = 0; i < deductions.size(); ++i) {
            const auto &[name, tutar, aktif] = deductions[i];
            ded.write({{QStringLiteral("HARNO"), firstDeduction + qint64(i)},
                       {QStringLiteral("KESADI"), u8(name)},
                       {QStringLiteral("TUTAR"), amount(tutar)},
                       {QStringLiteral("AKTIF"), QLatin1String(aktif)}});
        }

        Writer uni(db_, QStringLiteral("SENDIKA"), columns("SENKOD,TUR,SENDIKA,ADRES,ORN,HTUR,BHNO,HKOD,HESAP"));
        union1_ = maxPlusOne(QStringLiteral("SELECT MAX(SENKOD) FROM SENDIKA"));
        union2_ = union1_ + 1;
        // 7.5 per mille of the stamp-tax base; 1.5 % of the base pay (PTANIM.SEN "2").
        uni.write({{QStringLiteral("SENKOD"), union1_},
                   {QStringLiteral("TUR"), QStringLiteral("M")},
                   {QStringLiteral("SENDIKA"), text("YEREL YÖNETİM HİZMETLERİ SEN.")},
                   {QStringLiteral("ADRES"), text("Kızılay Meydanı No:7 Çankaya/ANKARA")},
                   {QStringLiteral("ORN"), 7.5},
                   {QStringLiteral("HTUR"), QStringLiteral("D")},
                   {QStringLiteral("BHNO"), iban(QStringLiteral("00012"), QStringLiteral("0000000071234501"))},
                   {QStringLiteral("HKOD"), QStringLiteral("333.01.02.01")},
                   {QStringLiteral("HESAP"), QStringLiteral("A")}});
        uni.write({{QStringLiteral("SENKOD"), union2_},
                   {QStringLiteral("TUR"), QStringLiteral("M")},
                   {QStringLiteral("SENDIKA"), text("BELEDİYE VE İDARE MEMUR SEN.")},
                   {QStringLiteral("ADRES"), text("Ziya Gökalp Cad. No:21 Çankaya/ANKARA")},
                   {QStringLiteral("ORN"), 1.5},
                   {QStringLiteral("HTUR"), QStringLiteral("T")},
                   {QStringLiteral("BHNO"), iban(QStringLiteral("00015"), QStringLiteral("0000000098765402"))},
                   {QStringLiteral("HKOD"), QStringLiteral("333.01.02.02")},
                   {QStringLiteral("HESAP"), QStringLiteral("A")}});

        Writer bes(db_, QStringLiteral("BESFIRMA"), columns("FKOD,FIRMA,ADRES,BHNO,HKOD"));
        pension_ = maxPlusOne(QStringLiteral("SELECT MAX(FKOD) FROM BESFIRMA"));
        bes.write({{QStringLiteral("FKOD"), pension_},
                   {QStringLiteral("FIRMA"), text("ÖRNEK HAYAT VE EMEKLİLİK A.Ş.")},
                   {QStringLiteral("ADRES"), text("Büyükdere Cad. No:120 Şişli/İSTANBUL")},
                   {QStringLiteral("BHNO"), iban(QStringLiteral("00046"), QStringLiteral("0000000055500103"))},
                   {QStringLiteral("HKOD"), QStringLiteral("333.01.05")}});
    }

    void staff()
    {
        Writer sicil(db_, QStringLiteral("SICIL"),
                     columns("PKAYNO,TCKNO,EMSNO,ADI,SOYADI,BABA,ANA,OGRDUR,ADRES,TEL1,TEL2,GKUR,ILKOD,ILCEKOD,DYER,DTAR,KGT,"
                             "TERTAR,KSN,SSN,PERNO,VERNO,MBKOD,BHN,INO,CINS,IGTAR,ICTAR,CIKSNDN"));
        Writer cocuk(db_, QStringLiteral("COCUK"), columns("PKAYNO,HNO,ADSOY,DTAR,ODUR,CINS,ANA,BABA"));
        qint64 childNo = maxPlusOne(QStringLiteral("SELECT MAX(HNO) FROM COCUK"));

        Dice dice(20260101u);
        QSet<QString> identities;
        const auto &list = people();
        built_.resize(list.size() + 1);
        for (std::size_t i = 0; i < list.size(); ++i) {
            const int n = int(i) + 1;
            const Person &p = list[i];
            const bool elected = p.unit == 0;
            Built &b = built_[std::size_t(n)];
            b.pkayno = db_.nextGeneratorValue(QStringLiteral("GEN_PKAYNO"));

            QString tc;
            do {
                tc = identityNumber(dice);
            } while (identities.contains(tc));
            identities.insert(tc);

            if (n == kNewEntrant)
                b.kgt = QDate(o_.year, 1, kEntryDay);
            else if (!elected)
                b.kgt = dayIn(dice, o_.year - p.yearsAgo);
            const int ageAtEntry = p.education >= Lisans ? 23 : p.education == Onlisans ? 21 : 19;
            const int ageThen = elected ? 42 + dice.below(18) : ageAtEntry + dice.below(4);
            const QDate birth = dayIn(dice, (elected ? o_.year : b.kgt.year()) - ageThen);
            const bool retirementFund = !elected && b.kgt < QDate(2008, 10, 1);
            const QString account = dice.digits(16);
            const QString bank = QLatin1String(dice.pick(kBanks));
            const QString mobile = QStringLiteral("05%1%2 %3 %4 %5")
                                       .arg(3 + dice.below(3))
                                       .arg(dice.below(10))
                                       .arg(dice.digits(3))
                                       .arg(dice.digits(2))
                                       .arg(dice.digits(2));
            const QString address = u8("%1 Mah. %2. Sok. No:%3")
                                        .arg(u8(dice.pick(kQuarters)))
                                        .arg(1 + dice.below(60))
                                        .arg(1 + dice.below(40));
            const bool male = p.cins == 'E';
            QString emsno = tc;
            if (retirementFund) {
                emsno = QString::number(1 + dice.below(9));
                emsno += dice.digits(7);
            }

            QVariantMap s{
                {QStringLiteral("PKAYNO"), b.pkayno},
                {QStringLiteral("TCKNO"), tc},
                {QStringLiteral("EMSNO"), emsno},
                {QStringLiteral("ADI"), u8(p.adi)},
                {QStringLiteral("SOYADI"), u8(p.soyadi)},
                {QStringLiteral("BABA"), u8(dice.pick(kMaleNames))},
                {QStringLiteral("ANA"), u8(dice.pick(kFemaleNames))},
                {QStringLiteral("OGRDUR"), p.education},
                {QStringLiteral("ADRES"), address},
                {QStringLiteral("TEL2"), mobile},
                {QStringLiteral("ILKOD"), kAnkara},
                {QStringLiteral("ILCEKOD"), n % 4 == 0 ? 1 : n % 7 == 0 ? 4 : kGolbasi},
                {QStringLiteral("DYER"), u8(dice.pick(kBirthPlaces))},
                {QStringLiteral("DTAR"), birth},
                {QStringLiteral("KSN"), QString::number(5000 + n)},
                {QStringLiteral("VERNO"), tc},
                {QStringLiteral("MBKOD"), (n == 37 || n == 50) ? u8("Hayır") : QStringLiteral("Evet")},
                // Customer number "-" account number, as the institution's bank layout reads it.
                {QStringLiteral("BHN"), account.left(6) + QLatin1Char('-') + account.mid(6)},
                {QStringLiteral("INO"), iban(bank, account)},
                {QStringLiteral("CINS"), QString(QLatin1Char(p.cins))},
            };
            if (!elected) {
                s[QStringLiteral("TEL1")] = QStringLiteral("0312 484 %1 %2").arg(10 + p.unit).arg(10 + n);
                s[QStringLiteral("KGT")] = b.kgt;
                s[QStringLiteral("TERTAR")] = QDate(o_.year + (n == kNewEntrant ? 1 : 0), b.kgt.month(), b.kgt.day());
                s[QStringLiteral("PERNO")] = QStringLiteral("P%1").arg(n, 4, 10, QLatin1Char('0'));
            }
            if (n == 13)
                s[QStringLiteral("GKUR")] = text("GÖLBAŞI KAYMAKAMLIĞI");
            if (n == 16)
                s[QStringLiteral("GKUR")] = text("KARAYOLLARI 4. BÖLGE");
            if (kUnionOf.count(n) || n == kLeftUnion) {
                s[QStringLiteral("SSN")] = QStringLiteral("S-%1").arg(n * 37 + 1000);
                s[QStringLiteral("IGTAR")] = b.kgt.addYears(1).addDays(dice.below(200));
            }
            if (n == kLeftUnion) {
                s[QStringLiteral("ICTAR")] = QDate(o_.year - 1, 9, 30);
                s[QStringLiteral("CIKSNDN")] = text("ÜYELİKTEN İSTİFA");
            }
            sicil.write(s);

            // Children: ages are kept away from 6 so the counts hold all through the year.
            int young = 0, older = 0;
            const char *spouse = dice.pick(male ? kFemaleNames : kMaleNames);
            for (int age : p.kids) {
                if (age == 6)
                    throw std::logic_error("demo child aged 6 would change counters within the year");
                (age <= 5 ? young : older)++;
                const bool boy = dice.below(2) == 0;
                cocuk.write({{QStringLiteral("PKAYNO"), b.pkayno},
                             {QStringLiteral("HNO"), childNo++},
                             {QStringLiteral("ADSOY"), u8(dice.pick(boy ? kBoys : kGirls)) + QLatin1Char(' ') + u8(p.soyadi)},
                             {QStringLiteral("DTAR"), dayIn(dice, o_.year - 1 - age)},
                             {QStringLiteral("ODUR"), schooling(age)},
                             {QStringLiteral("CINS"), boy ? QStringLiteral("E") : QStringLiteral("K")},
                             {QStringLiteral("ANA"), male ? u8(spouse) : u8(p.adi)},
                             {QStringLiteral("BABA"), male ? u8(p.adi) : u8(spouse)}});
            }

            if (!elected)
                b.salary = salaryRecord(n, p, b, retirementFund, young, older);
        }
        payRecords();
    }

    QVariantMap salaryRecord(int n, const Person &p, const Built &b, bool retirementFund, int young, int older)
    {
        const Title &t = title(p.ukod);
        const int kidem = fullYears(b.kgt, jan1_);
        const Grade g = career(entryGrade(p.education), gradeCeiling(p.education), std::max(0, kidem - p.lag));
        Grade m = g;
        if (kHigherRetirementGrade.contains(n) && g.der > 1)
            m = {g.der - 1, std::min(g.kad, stepsOf(g.der - 1))};

        QVariantMap r = neutralPayRecord();
        r[QStringLiteral("PKAYNO")] = b.pkayno;
        r[QStringLiteral("BKOD")] = p.unit;
        r[QStringLiteral("UKOD")] = t.ukod;
        r[QStringLiteral("GSSTUR")] = retirementFund ? QStringLiteral("E") : QStringLiteral("5");
        r[QStringLiteral("SNFKOD")] = t.snf;
        r[QStringLiteral("SNFALTKOD")] = QString(QLatin1Char(t.alt));
        r[QStringLiteral("DER")] = g.der;
        r[QStringLiteral("KAD")] = g.kad;
        r[QStringLiteral("GOS")] = indicator(g.der, g.kad);
        r[QStringLiteral("EGOS")] = extraIndicator(t.snf, t.alt, g.der);
        r[QStringLiteral("MDER")] = m.der;
        r[QStringLiteral("MKAD")] = m.kad;
        r[QStringLiteral("MGOS")] = indicator(m.der, m.kad);
        r[QStringLiteral("MEGOS")] = extraIndicator(t.snf, t.alt, m.der);
        r[QStringLiteral("YDER")] = g.der;
        r[QStringLiteral("YKAD")] = g.kad;
        r[QStringLiteral("YGOS")] = r.value(QStringLiteral("GOS"));
        r[QStringLiteral("YEGOS")] = r.value(QStringLiteral("EGOS"));
        r[QStringLiteral("KIDEM")] = kidem;
        r[QStringLiteral("YKID")] = kidem;
        r[QStringLiteral("YOP")] = t.yop;
        r[QStringLiteral("OHT")] = t.oht + (g.der <= 3 ? 10 : 0);
        r[QStringLiteral("EKOD")] = t.ekod;
        r[QStringLiteral("EKTAZ")] = double(t.ektaz);
        r[QStringLiteral("COC1")] = young;
        r[QStringLiteral("COC2")] = older;
        r[QStringLiteral("DIGCOC")] = young + older;
        r[QStringLiteral("MHAL")] = QString(QLatin1Char(p.mhal));
        if (p.esi)
            r[QStringLiteral("ESI")] = QString(QLatin1Char(p.esi));
        r[QStringLiteral("TERTAR")] = QDate(o_.year + (n == kNewEntrant ? 1 : 0), b.kgt.month(), b.kgt.day());
        r[QStringLiteral("KAZ1")] = amount(socialBalance(t.ukod));
        r[QStringLiteral("KAZS4")] = QStringLiteral("E");
        if (p.unit == FenIsleri || t.ukod == 6 || t.ukod == 17)
            r[QStringLiteral("YEMEKGUN")] = 21;
        if (kUnionOf.count(n)) {
            r[QStringLiteral("SENDIKA")] = QStringLiteral("E");
            r[QStringLiteral("SENKOD")] = kUnionOf.at(n) == 1 ? union1_ : union2_;
            r[QStringLiteral("KAZ2")] = 707.0;  // collective-agreement bonus points of the quarter
        }
        if (t.ukod == kMudur)
            r[QStringLiteral("KAZ3")] = 20.0;

        auto set = [&r](const char *column, const QVariant &v) { r[QLatin1String(column)] = v; };
        switch (n) {
        case kStoodIn: set("RAPOR", 20); break;  // on sick report; person 3 stands in
        case 2: set("KES1", amount("500.00")); break;
        case 4: case 18: case 15:
            set("BES", QStringLiteral("E"));
            set("BESKOD", pension_);
            set("BESORAN", 3.0);
            if (n == 15)
                set("DTAZ", amount("1450.00"));  // language allowance
            break;
        case 7: case 8: case 9: set("KAZ5", amount("1200.00")); if (n == 7) set("MESAI", amount("1800.00")); break;
        case 10: set("DURUM", QStringLiteral("A")); break;  // suspended
        case 11:  // unpaid leave after childbirth
            set("DURUM", u8("Ü"));
            set("KAZ1", amount("0"));
            break;
        case 12: set("KES1", amount("500.00")); break;
        case 13:  // on temporary duty here: only the municipality's own earning is paid
            set("PERTUR", QStringLiteral("D"));
            set("GSSTUR", QStringLiteral("Y"));
            set("ACOCYRD", QStringLiteral("H"));
            set("KAZS4", QStringLiteral("H"));
            set("KAZ1", amount("6500.00"));
            break;
        case kNewEntrant: set("KGUN", 15.0); set("KISTEMKES", QStringLiteral("E")); break;
        case 16: set("DIGTAZ", amount("2500.00")); break;
        case 19: set("KES2", amount("100.00")); break;
        case 20: set("LTAZ", amount("900.00")); set("KES1", amount("500.00")); break;
        case 22: set("PERTUR", QStringLiteral("S")); break;  // contract staff
        case 23: set("SAKDER", 2); break;                     // disability degree 2
        case 24: set("MESAI", amount("2400.00")); break;
        case 26: set("VEKIL", QStringLiteral("E")); break;    // deputy, paid two thirds
        case 27:                                              // promoted one step, two months unpaid
            set("TFA", 2);
            set("GF", indicator(g.der, g.kad) - (g.kad > 1 ? indicator(g.der, g.kad - 1) : indicator(g.der + 1, 3)));
            break;
        case 28: set("KISZAMAN", QStringLiteral("E")); break; // part-time
        case 29: set("KES3", amount("2000.00")); break;        // salary advance
        case 32: set("KES2", amount("100.00")); break;
        case 33: set("YIG", QStringLiteral("E")); break;       // first-entry fee of the surety fund
        case 36: set("KIDART", 20); set("KES1", amount("500.00")); break;
        case 37:  // retired at the end of last year
            set("DURUM", QStringLiteral("H"));
            set("KAZ1", amount("0"));
            break;
        case 40:
            set("PCEZA", amount("250.00"));
            set("OZIN", amount("850.00"));
            break;
        case 42: set("KIRA", amount("1500.00")); set("KES1", amount("500.00")); break;
        case 45: set("RAPOR", 5); break;
        default: break;
        }
        if (p.unit == MaliHizmetler && (t.ukod == kMudur || t.ukod == 2 || t.ukod == 11 || t.ukod == 12))
            r[QStringLiteral("KEFALET")] = QStringLiteral("E");
        const QString durum = r.value(QStringLiteral("DURUM")).toString();
        if (durum != QLatin1String("E") && durum != QLatin1String("A"))
            r[QStringLiteral("YEMEKGUN")] = 0;
        return r;
    }

    void payRecords()
    {
        Writer w(db_, QStringLiteral("ZERBORBIL"), payColumns());
        std::map<int, int> nextCode;  // unit -> next PKOD
        auto add = [&](QVariantMap r) {
            const int unit = r.value(QStringLiteral("BKOD")).toInt();
            r[QStringLiteral("PKOD")] = ++nextCode[unit];
            w.write(r);
        };
        const auto &list = people();
        for (std::size_t i = 1; i < built_.size(); ++i) {
            if (!built_[i].salary.isEmpty())
                add(built_[i].salary);
        }

        // Council: every elected member; the committee: two of them and two directors.
        auto meeting = [&](int n, int unit, int ukod, int sessions) {
            const Person &p = list[std::size_t(n - 1)];
            const QVariantMap &own = built_[std::size_t(n)].salary;
            QVariantMap r = neutralPayRecord();
            r[QStringLiteral("PKAYNO")] = built_[std::size_t(n)].pkayno;
            r[QStringLiteral("BKOD")] = unit;
            r[QStringLiteral("UKOD")] = ukod;
            r[QStringLiteral("PERTUR")] = QStringLiteral("D");
            r[QStringLiteral("GSSTUR")] = QStringLiteral("Y");
            r[QStringLiteral("ACOCYRD")] = QStringLiteral("H");
            r[QStringLiteral("MHAL")] = QString(QLatin1Char(p.mhal));
            if (p.esi)
                r[QStringLiteral("ESI")] = QString(QLatin1Char(p.esi));
            for (const char *c : {"COC1", "COC2", "DIGCOC"})
                r[QLatin1String(c)] = own.value(QLatin1String(c), 0);
            r[QStringLiteral("OTURUM")] = double(unit == Meclis ? 1 : sessions);  // council fee is by month
            r[QStringLiteral("OTUR")] = sessions;
            r[QStringLiteral("GUN")] = sessions;
            return r;
        };
        for (int n = 46; n <= 50; ++n) {
            QVariantMap r = meeting(n, Meclis, kMeclisUyesi, 3);
            if (n == 48)
                r[QStringLiteral("KES1")] = amount("150.00");  // meal deduction
            if (n == 49)
                r[QStringLiteral("KAZ1")] = amount("500.00");  // "Diğer"
            add(r);
        }
        for (int n : {46, 47, 16, 32}) {
            const bool staffMember = kCommitteeStaff.contains(n);
            QVariantMap r = meeting(n, Encumen, staffMember ? kMudur : kEncumenUyesi, 4);
            if (staffMember)
                r[QStringLiteral("ZERAN")] = QStringLiteral("M");  // civil servant: half the fee
            add(r);
        }

        // Acting: person 3 stands in for the director of unit 1.
        const QVariantMap &own = built_[kActingPerson].salary;
        const QVariantMap &post = built_[kStoodIn].salary;
        auto diff = [&](const char *c) {
            return std::max(0, post.value(QLatin1String(c)).toInt() - own.value(QLatin1String(c)).toInt());
        };
        QVariantMap r = neutralPayRecord();
        r[QStringLiteral("PKAYNO")] = built_[kActingPerson].pkayno;
        r[QStringLiteral("BKOD")] = int(Vekalet);
        r[QStringLiteral("UKOD")] = kMudur;
        r[QStringLiteral("GSSTUR")] = own.value(QStringLiteral("GSSTUR"));
        for (const char *c : {"MHAL", "ESI", "COC1", "COC2", "DIGCOC", "SNFKOD", "SNFALTKOD"})
            r[QLatin1String(c)] = own.value(QLatin1String(c));
        r[QStringLiteral("GOS")] = post.value(QStringLiteral("GOS"));
        r[QStringLiteral("EGOS")] = post.value(QStringLiteral("EGOS"));
        r[QStringLiteral("OHT")] = diff("OHT");
        r[QStringLiteral("EKOD")] = diff("EKOD");
        r[QStringLiteral("YOP")] = diff("YOP");
        r[QStringLiteral("OTURUM")] = 20.0;
        r[QStringLiteral("GUN")] = 20;
        r[QStringLiteral("VEKPKAYNO")] = built_[kStoodIn].pkayno;
        r[QStringLiteral("VEKBKOD")] = int(YaziIsleri);
        add(r);
    }

    void ledgers()
    {
        const QStringList cols = columns("PKAYNO,HARNO,BASTAR,ACIK,TUTAR,KESTUT,DUR");
        Writer icra(db_, QStringLiteral("ICRA"), cols);
        Writer hizbor(db_, QStringLiteral("HIZBOR"), cols);
        auto row = [&](int n, const QDate &start, const QString &acik, const char *tutar, const char *kestut, const char *dur) {
            return QVariantMap{{QStringLiteral("PKAYNO"), built_[std::size_t(n)].pkayno},
                               {QStringLiteral("HARNO"), db_.nextGeneratorValue(QStringLiteral("GEN_HARNO"))},
                               {QStringLiteral("BASTAR"), start},
                               {QStringLiteral("ACIK"), acik},
                               {QStringLiteral("TUTAR"), amount(tutar)},
                               {QStringLiteral("KESTUT"), amount(kestut)},
                               {QStringLiteral("DUR"), QLatin1String(dur)}};
        };
        const int y = o_.year;
        icra.write(row(19, QDate(y - 3, 3, 15), u8("POLATLI İCRA DAİRESİ %1/872 E.").arg(y - 3), "12500.00", "2500.00", "T"));
        icra.write(row(19, QDate(y - 1, 11, 4), u8("ANKARA 12. İCRA DAİRESİ %1/14523 E.").arg(y - 1), "48000.00", "4000.00", "D"));
        icra.write(row(40, QDate(y - 1, 6, 20), u8("ANKARA 4. İCRA DAİRESİ %1/9051 E.").arg(y - 1), "21750.00", "3625.00", "D"));
        hizbor.write(row(20, QDate(y - 1, 9, 1), u8("ASKERLİK BORÇLANMASI"), "38400.00", "1600.00", "D"));
        hizbor.write(row(44, QDate(y - 4, 2, 1), u8("ASKERLİK BORÇLANMASI"), "9600.00", "800.00", "T"));
    }

    void rates()
    {
        // 2025 first half and the 2026 first-half coefficients are the published ones; the
        // 2025 second-half and 2026 second-half coefficients, the supplementary-indicator
        // supplements, the disability allowances of 2026, meal amounts, the report rate and
        // the fee amounts are demo values.
        struct Period {
            int year;
            const char *don;
            double katsayi, yod, tak;
            const char *yemek, *sakder1, *sakder2, *sakder3;
            const char *asucr, *ust1, *ust2, *ust3, *ust4, *baskan;
        };
        const std::array<Period, 4> periods = {{
            {2025, "1", 1.012556, 0.321115, 15.848415, "180.00", "9900.00", "5700.00", "2400.00", "26005.50", "158000.00",
             "330000.00", "1200000.00", "4300000.00", "92500.00"},
            {2025, "2", 1.165186, 0.369564, 18.238463, "200.00", "9900.00", "5700.00", "2400.00", "26005.50", "158000.00",
             "330000.00", "1200000.00", "4300000.00", "106440.00"},
            {2026, "1", 1.387871, 0.440141, 22.722793, "240.00", "12400.00", "7100.00", "3000.00", "33030.00", "190000.00",
             "400000.00", "1500000.00", "5300000.00", "126780.00"},
            {2026, "2", 1.498901, 0.475352, 24.540616, "260.00", "12400.00", "7100.00", "3000.00", "33030.00", "190000.00",
             "400000.00", "1500000.00", "5300000.00", "136920.00"},
        }};

        Writer legal(db_, QStringLiteral("ZERKANOR"),
                     columns("KAYNO,YIL,DON,KATSAYI,YOD,KAK,TAK,TAG,EYMG,EMKESM,EMKESD,MYOI,MYOP,GSSI,GSSP,BES,EGOSK,EGOSB,"
                             "EGOSEB,EGOS4,EGOS5,EGOS6,EGOS7,AYRDP,CYRDP1,CYRDP2,YEMEK,SAKDER1,SAKDER2,SAKDER3,INDIRIM,RPOR,"
                             "SENDIKA,KEF,BASKAN,ASUCR"));
        Writer tax(db_, QStringLiteral("VEROR"),
                   columns("YIL,DON,UST1,UST2,UST3,UST4,OR1,OR2,OR3,OR4,DVER,BEKOR,EV1OR,EV2OR,COC1OR,COC2OR,COC3OR,COC4OR,"
                           "COC5OR,COC6OR,AGIUST,ASUCR,BASKAN,ENCUMEN,MECLIS,KAZVEROR,SOZPERVOR,ENCMECVOR,BSKYRDVOR"));
        Writer worker(db_, QStringLiteral("ISCKANOR"), columns("YIL,DON,SHI,ISSIZI"));

        qint64 kayno = maxPlusOne(QStringLiteral("SELECT MAX(KAYNO) FROM ZERKANOR"));
        for (const Period &p : periods) {
            const QString yil = QString::number(p.year);
            const QString don = QLatin1String(p.don);
            // Percent columns hold percentages (16 means 16 %); DVER is per mille.
            legal.write({{QStringLiteral("KAYNO"), kayno++},
                         {QStringLiteral("YIL"), yil},
                         {QStringLiteral("DON"), don},
                         {QStringLiteral("KATSAYI"), p.katsayi},
                         {QStringLiteral("YOD"), p.yod},
                         {QStringLiteral("KAK"), 20.0},
                         {QStringLiteral("TAK"), p.tak},
                         {QStringLiteral("TAG"), 1000.0},
                         {QStringLiteral("EYMG"), 9500.0},
                         {QStringLiteral("EMKESM"), 16.0},
                         {QStringLiteral("EMKESD"), 20.0},
                         {QStringLiteral("MYOI"), 20.0},
                         {QStringLiteral("MYOP"), 9.0},
                         {QStringLiteral("GSSI"), 7.5},
                         {QStringLiteral("GSSP"), 5.0},
                         {QStringLiteral("BES"), 3.0},
                         {QStringLiteral("EGOSK"), 20.0},
                         {QStringLiteral("EGOSB"), 40.0},
                         {QStringLiteral("EGOSEB"), 55.0},
                         {QStringLiteral("EGOS4"), 85.0},
                         {QStringLiteral("EGOS5"), 100.0},
                         {QStringLiteral("EGOS6"), 155.0},
                         {QStringLiteral("EGOS7"), 185.0},
                         {QStringLiteral("AYRDP"), 1500.0},
                         {QStringLiteral("CYRDP1"), 500.0},
                         {QStringLiteral("CYRDP2"), 250.0},
                         {QStringLiteral("YEMEK"), amount(p.yemek)},
                         {QStringLiteral("SAKDER1"), amount(p.sakder1)},
                         {QStringLiteral("SAKDER2"), amount(p.sakder2)},
                         {QStringLiteral("SAKDER3"), amount(p.sakder3)},
                         {QStringLiteral("INDIRIM"), amount("0")},  // no general tax-base allowance any more
                         {QStringLiteral("RPOR"), 25.0},
                         {QStringLiteral("SENDIKA"), 0.0},
                         {QStringLiteral("KEF"), 1.0},
                         {QStringLiteral("BASKAN"), 25000.0},
                         {QStringLiteral("ASUCR"), amount(p.asucr)}});

            const Money asucr = *Money::parsePlain(QString::fromLatin1(p.asucr));
            // The allowance limit is the first-bracket tax on the net minimum wage; the
            // committee fee is 2000 and the monthly council fee 6000 indicator points.
            tax.write({{QStringLiteral("YIL"), yil},
                       {QStringLiteral("DON"), don},
                       {QStringLiteral("UST1"), amount(p.ust1)},
                       {QStringLiteral("UST2"), amount(p.ust2)},
                       {QStringLiteral("UST3"), amount(p.ust3)},
                       {QStringLiteral("UST4"), amount(p.ust4)},
                       {QStringLiteral("OR1"), 15.0},
                       {QStringLiteral("OR2"), 20.0},
                       {QStringLiteral("OR3"), 27.0},
                       {QStringLiteral("OR4"), 35.0},
                       {QStringLiteral("DVER"), 7.59},
                       {QStringLiteral("BEKOR"), 50.0},
                       {QStringLiteral("EV1OR"), 50.0},
                       {QStringLiteral("EV2OR"), 10.0},
                       {QStringLiteral("COC1OR"), 7.5},
                       {QStringLiteral("COC2OR"), 7.5},
                       {QStringLiteral("COC3OR"), 10.0},
                       {QStringLiteral("COC4OR"), 5.0},
                       {QStringLiteral("COC5OR"), 5.0},
                       {QStringLiteral("COC6OR"), 5.0},
                       {QStringLiteral("AGIUST"), amount(asucr.mulRate(0.85).mulRate(0.15).yuvarla1())},
                       {QStringLiteral("ASUCR"), amount(asucr)},
                       {QStringLiteral("BASKAN"), amount(p.baskan)},
                       {QStringLiteral("ENCUMEN"), amount(Money::fromRateProduct(2000, p.katsayi).yuvarla1())},
                       {QStringLiteral("MECLIS"), amount(Money::fromRateProduct(6000, p.katsayi).yuvarla1())},
                       {QStringLiteral("KAZVEROR"), 0},
                       {QStringLiteral("SOZPERVOR"), 0},
                       {QStringLiteral("ENCMECVOR"), 0},
                       {QStringLiteral("BSKYRDVOR"), 0}});

            worker.write({{QStringLiteral("YIL"), yil},
                          {QStringLiteral("DON"), don},
                          {QStringLiteral("SHI"), 14.0},
                          {QStringLiteral("ISSIZI"), 1.0}});
        }
    }

    Database &db_;
    Options o_;
    QDate jan1_;
    qint64 union1_ = 0, union2_ = 0, pension_ = 0;
    std::vector<Built> built_;  // by person number, index 0 unused
};

}  // namespace

void fillDemoInstitution(Database &db, const Options &o)
{
    db::Transaction t(db);
    DemoWriter(db, o).run();
    t.commit();
}

}  // namespace zeran::demo
