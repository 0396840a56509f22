#pragma once
// The events that reach the main dialog from the window, and what a handler
// gives back for the few that return something.

#include <optional>
#include <string>
#include <vector>

#include "chart/drawing_surface.h"

namespace helvarra {

enum class EventKind {
  SystemCommand,  // a window-menu command; command, compared after masking with 0xFFF0
  Paint,
  QueryDragIcon,
  Command,         // a button or check box clicked; id
  SliderReleased,  // the slider let go by the mouse; id 1005
  TimerTick,       // id: the timer, not looked at
  ControlColor,    // a control asks for its colours; id, controlKind
  LeftButtonDown,  // x, y in client coordinates
  OpenDocument,    // files given on the command line or dropped on the window; files
  SpanSelected,    // a stretch dragged across a chart, from x to x2 (either way round)
};

// The kind of control a colour request comes from.
inline constexpr int CTLCOLOR_BTN = 3;
inline constexpr int CTLCOLOR_STATIC = 6;

// Window-menu commands.
inline constexpr unsigned SC_MINIMIZE = 0xF020;
inline constexpr unsigned SC_CLOSE = 0xF060;
inline constexpr unsigned SC_RESTORE = 0xF120;

// A file the user chose, named on the command line or dropped.
struct ChosenFile {
  std::string pathName;  // full path
  std::string fileName;  // name with extension, no directory
  friend bool operator==(const ChosenFile&, const ChosenFile&) = default;
};

struct WindowEvent {
  EventKind kind = EventKind::Paint;
  int id = 0;
  int x = 0, y = 0, x2 = 0;
  unsigned command = 0;
  long extra = 0;
  int controlKind = 0;
  std::vector<ChosenFile> files{};  // OpenDocument
};

struct EventResult {
  bool routed = false;           // false: the event has no entry and gets the default handling
  std::optional<Colour> colour;  // ControlColor: the label's background, if not the window's
  Icon icon;                     // QueryDragIcon
  long notifyResult = 0;         // SliderReleased
};

// The object a modal dialog run delivers its initialisation and events to.
class DialogEvents {
 public:
  virtual ~DialogEvents() = default;
  // After the window and its controls exist, before it is first shown.
  virtual bool InitWindow() = 0;
  virtual EventResult Dispatch(const WindowEvent& event) = 0;
};

}  // namespace helvarra
