#pragma once

#include <optional>
#include <string>

#include "app/game_document.h"

class QWidget;

namespace kestravane {

// The Open and Save As dialogs for game documents. They start in the folder
// of the document's Path, Save As with its name, and each remembers its own
// file type choice in the document. True with the chosen file in the
// document's Path; false (cancelled) leaves the Path as it was.
bool OpenFileDialog(QWidget* owner, GameDocument& document);
bool SaveFileDialog(QWidget* owner, GameDocument& document);

// The Save As dialog for a picture of the game, a PNG file, starting in the
// folder of the game's document `documentPath`. The chosen file, or nothing
// when cancelled.
std::optional<std::string> SavePictureDialog(QWidget* owner, const std::string& documentPath);

// Qt's file dialog reads and writes a settings file of its own,
// QtProject.conf, through links and into pipes alike. The game keeps none
// of the dialog's state: Qt's settings go to a folder inside the program's
// own file, where nothing can be read or made, even by root. Called once,
// before the first dialog.
void KeepFileDialogStateNowhere();

}  // namespace kestravane
