#include "app/options/option.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <string_view>

#include "ai/SearchSettings.h"
#include "app/options/RadioGroup.h"
#include "app/options/SpinEdit.h"
#include "app/options/StrengthTable.h"
#include "app/settings/Profile.h"
#include "view/PieceObject.h"

namespace {

// The dialog's size at 96 pixels per inch, and its size on screens above 100 pixels per
// inch, where the platform draws everything larger.
constexpr QSize DesignSize(431, 347);
constexpr QSize LargeScreenSize(525, 422);

// Spacing kept tight so that both halves and the buttons fit the design size in a small
// font: the margin of the page and between its parts, the margin inside a half and its
// heading, the space between rows, and the side margins of the algorithm boxes.
constexpr int Margin = 6;
constexpr int Inset = 4;
constexpr int RowGap = 3;
constexpr int BoxSide = 3;

// The board's blue, behind the headings, so the white and yellow texts can be read.
const QColor HeadingBackground(0, 0, 255);

QWidget* Heading(const QColor& colour, QWidget* parent) {
    auto* band = new QWidget(parent);
    band->setAutoFillBackground(true);
    QPalette backdrop = band->palette();
    backdrop.setColor(QPalette::Window, HeadingBackground);
    band->setPalette(backdrop);

    auto* label = new QLabel(QCoreApplication::translate("Players", "Choose your partner !"), band);
    QFont font = label->font();
    font.setUnderline(true);
    font.setBold(true);
    label->setFont(font);
    QPalette text = label->palette();
    text.setColor(QPalette::WindowText, colour);
    label->setPalette(text);

    auto* row = new QHBoxLayout(band);
    row->setContentsMargins(Inset, 2, Inset, 2);
    row->setSpacing(Margin);
    // A piece of the player's colour, as the board shows it.
    auto* piece = new CircleShape(colour, band);
    piece->setFixedSize(18, 18);
    row->addWidget(piece);
    row->addWidget(label);
    row->addStretch();
    return band;
}

// The searches' names, as the dialog shows them; the translators find them here.
constexpr std::array<std::string_view, 4> AlgorithmCaptions{
    QT_TRANSLATE_NOOP("Players", "Complete"), QT_TRANSLATE_NOOP("Players", "Branch and Bound"),
    QT_TRANSLATE_NOOP("Players", "Alpha-Beta"), QT_TRANSLATE_NOOP("Players", "Home Made")};
static_assert(AlgorithmCaptions == AlgorithmNames, "every search's name is offered for translation");

QStringList AlgorithmItems() {
    QStringList items;
    for (const std::string_view name : AlgorithmNames)
        items << QCoreApplication::translate("Players", std::string(name).c_str());
    // The branch count's field stands on Home Made's line, after its caption.
    items.last() += QStringLiteral("      ") + QCoreApplication::translate("Players", "Branch:");
    return items;
}

// A port is at most five digits: the field is as wide as that, where the host field takes
// the rest of its half.
void FitToPort(QLineEdit* edit) {
    edit->setFixedWidth(edit->minimumSizeHint().width() +
                        edit->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
}

// The dialog's members for one player's controls, which MakePlayerControls fills.
struct PlayerControls {
    QRadioButton*& Human;
    QRadioButton*& Computer;
    QRadioButton*& Network;
    SpinEdit*& Level;
    RadioGroup*& Algorithms;
    SpinEdit*& Branch; // at the end of the Home Made item
};

// Makes one player's half with `frameStyle` and the controls of `controls` in it. The three
// kinds exclude each other, and only each other. Until a kind is chosen the algorithms
// show Complete and, like the branch count, are disabled.
QFrame* MakePlayerControls(QDialog* dialog, int frameStyle, const PlayerControls& controls) {
    auto* half = new QFrame(dialog);
    half->setFrameStyle(frameStyle);
    controls.Human = new QRadioButton(QCoreApplication::translate("Players", "Human"), half);
    controls.Computer = new QRadioButton(QCoreApplication::translate("Players", "Computer"), half);
    controls.Network = new QRadioButton(QCoreApplication::translate("Players", "Network"), half);
    controls.Level = new SpinEdit(MinLevel, MaxLevel, 1, half);
    controls.Algorithms = new RadioGroup(AlgorithmItems(), half);
    controls.Branch = new SpinEdit(MinBranch, MaxBranch, 2);
    controls.Algorithms->placeAtEndOfItem(HomeMade, controls.Branch);

    auto* kinds = new QButtonGroup(dialog);
    for (QRadioButton* kind : {controls.Human, controls.Computer, controls.Network})
        kinds->addButton(kind);
    controls.Algorithms->setItemIndex(Complete);
    controls.Algorithms->setEnabled(false);
    controls.Branch->setEnabled(false);
    return half;
}

QRadioButton* KindButton(PlayerKind kind, QRadioButton* human, QRadioButton* computer,
                         QRadioButton* network) {
    if (kind == PlayerKind::Computer) return computer;
    return kind == PlayerKind::Network ? network : human;
}

// One player's half, top to bottom: the heading, the three kinds, the level, the algorithms
// and the endpoint fields with their captions.
void LayOutPlayer(QFrame* half, const QMargins& margins, const QColor& colour, const PlayerControls& controls,
                  std::initializer_list<std::pair<QString, QLineEdit*>> edits) {
    auto* column = new QVBoxLayout(half);
    column->setContentsMargins(margins);
    column->setSpacing(RowGap);
    column->addWidget(Heading(colour, half));
    for (QRadioButton* kind : {controls.Human, controls.Computer, controls.Network})
        column->addWidget(kind);
    auto* levelRow = new QHBoxLayout;
    levelRow->setSpacing(Margin);
    levelRow->addWidget(new QLabel(QCoreApplication::translate("Players", "Level :"), half));
    levelRow->addWidget(controls.Level);
    levelRow->addStretch();
    column->addLayout(levelRow);
    RadioGroup* algorithms = controls.Algorithms;
    algorithms->layout()->setContentsMargins(BoxSide, Inset, BoxSide, Inset);
    algorithms->layout()->setSpacing(RowGap);
    column->addWidget(algorithms);
    auto* fields = new QFormLayout;
    fields->setHorizontalSpacing(Margin);
    fields->setVerticalSpacing(RowGap);
    fields->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    for (const auto& [caption, edit] : edits)
        fields->addRow(caption, edit);
    column->addLayout(fields);
    column->addStretch();
}

} // namespace

TOptions::TOptions(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QCoreApplication::translate("Players", "Options"));
    // The 8-point face these controls were designed for is narrower than the usual desktop
    // faces, so a slightly smaller size keeps the same texts in the same room. Set before
    // the controls are made so that every one of them inherits it.
    QFont small = font();
    small.setPointSizeF(7.5);
    setFont(small);

