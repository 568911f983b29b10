// The undo journal: turns the edits of the document into user steps, each the values of the parts it touched
// before and after (and both memory images, which the encode builds on), so that going back gives the earlier
// encode byte for byte. It keeps no history itself: whoever listens (the shell's undo stack) keeps the steps
// and asks for a snapshot to be put back.
#pragma once

#include <bitset>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "config/configuration.h"
#include "image/memory_image.h"
#include "session/document.h"

namespace zrt {

class Session;

// The values of some parts of a session. Channels are kept one record at a time (only those an edit touched).
struct Snapshot {
    std::uint16_t parts = 0;  // Part bits held below
    std::vector<std::pair<int, Channel>> channels;
    std::optional<Features> features;  // Part::Features and Part::Vfos
    std::optional<FmStore> fm;         // Part::Fm, with the FM window's working copy
    std::optional<FmWorkingCopy> fmWindow;
    std::optional<Calibration> calib;
    std::optional<Dtmf> dtmf;
    std::optional<BandState> band;
    std::shared_ptr<const MemoryImage> imageIn;
    std::shared_ptr<const MemoryImage> imageOut;

    bool sameValues(const Snapshot& other) const;
};

struct Step {
    StepName name;
    const void* origin = nullptr;  // the window that made the edits
    Snapshot before;
    Snapshot after;
};

class EditJournal : public EditHook {
  public:
    using StepListener = std::function<void(Step)>;

    explicit EditJournal(Session& session);
    EditJournal(const EditJournal&) = delete;
    EditJournal& operator=(const EditJournal&) = delete;

    // Without a listener the journal keeps nothing (the command line, copies of a session).
    void setListener(StepListener listener) { listener_ = std::move(listener); }
    bool recording() const { return static_cast<bool>(listener_); }

    // Several edits as one step (a paste, a fill, one drag of a slider, an Open): every edit until the
    // matching end() belongs to it. Groups nest; the outermost name wins. imageInBefore: what the step gives
    // back as the kept image when it was replaced before the step began (a read fills it byte by byte).
    void begin(StepName name, const MemoryImage* imageInBefore = nullptr);
    void end();

    // Puts the values of a snapshot back, through the document (every observer redraws what it names);
    // nothing is recorded while it does.
    void restore(const Snapshot& snapshot);

    void willEdit(const Change& change) override;
    void didEdit(const Change& change) override;

  private:
    void open(StepName name, const void* origin);
    void capture(const Change& change);
    void finish();
    Snapshot valuesLike(const Snapshot& shape);
    std::shared_ptr<const MemoryImage> shared(const MemoryImage& image,
                                              std::shared_ptr<const MemoryImage>& last) const;

    Session& session_;
    StepListener listener_;
    int depth_ = 0;
    bool restoring_ = false;
    std::optional<Step> pending_;
    std::bitset<kChannelCount> captured_;
    std::shared_ptr<const MemoryImage> lastIn_;  // images equal to the last ones share their copy
    std::shared_ptr<const MemoryImage> lastOut_;
};

// The parts an undo step keeps: everything but the language and the service gestures, which are a way of
// working rather than values of the radio.
inline constexpr std::uint16_t kUndoableParts =
    static_cast<std::uint16_t>(Part::Channels) | static_cast<std::uint16_t>(Part::Features) |
    static_cast<std::uint16_t>(Part::Vfos) | static_cast<std::uint16_t>(Part::Fm) |
    static_cast<std::uint16_t>(Part::Calibration) | static_cast<std::uint16_t>(Part::Dtmf) |
    static_cast<std::uint16_t>(Part::Band);

}  // namespace zrt
