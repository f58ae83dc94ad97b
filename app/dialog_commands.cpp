// The commands that open a dialog, and what the game does with its answer.

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/file_dialogs.h"
#include "app/game_controller.h"
#include "app/main_window.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/hunt_map_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/record_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "dialogs/universe_dialog.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "platform/system.h"
#include "support/catalogue.h"
#include "support/message_box.h"

namespace kestravane {

void GameController::Options() {
  const std::optional<GameOptions> chosen = RunOptionsDialog(&window_, {settings_.Difficulty, SoundsOn()});
  window_.FocusBoard();
  if (!chosen) return;
  if (chosen->Difficulty != settings_.Difficulty) WarningBox(&window_, Text::LevelForNextGame);
  settings_.Difficulty = chosen->Difficulty;
  if (chosen->Sounds != SoundsOn()) {
    settings_.Sounds = chosen->Sounds;
    soundsFailed_ = false;
  }
  // The game in progress keeps its supplies; the level goes into the game
  // saved next and sizes the next new one.
  session_.State.Difficulty = settings_.Difficulty;
  ShowStatus(SaveSettings(settings_, settingsPath_) ? Text::OptionsSaved : Text::SettingsNotSaved);
}

void GameController::Aim() {
  ShowStatus(Text::TargetCoordinates);
  const std::optional<Quadrant> target = RunAimDialog(&window_, session_.State, settings_.AimPlacement);
  window_.FocusBoard();
  if (!target) {
    ShowStatus(Text::TargetingCanceled);
    return;
  }
  Show(AimAt(session_, *target));
  Fire();
}

void GameController::Helm() {
  ShowStatus(Text::HelmCoordinates);
  const std::optional<HelmOrders> orders = RunHelmDialog(&window_, session_.State, settings_.HelmPlacement);
  window_.FocusBoard();
  if (!orders) {
    ShowStatus(Text::HelmCanceled);
    return;
  }
  Show(SteerTo(session_, orders->Destination, orders->Axis));
}

void GameController::ScannerLog() {
  ShowStatus(Text::LogOpened);
  RunScannerLogDialog(&window_, session_.Log, session_.State.Axis, settings_.ScannerPlacement);
  window_.FocusBoard();
  ShowStatus(Text::LogClosed);
}

// The number proposed is the one New would start.
void GameController::NewByNumber() {
  const std::optional<std::uint32_t> number =
      RunUniverseDialog(&window_, session_.Random.State(), settings_.UniversePlacement);
  window_.FocusBoard();
  if (number) StartUniverse(*number);
}

void GameController::GameNumber() {
  const bool known = session_.InProgress && session_.History.Universe;
  const std::uint32_t universe = known ? *session_.History.Universe : 0;
  const QString text = known ? Tr(Text::UniverseNumberIs, universe) : Tr(Text::UniverseUnknown);
  QMessageBox box(QMessageBox::Information, Tr(Text::ProgramName), text, QMessageBox::Ok, &window_);
  const QPushButton* copy = known ? box.addButton(Tr(Text::Copy), QMessageBox::ActionRole) : nullptr;
  box.setEscapeButton(QMessageBox::Ok);
  box.exec();
  if (copy && box.clickedButton() == copy) QGuiApplication::clipboard()->setText(QString::number(universe));
  window_.FocusBoard();
}

// The dialog clears a copy; the file is cleared as it is changed at a game's
// end, so that what another copy holds meanwhile is respected.
void GameController::CaptainsRecord() {
  ::kestravane::CaptainsRecord record = records_.record();
  const Difficulty shown = lastWon_ ? record.Entries[*lastWon_].Difficulty : settings_.Difficulty;
  if (RunRecordDialog(&window_, record, shown, lastWon_, settings_.RecordPlacement)) {
    lastWon_.reset();
    ShowRecordReport(records_.Clear(platform::CalendarSeconds()));
  }
  window_.FocusBoard();
}

// Drawn from the session as a saved game holds it, so that a game opened
// from any document, in play or over, shows its map.
void GameController::HuntMap() {
  RunHuntMapDialog(&window_, session_, window_.board().pictures(), mapPlacement_,
                   [this](QWidget* owner) { return SavePictureDialog(owner, document_.Path); });
  window_.FocusBoard();
}

}  // namespace kestravane
