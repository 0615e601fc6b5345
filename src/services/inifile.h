#pragma once
// Values of one INI file: named sections of "key=value" lines. Every call
// reads or writes the file at once; nothing is cached. A write changes only
// the line of its key (or adds one), so the file's other lines, its comments
// and its order stay as they were; the file is replaced atomically.
//
// A bare file name (no folder) and "WIN" (the old WIN.INI) name a file in
// $XDG_CONFIG_HOME/Tervolu/, never a system file. Section and key names match
// in any case; values are trimmed of blanks, and a value in matching quotes
// loses them. Files are code page 1254.
#include <QList>
#include <QPair>
#include <QString>
#include <QVariant>
#include <QVariantList>

namespace vz {

class INIFILE {
public:
  explicit INIFILE(const QString &fileName = QString());

  QString FILENAME() const;
  QString FILENAME(const QString &fileName);
  // Where the file lives after the resolution above.
  QString path() const;
  static QString resolve(const QString &fileName);

  // Creates the file empty (an existing one is emptied); false for "WIN" and
  // when it cannot be written.
  bool CREATE();

  // Reads: "" / 0 / false when the file, the section or the key is missing.
  QString GETSTRING(const QString &section, const QString &key) const;
  QString GETSTRINGUPPER(const QString &section, const QString &key) const;
  int GETINT(const QString &section, const QString &key) const;  // 0 also when out of range
  bool GETLOGIC(const QString &section, const QString &key) const;  // TRUE, ON or YES in any case
  QList<QPair<QString, QString>> GETSECTION(const QString &section) const;

  // Writes; false with errorString() set when the file cannot be read or
  // written, or a name or value would break the file's lines (a line break in
  // any of them, "]" in a section name, "=" in a key).
  bool SETSTRING(const QString &section, const QString &key, const QString &value);
  bool SETINT(const QString &section, const QString &key, int value);
  bool SETLOGIC(const QString &section, const QString &key, bool value);
  bool DELETESECTION(const QString &section);
  bool DELETEENTRY(const QString &section, const QString &key);

  QString errorString() const;

  // Calls the operation named (any case) with untyped arguments converted to
  // text, integer or logic and answers its result (GETSECTION as a list of
  // {key, value} lists). An unknown name, a wrong argument count or an
  // argument that does not convert answers an invalid QVariant and touches
  // neither the object nor the file. "FILENAME" with no argument reads the
  // name, with one assigns it.
  QVariant SEND(const QString &operation, const QVariantList &args);

private:
  struct Lines;
  bool load(Lines &lines) const;
  bool save(const Lines &lines);

  QString m_fileName;
  mutable QString m_error;
};

} // namespace vz
