#include "passwords.h"

#include <sodium.h>

#include <stdexcept>

namespace zeran::passwords {

namespace {
void ensureInitialised()
{
    static const bool ready = sodium_init() >= 0;
    if (!ready)
        throw std::runtime_error("libsodium başlatılamadı");
}
}  // namespace

QString hash(const QString &password)
{
    ensureInitialised();
    const QByteArray bytes = password.toUtf8();
    char out[crypto_pwhash_STRBYTES];
    if (crypto_pwhash_str_alg(out, bytes.constData(), static_cast<unsigned long long>(bytes.size()),
                              crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                              crypto_pwhash_ALG_ARGON2ID13) != 0)
        throw std::runtime_error("Şifre saklanamadı (bellek yetersiz)");
    return QString::fromLatin1(out);
}

bool verify(const QString &stored, const QString &typed)
{
    if (stored.isEmpty())
        return false;
    ensureInitialised();
    const QByteArray s = stored.toLatin1();
    const QByteArray t = typed.toUtf8();
    return crypto_pwhash_str_verify(s.constData(), t.constData(), static_cast<unsigned long long>(t.size())) == 0;
}

}  // namespace zeran::passwords
