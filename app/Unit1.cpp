#include "Unit1.h"

#include "About.h"
#include "Dialogs.h"
#include "FormLook.h"
#include "FrameExtents.h"
#include "HtmlView.h"
#include "HtmlViewLoader.h"
#include "Links.h"
#include "PageHost.h"
#include "PageTexts.h"
#include "SettingsFile.h"
#include "StatusBar.h"
#include "WindowPlacement.h"
#include "ui_Unit1.h"

#include "Calculators.h"
#include "Deposit.h"
#include "UnitFunc.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString kSection = QStringLiteral("MainForm");
constexpr int kDefaultLeft = 217;
constexpr int kDefaultTop = 179;

struct TabSize {
    int width, height;
};
// Outer window size per tab, by pages::Tab.
constexpr TabSize kTabSizes[] = {{780, 420}, {518, 430}, {528, 460}, {537, 470}, {810, 505}};
static_assert(std::size(kTabSizes) == pages::TabCount);

// The outer width while a conversion page shows; its height is in the page table.
constexpr int kConversionWidth = 810;
constexpr int kSelectorBarHeight = 29;
// The calculator page is shown scrolled down by this much, its top out of sight.
constexpr int kCalculatorScroll = 10;

const QColor kLabelHighlighted(0, 0, 128); // navy
const QColor kLabelNormal(62, 172, 238);

std::string utf8(const QString& text) {
    return text.toStdString();
}

void setLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

// A tab's widgets get their fonts and colours, and its labels their sizes, when the tab is
// first shown: the hidden tabs then cost nothing at start-up.
void preparePage(QWidget* page) {
    if (!page || page->property("prepared").toBool())
        return;
    page->setProperty("prepared", true);
    applyFormLook(page);
    for (QLabel* label : page->findChildren<QLabel*>())
        if (!label->wordWrap())
            label->adjustSize();
}

void setLabelLook(QLabel* label, bool highlighted) {
    QFont f(kSongFace);
    f.setPixelSize(14);
    f.setBold(highlighted);
    label->setFont(f);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, highlighted ? kLabelHighlighted : kLabelNormal);
    label->setPalette(pal);
    // The designed width is the label's click area and keeps the row's spacing; it grows only
    // when the caption would not fit in the face that stands in for the Song face.
    QVariant designed = label->property("designWidth");
    if (!designed.isValid()) {
        designed = label->width();
        label->setProperty("designWidth", designed);
    }
    const QSize hint = label->sizeHint();
    label->resize(std::max(designed.toInt(), hint.width()), hint.height());
    // The substitute face is taller than the designed one: centred, the caption clears the
    // bar's grooved border below it.
    label->move(label->x(), (kSelectorBarHeight - hint.height()) / 2);
}

} // namespace

