#pragma once
// The wildcard seek of the table server: positions a table on the first key,
// in the order of its index, that matches a pattern with "?" (exactly one
// character) and "*" (any run of characters, also none). Comparisons are
// exact: case and trailing blanks count, so a pattern for a padded character
// key either covers the blanks or ends in "*".
#include <QString>

namespace vz {

class DbfTable;

// Position (from 1) of the first "*" or "?" in the pattern; 0 when it has none.
int WILDPOS(const QString &pattern);

// Whether the whole text matches the whole pattern. Runs in time proportional
// to the text's length times the pattern's, whatever the stars (no
// exponential backtracking).
bool WILDMATCH(const QString &text, const QString &pattern);

// Seeks the pattern's text before its first wildcard, then scans forward
// while the keys keep that prefix, for the first key that matches. Answers
// true exactly when the table then stands on a matching record; without a
// wildcard it is the table's ordinary seek. False, changing nothing useful,
// when the table is not open or has no index.
bool WILDSEEK(DbfTable &table, const QString &value);

} // namespace vz
