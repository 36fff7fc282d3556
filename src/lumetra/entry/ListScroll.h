#pragma once
// The scroll bar beside each entry list: its range follows the rows, and only with two rows
// or more does moving it select a row.
namespace lumetra {

inline int listScrollMaximum(int rows) { return rows <= 1 ? 1 : rows - 1; }
inline bool listScrollSelects(int rows) { return rows >= 2; }

}  // namespace lumetra
