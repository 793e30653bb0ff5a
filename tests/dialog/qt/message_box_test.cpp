// Real message boxes: a Yes/No box has to be answered with Yes or No, and
// texts show as they are, never as markup.
#include "dialog/window/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace zaltor::win {
namespace {

// Shows a box, runs act on it once it is up and returns its answer.
int Answer(unsigned style, const char* text, const std::function<void(QMessageBox&)>& act) {
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&timer, &act] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (box == nullptr || !box->isVisible()) return;
    timer.stop();
    act(*box);
  });
  timer.start(5);
  return MessageBox(nullptr, text, "caption", style);
}

TEST(MessageBoxTest, YesNoBoxesIgnoreEscAndTheCloseBoxAndTextsArePlain) {
  const char* text = "Cannot open <b>C:\\a&b</b>\n\nContinue?";
  for (unsigned style : {kMbIconHand | kMbYesNo, kMbIconQuestion | kMbYesNo}) {
    bool stayed = false;
    const int answer = Answer(style, text, [&stayed, text](QMessageBox& box) {
      EXPECT_EQ(box.textFormat(), Qt::PlainText);
      EXPECT_EQ(box.text(), QString::fromLocal8Bit(text));
      EXPECT_FALSE(box.windowFlags() & Qt::WindowCloseButtonHint);
      QTest::keyClick(&box, Qt::Key_Escape);
      box.close();
      QApplication::processEvents();
      stayed = box.isVisible();
      box.button(QMessageBox::Yes)->click();
    });
    EXPECT_TRUE(stayed) << style;
    EXPECT_EQ(answer, kIdYes) << style;
  }
  // Where there is a Cancel or only OK, Esc answers with it.
  EXPECT_EQ(Answer(kMbIconHand | kMbRetryCancel, "x", [](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); }),
            kIdCancel);
  EXPECT_EQ(Answer(kMbIconHand, "x", [](QMessageBox& box) { box.close(); }), kIdOk);
}

}  // namespace
}  // namespace zaltor::win
