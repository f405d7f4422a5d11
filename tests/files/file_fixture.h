// The fixture of the game-file tests: the headless game with a fresh folder of its own that is
// also the home folder, and helpers to write, read and choose files in it.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "support/fixture.h"

class FileTest : public GameTest {
 protected:
  void SetUp() override {
    GameTest::SetUp();
    char name[] = "/tmp/bsudoku-files-XXXXXX";
    ASSERT_NE(::mkdtemp(name), nullptr);
    dir_ = name;
    // Reachable by the unprivileged user that the permission cases switch to.
    ::chmod(dir_.c_str(), 0777);
    if (const char* home = std::getenv("HOME")) savedHome_ = home;
    ::setenv("HOME", dir_.c_str(), 1);
  }

  void TearDown() override {
    if (savedHome_) {
      ::setenv("HOME", savedHome_->c_str(), 1);
    } else {
      ::unsetenv("HOME");
    }
    std::error_code ec;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir_, ec)) {
      if (entry.is_directory(ec) && !entry.is_symlink(ec)) {
        std::filesystem::permissions(entry.path(), std::filesystem::perms::owner_all,
                                     std::filesystem::perm_options::add, ec);
      }
    }
    std::filesystem::remove_all(dir_, ec);
    GameTest::TearDown();
  }

  std::string path(const std::string& name) const { return dir_ + "/" + name; }

  static void writeFile(const std::string& file, const std::string& contents) {
    std::ofstream(file, std::ios::binary) << contents;
  }
  static std::string readFile(const std::string& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // The names in the test's folder, to see that nothing was left behind.
  std::size_t entries() const {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir_)) ++n;
    return n;
  }

  // Saves or loads through the menu handlers, the dialog answering with `file`.
  void save(const std::optional<std::string>& file) {
    backend().fileAnswers.push_back(file);
    win().AblageSpeichern_Action();
  }
  void load(const std::optional<std::string>& file) {
    backend().fileAnswers.push_back(file);
    win().AblageLaden_Action();
  }

  std::string dir_;

 private:
  std::optional<std::string> savedHome_;
};

// Runs a case as an ordinary user, for whom permissions count: root may read and write anything.
class Unprivileged {
 public:
  Unprivileged() : switched_(::geteuid() == 0) {
    if (switched_) {
      EXPECT_EQ(::seteuid(65534), 0);
    }
  }
  Unprivileged(const Unprivileged&) = delete;
  Unprivileged& operator=(const Unprivileged&) = delete;
  ~Unprivileged() {
    if (switched_ && ::seteuid(0) != 0) std::abort();
  }

 private:
  bool switched_;
};
