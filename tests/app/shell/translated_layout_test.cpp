#include <QAbstractButton>
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

#include "common/modal_driver.h"
#include "common/test_main_window.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/language.h"

using namespace kestravane;

namespace {

QString Named(const QWidget& widget, const QString& words) {
  const QRect place = widget.geometry();
  return QString::asprintf("%s \"%s\" at %d,%d %dx%d in %s", widget.metaObject()->className(), qUtf8Printable(words),
                           place.x(), place.y(), place.width(), place.height(),
                           widget.parentWidget()->metaObject()->className());
}

// The room the widget's words take across, and those words; nothing for a widget that shows none of its own.
std::optional<std::pair<int, QString>> WordsWidth(const QWidget& widget) {
  const QFontMetrics metrics(widget.font());
  const auto longestLine = [&](const QString& text) {
    int widest = 0;
    for (const QString& line : WithoutMnemonic(text).split(QLatin1Char('\n')))
      widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
  };
  if (const auto* label = dynamic_cast<const DialogLabel*>(&widget)) return {{label->NeededWidth(), label->text()}};
  if (const auto* label = qobject_cast<const QLabel*>(&widget); label && !label->text().isEmpty() && !label->wordWrap())
    return {{longestLine(label->text()) + 2 * label->margin() + 2 * label->frameWidth(), label->text()}};
  if (const auto* button = qobject_cast<const QAbstractButton*>(&widget); button && !button->text().isEmpty()) {
    // The width the button needs: what the style takes round its words, and the words.
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QStyle::SubElement contents = qobject_cast<const QRadioButton*>(button) ? QStyle::SE_RadioButtonContents
                                        : qobject_cast<const QCheckBox*>(button)  ? QStyle::SE_CheckBoxContents
                                                                                  : QStyle::SE_PushButtonContents;
    const int around = button->width() - button->style()->subElementRect(contents, &option, button).width();
    return {{around + longestLine(button->text()), button->text()}};
  }
  if (const auto* frame = qobject_cast<const QGroupBox*>(&widget))
    return {{longestLine(frame->title()) + metrics.averageCharWidth() * 2, frame->title()}};
  return std::nullopt;
}

// What is wrong in a window: words wider than their widget or a wrapped label's lines taller (cut off); a widget
// reaching out of its parent, two siblings over each other, a frame apart from what it holds (crossings). A crossing is
// keyed by the widgets' order, the same in every language, for where the English design lets two boxes touch.
struct Findings {
  QStringList cutOff;
  QMap<QString, QString> crossings;
};

Findings Find(const QWidget& window) {
  Findings found;
  QList<QWidget*> widgets = window.findChildren<QWidget*>();
  // An empty label shows nothing that could be covered.
  widgets.removeIf([](const QWidget* widget) {
    const auto* label = qobject_cast<const QLabel*>(widget);
    return !widget->isVisible() || widget->isWindow() || (label && label->text().isEmpty() && label->pixmap().isNull());
  });
  const auto where = [&](const QWidget& widget) { return Named(widget, QString()) + " in " + window.windowTitle(); };
  for (qsizetype index = 0; index < widgets.size(); ++index) {
    const QWidget* widget = widgets[index];
    if (const auto words = WordsWidth(*widget); words && words->first > widget->width())
      found.cutOff << Named(*widget, words->second) +
                          QString::asprintf(" needs %d pixels across, has %d", words->first, widget->width());
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label && label->wordWrap() && label->heightForWidth(label->width()) > label->height())
      found.cutOff << Named(*label, label->text()) + QString::asprintf(" needs %d pixels down, has %d",
                                                                       label->heightForWidth(label->width()),
                                                                       label->height());
    if (!widget->parentWidget()->rect().contains(widget->geometry()))
      found.crossings[QString::number(index)] = where(*widget) + " reaches out of its parent";
    for (qsizetype next = index + 1; next < widgets.size(); ++next) {
      const QWidget* other = widgets[next];
      if (other->parentWidget() != widget->parentWidget() || !widget->geometry().intersects(other->geometry()))
        continue;
      const bool framed = (qobject_cast<const QGroupBox*>(widget) && widget->geometry().contains(other->geometry())) ||
                          (qobject_cast<const QGroupBox*>(other) && other->geometry().contains(widget->geometry()));
      if (!framed)
        found.crossings[QStringLiteral("%1 %2").arg(index).arg(next)] = where(*widget) + " overlaps " + where(*other);
    }
  }
  return found;
}

}  // namespace

// Every dialog and box the menus open, and the main window with its panels, in English, in each language the game
// speaks and in the pseudo-language: every control's words fit it, and no translation puts a control over another or
// out of its window where the English does not.
class TranslatedLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void everyWindowHasRoomForItsWordsInEveryLanguage() {
    const QStringList languages = QStringList{QStringLiteral("en")} + TranslatedLanguages();
    QVERIFY(languages.contains(QStringLiteral("en_XA")));
    std::vector<Findings> english;
    for (const QString& name : languages) {
      const Language language{name};
      QCOMPARE(language.Name(), name);
      QTemporaryDir folder;
      TestMainWindow game(folder);
      game.window->Action(Command::New)->trigger();
      QVERIFY(QTest::qWaitForWindowExposed(game.window.get()));
      std::vector<Findings> windows{Find(*game.window)};
      QStringList titles;
      for (const Command command :
           {Command::NewByNumber, Command::GameNumber, Command::CaptainsRecord, Command::Options, Command::ScannerLog,
            Command::Aim, Command::Helm, Command::HuntMap}) {
        WhenModal<QDialog>([&](QDialog* dialog) {
          windows.push_back(Find(*dialog));
          titles << dialog->windowTitle();
          dialog->reject();
        });
        game.window->Action(command)->trigger();
      }
      QCOMPARE(windows.size(), 9u);  // the main window, and a dialog or box for each command
      // In the pseudo-language every title is in brackets: one the catalogue does not give stays plain English.
      game.window->Action(Command::About)->trigger();
      for (QWidget* window : QApplication::topLevelWidgets())
        if (window->isVisible() && window != game.window.get()) titles << window->windowTitle();
      if (name == u"en_XA") QCOMPARE(titles.filter(QRegularExpression(QStringLiteral("^[^[]"))), QStringList());
      if (english.empty()) english = windows;
      QStringList faults;
      for (std::size_t index = 0; index < windows.size(); ++index) {
        faults << windows[index].cutOff;
        for (const auto& [key, crossing] : windows[index].crossings.asKeyValueRange())
          if (!english[index].crossings.contains(key)) faults << crossing;
      }
      QVERIFY2(faults.isEmpty(), qPrintable(name + QStringLiteral(":\n") + faults.join(QLatin1Char('\n'))));
    }
  }
};

QTEST_MAIN(TranslatedLayoutTest)
#include "translated_layout_test.moc"
