#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>

#include "common/file_dialog_driver.h"
#include "common/qt_waits.h"
#include "common/test_main_window.h"
#include "document/game_document.h"
#include "engine/commands.h"
#include "engine/globals.h"
#include "engine/ship_buttons.h"
#include "platform/qt/app_window.h"
#include "platform/qt/client_area.h"
#include "write_protection.h"

namespace {

enum : int { NewCommand = 101, OpenCommand = 102, CloseCommand = 104, SaveCommand = 110 };

// The next file dialog gets `name`, typed as the player would.
void ChooseFile(const QString& name) {
  WhenModal<QFileDialog>([name](QFileDialog* dialog) { TypeAndEnter(dialog, name); });
}

void CancelNextFileDialog() {
  WhenModal<QFileDialog>([](QFileDialog* dialog) { CancelFileDialog(dialog); });
}

// Answers the save question with `answer`, keeping its text for the test.
void AnswerQuestion(QMessageBox::StandardButton answer, QString* text = nullptr) {
  WhenModal<QMessageBox>([answer, text](QMessageBox* box) {
    if (text) *text = box->text();
    QTest::mouseClick(box->button(answer), Qt::LeftButton);
  });
}

// Accepts the game's own error box when it comes, keeping every text it shows.
void AcceptErrorBox(QString* text) {
  const auto errorBox = [] {
    QWidget* modal = QApplication::activeModalWidget();
    return modal && modal->isActiveWindow() && !qobject_cast<QMessageBox*>(modal) &&
                   !qobject_cast<QFileDialog*>(modal)
               ? modal
               : nullptr;
  };
  WhenReady([errorBox] { return errorBox() != nullptr; },
            [errorBox, text] {
              QWidget* box = errorBox();
              *text = BoxText(box);
              QTest::keyClick(box, Qt::Key_Return);
            });
}

QByteArray FileBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool SameGrid(const QuadrantGrid& a, const QuadrantGrid& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

}  // namespace

// The Game menu's New, Open, Save and Close on the real main window, with the
// real file dialogs and questions answered as a player would.
class DocumentCommandsTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir folder_;
  platform::Window* window_ = nullptr;

  platform::AppWindow* Main() const { return platform::AppWindow::From(window_); }
  QString StatusLine() const { return ControlText(window_, 1003); }
  QString Title() const { return Main()->widget()->windowTitle(); }
  bool ShipButtonsEnabled() const { return Main()->Item(5001)->isEnabled(); }
  QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  void Run(int command) { DoCommand(window_, command, Document); }

  // A fresh game saved under `name` and opened again, so it is named.
  void OpenSavedGame(const char* name) {
    Run(NewCommand);
    ChooseFile(Path(name));
    Run(SaveCommand);
    QVERIFY(QFile::exists(Path(name)));
    ChooseFile(Path(name));
    Run(OpenCommand);
    QCOMPARE(Document.InProgress, 1);
    QCOMPARE(Document.Named, 1);
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    window_ = OpenTestMainWindow(folder_);
    QVERIFY(window_);
  }

  // Every case starts with no game open and nothing remembered of the last.
  void init() {
    if (Document.InProgress) AnswerQuestion(QMessageBox::No);
    Run(CloseCommand);
    QCOMPARE(Document.InProgress, 0);
    Document.Path.clear();
  }

  void newStartsAGameWithTracingOffAndTheGridShown() {
    ScannerTracing = 1;
    PictureIndex = 3;
    Run(NewCommand);
    QCOMPARE(Document.InProgress, 1);
    QCOMPARE(Document.Named, 0);
    QCOMPARE(Document.LastError, 0u);
    QCOMPARE(ScannerTracing, 0);
    QCOMPARE(PictureIndex, 0);
    QCOMPARE(Title(), QStringLiteral("Kestravane"));
    QVERIFY(ShipButtonsEnabled());
    QVERIFY(Game.EnemyShips > 0);
  }

