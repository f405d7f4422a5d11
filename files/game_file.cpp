// The game file: save and load. The file holds the committed grid as nine row strings, each
// ended by a carriage return, 99 bytes in all. A file is read whole, checked whole and only then
// installed; a save replaces the old file only once the new one is complete on the disk.
#include <array>
#include <cstdio>
#include <optional>

#include "model/basic.h"
#include "model/fenster1.h"
#include "toolkit/files.h"
#include "toolkit/runtime.h"

using namespace basic;

namespace {

// A game file has 99 bytes; a file this long is something else, and is not read any further.
constexpr std::size_t kMaxFileBytes = 4096;

// The dialogs start in the folder "Dokumente" of the first volume (the home folder when there
// is no such folder).
std::optional<FolderItem> documents() {
  const auto volume = getVolume(0);
  if (!volume) return std::nullopt;
  return FolderChild(*volume, "Dokumente");
}

std::string quoted(std::string_view text) { return "„" + std::string(text) + "“"; }

std::string saveFailure(FileError error) {
  switch (error) {
    case FileError::NotFound:
      return "den Ordner gibt es nicht";
    case FileError::AccessDenied:
      return "keine Berechtigung zum Schreiben";
    case FileError::IsFolder:
      return "unter diesem Namen gibt es schon einen Ordner";
    case FileError::NotAFile:
      return "unter diesem Namen gibt es schon etwas, das keine gewöhnliche Datei ist";
    case FileError::NoSpace:
      return "auf dem Datenträger ist nicht genug Platz";
    case FileError::ReadOnly:
      return "der Datenträger ist schreibgeschützt";
    case FileError::TooLarge:
    case FileError::Failed:
      break;
  }
  return "das System meldet einen Schreibfehler";
}

std::string openFailure(FileError error) {
  switch (error) {
    case FileError::NotFound:
      return "die Datei gibt es nicht";
    case FileError::AccessDenied:
      return "keine Berechtigung zum Lesen";
    case FileError::IsFolder:
      return "das ist ein Ordner";
    case FileError::NotAFile:
      return "das ist keine gewöhnliche Datei";
    case FileError::TooLarge:
      return "sie ist länger als " + Str(static_cast<long>(kMaxFileBytes)) + " Bytes, eine Spieldatei hat 99 Bytes";
    case FileError::NoSpace:
    case FileError::ReadOnly:
    case FileError::Failed:
      break;
  }
  return "das System meldet einen Lesefehler";
}

// The character at byte i of a line, for a message: itself when it can be shown, its byte value
// otherwise. Everything before i is a digit, so i + 1 is also its position as a character.
std::string describeCharacter(const std::string& line, std::size_t i) {
  const auto b = static_cast<unsigned char>(line[i]);
  if (b >= 0x20 && b < 0x7F) return "das Zeichen " + quoted(line.substr(i, 1));
  if (b >= 0xC2 && b <= 0xF4) {
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    bool sequence = i + length <= line.size();
    for (std::size_t k = 1; sequence && k < length; ++k) {
      sequence = (static_cast<unsigned char>(line[i + k]) & 0xC0) == 0x80;
    }
    if (sequence) return "das Zeichen " + quoted(line.substr(i, length));
  }
  char code[8];
  std::snprintf(code, sizeof code, "0x%02X", static_cast<unsigned>(b));
  return "ein Steuer- oder Sonderzeichen (Byte " + std::string(code) + ")";
}

// Reads the nine rows of a game file; the reason in German when the file is not one. What
// follows the ninth row is not looked at.
std::optional<std::string> readRows(TextInputStream& in, std::array<std::string, 9>& rows) {
  if (TextInputStreamEOF(in)) return "die Datei ist leer";
  for (int r = 1; r <= 9; ++r) {
    if (TextInputStreamEOF(in)) {
      return "die Datei hat nur " + Str(r - 1) + (r - 1 == 1 ? " Zeile" : " Zeilen");
    }
    std::string line = TextInputStreamReadLine(in);
    RuntimeBackgroundTask();
    const std::string where = "Zeile " + Str(r);
    if (line.empty()) return where + " ist leer";
    for (std::size_t i = 0; i < line.size(); ++i) {
      if (line[i] < '0' || line[i] > '9') {
        return where + " enthält an Stelle " + Str(static_cast<long>(i) + 1) + " " + describeCharacter(line, i) +
               ", erlaubt sind nur die Ziffern 0 bis 9";
      }
    }
    if (line.size() != 10) return where + " hat " + Str(static_cast<long>(line.size())) + " statt 10 Ziffern";
    rows[static_cast<std::size_t>(r - 1)] = std::move(line);
  }
  return std::nullopt;
}

void reportLoadFailure(const FolderItem& file, const std::string& reason) {
  RuntimeMsgBox("Die Datei " + quoted(file.name()) + " kann nicht geladen werden: " + reason +
                ". Das Spiel bleibt unverändert.");
}

void reportSaveFailure(const FolderItem& file, FileError error) {
  RuntimeMsgBox("Das Spiel kann nicht als " + quoted(file.name()) + " gespeichert werden: " + saveFailure(error) +
                ". Eine vorhandene Datei dieses Namens bleibt unverändert.");
}

}  // namespace

bool Fenster1::AblageSpeichern_Action() {
  SaveAsDialog dialog;
  dialog.initialDirectory = documents();
  dialog.title = "Speichern Sie Ihr Spiel ...";
  dialog.promptText = "Geben Sie einen Dateinamen ein";
  dialog.suggestedFileName = "Bsudoku.BSUD";
  const std::optional<FolderItem> file = FolderItemDialogShowModal(dialog);
  if (!file) return false;

  FileError error = FileError::Failed;
  std::unique_ptr<TextOutputStream> out = FolderItemCreateTextFile(*file, error);
  if (!out) {
    reportSaveFailure(*file, error);
    return false;
  }
  for (int row = 1; row <= 9; ++row) {
    TextOutputStreamWrite(*out, Elem(org, row) + "\r");
    RuntimeBackgroundTask();
  }
  if (!TextOutputStreamClose(*out, error)) reportSaveFailure(*file, error);
  return false;
}

bool Fenster1::AblageLaden_Action() {
  OpenDialog dialog;
  dialog.initialDirectory = documents();
  dialog.title = "Wähle eine BSUD-Datei";
  const std::optional<FolderItem> file = FolderItemDialogShowModal(dialog);
  if (file) load_game_file(*file);
  return false;
}

void Fenster1::load_game_file(const FolderItem& file) {
  FileError error = FileError::Failed;
  std::unique_ptr<TextInputStream> in = FolderItemOpenTextFile(file, kMaxFileBytes, error);
  if (!in) {
    reportLoadFailure(file, openFailure(error));
    return;
  }
  std::array<std::string, 9> rows;
  const std::optional<std::string> malformed = readRows(*in, rows);
  TextInputStreamClose(*in);
  if (malformed) {
    reportLoadFailure(file, *malformed + "; eine Spieldatei hat 9 Zeilen aus je 10 Ziffern");
    return;
  }

  for (int row = 1; row <= 9; ++row) {
    SetElem(org, row, std::move(rows[static_cast<std::size_t>(row - 1)]));
    RuntimeBackgroundTask();
  }
  edit_mode = false;
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton14"), true);
  // A trial tested before the load belongs to the old game: taking it now would log a move
  // that is not on the board.
  controlEnabledSetter(RuntimeControlReference(this, "BevelButton11"), false);
  first_move();
}
