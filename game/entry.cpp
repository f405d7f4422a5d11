// Puzzle entry: the open event, the key table of entry mode, writing givens.
#include "model/fenster1.h"

void Fenster1::Open() {}
bool Fenster1::KeyDown(const std::string& key) { (void)key; return false; }
bool Fenster1::input_field(const std::string& key) { (void)key; return false; }
void Fenster1::put_init_into_field(int column, int row, const std::string& digit) { (void)column; (void)row; (void)digit; }
