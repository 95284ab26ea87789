// The floor any Qt program pays: an empty main window of the program's size with a menu bar.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Leeres Fenster"));
    window.menuBar()->addMenu(QStringLiteral("&Spiel"))->addAction(QStringLiteral("Ende"));
    auto* central = new QWidget(&window);
    central->setFixedSize(773, 689);
    window.setCentralWidget(central);
    window.show();
    return QApplication::exec();
}
