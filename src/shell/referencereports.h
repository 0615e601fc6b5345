#pragma once
// The two reports of the reference matrix "MATKUMAD.DBF", written into the
// program's "Data" folder and made the current report file: the feedstuff
// price list ("YM Fiyatları", HMFIATLIST) and the whole matrix cut into
// column blocks of six and pages of 53 rows ("Referans Matris", KMMREPORT).
// Neither needs an open problem; neither changes the reference matrix.
#include <QString>

namespace vz {

class AppSession;
class Interaction;
struct ReferenceMatrix;

class ReferenceReports {
public:
  static constexpr int RowsPerPage = 53;

  static QString priceListFileName() { return QStringLiteral("Yem Maddesi Fiyat Listesi.TXT"); }
  static QString matrixFileName() { return QStringLiteral("KM Referans Matris.TXT"); }

  // The report texts (lines of 100 characters and CR LF); every record is
  // listed, the units record first. Never fail.
  static QString buildPriceList(const ReferenceMatrix &m);
  static QString buildMatrixReport(const ReferenceMatrix &m);

  // With the please-wait box, closed before any message: false after the
  // message of a missing or unreadable reference matrix or of a report that
  // could not be written (the current report file is then kept).
  static bool HMFIATLIST(AppSession &session, Interaction &ui);
  static bool KMMREPORT(AppSession &session, Interaction &ui);
};

} // namespace vz
