#include "About.h"

#include "FormLook.h"
#include "Links.h"
#include "ui_About.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <algorithm>

namespace {

const QColor kCream(255, 251, 240);
constexpr int kNoticeWidth = 25;
const QString kCr = QStringLiteral("\r");

// The big word keeps its 56 px height; a face wider than the one it was drawn for is narrowed
// until the word fits its label instead of being cut off.
QFont bigWordFont(const QString& word, int width) {
    QFont f(QStringLiteral("@GungsuhChe"));
    f.setPixelSize(56);
    f.setBold(true);
    const int natural = QFontMetrics(f).horizontalAdvance(word);
    if (natural > width)
        f.setStretch(std::max(50, 100 * width / natural));
    return f;
}

QString withoutScheme(const QString& url) {
    for (const QString& scheme : {QStringLiteral("http://"), QStringLiteral("https://")})
        if (url.startsWith(scheme, Qt::CaseInsensitive))
            return url.mid(scheme.size());
    return url;
}

} // namespace

TFrm_About::TFrm_About(QWidget* owner) : QDialog(owner), m_ui(std::make_unique<Ui::Frm_About>()) {
    m_ui->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(382, 214);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kCream);
    setPalette(pal);
    setAutoFillBackground(true);
    QFont base(kSongFace);
    base.setPixelSize(12);
    setFont(base);
    applyFormLook(this);
    for (QLabel* word : {m_ui->Label3, m_ui->Label1})
        word->setFont(bigWordFont(word->text(), word->width()));

    for (QLabel* child :
         std::initializer_list<QLabel*>{m_ui->Image1, m_ui->Label2, m_ui->Label3, m_ui->Label1})
        child->installEventFilter(this);
    centreOnScreen();
}

TFrm_About::~TFrm_About() = default;

QString TFrm_About::informationText() {
    return QStringLiteral("软件名称 : Pelmora") + kCr + QStringLiteral("软件性质 : 免费软件") +
           kCr + QStringLiteral("软件版本 : ") + versionText() + kCr +
           QStringLiteral("软件作者 : ") + Maker::author() + kCr + QStringLiteral("作者邮箱 : ") +
           Maker::email() + kCr + QStringLiteral("作者网站 : ") + withoutScheme(Maker::website()) +
           kCr + QString(kNoticeWidth, QLatin1Char(' ')) + kCr +
           Maker::notice().leftJustified(kNoticeWidth, QLatin1Char(' '));
}

void TFrm_About::FormShow() {
    m_ui->Label2->setText(informationText());
}

void TFrm_About::Image1Click() {
    close();
}

void TFrm_About::centreOnScreen() {
    const QWidget* owner = parentWidget();
    QScreen* screen = owner ? owner->screen() : this->screen();
    if (!screen)
        return;
    // The outer window is centred. Its frame is the window system's: once the box is on screen
    // it is known; before that the owner's frame is the best guess.
    QSize frame = frameGeometry().size() - size();
    if (!isVisible() && owner)
        frame = owner->frameGeometry().size() - owner->size();
    const QSize outer = size() + frame;
    // move() places the frame's top left corner.
    move(screen->geometry().center() - QPoint((outer.width() - 1) / 2, (outer.height() - 1) / 2));
}

void TFrm_About::showEvent(QShowEvent* event) {
    FormShow();
    QDialog::showEvent(event);
    // The frame is known now: centre again if the guess was off.
    QTimer::singleShot(0, this, &TFrm_About::centreOnScreen);
}

// A click is a left press and a release over the same widget, as on the other windows.
void TFrm_About::mousePressEvent(QMouseEvent* event) {
    m_pressedOn = event->button() == Qt::LeftButton ? this : nullptr;
    event->accept();
}

void TFrm_About::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressedOn == this && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressedOn = nullptr;
    if (click)
        Image1Click();
}

bool TFrm_About::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        m_pressedOn = mouse->button() == Qt::LeftButton ? watched : nullptr;
        return true; // the box behind must not take a press meant for its child
    }
    case QEvent::MouseButtonRelease: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* widget = static_cast<QWidget*>(watched);
        const bool click = m_pressedOn == watched && mouse->button() == Qt::LeftButton &&
                           widget->rect().contains(mouse->position().toPoint());
        m_pressedOn = nullptr;
        // The shadow word has no click of its own, and keeps its clicks from the box.
        if (click && watched != m_ui->Label3)
            Image1Click();
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}
