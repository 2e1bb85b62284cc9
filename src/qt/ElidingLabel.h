#pragma once

#include <QLabel>
#include <QString>

namespace qtui {

// A one-line label whose text comes from the database: shown whole when it fits the
// label's width, otherwise cut with "…" and given whole in the tooltip. Its size hints
// never follow a long text, so a name of any length cannot widen the window. GUI thread.
class ElidingLabel : public QLabel {
 public:
  explicit ElidingLabel(QWidget* parent = nullptr);

  // Replaces the text; what is shown follows the width.
  void SetFullText(const QString& text);
  const QString& FullText() const { return full_; }

  // As wide as the text up to some sixty characters, however long the text.
  QSize sizeHint() const override;
  // Narrow enough for "…" alone.
  QSize minimumSizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Measure();
  void Elide();
  int Frame() const;

  QString full_;
  int fullWidth_ = 0;
};

}  // namespace qtui
