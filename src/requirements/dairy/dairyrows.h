#pragma once
// The dairy model's hand-over in rows mode: requirement rows for the open
// problem and the animal description lines stored with it. Reads the fields
// after the type's equations and the protein balance have run. None of the
// calls fails; a value too wide for its format leaves its cell empty.
#include "dairyfields.h"
#include "requirements/requirementrow.h"

#include <QStringList>

namespace vz {

class DairyRows {
public:
  // The cow (type 2): 15 rows, "KMT" first, "KMO" second, "VITD" last.
  static RequirementRows REQ_DAIRY(const DairyFields &f);
  // Growing animal and bull (types 1, 3): 16 rows, NEY and NEK in place of NEL.
  static RequirementRows REQ_GROW_BULL(const DairyFields &f);

  static QStringList DESC_DAIRY(const DairyFields &f);
  static QStringList DESC_GROWING(const DairyFields &f);
  static QStringList DESC_BULL(const DairyFields &f);

  // "DİŞİ BÜYÜK IRK" ... "ERKEK KÜÇÜK IRK" for size classes 1..4, empty otherwise.
  static QString sizeClassText(int sizeClass);
};

} // namespace vz
