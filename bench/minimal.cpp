// The reference for the start-up benchmark: a minimal Qt 6 Widgets window with five tabs,
// about the size of Pelmora's, started the same way as the program.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QTabWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* tabs = new QTabWidget(&window);
    for (const char* name : {"数学计算器", "个人所得税", "存款计算器", "健康计算器", "度量衡计算"})
        tabs->addTab(new QLabel(QString::fromUtf8(name)), QString::fromUtf8(name));
    tabs->setCurrentIndex(1);
    window.setCentralWidget(tabs);
    window.setFixedSize(518, 430);
    window.show();
    return app.exec();
}
