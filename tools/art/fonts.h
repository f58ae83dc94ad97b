#pragma once

#include <QFont>
#include <QString>

namespace kestravane::art {

// The DejaVu fonts of the fonts-dejavu-core package, and WenQuanYi Zen Hei of
// fonts-wqy-zenhei for the languages DejaVu has no letters for, loaded from
// their files so the lettering never depends on what else the machine has
// installed. Returns false when a font file is missing or unreadable.
bool LoadFonts();

// The fonts that follow write `language` (a translation's name: "de",
// "pt_BR", "ja"; empty for English).
void UseFontsFor(const QString& language);

// Lettering without smoothing, fully hinted: every stroke lands on whole
// pixels, which keeps small text crisp in 16 colours.
QFont SansFont(int pixelSize);
QFont BoldFont(int pixelSize);

}  // namespace kestravane::art
