#pragma once

#include <QObject>
#include <QVariant>

// A control's tag steers its translation: -2 never translated, -3 only item 0.
namespace Tag {
constexpr const char* Property = "tag";
constexpr int NeverTranslate = -2;
constexpr int FirstItemOnly = -3;

inline int of(const QObject* o)
{
    return o ? o->property(Property).toInt() : 0;
}
inline void set(QObject* o, int tag)
{
    o->setProperty(Property, tag);
}
} // namespace Tag
