// The window as laid out: every control found by name at its place, captions whole, the menu,
// the tab order.
#include <QAbstractButton>
#include <QApplication>
#include <QFontInfo>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include "windowFixture.h"

namespace tollard::test {
namespace {

constexpr int kSizedToText = -1;

struct Placed {
  const char* name;
  const char* parent;  // "client" for the window's own client area
  const char* caption;
  int left, top, width, height;  // width and height kSizedToText for labels sized to their caption
  int points;
  const char* family;  // as drawn: the symbol labels in the Greek font
};

constexpr const char* kSans = "Liberation Sans";

const Placed kPlaced[] = {
    {"GroupBox1", "client", "Input", 4, 4, 310, 164, 10, kSans},
    {"Button1", "client", "Solve", 196, 136, 75, 25, 8, kSans},
    {"GroupBox2", "client", "Output", 324, 4, 300, 164, 10, kSans},
    {"timeLabel", "client", nullptr, 4, 176, kSizedToText, kSizedToText, 10, kSans},
    {"Label28", "client", nullptr, 376, 176, kSizedToText, kSizedToText, 10, kSans},
    {"Memo1", "client", nullptr, 152, 176, 250, 300, 8, kSans},
    {"Label1", "GroupBox1", "Forging Volume", 8, 20, kSizedToText, kSizedToText, 10, kSans},
    {"Label2", "GroupBox1", "V", 132, 20, kSizedToText, kSizedToText, 10, kSans},
    {"Label3", "GroupBox1", "f", 140, 28, kSizedToText, kSizedToText, 10, kSans},
    {"forgingVolumeTextBox", "GroupBox1", "", 168, 16, 100, 24, 10, kSans},
    {"Label4", "GroupBox1", "mm", 272, 20, kSizedToText, kSizedToText, 10, kSans},
    {"Label5", "GroupBox1", "3", 294, 14, kSizedToText, kSizedToText, 10, kSans},
    {"Label6", "GroupBox1", "Material Addition", 8, 48, kSizedToText, kSizedToText, 10, kSans},
    {"Label7", "GroupBox1", "d", 132, 48, kSizedToText, kSizedToText, 10, "GreekC"},
    {"materialAdditionTextBox", "GroupBox1", "", 168, 44, 100, 24, 10, kSans},
    {"Label8", "GroupBox1", "%", 272, 48, kSizedToText, kSizedToText, 10, kSans},
    {"Label9", "GroupBox1", "Requested Ratio", 8, 76, kSizedToText, kSizedToText, 10, kSans},
    {"Label10", "GroupBox1", "l", 132, 76, kSizedToText, kSizedToText, 10, "GreekC"},
    {"Label11", "GroupBox1", "r", 140, 84, kSizedToText, kSizedToText, 10, kSans},
    {"requestedRatioTextBox", "GroupBox1", "", 168, 72, 100, 24, 10, kSans},
    {"Label12", "GroupBox1", "-", 272, 76, kSizedToText, kSizedToText, 10, kSans},
    {"Label13", "GroupBox1", "Rod Type", 8, 104, kSizedToText, kSizedToText, 10, kSans},
    {"RodTypeComboBox", "GroupBox1", "", 168, 104, 100, 24, 10, kSans},
    {"Label14", "GroupBox2", "Rod Diameter", 8, 24, kSizedToText, kSizedToText, 10, kSans},
    {"Label18", "GroupBox2", "D", 124, 24, kSizedToText, kSizedToText, 10, kSans},
    {"rodDiameterTextBox", "GroupBox2", "", 152, 20, 100, 24, 10, kSans},
    {"Label21", "GroupBox2", "mm", 256, 24, kSizedToText, kSizedToText, 10, kSans},
    {"Label15", "GroupBox2", "Rod Length", 8, 52, kSizedToText, kSizedToText, 10, kSans},
    {"Label19", "GroupBox2", "L", 124, 52, kSizedToText, kSizedToText, 10, kSans},
    {"rodLengthTextBox", "GroupBox2", "", 152, 48, 100, 24, 10, kSans},
    {"Label22", "GroupBox2", "mm", 256, 52, kSizedToText, kSizedToText, 10, kSans},
    {"Label16", "GroupBox2", "Upsetting Ratio", 8, 80, kSizedToText, kSizedToText, 10, kSans},
    {"Label20", "GroupBox2", "l", 124, 80, kSizedToText, kSizedToText, 10, "GreekC"},
    {"Label29", "GroupBox2", "u", 134, 88, kSizedToText, kSizedToText, 10, kSans},
    {"rodUpsettingRatioTextBox", "GroupBox2", "", 152, 76, 100, 24, 10, kSans},
    {"Label23", "GroupBox2", "-", 256, 80, kSizedToText, kSizedToText, 10, kSans},
    {"Label17", "GroupBox2", "Rod Volume", 8, 108, kSizedToText, kSizedToText, 10, kSans},
    {"Label24", "GroupBox2", "V", 124, 108, kSizedToText, kSizedToText, 10, kSans},
    {"Label25", "GroupBox2", "r", 132, 116, kSizedToText, kSizedToText, 10, kSans},
    {"rodVolumeTextBox", "GroupBox2", "", 152, 104, 100, 24, 10, kSans},
    {"Label26", "GroupBox2", "mm", 256, 108, kSizedToText, kSizedToText, 10, kSans},
    {"Label27", "GroupBox2", "3", 278, 104, kSizedToText, kSizedToText, 10, kSans},
};

QString captionOf(QWidget* widget) {
  if (auto* l = qobject_cast<QLabel*>(widget)) return l->text();
  if (auto* g = qobject_cast<QGroupBox*>(widget)) return g->title();
  if (auto* b = qobject_cast<QAbstractButton*>(widget)) return b->text();
  if (auto* e = qobject_cast<QLineEdit*>(widget)) return e->text();
  if (auto* c = qobject_cast<QComboBox*>(widget)) return c->currentText();
  return {};
}

class PlacedControl : public SizingWindowTest, public ::testing::WithParamInterface<Placed> {};

TEST_P(PlacedControl, StandsAtItsPlaceWithItsCaptionWhole) {
  const Placed& p = GetParam();
  QWidget* widget = control(p.name);
  ASSERT_NE(widget, nullptr);
  const QWidget* expectedParent =
      std::string(p.parent) == "client" ? form->centralWidget() : control(p.parent);
  EXPECT_EQ(widget->parentWidget(), expectedParent);
  EXPECT_EQ(widget->pos(), QPoint(p.left, p.top));
  if (p.width == kSizedToText) {
    // Sized to the caption: nothing of it cut off, neither by the label nor by its parent.
    EXPECT_GE(widget->width(), widget->sizeHint().width());
    EXPECT_GE(widget->height(), widget->sizeHint().height());
    EXPECT_LE(widget->geometry().right(), expectedParent->width() - 1);
  } else {
    EXPECT_EQ(widget->size(), QSize(p.width, p.height));
  }
  if (p.caption != nullptr) {
    EXPECT_EQ(captionOf(widget), QString::fromUtf8(p.caption));
  }
  EXPECT_EQ(widget->font().pointSize(), p.points);
  EXPECT_EQ(QFontInfo(widget->font()).family(), QString::fromLatin1(p.family));
}

INSTANTIATE_TEST_SUITE_P(Tollard, PlacedControl, ::testing::ValuesIn(kPlaced),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SizingWindowTest, WindowIsFixedWithItsCaptionPlaceAndClientArea) {
  form->show();
  EXPECT_EQ(form->windowTitle(), "Tollard v1.0");
  EXPECT_EQ(form->centralWidget()->size(), QSize(632, 196));
  EXPECT_EQ(form->size(), QSize(632, 196 + form->menuBar()->height()));
  EXPECT_EQ(form->pos(), QPoint(236, 172));
  EXPECT_EQ(form->minimumSize(), form->maximumSize());
  const Qt::WindowFlags flags = form->windowFlags();
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
  EXPECT_FALSE(form->windowIcon().isNull());
}

TEST_F(SizingWindowTest, StartsEmptyWithNoBarStandardChosen) {
  auto* rodType = control<QComboBox>("RodTypeComboBox");
  EXPECT_TRUE(rodType->isEditable());
  ASSERT_EQ(rodType->count(), 2);
  EXPECT_EQ(rodType->itemText(0), "EN 10060");
  EXPECT_EQ(rodType->itemText(1), "EN 10278");
  EXPECT_EQ(rodType->currentIndex(), -1);
  EXPECT_EQ(rodType->currentText(), "");
  EXPECT_FALSE(control<QPlainTextEdit>("Memo1")->isVisibleTo(form.get()));
  EXPECT_TRUE(memoLines().isEmpty());
  // The clock label shows the clock text from the start.
  EXPECT_TRUE(looksLikeClockText(control<QLabel>("timeLabel")->text()));
}

TEST_F(SizingWindowTest, EditBoxesAndButtonShowTheirTextUncut) {
  for (const char* name : {"forgingVolumeTextBox", "rodVolumeTextBox", "RodTypeComboBox"}) {
    QWidget* box = control(name);
    EXPECT_LE(box->minimumSizeHint().height(), box->height()) << name;
  }
  auto* button = control<QAbstractButton>("Button1");
  EXPECT_LT(button->fontMetrics().horizontalAdvance(button->text()), button->width() - 8);
  for (const char* name : {"GroupBox1", "GroupBox2"}) {
    auto* group = control<QGroupBox>(name);
    EXPECT_LT(group->fontMetrics().horizontalAdvance(group->title()), group->width() / 2);
  }
}

// The rows are placed for a frame that runs through the middle of the caption; a frame drawn
// below the caption would cut through the first row.
TEST_F(SizingWindowTest, GroupFramesRunAboveTheFirstRow) {
  for (const auto& [name, firstRowTop] : {std::pair{"GroupBox1", 16}, std::pair{"GroupBox2", 20}}) {
    auto* group = control<QGroupBox>(name);
    // Drawn without its children, at the middle, clear of the caption.
    QImage image(group->size(), QImage::Format_RGB32);
    image.fill(group->palette().color(QPalette::Window));
    group->render(&image, {}, {}, QWidget::DrawWindowBackground);
    const int x = group->width() / 2;
    const QRgb background = image.pixel(x, 0);
    int frameTop = -1;
    for (int y = 0; y < image.height() && frameTop < 0; ++y) {
      if (image.pixel(x, y) != background) frameTop = y;
    }
    EXPECT_GE(frameTop, 0) << name;
    EXPECT_LT(frameTop, firstRowTop) << name;
  }
}

TEST_F(SizingWindowTest, TabGoesThroughTheBoxesInTheirOrder) {
  activate();
  control("forgingVolumeTextBox")->setFocus();
  QStringList visited;
  for (int i = 0; i < 9; ++i) {
    QWidget* focused = QApplication::focusWidget();
    ASSERT_NE(focused, nullptr);
    // The drop-down's text field stands for the drop-down.
    if (qobject_cast<QComboBox*>(focused->parentWidget())) focused = focused->parentWidget();
    visited << focused->objectName();
    QTest::keyClick(focused, Qt::Key_Tab);
  }
  EXPECT_EQ(visited, QStringList({"forgingVolumeTextBox", "materialAdditionTextBox", "requestedRatioTextBox",
                                  "RodTypeComboBox", "Button1", "rodDiameterTextBox", "rodLengthTextBox",
                                  "rodUpsettingRatioTextBox", "rodVolumeTextBox"}));
}

struct MenuEntry {
  const char* name;
  const char* caption;  // nullptr for a separator
  const char* shortcut;
};

TEST_F(SizingWindowTest, MenusHoldTheirItemsInOrderWithShortcutsAndPictures) {
  auto entriesOf = [&](const char* menuName, const char* title, const std::vector<MenuEntry>& expected) {
    auto* menu = control<QMenu>(menuName);
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), title);
    const QList<QAction*> actions = menu->actions();
    ASSERT_EQ(actions.size(), static_cast<qsizetype>(expected.size())) << menuName;
    for (std::size_t i = 0; i < expected.size(); ++i) {
      const MenuEntry& e = expected[i];
      QAction* a = actions[static_cast<qsizetype>(i)];
      EXPECT_EQ(a->objectName(), e.name);
      EXPECT_EQ(a->isSeparator(), e.caption == nullptr) << e.name;
      if (e.caption == nullptr) continue;
      EXPECT_EQ(a->text(), e.caption);
      EXPECT_EQ(a->shortcut().toString(), e.shortcut) << e.name;
      EXPECT_FALSE(a->icon().isNull()) << e.name;
    }
  };
  entriesOf("File1", "&File",
            {{"SaveAs1", "Save", "Ctrl+S"},
             {"N2", nullptr, ""},
             {"Print1", "&Print...", "Ctrl+P"},
             {"PrintSetup1", "Print Setup...", ""},
             {"N1", nullptr, ""},
             {"Exit1", "E&xit", "Alt+F4"}});
  entriesOf("Help1", "&Help", {{"Contents1", "&Manual", ""}});
  const QList<QAction*> bar = form->menuBar()->actions();
  ASSERT_EQ(bar.size(), 2);
  EXPECT_EQ(bar[0]->text(), "&File");
  EXPECT_EQ(bar[1]->text(), "&Help");
}

}  // namespace
}  // namespace tollard::test
