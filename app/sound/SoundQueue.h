#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

// What the audio output plays next: the rest of the current sound, then silence for as
// long as the output asks. The output stream is never left without data, so it never
// stops, and the last samples of a sound reach the speaker instead of being cut off with
// the stream. A new sound replaces whatever part of the previous one is still queued.
// Play and Fill may run on different threads.
class SoundQueue {
  public:
    using Samples = std::shared_ptr<const std::vector<int16_t>>;

    void Play(Samples sound);

    // Writes the next `count` samples into `out`.
    void Fill(int16_t* out, std::size_t count);

  private:
    std::mutex m_mutex;
    Samples m_sound;
    std::size_t m_position = 0;
};
