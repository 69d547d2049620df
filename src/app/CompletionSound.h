#pragma once
// Plays the completion sound to its end without holding up the window, then reports Finished.
// When the sound cannot play at all (no audio output, a missing file, a file that is not a
// sound) the system beep stands in and Finished follows at once: there is nothing to wait for.
// A sound that never reports its end is given up after its own length and a little more.

#include <QObject>
#include <QTimer>

#include <functional>

class QSoundEffect;

class CompletionSound : public QObject {
    Q_OBJECT
public:
    // `hasAudioOutput` tells whether the machine has somewhere to play; by default, whether
    // Qt Multimedia knows an audio output.
    explicit CompletionSound(QObject* parent = nullptr, std::function<bool()> hasAudioOutput = {});

    void Play(const QString& path);

Q_SIGNALS:
    void Finished();

private:
    void BeepInstead();
    void End();

    std::function<bool()> hasAudioOutput_;
    QSoundEffect* effect_ = nullptr;
    QTimer guard_;
    bool playing_ = false;
    bool started_ = false;
    quint64 playCount_ = 0; // tells a late end of an earlier sound from the current one
};
