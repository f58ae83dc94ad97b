#include "document/file_dialogs.h"

#include <array>

#include "document/path_dir.h"
#include "platform/file_dialog.h"
#include "support/catalogue.h"
#include "support/splash.h"

namespace {

int openFilterIndex = 1;
int saveFilterIndex = 1;

std::string CatalogueText(unsigned id) {
  std::array<char, CatalogueTextSize> text;
  if (GetString(text, id) == 0) return {};
  return text.data();
}

// The filter text lists description and pattern pairs, each ended by the
// text's last character.
bool LoadFilters(unsigned filterId, platform::FileDialogOptions& options) {
  const std::string text = CatalogueText(filterId);
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

bool PrepareDialog(platform::FileDialogOptions& options, const std::string& path,
                   unsigned filterId, unsigned titleId) {
  CloseSplash();
  if (titleId) options.title = CatalogueText(titleId);
  if (!LoadFilters(filterId, options)) return false;
  options.initialDirectory = InitialDirectory(path);
  return true;
}

}  // namespace

int OpenFileDialog(platform::Window* owner, std::string& path, unsigned filterId,
                   unsigned titleId) {
  platform::FileDialogOptions options;
  if (!PrepareDialog(options, path, filterId, titleId)) return 0;
  options.filterIndex = openFilterIndex;
  std::string chosen;
  if (!platform::OpenFileDialog(owner, options, chosen)) return 0;
  path = chosen;
  openFilterIndex = options.filterIndex;
  return 1;
}

int SaveFileDialog(platform::Window* owner, std::string& path, unsigned filterId,
                   unsigned titleId, unsigned extensionId) {
  platform::FileDialogOptions options;
  if (!PrepareDialog(options, path, filterId, titleId)) return 0;
  if (extensionId) options.defaultExtension = CatalogueText(extensionId);
  options.filterIndex = saveFilterIndex;
  std::string chosen = path;
  if (!platform::SaveFileDialog(owner, options, chosen)) return 0;
  path = chosen;
  saveFilterIndex = options.filterIndex;
  return 1;
}
