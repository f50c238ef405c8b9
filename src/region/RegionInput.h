#pragma once
// The input the region overlay reacts to, independent of the window system.

namespace kx {

// The keys the overlay knows; the adapter maps the system's key codes.
enum class Key {
  Left,
  Right,
  Up,
  Down,
  Space,      // starts and ends a selection from the keyboard
  Enter,      // takes the selection
  Escape,     // cancels
  Magnifier,  // turns the magnifier off and on
  Recall,     // brings back the region last taken
  Other,      // any other key, also a modifier pressed or let go
};

struct Modifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

}  // namespace kx
