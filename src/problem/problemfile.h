#pragma once
// The open problem file (".RVD"): one dBASE table of 17 character fields that
// holds four lists side by side (feedstuffs in YMADI..YMMANMIK, nutrients in
// BMADI..BMUSTLIM, ratios in BMADIA..OUSTLIM, and in YMBMAT the matrix rows
// followed by the parameter row). Record n holds item n of every list that is
// that long; the file never shrinks. A matrix row is its cells, each followed
// by ","; the parameter row is the four parameters and then the animal
// description lines, each followed by ",".
//
// While a problem is open its table stays open shared, so no one can take it
// exclusively. Every write replaces the file through a temporary file beside it
// and then reopens and relocks the table, so a failed save leaves the old file
// whole.
#include "platform/dbftable.h"
#include "rationproblem.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace vz {

class ProblemFile {
public:
  static constexpr int MatrixFieldWidth = 1020;
  static constexpr int MatrixCellWidth = 12;  // 11 characters and ","
  static constexpr int MaxFeeds = MatrixFieldWidth / MatrixCellWidth;  // 85

  // The 17 fields of a problem file, and the 16 of the older ".VVD" layout
  // (the same without YMMANMIK).
  static QList<DbfField> problemFields();
  static QList<DbfField> olderLayoutFields();

  ProblemFile();
  ~ProblemFile();
  ProblemFile(const ProblemFile &) = delete;
  ProblemFile &operator=(const ProblemFile &) = delete;

  // Creates an empty problem file (no record) at `path`, replacing one that is
  // there; returns false and sets `error` when it cannot be written.
  static bool createNew(const QString &path, QString *error = nullptr);

  // Opens the problem table shared and read-write. Returns false and sets
  // errorString() when the file is missing, read-only, taken exclusively by
  // someone else, not a dBASE table, damaged, or lacks a field of the problem
  // file; nothing stays open then.
  bool open(const QString &path);
  void close();  // never fails; does not save
  bool isOpen() const;
  QString path() const;  // the full path given to open()
  QString errorString() const;

  // Names taken from the open file's path: the path without its extension
  // (reports add ".TXT"), its folder without the closing "/", and the bare
  // file name without folder and extension. Empty when nothing is open.
  QString PROBFILEBASE() const;
  QString PROBFILEDIR() const;
  QString PROBFILENAME() const;

  // The parts of the file that the changed flags name, each written whole.
  enum class Part { Feeds, FeedAmounts, Nutrients, Ratios, Matrix, Count };
  static constexpr int PartCount = int(Part::Count);

  // Replaces `problem` by the file's content (flags lowered first). Never
  // fails once open() succeeded. A matrix that disagrees with the tables (rows
  // with too few or too many cells, too few or too many rows) is made
  // consistent and the matrix-changed flag raised; a file with feedstuffs and
  // no nutrient gets the "KMT" nutrient (nutrient-names-changed and
  // matrix-changed raised). Does nothing when no file is open. What it reads
  // of each part is what a later save compares the file with.
  void AKTPRODIZOLUSTUR(RationProblem &problem);

  // Entries 1-4 of `row` become the parameters, the rest the description
  // lines; a row of fewer than four entries gives the default parameters.
  static void GET_PARM_ADESC(RationProblem &problem, const QStringList &row);

  // What a save does with a part it writes (its flag is raised) that
  // another session saved differently since this one read it: stop and tell
  // (the default), write over the other session's change, or keep the other
  // session's part and drop ours.
  enum class ChangedOnDisk { Ask, WriteOver, DiscardMine };

  // Writes the flagged parts of `problem` (the other fields stay byte for
  // byte, as they are on disk now) and lowers their flags. Returns false and
  // sets errorString() when the problem is refused (more than 85 feedstuffs,
  // a parameter row longer than 1,020 characters, a text outside code page
  // 1254) or the file cannot be written; nothing is written then and every
  // flag stays raised. With Ask, a flagged part changed on disk by another
  // session since it was read stops the save the same way, and
  // changedOnDisk() names the parts. With DiscardMine such parts keep the
  // file's content, the others are written, and `problem` is read again from
  // the file. Saving with the matrix or parameters flag raised and no
  // parameters stores the defaults {"G", "1.000", "TL", "Kg"} and puts them
  // into `problem`.
  bool PROBDBFUPDATE(RationProblem &problem, ChangedOnDisk onChanged = ChangedOnDisk::Ask);
  // The parts the last save stopped for, by the names the user knows
  // ("yem maddeleri", ...); empty when it did not stop for that.
  QStringList changedOnDisk() const;

  // The flagged writers, applied to the stored records of a problem file
  // (deleted records kept and skipped, as the table's navigation skips them;
  // `at` gives where the table holds each field of the problem file). Each
  // writes one part and lowers its flag; false with `error` set for a text
  // outside code page 1254. MATRIXKAYDI needs a parameter array
  // (PROBDBFUPDATE sees to it) and expects rows no wider than the field.
  static bool YMKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error);
  static bool YMMIKKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error);
  static bool BMKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error);
  static bool BMOKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error);
  static bool MATRIXKAYDI(DbfTable::Image &image, const QList<int> &at, RationProblem &problem, QString *error);

  // The ".VVD" export: writes every live record of the open file, without
  // YMMANMIK, to `target` (replacing it). Returns
  // false and sets errorString() when nothing is open or `target` cannot be
  // written; a failed export leaves an older `target` as it was.
  // With `problem`, its unsaved (flagged) parts are exported as they are in
  // memory; the open file is not written.
  bool CREATE_VSK_DBFFILE(const QString &target, const RationProblem *problem = nullptr);

  // Save-as to ".RVD": writes `problem`, unsaved changes included, to
  // `target` (replacing it); the open file and the problem's flags stay as
  // they are. Returns false and sets errorString(); an older `target` then
  // stays as it was.
  bool saveAs(const QString &target, const RationProblem &problem);

  // The open table itself, for the few readers that need its records.
  const DbfTable &table() const;

private:
  bool writeProblem(RationProblem &problem, const QString &target, ChangedOnDisk onChanged = ChangedOnDisk::WriteOver);
  // Runs the writers of the flagged parts on `image`.
  bool applyFlagged(DbfTable::Image &image, RationProblem &work, ChangedFlags flags, ChangedOnDisk policy,
                    QString *error);

  DbfTable m_table;
  QString m_path;
  QString m_error;
  // Each part as this session last read or wrote it, to tell another
  // session's save of it from ours: the records it was read from (shared
  // with the table or with another part, not copied) and where the problem
  // file's fields lie in them.
  struct Snapshot {
    DbfTable::Image image;
    QList<int> at;
  };
  Snapshot m_read[PartCount];
  bool m_hasRead = false;
  QList<Part> m_conflicts;
};

} // namespace vz
