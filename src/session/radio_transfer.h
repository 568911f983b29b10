// The session's radio transfers: starts a read or a write of the session's images and ties the link's state
// machine to the configuration: the encode runs at the start of a write (unless a backup goes out as it is),
// the decode only after a read has completed. The window and the command line both run their transfers
// through it.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "image/memory_image.h"
#include "link/transfer.h"

namespace zrt {

class Session;

class RadioTransfer {
  public:
    explicit RadioTransfer(Session& session);

    // Starts a read into ImageIn. Any earlier transfer is dropped.
    link::Actions startRead();
    // What a write sends: the encode of the configuration (the program's Write), or ImageOut as it stands
    // (a backup of the radio's memory restored byte for byte; its caller has filled ImageOut).
    enum class WriteImage { Encoded, AsItIs };

    // Starts a write: sends the program request, then EncodeImage fills ImageOut from the configuration
    // unless AsItIs. The band list's position and the service flags are taken now.
    link::Actions startWrite(WriteImage image = WriteImage::Encoded);

    // The actions below are those of the link (see link/transfer.h); DecodeImageIn has already been carried
    // out when it is returned, so a runner only redraws.
    link::Actions received(std::span<const std::uint8_t> bytes);
    link::Actions tick();
    link::Actions answerForceQuestion(bool ok);

    bool active() const { return transfer_ && transfer_->active(); }
    const link::Transfer* current() const { return transfer_ ? &*transfer_ : nullptr; }

  private:
    link::Actions apply(link::Actions actions);

    Session& session_;
    std::optional<link::Transfer> transfer_;
    MemoryImage imageBeforeRead_;  // what undoing the read gives back
};

}  // namespace zrt
