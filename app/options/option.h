#pragma once

#include <QDialog>

#include "app/settings/PlayerConfig.h"

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QRadioButton;
class RadioGroup;
class SpinEdit;
struct ProfileState;

// The Players dialog: who plays each colour, the computer's depth, algorithm and branch
// count, and the network endpoints. Created once and kept; its controls keep their state
// between showings. The three edit fields are the only home of the endpoint texts.
//
// Every radio button runs its handler when it becomes checked, whether by a click or by
// program, and never when it already was checked; each algorithm group runs its handler
// when its selection changes. The enabling rules below depend on exactly that.
//
// The main window's Player12Click fills the dialog with FillFrom and shows it; on OK it
// takes the choice with TakeInto, ends the old role's connection, and then sets the role
// from ChosenNetworkRole. Cancel keeps everything.
class TOptions : public QDialog {
    Q_OBJECT

  public:
    explicit TOptions(QWidget* parent = nullptr);

    // Sets the kind buttons, the algorithm items, the levels and
    // branches. The edit fields are not touched.
    void FillFrom(const PlayerConfig& config);
    // The dialog's choice after OK: kinds, algorithms, levels and branches. NetworkRole is
    // left alone; the window sets it from ChosenNetworkRole after closing the old connection.
    void TakeInto(PlayerConfig& config) const;
    uint8_t ChosenNetworkRole() const;

    // The endpoint texts, loaded into the edit fields at start-up and read back at exit.
    void SetEndpoints(const ProfileState& state);
    void TakeEndpoints(ProfileState& state) const;

    void FormCreate();
    void RadioButton2Click(QAbstractButton* sender);
    void RadioButton4Click(QAbstractButton* sender);
    void RadioButton5Click();
    void RadioButton6Click();
    void RadioGroup1Click();
    void RadioGroup2Click();

    // Player 1 (left half)
    QRadioButton* RadioButton1; // Human
    QRadioButton* RadioButton2; // Computer
    QRadioButton* RadioButton6; // Network
    SpinEdit* SpinEdit1;        // level
    RadioGroup* RadioGroup1;    // algorithm
    SpinEdit* SpinEdit2;        // branch, at the end of the Home Made item
    QLineEdit* EditPortServer;
    // Player 2 (right half)
    QRadioButton* RadioButton3; // Human
    QRadioButton* RadioButton4; // Computer
    QRadioButton* RadioButton5; // Network
    SpinEdit* SpinEdit3;        // level
    RadioGroup* RadioGroup2;    // algorithm
    SpinEdit* SpinEdit4;        // branch
    QLineEdit* EditHostClient;
    QLineEdit* EditPortClient;

    QPushButton* OkButton;
    QPushButton* CancelButton;
};
