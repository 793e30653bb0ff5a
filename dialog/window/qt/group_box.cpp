#include "dialog/window/qt/group_box.h"

#include <QPainter>
#include <QStyle>

namespace zaltor::win {

GroupBox::GroupBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {
  setFocusPolicy(Qt::NoFocus);
}

int GroupBox::TopLine() const { return fontMetrics().height() / 2; }

QRect GroupBox::CaptionRect() const {
  const QFontMetrics metrics = fontMetrics();
  // The caption stands one average character in from the left edge.
  const QRect text = metrics.boundingRect(QRect(0, 0, width(), height()), Qt::TextShowMnemonic, title());
  return QRect(metrics.averageCharWidth(), 0, text.width(), metrics.height());
}

void GroupBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // An etched frame: a shadow line with a light one beside it.
  const QRect frame(0, TopLine(), width() - 2, height() - TopLine() - 2);
  painter.setPen(palette().color(QPalette::Light));
  painter.drawRect(frame.translated(1, 1));
  painter.setPen(palette().color(QPalette::Dark));
  painter.drawRect(frame);
  if (title().isEmpty()) return;
  const QRect caption = CaptionRect();
  // The caption's background cuts the line, with a little room either side.
  painter.fillRect(caption.adjusted(-2, 0, 2, 0), palette().color(QPalette::Window));
  style()->drawItemText(&painter, caption, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(),
                        isEnabled(), title(), QPalette::WindowText);
}

}  // namespace zaltor::win
