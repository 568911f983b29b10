// The channel window (Form1): the tables of groups A and B over the per-channel store.
#pragma once

#include "app/editor_window.h"

namespace zrt {

class ChannelWindow : public EditorWindow {
    Q_OBJECT
public:
    explicit ChannelWindow(Session& session, QWidget* parent = nullptr);

    void applyLanguage() override;
    void refresh() override;

    // Text1_LostFocus: commits an open frequency editor; the radio link runs it before a transfer.
    void commitFrequencyEditor() {}
};

}  // namespace zrt
