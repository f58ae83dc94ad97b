#include "app/file_dialogs.h"

#include "app/path_dir.h"
#include "platform/file_dialog.h"
#include "support/catalogue.h"

namespace {

// The filter text lists description and pattern pairs, each ended by the
// text's last character.
bool LoadFilters(platform::FileDialogOptions& options) {
  const std::string text = CatalogueText(Text::DocumentFilter).value_or("");
  if (text.empty()) return false;
  const char separator = text.back();
  std::string description;
  std::size_t start = 0;
  bool isPattern = false;
  for (std::size_t end; (end = text.find(separator, start)) != std::string::npos; start = end + 1) {
    std::string part = text.substr(start, end - start);
    if (isPattern) options.filters.emplace_back(description, part);
    description = std::move(part);
    isPattern = !isPattern;
  }
  return true;
}

bool PrepareDialog(platform::FileDialogOptions& options, const std::string& path, Text title) {
  platform::CloseWindowsBeforeBox();
  options.title = CatalogueText(title).value_or("");
  if (!LoadFilters(options)) return false;
  options.initialDirectory = InitialDirectory(path);
  return true;
}

}  // namespace

bool OpenFileDialog(platform::Window* owner, GameDocument& document) {
  platform::FileDialogOptions options;
  if (!PrepareDialog(options, document.Path, Text::OpenTitle)) return false;
  options.filterIndex = document.OpenFilterIndex;
  std::string chosen;
  if (!platform::OpenFileDialog(owner, options, chosen)) return false;
  document.Path = chosen;
  document.OpenFilterIndex = options.filterIndex;
  return true;
}

bool SaveFileDialog(platform::Window* owner, GameDocument& document) {
  platform::FileDialogOptions options;
  if (!PrepareDialog(options, document.Path, Text::SaveAsTitle)) return false;
  options.defaultExtension = CatalogueText(Text::DocumentExtension).value_or("");
  options.filterIndex = document.SaveFilterIndex;
  std::string chosen = document.Path;
  if (!platform::SaveFileDialog(owner, options, chosen)) return false;
  document.Path = chosen;
  document.SaveFilterIndex = options.filterIndex;
  return true;
}
