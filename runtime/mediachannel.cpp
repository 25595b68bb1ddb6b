#include "runtime/mediachannel.h"

#include "runtime/audioengine.h"

MediaChannel::MediaChannel(QObject *owner, const QString &name)
    : QObject(owner), channel_(AudioEngine::instance().createChannel()) {
    setObjectName(name);
}

MediaChannel::~MediaChannel() {
    AudioEngine::instance().destroyChannel(channel_);
}

void MediaChannel::setCommand(const QString &command) {
    command_ = command;
    AudioEngine &engine = AudioEngine::instance();
    if (command == "Open")
        engine.open(channel_, resolveMediaFile(FileName));
    else if (command == "Play")
        engine.play(channel_); // nothing happens on a closed channel
    else if (command == "Close")
        engine.close(channel_);
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
