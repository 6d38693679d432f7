#pragma once

#include <QDialog>
#include <memory>

class QLabel;
namespace Ui {
class Frm_About;
}

// The About box: a picture, the program's name, version and maker, and the big word "Brenvik"
// with its shadow. Shown without blocking; a click on it hides it.
class TFrm_About : public QDialog {
    Q_OBJECT
public:
    // `owner` (the main window) owns the box and destroys it with itself.
    explicit TFrm_About(QWidget* owner = nullptr);
    ~TFrm_About() override;

    Ui::Frm_About* ui() const { return m_ui.get(); }

    // The information text: its lines separated by a lone CR.
    static QString informationText();

public slots:
    // Clicks on the box itself, the picture, the information text and the big word (not its
    // shadow) hide the box.
    void Image1Click();

protected:
    void showEvent(QShowEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormShow();
    void centreOnScreen();

    std::unique_ptr<Ui::Frm_About> m_ui;
    QObject* m_pressedOn = nullptr;
};
