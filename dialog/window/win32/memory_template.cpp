// A dialog template in memory, in the layout of a DLGTEMPLATEEX resource, so
// that dialog units, tab order, groups and tab stops are the platform's.
#include "dialog/window/win32/dialog_host.h"
#include "resources/resource_ids.h"

namespace zaltor::win {

namespace {

// The predefined window classes of a template, by ordinal.
constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;
constexpr WORD kComboBoxClass = 0x0085;

struct Words {
  std::vector<WORD> words;
  void Word(WORD value) { words.push_back(value); }
  void Dword(DWORD value) {
    Word(LOWORD(value));
    Word(HIWORD(value));
  }
  // The template's texts are the program's: ASCII, widened as they are.
  void Text(const char* text) {
    for (const char* each = text != nullptr ? text : ""; *each != '\0'; ++each) {
      Word(static_cast<unsigned char>(*each));
    }
    Word(0);
  }
  // Each control starts on a DWORD boundary.
  void AlignToDword() {
    if (words.size() % 2 != 0) Word(0);
  }
};

struct ControlClass {
  WORD name;
  DWORD style;
};

ControlClass ClassOf(const ControlTemplate& row) {
  switch (row.kind) {
    case ControlKind::kPushButton:
      return {kButtonClass, BS_PUSHBUTTON};
    case ControlKind::kDefaultPushButton:
      return {kButtonClass, BS_DEFPUSHBUTTON};
    case ControlKind::kGroupBox:
      return {kButtonClass, BS_GROUPBOX};
    case ControlKind::kLabel:
      return {kStaticClass, SS_LEFT};
    case ControlKind::kEdit:
      return {kEditClass, ES_AUTOHSCROLL | WS_BORDER};
    case ControlKind::kComboDropDown:
      return {kComboBoxClass, CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL};
    case ControlKind::kComboDropList:
      return {kComboBoxClass, CBS_DROPDOWNLIST | WS_VSCROLL};
    case ControlKind::kRadioButton:
      return {kButtonClass, BS_AUTORADIOBUTTON};
    case ControlKind::kCheckBox:
      return {kButtonClass, BS_AUTOCHECKBOX};
    case ControlKind::kStatusText:
      return {kStaticClass, SS_LEFT | SS_SUNKEN | WS_BORDER | SS_NOPREFIX};
    case ControlKind::kIcon:
      return {kStaticClass, SS_ICON};
  }
  return {kStaticClass, SS_LEFT};
}

DWORD StyleOf(const ControlTemplate& row) {
  DWORD style = WS_CHILD | WS_VISIBLE | ClassOf(row).style;
  if (row.style & kGroup) style |= WS_GROUP;
  if (row.style & kTabStop) style |= WS_TABSTOP;
  // The same bits mean other things to other classes.
  if (row.style & kSorted && ClassOf(row).name == kComboBoxClass) style |= CBS_SORT;
  if (row.style & kNoPrefix && ClassOf(row).name == kStaticClass) style |= SS_NOPREFIX;
  return style;
}

}  // namespace

std::vector<WORD> MemoryTemplate(const DialogTemplate& dialogTemplate) {
  DWORD style = DS_SETFONT | DS_MODALFRAME | DS_3DLOOK | WS_POPUP;
  if (dialogTemplate.style & kDialogCaption) style |= WS_CAPTION;
  if (dialogTemplate.style & kDialogSystemMenu) style |= WS_SYSMENU;
  Words out;
  out.Word(1);       // dlgVer
  out.Word(0xFFFF);  // signature of the extended template
  out.Dword(0);      // helpID
  out.Dword(0);      // exStyle
  out.Dword(style);
  out.Word(static_cast<WORD>(dialogTemplate.controlCount));
  out.Word(0);  // x and y: the window is centred when shown
  out.Word(0);
  out.Word(static_cast<WORD>(dialogTemplate.width));
  out.Word(static_cast<WORD>(dialogTemplate.height));
  out.Word(0);  // no menu
  out.Word(0);  // the dialog class
  out.Text(dialogTemplate.title);
  out.Word(static_cast<WORD>(dialogTemplate.pointSize));
  out.Word(FW_NORMAL);
  out.Word(0);  // italic and character set
  out.Text(dialogTemplate.fontName);
  for (int i = 0; i < dialogTemplate.controlCount; ++i) {
    const ControlTemplate& row = dialogTemplate.controls[i];
    out.AlignToDword();
    out.Dword(0);  // helpID
    out.Dword(0);  // exStyle
    out.Dword(StyleOf(row));
    out.Word(static_cast<WORD>(row.x));
    out.Word(static_cast<WORD>(row.y));
    out.Word(static_cast<WORD>(row.width));
    out.Word(static_cast<WORD>(row.height));
    out.Dword(static_cast<DWORD>(row.id));
    out.Word(0xFFFF);
    out.Word(ClassOf(row).name);
    if (row.kind == ControlKind::kIcon) {
      // The icon resource by its ordinal.
      out.Word(0xFFFF);
      out.Word(static_cast<WORD>(res::kProgramIcon));
    } else {
      out.Text(row.caption);
    }
    out.Word(0);  // no creation data
  }
  return out.words;
}

}  // namespace zaltor::win
