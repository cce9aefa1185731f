#pragma once
// The application title: the caption of the general failure report. tollard sets "Tollard";
// a program that sets none gets its program file's name.
#include <QString>

namespace shell::qt {

void setApplicationTitle(const QString& title);
QString applicationTitle();

}  // namespace shell::qt
