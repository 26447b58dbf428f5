// The baseline of the start-up benchmark: a bare Qt Widgets program with one window, one button
// and a menu bar, built with the same flags as the program.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.menuBar()->addAction("Menu");
    auto* button = new QPushButton("Bouton", &window);
    window.setCentralWidget(button);
    window.resize(375, 367);
    window.show();
    return QApplication::exec();
}
