#pragma once
// The cell texts of a grid, by row and column, as the core reads and writes
// them. Row 0 is the fixed header row; data rows start at 1.
#include <QString>

class GridCells {
 public:
  virtual ~GridCells() = default;
  // The text of cell (row, col); empty outside the grid.
  virtual QString TextMatrix(int row, int col) const = 0;
  // Sets the text of cell (row, col); ignored outside the grid.
  virtual void setTextMatrix(int row, int col, const QString& text) = 0;
};
