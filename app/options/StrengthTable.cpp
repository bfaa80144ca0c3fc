#include "app/options/StrengthTable.h"

#include <QCoreApplication>
#include <QRadioButton>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <tuple>

#include "ai/SearchSettings.h"
#include "app/options/RadioGroup.h"
#include "app/options/SpinEdit.h"
#include "text/Lines.h"

// The text of assets/strength.tsv, generated into the build from that file.
extern const char* const StrengthTableText;

namespace {

// Named as the Players dialog names them, in its words.
QString AlgorithmName(int algo) {
    return QCoreApplication::translate("Players", AlgorithmNames[static_cast<std::size_t>(algo)].data());
}

template <typename Number> bool Read(std::string_view text, Number& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end && !text.empty();
}

// A rating is shown to the nearest ten: the measurement is not finer than that.
int RoundedRating(int rating) {
    return static_cast<int>(std::lround(rating / 10.0)) * 10;
}

QString SecondsText(double seconds) {
    if (seconds < 0.001) return QCoreApplication::translate("StrengthTable", "under 0.001 s");
    const int decimals = seconds >= 10 ? 0 : seconds >= 1 ? 1 : seconds >= 0.01 ? 2 : 3;
    return QCoreApplication::translate("StrengthTable", "%1 s").arg(seconds, 0, 'f', decimals);
}

QString SettingName(int algo, int level, int branch) {
    if (algo == HomeMade)
        return QCoreApplication::translate("StrengthTable", "%1, level %2, branch %3")
            .arg(AlgorithmName(algo))
            .arg(level)
            .arg(branch);
    return QCoreApplication::translate("StrengthTable", "%1, level %2").arg(AlgorithmName(algo)).arg(level);
}

} // namespace

std::variant<std::vector<StrengthRow>, std::string> ParseStrengthTable(std::string_view text) {
    std::vector<StrengthRow> rows;
    int lineNumber = 0;
    for (std::string_view line : SplitLines(text)) {
        ++lineNumber;
        if (line.empty() || line.front() == '#') continue;
        const std::vector<std::string_view> fields = SplitFields(line, '\t');
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (fields.size() != 7) return where + "expected 7 tab-separated fields";
        StrengthRow row;
        const auto name = std::find(AlgorithmNames.begin(), AlgorithmNames.end(), fields[0]);
        if (name == AlgorithmNames.end()) return where + "unknown algorithm '" + std::string(fields[0]) + "'";
        row.Algo = static_cast<int>(name - AlgorithmNames.begin());
        if (!Read(fields[1], row.Level) || row.Level < MinLevel || row.Level > MaxLevel)
            return where + "the level must be 0 to 8";
        if (!Read(fields[2], row.Rating)) return where + "the rating must be a whole number";
        if (!Read(fields[3], row.Interval) || row.Interval < 0)
            return where + "the interval must be 0 or more";
        if (!Read(fields[4], row.Seconds) || !(row.Seconds >= 0))
            return where + "the seconds must be 0 or more";
        const bool branched = row.Algo == HomeMade;
        if (branched ? !Read(fields[5], row.Branch) || row.Branch < MinBranch || row.Branch > MaxBranch
                     : fields[5] != "-")
            return where + (branched ? "Home Made needs a branch of 3 to 30" : "only Home Made has a branch");
        if (!Read(fields[6], row.Games) || row.Games < 0) return where + "the games must be 0 or more";
        for (const StrengthRow& earlier : rows)
            if (earlier.Algo == row.Algo && earlier.Level == row.Level && earlier.Branch == row.Branch)
                return where + "a setting listed twice";
        rows.push_back(row);
    }
    return rows;
}

const std::vector<StrengthRow>& MeasuredStrengths() {
    static const std::vector<StrengthRow> rows = [] {
        auto parsed = ParseStrengthTable(StrengthTableText);
        auto* table = std::get_if<std::vector<StrengthRow>>(&parsed);
        return table ? *table : std::vector<StrengthRow>{};
    }();
    return rows;
}

const StrengthRow* FindStrength(int algo, int level, int branch) {
    for (const StrengthRow& row : MeasuredStrengths())
        if (row.Algo == algo && row.Level == level && (algo != HomeMade || row.Branch == branch)) return &row;
    return nullptr;
}

