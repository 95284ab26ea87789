#pragma once

#include <QDialog>

// "Info": a short note from the author with a small picture; a click on the picture hides
// the window.
class InfoWindow : public QDialog
{
    Q_OBJECT

public:
    explicit InfoWindow(QWidget* mainWindow);
};
