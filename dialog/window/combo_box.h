// A combo box with the list operations of the Win32 control: indexes, a
// current selection that typing clears, prefix and exact searches that
// ignore case, and a sorted add.
#pragma once

#include <QComboBox>
#include <string>

namespace zaltor::win {

// The result of a failed search or of no selection.
constexpr int kComboError = -1;

class ComboBox : public QComboBox {
 public:
  // editable: a text field over the list; sorted: AddString keeps the list in
  // order (explicit insertions do not).
  ComboBox(QWidget* parent, bool editable, bool sorted);

  // CB_ADDSTRING: at the end, or in order on a sorted list. Returns the index.
  int AddString(const char* text);
  // CB_INSERTSTRING: at index, or at the end for -1. Returns the index, or
  // kComboError when index is past the end.
  int InsertString(int index, const char* text);
  // CB_DELETESTRING: the count left, or kComboError.
  int DeleteString(int index);
  // CB_FINDSTRING: the first item after start that begins with text, ignoring
  // case, wrapping round; start -1 searches from the top. kComboError if none.
  int FindString(int start, const char* text) const;
  // CB_FINDSTRINGEXACT: the same for an item equal to text.
  int FindStringExact(int start, const char* text) const;
  // CB_SETCURSEL: -1 clears the selection; the text field shows the item.
  int SetCurSel(int index);
  int GetCurSel() const { return selection; }
  // CB_GETLBTEXT: the item's text, empty for a bad index.
  std::string GetLBText(int index) const;
  int GetCount() const { return count(); }
  // CB_LIMITTEXT: the most characters the text field takes.
  void LimitText(int characters);
  // The number of items the dropped list shows before it scrolls.
  void SetDroppedItems(int items) { setMaxVisibleItems(items); }

  // The text field's text (or the selected item's on a list without one).
  std::string WindowText() const;
  void SetWindowText(const char* text);

  // Case-insensitive comparison of the sorted add.
  static int CompareItems(const std::string& a, const std::string& b);

 private:
  int selection = kComboError;
  bool sortedList;
};

}  // namespace zaltor::win