TFrm::TFrm(const QString& settingsPath, QWidget* parent)
    : QMainWindow(parent), m_ui(std::make_unique<Ui::Frm>()) {
    m_ui->setupUi(this);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    for (int i = 0; i < m_ui->PCMain->count(); ++i)
        m_ui->PCMain->widget(i)->setAutoFillBackground(true);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    // The hint text uses the memo's whole width, as the lines were written for.
    m_ui->Memo1->document()->setDocumentMargin(0);
    // Lines of the hint sit one font height apart, as in the Song face they were set for;
    // the substitute face's own line gap would push the last lines out of the panel.
    QTextCursor all(m_ui->Memo1->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat spacing;
    spacing.setLineHeight(15, QTextBlockFormat::FixedHeight);
    all.mergeBlockFormat(spacing);
    m_ui->StatusBar1->setFixedHeight(19);
    m_ui->StatusBar1->setSizeGripEnabled(false);
    // The window manager may report its frame late or change it: the outer size follows.
    m_frameExtents = new FrameExtents(this);
    connect(
        m_frameExtents, &FrameExtents::changed, this,
        [this] { setOuterSize(m_outerSize.width(), m_outerSize.height()); }, Qt::QueuedConnection);

    auto& ui = *m_ui;
    connect(ui.PCMain, &SideTabWidget::currentAboutToChange, this, &TFrm::PCMainChanging);
    connect(ui.PCMain, &QTabWidget::currentChanged, this, &TFrm::PCMainChange);
    connect(ui.BtnCalc1, &QPushButton::clicked, this, &TFrm::BtnCalc1Click);
    connect(ui.BtnZero1, &QPushButton::clicked, this, &TFrm::BtnZero1Click);
    connect(ui.CbSuodeshui, &QComboBox::activated, this, &TFrm::CbSuodeshuiChange);
    connect(ui.CbTime, &QComboBox::activated, this, &TFrm::CbTimeChange);
    connect(ui.Button3, &QPushButton::clicked, this, &TFrm::Button3Click);
    connect(ui.Button4, &QPushButton::clicked, this, &TFrm::Button4Click);
    connect(ui.Button1, &QPushButton::clicked, this, &TFrm::Button1Click);
    connect(ui.Button2, &QPushButton::clicked, this, &TFrm::Button2Click);
    ui.EdtFirstStep->installEventFilter(this);
    // The header bands span their tab, so the gradient ends in white at its bottom right.
    for (QWidget* tab : {ui.TabSheet1, ui.TabSheet2, ui.TabSheet3})
        tab->installEventFilter(this);
    makeFlat(ui.RzComboBox4);
    // Enter in any field of a calculator tab calculates, as its button does.
    const std::pair<QWidget*, QPushButton*> calculators[] = {
        {ui.TabSheet1, ui.BtnCalc1}, {ui.TabSheet2, ui.Button3}, {ui.TabSheet3, ui.Button1}};
    for (const auto& [tab, button] : calculators)
        for (QLineEdit* edit : tab->findChildren<QLineEdit*>())
            connect(edit, &QLineEdit::returnPressed, button, &QPushButton::click);
    // Results can be selected and copied, with the mouse and with the keyboard.
    for (QLabel* result : {ui.LabShui, ui.LabShuihou, ui.LabLixi, ui.LabLixirui, ui.LabHeji,
                           ui.LabJiankang, ui.LabShuoming})
        result->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    for (QLabel* label : {ui.lab1, ui.lab2, ui.lab3, ui.lab4, ui.lab5, ui.lab6, ui.lab7, ui.lab8})
        label->installEventFilter(this);
    qApp->installEventFilter(this);
    setUpHelpMenuAndStatusBar();
    // Each caption labels its field for assistive technology: on Linux a list's accessible name
    // is its current item, and screen readers find the list's caption through this relation.
    const std::pair<QLabel*, QWidget*> captions[] = {
        {ui.Label18, ui.CbSuodeshui}, {ui.Label19, ui.EdtSalary},   {ui.LabDangdi, ui.EdtFirstStep},
        {ui.Label1, ui.RzComboBox1},  {ui.Label15, ui.RzComboBox2}, {ui.Label16, ui.CbTime},
        {ui.Label17, ui.EdtAmt},      {ui.Label20, ui.EdtRat},      {ui.Label26, ui.RzComboBox4},
        {ui.Label25, ui.EdtHeight},   {ui.Label27, ui.EdtWeight}};
    for (const auto& [caption, field] : captions)
        caption->setBuddy(field);

    FormCreate(settingsPath);
}

TFrm::~TFrm() {
    qApp->removeEventFilter(this);
}

void TFrm::FormCreate(const QString& settingsPath) {
    auto& ui = *m_ui;
    ConversionLabels = {ui.lab1, ui.lab2, ui.lab3, ui.lab4, ui.lab5, ui.lab6, ui.lab7, ui.lab8};
    // The selector's labels get their look, "长度换算" highlighted, when the conversion tab is
    // shown; their designed widths are kept now, before the tab's labels are sized to their texts.
    for (QLabel* label : ConversionLabels)
        label->setProperty("designWidth", label->width());
    // The design leaves the conversion tab active, so this is a change and sizes the window.
    ui.PCMain->setCurrentIndex(pages::IncomeTaxTab);
    TermMonths = 3;
    m_settingsFile = std::make_unique<SettingsFile>(
        settingsPath.isEmpty() ? SettingsFile::defaultPath() : settingsPath);
    const QList<int> stored = m_settingsFile->readIntegers(
        kSection, {{QStringLiteral("Left"), kDefaultLeft}, {QStringLiteral("Top"), kDefaultTop}});
    const QPoint saved(stored[0], stored[1]);
    // A position saved on a screen that is no longer there (or beyond every screen) would leave
    // the window lost off screen; it comes back onto the nearest screen.
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    m_startPosition = placeOnScreens(saved, m_outerSize, screens);
    move(m_startPosition);
}

void TFrm::setOuterSize(int width, int height) {
    m_outerSize = {width, height};
    // The frame the window manager reports, else what Qt knows of it (nothing before the
    // window is shown; showEvent applies the size again).
    const std::optional<QMargins> reported = m_frameExtents->margins();
    const QSize frame =
        reported ? QSize(reported->left() + reported->right(), reported->top() + reported->bottom())
                 : frameGeometry().size() - geometry().size();
    setFixedSize(width - frame.width(), height - frame.height());
}

QSize TFrm::outerSize() const {
    const std::optional<QMargins> reported = m_frameExtents->margins();
    return reported ? geometry().marginsAdded(*reported).size() : frameGeometry().size();
}

QPoint TFrm::framePosition() const {
    const std::optional<QMargins> reported = m_frameExtents->margins();
    return reported ? geometry().marginsAdded(*reported).topLeft() : frameGeometry().topLeft();
}

void TFrm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!event->spontaneous()) {
        // Still unmapped: learn the frame first, so the first frame on screen has its size.
        m_frameExtents->requestBeforeMapping();
        setOuterSize(m_outerSize.width(), m_outerSize.height());
        // The frame, not the client area, goes to the saved position: Qt would put the client
        // area there when it learns the frame only after mapping, and the window would creep
        // by the frame at every restart.
        if (const std::optional<QMargins> frame = m_frameExtents->margins(); frame && !m_shown)
            setGeometry(QRect(m_startPosition + QPoint(frame->left(), frame->top()), size()));
        m_shown = true;
    }
    QTimer::singleShot(0, this,
                       [this] { setOuterSize(m_outerSize.width(), m_outerSize.height()); });
}

