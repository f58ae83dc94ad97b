#include "platform/message_box.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <utility>

#include "dialog_driver.h"
#include "support/box_layouts.h"
#include "support/message_box.h"

namespace {

constexpr int OkButton = 1, CancelButton = 2;

// A button as the player sees it: its text and where it is, in pixels.
using ShownButton = std::pair<QString, QRect>;

// The box's buttons, left to right.
QList<ShownButton> Buttons(QDialog* box) {
  QList<ShownButton> buttons;
  for (const QPushButton* button : box->findChildren<QPushButton*>())
    buttons << ShownButton{button->text(), button->geometry()};
  std::sort(buttons.begin(), buttons.end(),
            [](const ShownButton& a, const ShownButton& b) { return a.second.x() < b.second.x(); });
  return buttons;
}

QImage ShownIcon(QDialog* box) {
  return Control<QLabel>(box, platform::BoxIconItem)
      ->pixmap()
      .toImage()
      .convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void errorBoxShowsTheGamesLayout() {
    LookThenEnd(
        [](QDialog* box) {
          QCOMPARE(box->windowTitle(), QStringLiteral("Error"));
          const auto* text = Control<QLabel>(box, platform::BoxTextItem);
          // The failed call stands alone on the first line, then an empty line.
          QCOMPARE(text->text(),
                   QStringLiteral("DrawPicture(Load)\n\nCannot read the hull bitmap\nCode 5"));
          const QImage icon = ShownIcon(box);
          QVERIFY(!icon.isNull());
          QCOMPARE(icon, IconImage(5500));
          QCOMPARE(QApplication::focusWidget(), Control(box, OkButton));
          QVERIFY(box->windowFlags() & Qt::WindowStaysOnTopHint);

          // The same size, icon, text and button wherever a box comes from.
          const FontUnits units(box->font());
          QCOMPARE(box->size(), units.Pixels(0, 0, 220, 85).size());
          // Its place in the layout is a corner; the icon grows to the icon's size.
          const QRect iconPlace = Control(box, platform::BoxIconItem)->geometry();
          QCOMPARE(iconPlace.topLeft(), units.Pixels(8, 9, 0, 0).topLeft());
          QCOMPARE(iconPlace.size(), units.Pixels(8, 9, 18, 20).size().expandedTo(icon.size()));
          QCOMPARE(text->geometry(), units.Pixels(37, 8, 175, 50));
          const QList<ShownButton> ok{{QStringLiteral("OK"), units.Pixels(91, 65, 36, 14)}};
          QCOMPARE(Buttons(box), ok);
        },
        Pressing(Qt::Key_Return));
    QVERIFY(!ErrorBoxText("DrawPicture(Load): Cannot read the %s bitmap\rCode %d", "hull", 5));
  }

  void theBoxSaysWhichButtonEndedIt() {
    LookThenEnd([](QDialog* box) { QCOMPARE(ShownIcon(box), IconImage(5300)); },
                Pressing(Qt::Key_Escape));
    QCOMPARE(
        platform::RunBox(nullptr, OkBoxLayout, platform::BoxIcon::Warning, "Warning", "Low fuel"),
        CancelButton);

    WhenModal<QDialog>([](QDialog* box) { box->close(); });
    QCOMPARE(platform::RunBox(nullptr, OkBoxLayout, platform::BoxIcon::Error, "Error",
                              "Reactor offline"),
             CancelButton);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
