#pragma once

#include <QString>
#include <optional>

// A frequency typed into a channel window, after the band check. A text that is no
// number, not positive or outside every band is refused: the "out of range" caution
// shows and there is no result, so the window keeps what it had.
std::optional<QString> TypedFrequency(const QString& text);

// The caution of a refused frequency.
void ShowFrequencyRefused();
