#include <gtest/gtest.h>
#include <string_view>

#include <QAbstractSpinBox>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "app/options/RadioGroup.h"
#include "app/options/SpinEdit.h"
#include "app/options/option.h"
#include "app/settings/Profile.h"
#include "tests/SettingsTestSupport.h"

namespace {

// Set by --large-screen: the run stands for a screen of 120 pixels per inch.
bool LargeScreen = false;

PlayerConfig Config(bool computer1, bool computer2, uint8_t role, uint8_t algo1 = HomeMade,
                    uint8_t algo2 = AlphaBeta) {
    PlayerConfig config;
    config.PlayerIsComputer[1] = computer1;
    config.PlayerIsComputer[2] = computer2;
    config.NetworkRole = role;
    config.Algo[1] = algo1;
    config.Algo[2] = algo2;
    return config;
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
}

// Types into a spin field and moves the focus on, as a user tabbing out of it does.
void TypeInto(TOptions& dialog, SpinEdit* field, const QString& text) {
    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, text);
    dialog.EditHostClient->setFocus();
}

class OptionsDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        m_dialog.show();
        m_dialog.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&m_dialog));
    }
    TOptions m_dialog;
};

std::string SizeText(QSize size) {
    return std::to_string(size.width()) + " x " + std::to_string(size.height());
}

// A control as a failure message names it: its class and its text.
std::string Describe(const QWidget* widget) {
    QString text;
    if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        text = edit->text();
    return QStringLiteral("%1 \"%2\"").arg(widget->metaObject()->className(), text).toStdString();
}

// The dialog keeps its design size, and within it nothing is cut off or covered: every
// shown control lies inside its parent, has at least the room its contents need and
// overlaps none of its shown siblings. A layout that needs more room than the design size
// makes the dialog larger than it should be, or, forced smaller, squeezes its controls.
TEST_F(OptionsDialogTest, ComesOutAtItsDesignSizeWithEveryControlWhole) {
    TOptions& d = m_dialog;
    d.FillFrom(Config(false, true, 0, Complete, HomeMade));
    ASSERT_EQ(d.logicalDpiX() > 100, LargeScreen) << d.logicalDpiX() << " pixels per inch";
    const QSize expected = LargeScreen ? QSize(525, 422) : QSize(431, 347);
    EXPECT_EQ(SizeText(d.size()), SizeText(expected)) << "at " << d.logicalDpiX() << " pixels per inch";

    int checked = 0;
    for (const QWidget* widget : d.findChildren<QWidget*>()) {
        if (!widget->isVisible() || widget->isWindow()) continue;
        const QWidget* parent = widget->parentWidget();
        ++checked;
        EXPECT_TRUE(parent->rect().contains(widget->geometry()))
            << Describe(widget) << " sticks out of " << Describe(parent);
        // A spin field sizes its own editor; everything else is placed by a layout.
        const QSize needed = widget->minimumSizeHint();
        if (needed.isValid() && !qobject_cast<const QAbstractSpinBox*>(parent)) {
            EXPECT_TRUE(widget->width() >= needed.width() && widget->height() >= needed.height())
                << Describe(widget) << " is squeezed below its minimum size";
        }
        for (const QObject* other : parent->children()) {
            const auto* sibling = qobject_cast<const QWidget*>(other);
            if (sibling && sibling != widget && sibling->isVisible() && !sibling->isWindow()) {
                EXPECT_FALSE(widget->geometry().intersects(sibling->geometry()))
                    << Describe(widget) << " overlaps " << Describe(sibling);
            }
        }
    }
    EXPECT_GT(checked, 30) << "the controls of both halves and the buttons";
}

