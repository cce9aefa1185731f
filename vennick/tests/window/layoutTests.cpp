// The press window as it opens: its frame, every control where the layout puts it, the state
// at start, the focus order and captions that are not clipped.
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include "folderBrowser/driveComboBox.h"
#include "memo/memoLines.h"
#include "windowTestSupport.h"

namespace vennick::testing {
namespace {

TEST_F(WindowTest, OpensAsAFixedDialogFrameWithoutMenu) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Vennick"));
  EXPECT_EQ(window->size(), QSize(742, 446));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_EQ(window->pos(), QPoint(191, 125));
  const Qt::WindowFlags flags = window->windowFlags();
  EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
  EXPECT_EQ(window->findChild<QMenuBar*>(), nullptr);
}

TEST_F(WindowTest, StartState) {
  auto* press = find<QComboBox>("crankPressTypeComboBox");
  EXPECT_TRUE(press->isEditable());
  EXPECT_EQ(press->currentText(), QString());
  EXPECT_EQ(press->currentIndex(), -1);
  ASSERT_EQ(press->count(), 3);
  EXPECT_EQ(press->itemText(0), QStringLiteral("LZK 2500"));
  EXPECT_EQ(press->itemText(1), QStringLiteral("LDO 315A"));
  EXPECT_EQ(press->itemText(2), QStringLiteral("User defined"));
  for (const char* name : {"connectingRodLengthTextBox", "crankshaftStrokeTextBox", "revolveRateTextBox"}) {
    EXPECT_TRUE(find<QLineEdit>(name)->isEnabled()) << name;
    EXPECT_EQ(find<QLineEdit>(name)->text(), QString()) << name;
  }
  EXPECT_TRUE(find<QRadioButton>("velocityRadioButton")->isChecked());
  EXPECT_FALSE(find<QRadioButton>("displacementRadioButton")->isChecked());
  EXPECT_FALSE(find<QRadioButton>("accelerationRadioButton")->isChecked());
  EXPECT_EQ(window->operationCount(), 1);
  EXPECT_EQ(window->memoLines().lines(), QStringList{QStringLiteral("Memo1")});
  EXPECT_EQ(find<QListView>("Memo1")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
  EXPECT_EQ(focusName(), QStringLiteral("DriveComboBox1"));
  EXPECT_TRUE(boxes.errors.empty());
  EXPECT_TRUE(boxes.reports.empty());
}

TEST_F(WindowTest, OnlyTheTwoColumnHeadingsHaveHints) {
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    if (widget->objectName() == QLatin1String("Label23")) {
      EXPECT_EQ(widget->toolTip(), QStringLiteral("Default is 0.0"));
    } else if (widget->objectName() == QLatin1String("Label16")) {
      EXPECT_EQ(widget->toolTip(), QStringLiteral("Deafult is 1"));
    } else {
      EXPECT_EQ(widget->toolTip(), QString()) << widget->objectName().toStdString();
    }
  }
}

// Where each control stands, relative to its parent. Labels size themselves to their caption,
// so for them the table gives the top-left corner (or the right edge) and the least size.
enum class Fit { Exact, Grows, RightEdge };
struct Place {
  const char* name;
  const char* parent;
  int x, y, w, h;
  int points;  // 8 is the window font, 10 the larger captions
  Fit fit;
};

class ControlPlace : public vennick::testing::WindowTest, public ::testing::WithParamInterface<Place> {};

TEST_P(ControlPlace, StandsWhereTheLayoutPutsIt) {
  const Place& p = GetParam();
  QWidget* control = find(p.name);
  ASSERT_NE(control, nullptr);
  ASSERT_NE(control->parentWidget(), nullptr);
  EXPECT_EQ(control->parentWidget()->objectName(), QString::fromLatin1(p.parent));
  const QRect g = control->geometry();
  switch (p.fit) {
    case Fit::Exact:
      EXPECT_EQ(g, QRect(p.x, p.y, p.w, p.h));
      break;
    case Fit::Grows:
      EXPECT_EQ(g.topLeft(), QPoint(p.x, p.y));
      EXPECT_GE(g.width(), p.w);
      EXPECT_GE(g.height(), p.h);
      break;
    case Fit::RightEdge:
      EXPECT_EQ(g.x() + g.width(), p.x + p.w);
      EXPECT_EQ(g.y(), p.y);
      break;
  }
  EXPECT_EQ(control->font().pointSize(), p.points);
  EXPECT_TRUE(control->isVisible());
}

constexpr const char* kWindow = "";
constexpr const char* kGroup = "GroupBox1";
constexpr const char* kPanel = "Panel1";
constexpr const char* kRows = "operationsRowsPanel";

INSTANTIATE_TEST_SUITE_P(
    Layout, ControlPlace,
    ::testing::Values(Place{"Label1", kWindow, 12, 12, 104, 16, 10, Fit::Grows},
                      Place{"crankPressTypeComboBox", kWindow, 220, 12, 90, 21, 8, Fit::Exact},
                      Place{"GroupBox1", kWindow, 12, 36, 300, 128, 8, Fit::Exact},
                      Place{"Label2", kGroup, 4, 16, 70, 32, 10, Fit::Grows},
                      Place{"Label3", kGroup, 104, 24, 3, 16, 10, Fit::Grows},
                      Place{"Label4", kGroup, 108, 28, 9, 13, 8, Fit::Grows},
                      Place{"connectingRodLengthTextBox", kGroup, 152, 20, 60, 21, 8, Fit::Exact},
                      Place{"Label5", kGroup, 252, 24, 30, 16, 10, Fit::Grows},
                      Place{"Label6", kGroup, 4, 52, 63, 32, 10, Fit::Grows},
                      Place{"Label7", kGroup, 104, 56, 6, 16, 10, Fit::Grows},
                      Place{"crankshaftStrokeTextBox", kGroup, 152, 52, 60, 21, 8, Fit::Exact},
                      Place{"Label8", kGroup, 252, 56, 30, 16, 10, Fit::Grows},
                      Place{"Label9", kGroup, 4, 88, 51, 32, 10, Fit::Grows},
                      Place{"Label10", kGroup, 104, 92, 7, 16, 10, Fit::Grows},
                      Place{"revolveRateTextBox", kGroup, 152, 88, 60, 21, 8, Fit::Exact},
                      Place{"Label11", kGroup, 248, 92, 25, 16, 10, Fit::Grows},
                      Place{"Label12", kGroup, 272, 88, 11, 16, 10, Fit::Grows},
                      Place{"Label18", kGroup, 284, 92, 4, 16, 10, Fit::Grows},
                      Place{"Panel1", kWindow, 16, 168, 105, 60, 8, Fit::Exact},
                      Place{"displacementRadioButton", kPanel, 0, 0, 113, 17, 10, Fit::Exact},
                      Place{"velocityRadioButton", kPanel, 0, 20, 113, 17, 10, Fit::Exact},
                      Place{"accelerationRadioButton", kPanel, 0, 40, 113, 17, 10, Fit::Exact},
                      Place{"Label13", kWindow, 128, 168, 56, 16, 10, Fit::Grows},
                      Place{"precisionLabel", kWindow, 300, 168, 7, 16, 10, Fit::RightEdge},
                      Place{"precisionScrollBar", kWindow, 128, 188, 180, 17, 8, Fit::Exact},
                      Place{"addOperationButton", kWindow, 320, 172, 73, 41, 10, Fit::Exact},
                      Place{"removeOperationButton", kWindow, 404, 172, 73, 41, 10, Fit::Exact},
                      Place{"Button1", kWindow, 488, 172, 77, 41, 10, Fit::Exact},
                      Place{"operationsSettingsGroupBox", kWindow, 320, 40, 400, 124, 8, Fit::Exact},
                      Place{"Label14", kRows, 108, 8, 10, 16, 10, Fit::Grows},
                      Place{"Label15", kRows, 120, 8, 7, 16, 10, Fit::Grows},
                      Place{"Label21", kRows, 132, 8, 30, 16, 10, Fit::Grows},
                      Place{"operation1Label", kRows, 4, 44, 77, 16, 10, Fit::Grows},
                      Place{"deltaH1TextBox", kRows, 104, 40, 60, 21, 8, Fit::Exact},
                      Place{"nbrOfDivisionLoad1TextBox", kRows, 176, 40, 48, 21, 8, Fit::Exact},
                      Place{"unloadTime1TextBox", kRows, 240, 40, 48, 21, 8, Fit::Exact},
                      Place{"nbrOfDivisionUnload1TextBox", kRows, 300, 40, 48, 21, 8, Fit::Exact},
                      Place{"DriveComboBox1", kWindow, 12, 232, 145, 19, 8, Fit::Exact},
                      Place{"DirectoryListBox1", kWindow, 12, 252, 145, 153, 8, Fit::Exact},
                      Place{"FileListBox1", kWindow, 168, 232, 145, 145, 8, Fit::Exact},
                      Place{"FilterComboBox1", kWindow, 168, 384, 145, 21, 8, Fit::Exact},
                      Place{"Memo1", kWindow, 388, 264, 201, 89, 8, Fit::Exact},
                      Place{"timeLabel", kWindow, 8, 424, 59, 16, 10, Fit::Grows},
                      Place{"copyrightLabel", kWindow, 485, 424, 248, 16, 10, Fit::RightEdge}),
    [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

// The three centred, wrapped headings keep their centre when the caption needs more room.
struct Heading {
  const char* name;
  int centre;  // x of the centre in the rows panel
};

class CentredHeading : public vennick::testing::WindowTest, public ::testing::WithParamInterface<Heading> {};

TEST_P(CentredHeading, KeepsItsCentreAndWrapsBetweenWords) {
  auto* label = find<QLabel>(GetParam().name);
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->wordWrap());
  EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
  EXPECT_NEAR(label->geometry().center().x(), GetParam().centre, 1);
  EXPECT_LE(label->heightForWidth(label->width()), label->height());
}

INSTANTIATE_TEST_SUITE_P(Headings, CentredHeading,
                         ::testing::Values(Heading{"Label22", 176 + 23}, Heading{"Label23", 236 + 23},
                                           Heading{"Label16", 300 + 23}),
                         [](const ::testing::TestParamInfo<Heading>& info) { return std::string(info.param.name); });

TEST_F(WindowTest, NoCaptionIsClipped) {
  for (auto* label : window->findChildren<QLabel*>()) {
    if (label->objectName() == QLatin1String("timeLabel")) continue;  // checked with its clock text below
    const QSize room = label->size();
    if (label->wordWrap()) {
      EXPECT_LE(label->heightForWidth(room.width()), room.height()) << label->objectName().toStdString();
    } else {
      EXPECT_LE(label->sizeHint().width(), room.width()) << label->objectName().toStdString();
      EXPECT_LE(label->sizeHint().height(), room.height()) << label->objectName().toStdString();
    }
  }
  auto* clock = find<QLabel>("timeLabel");
  EXPECT_LE(clock->sizeHint().width(), clock->width()) << clock->text().toStdString();
  for (auto* button : window->findChildren<QPushButton*>()) {
    const QFontMetrics metrics(button->font());
    const QRect text = metrics.boundingRect(QRect(), Qt::AlignCenter, button->text());
    EXPECT_LE(text.width(), button->width() - 8) << button->accessibleName().toStdString();
    EXPECT_LE(text.height(), button->height() - 4) << button->accessibleName().toStdString();
  }
  for (auto* radio : window->findChildren<QRadioButton*>())
    EXPECT_LE(radio->sizeHint().width(), radio->parentWidget()->width() - radio->x()) << radio->text().toStdString();
}

TEST_F(WindowTest, TheInputFrameRunsAboveTheFirstRow) {
  // Drawn without its controls, at the middle of its width, clear of the caption: a frame below
  // the caption would cut through the rod length's label at the top of 16.
  auto* group = find("GroupBox1");
  QImage image(group->size(), QImage::Format_RGB32);
  image.fill(group->palette().color(QPalette::Window));
  group->render(&image, {}, {}, QWidget::DrawWindowBackground);
  const int x = group->width() / 2;
  int frameTop = -1;
  for (int y = 0; y < image.height() && frameTop < 0; ++y) {
    if (image.pixel(x, y) != image.pixel(x, 0)) frameTop = y;
  }
  EXPECT_GE(frameTop, 0);
  EXPECT_LT(frameTop, 16);
}

TEST_F(WindowTest, ButtonsWrapTheirCaptionsBetweenWords) {
  EXPECT_EQ(find<QPushButton>("addOperationButton")->text(), QStringLiteral("Add\noperation"));
  EXPECT_EQ(find<QPushButton>("removeOperationButton")->text(), QStringLiteral("Remove\noperation"));
  EXPECT_EQ(find<QPushButton>("Button1")->text(), QStringLiteral("Solve"));
}

TEST_F(WindowTest, TabRunsThroughTheControlsInTheirOrder) {
  // Filled machine inputs, so that leaving them refuses nothing.
  find<QLineEdit>("connectingRodLengthTextBox")->setText(QStringLiteral("1070"));
  find<QLineEdit>("crankshaftStrokeTextBox")->setText(QStringLiteral("320"));
  find<QLineEdit>("revolveRateTextBox")->setText(QStringLiteral("70"));
  QStringList visited{focusName()};
  for (int i = 0; i < 30; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (focusName() == visited.front()) break;
    visited.append(focusName());
  }
  const QStringList expected{"DriveComboBox1",
                             "FilterComboBox1",
                             "FileListBox1",
                             "DirectoryListBox1",
                             "connectingRodLengthTextBox",
                             "crankshaftStrokeTextBox",
                             "revolveRateTextBox",
                             "crankPressTypeComboBox",
                             "velocityRadioButton",
                             "precisionScrollBar",
                             "Button1",
                             "addOperationButton",
                             "removeOperationButton",
                             "deltaH1TextBox",
                             "nbrOfDivisionLoad1TextBox",
                             "unloadTime1TextBox",
                             "nbrOfDivisionUnload1TextBox",
                             "Memo1"};
  EXPECT_EQ(visited, expected);
  EXPECT_TRUE(boxes.errors.empty());
}

TEST_F(WindowTest, DeltaOfTheHeightHeadingIsDrawnInTheSymbolFont) {
  auto* delta = find<QLabel>("Label14");
  EXPECT_EQ(delta->text(), QStringLiteral("D"));
  EXPECT_EQ(QFontInfo(delta->font()).family(), QStringLiteral("GreekC"));
  EXPECT_EQ(delta->font().pointSize(), 10);
  // No other label of the window uses it.
  for (auto* label : window->findChildren<QLabel*>()) {
    if (label != delta) {
      EXPECT_NE(QFontInfo(label->font()).family(), QStringLiteral("GreekC")) << label->objectName().toStdString();
    }
  }
}

TEST_F(WindowTest, DriveListNamesVolumesInUpperCase) {
  auto* drives = find<DriveComboBox>("DriveComboBox1");
  ASSERT_EQ(drives->count(), 1);
  EXPECT_EQ(drives->itemText(0), QStringLiteral("/  [SYSTEM]"));
}

}  // namespace
}  // namespace vennick::testing
