// The start sequence.
#include "app/startup.h"

#include <memory>

#include "app/menubar.h"
#include "model/fenster1.h"
#include "toolkit/files.h"
#include "toolkit/plugin_entrypoints.h"
#include "toolkit/runtime.h"

void InitPluginEntrypoints() {
  PluginEntrypointsTable table = RuntimeAllocatePluginEntrypointsTable(kBevelButtonEntrypointNames.size());
  for (std::size_t k = 0; k < kBevelButtonEntrypointNames.size(); ++k) {
    table[k] = RuntimeLookupPluginEntrypoint(kBevelButtonEntrypointNames[k]);
  }
  BevelButtonSetters() = std::move(table);
}

void NewAppInstance() {
  auto app = std::make_unique<App>();
  AppMenuBarSetter(app.get(), &Menüleiste1::instance());
  RuntimeRegisterAppObject(std::move(app));
}

void MakeDefaultView() { WindowForceUpdateFrontBuffer(&Fenster1::instance()); }

void Main(const std::optional<std::string>& gameFile) {
  try {
    InitPluginEntrypoints();
    RuntimeRegisterFileType("text", "R*ch", "TEXT", "");
    NewAppInstance();
    MakeDefaultView();
    if (gameFile) {
      Fenster1::instance().load_game_file(FolderItem{*gameFile});
      WindowForceUpdateFrontBuffer(&Fenster1::instance());
    }
    RuntimeRun();
  } catch (const std::exception& e) {
    RuntimeUnhandledException(e);
  }
}

namespace {

constexpr const char* kUsage =
    "Aufruf: bsudoku [SPIELDATEI]\n"
    "Startet BrovaneSudoku; mit einer Spieldatei (.BSUD) beginnt das Spiel mit ihr.\n";

}  // namespace

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
  CommandLine line;
  std::vector<std::string> files;
  bool options = true;
  for (const std::string& arg : args) {
    if (options && arg == "--") {
      options = false;
    } else if (options && (arg == "-h" || arg == "--help")) {
      line.message = kUsage;
      return line;
    } else if (options && arg.size() > 1 && arg[0] == '-') {
      line.message = "bsudoku: unbekannte Option „" + arg + "“\n" + kUsage;
      line.exitCode = 2;
      return line;
    } else {
      files.push_back(arg);
    }
  }
  if (files.size() > 1) {
    line.message = std::string("bsudoku: es kann nur eine Spieldatei geöffnet werden\n") + kUsage;
    line.exitCode = 2;
  } else if (files.size() == 1) {
    line.gameFile = files.front();
  }
  return line;
}
