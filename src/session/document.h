// The document: the one configuration the windows and the command line edit, and the change notifications
// that tell its observers what an edit touched. Every write goes through edit(); observers redraw only the
// parts a change names.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "config/channel_store.h"
#include "config/configuration.h"

namespace zrt {

// The parts of the configuration an edit may touch.
enum class Part : std::uint16_t {
    Channels = 1 << 0,     // the channel records firstChannel..lastChannel
    Features = 1 << 1,     // the optional features (the list and text fields outside the VFOs)
    Vfos = 1 << 2,         // the two VFO records of the optional features
    Fm = 1 << 3,           // the FM store and the FM window's working copy
    Calibration = 1 << 4,  // the calibration values
    Dtmf = 1 << 5,         // the DTMF fields
    Band = 1 << 6,         // the band list's position, CurrentBand and the band limits
    Service = 1 << 7,      // the service flags and their gestures
    Language = 1 << 8,     // LanguageIndex: every text a window shows
};

// What a user's step is called in Edit › Undo: the kind of step and, where it has them, the channel (1..128),
// the channel field and a count of rows. Automatic names the undo history derives from an edit's parts.
enum class StepKind : std::uint8_t {
    Automatic,  // named after the parts the edit touched
    SetField,   // one field of one channel: channel, field
    Paste,
    Import,
    Cut,
    Delete,
    Insert,
    MoveUp,
    MoveDown,
    BulkSet,  // field
    Fill,
    Sort,
    New,
    Read,
    Open,
    BandChange,
};

// The fields of a channel as a step names them, in the table's order.
enum class ChannelField : std::uint8_t {
    RxFrequency,
    TxFrequency,
    DecodeTone,
    EncodeTone,
    Power,
    BusyLock,
    Scan,
    Bandwidth,
    Hidden,
    Scramble,
    Name,
};

struct StepName {
    StepKind kind = StepKind::Automatic;
    int channel = 0;
    ChannelField field = ChannelField::RxFrequency;
    int count = 0;
    bool operator==(const StepName&) const = default;
};

// What one edit changed, and who made it (an observer that made an edit has already shown it).
struct Change {
    std::uint16_t parts = 0;
    int firstChannel = 1;  // with Part::Channels: the channel numbers touched, 1..128
    int lastChannel = kChannelCount;
    const void* origin = nullptr;
    StepName step;  // how the undo history names the edit

    static Change of(std::initializer_list<Part> list, const void* origin = nullptr) {
        Change c;
        for (Part p : list)
            c.parts |= static_cast<std::uint16_t>(p);
        c.origin = origin;
        return c;
    }
    static Change channels(int first, int last, const void* origin = nullptr) {
        Change c = of({Part::Channels}, origin);
        c.firstChannel = first;
        c.lastChannel = last;
        return c;
    }
    // A read, an opened file, a whole configuration replaced: every part (the language stays).
    static Change everything(const void* origin = nullptr) {
        return of({Part::Channels, Part::Features, Part::Vfos, Part::Fm, Part::Calibration, Part::Dtmf,
                   Part::Band, Part::Service},
                  origin);
    }

    Change named(StepName name) const {
        Change c = *this;
        c.step = name;
        return c;
    }

    bool has(Part p) const { return (parts & static_cast<std::uint16_t>(p)) != 0; }
    bool hasAny(std::initializer_list<Part> list) const {
        for (Part p : list)
            if (has(p)) return true;
        return false;
    }
    bool allChannels() const { return firstChannel <= 1 && lastChannel >= kChannelCount; }
};

// Told before and after every edit (the undo journal). An edit made while another is being told nests in it.
class EditHook {
  public:
    virtual ~EditHook() = default;
    virtual void willEdit(const Change& change) = 0;  // before the configuration changes
    virtual void didEdit(const Change& change) = 0;   // after the observers were told
};

class Document {
  public:
    using Listener = std::function<void(const Change&)>;

    explicit Document(Configuration config) : config_(std::move(config)) {}
    // A copy is another document with the same values, no observers and no hook.
    Document(const Document& other) : config_(other.config_) {}
    Document& operator=(const Document& other) {
        config_ = other.config_;
        return *this;
    }

    const Configuration& config() const { return config_; }

    // The one write path: apply() changes the configuration (through the configuration's rules), then every
    // observer hears what changed. Returns what apply() returned.
    template <class Apply>
    auto edit(const Change& change, Apply&& apply) -> decltype(apply(std::declval<Configuration&>())) {
        using Result = decltype(apply(std::declval<Configuration&>()));
        if (hook_) hook_->willEdit(change);
        if constexpr (std::is_void_v<Result>) {
            apply(config_);
            notify(change);
            if (hook_) hook_->didEdit(change);
        } else {
            Result result = apply(config_);
            notify(change);
            if (hook_) hook_->didEdit(change);
            return result;
        }
    }

    // An edit whose extent is known only once it ran (a question asked on the way): apply() returns the
    // Change.
    template <class Apply>
    void editAndTell(Apply&& apply) {
        // Before the edit nobody knows what it touches: the hook hears it may touch every part.
        if (hook_) hook_->willEdit(Change::everything());
        const Change change = apply(config_);
        notify(change);
        if (hook_) hook_->didEdit(change);
    }

    // One hook at most; nullptr removes it.
    void setHook(EditHook* hook) { hook_ = hook; }

    // Observers: subscribe returns a key for unsubscribe. An observer may unsubscribe while it is told.
    int subscribe(Listener listener);
    void unsubscribe(int key);
    void notify(const Change& change);

  private:
    Configuration config_;
    EditHook* hook_ = nullptr;
    std::vector<std::pair<int, Listener>> listeners_;
    int nextKey_ = 1;
};

}  // namespace zrt
