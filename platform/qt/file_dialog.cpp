#include "platform/file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <algorithm>

#include "platform/qt/keyboard_return.h"
#include "platform/qt/window_impl.h"

namespace platform {
namespace {

// "*.*" means every file; Qt writes that "*". Several patterns are
// separated by semicolons in the game, by spaces in Qt.
QString NameFilter(const std::pair<std::string, std::string>& filter) {
  QStringList patterns =
      QString::fromStdString(filter.second).split(QLatin1Char(';'), Qt::SkipEmptyParts);
  for (QString& pattern : patterns) {
    pattern = pattern.trimmed();
    if (pattern == u"*.*") pattern = QStringLiteral("*");
  }
  return QStringLiteral("%1 (%2)").arg(QString::fromStdString(filter.first),
                                       patterns.join(QLatin1Char(' ')));
}

// Qt's own dialog: the same on every desktop, and one the tests can drive.
// Saving into a folder that is not there is refused before the overwrite
// question, which is Qt's.
class GameFileDialog : public QFileDialog {
 public:
  GameFileDialog(Window* owner, const FileDialogOptions& options, QFileDialog::AcceptMode mode)
      : QFileDialog(owner ? owner->widget() : nullptr) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    if (!options.title.empty()) setWindowTitle(QString::fromStdString(options.title));
    QStringList filters;
    for (const auto& filter : options.filters) filters << NameFilter(filter);
    if (!filters.isEmpty()) {
      setNameFilters(filters);
      const int index = std::clamp(options.filterIndex, 1, static_cast<int>(filters.size())) - 1;
      selectNameFilter(filters[index]);
    }
    if (!options.initialDirectory.empty()) {
      setDirectory(QString::fromStdString(options.initialDirectory));
    }
    if (mode == QFileDialog::AcceptSave && !options.defaultExtension.empty()) {
      setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    }
  }

  // The chosen filter, 1-based.
  int ChosenFilter() const {
    return static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (acceptMode() == QFileDialog::AcceptSave && !chosen.isEmpty()) {
      const QFileInfo file(chosen.front());
      if (!file.isDir() && !file.absoluteDir().exists()) {
        QMessageBox::warning(
            this, windowTitle(),
            tr("The folder %1 does not exist.").arg(QDir::toNativeSeparators(file.absolutePath())));
        return;
      }
    }
    QFileDialog::accept();
  }
};

bool RunFileDialog(GameFileDialog& dialog, FileDialogOptions& options, std::string& path) {
  const bool chosen = dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty();
  ReturnKeyboardTo(dialog.parentWidget());
  if (!chosen) return false;
  path = dialog.selectedFiles().front().toStdString();
  if (!options.filters.empty()) options.filterIndex = dialog.ChosenFilter();
  return true;
}

}  // namespace

bool OpenFileDialog(Window* owner, FileDialogOptions& options, std::string& path) {
  GameFileDialog dialog(owner, options, QFileDialog::AcceptOpen);
  return RunFileDialog(dialog, options, path);
}

bool SaveFileDialog(Window* owner, FileDialogOptions& options, std::string& path) {
  GameFileDialog dialog(owner, options, QFileDialog::AcceptSave);
  if (!path.empty()) dialog.selectFile(QString::fromStdString(path));
  return RunFileDialog(dialog, options, path);
}

}  // namespace platform
