#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QtTest>
#include <cstring>
#include <memory>

#include "common/file_dialog_driver.h"
#include "common/main_window_driver.h"
#include "common/qt_waits.h"
#include "common/test_main_window.h"
#include "display/main_layout.h"
#include "write_protection.h"

using namespace kestravane;

namespace {

// The next file dialog gets `name`, typed as the player would.
void ChooseFile(const QString& name) {
  WhenModal<QFileDialog>([name](QFileDialog* dialog) { TypeAndEnter(dialog, name); });
}

void CancelNextFileDialog() {
  WhenModal<QFileDialog>([](QFileDialog* dialog) { CancelFileDialog(dialog); });
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
  std::unique_ptr<TestMainWindow> game_;

  // Every text the game puts on its status line, in order: the line itself
  // cannot tell a message posted twice in a row from one.
  QStringList statusTexts_;

  MainWindow* Main() const { return game_->window.get(); }
  Session& session() const { return game_->session(); }
  GameState& state() const { return game_->state(); }
  GameDocument& document() const { return Main()->document(); }
  QString StatusLine() const { return Main()->board().Status(); }
  bool ShipButtonsEnabled() const { return ButtonAt(Main()->board(), layout::AimButton)->isEnabled(); }
  QString Path(const char* name) const { return folder_.filePath(QString::fromLatin1(name)); }
  void Run(Command command) const { Main()->controller().DoCommand(command); }
  QStringList& StatusTexts() { return statusTexts_; }
  void Choose(const QString& menuItem) const {
    QAction* action = MenuItem(*Main(), menuItem);
    QVERIFY2(action && action->isEnabled(), qPrintable(menuItem));
    action->trigger();
  }

  // A fresh game saved under `name` and opened again, so it is named.
  void OpenSavedGame(const char* name) {
    Run(Command::New);
    ChooseFile(Path(name));
    Run(Command::Save);
    QVERIFY(QFile::exists(Path(name)));
    ChooseFile(Path(name));
    Run(Command::Open);
    QVERIFY(session().InProgress);
    QVERIFY(document().Named);
  }

  int SavedLines() {
    return static_cast<int>(StatusTexts().filter(QRegularExpression(" saved$")).size());
  }

 private slots:
  void initTestCase() {
    QVERIFY(folder_.isValid());
    game_ = std::make_unique<TestMainWindow>(folder_);
    connect(&Main()->board(), &BoardView::statusShown, this, [this](const QString& text) { statusTexts_ << text; });
  }

  // Every case starts with no game open and nothing remembered of the last.
  void init() {
    if (session().InProgress) AnswerSaveQuestion(QMessageBox::No);
    Run(Command::Close);
    QVERIFY(!session().InProgress);
    document().Path.clear();
  }

  void newStartsAGameWithTracingOffAndTheGridShown() {
    session().ScannerTracing = true;
    session().Picture = ScannerPicture::Mission;
    Run(Command::New);
    QVERIFY(session().InProgress);
    QVERIFY(!document().Named);
    QVERIFY(!session().ScannerTracing);
    QCOMPARE(session().Picture, ScannerPicture::None);
    QVERIFY(ShipButtonsEnabled());
  }

  void theGameMenusShortcutsReachTheCommands() {
    QTest::keyClick(&Main()->board(), Qt::Key_N, Qt::ControlModifier);
    QVERIFY(session().InProgress);
    const QuadrantGrid created = session().Grid;
    AnswerSaveQuestion(QMessageBox::Cancel);
    QTest::keyClick(&Main()->board(), Qt::Key_O, Qt::ControlModifier);
    QVERIFY(SameGrid(session().Grid, created));
    CancelNextFileDialog();
    QTest::keyClick(&Main()->board(), Qt::Key_S, Qt::ControlModifier);
    QVERIFY(session().InProgress);
  }

  // With no game open nothing asks: init() closes and the cases open with
  // no answer ready for a question, which would run the test out of time.
  void aCancelledCommandStillTakesAPictureOffTheBoard() {
    Run(Command::New);
    session().Picture = ScannerPicture::Rules;  // as Help shows them
    session().ScannerTracing = true;
    Main()->board().EnableShipButtons(false);
    game_->Repaint();
    for (QLabel* label : Main()->board().findChildren<QLabel*>()) label->clear();
    AnswerSaveQuestion(QMessageBox::Cancel);
    Run(Command::New);
    QCOMPARE(session().Picture, ScannerPicture::None);
    QVERIFY2(session().ScannerTracing, "a cancelled command leaves tracing alone");
    QVERIFY(ShipButtonsEnabled());
    Main()->board().PaintNow();
    QVERIFY2(!LabelAt(Main()->board(), layout::ScanLabel).isEmpty(), "the grid was drawn again");
  }

  void saveAsThenOpenBringsBackTheSameGame() {
    Run(Command::New);
    const QuadrantGrid created = session().Grid;
    ChooseFile(Path("orion.war"));
    Run(Command::Save);
    QCOMPARE(QString::fromStdString(document().Path), Path("orion.war"));
    QCOMPARE(FileBytes(Path("orion.war")).size(), 9472);
    // Saving ends the game.
    QVERIFY(!session().InProgress);
    QVERIFY(!document().Named);
    QCOMPARE(StatusLine(), QStringLiteral("Ready ..."));
    QVERIFY(!ShipButtonsEnabled());

    ChooseFile(Path("orion.war"));
    Run(Command::Open);
    QVERIFY(session().InProgress);
    QVERIFY(document().Named);
    QVERIFY(SameGrid(session().Grid, created));
    QCOMPARE(StatusLine(), Path("orion.war") + QStringLiteral(" opened"));
    QVERIFY(ShipButtonsEnabled());
  }

  // Through the Game menu, with the Save As dialog and then on the named
  // game without it: a dialog there would wait for good, unanswered.
  void eachSaveSaysSavedOnceAndEndsTheGame() {
    Choose(QStringLiteral("&New\tCtrl+N"));
    StatusTexts().clear();
    ChooseFile(Path("mira.war"));
    Choose(QStringLiteral("&Save...\tCtrl+S"));
    QCOMPARE(SavedLines(), 1);
    QVERIFY2(StatusTexts().contains(Path("mira.war") + QStringLiteral(" saved")),
             qPrintable(StatusTexts().join('|')));
    QCOMPARE(StatusTexts().last(), QStringLiteral("Ready ..."));

    ChooseFile(Path("mira.war"));
    Choose(QStringLiteral("&Open...\tCtrl+O"));
    QVERIFY(document().Named);
    state().Z = (state().Z + 1) % 9;
    const int movedTo = state().Z;
    StatusTexts().clear();
    Choose(QStringLiteral("&Save...\tCtrl+S"));
    QVERIFY(!session().InProgress);
    QCOMPARE(SavedLines(), 1);
    QCOMPARE(StatusTexts().last(), QStringLiteral("Ready ..."));
    ChooseFile(Path("mira.war"));
    Run(Command::Open);
    QCOMPARE(state().Z, movedTo);
  }

  void closeAsksEvenRightAfterOpenAndCancelKeepsTheGame() {
    OpenSavedGame("rigel.war");
    const QuadrantGrid opened = session().Grid;
    QString question;
    AnswerSaveQuestion(QMessageBox::Cancel, &question);
    Run(Command::Close);
    QCOMPARE(question, QStringLiteral("Save the current game to disk?"));
    QVERIFY(session().InProgress);
    QVERIFY(SameGrid(session().Grid, opened));

    // What a cleared board keeps is the engine's test.
    AnswerSaveQuestion(QMessageBox::No);
    Run(Command::Close);
    QVERIFY(!session().InProgress);
    QVERIFY(!document().Named);
    QCOMPARE(QString::fromStdString(document().Path), Path("rigel.war"));
    QVERIFY(SameGrid(session().Grid, QuadrantGrid{}));
  }

  void yesOnANamedGameSavesItBeforeTheNewOne() {
    OpenSavedGame("deneb.war");
    state().X = (state().X + 4) % 9;
    const int movedTo = state().X;
    AnswerSaveQuestion(QMessageBox::Yes);
    Run(Command::New);
    QVERIFY(session().InProgress);
    QVERIFY(!document().Named);
    QCOMPARE(QString::fromStdString(document().Path), Path("deneb.war"));
    AnswerSaveQuestion(QMessageBox::No);
    ChooseFile(Path("deneb.war"));
    Run(Command::Open);
    QCOMPARE(state().X, movedTo);
  }

  void cancellingSaveAsFromTheQuestionKeepsTheOldGame() {
    Run(Command::New);
    const QuadrantGrid old = session().Grid;
    AnswerSaveQuestion(QMessageBox::Yes);
    CancelNextFileDialog();
    Run(Command::New);
    QVERIFY(session().InProgress);
    QVERIFY(SameGrid(session().Grid, old));
  }

  void saveAsStartsFromTheLastPathUsed() {
    OpenSavedGame("altair.war");
    AnswerSaveQuestion(QMessageBox::No);
    Run(Command::New);
    QString shownName;
    QString shownFolder;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      shownName = NameEdit(dialog)->text();
      shownFolder = dialog->directory().absolutePath();
      QTest::keyClick(dialog, Qt::Key_Escape);
    });
    Run(Command::Save);
    QCOMPARE(shownName, QStringLiteral("altair.war"));
    QCOMPARE(shownFolder, QDir(folder_.path()).absolutePath());
    QVERIFY(session().InProgress);
  }

  // The game in memory belongs to the file it came from; a file that could
  // not be read must never be overwritten by a later Save.
  void aFailedOpenLeavesTheGameWithItsOwnFile() {
    OpenSavedGame("sirius.war");
    const QuadrantGrid opened = session().Grid;
    const QByteArray garbage(9472, 'x');
    {
      QFile damaged(Path("damaged.war"));
      QVERIFY(damaged.open(QIODevice::WriteOnly));
      damaged.write(garbage);
    }
    AnswerSaveQuestion(QMessageBox::No);
    ChooseFile(Path("damaged.war"));
    QString error;
    AcceptErrorBox(&error);
    Run(Command::Open);
    QVERIFY2(error.contains(QStringLiteral("damaged.war")), qPrintable(error));
    QCOMPARE(QString::fromStdString(document().Path), Path("sirius.war"));
    QVERIFY(document().Named);
    QVERIFY(session().InProgress);
    QVERIFY(SameGrid(session().Grid, opened));

    Run(Command::Save);
    QCOMPARE(FileBytes(Path("damaged.war")), garbage);
    QCOMPARE(FileBytes(Path("sirius.war")).size(), 9472);
  }

  void aFailedSaveKeepsTheGameAndTheEarlierFile() {
    OpenSavedGame("pollux.war");
    const QByteArray earlier = FileBytes(Path("pollux.war"));
    state().Y = (state().Y + 2) % 9;
    WriteProtection locked(folder_.path().toStdString());
    if (!locked.Holds()) QSKIP("this file system lets every write through");
    QString error;
    AcceptErrorBox(&error);
    Run(Command::Save);
    QVERIFY2(error.contains(QStringLiteral("pollux.war")), qPrintable(error));
    QVERIFY(session().InProgress);
    QVERIFY(document().Named);
    QVERIFY(ShipButtonsEnabled());
    QCOMPARE(FileBytes(Path("pollux.war")), earlier);
  }

  void cleanupTestCase() {
    if (session().InProgress) AnswerSaveQuestion(QMessageBox::No);
    Run(Command::Close);
    game_.reset();
  }
};

QTEST_MAIN(DocumentCommandsTest)
#include "document_commands_test.moc"
