#include "dialog/window/message_box.h"

#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <mutex>
#include <utility>
#include <vector>

#include "dialog/window/thread_call.h"

namespace zaltor::win {

namespace {

std::mutex answererMutex;
MessageBoxAnswerer scriptedAnswerer;

MessageBoxAnswerer CurrentAnswerer() {
  std::lock_guard<std::mutex> lock(answererMutex);
  return scriptedAnswerer;
}

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

int ShowBox(const MessageBoxRequest& request) {
  if (MessageBoxAnswerer answerer = CurrentAnswerer()) return answerer(request);
  QMessageBox box(IconOf(request.style), QString::fromLocal8Bit(request.caption.c_str()),
                  QString::fromLocal8Bit(request.text.c_str()), QMessageBox::NoButton, request.owner);
  const std::vector<ButtonAnswer> buttons = ButtonsOf(request.style);
  for (const ButtonAnswer& button : buttons) box.addButton(button.button);
  box.setDefaultButton(buttons.front().button);
  // Esc means Cancel where there is one, OK on a box with OK alone; a Yes/No
  // box has to be answered.
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

}  // namespace

void SetMessageBoxAnswerer(MessageBoxAnswerer answerer) {
  std::lock_guard<std::mutex> lock(answererMutex);
  scriptedAnswerer = std::move(answerer);
}

int MessageBox(QWidget* owner, const char* text, const char* caption, unsigned style) {
  MessageBoxRequest request;
  request.text = text != nullptr ? text : "";
  request.caption = caption != nullptr ? caption : ApplicationName();
  request.style = style;
  request.owner = owner;
  QObject* home = owner != nullptr ? static_cast<QObject*>(owner) : QCoreApplication::instance();
  return CallOnThreadOf(home, [&request] { return ShowBox(request); });
}

std::string ApplicationName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName().toLocal8Bit().toStdString();
}

int AppMessageBox(const char* text, unsigned style) {
  QWidget* owner = CallOnThreadOf(QCoreApplication::instance(), [] { return QApplication::activeWindow(); });
  const std::string caption = ApplicationName();
  return MessageBox(owner, text, caption.c_str(), style);
}

}  // namespace zaltor::win
