// Controls of a window: the board canvas with its graphics, edit fields, bevel buttons and
// static texts. A control holds its own state; the back end shows it and is told of changes.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <variant>

#include "toolkit/object.h"
#include "toolkit/raster.h"

class Window;

// Pen and colour state over a surface. Game code sets pen size and colour before every shape.
class Graphics final : public Object {
 public:
  explicit Graphics(Surface* surface) : surface_(surface) {}
  Surface* surface() const { return surface_; }

  int penWidth = 1;
  int penHeight = 1;
  Color foreColor{0, 0, 0};

 private:
  Surface* surface_;
};

// The handler of one control event: "Action" takes nothing; "MouseDown" takes canvas x, y and
// returns whether it claims the pointer; "MouseMove" takes canvas x, y.
using EventHandler = std::variant<std::function<void()>, std::function<bool(int, int)>, std::function<void(int, int)>>;

enum class ControlKind { Canvas, EditField, BevelButton, StaticText };

class Control : public Object {
 public:
  virtual ControlKind kind() const = 0;

  std::string name;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool enabled = true;
  bool visible = true;
  std::string helpTag;
  Window* window = nullptr;
  std::map<std::string, EventHandler, std::less<>> handlers;  // by event name
};

// The board canvas. Its pixels are retained: what is drawn stays until drawn over, and the back
// end shows them as they are. The raster is made when the control gets its size.
class Canvas final : public Control {
 public:
  ControlKind kind() const override { return ControlKind::Canvas; }

  // (Re)creates the pixel buffer for the current width and height at the given device scale.
  void allocate(int scale = 1);
  Raster* raster() { return raster_.get(); }
  Graphics* graphics() { return graphics_.get(); }

 private:
  std::unique_ptr<Raster> raster_;
  std::unique_ptr<Graphics> graphics_;
};

class EditField final : public Control {
 public:
  ControlKind kind() const override { return ControlKind::EditField; }
  std::string text;
  bool multiline = false;
  std::string fontName;
  int fontSize = 0;
};

class BevelButton final : public Control {
 public:
  ControlKind kind() const override { return ControlKind::BevelButton; }
  std::string caption;
  int captionAlign = 0;
  int captionPlacement = 0;
  int captionDelta = 0;
  int iconAlign = 0;
  int iconDX = 0;
  int iconDY = 0;
  std::int64_t value = 0;
  int menuValue = 0;
  std::string textFont;
  int textSize = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
};

class StaticText final : public Control {
 public:
  ControlKind kind() const override { return ControlKind::StaticText; }
  std::string text;
  std::string fontName;
  int fontSize = 0;
};