TEST_F(OptionsDialogTest, DesignState) {
    TOptions& d = m_dialog;
    EXPECT_EQ(d.windowTitle(), "Options");
    for (QRadioButton* button :
         {d.RadioButton1, d.RadioButton2, d.RadioButton3, d.RadioButton4, d.RadioButton5, d.RadioButton6})
        EXPECT_FALSE(button->isChecked()) << button->text().toStdString();
    EXPECT_EQ(d.RadioGroup1->itemIndex(), Complete);
    EXPECT_EQ(d.RadioGroup1->item(HomeMade)->text(), "Home Made      Branch:");
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    EXPECT_FALSE(d.RadioGroup2->isEnabled());
    EXPECT_FALSE(d.SpinEdit2->isEnabled());
    EXPECT_FALSE(d.SpinEdit4->isEnabled());
    EXPECT_TRUE(d.SpinEdit1->isEnabled());
    EXPECT_EQ(d.SpinEdit1->maximum(), 8);
    EXPECT_EQ(d.SpinEdit2->minimum(), 3);
    EXPECT_EQ(d.SpinEdit4->maximum(), 30);
    EXPECT_EQ(d.SpinEdit2->fieldValue(), 3);
    EXPECT_EQ(d.EditHostClient->text(), DefaultOpponentHost);
    EXPECT_EQ(d.EditHostClient->toolTip(), "Address IP of your opponent");
    EXPECT_EQ(d.EditPortClient->toolTip(), "Port of your opponent");
    EXPECT_EQ(d.EditPortServer->text(), "1024");
    EXPECT_FALSE(d.OkButton->isDefault() || d.OkButton->autoDefault() || d.CancelButton->autoDefault());
}

// The enabled state of every control the rules touch, after filling the dialog.
struct FillCase {
    const char* Name;
    PlayerConfig Config;
    const char* Checked; // the checked kind buttons, player 1 then player 2
    bool Computer1Enabled, Computer2Enabled, Group1Enabled, Group2Enabled, Branch1Enabled, Branch2Enabled;
};

void PrintTo(const FillCase& c, std::ostream* os) {
    *os << c.Name;
}

class FillTest : public OptionsDialogTest, public ::testing::WithParamInterface<FillCase> {};

std::string CheckedKinds(const TOptions& d) {
    std::string kinds;
    for (QRadioButton* button :
         {d.RadioButton1, d.RadioButton2, d.RadioButton6, d.RadioButton3, d.RadioButton4, d.RadioButton5})
        if (button->isChecked()) kinds += (kinds.empty() ? "" : " ") + button->objectName().toStdString();
    return kinds;
}

TEST_P(FillTest, EnablesWhatTheConfigurationAllows) {
    const FillCase& c = GetParam();
    TOptions& d = m_dialog;
    d.RadioButton1->setObjectName("Human1");
    d.RadioButton2->setObjectName("Computer1");
    d.RadioButton6->setObjectName("Network1");
    d.RadioButton3->setObjectName("Human2");
    d.RadioButton4->setObjectName("Computer2");
    d.RadioButton5->setObjectName("Network2");
    d.FillFrom(c.Config);
    EXPECT_EQ(CheckedKinds(d), c.Checked);
    EXPECT_EQ(d.RadioButton2->isEnabled(), c.Computer1Enabled);
    EXPECT_EQ(d.RadioButton4->isEnabled(), c.Computer2Enabled);
    EXPECT_EQ(d.RadioGroup1->isEnabled(), c.Group1Enabled);
    EXPECT_EQ(d.RadioGroup2->isEnabled(), c.Group2Enabled);
    EXPECT_EQ(d.SpinEdit2->isEnabled(), c.Branch1Enabled);
    EXPECT_EQ(d.SpinEdit4->isEnabled(), c.Branch2Enabled);
    EXPECT_TRUE(d.SpinEdit1->isEnabled() && d.SpinEdit3->isEnabled()) << "level fields are never disabled";

    // Filled and taken back unchanged, the configuration is the same.
    PlayerConfig taken;
    d.TakeInto(taken);
    taken.NetworkRole = d.ChosenNetworkRole();
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(taken.PlayerIsComputer[p], c.Config.PlayerIsComputer[p]);
        EXPECT_EQ(taken.Algo[p], c.Config.Algo[p]);
        EXPECT_EQ(taken.Level[p], c.Config.Level[p]);
        EXPECT_EQ(taken.Branch[p], c.Config.Branch[p]);
    }
    EXPECT_EQ(taken.NetworkRole, c.Config.NetworkRole);
}

