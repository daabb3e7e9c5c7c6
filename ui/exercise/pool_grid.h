// Where each pool slot is seen: four columns of ten rows, then a bottom row of four. The fourth
// column shows slot 33 below slots 34 and 35.
#pragma once

#include <array>

#include "engine/board.h"

namespace pool_grid {

inline constexpr int kColumns = 4;
inline constexpr int kRows = 11;

struct Cell {
    int row;
    int column;
};

inline constexpr std::array<int, 10> kFourthColumn = {30, 31, 32, 34, 35, 33, 36, 37, 38, 39};

// The slot seen at a cell.
constexpr int slotAt(Cell cell)
{
    if (cell.row == kRows - 1)
        return 40 + cell.column;
    if (cell.column == kColumns - 1)
        return kFourthColumn[static_cast<std::size_t>(cell.row)];
    return cell.column * 10 + cell.row;
}

// The cell where a slot is seen.
constexpr Cell cellOf(int slot)
{
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            if (slotAt({row, column}) == slot)
                return {row, column};
    return {-1, -1};
}

// The slots as they are read: row by row from the top, left to right.
constexpr std::array<int, engine::kPoolSlots> readingOrder()
{
    std::array<int, engine::kPoolSlots> order{};
    std::size_t k = 0;
    for (int row = 0; row < kRows; ++row)
        for (int column = 0; column < kColumns; ++column)
            order[k++] = slotAt({row, column});
    return order;
}

static_assert(kRows * kColumns == engine::kPoolSlots);
static_assert(cellOf(33).row == 5 && cellOf(34).row == 3 && cellOf(43).column == 3);

}  // namespace pool_grid
