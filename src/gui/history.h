// The undo history of the window's document: Qt's QUndoStack over the
// core's document deltas. A step is recorded after a change is made (the
// delta between the document as the last step left it and as it is now),
// so every change the window makes goes through one call, whatever made
// it. The document's changed flag follows the stack's saved ("clean")
// state.
#ifndef VRQ5_GUI_HISTORY_H_
#define VRQ5_GUI_HISTORY_H_

#include <QObject>
#include <QString>
#include <QUndoStack>
#include <functional>

#include "store/document.h"
#include "store/document_delta.h"

namespace vrq5::gui {

class History : public QObject {
  Q_OBJECT

 public:
  // `show` refreshes the window after an undo or redo; its argument tells
  // whether more than the channel slots changed.
  History(Document& doc, std::function<void(bool)> show,
          QObject* parent = nullptr);
  // The stack says nothing while it goes: the window may be going too.
  ~History() override { stack_.blockSignals(true); }

  // One step for what changed since the last one; nothing when nothing
  // did. A change that leaves the document unchanged by its own rules (an
  // import, the new data of a model change) becomes the saved state.
  void Record(const QString& label);
  // A fresh history for a new or opened document.
  void Reset();
  // The document was saved as it is now.
  void MarkSaved();

  void Undo();
  void Redo();
  bool CanUndo() const { return stack_.canUndo(); }
  bool CanRedo() const { return stack_.canRedo(); }
  QUndoStack& stack() { return stack_; }

 signals:
  // Undo or redo became possible or impossible, or the saved state moved.
  void changed();

 private:
  friend class DeltaStep;
  void Apply(const DocumentDelta& delta, bool forward);

  Document& doc_;
  std::function<void(bool)> show_;
  Document base_;  // the document as the last step left it
  QUndoStack stack_;
};

}  // namespace vrq5::gui

#endif  // VRQ5_GUI_HISTORY_H_
