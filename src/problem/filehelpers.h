#pragma once
// File-name and disk helpers shared by the file commands, the reports and the
// shell. Names are texts; only RFATRIB, ISDRIVEREADY and DELETEFILES touch the
// disk. Both "/" and "\" separate folders in the names these take apart, so
// that a name typed the old way is cleaned the same.
#include <QString>
#include <QStringList>

namespace vz {

// The trimmed name's last four characters when they start with "." (".RVD"),
// otherwise empty: only three-letter extensions are found.
QString SFILEEXT(const QString &name);
// The name without the extension SFILEEXT finds (the name itself untrimmed);
// unchanged when there is none.
QString SFILEBASE(const QString &name);
// The trimmed name with each of "|:.\*/<>" replaced by "_".
QString CHRCONT(const QString &name);
// The path with only its bare file name passed through CHRCONT; folder and
// extension stay.
QString SCHARFROMBASE(const QString &path);
// Splits a path into drive ("C:" or empty), folder (with its closing
// separator), name and extension (with its point). An empty path assigns
// nothing. Parts longer than 2, 255, 255 and 7 characters are cut.
void MYSPLITPATH(const QString &path, QString *drive, QString *folder, QString *name, QString *extension);
// True when the extensions match ignoring case and the bases match exactly.
bool ISSAMEFILE(const QString &a, const QString &b);

// The open problem file's path without extension, its folder, its bare name
// (see ProblemFile); empty while no problem is open.
QString PROBFILEBASE();
QString PROBFILEDIR();
QString PROBFILENAME();

// Makes a file that is read-only only for want of its owner's write bit
// writable again (as clearing a lone read-only attribute); a file that is
// missing, not ours, or not a plain file is left alone. Always true.
bool RFATRIB(const QString &file);

// True when the folder (a mount point, or a folder on one) can be read now.
// There are no drive letters here: a bare "C:" is never ready.
bool ISDRIVEREADY(const QString &drive);

// Deletes the files of `folder` that match `mask` ("*.*" means every file)
// or the files named in `names` (bare names inside `folder`). Refuses (false,
// nothing deleted) an empty folder text, a drive, the file-system root, a
// missing folder, or a name that leads out of the folder. Stops at the first
// file that cannot be deleted and returns false; files deleted before it stay
// deleted.
bool DELETEFILES(const QString &folder, const QString &mask = QStringLiteral("*.*"));
bool DELETEFILES(const QString &folder, const QStringList &names);

} // namespace vz
