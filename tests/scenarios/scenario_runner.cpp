#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QCompleter>
#include <QFileDialog>
#include <QKeySequence>
#include <QLineEdit>
#include <QListWidget>
#include <QScreen>
#include <QTableWidget>
#include <QtTest>
#include <deque>
#include <memory>

#include "app/file_dialogs.h"
#include "common/golden_image.h"
#include "common/modal_driver.h"
#include "common/test_main_window.h"
#include "display/main_layout.h"
#include "document/game_file_format.h"
#include "platform/profile.h"
#include "platform/qt/rect_qt.h"

using namespace kestravane;

namespace {

QString Plain(QString text) { return text.section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&')); }

QKeyCombination KeyNamed(const QString& name) {
  // A modifier pressed alone is no sequence of its own.
  if (name == u"Alt") return QKeyCombination(Qt::Key_Alt);
  if (name == u"Ctrl") return QKeyCombination(Qt::Key_Control);
  const QKeySequence sequence = QKeySequence::fromString(name);
  if (sequence.isEmpty()) qFatal("no key %s", qPrintable(name));
  return sequence[0];
}

template <class Target>
void PressKey(Target* target, const QString& name) {
  QTest::keyClick(target, KeyNamed(name).key(), KeyNamed(name).keyboardModifiers());
}

// What the player's eye finds on the control that has the keyboard: a
// button's words, or which of the dialog's fields or lists it is.
QString FocusName(QWidget* modal) {
  QWidget* focused = QApplication::focusWidget();
  if (auto* button = qobject_cast<QAbstractButton*>(focused)) return Plain(button->text());
  if (auto* edit = qobject_cast<QLineEdit*>(focused))
    return QStringLiteral("field %1").arg(modal->findChildren<QLineEdit*>().indexOf(edit) + 1);
  if (qobject_cast<QListWidget*>(focused)) return QStringLiteral("list");
  return QStringLiteral("nothing");
}

QRegularExpression Wildcard(const QString& text) {
  const QString pattern = QRegularExpression::escape(text).replace(QStringLiteral("\\*"), QStringLiteral(".*"));
  return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// Every object a screen reader finds under `object`, as "Role: Name [shortcut] (description) {states}", and a
// BROKEN line where the tree does not hold together.
using ReadObjects = QList<std::pair<QString, QAccessibleInterface*>>;
void ReadAloud(QAccessibleInterface* object, ReadObjects& read, int depth = 0) {
  if (!object || depth > 9) return;
  QString line = QString::fromLatin1(QMetaEnum::fromType<QAccessible::Role>().valueToKey(object->role())) + ": " +
                 object->text(QAccessible::Name);
  if (const QString keys = object->text(QAccessible::Accelerator); !keys.isEmpty()) line += " [" + keys + ']';
  if (const QString more = object->text(QAccessible::Description); !more.isEmpty()) line += " (" + more + ')';
  const QAccessible::State state = object->state();
  QStringList states;
  for (const auto& [set, name] : {std::pair{state.checked, "checked"}, std::pair{state.disabled, "disabled"},
                                  std::pair{state.focused, "focused"}, std::pair{state.invisible, "invisible"}})
    if (set) states << QString::fromLatin1(name);
  if (!states.isEmpty()) line += " {" + states.join(", ") + '}';
  read.append({line, object});
  for (int index = 0; index < object->childCount(); ++index) {
    QAccessibleInterface* child = object->child(index);
    // A reader walks up and down the tree and points into it.
    const QRect area = child ? child->rect() : QRect();
    const auto at = [object](QPoint point) { return object->childAt(point.x(), point.y()); };
    if (!child || child->parent() != object || object->indexOfChild(child) != index ||
        (child->role() == QAccessible::Cell && (at(area.topLeft()) != child || at(area.bottomRight()) != child)))
      read.append({"BROKEN below " + line, object});
    ReadAloud(child, read, depth + 1);
  }
}

// As the desktop's accessibility bus does when a screen reader starts or stops.
void ScreenReaderListening(bool listening) {
  QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(listening);
}

QStringList Fields(QWidget* modal) {
  QStringList texts;
  for (const QLineEdit* edit : modal->findChildren<QLineEdit*>()) texts << edit->text();
  return texts;
}

QString ModalTexts(QWidget* modal) {
  QStringList texts;
  for (const QLabel* label : modal->findChildren<QLabel*>()) texts << label->text();
  for (const QListWidget* list : modal->findChildren<QListWidget*>())
    for (int row = 0; row < list->count(); ++row) texts << list->item(row)->text();
  // A table's row is its cells, a space apart.
  for (const QTableWidget* table : modal->findChildren<QTableWidget*>())
    for (int row = 0; row < table->rowCount(); ++row) {
      QStringList cells;
      for (int column = 0; column < table->columnCount(); ++column) cells << table->item(row, column)->text();
      texts << cells.join(QLatin1Char(' '));
    }
  texts << Fields(modal);
  if (auto* files = qobject_cast<QFileDialog*>(modal)) texts << files->directory().path();
  return texts.join(QLatin1Char('|')).replace(QLatin1Char('\t'), QLatin1Char(' '));
}

}  // namespace

// Plays every scenario under tests/scenarios/ on the game's real main window: one line a step, the player's input
// and what the game must show after it. The words a line may start with are listed in tests/scenarios/README.md.
class ScenarioRunner : public QObject {
  Q_OBJECT

 private:
  // What a screen reader hears: the status line's texts, in order, and the name of the object with the keyboard.
  static inline ScenarioRunner* listener_ = nullptr;
  QStringList heard_;
  QList<QAccessibleInterface*> noticed_;
  QAccessibleInterface* focus_ = nullptr;
  QString focused_;
  QStringList told_;

  static void Listen(QAccessibleEvent* event) {
    ScenarioRunner& reader = *listener_;
    const QAccessible::Event type = event->type();
    QAccessibleInterface* object = event->accessibleInterface();
    if (type == QAccessible::TextUpdated && event->object() && qobject_cast<BoardView*>(event->object()->parent()))
      reader.heard_ << static_cast<QAccessibleTextUpdateEvent*>(event)->textInserted();
    // A notification is read when the reader comes to it, maybe after others.
    if (type == QAccessible::ObjectShow && object->role() == QAccessible::Notification) reader.noticed_ << object;
    if (type == QAccessible::StateChanged || type == QAccessible::ObjectShow || type == QAccessible::ObjectHide) {
      const QAccessible::State changed = type == QAccessible::StateChanged
                                             ? static_cast<QAccessibleStateChangeEvent*>(event)->changedStates()
                                             : QAccessible::State();
      const char* what = type == QAccessible::ObjectShow   ? "shown"
                         : type == QAccessible::ObjectHide ? "hidden"
                         : changed.disabled                ? (object->state().disabled ? "grayed" : "enabled")
                         : changed.checked                 ? (object->state().checked ? "checked" : "unchecked")
                                                           : "changed";
      reader.told_ << object->text(QAccessible::Name) + ' ' + what;
    }
    // The reader stays on the object with the keyboard and hears its new name.
    if (type == QAccessible::Focus) reader.focus_ = object;
    if ((type == QAccessible::Focus || type == QAccessible::NameChanged) && object == reader.focus_)
      reader.focused_ = object->text(QAccessible::Name);
  }

  std::unique_ptr<QTemporaryDir> folder_;
  bool landAtOnce_ = false;
  QTemporaryDir nowhere_;
  std::unique_ptr<TestMainWindow> game_;
  QStringList statuses_;
  std::deque<QStringList> modalSteps_;
  QPointer<QTimer> awaitingModal_;
  QString failure_;

  MainWindow& Main() { return *game_->window; }
  BoardView& Board() { return Main().board(); }
  QString Path(const QString& name) const { return folder_->filePath(name); }

  // The first failure of a step is the one reported.
  void Expect(bool holds, const QString& why) {
    if (!holds && failure_.isEmpty()) failure_ = why;
  }
  void ExpectNoDifference(const QString& difference) { Expect(difference.isEmpty(), difference); }
  void ExpectEqual(const QString& shown, const QString& expected, const char* what) {
    Expect(shown == expected, QStringLiteral("%1 is \"%2\", not \"%3\"").arg(what, shown, expected));
  }

  QAction* Item(const QString& name) {
    for (QAction* action : Main().findChildren<QAction*>())
      if (!action->text().isEmpty() && Plain(action->text()) == name) return action;
    qFatal("no menu item %s", qPrintable(name));
  }

  QAbstractButton* Button(QWidget* parent, const QString& name) {
    for (QAbstractButton* button : parent->findChildren<QAbstractButton*>())
      if (Plain(button->text()) == name && button->isVisible()) return button;
    return nullptr;
  }

  // What the window system shows of the board once the pending paints are done: a part the game failed to paint
  // shows as it was, which a fresh drawing would hide. The offscreen platform keeps no whole picture of a scaled
  // window, so there the board is drawn afresh at its scale, and compared with the golden picture of that scale.
  QImage BoardOnScreen() {
    QCoreApplication::sendPostedEvents();
    if (Board().devicePixelRatioF() != 1) return Board().grab().toImage();
    const QPoint at = Board().mapTo(&Main(), QPoint());
    return Main().screen()->grabWindow(Main().winId(), at.x(), at.y(), Board().width(), Board().height()).toImage();
  }

  static QWidget* About() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible() && window->windowTitle() == u"Splash") return window;
    return nullptr;
  }

