#pragma once

#include <QList>
#include <QMainWindow>
#include <memory>

class FrameExtents;
class QLabel;
class HtmlView;
class SettingsFile;
namespace Ui {
class Frm;
}

// The main window: five tabs (scientific calculator, income tax, deposit interest, health,
// unit conversion), the Help menu and the status bar.
class TFrm : public QMainWindow {
    Q_OBJECT
public:
    // `settingsPath` is the settings file; empty means the usual place.
    explicit TFrm(const QString& settingsPath = QString(), QWidget* parent = nullptr);
    ~TFrm() override;

    // Window sizes are outer sizes: the window system's frame is included.
    void setOuterSize(int width, int height);
    QSize outerSize() const;
    // The top-left corner of the window's frame on the screen.
    QPoint framePosition() const;

    int termMonths() const { return TermMonths; }
    const QList<QLabel*>& conversionLabels() const { return ConversionLabels; }
    // The HTML view of the calculator or the conversion tab, created on first use; nullptr when the
    // HTML engine cannot be loaded.
    HtmlView* webCalc();
    HtmlView* webDlh();
    // Loads the HTML engine and creates both views ahead of their first use.
    void prewarmHtmlViews();
    // Pre-warms the HTML views in idle time once the window has first been painted.
    void setPrewarmAfterFirstPaint(bool on) { m_prewarmAfterFirstPaint = on; }

    Ui::Frm* ui() const { return m_ui.get(); }

signals:
    // The window has been painted for the first time.
    void firstPainted();

public slots:
    // Another tab was chosen; its page is not shown yet.
    void PCMainChanging(int index);
    void PCMainChange(int index);
    // Income tax
    void BtnCalc1Click();
    void BtnZero1Click();
    void CbSuodeshuiChange(int index);
    // Deposit interest
    void CbTimeChange(int index);
    void Button3Click();
    void Button4Click();
    // Health
    void Button1Click();
    void Button2Click();
    // Unit conversion selector
    void lab1Click(QLabel* sender);
    // After a page has loaded in either view
    void WebCalcDownloadComplete();
    // Help menu and status bar
    void N3Click();
    void N5Click();
    void N6Click();
    void N7Click();
    void StatusBar1Click(const QPoint& pos);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void FormCreate(const QString& settingsPath);
    void FormClose();
    // A typed character reaches the threshold field only when this returns true.
    bool EdtFirstStepKeyPress(QChar key) const;
    bool ApplicationEvents1Message(QObject* target, QEvent* event) const;
    HtmlView* ensureView(HtmlView*& view, QWidget* host);
    void showPageSwallowingErrors(const QString& pageFile, HtmlView* view);
    void highlightConversionLabel(int tag);
    void setUpHelpMenuAndStatusBar();
    // Gives the window the outer size of tab `index`.
    void sizeForTab(int index);

    std::unique_ptr<Ui::Frm> m_ui;
    QList<QLabel*> ConversionLabels;
    int TermMonths = 0;
    std::unique_ptr<SettingsFile> m_settingsFile;
    HtmlView* m_webCalc = nullptr;
    HtmlView* m_webDlh = nullptr;
    FrameExtents* m_frameExtents = nullptr;
    QSize m_outerSize;
    QPoint m_startPosition; // where the frame's top-left goes when the window is first shown
    bool m_painted = false;
    bool m_shown = false;
    bool m_prewarmAfterFirstPaint = false;
};
