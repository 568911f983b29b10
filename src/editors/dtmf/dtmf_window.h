// The DTMF window (Form2): ANI codes, rate and first-digit delay.
#pragma once

#include "app/editor_window.h"

namespace zrt {

class DtmfWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit DtmfWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

};

}  // namespace zrt
