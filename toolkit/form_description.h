// Form descriptions: what a form looks like and how its events are wired,
// as plain data. A form is built from its description; the description names
// each event's handler, and the form class binds those names to its methods.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace toolkit {

enum class FormKind { MdiFrame, MdiChild };
enum class BorderStyle { Sizeable, FixedSingle };
enum class WindowState { Normal, Maximized };
enum class ControlKind { Button, CheckBox, Edit, Label, Timer };
enum class Alignment { Left, Centre, Right };
enum class Event { Create, Show, Close, Destroy, Click, Change, Timer };

// Anchors of a control: the sides whose distance to the form stays fixed.
enum Anchor : unsigned { AnchorLeft = 1, AnchorTop = 2, AnchorRight = 4, AnchorBottom = 8 };

// A colour: either a system colour (by its COLOR_ index) or red, green, blue.
struct Colour {
  bool system = true;
  int systemIndex = 15;  // COLOR_BTNFACE
  std::uint8_t red = 0, green = 0, blue = 0;

  static constexpr int kButtonFace = 15;
  static Colour System(int index) { return Colour{true, index, 0, 0, 0}; }
  static Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return Colour{false, 0, r, g, b}; }
};

struct Rect {
  int left = 0, top = 0, width = 0, height = 0;
};

// One event of a form or control and the name of the handler it calls.
struct EventBinding {
  Event event;
  std::string handler;
};

struct FontDescription {
  std::string name;  // face name, code page 932
  int pixelHeight = 12;
};

struct ControlDescription {
  ControlKind kind = ControlKind::Button;
  std::string name;
  std::string caption;  // label and button text, an edit's initial text
  Rect bounds;          // client coordinates of the form; unused for a timer
  int tabOrder = -1;    // -1: not a tab stop
  bool enabled = true;
  std::vector<EventBinding> events;
  // Labels
  Alignment alignment = Alignment::Left;
  bool wordWrap = false;
  bool autoSize = false;
  unsigned anchors = AnchorLeft | AnchorTop;
  std::string focusControl;  // the control that the label's access key focuses
  // Timers
  unsigned interval = 1000;  // milliseconds
};

struct FormDescription {
  FormKind kind = FormKind::MdiChild;
  std::string name;  // the form's class, e.g. "TAddChainView"
  std::string caption;
  BorderStyle border = BorderStyle::FixedSingle;
  bool titleBarButtons = false;  // system menu, minimise, maximise, close
  WindowState state = WindowState::Normal;
  Rect bounds;          // outer bounds when restored (frames); children are centred
  int clientWidth = 0;  // children: the client area's size
  int clientHeight = 0;
  Colour colour;
  FontDescription font;
  bool visible = true;  // children: shown as soon as they are built
  bool centreOverMainForm = true;
  std::vector<EventBinding> events;
  std::vector<ControlDescription> controls;

  const ControlDescription* Find(const std::string& controlName) const {
    for (const ControlDescription& control : controls)
      if (control.name == controlName) return &control;
    return nullptr;
  }
};

}  // namespace toolkit
