// The commands that open a dialog, and what the game does with its answer.

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>

#include "app/game_controller.h"
#include "app/main_window.h"
#include "app/show_outcome.h"
#include "dialogs/aim_dialog.h"
#include "dialogs/helm_dialog.h"
#include "dialogs/options_dialog.h"
#include "dialogs/record_dialog.h"
#include "dialogs/scanner_log_dialog.h"
#include "dialogs/universe_dialog.h"
#include "engine/navigation.h"
#include "engine/targeting.h"
#include "support/catalogue.h"
#include "support/form.h"
#include "support/message_box.h"

namespace kestravane {

void GameController::ChangeOptions() {
  const std::optional<GameOptions> chosen = RunOptionsDialog(&window_, {settings_.Difficulty, SoundsOn()});
  window_.FocusBoard();
  if (!chosen) return;
  if (chosen->Difficulty != settings_.Difficulty) WarningBox(&window_, Text::ProgramName, Text::LevelForNextGame);
  settings_.Difficulty = chosen->Difficulty;
  if (chosen->Sounds != SoundsOn()) {
    settings_.Sounds = chosen->Sounds;
    soundsFailed_ = false;
  }
  window_.board().Invalidate();
  // The game in progress keeps its supplies; the level goes into the game
  // saved next and sizes the next new one.
  session_.State.Difficulty = settings_.Difficulty;
  window_.ShowStatus(SaveSettings(settings_, settingsPath_) ? Text::OptionsSaved : Text::SettingsNotSaved);
}

void GameController::AimAndFire() {
  window_.ShowStatus(Text::TargetCoordinates);
  const std::optional<Quadrant> target = RunAimDialog(&window_, session_.State, settings_.AimPlacement);
  window_.FocusBoard();
  if (!target) {
    window_.ShowStatus(Text::TargetingCanceled);
    window_.board().Invalidate();
    return;
  }
  Show(AimAt(session_, *target));
  FireAtTarget();
}

void GameController::SteerByHelm() {
  window_.ShowStatus(Text::HelmCoordinates);
  const std::optional<HelmOrders> orders = RunHelmDialog(&window_, session_.State, settings_.HelmPlacement);
  window_.FocusBoard();
  if (!orders) {
    window_.ShowStatus(Text::HelmCanceled);
    window_.board().Invalidate();
    return;
  }
  Show(SteerTo(session_, orders->Destination, orders->Axis));
}

void GameController::ViewScannerLog() {
  window_.ShowStatus(Text::LogOpened);
  RunScannerLogDialog(&window_, session_.Log, session_.State.Axis, settings_.ScannerPlacement);
  window_.FocusBoard();
  window_.board().Invalidate();
  window_.ShowStatus(Text::LogClosed);
}

void GameController::StartUniverse(std::uint32_t number) {
  RunDocumentCommand([number](DocumentContext& context) { return NewGameInUniverse(context, number); });
}

// The number proposed is the one New would start.
void GameController::NewByNumber() {
  const std::optional<std::uint32_t> number =
      RunUniverseDialog(&window_, session_.Random.State(), settings_.UniversePlacement);
  window_.FocusBoard();
  if (number) StartUniverse(*number);
}

void GameController::ShowGameNumber() {
  const bool known = session_.InProgress && session_.History.Universe;
  const std::uint32_t universe = known ? *session_.History.Universe : 0;
  const std::optional<std::string> caption = CatalogueText(Text::ProgramName);
  const std::optional<std::string> text =
      known ? CatalogueLine(Text::UniverseNumberIs, universe) : CatalogueText(Text::UniverseUnknown);
  if (!caption || !text) return;
  QMessageBox box(QMessageBox::Information, FromGameText(*caption), FromGameText(*text), QMessageBox::Ok, &window_);
  const QPushButton* copy = known ? box.addButton(QStringLiteral("&Copy"), QMessageBox::ActionRole) : nullptr;
  box.exec();
  if (copy && box.clickedButton() == copy) QGuiApplication::clipboard()->setText(QString::number(universe));
  window_.FocusBoard();
}

// The dialog clears a copy; the file is cleared as it is changed at a game's
// end, so that what another copy holds meanwhile is respected.
void GameController::ViewCaptainsRecord() {
  CaptainsRecord record = records_.record();
  const Difficulty shown = lastWon_ ? record.Entries[*lastWon_].Difficulty : settings_.Difficulty;
  if (RunRecordDialog(&window_, record, shown, lastWon_)) {
    lastWon_.reset();
    ShowRecordReport(records_.Clear(platform::CalendarSeconds()));
  }
  window_.FocusBoard();
}

}  // namespace kestravane
