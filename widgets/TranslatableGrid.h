#pragma once

#include <QString>

// What the window translation needs of a grid: the title texts of its header row
// (row 1), columns 1 .. count - 1. The grid control implements it.
class TranslatableGrid {
  public:
    virtual ~TranslatableGrid() = default;
    virtual int headerColumnCount() const = 0; // the grid's column count
    virtual QString headerText(int column) const = 0;
    virtual void setHeaderText(int column, const QString& text) = 0;
};
