#pragma once
// Argument conversion for the by-name entries of the service classes. The old
// runtime bound messages late and coerced untyped arguments, so callers may
// hand a number where text is declared and the reverse; a value that has no
// sensible reading is refused rather than guessed, and nothing is ever run as
// code.
#include <QString>
#include <QVariant>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace vz::latebound {

// Text as given, or a number written in decimal; nullopt for any other type.
inline std::optional<QString> toText(const QVariant &v)
{
  switch (v.typeId()) {
  case QMetaType::QString: return v.toString();
  case QMetaType::Int:
  case QMetaType::UInt:
  case QMetaType::LongLong:
  case QMetaType::ULongLong: return v.toString();
  case QMetaType::Double: return QString::number(v.toDouble(), 'g', 15);
  default: return std::nullopt;
  }
}

// A whole number in [lo, hi], given as a number or as decimal (or "0x") text;
// nullopt for fractions, out-of-range values, other text and other types.
inline std::optional<qint64> toWhole(const QVariant &v, qint64 lo, qint64 hi)
{
  bool ok = false;
  qint64 n = 0;
  switch (v.typeId()) {
  case QMetaType::Int:
  case QMetaType::LongLong: n = v.toLongLong(&ok); break;
  case QMetaType::UInt:
  case QMetaType::ULongLong: {
    const qulonglong u = v.toULongLong(&ok);
    ok = ok && u <= static_cast<qulonglong>(std::numeric_limits<qint64>::max());
    n = static_cast<qint64>(u);
    break;
  }
  case QMetaType::Double: {
    const double d = v.toDouble();
    // Range first, so that no out-of-range value reaches the cast.
    ok = d >= -9.2e18 && d <= 9.2e18 && d == std::trunc(d);
    n = ok ? static_cast<qint64>(d) : 0;
    break;
  }
  case QMetaType::QString: {
    // Decimal unless marked "0x": a leading zero must not switch to octal.
    const QString t = v.toString().trimmed();
    n = t.startsWith(QStringLiteral("0x"), Qt::CaseInsensitive) ? t.mid(2).toLongLong(&ok, 16)
                                                                 : t.toLongLong(&ok, 10);
    break;
  }
  default: return std::nullopt;
  }
  if (!ok || n < lo || n > hi)
    return std::nullopt;
  return n;
}

inline std::optional<std::int32_t> toInt32(const QVariant &v)
{
  const auto n = toWhole(v, std::numeric_limits<std::int32_t>::min(),
                         std::numeric_limits<std::int32_t>::max());
  if (!n)
    return std::nullopt;
  return static_cast<std::int32_t>(*n);
}

// A logic value, a number (0 is false) or one of the texts TRUE/FALSE, .T./.F.,
// YES/NO, ON/OFF in any case; nullopt for anything else.
inline std::optional<bool> toLogic(const QVariant &v)
{
  if (v.typeId() == QMetaType::Bool)
    return v.toBool();
  if (v.typeId() == QMetaType::QString) {
    const QString t = v.toString().trimmed().toUpper();
    if (t == QStringLiteral("TRUE") || t == QStringLiteral(".T.") || t == QStringLiteral("YES")
        || t == QStringLiteral("ON"))
      return true;
    if (t == QStringLiteral("FALSE") || t == QStringLiteral(".F.") || t == QStringLiteral("NO")
        || t == QStringLiteral("OFF"))
      return false;
    return std::nullopt;
  }
  const auto n = toWhole(v, std::numeric_limits<qint64>::min(), std::numeric_limits<qint64>::max());
  if (!n)
    return std::nullopt;
  return *n != 0;
}

} // namespace vz::latebound
