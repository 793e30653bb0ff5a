// A group box drawn as the platform draws it: the frame at the control's
// own rectangle, its top line through the middle of the caption, which
// interrupts it near the left. The toolkit's style would put the caption
// above the frame and move the frame down onto the controls inside it.
#pragma once

#include <QGroupBox>

namespace zaltor::win {

class GroupBox : public QGroupBox {
 public:
  GroupBox(const QString& caption, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  // The row of the frame's top line, and the caption's place on it.
  int TopLine() const;
  QRect CaptionRect() const;
};

}  // namespace zaltor::win
