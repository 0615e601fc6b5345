#pragma once
// The one place where a user's file is written: the new content goes to a
// temporary file beside the target and is renamed over it only when every byte
// was written, so a failure never leaves a half-written problem, matrix or
// report.
#include <QByteArray>
#include <QString>

namespace vz {

// Returns false and sets `error` (when given) when the file cannot be written.
bool writeFileAtomically(const QString &path, const QByteArray &content, QString *error = nullptr);

} // namespace vz
