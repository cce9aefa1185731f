#include "fontInstall.h"

#include <QDir>
#include <QFontDatabase>
#include <QLabel>

#include "embeddedResources.h"
#include "saveFile.h"

namespace shell::qt {

void FontInstall::install(const QList<QLabel*>& symbolLabels) {
  QByteArray bytes = loadResource(QStringLiteral("RT_FONT"), QStringLiteral("GreekC_FONT"));
  // The folder's creation result is not looked at: a folder that cannot be made shows up as the
  // failure of the file write below, which names the file.
  if (!QDir(QString::fromLatin1(kFontFolder)).exists()) QDir().mkdir(QString::fromLatin1(kFontFolder));
  writeNewFile(QString::fromLatin1(kFontPath), bytes);
  bytes.clear();

  // A second install would otherwise leave the first registration behind.
  remove();
  // -1 (not a font) is not reported: the labels then fall back to another face.
  fontId_ = QFontDatabase::addApplicationFont(QString::fromLatin1(kFontPath));

  for (QLabel* label : symbolLabels) {
    if (label == nullptr) continue;
    QFont font = label->font();
    font.setFamilies({QString::fromLatin1(kSymbolFamily)});
    label->setFont(font);
  }
}

void FontInstall::remove() {
  // The desktop-wide font-change broadcast has no counterpart for application fonts.
  if (fontId_ >= 0) QFontDatabase::removeApplicationFont(fontId_);
  fontId_ = -1;
}

}  // namespace shell::qt
