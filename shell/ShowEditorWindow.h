#pragma once

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

// Open-or-raise for editor windows. Each editor class has at most one instance, held in a
// global pointer (fChsInfo, fOptFun, ...) that its constructor sets and its destructor
// clears. The window lives in a sub-window of the main window's MDI area; closing the
// sub-window destroys both, which clears the pointer again. Frame hints the window sets
// on itself (Qt::FramelessWindowHint, ...) go to its sub-window.
template <class T> T* ShowEditorWindow(QMdiArea* area, T*& instance)
{
    if (!instance) {
        auto* window = new T;
        instance = window; // normally done by the constructor already
        const Qt::WindowFlags hints = window->windowFlags() & ~Qt::WindowType_Mask;
        QMdiSubWindow* sub =
            area->addSubWindow(window, hints ? (Qt::SubWindow | hints) : Qt::WindowFlags());
        sub->setAttribute(Qt::WA_DeleteOnClose);
    }
    QWidget* frame = instance;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(instance->parentWidget())) frame = sub;
    frame->show();
    if (frame->isMinimized()) frame->showNormal();
    if (auto* sub = qobject_cast<QMdiSubWindow*>(frame)) area->setActiveSubWindow(sub);
    frame->raise();
    instance->setFocus();
    return instance;
}
