// The application object and the process-wide objects the runtime keeps for the whole run.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "toolkit/object.h"

class MenuBar;

class Application : public Object {
 public:
  MenuBar* menuBar = nullptr;
};

void AppMenuBarSetter(Application* app, MenuBar* bar);
// Makes the object the application; the runtime owns it until RuntimeExit.
Application* RuntimeRegisterAppObject(std::unique_ptr<Application> app);
// The registered application object, or nullptr.
Application* RuntimeApplication();

// The one instance of a class that lives for the whole run (the menu bar), kept by the
// runtime under the class's name: the existing one, or nullptr.
Object* RuntimeGetImplicitInstance(std::string_view className);
// Hands the runtime the instance of that class name and returns it.
Object* RuntimeSetImplicitInstance(std::string_view className, std::unique_ptr<Object> object);

// Makes a file type known to the toolkit: a name, a creator code, a type code and extensions.
void RuntimeRegisterFileType(const std::string& name, const std::string& creator, const std::string& type,
                             const std::string& extensions);