bool TFrm::event(QEvent* event) {
    const bool handled = QMainWindow::event(event);
    if (event->type() == QEvent::Paint && !m_painted) {
        m_painted = true;
        // Queued, so the paint is on screen first.
        QTimer::singleShot(0, this, [this] {
            emit firstPainted();
            if (m_prewarmAfterFirstPaint)
                QTimer::singleShot(50, this, &TFrm::prewarmHtmlViews);
        });
    }
    return handled;
}

void TFrm::sizeForTab(int index) {
    if (index >= 0 && index < int(std::size(kTabSizes)))
        setOuterSize(kTabSizes[index].width, kTabSizes[index].height);
}

void TFrm::PCMainChanging(int index) {
    // An HTML view lays out and draws its whole page again at every new size, so a view keeps
    // its tab's size while hidden. The window takes the chosen tab's size now, before that tab
    // is shown, unless the tab being left has a view: then resizing now would resize that view,
    // and the window is resized after the change instead (PCMainChange).
    const int leaving = m_ui->PCMain->indexOf(m_ui->PCMain->currentWidget());
    if (leaving != pages::CalculatorTab && leaving != pages::ConversionTab)
        sizeForTab(index);
}

void TFrm::PCMainChange(int index) {
    preparePage(m_ui->PCMain->widget(index));
    switch (index) {
    case pages::CalculatorTab:
        showPageSwallowingErrors(pages::fileName(pages::firstPage(pages::CalculatorTab)),
                                 webCalc());
        // The calculator takes the keyboard, as a desktop calculator does.
        if (m_webCalc)
            m_webCalc->setFocus();
        break;
    case pages::ConversionTab:
        highlightConversionLabel(pages::firstPage(pages::ConversionTab).tag);
        break;
    default:
        break;
    }
    sizeForTab(index);
    if (index == pages::ConversionTab)
        showPageSwallowingErrors(pages::fileName(pages::firstPage(pages::ConversionTab)), webDlh());
}

