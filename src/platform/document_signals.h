// The Qt side of the document's change notifications: one signal per change, for windows to connect to.
#pragma once

#include <QObject>

#include "session/document.h"

namespace zrt {

class DocumentSignals : public QObject {
    Q_OBJECT
  public:
    // The document must outlive this object.
    explicit DocumentSignals(Document& document, QObject* parent = nullptr);
    ~DocumentSignals() override;

  signals:
    void changed(const zrt::Change& change);

  private:
    Document& document_;
    int key_ = 0;
};

}  // namespace zrt
