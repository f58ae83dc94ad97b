#include "platform/message_box.h"

#include <QDialog>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "dialog_driver.h"
#include "support/box_template.h"
#include "support/message_box.h"
#include "test_window.h"

namespace {

constexpr int OkButton = 1, YesButton = 6, NoButton = 7, CancelButton = 2;

// A button as the player sees it: its text and where it is, in pixels.
struct ShownButton {
  QString text;
  QRect place;
  bool operator==(const ShownButton&) const = default;
};

// What a box showed, read while it was up.
struct ShownBox {
  QString caption;
  QString text;
  QImage icon;
  QList<ShownButton> buttons;  // left to right
  QRect iconPlace;
  QRect textArea;
  QSize client;
  QRect frame;
  QString fontFamily;
  int fontPixels = 0;
  std::optional<FontUnits> units;
  bool onTop = false;
  QString buttonWithKeyboard;
};

ShownBox Read(QDialog* box) {
  ShownBox shown;
  shown.caption = box->windowTitle();
  const auto* text = Control<QLabel>(box, platform::BoxTextItem);
  shown.text = text ? text->text() : QString();
  shown.textArea = text ? text->geometry() : QRect();
  const auto* icon = Control<QLabel>(box, platform::BoxIconItem);
  shown.icon = icon ? icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
  shown.iconPlace = icon ? icon->geometry() : QRect();
  for (const QPushButton* button : box->findChildren<QPushButton*>()) {
    shown.buttons << ShownButton{button->text(), button->geometry()};
    if (QApplication::focusWidget() == button) shown.buttonWithKeyboard = button->text();
  }
  std::sort(shown.buttons.begin(), shown.buttons.end(),
            [](const ShownButton& a, const ShownButton& b) { return a.place.x() < b.place.x(); });
  shown.client = box->size();
  shown.frame = box->frameGeometry();
  shown.fontFamily = QFontInfo(box->font()).family();
  shown.fontPixels = box->font().pixelSize();
  shown.units.emplace(box->font());
  shown.onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
  return shown;
}

// Runs the box the way `show` brings it up, ending it with `key`.
ShownBox ShowAndEnd(const std::function<void()>& show, Qt::Key key) {
  ShownBox shown;
  WhenModal<QDialog>([&](QDialog* box) {
    shown = Read(box);
    QTest::keyClick(KeyboardTarget(box), key);
  });
  show();
  return shown;
}

}  // namespace

class MessageBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void errorBoxShowsTheGamesLayout() {
    bool returned = true;
    const ShownBox box = ShowAndEnd(
        [&] {
          returned =
              ErrorBoxText("DrawPicture(Load): Cannot read the %s bitmap\rCode %d", "hull", 5);
        },
        Qt::Key_Return);
    QVERIFY(!returned);
    QCOMPARE(box.caption, QStringLiteral("Error"));
    // The failed call stands alone on the first line, then an empty line.
    QCOMPARE(box.text, QStringLiteral("DrawPicture(Load)\n\nCannot read the hull bitmap\nCode 5"));
    QVERIFY(!box.icon.isNull());
    QCOMPARE(box.icon, IconImage(5500));
    QCOMPARE(box.buttonWithKeyboard, QStringLiteral("OK"));
    QVERIFY(box.onTop);

