// zeran-cli words AMOUNT: the amount in Turkish words, as the payment documents print it.

#include "amountwords.h"
#include "money.h"
#include "registry.h"

namespace zeran::cli {

namespace {

// YAZIYLA reads up to twelve lira digits.
constexpr std::int64_t kLargestKurus = 99'999'999'999'999;  // 999.999.999.999,99

int words(const QStringList &args, Io io)
{
    if (args.size() != 1) {
        io.err << "words: tutar (TUTAR) bekleniyor, örnek: zeran-cli words 1234,56"
               << (args.size() > 1 ? QStringLiteral(", fazlası: ") + args.mid(1).join(QLatin1Char(' ')) : QString())
               << "\n";
        return 2;
    }
    // Typed the way a clerk types an amount ("1234,56", "1.234,56"); the words are those of
    // its two-decimal document text, so "1234,5" reads fifty kuruş.
    const std::optional<Money> amount = Money::parse(args.first());
    const bool readable = amount && !amount->isNegative() && amount->raw() % 100 == 0
                          && amount->raw() / 100 <= kLargestKurus;
    if (!readable) {
        io.err << "Tutar okunamadı: " << args.first()
               << " (en çok 999.999.999.999,99, eksi olmayan, en çok iki kuruş hanesi)\n";
        return 1;
    }
    io.out << general::yaziyla(*amount) << "\n";
    return 0;
}

const Registration reg("words", "words TUTAR   tutarı yazıyla yazar (1234,56 -> BinİkiyüzOtuzDört.TL ElliAltı.KR)",
                       &words);

}  // namespace

}  // namespace zeran::cli
