// The measured strength of the computer's settings: the table built into the program is whole
// and well-formed, and How to Play and the Players dialog's tooltips show its numbers.
#include <QLabel>
#include <QRadioButton>
#include <cmath>
#include <gtest/gtest.h>

#include "ai/SearchSettings.h"
#include "app/HowToPlay.h"
#include "app/options/RadioGroup.h"
#include "app/options/SpinEdit.h"
#include "app/options/StrengthTable.h"
#include "app/options/option.h"

extern const char* const StrengthTableText;

namespace {

QString Rounded(int rating) {
    return QString::number(static_cast<int>(std::lround(rating / 10.0)) * 10);
}

} // namespace

TEST(StrengthTable, BuiltInTableIsWellFormedAndCoversEverySetting) {
    const auto parsed = ParseStrengthTable(StrengthTableText);
    ASSERT_TRUE(std::holds_alternative<std::vector<StrengthRow>>(parsed)) << std::get<std::string>(parsed);
    ASSERT_EQ(MeasuredStrengths().size(), std::get<std::vector<StrengthRow>>(parsed).size());
    EXPECT_EQ(std::string_view(StrengthTableText).substr(0, 23), "# tools/strength-ladder")
        << "the command that made the table comes first";
    for (int level = MinLevel; level <= MaxLevel; ++level) {
        for (int algo : {Complete, BranchAndBound, AlphaBeta}) {
            const StrengthRow* row = FindStrength(algo, level, 5);
            ASSERT_TRUE(row) << AlgorithmNames[algo] << " level " << level;
            EXPECT_GT(row->Games, 0);
            EXPECT_GT(row->Seconds, 0);
        }
        // Complete and Branch and Bound choose the same moves: one rating.
        EXPECT_EQ(FindStrength(Complete, level, 5)->Rating, FindStrength(BranchAndBound, level, 5)->Rating);
        for (int branch : {5, 30})
            ASSERT_TRUE(FindStrength(HomeMade, level, branch))
                << "Home Made level " << level << " branch " << branch;
        EXPECT_FALSE(FindStrength(HomeMade, level, 12));
    }
    const StrengthRow* anchor = FindStrength(AlphaBeta, 0, 5);
    EXPECT_EQ(anchor->Rating, 1000);
    EXPECT_EQ(anchor->Interval, 0);
    // Looking further ahead plays better at the low levels, whatever else the table shows.
    EXPECT_GT(FindStrength(AlphaBeta, 3, 5)->Rating, FindStrength(AlphaBeta, 1, 5)->Rating + 200);
}

TEST(StrengthTable, RefusesAMalformedTable) {
    const std::string good = "# made by hand\nAlpha-Beta\t5\t1500\t40\t0.02\t-\t900\n";
    const auto parsed = ParseStrengthTable(good);
    ASSERT_TRUE(std::holds_alternative<std::vector<StrengthRow>>(parsed));
    const StrengthRow row = std::get<std::vector<StrengthRow>>(parsed).front();
    EXPECT_EQ(row.Algo, AlphaBeta);
    EXPECT_EQ(row.Level, 5);
    EXPECT_EQ(row.Rating, 1500);
    EXPECT_EQ(row.Interval, 40);
    EXPECT_DOUBLE_EQ(row.Seconds, 0.02);
    EXPECT_EQ(row.Games, 900);
    for (const char* bad : {"Alpha-Beta\t5\t1500\t40\t0.02\t-\n", "Alphabeta\t5\t1500\t40\t0.02\t-\t9\n",
                            "Alpha-Beta\t9\t1500\t40\t0.02\t-\t9\n", "Alpha-Beta\t5\t1500\t40\t0.02\t5\t9\n",
                            "Home Made\t5\t1500\t40\t0.02\t-\t9\n", "Home Made\t5\t1500\t40\t0.02\t31\t9\n",
                            "Alpha-Beta\t5\t15x0\t40\t0.02\t-\t9\n", "Alpha-Beta\t5\t1500\t-4\t0.02\t-\t9\n",
                            "Alpha-Beta\t5\t1500\t40\tsoon\t-\t9\n",
                            "Alpha-Beta\t5\t1500\t40\t0.02\t-\t9\nAlpha-Beta\t5\t1400\t40\t0.02\t-\t9\n"})
        EXPECT_TRUE(std::holds_alternative<std::string>(ParseStrengthTable(bad))) << bad;
}

