#pragma once

#include <QObject>

// Run from a window's destructor: its controls, losing the focus as they are destroyed
// after it, emit signals (editingFinished) whose handlers would reach into the part of
// the window already gone, or store into the document. From here on they reach nothing.
inline void DisconnectControls(QObject* window)
{
    for (QObject* child : window->findChildren<QObject*>())
        QObject::disconnect(child, nullptr, window, nullptr);
}
