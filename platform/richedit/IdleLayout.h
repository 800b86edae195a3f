// Lays a document out while the window is idle, in slices of a few milliseconds, so that the
// first move to the end of a large document, or a search that lands there, finds it laid out.
// Qt's own lazy layout lays out 1000 characters every 10 ms, which takes half a minute for a
// 10 MB document; until then showing the end lays out everything before it at once.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QTextDocument;

namespace richedit {

class IdleLayout : public QObject {
 public:
  // Milliseconds of layout work per slice.
  static constexpr int kSliceMs = 8;

  explicit IdleLayout(QObject* parent);
  // Lays out document from its start, slice by slice, whenever the event loop is idle.
  void Start(QTextDocument& document);
  // True once the whole document has been laid out (or there is none).
  bool Done() const;

  // The slicer of the text control's view, made on first use.
  static IdleLayout& Of(QObject& view);

 private:
  void Step();

  QPointer<QTextDocument> document_;
  int position_ = 0;
  QTimer timer_;
};

}  // namespace richedit