TEST(StrengthTable, TooltipsOfThePlayersDialogFollowTheChosenSetting) {
    TOptions dialog;
    dialog.RadioGroup1->setItemIndex(AlphaBeta);
    dialog.SpinEdit1->setValue(5);
    const StrengthRow* alphaBeta = FindStrength(AlphaBeta, 5, 5);
    ASSERT_TRUE(alphaBeta);
    const QString tip = dialog.SpinEdit1->toolTip();
    EXPECT_TRUE(tip.startsWith("Alpha-Beta, level 5: rated about " + Rounded(alphaBeta->Rating) + ", "))
        << tip.toStdString();
    EXPECT_TRUE(tip.endsWith(" s a move")) << tip.toStdString();
    EXPECT_EQ(dialog.RadioGroup1->toolTip(), tip);
    EXPECT_EQ(dialog.SpinEdit2->toolTip(), tip);
    // Each item tells its own rating at the chosen level; the other player keeps its own.
    EXPECT_TRUE(dialog.RadioGroup1->item(Complete)->toolTip().startsWith(
        "Complete, level 5: rated about " + Rounded(FindStrength(Complete, 5, 5)->Rating)));
    EXPECT_TRUE(dialog.SpinEdit3->toolTip().startsWith("Complete, level 0: rated about "));

    dialog.RadioGroup1->setItemIndex(HomeMade);
    dialog.SpinEdit2->setValue(30);
    const StrengthRow* homeMade = FindStrength(HomeMade, 5, 30);
    ASSERT_TRUE(homeMade);
    EXPECT_TRUE(dialog.SpinEdit2->toolTip().startsWith("Home Made, level 5, branch 30: rated about " +
                                                       Rounded(homeMade->Rating) + ", "))
        << dialog.SpinEdit2->toolTip().toStdString();
    dialog.SpinEdit2->setValue(12);
    const QString unmeasured = dialog.SpinEdit1->toolTip();
    EXPECT_TRUE(
        unmeasured.startsWith("Home Made, level 5, branch 12: not measured; at branch 5 rated about " +
                              Rounded(FindStrength(HomeMade, 5, 5)->Rating)))
        << unmeasured.toStdString();
    EXPECT_TRUE(unmeasured.contains("at branch 30 rated about " + Rounded(homeMade->Rating)));
    // The dialog's values are not touched by the tooltips.
    EXPECT_EQ(dialog.SpinEdit1->fieldValue(), 5);
    EXPECT_EQ(dialog.RadioGroup1->itemIndex(), HomeMade);
}

TEST(StrengthTable, HowToPlayShowsEverySettingByRating) {
    THowToPlay help(nullptr);
    const QString text = help.Rules->text();
    ASSERT_TRUE(text.contains("How strong the computer plays"));
    int lastRating = 1 << 30;
    int lastAt = text.indexOf("<table");
    for (const QString& row : text.mid(lastAt).split("<tr>").mid(2)) {
        const int rating = row.section("<td>", 1, 1).section(QChar(0xb1), 0, 0).trimmed().toInt();
        EXPECT_LE(rating, lastRating) << "not by rating: " << row.toStdString();
        lastRating = rating;
    }
    for (const StrengthRow& row : MeasuredStrengths()) {
        const QString rating = QStringLiteral("<td>%1 \u00b1 %2</td>").arg(row.Rating).arg(row.Interval);
        const QString name =
            row.Algo == HomeMade
                ? QStringLiteral("Home Made (branch %1), level %2").arg(row.Branch).arg(row.Level)
                : QStringLiteral("%1").arg(AlgorithmNames[row.Algo].data());
        const int at = text.indexOf(rating);
        ASSERT_GE(at, 0) << rating.toStdString();
        EXPECT_TRUE(text.indexOf(name, at) >= 0) << name.toStdString();
    }
}
