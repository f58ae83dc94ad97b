#include <QDialog>
#include <QGroupBox>
#include <QPushButton>
#include <QtTest>

#include "support/dialog_layout.h"

using namespace kestravane;

// A dialog's controls stand at their rectangles in dialog units until their words need more room: then a control grows,
// what follows it moves along, the frame round it and the dialog keep their margins, and the rest stays.
class DialogLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void aControlGrowsForItsWordsAndWhatFollowsMovesAlong() {
    for (const int longer : {0, 1, 2}) {
      QDialog dialog;
      SetUpDialog(dialog, QStringLiteral("Layout"));
      auto* layout = new DialogLayout(&dialog, 120, 60);
      auto* frame = layout->Add(new QGroupBox(QStringLiteral(" Frame ")), {4, 4, 70, 24});
      auto* label = layout->Add(new DialogLabel(QStringLiteral("Short")), {8, 14, 60, 8});
      auto* beside = layout->Add(new QPushButton(QStringLiteral("OK")), {80, 8, 34, 14});
      auto* note = layout->Add(new QLabel(QStringLiteral("A note")), {8, 34, 104, 8});
      auto* below = layout->Add(new QPushButton(QStringLiteral("Cancel")), {80, 44, 34, 14});
      note->setWordWrap(true);
      if (longer == 1) label->setText(QString(40, u'W'));
      if (longer == 2) note->setText(QString(12, u'x').append(u' ').repeated(12));
      dialog.adjustSize();
      const auto at = [&](int x, int y, int width, int height) {
        return QRect(layout->Across(x), layout->Down(y), layout->Across(width), layout->Down(height));
      };
      const int across = std::max(0, label->NeededWidth() - layout->Across(60));
      const int down = std::max(0, note->heightForWidth(layout->Across(104)) - layout->Down(8));
      QCOMPARE(label->geometry(), at(8, 14, 60, 8).adjusted(0, 0, across, 0));
      QCOMPARE(frame->geometry(), at(4, 4, 70, 24).adjusted(0, 0, across, 0));
      QCOMPARE(beside->geometry(), at(80, 8, 34, 14).translated(across, 0));
      QCOMPARE(note->geometry(), at(8, 34, 104, 8).adjusted(0, 0, 0, down));
      QCOMPARE(below->geometry(), at(80, 44, 34, 14).translated(0, down));
      QCOMPARE(dialog.size(), QSize(layout->Across(120) + across, layout->Down(60) + down));
      QVERIFY((across > 0) == (longer == 1) && (down > 0) == (longer == 2));
    }
  }
};

QTEST_MAIN(DialogLayoutTest)
#include "dialog_layout_test.moc"
