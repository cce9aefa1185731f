#include "memoView.h"

#include "memoLines.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStyle>
#include <QStyledItemDelegate>

#include <algorithm>
#include <vector>

namespace vennick {

namespace {

// Every row is as wide as the longest line (the view asks one row for the size of all).
class MemoLineDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (const auto* lines = qobject_cast<const MemoLines*>(index.model())) {
      const int margin = 2 * (option.widget ? option.widget->style() : QApplication::style())
                                     ->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, option.widget) + 2;
      size.setWidth(std::max(size.width(), option.fontMetrics.horizontalAdvance(lines->longestLine()) + margin));
    }
    return size;
  }
};

}  // namespace

MemoView::MemoView(QWidget* parent) : QListView(parent) {
  setItemDelegate(new MemoLineDelegate(this));
  setUniformItemSizes(true);
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                  QAbstractItemView::AnyKeyPressed);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setTextElideMode(Qt::ElideNone);
  setWordWrap(false);
}

QString MemoView::selectedText() const {
  if (selectionModel() == nullptr || model() == nullptr) return {};
  // Ranges, not single indexes: Ctrl+A over a million lines is one range.
  std::vector<std::pair<int, int>> ranges;
  for (const QItemSelectionRange& range : selectionModel()->selection()) ranges.emplace_back(range.top(), range.bottom());
  std::sort(ranges.begin(), ranges.end());
  QString text;
  int next = 0;  // rows before it are taken already (ranges may overlap)
  bool first = true;
  for (const auto& [top, bottom] : ranges) {
    for (int row = std::max(top, next); row <= bottom; ++row) {
      if (!first) text.append(QLatin1Char('\n'));
      text.append(model()->index(row, 0).data(Qt::DisplayRole).toString());
      first = false;
    }
    next = std::max(next, bottom + 1);
  }
  return text;
}

void MemoView::copySelection() const {
  const QString text = selectedText();
  if (!text.isEmpty() || selectionModel()->hasSelection()) QApplication::clipboard()->setText(text);
}

void MemoView::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy)) {
    copySelection();
    event->accept();
    return;
  }
  QListView::keyPressEvent(event);
}

}  // namespace vennick
