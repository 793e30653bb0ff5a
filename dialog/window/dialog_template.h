// Dialog templates as data: the window's size, font and title and one row per
// control, in tab order, with positions in dialog units. The window layer
// builds a dialog from one; resources/ holds the program's own.
#pragma once

namespace zaltor::win {

// Id of a control nobody addresses (labels, frames).
constexpr int kNoId = -1;

enum class ControlKind {
  kPushButton,
  kDefaultPushButton,
  kGroupBox,
  kLabel,
  kEdit,
  kComboDropDown,  // editable text field over a list
  kComboDropList,  // list only, no typing
  kRadioButton,
  kCheckBox,
  kStatusText,  // sunken, bordered, wrapping text
  kIcon,
};

// Control style bits.
constexpr unsigned kGroup = 0x1;     // starts a group (radio buttons, arrow keys)
constexpr unsigned kTabStop = 0x2;   // reached by the Tab key
constexpr unsigned kSorted = 0x4;    // combo box list kept sorted by its add operation
constexpr unsigned kNoPrefix = 0x8;  // '&' is shown, not a mnemonic

struct ControlTemplate {
  int id;
  ControlKind kind;
  const char* caption;
  int x, y, width, height;
  unsigned style;
};

// Window style bits of a dialog.
constexpr unsigned kDialogCaption = 0x1;
constexpr unsigned kDialogSystemMenu = 0x2;
constexpr unsigned kDialogModalFrame = 0x4;

struct DialogTemplate {
  int id;
  int width, height;
  const char* fontName;
  int pointSize;
  const char* title;
  unsigned style;
  const ControlTemplate* controls;
  int controlCount;
};

}  // namespace zaltor::win