QString StrengthTip(int algo, int level, int branch) {
    const QString name = SettingName(algo, level, branch);
    if (const StrengthRow* row = FindStrength(algo, level, branch))
        return QCoreApplication::translate("StrengthTable", "%1: rated about %2, %3 a move")
            .arg(name)
            .arg(RoundedRating(row->Rating))
            .arg(SecondsText(row->Seconds));
    QStringList measured;
    for (const StrengthRow& row : MeasuredStrengths())
        if (row.Algo == algo && row.Level == level)
            measured << QCoreApplication::translate("StrengthTable", "at branch %1 rated about %2, %3 a move")
                            .arg(row.Branch)
                            .arg(RoundedRating(row.Rating))
                            .arg(SecondsText(row.Seconds));
    if (measured.isEmpty()) return QCoreApplication::translate("StrengthTable", "%1: not measured").arg(name);
    return QCoreApplication::translate("StrengthTable", "%1: not measured; %2")
        .arg(name, measured.join(QCoreApplication::translate("StrengthTable", "; ")));
}

QString StrengthTableSection() {
    // Settings of the same level that share their numbers (they play the same moves) share a line.
    std::map<std::tuple<int, int, int, int, double, int>, QStringList> lines;
    for (const StrengthRow& row : MeasuredStrengths())
        lines[{-row.Rating, row.Level, row.Branch, row.Interval, row.Seconds, row.Algo == HomeMade}]
            << (row.Algo == HomeMade ? QCoreApplication::translate("StrengthTable", "%1 (branch %2)")
                                           .arg(AlgorithmName(row.Algo))
                                           .arg(row.Branch)
                                     : AlgorithmName(row.Algo));
    QString table = QStringLiteral("<table cellspacing=\"0\" cellpadding=\"2\"><tr><th align=\"left\">%1</th>"
                                   "<th align=\"left\">%2</th><th align=\"left\">%3</th></tr>")
                        .arg(QCoreApplication::translate("StrengthTable", "Rating"),
                             QCoreApplication::translate("StrengthTable", "Computer player"),
                             QCoreApplication::translate("StrengthTable", "Time a move"));
    for (const auto& [key, names] : lines) {
        const auto& [negativeRating, level, branch, interval, seconds, homeMade] = key;
        (void)branch;
        (void)homeMade;
        const QString players = names.size() == 1
                                    ? names.front()
                                    : QCoreApplication::translate("StrengthTable", "%1 or %2")
                                          .arg(names.mid(0, names.size() - 1)
                                                   .join(QCoreApplication::translate("StrengthTable", ", ")),
                                               names.back());
        table +=
            QStringLiteral("<tr><td>%1 \u00b1 %2</td><td>%3</td><td>%4</td></tr>")
                .arg(-negativeRating)
                .arg(interval)
                .arg(QCoreApplication::translate("StrengthTable", "%1, level %2").arg(players).arg(level),
                     SecondsText(seconds));
    }
    table += QStringLiteral("</table>");
    return QStringLiteral("<h3>%1</h3><p>%2</p>")
               .arg(
                   QCoreApplication::translate("StrengthTable", "How strong the computer plays"),
                   QCoreApplication::translate(
                       "StrengthTable",
                       "Each setting of the computer was rated in games against its neighbours, on one scale "
                       "on which Alpha-Beta at level 0 stands at 1000. A player rated 200 higher wins about "
                       "three games in four; the ± gives the 95% interval of the measurement. The time is "
                       "the "
                       "median time a move on a two-core computer.")) +
           table;
}

void ShowStrengthTips(SpinEdit* level, RadioGroup* algorithms, SpinEdit* branch) {
    const auto update = [level, algorithms, branch] {
        const QString tip = StrengthTip(algorithms->itemIndex(), level->fieldValue(), branch->fieldValue());
        level->setToolTip(tip);
        algorithms->setToolTip(tip);
        for (int item = Complete; item <= HomeMade; ++item)
            algorithms->item(item)->setToolTip(StrengthTip(item, level->fieldValue(), branch->fieldValue()));
        branch->setToolTip(tip);
    };
    QObject::connect(level, &SpinEdit::textChanged, level, update);
    QObject::connect(branch, &SpinEdit::textChanged, branch, update);
    QObject::connect(algorithms, &RadioGroup::selectionChanged, algorithms, update);
    update();
}
