#include "game/datadirectory.h"
#include "model/murmex.h"
#include "windows/mainwindow.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Murmex-Calculator"));
    QApplication::setStyle(QStringLiteral("Fusion"));

    Murmex murmex;
    MainWindow window(murmex, QApplication::applicationDirPath(), fallbackDataLocation());
    window.show();
    return QApplication::exec();
}
