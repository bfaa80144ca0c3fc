#include "app/SoundOutput.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QIODevice>
#include <QSemaphore>

namespace {

// About 80 ms of audio ahead of the speaker: a new sound waits at most this long behind
// the queued silence, and the feeding thread, woken every 20 ms, may be late by most of
// it on a busy machine before the output runs dry and clicks.
constexpr int BufferMilliseconds = 80;
// The longest the window thread waits for a new stream to run steadily.
constexpr int SettleMilliseconds = 1000;

// The queue seen by the audio sink as an endless sequential device that it pulls from.
class QueueDevice final : public QIODevice {
  public:
    explicit QueueDevice(std::shared_ptr<SoundQueue> queue) : m_queue(std::move(queue)) {}

    bool isSequential() const override { return true; }
    // Never at its end: an output that sees the end of its source drains and goes idle.
    bool atEnd() const override { return false; }

  protected:
    qint64 readData(char* data, qint64 maxSize) override {
        const qint64 samples = maxSize / qint64(sizeof(int16_t));
        m_queue->Fill(reinterpret_cast<int16_t*>(data), static_cast<std::size_t>(samples));
        return samples * qint64(sizeof(int16_t));
    }
    qint64 writeData(const char*, qint64) override { return -1; }

  private:
    std::shared_ptr<SoundQueue> m_queue;
};

} // namespace

// The sink and its device are created, run and destroyed on this thread.
class SoundOutput::Thread final : public QThread {
  public:
    Thread(QAudioDevice device, std::shared_ptr<SoundQueue> queue)
        : m_device(std::move(device)), m_queue(std::move(queue)) {}

    // Released once the sink has been started, or has failed to start.
    QSemaphore Opened;

  protected:
    void run() override {
        QAudioFormat format;
        format.setSampleRate(SampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        QueueDevice source(m_queue);
        // Unbuffered: a buffered device would read 16 KB (0.37 s) ahead of the sink, and a
        // new sound would wait behind that much queued silence.
        source.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
        QAudioSink sink(m_device, format);
        sink.setBufferSize(format.bytesForDuration(BufferMilliseconds * 1000));
        // A sink that cannot open stays stopped: the game goes on in silence.
        sink.start(&source);
        // A stream that has just opened pulls unevenly while the server fills its buffers,
        // and a sound queued meanwhile could be replaced before it is heard: the window
        // thread waits until the stream has run steadily for a few buffers.
        QElapsedTimer opening;
        opening.start();
        while (sink.state() != QAudio::StoppedState && opening.elapsed() < SettleMilliseconds &&
               sink.processedUSecs() < qint64(4) * BufferMilliseconds * 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        Opened.release();
        exec();
        sink.stop();
    }

  private:
    QAudioDevice m_device;
    std::shared_ptr<SoundQueue> m_queue;
};

SoundOutput::SoundOutput(QAudioDevice device)
    : m_queue(std::make_shared<SoundQueue>()),
      m_thread(std::make_unique<Thread>(std::move(device), m_queue)) {
    m_thread->start();
    // A sound server that does not answer leaves the game silent, not hung.
    (void)m_thread->Opened.tryAcquire(1, 2000);
}

SoundOutput::~SoundOutput() {
    m_thread->quit();
    // An audio server that stopped answering may hold the thread; the process is ending,
    // so leave it behind rather than hang or destroy a running thread.
    if (!m_thread->wait(QDeadlineTimer(2000))) (void)m_thread.release();
}

void SoundOutput::Play(SoundQueue::Samples sound) {
    m_queue->Play(std::move(sound));
}
