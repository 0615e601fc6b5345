#pragma once
// The upkeep of the reference matrix file outside its window: the steps the
// three "Referans &Matris" commands share (the "Geçiş İzni" log-on, the file
// created when missing), adding, inserting and deleting nutrient columns, and
// the back-up copy. Every file is replaced whole through a temporary file, so
// a failure leaves the old one byte for byte.
#include "platform/dbftable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace vz {

class Interaction;

namespace refmaint {

// The log-on every reference-matrix command asks first; true when granted.
bool logOnGranted(Interaction &ui);
// The reference matrix of `programDir`, created (RMAT_CREATE) when missing,
// after saying so; empty when it could not be created (the failure was shown).
QString ensureReferenceMatrix(const QString &programDir, Interaction &ui);
// What is said before a missing matrix is created at `path`.
QString createsEmptyText(const QString &path);

// ---- nutrient columns ----

enum class ColumnOperation { Append, Insert, Delete };

// A valid new column name: an ASCII letter first, then letters, digits or
// "_", at most 10 characters.
bool validColumnName(const QString &name);

// How the table file is written; tests put a failing one in its place.
using TableWriter = std::function<bool(const QString &path, const QList<DbfField> &fields,
                                       const QList<DbfRecord> &records, QString *error)>;

// The core of the nutrient column dialog over the file `path`.
class ColumnEditor {
public:
  explicit ColumnEditor(QString path, TableWriter writer = {});

  // Reads the field names; false when the file cannot be opened.
  bool load();
  bool isLoaded() const { return m_loaded; }
  const QStringList &names() const { return m_names; }

  enum class Result { StayOpen, Close };
  // "&Tamam": `typed` is the name field's text, `selected` the 1-based list
  // position (0: none). A refusal shows its message and keeps the dialog
  // open; otherwise the operation is tried (after the question, for a
  // delete) and the dialog closes. It is tried under the file's save lock on
  // the file as it is then, so a column another session added meanwhile is
  // kept. A file that could not be read at load() closes the dialog with its
  // message.
  Result PBTAMAM(ColumnOperation op, const QString &typed, int selected, Interaction &ui);

  static QString deleteQuestion(const QString &path, const QString &field);

private:
  bool replace(ColumnOperation op, const QString &name, int position, Interaction &ui);

  QString m_path;
  TableWriter m_writer;
  bool m_loaded = false;
  QStringList m_names;
};

// ---- back-up ----

// "RM Dosyası (dBF) &Yedekle" after the log-on, with the target `target` as
// the dialog gave it: an existing, writable folder, alone or followed by
// "MATKUMAD.DBF". The copy goes to that folder under the matrix's name with
// the matrix's permission bits; the source is the reference matrix of
// `programDir` only. Refused with a message, nothing written: a folder that
// does not exist, a target naming another file, a relative path, onto the
// source itself, no source (said before the overwrite question). An existing
// copy is replaced only after a Yes, through a temporary file. True when a
// copy was made.
bool backUp(const QString &programDir, const QString &target, Interaction &ui);

QString folderNotReadyText(const QString &folder);
QString notAFolderText(const QString &target);

} // namespace refmaint
} // namespace vz
