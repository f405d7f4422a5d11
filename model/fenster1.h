// The main window class: all state of a game and every game operation. Its member functions
// live in the folder of their subsystem (model/, game/, window/, files/, app/), so the folders
// read like a table of contents while the class stays whole.
//
// Grid conventions: rows, columns, boxes and character positions count from 1. A row string has
// 10 characters: position 1 is a pad ("0"), the cell of column c is at position c + 1, "0" is an
// empty cell. The grid arrays have elements 0 to 10, of which 1 to 9 are used.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/menu.h"
#include "toolkit/printing.h"
#include "toolkit/types.h"
#include "toolkit/window.h"

struct FolderItem;

using StringArray = std::vector<std::string>;

class Fenster1 final : public Window {
 public:
  Fenster1();
  ~Fenster1() override;

  // The application's one main window: the instance that exists, or a new one built with the
  // toolkit's default window construction.
  static Fenster1& instance();

  // ---- Properties, in declaration order ----
  StringArray pos_zeile;    // [r]: digits missing from row r of feld
  StringArray pos_spalte;   // [c]: digits missing from column c of feld
  StringArray feld;         // [r]: row r of the working grid (shown and played on)
  StringArray pos_trio;     // [b]: digits missing from box b of feld
  StringArray org;          // [r]: row r of the committed grid
  int glob_x = 0;           // cell origin of the framed cell: (column − 1) × 30
  int glob_y = 0;           // (row − 1) × 30
  int glob_s = 0;           // column of the selected cell, 0 when none
  int glob_z = 0;           // row of the selected cell, 0 when none
  int glob_probe = 0;       // the trial digit
  StringArray all_trios;    // [b]: the nine cell characters of box b
  Color cur_Color{0, 0, 0};  // colour of the digits that draw_numbers draws
  int Undo_Counter = 0;     // history snapshots in use
  StringArray Undo_Memory;  // [0 … 100]: history snapshots of 90 characters
  std::string printer_config;                // page setup in text form
  std::unique_ptr<PrinterSetup> Pagesetup;   // page-setup object of the printing commands
  bool edit_mode = false;                    // entry mode
  bool flag_bruteSolved = false;             // the solver found a solution

  // ---- Methods ----
  void draw_game();
  void draw_numbers();
  bool find_uniques();
  void activate_beavels(const std::string& s);
  void mark_square(int row, int column);
  void put_probe_into_field(int digit);
  void reset_field();
  void check_lines_and_rows();
  void check_trios();
  void check_won();
  bool input_field(const std::string& key);
  void first_move();
  void put_init_into_field(int column, int row, const std::string& digit);
  std::string ret_possible(int column, int row);
  void brute_start();
  void brute_recursion(StringArray& candidates, int n, StringArray& grid);
  bool brute_ret_possible(int column, int row, const StringArray& grid, const std::string& digit);
  void brute_draw_numbers(const StringArray& grid);
  void brute_solved(const StringArray& grid);

  // Window events ("#EnableMenuItems", "#KeyDown", "#Open", "#Layout", "#CreateControls").
  void EnableMenuItems() override;
  bool KeyDown(const std::string& key) override;
  void Open() override;
  void Layout() override;
  void CreateControls() override;

  // Menu handlers.
  bool BearbeitenAllesaufAnfang_Action();
  bool BearbeitenWiderrufen_Action();
  bool AblageSeiteeinrichten_Action();
  bool AblageDrucken_Action();
  bool AblageNeuesSpiel_Action();
  bool AblageLsen_Action();
  bool AblageSpeichern_Action();
  bool AblageLaden_Action();
  // Loads a game file as "Laden" does once the file is chosen: checked whole, then play starts
  // from it; a refused file is reported and changes nothing.
  void load_game_file(const FolderItem& file);
  bool AblageberBSudoku_Action();

  // Control events.
  void Canvas1_MouseMove(int x, int y);
  bool Canvas1_MouseDown(int x, int y);
  void BevelButton1_Action();
  void BevelButton2_Action();
  void BevelButton3_Action();
  void BevelButton4_Action();
  void BevelButton5_Action();
  void BevelButton6_Action();
  void BevelButton7_Action();
  void BevelButton8_Action();
  void BevelButton9_Action();
  void BevelButton10_Action();
  void BevelButton11_Action();
  void BevelButton12_Action();
  void BevelButton13_Action();
  void BevelButton14_Action();

  // Menu item accessors, named like their items.
  MenuItem* AblageMenu();
  MenuItem* BearbeitenMenu();
  MenuItem* BearbeitenWiderrufen();
  MenuItem* BearbeitenAusschneiden();
  MenuItem* BearbeitenKopieren();
  MenuItem* BearbeitenEinfügen();
  MenuItem* BearbeitenLöschen();
  MenuItem* BearbeitenAllesaufAnfang();
  QuitMenuItem* AblageBeenden();
  AppleMenuItem* AblageberBSudoku();
  MenuItem* AblageNeuesSpiel();
  MenuItem* AblageLaden();
  MenuItem* AblageSpeichern();
  MenuItem* AblageLsen();
  MenuItem* AblageSeiteeinrichten();
  MenuItem* AblageDrucken();

 private:
  // The digit button handlers in one place: given in entry mode, trial digit in play.
  void digit_button(int digit);

  // What the solver's last repaint left on the board, per row: the row string it painted, if
  // known. Forgotten at the start of every search, since anything may have been drawn on the
  // board since the last one, and for a row string of unusual length, which is painted whole.
  struct BrutePaintedRow {
    bool known = false;
    std::array<char, 10> cells{};
  };
  std::array<BrutePaintedRow, 9> brute_painted{};
};
