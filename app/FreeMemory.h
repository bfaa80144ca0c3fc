#pragma once

// Hands the free pages inside the heap back to the system. Freed memory stays with the
// process: between the games of a long session the pages freed after each game's busiest
// moments (a dialog, a burst of accessibility news) stay resident, and the resident memory
// rises game after game although nothing is kept. Called whenever the board is emptied.
void ReturnFreeMemory();
