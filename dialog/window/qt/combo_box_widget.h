// The combo box on Qt: the platform control's list operations imitated over
// a QComboBox.
#pragma once

#include <QComboBox>
#include <string>

#include "dialog/window/combo_box.h"

namespace zaltor::win {

class ComboBoxWidget : public QComboBox, public ComboBox {
 public:
  // editable: a text field over the list; sorted: AddString keeps the list in
  // order (explicit insertions do not).
  ComboBoxWidget(QWidget* parent, bool editable, bool sorted);

  int AddString(const char* text) override;
  int InsertString(int index, const char* text) override;
  int DeleteString(int index) override;
  int FindString(int start, const char* text) const override;
  int FindStringExact(int start, const char* text) const override;
  int SetCurSel(int index) override;
  int GetCurSel() const override { return selection; }
  std::string GetLBText(int index) const override;
  int GetCount() const override { return count(); }
  void LimitText(int characters) override;
  void SetDroppedItems(int items) override { setMaxVisibleItems(items); }
  std::string WindowText() const override;
  void SetWindowText(const char* text) override;

  // A tooltip shown when the list drops would cover it.
  void showPopup() override;

  // Case-insensitive comparison of the sorted add.
  static int CompareItems(const std::string& a, const std::string& b);

 private:
  int selection = kComboError;
  bool sortedList;
};

}  // namespace zaltor::win
