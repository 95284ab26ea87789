#pragma once

#include <QString>
#include <QWidget>

#include <utility>

// The secondary windows belong to the main window: loaded (created hidden) on first use and
// found again among its children until they are unloaded.
template <typename Window, typename... Arguments>
Window& loadedSideWindow(QWidget* mainWindow, Arguments&&... arguments)
{
    if (auto* window = mainWindow->findChild<Window*>(QString(), Qt::FindDirectChildrenOnly))
        return *window;
    return *new Window(std::forward<Arguments>(arguments)..., mainWindow);
}

// Shows a window not modal; one that is shown already only comes forward.
inline void bringForward(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}
