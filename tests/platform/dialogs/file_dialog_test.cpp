#include "platform/file_dialog.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "common/file_dialog_driver.h"
#include "common/dialog_driver.h"

namespace {

// Picks the first file type as the player does, in the type list.
void ChooseFirstFilter(QFileDialog* dialog) {
  auto* types = dialog->findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  types->setFocus();
  QTest::keyClick(types, Qt::Key_Up);
}

// Answers the message box that `action` brings up with `answer`, keeping its text.
void AnswerBox(const std::function<void()>& action, QMessageBox::StandardButton answer,
               QString& text) {
  WhenModal<QMessageBox>([&text, answer](QMessageBox* box) {
    text = box->text();
    QTest::mouseClick(box->button(answer), Qt::LeftButton);
  });
  action();
}

}  // namespace

class FileDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    QVERIFY(folder_.isValid());
    for (const char* name : {"aldebaran.war", "notes.txt"}) {
      QFile file(folder_.filePath(QString::fromLatin1(name)));
      QVERIFY(file.open(QIODevice::WriteOnly));
      file.write("KVANE");
    }
    options_ = {};
    options_.title = "Open Game";
    options_.filters = {{"Kestravane Game", "*.war"}, {"All Files", "*.*"}};
    options_.filterIndex = 2;
    options_.initialDirectory = folder_.path().toStdString();
    options_.defaultExtension = "war";
  }

  void openGivesTheChosenFileAndFilter() {
    LookThenEnd<QFileDialog>(
        [this](QFileDialog* dialog) {
          QCOMPARE(dialog->windowTitle(), QStringLiteral("Open Game"));
          QCOMPARE(dialog->directory().absolutePath(), folder_.path());
          QCOMPARE(dialog->nameFilters(), (QStringList{QStringLiteral("Kestravane Game (*.war)"),
                                                       QStringLiteral("All Files (*)")}));
          QCOMPARE(dialog->selectedNameFilter(), QStringLiteral("All Files (*)"));
          ChooseFirstFilter(dialog);
        },
        [](QFileDialog* dialog) { TypeAndEnter(dialog, QStringLiteral("aldebaran.war")); });
    std::string path;
    QVERIFY(platform::OpenFileDialog(nullptr, options_, path));
    QCOMPARE(QString::fromStdString(path), folder_.filePath(QStringLiteral("aldebaran.war")));
    QCOMPARE(options_.filterIndex, 1);
  }

  void openTakesOnlyAFileThatExistsAndCancellingChangesNothing() {
    QString warning;
    bool stillOpen = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      ChooseFirstFilter(dialog);
      AnswerBox([&] { TypeAndEnter(dialog, QStringLiteral("vega.war")); }, QMessageBox::Ok,
                warning);
      stillOpen = dialog->isVisible();
      CancelFileDialog(dialog);
    });
    std::string path = "unchanged";
    QVERIFY(!platform::OpenFileDialog(nullptr, options_, path));
    QVERIFY(stillOpen);
    QVERIFY2(warning.contains(QStringLiteral("vega.war")), qPrintable(warning));
    QCOMPARE(path, std::string("unchanged"));
    QCOMPARE(options_.filterIndex, 2);
  }

  void saveAsksBeforeReplacingAFile() {
    QString firstQuestion, secondQuestion;
    bool openAfterNo = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      AnswerBox([&] { TypeAndEnter(dialog, QStringLiteral("aldebaran")); }, QMessageBox::No,
                firstQuestion);
      openAfterNo = dialog->isVisible();
      AnswerBox([&] { QTest::keyClick(NameEdit(dialog), Qt::Key_Return); }, QMessageBox::Yes,
                secondQuestion);
    });
    std::string path;
    QVERIFY(platform::SaveFileDialog(nullptr, options_, path));
    QCOMPARE(QString::fromStdString(path), folder_.filePath(QStringLiteral("aldebaran.war")));
    QVERIFY(openAfterNo);
    QVERIFY(firstQuestion.contains(QStringLiteral("aldebaran.war")));
    QCOMPARE(secondQuestion, firstQuestion);
  }

  void saveRefusesAFolderThatIsNotThere() {
    QString warning;
    bool stillOpen = false;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      AnswerBox([&] { TypeAndEnter(dialog, QStringLiteral("nowhere/fleet")); }, QMessageBox::Ok,
                warning);
      stillOpen = dialog->isVisible();
      CancelFileDialog(dialog);
    });
    std::string path = "old.war";
    QVERIFY(!platform::SaveFileDialog(nullptr, options_, path));
    QVERIFY(stillOpen);
    QVERIFY2(warning.contains(QStringLiteral("nowhere")), qPrintable(warning));
    QCOMPARE(path, std::string("old.war"));
    QVERIFY(!QFile::exists(folder_.filePath(QStringLiteral("nowhere"))));
  }

 private:
  QTemporaryDir folder_;
  platform::FileDialogOptions options_;
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