    // Player 1, the left half.
    const PlayerControls player1{RadioButton1, RadioButton2, RadioButton6, SpinEdit1, RadioGroup1, SpinEdit2};
    QFrame* left = MakePlayerControls(this, QFrame::NoFrame, player1);
    EditPortServer = new QLineEdit(QStringLiteral("1024"), left);
    FitToPort(EditPortServer);

    // Player 2, the right half: a lowered panel.
    const PlayerControls player2{RadioButton3, RadioButton4, RadioButton5, SpinEdit3, RadioGroup2, SpinEdit4};
    QFrame* right = MakePlayerControls(this, QFrame::Panel | QFrame::Sunken, player2);
    EditHostClient = new QLineEdit(QString::fromUtf8(DefaultOpponentHost), right);
    EditHostClient->setToolTip(QCoreApplication::translate("Players", "Address IP of your opponent"));
    EditPortClient = new QLineEdit(QStringLiteral("1024"), right);
    EditPortClient->setToolTip(QCoreApplication::translate("Players", "Port of your opponent"));
    FitToPort(EditPortClient);

    // The left half is open, so its controls line up with the page margin; the panel of the
    // right half keeps a small margin inside its frame. Their rows start at the same height.
    const int inset = right->frameWidth() + Inset;
    LayOutPlayer(left, QMargins(0, inset, 0, inset), Player1PieceColor, player1,
                 {{QCoreApplication::translate("Players", "Port :"), EditPortServer}});
    LayOutPlayer(right, QMargins(Inset, Inset, Inset, Inset), Player2PieceColor, player2,
                 {{QCoreApplication::translate("Players", "Host :"), EditHostClient},
                  {QCoreApplication::translate("Players", "Port :"), EditPortClient}});

