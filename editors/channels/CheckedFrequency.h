#pragma once

#include <QString>

// A typed frequency after the band check, as the channel windows store it; a value
// outside the bands shows the "out of range" caution first.
QString CheckedFrequencyText(const QString& text);
