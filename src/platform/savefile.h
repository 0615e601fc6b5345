#pragma once
// The one place where a user's file is written: the new content goes to a
// temporary file beside the target and is renamed over it only when every byte
// was written and synced to the disk, so a failure never leaves a half-written
// problem, matrix or report.
#include <QByteArray>
#include <QString>

namespace vz {

// Returns false and sets `error` (when given) to the system's reason when the
// file cannot be written; the old file is then left as it was. A writable file
// in a folder that takes no new files is written in place from the complete
// content. Temporary files left beside `path` by an earlier, killed save are
// removed.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace vz