void TFrm::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TFrm::FormClose() {
    runHandler(this, [this] {
        // All five keys in one replacement of the file: it holds all of them or none. The
        // position is where the frame really is, so the next start puts it back exactly there.
        const QPoint position = framePosition();
        const QSize size = outerSize();
        m_settingsFile->writeIntegers(
            kSection, {{QStringLiteral("Left"), position.x()},
                       {QStringLiteral("Top"), position.y()},
                       {QStringLiteral("Width"), size.width()},
                       {QStringLiteral("Height"), size.height()},
                       {QStringLiteral("PageIndex"), m_ui->PCMain->currentIndex()}});
    });
    // Even when the settings could not be saved, the window closes and leaves no page files.
    PageHost::deletePageFiles();
}

// ---- Income tax ------------------------------------------------------------------------

namespace {
// Shows what a calculator's button led to: the message box; or the result panel (on the tabs
// whose panel shows as soon as the fields pass the checks, also when the calculation then
// fails), then the error box or the result texts.
void showOutcome(QWidget* parent, const calc::Outcome& outcome, QWidget* panel,
                 std::initializer_list<QLabel*> labels, bool panelOnError) {
    if (!outcome.message.empty())
        return Dialogs::current().message(parent, QString::fromStdString(outcome.message));
    if (outcome.error.empty() || panelOnError)
        panel->setVisible(true);
    if (!outcome.error.empty())
        return Dialogs::current().appError(parent, QString::fromStdString(outcome.error));
    auto text = outcome.texts.begin();
    for (QLabel* label : labels)
        setLabelText(label, QString::fromStdString(*text++));
}
} // namespace

void TFrm::BtnCalc1Click() {
    auto& ui = *m_ui;
    showOutcome(this,
                calc::incomeTaxOutcome(utf8(ui.EdtSalary->text()), utf8(ui.EdtFirstStep->text()),
                                       ui.CbSuodeshui->currentIndex()),
                ui.PnlRet1, {ui.LabShui, ui.LabShuihou}, false);
}

void TFrm::BtnZero1Click() {
    m_ui->EdtSalary->clear();
    m_ui->EdtFirstStep->clear();
}

void TFrm::CbSuodeshuiChange(int index) {
    auto& ui = *m_ui;
    const calc::IncomeKind* kind = calc::incomeKind(index);
    const bool wages = kind && kind->usesThreshold;
    for (QWidget* w : {static_cast<QWidget*>(ui.LabDangdi), static_cast<QWidget*>(ui.EdtFirstStep),
                       static_cast<QWidget*>(ui.LabYuan1), static_cast<QWidget*>(ui.Lab2000)})
        w->setVisible(wages);
    // Without the threshold row the buttons move up into it.
    const int top = wages ? 198 : 148;
    ui.BtnCalc1->move(ui.BtnCalc1->x(), top);
    ui.BtnZero1->move(ui.BtnZero1->x(), top);
}

bool TFrm::EdtFirstStepKeyPress(QChar key) const {
    return (key >= QLatin1Char('0') && key <= QLatin1Char('9')) || key == QChar(8);
}

// ---- Deposit interest ------------------------------------------------------------------

void TFrm::CbTimeChange(int index) {
    if (index < 0 || index >= int(calc::kDepositTerms.size()))
        return;
    const calc::DepositTerm& term = calc::kDepositTerms[index];
    m_ui->EdtRat->setText(QString::fromUtf8(term.rate.data(), qsizetype(term.rate.size())));
    TermMonths = term.months;
}

void TFrm::Button3Click() {
    auto& ui = *m_ui;
    showOutcome(this,
                calc::depositOutcome(utf8(ui.EdtAmt->text()), utf8(ui.EdtRat->text()), TermMonths),
                ui.PnlRet2, {ui.LabLixi, ui.LabLixirui, ui.LabHeji}, true);
}