  void theGameMenusShortcutsReachTheCommands() {
    QTest::keyClick(Main()->clientArea(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(Document.InProgress, 1);
    const QuadrantGrid created = Grid;
    QString question;
    AnswerQuestion(QMessageBox::Cancel, &question);
    QTest::keyClick(Main()->clientArea(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(question, QStringLiteral("Save the current game to disk?"));
    QVERIFY(SameGrid(Grid, created));
    CancelNextFileDialog();
    QTest::keyClick(Main()->clientArea(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(Document.InProgress, 1);
  }

  void aCancelledCommandStillTakesAPictureOffTheBoard() {
    Run(NewCommand);
    PictureIndex = 1;  // the game rules, as Help shows them
    EnableShipButtons(0);
    platform::InvalidateRect(window_, nullptr);
    platform::UpdateWindow(window_);
    qobject_cast<QLabel*>(Main()->Item(5030))->clear();
    AnswerQuestion(QMessageBox::Cancel);
    Run(NewCommand);
    QCOMPARE(PictureIndex, 0);
    QVERIFY(ShipButtonsEnabled());
    platform::UpdateWindow(window_);
    QVERIFY2(!ControlText(window_, 5030).isEmpty(),
             "the grid was drawn again");
  }

  void withNoGameOpenNothingAsksAndAFailedCommandStillShowsTheGrid() {
    // Were a question to come up here, nothing would answer it and the test
    // would run out of time.
    Run(CloseCommand);
    QCOMPARE(StatusLine(), QStringLiteral("Ready ..."));
    PictureIndex = 2;
    ScannerTracing = 1;
    CancelNextFileDialog();
    Run(OpenCommand);
    QCOMPARE(PictureIndex, 0);
    QVERIFY2(ScannerTracing == 1, "a cancelled command leaves tracing alone");
    QCOMPARE(Document.InProgress, 0);
  }

  void saveAsThenOpenBringsBackTheSameGame() {
    Run(NewCommand);
    const QuadrantGrid created = Grid;
    const GameState before = Game;
    ChooseFile(Path("orion.war"));
    Run(SaveCommand);
    QCOMPARE(QString::fromStdString(Document.Path), Path("orion.war"));
    QCOMPARE(FileBytes(Path("orion.war")).size(), 9472);
    // Saving ends the game.
    QCOMPARE(Document.InProgress, 0);
    QCOMPARE(Document.Named, 0);
    QCOMPARE(StatusLine(), QStringLiteral("Ready ..."));
    QCOMPARE(Game.EnemyShips, 0);
    QVERIFY(!ShipButtonsEnabled());

    ChooseFile(Path("orion.war"));
    Run(OpenCommand);
    QCOMPARE(Document.InProgress, 1);
    QCOMPARE(Document.Named, 1);
    QVERIFY(SameGrid(Grid, created));
    QCOMPARE(Game.Z, before.Z);
    QCOMPARE(Game.Fuel.Value, before.Fuel.Value);
    QCOMPARE(StatusLine(), Path("orion.war") + QStringLiteral(" opened"));
    QVERIFY(ShipButtonsEnabled());
  }

  void saveOnANamedGameWritesSilentlyAndEndsTheGame() {
    OpenSavedGame("vega.war");
    Game.Z = (Game.Z + 1) % 9;
    const int movedTo = Game.Z;
    Run(SaveCommand);  // no dialog: WhenModal would fail the test if one came
    QCOMPARE(Document.InProgress, 0);
    QCOMPARE(Title(), QStringLiteral("Kestravane"));
    QCOMPARE(StatusLine(), QStringLiteral("Ready ..."));
    ChooseFile(Path("vega.war"));
    Run(OpenCommand);
    QCOMPARE(Game.Z, movedTo);
  }

  void closeAsksEvenRightAfterOpenAndCancelKeepsTheGame() {
    OpenSavedGame("rigel.war");
    const QuadrantGrid opened = Grid;
    QString question;
    AnswerQuestion(QMessageBox::Cancel, &question);
    Run(CloseCommand);
    QCOMPARE(question, QStringLiteral("Save the current game to disk?"));
    QCOMPARE(Document.InProgress, 1);
    QVERIFY(SameGrid(Grid, opened));

    const int difficulty = Game.Difficulty;
    const int fuelMaximum = Game.Fuel.Maximum;
    AnswerQuestion(QMessageBox::No);
    Run(CloseCommand);
    QCOMPARE(Document.InProgress, 0);
    QCOMPARE(Document.Named, 0);
    QCOMPARE(QString::fromStdString(Document.Path), Path("rigel.war"));
    QCOMPARE(Game.Difficulty, difficulty);
    QCOMPARE(Game.Fuel.Maximum, fuelMaximum);
    QCOMPARE(Game.Fuel.Value, 0);
    QVERIFY(SameGrid(Grid, QuadrantGrid{}));
  }

  void yesOnANamedGameSavesItBeforeTheNewOne() {
    OpenSavedGame("deneb.war");
    Game.X = (Game.X + 4) % 9;
    const int movedTo = Game.X;
    AnswerQuestion(QMessageBox::Yes);
    Run(NewCommand);
    QCOMPARE(Document.InProgress, 1);
    QCOMPARE(Document.Named, 0);
    QCOMPARE(QString::fromStdString(Document.Path), Path("deneb.war"));
    AnswerQuestion(QMessageBox::No);
    ChooseFile(Path("deneb.war"));
    Run(OpenCommand);
    QCOMPARE(Game.X, movedTo);
  }

  void cancellingSaveAsFromTheQuestionKeepsTheOldGame() {
    Run(NewCommand);
    const QuadrantGrid old = Grid;
    AnswerQuestion(QMessageBox::Yes);
    CancelNextFileDialog();
    Run(NewCommand);
    QCOMPARE(Document.InProgress, 1);
    QVERIFY(SameGrid(Grid, old));
  }

  void saveAsStartsFromTheLastPathUsed() {
    OpenSavedGame("altair.war");
    AnswerQuestion(QMessageBox::No);
    Run(NewCommand);
    QString shownName;
    QString shownFolder;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      shownName = NameEdit(dialog)->text();
      shownFolder = dialog->directory().absolutePath();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Run(SaveCommand);
    QCOMPARE(shownName, QStringLiteral("altair.war"));
    QCOMPARE(shownFolder, QDir(folder_.path()).absolutePath());
    QCOMPARE(Document.InProgress, 1);
  }

  // The game in memory belongs to the file it came from; a file that could
  // not be read must never be overwritten by a later Save.
  void aFailedOpenLeavesTheGameWithItsOwnFile() {
    OpenSavedGame("sirius.war");
    const QuadrantGrid opened = Grid;
    const QByteArray garbage(9472, 'x');
    {
      QFile damaged(Path("damaged.war"));
      QVERIFY(damaged.open(QIODevice::WriteOnly));
      damaged.write(garbage);
    }
    AnswerQuestion(QMessageBox::No);
    ChooseFile(Path("damaged.war"));
    QString error;
    AcceptErrorBox(&error);
    Run(OpenCommand);
    QVERIFY2(error.contains(QStringLiteral("damaged.war")), qPrintable(error));
    QCOMPARE(QString::fromStdString(Document.Path), Path("sirius.war"));
    QCOMPARE(Document.Named, 1);
    QCOMPARE(Document.InProgress, 1);
    QVERIFY(SameGrid(Grid, opened));

    Run(SaveCommand);
    QCOMPARE(FileBytes(Path("damaged.war")), garbage);
    QCOMPARE(FileBytes(Path("sirius.war")).size(), 9472);
  }

  void aFailedSaveKeepsTheGameAndTheEarlierFile() {
    OpenSavedGame("pollux.war");
    const QByteArray earlier = FileBytes(Path("pollux.war"));
    Game.Y = (Game.Y + 2) % 9;
    WriteProtection locked(folder_.path().toStdString());
    if (!locked.Holds()) QSKIP("this file system lets every write through");
    QString error;
    AcceptErrorBox(&error);
    Run(SaveCommand);
    QVERIFY2(error.contains(QStringLiteral("pollux.war")), qPrintable(error));
    QCOMPARE(Document.InProgress, 1);
    QCOMPARE(Document.Named, 1);
    QVERIFY(ShipButtonsEnabled());
    QCOMPARE(FileBytes(Path("pollux.war")), earlier);
  }

  void cleanupTestCase() {
    if (Document.InProgress) AnswerQuestion(QMessageBox::No);
    Run(CloseCommand);
  }
};

QTEST_MAIN(DocumentCommandsTest)
#include "document_commands_test.moc"
