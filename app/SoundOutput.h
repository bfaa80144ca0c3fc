#pragma once

#include <QAudioDevice>
#include <QThread>
#include <memory>

#include "app/sound/SoundQueue.h"

// One audio output stream, open while Sound is on, fed from a SoundQueue on a thread of its
// own. The window thread blocks during animations, so the stream must not depend on it.
// Since the queue pads every sound with silence, the stream never runs dry and is never
// stopped while a sound's tail is still buffered. Construction returns once the stream has
// been opened (or has failed to), so that the time it takes to open cannot hold back the
// first sound until the next one replaces it.
class SoundOutput {
  public:
    // Mono 16-bit samples at this rate, the format of the game's own sound files.
    static constexpr int SampleRate = 22050;

    explicit SoundOutput(QAudioDevice device);
    ~SoundOutput();

    // Replaces whatever is still queued with this sound, and returns at once.
    void Play(SoundQueue::Samples sound);

  private:
    class Thread;

    std::shared_ptr<SoundQueue> m_queue;
    std::unique_ptr<Thread> m_thread;
};
