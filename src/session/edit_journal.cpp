#include "session/edit_journal.h"

#include <algorithm>

#include "session/session.h"

namespace zrt {

namespace {

bool holds(std::uint16_t parts, Part p) {
    return (parts & static_cast<std::uint16_t>(p)) != 0;
}

bool sameImage(const std::shared_ptr<const MemoryImage>& a, const std::shared_ptr<const MemoryImage>& b) {
    return a == b || (a && b && *a == *b);
}

// Whether the sliders are unlocked is the service gesture's business, not a value a step keeps.
Calibration calibValues(Calibration calib) {
    calib.unlocked = false;
    return calib;
}

}  // namespace

bool Snapshot::sameValues(const Snapshot& o) const {
    return parts == o.parts && channels == o.channels && features == o.features && fm == o.fm &&
           fmWindow == o.fmWindow && calib == o.calib && dtmf == o.dtmf && band == o.band &&
           sameImage(imageIn, o.imageIn) && sameImage(imageOut, o.imageOut);
}

EditJournal::EditJournal(Session& session) : session_(session) {}

std::shared_ptr<const MemoryImage> EditJournal::shared(const MemoryImage& image,
                                                       std::shared_ptr<const MemoryImage>& last) const {
    // A thousand steps between two saves share one copy of each image.
    if (!last || !(*last == image)) last = std::make_shared<const MemoryImage>(image);
    return last;
}

void EditJournal::open(StepName name, const void* origin) {
    pending_.emplace();
    pending_->name = name;
    pending_->origin = origin;
    captured_.reset();
    pending_->before.imageIn = shared(session_.imageIn(), lastIn_);
    pending_->before.imageOut = shared(session_.imageOut(), lastOut_);
}

void EditJournal::begin(StepName name, const MemoryImage* imageInBefore) {
    if (!recording() || restoring_) return;
    if (depth_++ != 0) return;
    open(name, nullptr);
    if (imageInBefore) pending_->before.imageIn = std::make_shared<const MemoryImage>(*imageInBefore);
}

void EditJournal::end() {
    if (!recording() || restoring_ || depth_ == 0) return;
    if (--depth_ == 0) finish();
}

void EditJournal::willEdit(const Change& change) {
    if (!recording() || restoring_) return;
    if (depth_++ == 0) open(change.step, change.origin);
    capture(change);
}

void EditJournal::didEdit(const Change& change) {
    if (!recording() || restoring_ || depth_ == 0) return;
    // A step's name comes from its first edit that has one (a band change names itself only at the end).
    if (pending_ && pending_->name.kind == StepKind::Automatic) pending_->name = change.step;
    if (--depth_ == 0) finish();
}

void EditJournal::capture(const Change& change) {
    Snapshot& b = pending_->before;
    const Configuration& c = session_.config();
    const std::uint16_t parts = change.parts & kUndoableParts;
    if (holds(parts, Part::Channels)) {
        for (int n = std::max(change.firstChannel, 1); n <= std::min(change.lastChannel, kChannelCount);
             ++n) {
            if (captured_.test(static_cast<std::size_t>(n - 1))) continue;
            captured_.set(static_cast<std::size_t>(n - 1));
            b.channels.emplace_back(n, c.channels[static_cast<std::size_t>(n - 1)]);
        }
    }
    if ((holds(parts, Part::Features) || holds(parts, Part::Vfos)) && !b.features) b.features = c.features;
    if (holds(parts, Part::Fm) && !b.fm) {
        b.fm = c.fm;
        b.fmWindow = c.fmWindow;
    }
    if (holds(parts, Part::Calibration) && !b.calib) b.calib = calibValues(c.calib);
    if (holds(parts, Part::Dtmf) && !b.dtmf) b.dtmf = c.dtmf;
    if (holds(parts, Part::Band) && !b.band) b.band = c.band;
    b.parts |= parts;
}

Snapshot EditJournal::valuesLike(const Snapshot& shape) {
    const Configuration& c = session_.config();
    Snapshot s;
    s.parts = shape.parts;
    s.channels.reserve(shape.channels.size());
    for (const auto& [n, record] : shape.channels)
        s.channels.emplace_back(n, c.channels[static_cast<std::size_t>(n - 1)]);
    if (shape.features) s.features = c.features;
    if (shape.fm) s.fm = c.fm;
    if (shape.fmWindow) s.fmWindow = c.fmWindow;
    if (shape.calib) s.calib = calibValues(c.calib);
    if (shape.dtmf) s.dtmf = c.dtmf;
    if (shape.band) s.band = c.band;
    s.imageIn = shared(session_.imageIn(), lastIn_);
    s.imageOut = shared(session_.imageOut(), lastOut_);
    return s;
}

void EditJournal::finish() {
    if (!pending_) return;
    Step step = std::move(*pending_);
    pending_.reset();
    step.after = valuesLike(step.before);
    // An edit that changed nothing (an editor left as it was) is no step.
    if (step.after.sameValues(step.before)) return;
    listener_(std::move(step));
}

void EditJournal::restore(const Snapshot& s) {
    restoring_ = true;
    if (s.imageIn) session_.imageIn_ = *s.imageIn;
    if (s.imageOut) session_.imageOut_ = *s.imageOut;
    Change change;
    change.parts = s.parts;
    if (!s.channels.empty()) {
        const auto [lo, hi] =
            std::minmax_element(s.channels.begin(), s.channels.end(),
                                [](const auto& a, const auto& b) { return a.first < b.first; });
        change.firstChannel = lo->first;
        change.lastChannel = hi->first;
    }
    session_.edit(change, [&](Configuration& c) {
        for (const auto& [n, record] : s.channels)
            c.channels[static_cast<std::size_t>(n - 1)] = record;
        if (s.features) c.features = *s.features;
        if (s.fm) c.fm = *s.fm;
        if (s.fmWindow) c.fmWindow = *s.fmWindow;
        if (s.calib) {
            const bool unlocked = c.calib.unlocked;
            c.calib = *s.calib;
            c.calib.unlocked = unlocked;
        }
        if (s.dtmf) c.dtmf = *s.dtmf;
        if (s.band) c.band = *s.band;
    });
    restoring_ = false;
}

}  // namespace zrt
