#include <gtest/gtest.h>

#include <QLocale>
#include <QPainter>

#include "common/golden_image.h"
#include "platform/qt/picture_data.h"
#include "platform/resources.h"

using namespace kestravane;

// Every icon and bitmap as the game decodes it, side by side on magenta, so
// that the golden sheet shows where an icon lets its background through.
TEST(Resources, EveryPictureDecodesAsTheGoldenSheet) {
  std::vector<platform::Result<platform::Picture>> icons, bitmaps;
  for (const unsigned id : {1000u, 2200u, 2300u, 2400u, 2525u, 2550u, 5000u, 5001u, 5002u, 5003u, 5300u, 5500u})
    icons.push_back(platform::LoadIconResource(id));
  for (unsigned id = 10001; id <= 10200; ++id) icons.push_back(platform::LoadIconResource(id));
  for (const unsigned id : {1000u, 5000u, 5001u, 5002u, 5003u, 5004u, 5005u})
    bitmaps.push_back(platform::LoadBitmapResource(id));
  QImage sheet(20 * 34, 11 * 34 + 4 * 290, QImage::Format_RGB32);
  sheet.fill(Qt::magenta);
  QPainter painter(&sheet);
  for (std::size_t i = 0; i < icons.size() + bitmaps.size(); ++i) {
    const bool icon = i < icons.size();
    const std::size_t n = icon ? i : i - icons.size();
    const auto& picture = icon ? icons[n] : bitmaps[n];
    ASSERT_TRUE(picture) << i << " error " << picture.error();
    painter.drawImage(icon ? n % 20 * 34 : n % 2 * 340, icon ? n / 20 * 34 : 11 * 34 + n / 2 * 290,
                      picture->data()->image);
  }
  painter.end();
  EXPECT_EQ(GoldenDifference(sheet, "resource_pictures").toStdString(), "");
}

// A row for each translation: the pages and the title picture that a player
// reading it sees, where those in that language stand in for the English ones.
TEST(Resources, PagesWithWordsComeInThePlayersLanguage) {
  const QLocale playersOwn;
  // Austrian German and Canadian French find the pages of German and French.
  const char* const languages[] = {"de_AT", "es_ES", "fr_CA", "ja_JP", "pl_PL", "pt_BR", "ru_RU"};
  QImage sheet(6 * 290 + 320, static_cast<int>(std::size(languages)) * 290, QImage::Format_RGB32);
  sheet.fill(Qt::magenta);
  QPainter painter(&sheet);
  for (std::size_t row = 0; row < std::size(languages); ++row) {
    QLocale::setDefault(QLocale(QString::fromLatin1(languages[row])));
    platform::PictureStore store;
    int left = 0;
    for (const unsigned id : {5000u, 5001u, 5002u, 5003u, 5004u, 5005u, 1000u}) {
      const auto picture = store.Bitmap(id);
      ASSERT_TRUE(picture) << languages[row] << " " << id;
      painter.drawImage(left, static_cast<int>(row) * 290, (*picture)->data()->image);
      left += 290;
    }
  }
  painter.end();
  QLocale::setDefault(playersOwn);
  EXPECT_EQ(GoldenDifference(sheet, "translated_pages").toStdString(), "");
}
