// Folder items, file dialogs and text file streams over the POSIX file system.
#include "toolkit/files.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "toolkit/runtime_state.h"

namespace {

FileError fromErrno(int e) {
  switch (e) {
    case ENOENT:
    case ENOTDIR:
      return FileError::NotFound;
    case EACCES:
    case EPERM:
      return FileError::AccessDenied;
    case EISDIR:
      return FileError::IsFolder;
    case ENXIO:
    case ENODEV:
      return FileError::NotAFile;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileError::NoSpace;
    case EROFS:
      return FileError::ReadOnly;
    default:
      return FileError::Failed;
  }
}

// The folder part of a path: "." for a bare name, "/" for an item at the top.
std::string folderOf(const std::string& path) {
  const auto slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string join(const std::string& folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  if (folder.back() == '/') return folder + std::string(name);
  return folder + "/" + std::string(name);
}

// Makes a rename in the folder last across a power cut. A failure here is not reported: the new
// file is in place and complete either way.
void syncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

class FdGuard {
 public:
  explicit FdGuard(int fd) : fd_(fd) {}
  FdGuard(const FdGuard&) = delete;
  FdGuard& operator=(const FdGuard&) = delete;
  ~FdGuard() { ::close(fd_); }

 private:
  int fd_;
};

}  // namespace

// ---- Folder items ---------------------------------------------------------------------------

std::string FolderItem::name() const {
  const auto end = path.find_last_not_of('/');
  if (end == std::string::npos) return path;
  const auto slash = path.find_last_of('/', end);
  const std::size_t from = slash == std::string::npos ? 0 : slash + 1;
  return path.substr(from, end + 1 - from);
}

bool FolderItem::isFolder() const {
  struct stat st {};
  return !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::optional<FolderItem> getVolume(int index) {
  if (index != 0) return std::nullopt;
  if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') return FolderItem{home};
  if (const passwd* account = ::getpwuid(::getuid()); account != nullptr && account->pw_dir != nullptr &&
                                                      *account->pw_dir != '\0') {
    return FolderItem{account->pw_dir};
  }
  return std::nullopt;
}

FolderItem FolderChild(const FolderItem& folder, std::string_view name) { return FolderItem{join(folder.path, name)}; }

// ---- Dialogs --------------------------------------------------------------------------------

std::optional<FolderItem> FolderItemDialogShowModal(const FolderItemDialog& dialog) {
  auto& backend = toolkit::detail::state().backend;
  if (!backend) return std::nullopt;
  FileDialogRequest request;
  const auto* save = dynamic_cast<const SaveAsDialog*>(&dialog);
  request.kind = save != nullptr ? FileDialogRequest::Kind::Save : FileDialogRequest::Kind::Open;
  if (dialog.initialDirectory && dialog.initialDirectory->isFolder()) {
    request.initialFolder = dialog.initialDirectory->path;
  } else if (const auto home = getVolume(0); home && home->isFolder()) {
    request.initialFolder = home->path;
  }
  request.title = dialog.title;
  request.prompt = dialog.promptText;
  if (save != nullptr) request.suggestedName = save->suggestedFileName;
  auto chosen = backend->fileDialog(request);
  if (!chosen || chosen->empty()) return std::nullopt;
  return FolderItem{std::move(*chosen)};
}

// ---- Writing --------------------------------------------------------------------------------

TextOutputStream::TextOutputStream(std::string target, std::string temporary, int fd)
    : target_(std::move(target)), temporary_(std::move(temporary)), fd_(fd) {}

TextOutputStream::~TextOutputStream() {
  if (!done_) discard();
}

void TextOutputStream::discard() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  ::unlink(temporary_.c_str());
}

std::unique_ptr<TextOutputStream> FolderItemCreateTextFile(const FolderItem& item, FileError& error) {
  if (item.path.empty()) {
    error = FileError::NotFound;
    return nullptr;
  }
  std::string target = item.path;
  struct stat st {};
  // Saving through a link replaces the file it points to and keeps the link.
  if (::lstat(target.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    if (char* real = ::realpath(target.c_str(), nullptr)) {
      target = real;
      std::free(real);
    }
  }
  const bool replacing = ::stat(target.c_str(), &st) == 0;
  if (replacing) {
    if (S_ISDIR(st.st_mode)) {
      error = FileError::IsFolder;
      return nullptr;
    }
    // Renaming over a device or a pipe would remove it instead of writing to it.
    if (!S_ISREG(st.st_mode)) {
      error = FileError::NotAFile;
      return nullptr;
    }
    // The rename would replace a write-protected file as long as its folder is writable; the
    // protection is kept as if the file were written in place.
    if (::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
      error = fromErrno(errno);
      return nullptr;
    }
  }

  const std::string folder = folderOf(target);
  // Hidden, and short enough for any file system however long the file's own name is.
  const std::string stem = "." + FolderItem{target}.name().substr(0, 200) + "." + std::to_string(::getpid()) + ".";
  static unsigned serial = 0;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string temporary = join(folder, stem + std::to_string(serial++) + ".tmp");
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      if (replacing) ::fchmod(fd, st.st_mode & 07777);  // the new file keeps the old one's permissions
      return std::make_unique<TextOutputStream>(std::move(target), temporary, fd);
    }
    if (errno != EEXIST) {
      error = fromErrno(errno);
      return nullptr;
    }
  }
  error = FileError::Failed;
  return nullptr;
}