void TFrm::Button4Click() {
    m_ui->EdtAmt->clear();
    m_ui->EdtRat->clear();
}

// ---- Health ----------------------------------------------------------------------------

void TFrm::Button1Click() {
    auto& ui = *m_ui;
    showOutcome(this, calc::healthOutcome(utf8(ui.EdtHeight->text()), utf8(ui.EdtWeight->text())),
                ui.PnlRet3, {ui.LabJiankang, ui.LabShuoming}, true);
}

void TFrm::Button2Click() {
    m_ui->EdtHeight->clear();
    m_ui->EdtWeight->clear();
}

// ---- Unit conversion and the HTML views -------------------------------------------------

void TFrm::highlightConversionLabel(int tag) {
    for (QLabel* label : ConversionLabels)
        setLabelLook(label, label->property("tag").toInt() == tag);
}

void TFrm::lab1Click(QLabel* sender) {
    const int tag = sender->property("tag").toInt();
    highlightConversionLabel(tag);
    const pages::Page* page = pages::pageByTag(tag);
    if (!page || page->tab != pages::ConversionTab)
        return;
    setOuterSize(kConversionWidth, page->height);
    showPageSwallowingErrors(pages::fileName(*page), webDlh());
}

void TFrm::showPageSwallowingErrors(const QString& pageFile, HtmlView* view) {
    try {
        PageHost::ShowPage(pages::pageLines(pageFile), pageFile, view);
    } catch (const std::exception&) {
        // Showing a page is never reported; the view keeps whatever it showed before.
    }
}

HtmlView* TFrm::ensureView(HtmlView*& view, QWidget* host) {
    if (!view) {
        view = HtmlViewLoader::create(host);
        if (!view)
            return nullptr;
        auto* layout = host->layout() ? host->layout() : new QVBoxLayout(host);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->addWidget(view);
        view->setDownloadComplete([this] { WebCalcDownloadComplete(); });
        view->setScriptBoxes(
            {[this](const QString& text) { Dialogs::current().pageAlert(this, text); },
             [this](const QString& text) { return Dialogs::current().pageConfirm(this, text); },
             [this](const QString& text, const QString& value) {
                 return Dialogs::current().pagePrompt(this, text, value);
             }});
    }
    return view;
}

HtmlView* TFrm::webCalc() {
    const bool created = !m_webCalc;
    HtmlView* view = ensureView(m_webCalc, m_ui->WebCalc);
    // Asked for at once, so that even the first page is drawn adjusted; the handler asks again
    // after every load.
    if (created && view) {
        view->scrollDocument(0, kCalculatorScroll);
        view->hideScrollBars();
    }
    return view;
}
HtmlView* TFrm::webDlh() {
    return ensureView(m_webDlh, m_ui->WebDlh);
}

void TFrm::prewarmHtmlViews() {
    if (!HtmlViewLoader::prewarm())
        return;
    // Each view loads its first page now, unseen, so the renderer is up with the pages' fonts
    // and scripts when a tab is first visited; the visit still writes and loads a fresh page.
    const std::pair<HtmlView*, pages::Tab> warmUps[] = {{webCalc(), pages::CalculatorTab},
                                                        {webDlh(), pages::ConversionTab}};
    for (const auto& [view, tab] : warmUps) {
        try {
            if (view)
                view->warmUp(
                    pages::pageFileBytes(pages::pageLines(pages::fileName(pages::firstPage(tab)))));
        } catch (const std::exception&) {
            // The first visit then starts the renderer itself.
        }
    }
}

void TFrm::WebCalcDownloadComplete() {
    // Whichever view finished, the calculator view is the one adjusted.
    HtmlView* view = m_webCalc;
    if (!view || !view->hasDocument())
        return;
    view->scrollDocument(0, kCalculatorScroll);
    if (!view->busy())
        view->hideScrollBars();
    // A fresh document may bring the engine a new widget: the keys must reach this one.
    if (m_ui->PCMain->currentIndex() == pages::CalculatorTab)
        view->setFocus();
}

