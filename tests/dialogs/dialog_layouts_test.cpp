#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "common/test_main_window.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "platform/dialog.h"
#include "platform/dialogs/dialog_driver.h"

// The four dialogs as the player sees them: caption, size, every control's
// rectangle in dialog units and its text, read back from the live dialog.
namespace {

struct Expected {
  int id;  // 0 for a frame, found by its title
  const char* text;
  int x, y, width, height;
};

struct ExpectedIcon {
  unsigned id;
  int x, y;
};

// Checks `dialog` against the numbers it must have; on a mismatch, says
// which control and how.
QString Mismatch(QDialog* dialog, const char* caption, int width, int height,
                 std::initializer_list<Expected> controls, std::initializer_list<ExpectedIcon> icons) {
  const FontUnits units(dialog->font());
  if (dialog->windowTitle() != QString::fromUtf8(caption)) return "caption " + dialog->windowTitle();
  if (dialog->size() != units.Pixels(0, 0, width, height).size()) return "dialog size";
  for (const Expected& control : controls) {
    QWidget* widget = nullptr;
    QString text;
    if (control.id == 0) {
      for (QGroupBox* frame : dialog->findChildren<QGroupBox*>())
        if (frame->title() == QString::fromUtf8(control.text)) widget = frame;
      text = widget ? static_cast<QGroupBox*>(widget)->title() : QString();
    } else {
      widget = Control(dialog, control.id);
      text = QString::fromStdString(platform::ItemText(AsWindow(dialog), control.id));
    }
    const QString name = QString::fromUtf8(control.text);
    if (!widget) return "no control " + name;
    if (text != name) return QStringLiteral("%1 shows %2").arg(control.id).arg(text);
    if (widget->geometry() != units.Pixels(control.x, control.y, control.width, control.height))
      return QStringLiteral("%1 (%2) is at %3,%4 %5x%6")
          .arg(control.id)
          .arg(name)
          .arg(widget->x())
          .arg(widget->y())
          .arg(widget->width())
          .arg(widget->height());
  }
  for (const ExpectedIcon& icon : icons) {
    const QImage image = IconImage(icon.id);
    bool found = false;
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
      if (label->pixmap().isNull() || label->pos() != units.Pixels(icon.x, icon.y, 0, 0).topLeft()) continue;
      found = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) == image;
    }
    if (!found) return QStringLiteral("icon %1").arg(icon.id);
  }
  return {};
}

// The last column of dark pixels in `image`, or -1.
int RightmostInk(const QImage& image) {
  for (int x = image.width() - 1; x >= 0; --x)
    for (int y = 0; y < image.height(); ++y)
      if (qGray(image.pixel(x, y)) < 100) return x;
  return -1;
}

}  // namespace

class DialogLayoutsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  std::unique_ptr<TestMainWindow> game_;
  Placement place_;

  platform::Window* Owner() const { return game_->window; }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    QVERIFY(game_->window);
  }

  void optionsDialog() {
    QString mismatch = "never opened";
    LookThenEnd(
        [&](QDialog* dialog) {
          mismatch = Mismatch(dialog, "Kestravane Options", 200, 146,
                              {{0, " Difficulty ", 6, 5, 145, 90},
                               {101, "&Easy", 40, 20, 45, 10},
                               {102, "&Normal", 40, 45, 45, 10},
                               {103, "&Hard", 40, 70, 45, 10},
                               {110, "360 Missiles / 150 Fuel Units", 53, 31, 93, 8},
                               {111, "240 Missiles / 100 Fuel Units", 53, 56, 93, 8},
                               {112, "120 Missiles / 50 Fuel Units", 53, 81, 93, 8},
                               {0, " Sound ", 6, 99, 145, 40},
                               {113, "&Play Sound F/X Wave Files", 40, 117, 103, 10},
                               {1, "OK", 159, 14, 34, 14},
                               {2, "Cancel", 159, 36, 34, 14}},
                              {{1000, 14, 22}, {2525, 14, 112}});
        },
        Pressing(Qt::Key_Escape));
    RunOptionsDialog(Owner(), {Difficulty::Normal, false});
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }

  void helmDialog() {
    QString mismatch = "never opened";
    GameState state;
    state.Z = 1;
    state.Y = 2;
    state.X = 3;
    LookThenEnd(
        [&](QDialog* dialog) {
          mismatch = Mismatch(dialog, "Helm", 156, 126,
                              {{0, " Destination ", 6, 5, 100, 69},
                               {104, "&Z:", 48, 21, 18, 10},
                               {101, "1", 69, 19, 20, 13},
                               {105, "&Y:", 48, 38, 18, 10},
                               {102, "2", 69, 36, 20, 13},
                               {106, "&X:", 48, 55, 18, 10},
                               {103, "3", 69, 53, 20, 13},
                               {0, " Help ", 6, 76, 144, 45},
                               {107, "Use the radio buttons to the left", 40, 90, 105, 8},
                               {108, "of the coordinate labels to specify", 40, 98, 105, 8},
                               {109, "the desired scanner viewing axis.", 40, 106, 105, 8},
                               {1, "&Engage", 114, 13, 34, 14},
                               {2, "Cancel", 114, 33, 34, 14}},
                              {{2200, 17, 24}, {2550, 16, 91}});
          // The face standing in for the classic one is wider: the longest
          // hint line is squeezed onto its line rather than losing "specify".
          QWidget* line = Control(dialog, 108);
          const int ink = RightmostInk(line->grab().toImage());
          if (mismatch.isEmpty() && ink < line->width() - 4)
            mismatch = QStringLiteral("the hint line ends at %1 of %2").arg(ink).arg(line->width());
        },
        Pressing(Qt::Key_Escape));
    RunHelmDialog(Owner(), state, place_);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }

  void aimDialog() {
    QString mismatch = "never opened";
    GameState state;
    state.Z = 4;
    state.Y = 5;
    state.X = 6;
    LookThenEnd(
        [&](QDialog* dialog) {
          mismatch = Mismatch(dialog, "Aim", 156, 116,
                              {{0, " Target ", 6, 5, 100, 49},
                               {101, "&Y", 50, 19, 8, 8},
                               {102, "5", 62, 17, 20, 13},
                               {103, "&X", 50, 37, 8, 8},
                               {104, "6", 62, 35, 20, 13},
                               {0, " Shortcut ", 6, 57, 143, 52},
                               {105, "You may also select a target by", 42, 70, 104, 8},
                               {106, "clicking the mouse directly on a", 42, 78, 104, 8},
                               {107, "coordinate, and then press the", 42, 86, 104, 8},
                               {108, "space bar to launch a missile.", 42, 94, 104, 8},
                               {1, "&Fire", 113, 11, 34, 14},
                               {2, "Cancel", 113, 31, 34, 14}},
                              {{2300, 17, 23}, {2550, 17, 76}});
          if (Control<QLabel>(dialog, 101)->alignment() & Qt::AlignRight) return;
          mismatch = "the coordinate labels are not right-aligned";
        },
        Pressing(Qt::Key_Escape));
    RunAimDialog(Owner(), state, place_);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }

  void scannerLogDialog() {
    QString mismatch = "never opened";
    LookThenEnd(
        [&](QDialog* dialog) {
          mismatch = Mismatch(dialog, "Scanner Log", 148, 125,
                              {{104, "", 7, 18, 95, 97},
                               {101, "&Z Axis", 110, 38, 32, 10},
                               {102, "&Y Axis", 110, 52, 32, 10},
                               {103, "&X Axis", 110, 66, 32, 10},
                               {1, "OK", 109, 100, 34, 14}},
                              {{2400, 115, 8}});
          const FontUnits units(dialog->font());
          bool heading = false;
          for (const QLabel* label : dialog->findChildren<QLabel*>())
            heading |= label->text() == "&Sector Scans" && label->geometry() == units.Pixels(9, 5, 45, 8);
          if (!heading && mismatch.isEmpty()) mismatch = "no \"&Sector Scans\" heading";
        },
        Pressing(Qt::Key_Escape));
    RunScannerLogDialog(Owner(), ScanLog{}, ScanAxis::Z, place_);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
  }
};

QTEST_MAIN(DialogLayoutsTest)
#include "dialog_layouts_test.moc"
