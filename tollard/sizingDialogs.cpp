#include "sizingDialogs.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

namespace tollard {

void configureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request) {
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  dialog.setWindowTitle(request.title);
  dialog.setNameFilter(request.filter);
  dialog.setDefaultSuffix(request.defaultSuffix);
  // The window asks its own overwrite question after the dialog has closed.
  dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
  if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
}

std::optional<QString> QtSizingDialogs::chooseSaveFile(const SaveDialogRequest& request) {
  QFileDialog dialog(parent_);
  configureSaveDialog(dialog, request);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty()) return std::nullopt;
  return files.first();
}

bool QtSizingDialogs::choosePrinter(QPrinter& printer) {
  QPrintDialog dialog(&printer, parent_);
  return dialog.exec() == QDialog::Accepted;
}

void QtSizingDialogs::setUpPrinter(QPrinter& printer) {
  QPageSetupDialog dialog(&printer, parent_);
  dialog.exec();
}

void QtSizingDialogs::openDocument(const QString& absolutePath) {
  QDesktopServices::openUrl(QUrl::fromLocalFile(absolutePath));
}

}  // namespace tollard
