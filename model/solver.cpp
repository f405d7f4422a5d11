// The backtracking solver.
#include "model/fenster1.h"

bool Fenster1::AblageLsen_Action() { return false; }
void Fenster1::brute_start() {}
void Fenster1::brute_recursion(StringArray& candidates, int n, StringArray& grid) { (void)candidates; (void)n; (void)grid; }
bool Fenster1::brute_ret_possible(int column, int row, const StringArray& grid, const std::string& digit) { (void)column; (void)row; (void)grid; (void)digit; return false; }
void Fenster1::brute_draw_numbers(const StringArray& grid) { (void)grid; }
void Fenster1::brute_solved(const StringArray& grid) { (void)grid; }
