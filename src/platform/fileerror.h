#pragma once
// Why a file could not be read or written, in words the user can act on: the
// causes a nutritionist meets and can mend (a wrong name, no permission, a
// full disk, a read-only disk or file, a size limit, a quota) in Turkish, any
// rarer one in the system's own text.
#include <QString>

class QFileDevice;

namespace vz {

// The reason for the system error number `err` (an errno value). Never empty.
QString fileErrorReason(int err);

// The reason of the last failed operation on `file`: its errorString() in
// Turkish where it is one of the common causes, as it is otherwise.
QString fileErrorReason(const QFileDevice &file);

// What the saver answers for a file that has no write permission.
QString readOnlyFileReason();

} // namespace vz
