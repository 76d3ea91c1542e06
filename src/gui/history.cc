#include "gui/history.h"

#include <QUndoCommand>

#include "gui/controls.h"

namespace vrq5::gui {

class DeltaStep : public QUndoCommand {
 public:
  DeltaStep(History& history, DocumentDelta delta, const QString& label)
      : QUndoCommand(label), history_(history), delta_(std::move(delta)) {}

  // The change is already made when the step is pushed.
  void redo() override {
    if (pushed_) history_.Apply(delta_, true);
    pushed_ = true;
  }
  void undo() override { history_.Apply(delta_, false); }

 private:
  History& history_;
  DocumentDelta delta_;
  bool pushed_ = false;
};

History::History(Document& doc, std::function<void(bool)> show, QObject* parent)
    : QObject(parent), doc_(doc), show_(std::move(show)), base_(doc) {
  stack_.setUndoLimit(200);
  connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) {
    doc_.DataChanged = clean ? 0 : -1;
    emit changed();
  });
  connect(&stack_, &QUndoStack::indexChanged, this, &History::changed);
}

void History::Record(const QString& label) {
  const bool unchanged = doc_.DataChanged == 0;
  DocumentDelta delta = MakeDelta(base_, doc_);
  if (!delta.empty()) {
    stack_.push(new DeltaStep(*this, std::move(delta), label));
    base_ = doc_;
  }
  if (unchanged) {
    stack_.setClean();
    doc_.DataChanged = 0;
  }
}

void History::Reset() {
  stack_.clear();
  base_ = doc_;
  doc_.DataChanged = 0;
  emit changed();
}

void History::MarkSaved() {
  // What changed without a step of its own belongs to the saved state.
  Record(Text("Save"));
  stack_.setClean();
  doc_.DataChanged = 0;
}

void History::Undo() {
  Record(Text("Change"));
  stack_.undo();
}

void History::Redo() { stack_.redo(); }

void History::Apply(const DocumentDelta& delta, bool forward) {
  // The changed flag follows when the stack has moved (cleanChanged).
  ApplyDelta(doc_, delta, forward);
  base_ = doc_;
  show_(delta.rest_changed);
}

}  // namespace vrq5::gui
