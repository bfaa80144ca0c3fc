#include "app/sound/SoundQueue.h"

#include <algorithm>

void SoundQueue::Play(Samples sound) {
    std::lock_guard lock(m_mutex);
    m_sound = std::move(sound);
    m_position = 0;
}

void SoundQueue::Fill(int16_t* out, std::size_t count) {
    std::lock_guard lock(m_mutex);
    std::size_t copied = 0;
    if (m_sound) {
        copied = std::min(count, m_sound->size() - m_position);
        std::copy_n(m_sound->begin() + static_cast<std::ptrdiff_t>(m_position), copied, out);
        m_position += copied;
        if (m_position == m_sound->size()) m_sound.reset();
    }
    std::fill(out + copied, out + count, int16_t{0});
}
