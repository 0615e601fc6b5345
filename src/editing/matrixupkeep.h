#pragma once
// Keeps the shape of the feed x nutrient matrix in step with the nutrient and
// feedstuff grids while they are edited: matrix row i belongs to nutrient row
// i, matrix column j to feedstuff row j. Rows are counted from 1, as the grids
// count them. New cells are empty number text (11 blanks). The add functions
// grow the matrix by at most one row or column per call.
#include "problem/rationproblem.h"

namespace vz {

// Makes sure nutrient row n has a matrix row; always raises matrix-changed.
void ADDMATROW(RationProblem &problem, int n);
// Makes sure feedstuff row n has a matrix column; always raises matrix-changed.
void ADDMATCOL(RationProblem &problem, int n);
// Removes matrix row n; raises matrix-changed only when a row went.
void DELMATROW(RationProblem &problem, int n);
// Removes matrix column n from every row; raises matrix-changed only when a
// column went.
void DELMATCOL(RationProblem &problem, int n);

// Brings the matrix to one row per nutrient and one cell per feedstuff of the
// tables (blank rows and cells added, rows and cells that belong to no table
// row dropped). A problem without nutrients keeps its single row of feedstuff
// cells, which becomes the first nutrient's row. Raises matrix-changed when
// the shape changed; answers whether it did.
bool fitMatrixToTables(RationProblem &problem);

} // namespace vz