void TextOutputStreamWrite(TextOutputStream& stream, std::string_view text) {
  if (stream.done_ || stream.error_) return;
  const char* p = text.data();
  std::size_t left = text.size();
  while (left > 0) {
    const ssize_t n = ::write(stream.fd_, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      stream.error_ = n < 0 ? fromErrno(errno) : FileError::Failed;
      return;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

bool TextOutputStreamClose(TextOutputStream& stream, FileError& error) {
  if (!stream.done_) {
    stream.done_ = true;
    // EINVAL: the file system cannot sync; what was written is in its hands all the same.
    if (!stream.error_ && ::fsync(stream.fd_) != 0 && errno != EINVAL) stream.error_ = fromErrno(errno);
    // EINTR: on Linux the descriptor is closed all the same.
    if (::close(stream.fd_) != 0 && errno != EINTR && !stream.error_) stream.error_ = fromErrno(errno);
    stream.fd_ = -1;
    if (!stream.error_ && ::rename(stream.temporary_.c_str(), stream.target_.c_str()) != 0) {
      stream.error_ = fromErrno(errno);
    }
    if (stream.error_) {
      stream.discard();
    } else {
      syncFolder(folderOf(stream.target_));
    }
  }
  if (stream.error_) {
    error = *stream.error_;
    return false;
  }
  return true;
}

// ---- Reading --------------------------------------------------------------------------------

std::unique_ptr<TextInputStream> FolderItemOpenTextFile(const FolderItem& item, std::size_t maxBytes, FileError& error) {
  if (item.path.empty()) {
    error = FileError::NotFound;
    return nullptr;
  }
  // Without O_NONBLOCK, opening a named pipe would wait for a writer forever.
  const int fd = ::open(item.path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) {
    error = fromErrno(errno);
    return nullptr;
  }
  FdGuard guard(fd);
  struct stat st {};
  if (::fstat(fd, &st) != 0) {
    error = fromErrno(errno);
    return nullptr;
  }
  if (S_ISDIR(st.st_mode)) {
    error = FileError::IsFolder;
    return nullptr;
  }
  if (!S_ISREG(st.st_mode)) {
    error = FileError::NotAFile;
    return nullptr;
  }
  // The size the file claims is not trusted (it may grow, or claim 0 as some system files do):
  // reading stops one chunk past the limit.
  constexpr std::size_t kChunk = 4096;
  std::string contents;
  while (contents.size() <= maxBytes) {
    const std::size_t have = contents.size();
    contents.resize(have + kChunk);
    const ssize_t n = ::read(fd, contents.data() + have, kChunk);
    if (n < 0) {
      contents.resize(have);
      if (errno == EINTR) continue;
      error = fromErrno(errno);
      return nullptr;
    }
    contents.resize(have + static_cast<std::size_t>(n));
    if (n == 0) break;
  }
  if (contents.size() > maxBytes) {
    error = FileError::TooLarge;
    return nullptr;
  }
  return std::make_unique<TextInputStream>(std::move(contents));
}

std::string TextInputStreamReadLine(TextInputStream& stream) {
  const std::string& c = stream.contents_;
  const std::size_t from = stream.position_;
  if (from >= c.size()) return {};
  std::size_t end = c.find_first_of("\r\n", from);
  if (end == std::string::npos) {
    stream.position_ = c.size();
    return c.substr(from);
  }
  std::string line = c.substr(from, end - from);
  if (c[end] == '\r' && end + 1 < c.size() && c[end + 1] == '\n') ++end;
  stream.position_ = end + 1;
  return line;
}

bool TextInputStreamEOF(const TextInputStream& stream) { return stream.position_ >= stream.contents_.size(); }

void TextInputStreamClose(TextInputStream& stream) {
  stream.contents_.clear();
  stream.contents_.shrink_to_fit();
  stream.position_ = 0;
}
