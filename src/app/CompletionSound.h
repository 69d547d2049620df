#pragma once
// Plays the completion sound to its end without holding up the window, then reports Finished.
// A file that cannot be played gives the system beep instead; a sound that never reports its
// end (no audio device) is given up after its own length and a few seconds more.

#include <QObject>
#include <QTimer>

class QSoundEffect;

class CompletionSound : public QObject {
    Q_OBJECT
public:
    explicit CompletionSound(QObject* parent = nullptr);

    void Play(const QString& path);

Q_SIGNALS:
    void Finished();

private:
    void Beep();
    void End();

    QSoundEffect* effect_ = nullptr;
    QTimer guard_;
    bool playing_ = false;
    bool started_ = false;
};
