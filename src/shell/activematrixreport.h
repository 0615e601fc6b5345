#pragma once
// The active-matrix report ("Aktif &Matris", AMATREPORT): the feed x nutrient
// matrix of the open problem as a text table next to the problem file
// ("<problem>.TXT"). The feedstuffs are cut into column blocks (the first with
// the nutrient names and feedstuffs 1-5, then six a block), every block lists
// all nutrients, 53 rows a page; a form feed opens every further page of a
// block and closes every block, so the file ends with one.
#include <QList>
#include <QString>
#include <QStringList>

namespace vz {

class AppSession;
class Interaction;

class ActiveMatrixReport {
public:
  static constexpr int RowsPerPage = 53;

  // The report text (lines of 100 characters and CR LF) for the given lists
  // and matrix, titled with `problemName` (the file name without folder and
  // extension). Cells missing from a short matrix row print blank. No
  // feedstuff gives an empty text. Never fails.
  static QString build(const QStringList &feedNames, const QStringList &nutrientNames,
                       const QList<QStringList> &matrix, const QString &problemName);

  // AMATREPORT on the session's open problem, with the please-wait box: the
  // file is written whole and becomes the current report file. Returns false
  // after showing failureText() (the current report file kept) when the file
  // cannot be written, and false without a message when no problem is open.
  static bool AMATREPORT(AppSession &session, Interaction &ui);

  // "<PROBFILEBASE>.TXT" of the open problem; empty when none is open.
  static QString reportPath(const AppSession &session);

  // "Rapor dosyası oluşturmada hata!" CR CR "Sonra tekrar deneyin..".
  static QString failureText();
};

} // namespace vz
