#include "qtMessageBoxes.h"

#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include "applicationTitle.h"

namespace shell::qt {

namespace {

constexpr const char* kAnswerProperty = "confirmationAnswer";

// A message box that places itself in the centre of its screen when shown (a plain QMessageBox
// centres on its parent window instead).
class CentredMessageBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;

 protected:
  void showEvent(QShowEvent* event) override {
    QMessageBox::showEvent(event);  // fixes the box's size first
    QScreen* screen = parentWidget() != nullptr ? parentWidget()->screen() : this->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    // The frame is known here where the platform places frames itself (offscreen); under a window
    // manager it is the bare box, a few pixels off at most.
    QRect frame = frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    move(frame.topLeft());
  }
};

std::unique_ptr<QMessageBox> newBox(QMessageBox::Icon icon, const QString& caption, const QString& text,
                                    QWidget* parent) {
  auto box = std::make_unique<CentredMessageBox>(parent);
  box->setIcon(icon);
  box->setWindowTitle(caption);
  box->setTextFormat(Qt::PlainText);
  box->setText(text);
  // setText decides wrapping by the text's format; plain text must wrap as well.
  if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) label->setWordWrap(true);
  return box;
}

// One OK button that Enter and Esc both press.
void addOkButton(QMessageBox& box) {
  QPushButton* ok = box.addButton(QMessageBox::Ok);
  box.setDefaultButton(ok);
  box.setEscapeButton(ok);
}

}  // namespace

std::unique_ptr<QMessageBox> buildErrorBox(const QString& message, QWidget* parent) {
  auto box = newBox(QMessageBox::Critical, QStringLiteral("Error"), message, parent);
  addOkButton(*box);
  QPalette palette = box->palette();
  palette.setColor(QPalette::Window, Qt::white);
  box->setPalette(palette);
  box->setAutoFillBackground(true);
  return box;
}

std::unique_ptr<QMessageBox> buildConfirmationBox(const QString& question, const QString& caption,
                                                  QWidget* parent) {
  const QString title = caption.isEmpty() ? QString::fromLatin1(shell::kConfirmCaption) : caption;
  auto box = newBox(QMessageBox::Question, title, question, parent);
  // One role for all three keeps them left to right in the order added on every platform; the
  // platform's button order would put Cancel or No first under some desktops.
  const struct {
    const char* text;
    shell::Answer answer;
  } buttons[] = {{"&Yes", shell::Answer::Yes}, {"&No", shell::Answer::No}, {"Cancel", shell::Answer::Cancel}};
  for (const auto& b : buttons) {
    QPushButton* button = box->addButton(QString::fromLatin1(b.text), QMessageBox::ActionRole);
    button->setProperty(kAnswerProperty, static_cast<int>(b.answer));
    if (b.answer == shell::Answer::Yes) box->setDefaultButton(button);
    // The escape button is also what the box's close button presses.
    if (b.answer == shell::Answer::Cancel) box->setEscapeButton(button);
  }
  return box;
}

std::unique_ptr<QMessageBox> buildFailureReport(const QString& reportText, QWidget* parent) {
  auto box = newBox(QMessageBox::Critical, applicationTitle(), reportText, parent);
  addOkButton(*box);
  return box;
}

shell::Answer confirmationAnswer(const QMessageBox& box) {
  const QAbstractButton* clicked = box.clickedButton();
  if (clicked == nullptr) return shell::Answer::Cancel;
  const QVariant answer = clicked->property(kAnswerProperty);
  return answer.isValid() ? static_cast<shell::Answer>(answer.toInt()) : shell::Answer::Cancel;
}

void QtMessageBoxes::errorBox(const std::string& message) {
  buildErrorBox(QString::fromStdString(message), parent_)->exec();
}

shell::Answer QtMessageBoxes::confirmationBox(const std::string& question, const std::string& caption) {
  const auto box = buildConfirmationBox(QString::fromStdString(question), QString::fromStdString(caption), parent_);
  box->exec();
  return confirmationAnswer(*box);
}

void QtMessageBoxes::report(const std::string& failureText) {
  buildFailureReport(QString::fromStdString(shell::failureReportText(failureText)), parent_)->exec();
}

}  // namespace shell::qt
