#include "EditorHost.h"

#include <QMdiSubWindow>
#include <QWidget>

namespace {
EditorHost* host = nullptr;
}

void SetEditorHost(EditorHost* h)
{
    host = h;
}
EditorHost* editorHost()
{
    return host;
}

void RequestRefresh(int reason)
{
    if (host) host->RefreshViews(reason);
}

void PlaceEditorWindow(QWidget* window)
{
    if (!window) return;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->move(20, 20);
    else if (window->isWindow())
        window->move(20, 20);
}
