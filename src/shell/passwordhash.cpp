#include "passwordhash.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>
#include <dlfcn.h>
#include <sodium.h>

namespace vz {

namespace {

// "MV83", the default user's password.
const char DefaultHash[] = "$argon2id$v=19$m=65536,t=2,p=1$56gkCkNwAdIL5nDxuNKQyA$WED/6NT1vhlU4BUdYQNM7CJDgh5ipQFIKfcKBvyYXHo";
// A password nobody knows, hashed with the same limits as every stored one.
const char DummyHash[] = "$argon2id$v=19$m=65536,t=2,p=1$erBNImJNFIpICB0xtB3sxA$zbQxI6UAx3YjMwIJPIksXOGtS0bO2ACESi6J0R+cw98";

std::atomic<int> g_computations{0};
std::atomic<int> g_onWindowThread{0};

// libsodium is opened on the first hash or check (a log-on, a new password),
// not linked: a start that only shows the window then neither loads it nor
// binds its symbols. Only the header's constants and types are compiled in.
struct Sodium {
  decltype(&::crypto_pwhash_str_alg) hash = nullptr;
  decltype(&::crypto_pwhash_str_verify) verify = nullptr;
  bool ready = false;
  QString error;
};

QByteArray &libraryName()
{
  static QByteArray name(VZ_SODIUM_SONAME);
  return name;
}

Sodium openSodium()
{
  Sodium s;
  // Never closed: the functions are used for the rest of the process.
  void *library = dlopen(libraryName().constData(), RTLD_NOW | RTLD_LOCAL);
  const QString name = QString::fromLocal8Bit(libraryName());
  if (!library) {
    // The loader's own words stay as the reason, inside a sentence the user
    // reads in the program's language.
    s.error = QStringLiteral("parola kitaplığı %1 açılamadı (%2).").arg(name, QString::fromLocal8Bit(dlerror()));
    return s;
  }
  const auto init = reinterpret_cast<decltype(&::sodium_init)>(dlsym(library, "sodium_init"));
  s.hash = reinterpret_cast<decltype(&::crypto_pwhash_str_alg)>(dlsym(library, "crypto_pwhash_str_alg"));
  s.verify = reinterpret_cast<decltype(&::crypto_pwhash_str_verify)>(
      dlsym(library, "crypto_pwhash_str_verify"));
  s.ready = init && s.hash && s.verify && init() >= 0;
  if (!s.ready)
    s.error = QStringLiteral("parola kitaplığı %1 kullanılamıyor.").arg(name);
  return s;
}

// Checks run on worker threads too; the static's first use is serialised.
const Sodium &sodium()
{
  static const Sodium s = openSodium();
  return s;
}

bool sodiumReady()
{
  return sodium().ready;
}

void counted()
{
  ++g_computations;
  const QCoreApplication *app = QCoreApplication::instance();
  if (app && QThread::currentThread() == app->thread())
    ++g_onWindowThread;
}

bool verify(const QByteArray &hash, const QString &typed)
{
  if (!sodiumReady())
    return false;
  counted();
  const QByteArray password = PasswordHash::comparable(typed).toUtf8();
  return sodium().verify(hash.constData(), password.constData(),
                                  static_cast<unsigned long long>(password.size())) == 0;
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

QString PasswordHash::defaultHash()
{
  return QString::fromLatin1(DefaultHash);
}

QString PasswordHash::make(const QString &typed)
{
  if (!sodiumReady())
    return QString();
  counted();
  const QByteArray password = comparable(typed).toUtf8();
  char out[crypto_pwhash_STRBYTES];
  if (sodium().hash(out, password.constData(), static_cast<unsigned long long>(password.size()),
                            crypto_pwhash_OPSLIMIT_INTERACTIVE, crypto_pwhash_MEMLIMIT_INTERACTIVE,
                            crypto_pwhash_ALG_ARGON2ID13) != 0)
    return QString();
  return QString::fromLatin1(out);
}

bool PasswordHash::matches(const QString &typed, const QString &stored)
{
  if (isHash(stored))
    return verify(stored.trimmed().toLatin1(), typed);
  checkNobody(typed);
  const QString plain = comparable(stored);
  return !plain.isEmpty() && comparable(typed) == plain;
}

void PasswordHash::checkNobody(const QString &typed)
{
  verify(QByteArray(DummyHash), typed);
}

void PasswordHash::useLibrary(const QByteArray &fileName)
{
  libraryName() = fileName;
}

QString PasswordHash::unavailable()
{
  return sodium().error;
}

int PasswordHash::computations()
{
  return g_computations;
}

int PasswordHash::computationsOnWindowThread()
{
  return g_onWindowThread;
}

} // namespace vz
