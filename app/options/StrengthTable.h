#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

class RadioGroup;
class SpinEdit;

// How strong each setting of the computer plays and how long it thinks, as measured by
// tools/strength-ladder into assets/strength.tsv, which is built into the program.

// One line of the table. Branch is 0 for the algorithms that have none.
struct StrengthRow {
    int Algo = 0;
    int Level = 0;
    int Branch = 0;
    int Rating = 0;
    int Interval = 0;   // half the 95% interval of the rating
    double Seconds = 0; // median time a move
    int Games = 0;      // the games that stand behind the rating
};

// The lines of a table, or what is wrong with it: tab-separated algorithm name, level,
// rating, interval, seconds a move, branch ("-" when it has none) and games; lines starting
// with '#' are comments.
std::variant<std::vector<StrengthRow>, std::string> ParseStrengthTable(std::string_view text);

// The table built into the program (empty when it cannot be read, which its test prevents).
const std::vector<StrengthRow>& MeasuredStrengths();

// The row of a setting; null when it was not measured (Home Made at another branch than those
// of the table).
const StrengthRow* FindStrength(int algo, int level, int branch);

// "Alpha-Beta, level 5: rated about 1500, 0.02 s a move"; for a branch of Home Made that was not
// measured, the ratings of the measured branches at its level.
QString StrengthTip(int algo, int level, int branch);

// The section of How to Play: the table by rating, with the time a move.
QString StrengthTableSection();

// Keeps the tooltips of one player's level, algorithm and branch controls on the setting chosen.
void ShowStrengthTips(SpinEdit* level, RadioGroup* algorithms, SpinEdit* branch);
