// The start sequence.
#include "app/startup.h"

#include "model/fenster1.h"
#include "toolkit/runtime.h"

void InitPluginEntrypoints() {}
void NewAppInstance() {}

void MakeDefaultView() { WindowForceUpdateFrontBuffer(&Fenster1::instance()); }

void Main() {
  try {
    InitPluginEntrypoints();
    NewAppInstance();
    MakeDefaultView();
    RuntimeRun();
  } catch (const std::exception& e) {
    RuntimeUnhandledException(e);
  }
}
