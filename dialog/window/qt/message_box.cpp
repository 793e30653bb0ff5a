#include "dialog/window/message_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <algorithm>
#include <vector>

#include "dialog/window/dialog_window.h"
#include "dialog/window/qt/dialog_host.h"
#include "dialog/window/qt/object_thread_call.h"

namespace zaltor::win {

namespace {

QMessageBox::Icon IconOf(unsigned style) {
  switch (style & kMbIconMask) {
    case kMbIconHand:
      return QMessageBox::Critical;
    case kMbIconQuestion:
      return QMessageBox::Question;
    case kMbIconExclamation:
      return QMessageBox::Warning;
    case kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonAnswer {
  QMessageBox::StandardButton button;
  int answer;
};

std::vector<ButtonAnswer> ButtonsOf(unsigned style) {
  switch (style & kMbButtonMask) {
    case kMbOkCancel:
      return {{QMessageBox::Ok, kIdOk}, {QMessageBox::Cancel, kIdCancel}};
    case kMbAbortRetryIgnore:
      return {{QMessageBox::Abort, kIdAbort}, {QMessageBox::Retry, kIdRetry}, {QMessageBox::Ignore, kIdIgnore}};
    case kMbYesNoCancel:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}, {QMessageBox::Cancel, kIdCancel}};
    case kMbYesNo:
      return {{QMessageBox::Yes, kIdYes}, {QMessageBox::No, kIdNo}};
    case kMbRetryCancel:
      return {{QMessageBox::Retry, kIdRetry}, {QMessageBox::Cancel, kIdCancel}};
    default:
      return {{QMessageBox::Ok, kIdOk}};
  }
}

// A box with several buttons and no Cancel (Yes/No, Abort/Retry/Ignore) has
// to be answered with one of them: neither Esc nor the close box does.
class Box : public QMessageBox {
 public:
  Box(const MessageBoxRequest& request, QWidget* parent, bool answerRequired)
      : QMessageBox(IconOf(request.style), QString::fromLocal8Bit(request.caption.c_str()),
                    QString::fromLocal8Bit(request.text.c_str()), QMessageBox::NoButton, parent),
        answerRequired(answerRequired) {
    // Paths and values are shown as they are, never read as markup.
    setTextFormat(Qt::PlainText);
    if (answerRequired) {
      setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) & ~Qt::WindowCloseButtonHint);
    }
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (answerRequired && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (answerRequired) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  const bool answerRequired;
};

int ShowBox(const MessageBoxRequest& request, QWidget* parent) {
  if (MessageBoxAnswerer answerer = CurrentMessageBoxAnswerer()) return answerer(request);
  const std::vector<ButtonAnswer> buttons = ButtonsOf(request.style);
  const bool hasCancel = std::any_of(buttons.begin(), buttons.end(),
                                     [](const ButtonAnswer& button) { return button.answer == kIdCancel; });
  Box box(request, parent, buttons.size() > 1 && !hasCancel);
  for (const ButtonAnswer& button : buttons) box.addButton(button.button);
  box.setDefaultButton(buttons.front().button);
  // Esc means Cancel where there is one, OK on a box with OK alone.
  for (const ButtonAnswer& button : buttons) {
    if (button.answer == kIdCancel) box.setEscapeButton(box.button(button.button));
  }
  if (buttons.size() == 1) box.setEscapeButton(box.button(buttons.front().button));
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  for (const ButtonAnswer& button : buttons) {
    if (clicked != nullptr && clicked == box.button(button.button)) return button.answer;
  }
  return (request.style & kMbButtonMask) == kMbYesNo ? kIdNo : kIdCancel;
}

// Shows the box on parent's thread (the application's without one).
int ShowOnThreadOf(QWidget* parent, const MessageBoxRequest& request) {
  QObject* home = parent != nullptr ? static_cast<QObject*>(parent) : QCoreApplication::instance();
  return CallOnObjectThread(home, [&request, parent] { return ShowBox(request, parent); });
}

}  // namespace

int MessageBox(DialogWindow* owner, const char* text, const char* caption, unsigned style) {
  return ShowOnThreadOf(owner != nullptr ? &owner->Host() : nullptr,
                        MakeMessageBoxRequest(owner, text, caption, style));
}

std::string ApplicationName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toLocal8Bit().toStdString();
}

int AppMessageBox(const char* text, unsigned style) {
  QWidget* active =
      CallOnObjectThread(QCoreApplication::instance(), [] { return QApplication::activeWindow(); });
  auto* host = dynamic_cast<DialogHost*>(active);
  DialogWindow* owner = host != nullptr ? &host->Window() : nullptr;
  return ShowOnThreadOf(active, MakeMessageBoxRequest(owner, text, nullptr, style));
}

}  // namespace zaltor::win