// ---- Events ----------------------------------------------------------------------------

bool TFrm::ApplicationEvents1Message(QObject* target, QEvent* event) const {
    bool rightButton = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        rightButton = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton;
        break;
    case QEvent::ContextMenu:
        rightButton = true;
        break;
    default:
        return false;
    }
    if (!rightButton || !target->isWidgetType())
        return false;
    auto* widget = static_cast<QWidget*>(target);
    return m_ui->WebCalc->isAncestorOf(widget) || m_ui->WebDlh->isAncestorOf(widget);
}

bool TFrm::eventFilter(QObject* watched, QEvent* event) {
    if (ApplicationEvents1Message(watched, event))
        return true; // swallowed: the pages' own context menus never open
    if (event->type() == QEvent::Resize) {
        const std::pair<QObject*, QWidget*> bands[] = {{m_ui->TabSheet1, m_ui->RzPanel3},
                                                       {m_ui->TabSheet2, m_ui->RzPanel1},
                                                       {m_ui->TabSheet3, m_ui->RzPanel2}};
        for (const auto& [tab, band] : bands)
            if (watched == tab)
                band->resize(static_cast<QWidget*>(tab)->width(), band->height());
    }
    if (watched == m_ui->EdtFirstStep && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Tab moves the focus on, Enter calculates and Delete edits: none is a typed character.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab ||
            key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter ||
            key->key() == Qt::Key_Delete || key->text().isEmpty())
            return false;
        return !EdtFirstStepKeyPress(key->text().front());
    }
    if (watched == m_ui->EdtFirstStep && event->type() == QEvent::InputMethod) {
        // Characters composed by an input method are typed characters too.
        auto* im = static_cast<QInputMethodEvent*>(event);
        QString kept;
        for (QChar c : im->commitString())
            if (EdtFirstStepKeyPress(c))
                kept += c;
        if (kept == im->commitString())
            return false;
        QInputMethodEvent filtered(im->preeditString(), im->attributes());
        filtered.setCommitString(kept);
        QCoreApplication::sendEvent(watched, &filtered);
        return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && ConversionLabels.contains(watched)) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        auto* label = static_cast<QLabel*>(watched);
        // A click is the left button let go over the label; dragging off it cancels.
        if (mouse->button() == Qt::LeftButton &&
            label->rect().contains(mouse->position().toPoint())) {
            lab1Click(label);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

// ---- Help menu and status bar ----------------------------------------------------------

void TFrm::setUpHelpMenuAndStatusBar() {
    auto& ui = *m_ui;
    // Menu captions are shown as written: Qt adds no accelerator letters of its own, and the
    // captions carry no '&'.
    connect(ui.N3, &QAction::triggered, this, &TFrm::N3Click);
    connect(ui.N5, &QAction::triggered, this, &TFrm::N5Click);
    connect(ui.N6, &QAction::triggered, this, &TFrm::N6Click);
    connect(ui.N7, &QAction::triggered, this, &TFrm::N7Click);
    ui.StatusBar1->setPanels(
        {{235, QLatin1Char(' ') + Maker::website()}, {145, QString()}, {50, Maker::email()}});
    connect(ui.StatusBar1, &PanelStatusBar::clicked, this, &TFrm::StatusBar1Click);
}

void TFrm::N3Click() {
    // Each click makes another box; the main window owns them all.
    auto* about = new TFrm_About(this);
    about->show();
}

void TFrm::N5Click() {
    LinkOpener::current().open(feedbackAddress());
}

void TFrm::N6Click() {
    LinkOpener::current().open(Maker::website());
}

void TFrm::N7Click() {
    close();
}

// `pos` is where the click happened, in the status bar's client coordinates.
void TFrm::StatusBar1Click(const QPoint& pos) {
    switch (m_ui->StatusBar1->panelAt(pos.x())) {
    case 2:
        LinkOpener::current().open(feedbackAddress());
        break;
    case 0:
        LinkOpener::current().open(Maker::website());
        break;
    default:
        break; // the middle panel has no link
    }
}
