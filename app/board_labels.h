#pragma once

#include <QLabel>

namespace kestravane {

// The status line. It shows a text cut to fit, keeps the whole text as its
// tip, and tells a screen reader every text put on it, even the one it shows
// already, in a way that a reader that looks only after the next message
// still hears this one.
class StatusLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

  void Show(const QString& whole, const QString& shown);
  const QString& Whole() const { return whole_; }

 private:
  QString whole_;
};

// A panel's figure, which a screen reader hears under its caption: the
// caption's "%1" stands for the figure, the first word the label shows.
class Readout : public QLabel {
  Q_OBJECT

 public:
  Readout(const char* caption, QWidget* parent) : QLabel(parent), caption_(QString::fromUtf8(caption)) {}

  QString Spoken() const;

 private:
  QString caption_;
};

}  // namespace kestravane
