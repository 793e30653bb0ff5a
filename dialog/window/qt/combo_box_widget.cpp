#include "dialog/window/qt/combo_box_widget.h"

#include <QLineEdit>
#include <QToolTip>
#include <cctype>

namespace zaltor::win {

namespace {

QString FromText(const char* text) { return QString::fromLocal8Bit(text != nullptr ? text : ""); }

bool StartsWithIgnoringCase(const std::string& item, const std::string& prefix) {
  if (prefix.size() > item.size()) return false;
  return ComboBoxWidget::CompareItems(item.substr(0, prefix.size()), prefix) == 0;
}

}  // namespace

ComboBoxWidget::ComboBoxWidget(QWidget* parent, bool editable, bool sorted) : QComboBox(parent), sortedList(sorted) {
  setEditable(editable);
  // Styles that drop a list without a text field as a menu of every item
  // would ignore the number of items to show.
  setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
  setInsertPolicy(QComboBox::NoInsert);
  setDuplicatesEnabled(true);
  if (editable) {
    // The control completes nothing: what the user typed is what is read,
    // and Enter goes to the dialog's default button, not to a completion.
    setCompleter(nullptr);
    // Typing leaves the list without a selection, as the control does when
    // its list is closed.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { selection = kComboError; });
  }
  connect(this, qOverload<int>(&QComboBox::activated), this, [this](int index) { selection = index; });
}

void ComboBoxWidget::showPopup() {
  QToolTip::hideText();
  QComboBox::showPopup();
}

int ComboBoxWidget::CompareItems(const std::string& a, const std::string& b) {
  const std::size_t length = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < length; ++i) {
    const int ca = std::tolower(static_cast<unsigned char>(a[i]));
    const int cb = std::tolower(static_cast<unsigned char>(b[i]));
    if (ca != cb) return ca < cb ? -1 : 1;
  }
  return a.size() == b.size() ? 0 : a.size() < b.size() ? -1 : 1;
}

int ComboBoxWidget::AddString(const char* text) {
  if (!sortedList) return InsertString(-1, text);
  // The platform's list box: a binary search over the items from first to
  // last, probing the lower midpoint; an equal item's place, else the first
  // place after every item probed below the text.
  const std::string value = text != nullptr ? text : "";
  int low = 0;
  int high = count() - 1;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = CompareItems(GetLBText(middle), value);
    if (order == 0) return InsertString(middle, text);
    if (order > 0) {
      high = middle - 1;
    } else {
      low = middle + 1;
    }
  }
  return InsertString(low, text);
}

int ComboBoxWidget::InsertString(int index, const char* text) {
  if (index > count()) return kComboError;
  if (index < 0) index = count();
  const QString keep = isEditable() ? lineEdit()->text() : QString();
  insertItem(index, FromText(text));
  if (selection >= index) ++selection;
  // QComboBox selects the first item put into an empty list; the control
  // does not, and its text field keeps what it held.
  setCurrentIndex(selection);
  if (isEditable()) lineEdit()->setText(keep);
  return index;
}

int ComboBoxWidget::DeleteString(int index) {
  if (index < 0 || index >= count()) return kComboError;
  const QString keep = isEditable() ? lineEdit()->text() : QString();
  if (selection == index) {
    selection = kComboError;
  } else if (selection > index) {
    --selection;
  }
  removeItem(index);
  setCurrentIndex(selection);
  if (isEditable()) lineEdit()->setText(keep);
  return count();
}

int ComboBoxWidget::FindString(int start, const char* text) const {
  const std::string prefix = text != nullptr ? text : "";
  const int total = count();
  for (int step = 1; step <= total; ++step) {
    const int index = start < 0 || start >= total ? step - 1 : (start + step) % total;
    if (StartsWithIgnoringCase(GetLBText(index), prefix)) return index;
  }
  return kComboError;
}

int ComboBoxWidget::FindStringExact(int start, const char* text) const {
  const std::string wanted = text != nullptr ? text : "";
  const int total = count();
  for (int step = 1; step <= total; ++step) {
    const int index = start < 0 || start >= total ? step - 1 : (start + step) % total;
    if (CompareItems(GetLBText(index), wanted) == 0) return index;
  }
  return kComboError;
}

int ComboBoxWidget::SetCurSel(int index) {
  if (index < -1 || index >= count()) {
    selection = kComboError;
    setCurrentIndex(-1);
    return kComboError;
  }
  selection = index;
  setCurrentIndex(index);
  if (index < 0 && isEditable()) lineEdit()->clear();
  return index < 0 ? kComboError : index;
}

std::string ComboBoxWidget::GetLBText(int index) const {
  if (index < 0 || index >= count()) return std::string();
  return itemText(index).toLocal8Bit().toStdString();
}

void ComboBoxWidget::LimitText(int characters) {
  if (isEditable()) lineEdit()->setMaxLength(characters > 0 ? characters : 32767);
}

std::string ComboBoxWidget::WindowText() const {
  return (isEditable() ? lineEdit()->text() : currentText()).toLocal8Bit().toStdString();
}

void ComboBoxWidget::SetWindowText(const char* text) {
  if (isEditable()) lineEdit()->setText(FromText(text));
}

}  // namespace zaltor::win
