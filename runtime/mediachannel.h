#pragma once
// A media channel: an invisible player that holds one media file, opened and played by name from
// the working directory, with the properties the game sets on it. Setting Command performs it at
// once; nothing reports a failure.
#include <QObject>
#include <QString>

class MediaChannel : public QObject {
    Q_OBJECT
  public:
    // Music goes on as a state of the place the player is in; an effect is only a moment.
    enum class Role { Music, Effects };
    MediaChannel(QObject *owner, const QString &name, Role role = Role::Music);
    ~MediaChannel() override;
    Role role() const { return role_; }
    // How loud every channel of a role plays, 0 to 1 (the player's settings); it applies at once.
    static void setVolume(Role role, float gain);

    bool Notify = false;
    bool Wait = true;
    bool Shareable = false;
    QString FileName; // kept after "Close"

    // "Open", "Play" or "Close".
    void setCommand(const QString &command);
    QString Command() const { return command_; }

    enum class State { Closed, Open, Playing };
    State state() const;
    bool isSounding() const { return state() == State::Playing; }
    int engineChannel() const { return channel_; }

  private:
    Role role_;
    int channel_;
    QString command_;
};

// Switches a channel to a new track: Close, Notify, Wait, Shareable, FileName, Open, Play.
void playTrack(MediaChannel *channel, const QString &file);
