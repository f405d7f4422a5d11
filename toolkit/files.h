// Folder items, the save and open dialogs, and text file streams. A file is written beside the
// old one and put in its place in one step only when it is complete, so a failed save leaves the
// old file as it was; a file is read whole, up to a limit, so that no file can make a reader
// hang or run out of memory.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "toolkit/object.h"

// A file or folder, named by its path. The item may not exist (yet).
struct FolderItem {
  std::string path;

  // The last part of the path: the file's own name.
  std::string name() const;
  bool isFolder() const;
};

// The volume of that number: 0 is the first volume, the user's home folder (HOME, else the
// account's home). Nothing for any other number or when no home folder is known.
std::optional<FolderItem> getVolume(int index);
// The item of that name inside the folder (which need not exist).
FolderItem FolderChild(const FolderItem& folder, std::string_view name);

// Why a file could not be read or written.
enum class FileError {
  NotFound,      // the file, or a folder on its path, does not exist
  AccessDenied,  // no permission to read the file, or to write the file or its folder
  IsFolder,      // the item is a folder
  NotAFile,      // a device, a pipe or anything else that is not an ordinary file
  TooLarge,      // longer than the reader takes
  NoSpace,       // the disk or the user's quota is full
  ReadOnly,      // the volume is mounted read-only
  Failed,        // any other failure of the system
};

// ---- Dialogs --------------------------------------------------------------------------------

// What the save and open dialogs have in common: the folder they start in (the home folder
// when it is not set or does not exist), the window title and the prompt line.
class FolderItemDialog : public Object {
 public:
  std::optional<FolderItem> initialDirectory;
  std::string title;
  std::string promptText;

 protected:
  FolderItemDialog() = default;
};

class SaveAsDialog final : public FolderItemDialog {
 public:
  std::string suggestedFileName;
};

class OpenDialog final : public FolderItemDialog {};

// Runs the dialog modally; the chosen item, or nothing when the user cancelled.
std::optional<FolderItem> FolderItemDialogShowModal(const FolderItemDialog& dialog);

// ---- Text streams ---------------------------------------------------------------------------

// A text file being written: the new contents go to a temporary file in the same folder.
class TextOutputStream {
 public:
  TextOutputStream(std::string target, std::string temporary, int fd);
  TextOutputStream(const TextOutputStream&) = delete;
  TextOutputStream& operator=(const TextOutputStream&) = delete;
  // Without a successful Close the temporary file is removed and the target left alone.
  ~TextOutputStream();

 private:
  friend void TextOutputStreamWrite(TextOutputStream&, std::string_view);
  friend bool TextOutputStreamClose(TextOutputStream&, FileError&);
  void discard();

  std::string target_;
  std::string temporary_;
  int fd_;
  std::optional<FileError> error_;
  bool done_ = false;
};

// A text file read whole into memory, handed out line by line.
class TextInputStream {
 public:
  explicit TextInputStream(std::string contents) : contents_(std::move(contents)) {}

 private:
  friend std::string TextInputStreamReadLine(TextInputStream&);
  friend bool TextInputStreamEOF(const TextInputStream&);
  friend void TextInputStreamClose(TextInputStream&);

  std::string contents_;
  std::size_t position_ = 0;
};

// Starts writing the item as a new text file, which replaces an existing file only when it is
// closed complete. Nothing, with the reason in `error`, when it cannot be started: the folder
// is missing or not writable, the item is a folder or no ordinary file, the file is read-only.
std::unique_ptr<TextOutputStream> FolderItemCreateTextFile(const FolderItem& item, FileError& error);
// Writes the text unchanged, adding nothing. A failure is kept and reported by Close.
void TextOutputStreamWrite(TextOutputStream& stream, std::string_view text);
// Finishes the file: flushes it to the disk and puts it in the item's place. True when the file
// now holds exactly what was written; false, with the reason in `error`, when anything failed,
// and then the item is as it was before. A stream dropped without Close leaves it as it was too.
bool TextOutputStreamClose(TextOutputStream& stream, FileError& error);

// Opens the item as a text file and reads it whole. Nothing, with the reason in `error`, when it
// cannot be read, is no ordinary file or holds more than `maxBytes` bytes.
std::unique_ptr<TextInputStream> FolderItemOpenTextFile(const FolderItem& item, std::size_t maxBytes, FileError& error);
// The next line without its line end (a carriage return, a line feed, or both in that order);
// the empty text at the end of the file.
std::string TextInputStreamReadLine(TextInputStream& stream);
// True when every line has been read.
bool TextInputStreamEOF(const TextInputStream& stream);
void TextInputStreamClose(TextInputStream& stream);
