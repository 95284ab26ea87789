#pragma once

#include "windows/framewidget.h"

#include <QStringList>

#include <functional>

struct Murmex;
struct Platform;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QTreeWidget;

// The panel "speichern" (k = 0) or "laden" (k = 1) over the board: the path label, drive,
// directory and file lists, the name field and the two buttons. It passes the player's
// events to the panel's handlers and calls afterEvent, which renders the main window.
class FilePanelWidget : public FrameWidget
{
public:
    FilePanelWidget(Murmex& murmex, Platform& platform, int k, std::function<void()> afterEvent,
        QWidget* parent);

    void render();

private:
    void buildLists();
    void fillDirectories(const QString& directory);
    void fillFiles(const QStringList& files);
    void fileChosen(const QListWidgetItem* item);

    Murmex& m_murmex;
    Platform& m_platform;
    int m_k;
    std::function<void()> m_afterEvent;

    QLabel* m_path = nullptr;
    QComboBox* m_drive = nullptr;
    QTreeWidget* m_directories = nullptr;
    QListWidget* m_files = nullptr;
    QLineEdit* m_name = nullptr;
    QString m_shownDirectory;
    QStringList m_shownFiles;
    bool m_filling = false;
};
