#include "runtime/mediachannel.h"

#include "runtime/audioengine.h"

#include <QDir>
#include <cstdio>
#include <vector>

namespace {
// The game plays on without its music and sounds, as designed, but says once where it looked.
void reportMissing(const QString &file) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "media files missing in %s (%s): playing without them\n",
                 qPrintable(QDir::toNativeSeparators(QDir::currentPath())), qPrintable(file));
}
} // namespace

namespace {
float volumes[2] = {1.0f, 1.0f};
std::vector<MediaChannel *> channels;
} // namespace

MediaChannel::MediaChannel(QObject *owner, const QString &name, Role role)
    : QObject(owner), role_(role), channel_(AudioEngine::instance().createChannel()) {
    setObjectName(name);
    channels.push_back(this);
    AudioEngine::instance().setGain(channel_, volumes[int(role)]);
}

MediaChannel::~MediaChannel() {
    std::erase(channels, this);
    AudioEngine::instance().destroyChannel(channel_);
}

void MediaChannel::setVolume(Role role, float gain) {
    volumes[int(role)] = gain;
    for (MediaChannel *c : channels)
        if (c->role_ == role) AudioEngine::instance().setGain(c->channel_, gain);
}

void MediaChannel::setCommand(const QString &command) {
    command_ = command;
    AudioEngine &engine = AudioEngine::instance();
    if (command == "Open") {
        const QString path = resolveMediaFile(FileName);
        if (path.isEmpty() && !FileName.isEmpty()) reportMissing(FileName);
        engine.open(channel_, path);
    } else if (command == "Play") {
        engine.play(channel_); // nothing happens on a closed channel
    } else if (command == "Close") {
        engine.close(channel_);
    }
}

MediaChannel::State MediaChannel::state() const {
    const AudioEngine &engine = AudioEngine::instance();
    if (engine.isPlaying(channel_)) return State::Playing;
    return engine.isOpen(channel_) ? State::Open : State::Closed;
}

void playTrack(MediaChannel *channel, const QString &file) {
    if (!channel) return;
    channel->setCommand("Close");
    channel->Notify = false;
    channel->Wait = true;
    channel->Shareable = false;
    channel->FileName = file;
    channel->setCommand("Open");
    channel->setCommand("Play");
}
