#include "platform/question_box.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "common/modal_driver.h"
#include "test_window.h"

namespace {

// What the question shows, whoever asks it.
void ExpectTheQuestion(QMessageBox* box, platform::Window* owner) {
  QCOMPARE(box->windowTitle(), QStringLiteral("Kestravane"));
  QCOMPARE(box->text(), QStringLiteral("Save the changes to\nAldebaran.war?"));
  QCOMPARE(box->icon(), QMessageBox::Question);
  QCOMPARE(box->buttons().size(), 3);
  QCOMPARE(box->parentWidget(), owner ? owner->widget() : nullptr);
}

// Asks, answering with `answer` once the box is up; returns the platform's answer.
platform::Answer Ask(const std::function<void(QMessageBox*)>& answer,
                     platform::Window* owner = nullptr) {
  WhenModal<QMessageBox>([answer, owner](QMessageBox* box) {
    ExpectTheQuestion(box, owner);
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
  void buttonsKeysAndTheCloseBoxGiveTheirAnswers() {
    TestWindow owner;
    QCOMPARE(Ask(ClickOn(QMessageBox::Yes), &owner), platform::Answer::Yes);
    QCOMPARE(Ask(ClickOn(QMessageBox::No)), platform::Answer::No);
    QCOMPARE(Ask(PressKey(Qt::Key_Return)), platform::Answer::Yes);
    QCOMPARE(Ask(PressKey(Qt::Key_Escape)), platform::Answer::Cancel);
    QCOMPARE(Ask([](QMessageBox* box) { box->close(); }), platform::Answer::Cancel);
  }
};

QTEST_MAIN(QuestionBoxTest)
#include "question_box_test.moc"
