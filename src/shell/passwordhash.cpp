#include "passwordhash.h"

#include <sodium.h>

namespace vz {

namespace {

bool sodiumReady()
{
  static const bool ready = sodium_init() >= 0;
  return ready;
}

} // namespace

QString PasswordHash::comparable(const QString &typed)
{
  return typed.toUpper().left(MaxPasswordLength).trimmed();
}

bool PasswordHash::isHash(const QString &stored)
{
  return stored.trimmed().startsWith(QLatin1String("$argon2id$"));
}

QString PasswordHash::make(const QString &typed)
{
  if (!sodiumReady())
    return QString();
  const QByteArray password = comparable(typed).toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (crypto_pwhash_str_alg(out, password.constData(), static_cast<unsigned long long>(password.size()),
                            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                            crypto_pwhash_ALG_ARGON2ID13) != 0)
    return QString();
  return QString::fromLatin1(out);
}

bool PasswordHash::matches(const QString &typed, const QString &stored)
{
  if (!isHash(stored) || !sodiumReady())
    return false;
  const QByteArray hash = stored.trimmed().toLatin1();
  const QByteArray password = comparable(typed).toUtf8();
  return crypto_pwhash_str_verify(hash.constData(), password.constData(),
                                  static_cast<unsigned long long>(password.size())) == 0;
}

} // namespace vz
