#include "app/about.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTimer>

#include "app/CentreOnScreen.h"
#include "app/OuterSize.h"
#include "app/PictureFile.h"
#include "app/Platform.h"
#include "app/WindowWait.h"

namespace {

const QString ContactLine = QStringLiteral("play@tessaron.example");
const QString WebAddressLine = QStringLiteral("www.tessaron.example");

// A line of aqua text drawn over the picture with a thin dark edge, so it stays readable
// wherever it passes over the picture while it slides.
class PictureLine final : public QLabel {
  public:
    using QLabel::QLabel;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addText(0, 0, font(), text());
        const QRectF bounds = path.boundingRect();
        path.translate((width() - bounds.width()) / 2 - bounds.left(),
                       (height() - bounds.height()) / 2 - bounds.top());
        painter.strokePath(path, QPen(QColor(0, 0, 40, 200), 3));
        painter.fillPath(path, palette().color(QPalette::WindowText));
    }
};

QLabel* MakeLine(const QString& text, QWidget* parent) {
    auto* label = new PictureLine(text, parent);
    QFont font(QStringLiteral("News Gothic MT"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(27);
    label->setFont(font);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setAutoFillBackground(false);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(0, 255, 255)); // aqua
    label->setPalette(palette);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

} // namespace

TAboutBox::TAboutBox(Platform& platform, QWidget* parent) : QDialog(parent), m_platform(platform) {
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(423, 322);

    Panel1 = new QFrame(this);
    Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel1->setLineWidth(2);
    Panel1->setGeometry(10, 10, 402, 269);
    ProgramIcon = new QLabel(Panel1);
    ProgramIcon->setAlignment(Qt::AlignCenter);
    ProgramIcon->setGeometry(Panel1->contentsRect());
    Label1 = MakeLine(ContactLine, Panel1);
    Label1->setGeometry(28, 225, 346, 33);
    Label2 = MakeLine(WebAddressLine, Panel1);
    Label2->setGeometry(23, 9, 349, 33);

    OKButton = new QPushButton(QCoreApplication::translate("About", "OK"), this);
    OKButton->setGeometry(159, 287, 98, 31);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TAboutBox::FormCreate() {
    // Screens of high resolution get the box's compact arrangement.
    if (logicalDpiX() > 100) {
        setFixedSize(355, 308);
        KeepOuterSize(this, {355, 308});
        Panel1->resize(327, 219);
        ProgramIcon->setGeometry(Panel1->contentsRect());
        OKButton->setGeometry(129, 238, 92, 30);
        for (QLabel* line : {Label1, Label2}) {
            QFont font = line->font();
            font.setPointSize(13);
            line->setFont(font);
        }
        Label1->move(16, 215);
        Label2->move(16, Label2->y());
    }
    LoadPicture(m_platform, ProgramIcon, SplashPictureFile);
    CentreOnScreen(this);
}

void TAboutBox::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Slide once the box is on screen: before that no step of it could be seen.
    QTimer::singleShot(0, this, [this] {
        WaitUntilExposed(this, 2000);
        FormActivate();
    });
}

void TAboutBox::FormActivate() {
    for (int n = 215; n >= 180; --n) {
        Label1->move(Label1->x(), n);
        Label2->move(Label2->x(), 189 - n);
        if (n % 3 == 0) Label1->repaint();
        m_platform.Wait(18);
    }
}
