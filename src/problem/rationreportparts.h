#pragma once
// The parts the optimal and the manual ration report share, so that the two
// reports keep one layout: the same title block, animal description, cost
// line and feed table frame whichever way the ration was found.
#include "problem/reportwriter.h"

#include <QDateTime>
#include <QStringList>

namespace vz::rationreport {

// Runs of blanks and dashes, the reports' indents and rules.
QString blanks(int n);
QString dashes(int n);

// The program line, the program's long name, `title`, the date and time, and
// a blank line.
void addTitle(ReportWriter &out, const QString &program, const QString &title, const QDateTime &now);
// "§ HAYVAN TANIMI" with the description's lines under it, and a blank line.
void addAnimalDescription(ReportWriter &out, const QStringList &description);
// The daily cost (`cost` as formatted, blanks trimmed) and a blank line.
void addDailyCost(ReportWriter &out, const QString &cost, const QString &currency);
// The feed table's three heading lines; the herd column counts whole animals
// and `asFedRule` underlines it.
void addFeedTableHeading(ReportWriter &out, double animalCount, const QString &asFedRule);
// The dashes that close the feed table's rows.
void addFeedTableRule(ReportWriter &out);
// The total line's label and blank price column; the totals follow it.
QString feedTotalLead(const QString &weightUnit);

} // namespace vz::rationreport
