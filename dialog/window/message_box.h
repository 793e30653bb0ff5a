// Message boxes with the Win32 style bits and answer codes. A box may be
// asked for from any thread: it is shown on its owner's thread (the
// application's when there is no owner) and the caller waits for the answer.
#pragma once

#include <QWidget>
#include <functional>
#include <string>

namespace zaltor::win {

// Button sets (low four bits of the style) and icons.
constexpr unsigned kMbOk = 0x00;
constexpr unsigned kMbOkCancel = 0x01;
constexpr unsigned kMbAbortRetryIgnore = 0x02;
constexpr unsigned kMbYesNoCancel = 0x03;
constexpr unsigned kMbYesNo = 0x04;
constexpr unsigned kMbRetryCancel = 0x05;
constexpr unsigned kMbButtonMask = 0x0f;
constexpr unsigned kMbIconHand = 0x10;
constexpr unsigned kMbIconQuestion = 0x20;
constexpr unsigned kMbIconExclamation = 0x30;
constexpr unsigned kMbIconInformation = 0x40;
constexpr unsigned kMbIconMask = 0xf0;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

struct MessageBoxRequest {
  std::string text;
  std::string caption;
  unsigned style = 0;
  QWidget* owner = nullptr;
};

// Replaces the boxes by a function that answers them; it runs on the thread
// the box would have been shown on. An empty function restores the boxes.
using MessageBoxAnswerer = std::function<int(const MessageBoxRequest&)>;
void SetMessageBoxAnswerer(MessageBoxAnswerer answerer);

// Shows the box and returns the answer code.
int MessageBox(QWidget* owner, const char* text, const char* caption, unsigned style);

// The application's name: the program file's name without directory and
// extension. Boxes without a caption of their own carry it.
std::string ApplicationName();

// A box with the application's name as caption, owned by the active window.
int AppMessageBox(const char* text, unsigned style);

}  // namespace zaltor::win
