// The front object: owns the document (the configuration and its observers), both memory images, the band
// state and the running radio transfer. The main window and the command line drive it and never reach around
// it: they read the configuration through config() and change it only through edit() and the operations
// below.
#pragma once

#include <functional>

#include "config/configuration.h"
#include "image/memory_image.h"
#include "session/document.h"
#include "session/edit_journal.h"
#include "session/radio_transfer.h"

namespace zrt {

class Session {
  public:
    Session();
    // A copy has the configuration and the images, none of the observers and no transfer running; an
    // assignment keeps the observers, who are not told (assign to a session nobody observes).
    Session(const Session& other);
    Session& operator=(const Session& other);

    const Configuration& config() const { return document_.config(); }
    Document& document() { return document_; }
    // Turns edits into undo steps for whoever listens; a copy of the session has a journal of its own.
    EditJournal& journal() { return journal_; }

    // The one write path (see Document::edit): apply() changes the configuration, then the observers hear
    // the change.
    template <class Apply>
    auto edit(const Change& change, Apply&& apply) {
        return document_.edit(change, std::forward<Apply>(apply));
    }

    const MemoryImage& imageIn() const { return imageIn_; }    // what a read or an opened file delivered
    const MemoryImage& imageOut() const { return imageOut_; }  // what the last encode built

    // The read or write of this session's radio; the link driver that runs it on a port only feeds it.
    RadioTransfer& transfer() { return transfer_; }

    void decode();  // DecodeImage: every part changes
    void encode();  // EncodeImage
    // An image delivered from elsewhere (a data file, another radio's read) becomes ImageIn and is decoded.
    void decode(const MemoryImage& delivered);
    // ImageOut as a write is to send it without the encode (a backup restored byte for byte).
    void setImageOut(const MemoryImage& image);

    // The band list's click: applies the band's limits and VFO defaults, and when the position differs from
    // CurrentBand asks confirm(); on consent applies the band again and empties both channel tables.
    // CurrentBand becomes the position either way. Returns true when the tables were cleared.
    bool chooseBand(int index, const std::function<bool()>& confirm);

    // New after its question was answered OK: the channel, DTMF and optional-features resets.
    void newConfiguration();

    // A whole configuration in place of this one (another session's, a copy made for a while).
    void replaceConfiguration(const Configuration& config);

    // LanguageIndex; every window's texts follow.
    void setLanguage(int languageIndex);

  private:
    friend class RadioTransfer;  // a read fills ImageIn block by block; a write sends ImageOut
    friend class EditJournal;    // an undo puts back the images of its step

    MemoryImage imageIn_;
    MemoryImage imageOut_;
    Document document_;
    EditJournal journal_{*this};
    RadioTransfer transfer_{*this};
};

}  // namespace zrt
