#include "memoView.h"

#include <QApplication>
#include <QClipboard>
#include <QItemSelectionModel>
#include <QKeyEvent>

#include <algorithm>
#include <vector>

namespace vennick {

MemoView::MemoView(QWidget* parent) : QListView(parent) {
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