    // The same size, font, icon, text and button wherever a box comes from.
    QCOMPARE(box.fontFamily, QStringLiteral("DejaVu Sans"));
    QCOMPARE(box.fontPixels, 11);
    const FontUnits& units = *box.units;
    QCOMPARE(box.client, units.Pixels(0, 0, 220, 85).size());
    // Its place in the layout is a corner; the icon grows to the icon's size.
    QCOMPARE(box.iconPlace.topLeft(), units.Pixels(8, 9, 0, 0).topLeft());
    QCOMPARE(box.iconPlace.size(), units.Pixels(8, 9, 18, 20).size().expandedTo(box.icon.size()));
    QCOMPARE(box.textArea, units.Pixels(37, 8, 175, 50));
    QCOMPARE(box.buttons,
             (QList<ShownButton>{{QStringLiteral("OK"), units.Pixels(91, 65, 36, 14)}}));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(box.frame.left(), (screen.width() - box.frame.width()) / 2);
    QCOMPARE(box.frame.top(), (screen.height() - box.frame.height()) / 2);
  }

  void errorBoxFromTheCatalogueEndsWithEscape() {
    const ShownBox box = ShowAndEnd([] { ErrorBox(Text{60027}, "Davuvodo.war", 13); }, Qt::Key_Escape);
    QCOMPARE(box.caption, QStringLiteral("Error"));
    QVERIFY(box.text.contains(QStringLiteral("Davuvodo.war")));
    QVERIFY(!box.text.contains(QLatin1Char('\r')));
  }

  void warningBoxBlocksItsOwner() {
    TestWindow owner;
    auto* ownerButton = new QPushButton(QStringLiteral("End Turn"), owner.widget());
    ownerButton->setGeometry(10, 10, 100, 30);
    int ownerClicks = 0;
    QObject::connect(ownerButton, &QPushButton::clicked, [&] { ++ownerClicks; });
    owner.widget()->show();
    QVERIFY(QTest::qWaitForWindowExposed(owner.widget()));

    ShownBox shown;
    WhenModal<QDialog>([&](QDialog* box) {
      shown = Read(box);
      QTest::mouseClick(owner.widget()->windowHandle(), Qt::LeftButton, {},
                        ownerButton->geometry().center());
      QTest::keyClick(KeyboardTarget(box), Qt::Key_Return);
    });
    WarningBox(&owner, Text{1000}, Text{3001}, "Z");
    QCOMPARE(shown.caption, QStringLiteral("Kestravane"));
    QCOMPARE(shown.text, QStringLiteral("\n\nEnter a Z coordinate between 0 and 8."));
    QCOMPARE(shown.icon, IconImage(5300));
    QCOMPARE(ownerClicks, 0);
  }

  void theBoxSaysWhichButtonEndedIt() {
    int result = 0;
    ShowAndEnd(
        [&] {
          result = platform::RunBox(nullptr, OkBoxLayout, platform::BoxIcon::Error, "Error",
                                    "Hull breach");
        },
        Qt::Key_Return);
    QCOMPARE(result, OkButton);
    ShowAndEnd(
        [&] {
          result = platform::RunBox(nullptr, OkBoxLayout, platform::BoxIcon::Warning, "Warning",
                                    "Low fuel");
        },
        Qt::Key_Escape);
    QCOMPARE(result, CancelButton);

    WhenModal<QDialog>([](QDialog* box) { box->close(); });
    result = platform::RunBox(nullptr, OkBoxLayout, platform::BoxIcon::Error, "Error",
                              "Reactor offline");
    QCOMPARE(result, CancelButton);
  }

  void errorAndWarningBoxesShareTheSingleOkLayout() {
    const ShownBox error = ShowAndEnd([] { ErrorBoxText("Hull breach"); }, Qt::Key_Return);
    const ShownBox warning =
        ShowAndEnd([] { WarningBox(nullptr, Text{1000}, Text{3001}, "Z"); }, Qt::Key_Return);
    QCOMPARE(warning.buttons, error.buttons);
    QCOMPARE(warning.client, error.client);
    QCOMPARE(warning.textArea, error.textArea);
    QCOMPARE(warning.iconPlace, error.iconPlace);
  }

  void questionLayoutsShowTheirButtonsOnOneLine() {
    struct Case {
      int buttonSet;
      QList<std::pair<QString, int>> buttons;  // text and left edge in dialog units
    };
    const QString yes = QStringLiteral("&Yes"), no = QStringLiteral("&No"),
                  cancel = QStringLiteral("&Cancel");
    const QList<Case> cases{
        {2, {{yes, 69}, {no, 115}}},
        {3, {{yes, 46}, {no, 92}, {cancel, 138}}},
        {7, {{yes, 46}, {no, 92}, {cancel, 138}}},
    };
    for (const Case& c : cases) {
      int result = 0;
      const ShownBox box = ShowAndEnd(
          [&] {
            result = platform::RunBox(nullptr, BoxLayout(c.buttonSet), platform::BoxIcon::Warning,
                                      "Kestravane", "Abandon ship?");
          },
          Qt::Key_Return);
      const QByteArray which = "button set " + QByteArray::number(c.buttonSet);
      QList<ShownButton> expected;
      for (const auto& [text, x] : c.buttons)
        expected << ShownButton{text, box.units->Pixels(x, 65, 36, 14)};
      QVERIFY2(box.buttons == expected, which);
      QVERIFY2(box.buttonWithKeyboard == QStringLiteral("&Yes"), which);
      QVERIFY2(box.textArea == box.units->Pixels(37, 8, 175, 50), which);
      QVERIFY2(box.text == QStringLiteral("Abandon ship?"), which);
      QVERIFY2(result == YesButton, which);
    }
  }

  void eachQuestionButtonEndsTheBoxWithItsId() {
    const auto answer = [](const platform::DialogLayout& layout, int button) {
      WhenModal<QDialog>([button](QDialog* box) { Click(box, button); });
      return platform::RunBox(nullptr, layout, platform::BoxIcon::Warning, "Kestravane", "Sure?");
    };
    QCOMPARE(answer(YesNoBoxLayout, NoButton), NoButton);
    QCOMPARE(answer(YesNoCancelBoxLayout, YesButton), YesButton);
    QCOMPARE(answer(YesNoCancelBoxLayout, NoButton), NoButton);
    QCOMPARE(answer(YesNoCancelBoxLayout, CancelButton), CancelButton);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
