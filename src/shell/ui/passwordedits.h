#pragma once
// The edits of the log-on and password dialogs: at most 20 characters (what
// the users table compares), the password edits masked, and some of them
// turning what is typed or pasted into upper case.
class QLineEdit;

namespace vz {

enum class EditCase { AsTyped, Upper };

void setUpUserEdit(QLineEdit *edit, bool masked, EditCase letterCase);

} // namespace vz
