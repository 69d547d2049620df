#include "CompletionSound.h"

#include <QApplication>
#include <QFile>
#include <QSoundEffect>
#include <QtEndian>
#include <QUrl>

namespace {

// How long the guard waits beyond the sound's own length.
constexpr int GraceMilliseconds = 3000;

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

CompletionSound::CompletionSound(QObject* parent) : QObject(parent) {
    guard_.setSingleShot(true);
    connect(&guard_, &QTimer::timeout, this, &CompletionSound::End);
}

void CompletionSound::Play(const QString& path) {
    if (playing_)
        End();
    playing_ = true;
    started_ = false;
    const int length = WavMilliseconds(path);
    if (length < 0) {
        Beep();
        return;
    }
    guard_.start(length + GraceMilliseconds);
    delete effect_;
    effect_ = new QSoundEffect(this);
    connect(effect_, &QSoundEffect::statusChanged, this, [this] {
        if (effect_->status() == QSoundEffect::Error)
            Beep();
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

void CompletionSound::Beep() {
    QApplication::beep();
    // The beep is short and cannot be followed; a moment later counts as its end.
    guard_.start(300);
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
