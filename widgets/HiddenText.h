#pragma once

#include <QLabel>
#include <QString>

// A text a window keeps for translation only (a message, a step name): a hidden label
// named name, so the language files reach it as <name>.Caption.
inline QLabel* HiddenText(QWidget* parent, const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(QLatin1String(name));
    label->hide();
    return label;
}
