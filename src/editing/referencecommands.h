#pragma once
// Building the open problem from the reference matrix, and adding reference
// feedstuffs or nutrients to it ("Referans Matristen Al"). Each command reads
// "MATKUMAD.DBF" of the program directory, asks through `ui`, and changes the
// problem only when it runs to its end: a cancelled choice, a "No" or an
// "İptal" in the name-pairing dialog leave the problem exactly as it was.
// The caller recomputes the menu afterwards, whatever the outcome.
#include <QString>

namespace vz {

class Interaction;
class RationProblem;

namespace refcommands {

// The feedstuff limit of a problem file.
inline constexpr int MaxFeeds = 85;

// How a problem feedstuff is found in the reference matrix: by its whole
// name (the first record of that name); a name a problem file has cut to 15
// characters stands for the one record those characters give, and when
// several records give them the user says which in the name-pairing dialog.
// A chosen record that is not added is named, with the reason, in one
// message at the end.

// "Seçerek Oluştur": the feedstuff and nutrient tables, their lists and the
// matrix are replaced by the chosen reference feedstuffs and nutrients (with
// the dry-matter row "KMT" first, and "KMO" always among the nutrients when
// the reference has it). Every chosen record becomes a feedstuff of its own,
// except one without a name or a second one of a name already taken. Tables
// that are not empty are replaced only after a Yes. A manual amount list is
// cleared. True when the problem changed.
bool AMAT_OLUSTUR_GR(const QString &programDir, RationProblem &problem, Interaction &ui);

// "Yem Maddesi Ekle": appends chosen reference feedstuffs not yet in the
// problem, each with its matrix column; a problem nutrient without a column
// of its name is paired through the name-pairing dialog. True when the
// command ran to its end (the flags are then raised even if nothing new was
// appended).
bool AMAT_YMEKLE_GR(const QString &programDir, RationProblem &problem, Interaction &ui);

// "Besin Maddesi Ekle": appends chosen reference nutrient columns not yet in
// the problem, each with its matrix row; a problem feedstuff without a
// reference record of its name is paired through the name-pairing dialog. A
// problem without nutrients first gets "KMT" (and "KMO" joins the chosen).
bool AMAT_BMEKLE_GR(const QString &programDir, RationProblem &problem, Interaction &ui);

// The name a problem keeps of `name`: trimmed, cut to the 15 characters of
// the name field, trimmed again. Feedstuff names are compared on it.
QString storedName(const QString &name);

} // namespace refcommands
} // namespace vz
