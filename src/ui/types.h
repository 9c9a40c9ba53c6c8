#pragma once
// Small value types shared by the controls: bounds, colours, fonts, keys.
#include <cstdint>

#include "text/u16.h"

namespace surva::ui {

// Left, top, width, height in pixels at 96 DPI, relative to the parent's
// client area.
struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  bool operator==(const Rect&) const = default;
  bool contains(int x, int y) const { return x >= left && y >= top && x < left + width && y < top + height; }
};

struct Color {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  bool operator==(const Color&) const = default;
};

namespace colors {
constexpr Color Black{0, 0, 0};
constexpr Color White{255, 255, 255};
constexpr Color Grey{128, 128, 128};
constexpr Color Red{255, 0, 0};
// The usual system colours; a backend may map them to the live ones.
constexpr Color Window{255, 255, 255};
constexpr Color WindowText{0, 0, 0};
constexpr Color BtnFace{240, 240, 240};
constexpr Color Highlight{0, 120, 215};
constexpr Color HighlightText{255, 255, 255};
}  // namespace colors

enum class Align { Left, Center, Right };

// Empty name / size 0 / no colour mean "as the parent".
struct Font {
  text::u16 name;
  int sizePx = 0;  // character height in pixels
  bool bold = false;
  bool hasColor = false;
  Color color = colors::WindowText;
  bool operator==(const Font&) const = default;
};

enum class MouseButton { Left, Right, Middle };

// Modifier keys held while a key or mouse button went down.
struct ShiftState {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
  bool operator==(const ShiftState&) const = default;
};

// Virtual key codes, the Windows values so a backend passes them through.
// 0 means "no key": a handler that consumes a key sets it to 0.
using KeyCode = std::uint16_t;
namespace keys {
constexpr KeyCode None = 0;
constexpr KeyCode Back = 0x08;
constexpr KeyCode Tab = 0x09;
constexpr KeyCode Return = 0x0D;
constexpr KeyCode Shift = 0x10;
constexpr KeyCode Control = 0x11;
constexpr KeyCode Escape = 0x1B;
constexpr KeyCode PageUp = 0x21;
constexpr KeyCode PageDown = 0x22;
constexpr KeyCode End = 0x23;
constexpr KeyCode Home = 0x24;
constexpr KeyCode Left = 0x25;
constexpr KeyCode Up = 0x26;
constexpr KeyCode Right = 0x27;
constexpr KeyCode Down = 0x28;
constexpr KeyCode Insert = 0x2D;
constexpr KeyCode Delete = 0x2E;
constexpr KeyCode F2 = 0x71;
// Letters and digits are their upper-case ASCII codes ('C', 'V', 'X', '0').
}  // namespace keys

// What closed a modal form.
enum class ModalResult { None, Ok, Cancel, Yes, No };

}  // namespace surva::ui