  void WaitForLanding() {
    Expect(QTest::qWaitFor([this] { return !Main().controller().MissileInFlight(); }), "the missile never landed");
  }

  // A key goes to the board once its window has the keyboard back from a dialog or a menu, as the window system
  // delivers it. With no window active, the main window gets the keyboard, as a window manager gives it.
  void Key(const QString& name, bool landing) {
    if (!QApplication::activeWindow()) Main().activateWindow();
    Expect(QTest::qWaitFor([this] { return Main().isActiveWindow(); }, 2000), "the main window is not active");
    PressKey(&Board(), name);
    if (landing && landAtOnce_) Main().controller().LandMissiles();
    if (landing) WaitForLanding();
  }

  // Texts that name a file name it in the scenario's own folder; today's universe is numbered by the date, yyyymmdd.
  void Expand(QStringList& words) const {
    words.replaceInStrings(QStringLiteral("$FOLDER"), folder_->path());
    words.replaceInStrings(QStringLiteral("$TODAY"), QDate::currentDate().toString(QStringLiteral("yyyyMMdd")));
  }

  bool ModalStep(QWidget* modal, QStringList words) {
    Expand(words);
    const QString verb = words.value(0);
    const QString rest = words.mid(1).join(QLatin1Char(' '));
    if (verb == u"type") {
      QTest::keyClicks(QApplication::focusWidget(), rest);
    } else if (verb == u"key") {
      PressKey(KeyboardTarget(modal), rest);
    } else if (verb == u"click") {
      QAbstractButton* button = Button(modal, rest);
      if (!button) return Expect(false, "no button " + rest), false;
      QTest::mouseClick(button, Qt::LeftButton);
    } else if (verb == u"focus" || verb == u"tabs") {
      const QStringList order = verb == u"tabs" ? rest.split(QStringLiteral(", ")) : QStringList{rest};
      for (int at = 0; at < order.size(); ++at) {
        if (at) QTest::keyClick(KeyboardTarget(modal), Qt::Key_Tab);
        ExpectEqual(FocusName(modal), order[at], "the control with the keyboard");
      }
    } else if (verb == u"fields") {
      ExpectEqual(Fields(modal).join(' '), rest, "the fields");
    } else if (verb == u"title") {
      ExpectEqual(modal->windowTitle(), rest, "the title");
    } else if (verb == u"says") {
      Expect(ModalTexts(modal).contains(rest), "the dialog says \"" + ModalTexts(modal) + "\", not \"" + rest + '"');
    } else if (verb == u"golden") {
      ExpectNoDifference(GoldenDifference(modal->grab().toImage(), rest));
    } else if (verb == u"file") {
      auto* edit = qobject_cast<QFileDialog*>(modal) ? modal->findChild<QLineEdit*>("fileNameEdit") : nullptr;
      if (!edit) return Expect(false, "\"" + modal->windowTitle() + "\" is up, not a file dialog"), false;
      // Enter goes past the completion list, which would take it for itself.
      edit->setFocus();
      edit->selectAll();
      QTest::keyClicks(edit, rest.startsWith('/') ? rest : Path(rest));
      if (edit->completer()) edit->completer()->popup()->hide();
      QTest::keyClick(edit, Qt::Key_Return);
    } else {
      Check(verb, words.mid(1));
    }
    return failure_.isEmpty();
  }

