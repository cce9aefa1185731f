#pragma once
// The small pictures of the five menu commands, drawn here so that they look the same on every
// desktop theme, and the program's icon.
#include <QIcon>

namespace tollard {

enum class MenuPicture { Save, Print, PrintSetup, Exit, Manual };

QIcon menuIcon(MenuPicture picture);

// The round bar of the launcher icon (embedded as :/tollard/tollard.png).
QIcon programIcon();

}  // namespace tollard
