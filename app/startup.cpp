// The start sequence.
#include "app/startup.h"

#include <memory>

#include "app/menubar.h"
#include "model/fenster1.h"
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

void Main() {
  try {
    InitPluginEntrypoints();
    RuntimeRegisterFileType("text", "R*ch", "TEXT", "");
    NewAppInstance();
    MakeDefaultView();
    RuntimeRun();
  } catch (const std::exception& e) {
    RuntimeUnhandledException(e);
  }
}