    OkButton = new QPushButton(QCoreApplication::translate("Players", "Ok"), this);
    CancelButton = new QPushButton(QCoreApplication::translate("Players", "Cancel"), this);
    // Neither button is the default one: Enter in a field does not close the dialog.
    for (QPushButton* button : {OkButton, CancelButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* halves = new QHBoxLayout;
    halves->setSpacing(Margin);
    halves->addWidget(left, 1);
    halves->addWidget(right, 1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(Margin);
    buttons->addStretch();
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);
    buttons->addStretch();
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(Margin, Margin, Margin, Margin);
    page->setSpacing(Margin);
    page->addLayout(halves, 1);
    page->addLayout(buttons);

    // A handler runs when its button becomes checked, by a click or by program.
    auto onChecked = [this](QRadioButton* button, auto handler) {
        connect(button, &QRadioButton::toggled, this, [this, button, handler](bool checked) {
            if (checked) (this->*handler)(button);
        });
    };
    onChecked(RadioButton1, &TOptions::RadioButton2Click);
    onChecked(RadioButton2, &TOptions::RadioButton2Click);
    onChecked(RadioButton3, &TOptions::RadioButton4Click);
    onChecked(RadioButton4, &TOptions::RadioButton4Click);
    connect(RadioButton5, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) RadioButton5Click();
    });
    connect(RadioButton6, &QRadioButton::toggled, this, [this](bool checked) {
        if (checked) RadioButton6Click();
    });
    connect(RadioGroup1, &RadioGroup::selectionChanged, this, &TOptions::RadioGroup1Click);
    connect(RadioGroup2, &RadioGroup::selectionChanged, this, &TOptions::RadioGroup2Click);

    // Each player's level, algorithm and branch tell how strong the chosen setting plays.
    ShowStrengthTips(SpinEdit1, RadioGroup1, SpinEdit2);
    ShowStrengthTips(SpinEdit3, RadioGroup2, SpinEdit4);

    FormCreate();
}

void TOptions::FormCreate() {
    // Larger screens draw the controls larger, so the window grows with them.
    resize(logicalDpiX() > 100 ? LargeScreenSize : DesignSize);
}

void TOptions::RadioButton2Click(QAbstractButton* sender) {
    RadioButton4->setEnabled(true);
    RadioGroup1->setEnabled((sender == RadioButton2 && sender->isChecked()) ||
                            (sender == RadioButton1 && !sender->isChecked()));
}

void TOptions::RadioButton4Click(QAbstractButton* sender) {
    RadioButton2->setEnabled(true);
    RadioGroup2->setEnabled((sender == RadioButton4 && sender->isChecked()) ||
                            (sender == RadioButton3 && !sender->isChecked()));
}

void TOptions::RadioGroup1Click() {
    SpinEdit2->setEnabled(RadioGroup1->itemIndex() == HomeMade);
}

void TOptions::RadioGroup2Click() {
    SpinEdit4->setEnabled(RadioGroup2->itemIndex() == HomeMade);
}

void TOptions::RadioButton6Click() {
    RadioButton3->setChecked(true);
    RadioButton4Click(RadioButton4);
    RadioButton4->setEnabled(false);
}

void TOptions::RadioButton5Click() {
    RadioButton2->setEnabled(false);
    RadioButton1->setChecked(true);
    RadioButton2Click(RadioButton2);
}

void TOptions::FillFrom(const PlayerConfig& config) {
    KindButton(KindOf(config, 1), RadioButton1, RadioButton2, RadioButton6)->setChecked(true);
    KindButton(KindOf(config, 2), RadioButton3, RadioButton4, RadioButton5)->setChecked(true);

    RadioGroup1->setItemIndex(config.Algo[1]);
    RadioGroup2->setItemIndex(config.Algo[2]);
    SpinEdit1->setValue(config.Level[1]);
    SpinEdit3->setValue(config.Level[2]);
    SpinEdit2->setValue(config.Branch[1]);
    SpinEdit4->setValue(config.Branch[2]);
}

void TOptions::TakeInto(PlayerConfig& config) const {
    config.PlayerIsComputer[1] = RadioButton2->isChecked();
    config.PlayerIsComputer[2] = RadioButton4->isChecked();
    config.Algo[1] = static_cast<uint8_t>(RadioGroup1->itemIndex());
    config.Algo[2] = static_cast<uint8_t>(RadioGroup2->itemIndex());
    config.Level[1] = SpinEdit1->fieldValue();
    config.Level[2] = SpinEdit3->fieldValue();
    config.Branch[1] = SpinEdit2->fieldValue();
    config.Branch[2] = SpinEdit4->fieldValue();
}

uint8_t TOptions::ChosenNetworkRole() const {
    if (RadioButton5->isChecked()) return 2;
    if (RadioButton6->isChecked()) return 1;
    return 0;
}

void TOptions::SetEndpoints(const ProfileState& state) {
    EditHostClient->setText(QString::fromStdString(state.HostClient));
    EditPortClient->setText(QString::fromStdString(state.PortClient));
    EditPortServer->setText(QString::fromStdString(state.PortServer));
}

void TOptions::TakeEndpoints(ProfileState& state) const {
    state.HostClient = EditHostClient->text().toStdString();
    state.PortClient = EditPortClient->text().toStdString();
    state.PortServer = EditPortServer->text().toStdString();
}