  // Takes the waiting steps one at a time, each once a modal window is up and has the keyboard. A failure ends the
  // dialogs so that the action returns and the scenario reports it.
  void TakeModalSteps() {
    const auto takeStep = [this] {
      if (modalSteps_.empty()) return;
      QWidget* modal = ModalWithKeyboard();
      const QStringList step = modalSteps_.front();
      modalSteps_.pop_front();
      // A step may bring up another modal window, whose loop runs inside this one: the next step is awaited
      // before this one runs.
      TakeModalSteps();
      if (!ModalStep(modal, step)) {
        modalSteps_.clear();
        while (QWidget* open = QApplication::activeModalWidget()) open->close();
      }
    };
    awaitingModal_ = WhenReady([this] { return modalSteps_.empty() || ModalWithKeyboard(); }, takeStep, 5000, nullptr);
  }

  void Act(const QString& verb, const QStringList& words) {
    const QString rest = words.join(QLatin1Char(' '));
    if (verb == u"seed" || verb == u"new") {
      Main().session().Random.Seed(words.value(0).toUInt());
      if (verb == u"seed") return;
      Key(QStringLiteral("Ctrl+N"), true);
      Check(QStringLiteral("started"), words);
    } else if (verb == u"key" || verb == u"press") {
      for (const QString& key : words)
        for (int time = 0; time < std::max(1, key.section('*', 1).toInt()); ++time)
          Key(key.section('*', 0, 0), verb == u"key");
    } else if (verb == u"window-key" || verb == u"popup-key") {
      // Keys the desktop hands the window or the open menu, not the board.
      QWidget* popup = QApplication::activePopupWidget();
      if (verb == u"popup-key" && !popup) return Expect(false, "no menu is open");
      popup ? PressKey(popup, rest) : PressKey(Main().windowHandle(), rest);
      QTest::qWait(20);
    } else if (verb == u"close") {
      Main().close();
      // The game quits the application, which leaves every later event loop to return at once until the
      // application's own loop has run; the application then writes the settings.
      if (!Main().isVisible()) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        QCoreApplication::exec();
        SaveSettings(game_->settings, game_->library.IniPath);
      }
    } else if (verb == u"screen-reader") {
      ScreenReaderListening(true);
    } else if (verb == u"land-at-once") {
      landAtOnce_ = true;
    } else if (verb == u"away") {
      Board().clearFocus();
    } else if (verb == u"dark-theme") {
      // The game starts again under the colours a desktop's dark scheme hands every program.
      QPalette dark(QColor(0x31, 0x36, 0x3b), QColor(0x2a, 0x2e, 0x32));
      for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) dark.setColor(role, Qt::white);
      QApplication::setPalette(dark);
      game_.reset();
      StartGame();
    } else if (verb == u"repeat") {
      // A held key as an X server repeats it: a release and a press at one time, which Qt marks as a
      // repeat only some of the time.
      const QKeyCombination key = KeyNamed(words.value(0));
      for (int time = 1; time <= words.value(1).toInt(); ++time) {
        QKeyEvent release(QEvent::KeyRelease, key.key(), key.keyboardModifiers(), QString(), time % 2);
        QKeyEvent press(QEvent::KeyPress, key.key(), key.keyboardModifiers(), QString(), time % 2);
        for (QKeyEvent* event : {&release, &press}) {
          event->setTimestamp(static_cast<quint64>(time));
          QApplication::sendEvent(&Board(), event);
        }
      }
      WaitForLanding();
    } else if (verb == u"about-press") {
      QWidget* about = About();
      if (!about) return Expect(false, "the About window is not up");
      if (rest == u"key") return QTest::keyClick(about, Qt::Key_Space);
      QTest::mousePress(about, rest == u"left" ? Qt::LeftButton : Qt::RightButton, {}, QPoint(20, 20));
    } else if (verb == u"played") {
      // The time played is the machine's pace; a picture of the result needs it fixed.
      Main().session().History.SecondsPlayed = rest.toUInt();
      Board().Refresh();
      QCoreApplication::processEvents();
    } else if (verb == u"menu") {
      Item(rest)->trigger();
      WaitForLanding();
    } else if (verb == u"button") {
      QTest::mouseClick(Button(&Board(), rest), Qt::LeftButton);
      WaitForLanding();
    } else if (verb == u"left" || verb == u"right") {
      // On the cell's first screen pixel, or its last, at any scale and zoom.
      const qreal ratio = Board().devicePixelRatioF(), last = verb == u"right" ? 32 : 0;
      const qreal zoomed = ratio * Board().width() / ClientWidth;
      const auto edge = [&](int start) { return (std::ceil((start + last) * zoomed) - (last ? 1 : 0)) / ratio; };
      const QPointF at(edge(168 + 32 * words.value(0).toInt()), edge(23 + 32 * words.value(1).toInt()));
      const Qt::MouseButton button = verb == u"left" ? Qt::LeftButton : Qt::RightButton;
      QMouseEvent press(QEvent::MouseButtonPress, at, Board().mapToGlobal(at), button, button, {});
      QApplication::sendEvent(&Board(), &press);
      WaitForLanding();
    } else if (verb == u"write") {
      QFile file(Path(words.value(0)));
      QDir().mkpath(QFileInfo(file).path());
      Expect(file.open(QIODevice::WriteOnly) && file.write(words.mid(1).join(' ').toUtf8()) >= 0, "cannot write");
    } else if (verb == u"read-only") {
      QFile::setPermissions(Path(rest), QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    } else {
      qFatal("no step %s", qPrintable(verb));
    }
  }

  void Check(const QString& verb, QStringList words) {
    Expand(words);
    const QString rest = words.join(QLatin1Char(' '));
    const GameState& state = Main().session().State;
    if (verb == u"status") {
      if (statuses_.isEmpty()) return Expect(false, "no status line left for \"" + rest + '"');
      ExpectEqual(statuses_.takeFirst(), rest, "the next status line");
    } else if (verb == u"started") {
      for (const QString& line :
           {QStringLiteral("Generating new game grid ..."),
            QStringLiteral("60 Roder ships detected in 20 battle groups ..."), "Universe number " + rest + " ..."})
        Check(QStringLiteral("status"), {line});
    } else if (verb == u"shot" || verb == u"moved") {
      Check(QStringLiteral("status"), {verb == u"shot" ? "Missile launched ..." : "Engines engaged ..."});
      Check(QStringLiteral("status"), words);
    } else if (verb == u"heard") {
      ExpectEqual(heard_.isEmpty() ? QStringLiteral("nothing") : heard_.takeFirst(), rest, "the next text heard");
      ExpectEqual(noticed_.isEmpty() ? QStringLiteral("nothing") : noticed_.takeFirst()->text(QAccessible::Name), rest,
                  "the next notification");
      // A reader that looks once the texts have come finds the last one.
      QAccessibleInterface* board = QAccessible::queryAccessibleInterface(&Board());
      for (int index = 0; heard_.isEmpty() && index < board->childCount(); ++index)
        if (QAccessibleTextInterface* line = board->child(index)->textInterface())
          ExpectEqual(line->text(0, line->characterCount()), rest, "the status line's text");
    } else if (verb == u"told") {
      Expect(told_.contains(rest), "the reader was told \"" + told_.join("\", \"") + "\", not \"" + rest + '"');
      told_.clear();
    } else if (verb == u"focused") {
      QCoreApplication::processEvents();
      ExpectEqual(focused_, rest, "the object given the keyboard");
    } else if (verb == u"cell") {
      QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&Board())->child(0)->tableInterface();
      const int row = words.value(0).toInt(), column = words.value(1).toInt();
      const QString name = table->cellAt(row, column)->text(QAccessible::Name);
      ExpectEqual(name, words.mid(2).join(' '), "the cell's name");
      // A cell's row and column are named after the axes its name gives.
      Expect(name.contains(table->rowDescription(row)) && name.contains(table->columnDescription(column)),
             "row " + table->rowDescription(row) + " and column " + table->columnDescription(column) + " for " + name);
    } else if (verb == u"named" || verb == u"activate") {
      ReadObjects read;
      QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &Main();
      ReadAloud(QAccessible::queryAccessibleInterface(window), read);
      QAccessibleInterface* found = nullptr;
      QString lines;
      for (const auto& [line, object] : read) {
        Expect(!line.startsWith(u"BROKEN"), line);
        if (Wildcard(rest).match(line).hasMatch()) found = object;
        lines += '\n' + line;
      }
      Expect(found, "a screen reader finds no " + rest + " but:" + lines);
      // As a reader's user does: the object's first action, not a click.
      if (found && verb == u"activate")
        found->actionInterface()->doAction(found->actionInterface()->actionNames().value(0));
    } else if (verb == u"keyboard-on-board") {
      Expect(QTest::qWaitFor([this] { return Board().hasFocus(); }, 1000), "the board does not have the keyboard");
    } else if (verb == u"quiet") {
      Expect(statuses_.isEmpty(), "the game said \"" + statuses_.join("\", \"") + '"');
    } else if (verb == u"about") {
      ExpectEqual(About() ? QStringLiteral("shown") : QStringLiteral("gone"), rest, "the About window");
    } else if (verb == u"showing") {
      Expect(Wildcard(rest).match(Board().Status()).hasMatch(),
             "the status line is \"" + Board().Status() + "\", not \"" + rest + '"');
    } else if (verb == u"clipboard") {
      ExpectEqual(QGuiApplication::clipboard()->text(), rest, "the clipboard");
    } else if (verb == u"tip") {
      ExpectEqual(Board().childAt(platform::ToQRect(layout::StatusLine).center())->toolTip(), rest, "the tip");
    } else if (verb == u"supplies") {
      ExpectEqual(QStringLiteral("%1 %2").arg(state.Missiles.Value).arg(state.Fuel.Value), rest, "missiles and fuel");
    } else if (verb == u"at") {
      const QString axis = QString(QChar("ZYX"[static_cast<int>(state.Axis)]));
      ExpectEqual(QStringLiteral("%1 %2 %3 %4").arg(state.Z).arg(state.Y).arg(state.X).arg(axis), rest,
                  "the ship's quadrant and axis");
    } else if (verb == u"enabled" || verb == u"disabled" || verb == u"checked" || verb == u"unchecked") {
      for (const QString& name : rest.split(QStringLiteral(", ")))
        Expect((verb.endsWith(u"abled") ? Item(name)->isEnabled() : Item(name)->isChecked()) ==
                   (verb == u"enabled" || verb == u"checked"),
               name + " is not " + verb);
    } else if (verb == u"screen") {
      const qreal ratio = Board().devicePixelRatioF();
      const QString name = ratio == 1 ? rest : QStringLiteral("%1@%2x").arg(rest).arg(ratio);
      ExpectNoDifference(GoldenDifference(BoardOnScreen(), name));
    } else if (verb == u"digest") {
      QFile file(Path(words.value(0)));
      QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
      // A game's time played depends on the machine's pace; the digest leaves it out.
      if (bytes.size() == GameFileSize) bytes.replace(SecondsPlayedOffset, 4, QByteArray(4, '\0'));
      ExpectEqual(QCryptographicHash::hash(bytes, QCryptographicHash::Sha256).toHex().left(16), words.value(1),
                  "the file's digest");
    } else if (verb == u"picture") {
      ExpectNoDifference(GoldenDifference(QImage(Path(words.value(0))), words.value(1)));
    } else if (verb == u"setting") {
      const platform::Profile profile(game_->library.IniPath);
      ExpectEqual(
          QString::fromStdString(profile.String(words.value(0).toStdString(), words.value(1).toStdString(), "<none>")),
          words.mid(2).join(QLatin1Char(' ')), "the setting");
    } else {
      Act(verb, words);
    }
  }

  void StartGame() {
    game_ = std::make_unique<TestMainWindow>(*folder_);
    for (QStringList* said : {&statuses_, &heard_, &told_}) said->clear();
    noticed_.clear();
    connect(&Board(), &BoardView::statusShown, this, [this](const QString& line) {
      statuses_ << line;
      if (qEnvironmentVariableIsSet("KESTRAVANE_SCENARIO_TRACE")) qInfo("status %s", qPrintable(line));
    });
    Main().activateWindow();
    Expect(QTest::qWaitForWindowActive(&Main()), "the main window is not active");
    // A dialog the scenario did not expect would wait for good: it fails the scenario and is closed.
    auto* watch = new QTimer(&Main());
    connect(watch, &QTimer::timeout, this, [this] {
      QWidget* modal = ModalWithKeyboard();
      if (!modal || !modalSteps_.empty()) return;
      Expect(false, "an unexpected dialog: " + modal->windowTitle() + ": " + ModalTexts(modal));
      modal->close();
    });
    watch->start(200);
  }

 private slots:
  void initTestCase() {
    KeepFileDialogStateNowhere();
    listener_ = this;
    QAccessible::installUpdateHandler(Listen);
    // No sound server, whatever the machine has: every sound fails.
    qputenv("PULSE_SERVER", "unix:" + nowhere_.filePath("no-server").toUtf8());
    // A blinking caret would make a dialog's picture depend on the moment.
    QApplication::setCursorFlashTime(0);
  }

  void play_data() {
    QTest::addColumn<QString>("file");
    const QDir folder(QStringLiteral(KESTRAVANE_SCENARIO_DIR));
    for (const QString& name : folder.entryList({QStringLiteral("*.scenario")}))
      QTest::newRow(qPrintable(name)) << folder.filePath(name);
  }

  void play() {
    QFETCH(QString, file);
    QFile script(file);
    QVERIFY(script.open(QIODevice::ReadOnly | QIODevice::Text));
    folder_ = std::make_unique<QTemporaryDir>();
    landAtOnce_ = false;
    ScreenReaderListening(qEnvironmentVariableIsSet("KESTRAVANE_SCENARIO_SCREEN_READER"));
    QApplication::setPalette(QApplication::style()->standardPalette());
    StartGame();

    const QStringList lines = QString::fromUtf8(script.readAll()).split(QLatin1Char('\n'));
    for (int index = 0; index < lines.size(); ++index) {
      const auto stepOrComment = [](const QString& line) { return line.startsWith('>') || line.startsWith('#'); };
      QStringList words = lines[index].split(QLatin1Char(' '), Qt::SkipEmptyParts);
      if (words.isEmpty() || stepOrComment(lines[index])) continue;
      // The dialog steps below an action, comments among them.
      for (int next = index + 1; next < lines.size() && stepOrComment(lines[next]); ++next)
        if (lines[next].startsWith('>'))
          modalSteps_.push_back(lines[next].mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts));
      if (!modalSteps_.empty()) TakeModalSteps();
      const QString verb = words.takeFirst();
      for (int time = 0; time < std::max(1, verb.section('*', 1).toInt()); ++time)
        Check(verb.section('*', 0, 0), words);
      if (!modalSteps_.empty()) Expect(false, "a dialog never came up for: " + modalSteps_.front().join(' '));
      modalSteps_.clear();
      delete awaitingModal_;
      if (!failure_.isEmpty()) {
        const QString where = QStringLiteral("%1:%2: ").arg(QFileInfo(file).fileName()).arg(index + 1);
        game_->session().InProgress = false;
        QFAIL(qPrintable(where + std::exchange(failure_, QString())));
      }
    }
    game_.reset();
  }
};

QTEST_MAIN(ScenarioRunner)
#include "scenario_runner.moc"
