#pragma once
// The tips of the day (CREATETIPARRAY) and the text behind their
// "&Daha fazla bilgi" button. In the tips "DP" is linear programming, "BM" a
// nutrient and "KMT" the dry-matter amount.
#include <QString>
#include <QStringList>

namespace vz {

class TipsOfTheDay {
public:
  static constexpr int Count = 44;
  static QString heading() { return QStringLiteral("Biliyor muydunuz?"); }
  // The 44 tip texts, tip 1 first.
  static const QStringList &texts();
  // The number the tip window opens at after `lastTip` was shown last.
  static int next(unsigned lastTip) { return lastTip >= 1 && lastTip < unsigned(Count) ? int(lastTip) + 1 : 1; }

  static QString moreInfoCaption() { return QStringLiteral("Daha Fazla Bilgi"); }
  static QString moreInfoText();
};

} // namespace vz
