#pragma once
// The one place where a user's file is written: the new content goes to a
// temporary file beside the target and is renamed over it only when every byte
// was written and synced to the disk, so a failure never leaves a half-written
// problem, matrix or report.
#include <QByteArray>
#include <QString>

#include <sys/stat.h>

namespace vz {

// Returns false and sets `error` (when given) to the reason in Turkish when the
// file cannot be written; the old file is then left byte for byte as it was.
//
// - A file without write permission is refused, whatever its folder allows.
// - A symbolic link is followed: the file it points to is written and the
//   link stays a link.
// - A writable file in a folder that takes no new files is written in place:
//   its new size is reserved first, and should a write still fail the old
//   bytes and length are put back.
// - The temporary files are named ".NAME.XXXXXX.vzsave" and locked while a
//   save writes them; one that no save holds any more (left by a killed save)
//   is removed. No other file is ever removed.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);
// The same; when the file was replaced through a temporary file,
// `replaced` gets the new file's handle, open read-write and still holding
// the temporary's exclusive flock, for a caller that keeps the file open:
// no second open of what was just written. The caller closes it. -1 when
// nothing was written or the file was written in place.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error, int *replaced);
// The same, for a caller that has just looked at `path` itself (lstat(),
// while holding the save lock of the file): `known` is what it found, taken
// for the first look at the path instead of asking again.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error, int *replaced,
                         const struct stat *known);

// Every byte of the open file `fd`, read from its start in as few calls as
// its size allows (`size` when the caller knows it already; a size that
// changed meanwhile still reads the file whole); false with `err` set to the
// errno value when it cannot be read.
bool readWholeFile(int fd, QByteArray *out, int *err, qsizetype size = -1);

} // namespace vz
