#pragma once

#include "platform/qt/qtmessageboxes.h"
#include "windows/hilfe.h"

#include <QDialog>

class Printer;

// "Hilfe": the help text with "Drucken" and "ok". "ok" unloads the window, so that the next
// opening loads it afresh.
class HilfeWindow : public QDialog
{
    Q_OBJECT

public:
    HilfeWindow(Printer& printer, QWidget* mainWindow);

private:
    Hilfe m_hilfe;
    Printer& m_printer;
    QtMessageBoxes m_messages;
};
