#include "platform/richedit/IdleLayout.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

namespace richedit {

IdleLayout::IdleLayout(QObject* parent) : QObject(parent) {
  setObjectName("richedit::IdleLayout");
  timer_.setInterval(0);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Step(); });
}

void IdleLayout::Start(QTextDocument& document) {
  document_ = &document;
  position_ = 0;
  timer_.start();
}

bool IdleLayout::Done() const {
  return !timer_.isActive();
}

IdleLayout& IdleLayout::Of(QObject& view) {
  // Only the slicer carries its name among the view's children.
  QObject* slicer = view.findChild<QObject*>("richedit::IdleLayout", Qt::FindDirectChildrenOnly);
  return slicer ? *static_cast<IdleLayout*>(slicer) : *new IdleLayout(&view);
}

// Asking a block's rectangle lays the document out up to that block; the edits made meanwhile
// are Qt's to lay out, so the slicer only walks on from where it was.
void IdleLayout::Step() {
  if (!document_) {
    timer_.stop();
    return;
  }
  QAbstractTextDocumentLayout* layout = document_->documentLayout();
  QElapsedTimer slice;
  slice.start();
  QTextBlock block = document_->findBlock(position_);
  while (block.isValid() && slice.elapsed() < kSliceMs) {
    layout->blockBoundingRect(block);
    position_ = block.position() + block.length();
    block = block.next();
  }
  if (!block.isValid()) timer_.stop();
}

}  // namespace richedit
