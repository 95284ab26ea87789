#include "platform/qt/qtsound.h"

#include <QApplication>

void QtSound::beep()
{
    QApplication::beep();
}
