// Where a saved window position puts the window: kept when the window lies wholly on one
// screen's available area, else moved the least distance onto the nearest screen.
#include "WindowPlacement.h"

#include <QTest>
#include <climits>

using Screens = QList<QRect>;
Q_DECLARE_METATYPE(Screens)

class TestWindowPlacement : public QObject {
    Q_OBJECT
private slots:
    void placement_data() {
        QTest::addColumn<QPoint>("saved");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<Screens>("screens");
        QTest::addColumn<QPoint>("placed");
        const QSize tab1(518, 430);
        // A 1280 x 1024 screen whose bottom 30 px are a panel.
        const Screens one{{0, 0, 1280, 994}};
        // A laptop with a larger monitor to its right, tops aligned.
        const Screens two{{0, 0, 1366, 738}, {1366, 0, 1920, 1050}};
        const auto row = [](const char* tag, QPoint saved, QSize size, Screens screens,
                            QPoint placed) {
            QTest::newRow(tag) << saved << size << screens << placed;
        };
        row("default place", {217, 179}, tab1, one, {217, 179});
        row("exactly fills the corner", {762, 564}, tab1, one, {762, 564});
        row("right edge past by one", {763, 100}, tab1, one, {762, 100});
        row("under the panel", {100, 600}, tab1, one, {100, 564});
        row("far off bottom right", {5000, 4000}, tab1, one, {762, 564});
        row("far off left", {-3000, 300}, tab1, one, {0, 300});
        row("above the top", {300, -900}, tab1, one, {300, 0});
        row("beyond 16-bit X coordinates", {100, 99999}, tab1, one, {100, 564});
        row("int extremes", {INT_MAX, INT_MIN}, tab1, one, {762, 0});
        row("on the second screen", {2000, 500}, tab1, two, {2000, 500});
        row("across both screens: nearer one", {1300, 100}, tab1, two, {1366, 100});
        row("monitor gone: onto the laptop", {2000, 500}, tab1, Screens{two[0]}, {848, 308});
        row("below the laptop, beside the monitor", {900, 700}, tab1, two, {848, 308});
        row("larger than the screen: top-left on it", {-50, -50}, QSize(1400, 1100), one, {0, 0});
        row("no screens: kept", {5000, 4000}, tab1, Screens{}, {5000, 4000});
    }
    void placement() {
        QFETCH(QPoint, saved);
        QFETCH(QSize, size);
        QFETCH(Screens, screens);
        QTEST(placeOnScreens(saved, size, screens), "placed");
    }
};

QTEST_APPLESS_MAIN(TestWindowPlacement)
#include "tst_windowplacement.moc"
