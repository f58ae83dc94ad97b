#include "app/commands.h"

#include <QHash>
#include <algorithm>

#include "app/game_controller.h"
#include "app/settings.h"

namespace kestravane {

namespace {

using Game = GameController;

bool Always(const Game&) { return true; }
bool InPlay(const Game& game) { return game.InPlay(); }
// A game is open, in play or over, a page on its scanner or not.
bool Opened(const Game& game) { return game.GameOpen(); }
bool Unchecked(const Game&) { return false; }
template <ScanAxis axis>
bool Along(const Game& game) {
  return game.GameOpen() && game.Axis() == axis;
}
bool HasResult(const Game& game) { return game.HasResult(); }
bool Enlargeable(const Game& game) { return game.Zoom() < LargestZoom; }
bool Reducible(const Game& game) { return game.Zoom() > SmallestZoom; }
bool OnTop(const Game& game) { return game.TopMost(); }
bool Sounding(const Game& game) { return game.SoundsOn(); }

constexpr QKeySequence::StandardKey NoStandardKey = QKeySequence::UnknownKey;
constexpr QKeyCombination Ctrl(Qt::Key key) { return Qt::CTRL | key; }
constexpr QKeyCombination CtrlShift(Qt::Key key) { return Qt::CTRL | Qt::SHIFT | key; }

// Menu by menu, in order. Helm and Engage show Ctrl+H and Ctrl+M, the
// control characters of Backspace and Enter, which work as well. Exit keeps
// Ctrl+Q where a desktop has no key to quit. Zoom In takes Ctrl+= too, the
// same key as Ctrl++ without Shift on many keyboards.
constexpr CommandEntry Table[] = {
    {Command::New, Text::GameMenu, Text::NewItem, Text::NewHelp, QKeySequence::New, {}, false, Always, Unchecked,
     [](Game& game) { game.New(); }, false},
    {Command::NewByNumber, Text::GameMenu, Text::NewByNumberItem, Text::NewByNumberHelp, NoStandardKey, {}, false,
     Always, Unchecked, [](Game& game) { game.NewByNumber(); }, false},
    {Command::TodaysUniverse, Text::GameMenu, Text::TodaysUniverseItem, Text::TodaysUniverseHelp, NoStandardKey, {},
     false, Always, Unchecked, [](Game& game) { game.TodaysUniverse(); }, false},
    {Command::Open, Text::GameMenu, Text::OpenItem, Text::OpenHelp, QKeySequence::Open, {}, false, Always, Unchecked,
     [](Game& game) { game.Open(); }, false},
    {Command::Close, Text::GameMenu, Text::CloseItem, Text::CloseHelp, NoStandardKey, {}, false, InPlay, Unchecked,
     [](Game& game) { game.Close(); }, false},
    {Command::Save, Text::GameMenu, Text::SaveItem, Text::SaveHelp, QKeySequence::Save, {}, false, InPlay, Unchecked,
     [](Game& game) { game.Save(); }, false},
    {Command::GameNumber, Text::GameMenu, Text::GameNumberItem, Text::GameNumberHelp, NoStandardKey, {}, true,
     Always, Unchecked, [](Game& game) { game.GameNumber(); }, false},
    {Command::CaptainsRecord, Text::GameMenu, Text::CaptainsRecordItem, Text::CaptainsRecordHelp, NoStandardKey, {},
     false, Always, Unchecked, [](Game& game) { game.CaptainsRecord(); }, false},
    {Command::CopyResult, Text::GameMenu, Text::CopyResultItem, Text::CopyResultHelp, NoStandardKey,
     {CtrlShift(Qt::Key_C)}, false, HasResult, Unchecked, [](Game& game) { game.CopyResult(); }, true},
    {Command::HuntMap, Text::GameMenu, Text::HuntMapItem, Text::HuntMapHelp, NoStandardKey, {Ctrl(Qt::Key_U)}, false,
     Opened, Unchecked, [](Game& game) { game.HuntMap(); }, false},
    {Command::Options, Text::GameMenu, Text::OptionsItem, Text::OptionsHelp, NoStandardKey, {}, true, Always,
     Unchecked, [](Game& game) { game.Options(); }, false},
    {Command::Exit, Text::GameMenu, Text::ExitItem, Text::ExitHelp, NoStandardKey, {Ctrl(Qt::Key_Q)}, true, Always,
     Unchecked, [](Game& game) { game.Exit(); }, false},
    {Command::ScanZ, Text::ViewMenu, Text::ScanZItem, Text::ScanZHelp, NoStandardKey, {Ctrl(Qt::Key_Z)}, false,
     InPlay, Along<ScanAxis::Z>, [](Game& game) { game.Scan(ScanAxis::Z); }, false},
    {Command::ScanY, Text::ViewMenu, Text::ScanYItem, Text::ScanYHelp, NoStandardKey, {Ctrl(Qt::Key_Y)}, false,
     InPlay, Along<ScanAxis::Y>, [](Game& game) { game.Scan(ScanAxis::Y); }, false},
    {Command::ScanX, Text::ViewMenu, Text::ScanXItem, Text::ScanXHelp, NoStandardKey, {Ctrl(Qt::Key_X)}, false,
     InPlay, Along<ScanAxis::X>, [](Game& game) { game.Scan(ScanAxis::X); }, false},
    {Command::ScannerLog, Text::ViewMenu, Text::ScannerLogItem, Text::ScannerLogHelp, NoStandardKey,
     {Ctrl(Qt::Key_L)}, true, InPlay, Unchecked, [](Game& game) { game.ScannerLog(); }, false},
    {Command::ZoomIn, Text::ViewMenu, Text::ZoomInItem, Text::ZoomInHelp, NoStandardKey,
     {Ctrl(Qt::Key_Plus), Ctrl(Qt::Key_Equal)}, true, Enlargeable, Unchecked,
     [](Game& game) { game.ZoomTo(game.Zoom() + 1); }, false},
    {Command::ZoomOut, Text::ViewMenu, Text::ZoomOutItem, Text::ZoomOutHelp, NoStandardKey, {Ctrl(Qt::Key_Minus)},
     false, Reducible, Unchecked, [](Game& game) { game.ZoomTo(game.Zoom() - 1); }, false},
    {Command::ActualSize, Text::ViewMenu, Text::ActualSizeItem, Text::ActualSizeHelp, NoStandardKey,
     {Ctrl(Qt::Key_0)}, false, Always, Unchecked, [](Game& game) { game.ZoomTo(SmallestZoom); }, false},
    {Command::TopMost, Text::ViewMenu, Text::TopMostItem, Text::TopMostHelp, NoStandardKey, {}, true, Always, OnTop,
     [](Game& game) { game.ToggleTopMost(); }, false},
    {Command::Aim, Text::ShipMenu, Text::AimItem, Text::AimHelp, NoStandardKey, {Ctrl(Qt::Key_A)}, false, InPlay,
     Unchecked, [](Game& game) { game.Aim(); }, true},
    {Command::Fire, Text::ShipMenu, Text::FireItem, Text::FireHelp, NoStandardKey, {Ctrl(Qt::Key_F)}, false, InPlay,
     Unchecked, [](Game& game) { game.Fire(); }, true},
    {Command::Helm, Text::ShipMenu, Text::HelmItem, Text::HelmHelp, NoStandardKey,
     {Ctrl(Qt::Key_H), Qt::Key_Backspace}, true, InPlay, Unchecked, [](Game& game) { game.Helm(); }, true},
    {Command::Engage, Text::ShipMenu, Text::EngageItem, Text::EngageHelp, NoStandardKey,
     {Ctrl(Qt::Key_M), Qt::Key_Return, Qt::Key_Enter}, false, InPlay, Unchecked, [](Game& game) { game.Engage(); },
     true},
    {Command::Reverse, Text::ShipMenu, Text::ReverseItem, Text::ReverseHelp, NoStandardKey, {Ctrl(Qt::Key_R)},
     false, InPlay, Unchecked, [](Game& game) { game.Reverse(); }, true},
    {Command::Sounds, Text::ShipMenu, Text::SoundsItem, Text::SoundsHelp, NoStandardKey, {}, true, Always, Sounding,
     [](Game& game) { game.ToggleSounds(); }, false},
    {Command::GameRules, Text::HelpMenu, Text::GameRulesItem, Text::GameRulesHelp, NoStandardKey, {}, false, InPlay,
     Unchecked, [](Game& game) { game.ShowPage(ScannerPicture::Rules); }, false},
    {Command::KeyboardShortcuts, Text::HelpMenu, Text::KeyboardShortcutsItem, Text::KeyboardShortcutsHelp,
     NoStandardKey, {}, false, InPlay, Unchecked, [](Game& game) { game.ShowPage(ScannerPicture::Keys); }, false},
    {Command::MissionOrders, Text::HelpMenu, Text::MissionOrdersItem, Text::MissionOrdersHelp, NoStandardKey, {},
     false, InPlay, Unchecked, [](Game& game) { game.ShowPage(ScannerPicture::Mission); }, false},
    {Command::About, Text::HelpMenu, Text::AboutItem, Text::AboutHelp, NoStandardKey, {}, true, Always, Unchecked,
     [](Game& game) { game.About(); }, false},
};

// The same in play and in diagnostics.
constexpr KeyAction Both(void (*action)(Game&), bool fires = false) { return {action, action, fires}; }

void Commander(Game& game) { game.Commander(); }

}  // namespace

std::span<const CommandEntry> Commands() { return Table; }

const CommandEntry& EntryOf(Command command) {
  return *std::find_if(std::begin(Table), std::end(Table),
                       [command](const CommandEntry& entry) { return entry.command == command; });
}

// Letters count whatever Shift, Caps Lock or Ctrl say; a shortcut that can
// be chosen goes to its command before it comes here.
const KeyAction* ActionOfKey(int key) {
  static const QHash<int, KeyAction> keys = {
      {Qt::Key_Space, Both([](Game& game) { game.Fire(); }, true)},
      {Qt::Key_F, Both([](Game& game) { game.Fire(); }, true)},
      {Qt::Key_A, Both([](Game& game) { game.Aim(); })},
      {Qt::Key_H, Both([](Game& game) { game.Helm(); })},
      {Qt::Key_L, Both([](Game& game) { game.ScannerLog(); })},
      {Qt::Key_R, Both([](Game& game) { game.Reverse(); })},
      {Qt::Key_X, Both([](Game& game) { game.Scan(ScanAxis::X); })},
      {Qt::Key_Y, Both([](Game& game) { game.Scan(ScanAxis::Y); })},
      {Qt::Key_Z, Both([](Game& game) { game.Scan(ScanAxis::Z); })},
      {Qt::Key_D, Both([](Game& game) { game.ToggleDiagnostics(); })},
      {Qt::Key_E, {[](Game& game) { game.Engage(); }, [](Game& game) { game.Select(DiagnosticsSystem::Fuel); }}},
      {Qt::Key_W, {Commander, [](Game& game) { game.Select(DiagnosticsSystem::Missiles); }}},
      {Qt::Key_S, {Commander, [](Game& game) { game.ToggleTracing(); }}},
      {Qt::Key_Up, {[](Game& game) { game.MoveTarget(-1, 0); }, [](Game& game) { game.Adjust(true); }}},
      {Qt::Key_Right, {[](Game& game) { game.MoveTarget(0, 1); }, [](Game& game) { game.Adjust(true); }}},
      {Qt::Key_Left, {[](Game& game) { game.MoveTarget(0, -1); }, [](Game& game) { game.Adjust(false); }}},
      {Qt::Key_Down, {[](Game& game) { game.MoveTarget(1, 0); }, [](Game& game) { game.Adjust(false); }}},
  };
  const auto found = keys.constFind(key);
  return found == keys.constEnd() ? nullptr : &*found;
}

}  // namespace kestravane
