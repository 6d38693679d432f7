// Saves a PNG of every tab of the main window, as a user would see it, for a look against the
// intended layout: pelmora_shots <folder> [--results] [--web] [--about]. With --results the
// calculators first compute one example each, so their result panels show; --web adds the
// tabs that show pages; --about the About box.
#include "About.h"
#include "AppSetup.h"
#include "PageTexts.h"
#include "Unit1.h"
#include "ui_Unit1.h"

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <iterator>

// Whether a tab shows a page (in a web view) rather than native widgets.
static bool showsPage(pages::Tab tab) {
    return std::any_of(std::begin(pages::kPages), std::end(pages::kPages),
                       [tab](const pages::Page& page) { return page.tab == tab; });
}

int main(int argc, char* argv[]) {
    prepareApplication(); // drawn as the program draws
    QApplication app(argc, argv);
    setUpApplication(app);
    const QStringList args = app.arguments();
    const QString folder = args.size() > 1 ? args.at(1) : QStringLiteral("shots");
    const bool results = args.contains(QStringLiteral("--results"));
    QDir().mkpath(folder);

    TFrm frm(QDir(folder).filePath(QStringLiteral("Pelmora.ini")));
    frm.show();
    QTest::qWait(200);
    auto& ui = *frm.ui();
    if (results) {
        ui.EdtSalary->setText(QStringLiteral("5000"));
        frm.BtnCalc1Click();
        ui.EdtAmt->setText(QStringLiteral("10000"));
        frm.Button3Click();
        ui.EdtHeight->setText(QStringLiteral("175"));
        ui.EdtWeight->setText(QStringLiteral("70"));
        frm.Button1Click();
    }
    const bool web = args.contains(QStringLiteral("--web"));
    if (web)
        frm.prewarmHtmlViews();
    for (pages::Tab tab : {pages::IncomeTaxTab, pages::DepositTab, pages::HealthTab,
                           pages::CalculatorTab, pages::ConversionTab}) {
        if (showsPage(tab) && !web)
            continue;
        ui.PCMain->setCurrentIndex(tab);
        QTest::qWait(showsPage(tab) ? 2500 : 200);
        const QString file = QDir(folder).filePath(QStringLiteral("tab%1.png").arg(tab));
        frm.grab().save(file);
        std::printf("%s %dx%d\n", qPrintable(file), frm.width(), frm.height());
    }
    if (args.contains(QStringLiteral("--about"))) {
        frm.N3Click();
        QTest::qWait(200);
        const auto boxes = frm.findChildren<TFrm_About*>();
        const QString file = QDir(folder).filePath(QStringLiteral("about.png"));
        if (!boxes.isEmpty() && boxes.last()->grab().save(file))
            std::printf("%s\n", qPrintable(file));
    }
    return 0;
}
