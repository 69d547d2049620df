#include "CompletionSound.h"

#include <QApplication>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QtEndian>
#include <QUrl>

namespace {

// How long the guard waits beyond the sound's own length, for an output that takes the sound
// but never reports its end.
constexpr int GraceMilliseconds = 3000;

bool QtKnowsAnAudioOutput() {
    return !QMediaDevices::audioOutputs().isEmpty();
}

// The length of a PCM WAV file from its header; -1 when it cannot be told.
int WavMilliseconds(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray head = file.read(4096);
    if (head.size() < 44 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return -1;
    qsizetype at = 12;
    quint32 byteRate = 0;
    while (at + 8 <= head.size()) {
        const QByteArray id = head.mid(at, 4);
        const quint32 size = qFromLittleEndian<quint32>(head.constData() + at + 4);
        if (id == "fmt " && at + 16 <= head.size())
            byteRate = qFromLittleEndian<quint32>(head.constData() + at + 16);
        if (id == "data")
            return byteRate == 0 ? -1 : int(qint64(size) * 1000 / byteRate);
        at += 8 + size + (size & 1);
    }
    return -1;
}

} // namespace

CompletionSound::CompletionSound(QObject* parent, std::function<bool()> hasAudioOutput)
    : QObject(parent),
      hasAudioOutput_(hasAudioOutput ? std::move(hasAudioOutput) : QtKnowsAnAudioOutput) {
    guard_.setSingleShot(true);
    connect(&guard_, &QTimer::timeout, this, &CompletionSound::End);
}

void CompletionSound::Play(const QString& path) {
    if (playing_)
        End();
    playing_ = true;
    started_ = false;
    ++playCount_;
    const int length = WavMilliseconds(path);
    // Without an output a sound effect takes the sound, says it plays, and never ends.
    if (length < 0 || !hasAudioOutput_()) {
        BeepInstead();
        return;
    }
    guard_.start(length + GraceMilliseconds);
    delete effect_;
    effect_ = new QSoundEffect(this);
    connect(effect_, &QSoundEffect::statusChanged, this, [this] {
        if (effect_->status() == QSoundEffect::Error)
            BeepInstead();
    });
    connect(effect_, &QSoundEffect::playingChanged, this, [this] {
        if (effect_->isPlaying())
            started_ = true;
        else if (started_)
            End();
    });
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->play();
}

void CompletionSound::BeepInstead() {
    QApplication::beep();
    // The beep cannot be followed and waits for nobody. Finished still comes from the event
    // loop, after the caller of Play has returned, as it does after a sound.
    guard_.stop();
    QMetaObject::invokeMethod(
        this,
        [this, play = playCount_] {
            if (play == playCount_)
                End();
        },
        Qt::QueuedConnection);
}

void CompletionSound::End() {
    guard_.stop();
    if (!playing_)
        return;
    playing_ = false;
    if (effect_) {
        effect_->disconnect(this);
        effect_->stop();
        effect_->deleteLater();
        effect_ = nullptr;
    }
    Q_EMIT Finished();
}
