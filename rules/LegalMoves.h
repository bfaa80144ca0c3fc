#pragma once

#include <vector>

#include "rules/Move.h"
#include "rules/ValueGrid.h"

// Every legal move of `side`, in the searches' generation order: the pieces row by row, then
// each piece's destinations in the order of the move offsets.
std::vector<Move> LegalMoves(const ValueGrid& grid, int side);
