#include "platform/question_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "common/modal_driver.h"
#include "test_window.h"

namespace {

struct Asked {
  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  int buttons = 0;
  bool owned = false;
};

// Asks, answering with `answer` on the box; returns the platform's answer.
platform::Answer Ask(const std::function<void(QMessageBox*)>& answer, Asked& asked,
                     platform::Window* owner = nullptr) {
  WhenModal<QMessageBox>([&](QMessageBox* box) {
    asked = {box->windowTitle(), box->text(), box->icon(), static_cast<int>(box->buttons().size()),
             box->parentWidget() != nullptr};
    answer(box);
  });
  return platform::AskYesNoCancel(owner, "Kestravane", "Save the changes to\rAldebaran.war?");
}

std::function<void(QMessageBox*)> ClickOn(QMessageBox::StandardButton which) {
  return [which](QMessageBox* box) { QTest::mouseClick(box->button(which), Qt::LeftButton); };
}

std::function<void(QMessageBox*)> PressKey(Qt::Key key) {
  return [key](QMessageBox* box) { QTest::keyClick(KeyboardTarget(box), key); };
}

}  // namespace

class QuestionBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void showsTheQuestion() {
    TestWindow owner;
    Asked asked;
    Ask(PressKey(Qt::Key_Escape), asked, &owner);
    QCOMPARE(asked.caption, QStringLiteral("Kestravane"));
    QCOMPARE(asked.text, QStringLiteral("Save the changes to\nAldebaran.war?"));
    QCOMPARE(asked.icon, QMessageBox::Question);
    QCOMPARE(asked.buttons, 3);
    QVERIFY(asked.owned);
  }

  void eachButtonGivesItsAnswer() {
    Asked asked;
    QCOMPARE(Ask(ClickOn(QMessageBox::Yes), asked), platform::Answer::Yes);
    QCOMPARE(Ask(ClickOn(QMessageBox::No), asked), platform::Answer::No);
    QCOMPARE(Ask(ClickOn(QMessageBox::Cancel), asked), platform::Answer::Cancel);
    QVERIFY(!asked.owned);
  }

  void keysAnswerToo() {
    Asked asked;
    QCOMPARE(Ask(PressKey(Qt::Key_Escape), asked), platform::Answer::Cancel);
    QCOMPARE(Ask(PressKey(Qt::Key_Return), asked), platform::Answer::Yes);
    QCOMPARE(Ask([](QMessageBox* box) { box->close(); }, asked), platform::Answer::Cancel);
  }
};

QTEST_MAIN(QuestionBoxTest)
#include "question_box_test.moc"
