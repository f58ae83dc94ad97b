#include "platform/message_box.h"

#include <QDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QWindow>

#include "common/modal_driver.h"
#include "platform/qt/picture_data.h"
#include "platform/resources.h"
#include "support/box_template.h"
#include "support/message_box.h"
#include "test_window.h"

namespace {

constexpr int IconItem = 100, TextItem = 101, OkButton = 1;

// What a box showed, read while it was up.
struct ShownBox {
  QString caption;
  QString text;
  QImage icon;
  QStringList buttons;
  QRect okButton;
  QRect textArea;
  QSize client;
  QRect frame;
  bool onTop = false;
  bool okHasKeyboard = false;
};

ShownBox Read(QDialog* box) {
  auto* window = dynamic_cast<platform::Window*>(box);
  ShownBox shown;
  shown.caption = box->windowTitle();
  const auto* text = qobject_cast<QLabel*>(window->Item(TextItem));
  shown.text = text ? text->text() : QString();
  shown.textArea = text ? text->geometry() : QRect();
  const auto* icon = qobject_cast<QLabel*>(window->Item(IconItem));
  shown.icon = icon ? icon->pixmap().toImage().convertToFormat(QImage::Format_ARGB32) : QImage();
  for (const QPushButton* button : box->findChildren<QPushButton*>())
    shown.buttons << button->text();
  QWidget* ok = window->Item(OkButton);
  shown.okButton = ok ? ok->geometry() : QRect();
  shown.okHasKeyboard = ok && QApplication::focusWidget() == ok;
  shown.client = box->size();
  shown.frame = box->frameGeometry();
  shown.onTop = box->windowFlags() & Qt::WindowStaysOnTopHint;
  return shown;
}

QImage Icon(unsigned id) {
  int error = 0;
  const platform::Picture picture = platform::LoadIconResource(id, error);
  return picture.IsNull() ? QImage() : picture.data()->image;
}

std::vector<std::uint8_t> BoxLayout() {
  const auto layout = BuildBoxTemplate(0);
  return {layout->bytes.begin(), layout->bytes.begin() + static_cast<std::ptrdiff_t>(layout->size)};
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
  void cleanup() { SetErrorBoxOwner(nullptr); }

  void errorBoxShowsTheGamesLayout() {
    int returned = -1;
    const ShownBox box = ShowAndEnd(
        [&] {
          returned =
              ErrorBoxText("DrawPicture(Load): Cannot read the %s bitmap\rCode %d", "hull", 5);
        },
        Qt::Key_Return);
    QCOMPARE(returned, 0);
    QCOMPARE(box.caption, QStringLiteral("Error"));
    // The failed call stands alone on the first line, then an empty line.
    QCOMPARE(box.text, QStringLiteral("DrawPicture(Load)\n\nCannot read the hull bitmap\nCode 5"));
    QVERIFY(!box.icon.isNull());
    QCOMPARE(box.icon, Icon(5500));
    QCOMPARE(box.buttons, QStringList{QStringLiteral("OK")});
    QVERIFY(box.okHasKeyboard);
    QVERIFY(box.onTop);

    // The button sits below the text, in the middle of the box.
    QVERIFY(box.okButton.top() >= box.textArea.bottom());
    QVERIFY(box.okButton.left() > box.textArea.left() &&
            box.okButton.right() < box.textArea.right());
    QVERIFY2(
        std::abs(box.okButton.center().x() - box.client.width() / 2) <= 2,
        qPrintable(
            QStringLiteral("%1 in %2").arg(box.okButton.center().x()).arg(box.client.width())));

    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(box.frame.left(), (screen.width() - box.frame.width()) / 2);
    QCOMPARE(box.frame.top(), (screen.height() - box.frame.height()) / 2);
  }

  void errorBoxFromTheCatalogueEndsWithEscape() {
    const ShownBox box = ShowAndEnd([] { ErrorBox(60027, "Davuvodo.war", 13); }, Qt::Key_Escape);
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
    WarningBox(&owner, 1000, 3001, "Z");
    QCOMPARE(shown.caption, QStringLiteral("Kestravane"));
    QCOMPARE(shown.text, QStringLiteral("\n\nEnter a Z coordinate between 0 and 8."));
    QCOMPARE(shown.icon, Icon(5300));
    QCOMPARE(ownerClicks, 0);
  }

  void theBoxSaysWhichButtonEndedIt() {
    const std::vector<std::uint8_t> layout = BoxLayout();
    int result = 0;
    ShowAndEnd(
        [&] {
          result =
              platform::RunBox(nullptr, layout, platform::BoxIcon::Error, "Error", "Hull breach");
        },
        Qt::Key_Return);
    QCOMPARE(result, 1);
    ShowAndEnd(
        [&] {
          result =
              platform::RunBox(nullptr, layout, platform::BoxIcon::Warning, "Warning", "Low fuel");
        },
        Qt::Key_Escape);
    QCOMPARE(result, 2);

    WhenModal<QDialog>([](QDialog* box) { box->close(); });
    result =
        platform::RunBox(nullptr, layout, platform::BoxIcon::Error, "Error", "Reactor offline");
    QCOMPARE(result, 2);
  }

  void anUnreadableLayoutStillShowsTheMessage() {
    std::vector<std::uint8_t> layout = BoxLayout();
    layout.resize(layout.size() / 2);
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      text = box->text();
      icon = box->icon();
      QTest::keyClick(KeyboardTarget(box), Qt::Key_Return);
    });
    const int result =
        platform::RunBox(nullptr, layout, platform::BoxIcon::Warning, "Warning", "Shields\rdown");
    QCOMPARE(result, 1);
    QCOMPARE(text, QStringLiteral("Shields\ndown"));
    QCOMPARE(icon, QMessageBox::Warning);
  }

  void stockErrorBoxIsTheSystemsOwn() {
    QString caption, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool owned = true;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
      caption = box->windowTitle();
      text = box->text();
      icon = box->icon();
      owned = box->parentWidget() != nullptr;
      QTest::keyClick(KeyboardTarget(box), Qt::Key_Return);
    });
    platform::StockErrorBox("Error", "Cannot allocate memory for dialog box template");
    QCOMPARE(caption, QStringLiteral("Error"));
    QCOMPARE(text, QStringLiteral("Cannot allocate memory for dialog box template"));
    QCOMPARE(icon, QMessageBox::Critical);
    QVERIFY(!owned);
  }
};

QTEST_MAIN(MessageBoxTest)
#include "message_box_test.moc"
