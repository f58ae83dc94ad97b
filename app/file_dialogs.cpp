#include "app/file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSettings>
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/path_dir.h"
#include "document/game_file_format.h"
#include "support/catalogue.h"
#include "support/keyboard_return.h"

namespace kestravane {

namespace {

// The game's own files first, then every file.
QStringList NameFilters() {
  return {QStringLiteral("%1 (*.%2)").arg(Tr(Text::GameFiles), QString::fromLatin1(DocumentExtension)),
          QStringLiteral("%1 (*)").arg(Tr(Text::AllFiles))};
}

// The file the dialog chose, as the system names it. Qt reads a name that is
// not UTF-8 with its odd bytes replaced, and would write it back so, naming
// another file: such a part of the path is looked up among its folder's own
// names, and taken when one alone reads the same.
std::string NativePath(const QString& chosen) {
  const QStringList parts = chosen.split(QLatin1Char('/'));
  std::string path = QFile::encodeName(parts.front()).toStdString();
  for (const QString& part : parts.mid(1)) {
    const std::string folder = path.empty() ? "/" : path;
    path += '/';
    std::vector<std::string> matches;
    std::error_code error;
    if (part.contains(QChar::ReplacementCharacter)) {
      for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (QFile::decodeName(QByteArray::fromStdString(name)) == part) matches.push_back(name);
      }
    }
    path += matches.size() == 1 ? matches.front() : QFile::encodeName(part).toStdString();
  }
  return path;
}

// Qt's own dialog: the same on every desktop, and one the tests can drive.
// Saving into a folder that is not there is refused before the overwrite
// question, which is Qt's.
class GameFileDialog : public QFileDialog {
 public:
  GameFileDialog(QWidget* owner, const QStringList& filters, int filterIndex, const std::string& path, Text title,
                 AcceptMode mode)
      : QFileDialog(owner) {
    setOption(QFileDialog::DontUseNativeDialog);
    setAcceptMode(mode);
    setFileMode(mode == AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    setWindowTitle(Tr(title));
    setNameFilters(filters);
    selectNameFilter(filters[std::clamp(filterIndex, 1, static_cast<int>(filters.size())) - 1]);
    const std::string folder = InitialDirectory(path);
    if (!folder.empty()) setDirectory(QFile::decodeName(folder.c_str()));
  }

  // The chosen file and filter (1-based), or nothing when cancelled.
  bool Run(std::string& path, int& filterIndex) {
    const bool chosen = exec() == QDialog::Accepted && !selectedFiles().isEmpty();
    ReturnKeyboardTo(parentWidget());
    if (!chosen) return false;
    path = NativePath(selectedFiles().front());
    filterIndex = static_cast<int>(nameFilters().indexOf(selectedNameFilter())) + 1;
    return true;
  }

  void accept() override {
    const QStringList chosen = selectedFiles();
    if (acceptMode() == QFileDialog::AcceptSave && !chosen.isEmpty()) {
      const QFileInfo file(chosen.front());
      if (!file.isDir() && !file.absoluteDir().exists()) {
        QMessageBox::warning(this, windowTitle(),
                             Tr(Text::FolderMissing, QDir::toNativeSeparators(file.absolutePath()).toStdString()));
        return;
      }
    }
    QFileDialog::accept();
  }
};

}  // namespace

bool OpenFileDialog(QWidget* owner, GameDocument& document) {
  GameFileDialog dialog(owner, NameFilters(), document.OpenFilterIndex, document.Path, Text::OpenTitle,
                        QFileDialog::AcceptOpen);
  return dialog.Run(document.Path, document.OpenFilterIndex);
}

void KeepFileDialogStateNowhere() {
  const QString inside = QCoreApplication::applicationFilePath() + QStringLiteral("/settings");
  for (const QSettings::Scope scope : {QSettings::UserScope, QSettings::SystemScope})
    QSettings::setPath(QSettings::NativeFormat, scope, inside);
}

bool SaveFileDialog(QWidget* owner, GameDocument& document) {
  GameFileDialog dialog(owner, NameFilters(), document.SaveFilterIndex, document.Path, Text::SaveAsTitle,
                        QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QString::fromLatin1(DocumentExtension));
  if (!document.Path.empty()) dialog.selectFile(QFile::decodeName(document.Path.c_str()));
  return dialog.Run(document.Path, document.SaveFilterIndex);
}

std::optional<std::string> SavePictureDialog(QWidget* owner, const std::string& documentPath) {
  const QStringList filters = {QStringLiteral("%1 (*.png)").arg(Tr(Text::HuntMapPictures))};
  GameFileDialog dialog(owner, filters, 1, documentPath, Text::HuntMapSaveTitle, QFileDialog::AcceptSave);
  dialog.setDefaultSuffix(QStringLiteral("png"));
  std::string path;
  int filterIndex = 1;
  if (!dialog.Run(path, filterIndex)) return std::nullopt;
  return path;
}

}  // namespace kestravane
