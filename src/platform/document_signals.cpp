#include "platform/document_signals.h"

namespace zrt {

DocumentSignals::DocumentSignals(Document& document, QObject* parent) : QObject(parent), document_(document) {
    key_ = document_.subscribe([this](const Change& change) { emit changed(change); });
}

DocumentSignals::~DocumentSignals() {
    document_.unsubscribe(key_);
}

}  // namespace zrt