INSTANTIATE_TEST_SUITE_P(
    Configurations, FillTest,
    ::testing::Values(
        // Player 1 Human with Home Made chosen: its branch field is inside the disabled group.
        FillCase{"StartConfiguration", PlayerConfig{}, "Human1 Computer2", true, true, false, true, false,
                 false},
        FillCase{"HomeMadeComputer", Config(false, true, 0, Complete, HomeMade), "Human1 Computer2", true,
                 true, false, true, false, true},
        FillCase{"BothComputers", Config(true, true, 0, HomeMade, HomeMade), "Computer1 Computer2", true,
                 true, true, true, true, true},
        FillCase{"BothHuman", Config(false, false, 0), "Human1 Human2", true, true, false, false, false,
                 false},
        FillCase{"Player1Network", Config(false, false, 1), "Network1 Human2", true, false, false, false,
                 false, false},
        FillCase{"Player2Network", Config(false, false, 2), "Human1 Network2", false, true, false, false,
                 false, false},
        // Loaded from a file as stored: Network and Computer together.
        FillCase{"Player1NetworkPlayer2Computer", Config(false, true, 1), "Network1 Computer2", true, false,
                 false, true, false, false}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(OptionsDialogTest, HomeMadePlayerShowsItsBranch) {
    PlayerConfig config = Config(false, true, 0, Complete, HomeMade);
    config.Branch[2] = 17;
    config.Level[2] = 6;
    m_dialog.FillFrom(config);
    EXPECT_TRUE(m_dialog.SpinEdit4->isEnabled());
    EXPECT_EQ(m_dialog.SpinEdit4->text(), "17");
    EXPECT_EQ(m_dialog.SpinEdit3->text(), "6");
}

TEST_F(OptionsDialogTest, NetworkForPlayer2MakesPlayer1Human) {
    TOptions& d = m_dialog;
    d.FillFrom(Config(true, false, 0));
    ASSERT_TRUE(d.RadioGroup1->isEnabled());
    Click(d.RadioButton5);
    EXPECT_TRUE(d.RadioButton5->isChecked());
    EXPECT_TRUE(d.RadioButton1->isChecked());
    EXPECT_FALSE(d.RadioButton2->isChecked());
    EXPECT_FALSE(d.RadioButton2->isEnabled()) << "player 1 cannot be Computer";
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    EXPECT_TRUE(d.RadioButton4->isEnabled());
    EXPECT_EQ(d.ChosenNetworkRole(), 2);

    // Back to Human for player 2: player 1 may be Computer again.
    Click(d.RadioButton3);
    EXPECT_TRUE(d.RadioButton2->isEnabled());
    EXPECT_EQ(d.ChosenNetworkRole(), 0);
}

TEST_F(OptionsDialogTest, NetworkForPlayer1WhilePlayer2IsNetwork) {
    TOptions& d = m_dialog;
    d.FillFrom(Config(false, false, 2));
    Click(d.RadioButton6);
    EXPECT_TRUE(d.RadioButton6->isChecked());
    EXPECT_FALSE(d.RadioButton1->isChecked());
    EXPECT_TRUE(d.RadioButton3->isChecked()) << "player 2 becomes Human";
    EXPECT_FALSE(d.RadioButton5->isChecked()) << "player 2's Network mark goes";
    EXPECT_FALSE(d.RadioButton4->isEnabled()) << "player 2 cannot be Computer";
    EXPECT_TRUE(d.RadioButton2->isEnabled());
    EXPECT_FALSE(d.RadioGroup2->isEnabled());
    EXPECT_EQ(d.ChosenNetworkRole(), 1);

    // Player 1's Computer button gives player 2 back its own.
    Click(d.RadioButton2);
    EXPECT_TRUE(d.RadioButton4->isEnabled());
    EXPECT_TRUE(d.RadioGroup1->isEnabled());
    EXPECT_EQ(d.ChosenNetworkRole(), 0);
}

TEST_F(OptionsDialogTest, CheckedButtonOrSelectedItemRunsNoHandler) {
    TOptions& d = m_dialog;
    d.FillFrom(Config(true, false, 0, HomeMade));
    ASSERT_TRUE(d.RadioGroup1->isEnabled());
    ASSERT_TRUE(d.SpinEdit2->isEnabled());

    // Mark the controls a handler would set, then choose again what is already chosen.
    d.SpinEdit2->setEnabled(false);
    Click(d.RadioGroup1->item(HomeMade));
    EXPECT_FALSE(d.SpinEdit2->isEnabled());
    d.RadioGroup1->setEnabled(false);
    Click(d.RadioButton2);
    d.FillFrom(Config(true, false, 0, HomeMade));
    EXPECT_FALSE(d.RadioGroup1->isEnabled());
    EXPECT_FALSE(d.SpinEdit2->isEnabledTo(d.RadioGroup1));

    // A change of item runs the group's handler, by click and by program.
    d.RadioGroup1->setEnabled(true);
    Click(d.RadioGroup1->item(AlphaBeta));
    EXPECT_FALSE(d.SpinEdit2->isEnabled());
    d.RadioGroup1->setItemIndex(HomeMade);
    EXPECT_TRUE(d.SpinEdit2->isEnabled());
}

struct TypedCase {
    const char* Name;
    int Field; // 1 level of player 1, 2 branch of player 1
    const char* Typed;
    const char* Shown; // after the focus has left
    int Value;
};

void PrintTo(const TypedCase& c, std::ostream* os) {
    *os << c.Name;
}

class TypedValueTest : public OptionsDialogTest, public ::testing::WithParamInterface<TypedCase> {};

TEST_P(TypedValueTest, IsBroughtIntoRangeWhenTheFocusLeaves) {
    const TypedCase& c = GetParam();
    TOptions& d = m_dialog;
    d.FillFrom(Config(true, false, 0, HomeMade));
    SpinEdit* field = c.Field == 1 ? d.SpinEdit1 : d.SpinEdit2;

    field->setFocus();
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Delete);
    QTest::keyClicks(field, c.Typed);
    EXPECT_EQ(field->fieldValue(), c.Value) << "read before the focus leaves";
    d.EditHostClient->setFocus();
    EXPECT_EQ(field->text().toStdString(), c.Shown);

    Click(d.OkButton);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    PlayerConfig config;
    d.TakeInto(config);
    EXPECT_EQ(c.Field == 1 ? config.Level[1] : config.Branch[1], c.Value);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TypedValueTest,
    ::testing::Values(TypedCase{"LevelNine", 1, "9", "8", 8}, TypedCase{"LevelSeven", 1, "7", "7", 7},
                      TypedCase{"LevelTwoDigitsCut", 1, "75", "7", 7}, TypedCase{"LevelEmpty", 1, "", "0", 0},
                      TypedCase{"LevelLetter", 1, "x", "0", 0},
                      TypedCase{"BranchTooLarge", 2, "45", "30", 30},
                      TypedCase{"BranchTooSmall", 2, "1", "3", 3}, TypedCase{"BranchEmpty", 2, "", "3", 3},
                      TypedCase{"BranchInRange", 2, "12", "12", 12}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(OptionsDialogTest, OkTakesTheChoicesBack) {
    TOptions& d = m_dialog;
    d.FillFrom(PlayerConfig{});
    QTimer::singleShot(0, &d, [&d] {
        Click(d.RadioButton2);
        Click(d.RadioGroup1->item(BranchAndBound));
        TypeInto(d, d.SpinEdit1, "5");
        Click(d.RadioButton3);
        Click(d.OkButton);
    });
    ASSERT_EQ(d.exec(), QDialog::Accepted);
    PlayerConfig config;
    config.NetworkRole = 1;
    d.TakeInto(config);
    EXPECT_TRUE(config.PlayerIsComputer[1]);
    EXPECT_FALSE(config.PlayerIsComputer[2]);
    EXPECT_EQ(config.Algo[1], BranchAndBound);
    EXPECT_EQ(config.Level[1], 5);
    EXPECT_EQ(config.NetworkRole, 1) << "the window changes the role itself";
    EXPECT_EQ(d.ChosenNetworkRole(), 0);
}

TEST_F(OptionsDialogTest, CancelKeepsATypedHost) {
    TOptions& d = m_dialog;
    ProfileState loaded;
    loaded.HostClient = "10.0.0.7";
    d.SetEndpoints(loaded);
    d.FillFrom(PlayerConfig{});
    QTimer::singleShot(0, &d, [&d] {
        d.EditHostClient->selectAll();
        QTest::keyClicks(d.EditHostClient, "192.168.1.20");
        Click(d.RadioButton5);
        Click(d.CancelButton);
    });
    ASSERT_EQ(d.exec(), QDialog::Rejected);

    // The next round trip fills the kinds again but leaves the endpoints as typed.
    d.FillFrom(PlayerConfig{});
    EXPECT_TRUE(d.RadioButton4->isChecked());
    EXPECT_FALSE(d.RadioButton5->isChecked());
    EXPECT_TRUE(d.RadioButton2->isEnabled());
    ProfileState atExit;
    d.TakeEndpoints(atExit);
    EXPECT_EQ(atExit.HostClient, "192.168.1.20");
    EXPECT_EQ(atExit.PortClient, "1024");
}

// Two runs of the program as the window wires them: load into the window's state and the
// dialog, change things in the dialog, store at exit, load again.
TEST_F(OptionsDialogTest, SettingsChosenInTheDialogAreThereAtTheNextStart) {
    TemporaryDirectory dir;
    const std::filesystem::path file = dir.Path() / "Tessaron" / "registry.reg";
    {
        TProfile profile(file);
        ProfileState state;
        profile.CreateEnv(state);
        TOptions& d = m_dialog;
        d.SetEndpoints(state);
        d.FillFrom(state.Config);
        Click(d.RadioButton5);
        Click(d.RadioGroup2->item(HomeMade));
        TypeInto(d, d.SpinEdit3, "4");
        d.EditHostClient->selectAll();
        QTest::keyClicks(d.EditHostClient, "example.org");
        Click(d.OkButton);
        ASSERT_EQ(d.result(), QDialog::Accepted);
        d.TakeInto(state.Config);
        state.Config.NetworkRole = d.ChosenNetworkRole();
        d.TakeEndpoints(state);
        profile.WriteEnv(state);
    }
    TProfile profile(file);
    ProfileState state;
    profile.CreateEnv(state);
    TOptions next;
    next.SetEndpoints(state);
    next.FillFrom(state.Config);
    EXPECT_TRUE(next.RadioButton5->isChecked());
    EXPECT_TRUE(next.RadioButton1->isChecked());
    EXPECT_FALSE(next.RadioButton2->isEnabled());
    EXPECT_EQ(next.RadioGroup2->itemIndex(), HomeMade);
    EXPECT_EQ(next.SpinEdit3->text(), "4");
    EXPECT_EQ(next.EditHostClient->text(), "example.org");
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) return RUN_ALL_TESTS();
    // A screen of more than 100 pixels per inch, with the platform's own scaling turned off
    // so that the dialog meets that resolution itself.
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--large-screen") {
            LargeScreen = true;
            qputenv("QT_FONT_DPI", "120");
            qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
        }
    }
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
