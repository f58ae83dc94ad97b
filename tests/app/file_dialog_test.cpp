#include "app/file_dialogs.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QtTest>

#include "common/modal_driver.h"

using namespace kestravane;

// The file dialogs on the player's files, whatever their names, and on a
// settings folder where a pipe or a link waits in place of Qt's own file.
class FileDialogTest : public QObject {
  Q_OBJECT

  QTemporaryDir folder_;

  QByteArray Native(const QString& name) const { return QFile::encodeName(folder_.filePath(name)); }

 private slots:
  // As the game starts: the desktop's settings are this test's.
  void initTestCase() {
    qputenv("XDG_CONFIG_HOME", folder_.filePath("config").toUtf8());
    KeepFileDialogStateNowhere();
  }

  // A name that is not UTF-8 is saved to as it is, not as Qt reads it.
  void aChosenNameIsTheFilesOwnBytes() {
    const QByteArray odd = Native("g") + "\xff\xfe.war";
    QVERIFY(close(open(odd.constData(), O_CREAT | O_WRONLY, 0644)) == 0);
    GameDocument document{folder_.filePath("x.war").toStdString()};
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
      dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->setText(QFile::decodeName(odd));
      static_cast<QDialog*>(dialog)->accept();
    });
    QVERIFY(SaveFileDialog(nullptr, document));
    QCOMPARE(QByteArray::fromStdString(document.Path), odd);
    // Qt's clean-up reads names as UTF-8 and would leave this one behind.
    QVERIFY(unlink(odd.constData()) == 0);
  }

  // Qt's file dialog keeps no state: a pipe in place of its file, where the desktop's settings and the game's would
  // have it, is never opened (it would hang the game), and a link there to a device is never replaced.
  void theDialogsOwnSettingsAreNeitherReadNorWritten() {
    QVERIFY(QDir().mkpath(folder_.filePath("config")));
    QVERIFY(mkfifo(Native("config/QtProject.conf").constData(), 0600) == 0);
    const bool device = geteuid() == 0 && mknod(Native("device").constData(), S_IFCHR | 0600, makedev(1, 5)) == 0;
    QVERIFY(QFile::link(folder_.filePath(device ? "device" : "missing"), folder_.filePath("QtProject.conf")));
    for (int time = 0; time < 2; ++time) {
      GameDocument document{folder_.filePath("x.war").toStdString()};
      WhenModal<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
      QVERIFY(!SaveFileDialog(nullptr, document));
    }
    struct stat info {};
    QVERIFY(lstat(Native("config/QtProject.conf").constData(), &info) == 0 && S_ISFIFO(info.st_mode));
    QVERIFY(lstat(Native("QtProject.conf").constData(), &info) == 0 && S_ISLNK(info.st_mode));
    QVERIFY(!device || (stat(Native("device").constData(), &info) == 0 && S_ISCHR(info.st_mode)));
    QCOMPARE(QDir(folder_.filePath("config")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System),
             QStringList{"QtProject.conf"});
  }
};

QTEST_MAIN(FileDialogTest)
#include "file_dialog_test.moc"
