#include "display/main_paint.h"

#include "display/drawing.h"
#include "display/main_layout.h"
#include "display/panels.h"
#include "display/scanner_view.h"

namespace kestravane {

namespace {

// The page for `picture`. No picture means no game is open: the title page.
Bitmap PictureBitmap(ScannerPicture picture) {
  switch (picture) {
    case ScannerPicture::Rules: return Bitmap::GameRules;
    case ScannerPicture::Keys: return Bitmap::KeyboardShortcuts;
    case ScannerPicture::Mission: return Bitmap::MissionOrders;
    case ScannerPicture::Victory: return Bitmap::Victory;
    case ScannerPicture::Defeat: return Bitmap::Defeat;
    case ScannerPicture::None: break;
  }
  return Bitmap::TitlePage;
}

}  // namespace

// Every paint draws everything, whatever was invalidated.
void PaintBoard(Surface& surface, BoardTexts& texts, Session& session) {
  DrawEtchedLine(surface, {0, 0, ClientWidth, ClientHeight});
  Draw3DFrame(surface, layout::ScannerFrame);
  if (SectorShown(session)) {
    DrawScanner(surface, texts, session);
    DrawShipMarker(surface, session.State);
  } else {
    DrawPicture(surface, PictureBitmap(session.Picture), layout::ScannerArea);
  }
  Draw3DFrame(surface, layout::StatusFrame);
  DrawWeaponsPanel(surface, texts, session.State);
  DrawEnginesPanel(surface, texts, session.State);
  DrawScannerPanel(surface, texts, session);
}

}  // namespace kestravane
