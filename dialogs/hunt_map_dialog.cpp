#include "dialogs/hunt_map_dialog.h"

#include <QBoxLayout>
#include <QBuffer>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <string_view>

#include "dialogs/dialog_placement.h"
#include "display/hunt_map.h"
#include "platform/file.h"
#include "support/catalogue.h"
#include "support/dialog_layout.h"
#include "support/message_box.h"

namespace kestravane {

namespace {

class HuntMapDialog final : public PlacedDialog {
 public:
  HuntMapDialog(QWidget* owner, const Session& session, platform::PictureStore& pictures, Placement& placement,
                const PicturePathChooser& choosePath)
      : PlacedDialog(owner, placement),
        map_(DrawHuntMap(session.Grid, session.Log, session.State, pictures)),
        choosePath_(choosePath) {
    SetUpDialog(*this, Tr(Text::HuntMapTitle));
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* picture = new QLabel;
    picture->setPixmap(QPixmap::fromImage(map_));
    picture->setAccessibleName(Tr(Text::HuntMapTitle));
    layout->addWidget(picture);

    auto* label = new QLabel(Tr(Text::HuntMapSectors));
    auto* sectors = new QListWidget;
    label->setBuddy(sectors);
    // Qt names a field by its label, but not a list.
    sectors->setAccessibleName(WithoutMnemonic(label->text()));
    sectors->addItems(HuntMapSectorNames(session.Grid, session.Log, session.State));
    sectors->setCurrentRow(0);
    sectors->setFixedHeight(sectors->sizeHintForRow(0) * 4 + 2 * sectors->frameWidth());
    layout->addWidget(label);
    layout->addWidget(sectors);

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(Tr(Text::HuntMapSave));
    auto* close = new QPushButton(Tr(Text::Close));
    close->setDefault(true);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(save, &QPushButton::clicked, this, &HuntMapDialog::SavePicture);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    MoveToPlacement();
    // The sectors read at once to a screen reader; Enter still closes.
    sectors->setFocus(Qt::OtherFocusReason);
  }

 private:
  // The picture is written whole in place of the file, or not at all.
  void SavePicture() {
    const std::optional<std::string> path = choosePath_(this);
    if (!path) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    map_.save(&buffer, "PNG");
    const platform::Status written =
        platform::ReplaceWholeFile(*path, std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
    if (!written) WarningBox(this, Text::HuntMapSaveFailed, *path, written.error());
  }

  const QImage map_;
  const PicturePathChooser& choosePath_;
};

}  // namespace

void RunHuntMapDialog(QWidget* owner, const Session& session, platform::PictureStore& pictures, Placement& placement,
                      const PicturePathChooser& choosePath) {
  RunModal(new HuntMapDialog(owner, session, pictures, placement, choosePath),
           [](const HuntMapDialog&) { return true; });
}

}  // namespace kestravane
