// A combo box with the list operations of the platform's control: indexes,
// a current selection that typing clears, prefix and exact searches that
// ignore case, and a sorted add. A dialog hands out its combo boxes by id.
#pragma once

#include <string>

namespace zaltor::win {

// The result of a failed search or of no selection.
constexpr int kComboError = -1;

class ComboBox {
 public:
  virtual ~ComboBox() = default;

  // CB_ADDSTRING: at the end, or in order on a sorted list. Returns the index.
  virtual int AddString(const char* text) = 0;
  // CB_INSERTSTRING: at index, or at the end for -1. Returns the index, or
  // kComboError when index is past the end.
  virtual int InsertString(int index, const char* text) = 0;
  // CB_DELETESTRING: the count left, or kComboError.
  virtual int DeleteString(int index) = 0;
  // CB_FINDSTRING: the first item after start that begins with text, ignoring
  // case, wrapping round; start -1 searches from the top. kComboError if none.
  virtual int FindString(int start, const char* text) const = 0;
  // CB_FINDSTRINGEXACT: the same for an item equal to text.
  virtual int FindStringExact(int start, const char* text) const = 0;
  // CB_SETCURSEL: -1 clears the selection; the text field shows the item.
  virtual int SetCurSel(int index) = 0;
  virtual int GetCurSel() const = 0;
  // CB_GETLBTEXT: the item's text, empty for a bad index.
  virtual std::string GetLBText(int index) const = 0;
  virtual int GetCount() const = 0;
  // CB_LIMITTEXT: the most characters the text field takes.
  virtual void LimitText(int characters) = 0;
  // The number of items the dropped list shows before it scrolls.
  virtual void SetDroppedItems(int items) = 0;

  // The text field's text (or the selected item's on a list without one).
  virtual std::string WindowText() const = 0;
  virtual void SetWindowText(const char* text) = 0;
};

}  // namespace zaltor::win
