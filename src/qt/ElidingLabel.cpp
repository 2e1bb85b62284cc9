#include "qt/ElidingLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <algorithm>

namespace qtui {
namespace {

// Wide enough for a code, a name and a first name side by side.
constexpr int kWidestHintInCharacters = 60;

}  // namespace

ElidingLabel::ElidingLabel(QWidget* parent) : QLabel(parent) {
  // Names come from the database: never read them as markup.
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
}

void ElidingLabel::SetFullText(const QString& text) {
  if (text == full_)
    return;
  full_ = text;
  Measure();
  Elide();
  updateGeometry();
}

int ElidingLabel::Frame() const {
  const QMargins margins = contentsMargins();
  return margins.left() + margins.right() + 2 * margin();
}

QSize ElidingLabel::sizeHint() const {
  const int widest = fontMetrics().averageCharWidth() * kWidestHintInCharacters;
  return {std::min(fullWidth_, widest) + Frame(), QLabel::minimumSizeHint().height()};
}

QSize ElidingLabel::minimumSizeHint() const {
  return {fontMetrics().horizontalAdvance(QStringLiteral("…")) + Frame(),
          QLabel::minimumSizeHint().height()};
}

void ElidingLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  Elide();
}

void ElidingLabel::changeEvent(QEvent* event) {
  QLabel::changeEvent(event);
  if (event->type() == QEvent::FontChange) {
    Measure();
    Elide();
  }
}

void ElidingLabel::Measure() {
  fullWidth_ = fontMetrics().horizontalAdvance(full_);
}

void ElidingLabel::Elide() {
  const int room = std::max(0, width() - Frame());
  const QString shown =
      fullWidth_ <= room ? full_ : fontMetrics().elidedText(full_, Qt::ElideRight, room);
  if (shown != text())
    setText(shown);
  setToolTip(shown == full_ ? QString() : full_);
}

}  // namespace qtui
